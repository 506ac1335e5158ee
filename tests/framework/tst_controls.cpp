// The standard controls the designer's own windows are built from: panels and their client
// area, speed-button groups, push buttons, tab controls, status bars and splitters, driven with
// real mouse input through the window system.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Mask.h"
#include "PlacedControls.h"
#include "StdCtrls.h"

#include <QtTest>

namespace {

struct Events
{
    void Clicked(TObject *sender) { clicks.append(sender); }
    void Changed(TObject *) { ++changes; }
    void Changing(TObject *, bool &allow)
    {
        ++changings;
        allow = allowChange;
    }
    void Pressed(TObject *sender, TMouseButton, TShiftState, int, int)
    {
        // Records the Down state the press handler sees.
        auto *button = static_cast<TSpeedButton *>(sender);
        downWhenPressed.append(button->Down());
    }
    QList<TObject *> clicks;
    QList<bool> downWhenPressed;
    int changes = 0;
    int changings = 0;
    bool allowChange = true;
};

TSpeedButton *GroupButton(TComponent *owner, TWinControl *parent, int left, int group)
{
    auto *b = Place(new TSpeedButton(owner), parent, QRect(left, 2, 25, 25));
    b->SetGroupIndex(group);
    b->SetFlat(true);
    return b;
}

// Whether the control's widget or one of its own parts takes input method input.
bool InputMethodOn(TControl *control)
{
    QWidget *widget = control->Handle();
    QList<QWidget *> parts = widget->findChildren<QWidget *>();
    parts.prepend(widget);
    for (QWidget *part : parts) {
        if (FindControl(part) == control && part->testAttribute(Qt::WA_InputMethodEnabled))
            return true;
    }
    return false;
}

// The paints of a paint box, each as the area its canvas was told to cover.
struct PaintLog
{
    void Painted(TObject *) { areas << box->Canvas()->ClipRect(); }
    TPaintBox *box;
    QList<QRect> areas;
};

QPoint Center(TControl *control)
{
    return QPoint(control->Width() / 2, control->Height() / 2);
}

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init() { m_app = std::make_unique<TApplication>(nullptr); }
    void cleanup() { m_app.reset(); }

