#include "ZePlacement.h"

#include "Application.h"
#include "Forms.h"
#include "Registry.h"

#include <QtTest>

#include <memory>

namespace {

const QString kIDE = QStringLiteral("IDE");
const QRect kDesigned(10, 20, 300, 127);

QByteArray FileContent(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void WriteFile(const QString &fileName, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Values a window keeps beside its placement, and what the callbacks saw.
struct TExtra
{
    int splitPos = 0;
    bool showHints = false;
    int calls = 0;
    bool storeWasOpen = false;

    static void Write(void *data, TSettingsStore &store)
    {
        auto *self = static_cast<TExtra *>(data);
        ++self->calls;
        self->storeWasOpen = store.IsOpen();
        store.WriteInteger(kIDE, QStringLiteral("SplitPos"), self->splitPos);
        store.WriteBool(kIDE, QStringLiteral("ShowHints"), self->showHints);
    }
    static void Read(void *data, TSettingsStore &store)
    {
        auto *self = static_cast<TExtra *>(data);
        ++self->calls;
        self->storeWasOpen = store.IsOpen();
        self->splitPos = store.ReadInteger(kIDE, QStringLiteral("SplitPos"), -1);
        self->showHints = store.ReadBool(kIDE, QStringLiteral("ShowHints"), false);
    }
};

} // namespace

class PlacementTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TApplication> m_app;
    QList<TMessageBoxRequest> m_boxes;
    std::unique_ptr<QTemporaryDir> m_dir;

    std::unique_ptr<TForm> MakeForm(TFormBorderStyle border, TPosition position)
    {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetBorderStyle(border);
        form->SetPosition(position);
        form->SetBoundsRect(kDesigned);
        return form;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_boxes.clear();
        m_app->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_boxes.append(r);
            return IDOK;
        };
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        SetSettingsRootForTesting(m_dir->path());
    }
    void cleanup()
    {
        SetSettingsRootForTesting(QString());
        m_dir.reset();
        m_app.reset();
    }

