#pragma once

// Graphics objects: colours, fonts, pens and brushes, the canvas that draws with them, bitmaps,
// icons and pictures. Everything here works on Qt Gui alone, without a window.

#include "Classes.h"
#include "IdentTables.h"
#include "Strings.h"
#include "TypInfo.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <optional>
#include <span>

class QPainter;
class QPaintDevice;

// A colour: 0x00BBGGRR for an RGB value, 0x80000000 + index for a system colour, or one of the
// two special values clNone and clDefault.
using TColor = qint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clSystemColor = TColor(0x80000000u);
constexpr TColor clScrollBar = clSystemColor + 0;
constexpr TColor clBackground = clSystemColor + 1;
constexpr TColor clActiveCaption = clSystemColor + 2;
constexpr TColor clInactiveCaption = clSystemColor + 3;
constexpr TColor clMenu = clSystemColor + 4;
constexpr TColor clWindow = clSystemColor + 5;
constexpr TColor clWindowFrame = clSystemColor + 6;
constexpr TColor clMenuText = clSystemColor + 7;
constexpr TColor clWindowText = clSystemColor + 8;
constexpr TColor clCaptionText = clSystemColor + 9;
constexpr TColor clActiveBorder = clSystemColor + 10;
constexpr TColor clInactiveBorder = clSystemColor + 11;
constexpr TColor clAppWorkSpace = clSystemColor + 12;
constexpr TColor clHighlight = clSystemColor + 13;
constexpr TColor clHighlightText = clSystemColor + 14;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clBtnShadow = clSystemColor + 16;
constexpr TColor clGrayText = clSystemColor + 17;
constexpr TColor clBtnText = clSystemColor + 18;
constexpr TColor clInactiveCaptionText = clSystemColor + 19;
constexpr TColor clBtnHighlight = clSystemColor + 20;
constexpr TColor cl3DDkShadow = clSystemColor + 21;
constexpr TColor cl3DLight = clSystemColor + 22;
constexpr TColor clInfoText = clSystemColor + 23;
constexpr TColor clInfoBk = clSystemColor + 24;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour (0x00BBGGRR): system colours come from a fixed palette, clDefault
// stands for the window colour; clNone is returned unchanged.
TColor ColorToRGB(TColor color);
// clNone becomes a fully transparent colour.
QColor ColorToQColor(TColor color);
// An invalid or fully transparent colour becomes clNone.
TColor QColorToColor(const QColor &color);

// A colour's name (see IdentTables.h), or "$00BBGGRR" for a colour that has none.
QString ColorToString(TColor color);
// A colour name or an integer text ("$FF", decimal); raises EConvertError otherwise.
TColor StringToColor(const QString &text);

Z_EXCEPTION(EInvalidGraphic, Exception)

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
// A set of TFontStyle: bit n stands for the style with ordinal n.
using TFontStyles = quint32;
constexpr TFontStyles FontStyles(std::initializer_list<TFontStyle> styles)
{
    TFontStyles set = 0;
    for (TFontStyle s : styles)
        set |= TFontStyles(1u << s);
    return set;
}

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};
enum TTransparentMode { tmAuto, tmFixed };

PTypeInfo TypeInfoTFontPitch();
PTypeInfo TypeInfoTFontStyle();
PTypeInfo TypeInfoTFontStyles();
PTypeInfo TypeInfoTPenStyle();
PTypeInfo TypeInfoTPenMode();
PTypeInfo TypeInfoTBrushStyle();
PTypeInfo TypeInfoTTransparentMode();

// The face a form names, mapped to an installed face with the same metrics.
QString InstalledFontFace(const QString &name);

// Base of the drawing tools: announces each change of value through OnChange, after it.
class TGraphicsObject : public TPersistent
{
    Z_CLASS(TGraphicsObject)
public:
    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};

class TFont : public TGraphicsObject
{
    Z_CLASS(TFont)
public:
    // Pixels per inch that Size and Height convert with.
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    void Assign(TPersistent *source) override;

    int Charset() const { return m_charset; }
    void SetCharset(int charset);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Negative: the pixel height of the characters; positive: of the cell.
    int Height() const { return m_height; }
    void SetHeight(int height);
    QString Name() const { return m_name; }
    void SetName(const QString &name);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch pitch);
    // Points: -Height * 72 / PixelsPerInch, rounded.
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);

    // The Qt font that draws this font on this machine.
    QFont ToQFont() const;
    bool operator==(const TFont &other) const;

private:
    int m_charset = 1; // DEFAULT_CHARSET
    TColor m_color = clWindowText;
    int m_height = -11;
    QString m_name = QStringLiteral("MS Sans Serif");
    TFontPitch m_pitch = fpDefault;
    TFontStyles m_style = 0;
};

