#pragma once

// Runs a probe program on a virtual X server, for the tests that need the real window system's
// input (typed or clicked with xdotool): there a key or a click reaches the program as it does
// on a user's desktop, not through Qt's test functions.

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The first of the tools a probe needs that this machine lacks, or an empty text.
inline QString MissingXvfbTool()
{
    for (const char *tool : {"xvfb-run", "xauth", "Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    }
    return {};
}

// Skips the calling test function where a tool is missing.
#define QZ_SKIP_WITHOUT_XVFB()                                                                   \
    do {                                                                                         \
        const QString missing = MissingXvfbTool();                                               \
        if (!missing.isEmpty())                                                                  \
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(missing)));               \
    } while (false)

// How a probe's X server is run: bare, as most tests want it, or with the small window manager
// openbox managing the probe's windows (stacking, activation on click, frames).
enum class XvfbDesktop { Bare, WithWindowManager };

// The window manager a probe can run under, or an empty text where it is not installed.
inline QString WindowManagerProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("openbox"));
}

// Runs program with args on a screen of the given size ("1024x768"); true when it finished
// within the time limit (a minute unless given) with exit code 0. Its standard output comes
// back as lines. With a window manager, the manager is started first and the program once the
// manager runs.
inline bool RunUnderXvfb(const QString &program, const QStringList &args, const QString &screen,
                         QStringList &lines, XvfbDesktop desktop = XvfbDesktop::Bare,
                         int timeoutMs = 60000)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The X11 platform plugin's D-Bus connection leaks a buffer that is not ours to fix.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    probe.setProcessEnvironment(env);
    QStringList command{program};
    command += args;
    if (desktop == XvfbDesktop::WithWindowManager) {
        // The manager's own output is not the probe's; it ends with the X server.
        const QString script = QStringLiteral(
            "%1 >/dev/null 2>&1 & for i in $(seq 1 50); do "
            "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; "
            "sleep 0.1; done; exec \"$@\"").arg(WindowManagerProgram());
        command = QStringList{QStringLiteral("sh"), QStringLiteral("-c"), script,
                              QStringLiteral("probe")} + command;
    }
    probe.start(QStringLiteral("xvfb-run"),
                QStringList{QStringLiteral("-a"), QStringLiteral("-s"),
                            QStringLiteral("-screen 0 %1x24").arg(screen)}
                    + command);
    if (!probe.waitForFinished(timeoutMs) || probe.exitStatus() != QProcess::NormalExit)
        return false;
    lines = QString::fromLatin1(probe.readAllStandardOutput())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return probe.exitCode() == 0;
}
