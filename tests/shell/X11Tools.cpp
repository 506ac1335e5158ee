#include "X11Tools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <QWidget>

QString RunTool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(5000);
    return QString::fromLatin1(process.readAllStandardOutput());
}

QString WindowProperty(QWidget *window, const char *property)
{
    return RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"),
                                              QString::number(window->winId()),
                                              QString::fromLatin1(property)});
}

QRect RealClient(QWidget *window)
{
    const QString info = RunTool(QStringLiteral("xwininfo"),
                                 {QStringLiteral("-id"), QString::number(window->winId())});
    auto number = [&info](const char *label) {
        const QRegularExpression re(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                 number("Width"), number("Height"));
}

QRect RealFrame(QWidget *window)
{
    QRect frame = RealClient(window);
    const QString extents = WindowProperty(window, "_NET_FRAME_EXTENTS");
    const QRegularExpression re(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const QRegularExpressionMatch m = re.match(extents);
    if (m.hasMatch())
        frame.adjust(-m.captured(1).toInt(), -m.captured(3).toInt(), m.captured(2).toInt(),
                     m.captured(4).toInt());
    return frame;
}

void Pump(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

void Settle(const QList<QWidget *> &windows, bool framed)
{
    QList<QRect> last;
    int stable = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 8000 && stable < 4) {
        Pump(100);
        QList<QRect> now;
        bool allFramed = true;
        for (QWidget *w : windows) {
            now << RealFrame(w);
            allFramed = allFramed && !w->geometry().topLeft().isNull();
            if (framed)
                allFramed = allFramed
                            && WindowProperty(w, "_NET_FRAME_EXTENTS").contains(QLatin1Char('='));
        }
        stable = now == last && allFramed ? stable + 1 : 0;
        last = now;
    }
}

bool StartWindowManager(QProcess &wm)
{
    wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!wm.waitForStarted(5000))
        return false;
    for (int i = 0; i < 100; ++i) {
        if (RunTool(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id")))
            return true;
        QThread::msleep(50);
    }
    return false;
}