class TPen : public TGraphicsObject
{
    Z_CLASS(TPen)
public:
    TPen() = default;
    void Assign(TPersistent *source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    int Width() const { return m_width; }
    void SetWidth(int width);

    // Qt::NoPen for psClear and pmNop.
    QPen ToQPen() const;

private:
    TColor m_color = clBlack;
    TPenMode m_mode = pmCopy;
    TPenStyle m_style = psSolid;
    int m_width = 1;
};

class TBitmap;

class TBrush : public TGraphicsObject
{
    Z_CLASS(TBrush)
public:
    TBrush() = default;
    void Assign(TPersistent *source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    // A pattern brush: the bitmap's pixels tile what the brush fills, from the device's origin.
    // The brush keeps a copy, so the bitmap may be freed at once; nullptr ends the pattern.
    void SetBitmap(TBitmap *bitmap);
    bool HasBitmap() const { return !m_pattern.isNull(); }

    // Qt::NoBrush for bsClear.
    QBrush ToQBrush() const;

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
    QImage m_pattern;
};

class TGraphic;

// Draws with its pen, brush and font, either on a paint device for which it opens a painter
// when first needed, or through a painter the caller lends it (a paint event's painter).
// Rectangles follow the classic convention: right and bottom are excluded.
class TCanvas : public TPersistent
{
    Z_CLASS(TCanvas)
public:
    TCanvas();
    explicit TCanvas(QPaintDevice *device);
    ~TCanvas() override;

    TPen *Pen() const { return m_pen.get(); }
    void SetPen(TPen *pen) { m_pen->Assign(pen); }
    TBrush *Brush() const { return m_brush.get(); }
    void SetBrush(TBrush *brush) { m_brush->Assign(brush); }
    TFont *Font() const { return m_font.get(); }
    void SetFont(TFont *font) { m_font->Assign(font); }

    // The device drawn on when no painter is lent (not owned). Ends an open painter.
    void SetDevice(QPaintDevice *device);
    QPaintDevice *Device() const { return m_device; }
    // Lends the canvas a painter (not owned) until ReleasePainter; its state is saved now and
    // restored on release. clip, when given, is the part of the device the painter's owner
    // will show (a paint event's area); ClipRect reports it.
    void SetPainter(QPainter *painter, const QRect &clip = QRect());
    // Gives a lent painter back, or ends the painter opened on the device, so that the device
    // can be read or resized.
    void ReleasePainter();
    bool HandleAllocated() const { return m_painter != nullptr; }
    // The painter that draws now, opening one on the device if needed; nullptr without either.
    QPainter *Painter();
    // The part of the device that drawing reaches now: the area given with a lent painter,
    // else the whole device; empty without either. Drawing outside it shows nowhere, so a
    // painter of many items may skip the items that lie outside.
    QRect ClipRect() const;

    QPoint PenPos() const;
    void SetPenPos(const QPoint &pos);
    void MoveTo(int x, int y) { SetPenPos(QPoint(x, y)); }
    // A line from the pen position up to, but not including, (x, y).
    void LineTo(int x, int y);
    // Outlined with the pen, filled with the brush.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect &rect) { Rectangle(rect.left(), rect.top(), rect.right() + 1,
                                                  rect.bottom() + 1); }
    void Ellipse(int x1, int y1, int x2, int y2);
    // Fills rect (a QRect: exactly its pixels) with the brush.
    void FillRect(const QRect &rect) { FillRects({&rect, 1}); }
    // Fills each of rects with the brush: one preparation of the painter for all of them.
    void FillRects(std::span<const QRect> rects);
    // Draws a one-pixel border just inside rect in the brush colour.
    void FrameRect(const QRect &rect);
    // Text with its cell's top-left corner at (x, y); the cell is first filled with the brush
    // unless the brush is clear. Moves the pen position to the text's right end.
    void TextOut(int x, int y, const QString &text);
    // Like TextOut, clipped to rect.
    void TextRect(const QRect &rect, int x, int y, const QString &text);
    int TextWidth(const QString &text);
    int TextHeight(const QString &text);
    QSize TextExtent(const QString &text);
    // Draws the graphic at its own size; a transparent bitmap leaves its transparent colour out.
    void Draw(int x, int y, TGraphic *graphic);
    void StretchDraw(const QRect &rect, TGraphic *graphic);
    // Reads from an image device only; clNone elsewhere or outside the image.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Called before and after each drawing operation.
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

private:
    void Changing();
    void Changed();
    // The painter set up with the tools the operation uses; nullptr when nothing can be drawn.
    QPainter *Prepare(bool pen, bool brush, bool font);
    QFontMetrics Metrics();

    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
    // Read through PenPos: after TextOut the pen stands at the text's right end, measured
    // only when it is read, so that drawing a text shapes it once rather than twice.
    mutable QPoint m_penPos;
    struct TextAdvance
    {
        QFontMetrics metrics;
        QString text;
    };
    mutable std::optional<TextAdvance> m_pendingAdvance;
    QRect m_clipRect;
    QPaintDevice *m_device = nullptr; // not owned
    QPainter *m_painter = nullptr;    // m_ownPainter or a lent one (not owned)
    std::unique_ptr<QPainter> m_ownPainter;
};

