#include "ImgList.h"

#include <QPainter>

PTypeInfo TypeInfoTDrawingStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDrawingStyle"), {QStringLiteral("dsFocus"), QStringLiteral("dsSelected"),
                                          QStringLiteral("dsNormal"),
                                          QStringLiteral("dsTransparent")});
    return t;
}

PTypeInfo TypeInfoTImageType()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TImageType"),
                                            {QStringLiteral("itImage"), QStringLiteral("itMask")});
    return t;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TChangeLink, TObject, NoPublishedProps)

TChangeLink::~TChangeLink()
{
    if (m_sender)
        m_sender->UnRegisterChanges(this);
}

void TChangeLink::Change()
{
    OnChange(m_sender);
}

// ---------------------------------------------------------------------------------------------

namespace {

constexpr uchar kTransparent = 255;
constexpr uchar kOpaque = 0;

QRgb Blend(QRgb pixel, QColor with, int percent)
{
    auto mix = [&](int a, int b) { return (a * (100 - percent) + b * percent) / 100; };
    return qRgba(mix(qRed(pixel), with.red()), mix(qGreen(pixel), with.green()),
                 mix(qBlue(pixel), with.blue()), qAlpha(pixel));
}

} // namespace

Z_DEFINE_CLASS(TCustomImageList, TComponent, NoPublishedProps)

TCustomImageList::TCustomImageList(TComponent *owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList()
{
    Destroying();
    for (TChangeLink *link : m_links)
        link->SetSender(nullptr);
    m_links.clear();
}

void TCustomImageList::SetWidth(int width)
{
    SetSize(width, m_height);
}

void TCustomImageList::SetHeight(int height)
{
    SetSize(m_width, height);
}

void TCustomImageList::SetSize(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    m_images.clear();
    Change();
}

void TCustomImageList::SetBkColor(TColor color)
{
    if (color == m_bkColor)
        return;
    m_bkColor = color;
    Change();
}

void TCustomImageList::SetBlendColor(TColor color)
{
    if (color == m_blendColor)
        return;
    m_blendColor = color;
    Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle style)
{
    if (style == m_drawingStyle)
        return;
    m_drawingStyle = style;
    Change();
}

void TCustomImageList::SetImageType(TImageType type)
{
    if (type == m_imageType)
        return;
    m_imageType = type;
    Change();
}

void TCustomImageList::SetMasked(bool masked)
{
    if (masked == m_masked)
        return;
    m_masked = masked;
    Change();
}

void TCustomImageList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
}

