#include "ComCtrlsHeader.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "ImgList.h"

#include <QPainter>

#include <algorithm>

namespace {

// How near a divider a press grabs it.
constexpr int kDividerGrip = 3;

} // namespace

PTypeInfo TypeInfoTHeaderSectionStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("THeaderSectionStyle"), {QStringLiteral("hsText"),
                                                QStringLiteral("hsOwnerDraw")});
    return t;
}

PTypeInfo TypeInfoTHeaderStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("THeaderStyle"), {QStringLiteral("hsButtons"), QStringLiteral("hsFlat")});
    return t;
}

PTypeInfo TypeInfoTSectionNotifyEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TSectionNotifyEvent"),
                      QStringLiteral("HeaderControl: THeaderControl; Section: THeaderSection"));
    return t;
}

PTypeInfo TypeInfoTSectionTrackEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TSectionTrackEvent"),
        QStringLiteral("HeaderControl: THeaderControl; Section: THeaderSection; Width: Integer; "
                       "State: TSectionTrackState"));
    return t;
}

PTypeInfo TypeInfoTDrawSectionEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TDrawSectionEvent"),
        QStringLiteral("HeaderControl: THeaderControl; Section: THeaderSection; "
                       "const Rect: TRect; Pressed: Boolean"));
    return t;
}

// --- THeaderSection -------------------------------------------------------------------------

static TPropTable HeaderSectionProps()
{
    using S = THeaderSection;
    return {
        Prop<S>("Alignment", TypeInfoTAlignment(), &S::Alignment, &S::SetAlignment,
                taLeftJustify),
        Prop<S>("AllowClick", TypeInfoBoolean(), &S::AllowClick, &S::SetAllowClick, 1),
        Prop<S>("AutoSize", TypeInfoBoolean(), &S::AutoSize, &S::SetAutoSize, 0),
        Prop<S>("ImageIndex", TypeInfoTImageIndex(), &S::ImageIndex, &S::SetImageIndex, -1),
        Prop<S>("MaxWidth", TypeInfoInteger(), &S::MaxWidth, &S::SetMaxWidth, 10000),
        Prop<S>("MinWidth", TypeInfoInteger(), &S::MinWidth, &S::SetMinWidth, 0),
        Prop<S>("Style", TypeInfoTHeaderSectionStyle(), &S::Style, &S::SetStyle, hsText),
        Prop<S>("Text", TypeInfoString(), &S::Text, &S::SetText),
        Prop<S>("Width", TypeInfoInteger(), &S::Width, &S::SetWidth),
    };
}
Z_DEFINE_CLASS(THeaderSection, TCollectionItem, HeaderSectionProps)

THeaderSection::THeaderSection(TCollection *collection) : TCollectionItem(collection) {}

void THeaderSection::Assign(TPersistent *source)
{
    auto *other = ObjectCast<THeaderSection>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    m_alignment = other->m_alignment;
    m_allowClick = other->m_allowClick;
    m_autoSize = other->m_autoSize;
    m_imageIndex = other->m_imageIndex;
    m_maxWidth = other->m_maxWidth;
    m_minWidth = other->m_minWidth;
    m_style = other->m_style;
    m_text = other->m_text;
    m_width = other->m_width;
    Changed(true);
}

QString THeaderSection::DisplayName() const
{
    return m_text.isEmpty() ? TCollectionItem::DisplayName() : m_text;
}

int THeaderSection::Left() const
{
    int left = 0;
    TCollection *c = Collection();
    for (int i = 0; c && i < Index(); ++i)
        left += static_cast<THeaderSection *>(c->Items(i))->Width();
    return left;
}

void THeaderSection::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Changed(false);
}

void THeaderSection::SetAllowClick(bool v)
{
    m_allowClick = v;
    Changed(false);
}

void THeaderSection::SetAutoSize(bool v)
{
    m_autoSize = v;
    Changed(true);
}

void THeaderSection::SetImageIndex(int index)
{
    m_imageIndex = index;
    Changed(false);
}

void THeaderSection::SetMaxWidth(int width)
{
    m_maxWidth = std::max(width, m_minWidth);
    SetWidth(m_width);
}

void THeaderSection::SetMinWidth(int width)
{
    m_minWidth = std::clamp(width, 0, m_maxWidth);
    SetWidth(m_width);
}

void THeaderSection::SetStyle(THeaderSectionStyle style)
{
    m_style = style;
    Changed(false);
}

void THeaderSection::SetText(const QString &text)
{
    m_text = text;
    Changed(false);
}

void THeaderSection::SetWidth(int width)
{
    width = std::clamp(width, m_minWidth, m_maxWidth);
    if (width == m_width)
        return;
    m_width = width;
    // The sections after it move.
    Changed(true);
}

Z_DEFINE_CLASS(THeaderSections, TCollection, NoPublishedProps)

