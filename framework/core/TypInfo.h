#pragma once

// Run-time type information of published properties: type kinds, type and property records,
// the published-property list of a class and typed access by (object, property record).

#include "System.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <limits>

enum TTypeKind : int {
    KindUnknown = 0,
    KindInteger = 1,
    KindChar = 2,
    KindEnumeration = 3,
    KindFloat = 4,
    KindShortString = 5,
    KindSet = 6,
    KindClass = 7,
    KindMethod = 8,
    KindWideChar = 9,
    KindLongString = 10,
    KindWideString = 11,
    KindVariant = 12,
    KindArray = 13,
    KindRecord = 14,
    KindInterface = 15,
};

// A set of kinds: bit n stands for kind n.
using TTypeKinds = std::uint16_t;
constexpr TTypeKinds KindBit(TTypeKind k) { return TTypeKinds(1u << k); }
constexpr TTypeKinds AnyKinds = 0xFFFF;
// Every kind that has a value the inspector can show.
constexpr TTypeKinds PropertyKinds = TTypeKinds(0xFFFF & ~(1u << KindUnknown));

enum TFloatType : int { ftSingle = 0, ftDouble = 1, ftExtended = 2, ftComp = 3, ftCurr = 4 };

// One per type, shared, never freed. Properties of the same named type point to the same record,
// so records can be compared by identity.
struct TTypeInfo
{
    TTypeKind Kind = KindUnknown;
    QString Name;
    // Ordinal kinds.
    qint64 MinValue = 0;
    qint64 MaxValue = 0;
    // Enumerations: the name of each value from MinValue to MaxValue.
    QStringList EnumNames;
    // Sets: the element type (an enumeration or a range).
    PTypeInfo CompType = nullptr;
    TFloatType FloatType = ftExtended;
    int MaxLength = 255; // short strings
    TClass ClassType = nullptr;
    // Methods: an opaque description of the parameters, passed on untouched.
    QString MethodSignature;
};

// A published property: its name, type and accessors. Ordinal values are 64 bits wide so that
// a class-typed property carries an object reference.
struct TPropInfo
{
    QString Name;
    PTypeInfo PropType = nullptr;
    std::function<qint64(TObject *)> GetOrd;
    std::function<void(TObject *, qint64)> SetOrd;
    std::function<double(TObject *)> GetFloat;
    std::function<void(TObject *, double)> SetFloat;
    std::function<QString(TObject *)> GetStr;
    std::function<void(TObject *, const QString &)> SetStr;
    std::function<TMethod(TObject *)> GetMethod;
    std::function<void(TObject *, const TMethod &)> SetMethod;
    bool HasRead = false;
    bool HasWrite = false;
    // The stored default of an ordinal property; NoDefault when it has none.
    qint64 Default = NoDefault;

    static constexpr qint64 NoDefault = std::numeric_limits<qint64>::min();
};

using TPropList = std::vector<const TPropInfo *>;

// Every published property of cls and its ancestors whose kind is in kinds, a name counted once
// (the most derived declaration), sorted by name ignoring case.
TPropList GetPropList(TClass cls, TTypeKinds kinds = PropertyKinds);
inline TPropList GetPropList(const TObject *obj, TTypeKinds kinds = PropertyKinds)
{
    return GetPropList(obj->ClassType(), kinds);
}
// The most derived published property of that name (ignoring case), or nullptr.
const TPropInfo *GetPropInfo(TClass cls, const QString &name);
inline const TPropInfo *GetPropInfo(const TObject *obj, const QString &name)
{
    return GetPropInfo(obj->ClassType(), name);
}

qint64 GetOrdProp(TObject *obj, const TPropInfo *prop);
void SetOrdProp(TObject *obj, const TPropInfo *prop, qint64 value);
double GetFloatProp(TObject *obj, const TPropInfo *prop);
void SetFloatProp(TObject *obj, const TPropInfo *prop, double value);
QString GetStrProp(TObject *obj, const TPropInfo *prop);
void SetStrProp(TObject *obj, const TPropInfo *prop, const QString &value);
TMethod GetMethodProp(TObject *obj, const TPropInfo *prop);
void SetMethodProp(TObject *obj, const TPropInfo *prop, const TMethod &value);
TObject *GetObjectProp(TObject *obj, const TPropInfo *prop);

// Value names of an enumeration type. GetEnumValue compares ignoring case, -1 when unknown.
QString GetEnumName(PTypeInfo type, qint64 value);
int GetEnumValue(PTypeInfo type, const QString &name);
// The data of a type: for sets, the element type; otherwise the type itself.
PTypeInfo GetTypeData(PTypeInfo type);

// Makers of named type records, for use inside a function-local static.
TTypeInfo *NewOrdinalType(TTypeKind kind, const QString &name, qint64 min, qint64 max);
TTypeInfo *NewEnumType(const QString &name, const QStringList &names);
TTypeInfo *NewSetType(const QString &name, PTypeInfo elementType);
TTypeInfo *NewFloatType(const QString &name, TFloatType floatType);
TTypeInfo *NewStringType(TTypeKind kind, const QString &name);
TTypeInfo *NewMethodType(const QString &name, const QString &signature);

