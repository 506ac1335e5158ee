// The ordinal family of standard property editors: integers, characters, enumerations, sets and
// their elements, and the integer types with identifier texts (colours, cursors, character sets,
// modal results, shortcuts).

#include "DsgnIntf.h"

#include "IdentTables.h"
#include "ShortCuts.h"
#include "SysUtils.h"

Z_DEFINE_CLASS(TOrdinalProperty, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TIntegerProperty, TOrdinalProperty, NoPublishedProps)
Z_DEFINE_CLASS(TCharProperty, TOrdinalProperty, NoPublishedProps)
Z_DEFINE_CLASS(TEnumProperty, TOrdinalProperty, NoPublishedProps)
Z_DEFINE_CLASS(TBoolProperty, TEnumProperty, NoPublishedProps)
Z_DEFINE_CLASS(TSetProperty, TOrdinalProperty, NoPublishedProps)
Z_DEFINE_CLASS(TShortCutProperty, TOrdinalProperty, NoPublishedProps)
Z_DEFINE_CLASS(TFontCharsetProperty, TIntegerProperty, NoPublishedProps)
Z_DEFINE_CLASS(TCursorProperty, TIntegerProperty, NoPublishedProps)
Z_DEFINE_CLASS(TModalResultProperty, TIntegerProperty, NoPublishedProps)
Z_DEFINE_CLASS(TTabOrderProperty, TIntegerProperty, NoPublishedProps)
Z_DEFINE_CLASS(TSetElementProperty, TPropertyEditor, NoPublishedProps)

namespace {

void Report(const TGetStrProc &proc, const QStringList &values)
{
    for (const QString &v : values)
        proc(v);
}

// The name of an element of a set's element type: enumeration names, or the number of a range.
QString ElementName(PTypeInfo elementType, qint64 element)
{
    if (elementType->Kind == KindEnumeration)
        return GetEnumName(elementType, element);
    return QString::number(element);
}

const char *const kModalResults[] = {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                     "mrIgnore", "mrYes", "mrNo", "mrAll", "mrNoToAll",
                                     "mrYesToAll"};

} // namespace

bool TOrdinalProperty::AllEqual()
{
    const qint64 first = GetOrdinal(0);
    for (int i = 1; i < TargetCount; ++i)
        if (GetOrdinal(i) != first)
            return false;
    return true;
}

// ---- Integers and characters -------------------------------------------------------------------

QString TIntegerProperty::GetValue()
{
    return QString::number(GetOrdinal());
}

void TIntegerProperty::SetValue(const QString &value)
{
    SetIntegerText(value);
}

QString TCharProperty::GetValue()
{
    const qint64 code = GetOrdinal();
    if (code >= 33 && code <= 127)
        return QString(QChar(char16_t(code)));
    return QStringLiteral("#%1").arg(code);
}

void TCharProperty::SetValue(const QString &value)
{
    qint64 code = 0;
    if (value.size() == 1)
        code = value.at(0).unicode();
    else if (value.size() > 1) {
        if (!value.startsWith(QLatin1Char('#')))
            InvalidValue();
        code = StrToInt(value.mid(1));
    }
    CheckRange(code);
    SetOrdinal(code);
}

// ---- Enumerations ------------------------------------------------------------------------------

TPropertyAttributes TEnumProperty::GetAttributes()
{
    return ValueListAttributes;
}

QString TEnumProperty::GetValue()
{
    const PTypeInfo type = GetPropertyType();
    qint64 value = GetOrdinal();
    if (value < type->MinValue || value > type->MaxValue)
        value = type->MaxValue;
    return GetEnumName(type, value);
}

void TEnumProperty::GetValues(const TGetStrProc &proc)
{
    const PTypeInfo type = GetPropertyType();
    for (qint64 v = type->MinValue; v <= type->MaxValue; ++v)
        proc(GetEnumName(type, v));
}

void TEnumProperty::SetValue(const QString &value)
{
    const int ordinal = GetEnumValue(GetPropertyType(), value);
    if (ordinal < 0)
        InvalidValue();
    SetOrdinal(ordinal);
}

QString TBoolProperty::GetValue()
{
    return GetOrdinal() != 0 ? QStringLiteral("True") : QStringLiteral("False");
}

void TBoolProperty::GetValues(const TGetStrProc &proc)
{
    proc(QStringLiteral("False"));
    proc(QStringLiteral("True"));
}

void TBoolProperty::SetValue(const QString &value)
{
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        SetOrdinal(0);
    else if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        SetOrdinal(-1);
    else
        SetOrdinal(StrToInt(value));
}

// ---- Sets --------------------------------------------------------------------------------------

TPropertyAttributes TSetProperty::GetAttributes()
{
    return attrSubProperties | attrMultiSelect | attrReadOnly | attrRevertable;
}

