#include "Classes.h"
#include "TypInfo.h"

#include <QtTest>

namespace {

// A component that refers to another, as a PopupMenu or DataSource property does.
class TReferrer : public TComponent
{
    Z_CLASS(TReferrer)
public:
    using TComponent::TComponent;
    TComponent *Target() const { return m_target; }
    void SetTarget(TComponent *t)
    {
        if (m_target)
            m_target->RemoveFreeNotification(this);
        m_target = t;
        if (t)
            t->FreeNotification(this);
    }
    void Notification(TComponent *c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (op == opRemove)
            removals.append(c);
        if (op == opRemove && c == m_target)
            m_target = nullptr;
    }

    QList<TComponent *> removals; // every removal this component was told of

private:
    TComponent *m_target = nullptr;
};
Z_DEFINE_CLASS(TReferrer, TComponent, NoPublishedProps)

struct Counter
{
    static inline int destroyed = 0;
};

class TCounted : public TComponent
{
    Z_CLASS(TCounted)
public:
    using TComponent::TComponent;
    ~TCounted() override { ++Counter::destroyed; }
};
Z_DEFINE_CLASS(TCounted, TComponent, NoPublishedProps)

QString MessageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

} // namespace

class ComponentsTest : public QObject
{
    Q_OBJECT
private slots:
    void ownerFreesOwnedInOrder()
    {
        Counter::destroyed = 0;
        auto *owner = new TComponent(nullptr);
        auto *a = new TCounted(owner);
        auto *b = new TCounted(owner);
        QCOMPARE(owner->ComponentCount(), 2);
        QCOMPARE(owner->Components(0), a);
        QCOMPARE(b->ComponentIndex(), 1);
        delete a;
        QCOMPARE(owner->ComponentCount(), 1);
        QCOMPARE(owner->Components(0), b);
        delete owner;
        QCOMPARE(Counter::destroyed, 2);
    }

    void renaming_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicate ignoring case") << "BUTTON1"
                                                 << "A component named BUTTON1 already exists";
        QTest::newRow("not an identifier") << "1abc" << "'1abc' is not a valid component name";
        QTest::newRow("blank inside") << "a b" << "'a b' is not a valid component name";
        QTest::newRow("fresh name") << "Button2" << "";
        QTest::newRow("empty is allowed") << "" << "";
    }

    void renaming()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TComponent owner(nullptr);
        auto *first = new TComponent(&owner);
        first->SetName("Button1");
        auto *second = new TComponent(&owner);
        second->SetName("Other");
        QCOMPARE(MessageOf([&] { second->SetName(name); }), message);
        QCOMPARE(second->Name(), message.isEmpty() ? name : QStringLiteral("Other"));
    }

    void emptyNamesNeverCollideAndCaseRenameIsAllowed()
    {
        TComponent owner(nullptr);
        auto *a = new TComponent(&owner);
        auto *b = new TComponent(&owner);
        QVERIFY(a->Name().isEmpty() && b->Name().isEmpty());
        QCOMPARE(owner.FindComponent(""), nullptr);
        a->SetName("Label1");
        a->SetName("LABEL1");
        QCOMPARE(a->Name(), QStringLiteral("LABEL1"));
        QCOMPARE(owner.FindComponent("label1"), a);
    }

    void designStateIsRecursiveAndJoinedByLaterInserts()
    {
        TComponent owner(nullptr);
        auto *child = new TComponent(&owner);
        auto *grandChild = new TComponent(child);
        owner.SetDesigning(true);
        QVERIFY(child->Designing() && grandChild->Designing());
        auto *late = new TComponent(&owner);
        QVERIFY(late->Designing());
        owner.SetDesigning(false);
        QVERIFY(!late->Designing() && !grandChild->Designing());
    }

    void freeNotificationClearsReferences()
    {
        TComponent owner(nullptr);
        auto *referrer = new TReferrer(&owner);
        // A target with another owner: only free notification can tell the referrer.
        auto *target = new TComponent(nullptr);
        referrer->SetTarget(target);
        delete target;
        QCOMPARE(referrer->Target(), nullptr);
        // A sibling is linked the same way.
        auto *sibling = new TComponent(&owner);
        referrer->SetTarget(sibling);
        delete sibling;
        QCOMPARE(referrer->Target(), nullptr);
        // The referrer going first must unhook itself from its target.
        auto *survivor = new TComponent(nullptr);
        auto *shortLived = new TReferrer(nullptr);
        shortLived->SetTarget(survivor);
        delete shortLived;
        delete survivor; // would touch freed memory if the referrer had not unhooked
    }

    void ownerPassesOnMovesButNotFreeings()
    {
        // A component that leaves for another owner lives on: its old siblings are told. One
        // that is freed is told to those linked to it only, not to every sibling: emptying a
        // crowded owner would otherwise tell each of the others of each one.
        TComponent owner(nullptr), other(nullptr);
        auto *listener = new TReferrer(&owner);
        auto *moved = new TComponent(&owner);
        other.InsertComponent(moved);
        QCOMPARE(listener->removals, QList<TComponent *>{moved});
        auto *freed = new TComponent(&owner);
        delete freed;
        QCOMPARE(listener->removals.size(), 1);
        auto *linked = new TComponent(&owner);
        listener->SetTarget(linked);
        delete linked;
        QCOMPARE(listener->removals.size(), 2);
        QCOMPARE(listener->Target(), nullptr);
        // Freed with their owner, linked components still learn of each other's going.
        auto *doomedOwner = new TComponent(nullptr);
        auto *first = new TReferrer(doomedOwner);
        auto *second = new TComponent(doomedOwner);
        auto *outside = new TReferrer(nullptr);
        first->SetTarget(second);
        outside->SetTarget(second);
        delete doomedOwner;
        QCOMPARE(outside->Target(), nullptr);
        delete outside;
    }

    void insertMovesOwnership()
    {
        TComponent first(nullptr), second(nullptr);
        auto *c = new TComponent(&first);
        c->SetName("Moved");
        second.InsertComponent(c);
        QCOMPARE(first.ComponentCount(), 0);
        QCOMPARE(c->Owner(), &second);
        auto *clash = new TComponent(&first);
        clash->SetName("moved");
        QCOMPARE(MessageOf([&] { second.InsertComponent(clash); }),
                 QStringLiteral("A component named moved already exists"));
        QCOMPARE(clash->Owner(), &first);
    }

    void assignErrorNamesBothClasses()
    {
        TPersistent a, b;
        QCOMPARE(MessageOf([&] { a.Assign(&b); }),
                 QStringLiteral("Cannot assign a TPersistent to a TPersistent"));
        QCOMPARE(MessageOf([&] { a.Assign(nullptr); }),
                 QStringLiteral("Cannot assign a nil to a TPersistent"));
    }
};

QTEST_GUILESS_MAIN(ComponentsTest)
#include "tst_components.moc"
