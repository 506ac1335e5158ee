// The status bar's own drawing and its part in the application's hints: the border it
// keeps, panels its handler draws, and the long hint of the control under the mouse.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "PlacedControls.h"
#include "StdCtrls.h"

#include <QtTest>

namespace {

// What a status bar's owner-drawn panels and hints did.
struct BarLog
{
    void DrawPanel(TStatusBar *bar, TStatusPanel *panel, QRect rect)
    {
        panels << panel;
        rects << rect;
        bar->Canvas()->Brush()->SetColor(clRed);
        bar->Canvas()->FillRect(rect);
    }
    void Hint(TObject *) { hints << Application->Hint(); }
    QList<TStatusPanel *> panels;
    QList<QRect> rects;
    QStringList hints;
};

} // namespace

class StatusBarTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init() { m_app = std::make_unique<TApplication>(nullptr); }
    void cleanup() { m_app.reset(); }

    void statusBarBorderAndOwnerDrawnPanels()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 120);
        auto *bar = new TStatusBar(&form);
        bar->SetHeight(30);
        bar->SetSizeGrip(false);
        bar->SetBorderWidth(3);
        bar->SetParent(&form);
        TStatusPanel *text = bar->Panels()->Add();
        text->SetText(QStringLiteral("text"));
        text->SetWidth(60);
        TStatusPanel *drawn = bar->Panels()->Add();
        drawn->SetStyle(psOwnerDraw);
        QCOMPARE(text->Style(), psText);
        BarLog log;
        bar->OnDrawPanel = TDrawPanelEvent::Of<&BarLog::DrawPanel>(&log);
        ShowForm(form);
        // The panels keep BorderWidth free on every side.
        QCOMPARE(bar->PanelRect(0).topLeft(), QPoint(3, 5));
        QCOMPARE(bar->PanelRect(1).right(), bar->Width() - 1 - 3);
        QCOMPARE(bar->PanelRect(1).bottom(), bar->Height() - 1 - 3);
        const QImage shot = bar->Handle()->grab().toImage();
        QVERIFY(!log.panels.isEmpty());
        QVERIFY(!log.panels.contains(text)); // text panels draw themselves
        QCOMPARE(log.panels.last(), drawn);
        QVERIFY(bar->PanelRect(1).contains(log.rects.last()));
        QCOMPARE(shot.pixelColor(log.rects.last().center()), QColor(Qt::red));
        QVERIFY(shot.pixelColor(bar->PanelRect(0).center()) != QColor(Qt::red));
        // Negative widths are no border.
        bar->SetBorderWidth(-5);
        QCOMPARE(bar->BorderWidth(), 0);
        TStatusBar copy(nullptr);
        copy.SetPanels(bar->Panels());
        QCOMPARE(copy.Panels()->Items(1)->Style(), psOwnerDraw);
    }

    void statusBarShowsTheApplicationHint_data()
    {
        QTest::addColumn<bool>("autoHint");
        QTest::addColumn<bool>("simplePanel");
        QTest::addColumn<int>("panels");
        QTest::addColumn<bool>("onHint");
        QTest::addColumn<QString>("where"); // "simple", "panel" or "" for nowhere
        QTest::newRow("no panels: the simple text") << true << false << 0 << false << "simple";
        QTest::newRow("simple panel") << true << true << 2 << false << "simple";
        QTest::newRow("the first panel") << true << false << 2 << false << "panel";
        QTest::newRow("OnHint instead") << true << false << 2 << true << "";
        QTest::newRow("AutoHint off") << false << false << 2 << true << "";
    }
    void statusBarShowsTheApplicationHint()
    {
        QFETCH(bool, autoHint);
        QFETCH(bool, simplePanel);
        QFETCH(int, panels);
        QFETCH(bool, onHint);
        QFETCH(QString, where);
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto *button = Place(new TButton(&form), &form, QRect(10, 10, 80, 25));
        button->SetHint(QStringLiteral("Go|Starts the run"));
        auto *speed = Place(new TSpeedButton(&form), &form, QRect(100, 10, 25, 25));
        speed->SetHint(QStringLiteral("Stops it"));
        auto *bar = new TStatusBar(&form);
        bar->SetParent(&form);
        for (int i = 0; i < panels; ++i)
            bar->Panels()->Add()->SetText(QStringLiteral("p%1").arg(i));
        bar->SetSimplePanel(simplePanel);
        bar->SetAutoHint(autoHint);
        QCOMPARE(TStatusBar(nullptr).AutoHint(), false);
        BarLog log;
        if (onHint)
            bar->OnHint = TNotifyEvent::Of<&BarLog::Hint>(&log);
        ShowForm(form);
        // The tooltip takes the short part of the hint.
        button->SetShowHint(true);
        QCOMPARE(button->Handle()->toolTip(), QStringLiteral("Go"));
        auto shown = [&] {
            if (where == QLatin1String("simple"))
                return bar->SimpleText();
            return bar->Panels()->Items(0)->Text();
        };

        // The mouse over a control with a hint: its long part; over a graphic control: its
        // whole hint; over nothing with a hint: no hint.
        QWindow *window = form.Handle()->windowHandle();
        QTest::mouseMove(window, QPoint(30, 20));
        QTRY_COMPARE(Application->Hint(), QStringLiteral("Starts the run"));
        if (!where.isEmpty())
            QCOMPARE(shown(), QStringLiteral("Starts the run"));
        QTest::mouseMove(window, QPoint(110, 20));
        QTRY_COMPARE(Application->Hint(), QStringLiteral("Stops it"));
        if (!where.isEmpty())
            QCOMPARE(shown(), QStringLiteral("Stops it"));
        QTest::mouseMove(window, QPoint(200, 100));
        QTRY_COMPARE(Application->Hint(), QString());
        if (where.isEmpty()) { // the bar's texts stay as they were
            QCOMPARE(bar->SimpleText(), QString());
            if (panels > 0)
                QCOMPARE(bar->Panels()->Items(0)->Text(), QStringLiteral("p0"));
        } else {
            QCOMPARE(shown(), QString());
        }
        const QStringList heard{QStringLiteral("Starts the run"), QStringLiteral("Stops it"),
                                QString()};
        QCOMPARE(log.hints, autoHint && onHint ? heard : QStringList());
    }
};

QTEST_MAIN(StatusBarTest)
#include "tst_statusbar.moc"
