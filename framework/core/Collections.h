#pragma once

// Collections: ordered lists of persistent items of one class, owned by the collection, that
// tell their owner (through Update) when they change, e.g. the panels of a status bar.

#include "Classes.h"
#include "TypInfo.h"

#include <vector>

class TCollection;

class TCollectionItem : public TPersistent
{
    Z_CLASS(TCollectionItem)
public:
    // Joins collection (if any) at its end. The collection hears of the new item from Add or
    // Insert, once the item is fully constructed: create items through those.
    explicit TCollectionItem(TCollection *collection);
    // Leaves the collection, which then updates.
    ~TCollectionItem() override;

    TCollection *Collection() const { return m_collection; } // the owner, not owned
    // Moves the item to the end of another collection, or out of any with nullptr (the caller
    // then owns it).
    void SetCollection(TCollection *collection);
    // The position in the collection, -1 outside one. Setting it moves the item; raises
    // EListError when the position is out of range.
    int Index() const;
    virtual void SetIndex(int index);
    // Unique inside the collection and never reused by it.
    int ID() const { return m_id; }
    // The name the collection editor lists the item by; the class name here.
    virtual QString DisplayName() const;
    virtual void SetDisplayName(const QString &name);

protected:
    // Tells the collection this item changed; with allItems, that the whole list did.
    void Changed(bool allItems);

private:
    TCollection *m_collection = nullptr;
    int m_id = 0;

    friend class TCollection;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent
{
    Z_CLASS(TCollection)
public:
    // Makes a new item of the collection's class, joined to the collection.
    using TItemFactory = TCollectionItem *(*)(TCollection *collection);
    template<class Item> static TCollectionItem *NewItem(TCollection *collection)
    {
        return new Item(collection);
    }

    // E.g. TCollection(TStatusPanel::StaticClass(), &TCollection::NewItem<TStatusPanel>, bar).
    TCollection(TClass itemClass, TItemFactory factory, TPersistent *owner = nullptr);
    // Frees the items without updating: the owner may be going away too.
    ~TCollection() override;

    TClass ItemClass() const { return m_itemClass; }
    TPersistent *Owner() const { return m_owner; } // not owned

    int Count() const { return int(m_items.size()); }
    // Raises EListError when index is out of range.
    TCollectionItem *Items(int index) const;
    void SetItems(int index, TCollectionItem *item) { Items(index)->Assign(item); }
    TCollectionItem *Add();
    // A new item at index (0 to Count).
    TCollectionItem *Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem *FindItemID(int id) const;

    // Changes between the outermost BeginUpdate and EndUpdate end in one Update(nullptr).
    void BeginUpdate() { ++m_updateCount; }
    virtual void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    // Replaces the items with copies of source's items (each copied by its Assign).
    void Assign(TPersistent *source) override;

protected:
    // The owner's hook: item changed, or with nullptr, the list or every item did. Not called
    // while updating.
    virtual void Update(TCollectionItem *item) { (void)item; }
    // Told of an item added (after it is constructed), about to leave for another collection
    // or about to be freed.
    virtual void Notify(TCollectionItem *item, TCollectionNotification action);
    // Calls Update(nullptr) unless updating.
    void Changed();

private:
    void InsertItem(TCollectionItem *item);
    void RemoveItem(TCollectionItem *item);
    void ItemChanged(TCollectionItem *item);
    [[noreturn]] void IndexError(int index) const;

    TClass m_itemClass;
    TItemFactory m_factory;
    TPersistent *m_owner = nullptr;
    std::vector<TCollectionItem *> m_items; // owned
    int m_nextId = 0;
    int m_updateCount = 0;

    friend class TCollectionItem;
};
