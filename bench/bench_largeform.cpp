// Times the designer with a large form: 100, 500 and 2,000 controls on the design form (a mix of
// the palette's classes, some nested in panels and group boxes), driven as a user drives it,
// each figure counted until the windows have painted the result. Prints one table with the
// median of each row per size, the target at 2,000, and how the cost grows from 500 to 2,000.
//
// Each size runs in a process of its own (the program starts itself with --controls N), so
// that the peak memory of one size is not the peak of another. A benchmark, not a test: it
// asserts nothing and exits 0 whatever the figures. Offscreen unless QT_QPA_PLATFORM says
// otherwise (xvfb-run -a env QT_QPA_PLATFORM=xcb bench/bench_largeform).

#define QTEST_QPA_MOUSE_HANDLING
#include "BenchHost.h"
#include "BenchTiming.h"
#include "LargeForm.h"

#include "Application.h"
#include "Handles.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "Unit1.h"
#include "ZeClientComponents.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using bench::ElapsedMs;
using bench::LargeFormGrid;
using bench::Median;

constexpr int Sizes[] = {100, 500, 2000};
constexpr int Runs = 7;
constexpr int MovesPerDrag = 3;
constexpr int DraggedControls = 500;

// For a profile of a few rows: LARGEFORM_ROWS=arrow,typing runs those rows LARGEFORM_RUNS
// times (7 unless set) and every other row once, as far as the rows after it need it. The
// drag steps and the drop are the row "drop", closing and reopening the row "reopen".
int RunsOf(const char *key)
{
    const QByteArray rows = qgetenv("LARGEFORM_ROWS");
    if (!rows.isEmpty() && !rows.split(',').contains(QByteArray(key)))
        return 1;
    const int runs = qEnvironmentVariableIntValue("LARGEFORM_RUNS");
    return runs > 0 ? runs : Runs;
}

// The rows of the table: a key the size's process prints its figure under, the text, and the
// target at 2,000 controls.
struct Row
{
    const char *key;
    const char *text;
    double target;
    const char *unit;
};

const Row Rows[] = {
    {"place", "placing the N-th component by a click (inspector, list)", 16, "ms"},
    {"band", "selecting all N by one rubber band, none before (inspector)", 16, "ms"},
    {"dragstep", "one drag step moving min(N, 500) selected (outline)", 16, "ms"},
    {"drop", "dropping them", 16, "ms"},
    {"arrow", "arrow-key move of all N selected", 16, "ms"},
    {"inspect", "Inspect of all N selected", 16, "ms"},
    {"typing", "typing one Width for all N selected, and Enter", 16, "ms"},
    {"delete", "deleting all N (Delete key)", 100, "ms"},
    {"close", "closing the designer with N controls", 100, "ms"},
    {"reopen", "reopening it (\"Design\" until the four windows show)", 16, "ms"},
    {"memory", "peak memory per placed control", 5, "KiB"},
};

void PrintFigure(const char *key, double value)
{
    std::printf("figure %s %.4f\n", key, value);
    std::fflush(stdout);
}

// Runs action, then lets the paints and other work it left pending run: a figure is the time
// until the windows show the result. LARGEFORM_SPLIT=1 prints the two parts apart.
double SettledMs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    const double acted = ElapsedMs(timer);
    QCoreApplication::processEvents();
    if (qEnvironmentVariableIsSet("LARGEFORM_SPLIT"))
        std::fprintf(stderr, "split %.2f + %.2f\n", acted, ElapsedMs(timer) - acted);
    return ElapsedMs(timer);
}

bool AllFourShown(TZeIDEForm *ide)
{
    return ide->Handle()->isVisible() && ide->DesignForm && ide->DesignForm->Designer()
           && ide->DesignForm->Handle()->isVisible() && ide->Inspector->Handle()->isVisible()
           && ide->CodeEditorWindow->Handle()->isVisible();
}

// One opening of the designer from the host window: the time from the "Design" click until
// its four windows are shown, and the time its closing took once work asked for it.
struct Opening
{
    double shownMs = -1;
    double closeMs = -1;
};

