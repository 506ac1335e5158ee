// The collection dialog "Items" and the menu dialog "Menu" with their property editors: the
// dialogs' edge cases, up and down keeping the tree and the menu in step at every level, the
// design form's menu bar following the menu, and the lifetimes of dialogs, editors and items
// while the user deletes what a dialog shows or closes and reopens the designer.

#include "../shell/DesignerSession.h"
#include "ItemEditorTools.h"

#include "ComCtrls.h"
#include "PaintCounter.h"
#include "ComCtrlsTreeView.h"
#include "Handles.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "VirtualKeys.h"
#include "ZeClientComponents.h"
#include "ZeDesignRegistrations.h"
#include "ZeFormDesigner.h"
#include "ZeItemEditor.h"
#include "ZeMenuEditor.h"
#include "ZeObjectInspector.h"
#include "ZePropertyEditors.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records that a component was freed.
class TFreeWatch : public TComponent
{
public:
    explicit TFreeWatch(TComponent *watched) : TComponent(nullptr) { watched->FreeNotification(this); }
    void Notification(TComponent *component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            Freed = true;
    }
    bool Freed = false;
};

// "A(A1,A2),B": captions in menu order, sub-items in brackets.
QString MenuShape(const TMenuItem *item)
{
    QStringList parts;
    for (int i = 0; i < item->Count(); ++i) {
        const TMenuItem *sub = item->Items(i);
        parts << sub->Caption() + (sub->Count() ? '(' + MenuShape(sub) + ')' : QString());
    }
    return parts.join(',');
}

QString NodeShape(const TTreeNode *node)
{
    const TMenuItem *item = TfZeMenuEditor::ItemOf(node);
    QString text = node->Text();
    if (!item || item->Caption() != text)
        text += QStringLiteral("<bad data>");
    QStringList parts;
    for (int i = 0; i < node->Count(); ++i)
        parts << NodeShape(node->Item(i));
    return text + (parts.isEmpty() ? QString() : '(' + parts.join(',') + ')');
}

QString TreeShape(const TTreeNodes *nodes)
{
    QStringList parts;
    for (int i = 0; i < nodes->RootCount(); ++i)
        parts << NodeShape(nodes->Root(i));
    return parts.join(',');
}

// Builds items of owner under parent from a shape text.
void BuildMenu(TMenuItem *parent, TComponent *owner, const QString &shape, int &pos)
{
    while (pos < shape.size() && shape[pos] != ')') {
        QString caption;
        while (pos < shape.size() && !QStringLiteral("(),").contains(shape[pos]))
            caption += shape[pos++];
        auto *item = new TMenuItem(owner);
        item->SetCaption(caption);
        parent->Add(item);
        if (pos < shape.size() && shape[pos] == '(') {
            BuildMenu(item, owner, shape, ++pos);
            ++pos; // ')'
        }
        if (pos < shape.size() && shape[pos] == ',')
            ++pos;
    }
}

TTreeNode *NodeWithText(TTreeNodes *nodes, const QString &text)
{
    for (TTreeNode *node = nodes->GetFirstNode(); node; node = node->GetNext())
        if (node->Text() == text)
            return node;
    return nullptr;
}

QStringList BarTexts(TCustomForm *form)
{
    QStringList texts;
    if (auto *bar = form->Handle()->findChild<QMenuBar *>()) {
        for (QAction *action : bar->actions())
            texts << action->text().remove('&');
    }
    return texts;
}

QStringList Lines(TfZeItemEditor *dialog)
{
    QStringList lines;
    for (int i = 0; i < dialog->lbItems->Items()->Count(); ++i)
        lines << dialog->lbItems->Items()->Strings(i);
    return lines;
}

QStringList PanelTexts(TStatusBar *bar)
{
    QStringList texts;
    for (int i = 0; i < bar->Panels()->Count(); ++i)
        texts << bar->Panels()->Items(i)->Text();
    return texts;
}

TObjectInspProperty *RowNamed(TfObjectInspector *inspector, const QString &name)
{
    for (const auto &row : inspector->Rows)
        if (row->Editor->GetName() == name)
            return row.get();
    return nullptr;
}

