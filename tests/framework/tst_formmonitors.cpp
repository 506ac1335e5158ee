// Forms on a desktop of two screens side by side: DefaultMonitor picks the screen a centred
// form centres on, and moves a form with a designed place to the screen it names.

#include "Application.h"
#include "Forms.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QtTest>

namespace {

const QRect kLeftScreen(0, 0, 800, 600);
const QRect kRightScreen(800, 0, 1024, 768);
const QSize kFormSize(200, 100);

QRect CentredIn(const QRect &area)
{
    return QRect(area.left() + (area.width() - kFormSize.width()) / 2,
                 area.top() + (area.height() - kFormSize.height()) / 2, kFormSize.width(),
                 kFormSize.height());
}

} // namespace

class FormMonitorsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TApplication> m_app;
    TForm *m_mainForm = nullptr;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), kLeftScreen);
    }
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        // The main form sits on the right-hand screen.
        m_mainForm = new TForm(m_app.get());
        m_app->SetMainForm(m_mainForm);
        m_mainForm->SetBorderStyle(bsNone);
        m_mainForm->SetBoundsRect(QRect(900, 100, 400, 300));
    }
    void cleanup() { m_app.reset(); }

    void centringGoesByTheDefaultMonitor_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<bool>("mainFormActive");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("primary") << int(dmPrimary) << true << CentredIn(kLeftScreen);
        QTest::newRow("main form's") << int(dmMainForm) << false << CentredIn(kRightScreen);
        QTest::newRow("active form's") << int(dmActiveForm) << true << CentredIn(kRightScreen);
        QTest::newRow("no active form: primary")
            << int(dmActiveForm) << false << CentredIn(kLeftScreen);
        QTest::newRow("desktop: primary") << int(dmDesktop) << true << CentredIn(kLeftScreen);
    }
    void centringGoesByTheDefaultMonitor()
    {
        QFETCH(int, monitor);
        QFETCH(bool, mainFormActive);
        QFETCH(QRect, expected);
        if (mainFormActive) {
            m_mainForm->Show();
            QVERIFY(QTest::qWaitForWindowActive(m_mainForm->Handle()));
        }
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        form.SetBoundsRect(QRect(QPoint(10, 10), kFormSize));
        form.SetPosition(poScreenCenter);
        form.SetDefaultMonitor(TDefaultMonitor(monitor));
        form.Show();
        QCOMPARE(form.BoundsRect(), expected);
    }

    void designedPlaceMovesToTheNamedScreen_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<QRect>("expected");
        const QRect designed(QPoint(100, 50), kFormSize);
        QTest::newRow("main form's") << int(dmMainForm) << designed.translated(800, 0);
        QTest::newRow("primary: already there") << int(dmPrimary) << designed;
        QTest::newRow("desktop: stays") << int(dmDesktop) << designed;
    }
    void designedPlaceMovesToTheNamedScreen()
    {
        QFETCH(int, monitor);
        QFETCH(QRect, expected);
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        form.SetBoundsRect(QRect(QPoint(100, 50), kFormSize));
        form.SetDefaultMonitor(TDefaultMonitor(monitor));
        QCOMPARE(form.DefaultScreen() == QGuiApplication::screens().at(1),
                 monitor == dmMainForm);
        form.Show();
        QCOMPARE(form.BoundsRect(), expected);
    }
};

// The offscreen platform makes the two screens from a configuration file.
int main(int argc, char *argv[])
{
    const QString config = QDir::temp().filePath(QStringLiteral("tst_formmonitors.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    file.write(R"({"windowFrameMargins": false, "screens": [
        {"name": "left", "x": 0, "y": 0, "width": 800, "height": 600,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "right", "x": 800, "y": 0, "width": 1024, "height": 768,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    FormMonitorsTest test;
    const int result = QTest::qExec(&test, argc, argv);
    QFile::remove(config);
    return result;
}

#include "tst_formmonitors.moc"
