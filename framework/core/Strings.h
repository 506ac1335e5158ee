#pragma once

// String lists: TStrings, the abstract list of strings with an object beside each, and
// TStringList, the list that holds them itself, optionally sorted.

#include "Classes.h"
#include "TypInfo.h"

#include <QString>
#include <QStringList>

#include <vector>

Z_EXCEPTION(EFOpenError, Exception)
Z_EXCEPTION(EFCreateError, Exception)

class TStrings : public TPersistent
{
    Z_CLASS(TStrings)
public:
    virtual int Count() const = 0;
    QString Strings(int index) const { return Get(index); }
    void SetStrings(int index, const QString &s) { Put(index, s); }
    TObject *Objects(int index) const { return GetObject(index); } // not owned
    void SetObjects(int index, TObject *object) { PutObject(index, object); }

    // Returns the index the string went to.
    virtual int Add(const QString &s);
    virtual int AddObject(const QString &s, TObject *object);
    void AddStrings(TStrings *strings);
    virtual void Insert(int index, const QString &s) = 0;
    void InsertObject(int index, const QString &s, TObject *object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    // -1 when absent. Strings compare ignoring case unless the list says otherwise.
    virtual int IndexOf(const QString &s) const;
    int IndexOfName(const QString &name) const;
    int IndexOfObject(TObject *object) const;

    // Reading joins the lines with "\r\n"; writing splits at "\r\n", "\n" or "\r", and a
    // final line break does not start another line.
    QString Text() const;
    virtual void SetText(const QString &text);
    // Comma-separated; items holding spaces, commas or quotes are double-quoted.
    QString CommaText() const;
    void SetCommaText(const QString &text);
    // "name=value" lines: the part before the first '=', "" when there is none.
    QString Names(int index) const;
    QString Values(const QString &name) const;
    // An empty value removes the line.
    void SetValues(const QString &name, const QString &value);

    // Changes between the outermost BeginUpdate and EndUpdate are announced once.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    void Assign(TPersistent *source) override;
    bool Equals(const TStrings *other) const;
    QStringList ToStringList() const;
    void SetStringList(const QStringList &list);

    // Lines written each ended by "\r\n", in UTF-8; files that are not valid UTF-8 read as
    // Latin-1.
    virtual void LoadFromFile(const QString &fileName);
    virtual void SaveToFile(const QString &fileName) const;

protected:
    virtual QString Get(int index) const = 0;
    virtual void Put(int index, const QString &s);
    virtual TObject *GetObject(int index) const;
    virtual void PutObject(int index, TObject *object);
    // Told when the outermost BeginUpdate starts (true) and EndUpdate ends (false).
    virtual void SetUpdateState(bool updating);
    virtual int CompareStrings(const QString &s1, const QString &s2) const;
    [[noreturn]] void Error(const QString &format, int index) const;

private:
    int m_updateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings
{
    Z_CLASS(TStringList)
public:
    TStringList() = default;

    int Count() const override { return int(m_items.size()); }
    // In a sorted list the string goes to its place; duplicates follow Duplicates.
    int Add(const QString &s) override { return AddObject(s, nullptr); }
    // When Duplicates is dupIgnore and the sorted list holds s already, nothing changes.
    int AddObject(const QString &s, TObject *object) override;
    // Raises EStringListError on a sorted list.
    void Insert(int index, const QString &s) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    // Raises EStringListError on a sorted list.
    void Move(int curIndex, int newIndex) override;
    int IndexOf(const QString &s) const override;

    // Binary search in a sorted list: true when found; index is the first match or the place
    // where s would go.
    bool Find(const QString &s, int &index) const;
    // Sorts (stably) once; Sorted keeps the list sorted.
    void Sort();
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return m_duplicates; }
    void SetDuplicates(TDuplicates duplicates) { m_duplicates = duplicates; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    QString Get(int index) const override;
    void Put(int index, const QString &s) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;
    void SetUpdateState(bool updating) override;
    int CompareStrings(const QString &s1, const QString &s2) const override;
    virtual void Changing();
    virtual void Changed();

private:
    struct Item
    {
        QString string;
        TObject *object = nullptr; // not owned
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const QString &s, TObject *object);

    std::vector<Item> m_items;
    bool m_sorted = false;
    TDuplicates m_duplicates = dupIgnore;
    bool m_caseSensitive = false;
};