std::vector<TCustomImageList::Entry> TCustomImageList::Slice(TBitmap *image, TBitmap *mask,
                                                             bool byColor,
                                                             TColor maskColor) const
{
    if (!image || image->Empty())
        throw EInvalidOperation(QStringLiteral("Cannot add an empty bitmap to an image list"));
    const QImage source = image->ToImage(false).convertToFormat(QImage::Format_ARGB32);
    QImage maskSource;
    if (mask && !mask->Empty())
        maskSource = mask->ToImage(false).convertToFormat(QImage::Format_RGB32);
    if (byColor && maskColor == clDefault)
        maskColor = QColorToColor(source.pixelColor(0, source.height() - 1));
    const QRgb key = ColorToQColor(maskColor).rgb() & RGB_MASK;

    const int count = std::max(1, source.width() / m_width);
    std::vector<Entry> entries;
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        Entry e;
        e.image = QImage(m_width, m_height, QImage::Format_ARGB32);
        e.image.fill(Qt::transparent);
        e.mask = QImage(m_width, m_height, QImage::Format_Grayscale8);
        e.mask.fill(kTransparent);
        const int x0 = i * m_width;
        for (int y = 0; y < std::min(m_height, source.height()); ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            auto *dst = reinterpret_cast<QRgb *>(e.image.scanLine(y));
            uchar *m = e.mask.scanLine(y);
            for (int x = 0; x < m_width && x0 + x < source.width(); ++x) {
                const QRgb pixel = src[x0 + x];
                dst[x] = pixel;
                bool transparent = qAlpha(pixel) == 0;
                if (byColor) {
                    transparent = transparent || (pixel & RGB_MASK) == key;
                } else if (!maskSource.isNull() && x0 + x < maskSource.width()
                           && y < maskSource.height()) {
                    transparent = transparent || qGray(maskSource.pixel(x0 + x, y)) > 127;
                }
                m[x] = transparent ? kTransparent : kOpaque;
            }
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void TCustomImageList::InsertEntries(int index, std::vector<Entry> entries)
{
    m_images.insert(m_images.begin() + index, std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    Change();
}

int TCustomImageList::Add(TBitmap *image, TBitmap *mask)
{
    const int index = Count();
    InsertEntries(index, Slice(image, mask, false, clNone));
    return index;
}

int TCustomImageList::AddMasked(TBitmap *image, TColor maskColor)
{
    const int index = Count();
    InsertEntries(index, Slice(image, nullptr, true, maskColor));
    return index;
}

void TCustomImageList::AddImages(TCustomImageList *list)
{
    if (!list || list->Count() == 0)
        return;
    if (list->m_width == m_width && list->m_height == m_height) {
        InsertEntries(Count(), list->m_images);
        return;
    }
    for (int i = 0; i < list->Count(); ++i) {
        TBitmap image, mask;
        list->GetBitmap(i, &image);
        list->GetMask(i, &mask);
        Add(&image, &mask);
    }
}

void TCustomImageList::Insert(int index, TBitmap *image, TBitmap *mask)
{
    if (index != Count())
        CheckIndex(index);
    InsertEntries(index, Slice(image, mask, false, clNone));
}

void TCustomImageList::InsertMasked(int index, TBitmap *image, TColor maskColor)
{
    if (index != Count())
        CheckIndex(index);
    InsertEntries(index, Slice(image, nullptr, true, maskColor));
}

void TCustomImageList::Replace(int index, TBitmap *image, TBitmap *mask)
{
    CheckIndex(index);
    std::vector<Entry> entries = Slice(image, mask, false, clNone);
    m_images[size_t(index)] = std::move(entries.front());
    Change();
}

void TCustomImageList::ReplaceMasked(int index, TBitmap *image, TColor maskColor)
{
    CheckIndex(index);
    std::vector<Entry> entries = Slice(image, nullptr, true, maskColor);
    m_images[size_t(index)] = std::move(entries.front());
    Change();
}

void TCustomImageList::Delete(int index)
{
    if (index == -1) {
        Clear();
        return;
    }
    CheckIndex(index);
    m_images.erase(m_images.begin() + index);
    Change();
}

void TCustomImageList::Move(int curIndex, int newIndex)
{
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    if (curIndex == newIndex)
        return;
    Entry moved = std::move(m_images[size_t(curIndex)]);
    m_images.erase(m_images.begin() + curIndex);
    m_images.insert(m_images.begin() + newIndex, std::move(moved));
    Change();
}

void TCustomImageList::Clear()
{
    if (m_images.empty())
        return;
    m_images.clear();
    Change();
}

QImage TCustomImageList::Image(int index) const
{
    CheckIndex(index);
    const Entry &e = m_images[size_t(index)];
    QImage result = e.image.copy();
    if (!m_masked)
        return result;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        const uchar *m = e.mask.constScanLine(y);
        for (int x = 0; x < result.width(); ++x) {
            if (m[x] == kTransparent)
                line[x] = 0;
        }
    }
    return result;
}

QImage TCustomImageList::Composed(const Entry &entry, bool enabled) const
{
    QImage image(m_width, m_height, QImage::Format_ARGB32);
    for (int y = 0; y < m_height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(entry.image.constScanLine(y));
        const uchar *m = entry.mask.constScanLine(y);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const bool transparent = m_masked && m[x] == kTransparent;
            if (m_imageType == itMask)
                dst[x] = transparent ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            else if (transparent)
                dst[x] = 0;
            else
                dst[x] = m_masked ? src[x] : (src[x] | 0xFF000000u);
        }
    }
    if (m_imageType == itMask)
        return image;

    if (m_drawingStyle == dsFocus || m_drawingStyle == dsSelected) {
        const QColor with = ColorToQColor(m_blendColor == clNone ? clHighlight : m_blendColor);
        const int percent = m_drawingStyle == dsFocus ? 25 : 50;
        for (int y = 0; y < m_height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < m_width; ++x) {
                if (qAlpha(line[x]))
                    line[x] = Blend(line[x], with, percent);
            }
        }
    }

    if (!enabled) {
        // The classic disabled look: the image's darker pixels as a shadow silhouette with a
        // highlight copy one pixel down and right.
        QImage embossed(m_width, m_height, QImage::Format_ARGB32);
        embossed.fill(Qt::transparent);
        const QRgb light = ColorToQColor(clBtnHighlight).rgb();
        const QRgb shadow = ColorToQColor(clBtnShadow).rgb();
        for (int pass = 0; pass < 2; ++pass) {
            const int offset = pass == 0 ? 1 : 0;
            for (int y = 0; y < m_height; ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < m_width; ++x) {
                    if (qAlpha(line[x]) == 0 || qGray(line[x]) >= 192)
                        continue;
                    const int tx = x + offset, ty = y + offset;
                    if (tx < m_width && ty < m_height)
                        embossed.setPixel(tx, ty, pass == 0 ? light : shadow);
                }
            }
        }
        image = embossed;
    }

    if (m_bkColor != clNone && m_drawingStyle != dsTransparent) {
        QImage filled(m_width, m_height, QImage::Format_ARGB32);
        filled.fill(ColorToQColor(m_bkColor));
        QPainter p(&filled);
        p.drawImage(0, 0, image);
        p.end();
        return filled;
    }
    return image;
}

