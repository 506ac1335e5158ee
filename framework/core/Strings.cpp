#include "Strings.h"


#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString kIndexError = QStringLiteral("List index out of bounds (%d)");
const QString kSortedError = QStringLiteral("Operation not allowed on sorted string list");
const QString kDuplicateError = QStringLiteral("String list does not allow duplicates");

bool IsBlank(QChar c)
{
    return c.unicode() <= u' ';
}

// Quoting is needed when an item would not read back as one item.
bool NeedsQuotes(const QString &s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) {
        return IsBlank(c) || c == u'"' || c == u',';
    });
}

// Reads the quoted item that starts at p ("" inside stands for one quote); p ends past it.
QString ReadQuoted(const QString &text, qsizetype &p)
{
    QString item;
    ++p;
    while (p < text.size()) {
        const QChar c = text.at(p++);
        if (c != u'"') {
            item += c;
        } else if (p < text.size() && text.at(p) == u'"') {
            item += c;
            ++p;
        } else {
            break;
        }
    }
    return item;
}

// Reads an unquoted item: up to a comma or a blank.
QString ReadPlain(const QString &text, qsizetype &p)
{
    const qsizetype start = p;
    while (p < text.size() && !IsBlank(text.at(p)) && text.at(p) != u',')
        ++p;
    return text.mid(start, p - start);
}

// Runs f between BeginUpdate and EndUpdate, ending the update also when f raises.
template<class F> void Updating(TStrings *strings, F f)
{
    strings->BeginUpdate();
    try {
        f();
    } catch (...) {
        strings->EndUpdate();
        throw;
    }
    strings->EndUpdate();
}

} // namespace

Z_DEFINE_CLASS(TStrings, TPersistent, NoPublishedProps)

