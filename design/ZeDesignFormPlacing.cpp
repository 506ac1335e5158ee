// Naming, hit-testing, placing and deleting the components of the design form.

#include "ZeDesignForm.h"

#include "Contnrs.h"
#include "Handles.h"

#include <QSet>

QString UniqueComponentName(const QString &baseName, TfZeDesignForm *form)
{
    TComponent *container = form->Parent() ? static_cast<TComponent *>(form->Parent()) : form;
    const QString stem = baseName.mid(1);
    // The names in use, gathered once: a crowded form would otherwise compare every name with
    // every candidate.
    QSet<QString> taken;
    taken.reserve(container->ComponentCount());
    for (int i = 0; i < container->ComponentCount(); ++i)
        taken.insert(container->Components(i)->Name().toCaseFolded());
    for (int n = 1;; ++n) {
        const QString candidate = stem + QString::number(n);
        if (!taken.contains(candidate.toCaseFolded()))
            return candidate;
    }
}

TControl *FindControlAt(int &x, int &y, TWinControl *container, TfZeDesignForm *form)
{
    TStretchHandle *selection = form->StretchHandle;
    for (int i = container->ControlCount() - 1; i >= 0; --i) {
        TControl *k = container->Controls(i);
        if (k == selection)
            continue; // the handle lies over the selection; it is not a component
        const int l = k->Left(), t = k->Top(), r = l + k->Width(), b = t + k->Height();
        if (x < l || x > r || y < t || y > b)
            continue;
        auto *windowed = ObjectCast<TWinControl>(k);
        if (!windowed)
            return k;
        const bool onBorder = std::abs(l - x) < 4 || std::abs(t - y) < 4
                              || std::abs(r - x) < 4 || std::abs(b - y) < 4;
        if (selection->HasTargets() && selection->IndexOfTarget(k) >= 0 && onBorder)
            return k;
        x -= l;
        y -= t;
        return FindControlAt(x, y, windowed, form);
    }
    return container;
}

void TfZeDesignForm::ToContainerCoordinates(TControl *container, int &x, int &y) const
{
    for (TControl *c = container; c && c != this; c = c->Parent()) {
        x -= c->Left();
        y -= c->Top();
    }
}

TControl *TfZeDesignForm::PlaceComponent(TClass cls, int x, int y, TWinControl *parent,
                                         int formX, int formY)
{
    TObject *object = cls && cls->Create ? cls->Create(this) : nullptr;
    auto *component = dynamic_cast<TComponent *>(object);
    if (!component) {
        delete object;
        throw EInvalidOperation(QStringLiteral("Cannot create a component of this class"));
    }
    component->SetName(QString());
    TControl *result = nullptr;
    try {
        if (auto *control = ObjectCast<TControl>(component)) {
            const bool into = parent && (parent->ControlStyle() & csAcceptsControls);
            TWinControl *container = into ? parent : this;
            control->SetLeft(into ? x : formX);
            control->SetTop(into ? y : formY);
            control->SetParent(container);
            control->SetName(UniqueComponentName(control->ClassName(), this));
            control->ValidateContainer(container);
            result = control;
        } else {
            auto *proxy = new TZeSubComponent(this);
            try {
                proxy->SetLeft(formX);
                proxy->SetTop(formY);
                if (TBitmap *glyph = PaletteGlyph(cls))
                    proxy->Glyph->Assign(glyph);
                component->SetName(UniqueComponentName(component->ClassName(), this));
                proxy->SetParent(this);
                proxy->SetComponent(component);
            } catch (...) {
                Free(proxy);
                throw;
            }
            result = proxy;
        }
    } catch (...) {
        Free(component); // nothing half-made stays on the form
        throw;
    }
    BringProxiesToFront();
    // The new component is the selection, so that what the inspector now shows and edits
    // is the component just placed, not what the press selected on its way.
    StretchHandle->DetachAll();
    StretchHandle->Attach(result);
    // The inspector lays its rows out while it is told, and that lets pending input run:
    // a Delete among it frees the control just placed. The list forgets it when it goes.
    TComponentList watched;
    watched.Add(result);
    OnSelectionChanged(this, result);
    return watched.Count() > 0 ? result : nullptr;
}

void TfZeDesignForm::BringProxiesToFront()
{
    std::vector<TControl *> proxies;
    for (int i = 0; i < ControlCount(); ++i) {
        if (Controls(i)->Is<TZeSubComponent>())
            proxies.push_back(Controls(i));
    }
    for (TControl *proxy : proxies)
        proxy->BringToFront();
}

void TfZeDesignForm::DeleteControl(TObject *object)
{
    if (!object)
        return;
    TComponentList watched; // freeing the component may take the proxy with it
    watched.Add(dynamic_cast<TComponent *>(object));
    if (auto *proxy = ObjectCast<TZeSubComponent>(object)) {
        if (TComponent *component = proxy->Component())
            Free(component);
    }
    if (watched.Count() > 0) {
        if (auto *control = ObjectCast<TControl>(object)) {
            StretchHandle->DetachAll();
            Select(nullptr);
            if (TWinControl *parent = control->Parent())
                parent->FreeControl(control);
            else
                Free(control);
        }
    }
    if (!m_deletingSelection)
        OnComponentsDeleted(this);
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TZeSubComponent, TPanel, NoPublishedProps)

TZeSubComponent::TZeSubComponent(TComponent *owner) : TPanel(owner), Glyph(new TBitmap)
{
    SetControlStyle(ControlStyle() & ~quint32(csAcceptsControls));
    SetCaption(QStringLiteral(" "));
    SetBounds(Left(), Top(), Size, Size);
}

TZeSubComponent::~TZeSubComponent()
{
    Destroying();
    SetComponent(nullptr);
    delete Glyph;
}

void TZeSubComponent::SetComponent(TComponent *component)
{
    SetReference(this, m_component, component);
}

void TZeSubComponent::Notification(TComponent *component, TOperation operation)
{
    TPanel::Notification(component, operation);
    if (operation == opRemove && component == m_component)
        m_component = nullptr;
}

void TZeSubComponent::SetBounds(int left, int top, int, int)
{
    TPanel::SetBounds(left, top, Size, Size);
}

void TZeSubComponent::Paint()
{
    TPanel::Paint();
    if (Glyph->Empty())
        return;
    // The glyph's bottom-left pixel is its background.
    Glyph->SetTransparentMode(tmAuto);
    Glyph->SetTransparent(true);
    Canvas()->Draw(1, 1, Glyph);
}
