// The item lists of list and combo boxes.

#include "StdCtrls.h"

#include <algorithm>

namespace {
const QString kIndexError = QStringLiteral("List index out of bounds (%d)");
}

Z_DEFINE_CLASS(TItemStrings, TStrings, NoPublishedProps)

void TItemStrings::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        Error(kIndexError, index);
}

void TItemStrings::Changed()
{
    if (UpdateCount() == 0)
        OnChange(this);
}

void TItemStrings::SetUpdateState(bool updating)
{
    if (!updating)
        OnChange(this);
}

int TItemStrings::AddObject(const QString &s, TObject *object)
{
    int index = Count();
    if (m_sorted) {
        // After the equal strings already there, so that equal items keep their order.
        const auto at = std::upper_bound(m_items.begin(), m_items.end(), s,
                                         [this](const QString &value, const Item &item) {
                                             return CompareStrings(value, item.string) < 0;
                                         });
        index = int(at - m_items.begin());
    }
    m_items.insert(m_items.begin() + index, Item{s, object, 0});
    Changed();
    return index;
}

void TItemStrings::Insert(int index, const QString &s)
{
    // As a list box does, an insert goes where it is asked, sorted or not.
    if (index < 0 || index > Count())
        Error(kIndexError, index);
    m_items.insert(m_items.begin() + index, Item{s, nullptr, 0});
    Changed();
}

void TItemStrings::Delete(int index)
{
    CheckIndex(index);
    m_items.erase(m_items.begin() + index);
    Changed();
}

void TItemStrings::Clear()
{
    if (m_items.empty())
        return;
    m_items.clear();
    Changed();
}

void TItemStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(m_items[size_t(index1)], m_items[size_t(index2)]);
    Changed();
}

void TItemStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Item item = m_items[size_t(curIndex)];
    m_items.erase(m_items.begin() + curIndex);
    m_items.insert(m_items.begin() + newIndex, item);
    Changed();
}

void TItemStrings::SetSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    if (!sorted)
        return;
    std::stable_sort(m_items.begin(), m_items.end(), [this](const Item &a, const Item &b) {
        return CompareStrings(a.string, b.string) < 0;
    });
    Changed();
}

qint64 TItemStrings::Data(int index) const
{
    CheckIndex(index);
    return m_items[size_t(index)].data;
}

void TItemStrings::SetData(int index, qint64 data)
{
    CheckIndex(index);
    m_items[size_t(index)].data = data;
    Changed();
}

QString TItemStrings::Get(int index) const
{
    CheckIndex(index);
    return m_items[size_t(index)].string;
}

void TItemStrings::Put(int index, const QString &s)
{
    CheckIndex(index);
    m_items[size_t(index)].string = s;
    Changed();
}

TObject *TItemStrings::GetObject(int index) const
{
    CheckIndex(index);
    return m_items[size_t(index)].object;
}

void TItemStrings::PutObject(int index, TObject *object)
{
    CheckIndex(index);
    m_items[size_t(index)].object = object;
}
