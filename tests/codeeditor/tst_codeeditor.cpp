// The code editor window: its layout on an empty store, its place kept between runs, closing
// that hides it and unchecks its menu item, and keys reaching OnFormKeyDown from the editor.

#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "Registry.h"
#include "SynEdit.h"
#include "SynHighlighterPas.h"
#include "ZeCodeEditor.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QProcess>
#include "XvfbProbe.h"

#include <QtTest>

namespace {

struct TKeyRecorder
{
    QList<QPair<quint16, TShiftState>> keys;
    void KeyDown(TObject *, quint16 &key, TShiftState shift) { keys.append({key, shift}); }
};

} // namespace

class CodeEditorTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    QTemporaryDir m_dir;
    QStringList m_messages;

    QString StoreFile() const { return MachineSettingsFile(); }

private slots:
    void init()
    {
        SetSettingsRootForTesting(m_dir.path() + QLatin1Char('/')
                                  + QTest::currentTestFunction());
        m_app = std::make_unique<TApplication>(nullptr);
        m_app->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_messages << r.Text;
            return IDOK;
        };
    }

    void cleanup()
    {
        m_app.reset();
        SetSettingsRootForTesting(QString());
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    }

    void layoutOnAnEmptyStore()
    {
        auto *ed = new TCodeEditor(nullptr);
        ed->Show();
        QVERIFY(QTest::qWaitForWindowExposed(ed->Handle()));
        QCOMPARE(ed->Caption(), QStringLiteral("Code Editor"));
        QCOMPARE(ed->BoundsRect(), QRect(480, 104, 683, 529));
        QCOMPARE(ed->BorderStyle(), bsSizeToolWin);
        QCOMPARE(ed->Font()->Name(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(ed->Font()->Height(), -11);
        QVERIFY(ed->KeyPreview());
        QCOMPARE(ed->Panel1->Align(), alTop);
        QCOMPARE(ed->Panel1->Height(), 33);
        QCOMPARE(ed->Panel1->BevelOuter(), bvNone);
        QCOMPARE(ed->Panel1->TabOrder(), 1);
        const TSpeedButton *buttons[] = {ed->SpeedButton1, ed->SpeedButton2, ed->SpeedButton3,
                                         ed->SpeedButton4, ed->SpeedButton5};
        const int lefts[] = {8, 36, 76, 104, 132};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(buttons[i]->Name(), QStringLiteral("SpeedButton%1").arg(i + 1));
            QCOMPARE(buttons[i]->Parent(), static_cast<TWinControl *>(ed->Panel1));
            QCOMPARE(buttons[i]->BoundsRect(), QRect(lefts[i], 4, 25, 25));
            QVERIFY(buttons[i]->Flat());
            QVERIFY(!buttons[i]->Glyph()->Empty());
        }
        TSynEdit *syn = ed->SynEdit1;
        QCOMPARE(syn->Align(), alClient);
        QCOMPARE(syn->BoundsRect(), QRect(0, 33, ed->ClientWidth(), ed->ClientHeight() - 52));
        QCOMPARE(syn->Cursor(), crIBeam);
        QCOMPARE(syn->Font()->Name(), QStringLiteral("Courier New"));
        QCOMPARE(syn->Font()->Height(), -13);
        QCOMPARE(syn->Font()->Color(), clWindowText);
        QCOMPARE(syn->Color(), clWindow);
        QVERIFY(!syn->ParentColor());
        QCOMPARE(syn->TabOrder(), 0);
        QCOMPARE(syn->GutterFont()->Height(), -11);
        // The gutter font keeps its classic name and is drawn with a fixed-pitch face.
        QCOMPARE(syn->GutterFont()->Name(), QStringLiteral("Terminal"));
        QVERIFY(QFontInfo(syn->GutterFont()->ToQFont()).fixedPitch());
        QCOMPARE(syn->Highlighter(), static_cast<TSynCustomHighlighter *>(ed->SynPasSyn1));
        QCOMPARE(syn->Lines()->ToStringList(), QStringList{QStringLiteral("SynEdit1")});
        // Courier New is drawn by its metric twin, at 13 pixels, in the editor itself.
        auto *sci = static_cast<QsciScintilla *>(syn->Handle());
        QCOMPARE(sci->text(), QStringLiteral("SynEdit1"));
        const QFont font = sci->lexer()->font(TSynPasSyn::tkIdentifier);
        QCOMPARE(font.family(), QStringLiteral("Liberation Mono"));
        QVERIFY(sci->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0) >= 13);
        char gutterFace[64] = {};
        sci->SendScintilla(QsciScintilla::SCI_STYLEGETFONT,
                           (unsigned long)QsciScintillaBase::STYLE_LINENUMBER, gutterFace);
        QCOMPARE(QString::fromUtf8(gutterFace), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(ed->StatusBar1->Align(), alBottom);
        QCOMPARE(ed->StatusBar1->Height(), 19);
        QCOMPARE(ed->StatusBar1->Panels()->Count(), 0);
        QVERIFY(!ed->StatusBar1->SimplePanel());
        Free(ed);
    }

    void placementIsKeptBetweenRuns()
    {
        auto *ed = new TCodeEditor(nullptr);
        ed->Show();
        ed->SetBounds(100, 120, 500, 400);
        Free(ed); // saves
        QSettings ini(StoreFile(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("CodeEditor/Left")).toString(), QStringLiteral("100"));
        QCOMPARE(ini.value(QStringLiteral("CodeEditor/Width")).toString(), QStringLiteral("500"));
        auto *again = new TCodeEditor(nullptr);
        QCOMPARE(again->BoundsRect(), QRect(100, 120, 500, 400));
        QCOMPARE(again->SynEdit1->Lines()->ToStringList(),
                 QStringList{QStringLiteral("SynEdit1")});
        Free(again);
    }

    void closingHidesAndUnchecksTheMenuItem()
    {
        auto *ed = new TCodeEditor(nullptr);
        auto *item = new TMenuItem(nullptr);
        item->SetChecked(true);
        ed->SetMenuItem(item);
        ed->Show();
        QVERIFY(QTest::qWaitForWindowExposed(ed->Handle()));
        ed->SynEdit1->Lines()->SetText(QStringLiteral("typed"));
        ed->Handle()->close(); // the close box
        QVERIFY(!ed->Visible());
        QVERIFY(!ed->Handle()->isVisible());
        QVERIFY(!item->Checked());
        ed->Show();
        QCOMPARE(ed->SynEdit1->Lines()->ToStringList(), QStringList{QStringLiteral("typed")});
        ed->SetMenuItem(nullptr);
        ed->Close(); // without an item nothing else happens
        QVERIFY(!ed->Visible());
        Free(ed);
        Free(item);
    }

    void freedMenuItemIsForgotten()
    {
        auto *ed = new TCodeEditor(nullptr);
        auto *item = new TMenuItem(nullptr);
        ed->SetMenuItem(item);
        ed->Show();
        QVERIFY(QTest::qWaitForWindowExposed(ed->Handle()));
        Free(item);
        QCOMPARE(ed->MenuItem(), nullptr);
        ed->Close(); // reaches no freed item
        QVERIFY(!ed->Visible());
        // A new item is set again and the old one is no longer watched.
        auto *other = new TMenuItem(nullptr);
        other->SetChecked(true);
        ed->SetMenuItem(other);
        ed->Show();
        ed->Close();
        QVERIFY(!other->Checked());
        Free(ed);
        QVERIFY(!other->Checked()); // the item outlives the window untouched
        Free(other);
    }

    void keysReachOnFormKeyDownFromTheEditor_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("vk");
        QTest::addColumn<quint32>("shift");
        QTest::addColumn<QString>("after"); // the editor's text: the key went on to it
        QTest::newRow("F12") << int(Qt::Key_F12) << 0 << QString() << VK_F12 << 0u
                             << QStringLiteral("SynEdit1");
        QTest::newRow("F11") << int(Qt::Key_F11) << 0 << QString() << VK_F11 << 0u
                             << QStringLiteral("SynEdit1");
        QTest::newRow("a character") << int(Qt::Key_X) << 0 << QStringLiteral("x") << int('X')
                                     << 0u << QStringLiteral("xSynEdit1");
        QTest::newRow("a bound key") << int(Qt::Key_Delete) << 0 << QString() << VK_DELETE << 0u
                                     << QStringLiteral("ynEdit1");
        QTest::newRow("Ctrl+Shift+3 as '#'")
            << int(Qt::Key_NumberSign) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << QStringLiteral("#") << int('3') << (ssCtrl | ssShift)
            << QStringLiteral("SynEdit1");
    }
    void keysReachOnFormKeyDownFromTheEditor()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, vk);
        QFETCH(quint32, shift);
        QFETCH(QString, after);
        auto *ed = new TCodeEditor(nullptr);
        TKeyRecorder recorder;
        ed->OnFormKeyDown = TKeyEvent::Of<&TKeyRecorder::KeyDown>(&recorder);
        ed->Show();
        QVERIFY(QTest::qWaitForWindowExposed(ed->Handle()));
        ed->Handle()->activateWindow();
        ed->SynEdit1->SetFocus();
        QTRY_VERIFY(ed->SynEdit1->Focused());
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(FindControl(focus), static_cast<TControl *>(ed->SynEdit1));
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
        QApplication::sendEvent(focus, &press);
        QApplication::sendEvent(focus, &release);
        // Seen once: a key the editor leaves alone does not reach the form again.
        QCOMPARE(recorder.keys.size(), 1);
        QCOMPARE(recorder.keys.at(0).first, quint16(vk));
        QCOMPARE(recorder.keys.at(0).second, TShiftState(shift));
        QCOMPARE(static_cast<QsciScintilla *>(ed->SynEdit1->Handle())->text(), after);
        if (vk == '3')
            QCOMPARE(ed->SynEdit1->MarkerLine(3), 0);
        Free(ed);
    }

    // Real X key events: Ctrl+Shift+3 arrives as '#' with a scan code, and still sets marker 3.
    void shiftedDigitsUnderXvfb()
    {
        QZ_SKIP_WITHOUT_XVFB();
        QStringList lines;
        QVERIFY(RunUnderXvfb(QStringLiteral(CODEPROBE_PATH), {m_dir.path()},
                             QStringLiteral("1024x768"), lines));
        // After each step: caret line, marker 3's line, marker 7's line, selections.
        QCOMPARE(lines, (QStringList{QStringLiteral("set 2 2 -1 1"),
                                     QStringLiteral("away 5 2 -1 1"),
                                     QStringLiteral("back 2 2 -1 1"),
                                     QStringLiteral("set7 6 2 6 1"),
                                     QStringLiteral("column 7 2 6 2")}));
    }
};

QTEST_MAIN(CodeEditorTest)
#include "tst_codeeditor.moc"
