// The input-mask and file-filter editors: the filter text split into rows and joined back, the
// dialogs as the user sees them, the eight sample masks typed into the test field, and both
// editors opened from the inspector on three selected components, answered OK and Cancel.

#include "../shell/DesignerActions.h"
#include "../shell/DesignerSession.h"

#include "ComCtrlsListView.h"
#include "ControlWidget.h"
#include "Dialogs.h"
#include "Grids.h"
#include "Handles.h"
#include "Mask.h"
#include "ZeClientComponents.h"
#include "ZeFilterEditor.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeMasckEditor.h"
#include "ZeObjectInspector.h"
#include "ZePropertyEditors.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

using TRows = QList<QStringList>; // (name, pattern) of each filled data row

namespace {

// The data rows of the filter grid that hold anything, as (name, pattern).
TRows FilledRows(const TfZeFilterEditor &dialog)
{
    TRows rows;
    for (int row = 1; row < dialog.sgValue->RowCount(); ++row) {
        const QStringList cells{dialog.sgValue->Cells(0, row), dialog.sgValue->Cells(1, row)};
        if (!cells.join(QString()).isEmpty())
            rows << cells;
    }
    return rows;
}

QString Pairs(int count)
{
    QStringList fields;
    for (int i = 1; i <= count; ++i)
        fields << QStringLiteral("F%1").arg(i) << QStringLiteral("*.%1").arg(i);
    return fields.join(QLatin1Char('|'));
}

TRows PairRows(int count)
{
    TRows rows;
    for (int i = 1; i <= count; ++i)
        rows << QStringList{QStringLiteral("F%1").arg(i), QStringLiteral("*.%1").arg(i)};
    return rows;
}

// Calls answer with the dialog of class D once the editor shows it modally.
template<class D>
void WhenShown(const std::function<void(D *)> &answer)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = ObjectCast<D>(WidgetBridge::ControlOf(w));
            if (dialog && dialog->Modal() && w->isVisible()) {
                poll->stop();
                poll->deleteLater();
                Activate(dialog);
                answer(dialog);
                // A failed check inside the answer leaves no dialog waiting for the user.
                if (dialog->ModalResult() == mrNone)
                    dialog->SetModalResult(mrAbort);
                return;
            }
        }
    });
    poll->start();
}

