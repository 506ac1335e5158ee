// Helper of tst_placeround: opens and closes the designer ten times on a real X server, with a
// window manager (openbox, started here with "--wm") or without, and reads where each of its
// four windows really is from the X server itself: the client window's place on the screen and
// the frame extents the window manager announces. Prints one line per window and opening,
// "opening name left top width height", then the checks that failed, if any, each as
// "FAIL: ..."; exits 0 when every window stayed where it was.
//
// Opening 1 starts on an empty store and must show the first-run places; before closing it the
// windows are moved and resized elsewhere, and openings 2 to 10 must show them exactly there.
// Then the main window is maximized through the store and must be a full-width strip.

#include "Application.h"
#include "Registry.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"

#include "X11Tools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include <cstdio>
#include <functional>

namespace {

QStringList g_failures;

void Fail(const QString &text)
{
    g_failures << text;
}

struct TWindows
{
    TZeIDEForm *ide;
    QList<std::pair<QString, TForm *>> forms() const
    {
        return {{QStringLiteral("IDE"), ide},
                {QStringLiteral("Designer"), ide->DesignForm},
                {QStringLiteral("Inspector"), ide->Inspector},
                {QStringLiteral("CodeEditor"), ide->CodeEditorWindow}};
    }
};

// Opens the designer, lets the window manager frame it, hands it to check, closes it.
void WithOpenedDesigner(bool framed, const std::function<void(TWindows &)> &check)
{
    TWindows windows{new TZeIDEForm(Application)};
    windows.ide->Show();
    QList<QWidget *> widgets;
    for (const auto &[name, form] : windows.forms())
        widgets << form->Handle();
    Settle(widgets, framed);
    check(windows);
    Free(windows.ide);
    Pump(100);
}

// The windows from the bottom of the stack up, as the window manager keeps them.
QList<WId> Stacking()
{
    const QString text = RunTool(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<WId> ids;
    const QRegularExpression re(QStringLiteral("0x[0-9a-f]+"));
    for (auto it = re.globalMatch(text.section(QLatin1Char('#'), 1)); it.hasNext();)
        ids << it.next().captured().toULongLong(nullptr, 16);
    return ids;
}

WId ActiveWindow()
{
    const QString text = RunTool(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    return text.section(QStringLiteral("# "), 1).trimmed().toULongLong(nullptr, 16);
}

// Opening 1 under a window manager: the code editor lies behind the other windows, and the
// main window behind the inspector, so that the palette, the inspector's list and tabs and
// the design form are all in view.
void CheckFirstStacking(TWindows &windows)
{
    // The stacking is done once every window is mapped, ending with the design form activated.
    const WId designForm = windows.ide->DesignForm->Handle()->winId();
    QElapsedTimer waited;
    waited.start();
    while (ActiveWindow() != designForm && waited.elapsed() < 5000)
        Pump(50);
    if (ActiveWindow() != designForm)
        Fail(QStringLiteral("the design form is not active after the first opening"));
    const QList<WId> stack = Stacking();
    auto level = [&stack](TForm *form) { return stack.indexOf(form->Handle()->winId()); };
    TZeIDEForm *ide = windows.ide;
    const int editor = level(ide->CodeEditorWindow);
    if (editor < 0 || editor > level(ide) || editor > level(ide->Inspector)
        || editor > level(ide->DesignForm))
        Fail(QStringLiteral("the code editor is not behind the other windows (levels from the "
                            "bottom: code editor %1, main window %2, inspector %3, design form %4)")
                 .arg(editor)
                 .arg(level(ide))
                 .arg(level(ide->Inspector))
                 .arg(level(ide->DesignForm)));
    if (level(ide) > level(ide->Inspector))
        Fail(QStringLiteral("the main window covers the inspector"));
}

// The user moves the main window: the design form is neither raised nor activated.
void CheckMoveLeavesDesignForm(TWindows &windows, bool framed)
{
    TZeIDEForm *ide = windows.ide;
    QWidget *inspector = ide->Inspector->Handle();
    inspector->raise();
    inspector->activateWindow();
    Settle({inspector}, framed);
    const QList<WId> before = Stacking();
    const WId active = ActiveWindow();
    const QRect place = ide->BoundsRect();
    RunTool(QStringLiteral("xdotool"), {QStringLiteral("windowmove"),
                                    QString::number(ide->Handle()->winId()),
                                    QString::number(place.left() + 60),
                                    QString::number(place.top() + 40)});
    Settle({ide->Handle()}, framed);
    if (RealFrame(ide->Handle()).topLeft() == place.topLeft())
        Fail(QStringLiteral("the main window did not move"));
    if (Stacking() != before || ActiveWindow() != active)
        Fail(QStringLiteral("moving the main window raised or activated another window"));
    ide->SetBoundsRect(place);
    Settle({ide->Handle()}, framed);
}

QString Text(const QRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

} // namespace

int main(int argc, char **argv)
{
    InstallPaletteHooks();
    QApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    const bool framed = args.contains(QStringLiteral("--wm"));
    if (args.size() > 1 && !args.last().startsWith(QLatin1Char('-')))
        SetSettingsRootForTesting(args.last() + QStringLiteral("/placeprobe"));
    QProcess wm;
    if (framed && !StartWindowManager(wm)) {
        std::printf("FAIL: openbox did not start\n");
        return 1;
    }
    {
        TApplication app(nullptr);
        app.MessageBoxSeam = [](const TMessageBoxRequest &r) {
            Fail(QStringLiteral("message box: %1").arg(r.Text));
            return IDOK;
        };
        // Where each window must be: the first-run places, then where opening 1 left them.
        QMap<QString, QRect> expected = {
            {QStringLiteral("IDE"), QRect(361, 89, 785, TZeIDEForm::FixedHeight)},
            {QStringLiteral("Inspector"), QRect(241, 103, 270, 322)},
            {QStringLiteral("CodeEditor"), QRect(480, 104, 683, 529)}};
        QMap<QString, QRect> moved = {
            {QStringLiteral("IDE"), QRect(40, 30, 900, TZeIDEForm::FixedHeight)},
            {QStringLiteral("Designer"), QRect(300, 260, 0, 0)},
            {QStringLiteral("Inspector"), QRect(20, 200, 250, 400)},
            {QStringLiteral("CodeEditor"), QRect(560, 420, 600, 380)}};
        for (int opening = 1; opening <= 10; ++opening) {
            WithOpenedDesigner(framed, [&](TWindows &windows) {
                for (const auto &[name, form] : windows.forms()) {
                    const QRect real = RealFrame(form->Handle());
                    std::printf("%d %s %s\n", opening, qPrintable(name), qPrintable(Text(real)));
                    QRect want = expected.value(name, real);
                    if (name == QLatin1String("Designer")) {
                        // The design form keeps its created size wherever it stands.
                        want.setSize(real.size());
                        if (opening == 1)
                            want.moveTopLeft(QPoint(531, 236));
                    }
                    if (real != want)
                        Fail(QStringLiteral("opening %1: %2 is at %3, not %4")
                                 .arg(opening)
                                 .arg(name, Text(real), Text(want)));
                    if (form->BoundsRect() != real)
                        Fail(QStringLiteral("opening %1: %2 says it is at %3, but is at %4")
                                 .arg(opening)
                                 .arg(name, Text(form->BoundsRect()), Text(real)));
                }
                if (framed && opening == 1)
                    CheckFirstStacking(windows);
                if (framed && opening == 2)
                    CheckMoveLeavesDesignForm(windows, framed);
                if (opening != 1)
                    return;
                for (const auto &[name, form] : windows.forms()) {
                    QRect place = moved.value(name);
                    if (place.isEmpty())
                        place.setSize(form->BoundsRect().size());
                    form->SetBoundsRect(place);
                    expected[name] = place;
                }
                QList<QWidget *> widgets;
                for (const auto &[name, form] : windows.forms())
                    widgets << form->Handle();
                Settle(widgets, framed);
            });
        }
        // A main window stored maximized opens as a strip across the whole screen.
        {
            TSettingsStore store;
            store.Open(MachineSettingsFile(), true);
            store.WriteBool(QStringLiteral("IDE"), QStringLiteral("IsMaxForm"), true);
            store.Close();
        }
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        WithOpenedDesigner(framed, [&](TWindows &windows) {
            const QRect real = RealFrame(windows.ide->Handle());
            std::printf("maximized IDE %s\n", qPrintable(Text(real)));
            const QRect want(screen.left(), screen.top(), screen.width(), TZeIDEForm::FixedHeight);
            if (real != want)
                Fail(QStringLiteral("maximized: the main window is at %1, not %2")
                         .arg(Text(real), Text(want)));
            windows.ide->SetWindowState(wsNormal);
            Settle({windows.ide->Handle()}, framed);
            const QRect restored = RealFrame(windows.ide->Handle());
            std::printf("restored IDE %s\n", qPrintable(Text(restored)));
            if (restored != expected.value(QStringLiteral("IDE")))
                Fail(QStringLiteral("restored: the main window is at %1, not %2")
                         .arg(Text(restored), Text(expected.value(QStringLiteral("IDE")))));
        });
    }
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    if (wm.state() != QProcess::NotRunning) {
        wm.terminate();
        wm.waitForFinished(3000);
    }
    for (const QString &failure : std::as_const(g_failures))
        std::printf("FAIL: %s\n", qPrintable(failure));
    std::fflush(stdout);
    return g_failures.isEmpty() ? 0 : 1;
}
