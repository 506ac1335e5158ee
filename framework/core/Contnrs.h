#pragma once

// A list of component references that never dangles: a component that is freed leaves every
// list that holds it.

#include "Classes.h"

#include <memory>
#include <vector>

class TComponentList : public TObject
{
    Z_CLASS(TComponentList)
public:
    TComponentList();
    ~TComponentList() override;

    int Count() const { return int(m_items.size()); }
    TComponent *Items(int index) const { return m_items.at(size_t(index)); }
    // Appends the component (it may be listed more than once); returns its index.
    int Add(TComponent *component);
    int IndexOf(const TComponent *component) const;
    // Removes the first entry of the component; its index, or -1.
    int Remove(TComponent *component);
    void Delete(int index);
    void Clear();
    TComponent *First() const { return m_items.empty() ? nullptr : m_items.front(); }

private:
    class Watcher;
    void Forget(TComponent *component);

    std::vector<TComponent *> m_items; // not owned
    std::unique_ptr<Watcher> m_watcher;
};
