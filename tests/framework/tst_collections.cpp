#include "Collections.h"

#include <QtTest>

namespace {

class TPanel : public TCollectionItem
{
    Z_CLASS(TPanel)
public:
    explicit TPanel(TCollection *collection) : TCollectionItem(collection) {}
    QString Text() const { return m_text; }
    void SetText(const QString &text)
    {
        m_text = text;
        Changed(false);
    }
    void Assign(TPersistent *source) override
    {
        if (auto *panel = ObjectCast<TPanel>(source)) {
            SetText(panel->m_text);
            return;
        }
        TCollectionItem::Assign(source);
    }

private:
    QString m_text = QStringLiteral("new");
};
Z_DEFINE_CLASS(TPanel, TCollectionItem, NoPublishedProps)

class TOtherItem : public TCollectionItem
{
    Z_CLASS(TOtherItem)
public:
    using TCollectionItem::TCollectionItem;
};
Z_DEFINE_CLASS(TOtherItem, TCollectionItem, NoPublishedProps)

// A collection that records what its owner would hear.
class TPanels : public TCollection
{
    Z_CLASS(TPanels)
public:
    explicit TPanels(TPersistent *owner = nullptr)
        : TCollection(TPanel::StaticClass(), &TCollection::NewItem<TPanel>, owner)
    {
    }
    TPanel *Panel(int index) const { return static_cast<TPanel *>(Items(index)); }
    QStringList log;

protected:
    void Update(TCollectionItem *item) override
    {
        log << (item ? "update " + static_cast<TPanel *>(item)->Text() : QStringLiteral("update"));
    }
    void Notify(TCollectionItem *item, TCollectionNotification action) override
    {
        // The item is whole when the collection hears of it.
        const QString text = static_cast<TPanel *>(item)->Text();
        log << QStringList{"added ", "extracting ", "deleting "}.at(action) + text;
    }
};
Z_DEFINE_CLASS(TPanels, TCollection, NoPublishedProps)

QStringList Texts(const TPanels &panels)
{
    QStringList texts;
    for (int i = 0; i < panels.Count(); ++i)
        texts << panels.Panel(i)->Text();
    return texts;
}

} // namespace

class CollectionsTest : public QObject
{
    Q_OBJECT
private slots:
    void addTellsTheOwnerAfterConstruction()
    {
        TPersistent owner;
        TPanels panels(&owner);
        QCOMPARE(panels.Owner(), &owner);
        QCOMPARE(panels.ItemClass(), TPanel::StaticClass());
        TCollectionItem *item = panels.Add();
        QVERIFY(item->Is<TPanel>());
        QCOMPARE(item->Collection(), &panels);
        QCOMPARE(panels.log, (QStringList{"added new", "update"}));
        QCOMPARE(item->DisplayName(), QStringLiteral("TPanel"));
        panels.log.clear();
        panels.Panel(0)->SetText("one");
        QCOMPARE(panels.log, QStringList{"update one"});
    }

    void idsAreUniqueAndNeverReused()
    {
        TPanels panels;
        const int a = panels.Add()->ID();
        const int b = panels.Add()->ID();
        panels.Delete(1);
        const int c = panels.Add()->ID();
        QVERIFY(a != b && b != c && a != c);
        QCOMPARE(panels.FindItemID(c), panels.Items(1));
        QCOMPARE(panels.FindItemID(b), nullptr);
    }

    void indexMovesTheItem_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("forward") << 0 << 2 << QStringList{"b", "c", "a"};
        QTest::newRow("backward") << 2 << 0 << QStringList{"c", "a", "b"};
        QTest::newRow("same place") << 1 << 1 << QStringList{"a", "b", "c"};
    }

    void indexMovesTheItem()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        TPanels panels;
        for (const char *t : {"a", "b", "c"})
            panels.Panel(panels.Add()->Index())->SetText(t);
        panels.Items(from)->SetIndex(to);
        QCOMPARE(Texts(panels), expected);
        QCOMPARE(panels.Items(to)->Index(), to);
    }

    void badIndexes()
    {
        TPanels panels;
        panels.Add();
        QCOMPARE(panels.Count(), 1);
        try {
            panels.Items(1);
            QFAIL("no error");
        } catch (const EListError &e) {
            QCOMPARE(e.Message(), QStringLiteral("List index out of bounds (1)"));
        }
        QVERIFY_THROWS_EXCEPTION(EListError, panels.Items(0)->SetIndex(1));
        QVERIFY_THROWS_EXCEPTION(EListError, panels.Insert(2));
        QVERIFY_THROWS_EXCEPTION(EListError, panels.Delete(-1));
        QCOMPARE(panels.Count(), 1);
        QCOMPARE(panels.UpdateCount(), 0);
    }

    void insertPlacesTheNewItem()
    {
        TPanels panels;
        panels.Add();
        panels.Panel(0)->SetText("last");
        panels.log.clear();
        panels.Insert(0);
        QCOMPARE(Texts(panels), (QStringList{"new", "last"}));
        QCOMPARE(panels.log, (QStringList{"added new", "update"})); // one update
    }

    void deletingAndClearing()
    {
        TPanels panels;
        for (const char *t : {"a", "b", "c"})
            panels.Panel(panels.Add()->Index())->SetText(t);
        panels.log.clear();
        panels.Delete(1);
        QCOMPARE(panels.log, (QStringList{"deleting b", "update"}));
        panels.log.clear();
        delete panels.Items(0); // freeing an item directly takes it out
        QCOMPARE(Texts(panels), QStringList{"c"});
        QCOMPARE(panels.log, QStringList{"update"});
        panels.Add();
        panels.log.clear();
        panels.Clear();
        QCOMPARE(panels.Count(), 0);
        QCOMPARE(panels.log, (QStringList{"deleting new", "deleting c", "update"}));
    }

    void itemsMoveBetweenCollections()
    {
        TPanels first, second;
        TCollectionItem *item = first.Add();
        static_cast<TPanel *>(item)->SetText("x");
        first.log.clear();
        item->SetCollection(&second);
        QCOMPARE(first.Count(), 0);
        QCOMPARE(second.Items(0), item);
        QCOMPARE(first.log, (QStringList{"extracting x", "update"}));
        QCOMPARE(second.log, (QStringList{"added x", "update"}));
        item->SetCollection(nullptr);
        QCOMPARE(item->Index(), -1);
        delete item; // no longer owned by a collection
        QCOMPARE(second.Count(), 0);
    }

    void assignCopiesEveryItem()
    {
        TPanels source, dest;
        for (const char *t : {"a", "b"})
            source.Panel(source.Add()->Index())->SetText(t);
        dest.Add();
        dest.log.clear();
        dest.Assign(&source);
        QCOMPARE(Texts(dest), (QStringList{"a", "b"}));
        QVERIFY(dest.Items(0) != source.Items(0));
        QCOMPARE(dest.log.count(QStringLiteral("update")), 1);
        QCOMPARE(dest.log.last(), QStringLiteral("update"));

        // Items of an unrelated class do not assign; the update still ends.
        TCollection others(TOtherItem::StaticClass(), &TCollection::NewItem<TOtherItem>);
        others.Add();
        QVERIFY_THROWS_EXCEPTION(EConvertError, dest.Assign(&others));
        QCOMPARE(dest.UpdateCount(), 0);
    }
};

QTEST_GUILESS_MAIN(CollectionsTest)
#include "tst_collections.moc"
