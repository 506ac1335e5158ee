// The edit-mask language on its own, typing into a masked edit, and checking the input when
// the focus leaves it.

#include "Application.h"
#include "EditMask.h"
#include "Forms.h"
#include "Mask.h"
#include "StdCtrls.h"

#include <QLineEdit>
#include <QtTest>

class MaskTest : public QObject
{
    Q_OBJECT
private slots:
    void maskFields_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("empty");
        QTest::addColumn<bool>("saveLiterals");
        QTest::newRow("phone, defaults") << "(999) 000-0000" << "(___) ___-____" << true;
        QTest::newRow("no save, own blank") << "000-00;0;*" << "***-**" << false;
        QTest::newRow("save given") << "00/00;1;_" << "__/__" << true;
        QTest::newRow("escaped digit literal") << "\\0-0" << "0-_" << true;
        QTest::newRow("underscore is a blank literal") << "L_L" << "_ _" << true;
        QTest::newRow("case switches take no place") << ">LL<ll<>L" << "_____" << true;
        QTest::newRow("leading-blank flag takes no place") << "!999" << "___" << true;
    }
    void maskFields()
    {
        QFETCH(QString, mask);
        QFETCH(QString, empty);
        QFETCH(bool, saveLiterals);
        const TEditMask m(mask);
        QCOMPARE(m.EmptyText(), empty);
        QCOMPARE(m.SaveLiterals(), saveLiterals);
        QVERIFY(m.IsMasked());
        QVERIFY(!TEditMask(QString()).IsMasked());
    }

    void charactersAcceptedOrRefused_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("accepted"); // empty: refused
        QTest::newRow("digit takes 7") << "0" << 0 << "7" << "7";
        QTest::newRow("digit refuses a") << "0" << 0 << "a" << "";
        QTest::newRow("optional digit refuses -") << "9" << 0 << "-" << "";
        QTest::newRow("# takes -") << "#" << 0 << "-" << "-";
        QTest::newRow("letter refuses 5") << "L" << 0 << "5" << "";
        QTest::newRow("alphanumeric takes 5") << "a" << 0 << "5" << "5";
        QTest::newRow("alphanumeric refuses %") << "A" << 0 << "%" << "";
        QTest::newRow("any takes %") << "C" << 0 << "%" << "%";
        QTest::newRow("> makes upper") << ">l" << 0 << "q" << "Q";
        QTest::newRow("< makes lower") << "<L" << 0 << "Q" << "q";
        QTest::newRow("<> ends conversion") << ">L<>L" << 1 << "q" << "q";
        QTest::newRow("literal takes only itself") << "0-0" << 1 << "5" << "";
    }
    void charactersAcceptedOrRefused()
    {
        QFETCH(QString, mask);
        QFETCH(int, pos);
        QFETCH(QString, typed);
        QFETCH(QString, accepted);
        const QChar got = TEditMask(mask).Accept(pos, typed.at(0));
        QCOMPARE(got.isNull() ? QString() : QString(got), accepted);
    }

    void valuesPlacedAndReadBack_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("editText");
        QTest::addColumn<QString>("text");
        QTest::newRow("value without literals")
            << "(999) 000-0000" << "5551234567" << "(555) 123-4567" << "(555) 123-4567";
        QTest::newRow("value with literals")
            << "(999) 000-0000" << "(555) 123-4567" << "(555) 123-4567" << "(555) 123-4567";
        QTest::newRow("literals not saved") << "00/00;0" << "1231" << "12/31" << "1231";
        QTest::newRow("short value leaves blanks") << "000-000" << "12" << "12_-___"
                                                   << "12 -   ";
        QTest::newRow("leading blanks fill from the right") << "!999" << "7" << "__7" << "  7";
        QTest::newRow("refused characters stay blank") << "00" << "4x" << "4_" << "4 ";
        QTest::newRow("case applied") << ">LLL" << "abc" << "ABC" << "ABC";
    }
    void valuesPlacedAndReadBack()
    {
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QFETCH(QString, editText);
        QFETCH(QString, text);
        const TEditMask m(mask);
        QCOMPARE(m.EditTextOf(value), editText);
        QCOMPARE(m.ValueOf(editText), text);
        QCOMPARE(FormatMaskText(mask, value), text);
    }

    void requiredPositionsMustBeFilled()
    {
        const TEditMask m(QStringLiteral("00-99"));
        QCOMPARE(m.FirstIncomplete(QStringLiteral("12-__")), -1); // 9 is optional
        QCOMPARE(m.FirstIncomplete(QStringLiteral("1_-34")), 1);
        QCOMPARE(m.NextInput(2), 3);
        QCOMPARE(m.NextInput(2, true), 1);
        QCOMPARE(m.NextInput(5), -1);
    }

    void typingIntoAMaskedEdit()
    {
        TApplication app(nullptr);
        TForm form(nullptr);
        auto *edit = new TMaskEdit(&form);
        edit->SetParent(&form);
        edit->SetEditMask(QStringLiteral("(999) 000-0000;1;_"));
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        auto *w = qobject_cast<QLineEdit *>(edit->Handle());
        QCOMPARE(w->text(), QStringLiteral("(___) ___-____"));
        w->setFocus();
        w->setCursorPosition(0);
        // Letters are refused; digits skip the literals.
        QTest::keyClicks(w, QStringLiteral("5x55123"));
        QCOMPARE(edit->EditText(), QStringLiteral("(555) 123-____"));
        QCOMPARE(w->text(), edit->EditText());
        QVERIFY_THROWS_EXCEPTION(EDBEditError, edit->ValidateEdit());
        QTest::keyClicks(w, QStringLiteral("4567"));
        QCOMPARE(edit->Text(), QStringLiteral("(555) 123-4567"));
        edit->ValidateEdit();
        QTest::keyClick(w, Qt::Key_Backspace);
        QCOMPARE(edit->EditText(), QStringLiteral("(555) 123-456_"));

        // A new mask reshapes the value; no mask makes a plain edit.
        edit->SetEditMask(QStringLiteral("000-000;0"));
        QCOMPARE(edit->EditText(), QStringLiteral("555-123"));
        QCOMPARE(edit->Text(), QStringLiteral("555123"));
        edit->SetEditMask(QString());
        QVERIFY(!edit->IsMasked());
        QTest::keyClicks(w, QStringLiteral("ab"));
        QCOMPARE(edit->Text(), QStringLiteral("555123ab"));
    }

    void leavingChecksTheInput_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("backspaces"); // typed at the end before leaving
        QTest::addColumn<int>("badPosition"); // -1: leaving is fine
        QTest::newRow("required position left blank") << "000-0000;1;_" << "5551234" << 1 << 7;
        QTest::newRow("several blank, the first one") << "000-0000;1;_" << "5551234" << 3 << 5;
        QTest::newRow("optional positions left blank") << "000-0099;1;_" << "5551234" << 2 << -1;
        QTest::newRow("incomplete but not changed") << "000-0000;1;_" << "555" << 0 << -1;
    }
    void leavingChecksTheInput()
    {
        QFETCH(QString, mask);
        QFETCH(QString, initial);
        QFETCH(int, backspaces);
        QFETCH(int, badPosition);
        TApplication app(nullptr);
        QStringList shown;
        app.MessageBoxSeam = [&](const TMessageBoxRequest &r) {
            shown << r.Text;
            return IDOK;
        };
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 120);
        auto *edit = new TMaskEdit(&form);
        edit->SetParent(&form);
        edit->SetEditMask(mask);
        edit->SetText(initial);
        const QString before = edit->EditText();
        auto *other = new TEdit(&form);
        other->SetParent(&form);
        other->SetTop(40);
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(form.Handle()));
        auto *w = qobject_cast<QLineEdit *>(edit->Handle());
        edit->SetFocus();
        QTRY_VERIFY(w->hasFocus());
        w->setCursorPosition(int(w->text().size()));
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(w, Qt::Key_Backspace);

        other->SetFocus();
        if (badPosition < 0) {
            QTRY_VERIFY(other->Focused());
            QCoreApplication::processEvents();
            QVERIFY(shown.isEmpty());
            return;
        }
        // The standard error display shows the error; the user is back in the edit, at the
        // first position to fill.
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0),
                 QStringLiteral("Invalid input value.  Use escape key to abandon changes."));
        QTRY_VERIFY(w->hasFocus());
        QCOMPARE(w->cursorPosition(), badPosition);
        QVERIFY(edit->EditText() != before);

        // Escape abandons the changes: the text the edit had on entry comes back, and the
        // focus may leave.
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(edit->EditText(), before);
        QVERIFY(!edit->Modified());
        other->SetFocus();
        QTRY_VERIFY(other->Focused());
        QCoreApplication::processEvents();
        QCOMPARE(shown.size(), 1);
    }

    void escapeLeavesAnUnchangedTextAlone()
    {
        TApplication app(nullptr);
        TForm form(nullptr);
        auto *edit = new TMaskEdit(&form);
        edit->SetParent(&form);
        edit->SetEditMask(QStringLiteral("00:00;1;_"));
        edit->SetText(QStringLiteral("1230"));
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(form.Handle()));
        auto *w = qobject_cast<QLineEdit *>(edit->Handle());
        edit->SetFocus();
        QTRY_VERIFY(w->hasFocus());
        edit->SetText(QStringLiteral("0915")); // by code: nothing the user could abandon
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(edit->EditText(), QStringLiteral("09:15"));
    }

    void designStateChecksNothing()
    {
        TApplication app(nullptr);
        QStringList shown;
        app.MessageBoxSeam = [&](const TMessageBoxRequest &r) {
            shown << r.Text;
            return IDOK;
        };
        TForm form(nullptr);
        auto *edit = new TMaskEdit(&form);
        edit->SetParent(&form);
        edit->SetEditMask(QStringLiteral("0000;1;_"));
        auto *other = new TEdit(&form);
        other->SetParent(&form);
        other->SetTop(40);
        edit->SetDesigning(true);
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(form.Handle()));
        edit->SetEditText(QStringLiteral("12"));
        edit->SetModified(true);
        edit->Handle()->setFocus();
        QTRY_VERIFY(edit->Handle()->hasFocus());
        other->Handle()->setFocus();
        QTRY_VERIFY(other->Handle()->hasFocus());
        QCoreApplication::processEvents();
        QVERIFY(shown.isEmpty());
    }
};

QTEST_MAIN(MaskTest)
#include "tst_mask.moc"
