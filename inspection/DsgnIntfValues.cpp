// Standard property editors of floats, strings, objects, component references, events and
// dates.

#include "DsgnIntf.h"

#include "FontNames.h"
#include "SysUtils.h"

#include <cmath>

Z_DEFINE_CLASS(TFloatProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TStringProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TComponentNameProperty, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TFontNameProperty, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TCaptionProperty, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TClassProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TMethodProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TComponentProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TDateProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TTimeProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TDateTimeProperty, TPropertyEditor, NoPublishedProps)

namespace {

[[noreturn]] void NoDefaultMethodName()
{
    throw EPropertyError(
        QStringLiteral("Cannot create a default method name for an unnamed component"));
}

} // namespace

// ---- Floats ------------------------------------------------------------------------------------

bool TFloatProperty::AllEqual()
{
    const double first = GetFloat(0);
    for (int i = 1; i < TargetCount; ++i)
        if (GetFloat(i) != first)
            return false;
    return true;
}

QString TFloatProperty::GetValue()
{
    static const int precisions[] = {7, 15, 18, 18, 18};
    const int type = GetPropertyType()->FloatType;
    return FormatFloatGeneral(GetFloat(), precisions[type >= 0 && type <= 4 ? type : 2]);
}

void TFloatProperty::SetValue(const QString &value)
{
    SetFloat(StrToFloat(value));
}

// ---- Strings -----------------------------------------------------------------------------------

bool TStringProperty::AllEqual()
{
    const QString first = GetStr(0);
    for (int i = 1; i < TargetCount; ++i)
        if (GetStr(i) != first)
            return false;
    return true;
}

int TStringProperty::GetEditLimit()
{
    const PTypeInfo type = GetPropertyType();
    return type->Kind == KindShortString ? type->MaxLength : 255;
}

QString TStringProperty::GetValue()
{
    return GetStr();
}

void TStringProperty::SetValue(const QString &value)
{
    SetStr(value);
}

TPropertyAttributes TFontNameProperty::GetAttributes()
{
    return ValueListAttributes;
}

void TFontNameProperty::GetValues(const TGetStrProc &proc)
{
    for (const QString &name : ScreenFontNames())
        proc(name);
}

TPropertyAttributes TCaptionProperty::GetAttributes()
{
    return attrMultiSelect | attrAutoUpdate | attrRevertable;
}

// ---- Objects -----------------------------------------------------------------------------------

TPropertyAttributes TClassProperty::GetAttributes()
{
    return attrSubProperties | attrMultiSelect | attrReadOnly;
}

QString TClassProperty::GetValue()
{
    return QLatin1Char('(') + GetPropertyType()->Name + QLatin1Char(')');
}

void TClassProperty::GetProperties(const TGetPropEditProc &proc)
{
    // A target that holds no object has nothing to show; the others still are edited.
    std::vector<TObject *> objects;
    for (int i = 0; i < TargetCount; ++i)
        if (TObject *obj = GetObjectProp(Targets[i].Instance, Targets[i].PropInfo))
            objects.push_back(obj);
    // Every kind but events: a sub-object's events are never shown.
    const auto kinds = TTypeKinds(AnyKinds & ~KindBit(KindUnknown) & ~KindBit(KindMethod));
    EnumObjectProperties(objects, kinds, Designer, proc);
}

// ---- Component references ----------------------------------------------------------------------

TPropertyAttributes TComponentProperty::GetAttributes()
{
    return ValueListAttributes;
}

QString TComponentProperty::GetValue()
{
    auto *component = ObjectCast<TComponent>(GetObjectProp(GetInstance(), GetPropInfo()));
    return Designer ? Designer->NameOfComponent(component)
                    : (component ? component->Name() : QString());
}

void TComponentProperty::GetValues(const TGetStrProc &proc)
{
    if (Designer)
        Designer->ListComponentNames(GetPropertyType(), proc);
}

void TComponentProperty::SetValue(const QString &value)
{
    if (value.isEmpty()) {
        SetOrdinal(0);
        return;
    }
    TComponent *component = Designer ? Designer->FindComponentByName(value) : nullptr;
    if (!component || !component->Is(GetPropertyType()->ClassType))
        InvalidValue();
    SetOrdinal(qint64(reinterpret_cast<std::intptr_t>(static_cast<TObject *>(component))));
}

// ---- Events ------------------------------------------------------------------------------------

bool TMethodProperty::AllEqual()
{
    const TMethod first = GetMethod(0);
    for (int i = 1; i < TargetCount; ++i)
        if (!(GetMethod(i) == first))
            return false;
    return true;
}

TPropertyAttributes TMethodProperty::GetAttributes()
{
    return ValueListAttributes;
}

QString TMethodProperty::GetValue()
{
    return Designer ? Designer->EventHandlerName(GetMethod()) : QString();
}

void TMethodProperty::GetValues(const TGetStrProc &proc)
{
    if (Designer)
        Designer->ListEventHandlers(GetPropertyType(), proc);
}

void TMethodProperty::SetValue(const QString &value)
{
    if (!Designer)
        return;
    const QString current = GetValue();
    if (!current.isEmpty() && !value.isEmpty()
        && (current.compare(value, Qt::CaseInsensitive) == 0
            || !Designer->EventHandlerExists(value))) {
        Designer->RenameEventHandler(current, value);
        return;
    }
    const bool newMethod = !value.isEmpty() && !Designer->EventHandlerExists(value);
    SetMethod(Designer->CreateEventHandler(value, GetPropertyType()));
    if (newMethod)
        Designer->ShowEventHandler(value);
}

void TMethodProperty::Edit()
{
    if (!Designer)
        return;
    QString name = GetValue();
    if (!name.isEmpty() && !Designer->IsInheritedHandler(GetMethod())) {
        Designer->ShowEventHandler(name);
        return;
    }
    if (name.isEmpty())
        name = GetDefaultMethodName();
    if (name.isEmpty())
        NoDefaultMethodName();
    SetMethod(Designer->CreateEventHandler(name, GetPropertyType()));
    Designer->ShowEventHandler(name);
}

QString TMethodProperty::GetDefaultMethodName()
{
    QString base;
    if (Designer && Designer->Form && GetInstance(0) == static_cast<TObject *>(Designer->Form)) {
        base = QStringLiteral("Form");
    } else {
        base = Designer ? Designer->NameOfObject(GetInstance(0)) : QString();
        base.remove(QLatin1Char('.')).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    }
    if (base.isEmpty())
        NoDefaultMethodName();
    QString name = GetName();
    if (name.size() >= 2 && name.startsWith(QLatin1String("On"), Qt::CaseInsensitive))
        name.remove(0, 2);
    return base + name;
}

// ---- Dates and times ---------------------------------------------------------------------------

QString TDateProperty::GetValue()
{
    const double value = GetFloat();
    return value == 0 ? QString() : DateToStr(value);
}

void TDateProperty::SetValue(const QString &value)
{
    SetFloat(value.isEmpty() ? 0.0 : StrToDate(value));
}

QString TTimeProperty::GetValue()
{
    const double value = GetFloat();
    return value == 0 ? QString() : TimeToStr(value);
}

void TTimeProperty::SetValue(const QString &value)
{
    SetFloat(value.isEmpty() ? 0.0 : StrToTime(value));
}

QString TDateTimeProperty::GetValue()
{
    const double value = GetFloat();
    return value == 0 ? QString() : DateTimeToStr(value);
}

void TDateTimeProperty::SetValue(const QString &value)
{
    SetFloat(value.isEmpty() ? 0.0 : StrToDateTime(value));
}
