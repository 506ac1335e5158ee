// How containers size themselves and let their handlers take part: the size questions every
// control asks, panels and scroll boxes that fit their children (AutoSize), a splitter's own
// questions and painting, and a scroll box's wheel events.

#define QTEST_QPA_MOUSE_HANDLING
#include "ControlScrollBar.h"
#include "Application.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "PlacedControls.h"

#include <QtTest>

#include <functional>

namespace {

// A splitter's questions: sizes past limit are refused, the others rounded down to tens.
struct SplitLog
{
    void CanResize(TObject *, int &size, bool &accept)
    {
        asked << size;
        accept = size <= limit;
        size -= size % 10;
    }
    void Painted(TObject *) { ++paints; }
    QList<int> asked;
    int limit = 1000;
    int paints = 0;
};

// A control's size questions: widths past limit are refused; the height is held to at most
// maxHeight for the change under way.
struct ResizeLog
{
    void CanResize(TObject *, int &width, int &height, bool &resize)
    {
        asked << QSize(width, height);
        resize = width <= limit;
    }
    void Constrained(TObject *, int &, int &, int &, int &maxHeight)
    {
        if (cap > 0)
            maxHeight = cap;
    }
    QList<QSize> asked;
    int limit = 200;
    int cap = 0;
};

// The wheel events of a scroll box, in order; OnMouseWheel or OnMouseWheelDown and
// OnMouseWheelUp take the turns they are told to.
struct WheelLog
{
    void Wheel(TObject *, TShiftState, int delta, QPoint, bool &handled)
    {
        log << QStringLiteral("wheel %1").arg(delta);
        handled = takeAll;
    }
    void Down(TObject *, TShiftState, QPoint, bool &handled)
    {
        log << QStringLiteral("down");
        handled = takeUpDown;
    }
    void Up(TObject *, TShiftState, QPoint, bool &handled)
    {
        log << QStringLiteral("up");
        handled = takeUpDown;
    }
    QStringList log;
    bool takeAll = false;
    bool takeUpDown = false;
};

} // namespace

class SizingTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init() { m_app = std::make_unique<TApplication>(nullptr); }
    void cleanup() { m_app.reset(); }

    void splitterAsksOnCanResizeAndPaintsThroughOnPaint()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 450, 150);
        auto *box = Place(new TPanel(&form), &form, QRect(0, 0, 400, 100));
        box->SetBevelOuter(bvNone);
        auto *left = Place(new TPanel(&form), box, QRect(0, 0, 100, 10), alLeft);
        auto *splitter = Place(new TSplitter(&form), box, QRect(100, 0, 2, 10), alLeft);
        Place(new TPanel(&form), box, QRect(0, 0, 10, 10), alClient);
        SplitLog log;
        log.limit = 150;
        splitter->OnCanResize = TSplitterCanResizeEvent::Of<&SplitLog::CanResize>(&log);
        splitter->OnPaint = TNotifyEvent::Of<&SplitLog::Painted>(&log);
        ShowForm(form);
        QTRY_VERIFY(log.paints > 0);

        QWidget *w = splitter->Handle();
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(1, 20));
        QTest::mouseMove(w, QPoint(1 + 37, 20)); // 137: rounded down to 130
        QTest::mouseMove(w, QPoint(1 + 80, 20)); // 180: refused, 130 stays
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(1 + 80, 20));
        QCOMPARE(log.asked, (QList<int>{137, 180}));
        QCOMPARE(left->Width(), 130);
    }

    void resizingAsksOnCanResizeAndOnConstrainedResize()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        auto *panel = Place(new TPanel(&form), &form, QRect(10, 10, 100, 100));
        panel->Constraints()->SetMaxHeight(150);
        ResizeLog log;
        panel->OnCanResize = TCanResizeEvent::Of<&ResizeLog::CanResize>(&log);
        panel->OnConstrainedResize = TConstrainedResizeEvent::Of<&ResizeLog::Constrained>(&log);
        ShowForm(form);
        panel->SetBounds(10, 10, 150, 300); // allowed; the constraints hold the height
        QCOMPARE(panel->BoundsRect(), QRect(10, 10, 150, 150));
        panel->SetWidth(250); // refused: the old size stays
        QCOMPARE(panel->Width(), 150);
        panel->SetLeft(20); // a move alone asks nothing
        QCOMPARE(log.asked, (QList<QSize>{QSize(150, 300), QSize(250, 150)}));
        log.cap = 80; // the handler's own limit, for each change it sees
        panel->SetHeight(120);
        QCOMPARE(panel->Height(), 80);
        QCOMPARE(panel->Constraints()->MaxHeight(), 150); // the stored limits stay
        QCOMPARE(panel->Handle()->height(), 80);
    }

    void scrollBoxWheelEvents_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<bool>("takeAll");
        QTest::addColumn<bool>("takeUpDown");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("scrolledBy"); // a turn no handler takes scrolls the box
        const int notch = 8 * QApplication::wheelScrollLines(); // the bar's Increment a line
        QTest::newRow("towards the user")
            << -120 << false << false << QStringList{"wheel -120", "down"} << notch;
        QTest::newRow("away from the user")
            << 120 << false << false << QStringList{"wheel 120", "up"} << -notch;
        QTest::newRow("OnMouseWheelDown takes it")
            << -120 << false << true << QStringList{"wheel -120", "down"} << 0;
        QTest::newRow("OnMouseWheel takes it")
            << 120 << true << false << QStringList{"wheel 120"} << 0;
    }
    void scrollBoxWheelEvents()
    {
        QFETCH(int, delta);
        QFETCH(bool, takeAll);
        QFETCH(bool, takeUpDown);
        QFETCH(QStringList, log);
        QFETCH(int, scrolledBy);
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto *box = Place(new TScrollBox(&form), &form, QRect(10, 10, 200, 150));
        auto *inner = Place(new TPanel(&form), box, QRect(10, 10, 50, 50));
        Place(new TPanel(&form), box, QRect(10, 400, 50, 50)); // brings up the vertical bar
        WheelLog events;
        events.takeAll = takeAll;
        events.takeUpDown = takeUpDown;
        box->OnMouseWheel = TMouseWheelEvent::Of<&WheelLog::Wheel>(&events);
        box->OnMouseWheelDown = TMouseWheelUpDownEvent::Of<&WheelLog::Down>(&events);
        box->OnMouseWheelUp = TMouseWheelUpDownEvent::Of<&WheelLog::Up>(&events);
        ShowForm(form);
        QVERIFY(box->VertScrollBar()->IsScrollBarVisible());
        box->VertScrollBar()->SetPosition(100);
        // Over a child that does not use the wheel, the turn reaches the box.
        QWidget *target = inner->Handle();
        const QPointF at(5, 5);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the window system (sendEvent would make it a sent event again): only such
        // turns go on to the parents.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(target, &wheel);
        QCOMPARE(events.log, log);
        QCOMPARE(box->VertScrollBar()->Position(), 100 + scrolledBy);
    }

    // With AutoSize a panel or a scroll box takes the size its children need: the unaligned
    // ones move into the corner that the edges and the aligned children leave.
    void containersFitTheirChildren_data()
    {
        QTest::addColumn<bool>("scrollBox");
        QTest::addColumn<int>("inset"); // the panel's BorderWidth
        QTest::addColumn<bool>("topBar"); // a 20 pixel high child aligned to the top
        QTest::newRow("panel") << false << 0 << false;
        QTest::newRow("panel, inside its border") << false << 6 << false;
        QTest::newRow("panel, below a bar") << false << 0 << true;
        QTest::newRow("scroll box") << true << 0 << false;
        QTest::newRow("scroll box, below a bar") << true << 0 << true;
    }
    void containersFitTheirChildren()
    {
        QFETCH(bool, scrollBox);
        QFETCH(int, inset);
        QFETCH(bool, topBar);
        TForm form(nullptr);
        form.SetBounds(0, 0, 500, 400);
        TWinControl *box = nullptr;
        std::function<void(bool)> setAutoSize;
        if (scrollBox) {
            auto *s = new TScrollBox(&form);
            s->SetBorderStyle(bsNone);
            QVERIFY(!s->AutoSize());
            setAutoSize = [s](bool v) { s->SetAutoSize(v); };
            box = s;
        } else {
            auto *p = new TPanel(&form);
            p->SetBevelOuter(bvNone);
            p->SetBorderWidth(inset);
            QVERIFY(!p->AutoSize());
            setAutoSize = [p](bool v) { p->SetAutoSize(v); };
            box = p;
        }
        Place(box, &form, QRect(10, 10, 300, 250));
        const int bar = topBar ? 20 : 0;
        if (topBar)
            Place(new TPanel(&form), box, QRect(0, 0, 10, bar), alTop);
        auto *a = Place(new TPanel(&form), box, QRect(40, 50, 60, 30));
        auto *b = Place(new TPanel(&form), box, QRect(120, 90, 30, 40));
        ShowForm(form);
        QCOMPARE(box->BoundsRect(), QRect(10, 10, 300, 250)); // nothing moves before
        setAutoSize(true);
        QCOMPARE(a->BoundsRect().topLeft(), QPoint(inset, inset + bar));
        QCOMPARE(b->BoundsRect().topLeft(), QPoint(inset + 80, inset + bar + 40));
        QCOMPARE(box->BoundsRect(), QRect(10, 10, 110 + 2 * inset, 80 + bar + 2 * inset));
        // A child that moves further out takes the box with it; one hidden leaves it.
        b->SetLeft(b->Left() + 50);
        QCOMPARE(box->Width(), 160 + 2 * inset);
        b->SetVisible(false);
        QCOMPARE(box->Width(), 60 + 2 * inset);
        QCOMPARE(box->Height(), 30 + bar + 2 * inset);
        // Off again, the box keeps its size whatever the children do.
        setAutoSize(false);
        a->SetWidth(200);
        QCOMPARE(box->Width(), 60 + 2 * inset);
    }
};

QTEST_MAIN(SizingTest)
#include "tst_sizing.moc"
