// Draws the palette glyphs and writes them as 24 by 24, 16-colour BMP files.
//
//   glyphgen OUTPUT_DIR [--sheet SHEET.png]
//
// The sheet shows every glyph four times enlarged on a button face, with the key colour left
// out as the palette buttons leave it out, eight to a row in palette order.

#include "Bmp4.h"
#include "Glyphs.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kSize = 24;
constexpr int kScale = 4;
constexpr int kSheetColumns = 8;
constexpr int kSheetGap = 8;

std::vector<GlyphDef> AllGlyphs()
{
    std::vector<GlyphDef> all;
    for (const auto &page : {StandardGlyphs(), Win32Glyphs(), DatabaseGlyphs(), DialogGlyphs()})
        all.insert(all.end(), page.begin(), page.end());
    return all;
}

QImage DrawGlyph(const GlyphDef &glyph)
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    Canvas canvas(painter);
    glyph.draw(canvas);
    return image;
}

// Every pixel must already be a palette colour (the drawing is not antialiased), and the
// bottom-left pixel must be the key colour, which the buttons take as transparent.
bool CheckGlyph(const char *name, const QImage &image)
{
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int distance = 0;
            NearestPaletteIndex(image.pixel(x, y), &distance);
            if (distance != 0) {
                std::fprintf(stderr, "%s: pixel (%d, %d) is not a palette colour\n", name, x, y);
                return false;
            }
        }
    }
    if (image.pixel(0, kSize - 1) != kKey.rgb()) {
        std::fprintf(stderr, "%s: the bottom-left pixel is not the key colour\n", name);
        return false;
    }
    return true;
}

QImage Sheet(const std::vector<QImage> &glyphs)
{
    const int cell = kSize * kScale + kSheetGap;
    const int rows = (int(glyphs.size()) + kSheetColumns - 1) / kSheetColumns;
    QImage sheet(kSheetGap + kSheetColumns * cell, kSheetGap + rows * cell,
                 QImage::Format_RGB32);
    sheet.fill(kGray);
    QPainter painter(&sheet);
    for (int i = 0; i < int(glyphs.size()); ++i) {
        QImage shown = glyphs[i].convertToFormat(QImage::Format_RGB32);
        const QRgb key = shown.pixel(0, kSize - 1);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (shown.pixel(x, y) == key)
                    shown.setPixel(x, y, kSilver.rgb());
            }
        }
        const QPoint at(kSheetGap + (i % kSheetColumns) * cell,
                        kSheetGap + (i / kSheetColumns) * cell);
        painter.drawImage(at, shown.scaled(kSize * kScale, kSize * kScale));
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && !(argc == 4 && QByteArray(argv[2]) == "--sheet")) {
        std::fprintf(stderr, "usage: glyphgen OUTPUT_DIR [--sheet SHEET.png]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "glyphgen: %s is not a folder\n", argv[1]);
        return 1;
    }
    std::vector<QImage> drawn;
    for (const GlyphDef &glyph : AllGlyphs()) {
        const QImage image = DrawGlyph(glyph);
        if (!CheckGlyph(glyph.name, image))
            return 1;
        QString error;
        const QString path = dir.filePath(QString::fromLatin1(glyph.name) + ".bmp");
        if (!WriteBmp4(image, path, &error)) {
            std::fprintf(stderr, "glyphgen: %s\n", qPrintable(error));
            return 1;
        }
        drawn.push_back(image);
    }
    if (argc == 4 && !Sheet(drawn).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "glyphgen: cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("glyphgen: wrote %d glyphs to %s\n", int(drawn.size()), argv[1]);
    return 0;
}
