#include "Strings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct EventLog
{
    void Changing(TObject *) { log << "changing"; }
    void Changed(TObject *) { log << "changed"; }
    QStringList log;
};

QString MessageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

} // namespace

class StringsTest : public QObject
{
    Q_OBJECT
private slots:
    void textSplitsAtAnyLineBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("crlf") << "a\r\nb" << QStringList{"a", "b"} << "a\r\nb";
        QTest::newRow("lf") << "a\nb" << QStringList{"a", "b"} << "a\r\nb";
        QTest::newRow("cr") << "a\rb" << QStringList{"a", "b"} << "a\r\nb";
        QTest::newRow("final break starts no line") << "a\nb\r\n" << QStringList{"a", "b"}
                                                    << "a\r\nb";
        QTest::newRow("empty lines kept") << "a\r\n\r\n\nb" << QStringList{"a", "", "", "b"}
                                          << "a\r\n\r\n\r\nb";
        QTest::newRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"}
                                             << "a\r\n\r\nb";
        QTest::newRow("empty") << "" << QStringList{} << "";
        QTest::newRow("one break") << "\n" << QStringList{""} << "";
    }

    void textSplitsAtAnyLineBreak()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QString, readBack);
        TStringList list;
        list.Add("old");
        list.SetText(text);
        QCOMPARE(list.ToStringList(), lines);
        QCOMPARE(list.Text(), readBack);
    }

    void commaTextReads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("plain") << "a,b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("blanks separate") << "  a b\t,c " << QStringList{"a", "b", "c"};
        QTest::newRow("empty item") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("trailing comma") << "a," << QStringList{"a"};
        QTest::newRow("quoted") << "\"a b\",\"c,d\",\"say \"\"hi\"\"\""
                                << QStringList{"a b", "c,d", "say \"hi\""};
        QTest::newRow("quoted empty") << "\"\"" << QStringList{""};
        QTest::newRow("unterminated quote") << "\"abc" << QStringList{"abc"};
        QTest::newRow("nothing") << "   " << QStringList{};
    }

    void commaTextReads()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        TStringList list;
        list.SetCommaText(text);
        QCOMPARE(list.ToStringList(), items);
    }

    void commaTextRoundTrips_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringList{"a", "b"} << "a,b";
        QTest::newRow("needs quotes") << QStringList{"a b", "x,y", "q\""}
                                      << "\"a b\",\"x,y\",\"q\"\"\"";
        QTest::newRow("empty middle") << QStringList{"a", "", "b"} << "a,,b";
        QTest::newRow("single empty") << QStringList{""} << "\"\"";
        QTest::newRow("none") << QStringList{} << "";
    }

    void commaTextRoundTrips()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, text);
        TStringList list;
        list.SetStringList(items);
        QCOMPARE(list.CommaText(), text);
        TStringList back;
        back.SetCommaText(list.CommaText());
        QCOMPARE(back.ToStringList(), items);
    }

    void namesAndValues()
    {
        TStringList list;
        list.SetText("Left=10\nTop=\nnovalue\nleft=20");
        QCOMPARE(list.Names(0), QStringLiteral("Left"));
        QCOMPARE(list.Names(2), QString());
        QCOMPARE(list.Values("LEFT"), QStringLiteral("10")); // the first, ignoring case
        QCOMPARE(list.Values("Top"), QString());
        QCOMPARE(list.Values("Width"), QString());
        list.SetValues("Width", "5");
        QCOMPARE(list.Strings(4), QStringLiteral("Width=5"));
        list.SetValues("left", "a=b");
        QCOMPARE(list.Strings(0), QStringLiteral("left=a=b"));
        QCOMPARE(list.Values("Left"), QStringLiteral("a=b"));
        list.SetValues("Top", "");
        QCOMPARE(list.IndexOfName("Top"), -1);
        QCOMPARE(list.Count(), 4);
    }

    void indexErrors()
    {
        TStringList list;
        list.Add("a");
        QCOMPARE(MessageOf([&] { list.Strings(1); }),
                 QStringLiteral("List index out of bounds (1)"));
        QCOMPARE(MessageOf([&] { list.Objects(-1); }),
                 QStringLiteral("List index out of bounds (-1)"));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.Delete(1));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.Insert(2, "x"));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.Exchange(0, 1));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.Move(0, 1));
        list.Insert(1, "b"); // at the end is allowed
        QCOMPARE(list.Count(), 2);
    }

    void objectsTravelWithTheirStrings()
    {
        TStringList list;
        TObject a, b, c;
        list.AddObject("a", &a);
        list.AddObject("b", &b);
        list.InsertObject(0, "c", &c);
        list.Move(0, 2);
        QCOMPARE(list.ToStringList(), (QStringList{"a", "b", "c"}));
        QCOMPARE(list.Objects(2), &c);
        list.Exchange(0, 2);
        QCOMPARE(list.Strings(0), QStringLiteral("c"));
        QCOMPARE(list.Objects(0), &c);
        QCOMPARE(list.Objects(2), &a);
        list.Move(2, 0);
        QCOMPARE(list.ToStringList(), (QStringList{"a", "c", "b"}));
        QCOMPARE(list.IndexOfObject(&b), 2);
        QCOMPARE(list.IndexOf("C"), 1);
        list.SetStrings(1, "d");
        QCOMPARE(list.Objects(1), &c);
    }

    void sortedListKeepsOrder_data()
    {
        QTest::addColumn<int>("duplicates");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("error");
        QTest::newRow("ignore") << int(dupIgnore) << QStringList{"a", "B", "c"} << "";
        QTest::newRow("accept") << int(dupAccept) << QStringList{"a", "b", "B", "c"} << "";
        QTest::newRow("error") << int(dupError) << QStringList{"a", "B", "c"}
                               << "String list does not allow duplicates";
    }

    void sortedListKeepsOrder()
    {
        QFETCH(int, duplicates);
        QFETCH(QStringList, expected);
        QFETCH(QString, error);
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(TDuplicates(duplicates));
        list.Add("c");
        list.Add("B");
        list.Add("a");
        QCOMPARE(MessageOf([&] { list.Add("b"); }), error);
        QCOMPARE(list.ToStringList(), expected);
        QCOMPARE(list.IndexOf("C"), expected.size() - 1);
    }

    void sortedListFindsAndRefusesPositions()
    {
        TStringList list;
        list.SetCommaText("pear,Apple,fig");
        list.SetSorted(true);
        QCOMPARE(list.ToStringList(), (QStringList{"Apple", "fig", "pear"}));
        int index = -1;
        QVERIFY(list.Find("FIG", index));
        QCOMPARE(index, 1);
        QVERIFY(!list.Find("grape", index));
        QCOMPARE(index, 2);
        QVERIFY(!list.Find("zz", index));
        QCOMPARE(index, 3);
        QCOMPARE(MessageOf([&] { list.Insert(0, "x"); }),
                 QStringLiteral("Operation not allowed on sorted string list"));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.SetStrings(0, "x"));
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.Move(0, 1));
        QCOMPARE(list.Count(), 3);

        TObject tag;
        list.AddObject("apple", &tag); // dupIgnore: the existing item keeps its object
        QCOMPARE(list.Count(), 3);
        QCOMPARE(list.Objects(0), nullptr);

        list.SetCaseSensitive(true);
        QVERIFY(!list.Find("APPLE", index));
        list.Add("apple");
        QCOMPARE(list.Count(), 4);
    }

    void changeEvents()
    {
        TStringList list;
        EventLog events;
        list.OnChanging = TNotifyEvent::Of<&EventLog::Changing>(&events);
        list.OnChange = TNotifyEvent::Of<&EventLog::Changed>(&events);
        list.Add("a");
        QCOMPARE(events.log, (QStringList{"changing", "changed"}));
        events.log.clear();
        list.SetText("x\ny\nz"); // one announcement for the whole text
        QCOMPARE(events.log, (QStringList{"changing", "changed"}));
        events.log.clear();
        list.BeginUpdate();
        list.Delete(0);
        list.BeginUpdate();
        list.Add("w");
        list.EndUpdate();
        QVERIFY(events.log == QStringList{"changing"});
        list.EndUpdate();
        QCOMPARE(events.log, (QStringList{"changing", "changed"}));
    }

    void failedBulkChangeEndsTheUpdate()
    {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(dupError);
        QVERIFY_THROWS_EXCEPTION(EStringListError, list.SetCommaText("a,b,a"));
        QCOMPARE(list.UpdateCount(), 0);
        EventLog events;
        list.OnChange = TNotifyEvent::Of<&EventLog::Changed>(&events);
        list.Add("c");
        QCOMPARE(events.log, QStringList{"changed"});
    }

    void assign()
    {
        TStringList source, dest;
        TObject tag;
        source.AddObject("one", &tag);
        source.Add("two");
        dest.Add("old");
        dest.Assign(&source);
        QVERIFY(dest.Equals(&source));
        QCOMPARE(dest.Objects(0), &tag);
        dest.Assign(&dest);
        QCOMPARE(dest.Count(), 2);
        TPersistent other;
        QCOMPARE(MessageOf([&] { dest.Assign(&other); }),
                 QStringLiteral("Cannot assign a TPersistent to a TStringList"));
    }

    void files()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("lines.txt");
        TStringList list;
        list.SetStringList({"first", "", "grüße"});
        list.SaveToFile(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("first\r\n\r\ngr\xC3\xBC\xC3\x9F" "e\r\n"));
        file.close();
        TStringList loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.ToStringList(), list.ToStringList());

        // A file that is not UTF-8 reads as Latin-1.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("caf\xE9\nx");
        file.close();
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.ToStringList(), (QStringList{QStringLiteral("café"), "x"}));

        QCOMPARE(MessageOf([&] { loaded.LoadFromFile(dir.filePath("none.txt")); }),
                 "Cannot open file " + dir.filePath("none.txt"));
        QVERIFY_THROWS_EXCEPTION(EFCreateError, list.SaveToFile(path + "/under/a/file"));
    }
};

QTEST_GUILESS_MAIN(StringsTest)
#include "tst_strings.moc"