    void publishedTypesAndDefaults_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("prop");
        QTest::addColumn<const void *>("type");
        QTest::addColumn<qint64>("defaultValue");
        auto row = [](const char *cls, const char *prop, PTypeInfo type, qint64 def) {
            QTest::addRow("%s.%s", cls, prop) << QString::fromLatin1(cls)
                                              << QString::fromLatin1(prop)
                                              << static_cast<const void *>(type) << def;
        };
        const qint64 none = TPropInfo::NoDefault;
        row("TButton", "Caption", TypeInfoTCaption(), none);
        row("TButton", "ModalResult", TypeInfoTModalResult(), 0);
        row("TButton", "TabOrder", TypeInfoTTabOrder(), -1);
        row("TPanel", "BevelOuter", TypeInfoTBevelCut(), bvRaised);
        row("TPanel", "BevelInner", TypeInfoTBevelCut(), bvNone);
        row("TPanel", "Alignment", TypeInfoTAlignment(), taCenter);
        row("TPanel", "Color", TypeInfoTColor(), clBtnFace);
        row("TSplitter", "Align", TypeInfoTAlign(), alLeft);
        row("TSplitter", "Cursor", TypeInfoTCursor(), crHSplit);
        row("TSpeedButton", "Spacing", TypeInfoInteger(), 4);
        row("TSpeedButton", "Margin", TypeInfoInteger(), -1);
        row("TTabControl", "TabIndex", TypeInfoInteger(), -1);
        row("TTabControl", "OnChanging", TypeInfoTTabChangingEvent(), none);
        row("TStatusBar", "Align", TypeInfoTAlign(), alBottom);
        row("TStatusPanel", "Bevel", TypeInfoTStatusPanelBevel(), pbLowered);
    }
    void publishedTypesAndDefaults()
    {
        QFETCH(QString, cls);
        QFETCH(QString, prop);
        QFETCH(const void *, type);
        QFETCH(qint64, defaultValue);
        const TClass classes[] = {TButton::StaticClass(), TPanel::StaticClass(),
                                  TSplitter::StaticClass(), TSpeedButton::StaticClass(),
                                  TTabControl::StaticClass(), TStatusBar::StaticClass(),
                                  TStatusPanel::StaticClass()};
        TClass found = nullptr;
        for (TClass c : classes) {
            if (c->ClassName() == cls)
                found = c;
        }
        QVERIFY(found);
        const TPropInfo *info = GetPropInfo(found, prop);
        QVERIFY(info);
        // Editors are found by the identity of the type record.
        QCOMPARE(static_cast<const void *>(info->PropType), type);
        QCOMPARE(info->Default, defaultValue);
    }

    void newControlsTakeTheirClassicSizesAndDefaults()
    {
        TForm form(nullptr);
        auto *button = new TButton(&form);
        QCOMPARE(button->BoundsRect().size(), QSize(75, 25));
        QVERIFY(button->TabStop());
        auto *panel = new TPanel(&form);
        QCOMPARE(panel->Color(), clBtnFace);
        QVERIFY(!panel->ParentColor());
        QVERIFY(panel->ControlStyle() & csAcceptsControls);
        auto *bar = new TStatusBar(&form);
        QCOMPARE(bar->Height(), 19);
        QCOMPARE(bar->Align(), alBottom);
        auto *splitter = new TSplitter(&form);
        QCOMPARE(splitter->Width(), 3);
        QCOMPARE(splitter->MinSize(), 30);
        QCOMPARE(splitter->ResizeStyle(), rsPattern);
    }

    void panelClientAreaShrinksByEdges_data()
    {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<int>("bevelWidth");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<int>("borderStyle");
        QTest::addColumn<int>("inset");
        QTest::newRow("default raised") << int(bvRaised) << int(bvNone) << 1 << 0 << 0 << 1;
        QTest::newRow("no bevel") << int(bvNone) << int(bvNone) << 1 << 0 << 0 << 0;
        QTest::newRow("border width only") << int(bvNone) << int(bvNone) << 1 << 2 << 0 << 2;
        QTest::newRow("both bevels wide") << int(bvRaised) << int(bvLowered) << 3 << 0 << 0 << 6;
        QTest::newRow("space counts") << int(bvSpace) << int(bvNone) << 2 << 4 << 0 << 6;
        QTest::newRow("everything") << int(bvLowered) << int(bvRaised) << 2 << 5 << 1 << 11;
        QTest::newRow("negative border width")
            << int(bvNone) << int(bvNone) << 1 << -4 << 0 << 0;
    }
    void panelClientAreaShrinksByEdges()
    {
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(int, bevelWidth);
        QFETCH(int, borderWidth);
        QFETCH(int, borderStyle);
        QFETCH(int, inset);
        TForm form(nullptr);
        auto *panel = Place(new TPanel(&form), &form, QRect(10, 10, 200, 100));
        auto *child = Place(new TPanel(&form), panel, QRect(0, 0, 10, 10), alClient);
        QCOMPARE(child->BoundsRect(), QRect(1, 1, 198, 98)); // the default raised bevel
        panel->SetBevelOuter(TBevelCut(outer));
        panel->SetBevelInner(TBevelCut(inner));
        panel->SetBevelWidth(bevelWidth);
        panel->SetBorderWidth(borderWidth);
        panel->SetBorderStyle(TFormBorderStyle(borderStyle));
        QCOMPARE(child->BoundsRect(), QRect(inset, inset, 200 - 2 * inset, 100 - 2 * inset));
    }

    void panelAlignsChildrenInsideItsBorder()
    {
        TForm form(nullptr);
        auto *panel = Place(new TPanel(&form), &form, QRect(0, 0, 200, 150));
        panel->SetBorderWidth(2); // + the raised bevel: 3 pixels all round
        auto *top = Place(new TPanel(&form), panel, QRect(0, 0, 10, 20), alTop);
        auto *bottom = Place(new TPanel(&form), panel, QRect(0, 0, 10, 15), alBottom);
        auto *left = Place(new TPanel(&form), panel, QRect(0, 0, 30, 10), alLeft);
        auto *right = Place(new TPanel(&form), panel, QRect(0, 0, 25, 10), alRight);
        auto *client = Place(new TPanel(&form), panel, QRect(0, 0, 10, 10), alClient);
        QCOMPARE(top->BoundsRect(), QRect(3, 3, 194, 20));
        QCOMPARE(bottom->BoundsRect(), QRect(3, 132, 194, 15));
        QCOMPARE(left->BoundsRect(), QRect(3, 23, 30, 109));
        QCOMPARE(right->BoundsRect(), QRect(172, 23, 25, 109));
        QCOMPARE(client->BoundsRect(), QRect(33, 23, 139, 109));

        // Growing the panel moves the far edges with it.
        panel->SetBounds(0, 0, 260, 170);
        QCOMPARE(bottom->BoundsRect(), QRect(3, 152, 254, 15));
        QCOMPARE(client->BoundsRect(), QRect(33, 23, 199, 129));
    }

    void speedButtonGroupKeepsOneDown()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 120);
        auto *panel = Place(new TPanel(&form), &form, QRect(0, 0, 300, 40));
        auto *other = Place(new TPanel(&form), &form, QRect(0, 50, 300, 40));
        TSpeedButton *b1 = GroupButton(&form, panel, 2, 1);
        TSpeedButton *b2 = GroupButton(&form, panel, 30, 1);
        TSpeedButton *b3 = GroupButton(&form, panel, 58, 1);
        TSpeedButton *loose = GroupButton(&form, panel, 90, 0);
        TSpeedButton *elsewhere = GroupButton(&form, other, 2, 1); // same group, other parent
        Events events;
        for (TSpeedButton *b : {b1, b2, b3, loose})
            b->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        panel->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        b1->SetDown(true);
        elsewhere->SetDown(true);
        ShowForm(form);

        QTest::mouseClick(b2->Handle(), Qt::LeftButton, {}, Center(b2));
        QVERIFY(b2->Down());
        QVERIFY(!b1->Down());
        QVERIFY(!b3->Down());
        QVERIFY(elsewhere->Down()); // groups are per parent
        // One click each, and none for the panel the button sits on.
        QCOMPARE(events.clicks, QList<TObject *>{b2});

        // The down button of a group without AllowAllUp stays down, and still clicks.
        QTest::mouseClick(b2->Handle(), Qt::LeftButton, {}, Center(b2));
        QVERIFY(b2->Down());
        QCOMPARE(events.clicks.size(), 2);

        // AllowAllUp is shared by the group; then the down one comes up when clicked.
        b3->SetAllowAllUp(true);
        QVERIFY(b1->AllowAllUp() && b2->AllowAllUp());
        QTest::mouseClick(b2->Handle(), Qt::LeftButton, {}, Center(b2));
        QVERIFY(!b1->Down() && !b2->Down() && !b3->Down());

        // A button outside any group never stays down.
        QTest::mouseClick(loose->Handle(), Qt::LeftButton, {}, Center(loose));
        QVERIFY(!loose->Down());
        QCOMPARE(events.clicks.size(), 4);
        QCOMPARE(events.clicks.count(panel), 0);
    }

    void speedButtonDownByCode()
    {
        TForm form(nullptr);
        auto *panel = Place(new TPanel(&form), &form, QRect(0, 0, 300, 40));
        TSpeedButton *b1 = GroupButton(&form, panel, 2, 1);
        TSpeedButton *b2 = GroupButton(&form, panel, 30, 1);
        TSpeedButton *loose = GroupButton(&form, panel, 60, 0);
        b1->SetDown(true);
        b2->SetDown(true);
        QVERIFY(!b1->Down() && b2->Down());
        b2->SetDown(false); // refused: the group does not allow all up
        QVERIFY(b2->Down());
        b2->SetAllowAllUp(true);
        b2->SetDown(false);
        QVERIFY(!b2->Down());
        loose->SetDown(true);
        QVERIFY(!loose->Down());
    }

    void speedButtonPressHandlerRunsBeforeTheSwitch()
    {
        TForm form(nullptr);
        auto *panel = Place(new TPanel(&form), &form, QRect(0, 0, 300, 40));
        TSpeedButton *b1 = GroupButton(&form, panel, 2, 1);
        TSpeedButton *b2 = GroupButton(&form, panel, 30, 1);
        b1->SetDown(true);
        Events events;
        b2->OnMouseDown = TMouseEvent::Of<&Events::Pressed>(&events);
        ShowForm(form);

        QTest::mousePress(b2->Handle(), Qt::LeftButton, {}, Center(b2));
        QCOMPARE(events.downWhenPressed, QList<bool>{false});
        QVERIFY(b2->ShownPressed());
        QVERIFY(b1->Down()); // the switch comes with the release
        QTest::mouseRelease(b2->Handle(), Qt::LeftButton, {}, Center(b2));
        QVERIFY(b2->Down() && !b1->Down());
    }

    void speedButtonReleasedOutsideDoesNotClick()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 100);
        auto *b = Place(new TSpeedButton(&form), &form, QRect(10, 10, 25, 25));
        Events events;
        b->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        ShowForm(form);
        QTest::mousePress(b->Handle(), Qt::LeftButton, {}, Center(b));
        QTest::mouseMove(b->Handle(), QPoint(60, 60));
        QVERIFY(!b->ShownPressed());
        QTest::mouseRelease(b->Handle(), Qt::LeftButton, {}, QPoint(60, 60));
        QVERIFY(events.clicks.isEmpty());
        QVERIFY(!b->Down());
    }

    void buttonClicksOnceAndGivesItsModalResult()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 100);
        auto *ok = Place(new TButton(&form), &form, QRect(10, 10, 75, 25));
        auto *plain = Place(new TButton(&form), &form, QRect(100, 10, 75, 25));
        ok->SetModalResult(mrOk);
        Events events;
        ok->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        plain->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        form.OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        ShowForm(form);

        QTest::mouseClick(plain->Handle(), Qt::LeftButton, {}, Center(plain));
        QCOMPARE(events.clicks, QList<TObject *>{plain});
        QCOMPARE(form.ModalResult(), mrNone);

        QTest::mouseClick(ok->Handle(), Qt::LeftButton, {}, Center(ok));
        QCOMPARE(events.clicks, (QList<TObject *>{plain, ok}));
        QCOMPARE(form.ModalResult(), mrOk);

        // The keyboard clicks through the same path, once.
        ok->SetFocus();
        QTest::keyClick(ok->Handle(), Qt::Key_Space);
        QCOMPARE(events.clicks.count(ok), 2);
    }

    void buttonEndsModalShowing()
    {
        TForm dialog(nullptr);
        dialog.SetBounds(0, 0, 200, 100);
        auto *cancel = Place(new TButton(&dialog), &dialog, QRect(10, 10, 75, 25));
        cancel->SetModalResult(mrCancel);
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(dialog.Handle()));
            QTest::mouseClick(cancel->Handle(), Qt::LeftButton, {}, Center(cancel));
        });
        QCOMPARE(dialog.ShowModal(), mrCancel);
    }

    void buttonInDesignStateIsInert()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 100);
        auto *button = Place(new TButton(&form), &form, QRect(10, 10, 75, 25));
        button->SetModalResult(mrOk);
        Events events;
        button->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        button->SetDesigning(true);
        ShowForm(form);
        QTest::mouseClick(button->Handle(), Qt::LeftButton, {}, Center(button));
        QVERIFY(events.clicks.isEmpty());
        QCOMPARE(form.ModalResult(), mrNone);
    }

    void tabControlClickChangesTab()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto *tabs = Place(new TTabControl(&form), &form, QRect(0, 0, 300, 120));
        tabs->Tabs()->SetCommaText(QStringLiteral("Standard,Additional,Win32"));
        tabs->SetTabIndex(0);
        auto *page = Place(new TPanel(&form), tabs, QRect(0, 0, 10, 10), alClient);
        Events events;
        tabs->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        tabs->OnChanging = TTabChangingEvent::Of<&Events::Changing>(&events);
        ShowForm(form);

        // Children fill the page below the tabs.
        QCOMPARE(page->BoundsRect(), tabs->DisplayRect());
        QVERIFY(page->Top() > tabs->TabHeight());

        const QRect third = tabs->TabRect(2);
        QVERIFY(!third.isEmpty());
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, third.center());
        QCOMPARE(tabs->TabIndex(), 2);
        QCOMPARE(events.changings, 1);
        QCOMPARE(events.changes, 1);

        // Clicking the current tab changes nothing.
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, tabs->TabRect(2).center());
        QCOMPARE(events.changes, 1);

        // By code: no events.
        tabs->SetTabIndex(1);
        QCOMPARE(tabs->TabIndex(), 1);
        QCOMPARE(events.changes, 1);
        QCOMPARE(events.changings, 1);
        tabs->SetTabIndex(7); // out of range: ignored
        QCOMPARE(tabs->TabIndex(), 1);

        // OnChanging can keep the current tab.
        events.allowChange = false;
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, tabs->TabRect(0).center());
        QCOMPARE(tabs->TabIndex(), 1);
        QCOMPARE(events.changings, 2);
        QCOMPARE(events.changes, 1);
    }

    void tabControlFollowsItsTabs()
    {
        TForm form(nullptr);
        auto *tabs = Place(new TTabControl(&form), &form, QRect(0, 0, 300, 120));
        QCOMPARE(tabs->TabIndex(), -1);
        tabs->Tabs()->Add(QStringLiteral("Standard"));
        tabs->Tabs()->Add(QStringLiteral("Samples"));
        tabs->SetTabIndex(1);
        ShowForm(form);
        QVERIFY(!tabs->TabRect(1).isEmpty());
        const int wide = tabs->TabRect(1).width();
        tabs->Tabs()->SetStrings(1, QStringLiteral("A much longer page name"));
        QVERIFY(tabs->TabRect(1).width() > wide);
        tabs->Tabs()->Delete(1);
        QCOMPARE(tabs->TabIndex(), 0); // the current tab went: the last one left
        QVERIFY(tabs->TabRect(1).isEmpty());
        tabs->Tabs()->Clear();
        QCOMPARE(tabs->TabIndex(), -1);
    }

    void statusBarKeepsPanels()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 120);
        auto *bar = new TStatusBar(&form);
        bar->SetParent(&form);
        const struct
        {
            const char *text;
            int width;
            TAlignment alignment;
            TStatusPanelBevel bevel;
        } rows[] = {{"X :", 30, taCenter, pbNone},
                     {"", 100, taCenter, pbLowered},
                     {"Y :", 40, taCenter, pbNone},
                     {"", 100, taLeftJustify, pbRaised}};
        for (const auto &row : rows) {
            TStatusPanel *panel = bar->Panels()->Add();
            panel->SetText(QString::fromLatin1(row.text));
            panel->SetWidth(row.width);
            panel->SetAlignment(row.alignment);
            panel->SetBevel(row.bevel);
        }
        ShowForm(form);

        QCOMPARE(bar->BoundsRect(), QRect(0, form.ClientHeight() - 19, form.ClientWidth(), 19));
        QCOMPARE(bar->Panels()->Count(), 4);
        QCOMPARE(bar->Panels()->Items(2)->Text(), QStringLiteral("Y :"));
        QCOMPARE(bar->Panels()->Items(1)->Width(), 100);
        QCOMPARE(bar->Panels()->Items(3)->Bevel(), pbRaised);
        // Placed from the left by their widths; the last one takes the rest.
        QCOMPARE(bar->PanelRect(1).left(), 30);
        QCOMPARE(bar->PanelRect(2).left(), 130);
        QCOMPARE(bar->PanelRect(3).left(), 170);
        QCOMPARE(bar->PanelRect(3).right(), bar->Width() - 1 - 13); // short of the size grip
        bar->SetSizeGrip(false);
        QCOMPARE(bar->PanelRect(3).right(), bar->Width() - 1);

        // A new text shows at once.
        const QImage before = bar->Handle()->grab().toImage();
        bar->Panels()->Items(1)->SetText(QStringLiteral("123"));
        QTRY_VERIFY(bar->Handle()->grab().toImage() != before);

        // A copy of the panels keeps every value.
        TStatusBar copy(nullptr);
        copy.SetPanels(bar->Panels());
        QCOMPARE(copy.Panels()->Count(), 4);
        QCOMPARE(copy.Panels()->Items(1)->Text(), QStringLiteral("123"));
        QCOMPARE(copy.Panels()->Items(0)->Alignment(), taCenter);
        QCOMPARE(copy.Panels()->Items(0)->Bevel(), pbNone);
    }

    void splitterDragResizesItsNeighbour_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("drag");
        QTest::addColumn<bool>("autoSnap");
        QTest::addColumn<int>("expected");
        QTest::newRow("live, wider") << int(rsUpdate) << 40 << true << 140;
        QTest::newRow("live, narrower") << int(rsUpdate) << -30 << true << 70;
        QTest::newRow("pattern, wider") << int(rsPattern) << 40 << true << 140;
        QTest::newRow("line, narrower") << int(rsLine) << -30 << true << 70;
        QTest::newRow("none, wider") << int(rsNone) << 25 << true << 125;
        // Neither side goes below MinSize (30): the rest is 298 wide, so 100 + 298 - 30.
        QTest::newRow("stops at MinSize") << int(rsUpdate) << -90 << false << 30;
        QTest::newRow("snaps shut at MinSize") << int(rsPattern) << -90 << true << 0;
        QTest::newRow("live, snaps shut") << int(rsUpdate) << -75 << true << 0;
        QTest::newRow("leaves MinSize to the rest") << int(rsPattern) << 280 << true << 368;
        QTest::newRow("live, leaves MinSize") << int(rsUpdate) << 280 << true << 368;
    }
    void splitterDragResizesItsNeighbour()
    {
        QFETCH(int, style);
        QFETCH(int, drag);
        QFETCH(bool, autoSnap);
        QFETCH(int, expected);
        TForm form(nullptr);
        form.SetBounds(0, 0, 450, 150);
        auto *box = Place(new TPanel(&form), &form, QRect(0, 0, 400, 100));
        box->SetBevelOuter(bvNone);
        auto *left = Place(new TPanel(&form), box, QRect(0, 0, 100, 10), alLeft);
        auto *splitter = Place(new TSplitter(&form), box, QRect(100, 0, 2, 10), alLeft);
        auto *rest = Place(new TPanel(&form), box, QRect(0, 0, 10, 10), alClient);
        splitter->SetResizeStyle(TResizeStyle(style));
        QVERIFY(splitter->AutoSnap()); // on by default
        splitter->SetAutoSnap(autoSnap);
        Events events;
        splitter->OnMoved = TNotifyEvent::Of<&Events::Changed>(&events);
        ShowForm(form);

        QWidget *w = splitter->Handle();
        const QPoint start(1, 20);
        QTest::mousePress(w, Qt::LeftButton, {}, start);
        // In steps, as a real drag comes; positions are relative to where the bar is now.
        for (int step = 1; step <= 4; ++step) {
            const int x = 100 + drag * step / 4; // where the mouse is in the form
            QTest::mouseMove(w, QPoint(x - splitter->Left() + 1, 20));
        }
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(100 + drag - splitter->Left() + 1, 20));
        QCOMPARE(left->Width(), expected);
        QCOMPARE(splitter->Left(), expected);
        QCOMPARE(rest->Left(), expected + 2);
        QCOMPARE(events.changes, 1);
    }

    void drawingLockHoldsPaintsUntilTheLastUnlock()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 150);
        auto *panel = Place(new TPanel(&form), &form, QRect(0, 0, 200, 150));
        auto *box = Place(new TPaintBox(&form), panel, QRect(10, 10, 100, 80));
        PaintLog log{box, {}};
        box->OnPaint = TNotifyEvent::Of<&PaintLog::Painted>(&log);
        ShowForm(form);
        QApplication::processEvents();
        log.areas.clear();

        panel->LockDrawing();
        panel->LockDrawing();
        QVERIFY(panel->DrawingLocked());
        box->Invalidate();
        box->SetWidth(120);
        box->Invalidate();
        QApplication::processEvents();
        QVERIFY(log.areas.isEmpty());
        panel->UnlockDrawing();
        QApplication::processEvents();
        QVERIFY(log.areas.isEmpty()); // one lock still holds
        panel->UnlockDrawing();
        QVERIFY(!panel->DrawingLocked());
        QApplication::processEvents();
        // Everything changed meanwhile shows in one paint.
        QCOMPARE(log.areas, QList<QRect>{QRect(0, 0, 120, 80)});
        // An unlock too many is no lock the other way.
        panel->UnlockDrawing();
        QVERIFY(!panel->DrawingLocked());
        box->Invalidate();
        QApplication::processEvents();
        QCOMPARE(log.areas.size(), 2);
    }

    void takenOutChildrenCloseTheirTabOrderGaps()
    {
        TForm form(nullptr);
        TPanel *panel = Place(new TPanel(&form), &form, QRect(0, 0, 300, 100));
        QList<TButton *> buttons;
        for (int i = 0; i < 6; ++i)
            buttons << Place(new TButton(&form), panel, QRect(i * 40, 0, 35, 25));
        const auto orders = [&](const QList<TButton *> &list) {
            QList<int> result;
            for (TButton *b : list)
                result << b->TabOrder();
            return result;
        };
        QCOMPARE(orders(buttons), (QList<int>{0, 1, 2, 3, 4, 5}));
        // Several taken out one after another, with nobody asking in between: the ones after
        // each gap move down, as when every gap closes at once.
        panel->FreeControl(buttons.takeAt(4));
        panel->FreeControl(buttons.takeAt(1));
        panel->RemoveControl(buttons.at(0));
        QCOMPARE(buttons.at(0)->TabOrder(), -1);
        buttons.takeFirst()->SetParent(&form);
        QCOMPARE(orders(buttons), (QList<int>{0, 1, 2}));
        // A child given after gaps comes last.
        auto *added = Place(new TButton(&form), panel, QRect(0, 50, 35, 25));
        QCOMPARE(added->TabOrder(), 3);
        // Orders typed in by hand may repeat: a gap moves only the ones strictly after it.
        buttons.at(0)->SetTabOrder(0);
        buttons.at(1)->SetTabOrder(2);
        buttons.at(2)->SetTabOrder(2);
        added->SetTabOrder(3);
        panel->FreeControl(buttons.takeAt(1)); // 2 goes: 3 becomes 2
        Free(buttons.takeAt(1));               // the other 2 goes: nothing is after it now
        QCOMPARE(orders(buttons), QList<int>{0});
        QCOMPARE(added->TabOrder(), 2);
        // Freed directly rather than by its parent, a control leaves no gap either.
        Free(buttons.takeFirst());
        QCOMPARE(added->TabOrder(), 1);
    }

    void drawingLockTakenBeforeTheWidgetExists()
    {
        TForm form(nullptr);
        auto *panel = new TPanel(&form);
        const TDrawingLock hold(panel);
        panel->SetParent(&form);
        QVERIFY(!panel->Handle()->updatesEnabled());
    }

    // A paint box is told which part of it a paint covers: an item outside needs no drawing.
    void paintBoxCanvasKnowsThePaintedArea()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 150);
        auto *box = Place(new TPaintBox(&form), &form, QRect(10, 10, 100, 80));
        PaintLog log{box, {}};
        box->OnPaint = TNotifyEvent::Of<&PaintLog::Painted>(&log);
        ShowForm(form);
        QApplication::processEvents();
        log.areas.clear();
        box->Handle()->update(QRect(20, 30, 15, 10));
        QApplication::processEvents();
        QCOMPARE(log.areas, QList<QRect>{QRect(20, 30, 15, 10)});
        box->Invalidate();
        QApplication::processEvents();
        QCOMPARE(log.areas.last(), QRect(0, 0, 100, 80));
        // Outside a paint the canvas has no area.
        QCOMPARE(box->Canvas()->ClipRect(), QRect());
        QCOMPARE(box->PaintArea(), QRect(0, 0, 100, 80));
    }

    void imeModeTurnsTheInputMethodOffOrLeavesItOn_data()
    {
        QTest::addColumn<void *>("cls");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("on");
        auto row = [](const char *name, TClass cls, TImeMode mode, bool on) {
            QTest::newRow(name) << const_cast<void *>(static_cast<const void *>(cls)) << int(mode)
                                << on;
        };
        row("edit disabled", TEdit::StaticClass(), imDisable, false);
        row("edit closed", TEdit::StaticClass(), imClose, false);
        row("edit open", TEdit::StaticClass(), imOpen, true);
        row("edit hiragana", TEdit::StaticClass(), imHira, true);
        row("memo disabled", TMemo::StaticClass(), imDisable, false);
        row("memo don't care", TMemo::StaticClass(), imDontCare, true);
        row("mask edit closed", TMaskEdit::StaticClass(), imClose, false);
        row("combo box disabled", TComboBox::StaticClass(), imDisable, false);
        row("combo box hangul", TComboBox::StaticClass(), imHanguel, true);
    }
    void imeModeTurnsTheInputMethodOffOrLeavesItOn()
    {
        QFETCH(void *, cls);
        QFETCH(int, mode);
        QFETCH(bool, on);
        TForm form(nullptr);
        auto *control = static_cast<TWinControl *>(static_cast<TClass>(cls)->Create(&form));
        // Set before the widget exists: the widget takes it when made.
        control->SetImeMode(TImeMode(mode));
        control->SetParent(&form);
        form.Show();
        QCOMPARE(InputMethodOn(control), on);
        // And it follows a change either way.
        control->SetImeMode(on ? imClose : imDontCare);
        QCOMPARE(InputMethodOn(control), !on);
        control->SetImeMode(TImeMode(mode));
        QCOMPARE(InputMethodOn(control), on);
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
