// The selection marker on a plain form: the box it takes around its targets, drags that move
// and resize them exactly as the mouse moved, snapping, nudging, clicks passed on between the
// targets, and a selection that never keeps a freed control.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "ExtCtrls.h"
#include "FocusOutline.h"
#include "Forms.h"
#include "Handles.h"
#include "MouseCapture.h"
#include "StdCtrls.h"

#include <QtTest>

class StretchHandleTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    TForm *m_form = nullptr;
    TPanel *m_panel = nullptr;   // 40, 30, 120 x 80
    TButton *m_button = nullptr; // 200, 40, 75 x 25
    TButton *m_inner = nullptr;  // inside the panel
    TStretchHandle *m_handle = nullptr;
    QStringList m_formPresses;

    QWidget *Surface() { return m_form->ClientWidget(); }
    // A point of the form's client area, as the handle's widget sees it.
    QPoint OnHandle(const QPoint &formPoint)
    {
        return formPoint - QPoint(m_handle->Left(), m_handle->Top());
    }
    void Drag(const QPoint &from, const QPoint &to)
    {
        QWidget *w = m_handle->Handle();
        QTest::mouseMove(w, OnHandle(from));
        QTest::mousePress(w, Qt::LeftButton, {}, OnHandle(from));
        QTest::mouseMove(w, OnHandle(to));
        QTest::mouseRelease(w, Qt::LeftButton, {}, OnHandle(to));
    }
    void FormMouseDown(TObject *, TMouseButton, TShiftState, int x, int y)
    {
        m_formPresses << QStringLiteral("%1,%2").arg(x).arg(y);
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = new TForm(nullptr);
        m_form->SetBounds(100, 100, 420, 300);
        m_form->OnMouseDown = TMouseEvent::Of<&StretchHandleTest::FormMouseDown>(this);
        m_panel = new TPanel(m_form);
        m_panel->SetBounds(40, 30, 120, 80);
        m_panel->SetParent(m_form);
        m_inner = new TButton(m_form);
        m_inner->SetBounds(10, 10, 50, 20);
        m_inner->SetParent(m_panel);
        m_button = new TButton(m_form);
        m_button->SetBounds(200, 40, 75, 25);
        m_button->SetParent(m_form);
        m_handle = new TStretchHandle(nullptr);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        m_formPresses.clear();
    }
    void cleanup()
    {
        Free(m_handle);
        Free(m_form);
        m_app.reset();
    }

    void boxFollowsAlignment_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QRect>("offsets"); // added to the target's left, top, width, height
        QTest::newRow("none") << int(alNone) << QRect(-2, -2, 4, 4);
        QTest::newRow("top") << int(alTop) << QRect(0, 0, 0, 4);
        QTest::newRow("bottom") << int(alBottom) << QRect(0, -2, 0, 0);
        QTest::newRow("left") << int(alLeft) << QRect(0, 0, 4, 0);
        QTest::newRow("right") << int(alRight) << QRect(-2, 0, 0, 0);
        QTest::newRow("client") << int(alClient) << QRect(0, 0, 0, 0);
    }
    void boxFollowsAlignment()
    {
        QFETCH(int, align);
        QFETCH(QRect, offsets);
        m_panel->SetAlign(TAlign(align));
        m_handle->Attach(m_panel);
        const QRect t = m_panel->BoundsRect();
        QCOMPARE(m_handle->BoundsRect(),
                 QRect(t.left() + offsets.left(), t.top() + offsets.top(),
                       t.width() + offsets.width(), t.height() + offsets.height()));
        QCOMPARE(m_handle->Parent(), m_form);
        QVERIFY(m_handle->Visible() && m_handle->Enabled());
        QCOMPARE(m_form->Controls(m_form->ControlCount() - 1), m_handle); // in front
    }

    void alignedTargetSuspendsAutoScroll()
    {
        m_form->SetAutoScroll(true);
        m_panel->SetAlign(alTop);
        m_handle->Attach(m_panel);
        QVERIFY(!m_form->AutoScroll());
        m_handle->DetachAll();
        QVERIFY(m_form->AutoScroll());
    }

    void selectionRules()
    {
        QVERIFY_THROWS_EXCEPTION(EBadChild, m_handle->Attach(m_form));
        try {
            m_handle->Attach(m_form);
        } catch (const EBadChild &e) {
            QCOMPARE(e.Message(), QStringLiteral("Handles can not be attached to a Form!"));
        }
        QVERIFY(!m_handle->HasTargets());

        // Two targets: the box is the union of their margins.
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        m_handle->Attach(m_button); // already there
        QCOMPARE(m_handle->TargetCount(), 2);
        // The union takes each new edge three pixels out from the previous box's inner edge.
        QCOMPARE(m_handle->BoundsRect(), QRect(38, 28, 275 - 38 + 3, (28 + 84 - 3) - 28 + 3));
        // A control with another parent replaces the selection.
        m_handle->Attach(m_inner);
        QCOMPARE(m_handle->TargetCount(), 1);
        QCOMPARE(m_handle->Target(0), m_inner);
        QCOMPARE(m_handle->Parent(), m_panel);
        QCOMPARE(m_handle->Target(-1), nullptr);
        QCOMPARE(m_handle->IndexOfTarget(m_button), -1);

        m_handle->SetLocked(true);
        m_handle->DetachAll();
        QVERIFY(!m_handle->Visible() && !m_handle->Enabled() && !m_handle->Parent());
        QVERIFY(!m_handle->Locked());
        QCOMPARE(m_handle->Width(), 24);
        QCOMPARE(m_handle->Height(), 24);
    }

    // Refit must give the box that detaching and attaching the targets again gives, and keep
    // what the selection holds besides.
    void refitMatchesAFreshSelection_data()
    {
        QTest::addColumn<int>("panelAlign");
        QTest::newRow("unaligned targets") << int(alNone);
        QTest::newRow("aligned first target") << int(alTop);
    }
    void refitMatchesAFreshSelection()
    {
        QFETCH(int, panelAlign);
        m_form->SetAutoScroll(true);
        m_panel->SetAlign(TAlign(panelAlign));
        auto *low = new TButton(m_form);
        low->SetBounds(30, 200, 60, 20);
        low->SetParent(m_form);
        for (TControl *t : std::initializer_list<TControl *>{m_panel, m_button, low})
            m_handle->Attach(t);
        m_handle->SetLocked(true);
        // Moved behind the handle's back, as an editor writing Left and Height would.
        m_button->SetBounds(300, 10, 75, 60);
        low->SetBounds(5, 240, 60, 20);
        m_handle->Refit();

        TStretchHandle fresh(nullptr);
        for (TControl *t : std::initializer_list<TControl *>{m_panel, m_button, low})
            fresh.Attach(t);
        QCOMPARE(m_handle->BoundsRect(), fresh.BoundsRect());
        QCOMPARE(m_handle->TargetCount(), 3);
        QCOMPARE(m_handle->Target(0), static_cast<TControl *>(m_panel));
        QCOMPARE(m_handle->Target(2), static_cast<TControl *>(low));
        QVERIFY(m_handle->Locked());
        QVERIFY(m_handle->Visible());
        QCOMPARE(m_form->AutoScroll(), panelAlign == alNone);
        fresh.DetachAll();
        m_handle->DetachAll();
        QVERIFY(m_form->AutoScroll());
    }

    void refitWithoutTargetsDoesNothing()
    {
        m_handle->Refit();
        QVERIFY(!m_handle->HasTargets() && !m_handle->Visible());
        QCOMPARE(m_handle->BoundsRect().size(), QSize(24, 24));
    }

    // A target that changed parent replaces the others, as attaching them all again does.
    void refitAfterATargetChangedParent()
    {
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        m_button->SetParent(m_panel);
        m_handle->Refit();
        QCOMPARE(m_handle->TargetCount(), 1);
        QCOMPARE(m_handle->Target(0), static_cast<TControl *>(m_button));
        QCOMPARE(m_handle->Parent(), static_cast<TWinControl *>(m_panel));
    }

    void settingBoundsMovesEveryTarget()
    {
        TButton *third = new TButton(m_form);
        third->SetBounds(300, 200, 60, 20);
        third->SetParent(m_form);
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        m_handle->Attach(third);
        const QRect box = m_handle->BoundsRect();
        m_handle->SetBounds(box.left() + 5, box.top() - 3, box.width() + 2, box.height() + 1);
        QCOMPARE(m_panel->BoundsRect(), QRect(45, 27, 122, 81));
        QCOMPARE(m_button->BoundsRect(), QRect(205, 37, 77, 26));
        QCOMPARE(third->BoundsRect(), QRect(305, 197, 62, 21));
        QCOMPARE(m_handle->TargetCount(), 3);
        QCOMPARE(m_handle->Target(2), third);

        // A single target: the box is fitted again to where the target really is.
        m_handle->DetachAll();
        m_handle->Attach(m_button);
        m_handle->SetBounds(0, 0, 10, 10);
        QCOMPARE(m_handle->BoundsRect(), m_button->BoundsRect().adjusted(-2, -2, 2, 2));
    }

    void dragMovesAndResizesExactly_data()
    {
        QTest::addColumn<QPoint>("grab");  // in the button's own coordinates
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("snap");
        QTest::addColumn<QRect>("expected");
        // The button starts at 200, 40, 75 x 25.
        QTest::newRow("move 1,1") << QPoint(30, 12) << QPoint(1, 1) << false
                                  << QRect(201, 41, 75, 25);
        QTest::newRow("move -13,22") << QPoint(30, 12) << QPoint(-13, 22) << false
                                     << QRect(187, 62, 75, 25);
        QTest::newRow("move snapped") << QPoint(30, 12) << QPoint(13, 9) << true
                                      << QRect(208, 48, 75, 25);
        QTest::newRow("bottom-right") << QPoint(76, 26) << QPoint(10, 6) << false
                                      << QRect(200, 40, 85, 31);
        QTest::newRow("top-left") << QPoint(-1, -1) << QPoint(-7, -5) << false
                                  << QRect(193, 35, 82, 30);
        QTest::newRow("right edge") << QPoint(76, 12) << QPoint(-20, 30) << false
                                    << QRect(200, 40, 55, 25);
        QTest::newRow("bottom edge") << QPoint(37, 26) << QPoint(40, 3) << false
                                     << QRect(200, 40, 75, 28);
        QTest::newRow("right edge snapped") << QPoint(76, 12) << QPoint(6, 0) << true
                                            << QRect(200, 40, 80, 25);
        QTest::newRow("minimum") << QPoint(76, 26) << QPoint(-200, -100) << false
                                 << QRect(200, 40, 1, 1);
    }
    void dragMovesAndResizesExactly()
    {
        QFETCH(QPoint, grab);
        QFETCH(QPoint, delta);
        QFETCH(bool, snap);
        QFETCH(QRect, expected);
        m_handle->SetSnapToGrid(snap);
        m_handle->Attach(m_button);
        const QPoint from = m_button->BoundsRect().topLeft() + grab;
        QWidget *w = m_handle->Handle();
        QTest::mouseMove(w, OnHandle(from));
        QTest::mousePress(w, Qt::LeftButton, {}, OnHandle(from));
        QTest::mouseMove(w, OnHandle(from + delta));
        QVERIFY(m_handle->Dragging());
        // The outline shows exactly where the button will land.
        QCOMPARE(FocusOutlines(m_form), QList<QRect>{expected});
        QTest::mouseRelease(w, Qt::LeftButton, {}, OnHandle(from + delta));
        QCOMPARE(m_button->BoundsRect(), expected);
        QVERIFY(FocusOutlines(m_form).isEmpty());
        QVERIFY(!m_handle->Dragging());
        QCOMPARE(m_handle->Target(0), m_button);
    }

    void releaseAtOriginChangesNothing()
    {
        m_handle->Attach(m_button);
        const QRect before = m_button->BoundsRect();
        Drag(QPoint(230, 50), QPoint(230, 50));
        QCOMPARE(m_button->BoundsRect(), before);
    }

    void lockedHandleKeepsTargets()
    {
        m_handle->Attach(m_button);
        m_handle->SetLocked(true);
        Drag(QPoint(230, 50), QPoint(260, 70));
        QCOMPARE(m_button->BoundsRect(), QRect(200, 40, 75, 25));
        QTest::keyClick(m_handle->Handle(), Qt::Key_Right);
        QCOMPARE(m_button->Left(), 200);
        QVERIFY(m_handle->Locked()); // refitting the box keeps the lock
    }

    void dragIsClampedToTheParent()
    {
        m_handle->Attach(m_button);
        Drag(QPoint(230, 50), QPoint(230, 50) + QPoint(-500, 0));
        // The pointer stops at the parent's left edge: the button moved by that much.
        QCOMPARE(m_button->Left(), 200 - 230);
    }

    void severalTargetsOnlyMove()
    {
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        QWidget *w = m_handle->Handle();
        const QPoint corner = OnHandle(QPoint(m_button->Left() + 75, m_button->Top() + 25));
        QTest::mouseMove(w, corner);
        QCOMPARE(m_handle->Grip(), 0);
        Drag(QPoint(270, 60), QPoint(280, 64));
        QCOMPARE(m_button->BoundsRect(), QRect(210, 44, 75, 25));
        QCOMPARE(m_panel->BoundsRect(), QRect(50, 34, 120, 80));
    }

    void gripsAndCursors_data()
    {
        QTest::addColumn<QPoint>("point"); // in the button's own coordinates
        QTest::addColumn<int>("grip");
        QTest::addColumn<int>("cursor");
        QTest::newRow("top-left") << QPoint(-1, -1) << 1 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right") << QPoint(76, -1) << 2 << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-left") << QPoint(-1, 26) << 3 << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right") << QPoint(76, 26) << 4 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top") << QPoint(37, -1) << 5 << int(Qt::SizeVerCursor);
        QTest::newRow("left") << QPoint(-1, 12) << 6 << int(Qt::SizeHorCursor);
        QTest::newRow("bottom") << QPoint(37, 26) << 7 << int(Qt::SizeVerCursor);
        QTest::newRow("right") << QPoint(76, 12) << 8 << int(Qt::SizeHorCursor);
        QTest::newRow("inside") << QPoint(20, 12) << 0 << int(Qt::ArrowCursor);
    }
    void gripsAndCursors()
    {
        QFETCH(QPoint, point);
        QFETCH(int, grip);
        QFETCH(int, cursor);
        m_handle->Attach(m_button);
        QTest::mouseMove(m_handle->Handle(), OnHandle(m_button->BoundsRect().topLeft() + point));
        QCOMPARE(m_handle->Grip(), grip);
        QCOMPARE(int(m_handle->Handle()->cursor().shape()), cursor);
    }

    void arrowKeysNudgeByOnePixel_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("plain") << int(Qt::NoModifier);
        QTest::newRow("shift") << int(Qt::ShiftModifier);
        QTest::newRow("ctrl") << int(Qt::ControlModifier);
    }
    void arrowKeysNudgeByOnePixel()
    {
        QFETCH(int, modifiers);
        m_handle->Attach(m_button);
        QWidget *w = m_handle->Handle();
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QTest::keyClick(w, Qt::Key_Left, mods);
        QTest::keyClick(w, Qt::Key_Down, mods);
        QTest::keyClick(w, Qt::Key_Down, mods);
        QCOMPARE(m_button->BoundsRect(), QRect(199, 42, 75, 25));
        QTest::keyClick(w, Qt::Key_Right, mods);
        QTest::keyClick(w, Qt::Key_Up, mods);
        QCOMPARE(m_button->BoundsRect(), QRect(200, 41, 75, 25));
    }

    void pressBetweenTargetsGoesBeneath()
    {
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        // Between the panel (ends at 160) and the button (starts at 200), over the form.
        QTest::mousePress(m_handle->Handle(), Qt::LeftButton, {}, OnHandle(QPoint(180, 100)));
        QCOMPARE(m_formPresses, QStringList{QStringLiteral("180,100")});
        QVERIFY(!m_handle->Dragging());
        QTest::mouseRelease(m_handle->Handle(), Qt::LeftButton, {}, OnHandle(QPoint(180, 100)));

        // Over a windowed control that is not selected, the press goes to that control.
        TPanel *beneath = new TPanel(m_form);
        beneath->SetBounds(170, 90, 20, 20);
        beneath->SetParent(m_form);
        beneath->SendToBack();
        QStringList presses;
        struct Recorder {
            QStringList *list;
            void Down(TObject *, TMouseButton, TShiftState, int x, int y)
            {
                *list << QStringLiteral("%1,%2").arg(x).arg(y);
            }
        } recorder{&presses};
        beneath->OnMouseDown = TMouseEvent::Of<&Recorder::Down>(&recorder);
        m_handle->BringToFront();
        QTest::mousePress(m_handle->Handle(), Qt::RightButton, {}, OnHandle(QPoint(180, 100)));
        QCOMPARE(presses, QStringList{QStringLiteral("10,10")});
        QTest::mouseRelease(m_handle->Handle(), Qt::RightButton, {}, OnHandle(QPoint(180, 100)));
    }

    void gripColours()
    {
        m_handle->Attach(m_button);
        QImage one = m_handle->Handle()->grab().toImage();
        QCOMPARE(QColor(one.pixel(0, 0)), QColor(Qt::black));
        const int mx = m_handle->Width() / 2;
        QCOMPARE(QColor(one.pixel(mx, 0)), QColor(Qt::black)); // edge middle grip
        m_handle->Attach(m_panel);
        QImage two = m_handle->Handle()->grab().toImage();
        QCOMPARE(QColor(two.pixel(0, 0)), QColor(0x80, 0x80, 0x80));
        const int bx = m_button->Left() - m_handle->Left() - 2 + 37;
        QVERIFY(QColor(two.pixel(bx, m_button->Top() - m_handle->Top() - 2))
                != QColor(0x80, 0x80, 0x80)); // no edge middle grips with two
    }

    void dragCutShortLeavesNothing()
    {
        m_handle->Attach(m_button);
        QWidget *w = m_handle->Handle();
        const QPoint from(230, 50);
        QTest::mouseMove(w, OnHandle(from));
        QTest::mousePress(w, Qt::LeftButton, {}, OnHandle(from));
        QTest::mouseMove(w, OnHandle(from + QPoint(20, 20)));
        QCOMPARE(FocusOutlines(m_form).size(), 1);
        SetCaptureControl(m_panel); // another control takes the mouse
        QVERIFY(!m_handle->Dragging());
        QVERIFY(FocusOutlines(m_form).isEmpty());
        QCOMPARE(m_button->BoundsRect(), QRect(200, 40, 75, 25));
        ReleaseCapture();
    }

    void handleOnAFormBeingDesigned()
    {
        // Placed on a form as a component of its own: a 24 by 24 box with corner squares,
        // whatever bounds it is given.
        m_handle->SetParent(m_form);
        m_handle->SetDesigning(true);
        m_handle->SetGripColor(clRed);
        m_handle->SetBounds(10, 20, 100, 80);
        QCOMPARE(m_handle->BoundsRect(), QRect(10, 20, 24, 24));
        QVERIFY(!m_handle->Visible());
        const QImage image = m_handle->Handle()->grab().toImage();
        for (const QPoint &p : {QPoint(0, 0), QPoint(23, 0), QPoint(23, 23), QPoint(0, 23)})
            QCOMPARE(QColor(image.pixel(p)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(12, 12)) != QColor(Qt::red));
        m_handle->SetParent(nullptr);
    }

    void freedTargetsLeaveTheSelection()
    {
        m_handle->Attach(m_panel);
        m_handle->Attach(m_button);
        Free(m_button);
        m_button = nullptr;
        QCOMPARE(m_handle->TargetCount(), 1);
        QCOMPARE(m_handle->BoundsRect(), m_panel->BoundsRect().adjusted(-2, -2, 2, 2));

        // The parent of the selection goes: the handle is let go, not freed with it.
        m_handle->Attach(m_inner);
        QCOMPARE(m_handle->Parent(), m_panel);
        Free(m_panel);
        m_panel = nullptr;
        QVERIFY(!m_handle->HasTargets());
        QVERIFY(!m_handle->Parent());
        TButton *another = new TButton(m_form);
        another->SetParent(m_form);
        m_handle->Attach(another); // still usable
        QCOMPARE(m_handle->Parent(), m_form);
    }
};

QTEST_MAIN(StretchHandleTest)
#include "tst_stretchhandle.moc"
