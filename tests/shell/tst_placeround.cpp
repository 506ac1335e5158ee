// Window places round-trip exactly on a real X server: placeprobe opens and closes the designer
// ten times, once under a window manager (openbox) and once on a bare server, and checks every
// window's real outer frame against the first-run places and then against where the user left
// it; a main window stored maximized is a full-width strip 127 pixels high.

#include "XvfbProbe.h"

#include <QtTest>

class PlaceRoundTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void tenOpeningsLeaveEveryWindowInPlace_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("openbox") << true;
        QTest::newRow("bare X server") << false;
    }
    void tenOpeningsLeaveEveryWindowInPlace()
    {
        QFETCH(bool, windowManager);
        QZ_SKIP_WITHOUT_XVFB();
        for (const char *tool : {"xwininfo", "xprop"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
        }
        if (windowManager && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("openbox is not installed");
        QStringList args;
        if (windowManager)
            args << QStringLiteral("--wm");
        args << m_dir.path() + QLatin1Char('/') + QTest::currentDataTag();
        QStringList lines;
        const bool passed =
            RunUnderXvfb(QStringLiteral(PLACEPROBE_PATH), args, QStringLiteral("1280x1024"),
                         lines, XvfbDesktop::Bare, 180000);
        QVERIFY2(passed, qPrintable(lines.join(QLatin1Char('\n'))));
        // Ten openings of four windows, the maximized strip and its restored place.
        QCOMPARE(lines.size(), 42);
    }
};

QTEST_MAIN(PlaceRoundTest)
#include "tst_placeround.moc"
