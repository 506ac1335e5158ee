// Helper of tst_windowlook: opens the designer under a window manager (openbox, started here)
// on a real X server and checks what a user sees there, with real pointer moves and window
// sizes from xdotool:
//   - a palette button shows its hint while the pointer rests on it;
//   - a palette button shows its hint also while another of the designer's windows is active;
//   - message and error boxes, with and without a window behind them, can be closed but
//     neither minimized nor maximized;
//   - the lines of an opened menu carry no text;
//   - the inspector's controls follow a quick series of resizes: no blank band, the size grip
//     in the window's corner.
// Prints each failed check as "FAIL: ..." and exits 0 when none failed. With "--shots DIR" it
// leaves screenshots of the hint, the error box, the opened menu and the resized inspector in
// DIR.

#include "Application.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "Registry.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"

#include "X11Tools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSizeGrip>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QStringList g_failures;
QString g_shots; // folder for screenshots, or empty

void Fail(const QString &text)
{
    g_failures << text;
}

void Shoot(const QString &name)
{
    if (!g_shots.isEmpty())
        RunTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                           g_shots + QLatin1Char('/') + name + ".png"});
}

void Xdotool(const QStringList &args)
{
    RunTool(QStringLiteral("xdotool"), args);
}

void MovePointer(const QPoint &global)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
             QString::number(global.y())});
}

// Pumps events until check holds or the time is up; the answer is the last check's.
bool WaitFor(const std::function<bool()> &check, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > ms)
            return false;
        Pump(50);
    }
    return true;
}

// The text of the hint on the screen, or an empty text when none shows.
QString ShownHint()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            return static_cast<QLabel *>(w)->text();
    }
    return {};
}

// The pointer comes to rest on the first class button of the palette: its class name shows as
// hint, and stays while the pointer rests.
void CheckPaletteHint(TZeIDEForm *ide, TCustomForm *active, const QString &situation)
{
    MovePointer(QPoint(5, 1000)); // away from every window
    active->Handle()->activateWindow();
    Settle({active->Handle()}, true);
    if (ide->pPalette->ControlCount() == 0) {
        Fail(QStringLiteral("the palette has no buttons"));
        return;
    }
    TControl *button = ide->pPalette->Controls(0);
    const QString hint = button->Hint();
    QWidget *widget = button->Handle();
    // Qt drops a move to the point where it last saw the pointer, so each rest is at a point
    // of its own, as the hand of a user would come to rest.
    static int rests = 0;
    const int rest = ++rests;
    MovePointer(widget->mapToGlobal(widget->rect().center() + QPoint(rest % 3, rest % 2)));
    if (!WaitFor([&] { return ShownHint() == hint; }, 4000)) {
        Shoot(QStringLiteral("nohint"));
        Fail(QStringLiteral("%1: resting on a palette button shows %2, not the hint \"%3\"")
                 .arg(situation, ShownHint().isEmpty() ? QStringLiteral("no hint")
                                                       : "\"" + ShownHint() + "\"",
                      hint));
        return;
    }
    if (active == ide)
        Shoot(QStringLiteral("hint"));
    Pump(1500);
    if (ShownHint() != hint)
        Fail(QStringLiteral("%1: the hint went while the pointer rested").arg(situation));
    MovePointer(QPoint(5, 1000));
}

// Shows a box through show() and reads, once the window manager framed it, which actions the
// manager allows on it.
void CheckBox(const QString &situation, const std::function<void()> &show, const QString &shot)
{
    QString actions;
    QTimer poll;
    poll.setInterval(100);
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            const QString allowed = WindowProperty(box, "_NET_WM_ALLOWED_ACTIONS");
            if (!allowed.contains(QLatin1Char('=')) && timer.elapsed() < 5000)
                return; // not managed yet
            Pump(300); // drawn
            actions = allowed + WindowProperty(box, "_MOTIF_WM_HINTS")
                      + WindowProperty(box, "_NET_WM_WINDOW_TYPE")
                      + WindowProperty(box, "WM_TRANSIENT_FOR");
            if (!shot.isEmpty())
                Shoot(shot);
            box->done(QMessageBox::Ok);
            return;
        }
    });
    poll.start();
    show();
    poll.stop();
    if (actions.isEmpty())
        Fail(QStringLiteral("%1: no box showed").arg(situation));
    else if (!actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")))
        Fail(QStringLiteral("%1: the box cannot be closed (%2)").arg(situation, actions));
    else if (actions.contains(QStringLiteral("MAXIMIZE"))
             || actions.contains(QStringLiteral("MINIMIZE")))
        Fail(QStringLiteral("%1: the box can be minimized or maximized (%2)")
                 .arg(situation, actions.trimmed()));
}

// Opens the main menu's "File" menu with a click and reads its lines.
void CheckMenuLines(TZeIDEForm *ide)
{
    QMenuBar *bar = ide->Handle()->findChild<QMenuBar *>();
    if (!bar || bar->actions().isEmpty()) {
        Fail(QStringLiteral("the main window has no menu bar"));
        return;
    }
    ide->Handle()->activateWindow();
    Settle({ide->Handle()}, true);
    QAction *file = bar->actions().first();
    const QPoint title = bar->mapToGlobal(bar->actionGeometry(file).center());
    MovePointer(title);
    Xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QMenu *menu = file->menu();
    if (!menu || !WaitFor([menu] { return menu->isVisible(); }, 3000)) {
        Fail(QStringLiteral("a click on \"%1\" opened no menu").arg(file->text()));
        return;
    }
    Pump(300);
    Shoot(QStringLiteral("menu"));
    int lines = 0;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            ++lines;
            if (!action->text().isEmpty())
                Fail(QStringLiteral("a menu line carries the text \"%1\"").arg(action->text()));
        } else if (action->text() == QLatin1String("-")) {
            Fail(QStringLiteral("a menu line shows as the item \"-\""));
        }
    }
    if (lines == 0)
        Fail(QStringLiteral("the \"%1\" menu shows no line").arg(file->text()));
    Xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    WaitFor([menu] { return !menu->isVisible(); }, 2000);
}