QString TSetProperty::GetValue()
{
    const PTypeInfo elementType = GetTypeData(GetPropertyType());
    const quint64 bits = quint64(GetOrdinal());
    QStringList names;
    for (qint64 e = std::max<qint64>(elementType->MinValue, 0);
         e <= elementType->MaxValue && e < 32; ++e)
        if (bits & (quint64(1) << e))
            names << ElementName(elementType, e);
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

void TSetProperty::GetProperties(const TGetPropEditProc &proc)
{
    const PTypeInfo elementType = GetTypeData(GetPropertyType());
    for (qint64 e = std::max<qint64>(elementType->MinValue, 0);
         e <= elementType->MaxValue && e < 32; ++e) {
        auto *element = new TSetElementProperty;
        TPropertyEditorRef ref(element);
        element->Designer = Designer;
        element->TargetCount = TargetCount;
        element->Targets = Targets;
        element->Element = quint32(e);
        element->m_setEditor = TPropertyEditorRef(this);
        proc(ref);
    }
}

TPropertyAttributes TSetElementProperty::GetAttributes()
{
    return attrValueList | attrMultiSelect | attrSortList;
}

QString TSetElementProperty::GetName()
{
    return ElementName(GetTypeData(GetPropertyType()), Element);
}

QString TSetElementProperty::GetValue()
{
    return (quint64(GetOrdinal()) & (quint64(1) << Element)) ? QStringLiteral("True")
                                                              : QStringLiteral("False");
}

void TSetElementProperty::GetValues(const TGetStrProc &proc)
{
    proc(QStringLiteral("False"));
    proc(QStringLiteral("True"));
}

void TSetElementProperty::SetValue(const QString &value)
{
    const qint64 bit = qint64(1) << Element;
    qint64 set = GetOrdinal();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        set |= bit;
    else
        set &= ~bit;
    SetOrdinal(set);
}

// ---- Integer types with identifiers ------------------------------------------------------------

TPropertyAttributes TFontCharsetProperty::GetAttributes()
{
    return attrValueList | attrMultiSelect | attrSortList;
}

QString TFontCharsetProperty::GetValue()
{
    const qint64 value = GetOrdinal();
    QString ident;
    if (CharsetToIdent(value & 0xFF, ident))
        return ident;
    return QString::number(value);
}

void TFontCharsetProperty::GetValues(const TGetStrProc &proc)
{
    Report(proc, CharsetIdents());
}

void TFontCharsetProperty::SetValue(const QString &value)
{
    qint64 charset = 0;
    if (IdentToCharset(value, charset))
        SetOrdinal(charset);
    else
        SetIntegerText(value);
}

TPropertyAttributes TCursorProperty::GetAttributes()
{
    return ValueListAttributes;
}

QString TCursorProperty::GetValue()
{
    const qint64 value = GetOrdinal();
    QString ident;
    if (CursorToIdent(value, ident))
        return ident;
    return QString::number(value);
}

void TCursorProperty::GetValues(const TGetStrProc &proc)
{
    Report(proc, CursorIdents());
}

void TCursorProperty::SetValue(const QString &value)
{
    qint64 cursor = 0;
    if (IdentToCursor(value, cursor))
        SetOrdinal(cursor);
    else
        SetIntegerText(value);
}

TPropertyAttributes TModalResultProperty::GetAttributes()
{
    return attrValueList | attrMultiSelect | attrRevertable;
}

QString TModalResultProperty::GetValue()
{
    const qint64 value = GetOrdinal();
    if (value >= 0 && value < qint64(std::size(kModalResults)))
        return QString::fromLatin1(kModalResults[value]);
    return QString::number(value);
}

void TModalResultProperty::GetValues(const TGetStrProc &proc)
{
    for (const char *name : kModalResults)
        proc(QString::fromLatin1(name));
}

void TModalResultProperty::SetValue(const QString &value)
{
    if (value.isEmpty()) {
        SetOrdinal(0);
        return;
    }
    for (qsizetype i = 0; i < qsizetype(std::size(kModalResults)); ++i) {
        if (value.compare(QLatin1String(kModalResults[i]), Qt::CaseInsensitive) == 0) {
            SetOrdinal(i);
            return;
        }
    }
    SetIntegerText(value);
}

// ---- Shortcuts ---------------------------------------------------------------------------------

TPropertyAttributes TShortCutProperty::GetAttributes()
{
    return attrValueList | attrMultiSelect | attrRevertable;
}

QString TShortCutProperty::GetValue()
{
    const quint16 shortCut = quint16(GetOrdinal() & 0xFFFF);
    if (shortCut == scNone)
        return QStringLiteral("(None)");
    return ShortCutToText(shortCut);
}

void TShortCutProperty::GetValues(const TGetStrProc &proc)
{
    proc(QStringLiteral("(None)"));
    for (quint16 shortCut : StandardShortCuts())
        proc(ShortCutToText(shortCut));
}

void TShortCutProperty::SetValue(const QString &value)
{
    if (value.isEmpty() || value.compare(QLatin1String("(None)"), Qt::CaseInsensitive) == 0) {
        SetOrdinal(0);
        return;
    }
    const quint16 shortCut = TextToShortCut(value);
    if (shortCut == scNone)
        InvalidValue();
    SetOrdinal(shortCut);
}
