// The component editors' verbs: pages of a page control, the object of an object container,
// and the image list editor for image lists.

#include "ZePropertyEditors.h"

#include "Application.h"
#include "ComCtrlsPages.h"
#include "Contnrs.h"
#include "OleCtnrs.h"
#include "ZeImageListEditor.h"

#include <memory>

Z_DEFINE_CLASS(TZePageControlEditor, TDefaultEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeOLEEditor, TDefaultEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeImageListEditor, TDefaultEditor, NoPublishedProps)

namespace {

// A component that a verb works on and that the verb itself (or what it starts) may free:
// read it only through Get, which answers nullptr once it has gone.
class TComponentGuard
{
public:
    explicit TComponentGuard(TComponent *component) { m_list.Add(component); }
    TComponent *Get() const { return m_list.Count() > 0 ? m_list.Items(0) : nullptr; }

private:
    TComponentList m_list; // free-notified
};

// Frees a dialog made without owner when the verb that showed it ends, also on error.
struct TFormFreer
{
    void operator()(TCustomForm *form) const { Free(form); }
};

} // namespace

// ---- TZePageControlEditor ----------------------------------------------------------------------

void TZePageControlEditor::ExecuteVerb(int index)
{
    auto *pages = ObjectCast<TPageControl>(Component);
    if (!pages)
        return;
    switch (index) {
    case 0: {
        auto *sheet = new TTabSheet(Designer->Form);
        sheet->SetPageControl(pages);
        sheet->SetName(Designer->UniqueComponentName(sheet->ClassName()));
        Designer->NotifyModified();
        break;
    }
    case 1:
    case 2: {
        TTabSheet *active = pages->ActivePage();
        if (!active)
            return;
        const int count = pages->PageCount();
        const int step = index == 1 ? count - 1 : 1; // back one, wrapping, or on one
        pages->SetActivePageIndex((active->PageIndex() + step) % count);
        break;
    }
    default:
        break;
    }
}

QString TZePageControlEditor::GetVerb(int index)
{
    switch (index) {
    case 0: return QStringLiteral("AddPage");
    case 1: return QStringLiteral("Previos page");
    case 2: return QStringLiteral("Next page");
    default: return QString();
    }
}

int TZePageControlEditor::GetVerbCount()
{
    return 3;
}

// ---- TZeOLEEditor ------------------------------------------------------------------------------

namespace {

enum TOleVerbAfterObject { ovInsert, ovCopy, ovDelete, ovProperties };

bool IsEmpty(TOleContainer *container)
{
    return container->State() == osEmpty;
}

} // namespace

void TZeOLEEditor::ExecuteVerb(int index)
{
    auto *container = ObjectCast<TOleContainer>(Component);
    if (!container)
        return;
    if (IsEmpty(container)) {
        container->InsertObjectDialog();
        Designer->NotifyModified();
        return;
    }
    const int n = container->ObjectVerbs()->Count();
    if (index >= 0 && index < n) {
        container->DoVerb(index);
        return;
    }
    switch (index - n) {
    case ovInsert:
        if (ConfirmYesNo(QStringLiteral("The insert of new object will result in removal already "
                                        "existing. Do continue ?"))) {
            container->InsertObjectDialog();
            Designer->NotifyModified();
        }
        break;
    case ovCopy:
        container->Copy();
        break;
    case ovDelete:
        if (ConfirmYesNo(QStringLiteral("Delete exist object ?"))) {
            container->DestroyObject();
            Designer->NotifyModified();
        }
        break;
    case ovProperties:
        container->ObjectPropertiesDialog();
        break;
    default:
        break;
    }
}

QString TZeOLEEditor::GetVerb(int index)
{
    auto *container = ObjectCast<TOleContainer>(Component);
    if (!container)
        return QString();
    if (IsEmpty(container))
        return QStringLiteral("InsertObject...");
    const int n = container->ObjectVerbs()->Count();
    if (index >= 0 && index < n)
        return container->ObjectVerbs()->Strings(index);
    switch (index - n) {
    case ovInsert: return QStringLiteral("Insert Object...");
    case ovCopy: return QStringLiteral("Copy Object");
    case ovDelete: return QStringLiteral("Delete Object...");
    case ovProperties: return QStringLiteral("Object propertys...");
    default: return QString();
    }
}

int TZeOLEEditor::GetVerbCount()
{
    auto *container = ObjectCast<TOleContainer>(Component);
    if (!container)
        return 0;
    return IsEmpty(container) ? 1 : container->ObjectVerbs()->Count() + 4;
}

// ---- TZeImageListEditor ------------------------------------------------------------------------

void TZeImageListEditor::ExecuteVerb(int)
{
    auto *list = ObjectCast<TCustomImageList>(Component);
    if (!list)
        return;
    const TComponentEditorRef keepAlive(this); // OnModified calls back into this editor
    const TComponentGuard edited(list);
    std::unique_ptr<TfZeImageListEditor, TFormFreer> dialog(new TfZeImageListEditor(nullptr));
    dialog->SetTarget(list);
    dialog->OnModified = TSimpleEvent::Of<&TZeImageListEditor::ListModified>(this);
    dialog->ImageList1->Assign(list);
    dialog->RebuildStrip();
    if (dialog->ShowModal() != mrOk || !edited.Get())
        return; // a list freed meanwhile has nothing to take the images
    list->Assign(dialog->ImageList1);
    Designer->NotifyModified();
}

QString TZeImageListEditor::GetVerb(int)
{
    return QStringLiteral("Edit...");
}

int TZeImageListEditor::GetVerbCount()
{
    return 1;
}

void TZeImageListEditor::ListModified()
{
    Designer->NotifyModified();
}
