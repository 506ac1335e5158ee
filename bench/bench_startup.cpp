// Times the designer's start-up, under an X server (xvfb-run -a bench/bench_startup):
//
// - from process start until the host window "Form1" is mapped, against the same for
//   bench_floor, a minimal Qt Widgets program with a menu, a tab bar and a status bar. The two
//   programs take turns, several runs each, and the X server itself reports each mapping (a
//   MapNotify on the root window, which sees the top-level windows where no window manager
//   frames them). Target: the designer within 1.2 times the floor.
// - from the "Design" click on the host window until the four windows of the designer are shown
//   and the program is idle: the last time its event loop went to sleep before a stretch of
//   IdleGapMs in which nothing woke it. Target: under 80 ms.
//
// A benchmark, not a test: it asserts nothing and exits 0 whatever the figures.

#define QTEST_QPA_MOUSE_HANDLING
#include "BenchHost.h"
#include "BenchTiming.h"

#include "Application.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "Unit1.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

using bench::ElapsedMs;
using bench::Median;

constexpr int StartRuns = 11;
constexpr int WarmUpStarts = 2;
constexpr int OpeningRuns = 11;
constexpr int WarmUpOpenings = 2;
constexpr double IdleGapMs = 150;
constexpr int ObservedMs = 1000; // how long an opening is watched before it is closed
constexpr int MapTimeoutMs = 20000;

// Watches the X server for top-level windows being mapped.
class MapWatcher
{
public:
    MapWatcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_ok = true;
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }

    bool Ok() const { return m_ok; }

    // Starts program and returns the milliseconds until a window titled title was mapped, or
    // -1; the program is terminated afterwards.
    double TimeToMapped(const QByteArray &program, const QByteArray &title)
    {
        char *argv[] = {const_cast<char *>(program.constData()), nullptr};
        QElapsedTimer sinceStart;
        sinceStart.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
            return -1;
        double mappedMs = -1;
        while (mappedMs < 0 && sinceStart.elapsed() < MapTimeoutMs) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, 100);
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const double at = ElapsedMs(sinceStart);
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mappedMs < 0) {
                    const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                    if (Title(map->window) == title)
                        mappedMs = at;
                }
                std::free(event);
            }
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return mappedMs;
    }

private:
    QByteArray Title(xcb_window_t window)
    {
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            m_connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        if (!reply)
            return {};
        const QByteArray title(static_cast<const char *>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        std::free(reply);
        return title;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    bool m_ok = false;
};

void MeasureProcessStart(const QByteArray &designer, const QByteArray &floor)
{
    MapWatcher watcher;
    if (!watcher.Ok()) {
        std::printf("no X server: start-up from process start not measured\n");
        return;
    }
    std::vector<double> designerMs, floorMs;
    for (int run = 0; run < WarmUpStarts + StartRuns; ++run) {
        // In turns, so that a slow stretch of the machine falls on both alike.
        const double d = watcher.TimeToMapped(designer, "Form1");
        const double f = watcher.TimeToMapped(floor, "Floor");
        if (d < 0 || f < 0)
            std::fprintf(stderr, "warning: a window was not mapped (%g, %g)\n", d, f);
        if (run >= WarmUpStarts) {
            designerMs.push_back(d);
            floorMs.push_back(f);
        }
    }
    const double floorMedian = Median(floorMs);
    std::printf("process start until mapped, medians of %d runs each:\n", StartRuns);
    std::printf("  %-64s %9.2f ms\n", "floor (Qt Widgets, menu, tab bar, status bar)",
                floorMedian);
    bench::Report("  designer until \"Form1\" is mapped", Median(designerMs), 1.2 * floorMedian);
    std::printf("  %-64s %9.2f    (target < 1.2)\n", "  ratio designer / floor",
                Median(designerMs) / floorMedian);
}

bool AllFourShown(TZeIDEForm *ide)
{
    return ide->Handle()->isVisible() && ide->DesignForm && ide->DesignForm->Designer()
           && ide->DesignForm->Handle()->isVisible() && ide->Inspector->Handle()->isVisible()
           && ide->CodeEditorWindow->Handle()->isVisible();
}

struct OpeningTimes
{
    double shownMs = -1; // the four windows shown
    double idleMs = -1;  // and the event loop asleep with nothing to do for IdleGapMs
};

// Clicks "Design", watches the event loop for ObservedMs and closes the designer again.
OpeningTimes OpenAndWatch(TForm1 *host)
{
    OpeningTimes times;
    QElapsedTimer sinceClick;
    std::vector<double> sleeps, wakes; // after the four windows were shown
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    const auto shown = [&] {
        TZeIDEForm *ide = CurrentIDEForm;
        return ide && ide->Modal() && AllFourShown(ide);
    };
    const QMetaObject::Connection asleep =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
            if (times.shownMs < 0 && shown())
                times.shownMs = ElapsedMs(sinceClick);
            if (times.shownMs >= 0)
                sleeps.push_back(ElapsedMs(sinceClick));
        });
    const QMetaObject::Connection awake =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] {
            if (times.shownMs >= 0)
                wakes.push_back(ElapsedMs(sinceClick));
        });
    QTimer::singleShot(ObservedMs, [] {
        if (TZeIDEForm *ide = CurrentIDEForm)
            ide->Handle()->close();
    });
    sinceClick.start();
    QTest::mouseClick(host->Button3->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    QObject::disconnect(asleep);
    QObject::disconnect(awake);
    // Idle: the first sleep that nothing but the closing timer ended within IdleGapMs.
    for (double sleep : sleeps) {
        const auto next = std::upper_bound(wakes.begin(), wakes.end(), sleep);
        const double until = next == wakes.end() ? ObservedMs : *next;
        if (until - sleep >= IdleGapMs || until >= ObservedMs - 1) {
            times.idleMs = sleep;
            break;
        }
    }
    return times;
}

void MeasureDesignClick()
{
    BenchHost bench;
    if (!bench.Start())
        return;
    TForm1 *host = bench.Host;
    std::vector<double> shown, idle;
    for (int run = 0; run < WarmUpOpenings + OpeningRuns; ++run) {
        const OpeningTimes times = OpenAndWatch(host);
        if (run >= WarmUpOpenings) {
            shown.push_back(times.shownMs);
            idle.push_back(times.idleMs);
        }
    }
    std::printf("\"Design\" click (%s), medians of %d openings:\n",
                qPrintable(QGuiApplication::platformName()), OpeningRuns);
    std::printf("  %-64s %9.2f ms\n", "until the four windows are shown", Median(shown));
    bench::Report("  until they are shown and the program is idle", Median(idle), 80);
}

} // namespace

int main(int argc, char **argv)
{
    const QString dir = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    const QByteArray designer = (dir + QStringLiteral("/../shell/quorvel-designer")).toLocal8Bit();
    const QByteArray floor = (dir + QStringLiteral("/bench_floor")).toLocal8Bit();
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        std::printf("no DISPLAY: start-up from process start not measured (run under xvfb-run)\n");
    else
        MeasureProcessStart(designer, floor);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InstallPaletteHooks();
    QApplication qtApp(argc, argv);
    MeasureDesignClick();
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    return 0;
}
