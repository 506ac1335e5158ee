// Graphics held as images: TGraphic, TBitmap, TIcon and the TPicture that holds one of them.

#include "Graphics.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace {

const QString kGlyphDir = QStringLiteral(":/glyphs");

// Reads one image of the given format; the format is not guessed from the content, so that a
// file of another kind is reported as invalid.
QImage ReadImage(const QString &fileName, const char *format, const QString &invalidMessage)
{
    QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable())
        throw EFOpenError(FormatMessage(QStringLiteral("Cannot open file %s"), {fileName}));
    QImageReader reader(fileName, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(invalidMessage);
    return image;
}

void WriteImage(const QImage &image, const QString &fileName, const char *format)
{
    if (!image.save(fileName, format))
        throw EFCreateError(FormatMessage(QStringLiteral("Cannot create file %s"), {fileName}));
}

// The path of the glyph resource named name (ignoring case), or "" when there is none. The
// index is rebuilt when a name is missing, as resources may be registered after the first
// lookup.
QString GlyphResourcePath(const QString &name)
{
    static QHash<QString, QString> index;
    const QString key = name.toUpper();
    if (!index.contains(key)) {
        index.clear();
        QDirIterator it(kGlyphDir, QDir::Files);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (info.suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
                index.insert(info.completeBaseName().toUpper(), info.filePath());
        }
    }
    return index.value(key);
}

} // namespace

// ---- TGraphic ---------------------------------------------------------------------------------

Z_DEFINE_CLASS(TGraphic, TPersistent, NoPublishedProps)

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    Changed();
}

void TGraphic::SetModified(bool modified)
{
    if (modified)
        Changed();
    else
        m_modified = false;
}

void TGraphic::Changed()
{
    m_modified = true;
    OnChange(this);
}

// ---- TBitmap ----------------------------------------------------------------------------------

Z_DEFINE_CLASS(TBitmap, TGraphic, NoPublishedProps)

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
    SetModified(false);
}

TBitmap::~TBitmap()
{
    ReleaseCanvas();
}