// The standard type records.
PTypeInfo TypeInfoInteger();
PTypeInfo TypeInfoCardinal();
PTypeInfo TypeInfoSmallInt();
PTypeInfo TypeInfoWord();
PTypeInfo TypeInfoByte();
PTypeInfo TypeInfoChar();
PTypeInfo TypeInfoBoolean();
PTypeInfo TypeInfoSingle();
PTypeInfo TypeInfoDouble();
PTypeInfo TypeInfoExtended();
PTypeInfo TypeInfoCurrency();
PTypeInfo TypeInfoString();      // the plain long string
PTypeInfo TypeInfoShortString(); // string[255]
PTypeInfo TypeInfoWideString();
PTypeInfo TypeInfoWideChar();
PTypeInfo TypeInfoVariant();
PTypeInfo TypeInfoTCaption();
PTypeInfo TypeInfoTColor();
PTypeInfo TypeInfoTCursor();
PTypeInfo TypeInfoTFontCharset();
PTypeInfo TypeInfoTModalResult();
PTypeInfo TypeInfoTShortCut();
PTypeInfo TypeInfoTTabOrder();
PTypeInfo TypeInfoTHelpContext();
PTypeInfo TypeInfoTImageIndex();
PTypeInfo TypeInfoTDateTime();
PTypeInfo TypeInfoTDate();
PTypeInfo TypeInfoTTime();
PTypeInfo TypeInfoTNotifyEvent();

namespace TypInfoDetail {

template<class T> struct IsEvent : std::false_type {};
template<class... A> struct IsEvent<TEvent<A...>> : std::true_type {};

template<class V> qint64 ToOrd(const V &v)
{
    if constexpr (std::is_pointer_v<V>)
        return qint64(reinterpret_cast<std::intptr_t>(static_cast<const TObject *>(v)));
    else
        return qint64(v);
}

template<class V> V FromOrd(qint64 v)
{
    if constexpr (std::is_pointer_v<V>) {
        using Obj = std::remove_pointer_t<V>;
        auto *obj = reinterpret_cast<TObject *>(std::intptr_t(v));
        if (obj && !obj->Is<Obj>())
            throw EPropertyError(QStringLiteral("Invalid property value"));
        return static_cast<V>(obj);
    } else if constexpr (std::is_same_v<V, bool>) {
        return v != 0;
    } else {
        return static_cast<V>(v);
    }
}

} // namespace TypInfoDetail

// Builds the record of a published property from a getter and an optional setter (member
// functions of C). The value kind follows the getter's C++ type: integers, bools, enums and
// object pointers are ordinal; floating point is float; QString is string; TEvent is method.
template<class C, class G, class S = std::nullptr_t>
TPropInfo Prop(const char *name, PTypeInfo type, G getter, S setter = nullptr,
               qint64 defaultValue = TPropInfo::NoDefault)
{
    using V = std::decay_t<std::invoke_result_t<G, C *>>;
    TPropInfo p;
    p.Name = QString::fromLatin1(name);
    p.PropType = type;
    p.HasRead = true;
    p.HasWrite = !std::is_same_v<S, std::nullptr_t>;
    p.Default = defaultValue;
    auto self = [](TObject *o) { return static_cast<C *>(o); };
    if constexpr (std::is_same_v<V, QString>) {
        p.GetStr = [=](TObject *o) { return (self(o)->*getter)(); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetStr = [=](TObject *o, const QString &v) { (self(o)->*setter)(v); };
    } else if constexpr (std::is_floating_point_v<V>) {
        p.GetFloat = [=](TObject *o) { return double((self(o)->*getter)()); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetFloat = [=](TObject *o, double v) { (self(o)->*setter)(V(v)); };
    } else if constexpr (TypInfoDetail::IsEvent<V>::value) {
        p.GetMethod = [=](TObject *o) { return (self(o)->*getter)().Method(); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetMethod = [=](TObject *o, const TMethod &v) { (self(o)->*setter)(V(v)); };
    } else {
        p.GetOrd = [=](TObject *o) { return TypInfoDetail::ToOrd<V>((self(o)->*getter)()); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetOrd = [=](TObject *o, qint64 v) {
                (self(o)->*setter)(TypInfoDetail::FromOrd<V>(v));
            };
    }
    return p;
}

// A published event backed by a public TEvent field of C (declared in C or an ancestor B).
template<class C, class B, class... A>
TPropInfo EventProp(const char *name, PTypeInfo type, TEvent<A...> B::*field)
{
    TPropInfo p;
    p.Name = QString::fromLatin1(name);
    p.PropType = type;
    p.HasRead = p.HasWrite = true;
    p.GetMethod = [=](TObject *o) { return (static_cast<C *>(o)->*field).Method(); };
    p.SetMethod = [=](TObject *o, const TMethod &m) {
        static_cast<C *>(o)->*field = TEvent<A...>(m);
    };
    return p;
}
