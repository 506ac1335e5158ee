// The host window and the designer's main window frame: captions, layout, menus, the fixed
// height, modal opening from "Design" and the placement kept between openings.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "DesignerSession.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "Unit1.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"
#include "ZeIDE.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QtTest>

namespace {

// The main window and the three windows it opens, by their sections in the store.
QList<std::pair<QString, TForm *>> DesignerWindows(TZeIDEForm *ide)
{
    return {{QStringLiteral("IDE"), ide},
            {QStringLiteral("FormDesigner"), ide->DesignForm},
            {QStringLiteral("ObjInsp"), ide->Inspector},
            {QStringLiteral("CodeEditor"), ide->CodeEditorWindow}};
}

QStringList CaptionsOf(TMenuItem *item)
{
    QStringList captions;
    for (int i = 0; i < item->Count(); ++i)
        captions << item->Items(i)->Caption();
    return captions;
}

} // namespace

class WindowsTest : public HostSessionTest
{
    Q_OBJECT
private slots:
    void hostWindow()
    {
        QCOMPARE(m_host->Caption(), QStringLiteral("Form1"));
        QCOMPARE(m_host->BoundsRect(), QRect(472, 124, 483, 483));
        QVERIFY(m_host->KeyPreview());
        QCOMPARE(m_host->Button3->Caption(), QStringLiteral("Design"));
        QCOMPARE(m_host->Button3->BoundsRect(), QRect(36, 28, 75, 25));
        QCOMPARE(m_host->Button3->TabOrder(), 0);
        QCOMPARE(m_host->Handle()->windowTitle(), QStringLiteral("Form1"));
    }

    void designOpensTheMainWindowModallyAndFreesIt()
    {
        for (int opening = 0; opening < 2; ++opening) {
            const int owned = m_host->ComponentCount();
            WithDesigner(m_host, [&](TZeIDEForm *ide) {
                QCOMPARE(ide->Owner(), static_cast<TComponent *>(m_host));
                QCOMPARE(ide->Caption(), QStringLiteral("Quorvel Designer 6"));
                QCOMPARE(ide->BoundsRect(), QRect(361, 89, 785, 127));
                QVERIFY(!m_host->Handle()->isEnabled()); // the host waits behind it
            });
            QCOMPARE(m_host->ComponentCount(), owned); // freed on close
            QVERIFY(m_host->Handle()->isEnabled());
            QCOMPARE(CurrentIDEForm, nullptr);
        }
    }

