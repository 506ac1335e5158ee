// Painting the tab control in the classic way: a raised page frame, tabs with cut outer
// corners whose current one joins the page, captions turned for tabs down a side, and the
// arrows of a scrolled row.

#include "ComCtrls.h"

#include "ClassicDraw.h"
#include "ComCtrlsTabLayout.h"
#include "ImgList.h"
#include "SafeCall.h"

#include <QPainter>

#include <algorithm>

namespace {

// The way a tab points, away from the page it belongs to.
enum TPointing { ptUp, ptDown, ptLeft, ptRight };

// Caption colour of a hot-tracked tab.
constexpr TColor kHotTrackColor = clNavy;

void Line(QPainter &painter, int x1, int y1, int x2, int y2, TColor color)
{
    if (x2 < x1 || y2 < y1)
        return;
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), ColorToQColor(color));
}

// Light falls from the top left: edges facing up or left are highlighted, edges facing down or
// right are dark with a shadow inside. The side towards the page stays open; the two outer
// corners are cut by one pixel.
void PaintTabEdge(QPainter &painter, const QRect &r, TPointing pointing)
{
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    const TColor light = clBtnHighlight, dark = cl3DDkShadow, shadow = clBtnShadow;
    painter.fillRect(r, ColorToQColor(clBtnFace));
    switch (pointing) {
    case ptUp:
        Line(painter, l, t + 2, l, b, light);
        Line(painter, l + 1, t + 1, l + 1, t + 1, light);
        Line(painter, l + 2, t, rt - 2, t, light);
        Line(painter, rt - 1, t + 1, rt - 1, t + 1, dark);
        Line(painter, rt, t + 2, rt, b, dark);
        Line(painter, rt - 1, t + 2, rt - 1, b, shadow);
        break;
    case ptDown:
        Line(painter, l, t, l, b - 2, light);
        Line(painter, l + 1, b - 1, l + 1, b - 1, dark);
        Line(painter, l + 2, b, rt - 2, b, dark);
        Line(painter, l + 2, b - 1, rt - 2, b - 1, shadow);
        Line(painter, rt - 1, b - 1, rt - 1, b - 1, dark);
        Line(painter, rt, t, rt, b - 2, dark);
        Line(painter, rt - 1, t, rt - 1, b - 2, shadow);
        break;
    case ptLeft:
        Line(painter, l + 2, t, rt, t, light);
        Line(painter, l + 1, t + 1, l + 1, t + 1, light);
        Line(painter, l, t + 2, l, b - 2, light);
        Line(painter, l + 1, b - 1, l + 1, b - 1, dark);
        Line(painter, l + 2, b, rt, b, dark);
        Line(painter, l + 2, b - 1, rt, b - 1, shadow);
        break;
    case ptRight:
        Line(painter, l, t, rt - 2, t, light);
        Line(painter, rt - 1, t + 1, rt - 1, t + 1, dark);
        Line(painter, rt, t + 2, rt, b - 2, dark);
        Line(painter, rt - 1, t + 2, rt - 1, b - 2, shadow);
        Line(painter, rt - 1, b - 1, rt - 1, b - 1, dark);
        Line(painter, l, b, rt - 2, b, dark);
        Line(painter, l, b - 1, rt - 2, b - 1, shadow);
        break;
    }
}

// A raised button, or a flat one with no edge; the current one is pushed in.
void PaintButtonEdge(QPainter &painter, const QRect &rect, bool current, bool flat)
{
    QRect r = rect;
    painter.fillRect(r, ColorToQColor(clBtnFace));
    if (current) {
        Frame3D(painter, r, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(painter, r, clBtnShadow, cl3DLight, 1);
        FillDithered(painter, r);
    } else if (!flat) {
        DrawButtonEdge(painter, r, false);
    }
}

// A small solid triangle pointing back (left) or forward (right) around centre.
void PaintArrowGlyph(QPainter &painter, QPoint centre, bool forward, TColor color)
{
    for (int k = 0; k < 4; ++k) {
        const int x = forward ? centre.x() + 1 - k : centre.x() - 2 + k;
        Line(painter, x, centre.y() - k, x, centre.y() + k, color);
    }
}

} // namespace

void TCustomTabControl::PaintWidget(QPainter &painter)
{
    TWinControl::PaintWidget(painter);
    if (IsDestroying())
        return;
    painter.setFont(Font()->ToQFont());
    const TTabLayout layout = Layout();
    if (m_style == tsTabs) {
        QRect page = ToControl(layout.Page);
        if (!page.isEmpty()) {
            Frame3D(painter, page, clBtnHighlight, cl3DDkShadow, 1);
            Frame3D(painter, page, cl3DLight, clBtnShadow, 1);
        }
    }
    // Rows further from the page first, so that nearer rows overlap them; the current tab
    // last, standing over its neighbours and the page's edge.
    int deepest = 0;
    for (int slot : layout.Slot)
        deepest = std::max(deepest, slot);
    for (int slot = deepest; slot >= 0; --slot) {
        for (int i = 0; i < m_tabs->Count(); ++i) {
            if (i != m_tabIndex && layout.Slot[size_t(i)] == slot)
                PaintTab(painter, layout, i);
        }
    }
    if (m_tabIndex >= 0 && m_tabIndex < m_tabs->Count())
        PaintTab(painter, layout, m_tabIndex);
    if (layout.Scrolls)
        PaintScrollArrows(painter, layout);
}