// Opens the dialog of the inspector's row as the user does, with the row's dialog button.
template<class Editor> Editor *OpenFromRow(TfObjectInspector *inspector, const QString &name)
{
    TObjectInspProperty *row = RowNamed(inspector, name);
    if (!row)
        return nullptr;
    auto *editor = ObjectCast<Editor>(row->Editor.Get());
    inspector->SelectRow(row);
    inspector->sbEditClick(nullptr);
    return editor;
}

void SetRowValue(TfObjectInspector *inspector, const QString &name, const QString &value)
{
    TObjectInspProperty *row = RowNamed(inspector, name);
    QVERIFY(row);
    TPropertyEditorRef editor = row->Editor;
    editor->SetValue(value);
}

} // namespace

class tst_ItemEditors : public QObject
{
    Q_OBJECT

private:
    // A design form with its designer and the designer's registrations, no main window.
    struct Bench
    {
        Bench()
        {
            Form = new TfZeDesignForm(nullptr);
            Form->SetName(QStringLiteral("ZeDesignForm"));
            Designer.Form = Form;
        }
        ~Bench() { Free(Form); }
        TfZeDesignForm *Form;
        TZeFormDesigner Designer;
    };

    QTemporaryDir m_dir;
    HostSession m_session;

    // Runs check once in an open designer of a session of its own, which shows no message.
    void InDesigner(const QString &store, const std::function<void(TZeIDEForm *)> &check)
    {
        m_session.Start(m_dir.path() + QLatin1Char('/') + store);
        WithDesigner(m_session.Host, check);
        m_session.Stop();
        QVERIFY2(m_session.Messages.isEmpty(), qPrintable(m_session.Messages.join('\n')));
    }

private slots:
    void initTestCase() { RegisterDesignPropertyEditors(); }
    void cleanupTestCase() { FreePropertyEditorRegistry(); }

    void collectionEdges_data();
    void collectionEdges();
    void collectionsShowAtOnce_data();
    void collectionsShowAtOnce();
    void menuEdges_data();
    void menuEdges();
    void upDown_data();
    void upDown();
    void upDownKeepsStepEverywhere();
    void menuBarFollows();
    void statusBarThroughDialogAndInspector();
    void deletingWhatDialogsShow();
    void menuThroughDialogAndInspector();
    void closingAndReopeningDesigner();
};

// ---- Collection dialog -------------------------------------------------------------------------

void tst_ItemEditors::collectionEdges_data()
{
    QTest::addColumn<int>("panels");   // made first, with texts P0, P1, ...
    QTest::addColumn<int>("row");      // selected before the button (-1: none)
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("selected");

    const QStringList three{"P0", "P1", "P2"};
    QTest::newRow("delete the first") << 3 << 0 << "Delete" << QStringList{"P1", "P2"} << 0;
    QTest::newRow("delete the last") << 3 << 2 << "Delete" << QStringList{"P0", "P1"} << 1;
    QTest::newRow("delete with none selected") << 3 << -1 << "Delete" << three << -1;
    QTest::newRow("up on the first") << 3 << 0 << "Up" << three << 0;
    QTest::newRow("up") << 3 << 2 << "Up" << QStringList{"P0", "P2", "P1"} << 1;
    QTest::newRow("down on the last") << 3 << 2 << "Down" << three << 2;
    QTest::newRow("down") << 3 << 0 << "Down" << QStringList{"P1", "P0", "P2"} << 1;
    QTest::newRow("add keeps the selection")
        << 2 << 1 << "Add" << QStringList{"P0", "P1", ""} << 1;
    QTest::newRow("two adds on an empty collection") << 0 << -1 << "Add Add"
                                                     << QStringList{"", ""} << -1;
}

