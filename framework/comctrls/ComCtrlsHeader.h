#pragma once

// The header control: a row of sections, each a button-like caption the user can click and
// resize by dragging its right edge.

#include "ComCtrls.h"

class TChangeLink;
class TCustomImageList;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
enum THeaderStyle { hsButtons, hsFlat };
PTypeInfo TypeInfoTHeaderSectionStyle();
PTypeInfo TypeInfoTHeaderStyle();

class TCustomHeaderControl;

class THeaderSection : public TCollectionItem
{
    Z_CLASS(THeaderSection)
public:
    explicit THeaderSection(TCollection *collection);
    void Assign(TPersistent *source) override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AllowClick() const { return m_allowClick; }
    void SetAllowClick(bool v);
    // With AutoSize the sections share the control's width equally.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int width);
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int width);
    THeaderSectionStyle Style() const { return m_style; }
    void SetStyle(THeaderSectionStyle style);
    QString Text() const { return m_text; }
    void SetText(const QString &text);
    // Kept within MinWidth..MaxWidth.
    int Width() const { return m_width; }
    void SetWidth(int width);
    // The section's left edge, after the sections before it.
    int Left() const;
    int Right() const { return Left() + m_width; }
    QString DisplayName() const override;

private:
    TAlignment m_alignment = taLeftJustify;
    bool m_allowClick = true;
    bool m_autoSize = false;
    int m_imageIndex = -1;
    int m_maxWidth = 10000;
    int m_minWidth = 0;
    THeaderSectionStyle m_style = hsText;
    QString m_text;
    int m_width = 50;
};

class THeaderSections : public TCollection
{
    Z_CLASS(THeaderSections)
public:
    explicit THeaderSections(TCustomHeaderControl *header);
    THeaderSection *Add() { return static_cast<THeaderSection *>(TCollection::Add()); }
    THeaderSection *Items(int index) const
    {
        return static_cast<THeaderSection *>(TCollection::Items(index));
    }
    TCustomHeaderControl *HeaderControl() const { return m_header; } // not owned: owns us

protected:
    void Update(TCollectionItem *item) override;

private:
    TCustomHeaderControl *m_header;
};

using TSectionNotifyEvent = TEvent<TObject *, THeaderSection *>;
enum TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };
using TSectionTrackEvent = TEvent<TObject *, THeaderSection *, int, TSectionTrackState>;
using TDrawSectionEvent = TEvent<TObject *, THeaderSection *, const QRect &, bool>;
PTypeInfo TypeInfoTSectionNotifyEvent();
PTypeInfo TypeInfoTSectionTrackEvent();
PTypeInfo TypeInfoTDrawSectionEvent();

class TCustomHeaderControl : public TWinControl
{
    Z_CLASS(TCustomHeaderControl)
public:
    explicit TCustomHeaderControl(TComponent *owner);
    ~TCustomHeaderControl() override;

    THeaderSections *Sections() const { return m_sections; } // owned
    void SetSections(THeaderSections *sections) { m_sections->Assign(sections); }
    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool v) { m_hotTrack = v; }
    THeaderStyle Style() const { return m_style; }
    void SetStyle(THeaderStyle style);
    bool DragReorder() const { return m_dragReorder; }
    void SetDragReorder(bool v) { m_dragReorder = v; }
    bool FullDrag() const { return m_fullDrag; }
    void SetFullDrag(bool v) { m_fullDrag = v; }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v) { m_borderWidth = std::max(0, v); }
    // Each section shows its image (ImageIndex) before its text.
    TCustomImageList *Images() const { return m_images; } // not owned
    void SetImages(TCustomImageList *images);

    // The section under x, or -1; the divider a drag at x would move, or -1.
    int SectionAt(int x) const;
    int DividerAt(int x) const;
    // Spreads the width over the auto-sized sections.
    void AdjustSectionWidths();

    TSectionNotifyEvent OnSectionClick;
    TSectionNotifyEvent OnSectionResize;
    TSectionTrackEvent OnSectionTrack;
    TNotifyEvent OnSectionDrag;
    TNotifyEvent OnSectionEndDrag;
    TDrawSectionEvent OnDrawSection;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void PaintWidget(QPainter &painter) override;
    void Notification(TComponent *component, TOperation operation) override;

protected:
    void Resize() override;

private:
    void ImagesChanged(TObject *sender);
    void PaintSectionFace(QPainter &painter, const THeaderSection *section, const QRect &face,
                          bool pressed);

    THeaderSections *m_sections;
    TCustomImageList *m_images = nullptr;
    TChangeLink *m_imageChangeLink; // owned
    bool m_hotTrack = false;
    THeaderStyle m_style = hsButtons;
    bool m_dragReorder = false;
    bool m_fullDrag = true;
    int m_borderWidth = 0;
    // The press in progress: a divider being dragged or a section held down.
    int m_tracking = -1;
    int m_trackOffset = 0;
    int m_pressed = -1;
};

class THeaderControl : public TCustomHeaderControl
{
    Z_CLASS(THeaderControl)
public:
    explicit THeaderControl(TComponent *owner);
};