THeaderSections::THeaderSections(TCustomHeaderControl *header)
    : TCollection(THeaderSection::StaticClass(), &TCollection::NewItem<THeaderSection>, header),
      m_header(header)
{
}

void THeaderSections::Update(TCollectionItem *)
{
    m_header->Invalidate();
}

// --- TCustomHeaderControl -------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomHeaderControl, TWinControl, NoPublishedProps)

TCustomHeaderControl::TCustomHeaderControl(TComponent *owner)
    : TWinControl(owner), m_sections(new THeaderSections(this)),
      m_imageChangeLink(new TChangeLink)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque);
    SetBounds(0, 0, 170, 17);
    SetAlign(alTop);
    m_imageChangeLink->OnChange = TNotifyEvent::Of<&TCustomHeaderControl::ImagesChanged>(this);
}

TCustomHeaderControl::~TCustomHeaderControl()
{
    Destroying();
    DestroyWidget();
    if (m_images) {
        m_images->UnRegisterChanges(m_imageChangeLink);
        m_images->RemoveFreeNotification(this);
    }
    delete m_imageChangeLink;
    delete m_sections;
}

void TCustomHeaderControl::SetImages(TCustomImageList *images)
{
    if (m_images)
        m_images->UnRegisterChanges(m_imageChangeLink);
    SetReference(this, m_images, images);
    if (m_images)
        m_images->RegisterChanges(m_imageChangeLink);
    Invalidate();
}

void TCustomHeaderControl::ImagesChanged(TObject *)
{
    Invalidate();
}

void TCustomHeaderControl::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == m_images) {
        // The list drops its change links itself as it goes.
        m_images = nullptr;
        Invalidate();
    }
}

void TCustomHeaderControl::SetStyle(THeaderStyle style)
{
    m_style = style;
    Invalidate();
}

int TCustomHeaderControl::SectionAt(int x) const
{
    for (int i = 0; i < m_sections->Count(); ++i) {
        const THeaderSection *s = m_sections->Items(i);
        if (x >= s->Left() && x < s->Right())
            return i;
    }
    return -1;
}

int TCustomHeaderControl::DividerAt(int x) const
{
    // The rightmost divider within reach wins, so that a section shrunk to nothing can grow.
    for (int i = m_sections->Count() - 1; i >= 0; --i) {
        if (std::abs(x - m_sections->Items(i)->Right()) <= kDividerGrip)
            return i;
    }
    return -1;
}

void TCustomHeaderControl::AdjustSectionWidths()
{
    int fixed = 0, autos = 0;
    for (int i = 0; i < m_sections->Count(); ++i) {
        const THeaderSection *s = m_sections->Items(i);
        if (s->AutoSize())
            ++autos;
        else
            fixed += s->Width();
    }
    if (autos == 0)
        return;
    const int share = std::max(0, (Width() - fixed) / autos);
    m_sections->BeginUpdate();
    for (int i = 0; i < m_sections->Count(); ++i) {
        if (m_sections->Items(i)->AutoSize())
            m_sections->Items(i)->SetWidth(share);
    }
    m_sections->EndUpdate();
}

void TCustomHeaderControl::Resize()
{
    AdjustSectionWidths();
    TWinControl::Resize();
}

void TCustomHeaderControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWinControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || Designing())
        return;
    const int divider = DividerAt(x);
    if (divider >= 0) {
        m_tracking = divider;
        THeaderSection *s = m_sections->Items(divider);
        m_trackOffset = x - s->Right();
        OnSectionTrack(this, s, s->Width(), tsTrackBegin);
        return;
    }
    const int hit = SectionAt(x);
    if (hit >= 0 && m_sections->Items(hit)->AllowClick()) {
        m_pressed = hit;
        Invalidate();
    }
}

void TCustomHeaderControl::MouseMove(TShiftState shift, int x, int y)
{
    TWinControl::MouseMove(shift, x, y);
    if (m_tracking < 0)
        return;
    THeaderSection *s = m_sections->Items(m_tracking);
    s->SetWidth(x - m_trackOffset - s->Left());
    OnSectionTrack(this, s, s->Width(), tsTrackMove);
}

void TCustomHeaderControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (m_tracking >= 0) {
        THeaderSection *s = m_sections->Items(m_tracking);
        m_tracking = -1;
        OnSectionTrack(this, s, s->Width(), tsTrackEnd);
        OnSectionResize(this, s);
    } else if (m_pressed >= 0) {
        const int pressed = m_pressed;
        m_pressed = -1;
        Invalidate();
        if (SectionAt(x) == pressed && y >= 0 && y < Height())
            OnSectionClick(this, m_sections->Items(pressed));
    }
    TWinControl::MouseUp(button, shift, x, y);
}

