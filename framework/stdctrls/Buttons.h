#pragma once

// Speed buttons: tool-bar buttons that paint themselves, show a glyph and a caption, and in a
// group (same GroupIndex, same parent) stay down one at a time.

#include "Controls.h"
#include "StdCtrls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
PTypeInfo TypeInfoTButtonLayout();
PTypeInfo TypeInfoTNumGlyphs(); // 1 to 4

// What speed buttons and bitmap buttons show on their face, for DrawGlyphAndCaption.
struct TGlyphCaption
{
    QImage glyph;     // may be null
    QSize glyphRoom;  // the room the glyph takes in the layout
    QString caption;  // may be empty; & marks the mnemonic
    TFont *font = nullptr;
    bool enabled = true;
    TButtonLayout layout = blGlyphLeft;
    int margin = -1;  // edge to glyph; -1 centres glyph and caption together
    int spacing = -1; // glyph to caption; -1 spreads them evenly
};

// Lays glyph and caption out along the layout's axis inside area, centred across it, and draws
// them, one pixel down and right while pressed. Both kinds of button lay out their face the
// same way, so the look stays the same between them. Returns where the caption went.
QRect DrawGlyphAndCaption(QPainter &painter, const QRect &area, const TGlyphCaption &face,
                          bool pressed);

class TSpeedButton : public TGraphicControl
{
    Z_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent *owner);
    ~TSpeedButton() override;

    // Whether the down button of the group may be clicked (or set) up, leaving none down.
    // Shared by the group: setting it on one button sets it on the others.
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool v);
    // Only buttons of a group (GroupIndex not 0) stay down. Setting it puts the others of the
    // group up; putting the button up is refused silently unless AllowAllUp.
    bool Down() const { return m_down; }
    void SetDown(bool down);
    // A flat button shows its edge only under the mouse, or sunken while down.
    bool Flat() const { return m_flat; }
    void SetFlat(bool v);
    // NumGlyphs images side by side: up, disabled, pressed, down. The bottom-left pixel's
    // colour is transparent.
    TBitmap *Glyph() const { return m_glyph; } // owned
    void SetGlyph(TBitmap *glyph) { m_glyph->Assign(glyph); }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    // Pixels between the edge and the glyph; -1 centres glyph and caption together.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    // Pixels between glyph and caption; -1 spreads them evenly.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    // A transparent flat button lets its parent show through its face.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);

    bool MouseInControl() const { return m_mouseInControl; }
    // Shown pressed: held down by the mouse or down in its group.
    bool ShownPressed() const { return m_state == bsDown || m_state == bsExclusive; }

    // OnMouseDown runs first; the group switch and the click come with the release.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Framework-internal, from the widget.
    void MouseEnter();
    void MouseLeave();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override;
    // A button of a group takes the action's Checked as Down.
    void ActionChange(TObject *sender, bool checkDefaults) override;
    TBasicActionLink *CreateActionLink() override;

private:
    enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

    void GlyphChanged(TObject *sender);
    // Tells the other buttons of the group: they take AllowAllUp, and go up if this is down.
    void UpdateGroup();
    // The glyph image for the current state, transparent where the glyph is.
    QImage StateGlyph();
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    TBitmap *m_glyph;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_flat = false;
    int m_groupIndex = 0;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_numGlyphs = 1;
    int m_spacing = 4;
    bool m_transparent = true;
    TButtonState m_state = bsUp;
    bool m_dragging = false;
    bool m_mouseInControl = false;
};

// The kinds of bit button: each but bkCustom comes with its caption, glyph and modal result.
enum TBitBtnKind {
    bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll
};
// Scoped in C++ (bsNew would meet other style names); the type record keeps the classic names.
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
PTypeInfo TypeInfoTBitBtnKind();
PTypeInfo TypeInfoTButtonStyle();

// A push button with a glyph beside its caption. Choosing a Kind other than bkCustom sets the
// kind's caption, modal result, Default or Cancel and shows the kind's own glyph while Glyph is
// empty; the kind reads bkCustom again once those no longer match it.
class TBitBtn : public TButton
{
    Z_CLASS(TBitBtn)
public:
    explicit TBitBtn(TComponent *owner);
    ~TBitBtn() override;

    TBitmap *Glyph() const { return m_glyph; } // owned
    void SetGlyph(TBitmap *glyph) { m_glyph->Assign(glyph); }
    TBitBtnKind Kind() const;
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    // Pixels between the edge and the glyph; -1 centres glyph and caption together.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    // Pixels between glyph and caption; -1 spreads them evenly.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    TButtonStyle Style() const { return m_style; }
    void SetStyle(TButtonStyle style);

    // The image drawn beside the caption now: the Glyph's first (or disabled) image, or the
    // kind's own glyph while Glyph is empty.
    QImage ShownGlyph() const;
    // Framework-internal: draws the face, called from the widget's paint event.
    void PaintFace(QPainter &painter, bool pressed, bool focused);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;

private:
    void GlyphChanged(TObject *sender);

    TBitmap *m_glyph;
    TBitBtnKind m_kind = bkCustom;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_numGlyphs = 1;
    int m_spacing = 4;
    TButtonStyle m_style = TButtonStyle::bsAutoDetect;
};