// An image of some kind that a canvas can draw and a picture can hold.
class TGraphic : public TPersistent
{
    Z_CLASS(TGraphic)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // Raise EFOpenError when the file cannot be read and EInvalidGraphic when it holds no
    // image of this kind.
    virtual void LoadFromFile(const QString &fileName) = 0;
    // Raises EFCreateError when the file cannot be written.
    virtual void SaveToFile(const QString &fileName) = 0;
    // Draws the graphic stretched over rect.
    virtual void Draw(QPainter &painter, const QRect &rect) = 0;

    TNotifyEvent OnChange;

protected:
    void Changed(); // sets Modified and calls OnChange

private:
    bool m_transparent = false;
    bool m_modified = false;
};

// A bitmap held in a QImage (32 bits per pixel while it is edited, saved as BMP).
class TBitmap : public TGraphic
{
    Z_CLASS(TBitmap)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    void Assign(TPersistent *source) override;

    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    void SetWidth(int width) override { SetSize(width, Height()); }
    void SetHeight(int height) override { SetSize(Width(), height); }
    // Keeps the pixels that fit; new pixels are white. A size of 0 makes the bitmap empty.
    void SetSize(int width, int height);

    // The colour left out when drawn transparently: in automatic mode the bottom-left pixel
    // (clDefault for an empty bitmap); setting it switches to fixed mode.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    void LoadFromFile(const QString &fileName) override;
    void SaveToFile(const QString &fileName) override;
    // Loads ":/glyphs/NAME.bmp", matching name ignoring case. False when there is none.
    bool LoadFromResourceName(const QString &name);
    void LoadFromImage(const QImage &image);

    // The pixels, complete: a canvas painter open on them is ended first. Changes made
    // through the reference are not announced: call SetModified(true) afterwards.
    QImage &Image();
    // With transparent, the transparent colour's pixels become fully transparent.
    QImage ToImage(bool transparent);
    QPixmap ToPixmap(bool transparent);
    // A canvas that draws on the bitmap, made on first use (owned).
    TCanvas *Canvas();

    void Draw(QPainter &painter, const QRect &rect) override;

private:
    void CanvasChanged(TObject *sender);
    void ReleaseCanvas();

    QImage m_image;
    std::unique_ptr<TCanvas> m_canvas;
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = tmAuto;
};

// An icon read from an ICO file; one image, drawn stretched.
class TIcon : public TGraphic
{
    Z_CLASS(TIcon)
public:
    TIcon() = default;
    void Assign(TPersistent *source) override;

    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    // An icon's size comes from its file: these raise EInvalidGraphic.
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    void LoadFromFile(const QString &fileName) override;
    void SaveToFile(const QString &fileName) override;
    void LoadFromImage(const QImage &image);
    const QImage &Image() const { return m_image; }
    QIcon ToQIcon() const;

    void Draw(QPainter &painter, const QRect &rect) override;

private:
    QImage m_image;
};

// Holds one graphic of any kind; asking for Bitmap or Icon replaces a graphic of another kind.
class TPicture : public TPersistent
{
    Z_CLASS(TPicture)
public:
    TPicture() = default;
    ~TPicture() override;
    // From a picture, a graphic (copied) or nullptr (cleared).
    void Assign(TPersistent *source) override;

    TGraphic *Graphic() const { return m_graphic.get(); } // owned, may be nullptr
    // Stores a copy of graphic; nullptr clears the picture.
    void SetGraphic(TGraphic *graphic);
    TBitmap *Bitmap();
    void SetBitmap(TBitmap *bitmap) { SetGraphic(bitmap); }
    TIcon *Icon();
    void SetIcon(TIcon *icon) { SetGraphic(icon); }
    int Width() const { return m_graphic ? m_graphic->Width() : 0; }
    int Height() const { return m_graphic ? m_graphic->Height() : 0; }

    // The graphic's kind follows the extension (.bmp, .ico); others raise EInvalidGraphic.
    void LoadFromFile(const QString &fileName);
    // An empty picture writes nothing.
    void SaveToFile(const QString &fileName);

    TNotifyEvent OnChange;

protected:
    // Lets a graphic be assigned from a picture: it takes the picture's graphic.
    void AssignTo(TPersistent *dest) override;

private:
    void Changed(TObject *sender);
    void Take(TGraphic *graphic);

    std::unique_ptr<TGraphic> m_graphic;
};
