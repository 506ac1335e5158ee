// Writes through the property editors as the user sees them: a value refused by one of several
// selected components, and the font dialog opened on a selection and closed with OK.

#include "InspectionFixture.h"

#include "Dialogs.h"
#include "StdCtrls.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QTimer>

class TestWrites : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FreePropertyEditorRegistry();
        RegisterStandardEditors();
    }
    void cleanupTestCase() { FreePropertyEditorRegistry(); }
    void init() { m_fx = std::make_unique<InspectionFixture>(); }
    void cleanup() { m_fx.reset(); }

    void refusalByTheKthComponent_data()
    {
        QTest::addColumn<int>("refusing"); // index of the component that refuses
        QTest::newRow("the first") << 0;
        QTest::newRow("the second") << 1;
        QTest::newRow("the last") << 2;
    }
    // The refusal reaches the caller; the components before the refusing one have the value,
    // the value shown is the first one's, and the designer hears of the change all the same
    // unless nothing changed.
    void refusalByTheKthComponent()
    {
        QFETCH(int, refusing);
        QList<TProbe *> probes;
        QList<TObject *> objects;
        for (int i = 0; i < 3; ++i) {
            auto *probe = new TProbe(m_fx->Form);
            probe->SetTag2(1);
            probes << probe;
            objects << probe;
        }
        TPropertyEditorRef editor = m_fx->Editor(objects, QStringLiteral("Tag2"));
        QVERIFY(editor);
        probes[refusing]->RefuseTag2 = true;
        const int notices = m_fx->Designer->Notices;
        QVERIFY_THROWS_EXCEPTION(EPropertyError, editor->SetValue(QStringLiteral("5")));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(probes[i]->Tag2(), i < refusing ? 5 : 1);
        QCOMPARE(editor->GetValue(), refusing == 0 ? QStringLiteral("1") : QStringLiteral("5"));
        QCOMPARE(m_fx->Designer->Notices, notices + (refusing > 0 ? 1 : 0));
    }

    void fontDialogOpensOnTheFirstFont_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("the forms' face, regular") << "MS Sans Serif" << 8 << false << false;
        QTest::newRow("sans-serif, bold") << "Arial" << 10 << true << false;
        QTest::newRow("fixed pitch, italic") << "Courier New" << 12 << false << true;
    }
    // The real dialog opens with the first selected font's face, style and size; OK on it
    // as it opened leaves every selected font as it was.
    void fontDialogOpensOnTheFirstFont()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        auto *first = new TButton(m_fx->Form);
        auto *second = new TButton(m_fx->Form);
        TFontStyles style = 0;
        if (bold)
            style |= FontStyles({fsBold});
        if (italic)
            style |= FontStyles({fsItalic});
        first->Font()->SetName(name);
        first->Font()->SetSize(size);
        first->Font()->SetStyle(style);
        second->Font()->SetName(QStringLiteral("Times New Roman"));
        second->Font()->SetSize(14);
        TFont firstBefore, secondBefore;
        firstBefore.Assign(first->Font());
        secondBefore.Assign(second->Font());
        TPropertyEditorRef editor = m_fx->Editor({first, second}, QStringLiteral("Font"));
        QVERIFY(editor);

        QFont opened;
        bool seen = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            opened = dialog->currentFont();
            dialog->accept();
        });
        poll.start();
        editor->Edit();
        QVERIFY(seen);
        QCOMPARE(opened.family(), InstalledFontFace(name));
        QCOMPARE(opened.bold(), bold);
        QVERIFY2(opened.italic() == italic, qPrintable(opened.family() + "/" + opened.styleName() + "/" + QFontDatabase::styles(opened.family()).join(",")));
        QCOMPARE(opened.pointSize(), size);
        QVERIFY(*first->Font() == firstBefore);
        QVERIFY(*second->Font() == secondBefore);
    }

private:
    std::unique_ptr<InspectionFixture> m_fx;
};

QTEST_MAIN(TestWrites)
#include "tst_writes.moc"
