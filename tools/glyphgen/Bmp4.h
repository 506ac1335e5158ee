#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

// The classic 16-colour palette, in the order the BMP files store it.
inline constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, // black, maroon, green, olive
    0xff000080, 0xff800080, 0xff008080, 0xff808080, // navy, purple, teal, gray
    0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xffffff00, // silver, red, lime, yellow
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff, // blue, fuchsia, aqua, white
};

// The palette index nearest to colour (squared distance in RGB); exact matches give 0 distance.
int NearestPaletteIndex(QRgb colour, int *distance = nullptr);

// Writes image as an uncompressed 4-bit BMP with the palette above: BITMAPFILEHEADER,
// BITMAPINFOHEADER (biBitCount 4, biClrUsed 16), then bottom-up rows padded to 4 bytes.
// Every pixel is mapped to its nearest palette colour. Returns false with error set on failure.
bool WriteBmp4(const QImage &image, const QString &fileName, QString *error);
