// How list boxes, check list boxes and combo boxes draw and size their items: the owner-draw
// styles through OnMeasureItem and OnDrawItem, the standard drawing with its tab stops, and a
// height cut to whole items.

#include "Application.h"
#include "CheckLst.h"
#include "Forms.h"
#include "StdCtrls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

namespace {

// Records what OnDrawItem is asked to draw and fills each item red on the control's canvas.
struct DrawLog
{
    void Draw(TObject *sender, int index, QRect rect, TOwnerDrawState state)
    {
        rects.insert(index, rect);
        states.insert(index, state);
        TCanvas *canvas = nullptr;
        if (auto *list = ObjectCast<TCustomListBox>(sender))
            canvas = list->Canvas();
        else if (auto *combo = ObjectCast<TCustomComboBox>(sender))
            canvas = combo->Canvas();
        QVERIFY(canvas);
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect.adjusted(1, 1, -1, -1));
    }
    void Measure(TObject *, int index, int &height)
    {
        measured.append(index);
        if (index < heights.size())
            height = heights.at(index);
    }
    void Clicked(TObject *) { ++clickChecks; }
    void Reset()
    {
        rects.clear();
        states.clear();
        measured.clear();
    }

    QMap<int, QRect> rects;
    QMap<int, TOwnerDrawState> states;
    QList<int> measured;
    QList<int> heights; // what OnMeasureItem answers, by index; others keep ItemHeight
    int clickChecks = 0;
};

constexpr TOwnerDrawState Bit(TOwnerDrawStateItem item)
{
    return TOwnerDrawState(1u) << item;
}

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 100;
}

} // namespace

class ListsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;
    DrawLog m_log;

    template<class T> T *Make()
    {
        auto *c = new T(m_form.get());
        c->SetBounds(8, 8, 150, 100);
        c->SetParent(m_form.get());
        return c;
    }
    void Show()
    {
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_form->SetBounds(0, 0, 400, 300);
        m_log = DrawLog();
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void listBoxItemsAreDrawnByTheirOwner_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("handler");
        QTest::addColumn<QList<int>>("answers"); // of OnMeasureItem
        QTest::addColumn<QList<int>>("heights"); // of the rows drawn
        QTest::newRow("fixed rows") << int(lbOwnerDrawFixed) << true << QList<int>{40}
                                    << QList<int>{20, 20, 20};
        QTest::newRow("variable rows as measured")
            << int(lbOwnerDrawVariable) << true << QList<int>{12, 30, 18}
            << QList<int>{12, 30, 18};
        QTest::newRow("variable rows start from ItemHeight")
            << int(lbOwnerDrawVariable) << true << QList<int>() << QList<int>{20, 20, 20};
        QTest::newRow("standard style draws its own")
            << int(lbStandard) << true << QList<int>{40} << QList<int>();
        QTest::newRow("owner-draw style without a handler")
            << int(lbOwnerDrawFixed) << false << QList<int>() << QList<int>();
    }
    void listBoxItemsAreDrawnByTheirOwner()
    {
        QFETCH(int, style);
        QFETCH(bool, handler);
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, heights);
        auto *list = Make<TListBox>();
        list->Items()->SetCommaText(QStringLiteral("alpha,beta,gamma"));
        list->SetItemHeight(20);
        m_log.heights = answers;
        if (handler)
            list->OnDrawItem = TDrawItemEvent::Of<&DrawLog::Draw>(&m_log);
        list->OnMeasureItem = TMeasureItemEvent::Of<&DrawLog::Measure>(&m_log);
        list->SetStyle(TListBoxStyle(style));
        list->SetItemIndex(1);
        Show();
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        const QImage image = w->viewport()->grab().toImage();
        // Only the variable style asks for heights, once for each item.
        const QList<int> measured =
            style == lbOwnerDrawVariable ? QList<int>{0, 1, 2} : QList<int>();
        QCOMPARE(m_log.measured, measured);
        QCOMPARE(m_log.rects.size(), heights.size());
        int top = 0;
        for (int i = 0; i < heights.size(); ++i) {
            const QRect rect = m_log.rects.value(i);
            QCOMPARE(rect, QRect(0, top, w->viewport()->width(), heights.at(i)));
            QCOMPARE(image.pixel(rect.center()), QColor(Qt::red).rgb());
            top += heights.at(i);
        }
        if (!heights.isEmpty()) {
            QCOMPARE(m_log.states.value(1) & Bit(odSelected), Bit(odSelected));
            QCOMPARE(m_log.states.value(0) & Bit(odSelected), 0u);
        }
        if (!handler) {
            // Drawn as standard: the text on the list's colour.
            const QRect first(0, 0, w->viewport()->width(), 20);
            bool ink = false;
            for (int x = first.left(); x < first.left() + 40; ++x)
                ink = ink || IsInk(image.pixel(x, first.center().y()));
            QVERIFY(ink);
        }
    }

    void checkListBoxDrawsItsBoxesBesideTheItems()
    {
        auto *list = Make<TCheckListBox>();
        list->Items()->SetCommaText(QStringLiteral("a,b"));
        list->SetStyle(lbOwnerDrawFixed);
        list->SetItemHeight(18);
        list->SetChecked(1, true);
        list->OnDrawItem = TDrawItemEvent::Of<&DrawLog::Draw>(&m_log);
        list->OnClickCheck = TNotifyEvent::Of<&DrawLog::Clicked>(&m_log);
        Show();
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        QImage image = w->viewport()->grab().toImage();
        // The item is drawn to the right of its box; the checked box shows its mark.
        const QRect item = m_log.rects.value(1);
        const QRect box = list->ItemCheckRect(QRect(0, 18, w->viewport()->width(), 18));
        QVERIFY(item.left() > box.right());
        QCOMPARE(item.right(), w->viewport()->width() - 1);
        QVERIFY(IsInk(image.pixel(box.center())));
        QVERIFY(!IsInk(image.pixel(box.center() - QPoint(0, 18))));
        // A click on the box checks it; a click on the item does not.
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, box.center() - QPoint(0, 18));
        QVERIFY(list->Checked(0));
        QCOMPARE(m_log.clickChecks, 1);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(list->Checked(1));
        QCOMPARE(m_log.clickChecks, 1);
        image = w->viewport()->grab().toImage();
        QVERIFY(IsInk(image.pixel(box.center() - QPoint(0, 18))));
    }

    void comboBoxItemsAreDrawnByTheirOwner_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<int>>("heights");
        QTest::newRow("fixed") << int(csOwnerDrawFixed) << QList<int>{16, 16, 16};
        QTest::newRow("variable") << int(csOwnerDrawVariable) << QList<int>{14, 26, 20};
    }
    void comboBoxItemsAreDrawnByTheirOwner()
    {
        QFETCH(int, style);
        QFETCH(QList<int>, heights);
        auto *combo = Make<TComboBox>();
        combo->Items()->SetCommaText(QStringLiteral("one,two,three"));
        combo->SetItemHeight(16);
        m_log.heights = heights;
        combo->OnDrawItem = TDrawItemEvent::Of<&DrawLog::Draw>(&m_log);
        combo->OnMeasureItem = TMeasureItemEvent::Of<&DrawLog::Measure>(&m_log);
        combo->SetStyle(TComboBoxStyle(style));
        combo->SetItemIndex(1);
        Show();
        auto *w = qobject_cast<QComboBox *>(combo->Handle());
        // The closed box draws the chosen item, marked as the box's own.
        const QImage closed = w->grab().toImage();
        QCOMPARE(m_log.rects.keys(), QList<int>{1});
        QCOMPARE(m_log.states.value(1) & Bit(odComboBoxEdit), Bit(odComboBoxEdit));
        QCOMPARE(closed.pixel(m_log.rects.value(1).center()), QColor(Qt::red).rgb());
        // The list draws every item at its height.
        m_log.Reset();
        combo->SetDroppedDown(true);
        QTRY_VERIFY(combo->DroppedDown());
        QAbstractItemView *view = w->view();
        view->viewport()->grab();
        QCOMPARE(m_log.rects.keys(), (QList<int>{0, 1, 2}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m_log.rects.value(i).height(), heights.at(i));
            QCOMPARE(m_log.states.value(i) & Bit(odComboBoxEdit), 0u);
        }
        combo->SetDroppedDown(false);
    }

    void listBoxHeightCutsToWholeItems_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("integral");
        QTest::addColumn<int>("height");   // asked for
        QTest::addColumn<int>("expected"); // given
        // Standard rows are a line of the 8-point font high (13); the border takes 2 a side.
        QTest::newRow("standard rows") << int(lbStandard) << int(bsSingle) << true << 100 << 95;
        QTest::newRow("fixed rows") << int(lbOwnerDrawFixed) << int(bsSingle) << true << 100
                                    << 84;
        QTest::newRow("without a border") << int(lbStandard) << int(bsNone) << true << 100 << 91;
        QTest::newRow("variable rows keep it")
            << int(lbOwnerDrawVariable) << int(bsSingle) << true << 100 << 100;
        QTest::newRow("less than a row keeps it")
            << int(lbStandard) << int(bsSingle) << true << 12 << 12;
        QTest::newRow("IntegralHeight off") << int(lbStandard) << int(bsSingle) << false << 100
                                            << 100;
    }
    void listBoxHeightCutsToWholeItems()
    {
        QFETCH(int, style);
        QFETCH(int, border);
        QFETCH(bool, integral);
        QFETCH(int, height);
        QFETCH(int, expected);
        auto *list = Make<TListBox>();
        list->Items()->SetCommaText(QStringLiteral("a,b,c,d,e,f,g,h,i,j"));
        list->SetStyle(TListBoxStyle(style));
        list->SetItemHeight(20);
        list->SetBorderStyle(TFormBorderStyle(border));
        list->SetIntegralHeight(integral);
        list->SetHeight(height);
        QCOMPARE(list->Height(), expected);
        Show();
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        QCOMPARE(w->height(), expected);
        if (integral && expected != height) {
            // The rows fill the inside exactly.
            const int row = w->visualItemRect(w->item(0)).height();
            QCOMPARE(w->viewport()->height() % row, 0);
        }
        // Turning it on later cuts the height at once.
        list->SetIntegralHeight(false);
        list->SetHeight(height);
        list->SetIntegralHeight(integral);
        QCOMPARE(list->Height(), expected);
    }

    void listBoxTabsStopAtTabWidth_data()
    {
        QTest::addColumn<int>("tabWidth");
        QTest::addColumn<int>("dialogUnits"); // between the stops
        QTest::newRow("standard stops") << 0 << 32;
        QTest::newRow("narrow stops") << 16 << 16;
        QTest::newRow("wide stops") << 60 << 60;
    }
    void listBoxTabsStopAtTabWidth()
    {
        QFETCH(int, tabWidth);
        QFETCH(int, dialogUnits);
        auto *list = Make<TListBox>();
        list->SetBounds(8, 8, 300, 60);
        list->Items()->Add(QStringLiteral("i\tW"));
        list->SetTabWidth(tabWidth);
        Show();
        // A dialog unit is a quarter of the font's average letter width.
        const QFontMetrics metrics(list->Font()->ToQFont());
        const int average =
            (metrics.horizontalAdvance(
                 QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
                 / 26
             + 1)
            / 2;
        const int stop = 2 + dialogUnits * average / 4; // the text starts 2 pixels in
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        const QImage image = w->viewport()->grab().toImage();
        auto inkIn = [&](int from, int to) {
            for (int x = from; x <= to; ++x) {
                for (int y = 0; y < 13; ++y) {
                    if (IsInk(image.pixel(x, y)))
                        return true;
                }
            }
            return false;
        };
        const int afterI = 2 + metrics.horizontalAdvance(QLatin1Char('i')) + 1;
        QVERIFY(!inkIn(afterI, stop - 1));
        QVERIFY(inkIn(stop, stop + 3));
    }
};

QTEST_MAIN(ListsTest)
#include "tst_lists.moc"