void tst_ItemEditors::collectionEdges()
{
    QFETCH(int, panels);
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    QFETCH(int, selected);
    TApplication app(nullptr);
    TStatusBar bar(nullptr);
    for (int i = 0; i < panels; ++i)
        bar.Panels()->Add()->SetText(QStringLiteral("P%1").arg(i));
    TfZeItemEditor dialog(nullptr);
    dialog.Collection = bar.Panels();
    dialog.RefreshItems();
    dialog.lbItems->SetItemIndex(row);
    for (const QString &b : button.split(' ')) {
        TButton *pressed = b == "Add" ? dialog.Button1 : b == "Delete" ? dialog.Button2
                         : b == "Up" ? dialog.Button3 : dialog.Button4;
        QCOMPARE(pressed->Caption(), b);
        pressed->Click();
    }
    QCOMPARE(PanelTexts(&bar), texts);
    QStringList lines;
    for (int i = 0; i < texts.size(); ++i)
        lines << QStringLiteral("%1 - TStatusPanel").arg(i);
    QCOMPARE(Lines(&dialog), lines);
    QCOMPARE(dialog.lbItems->ItemIndex(), selected);
    QCOMPARE(dialog.Caption(), QStringLiteral("Items"));
}

// Adding, moving and deleting items through the dialog repaints the control on the design
// form at once.
void tst_ItemEditors::collectionsShowAtOnce_data()
{
    QTest::addColumn<int>("kind"); // 0 status bar, 1 header control, 2 grid
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("itemClass");
    QTest::newRow("status panels") << 0 << "Panels" << "TStatusPanel";
    QTest::newRow("header sections") << 1 << "Sections" << "THeaderSection";
    QTest::newRow("grid columns") << 2 << "Columns" << "TColumn";
}

void tst_ItemEditors::collectionsShowAtOnce()
{
    QFETCH(int, kind);
    QFETCH(QString, property);
    const TClass cls = kind == 0 ? TZeStatusBar::StaticClass()
                     : kind == 1 ? TZeHeaderControl::StaticClass() : TZeDBGrid::StaticClass();
    QFETCH(QString, itemClass);
    TApplication app(nullptr);
    Bench bench;
    bench.Form->Show();
    TControl *control = bench.Form->PlaceComponent(cls, 8, 8, nullptr, 8, 8);
    QVERIFY(control);
    QVERIFY(QTest::qWaitForWindowExposed(bench.Form->Handle()));
    TPropertyEditorRef editor = EditorFor(control, property, &bench.Designer);
    QVERIFY(ObjectCast<TZeCollectionItemEditor>(editor.Get()));
    editor->Edit();
    TfZeItemEditor *dialog = ObjectCast<TZeCollectionItemEditor>(editor.Get())->ItemDialog;
    PaintCounter painted(control->Handle());
    for (TButton *button : {dialog->Button1, dialog->Button1, dialog->Button1, dialog->Button4,
                            dialog->Button3, dialog->Button2}) {
        dialog->lbItems->SetItemIndex(dialog->lbItems->Items()->Count() > 1 ? 1 : -1);
        const int before = painted.Count;
        button->Click();
        QTRY_VERIFY2(painted.Count > before, qPrintable(button->Caption()));
    }
    QCOMPARE(Lines(dialog), (QStringList{"0 - " + itemClass, "1 - " + itemClass}));
    TFreeWatch watch(dialog);
    dialog->Close();
    editor.Reset();
    QTRY_VERIFY(watch.Freed);
    bench.Form->Hide();
}

// ---- Menu dialog -------------------------------------------------------------------------------

void tst_ItemEditors::menuEdges_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("select"); // caption of the node selected first, or empty
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("selected"); // caption of the selected node after

    QTest::newRow("add with nothing selected") << "" << "" << "Add" << "MenuItem1"
                                               << "MenuItem1";
    QTest::newRow("add beside a sub-item") << "A(A1),B" << "A1" << "Add"
                                           << "A(A1,MenuItem1),B" << "MenuItem1";
    QTest::newRow("add sub item with nothing selected") << "A" << "" << "Add sub item" << "A"
                                                        << "";
    QTest::newRow("add sub item") << "A(A1),B" << "A" << "Add sub item" << "A(A1,MenuItem1),B"
                                  << "MenuItem1";
    QTest::newRow("delete the only node") << "A" << "A" << "Delete" << "" << "";
    QTest::newRow("delete the last node") << "A(A1),B(B1)" << "B1" << "Delete" << "A(A1),B"
                                          << "B";
    QTest::newRow("delete a branch") << "A(A1),B(B1),C" << "B" << "Delete" << "A(A1),C" << "C";
    QTest::newRow("the order A, B, C") << "M(A,B,C)" << "" << "" << "M(A,B,C)" << "";
}

