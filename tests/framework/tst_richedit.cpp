// The rich edit's character and paragraph attributes, its selection, and its text in and out
// of RTF files.

#include "Application.h"
#include "ComCtrlsRichEdit.h"
#include "Forms.h"
#include "RichTextRtf.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

namespace {

struct Events
{
    void SelectionChanged(TObject *) { ++selectionChanges; }
    void Changed(TObject *) { ++changes; }
    int selectionChanges = 0;
    int changes = 0;
};

const TFontStyles kBold = FontStyles({fsBold});
const TFontStyles kItalic = FontStyles({fsItalic});

// Everything the attributes of a selection tell, as one comparable text.
QString Describe(TTextAttributes *a)
{
    return QStringLiteral("%1 %2pt %3 style=%4 charset=%5 pitch=%6 prot=%7")
        .arg(a->Name())
        .arg(a->Size())
        .arg(ColorToString(a->Color()))
        .arg(a->Style())
        .arg(a->Charset())
        .arg(int(a->Pitch()))
        .arg(a->Protected());
}

QString Describe(TParaAttributes *p)
{
    QStringList tabs;
    for (int i = 0; i < p->TabCount(); ++i)
        tabs << QString::number(p->Tab(i));
    return QStringLiteral("align=%1 first=%2 left=%3 right=%4 numbering=%5 tabs=%6")
        .arg(int(p->Alignment()))
        .arg(p->FirstIndent())
        .arg(p->LeftIndent())
        .arg(p->RightIndent())
        .arg(int(p->Numbering()))
        .arg(tabs.join(QLatin1Char(',')));
}

} // namespace

class RichEditTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;
    QTemporaryDir m_dir;

    TRichEdit *Make(const QStringList &lines = {})
    {
        auto *edit = new TRichEdit(m_form.get());
        edit->SetParent(m_form.get());
        edit->SetBounds(10, 10, 300, 200);
        edit->Lines()->SetStringList(lines);
        return edit;
    }

    static void Select(TCustomRichEdit *edit, int start, int length)
    {
        edit->SetSelStart(start);
        edit->SetSelLength(length);
    }

    // "Hello world" / "second line" / "third line", with formatting on all of it.
    TRichEdit *Formatted()
    {
        TRichEdit *edit = Make({"Hello {w}orld\\", "second\tline \u00e9\u20ac\u263a", "third"});
        Select(edit, 0, 5);
        edit->SelAttributes()->SetStyle(kBold | kItalic);
        edit->SelAttributes()->SetColor(clRed);
        Select(edit, 6, 7);
        edit->SelAttributes()->SetName(QStringLiteral("Courier New"));
        edit->SelAttributes()->SetSize(14);
        edit->SelAttributes()->SetPitch(fpFixed);
        edit->SelAttributes()->SetStyle(FontStyles({fsUnderline, fsStrikeOut}));
        edit->SelAttributes()->SetProtected(true);
        edit->SelAttributes()->SetCharset(204);
        Select(edit, 15, 3);
        edit->SelAttributes()->SetColor(clNavy);
        edit->Paragraph()->SetAlignment(taCenter);
        edit->Paragraph()->SetFirstIndent(10);
        edit->Paragraph()->SetLeftIndent(20);
        edit->Paragraph()->SetRightIndent(5);
        edit->Paragraph()->SetTabCount(2);
        edit->Paragraph()->SetTab(0, 30);
        Select(edit, 31, 1);
        edit->Paragraph()->SetNumbering(nsBullet);
        return edit;
    }

    // The attributes of every character and paragraph, to compare two edits by.
    static QStringList Snapshot(TCustomRichEdit *edit)
    {
        QStringList out;
        const int length = edit->Document()->characterCount() - 1;
        for (int i = 0; i < length; ++i) {
            if (edit->Document()->characterAt(i) == QChar::ParagraphSeparator)
                continue; // a paragraph mark, no character of the text
            Select(edit, i, 1);
            out << edit->SelText() + QLatin1Char(' ') + Describe(edit->SelAttributes());
        }
        for (int i = 0; i < edit->Lines()->Count(); ++i) {
            Select(edit, edit->Document()->findBlockByNumber(i).position(), 0);
            out << Describe(edit->Paragraph());
        }
        return out;
    }

    QString Path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_form->SetBounds(0, 0, 400, 300);
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void selectionAttributesChangeOnlyTheSelection()
    {
        TRichEdit *edit = Make({"one two three"});
        const QString plain = (Select(edit, 0, 3), Describe(edit->SelAttributes()));
        Select(edit, 4, 3);
        edit->SelAttributes()->SetStyle(kBold);
        edit->SelAttributes()->SetColor(clRed);
        edit->SelAttributes()->SetSize(14);
        edit->SelAttributes()->SetName(QStringLiteral("Courier New"));
        Select(edit, 4, 3);
        QCOMPARE(edit->SelAttributes()->Style(), kBold);
        QCOMPARE(edit->SelAttributes()->Color(), clRed);
        QCOMPARE(edit->SelAttributes()->Size(), 14);
        QCOMPARE(edit->SelAttributes()->Height(), 19); // 14pt at 96 pixels an inch
        QCOMPARE(edit->SelAttributes()->Name(), QStringLiteral("Courier New"));
        QCOMPARE((Select(edit, 0, 3), Describe(edit->SelAttributes())), plain);
        QCOMPARE((Select(edit, 8, 5), Describe(edit->SelAttributes())), plain);
        QCOMPARE(edit->Lines()->Text(), QStringLiteral("one two three"));
    }

    void consistentAttributesOfAMixedSelection()
    {
        TRichEdit *edit = Make({"one two"});
        Select(edit, 4, 3);
        edit->SelAttributes()->SetStyle(kBold | kItalic);
        edit->SelAttributes()->SetSize(20);
        Select(edit, 0, 7);
        const TConsistentAttributes same = edit->SelAttributes()->ConsistentAttributes();
        QCOMPARE(same & (1u << caBold), 0u);
        QCOMPARE(same & (1u << caItalic), 0u);
        QCOMPARE(same & (1u << caSize), 0u);
        QVERIFY(same & (1u << caFace));
        QVERIFY(same & (1u << caColor));
        QVERIFY(same & (1u << caUnderline));
        // Reading a mixed selection gives its first character's attributes.
        QCOMPARE(edit->SelAttributes()->Style(), TFontStyles(0));
        Select(edit, 4, 3);
        QCOMPARE(edit->SelAttributes()->ConsistentAttributes() & (1u << caBold), 1u << caBold);
    }

    void attributesAtTheCaretGoToTypedText()
    {
        TRichEdit *edit = Make({"ab"});
        Select(edit, 1, 0);
        edit->SelAttributes()->SetStyle(kBold);
        edit->SelAttributes()->SetColor(clGreen);
        edit->SetSelText(QStringLiteral("XY"));
        QCOMPARE(edit->Lines()->Strings(0), QStringLiteral("aXYb"));
        Select(edit, 1, 2);
        QCOMPARE(edit->SelAttributes()->Style(), kBold);
        QCOMPARE(edit->SelAttributes()->Color(), clGreen);
        QCOMPARE(edit->SelAttributes()->ConsistentAttributes() & (1u << caBold), 1u << caBold);
        Select(edit, 3, 1);
        QCOMPARE(edit->SelAttributes()->Style(), TFontStyles(0));
    }

    void defaultAttributesFollowTheFont()
    {
        TRichEdit *edit = Make({"plain red"});
        Select(edit, 6, 3);
        edit->SelAttributes()->SetColor(clRed);
        edit->Font()->SetName(QStringLiteral("Arial"));
        edit->Font()->SetSize(12);
        QCOMPARE(edit->DefAttributes()->Name(), QStringLiteral("Arial"));
        QCOMPARE(edit->DefAttributes()->Size(), 12);
        // Text without a colour of its own shows the default colour; text with one keeps it.
        edit->DefAttributes()->SetColor(clBlue);
        QCOMPARE((Select(edit, 0, 5), edit->SelAttributes()->Color()), clBlue);
        QCOMPARE((Select(edit, 6, 3), edit->SelAttributes()->Color()), clRed);
        QCOMPARE(edit->SelAttributes()->Name(), QStringLiteral("Arial"));
    }

    void attributesAssignToAndFromFonts()
    {
        TRichEdit *edit = Make({"text"});
        TFont font;
        font.SetName(QStringLiteral("Times New Roman"));
        font.SetSize(18);
        font.SetStyle(kItalic);
        font.SetColor(clMaroon);
        font.SetCharset(238);
        font.SetPitch(fpVariable);
        Select(edit, 0, 4);
        edit->SelAttributes()->Assign(&font);
        TFont back;
        back.Assign(edit->SelAttributes());
        QVERIFY(back == font);
        // Attributes to attributes: the default ones take the selection's.
        edit->DefAttributes()->Assign(edit->SelAttributes());
        QCOMPARE(Describe(edit->DefAttributes()), Describe(edit->SelAttributes()));
        QVERIFY_THROWS_EXCEPTION(EConvertError, edit->SelAttributes()->Assign(edit->Lines()));
    }

    void paragraphAttributesOfTheSelectedParagraphs()
    {
        TRichEdit *edit = Make({"first", "second", "third"});
        const QString plain = Describe(edit->Paragraph());
        Select(edit, 2, 8); // from the first paragraph into the second
        edit->Paragraph()->SetAlignment(taRightJustify);
        edit->Paragraph()->SetFirstIndent(12);
        edit->Paragraph()->SetLeftIndent(18);
        edit->Paragraph()->SetRightIndent(6);
        edit->Paragraph()->SetNumbering(nsBullet);
        edit->Paragraph()->SetTabCount(3);
        edit->Paragraph()->SetTab(1, 100);
        const QString changed =
            QStringLiteral("align=%1 first=12 left=18 right=6 numbering=1 tabs=36,100,108")
                .arg(int(taRightJustify));
        QCOMPARE((Select(edit, 0, 0), Describe(edit->Paragraph())), changed);
        QCOMPARE((Select(edit, 7, 0), Describe(edit->Paragraph())), changed);
        QCOMPARE((Select(edit, 14, 0), Describe(edit->Paragraph())), plain);
        // Changing the first indent keeps the other lines where they are relative to it.
        Select(edit, 0, 0);
        edit->Paragraph()->SetFirstIndent(4);
        QCOMPARE(edit->Paragraph()->LeftIndent(), 18);
        QVERIFY_THROWS_EXCEPTION(EListError, edit->Paragraph()->Tab(3));
        edit->Paragraph()->SetNumbering(nsNone);
        QCOMPARE(edit->Paragraph()->Numbering(), nsNone);
        QCOMPARE((Select(edit, 7, 0), edit->Paragraph()->Numbering()), nsBullet);
        // The edit's Alignment holds for paragraphs without one of their own.
        edit->SetAlignment(taCenter);
        QCOMPARE((Select(edit, 14, 0), edit->Paragraph()->Alignment()), taCenter);
    }

    void selectionChangeIsReportedOncePerMove()
    {
        TRichEdit *edit = Make({"some text", "more"});
        Events events;
        edit->OnSelectionChange = TNotifyEvent::Of<&Events::SelectionChanged>(&events);
        edit->SetSelStart(3);
        QCOMPARE(events.selectionChanges, 1);
        edit->SetSelStart(3);
        QCOMPARE(events.selectionChanges, 1);
        edit->SetSelLength(4);
        QCOMPARE(events.selectionChanges, 2);
        QCOMPARE(edit->SelText(), QStringLiteral("e te"));
        // The user moving the caret in the widget.
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        auto *w = qobject_cast<QTextEdit *>(edit->Handle());
        QVERIFY(w);
        QCOMPARE(w->document(), edit->Document());
        w->setFocus();
        const int before = events.selectionChanges;
        QTest::keyClick(w, Qt::Key_Right);
        QCOMPARE(events.selectionChanges, before + 1);
        QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(events.selectionChanges, before + 2);
        QCOMPARE(edit->SelLength(), 1);
    }

    void typingInTheWidgetReachesLinesAndKeepsAttributes()
    {
        TRichEdit *edit = Make({"ab"});
        Events events;
        edit->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        Select(edit, 0, 1);
        edit->SelAttributes()->SetStyle(kBold);
        QCOMPARE(events.changes, 0); // formatting is no change of the text
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        auto *w = qobject_cast<QTextEdit *>(edit->Handle());
        w->setFocus();
        Select(edit, 1, 0);
        QTest::keyClicks(w, QStringLiteral("c"));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(edit->Lines()->ToStringList(), QStringList({"ac", "b"}));
        QVERIFY(edit->Modified());
        QVERIFY(events.changes >= 2);
        // Lines changed by code replace only what differs: the bold "a" stays bold.
        edit->Lines()->Add(QStringLiteral("new"));
        QCOMPARE((Select(edit, 0, 1), edit->SelAttributes()->Style()), kBold);
        QCOMPARE(edit->Lines()->Count(), 3);
    }

    void attributesRoundTripThroughRtfFiles()
    {
        TRichEdit *edit = Formatted();
        const QStringList expected = Snapshot(edit);
        edit->Lines()->SaveToFile(Path("formatted.rtf"));
        QFile file(Path("formatted.rtf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.startsWith("{\\rtf1"));
        QVERIFY(saved.contains("\\u8364?")); // beyond Latin-1: written as Unicode

        TRichEdit *loaded = Make();
        loaded->Lines()->LoadFromFile(Path("formatted.rtf"));
        QCOMPARE(loaded->Lines()->ToStringList(), edit->Lines()->ToStringList());
        QCOMPARE(Snapshot(loaded), expected);
        // Saving what was loaded gives the same file: nothing grows or drifts.
        QCOMPARE(loaded->RichText(), saved);
    }

    void plainTextFilesAndThePlainTextSwitch()
    {
        TRichEdit *edit = Formatted();
        edit->SetPlainText(true);
        edit->Lines()->SaveToFile(Path("plain.txt"));
        QFile file(Path("plain.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), edit->Lines()->Text().toUtf8() + "\r\n");
        // A file that is not RTF loads as plain text, without the formatting there was.
        edit->SetPlainText(false);
        edit->Lines()->LoadFromFile(Path("plain.txt"));
        QCOMPARE(edit->Lines()->Count(), 3);
        QCOMPARE((Select(edit, 0, 1), edit->SelAttributes()->Style()), TFontStyles(0));
        // With PlainText an RTF file shows as the text it is.
        edit->SetRichText("{\\rtf1 {\\b bold}\\par}");
        edit->SetPlainText(false);
        edit->Lines()->SaveToFile(Path("small.rtf"));
        edit->SetPlainText(true);
        edit->Lines()->LoadFromFile(Path("small.rtf"));
        QVERIFY(edit->Lines()->Text().startsWith(QStringLiteral("{\\rtf1")));
    }

    void readsRtfOfOtherWriters_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boldAt"); // a character that is bold, or -1
        QTest::addColumn<int>("plainAt"); // a character that is not
        QTest::newRow("groups restore attributes")
            << QByteArray("{\\rtf1\\ansi{\\b bold} plain\\par}") << "bold plain" << 0 << 5;
        QTest::newRow("unknown words and destinations passed over")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                          "{\\*\\generator Some Writer;}{\\stylesheet{\\s0 Normal;}}"
                          "\\viewkind4\\uc1\\pard\\nowidctlpar\\lang1033\\f0\\fs20 x\\b y\\b0 z"
                          "\\par}")
            << "xyz" << 1 << 2;
        QTest::newRow("code page bytes and unicode with stand-ins")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364\\'80 \\uc2\\u9786xx!}")
            << QString::fromUtf8("café € ☺!") << -1 << 0;
        QTest::newRow("paragraphs, line breaks and tabs")
            << QByteArray("{\\rtf1 a\\tab b\\line c\\par d\\par\r\n}")
            << QString::fromUtf8("a\tb\u2028c\nd") << -1 << 0;
        QTest::newRow("escaped braces and backslash")
            << QByteArray("{\\rtf1 \\{x\\}\\\\}") << "{x}\\" << -1 << 0;
        QTest::newRow("binary data skipped")
            << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }{}}b}") << "ab" << -1 << 0;
        QTest::newRow("old bullets") << QByteArray("{\\rtf1\\pard{\\pntext\\'B7\\tab}{\\*\\pn"
                                                   "\\pnlvlblt{\\pntxtb\\'B7}}item\\par}")
                                     << "item" << -1 << 0;
    }
    void readsRtfOfOtherWriters()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(int, boldAt);
        QFETCH(int, plainAt);
        TRichEdit *edit = Make();
        edit->SetRichText(rtf);
        // Paragraph marks as line breaks; a soft line break stays one.
        QString raw = edit->Document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QCOMPARE(raw, text);
        if (boldAt >= 0)
            QCOMPARE((Select(edit, boldAt, 1), edit->SelAttributes()->Style()), kBold);
        QCOMPARE((Select(edit, plainAt, 1), edit->SelAttributes()->Style()), TFontStyles(0));
        if (QTest::currentDataTag() == QLatin1String("old bullets"))
            QCOMPARE(edit->Paragraph()->Numbering(), nsBullet);
    }

    void malformedRtfIsRefusedAndLosesNothing_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("a brace too many") << QByteArray("{\\rtf1 a}}") << "at byte 9";
        QTest::newRow("a brace missing") << QByteArray("{\\rtf1 {\\b a}") << "'}' is missing";
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zz}") << "hexadecimal";
        QTest::newRow("endless word")
            << QByteArray("{\\rtf1 \\") + QByteArray(40, 'x') + "}" << "32 letters";
        QTest::newRow("binary beyond the end") << QByteArray("{\\rtf1 \\bin99 ab}") << "\\bin";
    }
    void malformedRtfIsRefusedAndLosesNothing()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, complaint);
        TRichEdit *edit = Formatted();
        const QStringList before = Snapshot(edit);
        QFile file(Path("bad.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        file.close();
        try {
            edit->Lines()->LoadFromFile(Path("bad.rtf"));
            QFAIL("malformed RTF was read");
        } catch (const EParserError &e) {
            QVERIFY2(e.Message().contains(complaint), qPrintable(e.Message()));
            QVERIFY2(e.Message().contains(Path("bad.rtf")), qPrintable(e.Message()));
        }
        QCOMPARE(Snapshot(edit), before);
    }
};

QTEST_MAIN(RichEditTest)
#include "tst_richedit.moc"
