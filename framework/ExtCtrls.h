#pragma once

// Panels, splitters and paint boxes.

#include "StdCtrls.h"

#include <QPointer>

// A container with a bevelled edge and a centred caption. BorderWidth, the bevels and a
// single border all shrink the area that aligned children fill.
class TCustomPanel : public TCustomControl
{
    Z_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent *owner);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return m_bevelWidth; }
    // At least 1.
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    // At least 0.
    void SetBorderWidth(int width);
    // bsNone or bsSingle; a single border is a two-pixel sunken edge.
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);

protected:
    void AdjustClientRect(QRect &rect) const override;
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override;

private:
    void EdgesChanged();

    TAlignment m_alignment = taCenter;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TFormBorderStyle m_borderStyle = bsNone;
};

class TPanel : public TCustomPanel
{
    Z_CLASS(TPanel)
public:
    explicit TPanel(TComponent *owner);
};

// How a splitter shows a drag: nothing until release, a line or a hatched bar where it will
// go, or by resizing its neighbour as the mouse moves.
enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
PTypeInfo TypeInfoTResizeStyle();

// A bar that resizes the control aligned just before it (on its left for alLeft, above it
// for alTop, on its right for alRight, below it for alBottom); the parent then re-aligns.
// Neither the neighbour nor the space left for the others goes below MinSize.
class TSplitter : public TGraphicControl
{
    Z_CLASS(TSplitter)
public:
    explicit TSplitter(TComponent *owner);
    ~TSplitter() override;

    bool Beveled() const { return m_beveled; }
    void SetBeveled(bool v);
    int MinSize() const { return m_minSize; }
    // At least 1.
    void SetMinSize(int size);
    TResizeStyle ResizeStyle() const { return m_resizeStyle; }
    void SetResizeStyle(TResizeStyle style) { m_resizeStyle = style; }

    // After a drag resized the neighbour.
    TNotifyEvent OnMoved;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    // The visible sibling with the same alignment whose edge touches ours, or nullptr.
    TControl *FindNeighbour() const;
    int SizeOf(const TControl *control) const;
    // The largest size the neighbour may take: the others keep MinSize of the free space.
    int MaxNeighbourSize() const;
    void ApplySize(int size);
    void ShowDragBar();
    void EndDrag();

    bool m_beveled = false;
    int m_minSize = 30;
    TResizeStyle m_resizeStyle = rsPattern;

    // The drag in progress.
    TControl *m_neighbour = nullptr; // not owned; set only while dragging
    int m_downPos = 0;
    int m_oldSize = 0;
    int m_newSize = 0;
    int m_maxSize = 0;
    QPointer<QWidget> m_dragBar; // owned; a child of the parent's widget while dragging
};

// A control that only paints, through OnPaint on its canvas.
class TPaintBox : public TGraphicControl
{
    Z_CLASS(TPaintBox)
public:
    explicit TPaintBox(TComponent *owner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