void tst_ItemEditors::menuEdges()
{
    QFETCH(QString, shape);
    QFETCH(QString, select);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QFETCH(QString, selected);
    TApplication app(nullptr);
    Bench bench;
    auto *menu = new TMainMenu(bench.Form);
    int pos = 0;
    BuildMenu(menu->Items(), bench.Form, shape, pos);
    TPropertyEditorRef editor = EditorFor(menu, QStringLiteral("Items"), &bench.Designer);
    auto *menuEditor = ObjectCast<TZeMenuItemEditor>(editor.Get());
    QVERIFY(menuEditor);
    QCOMPARE(editor->GetValue(), QStringLiteral("(MenuItems)"));
    editor->Edit();
    TfZeMenuEditor *dialog = menuEditor->MenuDialog;
    QCOMPARE(TreeShape(dialog->TreeView1->Items()), shape);
    dialog->TreeView1->SetSelected(NodeWithText(dialog->TreeView1->Items(), select));
    const QList<TButton *> buttons{dialog->Button1, dialog->Button2, dialog->Button4};
    for (TButton *b : buttons)
        if (b->Caption() == button)
            b->Click();
    QCOMPARE(MenuShape(menu->Items()), expected);
    QCOMPARE(TreeShape(dialog->TreeView1->Items()), expected);
    TTreeNode *now = dialog->TreeView1->Selected();
    QCOMPARE(now ? now->Text() : QString(), selected);
    if (expected.contains("MenuItem1"))
        QVERIFY(ObjectCast<TMenuItem>(bench.Form->FindComponent(QStringLiteral("MenuItem1"))));
    dialog->Close();
}

// ---- Up and down -------------------------------------------------------------------------------

void tst_ItemEditors::upDown_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    QTest::newRow("up within the parent") << "A,B,C" << "C" << "Up" << "A,C,B";
    QTest::newRow("up on the first") << "A,B" << "A" << "Up" << "A,B";
    QTest::newRow("up into the branch above") << "A(A1,A2),B" << "B" << "Up" << "A(A1,B,A2)";
    QTest::newRow("up out of the parent") << "A(A1,A2),B" << "A1" << "Up" << "A1,A(A2),B";
    QTest::newRow("up takes the branch along") << "A,B(B1(B2))" << "B" << "Up" << "B(B1(B2)),A";
    QTest::newRow("down within the parent") << "A,B,C" << "A" << "Down" << "B,A,C";
    QTest::newRow("down on the last") << "A,B" << "B" << "Down" << "A,B";
    QTest::newRow("down on the last, out of its parent") << "A(A1(A2))" << "A2" << "Down"
                                                         << "A(A1,A2)";
    QTest::newRow("down out of the parent") << "A(A1,A2),B,C" << "A2" << "Down" << "A(A1),B,A2,C";
    QTest::newRow("down into the next branch") << "A,B(B1)" << "A" << "Down" << "B(A,B1)";
    QTest::newRow("down past the last node") << "A(A1),B" << "A" << "Down" << "B,A(A1)";
    QTest::newRow("down on a third level") << "M(S(X,Y),T)" << "X" << "Down" << "M(S(Y),X,T)";
}

