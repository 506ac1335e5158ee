// The Pascal highlighter: the token classes of each construct, lines that leave a comment
// open, and the styles a sample unit gets in an editor.

#include "Application.h"
#include "Forms.h"
#include "SynEdit.h"
#include "SynHighlighterPas.h"

#include <Qsci/qsciscintilla.h>

#include <QtTest>

namespace {

const char *const kKindNames[] = {"space", "ident", "key", "comment", "directive", "string",
                                  "char", "number", "symbol"};

// "kind:text" of each token but spaces.
QStringList Tokens(const TSynPasSyn &syn, const QString &line, int state, int *endState)
{
    std::vector<TSynToken> tokens;
    *endState = syn.ScanLine(line, state, tokens);
    QStringList out;
    int covered = 0;
    for (const TSynToken &t : tokens) {
        if (t.Start != covered)
            out << QStringLiteral("GAP");
        covered = t.Start + t.Length;
        if (t.Kind != TSynPasSyn::tkSpace)
            out << QStringLiteral("%1:%2").arg(QLatin1String(kKindNames[t.Kind]),
                                               line.mid(t.Start, t.Length));
    }
    if (covered != line.size())
        out << QStringLiteral("SHORT");
    return out;
}

} // namespace

class SynPasSynTest : public QObject
{
    Q_OBJECT
private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<int>("endState");
        const int none = TSynPasSyn::rsNone;
        QTest::newRow("reserved words in any case")
            << "BEGIN Result End" << none
            << QStringList{"key:BEGIN", "ident:Result", "key:End"} << none;
        QTest::newRow("brace comment") << "a {note} b" << none
                                       << QStringList{"ident:a", "comment:{note}", "ident:b"}
                                       << none;
        QTest::newRow("paren comment") << "(* x *)(" << none
                                       << QStringList{"comment:(* x *)", "symbol:("} << none;
        QTest::newRow("line comment") << "x; // rest {" << none
                                      << QStringList{"ident:x", "symbol:;", "comment:// rest {"}
                                      << none;
        QTest::newRow("directive") << "{$R *.dfm}" << none << QStringList{"directive:{$R *.dfm}"}
                                   << none;
        QTest::newRow("paren directive") << "(*$I+*)" << none << QStringList{"directive:(*$I+*)"}
                                         << none;
        QTest::newRow("string with doubled quote")
            << "s := 'it''s';" << none
            << QStringList{"ident:s", "symbol::", "symbol:=", "string:'it''s'", "symbol:;"}
            << none;
        QTest::newRow("unterminated string ends with the line")
            << "'abc" << none << QStringList{"string:'abc"} << none;
        QTest::newRow("character codes") << "#13#10'x'#$0D" << none
                                         << QStringList{"char:#13", "char:#10", "string:'x'",
                                                        "char:#$0D"}
                                         << none;
        QTest::newRow("decimal, float and hex numbers")
            << "12 3.5e-2 $FF0A 1..9" << none
            << QStringList{"number:12", "number:3.5e-2", "number:$FF0A", "number:1",
                           "symbol:.", "symbol:.", "number:9"}
            << none;
        QTest::newRow("symbols") << "a[i]^.b" << none
                                 << QStringList{"ident:a", "symbol:[", "ident:i", "symbol:]",
                                                "symbol:^", "symbol:.", "ident:b"}
                                 << none;
        QTest::newRow("brace comment left open")
            << "x { open" << none << QStringList{"ident:x", "comment:{ open"}
            << int(TSynPasSyn::rsBraceComment);
        QTest::newRow("open brace comment goes on")
            << "still } y" << int(TSynPasSyn::rsBraceComment)
            << QStringList{"comment:still }", "ident:y"} << none;
        QTest::newRow("open paren comment ignores a brace")
            << "a } b *) c" << int(TSynPasSyn::rsParenComment)
            << QStringList{"comment:a } b *)", "ident:c"} << none;
        QTest::newRow("open directive goes on")
            << "DEBUG}" << int(TSynPasSyn::rsBraceDirective) << QStringList{"directive:DEBUG}"}
            << none;
        QTest::newRow("paren directive left open")
            << "(*$IFDEF" << none << QStringList{"directive:(*$IFDEF"}
            << int(TSynPasSyn::rsParenDirective);
        QTest::newRow("lone hash and dollar are symbols")
            << "# $" << none << QStringList{"symbol:#", "symbol:$"} << none;
        QTest::newRow("umlauts in identifiers and strings")
            << "Größe := 'Äpfel';" << none
            << QStringList{"ident:Größe", "symbol::", "symbol:=", "string:'Äpfel'", "symbol:;"}
            << none;
        QTest::newRow("CJK identifier")
            << "名前 := 1;" << none
            << QStringList{"ident:名前", "symbol::", "symbol:=", "number:1", "symbol:;"} << none;
        QTest::newRow("emoji outside strings is one symbol")
            << QString::fromUtf8("x 😀 begin") << none
            << QStringList{"ident:x", QString::fromUtf8("symbol:😀"), "key:begin"} << none;
    }
    void tokens()
    {
        QFETCH(QString, line);
        QFETCH(int, state);
        QFETCH(QStringList, tokens);
        QFETCH(int, endState);
        TSynPasSyn syn(nullptr);
        int end = -1;
        QCOMPARE(Tokens(syn, line, state, &end), tokens);
        QCOMPARE(end, endState);
    }

    // Directive words are keywords where they act as directives and identifiers elsewhere.
    void directives_data()
    {
        QTest::addColumn<QStringList>("lines"); // the last one is looked at
        QTest::addColumn<QStringList>("keys");  // its keyword tokens
        auto row = [](const char *name, QStringList lines, QStringList keys) {
            QTest::newRow(name) << lines << keys;
        };
        row("property directives", {"property Read: Integer read FRead write SetRead default 0;"},
            {"property", "read", "write", "default"});
        row("more property directives",
            {"property X: Integer index 2 read GetX stored False nodefault implements Y;"},
            {"property", "index", "read", "stored", "nodefault", "implements"});
        row("dispinterface property",
            {"property Count: Integer readonly dispid 3;"},
            {"property", "readonly", "dispid"});
        row("default after an array property", {"property Items[I: Integer]: T read Get; default;"},
            {"property", "read", "default"});
        row("method calls named like directives", {"Stream.Read(Buf, 4); Write(X); Index := 1;"},
            {});
        row("a routine named Register", {"procedure Register;"}, {"procedure"});
        row("a variable named Message", {"var Message: TMessage;"}, {"var"});
        row("directives after a heading",
            {"procedure Paint(const R: TRect); override; stdcall;"},
            {"procedure", "const", "override", "stdcall"});
        row("directives after a heading on the next line", {"procedure Paint;", "  virtual; abstract;"},
            {"virtual", "abstract"});
        row("message handler", {"procedure WMPaint(var Msg: TWMPaint); message WM_PAINT;"},
            {"procedure", "var", "message"});
        row("external with name and index",
            {"function Beep: Boolean; external 'k.dll' name 'Beep' index 3;"},
            {"function", "external", "name", "index"});
        row("forward, then a body", {"procedure P; forward;", "procedure Q; begin Read; end;"},
            {"procedure", "begin", "end"});
        row("body after the heading", {"procedure TA.Run;", "var Register: Integer;"},
            {"var"});
        row("procedural type", {"TProc = procedure(A: Integer) of object; register;"},
            {"procedure", "of", "object", "register"});
        row("visibility sections", {"  published"}, {"published"});
        row("visibility word as a variable", {"Public := Private + 1;"}, {});
        row("exception handler", {"on E: EConvertError do Show(E.Message);"}, {"on", "do"});
        row("on as an identifier", {"On := Button.On;"}, {});
        row("raise at", {"raise EAbort.Create('x') at Addr;"}, {"raise", "at"});
        row("at without raise", {"at := 1;"}, {});
        row("absolute", {"X: Integer absolute Y;"}, {"absolute"});
        row("absolute as a name", {"Absolute := 2;"}, {});
        row("exports clause", {"exports Beep name 'B' index 3 resident, Name;"},
            {"exports", "name", "index", "resident"});
        row("pascal, assembler, export", {"function F: Integer; pascal; assembler; export;"},
            {"function", "pascal", "assembler", "export"});
    }
    void directives()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, keys);
        TSynPasSyn syn(nullptr);
        int state = TSynPasSyn::rsNone;
        std::vector<TSynToken> tokens;
        for (const QString &line : lines)
            state = syn.ScanLine(line, state, tokens);
        QStringList found;
        for (const TSynToken &t : tokens) {
            if (t.Kind == TSynPasSyn::tkKey)
                found << lines.last().mid(t.Start, t.Length);
        }
        QCOMPARE(found, keys);
        QCOMPARE(TSynPasSyn::CommentRange(state), TSynPasSyn::rsNone);
    }

    // Styling counts bytes: characters of two, three and four bytes colour what follows them
    // correctly.
    void nonAsciiTextInAnEditor_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("umlauts") << QStringLiteral("Größe := 'Ü'; begin // ä");
        QTest::newRow("CJK") << QStringLiteral("名前 := '日本'; begin // 語");
        QTest::newRow("emoji") << QString::fromUtf8("x := 1; 😀 begin // 😀");
        QTest::newRow("emoji twice") << QString::fromUtf8("😀😀 x; begin // end");
    }
    void nonAsciiTextInAnEditor()
    {
        QFETCH(QString, line);
        TApplication app(nullptr);
        auto *form = new TForm(nullptr);
        form->SetBounds(0, 0, 500, 300);
        auto *syn = new TSynPasSyn(form);
        auto *edit = new TSynEdit(form);
        edit->SetAlign(alClient);
        edit->SetParent(form);
        edit->SetHighlighter(syn);
        edit->Lines()->SetText(line + QStringLiteral("\nend."));
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form->Handle()));
        auto *sci = static_cast<QsciScintilla *>(edit->Handle());
        sci->SendScintilla(QsciScintilla::SCI_COLOURISE, 0, -1);
        auto styleAt = [&](qsizetype chars) {
            const long byte = long(line.left(chars).toUtf8().size());
            return int(sci->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, (unsigned long)byte));
        };
        const qsizetype begin = line.indexOf(QStringLiteral("begin"));
        QCOMPARE(styleAt(begin), int(TSynPasSyn::tkKey));
        QCOMPARE(styleAt(begin + 4), int(TSynPasSyn::tkKey));
        QCOMPARE(styleAt(begin + 5), int(TSynPasSyn::tkSpace));
        QCOMPARE(styleAt(line.indexOf(QStringLiteral("//"))), int(TSynPasSyn::tkComment));
        QCOMPARE(styleAt(line.size() - 1), int(TSynPasSyn::tkComment));
        // The next line starts right: its first byte is a keyword's.
        const long next = long(line.toUtf8().size()) + 1;
        QCOMPARE(int(sci->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, (unsigned long)next)),
                 int(TSynPasSyn::tkKey));
        Free(form);
    }

    // The styles reach the editor's text, carried across lines by the scanner state.
    void sampleUnitInAnEditor()
    {
        TApplication app(nullptr);
        auto *form = new TForm(nullptr);
        form->SetBounds(0, 0, 500, 400);
        auto *syn = new TSynPasSyn(form);
        auto *edit = new TSynEdit(form);
        edit->SetAlign(alClient);
        edit->SetParent(form);
        edit->SetHighlighter(syn);
        const QString unit = QStringLiteral(
            "unit Sample;\n"
            "{$H+}\n"
            "interface\n"
            "(* a comment\n"
            "   over lines *)\n"
            "const CR = #13; Mask = $FF;\n"
            "var S: string = 'don''t';\n"
            "implementation\n"
            "end.");
        edit->Lines()->SetText(unit);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form->Handle()));
        auto *sci = static_cast<QsciScintilla *>(edit->Handle());
        sci->SendScintilla(QsciScintilla::SCI_COLOURISE, 0, -1);
        auto styleOf = [&](const QString &word, int nth = 0) {
            qsizetype at = -1;
            for (int i = 0; i <= nth; ++i)
                at = unit.indexOf(word, at + 1);
            return int(sci->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, (unsigned long)at));
        };
        QCOMPARE(styleOf(QStringLiteral("unit")), int(TSynPasSyn::tkKey));
        QCOMPARE(styleOf(QStringLiteral("Sample")), int(TSynPasSyn::tkIdentifier));
        QCOMPARE(styleOf(QStringLiteral("{$H+}")), int(TSynPasSyn::tkDirective));
        QCOMPARE(styleOf(QStringLiteral("over")), int(TSynPasSyn::tkComment));
        QCOMPARE(styleOf(QStringLiteral("const")), int(TSynPasSyn::tkKey));
        QCOMPARE(styleOf(QStringLiteral("#13")), int(TSynPasSyn::tkChar));
        QCOMPARE(styleOf(QStringLiteral("$FF")), int(TSynPasSyn::tkNumber));
        QCOMPARE(styleOf(QStringLiteral("'don''t'")), int(TSynPasSyn::tkString));
        QCOMPARE(styleOf(QStringLiteral(";")), int(TSynPasSyn::tkSymbol));
        // Closing the comment early restyles the lines below it.
        sci->insertAt(QStringLiteral("*)"), 3, 4);
        sci->SendScintilla(QsciScintilla::SCI_COLOURISE, 0, -1);
        QCOMPARE(int(sci->SendScintilla(QsciScintilla::SCI_GETSTYLEAT,
                                        sci->positionFromLineIndex(4, 3))),
                 int(TSynPasSyn::tkIdentifier));
        // Keywords read bold, comments italic, in the editor's own font family.
        QVERIFY(syn->Attribute(TSynPasSyn::tkKey).Style & FontStyles({fsBold}));
        QVERIFY(syn->Attribute(TSynPasSyn::tkComment).Style & FontStyles({fsItalic}));
        Free(form);
    }
};

QTEST_MAIN(SynPasSynTest)
#include "tst_synpassyn.moc"
