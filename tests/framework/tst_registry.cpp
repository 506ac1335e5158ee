#include "Registry.h"

#include <QtTest>

namespace {

void WriteFile(const QString &fileName, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray FileContent(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

} // namespace

class RegistryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("V6.ini"));
        QFile::remove(m_file);
    }

    void readInteger_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        const int def = 77;
        QTest::newRow("decimal") << QByteArray("127") << 127;
        QTest::newRow("leading zero is decimal") << QByteArray("010") << 10;
        QTest::newRow("hexadecimal 0x") << QByteArray("0x1F") << 31;
        QTest::newRow("hexadecimal 0X mixed digits") << QByteArray("0X1f") << 31;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("negative hexadecimal") << QByteArray("-0x10") << -16;
        QTest::newRow("hexadecimal 32-bit pattern") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("blanks around") << QByteArray(" 42 ") << 42;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("trailing letters") << QByteArray("12abc") << def;
        QTest::newRow("empty") << QByteArray("") << def;
        QTest::newRow("blank") << QByteArray(" ") << def;
        QTest::newRow("prefix without digits") << QByteArray("0x") << def;
        QTest::newRow("dollar is no hexadecimal mark") << QByteArray("$1F") << def;
        QTest::newRow("blank inside") << QByteArray("1 2") << def;
        QTest::newRow("beyond 32 bits") << QByteArray("2147483648") << def;
        QTest::newRow("hexadecimal beyond 32 bits") << QByteArray("0x100000000") << def;
        QTest::newRow("fraction") << QByteArray("1.5") << def;
    }
    void readInteger()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        WriteFile(m_file, "[IDE]\nValue=" + stored + "\n");
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadInteger(QStringLiteral("IDE"), QStringLiteral("Value"), 77), expected);
        QCOMPARE(store.ReadInteger(QStringLiteral("IDE"), QStringLiteral("Missing"), 77), 77);
        QCOMPARE(store.ReadInteger(QStringLiteral("Nowhere"), QStringLiteral("Value"), 77), 77);
    }

    void readBool_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("one") << QByteArray("[S]\nB=1\n") << false << true;
        QTest::newRow("zero") << QByteArray("[S]\nB=0\n") << true << false;
        QTest::newRow("any nonzero") << QByteArray("[S]\nB=-3\n") << false << true;
        QTest::newRow("hexadecimal nonzero") << QByteArray("[S]\nB=0x10\n") << false << true;
        QTest::newRow("word is no number") << QByteArray("[S]\nB=true\n") << false << false;
        QTest::newRow("word keeps true default") << QByteArray("[S]\nB=no\n") << true << true;
        QTest::newRow("missing") << QByteArray("[S]\n") << true << true;
    }
    void readBool()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        WriteFile(m_file, content);
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadBool(QStringLiteral("S"), QStringLiteral("B"), defaultValue), expected);
    }

    void savedFileIsByteExact()
    {
        TSettingsStore store;
        QVERIFY(store.Open(m_file, true));
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 127);
        store.WriteBool(QStringLiteral("IDE"), QStringLiteral("IsMaxForm"), true);
        store.WriteString(QStringLiteral("Custom Colors"), QStringLiteral("ColorA"),
                          QStringLiteral("FFFFFF"));
        // A new value of an earlier section goes to that section, not to the end of the file.
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Width"), -300);
        store.WriteBool(QStringLiteral("ide"), QStringLiteral("ISMAXFORM"), false);
        QVERIFY(store.Close());
        QCOMPARE(FileContent(m_file), QByteArray("[IDE]\nHeight=127\nIsMaxForm=0\nWidth=-300\n"
                                                 "\n[Custom Colors]\nColorA=FFFFFF\n"));
    }

    void lookupIgnoresCase()
    {
        WriteFile(m_file, "[Custom Colors]\nColorA=00FF00\n");
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadString(QStringLiteral("custom colors"), QStringLiteral("COLORA"), {}),
                 QStringLiteral("00FF00"));
        QVERIFY(store.ValueExists(QStringLiteral("CUSTOM COLORS"), QStringLiteral("colora")));
        QVERIFY(!store.ValueExists(QStringLiteral("CustomColors"), QStringLiteral("ColorA")));
    }

    void unknownLinesSurviveRewrite()
    {
        WriteFile(m_file, "; kept by hand\n[Other]\nkey = some value\nno equals sign\n\n"
                          "[IDE]\n# a note\nHeight=1\n=nameless\n\n\n[Last]\nX=1\n");
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadString(QStringLiteral("Other"), QStringLiteral("KEY"), {}),
                 QStringLiteral(" some value"));
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 2);
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Left"), 3);
        QVERIFY(store.Close());
        QCOMPARE(FileContent(m_file),
                 QByteArray("; kept by hand\n[Other]\nkey = some value\nno equals sign\n\n"
                            "[IDE]\n# a note\nHeight=2\n=nameless\nLeft=3\n\n\n[Last]\nX=1\n"));
    }

    void unchangedFileIsNotRewritten()
    {
        const QByteArray content("[IDE]\r\nHeight=5\r\n; note");
        WriteFile(m_file, content);
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 0), 5);
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 5);
        QVERIFY(store.Close());
        QCOMPARE(FileContent(m_file), content);
    }

    void stringsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("blanks kept") << QStringLiteral(" a b ") << QStringLiteral(" a b ");
        QTest::newRow("equals sign") << QStringLiteral("x=y") << QStringLiteral("x=y");
        QTest::newRow("brackets") << QStringLiteral("[IDE]") << QStringLiteral("[IDE]");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("not Latin-1") << QStringLiteral("Größe €") << QStringLiteral("Größe €");
        QTest::newRow("line breaks become blanks")
            << QStringLiteral("one\r\ntwo\nthree") << QStringLiteral("one  two three");
    }
    void stringsRoundTrip()
    {
        QFETCH(QString, value);
        QFETCH(QString, readBack);
        {
            TSettingsStore store;
            QVERIFY(store.Open(m_file, true));
            store.WriteString(QStringLiteral("S"), QStringLiteral("V"), value);
            store.WriteInteger(QStringLiteral("S"), QStringLiteral("After"), 1);
        } // the destructor writes
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadString(QStringLiteral("S"), QStringLiteral("V"), QStringLiteral("-")),
                 readBack);
        QCOMPARE(store.ReadInteger(QStringLiteral("S"), QStringLiteral("After"), 0), 1);
    }

    void readAndEraseSections()
    {
        WriteFile(m_file, "[A]\nx=1\n; comment\ny = 2\n\n[B]\nz=3\n\n[a]\nw=4\n\n[C]\nv=5\n");
        TSettingsStore store;
        QVERIFY(store.Open(m_file, false));
        QCOMPARE(store.ReadSection(QStringLiteral("a")),
                 QStringList({QStringLiteral("x=1"), QStringLiteral("y= 2")}));
        QCOMPARE(store.ReadSection(QStringLiteral("Missing")), QStringList());
        // Both spellings of A go: nothing of the section may be left to read.
        store.EraseSection(QStringLiteral("A"));
        QVERIFY(!store.ValueExists(QStringLiteral("A"), QStringLiteral("w")));
        store.EraseSection(QStringLiteral("C"));
        store.EraseSection(QStringLiteral("Missing"));
        QVERIFY(store.Close());
        QCOMPARE(FileContent(m_file), QByteArray("[B]\nz=3\n"));
    }

    void openMakesFolderAndFile()
    {
        const QString nested = m_dir.filePath(QStringLiteral("a/b/V6.ini"));
        TSettingsStore store;
        QVERIFY(!store.Open(nested, false));
        QVERIFY(!QFileInfo::exists(nested));
        QVERIFY(store.Open(nested, true));
        QVERIFY(store.IsOpen());
        QCOMPARE(FileContent(nested), QByteArray());
    }

    void openFailure_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("folder under a regular file") << QStringLiteral("plain/sub/V6.ini");
        QTest::newRow("file under a regular file") << QStringLiteral("plain/V6.ini");
        QTest::newRow("file is a folder") << QStringLiteral("folder");
    }
    void openFailure()
    {
        QFETCH(QString, path);
        WriteFile(m_dir.filePath(QStringLiteral("plain")), "not a folder");
        QDir(m_dir.path()).mkpath(QStringLiteral("folder"));
        TSettingsStore store;
        QVERIFY(!store.Open(m_dir.filePath(path), true));
        QVERIFY(!store.IsOpen());
        // A store that did not open takes writes without effect and reads defaults.
        store.WriteInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 5);
        QCOMPARE(store.ReadInteger(QStringLiteral("IDE"), QStringLiteral("Height"), 9), 9);
        QVERIFY(!store.ReadBool(QStringLiteral("IDE"), QStringLiteral("Height"), false));
        QVERIFY(!store.Close());
    }

    void locationFollowsTheSeam()
    {
        SetSettingsRootForTesting(m_dir.path());
        QCOMPARE(MachineSettingsFile(), m_dir.path() + "/machine/Dremholt/Vormelline/V6.ini");
        QCOMPARE(UserSettingsFile(), m_dir.path() + "/user/Dremholt/Vormelline/V6.ini");
        SetSettingsRootForTesting(QString());
        QCOMPARE(MachineSettingsFile(), QStringLiteral("/etc/xdg/Dremholt/Vormelline/V6.ini"));
    }

    void userFileFollowsXdgConfigHome_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath() + "/.config/Dremholt/Vormelline/V6.ini";
        QTest::newRow("set") << QByteArray("/srv/conf")
                             << QStringLiteral("/srv/conf/Dremholt/Vormelline/V6.ini");
        QTest::newRow("empty") << QByteArray("") << home;
        QTest::newRow("relative is ignored") << QByteArray("conf") << home;
    }
    void userFileFollowsXdgConfigHome()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", xdg);
        const QString actual = UserSettingsFile();
        if (wasSet)
            qputenv("XDG_CONFIG_HOME", saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(RegistryTest)
#include "tst_registry.moc"