void tst_ItemEditors::upDown()
{
    QFETCH(QString, shape);
    QFETCH(QString, select);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    TApplication app(nullptr);
    Bench bench;
    auto *menu = new TMainMenu(bench.Form);
    int pos = 0;
    BuildMenu(menu->Items(), bench.Form, shape, pos);
    TfZeMenuEditor dialog(nullptr);
    dialog.SetTargets(menu->Items(), bench.Form);
    dialog.BuildTree();
    TTreeNode *node = NodeWithText(dialog.TreeView1->Items(), select);
    dialog.TreeView1->SetSelected(node);
    (button == "Up" ? dialog.Button5 : dialog.Button6)->Click();
    QCOMPARE(MenuShape(menu->Items()), expected);
    QCOMPARE(TreeShape(dialog.TreeView1->Items()), expected);
    QCOMPARE(dialog.TreeView1->Selected(), node);
}

// Every node of a three-level menu goes up and down until it stops: after each step the tree
// and the menu agree, and nothing is lost.
void tst_ItemEditors::upDownKeepsStepEverywhere()
{
    TApplication app(nullptr);
    Bench bench;
    auto *menu = new TMainMenu(bench.Form);
    int pos = 0;
    BuildMenu(menu->Items(), bench.Form, QStringLiteral("A(A1,A2(A2a,A2b)),B,C(C1)"), pos);
    TfZeMenuEditor dialog(nullptr);
    dialog.SetTargets(menu->Items(), bench.Form);
    dialog.BuildTree();
    const QStringList captions{"A", "A1", "A2", "A2a", "A2b", "B", "C", "C1"};
    for (const QString &caption : captions) {
        for (TButton *button : {dialog.Button5, dialog.Button6, dialog.Button5}) {
            TTreeNode *node = NodeWithText(dialog.TreeView1->Items(), caption);
            dialog.TreeView1->SetSelected(node);
            for (int step = 0; step < 10; ++step) {
                button->Click();
                const QString tree = TreeShape(dialog.TreeView1->Items());
                QCOMPARE(tree, MenuShape(menu->Items()));
                QCOMPARE(dialog.TreeView1->Items()->Count(), captions.size());
                QVERIFY2(!tree.contains("<bad data>"), qPrintable(tree));
            }
        }
    }
}

// The form's menu bar shows the top-level items as they are after every change.
void tst_ItemEditors::menuBarFollows()
{
    TApplication app(nullptr);
    Bench bench;
    auto *menu = new TMainMenu(bench.Form);
    int pos = 0;
    BuildMenu(menu->Items(), bench.Form, QStringLiteral("File(Open),Edit"), pos);
    bench.Form->SetMenu(menu);
    bench.Form->Show();
    QCOMPARE(BarTexts(bench.Form), (QStringList{"File", "Edit"}));
    TfZeMenuEditor dialog(nullptr);
    dialog.SetTargets(menu->Items(), bench.Form);
    dialog.BuildTree();
    TTreeNodes *nodes = dialog.TreeView1->Items();
    dialog.TreeView1->SetSelected(NodeWithText(nodes, "Edit"));
    dialog.Button5->Click(); // up: into File, before Open
    QCOMPARE(BarTexts(bench.Form), QStringList{"File"});
    dialog.Button6->Click(); // down again: after Open, still inside File
    dialog.Button6->Click(); // the last node: out of File, after it
    QCOMPARE(BarTexts(bench.Form), (QStringList{"File", "Edit"}));
    dialog.TreeView1->SetSelected(NodeWithText(nodes, "File"));
    dialog.Button6->Click();
    QCOMPARE(BarTexts(bench.Form), (QStringList{"Edit", "File"}));
    dialog.Button1->Click(); // a new top-level item, named without a designer
    QCOMPARE(BarTexts(bench.Form), (QStringList{"Edit", "File", "TMenuItem"}));
    dialog.Button4->Click();
    QCOMPARE(BarTexts(bench.Form), (QStringList{"Edit", "File"}));
    bench.Form->Hide();
}

// ---- Through the real designer -----------------------------------------------------------------

