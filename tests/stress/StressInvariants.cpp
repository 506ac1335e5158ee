#include "StressInvariants.h"

#include "Collections.h"
#include "Contnrs.h"
#include "Handles.h"
#include "StdCtrls.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"

#include <QSet>
#include <QWidget>

#include <climits>

namespace {

bool g_inspectorSelectionCheck = true;

bool OwnedByForm(const TfZeDesignForm *form, const TObject *object)
{
    for (int i = 0; i < form->ComponentCount(); ++i) {
        if (form->Components(i) == object)
            return true;
    }
    return false;
}

// A collection item (a status panel, a header section, a grid column) belongs to the form when
// the component holding its collection does. Reaching it reads the item: a freed one is caught.
bool OnFormAsItem(const TfZeDesignForm *form, TObject *object)
{
    auto *item = ObjectCast<TCollectionItem>(object);
    TPersistent *owner = item && item->Collection() ? item->Collection()->Owner() : nullptr;
    if (ObjectCast<TCollectionItem>(owner))
        return OnFormAsItem(form, owner);
    return owner && OwnedByForm(form, owner);
}

QString Describe(const TComponent *component)
{
    return component->Name() + QLatin1Char(':') + component->ClassName();
}

QString CheckNames(TfZeDesignForm *form)
{
    QSet<QString> seen{form->Name().toLower()};
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent *component = form->Components(i);
        if (auto *proxy = ObjectCast<TZeSubComponent>(component)) {
            if (proxy->Component() && !OwnedByForm(form, proxy->Component()))
                return QStringLiteral("a proxy stands for a component the form does not own");
            if (component->Name().isEmpty())
                continue;
        }
        const QString name = component->Name();
        if (name.isEmpty() || !IsValidIdent(name))
            return QStringLiteral("component %1 has an invalid name \"%2\"")
                .arg(i).arg(name.left(80));
        if (seen.contains(name.toLower()))
            return QStringLiteral("the name \"%1\" is taken twice").arg(name.left(80));
        seen.insert(name.toLower());
    }
    return QString();
}

QString CheckComponentList(TfZeDesignForm *form, TfObjectInspector *insp)
{
    QStringList expected{form->Name() + QStringLiteral(": TZeForm")};
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent *component = form->Components(i);
        if (!component->Name().isEmpty())
            expected << component->Name() + QStringLiteral(": ") + component->ClassName();
    }
    QStringList listed;
    for (int i = 0; i < insp->cbComponents->Items()->Count(); ++i)
        listed << insp->cbComponents->Items()->Strings(i);
    if (listed != expected) {
        return QStringLiteral("cbComponents lists [%1] but the form holds [%2]")
            .arg(listed.join(", ").left(400), expected.join(", ").left(400));
    }
    return QString();
}

QString CheckHandle(TfZeDesignForm *form)
{
    TStretchHandle *handle = form->StretchHandle;
    if (!handle->HasTargets())
        return QString();
    TWinControl *parent = handle->Target(0)->Parent();
    for (int i = 0; i < handle->TargetCount(); ++i) {
        TControl *target = handle->Target(i);
        if (!OwnedByForm(form, target))
            return QStringLiteral("handle target %1 is not a component of the form").arg(i);
        if (target->Parent() != parent)
            return QStringLiteral("handle targets have different parents");
    }
    if (handle->Parent() != parent)
        return QStringLiteral("the handle lies on another parent than its targets");
    if (handle->Dragging())
        return QString();
    // An aligned first target has a box of its own shape, its grips on the parent's edge cut
    // away: alone it must have exactly that box, fitted where it is now; with others the box
    // must take in that shape rather than the target itself.
    TControl *first = handle->Target(0);
    const bool alignedFirst = first->Align() != alNone;
    if (alignedFirst && handle->TargetCount() == 1) {
        const QRect box = handle->BoundsRect(), fit = handle->FirstTargetBox(first);
        if (box != fit) {
            return QStringLiteral("the box (%1,%2 %3x%4) of aligned %5 is not its fit (%6,%7 %8x%9)")
                .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height()).arg(Describe(first))
                .arg(fit.x()).arg(fit.y()).arg(fit.width()).arg(fit.height());
        }
        return QString();
    }
    const qint64 left = handle->Left(), top = handle->Top();
    const qint64 right = left + handle->Width(), bottom = top + handle->Height();
    for (int i = 0; i < handle->TargetCount(); ++i) {
        const TControl *t = handle->Target(i);
        const QRect shape = i == 0 && alignedFirst ? handle->FirstTargetBox(first)
                                                   : t->BoundsRect();
        const qint64 tl = shape.x(), tt = shape.y();
        const qint64 tr = tl + shape.width(), tb = tt + shape.height();
        // Boxes near the ends of the integer range are clamped; they cannot enclose.
        const qint64 edge = qint64(INT_MAX) - 1000;
        if (std::max({std::abs(tl), std::abs(tt), std::abs(tr), std::abs(tb)}) > edge)
            continue;
        if (tl < left || tt < top || tr > right || tb > bottom) {
            return QStringLiteral("the grips (%1,%2)-(%3,%4) do not enclose %5 at (%6,%7)-(%8,%9)")
                .arg(left).arg(top).arg(right).arg(bottom).arg(Describe(t))
                .arg(tl).arg(tt).arg(tr).arg(tb);
        }
    }
    return QString();
}

