#pragma once

// Persistent objects, components with ownership and free notification, and the streaming class
// registry.

#include "System.h"

#include <QString>

#include <vector>

class TPersistent : public TObject
{
    Z_CLASS(TPersistent)
public:
    // Copies the value of source into this object; raises EConvertError when the two kinds of
    // object do not know each other.
    virtual void Assign(TPersistent *source);

protected:
    virtual void AssignTo(TPersistent *dest);
    [[noreturn]] void AssignError(TPersistent *source);
};

enum TOperation { opInsert, opRemove };

// Component state flags.
enum : quint32 {
    csLoading = 0x1,
    csReading = 0x2,
    csWriting = 0x4,
    csDestroying = 0x8,
    csDesigning = 0x10,
};

// Component style flags.
enum : quint32 {
    csInheritable = 0x1,
    // The property enumeration probes each value of such a component before listing it.
    csCheckPropAvail = 0x2,
};

class TComponent : public TPersistent
{
    Z_CLASS(TComponent)
public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;

    const QString &Name() const { return m_name; }
    // Raises EComponentError for a name that is not an identifier or that another component of
    // the same owner already has (ignoring case). The empty name is always allowed.
    virtual void SetName(const QString &name);
    qint64 Tag() const { return m_tag; }
    void SetTag(qint64 tag) { m_tag = tag; }

    TComponent *Owner() const { return m_owner; } // not owned
    int ComponentCount() const { return int(m_components.size()); }
    TComponent *Components(int index) const { return m_components.at(size_t(index)); }
    int ComponentIndex() const;
    // The owned component with that name, ignoring case; nullptr for the empty name.
    TComponent *FindComponent(const QString &name) const;
    // Takes over ownership of component (removing it from its previous owner).
    void InsertComponent(TComponent *component);
    // Gives up ownership of component without freeing it.
    void RemoveComponent(TComponent *component);
    // Frees every owned component, last first.
    void DestroyComponents();

    quint32 ComponentState() const { return m_state; }
    bool Designing() const { return m_state & csDesigning; }
    bool IsDestroying() const { return m_state & csDestroying; }
    // Marks the component as going, as its destructor does first, for a caller that takes it
    // out of its owner just before freeing it.
    void MarkDestroying() { Destroying(); }
    // Sets or clears the design state of this component and, recursively, of what it owns.
    virtual void SetDesigning(bool designing, bool setChildren = true);
    quint32 ComponentStyle() const { return m_style; }
    void SetComponentStyle(quint32 style) { m_style = style; }

    // Asks component to call Notification(this, opRemove) when this one is freed, and the other
    // way round. Every field that refers to another component must ask, even for a component
    // of the same owner: the owner does not pass on the freeing of one of its components.
    void FreeNotification(TComponent *component);
    void RemoveFreeNotification(TComponent *component);

    // Lets component check that it may go into this container: raises if it may not.
    virtual void ValidateContainer(TComponent *component) { component->ValidateInsert(this); }

    // Told when a component is inserted into or removed from the owner, and when a component
    // this one asked to be notified about is freed. Passes the news on to the owned components,
    // except the freeing of a component (whose free notification links carry that news).
    virtual void Notification(TComponent *component, TOperation operation);

protected:
    // Raises an error if component may not be renamed from currentName to newName.
    virtual void ValidateRename(TComponent *component, const QString &currentName,
                                const QString &newName);
    virtual void ValidateInsert(TComponent *) {}
    // The first step of destruction: marks the component as going away.
    void Destroying() { m_state |= csDestroying; }

private:
    void SetOwnerField(TComponent *owner) { m_owner = owner; }

    QString m_name;
    qint64 m_tag = 0;
    TComponent *m_owner = nullptr;
    std::vector<TComponent *> m_components; // owned, in order of ownership
    // Counts the insertions into and removals from m_components: a notification that finds
    // it unchanged knows its copy of the list still holds only owned components.
    quint64 m_componentsChanges = 0;
    std::vector<TComponent *> m_freeNotifies; // not owned
    quint32 m_state = 0;
    quint32 m_style = csInheritable;
};

using TComponentClass = TClass;

// Points a reference field of self at value, keeping free notification in step, so that the
// field is told (through self's Notification) when value is freed and never dangles. Answers
// whether the field changed.
template<class T>
bool SetReference(TComponent *self, T *&field, T *value)
{
    if (field == value)
        return false;
    if (field)
        field->RemoveFreeNotification(self);
    field = value;
    if (value)
        value->FreeNotification(self);
    return true;
}

// Whether name is a Pascal identifier (letter or underscore, then letters, digits, underscores).
bool IsValidIdent(const QString &name);

// The streaming class registry: classes found again by name, ignoring case.
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// nullptr when no class of that name is registered.
TClass GetClass(const QString &name);
// Raises EClassNotFound when no class of that name is registered.
TClass FindClass(const QString &name);

Z_EXCEPTION(EClassNotFound, Exception)

// The component registration entry points. They hand the classes to replaceable hooks, which
// a design environment installs; with no hook installed they raise "Invalid component
// registration".
using TRegisterComponentsProc = void (*)(const QString &page, const std::vector<TClass> &classes);
using TRegisterNoIconProc = void (*)(const std::vector<TClass> &classes);
extern TRegisterComponentsProc RegisterComponentsProc;
extern TRegisterNoIconProc RegisterNoIconProc;
void RegisterComponents(const QString &page, const std::vector<TClass> &classes);
void RegisterNoIcon(const std::vector<TClass> &classes);