// Five panels added through the dialog and edited in the inspector show on the status bar at
// once; closing the dialog gives the inspector back to the status bar.
void tst_ItemEditors::statusBarThroughDialogAndInspector()
{
    InDesigner(QStringLiteral("statusbar"), [](TZeIDEForm *ide) {
        auto *bar = ObjectCast<TStatusBar>(ide->DesignForm->PlaceComponent(
            TZeStatusBar::StaticClass(), 20, 20, nullptr, 20, 20));
        QVERIFY(bar);
        QCOMPARE(ide->Inspector->InspectedObject, bar);
        QCOMPARE(RowNamed(ide->Inspector, "Panels")->Editor->GetValue(),
                 QStringLiteral("(TCollection)"));
        auto *editor = OpenFromRow<TZeCollectionItemEditor>(ide->Inspector, "Panels");
        QVERIFY(editor);
        TfZeItemEditor *dialog = editor->ItemDialog;
        QVERIFY(dialog->Visible());
        QVERIFY(dialog->Handle()->isVisible());
        QCOMPARE(ControlOfWidget(dialog->Handle()), dialog);
        for (int i = 0; i < 5; ++i)
            dialog->Button1->Click();
        QCOMPARE(bar->Panels()->Count(), 5);
        QCOMPARE(Lines(dialog).last(), QStringLiteral("4 - TStatusPanel"));
        for (int i = 0; i < 5; ++i) {
            dialog->lbItems->SetItemIndex(i);
            dialog->lbItemsClick(nullptr);
            QCOMPARE(ide->Inspector->InspectedObject, bar->Panels()->Items(i));
            SetRowValue(ide->Inspector, "Text", QStringLiteral("Panel %1").arg(i));
            SetRowValue(ide->Inspector, "Width", QStringLiteral("%1").arg(60 + i));
        }
        QCOMPARE(PanelTexts(bar), (QStringList{"Panel 0", "Panel 1", "Panel 2", "Panel 3",
                                               "Panel 4"}));
        QCOMPARE(bar->Panels()->Items(4)->Width(), 64);
        dialog->lbItems->SetItemIndex(4);
        dialog->Button3->Click();
        QCOMPARE(bar->Panels()->Items(3)->Text(), QStringLiteral("Panel 4"));
        // Deleting the panel the inspector shows moves the inspector to the next one.
        dialog->lbItems->SetItemIndex(3);
        dialog->lbItemsClick(nullptr);
        dialog->Button2->Click();
        QCOMPARE(bar->Panels()->Count(), 4);
        QCOMPARE(ide->Inspector->InspectedObject, bar->Panels()->Items(3));
        ide->DesignForm->Repaint();
        // Closing: the inspector shows the status bar again, and the dialog goes with its
        // editor once nothing holds that any more.
        TFreeWatch watch(dialog);
        ide->DesignForm->StretchHandle->Attach(bar);
        dialog->Close();
        QCOMPARE(ide->Inspector->InspectedObject, bar);
        QTRY_VERIFY(watch.Freed);
        // Opened again from the new row: a new editor with a dialog of its own.
        editor = OpenFromRow<TZeCollectionItemEditor>(ide->Inspector, "Panels");
        QCOMPARE(Lines(editor->ItemDialog).size(), 4);
        editor->ItemDialog->Close();
    });
}