// Clicks "Design", runs work once the four windows are shown, closes the designer and waits
// until the click's handler has freed it.
Opening OpenDesigner(TForm1 *host, const std::function<void(TZeIDEForm *)> &work)
{
    Opening opening;
    QElapsedTimer sinceClick, closing;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TZeIDEForm *ide = CurrentIDEForm;
        if (opening.shownMs >= 0 || !ide || !ide->Modal() || !AllFourShown(ide))
            return;
        QCoreApplication::processEvents(); // shown means painted too
        opening.shownMs = ElapsedMs(sinceClick);
        poll.stop();
        work(ide);
        closing.start();
        ide->Handle()->close();
    });
    poll.start();
    sinceClick.start();
    QTest::mouseClick(host->Button3->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    opening.closeMs = ElapsedMs(closing);
    return opening;
}

// One size's measurements, on one opened designer.
class LargeFormRun
{
public:
    LargeFormRun(TZeIDEForm *ide, int count)
        : m_ide(ide), m_form(ide->DesignForm), m_count(count)
    {
        const QSize client = LargeFormGrid::ClientSize(count);
        m_form->SetBounds(0, 140, client.width(), client.height());
        m_form->SetClientWidth(client.width());
        m_form->SetClientHeight(client.height());
        QCoreApplication::processEvents();
    }

    // Builds the form with one control short of the size; the last one is placed by a click.
    void Build(int count)
    {
        m_made = bench::FillLargeForm(m_form, count);
        m_ide->Inspector->FillComponentList();
        m_ide->InspectSelection(m_form, m_form);
        Activate();
        QCoreApplication::processEvents();
    }

    void MeasurePlacing()
    {
        const int runs = RunsOf("place");
        const QPoint at = FreePoint(LargeFormGrid::CellOrigin(m_count - 1));
        m_ide->ChosenClass = TZeButton::StaticClass();
        m_ide->StickyChoice = true;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QTest::mouseMove(Surface(), at);
            times.push_back(SettledMs([&] {
                QTest::mousePress(Surface(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(Surface(), Qt::LeftButton, {}, at);
            }));
            if (run + 1 < runs)
                m_form->DeleteControl(Handle()->Target(0)); // the next run places it again
        }
        m_ide->sbCursorClick(m_ide->sbCursor);
        ++m_made;
        if (Handle()->TargetCount() != 1 || m_form->ControlCount() != m_count + 1)
            std::fprintf(stderr, "warning: placing left %d controls on the form\n",
                         m_form->ControlCount() - 1);
        PrintFigure("place", Median(times));
    }

    // Each band starts from an empty selection, as a click on the bare form leaves it.
    void MeasureBand()
    {
        const int runs = RunsOf("band");
        const QPoint bare(3, 3);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QTest::mouseClick(Surface(), Qt::LeftButton, {}, bare);
            QCoreApplication::processEvents();
            times.push_back(SettledMs([&] { SelectAllByBand(); }));
        }
        if (Handle()->TargetCount() != m_count)
            std::fprintf(stderr, "warning: the band selected %d of %d\n", Handle()->TargetCount(),
                         m_count);
        PrintFigure("band", Median(times));
    }

    void MeasureInspect()
    {
        const int runs = RunsOf("inspect");
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(SettledMs([&] { m_ide->Inspector->Inspect(Handle()->Target(0)); }));
        PrintFigure("inspect", Median(times));
    }

