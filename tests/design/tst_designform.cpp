// The design form as a user drives it: selecting by click, Shift-click and rubber band,
// placing by click and by drag, proxies for non-visual components, Escape, Delete, moving a
// selection by dragging it, and the dotted grid.

#define QTEST_QPA_MOUSE_HANDLING
#include "ComCtrls.h"
#include "ComCtrlsPages.h"
#include "DB.h"
#include "DBCtrls.h"
#include "DesignFixture.h"
#include "ExtCtrls.h"
#include "ExtCtrlsTimer.h"
#include "FocusOutline.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "TypInfo.h"

// Presses Delete when the n-th report of a control arrives: input that was waiting runs while
// the inspector is told of a new selection, as its layout pass lets pending messages through.
struct DeleteOnReport
{
    DesignFixture *Fixture;
    int Wanted;
    int Reports = 0;
    void Selected(TObject *, TObject *object)
    {
        if (object != Fixture->Form && ++Reports == Wanted)
            Fixture->Key(Qt::Key_Delete);
    }
};

class DesignFormTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DesignFixture> m_f;

    TControl *PlaceAt(TClass cls, int x, int y) { return m_f->Place(cls, QPoint(x, y)); }
    static TClass ClassNamed(const QString &name)
    {
        for (TClass cls : {TEdit::StaticClass(), TPopupMenu::StaticClass(),
                           TDBEdit::StaticClass(), TDataSource::StaticClass(),
                           TPageControl::StaticClass(), TImageList::StaticClass(),
                           TMainMenu::StaticClass()}) {
            if (cls->ClassName() == name)
                return cls;
        }
        return nullptr;
    }

