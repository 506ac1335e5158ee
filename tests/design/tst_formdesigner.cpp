// The form designer as editors and the inspector use it: what the selection reads as, objects
// selected from outside, names listed and found, components created at a place, and the
// selection following changed bounds.

#define QTEST_QPA_MOUSE_HANDLING
#include "DesignFixture.h"
#include "ExtCtrls.h"
#include "ExtCtrlsTimer.h"
#include "Menus.h"
#include "StdCtrls.h"

namespace {

struct NameCollector
{
    QStringList names;
    void Add(const QString &name) { names << name; }
};

} // namespace

class FormDesignerTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DesignFixture> m_f;

    TControl *PlaceAt(TClass cls, int x, int y) { return m_f->Place(cls, QPoint(x, y)); }
    QList<TComponent *> ReadSelection()
    {
        TComponentList list;
        m_f->Designer->ReadSelection(&list);
        QList<TComponent *> result;
        for (int i = 0; i < list.Count(); ++i)
            result << list.Items(i);
        return result;
    }

private slots:
    void init() { m_f = std::make_unique<DesignFixture>(); }
    void cleanup() { m_f.reset(); }

    void readSelectionShowsComponentsNotProxies()
    {
        QCOMPARE(ReadSelection(), QList<TComponent *>{m_f->Form});
        TControl *button = PlaceAt(TButton::StaticClass(), 20, 20);
        auto *proxy = static_cast<TZeSubComponent *>(PlaceAt(TTimer::StaticClass(), 200, 20));
        m_f->Form->StretchHandle->DetachAll();
        m_f->Form->StretchHandle->Attach(button);
        m_f->Form->StretchHandle->Attach(proxy);
        QCOMPARE(ReadSelection(), (QList<TComponent *>{button, proxy->Component()}));
        QVERIFY(!m_f->Designer->CanLinkComponent(proxy));
        QVERIFY(m_f->Designer->CanLinkComponent(proxy->Component()));
    }

    void selectObject()
    {
        TControl *a = PlaceAt(TButton::StaticClass(), 20, 20);
        TControl *b = PlaceAt(TButton::StaticClass(), 200, 20);
        auto *proxy = static_cast<TZeSubComponent *>(PlaceAt(TTimer::StaticClass(), 20, 200));
        m_f->Form->StretchHandle->DetachAll();
        m_f->Designer->SelectObject(a);
        m_f->Designer->SelectObject(b); // adds, does not replace
        m_f->Designer->SelectObject(proxy->Component());
        QCOMPARE(m_f->Selection(), (QList<TControl *>{a, b, proxy}));

        // An object that is not on the form is only shown.
        TMainMenu menu(m_f->Form);
        auto *item = new TMenuItem(&menu);
        menu.Items()->Insert(0, item);
        m_f->Reported.clear();
        m_f->Designer->SelectObject(item);
        QCOMPARE(m_f->Selection(), (QList<TControl *>{a, b, proxy}));
        QCOMPARE(m_f->Reported, QList<TObject *>{item});
        QCOMPARE(m_f->Senders.last(), nullptr); // no sender: not from the form's own input

        TComponentList replacement;
        replacement.Add(b);
        m_f->Designer->ReplaceSelection(&replacement);
        QCOMPARE(m_f->Selection(), QList<TControl *>{b});
    }

    void notifyModifiedKeepsTargetsInOrder()
    {
        TControl *a = PlaceAt(TButton::StaticClass(), 20, 20);
        TControl *b = PlaceAt(TButton::StaticClass(), 200, 20);
        TControl *c = PlaceAt(TEdit::StaticClass(), 20, 200);
        TStretchHandle *handle = m_f->Form->StretchHandle;
        handle->DetachAll();
        for (TControl *t : {c, a, b})
            handle->Attach(t);
        c->SetBounds(10, 250, 300, 30); // as an editor writing its properties would
        m_f->Designer->NotifyModified();
        QCOMPARE(m_f->Selection(), (QList<TControl *>{c, a, b}));
        // The union of the new bounds: the edit (8..312, 248..282) and both buttons.
        QCOMPARE(handle->BoundsRect(), QRect(8, 18, 304, 264));
        // The user's lock outlives the notice, as it outlives every refit.
        handle->SetLocked(true);
        m_f->Designer->NotifyModified();
        QVERIFY(handle->Locked());
        QCOMPARE(m_f->Selection(), (QList<TControl *>{c, a, b}));
    }

    void namesListedAndFound()
    {
        PlaceAt(TButton::StaticClass(), 20, 20);
        PlaceAt(TTimer::StaticClass(), 200, 20);
        PlaceAt(TTimer::StaticClass(), 240, 20);
        auto *panel = static_cast<TPanel *>(PlaceAt(TPanel::StaticClass(), 20, 100));
        // A component owned by a component of the form.
        auto *nested = new TTimer(panel);
        nested->SetName(QStringLiteral("DeepTimer"));

        NameCollector timers;
        m_f->Designer->ListComponentNames(TTimer::StaticClass()->ClassTypeInfo(),
                                          TGetStrProc::Of<&NameCollector::Add>(&timers));
        // Each non-visual component comes once itself and once through its proxy.
        QCOMPARE(timers.names, (QStringList{"Timer1", "Timer1", "Timer2", "Timer2"}));
        NameCollector controls;
        m_f->Designer->ListComponentNames(TButtonControl::StaticClass()->ClassTypeInfo(),
                                          TGetStrProc::Of<&NameCollector::Add>(&controls));
        QCOMPARE(controls.names, QStringList{"Button1"});

        QCOMPARE(m_f->Designer->FindComponentByName(QStringLiteral("FZEDESIGNFORM")),
                 m_f->Form);
        QCOMPARE(m_f->Designer->FindComponentByName(QStringLiteral("button1"))->Name(),
                 QStringLiteral("Button1"));
        QCOMPARE(m_f->Designer->FindComponentByName(QStringLiteral("deeptimer")), nested);
        QCOMPARE(m_f->Designer->FindComponentByName(QStringLiteral("Nothing")), nullptr);
        QCOMPARE(m_f->Designer->NameOfComponent(panel), QStringLiteral("Panel1"));
        QCOMPARE(m_f->Designer->NameOfComponent(nullptr), QString());
        QCOMPARE(m_f->Designer->UniqueComponentName(QStringLiteral("TLabel")),
                 QStringLiteral("Label1"));
        QCOMPARE(m_f->Designer->UniqueComponentName(QStringLiteral("TTimer")),
                 QStringLiteral("Timer3"));
    }

    void createComponentAt()
    {
        auto *panel = static_cast<TPanel *>(PlaceAt(TPanel::StaticClass(), 20, 100));
        TComponent *edit = m_f->Designer->CreateComponentAt(TEdit::StaticClass(), panel, 5, 6,
                                                            70, 30);
        QCOMPARE(static_cast<TControl *>(edit)->Parent(), panel);
        QCOMPARE(static_cast<TControl *>(edit)->BoundsRect(), QRect(5, 6, 70, 30));
        QCOMPARE(m_f->Reported.last(), edit);
        TComponent *timer = m_f->Designer->CreateComponentAt(TTimer::StaticClass(), panel, 40,
                                                             50, 100, 100);
        QVERIFY(timer->Is<TTimer>());
        bool found = false;
        for (int i = 0; i < m_f->Form->ControlCount(); ++i) {
            auto *p = ObjectCast<TZeSubComponent>(m_f->Form->Controls(i));
            if (p && p->Component() == timer) {
                found = true;
                QCOMPARE(p->BoundsRect(), QRect(40, 50, 26, 26)); // fixed size, form position
            }
        }
        QVERIFY(found);
    }

    void eventHandlersAreNotSupported()
    {
        QVERIFY(!m_f->Designer->CreateEventHandler(QStringLiteral("Button1Click"), nullptr)
                     .Assigned());
        QCOMPARE(m_f->Designer->EventHandlerName(TMethod()), QString());
        QVERIFY(!m_f->Designer->EventHandlerExists(QStringLiteral("FormCreate")));
        QVERIFY(!m_f->Designer->IsInheritedHandler(TMethod()));
        QCOMPARE(m_f->Designer->NameOfObject(m_f->Form), QString());
        TMsg msg;
        QVERIFY(!m_f->Designer->FilterDesignMessage(m_f->Form, msg));
    }
};

QTEST_MAIN(FormDesignerTest)
#include "tst_formdesigner.moc"
