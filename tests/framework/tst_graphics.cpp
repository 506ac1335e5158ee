#include "Graphics.h"
#include "TypInfo.h"

#include <QFontInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ChangeCounter
{
    void Changed(TObject *sender)
    {
        ++count;
        last = sender;
    }
    int count = 0;
    TObject *last = nullptr;
};

// The pixel's colour, opaque, to compare with qRgb values.
QRgb Px(TBitmap &bmp, int x, int y)
{
    const QRgb p = bmp.Image().pixel(x, y);
    return qRgb(qRed(p), qGreen(p), qBlue(p));
}

QString MessageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

} // namespace

class GraphicsTest : public QObject
{
    Q_OBJECT
private slots:
    void colorToQColor_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red is the low byte") << int(clRed) << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << int(clBlue) << QColor(0, 0, 255);
        QTest::newRow("bgr value") << 0x00336699 << QColor(0x99, 0x66, 0x33);
        QTest::newRow("btn face") << int(clBtnFace) << QColor(0xD4, 0xD0, 0xC8);
        QTest::newRow("window") << int(clWindow) << QColor(Qt::white);
        QTest::newRow("window text") << int(clWindowText) << QColor(Qt::black);
        QTest::newRow("highlight") << int(clHighlight) << QColor(0, 0, 0x80);
        QTest::newRow("info bk") << int(clInfoBk) << QColor(0xFF, 0xFF, 0xE1);
        QTest::newRow("default is the window") << int(clDefault) << QColor(Qt::white);
        QTest::newRow("none is transparent") << int(clNone) << QColor(0, 0, 0, 0);
    }

    void colorToQColor()
    {
        QFETCH(int, color);
        QFETCH(QColor, expected);
        QCOMPARE(ColorToQColor(color), expected);
    }

    void qColorToColorRoundTrips()
    {
        for (TColor c : {clBlack, clMaroon, clTeal, clAqua, TColor(0x00123456)})
            QCOMPARE(QColorToColor(ColorToQColor(c)), c);
        QCOMPARE(QColorToColor(ColorToQColor(clBtnFace)), ColorToRGB(clBtnFace));
        QCOMPARE(ColorToRGB(clBtnFace), TColor(0xC8D0D4));
        QCOMPARE(QColorToColor(QColor()), clNone);
        QCOMPARE(QColorToColor(QColor(0, 0, 0, 0)), clNone);
    }

    void colorStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("written");
        QTest::newRow("name") << "clBtnFace" << int(clBtnFace) << "clBtnFace";
        QTest::newRow("name ignoring case") << "CLRED" << int(clRed) << "clRed";
        QTest::newRow("hex") << "$00123456" << 0x123456 << "$00123456";
        QTest::newRow("decimal") << "1193046" << 0x123456 << "$00123456";
        QTest::newRow("unnamed system colour") << "$80000030" << int(clSystemColor + 0x30)
                                               << "$80000030";
    }

    void colorStrings()
    {
        QFETCH(QString, text);
        QFETCH(int, color);
        QFETCH(QString, written);
        QCOMPARE(StringToColor(text), color);
        QCOMPARE(ColorToString(color), written);
    }

    void badColorTextIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(EConvertError, StringToColor("clReddish"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, StringToColor(""));
    }

    void fontPublishesClassicProperties()
    {
        TFont font;
        QCOMPARE(font.Charset(), 1);
        QCOMPARE(font.Color(), clWindowText);
        QCOMPARE(font.Height(), -11);
        QCOMPARE(font.Size(), 8);
        QCOMPARE(font.Name(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.Style(), TFontStyles(0));

        // Editors are found by type record identity.
        QCOMPARE(GetPropInfo(&font, "Charset")->PropType, TypeInfoTFontCharset());
        QCOMPARE(GetPropInfo(&font, "Color")->PropType, TypeInfoTColor());
        QCOMPARE(GetPropInfo(&font, "Name")->PropType, TypeInfoString());
        QCOMPARE(GetPropInfo(&font, "Height")->PropType, TypeInfoInteger());
        const TPropInfo *style = GetPropInfo(&font, "Style");
        QCOMPARE(style->PropType->Kind, KindSet);
        QCOMPARE(GetTypeData(style->PropType)->EnumNames,
                 (QStringList{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
        QCOMPARE(GetPropInfo(&font, "Pitch")->PropType->EnumNames,
                 (QStringList{"fpDefault", "fpVariable", "fpFixed"}));

        SetOrdProp(&font, style, FontStyles({fsBold, fsStrikeOut}));
        QCOMPARE(font.Style(), TFontStyles(0b1001));
        SetStrProp(&font, GetPropInfo(&font, "Name"), "Arial");
        QCOMPARE(font.Name(), QStringLiteral("Arial"));
        SetOrdProp(&font, GetPropInfo(&font, "Size"), 12);
        QCOMPARE(GetOrdProp(&font, GetPropInfo(&font, "Height")), -16);
    }

    void fontSizeAndHeight_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("sizeBack");
        QTest::newRow("8 pt") << 8 << -11 << 8;
        QTest::newRow("9 pt") << 9 << -12 << 9;
        QTest::newRow("10 pt") << 10 << -13 << 10;
        QTest::newRow("12 pt") << 12 << -16 << 12;
        QTest::newRow("72 pt") << 72 << -96 << 72;
    }

    void fontSizeAndHeight()
    {
        QFETCH(int, size);
        QFETCH(int, height);
        QFETCH(int, sizeBack);
        TFont font;
        font.SetSize(size);
        QCOMPARE(font.Height(), height);
        QCOMPARE(font.Size(), sizeBack);
    }

    void fontAnnouncesEachRealChange()
    {
        TFont font;
        ChangeCounter counter;
        font.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&counter);
        font.SetColor(clRed);
        font.SetColor(clRed);
        font.SetHeight(-13);
        font.SetSize(10); // the same height
        font.SetStyle(FontStyles({fsItalic}));
        font.SetName("Courier New");
        font.SetPitch(fpFixed);
        font.SetCharset(0);
        QCOMPARE(counter.count, 6);
        QCOMPARE(counter.last, static_cast<TObject *>(&font));

        TFont other;
        ChangeCounter otherCounter;
        other.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&otherCounter);
        other.Assign(&font);
        QCOMPARE(otherCounter.count, 1);
        QVERIFY(other == font);
        QCOMPARE(other.Name(), QStringLiteral("Courier New"));
        other.Assign(&font);
        QCOMPARE(otherCounter.count, 1);

        TPen pen;
        QCOMPARE(MessageOf([&] { font.Assign(&pen); }),
                 QStringLiteral("Cannot assign a TPen to a TFont"));
    }

    void toQFontUsesInstalledTwins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("sans serif") << "MS Sans Serif" << "DejaVu Sans";
        QTest::newRow("ignoring case") << "ms sans serif" << "DejaVu Sans";
        QTest::newRow("courier") << "Courier New" << "Liberation Mono";
        QTest::newRow("arial") << "Arial" << "Liberation Sans";
        QTest::newRow("times") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("installed name kept") << "DejaVu Sans Mono" << "DejaVu Sans Mono";
    }

    void toQFontUsesInstalledTwins()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        TFont font;
        font.SetName(name);
        const QFont qfont = font.ToQFont();
        QCOMPARE(qfont.family(), family);
        // The face is really there, not a fallback.
        QCOMPARE(QFontInfo(qfont).family(), family);
        QCOMPARE(qfont.pixelSize(), 11);
    }

    void toQFontCarriesStyleAndSize()
    {
        TFont font;
        font.SetStyle(FontStyles({fsBold, fsUnderline}));
        font.SetHeight(-16);
        QFont qfont = font.ToQFont();
        QVERIFY(qfont.bold());
        QVERIFY(qfont.underline());
        QVERIFY(!qfont.italic());
        QVERIFY(!qfont.strikeOut());
        QCOMPARE(qfont.pixelSize(), 16);
        font.SetHeight(24); // cell height: converted as points
        QCOMPARE(font.ToQFont().pointSizeF(), 18.0);
    }

    void penAndBrushDefaultsAndNotification()
    {
        TPen pen;
        TBrush brush;
        QCOMPARE(GetPropInfo(&pen, "Width")->Default, 1);
        QCOMPARE(GetPropInfo(&pen, "Style")->PropType, TypeInfoTPenStyle());
        QCOMPARE(GetPropInfo(&brush, "Color")->Default, clWhite);
        QCOMPARE(GetPropInfo(&brush, "Style")->PropType, TypeInfoTBrushStyle());
        ChangeCounter counter;
        pen.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&counter);
        pen.SetWidth(3);
        pen.SetStyle(psDot);
        pen.SetStyle(psDot);
        pen.SetWidth(0); // a pen is at least one pixel wide
        QCOMPARE(pen.Width(), 1);
        QCOMPARE(counter.count, 3);
        QCOMPARE(pen.ToQPen().style(), Qt::DotLine);
        pen.SetStyle(psClear);
        QCOMPARE(pen.ToQPen().style(), Qt::NoPen);

        brush.SetStyle(bsClear);
        QCOMPARE(brush.ToQBrush().style(), Qt::NoBrush);
        brush.SetColor(clRed); // choosing a colour paints with it again
        QCOMPARE(brush.Style(), bsSolid);
        QCOMPARE(brush.ToQBrush().color(), QColor(Qt::red));
    }

    void canvasShapesExcludeRightAndBottom()
    {
        TBitmap bmp(20, 20);
        TCanvas *c = bmp.Canvas();
        c->Brush()->SetColor(clRed);
        c->Rectangle(2, 2, 10, 8);
        QCOMPARE(Px(bmp, 2, 2), qRgb(0, 0, 0));
        QCOMPARE(Px(bmp, 9, 7), qRgb(0, 0, 0));   // last outline pixel
        QCOMPARE(Px(bmp, 10, 7), qRgb(255, 255, 255)); // right excluded
        QCOMPARE(Px(bmp, 9, 8), qRgb(255, 255, 255));  // bottom excluded
        QCOMPARE(Px(bmp, 5, 5), qRgb(255, 0, 0));  // filled with the brush

        c->Brush()->SetColor(clBlue);
        c->FillRect(QRect(12, 12, 3, 2));
        QCOMPARE(Px(bmp, 12, 12), qRgb(0, 0, 255));
        QCOMPARE(Px(bmp, 14, 13), qRgb(0, 0, 255));
        QCOMPARE(Px(bmp, 15, 13), qRgb(255, 255, 255));
        QCOMPARE(Px(bmp, 14, 14), qRgb(255, 255, 255));

        c->Brush()->SetColor(clLime);
        c->FrameRect(QRect(0, 10, 5, 5));
        QCOMPARE(Px(bmp, 0, 10), qRgb(0, 255, 0));
        QCOMPARE(Px(bmp, 4, 14), qRgb(0, 255, 0));
        QCOMPARE(Px(bmp, 2, 12), qRgb(255, 255, 255)); // inside left alone
    }

    void canvasLineToLeavesTheEndPointOut_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("beforeEnd");
        QTest::newRow("right") << QPoint(1, 1) << QPoint(6, 1) << QPoint(5, 1);
        QTest::newRow("left") << QPoint(6, 1) << QPoint(1, 1) << QPoint(2, 1);
        QTest::newRow("down") << QPoint(6, 1) << QPoint(6, 5) << QPoint(6, 4);
        QTest::newRow("up") << QPoint(2, 8) << QPoint(2, 3) << QPoint(2, 4);
        QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(6, 6) << QPoint(5, 5);
        QTest::newRow("back diagonal") << QPoint(8, 1) << QPoint(3, 6) << QPoint(4, 5);
    }

    void canvasLineToLeavesTheEndPointOut()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, beforeEnd);
        TBitmap bmp(10, 10);
        TCanvas *c = bmp.Canvas();
        c->Pen()->SetColor(clRed);
        c->MoveTo(from.x(), from.y());
        c->LineTo(to.x(), to.y());
        QCOMPARE(c->PenPos(), to);
        QCOMPARE(Px(bmp, from.x(), from.y()), qRgb(255, 0, 0));
        QCOMPARE(Px(bmp, beforeEnd.x(), beforeEnd.y()), qRgb(255, 0, 0));
        QCOMPARE(Px(bmp, to.x(), to.y()), qRgb(255, 255, 255));
    }

    void canvasPixelsAndNotification()
    {
        TBitmap bmp(4, 4);
        ChangeCounter counter;
        bmp.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&counter);
        bmp.Canvas()->SetPixels(1, 2, clPurple);
        QCOMPARE(bmp.Canvas()->Pixels(1, 2), clPurple);
        QCOMPARE(bmp.Canvas()->Pixels(0, 0), clWhite);
        QCOMPARE(bmp.Canvas()->Pixels(4, 0), clNone);
        QCOMPARE(counter.count, 1);
        QVERIFY(bmp.Modified());
    }

    void canvasTextOut()
    {
        TBitmap bmp(80, 30);
        TCanvas *c = bmp.Canvas();
        c->Brush()->SetColor(clYellow);
        c->Font()->SetColor(clBlack);
        const QSize extent = c->TextExtent("Hg");
        QVERIFY(extent.width() > 0 && extent.height() >= 11);
        c->TextOut(3, 4, "Hg");
        QCOMPARE(c->PenPos(), QPoint(3 + extent.width(), 4));
        // The cell is filled with the brush, the glyphs are drawn in the font colour.
        QCOMPARE(Px(bmp, 3, 4), qRgb(255, 255, 0));
        QCOMPARE(Px(bmp, 2, 4), qRgb(255, 255, 255));
        int dark = 0;
        for (int y = 4; y < 4 + extent.height(); ++y) {
            for (int x = 3; x < 3 + extent.width(); ++x)
                dark += qGray(Px(bmp, x, y)) < 100;
        }
        QVERIFY(dark > 5);
        c->Brush()->SetStyle(bsClear);
        c->TextOut(3, 20, "H");
        QCOMPARE(Px(bmp, 3, 20), qRgb(255, 255, 255));
    }

    // Without a brush to fill, the text's width is measured only when the pen position is
    // read: the position must come out as the filled case gives it, whatever the canvas does
    // in between.
    void canvasTextOutPenPositionWithClearBrush()
    {
        TBitmap bmp(120, 40);
        TCanvas *c = bmp.Canvas();
        c->Brush()->SetStyle(bsClear);
        const int width = c->TextWidth("Wide text");
        c->TextOut(5, 6, "Wide text");
        // A later font change does not alter the width of the text already drawn.
        c->Font()->SetHeight(-30);
        QCOMPARE(c->PenPos(), QPoint(5 + width, 6));
        // A line goes on from the text's end.
        c->Font()->SetHeight(-11);
        c->TextOut(0, 20, "ab");
        const int ab = c->TextWidth("ab");
        c->Pen()->SetColor(clRed);
        c->LineTo(ab + 10, 20);
        QCOMPARE(Px(bmp, ab, 20), qRgb(255, 0, 0));
        QCOMPARE(Px(bmp, ab - 1, 20) == qRgb(255, 0, 0), false);
        QCOMPARE(c->PenPos(), QPoint(ab + 10, 20));
        // Moving the pen drops the pending width.
        c->TextOut(50, 30, "xyz");
        c->MoveTo(1, 2);
        QCOMPARE(c->PenPos(), QPoint(1, 2));
        c->TextOut(50, 30, "xyz");
        c->SetPenPos(QPoint(7, 8));
        QCOMPARE(c->PenPos(), QPoint(7, 8));
    }

    void canvasClipRect()
    {
        TBitmap bmp(30, 20);
        QCOMPARE(bmp.Canvas()->ClipRect(), QRect(0, 0, 30, 20)); // the whole device
        QCOMPARE(TCanvas().ClipRect(), QRect());
        QImage image(40, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        TCanvas canvas;
        canvas.SetPainter(&painter, QRect(5, 6, 10, 12));
        QCOMPARE(canvas.ClipRect(), QRect(5, 6, 10, 12));
        canvas.ReleasePainter();
        QCOMPARE(canvas.ClipRect(), QRect());
        // Lent without an area: the painter's whole device.
        canvas.SetPainter(&painter);
        QCOMPARE(canvas.ClipRect(), QRect(0, 0, 40, 40));
        canvas.ReleasePainter();
    }

    void canvasWithoutDeviceCannotDraw()
    {
        TCanvas canvas;
        QVERIFY(canvas.TextWidth("abc") > 0); // measuring needs no device
        QCOMPARE(MessageOf([&] { canvas.Rectangle(0, 0, 5, 5); }),
                 QStringLiteral("Canvas does not allow drawing"));
        TBitmap empty;
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, empty.Canvas()->LineTo(3, 3));
    }

    void canvasOnALentPainterRestoresItsState()
    {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::green, 1));
        TCanvas canvas;
        canvas.SetPainter(&painter);
        canvas.Pen()->SetColor(clRed);
        canvas.Rectangle(0, 0, 4, 4);
        canvas.ReleasePainter();
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
        QVERIFY(!canvas.HandleAllocated());
        painter.end();
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
    }

    void bitmapResizeKeepsPixelsAndEndsThePainter()
    {
        TBitmap bmp(4, 4);
        bmp.Canvas()->SetPixels(1, 1, clRed);
        QVERIFY(bmp.Canvas()->HandleAllocated());
        bmp.SetSize(8, 6); // the open painter must not outlive the old image
        QVERIFY(!bmp.Canvas()->HandleAllocated());
        QCOMPARE(Px(bmp, 1, 1), qRgb(255, 0, 0));
        QCOMPARE(Px(bmp, 7, 5), qRgb(255, 255, 255));
        bmp.Canvas()->SetPixels(7, 5, clBlue);
        QCOMPARE(Px(bmp, 7, 5), qRgb(0, 0, 255));
        bmp.SetSize(0, 6);
        QVERIFY(bmp.Empty());
        QCOMPARE(bmp.TransparentColor(), clDefault);
    }

    void bitmapTransparency()
    {
        TBitmap bmp(3, 3);
        bmp.Canvas()->SetPixels(0, 2, clFuchsia); // bottom-left: the automatic colour
        bmp.Canvas()->SetPixels(2, 0, clFuchsia);
        QCOMPARE(bmp.TransparentMode(), tmAuto);
        QCOMPARE(bmp.TransparentColor(), clFuchsia);
        QImage image = bmp.ToImage(true);
        QCOMPARE(qAlpha(image.pixel(2, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(1, 1)), 255);
        QCOMPARE(qAlpha(bmp.ToImage(false).pixel(2, 0)), 255);

        bmp.SetTransparentColor(clWhite);
        QCOMPARE(bmp.TransparentMode(), tmFixed);
        QCOMPARE(qAlpha(bmp.ToImage(true).pixel(1, 1)), 0);
        QCOMPARE(qAlpha(bmp.ToPixmap(true).toImage().pixel(2, 0)), 255);
        bmp.SetTransparentMode(tmAuto);
        QCOMPARE(bmp.TransparentColor(), clFuchsia);

        // Drawn transparently, the transparent colour leaves the target alone.
        bmp.SetTransparent(true);
        TBitmap target(5, 5);
        target.Canvas()->Brush()->SetColor(clGreen);
        target.Canvas()->FillRect(QRect(0, 0, 5, 5));
        target.Canvas()->Draw(1, 1, &bmp);
        QCOMPARE(Px(target, 1, 3), qRgb(0, 0x80, 0));
        QCOMPARE(Px(target, 2, 2), qRgb(255, 255, 255));
    }

    void bitmapAssignIsADeepCopy()
    {
        TBitmap source(3, 3);
        source.Canvas()->SetPixels(1, 1, clRed);
        source.SetTransparentColor(clRed);
        TBitmap copy;
        copy.Assign(&source);
        copy.Canvas()->SetPixels(1, 1, clBlue);
        QCOMPARE(Px(source, 1, 1), qRgb(255, 0, 0));
        QCOMPARE(copy.TransparentColor(), clRed);
        copy.Assign(nullptr);
        QVERIFY(copy.Empty());
        TFont font;
        QVERIFY_THROWS_EXCEPTION(EConvertError, copy.Assign(&font));
    }

    void bitmapFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("b.bmp");
        TBitmap bmp(5, 4);
        bmp.Canvas()->SetPixels(4, 3, clNavy);
        bmp.SaveToFile(path);
        TBitmap loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.Width(), 5);
        QCOMPARE(loaded.Height(), 4);
        QCOMPARE(Px(loaded, 4, 3), qRgb(0, 0, 0x80));

        QCOMPARE(MessageOf([&] { loaded.LoadFromFile(dir.filePath("missing.bmp")); }),
                 "Cannot open file " + dir.filePath("missing.bmp"));
        QFile bogus(dir.filePath("bogus.bmp"));
        QVERIFY(bogus.open(QIODevice::WriteOnly));
        bogus.write("BM but not a bitmap");
        bogus.close();
        QCOMPARE(MessageOf([&] { loaded.LoadFromFile(bogus.fileName()); }),
                 QStringLiteral("Bitmap image is not valid"));
        QCOMPARE(loaded.Width(), 5); // unchanged by the failed load
        // A PNG is not a bitmap, whatever its name says.
        const QString png = dir.filePath("p.bmp");
        QVERIFY(bmp.Image().save(png, "PNG"));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, loaded.LoadFromFile(png));
        QVERIFY_THROWS_EXCEPTION(EFCreateError,
                                 bmp.SaveToFile(bogus.fileName() + "/under/a/file.bmp"));
    }

    void bitmapFromResourceIgnoresCase()
    {
        TBitmap bmp;
        QVERIFY(bmp.LoadFromResourceName("TestGlyph"));
        QCOMPARE(bmp.Width(), 24);
        QCOMPARE(bmp.Height(), 24);
        QCOMPARE(Px(bmp, 12, 12), qRgb(0, 255, 0));
        QCOMPARE(bmp.TransparentColor(), clBlue); // the bottom-left pixel
        QVERIFY(!bmp.LoadFromResourceName("NoSuchGlyph"));
        QCOMPARE(bmp.Width(), 24);
    }

    void pictureHoldsOneGraphic()
    {
        QTemporaryDir dir;
        TPicture picture;
        ChangeCounter counter;
        picture.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&counter);
        picture.Bitmap()->SetSize(6, 2);
        QCOMPARE(picture.Width(), 6);
        QCOMPARE(counter.count, 2); // the new bitmap, then its size
        const int before = counter.count;
        picture.Bitmap()->Canvas()->SetPixels(0, 0, clRed); // changes of the graphic surface
        QCOMPARE(counter.count, before + 1);

        const QString bmpPath = dir.filePath("p.BMP");
        picture.SaveToFile(bmpPath);
        TPicture loaded;
        loaded.LoadFromFile(bmpPath);
        QVERIFY(loaded.Graphic()->Is<TBitmap>());
        QCOMPARE(loaded.Height(), 2);

        TIcon icon;
        QImage iconImage(16, 16, QImage::Format_ARGB32);
        iconImage.fill(Qt::transparent);
        icon.LoadFromImage(iconImage);
        const QString icoPath = dir.filePath("i.ico");
        icon.SaveToFile(icoPath);
        loaded.LoadFromFile(icoPath);
        QVERIFY(loaded.Graphic()->Is<TIcon>());
        QCOMPARE(loaded.Width(), 16);
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, loaded.Icon()->SetWidth(3));
        // Asking for a bitmap replaces the icon.
        QCOMPARE(loaded.Bitmap()->Width(), 0);

        QCOMPARE(MessageOf([&] { loaded.LoadFromFile(dir.filePath("x.gif")); }),
                 QStringLiteral("Unknown picture file extension (.gif)"));

        // Assigning copies the graphic; a bitmap can take a picture's graphic too.
        TPicture copy;
        copy.Assign(&picture);
        QVERIFY(copy.Graphic() != picture.Graphic());
        QCOMPARE(copy.Width(), 6);
        TBitmap bmp;
        bmp.Assign(&picture);
        QCOMPARE(Px(bmp, 0, 0), qRgb(255, 0, 0));
        copy.Assign(nullptr);
        QCOMPARE(copy.Graphic(), nullptr);
    }
};

QTEST_MAIN(GraphicsTest)
#include "tst_graphics.moc"
