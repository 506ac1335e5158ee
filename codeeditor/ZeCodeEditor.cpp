#include "ZeCodeEditor.h"

#include "Buttons.h"
#include "CodeEditorGlyphs.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "SynEdit.h"
#include "SynHighlighterPas.h"
#include "ZePlacement.h"

Z_DEFINE_CLASS(TCodeEditor, TForm, NoPublishedProps)

namespace {

const QString kStoreName = QStringLiteral("Rozizodu");
const QString kSection = QStringLiteral("CodeEditor");

} // namespace

TCodeEditor::TCodeEditor(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("CodeEditor"));
    SetCaption(QStringLiteral("Code Editor"));
    SetBounds(480, 104, 683, 529);
    SetBorderStyle(bsSizeToolWin);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetKeyPreview(true);

    SynPasSyn1 = new TSynPasSyn(this);
    SynPasSyn1->SetName(QStringLiteral("SynPasSyn1"));
    CreateToolBar();
    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName(QStringLiteral("StatusBar1"));
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(19);
    StatusBar1->SetSimplePanel(false);
    StatusBar1->SetParent(this);
    CreateEditor();

    OnCreate = TNotifyEvent::Of<&TCodeEditor::FormCreate>(this);
    OnDestroy = TNotifyEvent::Of<&TCodeEditor::FormDestroy>(this);
    OnClose = TCloseEvent::Of<&TCodeEditor::FormClose>(this);
    OnKeyDown = TKeyEvent::Of<&TCodeEditor::FormKeyDown>(this);
    DoCreate();
}

void TCodeEditor::CreateToolBar()
{
    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetCaption(QString());
    Panel1->SetAlign(alTop);
    Panel1->SetHeight(33);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetTabOrder(1);
    Panel1->SetParent(this);
    TSpeedButton **buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                                &SpeedButton5};
    const int lefts[] = {8, 36, 76, 104, 132};
    for (int i = 0; i < CodeEditorGlyphCount; ++i) {
        auto *button = new TSpeedButton(this);
        button->SetName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->SetBounds(lefts[i], 4, 25, 25);
        button->SetFlat(true);
        DrawCodeEditorGlyph(i, button->Glyph());
        button->SetParent(Panel1);
        *buttons[i] = button;
    }
}

void TCodeEditor::CreateEditor()
{
    SynEdit1 = new TSynEdit(this);
    SynEdit1->SetName(QStringLiteral("SynEdit1"));
    SynEdit1->SetAlign(alClient);
    SynEdit1->SetCursor(crIBeam);
    SynEdit1->Font()->SetName(QStringLiteral("Courier New"));
    SynEdit1->Font()->SetHeight(-13);
    SynEdit1->Font()->SetColor(clWindowText);
    SynEdit1->SetColor(clWindow);
    SynEdit1->SetTabOrder(0);
    // Drawn with an installed fixed-pitch face, as the font maps every classic name.
    SynEdit1->GutterFont()->SetName(QStringLiteral("Terminal"));
    SynEdit1->GutterFont()->SetHeight(-11);
    SynEdit1->SetHighlighter(SynPasSyn1);
    SynEdit1->Lines()->SetText(QStringLiteral("SynEdit1"));
    SynEdit1->SetParent(this);
    SetActiveControl(SynEdit1);
}

void TCodeEditor::FormCreate(TObject *)
{
    LoadFormPlacement(this, kStoreName, kSection);
}

void TCodeEditor::FormDestroy(TObject *)
{
    SaveFormPlacement(this, kStoreName, kSection);
}

void TCodeEditor::FormClose(TObject *, TCloseAction &)
{
    // The action stays caHide: the window goes out of sight with its text.
    if (m_menuItem)
        m_menuItem->SetChecked(false);
}

void TCodeEditor::SetMenuItem(TMenuItem *item)
{
    SetReference(this, m_menuItem, item);
}

void TCodeEditor::Notification(TComponent *component, TOperation operation)
{
    TForm::Notification(component, operation);
    if (operation == opRemove && component == m_menuItem)
        m_menuItem = nullptr;
}

void TCodeEditor::FormKeyDown(TObject *sender, quint16 &key, TShiftState shift)
{
    // Passed on with the same arguments; this handler itself takes no key away.
    OnFormKeyDown(sender, key, shift);
}