// The status bar, a whole menu and single menu items freed while their dialog is open.
void tst_ItemEditors::deletingWhatDialogsShow()
{
    InDesigner(QStringLiteral("deleting"), [](TZeIDEForm *ide) {
        TfZeDesignForm *form = ide->DesignForm;
        auto *bar = ObjectCast<TStatusBar>(
            form->PlaceComponent(TZeStatusBar::StaticClass(), 20, 20, nullptr, 20, 20));
        auto *editor = OpenFromRow<TZeCollectionItemEditor>(ide->Inspector, "Panels");
        TfZeItemEditor *dialog = editor->ItemDialog;
        dialog->Button1->Click();
        dialog->Button1->Click();
        dialog->lbItems->SetItemIndex(1);
        dialog->lbItemsClick(nullptr); // the inspector shows the panel
        TFreeWatch dialogWatch(dialog);
        form->StretchHandle->Attach(bar);
        quint16 key = VK_DELETE;
        form->KeyDown(key, {});
        // The dialog hid and let go of its editor, which may have freed it already.
        QVERIFY(dialogWatch.Freed || (!dialog->Visible() && !dialog->Collection));
        QCOMPARE(ide->Inspector->InspectedObject, form);
        QTRY_VERIFY(dialogWatch.Freed);

        TControl *proxy = nullptr;
        TMainMenu *menu = PlaceMainMenu(form, 40, 40, &proxy);
        QVERIFY(menu);
        auto *menuEditor = OpenFromRow<TZeMenuItemEditor>(ide->Inspector, "Items");
        TfZeMenuEditor *menuDialog = menuEditor->MenuDialog;
        menuDialog->Button1->Click();
        menuDialog->Button2->Click();
        menuDialog->Button2->Click();
        menuDialog->TreeView1->SetSelected(menuDialog->TreeView1->Items()->Item(0));
        menuDialog->Button1->Click();
        QCOMPARE(TreeShape(menuDialog->TreeView1->Items()),
                 QStringLiteral("MenuItem1(MenuItem2(MenuItem3)),MenuItem4"));
        // One item freed behind the dialog's back: its node and its sub-item's go.
        Free(form->FindComponent(QStringLiteral("MenuItem2")));
        QCOMPARE(TreeShape(menuDialog->TreeView1->Items()), QStringLiteral("MenuItem1,MenuItem4"));
        QCOMPARE(MenuShape(menu->Items()), QStringLiteral("MenuItem1,MenuItem4"));
        // The whole menu deleted on the design form while the inspector shows one of its items.
        menuDialog->TreeView1->SetSelected(menuDialog->TreeView1->Items()->Item(1));
        menuDialog->TreeView1Click(nullptr);
        QCOMPARE(ide->Inspector->InspectedObject, form->FindComponent("MenuItem4"));
        TFreeWatch menuDialogWatch(menuDialog);
        form->StretchHandle->DetachAll();
        form->StretchHandle->Attach(proxy);
        key = VK_DELETE;
        form->KeyDown(key, {});
        QVERIFY(menuDialogWatch.Freed
                || (!menuDialog->Visible() && menuDialog->TreeView1->Items()->Count() == 0));
        QVERIFY(!form->Menu());
        QCOMPARE(ide->Inspector->InspectedObject, form);
        QTRY_VERIFY(menuDialogWatch.Freed);
    });
}

