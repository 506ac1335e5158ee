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

// Runs program with args on a screen of the given size ("1024x768"); true when it finished
// within the time limit (a minute unless given) with exit code 0. Its standard output comes
// back as lines.
inline bool RunUnderXvfb(const QString &program, const QStringList &args, const QString &screen,
                         QStringList &lines, int timeoutMs = 60000)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The X11 platform plugin's D-Bus connection leaks a buffer that is not ours to fix.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral("xvfb-run"),
                QStringList{QStringLiteral("-a"), QStringLiteral("-s"),
                            QStringLiteral("-screen 0 %1x24").arg(screen), program}
                    + args);
    if (!probe.waitForFinished(timeoutMs) || probe.exitStatus() != QProcess::NormalExit)
        return false;
    lines = QString::fromLatin1(probe.readAllStandardOutput())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return probe.exitCode() == 0;
}