    void MeasureTyping()
    {
        const int runs = RunsOf("typing");
        TfObjectInspector *insp = m_ide->Inspector;
        insp->Inspect(Handle()->Target(0));
        TObjectInspProperty *width = nullptr;
        for (TObjectInspProperty *row : insp->TabRows()) {
            if (row->Editor->GetName() == QLatin1String("Width"))
                width = row;
        }
        if (!width) {
            std::fprintf(stderr, "warning: no Width row\n");
            return;
        }
        insp->SelectRow(width);
        QApplication::setActiveWindow(insp->Handle());
        QCoreApplication::processEvents();
        QWidget *edit = insp->ePropValue->Handle();
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            insp->ePropValue->SelectAll();
            const QString value = QString::number(run % 2 ? 20 : 18);
            times.push_back(SettledMs([&] {
                QTest::keyClicks(edit, value);
                QTest::keyClick(edit, Qt::Key_Return);
            }));
        }
        if (Handle()->Target(Handle()->TargetCount() - 1)->Width() != 18)
            std::fprintf(stderr, "warning: typing did not reach the last selected control\n");
        PrintFigure("typing", Median(times));
        Activate();
    }

    void MeasureArrowKeys()
    {
        const int runs = RunsOf("arrow");
        QWidget *keys = Handle()->Handle();
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const Qt::Key key = run % 2 ? Qt::Key_Left : Qt::Key_Right;
            times.push_back(SettledMs([&] { QTest::keyClick(keys, key); }));
        }
        PrintFigure("arrow", Median(times));
    }

    void MeasureDrag()
    {
        const int runs = RunsOf("drop");
        // A band over the first rows selects the first DraggedControls cells' controls.
        const int dragged = std::min(m_count, DraggedControls);
        const int rows = (dragged + LargeFormGrid::Columns - 1) / LargeFormGrid::Columns;
        Band(QPoint(3, 3), QPoint(m_form->ClientWidth() - 3,
                                  LargeFormGrid::Origin + rows * LargeFormGrid::CellHeight - 4));
        if (Handle()->TargetCount() != dragged)
            std::fprintf(stderr, "warning: %d selected to drag\n", Handle()->TargetCount());
        const int startLeft = Handle()->Target(0)->Left();
        std::vector<double> steps, drops;
        for (int run = 0; run < runs; ++run) {
            // Right and back again: each drop leaves the controls where the run before found
            // them.
            const int direction = run % 2 ? -1 : 1;
            const QPoint from = LargeFormGrid::CellOrigin(0) + QPoint(10, 8)
                                + (run % 2 ? QPoint(6 * MovesPerDrag, 0) : QPoint());
            QTest::mouseMove(Surface(), from);
            QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
            QCoreApplication::processEvents();
            QPoint at = from;
            for (int move = 0; move < MovesPerDrag; ++move) {
                at += QPoint(6 * direction, 0);
                steps.push_back(SettledMs([&] { QTest::mouseMove(Surface(), at); }));
            }
            drops.push_back(SettledMs(
                [&] { QTest::mouseRelease(Surface(), Qt::LeftButton, {}, at); }));
        }
        // An odd number of runs ends one step to the right.
        const int endLeft = startLeft + (runs % 2) * 6 * MovesPerDrag;
        if (Handle()->TargetCount() != dragged || Handle()->Target(0)->Left() != endLeft)
            std::fprintf(stderr, "warning: the drags left %d selected, the first at %d\n",
                         Handle()->TargetCount(), Handle()->Target(0)->Left());
        PrintFigure("dragstep", Median(steps));
        PrintFigure("drop", Median(drops));
    }

    void MeasureDeleting()
    {
        const int runs = RunsOf("delete");
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            SelectAllByBand();
            QWidget *keys = Handle()->Handle();
            times.push_back(SettledMs([&] { QTest::keyClick(keys, Qt::Key_Delete); }));
            if (m_form->ComponentCount() != 0)
                std::fprintf(stderr, "warning: %d components left after Delete\n",
                             m_form->ComponentCount());
            Build(m_count);
        }
        PrintFigure("delete", Median(times));
    }

    int Made() const { return m_made; }

private:
    QWidget *Surface() const { return m_form->ClientWidget(); }
    TStretchHandle *Handle() const { return m_form->StretchHandle; }

    void Activate()
    {
        m_form->Handle()->activateWindow();
        QApplication::setActiveWindow(m_form->Handle());
    }

    // A point at or right of wanted where a press hits the bare form.
    QPoint FreePoint(QPoint wanted) const
    {
        for (wanted += QPoint(2, 4); wanted.x() < m_form->ClientWidth(); wanted.rx() += 2) {
            int x = wanted.x(), y = wanted.y();
            if (FindControlAt(x, y, m_form, m_form) == m_form)
                return wanted;
        }
        std::fprintf(stderr, "warning: no free point to place at\n");
        return wanted;
    }

    void Band(const QPoint &from, const QPoint &to)
    {
        QTest::mouseMove(Surface(), from);
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Surface(), to);
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
    }

    void SelectAllByBand()
    {
        Band(QPoint(3, 3), QPoint(m_form->ClientWidth() - 3, m_form->ClientHeight() - 3));
    }

    TZeIDEForm *m_ide;
    TfZeDesignForm *m_form;
    int m_count;
    int m_made = 0;
};

