// Helper of tst_virtualkeys: under a real X server, shows a window, types the keys named on the
// command line at it with xdotool, and prints the virtual key and shift state of each key press
// that is not a modifier key, one "vk shift" pair per line.

#include "VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class TKeyPrinter : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const int vk = VirtualKeyOf(event);
        if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU)
            return;
        std::printf("%d %u\n", vk, ShiftStateOf(event->modifiers(), Qt::NoButton));
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList keys = app.arguments().mid(1);
    TKeyPrinter window;
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    QTimer::singleShot(300, &window, [&] {
        window.activateWindow();
        window.setFocus();
        QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")};
        args += keys;
        const int rc = QProcess::execute(QStringLiteral("xdotool"), args);
        // Let the typed keys arrive before leaving.
        QTimer::singleShot(500, &app, [&app, rc] { app.exit(rc); });
    });
    return app.exec();
}
