// The designer's core loop through its real windows: what is placed is what the inspector
// edits, no click after a selection change is swallowed, and the inspector shows the values
// the components have now.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "DesignerActions.h"
#include "DesignerSession.h"
#include "Handles.h"
#include "PaintCounter.h"
#include "StdCtrls.h"
#include "TypInfo.h"
#include "ZeClientComponents.h"
#include "ZeFormDesigner.h"

#include "XvfbProbe.h"

#include <QComboBox>
#include <QMessageBox>
#include <QtTest>

namespace {

// A control made in code as if placed before, unselected.
template <class T>
T *Existing(TfZeDesignForm *form, const QRect &bounds, TWinControl *parent = nullptr)
{
    auto *control = new T(form);
    control->SetName(UniqueComponentName(T::StaticClass()->ClassName(), form));
    control->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    control->SetParent(parent ? parent : static_cast<TWinControl *>(form));
    form->SetDesignState(true);
    return control;
}

// Selects and inspects a control as a click on it does, without a click.
void SelectAndInspect(TZeIDEForm *ide, TControl *control)
{
    ide->DesignForm->StretchHandle->DetachAll();
    ide->Designer->SelectObject(control);
    ide->InspectSelection(ide->DesignForm, control);
}

// Clicks the value column of a row, which puts its value into the in-place edit.
void ChooseRow(TfObjectInspector *insp, TObjectInspProperty *row)
{
    QVERIFY(row);
    insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
    QTest::mouseClick(insp->pbValues->Handle(), Qt::LeftButton, {}, QPoint(30, row->Top + 8));
    QCOMPARE(insp->SelectedRow, row);
    QVERIFY(insp->ePropValue->Visible());
}

TObjectInspProperty *ChildRow(TObjectInspProperty *row, const QString &name)
{
    for (const auto &child : row->Children)
        if (child->Editor->GetName() == name)
            return child.get();
    return nullptr;
}


} // namespace

