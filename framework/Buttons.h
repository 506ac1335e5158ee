#pragma once

// Speed buttons: tool-bar buttons that paint themselves, show a glyph and a caption, and in a
// group (same GroupIndex, same parent) stay down one at a time.

#include "Controls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
PTypeInfo TypeInfoTButtonLayout();
PTypeInfo TypeInfoTNumGlyphs(); // 1 to 4

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
    TButtonState m_state = bsUp;
    bool m_dragging = false;
    bool m_mouseInControl = false;
};
