#include "ZeFormDesigner.h"

#include "Handles.h"
#include "ZeDesignForm.h"

Z_DEFINE_CLASS(TZeFormDesigner, TFormDesigner, NoPublishedProps)

namespace {

// A proxy stands for its component; anything else for itself.
TComponent *Represented(TComponent *component)
{
    if (auto *proxy = ObjectCast<TZeSubComponent>(component))
        return proxy->Component();
    return component;
}

TComponent *FindOwnedByName(TComponent *owner, const QString &name)
{
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent *c = owner->Components(i);
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
        if (TComponent *found = FindOwnedByName(c, name))
            return found;
    }
    return nullptr;
}

} // namespace

TfZeDesignForm *TZeFormDesigner::DesignForm() const
{
    return ObjectCast<TfZeDesignForm>(Form);
}

bool TZeFormDesigner::FilterDesignMessage(TControl *, TMsg &)
{
    return false;
}

// The handle box and grips follow the selected controls' new bounds. The form is painted
// again once the change is done rather than at once: a user action may notify many times,
// and the controls it changed are painted with the form.
void TZeFormDesigner::NotifyModified()
{
    TfZeDesignForm *form = DesignForm();
    if (!form)
        return;
    OnModified(this);
    form->Invalidate();
    form->StretchHandle->Refit();
}

void TZeFormDesigner::NotifyComponent(TComponent *, TOperation) {}

void TZeFormDesigner::PaintDesignGrid()
{
    if (TfZeDesignForm *form = DesignForm())
        form->PaintDesignSurface();
}

void TZeFormDesigner::CheckRename(TComponent *, const QString &, const QString &) {}

TMethod TZeFormDesigner::CreateEventHandler(const QString &, PTypeInfo)
{
    return TMethod();
}

QString TZeFormDesigner::EventHandlerName(const TMethod &)
{
    return QString();
}

void TZeFormDesigner::ListEventHandlers(PTypeInfo, const TGetStrProc &) {}

void TZeFormDesigner::ReadSelection(TComponentList *list)
{
    TfZeDesignForm *form = DesignForm();
    if (!form || !list)
        return;
    TStretchHandle *handle = form->StretchHandle;
    if (!handle->HasTargets()) {
        list->Add(form);
        return;
    }
    for (int i = 0; i < handle->TargetCount(); ++i) {
        if (TComponent *c = Represented(handle->Target(i)))
            list->Add(c);
    }
}

bool TZeFormDesigner::EventHandlerExists(const QString &)
{
    return false;
}

void TZeFormDesigner::RenameEventHandler(const QString &, const QString &) {}

void TZeFormDesigner::SelectObject(TObject *object)
{
    TfZeDesignForm *form = DesignForm();
    if (!form)
        return;
    if (auto *control = ObjectCast<TControl>(object)) {
        form->StretchHandle->Attach(control);
        return;
    }
    for (int i = 0; i < form->ControlCount(); ++i) {
        auto *proxy = ObjectCast<TZeSubComponent>(form->Controls(i));
        if (proxy && object && proxy->Component() == object) {
            form->StretchHandle->Attach(proxy);
            return;
        }
    }
    form->OnSelectionChanged(nullptr, object);
}

void TZeFormDesigner::ReplaceSelection(TComponentList *list)
{
    TfZeDesignForm *form = DesignForm();
    if (!form)
        return;
    form->StretchHandle->DetachAll();
    for (int i = 0; list && i < list->Count(); ++i)
        SelectObject(list->Items(i));
}

void TZeFormDesigner::ShowEventHandler(const QString &) {}

QString TZeFormDesigner::UniqueComponentName(const QString &baseName)
{
    TfZeDesignForm *form = DesignForm();
    return form ? ::UniqueComponentName(baseName, form) : QString();
}

void TZeFormDesigner::ListComponentNames(PTypeInfo type, const TGetStrProc &proc)
{
    TfZeDesignForm *form = DesignForm();
    if (!form || !type || !type->ClassType)
        return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent *c = Represented(form->Components(i));
        if (c && c->ClassType()->InheritsFrom(type->ClassType))
            proc(c->Name());
    }
}

TComponent *TZeFormDesigner::FindComponentByName(const QString &name)
{
    TfZeDesignForm *form = DesignForm();
    if (!form)
        return nullptr;
    if (form->Name().compare(name, Qt::CaseInsensitive) == 0)
        return form;
    return FindOwnedByName(form, name);
}

QString TZeFormDesigner::NameOfComponent(TComponent *component)
{
    return component ? component->Name() : QString();
}

QString TZeFormDesigner::NameOfObject(TObject *)
{
    return QString();
}

bool TZeFormDesigner::IsInheritedHandler(const TMethod &)
{
    return false;
}

TComponent *TZeFormDesigner::CreateComponentAt(TClass componentClass, TControl *parent,
                                               int left, int top, int width, int height)
{
    TfZeDesignForm *form = DesignForm();
    if (!form)
        return nullptr;
    TControl *placed = form->PlaceComponent(componentClass, left, top,
                                            ObjectCast<TWinControl>(parent), left, top);
    if (!placed)
        return nullptr;
    placed->SetHeight(height);
    placed->SetWidth(width);
    return Represented(placed);
}

bool TZeFormDesigner::CanLinkComponent(TComponent *component)
{
    return !ObjectCast<TZeSubComponent>(component);
}
