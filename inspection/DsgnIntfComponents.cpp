// The component-editor framework: the base editor with its verbs, the default editor that
// opens the best event of a component, and the registry that picks an editor per class.

#include "DsgnIntf.h"

#include <algorithm>

Z_DEFINE_CLASS(TComponentEditor, TObject, NoPublishedProps)
Z_DEFINE_CLASS(TDefaultEditor, TComponentEditor, NoPublishedProps)

// ---- TComponentEditor --------------------------------------------------------------------------

void TComponentEditor::Create(TComponent *component, TFormDesigner *designer)
{
    Component = component;
    Designer = designer;
}

void TComponentEditor::Edit()
{
    if (GetVerbCount() > 0)
        ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(int) {}

QString TComponentEditor::GetVerb(int)
{
    return QString();
}

int TComponentEditor::GetVerbCount()
{
    return 0;
}

// ---- TDefaultEditor ----------------------------------------------------------------------------

void TDefaultEditor::Edit()
{
    const TComponentEditorRef keepAlive(this); // the handler's Edit may open a window
    TComponentList list;
    list.Add(Component);
    Continue = true;
    First = nullptr;
    Best = nullptr;
    try {
        EnumComponentProperties(&list, AnyKinds, Designer, [this](const TPropertyEditorRef &ed) {
            bool freeEditor = true;
            if (Continue)
                EditProperty(ed, Continue, freeEditor);
            // A kept editor is held by First or Best; the others go with this reference.
        });
        if (Continue) {
            if (Best)
                Best->Edit();
            else if (First)
                First->Edit();
        }
    } catch (...) {
        First = nullptr;
        Best = nullptr;
        throw;
    }
    First = nullptr;
    Best = nullptr;
}

void TDefaultEditor::EditProperty(const TPropertyEditorRef &editor, bool &, bool &freeEditor)
{
    if (!First && editor->Is<TMethodProperty>()) {
        First = editor;
        freeEditor = false;
    }
    const QString name = editor->GetName();
    const QString bestName = Best ? Best->GetName() : QString();
    auto is = [](const QString &a, const char *b) {
        return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
    };
    bool replace = false;
    if (is(name, "ONCREATE"))
        replace = true;
    else if (!is(bestName, "ONCREATE")) {
        if (is(name, "ONCHANGE"))
            replace = true;
        else if (!is(bestName, "ONCHANGE") && is(name, "ONCLICK"))
            replace = true;
    }
    if (replace) {
        Best = editor;
        if (First == editor)
            First = nullptr;
        freeEditor = false;
    }
}

// ---- Registry ----------------------------------------------------------------------------------

namespace {

std::vector<TComponentClassRec> *g_componentEditors = nullptr; // owned; newest first

} // namespace

void RegisterComponentEditor(TClass componentClass, TClass editorClass)
{
    if (!g_componentEditors)
        g_componentEditors = new std::vector<TComponentClassRec>();
    const bool known = std::any_of(g_componentEditors->begin(), g_componentEditors->end(),
                                   [&](const TComponentClassRec &r) {
                                       return r.ComponentClass == componentClass
                                              && r.EditorClass == editorClass;
                                   });
    if (!known)
        g_componentEditors->insert(g_componentEditors->begin(),
                                   TComponentClassRec{0, componentClass, editorClass});
}

const std::vector<TComponentClassRec> &ComponentEditorRegistry()
{
    static const std::vector<TComponentClassRec> empty;
    return g_componentEditors ? *g_componentEditors : empty;
}

void FreeComponentEditorRegistry()
{
    delete g_componentEditors;
    g_componentEditors = nullptr;
}

TComponentEditorRef GetComponentEditor(TComponent *component, TFormDesigner *designer)
{
    TClass bestClass = TPersistent::StaticClass();
    TClass editorClass = TDefaultEditor::StaticClass();
    for (const TComponentClassRec &rec : ComponentEditorRegistry()) {
        if (component->Is(rec.ComponentClass) && rec.ComponentClass != bestClass
            && rec.ComponentClass->InheritsFrom(bestClass)) {
            bestClass = rec.ComponentClass;
            editorClass = rec.EditorClass;
        }
    }
    TObject *made = editorClass->Create ? editorClass->Create(nullptr) : nullptr;
    auto *editor = ObjectCast<TComponentEditor>(made);
    if (!editor) {
        Free(made);
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    }
    TComponentEditorRef ref(editor);
    editor->Create(component, designer);
    return ref;
}