int TStrings::Add(const QString &s)
{
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const QString &s, TObject *object)
{
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(TStrings *strings)
{
    Updating(this, [&] {
        for (int i = 0; i < strings->Count(); ++i)
            AddObject(strings->Get(i), strings->GetObject(i));
    });
}

void TStrings::InsertObject(int index, const QString &s, TObject *object)
{
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2)
{
    Updating(this, [&] {
        TObject *object1 = GetObject(index1);
        const QString s1 = Get(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s1);
        PutObject(index2, object1);
    });
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    Updating(this, [&] {
        TObject *object = GetObject(curIndex);
        const QString s = Get(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    });
}

int TStrings::IndexOf(const QString &s) const
{
    for (int i = 0; i < Count(); ++i) {
        if (CompareStrings(Get(i), s) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfName(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString line = Get(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && CompareStrings(line.left(eq), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject *object) const
{
    for (int i = 0; i < Count(); ++i) {
        if (GetObject(i) == object)
            return i;
    }
    return -1;
}

QString TStrings::Text() const
{
    return ToStringList().join(QStringLiteral("\r\n"));
}

void TStrings::SetText(const QString &text)
{
    Updating(this, [&] {
        Clear();
        qsizetype start = 0;
        const qsizetype n = text.size();
        while (start < n) {
            qsizetype end = start;
            while (end < n && text.at(end) != u'\r' && text.at(end) != u'\n')
                ++end;
            Add(text.mid(start, end - start));
            if (end < n && text.at(end) == u'\r')
                ++end;
            if (end < n && text.at(end) == u'\n')
                ++end;
            start = end;
        }
    });
}

QString TStrings::CommaText() const
{
    // A single empty item must still read back as one item.
    if (Count() == 1 && Get(0).isEmpty())
        return QStringLiteral("\"\"");
    QStringList items;
    for (int i = 0; i < Count(); ++i) {
        QString s = Get(i);
        if (NeedsQuotes(s))
            s = u'"' + s.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        items << s;
    }
    return items.join(u',');
}

void TStrings::SetCommaText(const QString &text)
{
    Updating(this, [&] {
        Clear();
        const qsizetype n = text.size();
        qsizetype p = 0;
        auto skipBlanks = [&] {
            while (p < n && IsBlank(text.at(p)))
                ++p;
        };
        skipBlanks();
        while (p < n) {
            Add(text.at(p) == u'"' ? ReadQuoted(text, p) : ReadPlain(text, p));
            skipBlanks();
            if (p < n && text.at(p) == u',') {
                ++p;
                skipBlanks();
            }
        }
    });
}

QString TStrings::Names(int index) const
{
    const QString line = Get(index);
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq);
}

QString TStrings::Values(const QString &name) const
{
    const int index = IndexOfName(name);
    if (index < 0)
        return {};
    const QString line = Get(index);
    return line.mid(line.indexOf(u'=') + 1);
}

void TStrings::SetValues(const QString &name, const QString &value)
{
    const int index = IndexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const QString line = name + u'=' + value;
    if (index >= 0)
        Put(index, line);
    else
        Add(line);
}

void TStrings::BeginUpdate()
{
    if (m_updateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        SetUpdateState(false);
}

void TStrings::Assign(TPersistent *source)
{
    if (auto *strings = ObjectCast<TStrings>(source)) {
        if (strings == this)
            return;
        Updating(this, [&] {
            Clear();
            AddStrings(strings);
        });
        return;
    }
    TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings *other) const
{
    if (Count() != other->Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (Get(i) != other->Get(i))
            return false;
    }
    return true;
}

QStringList TStrings::ToStringList() const
{
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list << Get(i);
    return list;
}

void TStrings::SetStringList(const QStringList &list)
{
    Updating(this, [&] {
        Clear();
        for (const QString &s : list)
            Add(s);
    });
}

void TStrings::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(FormatMessage(QStringLiteral("Cannot open file %s"), {fileName}));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    SetText(text);
}

void TStrings::SaveToFile(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EFCreateError(FormatMessage(QStringLiteral("Cannot create file %s"), {fileName}));
    QByteArray bytes;
    for (int i = 0; i < Count(); ++i)
        bytes += Get(i).toUtf8() + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw EFCreateError(FormatMessage(QStringLiteral("Cannot create file %s"), {fileName}));
}

void TStrings::Put(int index, const QString &s)
{
    TObject *object = GetObject(index);
    Updating(this, [&] {
        Delete(index);
        InsertObject(index, s, object);
    });
}

TObject *TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject *) {}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const QString &s1, const QString &s2) const
{
    return s1.compare(s2, Qt::CaseInsensitive);
}

void TStrings::Error(const QString &format, int index) const
{
    throw EStringListError(FormatMessage(format, {QString::number(index)}));
}

Z_DEFINE_CLASS(TStringList, TStrings, NoPublishedProps)

int TStringList::AddObject(const QString &s, TObject *object)
{
    int index = Count();
    if (m_sorted && Find(s, index)) {
        switch (m_duplicates) {
        case dupIgnore:
            return index;
        case dupError:
            throw EStringListError(kDuplicateError);
        case dupAccept:
            break;
        }
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Insert(int index, const QString &s)
{
    if (m_sorted)
        throw EStringListError(kSortedError);
    if (index < 0 || index > Count())
        Error(kIndexError, index);
    InsertItem(index, s, nullptr);
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    m_items.erase(m_items.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (m_items.empty())
        return;
    Changing();
    m_items.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(m_items[size_t(index1)], m_items[size_t(index2)]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (m_sorted)
        throw EStringListError(kSortedError);
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    if (curIndex == newIndex)
        return;
    Changing();
    const auto from = m_items.begin() + curIndex;
    const auto to = m_items.begin() + newIndex;
    if (curIndex < newIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    Changed();
}

int TStringList::IndexOf(const QString &s) const
{
    if (!m_sorted)
        return TStrings::IndexOf(s);
    int index = -1;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const QString &s, int &index) const
{
    int low = 0;
    int high = Count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (CompareStrings(m_items[size_t(mid)].string, s) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    index = low;
    return low < Count() && CompareStrings(m_items[size_t(low)].string, s) == 0;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(m_items.begin(), m_items.end(), [this](const Item &a, const Item &b) {
        return CompareStrings(a.string, b.string) < 0;
    });
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    if (sorted)
        Sort();
    m_sorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == m_caseSensitive)
        return;
    m_caseSensitive = caseSensitive;
    if (m_sorted)
        Sort();
}

QString TStringList::Get(int index) const
{
    CheckIndex(index);
    return m_items[size_t(index)].string;
}

void TStringList::Put(int index, const QString &s)
{
    if (m_sorted)
        throw EStringListError(kSortedError);
    CheckIndex(index);
    Changing();
    m_items[size_t(index)].string = s;
    Changed();
}

TObject *TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return m_items[size_t(index)].object;
}

void TStringList::PutObject(int index, TObject *object)
{
    CheckIndex(index);
    Changing();
    m_items[size_t(index)].object = object;
    Changed();
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        OnChanging(this);
    else
        OnChange(this);
}

int TStringList::CompareStrings(const QString &s1, const QString &s2) const
{
    return s1.compare(s2, m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0)
        OnChange(this);
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        Error(kIndexError, index);
}

void TStringList::InsertItem(int index, const QString &s, TObject *object)
{
    Changing();
    m_items.insert(m_items.begin() + index, Item{s, object});
    Changed();
}