    void mainWindowLayout()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->Font()->Height(), -11);
            QCOMPARE(ide->Panel1->Align(), alTop);
            QCOMPARE(ide->Panel1->Height(), 61);
            QCOMPARE(ide->Panel1->BevelOuter(), bvNone);
            QCOMPARE(ide->Panel2->Align(), alLeft);
            QCOMPARE(ide->Panel2->Width(), 293);
            QCOMPARE(ide->Splitter1->Width(), 2);
            QCOMPARE(ide->Splitter1->Left(), 293);
            QCOMPARE(ide->Panel3->BorderWidth(), 2);
            QCOMPARE(ide->Panel3->Left(), 295);
            QCOMPARE(ide->Panel3->Width(), ide->ClientWidth() - 295);
            // 19 flat tool buttons, 25 by 25, in two rows.
            QSet<int> tops;
            for (int i = 0; i < 19; ++i) {
                TSpeedButton *b = ide->ToolButtons[size_t(i)];
                QCOMPARE(b->Name(), QStringLiteral("SpeedButton%1").arg(i + 4));
                QVERIFY(b->Flat());
                QCOMPARE(b->Width(), 25);
                QCOMPARE(b->Height(), 25);
                QVERIFY(!b->Glyph()->Empty());
                QVERIFY(b->Left() + b->Width() <= 293);
                tops << b->Top();
            }
            QCOMPARE(tops, (QSet<int>{2, 30}));
            QCOMPARE(ide->tcPalette->Tabs()->ToStringList(),
                     (QStringList{"Standard", "Additional", "Win32", "System", "Database",
                                  "Dialogs"}));
            QCOMPARE(ide->tcPalette->TabIndex(), 0);
            QVERIFY(!ide->tcPalette->TabStop());
            QCOMPARE(ide->Panel4->Width(), 43);
            QCOMPARE(ide->sbCursor->BoundsRect(), QRect(0, 0, 28, 28));
            QVERIFY(ide->sbCursor->Down());
            QCOMPARE(ide->sbCursor->GroupIndex(), 1);
            QCOMPARE(ide->SpeedButton3->BoundsRect(), QRect(32, 0, 10, 28));
            QCOMPARE(ide->Panel5->Width(), 11);
            QCOMPARE(ide->Panel5->Align(), alRight);
            QCOMPARE(ide->SpeedButton1->BoundsRect(), QRect(0, 0, 10, 28));
            QCOMPARE(ide->pPaletteParent->Align(), alClient);
            QCOMPARE(ide->pPalette->Parent(), static_cast<TWinControl *>(ide->pPaletteParent));
            QCOMPARE(ide->pPalette->Height(), 29);
            // The status bar and its five panels.
            QCOMPARE(ide->sbIDE->Align(), alBottom);
            QCOMPARE(ide->sbIDE->Height(), 19);
            QCOMPARE(ide->sbIDE->Top() + ide->sbIDE->Height(), ide->ClientHeight());
            const QStringList texts = {"X :", "", "Y :", "", ""};
            const QList<int> widths = {30, 100, 40, 100, 50};
            QCOMPARE(ide->sbIDE->Panels()->Count(), 5);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(ide->sbIDE->Panels()->Items(i)->Text(), texts[i]);
                QCOMPARE(ide->sbIDE->Panels()->Items(i)->Width(), widths[i]);
            }
            QCOMPARE(ide->sbIDE->Panels()->Items(4)->Alignment(), taLeftJustify);
            QCOMPARE(ide->sbIDE->Panels()->Items(0)->Bevel(), pbNone);
            QCOMPARE(ide->sbIDE->Panels()->Items(1)->Bevel(), pbLowered);
        });
    }

    void menus()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->Menu(), ide->MainMenu1);
            TMenuItem *root = ide->MainMenu1->Items();
            QCOMPARE(CaptionsOf(root), (QStringList{"File", "Edit", "Search", "View", "Project",
                                                    "Tools", "Help"}));
            QCOMPARE(CaptionsOf(root->Items(0)),
                     (QStringList{"Open", "Save", "-", "Print", "Print Setup", "-", "Use Unit",
                                  "Close", "Close All", "-", "Exit"}));
            TMenuItem *edit = root->Items(1);
            QCOMPARE(CaptionsOf(edit), (QStringList{"Undo", "Redo", "-", "Cut", "Copy", "Paste",
                                                    "Select All", "-", "Delete", "-",
                                                    "Align to Grid", "Align"}));
            QCOMPARE(CaptionsOf(edit->Items(11)),
                     (QStringList{"Left side", "Top", "Down", "Right Side", "-",
                                  "Center by Horizontal", "Equal spase by Vertical",
                                  "Center by Vertical", "Equal space by Horizontal", "-",
                                  "Center Form by Horizontal", "Center Form by Vertical"}));
            TMenuItem *search = root->Items(2);
            QCOMPARE(CaptionsOf(search), (QStringList{"Find", "Find in Files", "-", "Set Bookmark",
                                                      "Go to Bookmark"}));
            const QStringList bookmarks = {"Bookmark1", "Bookmark2", "Bookmark3", "Bookmark4",
                                           "Bookmark5"};
            QCOMPARE(CaptionsOf(search->Items(3)), bookmarks);
            QCOMPARE(CaptionsOf(search->Items(4)), bookmarks);
            QCOMPARE(CaptionsOf(root->Items(3)), (QStringList{"Object Inspector", "Code Editor"}));
            QCOMPARE(ide->miObjectInspector->ShortCut(), TShortCut(0x7A));
            QCOMPARE(ide->miCodeEditor->ShortCut(), TShortCut(0x7B));
            QCOMPARE(ide->FindComponent("miCodeEditor"), ide->miCodeEditor);
            QCOMPARE(root->Items(4)->Count(), 0);
            QCOMPARE(root->Items(5)->Count(), 0);
            QCOMPARE(CaptionsOf(root->Items(6)), (QStringList{"Contents", "About"}));
            QCOMPARE(CaptionsOf(ide->pmHandle->Items()),
                     (QStringList{"Align to grid", "Send to back", "Bring to front"}));
            // The menu bar shows the same captions.
            auto *bar = ide->Handle()->findChild<QMenuBar *>();
            QVERIFY(bar);
            QCOMPARE(bar->actions().size(), 7);
            QCOMPARE(bar->actions().at(3)->menu()->actions().at(0)->shortcut(),
                     QKeySequence(Qt::Key_F11));
        });
    }

    void heightStaysFixedWhateverTheUserDrags()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            ide->Handle()->resize(900, 300); // as a drag of the lower edge would
            QCOMPARE(ide->Height(), 127);
            // The width is free: the outer width follows the new client width.
            QCOMPARE(ide->Width(), ide->Handle()->frameGeometry().width());
            QVERIFY(ide->Width() >= 900);
            QCOMPARE(ide->Handle()->frameGeometry().height(), 127);
            ide->SetHeight(40);
            QCOMPARE(ide->Height(), 127);
        });
    }

    void placementIsSavedOnCloseAndRestoredOnShow()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            ide->SetBounds(100, 50, 900, 127);
        });
        QFile file(MachineSettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains("[IDE]\nHeight=127\nWidth=900\nLeft=100\nTop=50\nIsMaxForm=0\n"),
                 qPrintable(text));
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->BoundsRect(), QRect(100, 50, 900, 127));
        });
    }

    void tenOpeningsLeaveEveryWindowInPlace()
    {
        // Opening 1 shows the first-run places; the windows are then moved and resized, and
        // every later opening finds them exactly there, each form's bounds its real frame.
        QMap<QString, QRect> places;
        const QMap<QString, QRect> moved = {
            {QStringLiteral("IDE"), QRect(40, 30, 900, TZeIDEForm::FixedHeight)},
            {QStringLiteral("ObjInsp"), QRect(20, 200, 250, 400)},
            {QStringLiteral("CodeEditor"), QRect(560, 420, 600, 380)}};
        for (int opening = 1; opening <= 10; ++opening) {
            WithDesigner(m_host, [&](TZeIDEForm *ide) {
                for (const auto &[section, form] : DesignerWindows(ide)) {
                    QCOMPARE(form->BoundsRect(), form->Handle()->frameGeometry());
                    if (opening > 1)
                        QCOMPARE(form->BoundsRect(), places.value(section));
                }
                if (opening > 1)
                    return;
                QCOMPARE(ide->DesignForm->BoundsRect().topLeft(), QPoint(531, 236));
                for (const auto &[section, form] : DesignerWindows(ide)) {
                    QRect place = moved.value(section, QRect(QPoint(300, 260), form->BoundsRect().size()));
                    form->SetBoundsRect(place);
                    places[section] = place;
                }
            });
        }
    }

    void storedMaximizedMainWindowIsAFullWidthStrip()
    {
        TSettingsStore store;
        QVERIFY(store.Open(MachineSettingsFile(), true));
        store.WriteString("IDE", "Left", "50");
        store.WriteString("IDE", "Top", "60");
        store.WriteString("IDE", "Width", "700");
        store.WriteString("IDE", "IsMaxForm", "1");
        QVERIFY(store.Close());
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            const QRect area = ide->Handle()->screen()->availableGeometry();
            const QRect strip(area.left(), area.top(), area.width(), TZeIDEForm::FixedHeight);
            QCOMPARE(ide->WindowState(), wsMaximized);
            QCOMPARE(ide->BoundsRect(), strip);
            QCOMPARE(ide->Handle()->frameGeometry(), strip);
            ide->SetWindowState(wsNormal);
            QCOMPARE(ide->BoundsRect(), QRect(50, 60, 700, TZeIDEForm::FixedHeight));
            QCOMPARE(ide->Handle()->frameGeometry(), ide->BoundsRect());
            ide->SetWindowState(wsMaximized);
        });
        // Closed maximized, it keeps its normal place for the next opening.
        QVERIFY(store.Open(MachineSettingsFile(), false));
        QCOMPARE(store.ReadInteger("IDE", "Left", 0), 50);
        QCOMPARE(store.ReadInteger("IDE", "Width", 0), 700);
        QCOMPARE(store.ReadBool("IDE", "IsMaxForm", false), true);
    }

    void onlyAChangeOfSizeBringsTheDesignFormBack()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            ide->DesignForm->Hide();
            // Moved by the program and by the user: the design form stays where it is.
            ide->SetBounds(ide->Left() + 30, ide->Top() + 20, ide->Width(), ide->Height());
            ide->Handle()->move(ide->Handle()->pos() + QPoint(15, 5));
            QVERIFY(!ide->DesignForm->Visible());
            ide->SetWidth(ide->Width() + 40);
            QVERIFY(ide->DesignForm->Visible());
        });
    }

    void firstOpeningActivatesTheDesignForm()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QTRY_COMPARE(QApplication::activeWindow(), ide->DesignForm->Handle());
            QCOMPARE(ide->BoundsRect(), QRect(361, 89, 785, 127));
        });
    }

    void storedHeightCannotBreakTheStrip()
    {
        TSettingsStore store;
        QVERIFY(store.Open(MachineSettingsFile(), true));
        store.WriteString("IDE", "Height", "300");
        store.WriteString("IDE", "Left", "0x20");
        store.WriteString("IDE", "Top", "junk");
        QVERIFY(store.Close());
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->BoundsRect(), QRect(32, 89, 785, 127));
        });
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
