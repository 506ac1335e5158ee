#include "FontNames.h"
#include "IdentTables.h"
#include "ShortCuts.h"
#include "SysUtils.h"

#include <QFontDatabase>
#include <QtTest>

#include <cfloat>
#include <set>

namespace {

enum TTable { tColor, tCursor, tCharset };

bool ToIdent(TTable table, qint64 value, QString &ident)
{
    switch (table) {
    case tColor: return ColorToIdent(value, ident);
    case tCursor: return CursorToIdent(value, ident);
    default: return CharsetToIdent(value, ident);
    }
}

bool FromIdent(TTable table, const QString &ident, qint64 &value)
{
    switch (table) {
    case tColor: return IdentToColor(ident, value);
    case tCursor: return IdentToCursor(ident, value);
    default: return IdentToCharset(ident, value);
    }
}

// Sets a default locale for one test and puts the fixed C locale back afterwards.
class TLocaleScope
{
public:
    explicit TLocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~TLocaleScope() { QLocale::setDefault(QLocale::c()); }
};

constexpr TDateTime kNewYear2024 = 45292; // 2024-01-01

// The message of the EConvertError that fn raises.
template<class F> QString ConvertErrorOf(F fn)
{
    try {
        fn();
    } catch (const EConvertError &e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

class ValueTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // ---- identifier tables ----

    void identsBothWays_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("ident");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("first colour") << int(tColor) << qint64(0) << "clBlack" << qint64(0);
        QTest::newRow("red is BGR") << int(tColor) << qint64(0xFF) << "clRed" << qint64(0xFF);
        QTest::newRow("system colour unsigned")
            << int(tColor) << qint64(0x80000005) << "clWindow" << qint64(qint32(0x80000005u));
        QTest::newRow("system colour as int32")
            << int(tColor) << qint64(qint32(0x80000005u)) << "clWindow"
            << qint64(qint32(0x80000005u));
        QTest::newRow("last system colour")
            << int(tColor) << qint64(0x80000018) << "clInfoBk" << qint64(qint32(0x80000018u));
        QTest::newRow("clNone") << int(tColor) << qint64(0x1FFFFFFF) << "clNone"
                                << qint64(0x1FFFFFFF);
        QTest::newRow("crDefault") << int(tCursor) << qint64(0) << "crDefault" << qint64(0);
        QTest::newRow("cursor after gap") << int(tCursor) << qint64(-6) << "crSizeNESW"
                                          << qint64(-6);
        QTest::newRow("crHandPoint") << int(tCursor) << qint64(-21) << "crHandPoint"
                                     << qint64(-21);
        QTest::newRow("MAC_CHARSET") << int(tCharset) << qint64(77) << "MAC_CHARSET"
                                     << qint64(77);
        QTest::newRow("OEM_CHARSET") << int(tCharset) << qint64(255) << "OEM_CHARSET"
                                     << qint64(255);
    }
    void identsBothWays()
    {
        QFETCH(int, table);
        QFETCH(qint64, value);
        QFETCH(QString, ident);
        QFETCH(qint64, stored);
        QString name;
        QVERIFY(ToIdent(TTable(table), value, name));
        QCOMPARE(name, ident);
        qint64 back = -12345;
        QVERIFY(FromIdent(TTable(table), ident.toUpper(), back));
        QCOMPARE(back, stored);
    }

    void identsUnknown_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("ident");
        QTest::newRow("unnamed colour") << int(tColor) << qint64(0x123456) << "clMauve";
        QTest::newRow("colour beyond 32 bits") << int(tColor) << qint64(0x180000005) << "";
        QTest::newRow("system colour past the table")
            << int(tColor) << qint64(0x80000019) << "clWindow ";
        QTest::newRow("cursor gap -5") << int(tCursor) << qint64(-5) << "crHourglasses";
        QTest::newRow("cursor as unsigned 16-bit") << int(tCursor) << qint64(0xFFFE) << "Arrow";
        QTest::newRow("charset 3") << int(tCharset) << qint64(3) << "ANSI";
    }
    void identsUnknown()
    {
        QFETCH(int, table);
        QFETCH(qint64, value);
        QFETCH(QString, ident);
        QString name = QStringLiteral("untouched");
        QVERIFY(!ToIdent(TTable(table), value, name));
        QCOMPARE(name, QStringLiteral("untouched"));
        qint64 v = 77777;
        QVERIFY(!FromIdent(TTable(table), ident, v));
        QCOMPARE(v, qint64(77777));
    }