void TBitmap::Assign(TPersistent *source)
{
    if (source == this)
        return;
    if (!source) {
        ReleaseCanvas();
        m_image = QImage();
        Changed();
    } else if (auto *bitmap = ObjectCast<TBitmap>(source)) {
        ReleaseCanvas();
        bitmap->ReleaseCanvas();
        m_image = bitmap->m_image.copy();
        m_transparentColor = bitmap->m_transparentColor;
        m_transparentMode = bitmap->m_transparentMode;
        SetTransparent(bitmap->Transparent());
        Changed();
    } else if (auto *icon = ObjectCast<TIcon>(source)) {
        ReleaseCanvas();
        // The icon's own transparency becomes the bitmap's transparent colour.
        QImage image(icon->Image().size(), QImage::Format_RGB32);
        image.fill(ColorToQColor(clBtnFace));
        QPainter(&image).drawImage(0, 0, icon->Image());
        m_image = image;
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    ReleaseCanvas();
    if (width == 0 || height == 0) {
        m_image = QImage();
    } else {
        QImage image(width, height, m_image.isNull() ? QImage::Format_RGB32 : m_image.format());
        image.fill(Qt::white);
        if (!m_image.isNull()) {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, m_image);
        }
        m_image = image;
    }
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparentMode == tmFixed)
        return m_transparentColor;
    if (m_image.isNull())
        return clDefault;
    return QColorToColor(QColor::fromRgb(m_image.pixel(0, m_image.height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color)
{
    if (m_transparentMode == tmFixed && color == m_transparentColor)
        return;
    m_transparentColor = color;
    m_transparentMode = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == m_transparentMode)
        return;
    m_transparentMode = mode;
    if (mode == tmAuto)
        m_transparentColor = clDefault;
    else
        m_transparentColor = TransparentColor();
    Changed();
}

void TBitmap::LoadFromFile(const QString &fileName)
{
    LoadFromImage(ReadImage(fileName, "bmp", QStringLiteral("Bitmap image is not valid")));
}

void TBitmap::SaveToFile(const QString &fileName)
{
    ReleaseCanvas();
    if (m_image.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is empty"));
    WriteImage(m_image, fileName, "BMP");
}

bool TBitmap::LoadFromResourceName(const QString &name)
{
    const QString path = GlyphResourcePath(name);
    if (path.isEmpty())
        return false;
    LoadFromFile(path);
    return true;
}

void TBitmap::LoadFromImage(const QImage &image)
{
    ReleaseCanvas();
    m_image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
    Changed();
}

QImage &TBitmap::Image()
{
    ReleaseCanvas();
    return m_image;
}

QImage TBitmap::ToImage(bool transparent)
{
    ReleaseCanvas();
    if (!transparent || m_image.isNull())
        return m_image;
    const QRgb key = ColorToQColor(TransparentColor()).rgb() & RGB_MASK;
    QImage image = m_image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return image;
}

QPixmap TBitmap::ToPixmap(bool transparent)
{
    return QPixmap::fromImage(ToImage(transparent));
}

TCanvas *TBitmap::Canvas()
{
    if (!m_canvas) {
        m_canvas = std::make_unique<TCanvas>(&m_image);
        m_canvas->OnChange = TNotifyEvent::Of<&TBitmap::CanvasChanged>(this);
    }
    return m_canvas.get();
}

void TBitmap::Draw(QPainter &painter, const QRect &rect)
{
    if (m_image.isNull())
        return;
    // Drawn onto itself: the canvas painter must stay open, so draw from a copy.
    if (painter.device() == &m_image) {
        painter.drawImage(rect, m_image.copy());
        return;
    }
    painter.drawImage(rect, ToImage(Transparent()));
}

void TBitmap::CanvasChanged(TObject *)
{
    Changed();
}

void TBitmap::ReleaseCanvas()
{
    if (m_canvas)
        m_canvas->ReleasePainter();
}

// ---- TIcon ------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TIcon, TGraphic, NoPublishedProps)

void TIcon::Assign(TPersistent *source)
{
    if (source == this)
        return;
    if (!source) {
        m_image = QImage();
        Changed();
    } else if (auto *icon = ObjectCast<TIcon>(source)) {
        m_image = icon->m_image;
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}

void TIcon::SetWidth(int)
{
    throw EInvalidGraphic(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::SetHeight(int)
{
    throw EInvalidGraphic(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::LoadFromFile(const QString &fileName)
{
    LoadFromImage(ReadImage(fileName, "ico", QStringLiteral("Icon image is not valid")));
}

void TIcon::SaveToFile(const QString &fileName)
{
    if (m_image.isNull())
        throw EInvalidGraphic(QStringLiteral("Icon image is empty"));
    WriteImage(m_image, fileName, "ICO");
}

void TIcon::LoadFromImage(const QImage &image)
{
    m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Changed();
}

QIcon TIcon::ToQIcon() const
{
    return m_image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(m_image));
}

void TIcon::Draw(QPainter &painter, const QRect &rect)
{
    if (!m_image.isNull())
        painter.drawImage(rect, m_image);
}

// ---- TPicture ---------------------------------------------------------------------------------

Z_DEFINE_CLASS(TPicture, TPersistent, NoPublishedProps)

TPicture::~TPicture() = default;

void TPicture::Assign(TPersistent *source)
{
    if (!source) {
        SetGraphic(nullptr);
    } else if (auto *picture = ObjectCast<TPicture>(source)) {
        if (picture != this)
            SetGraphic(picture->Graphic());
    } else if (auto *graphic = ObjectCast<TGraphic>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::AssignTo(TPersistent *dest)
{
    if (auto *graphic = ObjectCast<TGraphic>(dest)) {
        graphic->Assign(m_graphic.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

void TPicture::SetGraphic(TGraphic *graphic)
{
    if (graphic == m_graphic.get() && graphic)
        return;
    if (!graphic) {
        m_graphic.reset();
        Changed(this);
        return;
    }
    std::unique_ptr<TGraphic> copy(static_cast<TGraphic *>(graphic->ClassType()->Create(nullptr)));
    if (!copy)
        throw EInvalidGraphic(
            FormatMessage(QStringLiteral("Cannot copy a %s"), {graphic->ClassName()}));
    copy->Assign(graphic);
    Take(copy.release());
}

TBitmap *TPicture::Bitmap()
{
    if (!ObjectCast<TBitmap>(m_graphic.get()))
        Take(new TBitmap);
    return static_cast<TBitmap *>(m_graphic.get());
}

TIcon *TPicture::Icon()
{
    if (!ObjectCast<TIcon>(m_graphic.get()))
        Take(new TIcon);
    return static_cast<TIcon *>(m_graphic.get());
}

void TPicture::LoadFromFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    std::unique_ptr<TGraphic> graphic;
    if (ext == QLatin1String("bmp"))
        graphic = std::make_unique<TBitmap>();
    else if (ext == QLatin1String("ico"))
        graphic = std::make_unique<TIcon>();
    else
        throw EInvalidGraphic(
            FormatMessage(QStringLiteral("Unknown picture file extension (.%s)"), {ext}));
    graphic->LoadFromFile(fileName);
    Take(graphic.release());
}

void TPicture::SaveToFile(const QString &fileName)
{
    if (m_graphic)
        m_graphic->SaveToFile(fileName);
}

void TPicture::Changed(TObject *)
{
    OnChange(this);
}

void TPicture::Take(TGraphic *graphic)
{
    m_graphic.reset(graphic);
    m_graphic->OnChange = TNotifyEvent::Of<&TPicture::Changed>(this);
    Changed(this);
}
