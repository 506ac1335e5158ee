// Shows the collection or menu dialog beside a design form, for a look under a virtual X
// server: "itemeditorshots menu" builds a three-level main menu through the menu dialog,
// "itemeditorshots items" five status panels through the collection dialog. The windows stay
// for the given seconds (default 10), long enough for a screenshot.

#include "Application.h"
#include "ItemEditorTools.h"
#include "ComCtrls.h"
#include "ComCtrlsTreeView.h"
#include "Handles.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "ZeClientComponents.h"
#include "ZeDesignForm.h"
#include "ZeDesignRegistrations.h"
#include "ZeFormDesigner.h"
#include "ZeItemEditor.h"
#include "ZeMenuEditor.h"
#include "ZePropertyEditors.h"

#include <QApplication>
#include <QTimer>

namespace {

void Caption(TfZeMenuEditor *dialog, int node, const QString &caption)
{
    TTreeNode *n = dialog->TreeView1->Items()->Item(node);
    TfZeMenuEditor::ItemOf(n)->SetCaption(caption);
}

TPropertyEditorRef ShowMenu(TfZeDesignForm *form, TZeFormDesigner *designer)
{
    TMainMenu *menu = PlaceMainMenu(form, 16, 16);
    TPropertyEditorRef editor = EditorFor(menu, QStringLiteral("Items"), designer);
    editor->Edit();
    auto *dialog = ObjectCast<TZeMenuItemEditor>(editor.Get())->MenuDialog;
    TTreeView *tree = dialog->TreeView1;
    dialog->Button1->Click();   // File
    dialog->Button2->Click();   // New
    dialog->Button1->Click();   // Open
    dialog->Button2->Click();   // Recent
    dialog->Button1->Click();   // Project
    tree->SetSelected(tree->Items()->Item(1));
    dialog->Button1->Click();   // Exit
    tree->SetSelected(tree->Items()->Item(0));
    dialog->Button1->Click();   // Edit
    dialog->Button2->Click();   // Copy
    const QStringList captions{"&File", "&New", "&Open", "&Recent", "Project1.dpr", "E&xit",
                               "&Edit", "&Copy"};
    for (int i = 0; i < captions.size(); ++i)
        Caption(dialog, i, captions[i]);
    dialog->RefreshCaptions();
    tree->SetSelected(tree->Items()->Item(4));
    dialog->SetLeft(form->Left() + form->Width() + 20);
    dialog->SetTop(form->Top());
    return editor;
}

TPropertyEditorRef ShowItems(TfZeDesignForm *form, TZeFormDesigner *designer)
{
    auto *bar = ObjectCast<TStatusBar>(
        form->PlaceComponent(TZeStatusBar::StaticClass(), 10, 10, nullptr, 10, 10));
    TPropertyEditorRef editor = EditorFor(bar, QStringLiteral("Panels"), designer);
    editor->Edit();
    auto *dialog = ObjectCast<TZeCollectionItemEditor>(editor.Get())->ItemDialog;
    const QStringList texts{"Line 12", "Col 7", "Modified", "Insert", "Ready"};
    for (const QString &text : texts) {
        dialog->Button1->Click();
        TStatusPanel *panel = bar->Panels()->Items(bar->Panels()->Count() - 1);
        panel->SetText(text);
        panel->SetWidth(70);
    }
    dialog->lbItems->SetItemIndex(2);
    dialog->SetLeft(form->Left() + form->Width() + 20);
    dialog->SetTop(form->Top());
    return editor;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    TApplication app(nullptr);
    RegisterDesignPropertyEditors();
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("menu");
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
    auto *form = new TfZeDesignForm(nullptr);
    form->SetName(QStringLiteral("ZeDesignForm"));
    form->SetCaption(QStringLiteral("ZeDesignForm"));
    form->SetBounds(40, 40, 420, 320);
    TZeFormDesigner designer;
    designer.Form = form;
    form->Show();
    form->SetDesignState(true);
    form->SetDesigner(&designer);
    TPropertyEditorRef editor = what == QLatin1String("items") ? ShowItems(form, &designer)
                                                               : ShowMenu(form, &designer);
    QTimer::singleShot(seconds * 1000, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    editor.Reset();
    form->SetDesigner(nullptr);
    Free(form);
    FreePropertyEditorRegistry();
    return 0;
}