// Reads every shown row's value: the row's objects must be alive.
void ReadRowValues(TObjectInspProperty *row)
{
    (void)row->Editor->GetValue();
    if (row->Expanded) {
        for (const auto &child : row->Children)
            ReadRowValues(child.get());
    }
}

QString CheckInspector(TfZeDesignForm *form, TZeFormDesigner *designer, TfObjectInspector *insp)
{
    TObject *inspected = insp->InspectedObject;
    if (!inspected)
        return QString();
    if (inspected != form && !OwnedByForm(form, inspected) && !OnFormAsItem(form, inspected))
        return QStringLiteral("the inspector shows an object that is not on the form");
    // The rows edit the selection, or the inspected object alone when it is shown by itself
    // (an object outside the selection, or a class shown without it).
    TComponentList selection;
    designer->ReadSelection(&selection);
    QSet<TObject *> allowed;
    for (int i = 0; i < selection.Count(); ++i)
        allowed.insert(selection.Items(i));
    if (!g_inspectorSelectionCheck) {
        for (const auto &row : insp->Rows)
            ReadRowValues(row.get());
        return QString();
    }
    if (!allowed.contains(inspected)) {
        // Controls and the form are shown through the selection, never by themselves.
        if (ObjectCast<TControl>(inspected)) {
            QStringList selected;
            for (int i = 0; i < selection.Count(); ++i)
                selected << Describe(selection.Items(i));
            return QStringLiteral("the inspector shows %1, which is not selected (selected: %2)")
                .arg(Describe(static_cast<TComponent *>(inspected)), selected.join(", "));
        }
        allowed = {inspected};
    }
    for (const auto &row : insp->Rows) {
        for (int i = 0; i < row->Editor->TargetCount; ++i) {
            if (!allowed.contains(row->Editor->GetInstance(i)))
                return QStringLiteral("row %1 edits an object outside the selection")
                    .arg(row->Editor->GetName());
        }
        ReadRowValues(row.get());
    }
    return QString();
}

QString CheckBounds(TfZeDesignForm *form)
{
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto *control = ObjectCast<TControl>(form->Components(i));
        if (!control)
            continue;
        const qint64 right = qint64(control->Left()) + control->Width();
        const qint64 bottom = qint64(control->Top()) + control->Height();
        if (control->Width() < 0 || control->Height() < 0 || right > INT_MAX
            || bottom > INT_MAX)
            return QStringLiteral("%1 lies outside the integer range: %2,%3 %4x%5")
                .arg(Describe(control)).arg(control->Left()).arg(control->Top())
                .arg(control->Width()).arg(control->Height());
    }
    return QString();
}

} // namespace

QString CheckDesignerInvariants(TZeIDEForm *ide)
{
    TfZeDesignForm *form = ide->DesignForm;
    for (const QString &fault :
         {CheckNames(form), CheckComponentList(form, ide->Inspector), CheckHandle(form),
          CheckInspector(form, ide->Designer, ide->Inspector), CheckBounds(form)}) {
        if (!fault.isEmpty())
            return fault;
    }
    return QString();
}

void SetInspectorSelectionCheck(bool on)
{
    g_inspectorSelectionCheck = on;
}

QString CheckNoWindowDisabled(TZeIDEForm *ide)
{
    const std::pair<const char *, TCustomForm *> windows[] = {
        {"main window", ide}, {"design form", ide->DesignForm},
        {"inspector", ide->Inspector}, {"code editor", ide->CodeEditorWindow}};
    for (const auto &[name, window] : windows) {
        if (!window->Handle()->isEnabled())
            return QStringLiteral("the %1 is left disabled").arg(QLatin1String(name));
    }
    return QString();
}
