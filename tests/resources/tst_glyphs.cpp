// The palette glyphs compiled into the resources library: one for each placeable class and the
// default picture, found by name in any letter case, each a 24 by 24, 16-colour BMP whose
// bottom-left pixel is a key colour used only as background.

#include "Graphics.h"
#include "PaletteGlyphs.h"

#include <QFile>
#include <QtTest>

namespace {

const char *const kClassNames[] = {
    "TZeMainMenu", "TZePopupMenu", "TZeLabel", "TZeEdit", "TZeMemo", "TZeButton",
    "TZeCheckBox", "TZeRadioButton", "TZeListBox", "TZeComboBox", "TZeScrollBar",
    "TZeGroupBox", "TZeRadioGroup", "TZePanel",
    "TZeBitBtn", "TZeSpeedButton", "TZeMaskEdit", "TZeStringGrid", "TZeImage", "TZeShape",
    "TZeBevel", "TZeScrollBox", "TZeCheckListBox", "TZeSplitter", "TZeStaticText",
    "TZePageControl", "TZeImageList", "TZeRichEdit", "TZeTrackBar", "TZeProgressBar",
    "TZeUpDown", "TZeHotKey", "TZeAnimate", "TZeDateTimePicker", "TZeHeaderControl",
    "TZeStatusBar",
    "TZeTimer", "TZeMediaPlayer", "TZeOleContainer",
    "TZeDataSource", "TZeDBGrid", "TZeDBNavigator", "TZeDBText", "TZeDBEdit", "TZeDBMemo",
    "TZeDBImage", "TZeDBListBox", "TZeDBComboBox", "TZeDBCheckBox", "TZeDBRadioGroup",
    "TZeDBLookupListBox", "TZeDBLookupComboBox", "TZeDBRichEdit",
    "TZeOpenDialog", "TZeSaveDialog", "TZeOpenPictureDialog", "TZeSavePictureDialog",
    "TZeFontDialog", "TZeColorDialog", "TZePrintDialog", "TZePrinterSetupDialog",
    "TZeFindDialog", "TZeReplaceDialog",
};

QStringList ExpectedNames()
{
    QStringList names;
    for (const char *name : kClassNames)
        names.append(QString::fromLatin1(name));
    names.append(QString::fromLatin1(kDefaultGlyphName));
    return names;
}

quint32 LittleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

} // namespace

class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void resourceSetIsComplete();
    void loadsByName_data();
    void loadsByName();
    void glyphsDiffer();
};

// Exactly the 63 class glyphs and the default picture, no more and no fewer.
void TestGlyphs::resourceSetIsComplete()
{
    QCOMPARE(std::size(kClassNames), std::size_t(63));
    QStringList expected;
    for (const QString &name : ExpectedNames())
        expected.append(name.toUpper());
    expected.sort();
    QCOMPARE(PaletteGlyphNames(), expected);
}

void TestGlyphs::loadsByName_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : ExpectedNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestGlyphs::loadsByName()
{
    QFETCH(QString, name);
    for (const QString &asked : {name, name.toLower(), name.toUpper()}) {
        TBitmap bitmap;
        QVERIFY2(bitmap.LoadFromResourceName(asked), qPrintable(asked));
        QCOMPARE(bitmap.Width(), 24);
        QCOMPARE(bitmap.Height(), 24);
    }

    QFile file(QStringLiteral(":/glyphs/%1.bmp").arg(name.toUpper()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(LittleEndian(bytes, 2, 4), quint32(bytes.size())); // bfSize
    QCOMPARE(LittleEndian(bytes, 14, 4), 40u);                    // biSize
    QCOMPARE(LittleEndian(bytes, 28, 2), 4u);                     // biBitCount
    QCOMPARE(LittleEndian(bytes, 30, 4), 0u);                     // biCompression
    QCOMPARE(LittleEndian(bytes, 46, 4), 16u);                    // biClrUsed

    // The key colour is background (it is in the corners), and the glyph is not blank.
    TBitmap bitmap;
    QVERIFY(bitmap.LoadFromResourceName(name));
    const QImage image = bitmap.ToImage(false);
    const QRgb key = image.pixel(0, 23);
    QCOMPARE(image.pixel(0, 0), key);
    int drawnPixels = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x)
            drawnPixels += image.pixel(x, y) != key;
    }
    QVERIFY2(drawnPixels >= 48, qPrintable(name));
}

// Each class shows its own picture: no two glyphs are the same image.
void TestGlyphs::glyphsDiffer()
{
    QHash<QByteArray, QString> seen;
    for (const QString &name : ExpectedNames()) {
        TBitmap bitmap;
        QVERIFY(bitmap.LoadFromResourceName(name));
        const QImage image = bitmap.ToImage(false).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()),
                                int(image.sizeInBytes()));
        QVERIFY2(!seen.contains(pixels),
                 qPrintable(name + QStringLiteral(" repeats ") + seen.value(pixels)));
        seen.insert(pixels, name);
    }
}

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