void TCustomHeaderControl::PaintWidget(QPainter &painter)
{
    painter.fillRect(QRect(0, 0, Width(), Height()), ColorToQColor(clBtnFace));
    painter.setFont(Font()->ToQFont());
    int right = 0;
    for (int i = 0; i < m_sections->Count(); ++i) {
        THeaderSection *s = m_sections->Items(i);
        QRect r(s->Left(), 0, s->Width(), Height());
        right = r.left() + r.width();
        const bool pressed = i == m_pressed;
        if (s->Style() == hsOwnerDraw && OnDrawSection.Assigned()) {
            OnDrawSection(this, s, r, pressed);
            continue;
        }
        QRect face = r;
        if (m_style == hsButtons)
            DrawButtonEdge(painter, face, pressed);
        else
            Frame3D(painter, face, pressed ? clBtnShadow : clBtnHighlight,
                    pressed ? clBtnHighlight : clBtnShadow, 1);
        PaintSectionFace(painter, s, face, pressed);
    }
    // The space after the last section is a button without a caption.
    if (right < Width() && m_style == hsButtons) {
        QRect rest(right, 0, Width() - right, Height());
        DrawButtonEdge(painter, rest, false);
    }
}

// The image (when the section has one in Images) and then the text, placed together by the
// section's alignment and cut at its edges.
void TCustomHeaderControl::PaintSectionFace(QPainter &painter, const THeaderSection *section,
                                            const QRect &face, bool pressed)
{
    // A pressed section's contents move down and right by a pixel.
    const QRect inner = face.adjusted(4, 0, -4, 0).translated(pressed ? QPoint(1, 1) : QPoint());
    const bool hasImage = m_images && section->ImageIndex() >= 0
                          && section->ImageIndex() < m_images->Count();
    const int imageRoom = hasImage ? m_images->Width() + 2 : 0;
    const int textWidth = painter.fontMetrics().horizontalAdvance(section->Text());
    const int used = std::min(inner.width(), imageRoom + textWidth);
    int left = inner.left();
    if (section->Alignment() == taCenter)
        left += (inner.width() - used) / 2;
    else if (section->Alignment() == taRightJustify)
        left = inner.right() + 1 - used;
    left = std::max(left, inner.left());
    painter.save();
    painter.setClipRect(face);
    if (hasImage) {
        const int top = inner.top() + (inner.height() - m_images->Height()) / 2;
        m_images->Draw(painter, left, top, section->ImageIndex(), Enabled());
    }
    const QRect text(left + imageRoom, inner.top(),
                     std::max(0, inner.right() + 1 - left - imageRoom), inner.height());
    DrawControlText(painter, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    section->Text(), Font()->Color(), Enabled());
    painter.restore();
}

static TPropTable HeaderControlProps()
{
    using H = THeaderControl;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Constraints", "Cursor", "DragCursor", "DragKind",
         "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "Left",
         "ParentBiDiMode",
         "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "Top", "Visible", "Width",
         "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown",
         "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"});
    SetPropDefault(t, "Align", alTop);
    const TPropTable own = {
        Prop<H>("BorderWidth", TypeInfoInteger(), &H::BorderWidth, &H::SetBorderWidth, 0),
        Prop<H>("DragReorder", TypeInfoBoolean(), &H::DragReorder, &H::SetDragReorder, 0),
        Prop<H>("FullDrag", TypeInfoBoolean(), &H::FullDrag, &H::SetFullDrag, 1),
        Prop<H>("HotTrack", TypeInfoBoolean(), &H::HotTrack, &H::SetHotTrack, 0),
        Prop<H>("Images", TCustomImageList::StaticClass()->ClassTypeInfo(), &H::Images,
                &H::SetImages),
        Prop<H>("Sections", THeaderSections::StaticClass()->ClassTypeInfo(), &H::Sections,
                &H::SetSections),
        Prop<H>("Style", TypeInfoTHeaderStyle(), &H::Style, &H::SetStyle, hsButtons),
        EventProp<H>("OnDrawSection", TypeInfoTDrawSectionEvent(), &H::OnDrawSection),
        EventProp<H>("OnSectionClick", TypeInfoTSectionNotifyEvent(), &H::OnSectionClick),
        EventProp<H>("OnSectionDrag", TypeInfoTNotifyEvent(), &H::OnSectionDrag),
        EventProp<H>("OnSectionEndDrag", TypeInfoTNotifyEvent(), &H::OnSectionEndDrag),
        EventProp<H>("OnSectionResize", TypeInfoTSectionNotifyEvent(), &H::OnSectionResize),
        EventProp<H>("OnSectionTrack", TypeInfoTSectionTrackEvent(), &H::OnSectionTrack),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(THeaderControl, TCustomHeaderControl, HeaderControlProps)

THeaderControl::THeaderControl(TComponent *owner) : TCustomHeaderControl(owner) {}
