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
    // FullRepaint: the whole panel repaints on resize. Locked: an object activated in place
    // does not take this panel's room. Both are kept for the forms that set them.
    bool FullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool v) { m_fullRepaint = v; }
    bool Locked() const { return m_locked; }
    void SetLocked(bool v) { m_locked = v; }
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
    // With AutoSize the panel takes the size its controls need inside its edges.
    bool AutoSize() const { return FitsToControls(); }
    void SetAutoSize(bool v) { SetFitsToControls(v); }

protected:
    void AdjustClientRect(QRect &rect) const override;
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override;

private:
    void EdgesChanged();

    TAlignment m_alignment = taCenter;
    bool m_fullRepaint = true;
    bool m_locked = false;
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

// Asked while a splitter is dragged: NewSize may be changed, clearing Accept keeps the last
// size.
using TSplitterCanResizeEvent = TEvent<TObject *, int &, bool &>;
PTypeInfo TypeInfoTSplitterCanResizeEvent();

// A bar that resizes the control aligned just before it (on its left for alLeft, above it
// for alTop, on its right for alRight, below it for alBottom); the parent then re-aligns.
// Neither the neighbour nor the space left for the others goes below MinSize; with AutoSnap
// a neighbour dragged down to MinSize snaps shut instead.
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
    bool AutoSnap() const { return m_autoSnap; }
    void SetAutoSnap(bool v) { m_autoSnap = v; }

    // After a drag resized the neighbour.
    TNotifyEvent OnMoved;
    // The splitter's own question about its neighbour's size, which stands in for the one
    // every control has about its own size.
    TSplitterCanResizeEvent OnCanResize;
    // After the bar is drawn, on its canvas.
    TNotifyEvent OnPaint;

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
    bool m_autoSnap = true;
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

// ---------------------------------------------------------------------------------------------

class QButtonGroup;
class QRadioButton;

// A group box of radio buttons made from Items, laid out in Columns filled top to bottom.
// ItemIndex is the checked button (-1 for none); the user's choice calls OnClick. The buttons
// are parts of the group's widget, not controls of their own.
class TCustomRadioGroup : public TCustomGroupBox
{
    Z_CLASS(TCustomRadioGroup)
public:
    explicit TCustomRadioGroup(TComponent *owner);
    ~TCustomRadioGroup() override;

    TStrings *Items() const { return m_items; } // owned
    void SetItems(TStrings *items) { m_items->Assign(items); }
    // -1 for none; out-of-range values are ignored.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    // 1 to 16.
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

    // The place button index has in the group, in the group's coordinates.
    QRect ButtonRect(int index) const;
    // Framework-internal: lays the buttons out after the group changed size.
    void ArrangeButtons();

protected:
    void InitWidget() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void Resize() override;
    void ApplyDesignState() override;
    // Whether the user may change the choice now.
    virtual bool CanModify() { return true; }

private:
    void ItemsChanged(TObject *sender);
    void UpdateButtons();
    void ButtonClicked(int index);

    TStringList *m_items;
    int m_itemIndex = -1;
    int m_columns = 1;
    std::vector<QRadioButton *> m_buttons; // children of the widget
    QButtonGroup *m_group = nullptr;        // child of the widget
};

class TRadioGroup : public TCustomRadioGroup
{
    Z_CLASS(TRadioGroup)
public:
    explicit TRadioGroup(TComponent *owner);
};

// How far a graphic that decodes or draws in steps has come: the stage, the percentage done,
// whether to redraw now, the part of the picture that is ready, and a message.
enum TProgressStage { psStarting, psRunning, psEnding };
using TProgressEvent = TEvent<TObject *, TProgressStage, quint8, bool, QRect, QString>;
PTypeInfo TypeInfoTProgressEvent();

// A picture shown at its own size, centred or stretched over the control. AutoSize sizes the
// control to the picture. At design time an empty image shows a dashed frame.
class TImage : public TGraphicControl
{
    Z_CLASS(TImage)
public:
    explicit TImage(TComponent *owner);
    ~TImage() override;

    TPicture *Picture() const { return m_picture; } // owned
    void SetPicture(TPicture *picture) { m_picture->Assign(picture); }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    bool Center() const { return m_center; }
    void SetCenter(bool v);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v);
    // Leaves a bitmap's transparent colour out, so that the parent shows through.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool IncrementalDisplay() const { return m_incrementalDisplay; }
    void SetIncrementalDisplay(bool v) { m_incrementalDisplay = v; }
    // Where the picture is drawn, in the control's coordinates.
    QRect DestRect() const;

    // Kept for pictures that report their progress; the graphic formats here load at once.
    TProgressEvent OnProgress;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject *sender);

    TPicture *m_picture;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_incrementalDisplay = false;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
PTypeInfo TypeInfoTShapeType();

// A geometric shape outlined with Pen and filled with Brush; the square and circle kinds take
// the shorter side and are centred.
class TShape : public TGraphicControl
{
    Z_CLASS(TShape)
public:
    explicit TShape(TComponent *owner);
    ~TShape() override;

    TPen *Pen() const { return m_pen; } // owned
    void SetPen(TPen *pen) { m_pen->Assign(pen); }
    TBrush *Brush() const { return m_brush; } // owned
    void SetBrush(TBrush *brush) { m_brush->Assign(brush); }
    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType shape);
    // The rectangle the outline is drawn in, in the control's coordinates.
    QRect ShapeRect() const;

protected:
    void Paint() override;

private:
    void StyleChanged(TObject *sender);

    TPen *m_pen;
    TBrush *m_brush;
    TShapeType m_shape = stRectangle;
};

// The value names keep the classic spelling (bsBox, bsLowered, ...) in the type records; in
// C++ they are scoped, away from the border and brush style names.
enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine,
                         bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };
PTypeInfo TypeInfoTBevelShape();
PTypeInfo TypeInfoTBevelStyle();

// A sunken or raised box, frame or line in highlight and shadow; a spacer draws nothing at run
// time and a dashed frame at design time.
class TBevel : public TGraphicControl
{
    Z_CLASS(TBevel)
public:
    explicit TBevel(TComponent *owner);

    TBevelShape Shape() const { return m_shape; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle style);

protected:
    void Paint() override;

private:
    TBevelShape m_shape = TBevelShape::bsBox;
    TBevelStyle m_style = TBevelStyle::bsLowered;
};
