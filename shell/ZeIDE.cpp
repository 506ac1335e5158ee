#include "ZeIDE.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "ToolGlyphs.h"
#include "WindowBuilding.h"

TZeIDEForm *CurrentIDEForm = nullptr;

Z_DEFINE_CLASS(TZeIDEForm, TForm, NoPublishedProps)

namespace {

TSpeedButton *SpeedButton(TComponent *owner, TWinControl *parent, const QString &name,
                          const QRect &bounds)
{
    auto *button = new TSpeedButton(owner);
    button->SetName(name);
    button->SetBoundsRect(bounds);
    button->SetFlat(true);
    button->SetParent(parent);
    return button;
}

} // namespace

TZeIDEForm::TZeIDEForm(TComponent *owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Quorvel Designer 6"));
    // The window manager keeps the strip's height as well, when the user drags the frame and
    // when the window is maximized (then across the whole width of the screen).
    Constraints()->SetMinHeight(FixedHeight);
    Constraints()->SetMaxHeight(FixedHeight);
    SetBounds(361, 89, 785, FixedHeight);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetKeyPreview(true);
    CreateMenus();
    CreateToolBar();
    CreatePalette();
    CreateStatusBar();
    OnShow = TNotifyEvent::Of<&TZeIDEForm::FormShow>(this);
    OnDestroy = TNotifyEvent::Of<&TZeIDEForm::FormDestroy>(this);
    OnCreate = TNotifyEvent::Of<&TZeIDEForm::FormCreate>(this);
    DoCreate();
}

TZeIDEForm::~TZeIDEForm()
{
    // The global never points at a freed window.
    if (CurrentIDEForm == this)
        CurrentIDEForm = nullptr;
}

void TZeIDEForm::CreateToolBar()
{
    Panel1 = FlatPanel(this, this, "Panel1", alTop);
    Panel1->SetHeight(61);
    Panel2 = FlatPanel(this, Panel1, "Panel2", alLeft);
    Panel2->SetWidth(293);
    // Two rows of flat buttons: ten on top, nine below, in groups with a small gap.
    for (int i = 0; i < ToolGlyphCount; ++i) {
        const int row = i < 10 ? 0 : 1;
        const int column = row == 0 ? i : i - 10;
        const int left = 4 + column * 25 + (column / 4) * 6;
        TSpeedButton *button = SpeedButton(this, Panel2, QStringLiteral("SpeedButton%1").arg(i + 4),
                                           QRect(left, row == 0 ? 2 : 30, 25, 25));
        DrawToolGlyph(i, button->Glyph());
        ToolButtons[size_t(i)] = button;
    }
    Splitter1 = Named(new TSplitter(this), "Splitter1");
    Splitter1->SetLeft(Panel2->Width());
    Splitter1->SetWidth(2);
    Splitter1->SetCursor(crHSplit);
    Splitter1->SetColor(clBtnFace);
    Splitter1->SetAlign(alLeft);
    Splitter1->SetParent(Panel1);
    Panel3 = FlatPanel(this, Panel1, "Panel3", alClient);
    Panel3->SetBorderWidth(2);
}

void TZeIDEForm::CreatePalette()
{
    tcPalette = Named(new TTabControl(this), "tcPalette");
    tcPalette->SetAlign(alClient);
    tcPalette->SetTabStop(false);
    tcPalette->SetParent(Panel3);
    tcPalette->Tabs()->Add(QStringLiteral("Standard"));
    tcPalette->SetTabIndex(0);
    tcPalette->OnChange = TNotifyEvent::Of<&TZeIDEForm::tcPaletteChange>(this);

    Panel4 = FlatPanel(this, tcPalette, "Panel4", alLeft);
    Panel4->SetWidth(43);
    sbCursor = SpeedButton(this, Panel4, QStringLiteral("sbCursor"), QRect(0, 0, 28, 28));
    DrawPaletteGlyph(PaletteGlyph::Arrow, sbCursor->Glyph());
    sbCursor->SetGroupIndex(1);
    sbCursor->SetAllowAllUp(true);
    sbCursor->SetDown(true);
    sbCursor->OnClick = TNotifyEvent::Of<&TZeIDEForm::sbCursorClick>(this);
    SpeedButton3 = SpeedButton(this, Panel4, QStringLiteral("SpeedButton3"), QRect(32, 0, 10, 28));
    DrawPaletteGlyph(PaletteGlyph::ScrollLeft, SpeedButton3->Glyph());
    SpeedButton3->SetAllowAllUp(true);
    SpeedButton3->OnClick = TNotifyEvent::Of<&TZeIDEForm::SpeedButton3Click>(this);

    Panel5 = FlatPanel(this, tcPalette, "Panel5", alRight);
    Panel5->SetWidth(11);
    SpeedButton1 = SpeedButton(this, Panel5, QStringLiteral("SpeedButton1"), QRect(0, 0, 10, 28));
    DrawPaletteGlyph(PaletteGlyph::ScrollRight, SpeedButton1->Glyph());
    SpeedButton1->SetAllowAllUp(true);
    SpeedButton1->OnClick = TNotifyEvent::Of<&TZeIDEForm::SpeedButton1Click>(this);

    pPaletteParent = FlatPanel(this, tcPalette, "pPaletteParent", alClient);
    pPalette = FlatPanel(this, pPaletteParent, "pPalette", alNone);
    pPalette->SetBounds(0, 0, 10, 29);
}

void TZeIDEForm::CreateStatusBar()
{
    sbIDE = Named(new TStatusBar(this), "sbIDE");
    sbIDE->SetAlign(alBottom);
    sbIDE->SetHeight(19);
    struct PanelLayout
    {
        const char *text;
        int width;
        TAlignment alignment;
        TStatusPanelBevel bevel;
    };
    static const PanelLayout panels[] = {
        {"X :", 30, taCenter, pbNone},        {"", 100, taCenter, pbLowered},
        {"Y :", 40, taCenter, pbNone},        {"", 100, taCenter, pbLowered},
        {"", 50, taLeftJustify, pbNone},
    };
    for (const PanelLayout &layout : panels) {
        TStatusPanel *panel = sbIDE->Panels()->Add();
        panel->SetText(QString::fromLatin1(layout.text));
        panel->SetWidth(layout.width);
        panel->SetAlignment(layout.alignment);
        panel->SetBevel(layout.bevel);
    }
    sbIDE->SetParent(this);
}

void TZeIDEForm::Resize()
{
    // The strip keeps its height: a resize to any other height is undone and goes no further.
    if (Height() != FixedHeight) {
        SetHeight(FixedHeight);
        return;
    }
    TForm::Resize();
    // The framework reports moves here too; only a change of size brings the design form back.
    const QSize size(Width(), Height());
    if (size == m_reportedSize)
        return;
    m_reportedSize = size;
    FollowSizeChange(WindowState() == wsMinimized);
}
