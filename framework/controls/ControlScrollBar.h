#pragma once

// The scroll bars of a scrolling window (a form or a scroll box): persistent objects that the
// form publishes as HorzScrollBar and VertScrollBar, each drawn by a QScrollBar at the edge of
// the client area while its Range exceeds what the client shows.

#include "Forms.h"

#include <QPointer>

class QScrollBar;

enum TScrollBarStyle { ssRegular, ssFlat, ssHotTrack };
PTypeInfo TypeInfoTScrollBarStyle();

class TControlScrollBar : public TPersistent
{
    Z_CLASS(TControlScrollBar)
public:
    TControlScrollBar(TScrollingWinControl *control, TScrollBarKind kind);
    ~TControlScrollBar() override;
    void Assign(TPersistent *source) override;

    TScrollBarKind Kind() const { return m_kind; }
    TScrollingWinControl *Control() const { return m_control; } // not owned: owns us
    // The extent of the scrolled area; with AutoScroll the control sets it from its children.
    int Range() const { return m_range; }
    void SetRange(int range);
    // How far the client is scrolled, 0..Range minus the client's extent. Setting it moves
    // the children.
    int Position() const { return m_position; }
    void SetPosition(int position);
    // The distance an arrow click scrolls.
    int Increment() const { return m_increment; }
    void SetIncrement(int v);
    // Room kept beyond the furthest child when the range is automatic.
    int Margin() const { return m_margin; }
    void SetMargin(int v);
    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    // Scrolls while the thumb is dragged, not only when it is let go.
    bool Tracking() const { return m_tracking; }
    void SetTracking(bool v);
    int ButtonSize() const { return m_buttonSize; }
    void SetButtonSize(int v) { m_buttonSize = std::max(0, v); }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool v);
    int Size() const { return m_size; }
    void SetSize(int v) { m_size = std::max(0, v); }
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool v) { m_smooth = v; }
    TScrollBarStyle Style() const { return m_style; }
    void SetStyle(TScrollBarStyle style) { m_style = style; }
    int ThumbSize() const { return m_thumbSize; }
    void SetThumbSize(int v) { m_thumbSize = std::max(0, v); }

    // Shown now: Visible and the range exceeding the client.
    bool IsScrollBarVisible() const { return m_showing; }
    // The thickness of a shown bar.
    static int Extent();

private:
    friend class TScrollingWinControl;
    // Sets the position without moving anything (the control moves the children).
    void StorePosition(int position) { m_position = position; }
    void SyncWidget(int clientExtent);

    TScrollingWinControl *m_control;
    TScrollBarKind m_kind;
    int m_range = 0;
    int m_position = 0;
    int m_increment = 8;
    int m_margin = 0;
    bool m_visible = true;
    bool m_tracking = false;
    int m_buttonSize = 0;
    TColor m_color = clBtnHighlight;
    bool m_parentColor = true;
    int m_size = 0;
    bool m_smooth = false;
    TScrollBarStyle m_style = ssRegular;
    int m_thumbSize = 0;
    bool m_showing = false;
    QPointer<QScrollBar> m_widget; // child of the control's client widget
};
