#include "Classes.h"

#include "TypInfo.h"

#include <algorithm>

static TPropTable PersistentProps()
{
    return {};
}
Z_DEFINE_CLASS(TPersistent, TObject, PersistentProps)

void TPersistent::Assign(TPersistent *source)
{
    if (source) {
        source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent *dest)
{
    dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent *source)
{
    const QString sourceName = source ? source->ClassName() : QStringLiteral("nil");
    throw EConvertError(
        FormatMessage(QStringLiteral("Cannot assign a %s to a %s"), {sourceName, ClassName()}));
}

static TPropTable ComponentProps()
{
    return {
        Prop<TComponent>("Name", TypeInfoString(), &TComponent::Name, &TComponent::SetName),
        Prop<TComponent>("Tag", TypeInfoInteger(), &TComponent::Tag, &TComponent::SetTag, 0),
    };
}
Z_DEFINE_CLASS(TComponent, TPersistent, ComponentProps)

TComponent::TComponent(TComponent *owner)
{
    if (owner)
        owner->InsertComponent(this);
}

namespace {

// Takes component out of a list of free notification links, where it is at most once. The
// links made last are the likeliest to go first (a selection let go, a form emptied), so the
// search starts at the back.
void EraseLink(std::vector<TComponent *> &links, TComponent *component)
{
    const auto it = std::find(links.rbegin(), links.rend(), component);
    if (it != links.rend())
        links.erase(std::next(it).base());
}

} // namespace

TComponent::~TComponent()
{
    Destroying();
    // Tell everyone who refers to this component, so that no reference dangles.
    while (!m_freeNotifies.empty()) {
        TComponent *other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        EraseLink(other->m_freeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

int TComponent::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    const auto &list = m_owner->m_components;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent *TComponent::FindComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent *c : m_components) {
        if (c->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent *component)
{
    if (component->m_owner == this)
        return;
    ValidateInsert(component);
    ValidateRename(component, QString(), component->m_name);
    if (component->m_owner)
        component->m_owner->RemoveComponent(component);
    m_components.push_back(component);
    ++m_componentsChanges;
    component->SetOwnerField(this);
    if (Designing())
        component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent *component)
{
    const auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it == m_components.end())
        return;
    Notification(component, opRemove);
    // Notification may have run code that changed the list; look the component up again.
    m_components.erase(std::remove(m_components.begin(), m_components.end(), component),
                       m_components.end());
    ++m_componentsChanges;
    component->SetOwnerField(nullptr);
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        TComponent *last = m_components.back();
        RemoveComponent(last);
        Free(last);
    }
}

void TComponent::SetDesigning(bool designing, bool setChildren)
{
    if (designing)
        m_state |= csDesigning;
    else
        m_state &= ~quint32(csDesigning);
    if (setChildren) {
        for (TComponent *c : m_components)
            c->SetDesigning(designing, true);
    }
}

void TComponent::FreeNotification(TComponent *component)
{
    if (!component || component == this)
        return;
    // The links go both ways, so one side tells whether they are made; this side is searched,
    // for a component linked to thousands (a selection's handle) is mostly the one passed.
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) != m_freeNotifies.end())
        return;
    m_freeNotifies.push_back(component);
    component->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent *component)
{
    // The links go both ways: with none of its own, this component is in no other's list. An
    // owner's notice reaches every component it owns, and most have none.
    if (!component || m_freeNotifies.empty())
        return;
    EraseLink(m_freeNotifies, component);
    EraseLink(component->m_freeNotifies, this);
}

void TComponent::Notification(TComponent *component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    if (m_components.empty())
        return; // most of the components an owner tells own nothing
    // A component that is freed, or that goes with its owner, has told everyone who refers to
    // it through the free notification links; passing the news to every owned component as
    // well would make emptying a crowded form quadratic. A component that only changes owner
    // lives on, and its old siblings still hear of it.
    if (operation == opRemove && component && (component->IsDestroying() || IsDestroying()))
        return;
    // Copy: a notified component may free or move others. Only then is each one looked up
    // before it is told; searching every time made one notice of a crowded form quadratic.
    const std::vector<TComponent *> owned = m_components;
    const quint64 changes = m_componentsChanges;
    for (TComponent *c : owned) {
        if (m_componentsChanges == changes
            || std::find(m_components.begin(), m_components.end(), c) != m_components.end())
            c->Notification(component, operation);
    }
}

void TComponent::SetName(const QString &name)
{
    if (name == m_name)
        return;
    if (!name.isEmpty() && !IsValidIdent(name))
        throw EComponentError(
            FormatMessage(QStringLiteral("'%s' is not a valid component name"), {name}));
    if (m_owner)
        m_owner->ValidateRename(this, m_name, name);
    else
        ValidateRename(nullptr, m_name, name);
    m_name = name;
}

void TComponent::ValidateRename(TComponent *component, const QString &currentName,
                                const QString &newName)
{
    if (component && currentName.compare(newName, Qt::CaseInsensitive) != 0) {
        TComponent *other = FindComponent(newName);
        if (other && other != component)
            throw EComponentError(FormatMessage(
                QStringLiteral("A component named %s already exists"), {newName}));
    }
}

bool IsValidIdent(const QString &name)
{
    if (name.isEmpty())
        return false;
    auto isAlpha = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
               || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('_');
    };
    if (!isAlpha(name.at(0)))
        return false;
    for (QChar c : name) {
        if (!isAlpha(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    }
    return true;
}

namespace {
std::vector<TClass> &ClassRegistry()
{
    static std::vector<TClass> registry;
    return registry;
}
} // namespace

void RegisterClass(TClass cls)
{
    if (!cls || GetClass(cls->ClassName()))
        return;
    ClassRegistry().push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes)
{
    for (TClass c : classes)
        RegisterClass(c);
}

void UnRegisterClass(TClass cls)
{
    auto &r = ClassRegistry();
    r.erase(std::remove(r.begin(), r.end(), cls), r.end());
}

TClass GetClass(const QString &name)
{
    for (TClass c : ClassRegistry()) {
        if (c->ClassName().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

TClass FindClass(const QString &name)
{
    TClass cls = GetClass(name);
    if (!cls)
        throw EClassNotFound(FormatMessage(QStringLiteral("Class %s not found"), {name}));
    return cls;
}

TRegisterComponentsProc RegisterComponentsProc = nullptr;
TRegisterNoIconProc RegisterNoIconProc = nullptr;

void RegisterComponents(const QString &page, const std::vector<TClass> &classes)
{
    if (!RegisterComponentsProc)
        throw EComponentError(QStringLiteral("Invalid component registration"));
    RegisterComponentsProc(page, classes);
}

void RegisterNoIcon(const std::vector<TClass> &classes)
{
    if (!RegisterNoIconProc)
        throw EComponentError(QStringLiteral("Invalid component registration"));
    RegisterNoIconProc(classes);
}
