// What a user sees of the designer's windows under a window manager: lookprobe runs the
// designer with openbox on a virtual X server and checks the palette's hints under a resting
// pointer, the buttons the manager gives message and error boxes, the lines of an opened menu
// and the inspector's layout after a quick series of resizes.

#include "XvfbProbe.h"

#include <QtTest>

class WindowLookTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void windowsLookRightUnderAWindowManager()
    {
        QZ_SKIP_WITHOUT_XVFB();
        for (const char *tool : {"xwininfo", "xprop", "openbox"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
        }
        QStringList lines;
        const bool passed = RunUnderXvfb(QStringLiteral(LOOKPROBE_PATH), {m_dir.path()},
                                         QStringLiteral("1280x1024"), lines, XvfbDesktop::Bare,
                                         120000);
        QVERIFY2(passed, qPrintable(lines.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowLookTest)
#include "tst_windowlook.moc"