private slots:
    void init() { m_f = std::make_unique<DesignFixture>(); }
    void cleanup() { m_f.reset(); }

    void placingByClickNamesAndSelects()
    {
        TControl *b1 = PlaceAt(TButton::StaticClass(), 40, 30);
        QVERIFY(b1 && b1->Is<TButton>());
        QCOMPARE(b1->Name(), QStringLiteral("Button1"));
        QCOMPARE(b1->Caption(), QStringLiteral("Button1"));
        QCOMPARE(b1->BoundsRect(), QRect(40, 30, 75, 25)); // the class's own size
        QCOMPARE(b1->Owner(), m_f->Form);
        QVERIFY(b1->Designing());
        QCOMPARE(m_f->Reported.last(), b1);
        // The click on the bare form ran a rubber band that selects the new control.
        QCOMPARE(m_f->Selection(), QList<TControl *>{b1});
        TControl *b2 = PlaceAt(TButton::StaticClass(), 200, 30);
        QCOMPARE(b2->Name(), QStringLiteral("Button2"));
        QCOMPARE(UniqueComponentName(QStringLiteral("TButton"), m_f->Form),
                 QStringLiteral("Button3"));
    }

    void placingByDrag_data()
    {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QSize>("size");
        QTest::newRow("4 keeps the default") << QPoint(4, 40) << QSize(75, 25);
        QTest::newRow("4 the other way") << QPoint(40, 4) << QSize(75, 25);
        QTest::newRow("5 sizes") << QPoint(5, 5) << QSize(5, 5);
        QTest::newRow("large") << QPoint(120, 60) << QSize(120, 60);
    }
    void placingByDrag()
    {
        QFETCH(QPoint, delta);
        QFETCH(QSize, size);
        m_f->Pending = TButton::StaticClass();
        m_f->Drag(QPoint(50, 60), QPoint(50, 60) + delta);
        TControl *b = m_f->Form->CurrentControl();
        QVERIFY(b && b->Is<TButton>());
        QCOMPARE(b->BoundsRect(), QRect(QPoint(50, 60), size));
    }

    void clickAfterMovesElsewhereKeepsTheDefaultSize()
    {
        // The mouse last moved over the form far from where it is now pressed: moves that
        // reached it while another window was active (the palette) are never seen. The click
        // alone must not size the new control from that stale point.
        QTest::mouseMove(m_f->Surface(), QPoint(5, 5));
        QCOMPARE(QPoint(m_f->Form->MoveX, m_f->Form->MoveY), QPoint(5, 5));
        QWidget palette;
        palette.show();
        QApplication::setActiveWindow(&palette);
        QTest::mouseMove(m_f->Surface(), QPoint(150, 120));
        QCOMPARE(QPoint(m_f->Form->MoveX, m_f->Form->MoveY), QPoint(5, 5));
        QApplication::setActiveWindow(m_f->Form->Handle());
        m_f->Pending = TButton::StaticClass();
        QTest::mousePress(m_f->Surface(), Qt::LeftButton, {}, QPoint(150, 120));
        QTest::mouseRelease(m_f->Surface(), Qt::LeftButton, {}, QPoint(150, 120));
        TControl *b = m_f->Form->CurrentControl();
        QVERIFY(b && b->Is<TButton>());
        QCOMPARE(b->BoundsRect(), QRect(150, 120, 75, 25));
    }

    void clickSelection()
    {
        TControl *a = PlaceAt(TButton::StaticClass(), 20, 20);
        TControl *b = PlaceAt(TButton::StaticClass(), 150, 20);
        TControl *c = PlaceAt(TEdit::StaticClass(), 300, 20);
        m_f->Click(QPoint(30, 30));
        QCOMPARE(m_f->Selection(), QList<TControl *>{a});
        m_f->Click(QPoint(160, 30), Qt::ShiftModifier);
        QCOMPARE(m_f->Selection(), (QList<TControl *>{a, b}));
        m_f->Click(QPoint(310, 30), Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(m_f->Selection(), QList<TControl *>{c}); // Shift with Ctrl replaces
        m_f->Click(QPoint(30, 30), Qt::ShiftModifier, Qt::RightButton);
        QCOMPARE(m_f->Selection(), QList<TControl *>{a}); // and so does the right button
        QCOMPARE(m_f->Reported.last(), a);
        // The right edge is part of the control.
        m_f->Click(QPoint(150 + 75, 20 + 25));
        QCOMPARE(m_f->Selection(), QList<TControl *>{b});
        m_f->Click(QPoint(400, 300));
        QVERIFY(m_f->Selection().isEmpty());
        QCOMPARE(m_f->Reported.last(), m_f->Form);
        // The empty rubber band of that click leaves no current control.
        QCOMPARE(m_f->Form->CurrentControl(), nullptr);
    }

    void selectedContainerIsHitOnItsBorder_data()
    {
        QTest::addColumn<int>("inset");
        QTest::addColumn<bool>("keepsPanel");
        QTest::newRow("3 inside") << 3 << true;
        QTest::newRow("4 inside") << 4 << false;
    }
    void selectedContainerIsHitOnItsBorder()
    {
        QFETCH(int, inset);
        QFETCH(bool, keepsPanel);
        TControl *panel = PlaceAt(TPanel::StaticClass(), 40, 40); // 185 x 41
        m_f->Click(QPoint(41, 41));
        QCOMPARE(m_f->Selection(), QList<TControl *>{panel});
        // A label filling the panel's inside.
        auto *label = new TLabel(m_f->Form);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 185, 41);
        label->SetParent(static_cast<TWinControl *>(panel));
        int x = 40 + inset, y = 60;
        TControl *hit = FindControlAt(x, y, m_f->Form, m_f->Form);
        QCOMPARE(hit, keepsPanel ? panel : static_cast<TControl *>(label));
        m_f->Click(QPoint(40 + inset, 60));
        QCOMPARE(m_f->Selection(),
                 QList<TControl *>{keepsPanel ? panel : static_cast<TControl *>(label)});
    }

    void rubberBandSelectsTopLevelCorners()
    {
        TControl *a = PlaceAt(TButton::StaticClass(), 20, 20);
        TControl *panel = PlaceAt(TPanel::StaticClass(), 20, 100);
        m_f->Click(QPoint(25, 105));
        TControl *inner = PlaceAt(TButton::StaticClass(), 60, 110); // into the selected panel
        QCOMPARE(inner->Parent(), panel);
        TControl *far = PlaceAt(TButton::StaticClass(), 400, 300);
        // From just outside to exactly the panel's top-left corner.
        m_f->Drag(QPoint(10, 10), QPoint(20, 100));
        QCOMPARE(m_f->Selection(), (QList<TControl *>{a, panel}));
        QVERIFY(!m_f->Selection().contains(inner) && !m_f->Selection().contains(far));
        QCOMPARE(m_f->Reported.last(), a);
        QVERIFY(!m_f->Form->BandActive);
    }

    void nonVisualComponentsGetProxies()
    {
        TControl *panel = PlaceAt(TPanel::StaticClass(), 20, 20);
        m_f->Click(QPoint(25, 25));
        TControl *p1 = PlaceAt(TTimer::StaticClass(), 60, 30); // dropped onto the panel
        auto *proxy = ObjectCast<TZeSubComponent>(p1);
        QVERIFY(proxy);
        QCOMPARE(proxy->Parent(), m_f->Form);
        QCOMPARE(proxy->BoundsRect(), QRect(60, 30, 26, 26));
        QVERIFY(proxy->Component()->Is<TTimer>());
        QCOMPARE(proxy->Component()->Name(), QStringLiteral("Timer1"));
        QCOMPARE(proxy->Component()->Owner(), m_f->Form);
        QCOMPARE(proxy->Name(), QString());
        // Proxies stay in front of controls placed later.
        TControl *p2 = PlaceAt(TTimer::StaticClass(), 300, 30);
        PlaceAt(TButton::StaticClass(), 200, 200);
        QList<TControl *> order; // bottom first, without the selection handle
        for (int i = 0; i < m_f->Form->ControlCount(); ++i) {
            if (m_f->Form->Controls(i) != m_f->Form->StretchHandle)
                order << m_f->Form->Controls(i);
        }
        QVERIFY(order.last()->Is<TZeSubComponent>());
        QVERIFY(order.at(order.size() - 2)->Is<TZeSubComponent>());
        QCOMPARE(static_cast<TZeSubComponent *>(p2)->Component()->Name(),
                 QStringLiteral("Timer2"));
        // The glyph is drawn at (1, 1), its bottom-left colour left out.
        const QImage image = proxy->Handle()->grab().toImage();
        QCOMPARE(QColor(image.pixel(1 + 8, 1 + 8)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(1 + 2, 1 + 2)) != QColor(0, 128, 128));
        Q_UNUSED(panel);

        // Deleting the first and placing again gives suffix 1 once more.
        m_f->Click(QPoint(65, 35));
        QCOMPARE(m_f->Selection(), QList<TControl *>{p1});
        m_f->Key(Qt::Key_Delete);
        TControl *p3 = PlaceAt(TTimer::StaticClass(), 100, 250);
        QCOMPARE(static_cast<TZeSubComponent *>(p3)->Component()->Name(),
                 QStringLiteral("Timer1"));
    }

    void escapeClimbsToTheForm()
    {
        TControl *panel = PlaceAt(TPanel::StaticClass(), 20, 20);
        m_f->Click(QPoint(25, 25));
        TControl *inner = PlaceAt(TButton::StaticClass(), 60, 30);
        m_f->Click(QPoint(65, 35));
        QCOMPARE(m_f->Selection(), QList<TControl *>{inner});
        m_f->Key(Qt::Key_Escape);
        QCOMPARE(m_f->Selection(), QList<TControl *>{panel});
        QCOMPARE(m_f->Reported.last(), panel);
        m_f->Key(Qt::Key_Escape);
        QVERIFY(m_f->Selection().isEmpty());
        QCOMPARE(m_f->Reported.last(), m_f->Form);
        QCOMPARE(m_f->Form->CurrentControl(), m_f->Form);
    }

    void deleteMixedSelection()
    {
        TControl *b = PlaceAt(TButton::StaticClass(), 20, 20);
        TControl *proxy = PlaceAt(TPopupMenu::StaticClass(), 200, 20);
        auto *menu = static_cast<TPopupMenu *>(static_cast<TZeSubComponent *>(proxy)->Component());
        TControl *panel = PlaceAt(TPanel::StaticClass(), 20, 100);
        m_f->Click(QPoint(25, 105));
        TControl *inner = PlaceAt(TEdit::StaticClass(), 40, 110);
        inner->SetPopupMenu(menu);
        m_f->Click(QPoint(25, 25));
        m_f->Click(QPoint(205, 25), Qt::ShiftModifier);
        m_f->Click(QPoint(21, 101), Qt::ShiftModifier);
        QCOMPARE(m_f->Selection(), (QList<TControl *>{b, proxy, panel}));
        m_f->Key(Qt::Key_Delete);
        // Everything selected is gone with the panel's child; the reference to the menu too.
        QCOMPARE(m_f->Form->ControlCount(), 0);
        QCOMPARE(m_f->Form->ComponentCount(), 0);
        QVERIFY(m_f->Selection().isEmpty());
        // Each deletion reports an empty selection; the form is reported last, so that the
        // inspector is left showing it rather than nothing.
        QVERIFY(m_f->Reported.contains(nullptr));
        QCOMPARE(m_f->Reported.last(), m_f->Form);
        QCOMPARE(m_f->Form->CurrentControl(), m_f->Form);
    }

    void deletingAReferencedComponentClearsTheReference_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("referenced");
        QTest::newRow("popup menu") << "TEdit" << "PopupMenu" << "TPopupMenu";
        QTest::newRow("data source") << "TDBEdit" << "DataSource" << "TDataSource";
        QTest::newRow("image list") << "TPageControl" << "Images" << "TImageList";
        QTest::newRow("menu images") << "TMainMenu" << "Images" << "TImageList";
    }
    void deletingAReferencedComponentClearsTheReference()
    {
        QFETCH(QString, holder);
        QFETCH(QString, property);
        QFETCH(QString, referenced);
        TControl *placed = PlaceAt(ClassNamed(holder), 20, 20);
        TComponent *owner = placed;
        if (auto *proxy = ObjectCast<TZeSubComponent>(placed))
            owner = proxy->Component();
        auto *proxy = static_cast<TZeSubComponent *>(PlaceAt(ClassNamed(referenced), 300, 200));
        const TPropInfo *prop = GetPropInfo(owner, property);
        QVERIFY(prop);
        SetOrdProp(owner, prop, qint64(reinterpret_cast<quintptr>(proxy->Component())));
        QVERIFY(GetObjectProp(owner, prop) == proxy->Component());
        m_f->Click(QPoint(305, 205));
        QCOMPARE(m_f->Selection(), QList<TControl *>{proxy});
        m_f->Key(Qt::Key_Delete);
        QCOMPARE(GetObjectProp(owner, prop), nullptr);
        QCOMPARE(m_f->Form->ComponentCount(), owner == placed ? 1 : 2);
    }

    void draggingASelectionMovesItExactly()
    {
        TControl *a = PlaceAt(TButton::StaticClass(), 40, 40);
        TControl *b = PlaceAt(TButton::StaticClass(), 200, 40);
        m_f->Click(QPoint(50, 50));
        m_f->Click(QPoint(210, 50), Qt::ShiftModifier);
        // Press on a selected control: the press reaches the handle, which drags.
        QWidget *surface = m_f->Surface();
        QTest::mouseMove(surface, QPoint(60, 50));
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(60, 50));
        QTest::mouseMove(surface, QPoint(70, 55));
        QTest::mouseMove(surface, QPoint(77, 61));
        QCOMPARE(FocusOutlines(m_f->Form).size(), 1);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(77, 61));
        QCOMPARE(a->BoundsRect(), QRect(57, 51, 75, 25));
        QCOMPARE(b->BoundsRect(), QRect(217, 51, 75, 25));
        QCOMPARE(m_f->Selection(), (QList<TControl *>{a, b}));
        QVERIFY(FocusOutlines(m_f->Form).isEmpty());
    }

    void gridIsPaintedThroughTheDesigner()
    {
        const QImage image = m_f->Surface()->grab().toImage();
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(8, 12)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(41, 40)), ColorToQColor(m_f->Form->Color()));
        m_f->Form->ShowGrid = false;
        const QImage bare = m_f->Surface()->grab().toImage();
        QCOMPARE(QColor(bare.pixel(8, 12)), ColorToQColor(m_f->Form->Color()));
    }

    void doubleClickRunsTheFirstVerb()
    {
        auto *menu = new TPopupMenu(m_f->Form->StretchHandle); // freed with the handle
        QStringList clicked;
        struct Verb {
            QStringList *log;
            void Click(TObject *sender)
            {
                *log << static_cast<TMenuItem *>(sender)->Caption();
            }
        } verb{&clicked};
        for (const char *caption : {"Align to grid", "Send to back", "Bring to front", "-",
                                    "First verb", "Second verb"}) {
            auto *item = new TMenuItem(menu);
            item->SetCaption(QString::fromLatin1(caption));
            item->OnClick = TNotifyEvent::Of<&Verb::Click>(&verb);
            menu->Items()->Insert(menu->Items()->Count(), item);
        }
        m_f->Form->StretchHandle->SetPopupMenu(menu);
        TControl *b = PlaceAt(TButton::StaticClass(), 40, 40);
        QCOMPARE(m_f->Selection(), QList<TControl *>{b});
        clicked.clear();
        // The double click as the window system reports it (QTest's own double click
        // reports the second press twice).
        QWidget *handle = m_f->Form->StretchHandle->Handle();
        const QPoint at = handle->mapFromGlobal(m_f->Surface()->mapToGlobal(QPoint(50, 50)));
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, handle->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &dbl);
        QCOMPARE(clicked, QStringList{QStringLiteral("First verb")});
        QCOMPARE(m_f->Selection(), QList<TControl *>{b});
    }

    // A window lying over the design form keeps its clicks, and while it is the active one
    // nothing it sees changes the design form's selection. (A press on the design form
    // itself makes the form active and is the form's.)
    // Placing a list box while a Delete waited: the placement went on with the freed control
    // (sized it, or made it current after the inspector was told).
    void deleteWhilePlacingIsToldFreesThePlacedControl_data()
    {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<int>("report");
        QTest::newRow("click, placement's report") << QPoint(0, 0) << 1;
        QTest::newRow("click, selection's report") << QPoint(0, 0) << 2;
        QTest::newRow("drag, placement's report") << QPoint(120, 60) << 1;
        QTest::newRow("drag, selection's report") << QPoint(120, 60) << 2;
    }
    void deleteWhilePlacingIsToldFreesThePlacedControl()
    {
        QFETCH(QPoint, delta);
        QFETCH(int, report);
        TControl *kept = PlaceAt(TButton::StaticClass(), 300, 20);
        DeleteOnReport deleter{m_f.get(), report};
        m_f->Form->OnSelectionChanged =
            TSelectionChangedEvent::Of<&DeleteOnReport::Selected>(&deleter);
        const int before = m_f->Form->ComponentCount();
        m_f->Pending = TListBox::StaticClass();
        m_f->Drag(QPoint(50, 60), QPoint(50, 60) + delta);
        QCOMPARE(m_f->Form->ComponentCount(), before);
        QCOMPARE(m_f->Form->Components(before - 1), kept);
        QVERIFY(m_f->Selection().isEmpty());
        QCOMPARE(m_f->Form->CurrentControl(), m_f->Form); // selected again after the Delete
    }

    void inactiveOrOutsideNeverSelects()
    {
        PlaceAt(TButton::StaticClass(), 40, 40);
        m_f->Click(QPoint(400, 300));
        TForm other(nullptr);
        const QPoint over = m_f->Surface()->mapToGlobal(QPoint(30, 30));
        other.SetBounds(over.x(), over.y(), 100, 100);
        other.Show();
        QApplication::setActiveWindow(other.Handle());
        QVERIFY(QTest::qWaitForWindowActive(other.Handle()));
        QWidget *otherSurface = other.ClientWidget();
        const QPoint onButton = otherSurface->mapFromGlobal(m_f->Surface()->mapToGlobal(
            QPoint(50, 50)));
        QTest::mouseMove(otherSurface, onButton);
        QTest::mousePress(otherSurface, Qt::LeftButton, {}, onButton);
        QTest::mouseRelease(otherSurface, Qt::LeftButton, {}, onButton);
        QVERIFY(m_f->Selection().isEmpty());
    }
};

QTEST_MAIN(DesignFormTest)
#include "tst_designform.moc"
