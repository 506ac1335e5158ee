// The editor control driven by keys: every binding of the standard key table does its
// command, the table binds each combination once and can be replaced.

#include "Application.h"
#include "Forms.h"
#include "KeyScript.h"
#include "SynEdit.h"
#include "SynHighlighterPas.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

namespace {

using Sci = QsciScintillaBase;

long Send(TSynEdit *edit, unsigned msg, unsigned long w = 0, long l = 0)
{
    return static_cast<QsciScintilla *>(edit->Handle())->SendScintilla(msg, w, l);
}

// The text with '|' where the caret is.
QString TextWithCaret(TSynEdit *edit)
{
    auto *sci = static_cast<QsciScintilla *>(edit->Handle());
    const long pos = Send(edit, Sci::SCI_GETCURRENTPOS);
    QString text = sci->text();
    const int chars = int(QString::fromUtf8(text.toUtf8().left(pos)).size());
    return text.insert(chars, QLatin1Char('|'));
}

// Puts text (with '|' for the caret) into the editor.
void Load(TSynEdit *edit, const QString &marked)
{
    const qsizetype at = marked.indexOf(QLatin1Char('|'));
    QString text = marked;
    text.remove(at, 1);
    edit->Lines()->SetText(text);
    const QString before = text.left(at);
    const int line = int(before.count(QLatin1Char('\n')));
    edit->SetCaretPos(line, int(before.size() - before.lastIndexOf(QLatin1Char('\n')) - 1));
    Send(edit, Sci::SCI_EMPTYUNDOBUFFER);
}

QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class SynEditTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    TForm *m_form = nullptr;
    TSynEdit *m_edit = nullptr;
    TSynPasSyn *m_syn = nullptr;

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = new TForm(nullptr);
        m_form->SetBounds(50, 50, 420, 300);
        m_syn = new TSynPasSyn(m_form);
        m_edit = new TSynEdit(m_form);
        m_edit->SetAlign(alClient);
        m_edit->Font()->SetName(QStringLiteral("Courier New"));
        m_edit->Font()->SetHeight(-13);
        m_edit->SetHighlighter(m_syn);
        m_edit->SetParent(m_form);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        m_form->Handle()->activateWindow();
        m_edit->SetFocus();
        QTRY_VERIFY(m_edit->Focused());
    }

    void cleanup()
    {
        Free(m_form);
        m_app.reset();
    }

    void defaultTableHas82BindingsFor74Commands()
    {
        TSynEditKeyStrokes keys;
        keys.ResetDefaults();
        QCOMPARE(keys.Count(), 82);
        QSet<int> commands;
        QSet<quint32> combinations;
        for (int i = 0; i < keys.Count(); ++i) {
            commands.insert(keys.Items(i).Command);
            combinations.insert(quint32(keys.Items(i).Key) << 8 | keys.Items(i).Shift);
        }
        QCOMPARE(commands.size(), 74);
        QCOMPARE(combinations.size(), 82); // no combination bound twice
        QCOMPARE(keys.Items(0), (TSynEditKeyStroke{VK_UP, 0, ecUp}));
        QCOMPARE(keys.Items(81), (TSynEditKeyStroke{'B', ssShift | ssCtrl, ecMatchBracket}));
        QCOMPARE(m_edit->Keystrokes(), keys); // a new editor starts with them
    }

    void scrollRangeIsTheLongestLineFromTheStart()
    {
        auto *sci = static_cast<QsciScintilla *>(m_edit->Handle());
        const QString wide = QStringLiteral("  Caption := 'a line far wider than the window';")
                                 .repeated(3);
        m_edit->Lines()->SetText(QStringLiteral("unit Unit1;\n") + wide + "\nend.");
        const long wideWidth = Send(m_edit, Sci::SCI_TEXTWIDTH, Sci::STYLE_DEFAULT,
                                    long(wide.toUtf8().constData()));
        QVERIFY(wideWidth > m_edit->Width());
        QCOMPARE(Send(m_edit, Sci::SCI_GETSCROLLWIDTH), wideWidth);
        // Painted, styled keywords and all, the line is as wide as measured: the editor finds
        // nothing to widen (which it would do on a timer, keeping the program busy).
        m_edit->Handle()->repaint();
        QTest::qWait(120);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSCROLLWIDTH), wideWidth);
        QTRY_VERIFY(sci->horizontalScrollBar()->isVisible());
        // New short text takes the range back in: no scroll bar for empty space.
        m_edit->Lines()->SetText(QStringLiteral("unit Unit1;\nend."));
        QVERIFY(Send(m_edit, Sci::SCI_GETSCROLLWIDTH) < m_edit->Width());
        QTRY_VERIFY(!sci->horizontalScrollBar()->isVisible());
    }

    void bindingTwiceIsRefused()
    {
        TSynEditKeyStrokes keys;
        keys.ResetDefaults();
        QVERIFY_THROWS_EXCEPTION(ESynKeyError, keys.Add('Y', ssCtrl, ecRedo));
        // Alt+Shift is the same combination as Shift+Alt, whatever else the shift state holds.
        QVERIFY_THROWS_EXCEPTION(ESynKeyError, keys.Add(VK_BACK, ssAlt | ssShift | ssLeft,
                                                        ecUndo));
        QCOMPARE(keys.Count(), 82);
        QCOMPARE(IdentToEditorCommand(QStringLiteral("ECMATCHBRACKET")), ecMatchBracket);
        QCOMPARE(EditorCommandToIdent(ecSetMarker3), QStringLiteral("ecSetMarker3"));
        QCOMPARE(EditorCommandToIdent(ecCommandCount), QString());
    }

    void replacedTableRebindsKeys()
    {
        TSynEditKeyStrokes keys;
        keys.Add('E', ssCtrl, ecLineEnd);
        m_edit->SetKeystrokes(keys);
        Load(m_edit, QStringLiteral("a|bc"));
        TypeKeys(QStringLiteral("Ctrl+E"));
        QCOMPARE(TextWithCaret(m_edit), QStringLiteral("abc|"));
        TypeKeys(QStringLiteral("Home")); // no longer bound: nothing happens
        QCOMPARE(TextWithCaret(m_edit), QStringLiteral("abc|"));
    }

    void bindings_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("clipboard"); // null: not looked at

        auto row = [&](const char *name, const char *before, const char *keys, const char *after,
                       const char *selected = "", const QString &clip = QString()) {
            QTest::newRow(name) << QString::fromLatin1(before) << QString::fromLatin1(keys)
                                << QString::fromLatin1(after) << QString::fromLatin1(selected)
                                << clip;
        };
        row("Up ecUp", "abc\nde|f", "Up", "ab|c\ndef");
        row("Shift+Up ecSelUp", "abc\nde|f", "Shift+Up", "ab|c\ndef", "c\nde");
        row("Down ecDown", "ab|c\ndef", "Down", "abc\nde|f");
        row("Shift+Down ecSelDown", "ab|c\ndef", "Shift+Down", "abc\nde|f", "c\nde");
        row("Left ecLeft", "ab|c", "Left", "a|bc");
        row("Shift+Left ecSelLeft", "ab|c", "Shift+Left", "a|bc", "b");
        row("Ctrl+Left ecWordLeft", "abc de|f", "Ctrl+Left", "abc |def");
        row("Ctrl+Shift+Left ecSelWordLeft", "abc de|f", "Ctrl+Shift+Left", "abc |def", "de");
        row("Right ecRight", "a|bc", "Right", "ab|c");
        row("Shift+Right ecSelRight", "a|bc", "Shift+Right", "ab|c", "b");
        row("Ctrl+Right ecWordRight", "a|bc def", "Ctrl+Right", "abc |def");
        row("Ctrl+Shift+Right ecSelWordRight", "a|bc def", "Ctrl+Shift+Right", "abc |def",
            "bc ");
        row("Home ecLineStart", "x\nabc de|f", "Home", "x\n|abc def");
        row("Shift+Home ecSelLineStart", "x\nabc de|f", "Shift+Home", "x\n|abc def", "abc de");
        row("Ctrl+Home ecEditorTop", "abc\nde|f", "Ctrl+Home", "|abc\ndef");
        row("Ctrl+Shift+Home ecSelEditorTop", "abc\nde|f", "Ctrl+Shift+Home", "|abc\ndef",
            "abc\nde");
        row("End ecLineEnd", "a|bc\nd", "End", "abc|\nd");
        row("Shift+End ecSelLineEnd", "a|bc\nd", "Shift+End", "abc|\nd", "bc");
        row("Ctrl+End ecEditorBottom", "a|bc\ndef", "Ctrl+End", "abc\ndef|");
        row("Ctrl+Shift+End ecSelEditorBottom", "a|bc\ndef", "Ctrl+Shift+End", "abc\ndef|",
            "bc\ndef");
        row("Insert ecToggleMode", "a|bcd", "Ins x Ins y", "axy|cd");
        row("Ctrl+Insert ecCopy", "a|bc", "Shift+Right Ctrl+Ins", "ab|c", "b",
            QStringLiteral("b"));
        row("Ctrl+C ecCopy", "a|bc", "Shift+Right Ctrl+C", "ab|c", "b", QStringLiteral("b"));
        row("Shift+Delete ecCut", "a|bc", "Shift+Right Shift+Del", "a|c", "",
            QStringLiteral("b"));
        row("Ctrl+X ecCut", "a|bc", "Shift+Right Ctrl+X", "a|c", "", QStringLiteral("b"));
        row("Shift+Insert ecPaste", "a|bc", "Shift+Right Ctrl+C End Shift+Ins", "abcb|");
        row("Ctrl+V ecPaste", "a|bc", "Shift+Right Ctrl+C End Ctrl+V", "abcb|");
        row("Delete ecDeleteChar", "a|bc", "Del", "a|c");
        row("Backspace ecDeleteLastChar", "ab|c", "BkSp", "a|c");
        row("Shift+Backspace ecDeleteLastChar", "ab|c", "Shift+BkSp", "a|c");
        row("Ctrl+Backspace ecDeleteLastWord", "abc def|", "Ctrl+BkSp", "abc |");
        row("Alt+Backspace ecUndo", "a|bc", "Del Alt+BkSp", "ab|c");
        row("Ctrl+Z ecUndo", "a|bc", "Del Ctrl+Z", "ab|c");
        row("Shift+Alt+Backspace ecRedo", "a|bc", "Del Ctrl+Z Shift+Alt+BkSp", "a|c");
        row("Ctrl+Shift+Z ecRedo", "a|bc", "Del Ctrl+Z Ctrl+Shift+Z", "a|c");
        row("Ctrl+Shift+Z redoes a deleted line", "abc\nd|ef\nghi", "Ctrl+Y Ctrl+Z Ctrl+Shift+Z",
            "abc\n|ghi");
        row("Enter ecLineBreak", "ab|c", "Enter", "ab\n|c");
        row("Enter keeps the indentation", "  ab|c", "Enter", "  ab\n  |c");
        row("Enter keeps tabs and spaces", "\t x|y", "Enter", "\t x\n\t |y");
        row("Enter inside the indentation", "  |  ab", "Enter", "  \n  |  ab");
        row("Enter replaces the selection", "  a|bc", "Shift+Right Enter", "  a\n  |c");
        row("Shift+Enter ecLineBreak", "ab|c", "Shift+Enter", "ab\n|c");
        row("Ctrl+M ecLineBreak", "ab|c", "Ctrl+M", "ab\n|c");
        row("Tab ecTab", "ab|c", "Tab", "ab      |c");
        row("Shift+Tab ecShiftTab", "    |abc", "Shift+Tab", "|abc");
        row("Ctrl+F1 ecContextHelp does nothing", "a|bc", "Ctrl+F1", "a|bc");
        row("Ctrl+A ecSelectAll", "a|bc\nd", "Ctrl+A", "abc\nd|", "abc\nd");
        row("Ctrl+Shift+I ecBlockIndent", "a|b\ncd\nef", "Shift+Down Ctrl+Shift+I",
            "  ab\n  c|d\nef", "b\n  c");
        row("Ctrl+Shift+U ecBlockUnindent", "  a|b\n  cd\n  ef", "Shift+Down Ctrl+Shift+U",
            "ab\nc|d\n  ef", "b\nc");
        row("Ctrl+N ecInsertLine", "ab|cd", "Ctrl+N", "ab|\ncd");
        row("Ctrl+T ecDeleteWord", "ab|c def", "Ctrl+T", "ab|def");
        row("Ctrl+Y ecDeleteLine", "abc\nd|ef\nghi", "Ctrl+Y", "abc\n|ghi");
        row("Ctrl+Shift+Y ecDeleteEOL", "ab|c def\nx", "Ctrl+Shift+Y", "ab|\nx");
        row("Ctrl+Shift+B ecMatchBracket forward", "x := |(a + (b));", "Ctrl+Shift+B",
            "x := (a + (b)|);");
        row("Ctrl+Shift+B ecMatchBracket back", "x := (a + (b))|;", "Ctrl+Shift+B",
            "x := |(a + (b));");
        row("Ctrl+Shift+L ecLineSelect", "ab|c\ndef\nghi", "Ctrl+Shift+L Shift+Down",
            "abc\ndef\n|ghi", "abc\ndef\n");
        row("line mode cuts whole lines", "ab|c\ndef\nghi", "Ctrl+Shift+L Shift+Down Ctrl+X",
            "|ghi", "", QStringLiteral("abc\ndef\n"));
        row("line mode goes on from the caret's line", "ab|c\ndef\nghi\njkl",
            "Ctrl+Shift+L Shift+Down Shift+Down", "abc\ndef\nghi\n|jkl",
            "abc\ndef\nghi\n");
        row("line mode upwards", "abc\ndef\ngh|i", "Ctrl+Shift+L Shift+Up",
            "abc\n|def\nghi", "def\nghi");
        row("line mode back over the anchor", "abc\nd|ef\nghi",
            "Ctrl+Shift+L Shift+Down Shift+Up Shift+Up", "|abc\ndef\nghi", "abc\ndef\n");
        row("Ctrl+Shift+N ecNormalSelect", "ab|c\ndef", "Ctrl+Shift+L Ctrl+Shift+N Shift+Down",
            "abc\nde|f", "c\nde");
    }
    void bindings()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(QString, selected);
        QFETCH(QString, clipboard);
        QApplication::clipboard()->clear();
        Load(m_edit, before);
        TypeKeys(keys);
        QCOMPARE(TextWithCaret(m_edit), after);
        QCOMPARE(m_edit->SelText(), selected);
        if (!clipboard.isNull())
            QCOMPARE(QApplication::clipboard()->text(), clipboard);
        // Typing goes on into the same text: the editor lines follow.
        QCOMPARE(m_edit->Lines()->ToStringList().join(QLatin1Char('\n')),
                 QString(after).remove(QLatin1Char('|')));
    }

    void columnSelect()
    {
        Load(m_edit, QStringLiteral("ab|cd\nefgh\nij"));
        TypeKeys(QStringLiteral("Ctrl+Shift+C Shift+Down Shift+Right"));
        QCOMPARE(m_edit->SelectionMode(), smColumn);
        QVERIFY(Send(m_edit, Sci::SCI_SELECTIONISRECTANGLE));
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONS), 2L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNSTART, 0), 2L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNEND, 0), 3L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNSTART, 1), 7L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNEND, 1), 8L);
        // A plain move drops the column; the mode stays for the next selection.
        TypeKeys(QStringLiteral("Down Shift+Up"));
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONS), 2L);
    }

    // A column block that reaches a short line keeps its width there, in virtual space.
    void columnBlockKeepsItsWidthOnShortLines()
    {
        Load(m_edit, QStringLiteral("abcd|ef\nabcdefgh\nab"));
        TypeKeys(QStringLiteral("Ctrl+Shift+C Shift+Down Shift+Down Shift+Right"));
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONS), 3L);
        // The caret stands on the short last line, three columns past its end.
        QCOMPARE(Send(m_edit, Sci::SCI_GETRECTANGULARSELECTIONCARET), 18L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE), 3L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNSTART, 1), 11L);
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNEND, 1), 12L);
        // Cutting takes the characters that are there and leaves the short line alone.
        TypeKeys(QStringLiteral("Ctrl+X"));
        QCOMPARE(m_edit->Lines()->ToStringList(),
                 (QStringList{QStringLiteral("abcdf"), QStringLiteral("abcdfgh"),
                              QStringLiteral("ab")}));
        // Back in normal mode the caret no longer goes past a line's end.
        TypeKeys(QStringLiteral("Ctrl+Shift+N Ctrl+End Right"));
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0), 0L);
    }

    // The mouse selects in the mode the keys selected.
    void mouseSelects_data()
    {
        QTest::addColumn<QString>("modeKeys");
        QTest::addColumn<QPoint>("from"); // line, column; columns past the end are virtual
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("shiftClick"); // a Shift+click at "to" instead of a drag
        QTest::addColumn<QString>("selected"); // stream and line modes
        QTest::addColumn<int>("blockLines");   // column mode: lines of the block
        QTest::addColumn<int>("caretVirtual"); // column mode: virtual columns at the caret
        const QString normal;
        QTest::newRow("normal drag") << normal << QPoint(0, 1) << QPoint(1, 1) << false
                                     << "bcdef\na" << 0 << 0;
        QTest::newRow("line drag") << "Ctrl+Shift+L" << QPoint(1, 1) << QPoint(2, 1) << false
                                   << "ab\nabcdef\n" << 0 << 0;
        QTest::newRow("line drag upwards") << "Ctrl+Shift+L" << QPoint(2, 3) << QPoint(0, 0)
                                           << false << "abcdef\nab\nabcdef\n" << 0 << 0;
        QTest::newRow("line Shift+click") << "Ctrl+Shift+L" << QPoint(0, 2) << QPoint(1, 0)
                                          << true << "abcdef\nab\n" << 0 << 0;
        QTest::newRow("column drag") << "Ctrl+Shift+C" << QPoint(0, 1) << QPoint(2, 4) << false
                                     << QString() << 3 << 0;
        QTest::newRow("column drag into virtual space")
            << "Ctrl+Shift+C" << QPoint(0, 1) << QPoint(1, 5) << false << QString() << 2 << 3;
        QTest::newRow("column Shift+click") << "Ctrl+Shift+C" << QPoint(0, 4) << QPoint(3, 2)
                                            << true << QString() << 4 << 0;
    }
    void mouseSelects()
    {
        QFETCH(QString, modeKeys);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, shiftClick);
        QFETCH(QString, selected);
        QFETCH(int, blockLines);
        QFETCH(int, caretVirtual);
        Load(m_edit, QStringLiteral("|abcdef\nab\nabcdef\nxyz"));
        TypeKeys(modeKeys);
        auto *sci = static_cast<QsciScintilla *>(m_edit->Handle());
        QWidget *view = sci->viewport();
        const long space = Send(m_edit, Sci::SCI_TEXTWIDTH, Sci::STYLE_DEFAULT,
                                reinterpret_cast<long>(" "));
        auto pointOf = [&](QPoint lineColumn) {
            const long start = Send(m_edit, Sci::SCI_POSITIONFROMLINE, lineColumn.x());
            const long end = Send(m_edit, Sci::SCI_GETLINEENDPOSITION, lineColumn.x());
            const long pos = std::min(start + lineColumn.y(), end);
            const long beyond = start + lineColumn.y() - pos;
            const int x = int(Send(m_edit, Sci::SCI_POINTXFROMPOSITION, 0, pos) + beyond * space)
                + 1;
            const int y = int(Send(m_edit, Sci::SCI_POINTYFROMPOSITION, 0, pos))
                + int(Send(m_edit, Sci::SCI_TEXTHEIGHT, 0)) / 2;
            return QPoint(x, y);
        };
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers mods) {
            QMouseEvent event(type, at, view->mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                              mods);
            QApplication::sendEvent(view, &event);
        };
        send(QEvent::MouseButtonPress, pointOf(from), Qt::LeftButton, Qt::NoModifier);
        if (shiftClick) {
            send(QEvent::MouseButtonRelease, pointOf(from), Qt::NoButton, Qt::NoModifier);
            send(QEvent::MouseButtonPress, pointOf(to), Qt::LeftButton, Qt::ShiftModifier);
            send(QEvent::MouseButtonRelease, pointOf(to), Qt::NoButton, Qt::ShiftModifier);
        } else {
            send(QEvent::MouseMove, (pointOf(from) + pointOf(to)) / 2, Qt::LeftButton,
                 Qt::NoModifier);
            send(QEvent::MouseMove, pointOf(to), Qt::LeftButton, Qt::NoModifier);
            send(QEvent::MouseButtonRelease, pointOf(to), Qt::NoButton, Qt::NoModifier);
        }
        if (blockLines == 0) {
            QVERIFY(!Send(m_edit, Sci::SCI_SELECTIONISRECTANGLE));
            QCOMPARE(m_edit->SelText(), selected);
            return;
        }
        QVERIFY(Send(m_edit, Sci::SCI_SELECTIONISRECTANGLE));
        QCOMPARE(Send(m_edit, Sci::SCI_GETSELECTIONS), long(blockLines));
        QCOMPARE(Send(m_edit, Sci::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE),
                 long(caretVirtual));
        const long anchor = Send(m_edit, Sci::SCI_GETRECTANGULARSELECTIONANCHOR);
        QCOMPARE(Send(m_edit, Sci::SCI_LINEFROMPOSITION, anchor), long(from.x()));
        QCOMPARE(Send(m_edit, Sci::SCI_GETCOLUMN, anchor), long(from.y()));
    }

    // The marker margin is wide enough to show a marker, and each marker draws its own tag.
    void markerGlyphsShow()
    {
        m_edit->Lines()->SetText(NumberedLines(12));
        QVERIFY(Send(m_edit, Sci::SCI_GETMARGINWIDTHN, 0) >= 14);
        auto *sci = static_cast<QsciScintilla *>(m_edit->Handle());
        const int lineHeight = int(Send(m_edit, Sci::SCI_TEXTHEIGHT, 0));
        const int width = int(Send(m_edit, Sci::SCI_GETMARGINWIDTHN, 0));
        QImage previous;
        for (int d = 0; d < TSynEdit::MarkerCount; ++d) {
            QCOMPARE(Send(m_edit, Sci::SCI_MARKERSYMBOLDEFINED, d), long(Sci::SC_MARK_RGBAIMAGE));
            m_edit->SetCaretPos(d, 0);
            TypeKeys(QStringLiteral("Ctrl+Shift+%1").arg(d));
            const QImage shot = sci->viewport()->grab().toImage();
            const int top = int(Send(m_edit, Sci::SCI_POINTYFROMPOSITION, 0,
                                     Send(m_edit, Sci::SCI_POSITIONFROMLINE, d)));
            const QImage tag = shot.copy(0, top, width, lineHeight);
            int fill = 0;
            int ink = 0;
            for (int y = 0; y < tag.height(); ++y) {
                for (int x = 0; x < tag.width(); ++x) {
                    const QColor c = tag.pixelColor(x, y);
                    fill += c.red() > 240 && c.green() > 220 && c.blue() < 170;
                    ink += c.blue() > 60 && c.red() < 60 && c.green() < 60;
                }
            }
            QVERIFY2(fill > 20 && ink > 5, qPrintable(QStringLiteral("marker %1").arg(d)));
            QVERIFY(tag != previous); // each digit its own glyph
            previous = tag;
        }
    }

    void markers_data()
    {
        QTest::addColumn<int>("digit");
        for (int d = 0; d < TSynEdit::MarkerCount; ++d)
            QTest::addRow("Ctrl+Shift+%d ecSetMarker%d, Ctrl+%d ecGotoMarker%d", d, d, d, d)
                << d;
    }
    void markers()
    {
        QFETCH(int, digit);
        m_edit->Lines()->SetText(NumberedLines(30));
        m_edit->SetCaretPos(3 + digit, 2);
        TypeKeys(QStringLiteral("Ctrl+Shift+%1").arg(digit));
        QCOMPARE(m_edit->MarkerLine(digit), 3 + digit);
        TypeKeys(QStringLiteral("Ctrl+End Up"));
        TypeKeys(QStringLiteral("Ctrl+%1").arg(digit));
        QCOMPARE(m_edit->CaretLine(), 3 + digit);
        QCOMPARE(m_edit->CaretColumn(), 2);
        // The marker shows in the gutter.
        QCOMPARE(Send(m_edit, Sci::SCI_MARKERGET, 3 + digit), 1L << digit);
    }

    void markerFollowsEditsAndToggles()
    {
        m_edit->Lines()->SetText(NumberedLines(10));
        m_edit->SetCaretPos(5, 0);
        TypeKeys(QStringLiteral("Ctrl+Shift+3 Ctrl+Home Enter Enter"));
        QCOMPARE(m_edit->MarkerLine(3), 7);
        TypeKeys(QStringLiteral("Ctrl+3"));
        QCOMPARE(m_edit->CaretLine(), 7);
        TypeKeys(QStringLiteral("Down Ctrl+Shift+3")); // moves marker 3 down a line
        QCOMPARE(m_edit->MarkerLine(3), 8);
        QCOMPARE(Send(m_edit, Sci::SCI_MARKERGET, 7), 0L);
        TypeKeys(QStringLiteral("Ctrl+Shift+3")); // set again where it stands: gone
        QCOMPARE(m_edit->MarkerLine(3), -1);
        TypeKeys(QStringLiteral("Ctrl+Home Ctrl+3")); // an unset marker goes nowhere
        QCOMPARE(m_edit->CaretLine(), 0);
    }

    void paging_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("target"); // where the caret goes
        QTest::addColumn<bool>("selects");
        QTest::addColumn<int>("scroll"); // lines the view moves
        QTest::newRow("PgDn ecPageDown") << "PgDn" << "page down" << false << 1;
        QTest::newRow("Shift+PgDn ecSelPageDown") << "Shift+PgDn" << "page down" << true << 1;
        QTest::newRow("PgUp ecPageUp") << "PgUp" << "page up" << false << -1;
        QTest::newRow("Shift+PgUp ecSelPageUp") << "Shift+PgUp" << "page up" << true << -1;
        QTest::newRow("Ctrl+PgUp ecPageTop") << "Ctrl+PgUp" << "top" << false << 0;
        QTest::newRow("Ctrl+Shift+PgUp ecSelPageTop") << "Ctrl+Shift+PgUp" << "top" << true
                                                      << 0;
        QTest::newRow("Ctrl+PgDn ecPageBottom") << "Ctrl+PgDn" << "bottom" << false << 0;
        QTest::newRow("Ctrl+Shift+PgDn ecSelPageBottom") << "Ctrl+Shift+PgDn" << "bottom"
                                                         << true << 0;
        QTest::newRow("Ctrl+Up ecScrollUp") << "Ctrl+Up" << "same" << false << -2;
        QTest::newRow("Ctrl+Down ecScrollDown") << "Ctrl+Down" << "same" << false << 2;
    }
    void paging()
    {
        QFETCH(QString, keys);
        QFETCH(QString, target);
        QFETCH(bool, selects);
        QFETCH(int, scroll);
        m_edit->Lines()->SetText(NumberedLines(300));
        m_edit->SetCaretPos(150, 3);
        Send(m_edit, Sci::SCI_SETFIRSTVISIBLELINE, 140);
        m_edit->SetCaretPos(150, 3);
        const long first = Send(m_edit, Sci::SCI_GETFIRSTVISIBLELINE);
        const long shown = Send(m_edit, Sci::SCI_LINESONSCREEN);
        QVERIFY2(shown > 5 && first < 150 && first + shown > 150,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(first).arg(shown)
                            .arg(m_edit->Height())));
        const long oldPos = Send(m_edit, Sci::SCI_GETCURRENTPOS);
        TypeKeys(keys);
        const long page = shown - 1; // a page keeps one line of the last one in view
        const QHash<QString, long> lines{{QStringLiteral("page down"), 150 + page},
                                         {QStringLiteral("page up"), 150 - page},
                                         {QStringLiteral("top"), first},
                                         {QStringLiteral("bottom"), first + shown - 1},
                                         {QStringLiteral("same"), 150}};
        QCOMPARE(long(m_edit->CaretLine()), lines.value(target));
        QCOMPARE(m_edit->CaretColumn(), 3);
        const long nowFirst = Send(m_edit, Sci::SCI_GETFIRSTVISIBLELINE);
        if (scroll == 2 || scroll == -2)
            QCOMPARE(nowFirst, first + scroll / 2);
        else
            QCOMPARE(nowFirst, first + scroll * page);
        QCOMPARE(!m_edit->SelText().isEmpty(), selects);
        if (selects) // the selection reaches back to where the caret was
            QCOMPARE(Send(m_edit, Sci::SCI_GETANCHOR), oldPos);
    }
};

QTEST_MAIN(SynEditTest)
#include "tst_synedit.moc"