    void saveWritesWhatBorderAndPositionAllow_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("sizeable at designed place")
            << int(bsSizeable) << int(poDesigned) << QByteArray()
            << QByteArray("[IDE]\nHeight=127\nWidth=300\nLeft=10\nTop=20\nIsMaxForm=0\n");
        QTest::newRow("sizeable tool window")
            << int(bsSizeToolWin) << int(poDesigned) << QByteArray()
            << QByteArray("[IDE]\nHeight=127\nWidth=300\nLeft=10\nTop=20\nIsMaxForm=0\n");
        QTest::newRow("single border keeps its size")
            << int(bsSingle) << int(poDesigned) << QByteArray()
            << QByteArray("[IDE]\nLeft=10\nTop=20\nIsMaxForm=0\n");
        QTest::newRow("screen centre keeps no place")
            << int(bsSizeable) << int(poScreenCenter) << QByteArray()
            << QByteArray("[IDE]\nHeight=127\nWidth=300\nIsMaxForm=0\n");
        QTest::newRow("fixed dialog at screen centre")
            << int(bsDialog) << int(poScreenCenter) << QByteArray()
            << QByteArray("[IDE]\nIsMaxForm=0\n");
        QTest::newRow("other sections stay, old values change")
            << int(bsSizeable) << int(poDesigned)
            << QByteArray("[ObjInsp]\nTop=5\n\n[ide]\nheight=1\nIsMaxForm=1\n\n[Custom Colors]\n"
                          "ColorA=FFFFFF\n")
            << QByteArray("[ObjInsp]\nTop=5\n\n[ide]\nheight=127\nIsMaxForm=0\nWidth=300\n"
                          "Left=10\nTop=20\n\n[Custom Colors]\nColorA=FFFFFF\n");
    }
    void saveWritesWhatBorderAndPositionAllow()
    {
        QFETCH(int, border);
        QFETCH(int, position);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            WriteFile(MachineSettingsFile(), before);
        auto form = MakeForm(TFormBorderStyle(border), TPosition(position));
        SaveFormPlacement(form.get(), kIDE, kIDE);
        QCOMPARE(FileContent(MachineSettingsFile()), after);
        QVERIFY(m_boxes.isEmpty());
    }

    void minimizedOrMaximizedSavesNormalPlace_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QByteArray>("isMaxForm");
        QTest::newRow("minimized") << int(wsMinimized) << QByteArray("0");
        QTest::newRow("maximized") << int(wsMaximized) << QByteArray("1");
    }
    void minimizedOrMaximizedSavesNormalPlace()
    {
        QFETCH(int, state);
        QFETCH(QByteArray, isMaxForm);
        auto form = MakeForm(bsSizeable, poDesigned);
        form->SetWindowState(TWindowState(state));
        // The window system's place for the minimized or maximized window.
        form->SetBounds(0, 0, 800, 600);
        QCOMPARE(form->NormalBoundsRect(), kDesigned);
        SaveFormPlacement(form.get(), kIDE, kIDE);
        QCOMPARE(FileContent(MachineSettingsFile()),
                 "[IDE]\nHeight=127\nWidth=300\nLeft=10\nTop=20\nIsMaxForm=" + isMaxForm + "\n");
    }

    void loadPutsWindowBack_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("state");
        const QByteArray all("[IDE]\nHeight=200\nWidth=400\nLeft=30\nTop=40\n");
        QTest::newRow("everything stored")
            << int(bsSizeable) << int(poDesigned) << all << QRect(30, 40, 400, 200)
            << int(wsNormal);
        QTest::newRow("leading zero and hexadecimal")
            << int(bsSizeToolWin) << int(poDesigned)
            << QByteArray("[IDE]\nHeight=0xC8\nWidth=0400\nLeft=0X1e\nTop=040\n")
            << QRect(30, 40, 400, 200) << int(wsNormal);
        QTest::newRow("single border keeps designed size")
            << int(bsSingle) << int(poDesigned) << all << QRect(30, 40, 300, 127)
            << int(wsNormal);
        QTest::newRow("screen centre keeps designed place")
            << int(bsSizeable) << int(poScreenCenter) << all << QRect(10, 20, 400, 200)
            << int(wsNormal);
        QTest::newRow("values that are no numbers keep designed place")
            << int(bsSizeable) << int(poDesigned)
            << QByteArray("[IDE]\nHeight=12abc\nWidth=\nLeft= \nTop=$10\nIsMaxForm=yes\n")
            << kDesigned << int(wsNormal);
        QTest::newRow("maximized")
            << int(bsSizeable) << int(poDesigned) << all + "IsMaxForm=1\n"
            << QRect(30, 40, 400, 200) << int(wsMaximized);
        QTest::newRow("maximized whatever the border")
            << int(bsDialog) << int(poScreenCenter) << QByteArray("[IDE]\nIsMaxForm=1\n")
            << kDesigned << int(wsMaximized);
        QTest::newRow("not maximized")
            << int(bsSizeable) << int(poDesigned) << all + "IsMaxForm=0\n"
            << QRect(30, 40, 400, 200) << int(wsNormal);
        QTest::newRow("empty store") << int(bsSizeable) << int(poDesigned) << QByteArray()
                                     << kDesigned << int(wsNormal);
        QTest::newRow("another window's section")
            << int(bsSizeable) << int(poDesigned)
            << QByteArray("[ObjInsp]\nHeight=1\nWidth=2\nLeft=3\nTop=4\nIsMaxForm=1\n")
            << kDesigned << int(wsNormal);
    }
    void loadPutsWindowBack()
    {
        QFETCH(int, border);
        QFETCH(int, position);
        QFETCH(QByteArray, content);
        QFETCH(QRect, bounds);
        QFETCH(int, state);
        WriteFile(MachineSettingsFile(), content);
        auto form = MakeForm(TFormBorderStyle(border), TPosition(position));
        LoadFormPlacement(form.get(), kIDE, kIDE);
        QCOMPARE(form->BoundsRect(), bounds);
        QCOMPARE(int(form->WindowState()), state);
        QVERIFY(m_boxes.isEmpty());
    }

    void placementRoundTripsThroughMissingStore()
    {
        QVERIFY(!QFileInfo::exists(MachineSettingsFile()));
        auto saved = MakeForm(bsSizeable, poDesigned);
        saved->SetWindowState(wsMaximized);
        SaveFormPlacement(saved.get(), QStringLiteral("Rozizodu"), QStringLiteral("Rozizodu"));
        auto loaded = std::make_unique<TForm>(nullptr);
        LoadFormPlacement(loaded.get(), QStringLiteral("Rozizodu"), QStringLiteral("Rozizodu"));
        QCOMPARE(loaded->BoundsRect(), kDesigned);
        QCOMPARE(loaded->WindowState(), wsMaximized);
        QVERIFY(m_boxes.isEmpty());
    }

    void callbacksGetTheStoreAndRoundTrip()
    {
        auto form = MakeForm(bsSingle, poScreenCenter);
        TExtra written{123, true};
        SaveFormPlacement(form.get(), kIDE, kIDE, &TExtra::Write, &written);
        QCOMPARE(written.calls, 1);
        QVERIFY(written.storeWasOpen);
        // The writer's values follow the placement, in the same file.
        QCOMPARE(FileContent(MachineSettingsFile()),
                 QByteArray("[IDE]\nIsMaxForm=0\nSplitPos=123\nShowHints=1\n"));
        TExtra read;
        LoadFormPlacement(form.get(), kIDE, kIDE, &TExtra::Read, &read);
        QCOMPARE(read.calls, 1);
        QVERIFY(read.storeWasOpen);
        QCOMPARE(read.splitPos, 123);
        QCOMPARE(read.showHints, true);
    }

    void failedWriteIsReportedOnceAndLosesNothing()
    {
        const QByteArray stored("[IDE]\nHeight=127\nWidth=300\nLeft=1\nTop=2\nIsMaxForm=0\n");
        WriteFile(MachineSettingsFile(), stored);
        // The store opens, then its folder goes away under it (as a full disk or a lost mount
        // would have it): the new file cannot be written beside the old one, whoever the user.
        const QString folder = QFileInfo(MachineSettingsFile()).absolutePath();
        auto form = MakeForm(bsSizeable, poDesigned);
        TExtra written{7, true};
        auto saveWhileFolderIsGone = [&] {
            SaveFormPlacement(form.get(), kIDE, kIDE, [](void *data, TSettingsStore &store) {
                // The writer runs with the store open; the folder is moved away meanwhile.
                TExtra::Write(data, store);
                const QString dir = QFileInfo(store.FileName()).absolutePath();
                QDir().rename(dir, dir + QStringLiteral(".away"));
                WriteFile(dir, "a file where the folder was");
            }, &written);
            QFile::remove(folder);
            QDir().rename(folder + QStringLiteral(".away"), folder);
        };
        saveWhileFolderIsGone();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes.at(0).Text.startsWith(
                     QStringLiteral("The window places could not be saved in %1: ")
                         .arg(MachineSettingsFile())),
                 qPrintable(m_boxes.at(0).Text));
        QVERIFY(m_boxes.at(0).Text.endsWith(QStringLiteral("The places saved before are kept.")));
        QCOMPARE(m_boxes.at(0).Flags, MB_OK | MB_ICONERROR);
        QCOMPARE(FileContent(MachineSettingsFile()), stored);
        // Every later failure of the run is not shown again.
        saveWhileFolderIsGone();
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(FileContent(MachineSettingsFile()), stored);
        // Once writable again, the places are saved.
        SaveFormPlacement(form.get(), kIDE, kIDE);
        QCOMPARE(FileContent(MachineSettingsFile()),
                 QByteArray("[IDE]\nHeight=127\nWidth=300\nLeft=10\nTop=20\nIsMaxForm=0\n"));
        QCOMPARE(m_boxes.size(), 1);
    }

    void unwritableStoreSaysSoAndKeepsDesignedPlace()
    {
        // A folder that cannot be made, whatever the user's rights: its parent is a file.
        const QString plain = m_dir->filePath(QStringLiteral("plain"));
        WriteFile(plain, "not a folder");
        SetSettingsRootForTesting(plain);
        const QString expected = QStringLiteral(
            "I torture to create branch HKEY_LOCAL_MACHINE "
            "\\SOFTWARE\\Dremholt\\Vormelline\\V6\\Rozizodu\\\r\n"
            "But is not got. System manager, can, you has overdone with safety ?");

        auto form = MakeForm(bsSizeable, poDesigned);
        form->SetWindowState(wsMaximized);
        TExtra written{5, true};
        SaveFormPlacement(form.get(), QStringLiteral("Rozizodu"), kIDE, &TExtra::Write,
                          &written);
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.at(0).Text, expected);
        QCOMPARE(m_boxes.at(0).Flags, MB_OK | MB_ICONERROR);
        QCOMPARE(written.calls, 1);
        QVERIFY(!written.storeWasOpen);
        QVERIFY(!QFileInfo::exists(MachineSettingsFile()));

        auto loaded = MakeForm(bsSizeable, poDesigned);
        TExtra read{99, true};
        LoadFormPlacement(loaded.get(), QStringLiteral("Rozizodu"), kIDE, &TExtra::Read, &read);
        QCOMPARE(m_boxes.size(), 2);
        QCOMPARE(m_boxes.at(1).Text, expected);
        QCOMPARE(loaded->BoundsRect(), kDesigned);
        QCOMPARE(loaded->WindowState(), wsNormal);
        QCOMPARE(read.calls, 1);
        QCOMPARE(read.splitPos, -1);
        QCOMPARE(read.showHints, false);
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
