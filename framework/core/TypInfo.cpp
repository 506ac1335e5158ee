#include "TypInfo.h"

#include <algorithm>
#include <limits>

namespace {

void RequireAccess(bool present, const TPropInfo *prop, const char *what)
{
    if (!present)
        throw EPropertyError(FormatMessage(QStringLiteral("Property %s has no %s access"),
                                           {prop->Name, QString::fromLatin1(what)}));
}

} // namespace

TPropList GetPropList(TClass cls, TTypeKinds kinds)
{
    TPropList result;
    QStringList seen;
    for (TClass c = cls; c; c = c->Parent) {
        for (const TPropInfo &p : c->OwnProps()) {
            const QString key = p.Name.toUpper();
            if (seen.contains(key))
                continue;
            seen.append(key);
            const TTypeKind kind = p.PropType ? p.PropType->Kind : KindUnknown;
            if (kinds & KindBit(kind))
                result.push_back(&p);
        }
    }
    std::stable_sort(result.begin(), result.end(), [](const TPropInfo *a, const TPropInfo *b) {
        return a->Name.compare(b->Name, Qt::CaseInsensitive) < 0;
    });
    return result;
}

const TPropInfo *GetPropInfo(TClass cls, const QString &name)
{
    for (TClass c = cls; c; c = c->Parent) {
        for (const TPropInfo &p : c->OwnProps()) {
            if (p.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &p;
        }
    }
    return nullptr;
}

qint64 GetOrdProp(TObject *obj, const TPropInfo *prop)
{
    RequireAccess(bool(prop->GetOrd), prop, "ordinal read");
    return prop->GetOrd(obj);
}

void SetOrdProp(TObject *obj, const TPropInfo *prop, qint64 value)
{
    RequireAccess(bool(prop->SetOrd), prop, "ordinal write");
    prop->SetOrd(obj, value);
}

double GetFloatProp(TObject *obj, const TPropInfo *prop)
{
    RequireAccess(bool(prop->GetFloat), prop, "float read");
    return prop->GetFloat(obj);
}

void SetFloatProp(TObject *obj, const TPropInfo *prop, double value)
{
    RequireAccess(bool(prop->SetFloat), prop, "float write");
    prop->SetFloat(obj, value);
}

QString GetStrProp(TObject *obj, const TPropInfo *prop)
{
    RequireAccess(bool(prop->GetStr), prop, "string read");
    return prop->GetStr(obj);
}

void SetStrProp(TObject *obj, const TPropInfo *prop, const QString &value)
{
    RequireAccess(bool(prop->SetStr), prop, "string write");
    prop->SetStr(obj, value);
}

TMethod GetMethodProp(TObject *obj, const TPropInfo *prop)
{
    RequireAccess(bool(prop->GetMethod), prop, "method read");
    return prop->GetMethod(obj);
}

void SetMethodProp(TObject *obj, const TPropInfo *prop, const TMethod &value)
{
    RequireAccess(bool(prop->SetMethod), prop, "method write");
    prop->SetMethod(obj, value);
}

TObject *GetObjectProp(TObject *obj, const TPropInfo *prop)
{
    if (!prop->PropType || prop->PropType->Kind != KindClass)
        return nullptr;
    return reinterpret_cast<TObject *>(std::intptr_t(GetOrdProp(obj, prop)));
}

QString GetEnumName(PTypeInfo type, qint64 value)
{
    if (!type)
        return {};
    if (type->Kind == KindEnumeration && value >= type->MinValue && value <= type->MaxValue) {
        const qsizetype index = qsizetype(value - type->MinValue);
        if (index < type->EnumNames.size())
            return type->EnumNames.at(index);
    }
    return QString::number(value);
}

int GetEnumValue(PTypeInfo type, const QString &name)
{
    if (!type || type->Kind != KindEnumeration)
        return -1;
    for (qsizetype i = 0; i < type->EnumNames.size(); ++i) {
        if (type->EnumNames.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return int(type->MinValue + i);
    }
    return -1;
}

PTypeInfo GetTypeData(PTypeInfo type)
{
    return type && type->Kind == KindSet ? type->CompType : type;
}

TTypeInfo *NewOrdinalType(TTypeKind kind, const QString &name, qint64 min, qint64 max)
{
    auto *t = new TTypeInfo;
    t->Kind = kind;
    t->Name = name;
    t->MinValue = min;
    t->MaxValue = max;
    return t;
}

TTypeInfo *NewEnumType(const QString &name, const QStringList &names)
{
    TTypeInfo *t = NewOrdinalType(KindEnumeration, name, 0, names.size() - 1);
    t->EnumNames = names;
    return t;
}

TTypeInfo *NewSetType(const QString &name, PTypeInfo elementType)
{
    TTypeInfo *t = NewOrdinalType(KindSet, name, 0, 0);
    t->CompType = elementType;
    return t;
}

TTypeInfo *NewFloatType(const QString &name, TFloatType floatType)
{
    auto *t = new TTypeInfo;
    t->Kind = KindFloat;
    t->Name = name;
    t->FloatType = floatType;
    return t;
}

TTypeInfo *NewStringType(TTypeKind kind, const QString &name)
{
    auto *t = new TTypeInfo;
    t->Kind = kind;
    t->Name = name;
    return t;
}

TTypeInfo *NewMethodType(const QString &name, const QString &signature)
{
    auto *t = new TTypeInfo;
    t->Kind = KindMethod;
    t->Name = name;
    t->MethodSignature = signature;
    return t;
}

// The records live as long as the program; each is made on first use.
#define Z_TYPE(Fn, Expr) \
    PTypeInfo Fn() \
    { \
        static const TTypeInfo *const t = Expr; \
        return t; \
    }

constexpr qint64 kIntMin = std::numeric_limits<qint32>::min();
constexpr qint64 kIntMax = std::numeric_limits<qint32>::max();

Z_TYPE(TypeInfoInteger, NewOrdinalType(KindInteger, QStringLiteral("Integer"), kIntMin, kIntMax))
Z_TYPE(TypeInfoCardinal, NewOrdinalType(KindInteger, QStringLiteral("Cardinal"), 0, 0xFFFFFFFFLL))
Z_TYPE(TypeInfoSmallInt, NewOrdinalType(KindInteger, QStringLiteral("Smallint"), -32768, 32767))
Z_TYPE(TypeInfoWord, NewOrdinalType(KindInteger, QStringLiteral("Word"), 0, 65535))
Z_TYPE(TypeInfoByte, NewOrdinalType(KindInteger, QStringLiteral("Byte"), 0, 255))
Z_TYPE(TypeInfoChar, NewOrdinalType(KindChar, QStringLiteral("Char"), 0, 255))
Z_TYPE(TypeInfoBoolean, NewEnumType(QStringLiteral("Boolean"), {QStringLiteral("False"),
                                                                QStringLiteral("True")}))
Z_TYPE(TypeInfoSingle, NewFloatType(QStringLiteral("Single"), ftSingle))
Z_TYPE(TypeInfoDouble, NewFloatType(QStringLiteral("Double"), ftDouble))
Z_TYPE(TypeInfoExtended, NewFloatType(QStringLiteral("Extended"), ftExtended))
Z_TYPE(TypeInfoCurrency, NewFloatType(QStringLiteral("Currency"), ftCurr))
Z_TYPE(TypeInfoString, NewStringType(KindLongString, QStringLiteral("String")))
Z_TYPE(TypeInfoShortString, NewStringType(KindShortString, QStringLiteral("ShortString")))
Z_TYPE(TypeInfoWideString, NewStringType(KindWideString, QStringLiteral("WideString")))
Z_TYPE(TypeInfoWideChar, NewOrdinalType(KindWideChar, QStringLiteral("WideChar"), 0, 65535))
Z_TYPE(TypeInfoVariant, NewStringType(KindVariant, QStringLiteral("Variant")))
Z_TYPE(TypeInfoTCaption, NewStringType(KindLongString, QStringLiteral("TCaption")))
Z_TYPE(TypeInfoTColor, NewOrdinalType(KindInteger, QStringLiteral("TColor"), kIntMin, kIntMax))
Z_TYPE(TypeInfoTCursor, NewOrdinalType(KindInteger, QStringLiteral("TCursor"), -32768, 32767))
Z_TYPE(TypeInfoTFontCharset, NewOrdinalType(KindInteger, QStringLiteral("TFontCharset"), 0, 255))
Z_TYPE(TypeInfoTModalResult,
       NewOrdinalType(KindInteger, QStringLiteral("TModalResult"), kIntMin, kIntMax))
Z_TYPE(TypeInfoTShortCut, NewOrdinalType(KindInteger, QStringLiteral("TShortCut"), 0, 65535))
Z_TYPE(TypeInfoTTabOrder, NewOrdinalType(KindInteger, QStringLiteral("TTabOrder"), -1, 32767))
Z_TYPE(TypeInfoTHelpContext,
       NewOrdinalType(KindInteger, QStringLiteral("THelpContext"), kIntMin, kIntMax))
Z_TYPE(TypeInfoTImageIndex,
       NewOrdinalType(KindInteger, QStringLiteral("TImageIndex"), kIntMin, kIntMax))
Z_TYPE(TypeInfoTDateTime, NewFloatType(QStringLiteral("TDateTime"), ftDouble))
Z_TYPE(TypeInfoTDate, NewFloatType(QStringLiteral("TDate"), ftDouble))
Z_TYPE(TypeInfoTTime, NewFloatType(QStringLiteral("TTime"), ftDouble))
Z_TYPE(TypeInfoTNotifyEvent,
       NewMethodType(QStringLiteral("TNotifyEvent"), QStringLiteral("Sender: TObject")))