QString Text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

// The global rectangle a control takes on the screen.
QRect OnScreen(TControl *control)
{
    QWidget *w = control->Handle();
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Resizes the inspector several times without waiting between the sizes, as a quick drag of
// its border does, then checks that its controls fill the window the X server shows.
void CheckInspectorResize(TZeIDEForm *ide)
{
    TfObjectInspector *insp = ide->Inspector;
    QWidget *window = insp->Handle();
    const QString id = QString::number(window->winId());
    for (const QSize &size : {QSize(330, 520), QSize(220, 250), QSize(420, 640), QSize(300, 300),
                              QSize(360, 470)})
        Xdotool({QStringLiteral("windowsize"), id, QString::number(size.width()),
                 QString::number(size.height())});
    window->raise(); // in view for the screenshot
    Settle({window}, true);
    Pump(300);
    Shoot(QStringLiteral("inspector"));
    const QRect client = RealClient(window);
    if (client.size() != QSize(360, 470))
        Fail(QStringLiteral("the inspector's client area is %1 after the resizes").arg(Text(client)));
    auto expect = [](const QString &what, const QRect &is, const QRect &want) {
        if (is != want)
            Fail(QStringLiteral("after a quick resize the inspector's %1 is at %2, not %3")
                     .arg(what, Text(is), Text(want)));
    };
    const QRect status = OnScreen(insp->StatusBar1);
    const QRect panel = OnScreen(insp->Panel1);
    expect(QStringLiteral("status bar"), status,
           QRect(client.left(), client.bottom() - status.height() + 1, client.width(),
                 status.height()));
    expect(QStringLiteral("top panel"), panel,
           QRect(client.left(), client.top(), client.width(), panel.height()));
    expect(QStringLiteral("tabs"), OnScreen(insp->tcInspector),
           QRect(client.left(), panel.bottom() + 1, client.width(),
                 status.top() - panel.bottom() - 1));
    const QRect list = OnScreen(insp->cbComponents);
    expect(QStringLiteral("component list"), list,
           QRect(panel.left(), list.top(), panel.width(), list.height()));
    const QRect box = OnScreen(insp->sbInspector);
    const QRect rows = OnScreen(insp->pInspector);
    if (rows.left() != box.left() || rows.width() != box.width())
        Fail(QStringLiteral("the rows (%1) do not span the scroll box (%2)")
                 .arg(Text(rows), Text(box)));
    auto *grip = insp->StatusBar1->Handle()->findChild<QSizeGrip *>();
    if (!grip || !grip->isVisible()) {
        Fail(QStringLiteral("the inspector shows no size grip"));
        return;
    }
    const QRect gripRect(grip->mapToGlobal(QPoint(0, 0)), grip->size());
    if (gripRect.bottomRight() != client.bottomRight())
        Fail(QStringLiteral("the size grip is at %1, not in the corner %2")
                 .arg(Text(gripRect))
                 .arg(QStringLiteral("%1,%2").arg(client.right()).arg(client.bottom())));
}

} // namespace

int main(int argc, char **argv)
{
    InstallPaletteHooks();
    QApplication qapp(argc, argv);
    QStringList args = qapp.arguments();
    if (const int at = args.indexOf(QStringLiteral("--shots")); at > 0 && at + 1 < args.size()) {
        g_shots = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() > 1)
        SetSettingsRootForTesting(args.last() + QStringLiteral("/lookprobe"));
    QProcess wm;
    if (!StartWindowManager(wm)) {
        std::printf("FAIL: openbox did not start\n");
        return 1;
    }
    {
        TApplication app(nullptr);
        CheckBox(QStringLiteral("a message with no window open"), [] {
            Application->MessageBox(QStringLiteral("No window is open."),
                                    QStringLiteral("Message"), MB_OK | MB_ICONINFORMATION);
        }, QString());
        auto *ide = new TZeIDEForm(Application);
        ide->Show();
        QList<QWidget *> windows{ide->Handle(), ide->DesignForm->Handle(),
                                 ide->Inspector->Handle(), ide->CodeEditorWindow->Handle()};
        Settle(windows, true);
        CheckPaletteHint(ide, ide, QStringLiteral("main window active"));
        CheckPaletteHint(ide, ide->DesignForm, QStringLiteral("design form active"));
        CheckBox(QStringLiteral("an error over the main window"), [] {
            Application->ShowException(Exception(QStringLiteral("Invalid property value")));
        }, QStringLiteral("errorbox"));
        CheckBox(QStringLiteral("a question over the main window"), [] {
            Application->MessageBox(QStringLiteral("Delete it?"), QStringLiteral("Confirm"),
                                    MB_YESNO | MB_ICONQUESTION);
        }, QString());
        CheckMenuLines(ide);
        CheckInspectorResize(ide);
        Free(ide);
        Pump(100);
    }
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    wm.terminate();
    wm.waitForFinished(3000);
    for (const QString &failure : std::as_const(g_failures))
        std::printf("FAIL: %s\n", qPrintable(failure));
    std::fflush(stdout);
    return g_failures.isEmpty() ? 0 : 1;
}
