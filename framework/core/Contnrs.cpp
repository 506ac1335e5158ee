#include "Contnrs.h"

#include "TypInfo.h"

#include <algorithm>

// Receives the free notifications of the listed components on the list's behalf.
class TComponentList::Watcher : public TComponent
{
public:
    explicit Watcher(TComponentList *list) : TComponent(nullptr), m_list(list) {}

    void Notification(TComponent *component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            m_list->Forget(component);
    }

private:
    TComponentList *m_list; // owns this watcher
};

Z_DEFINE_CLASS(TComponentList, TObject, NoPublishedProps)

TComponentList::TComponentList() : m_watcher(std::make_unique<Watcher>(this)) {}

TComponentList::~TComponentList()
{
    Clear();
}

int TComponentList::Add(TComponent *component)
{
    m_items.push_back(component);
    if (component)
        component->FreeNotification(m_watcher.get());
    return Count() - 1;
}

int TComponentList::IndexOf(const TComponent *component) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), component);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

int TComponentList::Remove(TComponent *component)
{
    const int index = IndexOf(component);
    if (index >= 0)
        Delete(index);
    return index;
}

void TComponentList::Delete(int index)
{
    TComponent *component = m_items.at(size_t(index));
    m_items.erase(m_items.begin() + index);
    if (component && IndexOf(component) < 0)
        component->RemoveFreeNotification(m_watcher.get());
}

void TComponentList::Clear()
{
    while (!m_items.empty())
        Delete(Count() - 1);
}

void TComponentList::Forget(TComponent *component)
{
    m_items.erase(std::remove(m_items.begin(), m_items.end(), component), m_items.end());
}