void TCustomTabControl::PaintTab(QPainter &painter, const TTabLayout &layout, int index) const
{
    const QRect visible = ToControl(layout.Tabs[size_t(index)]);
    if (visible.isEmpty())
        return;
    const QRect whole = ToControl(layout.WholeTabs[size_t(index)]);
    const bool current = index == m_tabIndex;
    const bool opposite = layout.Opposite[size_t(index)];
    TPointing pointing = ptUp;
    switch (m_tabPosition) {
    case tpTop: pointing = opposite ? ptDown : ptUp; break;
    case tpBottom: pointing = opposite ? ptUp : ptDown; break;
    case tpLeft: pointing = opposite ? ptRight : ptLeft; break;
    case tpRight: pointing = opposite ? ptLeft : ptRight; break;
    }

    painter.save();
    painter.setClipRect(visible);
    QRect content;
    if (m_style == tsTabs) {
        PaintTabEdge(painter, whole, pointing);
        content = whole.adjusted(2, 2, -2, -2);
    } else {
        PaintButtonEdge(painter, whole, current, m_style == tsFlatButtons);
        content = whole.adjusted(2, 2, -2, -2);
        if (current)
            content.translate(1, 1);
    }

    if (m_ownerDraw && OnDrawTab.Assigned()) {
        // The handler draws the inside of the tab, upright, on the control's canvas.
        auto *self = const_cast<TCustomTabControl *>(this);
        m_canvas->SetPainter(&painter, content);
        m_canvas->Font()->Assign(Font());
        SafeCall([&] { self->OnDrawTab(self, index, content, current); });
        m_canvas->ReleasePainter();
        painter.restore();
        return;
    }

    // Captions of tabs down the left side read upwards, down the right side downwards; the
    // image stays upright and comes first in reading order.
    const bool side = m_tabPosition == tpLeft || m_tabPosition == tpRight;
    const int image = m_images ? ImageIndexOfTab(index) : -1;
    const bool hasImage = m_images && image >= 0 && image < m_images->Count();
    const int imageAlong = hasImage ? (side ? m_images->Height() : m_images->Width()) : 0;
    const QString caption = m_tabs->Strings(index);
    const QFontMetrics metrics(Font()->ToQFont());
    const int textLength = metrics.horizontalAdvance(ShownCaption(caption));
    const int along = side ? content.height() : content.width();
    const int across = side ? content.width() : content.height();
    const int used = imageAlong + (hasImage ? 3 : 0) + std::max(0, textLength);
    const int startAlong = std::max(0, (along - used) / 2);

    painter.save();
    if (m_tabPosition == tpLeft) {
        painter.translate(content.left(), content.bottom() + 1);
        painter.rotate(-90);
    } else if (m_tabPosition == tpRight) {
        painter.translate(content.right() + 1, content.top());
        painter.rotate(90);
    } else {
        painter.translate(content.topLeft());
    }
    // In this frame the caption runs along x over [0, along) and across y over [0, across).
    const QRect textRect(startAlong + imageAlong + (hasImage ? 3 : 0), 0,
                         std::max(0, along - startAlong - imageAlong), across);
    const TColor color =
        m_hotTrack && index == m_hotIndex && !current ? kHotTrackColor : Font()->Color();
    const int flags = int(hasImage ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter
                      | Qt::TextShowMnemonic | Qt::TextSingleLine;
    DrawControlText(painter, hasImage ? textRect : QRect(0, 0, along, across), flags, caption,
                    color, Enabled());
    if (current && Focused()) {
        QRect focus(0, 0, textLength + 4, metrics.height() + 2);
        focus.moveCenter(hasImage ? textRect.center() : QRect(0, 0, along, across).center());
        if (hasImage)
            focus.moveLeft(textRect.left() - 2);
        DrawFocusRect(painter, focus);
    }
    painter.restore();

    if (hasImage) {
        const int iw = m_images->Width(), ih = m_images->Height();
        QPoint at;
        switch (m_tabPosition) {
        case tpLeft:
            at = QPoint(content.left() + (across - iw) / 2,
                        content.bottom() + 1 - startAlong - ih);
            break;
        case tpRight:
            at = QPoint(content.left() + (across - iw) / 2, content.top() + startAlong);
            break;
        default:
            at = QPoint(content.left() + startAlong, content.top() + (across - ih) / 2);
            break;
        }
        m_images->Draw(painter, at.x(), at.y(), image, Enabled());
    }
    painter.restore();
}

void TCustomTabControl::PaintScrollArrows(QPainter &painter, const TTabLayout &layout) const
{
    const struct
    {
        QRect rect;
        bool forward;
        bool enabled;
    } arrows[] = {{ToControl(layout.BackArrow), false, layout.CanScrollBack},
                  {ToControl(layout.ForwardArrow), true, layout.CanScrollForward}};
    for (const auto &arrow : arrows) {
        QRect face = arrow.rect;
        painter.fillRect(face, ColorToQColor(clBtnFace));
        DrawButtonEdge(painter, face, false);
        const QPoint centre = arrow.rect.center();
        if (arrow.enabled && Enabled()) {
            PaintArrowGlyph(painter, centre, arrow.forward, clBtnText);
        } else {
            PaintArrowGlyph(painter, centre + QPoint(1, 1), arrow.forward, clBtnHighlight);
            PaintArrowGlyph(painter, centre, arrow.forward, clBtnShadow);
        }
    }
}
