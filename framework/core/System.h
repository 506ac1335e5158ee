#pragma once

// The root of the object model: class records, class references and method references.

#include "Exceptions.h"

#include <QString>

#include <memory>
#include <type_traits>
#include <vector>

class TObject;
class TComponent;
struct TPropInfo;
struct TTypeInfo;
using PTypeInfo = const TTypeInfo *;
using TPropTable = std::vector<TPropInfo>;

struct TClassInfo;
// A class reference: the class record of a framework class, or nullptr for "none".
using TClass = const TClassInfo *;

// One record per framework class, made once and never freed.
struct TClassInfo
{
    const char *Name;
    TClass Parent;
    // Makes an instance owned by the given owner (ignored by non-components); nullptr for
    // abstract classes.
    TObject *(*Create)(TComponent *owner);
    // The properties the class itself publishes; ancestors' are reached through Parent.
    TPropTable (*MakeProps)();

    QString ClassName() const { return QString::fromLatin1(Name); }
    bool InheritsFrom(TClass ancestor) const;
    const TPropTable &OwnProps() const;
    // The type record of properties that hold an instance of this class.
    PTypeInfo ClassTypeInfo() const;

    mutable std::unique_ptr<TPropTable> m_props;
    mutable std::unique_ptr<TTypeInfo> m_typeInfo;
};

template<class T>
TObject *CreateInstanceOf(TComponent *owner)
{
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (std::is_constructible_v<T, TComponent *>) {
        return new T(owner);
    } else if constexpr (std::is_default_constructible_v<T>) {
        (void)owner;
        return new T();
    } else {
        (void)owner;
        return nullptr;
    }
}

inline TPropTable NoPublishedProps() { return {}; }

// Inside a class body: gives the class its record. Leaves the access at private.
#define Z_CLASS(Cls) \
public: \
    static TClass StaticClass(); \
    TClass ClassType() const override; \
\
private:

// In the class's .cpp: defines the record. PropsFn returns the class's own published properties.
#define Z_DEFINE_CLASS(Cls, ParentCls, PropsFn) \
    TClass Cls::StaticClass() \
    { \
        static const TClassInfo info{#Cls, ParentCls::StaticClass(), &CreateInstanceOf<Cls>, \
                                     &PropsFn, nullptr, nullptr}; \
        return &info; \
    } \
    TClass Cls::ClassType() const { return StaticClass(); }

class TObject
{
public:
    TObject() = default;
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;
    virtual ~TObject() = default;
    // Runs just before the object is freed, while all of it still exists.
    virtual void BeforeDestruction() {}

    static TClass StaticClass();
    virtual TClass ClassType() const;
    QString ClassName() const { return ClassType()->ClassName(); }
    bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

    // "is": whether this object is an instance of the class or a descendant.
    bool Is(TClass cls) const { return cls && InheritsFrom(cls); }
    template<class T> bool Is() const { return Is(T::StaticClass()); }
    // Checked "as": raises EInvalidCast when the object is not an instance.
    template<class T> T *As()
    {
        if (!Is<T>())
            throw EInvalidCast(QStringLiteral("Invalid class typecast"));
        return static_cast<T *>(this);
    }
};

// Frees obj after its last words (BeforeDestruction). Use instead of delete for framework objects.
inline void Free(TObject *obj)
{
    if (obj) {
        obj->BeforeDestruction();
        delete obj;
    }
}

// Casts to T when obj is an instance of T, else nullptr.
template<class T> T *ObjectCast(TObject *obj)
{
    return obj && obj->Is<T>() ? static_cast<T *>(obj) : nullptr;
}

// A method reference: the code part identifies the method, the data part the object.
// An event is assigned when its code part is set.
struct TMethod
{
    const void *Code = nullptr;
    void *Data = nullptr;
    bool operator==(const TMethod &) const = default;
    bool Assigned() const { return Code != nullptr; }
};

// A typed event field. Its value is a TMethod, so published event properties can be read,
// written and compared through the type information like any other value.
template<class... Args>
class TEvent
{
public:
    TEvent() = default;
    explicit TEvent(const TMethod &m) : m_method(m) {}

    template<auto Member, class C>
    static TEvent Of(C *object)
    {
        TMethod m;
        m.Code = reinterpret_cast<const void *>(&Thunk<C, Member>);
        m.Data = object;
        return TEvent(m);
    }

    bool Assigned() const { return m_method.Assigned(); }
    const TMethod &Method() const { return m_method; }
    bool operator==(const TEvent &) const = default;

    // Calls the handler if assigned.
    void operator()(Args... args) const
    {
        if (!Assigned())
            return;
        auto fn = reinterpret_cast<void (*)(void *, Args...)>(const_cast<void *>(m_method.Code));
        fn(m_method.Data, std::forward<Args>(args)...);
    }

private:
    template<class C, auto Member>
    static void Thunk(void *data, Args... args)
    {
        (static_cast<C *>(data)->*Member)(std::forward<Args>(args)...);
    }

    TMethod m_method;
};

using TNotifyEvent = TEvent<TObject *>;
