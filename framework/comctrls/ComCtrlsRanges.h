#pragma once

// Controls over a range of whole numbers: the track bar, the progress bar and the up-down
// buttons.

#include "ComCtrls.h"

class QSlider;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
PTypeInfo TypeInfoTTrackBarOrientation();
PTypeInfo TypeInfoTTickMark();
PTypeInfo TypeInfoTTickStyle();

// A slider over Min..Max with tick marks every Frequency positions; SelStart..SelEnd is marked
// along the channel. Drawn as the classic track bar: a sunken channel with Min at its left
// (top) end, a pointed thumb, ticks beside it.
class TTrackBar : public TWinControl
{
    Z_CLASS(TTrackBar)
public:
    explicit TTrackBar(TComponent *owner);
    ~TTrackBar() override;

    int Min() const { return m_min; }
    void SetMin(int v);
    int Max() const { return m_max; }
    void SetMax(int v);
    // Kept within Min..Max.
    int Position() const { return m_position; }
    void SetPosition(int v);
    int Frequency() const { return m_frequency; }
    void SetFrequency(int v);
    int LineSize() const { return m_lineSize; }
    void SetLineSize(int v);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int v);
    // Swaps width and height when it changes, as the classic control does.
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation orientation);
    TTickMark TickMarks() const { return m_tickMarks; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return m_tickStyle; }
    void SetTickStyle(TTickStyle style);
    int SelStart() const { return m_selStart; }
    void SetSelStart(int v);
    int SelEnd() const { return m_selEnd; }
    void SetSelEnd(int v);
    int ThumbLength() const { return m_thumbLength; }
    void SetThumbLength(int v);
    bool SliderVisible() const { return m_sliderVisible; }
    void SetSliderVisible(bool v);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v);

    // Where the parts are drawn, in the control's coordinates.
    QRect ChannelRect() const;
    QRect ThumbRect() const;
    // The point along the channel that stands for a position, and the position nearest to a
    // point.
    int PositionToPixel(int position) const;
    int PixelToPosition(int pixel) const;

    TNotifyEvent OnChange;

    // Framework-internal: the user moved the slider.
    void SliderMoved(int value);
    void PaintWidget(QPainter &painter) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;

private:
    QSlider *Slider() const;
    void UpdateSlider();
    // Along the channel: the first and last pixel the thumb's centre reaches.
    int TravelStart() const;
    int TravelEnd() const;
    // Which sides have ticks: (above or left, below or right).
    bool TicksBefore() const;
    bool TicksAfter() const;
    void PaintTicks(QPainter &painter, bool before);
    void PaintThumb(QPainter &painter);

    int m_min = 0, m_max = 10, m_position = 0;
    int m_frequency = 1, m_lineSize = 1, m_pageSize = 2;
    TTrackBarOrientation m_orientation = trHorizontal;
    TTickMark m_tickMarks = tmBottomRight;
    TTickStyle m_tickStyle = tsAuto;
    int m_selStart = 0, m_selEnd = 0;
    int m_thumbLength = 20;
    bool m_sliderVisible = true;
    int m_borderWidth = 0;
    bool m_syncing = false;
    bool m_dragging = false; // the thumb follows the mouse
    int m_dragOffset = 0;    // the press's distance from the thumb's centre
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };
PTypeInfo TypeInfoTProgressBarOrientation();

// A sunken bar filled in highlight blocks (or one smooth band) from Min up to Position.
class TProgressBar : public TWinControl
{
    Z_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent *owner);

    int Min() const { return m_min; }
    void SetMin(int v);
    int Max() const { return m_max; }
    void SetMax(int v);
    // Kept within Min..Max.
    int Position() const { return m_position; }
    void SetPosition(int v);
    int Step() const { return m_step; }
    void SetStep(int v) { m_step = v; }
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool v);
    TProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TProgressBarOrientation orientation);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v);
    // Advances by Step (by delta), wrapping to Min past Max as the classic bar does.
    void StepIt();
    void StepBy(int delta);
    // The filled part, in the control's coordinates.
    QRect FilledRect() const;

    void PaintWidget(QPainter &painter) override;

private:
    int m_min = 0, m_max = 100, m_position = 0, m_step = 10;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = pbHorizontal;
    int m_borderWidth = 0;
};

enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
// Scoped in C++: the media player's buttons carry the same classic names.
enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = TEvent<TObject *, TUDBtnType>;
using TUDChangingEvent = TEvent<TObject *, bool &>;
PTypeInfo TypeInfoTUDAlignButton();
PTypeInfo TypeInfoTUDOrientation();
PTypeInfo TypeInfoTUDClickEvent();
PTypeInfo TypeInfoTUDChangingEvent();

// Two arrow buttons that step Position by Increment within Min..Max (or round with Wrap). With
// an Associate the buttons stand against its side and its text shows the position.
class TCustomUpDown : public TWinControl
{
    Z_CLASS(TCustomUpDown)
public:
    explicit TCustomUpDown(TComponent *owner);
    ~TCustomUpDown() override;

    TWinControl *Associate() const { return m_associate; } // not owned
    void SetAssociate(TWinControl *control);
    TUDAlignButton AlignButton() const { return m_alignButton; }
    void SetAlignButton(TUDAlignButton align);
    bool ArrowKeys() const { return m_arrowKeys; }
    void SetArrowKeys(bool v) { m_arrowKeys = v; }
    int Increment() const { return m_increment; }
    void SetIncrement(int v) { m_increment = v; }
    int Min() const { return m_min; }
    void SetMin(int v);
    int Max() const { return m_max; }
    void SetMax(int v);
    int Position() const { return m_position; }
    void SetPosition(int v);
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation orientation);
    bool Thousands() const { return m_thousands; }
    void SetThousands(bool v);
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool v) { m_wrap = v; }

    // One step as a press of that button: OnChanging may refuse, OnClick follows.
    void Press(TUDBtnType button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool KeyDown(quint16 &key, TShiftState shift) override;
    void Notification(TComponent *component, TOperation operation) override;
    void PaintWidget(QPainter &painter) override;

private:
    // Which button a point of the control is on.
    TUDBtnType ButtonAt(int x, int y) const;
    // Stands against the associate and shows the position in it.
    void UpdateAssociate();
    QString PositionText() const;

    TWinControl *m_associate = nullptr;
    TUDAlignButton m_alignButton = udRight;
    bool m_arrowKeys = true;
    int m_increment = 1;
    int m_min = 0, m_max = 100, m_position = 0;
    TUDOrientation m_orientation = udVertical;
    bool m_thousands = true;
    bool m_wrap = false;
    int m_pressed = -1; // the button held down, as a TUDBtnType, or -1
};

class TUpDown : public TCustomUpDown
{
    Z_CLASS(TUpDown)
public:
    explicit TUpDown(TComponent *owner);
};