// A three-level main menu built through the dialog and the inspector; its items are found in
// the inspector's component list and typed captions show in the tree.
void tst_ItemEditors::menuThroughDialogAndInspector()
{
    InDesigner(QStringLiteral("menu"), [](TZeIDEForm *ide) {
        TfZeDesignForm *form = ide->DesignForm;
        TMainMenu *menu = PlaceMainMenu(form, 40, 40);
        QVERIFY(menu);
        auto *editor = OpenFromRow<TZeMenuItemEditor>(ide->Inspector, "Items");
        TfZeMenuEditor *dialog = editor->MenuDialog;
        TTreeView *tree = dialog->TreeView1;
        const QStringList captions{"File", "Open", "Recent", "Exit"};
        dialog->Button1->Click();     // File
        dialog->Button2->Click();     // Open under File
        dialog->Button2->Click();     // Recent under Open
        tree->SetSelected(tree->Items()->Item(1));
        dialog->Button1->Click();     // Exit beside Open
        for (int i = 0; i < captions.size(); ++i) {
            tree->SetSelected(tree->Items()->Item(i));
            dialog->TreeView1Click(nullptr);
            auto *item = ObjectCast<TMenuItem>(ide->Inspector->InspectedObject);
            QVERIFY(item);
            QCOMPARE(item, TfZeMenuEditor::ItemOf(tree->Selected()));
            // Only the item itself is inspected, whatever the design form has selected.
            QVERIFY(RowNamed(ide->Inspector, "ShortCut"));
            SetRowValue(ide->Inspector, "Caption", captions[i]);
        }
        dialog->FormActivate(dialog);
        QCOMPARE(TreeShape(tree->Items()), QStringLiteral("File(Open(Recent),Exit)"));
        QCOMPARE(BarTexts(form), QStringList{"File"});
        // The component list follows the items the dialog made; choosing one's entry shows
        // the item, not the form.
        QVERIFY(ide->Inspector->cbComponents->Items()->IndexOf("MenuItem4: TMenuItem") >= 0);
        ide->Inspector->OnComponentChosen(ide->Inspector, QStringLiteral("MenuItem3: TMenuItem"));
        QCOMPARE(ide->Inspector->InspectedObject, form->FindComponent("MenuItem3"));
        // The Items row's own SetValue refreshes the captions of its dialog; a click in the
        // dialog then rebuilds the rows while the edit still holds typed text.
        dialog->Close();
        form->StretchHandle->DetachAll();
        ide->Designer->SelectObject(menu);
        ide->Inspector->Inspect(menu);
        auto *again = OpenFromRow<TZeMenuItemEditor>(ide->Inspector, "Items");
        QVERIFY(again);
        tree = again->MenuDialog->TreeView1;
        ObjectCast<TMenuItem>(form->FindComponent("MenuItem1"))->SetCaption("Datei");
        TfObjectInspector *insp = ide->Inspector;
        insp->ePropValue->SetText(QStringLiteral("typed"));
        insp->ValueEdited = true;
        quint16 enter = VK_RETURN;
        insp->ePropValueKeyDown(nullptr, enter, {});
        enter = VK_RETURN;
        insp->ePropValueKeyUp(nullptr, enter, {});
        QCOMPARE(tree->Items()->Item(0)->Text(), QStringLiteral("Datei"));
        insp->ePropValue->SetText(QStringLiteral("again"));
        insp->ValueEdited = true;
        tree->SetSelected(tree->Items()->Item(2));
        again->MenuDialog->TreeView1Click(nullptr); // frees the rows
        insp->ePropValueExit(nullptr);
        QCOMPARE(insp->InspectedObject, form->FindComponent("MenuItem3"));
        again->MenuDialog->Close(); // back to the selection: the menu's proxy
        QCOMPARE(ide->Inspector->InspectedObject, menu);
    });
}

// The designer closed with both dialogs open, then opened again and closed again the same way.
void tst_ItemEditors::closingAndReopeningDesigner()
{
    m_session.Start(m_dir.path() + QStringLiteral("/closing"));
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<TFreeWatch>> watches;
        WithDesigner(m_session.Host, [&watches](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            form->PlaceComponent(TZeHeaderControl::StaticClass(), 20, 20, nullptr, 20, 20);
            auto *header = OpenFromRow<TZeCollectionItemEditor>(ide->Inspector, "Sections");
            QVERIFY(header);
            header->ItemDialog->Button1->Click();
            header->ItemDialog->lbItems->SetItemIndex(0);
            header->ItemDialog->lbItemsClick(nullptr);
            auto *proxy = form->PlaceComponent(TZePopupMenu::StaticClass(), 60, 60, nullptr,
                                               60, 60);
            QVERIFY(proxy);
            auto *menu = OpenFromRow<TZeMenuItemEditor>(ide->Inspector, "Items");
            QVERIFY(menu);
            menu->MenuDialog->Button1->Click();
            menu->MenuDialog->Button2->Click();
            menu->MenuDialog->TreeView1Click(nullptr);
            QVERIFY(menu->MenuDialog->Visible());
            watches.push_back(std::make_unique<TFreeWatch>(header->ItemDialog));
            watches.push_back(std::make_unique<TFreeWatch>(menu->MenuDialog));
        });
        // Both dialogs went with their editors once the closing had run its course.
        QCOMPARE(watches.size(), size_t(2));
        QTRY_VERIFY(watches[0]->Freed && watches[1]->Freed);
    }
    m_session.Stop();
    QVERIFY2(m_session.Messages.isEmpty(), qPrintable(m_session.Messages.join('\n')));
}

QTEST_MAIN(tst_ItemEditors)
#include "tst_itemeditors.moc"