class CoreLoopTest : public HostSessionTest
{
    Q_OBJECT
private slots:
    // A button placed into an unselected panel is what the grips mark and what the inspector
    // edits: its Caption, not the panel's, takes the typed text.
    void typingAfterAPlacementEditsThePlacedComponent()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            auto *panel = Existing<TZePanel>(form, QRect(20, 20, 240, 160));
            panel->SetCaption(QStringLiteral("Panel"));
            Activate(form);
            PickClass(ide, TZeButton::StaticClass());
            ClickDesignForm(form, QPoint(60, 60));
            auto *button = ObjectCast<TControl>(form->FindComponent(QStringLiteral("ZeButton1")));
            QVERIFY(button);
            QCOMPARE(button->Parent(), panel);
            QCOMPARE(form->StretchHandle->TargetCount(), 1);
            QCOMPARE(form->StretchHandle->Target(0), button);
            TypeValue(ide->Inspector, "Caption", "Typed");
            QCOMPARE(button->Caption(), QStringLiteral("Typed"));
            QCOMPARE(panel->Caption(), QStringLiteral("Panel"));
        });
    }

    void nextClickIsNotSwallowed_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Delete") << "Delete";
        QTest::newRow("NotifyModified") << "NotifyModified";
        QTest::newRow("SelectObject") << "SelectObject";
    }
    void nextClickIsNotSwallowed()
    {
        QFETCH(QString, action);
        WithDesigner(m_host, [action](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            auto *panel = Existing<TZePanel>(form, QRect(20, 20, 240, 160));
            auto *button = Existing<TZeButton>(form, QRect(30, 40, 75, 25), panel);
            Activate(form);
            ClickDesignForm(form, QPoint(60, 70)); // selects the button
            QCOMPARE(form->StretchHandle->Target(0), button);
            if (action == QLatin1String("Delete")) {
                PressIn(form, Qt::Key_Delete);
                QVERIFY(!form->FindComponent(QStringLiteral("ZeButton1")));
            } else if (action == QLatin1String("NotifyModified")) {
                ide->Designer->NotifyModified();
            } else {
                form->StretchHandle->DetachAll();
                ide->Designer->SelectObject(panel);
            }
            QCOMPARE(QWidget::mouseGrabber(), nullptr);

            // A palette tab, a palette button and an inspector row each do what they do.
            const int additional = ide->tcPalette->Tabs()->IndexOf(QStringLiteral("Additional"));
            const QPoint tab = ide->tcPalette->TabRect(additional).center();
            QTest::mouseClick(ide->tcPalette->Handle(), Qt::LeftButton, {}, tab);
            QCOMPARE(ide->tcPalette->TabIndex(), additional);
            TSpeedButton *bitBtn = PaletteButton(ide, TZeBitBtn::StaticClass());
            QVERIFY(bitBtn);
            QTest::mouseClick(bitBtn->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(ide->ChosenClass, TZeBitBtn::StaticClass());
            // After a deletion the inspector shows no rows to click.
            if (insp->pInspector->Height() > 0)
                ChooseRow(insp, insp->TabRows().at(2));
        });
    }

    // The real error box of a refused value, closed with Enter: the keys are back in the
    // inspector's edit, and the release of that Enter writes nothing again.
    void errorBoxClosedWithEnterGivesTheEditBack()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfObjectInspector *insp = ide->Inspector;
            auto *button = Existing<TZeButton>(ide->DesignForm, QRect(40, 40, 75, 25));
            SelectAndInspect(ide, button);
            Activate(insp);
            ChooseRow(insp, InspectorRow(insp, QStringLiteral("Left")));
            QWidget *edit = insp->ePropValue->Handle();
            insp->ePropValue->SelectAll();
            QTest::keyClicks(edit, QStringLiteral("abc"));
            const auto seam = Application->MessageBoxSeam;
            Application->MessageBoxSeam = nullptr;
            int boxes = 0;
            QTimer poll;
            poll.setInterval(20);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box || !box->isVisible())
                    return;
                ++boxes;
                // Enter goes down in the box, which closes; it comes up wherever the focus
                // is then.
                QTest::keyPress(box, Qt::Key_Return);
                QTimer::singleShot(0, [] {
                    if (QWidget *focus = QApplication::focusWidget())
                        QTest::keyRelease(focus, Qt::Key_Return);
                });
            });
            poll.start();
            QTest::keyPress(edit, Qt::Key_Return);
            QTest::keyRelease(edit, Qt::Key_Return);
            QTest::qWait(300);
            poll.stop();
            Application->MessageBoxSeam = seam;
            QCOMPARE(boxes, 1);
            QCOMPARE(button->Left(), 40);
            QCOMPARE(QApplication::activeWindow(), insp->Handle());
            QCOMPARE(QApplication::focusWidget(), edit);
        });
    }

    void inspectorFollowsArrowKeyMoves_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Right") << QString::number(Qt::Key_Right) << "Left" << "41";
        QTest::newRow("Down") << QString::number(Qt::Key_Down) << "Top" << "41";
    }
    void inspectorFollowsArrowKeyMoves()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, property);
        QFETCH(QString, shown);
        WithDesigner(m_host, [&](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            auto *button = Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            Activate(form);
            ClickDesignForm(form, QPoint(50, 50));
            ChooseRow(insp, InspectorRow(insp, property));
            TStretchHandle *handle = form->StretchHandle;
            PaintCounter paints(insp->pbValues->Handle());
            Activate(form);
            QTest::keyClick(handle->Handle(), Qt::Key(gesture.toInt()));
            QCOMPARE(QString::number(GetOrdProp(button, GetPropInfo(button, property))), shown);
            QCOMPARE(insp->ePropValue->Text(), shown);
            QTRY_VERIFY(paints.Count > 0);
        });
    }

    // A move or a resize by mouse shows the new bounds in the chosen row when the drop is done.
    void inspectorFollowsMouseGestures_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("onGrip");
        QTest::newRow("drag moves") << "Left" << false;
        QTest::newRow("drag moves down") << "Top" << false;
        QTest::newRow("grip resizes") << "Width" << true;
        QTest::newRow("grip resizes down") << "Height" << true;
    }
    void inspectorFollowsMouseGestures()
    {
        QFETCH(QString, property);
        QFETCH(bool, onGrip);
        WithDesigner(m_host, [&](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            auto *button = Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            Activate(form);
            ClickDesignForm(form, QPoint(50, 50));
            ChooseRow(insp, InspectorRow(insp, property));
            const QString before = insp->ePropValue->Text();
            TStretchHandle *handle = form->StretchHandle;
            // The bottom-right grip lies in the handle's last pixels.
            const QPoint from = onGrip ? QPoint(handle->Left() + handle->Width() - 2,
                                                handle->Top() + handle->Height() - 2)
                                       : QPoint(60, 50);
            Activate(form);
            DragOnDesignForm(form, from, from + QPoint(48, 32));
            const QString now = QString::number(GetOrdProp(button, GetPropInfo(button, property)));
            QVERIFY2(now != before, qPrintable(now));
            QCOMPARE(insp->ePropValue->Text(), now);
        });
    }

    // A band drawn with the middle button selects nothing on its press and catches nothing:
    // the inspector shows the form, not the control that was selected before.
    void emptyBandInspectsTheForm()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            auto *button = Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            Activate(form);
            ClickDesignForm(form, QPoint(50, 50));
            QCOMPARE(ide->Inspector->InspectedObject, static_cast<TObject *>(button));
            QWidget *surface = form->ClientWidget();
            QTest::mousePress(surface, Qt::MiddleButton, Qt::ControlModifier, QPoint(300, 300));
            QTest::mouseMove(surface, QPoint(330, 320));
            QTest::mouseRelease(surface, Qt::MiddleButton, Qt::ControlModifier, QPoint(330, 320));
            QVERIFY(!form->StretchHandle->HasTargets());
            QCOMPARE(ide->Inspector->InspectedObject, static_cast<TObject *>(form));
        });
    }

    // A click on the form while the component list is dropped down closes the list; the row
    // chosen afterwards edits what the click selected, and nothing else.
    void clickOnTheFormWithTheComponentListOpen()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            auto *first = Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            auto *second = Existing<TZeButton>(form, QRect(200, 40, 75, 25));
            ide->InspectSelection(form, form);
            Activate(form);
            ClickDesignForm(form, QPoint(50, 50));
            ChooseRow(insp, InspectorRow(insp, QStringLiteral("Caption")));
            Activate(insp);
            insp->cbComponents->Handle()->setFocus();
            static_cast<QComboBox *>(insp->cbComponents->Handle())->showPopup();
            QTRY_VERIFY(QApplication::activePopupWidget());
            ClickDesignForm(form, QPoint(210, 50));
            if (QApplication::activePopupWidget()) // the press only closed the list
                ClickDesignForm(form, QPoint(210, 50));
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QCOMPARE(form->StretchHandle->Target(0), second);
            QCOMPARE(insp->InspectedObject, static_cast<TObject *>(second));
            ChooseRow(insp, InspectorRow(insp, QStringLiteral("Caption")));
            insp->ePropValue->SelectAll();
            QTest::keyClicks(insp->ePropValue->Handle(), QStringLiteral("Typed"));
            QTest::keyClick(insp->ePropValue->Handle(), Qt::Key_Return);
            QCOMPARE(second->Caption(), QStringLiteral("Typed"));
            QCOMPARE(first->Caption(), QStringLiteral("ZeButton1"));
        });
    }

    // A write through one row changes what other rows show: they are painted again.
    void otherRowsFollowAWrite_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("child");
        QTest::addColumn<QString>("typed");
        QTest::newRow("set element") << "Anchors" << "akRight" << "True";
        QTest::newRow("font size") << "Font" << "Size" << "20";
    }
    void otherRowsFollowAWrite()
    {
        QFETCH(QString, parent);
        QFETCH(QString, child);
        QFETCH(QString, typed);
        WithDesigner(m_host, [&](TZeIDEForm *ide) {
            TfObjectInspector *insp = ide->Inspector;
            auto *button = Existing<TZeButton>(ide->DesignForm, QRect(40, 40, 75, 25));
            SelectAndInspect(ide, button);
            TObjectInspProperty *row = InspectorRow(insp, parent);
            QVERIFY(row);
            insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
            QTest::mouseClick(insp->pbNames->Handle(), Qt::LeftButton, {}, QPoint(5, row->Top + 8));
            QVERIFY(row->Expanded);
            TObjectInspProperty *sub = ChildRow(row, child);
            ChooseRow(insp, sub);
            QTest::qWait(50); // the paints of the choice are done
            PaintCounter paints(insp->pbValues->Handle());
            insp->ePropValue->SelectAll();
            QTest::keyClicks(insp->ePropValue->Handle(), typed);
            QTest::keyClick(insp->ePropValue->Handle(), Qt::Key_Return);
            QTRY_VERIFY(paints.Count > 0);
        });
    }

    // Placed over a button of the same class, the new button's rows are its own.
    void rowsOfAPlacementOverTheSameClass()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            Activate(form);
            PickClass(ide, TZeButton::StaticClass());
            ClickDesignForm(form, QPoint(60, 50));
            QVERIFY(form->FindComponent(QStringLiteral("ZeButton2")));
            TObjectInspProperty *caption = InspectorRow(ide->Inspector, QStringLiteral("Caption"));
            QVERIFY(caption);
            QCOMPARE(caption->Editor->GetValue(), QStringLiteral("ZeButton2"));
        });
    }

    // Text typed and not committed goes nowhere when another control is selected.
    void uncommittedTextIsDroppedOnSelectionChange()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            auto *first = Existing<TZeButton>(form, QRect(40, 40, 75, 25));
            auto *second = Existing<TZeButton>(form, QRect(200, 40, 75, 25));
            Activate(form);
            ClickDesignForm(form, QPoint(50, 50));
            ChooseRow(insp, InspectorRow(insp, QStringLiteral("Caption")));
            insp->ePropValue->SelectAll();
            QTest::keyClicks(insp->ePropValue->Handle(), QStringLiteral("Typed"));
            QVERIFY(insp->ValueEdited);
            Activate(form);
            ClickDesignForm(form, QPoint(210, 50));
            QCOMPARE(form->StretchHandle->Target(0), second);
            QCOMPARE(first->Caption(), QStringLiteral("ZeButton1"));
            QCOMPARE(second->Caption(), QStringLiteral("ZeButton2"));
        });
    }

    // A sequence after which every window once vanished, replayed step by step; every window
    // must still be there, with the selection and the band as the user made them.
    void crashSequenceReplayed()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            Activate(form);
            PickClass(ide, TZeLabel::StaticClass(), Qt::ShiftModifier);
            ClickDesignForm(form, QPoint(20, 20));
            ClickDesignForm(form, QPoint(20, 50));
            QTest::mouseClick(ide->sbCursor->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
            PickClass(ide, TZeEdit::StaticClass());
            DragOnDesignForm(form, QPoint(100, 20), QPoint(220, 45));
            PickClass(ide, TZeEdit::StaticClass());
            ClickDesignForm(form, QPoint(100, 60));
            PickClass(ide, TZeCheckBox::StaticClass());
            ClickDesignForm(form, QPoint(100, 100));
            PickClass(ide, TZePanel::StaticClass());
            DragOnDesignForm(form, QPoint(20, 150), QPoint(300, 300));
            PickClass(ide, TZeButton::StaticClass());
            ClickDesignForm(form, QPoint(40, 180));
            PickClass(ide, TZeButton::StaticClass());
            ClickDesignForm(form, QPoint(160, 180));
            TypeValue(insp, "Caption", "Changed");
            PickClass(ide, TZeMainMenu::StaticClass());
            ClickDesignForm(form, QPoint(400, 20));
            ShowPalettePage(ide, QStringLiteral("System"));
            PickClass(ide, TZeTimer::StaticClass());
            ClickDesignForm(form, QPoint(450, 20));
            insp->SetBounds(insp->Left() + 30, insp->Top() + 20, insp->Width() + 40,
                            insp->Height() + 60);
            QTest::qWait(50);
            Activate(form);
            ClickDesignForm(form, QPoint(110, 30));
            ClickDesignForm(form, QPoint(110, 65), Qt::ShiftModifier);
            QCOMPARE(form->StretchHandle->TargetCount(), 2);
            DragOnDesignForm(form, QPoint(500, 350), QPoint(560, 400));
            QTest::qWait(50);
            QCOMPARE(ide->Modal(), true);
            for (TCustomForm *window : {static_cast<TCustomForm *>(ide),
                                        static_cast<TCustomForm *>(form),
                                        static_cast<TCustomForm *>(insp)})
                QVERIFY(window->Handle()->isVisible());
            // Eight controls, the menu and the timer, and the proxies of those two.
            QCOMPARE(form->ComponentCount(), 12);
            QVERIFY(!form->StretchHandle->HasTargets()); // the band held nothing
        });
    }

    // Real X input, bare and under a window manager: one click places where it is, and after
    // a selection climbed out of a panel the palette and the inspector take their clicks.
    void realClicks_data()
    {
        QTest::addColumn<bool>("managed");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("expected");
        for (bool managed : {false, true}) {
            const char *desktop = managed ? ", openbox" : ", bare";
            QTest::addRow("one click places%s", desktop)
                << managed << "oneclick" << "120,90,75,25 300,200,75,25";
            QTest::addRow("no click swallowed%s", desktop)
                << managed << "noswallow" << "Additional TZeBitBtn row free";
        }
    }
    void realClicks()
    {
        QFETCH(bool, managed);
        QFETCH(QString, scenario);
        QFETCH(QString, expected);
        QZ_SKIP_WITHOUT_XVFB();
        if (managed && WindowManagerProgram().isEmpty())
            QSKIP("openbox is not installed");
        QStringList lines;
        // Each run has a store of its own: a window one run closed stays closed in the next.
        const QString store = m_dir.path() + QLatin1Char('/') + QTest::currentDataTag();
        QVERIFY(RunUnderXvfb(QStringLiteral(DESIGNPROBE_PATH), {store, scenario},
                             QStringLiteral("1280x1024"), lines,
                             managed ? XvfbDesktop::WithWindowManager : XvfbDesktop::Bare));
        QCOMPARE(lines.value(0), expected);
    }
};

QTEST_MAIN(CoreLoopTest)
#include "tst_coreloop.moc"
