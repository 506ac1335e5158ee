#include "Bmp4.h"

#include <QByteArray>
#include <QFile>

#include <limits>

namespace {

void PutU16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void PutU32(QByteArray &out, quint32 value)
{
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteSize = 16 * 4;

} // namespace

int NearestPaletteIndex(QRgb colour, int *distance)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < int(kPalette.size()); ++i) {
        const int dr = qRed(colour) - qRed(kPalette[i]);
        const int dg = qGreen(colour) - qGreen(kPalette[i]);
        const int db = qBlue(colour) - qBlue(kPalette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (distance)
        *distance = bestDistance;
    return best;
}

bool WriteBmp4(const QImage &image, const QString &fileName, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    // Two pixels per byte, each row padded to a multiple of 4 bytes.
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    const quint32 pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const quint32 imageSize = quint32(rowBytes * height);

    QByteArray out;
    out.reserve(int(pixelOffset + imageSize));
    out.append("BM", 2);
    PutU32(out, pixelOffset + imageSize); // bfSize
    PutU16(out, 0);                       // bfReserved1
    PutU16(out, 0);                       // bfReserved2
    PutU32(out, pixelOffset);             // bfOffBits

    PutU32(out, kInfoHeaderSize); // biSize
    PutU32(out, quint32(width));  // biWidth
    PutU32(out, quint32(height)); // biHeight, positive: rows stored bottom-up
    PutU16(out, 1);               // biPlanes
    PutU16(out, 4);               // biBitCount
    PutU32(out, 0);               // biCompression: BI_RGB
    PutU32(out, imageSize);       // biSizeImage
    PutU32(out, 0);               // biXPelsPerMeter
    PutU32(out, 0);               // biYPelsPerMeter
    PutU32(out, 16);              // biClrUsed
    PutU32(out, 16);              // biClrImportant

    for (QRgb entry : kPalette) { // RGBQUAD: blue, green, red, reserved
        out.append(char(qBlue(entry)));
        out.append(char(qGreen(entry)));
        out.append(char(qRed(entry)));
        out.append(char(0));
    }

    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = NearestPaletteIndex(line[x]);
            // The left pixel of each pair goes in the high nibble.
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