// One size, in this process: every row of the table.
void MeasureSize(TForm1 *host, int count)
{
    std::vector<double> closings, reopenings;
    qint64 baseline = 0;
    int made = 0;
    Opening first = OpenDesigner(host, [&](TZeIDEForm *ide) {
        LargeFormRun run(ide, count);
        bench::ResetPeakResident();
        baseline = bench::StatusBytes("VmRSS");
        run.Build(count - 1);
        run.MeasurePlacing();
        run.MeasureBand();
        run.MeasureInspect();
        run.MeasureTyping();
        run.MeasureArrowKeys();
        run.MeasureDrag();
        run.MeasureDeleting();
        made = run.Made();
        const double perControl = double(bench::StatusBytes("VmHWM") - baseline) / made;
        PrintFigure("memory", perControl / 1024.0);
    });
    closings.push_back(first.closeMs);
    const int runs = RunsOf("reopen");
    for (int run = 0; run < runs; ++run) {
        const Opening next = OpenDesigner(host, [&](TZeIDEForm *ide) {
            LargeFormRun(ide, count).Build(count);
        });
        reopenings.push_back(next.shownMs);
        if (run + 1 < runs)
            closings.push_back(next.closeMs);
    }
    PrintFigure("close", Median(closings));
    PrintFigure("reopen", Median(reopenings));
    std::printf("made %d\n", made);
}

int RunOneSize(int argc, char **argv, int count)
{
    InstallPaletteHooks();
    QApplication qtApp(argc, argv);
    {
        BenchHost bench;
        if (!bench.Start())
            return 1;
        MeasureSize(bench.Host, count);
    }
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    return 0;
}

// Starts this program for each size and prints the table of what they report.
int RunAllSizes(const char *program)
{
    std::map<int, std::map<std::string, double>> figures;
    std::map<int, int> made;
    for (int count : Sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QString::fromLocal8Bit(program), {"--controls", QString::number(count)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            std::fprintf(stderr, "the run with %d controls failed\n", count);
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3 && words[0] == "figure")
                figures[count][words[1].toStdString()] = words[2].toDouble();
            else if (words.size() == 2 && words[0] == "made")
                made[count] = words[1].toInt();
        }
    }
    std::printf("Large form (%s): medians of %d runs; N controls directly on the form, plus the "
                "two inside each tenth (a panel or group box): %d, %d, %d controls in all\n",
                qgetenv("QT_QPA_PLATFORM").constData(), Runs, made[100], made[500], made[2000]);
    std::printf("%-58s %9s %9s %9s  %-12s %s\n", "", "N=100", "N=500", "N=2000", "target",
                "growth 500->2000 (linear: 4; missed above 5)");
    int missed = 0;
    for (const Row &row : Rows) {
        const double a = figures[100][row.key], b = figures[500][row.key];
        const double c = figures[2000][row.key];
        const double growth = b > 0 ? c / b : 0;
        // The memory row is per control already: linear growth keeps it flat.
        const double growthLimit = std::string(row.key) == "memory" ? 1.0 : 4.0;
        const bool late = !(c < row.target), steep = growth > growthLimit * 1.25;
        missed += late + steep;
        std::printf("%-58s %9.2f %9.2f %9.2f  < %-4g %-5s x%-5.2f%s%s\n", row.text, a, b, c,
                    row.target, row.unit, growth, late ? "  MISSED" : "",
                    steep ? "  MISSED (grows faster than linear)" : "");
    }
    std::printf("%d figures missed\n", missed);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--controls")
        return RunOneSize(argc, argv, QByteArray(argv[2]).toInt());
    QCoreApplication app(argc, argv);
    return RunAllSizes(argv[0]);
}