void TCustomImageList::Draw(QPainter &painter, int x, int y, int index, bool enabled)
{
    // Controls draw whatever index they hold; one the list lacks draws nothing.
    if (index < 0 || index >= Count())
        return;
    painter.drawImage(x, y, Composed(m_images[size_t(index)], enabled));
}

void TCustomImageList::Draw(TCanvas *canvas, int x, int y, int index, bool enabled)
{
    if (QPainter *painter = canvas ? canvas->Painter() : nullptr)
        Draw(*painter, x, y, index, enabled);
}

void TCustomImageList::GetBitmap(int index, TBitmap *image)
{
    CheckIndex(index);
    if (!image)
        return;
    image->SetSize(m_width, m_height);
    QImage &pixels = image->Image();
    QPainter painter(&pixels);
    Draw(painter, 0, 0, index, true);
    painter.end();
    image->SetModified(true);
}

void TCustomImageList::GetMask(int index, TBitmap *mask)
{
    CheckIndex(index);
    if (!mask)
        return;
    const Entry &e = m_images[size_t(index)];
    QImage pixels(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        const uchar *m = e.mask.constScanLine(y);
        auto *line = reinterpret_cast<QRgb *>(pixels.scanLine(y));
        for (int x = 0; x < m_width; ++x)
            line[x] = m[x] == kTransparent ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    mask->LoadFromImage(pixels);
}

void TCustomImageList::Assign(TPersistent *source)
{
    auto *list = ObjectCast<TCustomImageList>(source);
    if (!list) {
        TComponent::Assign(source);
        return;
    }
    if (list == this)
        return;
    m_width = list->m_width;
    m_height = list->m_height;
    m_allocBy = list->m_allocBy;
    m_bkColor = list->m_bkColor;
    m_blendColor = list->m_blendColor;
    m_drawingStyle = list->m_drawingStyle;
    m_imageType = list->m_imageType;
    m_masked = list->m_masked;
    m_images = list->m_images;
    Change();
}

void TCustomImageList::RegisterChanges(TChangeLink *link)
{
    if (!link || std::find(m_links.begin(), m_links.end(), link) != m_links.end())
        return;
    if (link->Sender() && link->Sender() != this)
        link->Sender()->UnRegisterChanges(link);
    link->SetSender(this);
    m_links.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink *link)
{
    const auto it = std::find(m_links.begin(), m_links.end(), link);
    if (it == m_links.end())
        return;
    m_links.erase(it);
    link->SetSender(nullptr);
}

void TCustomImageList::Change()
{
    if (IsDestroying())
        return;
    // A link may unregister itself from its handler: walk a copy.
    const std::vector<TChangeLink *> links = m_links;
    for (TChangeLink *link : links) {
        if (std::find(m_links.begin(), m_links.end(), link) != m_links.end())
            link->Change();
    }
    OnChange(this);
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TDragImageList, TCustomImageList, NoPublishedProps)

TDragImageList::TDragImageList(TComponent *owner) : TCustomImageList(owner) {}

static TPropTable ImageListProps()
{
    using L = TImageList;
    using C = TCustomImageList;
    return {
        Prop<L>("AllocBy", TypeInfoInteger(), &C::AllocBy, &C::SetAllocBy, 4),
        Prop<L>("BkColor", TypeInfoTColor(), &C::BkColor, &C::SetBkColor, clNone),
        Prop<L>("BlendColor", TypeInfoTColor(), &C::BlendColor, &C::SetBlendColor, clNone),
        Prop<L>("DrawingStyle", TypeInfoTDrawingStyle(), &C::DrawingStyle, &C::SetDrawingStyle,
                dsNormal),
        Prop<L>("Height", TypeInfoInteger(), &C::Height, &C::SetHeight, 16),
        Prop<L>("ImageType", TypeInfoTImageType(), &C::ImageType, &C::SetImageType, itImage),
        Prop<L>("Masked", TypeInfoBoolean(), &C::Masked, &C::SetMasked, 1),
        Prop<L>("ShareImages", TypeInfoBoolean(), &C::ShareImages, &C::SetShareImages, 0),
        Prop<L>("Width", TypeInfoInteger(), &C::Width, &C::SetWidth, 16),
        EventProp<L>("OnChange", TypeInfoTNotifyEvent(), &C::OnChange),
    };
}
Z_DEFINE_CLASS(TImageList, TDragImageList, ImageListProps)

TImageList::TImageList(TComponent *owner) : TDragImageList(owner) {}
