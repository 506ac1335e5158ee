#include "InspectionFixture.h"

#include "Graphics.h"
#include "StdCtrls.h"

namespace {

TPropTable ProbeProps()
{
    using P = TProbe;
    return {
        Prop<P>("Kind", TProbe::KindType(), &P::Kind, &P::SetKind),
        Prop<P>("Kinds", TProbe::KindsType(), &P::Kinds, &P::SetKinds),
        Prop<P>("Letter", TypeInfoChar(), &P::Letter, &P::SetLetter),
        Prop<P>("Ratio", TypeInfoSingle(), &P::Ratio, &P::SetRatio),
        Prop<P>("Exact", TypeInfoDouble(), &P::Exact, &P::SetExact),
        Prop<P>("Day", TypeInfoTDate(), &P::Day, &P::SetDay),
        Prop<P>("Hour", TypeInfoTTime(), &P::Hour, &P::SetHour),
        Prop<P>("Stamp", TypeInfoTDateTime(), &P::Stamp, &P::SetStamp),
        Prop<P>("Code", TProbe::CodeType(), &P::Code, &P::SetCode),
        Prop<P>("Caption", TypeInfoString(), &P::Caption, &P::SetCaption),
        Prop<P>("Hint", TypeInfoString(), &P::Hint, &P::SetHint),
        Prop<P>("Link", TButton::StaticClass()->ClassTypeInfo(), &P::Link, &P::SetLink),
        Prop<P>("Counter", TypeInfoInteger(), &P::Counter),
        Prop<P>("Font", TFont::StaticClass()->ClassTypeInfo(), &P::Font),
        Prop<P>("NoFont", TFont::StaticClass()->ClassTypeInfo(), &P::NoFont),
        Prop<P>("Fragile", TypeInfoInteger(), &P::Fragile, &P::SetFragile),
        Prop<P>("Tag2", TypeInfoInteger(), &P::Tag2, &P::SetTag2),
        EventProp<P>("OnChange", TypeInfoTNotifyEvent(), &P::OnChange),
        EventProp<P>("OnClick", TypeInfoTNotifyEvent(), &P::OnClick),
        EventProp<P>("OnCreate", TypeInfoTNotifyEvent(), &P::OnCreate),
        EventProp<P>("OnEnter", TypeInfoTNotifyEvent(), &P::OnEnter),
        EventProp<P>("OnExit", TypeInfoTNotifyEvent(), &P::OnExit),
    };
}

TPropTable ProbeEventsProps()
{
    using P = TProbeEvents;
    return {
        EventProp<P>("OnChange", TypeInfoTNotifyEvent(), &P::OnChange),
        EventProp<P>("OnClick", TypeInfoTNotifyEvent(), &P::OnClick),
        EventProp<P>("OnEnter", TypeInfoTNotifyEvent(), &P::OnEnter),
        EventProp<P>("OnExit", TypeInfoTNotifyEvent(), &P::OnExit),
    };
}

TPropTable ProbeFocusProps()
{
    using P = TProbeFocus;
    return {
        EventProp<P>("OnExit", TypeInfoTNotifyEvent(), &P::OnExit),
        EventProp<P>("OnEnter", TypeInfoTNotifyEvent(), &P::OnEnter),
    };
}

} // namespace

Z_DEFINE_CLASS(TProbeFocus, TComponent, ProbeFocusProps)
Z_DEFINE_CLASS(TProbe, TComponent, ProbeProps)
Z_DEFINE_CLASS(TProbeEvents, TComponent, ProbeEventsProps)

PTypeInfo TProbe::KindType()
{
    static const TTypeInfo *type =
        NewEnumType(QStringLiteral("TProbeKind"),
                    {QStringLiteral("pkAlpha"), QStringLiteral("pkBeta"),
                     QStringLiteral("pkGamma")});
    return type;
}

PTypeInfo TProbe::KindsType()
{
    static const TTypeInfo *type = NewSetType(QStringLiteral("TProbeKinds"), KindType());
    return type;
}

PTypeInfo TProbe::CodeType()
{
    static TTypeInfo *type = [] {
        TTypeInfo *t = NewStringType(KindShortString, QStringLiteral("TCode"));
        t->MaxLength = 8;
        return t;
    }();
    return type;
}

void RegisterStandardEditors()
{
    RegisterPropertyEditor(TypeInfoTColor(), nullptr, QString(), TColorProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTCursor(), nullptr, QString(), TCursorProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTFontCharset(), nullptr, QString(),
                           TFontCharsetProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTModalResult(), nullptr, QString(),
                           TModalResultProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTShortCut(), nullptr, QString(),
                           TShortCutProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTTabOrder(), nullptr, QString(),
                           TTabOrderProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTCaption(), nullptr, QString(),
                           TCaptionProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoBoolean(), nullptr, QString(), TBoolProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTDate(), nullptr, QString(), TDateProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTTime(), nullptr, QString(), TTimeProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoTDateTime(), nullptr, QString(),
                           TDateTimeProperty::StaticClass());
    RegisterPropertyEditor(TFont::StaticClass()->ClassTypeInfo(), nullptr, QString(),
                           TFontProperty::StaticClass());
    RegisterPropertyEditor(TComponent::StaticClass()->ClassTypeInfo(), nullptr, QString(),
                           TComponentProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoString(), TComponent::StaticClass(), QStringLiteral("Name"),
                           TComponentNameProperty::StaticClass());
    RegisterPropertyEditor(TypeInfoString(), TFont::StaticClass(), QStringLiteral("Name"),
                           TFontNameProperty::StaticClass());
}