    // Every listed name maps to a value that maps back to the same name: catches duplicate or
    // mistyped values in the tables.
    void identListsOrderedAndConsistent_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("colours") << int(tColor) << 42 << "clBlack" << "clNone";
        QTest::newRow("cursors") << int(tCursor) << 20 << "crDefault" << "crHandPoint";
        QTest::newRow("charsets") << int(tCharset) << 18 << "ANSI_CHARSET" << "OEM_CHARSET";
    }
    void identListsOrderedAndConsistent()
    {
        QFETCH(int, table);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList names = table == tColor    ? ColorIdents()
                                  : table == tCursor ? CursorIdents()
                                                     : CharsetIdents();
        QCOMPARE(names.size(), count);
        QCOMPARE(names.first(), first);
        QCOMPARE(names.last(), last);
        std::set<qint64> values;
        for (const QString &n : names) {
            qint64 v = 0;
            QVERIFY2(FromIdent(TTable(table), n, v), qPrintable(n));
            QString back;
            QVERIFY(ToIdent(TTable(table), v, back));
            QCOMPARE(back, n);
            values.insert(v);
        }
        QCOMPARE(int(values.size()), count);
    }

    void colourListPutsSystemColoursAfterStandardOnes()
    {
        const QStringList names = ColorIdents();
        QCOMPARE(names.at(15), QStringLiteral("clWhite"));
        QCOMPARE(names.at(16), QStringLiteral("clScrollBar"));
        for (int i = 16; i <= 40; ++i) {
            qint64 v = 0;
            QVERIFY(IdentToColor(names.at(i), v));
            QCOMPARE(v, qint64(qint32(0x80000000u + unsigned(i - 16))));
        }
    }

    // ---- shortcuts ----

    void shortCutTexts_data()
    {
        QTest::addColumn<int>("shortCut");
        QTest::addColumn<QString>("text");
        QTest::newRow("Ctrl+Q") << 0x4051 << "Ctrl+Q";
        QTest::newRow("plain letter") << 0x41 << "A";
        QTest::newRow("digit") << (scAlt | 0x30) << "Alt+0";
        QTest::newRow("modifier order") << (scShift | scCtrl | VK_F1) << "Shift+Ctrl+F1";
        QTest::newRow("all modifiers") << (scShift | scCtrl | scAlt | VK_DELETE)
                                       << "Shift+Ctrl+Alt+Del";
        QTest::newRow("F12") << VK_F12 << "F12";
        QTest::newRow("BkSp") << (scShift | scAlt | VK_BACK) << "Shift+Alt+BkSp";
        QTest::newRow("Enter") << (scCtrl | VK_RETURN) << "Ctrl+Enter";
        QTest::newRow("PgUp") << VK_PRIOR << "PgUp";
        QTest::newRow("PgDn") << (scShift | VK_NEXT) << "Shift+PgDn";
        QTest::newRow("Esc") << VK_ESCAPE << "Esc";
        QTest::newRow("Home") << VK_HOME << "Home";
        QTest::newRow("arrows") << (scAlt | VK_LEFT) << "Alt+Left";
        QTest::newRow("Ins") << (scCtrl | VK_INSERT) << "Ctrl+Ins";
    }
    void shortCutTexts()
    {
        QFETCH(int, shortCut);
        QFETCH(QString, text);
        QCOMPARE(ShortCutToText(quint16(shortCut)), text);
        QCOMPARE(TextToShortCut(text), quint16(shortCut));
        QCOMPARE(TextToShortCut(text.toLower()), quint16(shortCut));
    }

    void textToShortCutIrregular_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shortCut");
        QTest::newRow("modifiers in another order") << "ctrl+SHIFT+f1"
                                                    << (scShift | scCtrl | VK_F1);
        QTest::newRow("blanks around") << "  Alt+X  " << (scAlt | 'X');
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("modifier without key") << "Ctrl+" << 0;
        QTest::newRow("unknown key") << "Ctrl+Foo" << 0;
        QTest::newRow("F13 has no name") << "F13" << 0;
        QTest::newRow("blanks inside") << "Ctrl + A" << 0;
        QTest::newRow("lower-case letter") << "ctrl+a" << (scCtrl | 'A');
    }
    void textToShortCutIrregular()
    {
        QFETCH(QString, text);
        QFETCH(int, shortCut);
        QCOMPARE(TextToShortCut(text), quint16(shortCut));
    }

    void shortCutOfUnnamedKeyHasNoText()
    {
        QCOMPARE(ShortCutToText(scCtrl | VK_OEM_1), QString());
        QCOMPARE(ShortCutToText(0), QString());
        QCOMPARE(ShortCutToText(scShift), QString());
    }

    void shortCutFromKeyAndShiftState_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<quint32>("shift");
        QTest::addColumn<int>("shortCut");
        QTest::newRow("Ctrl+Q") << int('Q') << ssCtrl << 0x4051;
        QTest::newRow("mouse buttons ignored")
            << VK_F1 << (ssShift | ssCtrl | ssLeft | ssDouble) << (scShift | scCtrl | VK_F1);
        QTest::newRow("Alt") << VK_BACK << ssAlt << (scAlt | VK_BACK);
        QTest::newRow("key beyond a byte") << 0x100 << ssCtrl << 0;
    }
    void shortCutFromKeyAndShiftState()
    {
        QFETCH(int, key);
        QFETCH(quint32, shift);
        QFETCH(int, shortCut);
        QCOMPARE(ShortCut(quint16(key), shift), quint16(shortCut));
        if (shortCut) {
            quint16 k = 0;
            TShiftState s = 0;
            ShortCutToKey(quint16(shortCut), k, s);
            QCOMPARE(k, quint16(key));
            QCOMPARE(s, shift & (ssShift | ssCtrl | ssAlt));
        }
    }

    void standardShortCutsInListOrder()
    {
        const QList<quint16> list = StandardShortCuts();
        QCOMPARE(list.size(), 82);
        QCOMPARE(ShortCutToText(list.at(0)), QStringLiteral("Ctrl+A"));
        QCOMPARE(list.at(16), quint16(0x4051));
        QCOMPARE(ShortCutToText(list.at(25)), QStringLiteral("Ctrl+Z"));
        QCOMPARE(ShortCutToText(list.at(26)), QStringLiteral("F1"));
        QCOMPARE(ShortCutToText(list.at(38)), QStringLiteral("Ctrl+F1"));
        QCOMPARE(ShortCutToText(list.at(50)), QStringLiteral("Shift+F1"));
        QCOMPARE(ShortCutToText(list.at(62)), QStringLiteral("Shift+Ctrl+F1"));
        QCOMPARE(ShortCutToText(list.at(73)), QStringLiteral("Shift+Ctrl+F12"));
        const QStringList tail = {"Ins",     "Shift+Ins", "Ctrl+Ins",  "Del",
                                  "Shift+Del", "Ctrl+Del", "Alt+BkSp", "Shift+Alt+BkSp"};
        for (int i = 0; i < tail.size(); ++i)
            QCOMPARE(ShortCutToText(list.at(74 + i)), tail.at(i));
        const std::set<quint16> distinct(list.begin(), list.end());
        QCOMPARE(int(distinct.size()), 82);
        for (quint16 sc : list)
            QCOMPARE(TextToShortCut(ShortCutToText(sc)), sc);
    }

    // ---- integers ----

    void strToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("leading blanks") << "  \t42" << qint64(42);
        QTest::newRow("plus sign") << "+7" << qint64(7);
        QTest::newRow("int32 min") << "-2147483648" << qint64(-2147483648LL);
        QTest::newRow("int32 max") << "2147483647" << qint64(2147483647);
        QTest::newRow("hex") << "$FF" << qint64(255);
        QTest::newRow("hex lower case") << "$ff" << qint64(255);
        QTest::newRow("negative hex") << "-$10" << qint64(-16);
        QTest::newRow("hex all ones is -1") << "$FFFFFFFF" << qint64(-1);
        QTest::newRow("hex system colour") << "$80000005" << qint64(qint32(0x80000005u));
        QTest::newRow("hex leading zeros") << "$000000000000FF" << qint64(255);
        QTest::newRow("negated hex int32 min wraps") << "-$80000000" << qint64(-2147483648LL);
    }
    void strToInt()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(StrToInt(text), value);
    }

    void strToIntInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("trailing letters") << "12a";
        QTest::newRow("trailing blank") << "12 ";
        QTest::newRow("int32 max + 1") << "2147483648";
        QTest::newRow("int32 min - 1") << "-2147483649";
        QTest::newRow("dollar alone") << "$";
        QTest::newRow("hex beyond 32 bits") << "$100000000";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("sign after dollar") << "$-1";
        QTest::newRow("C hex prefix") << "0x10";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663");
    }
    void strToIntInvalid()
    {
        QFETCH(QString, text);
        QCOMPARE(ConvertErrorOf([&] { StrToInt(text); }),
                 QStringLiteral("'%1' is not a valid integer value").arg(text));
        QCOMPARE(StrToIntDef(text, -99), qint64(-99));
    }

    void intToHexWritesInt32AsItsPattern()
    {
        QCOMPARE(IntToHex(-1, 8), QStringLiteral("FFFFFFFF"));
        QCOMPARE(IntToHex(255, 4), QStringLiteral("00FF"));
        QCOMPARE(IntToHex(qint32(0x8000000Fu), 8), QStringLiteral("8000000F"));
        QCOMPARE(IntToHex(0x1FFFFFFFF, 8), QStringLiteral("1FFFFFFFF"));
        QCOMPARE(IntToStr(-2147483648LL), QStringLiteral("-2147483648"));
    }

    // ---- floating point ----

    void strToFloat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal") << "3.14" << 3.14;
        QTest::newRow("blanks and sign") << "  -2.5 " << -2.5;
        QTest::newRow("negative exponent") << "1E-2" << 0.01;
        QTest::newRow("exponent with sign") << "+1.5e+2" << 150.0;
        QTest::newRow("no integer part") << ".5" << 0.5;
        QTest::newRow("no fraction") << "5." << 5.0;
        QTest::newRow("largest") << "1.7976931348623157E308" << DBL_MAX;
    }
    void strToFloat()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(StrToFloat(text), value);
    }

    void strToFloatInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("exponent without digits") << "1e";
        QTest::newRow("exponent alone") << "e5";
        QTest::newRow("infinity") << "inf";
        QTest::newRow("not a number") << "nan";
        QTest::newRow("comma in the C locale") << "1,5";
        QTest::newRow("overflow") << "1e400";
        QTest::newRow("hex") << "$10";
    }
    void strToFloatInvalid()
    {
        QFETCH(QString, text);
        QCOMPARE(ConvertErrorOf([&] { StrToFloat(text); }),
                 QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }

    void formatFloatGeneral_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("text");
        QTest::newRow("short decimal") << 3.14 << 15 << "3.14";
        QTest::newRow("no invented digits at 18") << 0.1 << 18 << "0.1";
        QTest::newRow("single stored in double") << double(3.14f) << 7 << "3.14";
        QTest::newRow("rounds up") << 2.0 / 3.0 << 7 << "0.6666667";
        QTest::newRow("rounding carries") << 9.99999999 << 7 << "10";
        QTest::newRow("zero") << 0.0 << 15 << "0";
        QTest::newRow("negative zero") << -0.0 << 15 << "0";
        QTest::newRow("all digits fixed") << 999999999999999.0 << 15 << "999999999999999";
        QTest::newRow("exponent at precision") << 1e15 << 15 << "1E15";
        QTest::newRow("large") << 1e20 << 15 << "1E20";
        QTest::newRow("large rounded") << 123456789012345678.0 << 15 << "1.23456789012346E17";
        QTest::newRow("single large") << 12345678.0 << 7 << "1.234568E7";
        QTest::newRow("small stays fixed") << 0.00001 << 15 << "0.00001";
        QTest::newRow("smaller goes exponent") << 0.000001 << 15 << "1E-6";
        QTest::newRow("tiny") << 1.5e-10 << 15 << "1.5E-10";
        QTest::newRow("infinity") << HUGE_VAL << 15 << "INF";
    }
    void formatFloatGeneral()
    {
        QFETCH(double, value);
        QFETCH(int, precision);
        QFETCH(QString, text);
        QCOMPARE(FormatFloatGeneral(value, precision), text);
    }

    void floatTextRoundTripsAtFullPrecision()
    {
        for (double v : {0.1, 1.0 / 3.0, 3.141592653589793, 1e-300, DBL_MAX, -123.456e7}) {
            const QString text = FormatFloatGeneral(v, 17);
            QCOMPARE(StrToFloat(text), v);
        }
    }

    void floatTextsFollowTheLocale()
    {
        TLocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatFloatGeneral(1.5, 15), QStringLiteral("1,5"));
        QCOMPARE(FormatFloatGeneral(1.5e20, 15), QStringLiteral("1,5E20"));
        QCOMPARE(StrToFloat(QStringLiteral("1,5")), 1.5);
        QCOMPARE(StrToFloat(QStringLiteral("1.5")), 1.5);
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(QStringLiteral("1.000,5")));
    }

    // ---- dates and times ----

    void dateTimeTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("dateTime");
        QTest::newRow("day zero") << 0.0 << "30 Dec 1899" << "00:00:00" << "30 Dec 1899";
        QTest::newRow("new year 2024") << kNewYear2024 << "1 Jan 2024" << "00:00:00"
                                       << "1 Jan 2024";
        QTest::newRow("evening") << kNewYear2024 + 0.75 << "1 Jan 2024" << "18:00:00"
                                 << "1 Jan 2024 18:00:00";
        QTest::newRow("before day zero") << -1.25 << "29 Dec 1899" << "06:00:00"
                                         << "29 Dec 1899 06:00:00";
        QTest::newRow("almost midnight rounds to next day")
            << kNewYear2024 + 0.99999999999 << "2 Jan 2024" << "00:00:00" << "2 Jan 2024";
    }
    void dateTimeTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, dateTime);
        QCOMPARE(DateToStr(value), date);
        QCOMPARE(TimeToStr(value), time);
        QCOMPARE(DateTimeToStr(value), dateTime);
    }

    void strToDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("locale format") << "1 Jan 2024" << kNewYear2024;
        QTest::newRow("ISO") << "2024-01-02" << kNewYear2024 + 1;
        QTest::newRow("numbers in locale order") << "2/1/2024" << kNewYear2024 + 1;
        QTest::newRow("blanks around") << " 1 Jan 2024 " << kNewYear2024;
        QTest::newRow("leap day") << "2024-02-29" << kNewYear2024 + 59;
        QTest::newRow("before day zero") << "1899-12-29" << -1.0;
    }
    void strToDate()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(StrToDate(text), value);
    }

    void strToDateInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("day 32") << "32/1/2024";
        QTest::newRow("30 February") << "2024-02-30";
        QTest::newRow("not a leap year") << "2023-02-29";
        QTest::newRow("unknown month") << "1 Foo 2024";
        QTest::newRow("trailing letter") << "1/1/2024x";
        QTest::newRow("trailing separator") << "1/1/";
        QTest::newRow("time") << "12:00";
    }
    void strToDateInvalid()
    {
        QFETCH(QString, text);
        QCOMPARE(ConvertErrorOf([&] { StrToDate(text); }),
                 QStringLiteral("'%1' is not a valid date").arg(text));
    }

    void strToTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("hours and minutes") << "12:00" << 0.5;
        QTest::newRow("one-digit hour") << "6:00" << 0.25;
        QTest::newRow("PM") << "6:30 PM" << 18.5 / 24;
        QTest::newRow("lower-case marker") << "6:30pm" << 18.5 / 24;
        QTest::newRow("midnight AM") << "12 AM" << 0.0;
        QTest::newRow("noon PM") << "12:00 P" << 0.5;
        QTest::newRow("milliseconds") << "00:00:01.5" << 1.5 / 86400;
    }
    void strToTime()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(StrToTime(text), value);
    }

    void strToTimeInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("hour 24") << "24:00";
        QTest::newRow("minute 60") << "12:60";
        QTest::newRow("hour 13 with marker") << "13 PM";
        QTest::newRow("hour alone") << "12";
        QTest::newRow("four fields") << "1:2:3:4";
        QTest::newRow("letters") << "ab";
        QTest::newRow("marker alone") << "PM";
    }
    void strToTimeInvalid()
    {
        QFETCH(QString, text);
        QCOMPARE(ConvertErrorOf([&] { StrToTime(text); }),
                 QStringLiteral("'%1' is not a valid time").arg(text));
    }

    void strToDateTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("date and time") << "1 Jan 2024 18:00:00" << kNewYear2024 + 0.75;
        QTest::newRow("date alone") << "1 Jan 2024" << kNewYear2024;
        QTest::newRow("ISO with T") << "2024-01-01T06:00" << kNewYear2024 + 0.25;
        QTest::newRow("time alone") << "06:00" << 0.25;
        QTest::newRow("before day zero") << "1899-12-29 06:00" << -1.25;
    }
    void strToDateTime()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(StrToDateTime(text), value);
        QCOMPARE(StrToDateTime(DateTimeToStr(value)), value);
    }

    void strToDateTimeInvalid()
    {
        for (const QString text : {"1 Jan 2024 25:00", "", "1 Jan 2024 x"}) {
            QCOMPARE(ConvertErrorOf([&] { StrToDateTime(text); }),
                     QStringLiteral("'%1' is not a valid date and time").arg(text));
        }
    }

    void datesInUsEnglish()
    {
        TLocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
        // The locale's short format has a two-digit year; the text keeps all four.
        QCOMPARE(DateToStr(kNewYear2024 + 1), QStringLiteral("1/2/2024"));
        QCOMPARE(TimeToStr(0.75), QStringLiteral("6:00:00 PM"));
        QCOMPARE(DateTimeToStr(kNewYear2024 + 0.75), QStringLiteral("1/1/2024 6:00:00 PM"));
        QCOMPARE(StrToDate(QStringLiteral("1/2/2024")), kNewYear2024 + 1);
        QCOMPARE(StrToDateTime(QStringLiteral("1/2/2024 6:30 PM")),
                 kNewYear2024 + 1 + 18.5 / 24);
        QCOMPARE(StrToDateTime(DateTimeToStr(kNewYear2024 + 0.75)), kNewYear2024 + 0.75);
    }

    void twoDigitYearsLieWithinFiftyYearsOfToday()
    {
        TLocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
        const int year = QDate::currentDate().year();
        const int soon = year + 10;
        const int longAgo = year - 60; // read as 40 years ahead
        QCOMPARE(DateOf(StrToDate(QStringLiteral("3/4/%1").arg(soon % 100, 2, 10, QChar('0')))),
                 QDate(soon, 3, 4));
        QCOMPARE(DateOf(StrToDate(
                     QStringLiteral("3/4/%1").arg(longAgo % 100, 2, 10, QChar('0')))),
                 QDate(longAgo + 100, 3, 4));
        // Day and month alone: this year.
        QCOMPARE(DateOf(StrToDate(QStringLiteral("3/4"))), QDate(year, 3, 4));
    }

    void datesInGerman()
    {
        TLocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(DateToStr(kNewYear2024 + 1), QStringLiteral("02.01.2024"));
        QCOMPARE(StrToDate(QStringLiteral("2.1.2024")), kNewYear2024 + 1);
        QCOMPARE(StrToTime(QStringLiteral("18:00:00,5")), 0.75 + 0.5 / 86400);
    }

    void qtDateTimeConversions()
    {
        const QDateTime morning(QDate(2024, 1, 1), QTime(6, 0));
        QCOMPARE(DateTimeFromQDateTime(morning), kNewYear2024 + 0.25);
        QCOMPARE(DateTimeToQDateTime(kNewYear2024 + 0.25), morning);
        QCOMPARE(DateTimeToQDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
        QCOMPARE(DateTimeFromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
        const QDateTime withMs(QDate(2000, 2, 29), QTime(23, 59, 59, 999));
        QCOMPARE(DateTimeToQDateTime(DateTimeFromQDateTime(withMs)), withMs);
        QCOMPARE(DateFromQDate(QDate(2024, 1, 1)), kNewYear2024);
        QVERIFY(!DateTimeToQDateTime(qQNaN()).isValid());
        QVERIFY(qAbs(Now() - DateTimeFromQDateTime(QDateTime::currentDateTime())) < 1.0 / 24);
    }

    // ---- fonts ----

    void screenFontNames()
    {
        if (QFontDatabase::families().isEmpty())
            QSKIP("no fonts installed");
        const QStringList names = ScreenFontNames();
        QVERIFY(!names.isEmpty());
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString &name : names)
            QVERIFY2(!QFontDatabase::isPrivateFamily(name), qPrintable(name));
    }
};

QTEST_MAIN(ValueTextsTest)
#include "tst_valuetexts.moc"