void ClickButton(TForm *dialog, const char *name)
{
    auto *button = ObjectCast<TButton>(dialog->FindComponent(QString::fromLatin1(name)));
    QVERIFY(button);
    // As a user clicks: what the press sets off (the focus leaving an edit) runs before the
    // release.
    QTest::mousePress(button->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    QTest::mouseRelease(button->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
}

// Clicks a row of the mask dialog's sample list, as the user picks a sample.
void ClickSample(TfZeMaskEditor *dialog, int row)
{
    auto *tree = qobject_cast<QTreeWidget *>(dialog->ListView1->Handle());
    const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
}

// Enters the test field by a click at a fraction of its width, as the user does.
QLineEdit *EnterTestField(TfZeMaskEditor *dialog, double at = 0.9)
{
    auto *field = qobject_cast<QLineEdit *>(dialog->MaskEdit1->Handle());
    QTest::mouseClick(field, Qt::LeftButton, {},
                      QPoint(int(field->width() * at), field->height() / 2));
    return field;
}

// Counts the designer's change notices and passes them on to the main window.
struct NoticeCounter
{
    explicit NoticeCounter(TZeFormDesigner *designer) : m_designer(designer)
    {
        m_previous = designer->OnModified;
        designer->OnModified = TNotifyEvent::Of<&NoticeCounter::Modified>(this);
    }
    ~NoticeCounter() { m_designer->OnModified = m_previous; }
    void Modified(TObject *sender)
    {
        ++Count;
        m_previous(sender);
    }
    int Count = 0;

private:
    TZeFormDesigner *m_designer;
    TNotifyEvent m_previous;
};

} // namespace

class MaskFilterTest : public HostSessionTest
{
    Q_OBJECT
private:
    // Places count components of class C on the design form as the palette does, selects
    // them all and shows them in the inspector.
    template<class C>
    QList<C *> PlaceSelected(TZeIDEForm *ide, int count)
    {
        QList<C *> placed;
        QList<TControl *> shown; // the controls, or the proxies of non-visual components
        TfZeDesignForm *form = ide->DesignForm;
        for (int i = 0; i < count; ++i) {
            TControl *control = form->PlaceComponent(C::StaticClass(), 10, 10 + 40 * i, nullptr,
                                                     10, 10 + 40 * i);
            auto *proxy = ObjectCast<TZeSubComponent>(control);
            placed << static_cast<C *>(proxy ? proxy->Component() : control);
            shown << control;
        }
        form->StretchHandle->DetachAll();
        for (TControl *control : shown)
            form->StretchHandle->Attach(control);
        ide->Inspector->Inspect(placed.first());
        return placed;
    }

    // Opens the named row's dialog from the inspector: its "..." button, or a double click on
    // the value.
    void OpenFromInspector(TfObjectInspector *insp, const QString &name, bool byDoubleClick)
    {
        TObjectInspProperty *row = InspectorRow(insp, name);
        QVERIFY2(row, qPrintable(name));
        insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
        QTest::mouseClick(insp->pbValues->Handle(), Qt::LeftButton, {}, QPoint(30, row->Top + 8));
        QVERIFY(insp->sbEdit->Visible());
        if (byDoubleClick) {
            QTest::mouseDClick(insp->ePropValue->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            QTest::mouseClick(insp->sbEdit->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        }
    }

private slots:
    void filterTextSplitsAndJoins_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<TRows>("rows");
        QTest::addColumn<QString>("joined");
        const QString text = QStringLiteral("Text (*.txt)|*.txt|All|*.*");
        QTest::newRow("two entries") << text
                                     << TRows{{"Text (*.txt)", "*.txt"}, {"All", "*.*"}} << text;
        QTest::newRow("empty") << QString() << TRows{} << QString();
        QTest::newRow("odd field is the second row's pattern")
            << "A|*.a|B" << TRows{{"A", "*.a"}, {"", "B"}} << "A|*.a";
        QTest::newRow("empty pattern at the end")
            << "A|*.a|All|" << TRows{{"A", "*.a"}, {"All", ""}} << "A|*.a|All|";
        QTest::newRow("a lone field is a pattern") << "Bare" << TRows{{"", "Bare"}} << "";
        QTest::newRow("24 entries fill the grid") << Pairs(24) << PairRows(24) << Pairs(24);
        // Regression: the field after the 24th entry went to a row the grid does not have.
        QTest::newRow("25 entries, the last dropped") << Pairs(25) << PairRows(24) << Pairs(24);
        QTest::newRow("30 entries and a bar")
            << Pairs(30) + "|" << PairRows(24) << Pairs(24);
        QTest::newRow("empty name ends the join")
            << "|*.x|A|*.a" << TRows{{"", "*.x"}, {"A", "*.a"}} << "";
    }
    void filterTextSplitsAndJoins()
    {
        QFETCH(QString, filter);
        QFETCH(TRows, rows);
        QFETCH(QString, joined);
        TfZeFilterEditor dialog(nullptr);
        dialog.SetFilterText(Pairs(24)); // what was there before goes
        dialog.SetFilterText(filter);
        QCOMPARE(FilledRows(dialog), rows);
        QCOMPARE(dialog.GetFilterText(), joined);
        QCOMPARE(dialog.sgValue->Cells(0, 0), QStringLiteral("Filter name"));
    }

    void joinStopsAtTheFirstRowWithoutName()
    {
        TfZeFilterEditor dialog(nullptr);
        dialog.sgValue->SetCells(0, 1, QStringLiteral("A"));
        dialog.sgValue->SetCells(1, 2, QStringLiteral("*.lost"));
        dialog.sgValue->SetCells(0, 3, QStringLiteral("C"));
        dialog.sgValue->SetCells(1, 3, QStringLiteral("*.c"));
        QCOMPARE(dialog.GetFilterText(), QStringLiteral("A|"));
    }

    void dialogsAreBuiltAsTheUserSeesThem()
    {
        TfZeFilterEditor filter(nullptr);
        QCOMPARE(filter.Caption(), QStringLiteral("Filter Editor"));
        QCOMPARE(filter.BorderStyle(), bsSingle);
        QCOMPARE(filter.Position(), poScreenCenter);
        QCOMPARE(QSize(filter.ClientWidth(), filter.ClientHeight()), QSize(440, 224));
        TStringGrid *grid = filter.sgValue;
        QCOMPARE(QList<int>({grid->ColCount(), grid->RowCount(), grid->FixedRows(),
                             grid->FixedCols(), grid->DefaultRowHeight(), grid->ColWidths(0),
                             grid->ColWidths(1)}),
                 QList<int>({2, 25, 1, 0, 18, 147, 156}));
        QVERIFY(grid->Options() & GridOption(goAlwaysShowEditor));
        QCOMPARE(grid->Cells(1, 0), QStringLiteral("Filter value"));

        TfZeMaskEditor mask(nullptr);
        QCOMPARE(mask.Caption(), QStringLiteral("Masks"));
        QCOMPARE(QSize(mask.Width(), mask.Height()), QSize(565, 371));
        QCOMPARE(mask.Position(), poScreenCenter);
        QCOMPARE(mask.GroupBox1->Caption(), QStringLiteral("Test :   "));
        QCOMPARE(mask.Label1->Caption(), QStringLiteral("Input mask :"));
        QCOMPARE(mask.ListView1->ColumnCount(), 3);
        QCOMPARE(mask.ListView1->Column(2).Caption, QStringLiteral("Example"));
        QCOMPARE(mask.ListView1->ItemCount(), 8);
        QCOMPARE(mask.ListView1->Item(0).SubItems.at(0), QStringLiteral("!\\(999\\)000-0000;1;_"));
        QCOMPARE(mask.ListView1->Item(7).Caption, QStringLiteral("Short time"));

        for (TForm *dialog : {static_cast<TForm *>(&filter), static_cast<TForm *>(&mask)}) {
            auto *ok = ObjectCast<TButton>(dialog->FindComponent(QStringLiteral("Button1")));
            auto *cancel = ObjectCast<TButton>(dialog->FindComponent(QStringLiteral("Button2")));
            QVERIFY(ok && ok->Default() && ok->ModalResult() == mrOk);
            QCOMPARE(ok->Caption(), QStringLiteral("Ok"));
            QVERIFY(cancel && cancel->Cancel() && cancel->ModalResult() == mrCancel);
            QCOMPARE(cancel->Caption(), QStringLiteral("Cancel"));
            QCOMPARE(dialog->Font()->Height(), -11);
        }
    }

    // A click and the arrow keys in the sample list fill the mask; entering the test field
    // gives it that mask and an empty text.
    void samplesFillTheMaskAndTheTestField()
    {
        TfZeMaskEditor dialog(nullptr);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.Handle()));
        ClickSample(&dialog, 0);
        QCOMPARE(dialog.eMask->Text(), TfZeMaskEditor::SampleMask(0));
        QTest::keyClick(dialog.ListView1->Handle(), Qt::Key_End);
        QCOMPARE(dialog.eMask->Text(), QStringLiteral("!90:00;1;_"));
        QTest::keyClick(dialog.ListView1->Handle(), Qt::Key_Up);
        QCOMPARE(dialog.eMask->Text(), QStringLiteral("!90:00:00>LL;1;_"));

        dialog.ListView1->SetItemIndex(7);
        dialog.ListView1Click(dialog.ListView1);
        dialog.MaskEdit1->SetText(QStringLiteral("leftover"));
        QLineEdit *field = EnterTestField(&dialog);
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(dialog.MaskEdit1->EditMask(), QStringLiteral("!90:00;1;_"));
        QCOMPARE(field->text(), QStringLiteral("__:__"));
        QCOMPARE(dialog.MaskEdit1->Text(), QStringLiteral("  :  "));

        // With no row selected a click changes nothing.
        dialog.eMask->SetText(QStringLiteral("0"));
        dialog.ListView1->SetItemIndex(-1);
        dialog.ListView1Click(dialog.ListView1);
        QCOMPARE(dialog.eMask->Text(), QStringLiteral("0"));
    }

    // Each sample as the user tries it: picked, the test field entered, keys typed (the
    // refused ones change nothing), the value read with the literals and, with the second
    // field "0", without them.
    void eightSampleMasks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("editText");
        QTest::addColumn<QString>("withLiterals");
        QTest::addColumn<QString>("withoutLiterals");
        QTest::newRow("phone") << 0 << "(___)___-____" << "41a5x5551212" << "(415)555-1212"
                               << "(415)555-1212" << "4155551212";
        QTest::newRow("phone, half typed") << 0 << "(___)___-____" << "415-55"
                                           << "(415)55_-____" << "(415)55 -    "
                                           << "41555     "; // "!" drops only leading blanks
        QTest::newRow("extension") << 1 << "_____" << "15-4.50" << "15450" << "15450"
                                   << "15450";
        QTest::newRow("social security")
            << 2 << "___-__-____" << "555-55-5555" << "555-55-5555" << "555-55-5555"
            << "555555555";
        QTest::newRow("short zip code") << 3 << "_____" << "9O0504" << "90504" << "90504"
                                        << "90504";
        QTest::newRow("long zip code") << 4 << "_____-____" << "90504+0000" << "90504-0000"
                                       << "90504-0000" << "905040000";
        QTest::newRow("date") << 5 << "__/__/__" << "06/27/94" << "06/27/94" << "06/27/94"
                              << "062794";
        QTest::newRow("long time") << 6 << "__:__:____" << "09:05:15pm" << "09:05:15PM"
                                   << "09:05:15PM" << "090515PM";
        QTest::newRow("long time refuses digits for AM/PM")
            << 6 << "__:__:____" << "0905151m" << "09:05:15M_" << "09:05:15M " << "090515M ";
        QTest::newRow("no \"!\": trailing blanks dropped")
            << 3 << "_____" << "905" << "905__" << "905  " << "905";
        QTest::newRow("short time") << 7 << "__:__" << "1a3:45" << "13:45" << "13:45"
                                    << "1345";
    }
    void eightSampleMasks()
    {
        QFETCH(int, row);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, editText);
        QFETCH(QString, withLiterals);
        QFETCH(QString, withoutLiterals);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TfZeMaskEditor dialog(nullptr);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.Handle()));
        ClickSample(&dialog, row);
        const QString mask = dialog.eMask->Text();
        QCOMPARE(mask, TfZeMaskEditor::SampleMask(row));
        for (const bool literals : {true, false}) {
            if (!literals) {
                QString without = mask;
                dialog.eMask->SetText(without.replace(QStringLiteral(";1;_"),
                                                      QStringLiteral(";0;_")));
                dialog.ListView1->SetFocus();
                QTRY_VERIFY(dialog.ListView1->Focused());
            }
            // A click anywhere past the blanks starts typing at the first place to fill.
            QLineEdit *field = EnterTestField(&dialog, literals ? 0.95 : 0.3);
            QTRY_VERIFY(field->hasFocus());
            QCOMPARE(field->text(), shown);
            QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), editText);
            QCOMPARE(dialog.MaskEdit1->Text(), literals ? withLiterals : withoutLiterals);
        }
        QLocale::setDefault(QLocale::c());
    }

    // The mask characters ":" and "/" are the separators of the user's locale.
    void dateAndTimeSeparatorsFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TMaskEdit edit(nullptr);
        edit.SetEditMask(QStringLiteral("!99/99/00;1;_"));
        QCOMPARE(edit.EditText(), QStringLiteral("__.__.__"));
        edit.SetText(QStringLiteral("062794"));
        QCOMPARE(edit.Text(), QStringLiteral("06.27.94"));
        QLocale::setDefault(QLocale::c());
    }

    // The mask editor on three masked edits: OK writes the mask to all three; Cancel writes
    // nothing but still marks the form modified. Opened by "..." and by a double click.
    void maskEditorOnThreeMaskedEdits()
    {
        WithDesigner(m_host, [this](TZeIDEForm *ide) {
            const QList<TZeMaskEdit *> edits = PlaceSelected<TZeMaskEdit>(ide, 3);
            edits.at(0)->SetEditMask(QStringLiteral("000"));
            NoticeCounter notices(ide->Designer);

            // A test value left half typed keeps no button from closing the dialog.
            WhenShown<TfZeMaskEditor>([](TfZeMaskEditor *dialog) {
                QCOMPARE(dialog->eMask->Text(), QStringLiteral("000"));
                ClickSample(dialog, 0);
                QTest::keyClicks(EnterTestField(dialog), QStringLiteral("41"));
                ClickButton(dialog, "Button1");

            });
            OpenFromInspector(ide->Inspector, QStringLiteral("EditMask"), false);
            for (TZeMaskEdit *edit : edits)
                QCOMPARE(edit->EditMask(), TfZeMaskEditor::SampleMask(0));
            QCOMPARE(edits.at(2)->EditText(), QStringLiteral("(___)___-____"));
            QCOMPARE(notices.Count, 2); // the write, and the notice after the dialog
            QCOMPARE(ide->Inspector->ePropValue->Text(), TfZeMaskEditor::SampleMask(0));

            notices.Count = 0;
            WhenShown<TfZeMaskEditor>([](TfZeMaskEditor *dialog) {
                dialog->eMask->SetText(QStringLiteral("00"));
                QTest::keyClicks(EnterTestField(dialog), QStringLiteral("4"));
                ClickButton(dialog, "Button2");
            });
            OpenFromInspector(ide->Inspector, QStringLiteral("EditMask"), true);
            for (TZeMaskEdit *edit : edits)
                QCOMPARE(edit->EditMask(), TfZeMaskEditor::SampleMask(0));
            QCOMPARE(notices.Count, 1);
        });
    }

    // The filter editor on three open dialogs: OK writes the joined grid to all three;
    // Cancel changes nothing and marks nothing modified.
    void filterEditorOnThreeDialogs()
    {
        WithDesigner(m_host, [this](TZeIDEForm *ide) {
            const QList<TZeOpenDialog *> dialogs = PlaceSelected<TZeOpenDialog>(ide, 3);
            for (TZeOpenDialog *d : dialogs)
                d->SetFilter(QStringLiteral("Old|*.old"));
            ide->Inspector->Inspect(dialogs.at(0));
            NoticeCounter notices(ide->Designer);

            WhenShown<TfZeFilterEditor>([](TfZeFilterEditor *dialog) {
                QCOMPARE(dialog->sgValue->Cells(0, 1), QStringLiteral("Old"));
                dialog->sgValue->SetCells(0, 2, QStringLiteral("All"));
                dialog->sgValue->SetCells(1, 2, QStringLiteral("*.*"));
                ClickButton(dialog, "Button1");
            });
            OpenFromInspector(ide->Inspector, QStringLiteral("Filter"), true);
            for (TZeOpenDialog *d : dialogs)
                QCOMPARE(d->Filter(), QStringLiteral("Old|*.old|All|*.*"));
            QCOMPARE(notices.Count, 2);

            notices.Count = 0;
            WhenShown<TfZeFilterEditor>([](TfZeFilterEditor *dialog) {
                dialog->SetFilterText(QString());
                ClickButton(dialog, "Button2");
            });
            OpenFromInspector(ide->Inspector, QStringLiteral("Filter"), false);
            for (TZeOpenDialog *d : dialogs)
                QCOMPARE(d->Filter(), QStringLiteral("Old|*.old|All|*.*"));
            QCOMPARE(notices.Count, 0);
        });
    }
};

QTEST_MAIN(MaskFilterTest)
#include "tst_maskfilter.moc"
