#include "ExtDlgs.h"

namespace {

struct GraphicFormat
{
    const char *description;
    const char *pattern;
};

// The formats TPicture loads and saves, by extension.
constexpr GraphicFormat kFormats[] = {
    {"Bitmaps", "*.bmp"},
    {"Icons", "*.ico"},
};

} // namespace

QString GraphicFilter()
{
    QStringList all;
    for (const GraphicFormat &f : kFormats)
        all << QString::fromLatin1(f.pattern);
    const QString allPatterns = all.join(QLatin1Char(';'));
    QString filter = QStringLiteral("All (%1)|%1").arg(allPatterns);
    for (const GraphicFormat &f : kFormats) {
        filter += QStringLiteral("|%1 (%2)|%2")
                      .arg(QString::fromLatin1(f.description), QString::fromLatin1(f.pattern));
    }
    return filter;
}

Z_DEFINE_CLASS(TOpenPictureDialog, TOpenDialog, NoPublishedProps)

TOpenPictureDialog::TOpenPictureDialog(TComponent *owner) : TOpenDialog(owner)
{
    SetFilter(GraphicFilter());
}

Z_DEFINE_CLASS(TSavePictureDialog, TOpenPictureDialog, NoPublishedProps)

TSavePictureDialog::TSavePictureDialog(TComponent *owner) : TOpenPictureDialog(owner) {}
