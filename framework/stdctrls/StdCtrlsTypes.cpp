// The type records of the standard controls' enumerations, sets and events.

#include "StdCtrls.h"

#include <algorithm>

namespace {

PTypeInfo Enum(const char *name, std::initializer_list<const char *> values)
{
    QStringList names;
    for (const char *v : values)
        names << QString::fromLatin1(v);
    return NewEnumType(QString::fromLatin1(name), names);
}

} // namespace

PTypeInfo TypeInfoTAlignment()
{
    static const PTypeInfo t = Enum("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    return t;
}

PTypeInfo TypeInfoTLeftRight()
{
    static const PTypeInfo t = Enum("TLeftRight", {"taLeftJustify", "taRightJustify"});
    return t;
}

PTypeInfo TypeInfoTTextLayout()
{
    static const PTypeInfo t = Enum("TTextLayout", {"tlTop", "tlCenter", "tlBottom"});
    return t;
}

PTypeInfo TypeInfoTEditCharCase()
{
    static const PTypeInfo t = Enum("TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
    return t;
}

PTypeInfo TypeInfoTScrollStyle()
{
    static const PTypeInfo t =
        Enum("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    return t;
}

PTypeInfo TypeInfoTCheckBoxState()
{
    static const PTypeInfo t =
        Enum("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
    return t;
}

PTypeInfo TypeInfoTListBoxStyle()
{
    static const PTypeInfo t =
        Enum("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
    return t;
}

PTypeInfo TypeInfoTComboBoxStyle()
{
    static const PTypeInfo t =
        Enum("TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                "csOwnerDrawVariable"});
    return t;
}

PTypeInfo TypeInfoTStaticBorderStyle()
{
    static const PTypeInfo t =
        Enum("TStaticBorderStyle", {"sbsNone", "sbsSingle", "sbsSunken"});
    return t;
}

PTypeInfo TypeInfoTOwnerDrawState()
{
    static const PTypeInfo element =
        Enum("TOwnerDrawStateItem",
             {"odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused", "odDefault",
              "odHotLight", "odInactive", "odNoAccel", "odNoFocusRect", "odReserved1",
              "odReserved2", "odComboBoxEdit"});
    static const PTypeInfo t = NewSetType(QStringLiteral("TOwnerDrawState"), element);
    return t;
}

PTypeInfo TypeInfoTDrawItemEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TDrawItemEvent"),
        QStringLiteral("Control: TWinControl; Index: Integer; Rect: TRect; "
                       "State: TOwnerDrawState"));
    return t;
}

PTypeInfo TypeInfoTMeasureItemEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMeasureItemEvent"),
        QStringLiteral("Control: TWinControl; Index: Integer; var Height: Integer"));
    return t;
}

PTypeInfo TypeInfoTScrollEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TScrollEvent"),
        QStringLiteral("Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer"));
    return t;
}

Qt::Alignment AlignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

QString DisplayCaption(const QString &caption, bool showAccelChar)
{
    // Qt reads "&" as the mnemonic marker and "&&" as an ampersand, like the classic
    // controls; without accelerators every ampersand is doubled to show as it is.
    if (showAccelChar)
        return caption;
    QString text = caption;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

int FontLineHeight(const TFont *font)
{
    // Computed wide and kept to the size fonts are drawn at (TFont::ToQFont): an absurd
    // height must not overflow into a negative line.
    const qint64 h = std::clamp<qint64>(font->Height(), -2048, 2048);
    if (h > 0)
        return int(h);
    return int(-h + (-h + 2) / 5);
}
