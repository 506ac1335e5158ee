#include "Collections.h"


#include <algorithm>

namespace {

// Runs f between BeginUpdate and EndUpdate, ending the update also when f raises.
template<class F> void Updating(TCollection *collection, F f)
{
    collection->BeginUpdate();
    try {
        f();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

} // namespace

Z_DEFINE_CLASS(TCollectionItem, TPersistent, NoPublishedProps)

TCollectionItem::TCollectionItem(TCollection *collection)
{
    // Silent: a derived item is not constructed yet, so nobody may look at it now.
    if (collection)
        collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (m_collection)
        m_collection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection *collection)
{
    if (collection == m_collection)
        return;
    if (m_collection) {
        m_collection->Notify(this, cnExtracting);
        m_collection->RemoveItem(this);
    }
    if (collection) {
        collection->InsertItem(this);
        collection->Notify(this, cnAdded);
        collection->Changed();
    }
}

int TCollectionItem::Index() const
{
    if (!m_collection)
        return -1;
    const auto &items = m_collection->m_items;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index)
{
    const int current = Index();
    if (current < 0 || current == index)
        return;
    auto &items = m_collection->m_items;
    if (index < 0 || index >= int(items.size()))
        m_collection->IndexError(index);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

QString TCollectionItem::DisplayName() const
{
    return ClassName();
}

void TCollectionItem::SetDisplayName(const QString &)
{
    Changed(false);
}

void TCollectionItem::Changed(bool allItems)
{
    if (m_collection)
        m_collection->ItemChanged(allItems ? nullptr : this);
}

Z_DEFINE_CLASS(TCollection, TPersistent, NoPublishedProps)

TCollection::TCollection(TClass itemClass, TItemFactory factory, TPersistent *owner)
    : m_itemClass(itemClass), m_factory(factory), m_owner(owner)
{
}

TCollection::~TCollection()
{
    m_updateCount = 1;
    while (!m_items.empty())
        delete m_items.back();
}

TCollectionItem *TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return m_items[size_t(index)];
}

TCollectionItem *TCollection::Add()
{
    TCollectionItem *item = m_factory(this);
    if (item->m_collection != this)
        item->SetCollection(this);
    Notify(item, cnAdded);
    Changed();
    return item;
}

TCollectionItem *TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        IndexError(index);
    TCollectionItem *item = nullptr;
    Updating(this, [&] {
        item = Add();
        item->SetIndex(index);
    });
    return item;
}

void TCollection::Delete(int index)
{
    TCollectionItem *item = Items(index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear()
{
    if (m_items.empty())
        return;
    Updating(this, [&] {
        while (!m_items.empty()) {
            TCollectionItem *item = m_items.back();
            Notify(item, cnDeleting);
            delete item;
        }
    });
}

TCollectionItem *TCollection::FindItemID(int id) const
{
    for (TCollectionItem *item : m_items) {
        if (item->m_id == id)
            return item;
    }
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        Changed();
}

void TCollection::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TCollection>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Updating(this, [&] {
        Clear();
        for (TCollectionItem *item : other->m_items)
            Add()->Assign(item);
    });
}

void TCollection::Notify(TCollectionItem *, TCollectionNotification) {}

void TCollection::Changed()
{
    if (m_updateCount == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem *item)
{
    m_items.push_back(item);
    item->m_collection = this;
    item->m_id = m_nextId++;
}

void TCollection::RemoveItem(TCollectionItem *item)
{
    m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
    item->m_collection = nullptr;
    Changed();
}

void TCollection::ItemChanged(TCollectionItem *item)
{
    if (m_updateCount == 0)
        Update(item);
}

void TCollection::IndexError(int index) const
{
    throw EListError(
        FormatMessage(QStringLiteral("List index out of bounds (%d)"), {QString::number(index)}));
}
