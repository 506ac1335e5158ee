// The non-visual components and the two stand-in controls: image lists, the timer, the common
// dialogs answered through the dialog seam, the data source and its links, the object
// container's store and the media player.

#include "Application.h"
#include "DB.h"
#include "Dialogs.h"
#include "ExtCtrlsTimer.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "ImgList.h"
#include "MPlayer.h"
#include "OleCtnrs.h"

#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A bitmap of one colour per image, side by side, each size x size.
TBitmap *Strip(std::initializer_list<QColor> colors, int size = 16)
{
    auto *b = new TBitmap(int(colors.size()) * size, size);
    QPainter p(&b->Image());
    int x = 0;
    for (const QColor &c : colors) {
        p.fillRect(x, 0, size, size, c);
        x += size;
    }
    return b;
}

// The images of a list by their top-left pixel: "R G B" for red, green and blue.
QString Order(TCustomImageList &list)
{
    QStringList letters;
    for (int i = 0; i < list.Count(); ++i) {
        const QRgb c = list.Image(i).pixel(0, 0) & RGB_MASK;
        letters << (c == 0xFF0000 ? "R" : c == 0x00FF00 ? "G" : c == 0x0000FF ? "B"
                    : c == 0xFFFF00 ? "Y" : c == 0xFFFFFF ? "W" : "?");
    }
    return letters.join(' ');
}

// "[a,b]" for a set value.
QString SetText(PTypeInfo type, qint64 value)
{
    const PTypeInfo element = GetTypeData(type);
    QStringList names;
    for (qint64 v = element->MinValue; v <= element->MaxValue; ++v) {
        if (value & (qint64(1) << v))
            names << GetEnumName(element, v);
    }
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

// The published value of obj's property as text: sets as "[...]", enumerations by name.
QString Published(TObject *obj, const char *name)
{
    const TPropInfo *p = GetPropInfo(obj, QString::fromLatin1(name));
    if (!p)
        return QStringLiteral("<none>");
    switch (p->PropType->Kind) {
    case KindSet:
        return SetText(p->PropType, GetOrdProp(obj, p));
    case KindEnumeration:
        return GetEnumName(p->PropType, GetOrdProp(obj, p));
    case KindLongString:
        return GetStrProp(obj, p);
    default:
        return QString::number(GetOrdProp(obj, p));
    }
}

struct Recorder
{
    void Notified(TObject *sender) { calls << sender; }
    void FieldChanged(TObject *, TField *field) { fields << field; }
    void Vetoing(TObject *, TMPBtnType button, bool &doDefault)
    {
        clicked << button;
        doDefault = allowDefault;
    }
    void Posted(TObject *, TMPBtnType button) { posted << button; }
    QList<TObject *> calls;
    QList<TField *> fields;
    QList<int> clicked;
    QList<int> posted;
    bool allowDefault = true;
};

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

class NonVisualTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    QList<QUrl> m_openedUrls;

public slots:
    void openUrl(const QUrl &url) { m_openedUrls << url; }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_openedUrls.clear();
    }
    void cleanup() { m_app.reset(); }

    // ---- Image lists ------------------------------------------------------------------------

    void imageListCutsStripsAndMasks()
    {
        TImageList list(nullptr);
        std::unique_ptr<TBitmap> strip(Strip({Qt::red, Qt::green, Qt::blue}));
        QCOMPARE(list.Add(strip.get(), nullptr), 0);
        QCOMPARE(list.Count(), 3);
        QCOMPARE(Order(list), QStringLiteral("R G B"));
        QCOMPARE(list.Add(strip.get(), nullptr), 3);

        // Mask: white (left half) is transparent, black opaque.
        std::unique_ptr<TBitmap> one(Strip({Qt::yellow}));
        TBitmap mask(16, 16);
        QPainter(&mask.Image()).fillRect(8, 0, 8, 16, Qt::black);
        const int masked = list.Add(one.get(), &mask);
        QCOMPARE(qAlpha(list.Image(masked).pixel(2, 2)), 0);
        QCOMPARE(list.Image(masked).pixel(12, 2), qRgb(255, 255, 0));

        // AddMasked with clDefault leaves out the bottom-left pixel's colour.
        std::unique_ptr<TBitmap> dot(Strip({Qt::white}));
        dot->Image().setPixel(5, 5, qRgb(0, 0, 255));
        const int byColor = list.AddMasked(dot.get(), clDefault);
        QCOMPARE(qAlpha(list.Image(byColor).pixel(0, 0)), 0);
        QCOMPARE(list.Image(byColor).pixel(5, 5), qRgb(0, 0, 255));

        TBitmap empty;
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, list.Add(&empty, nullptr));
        QCOMPARE(list.Count(), 8);
    }

    void imageListEditing_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fails");
        QTest::newRow("delete middle") << "delete" << 1 << 0 << "R B Y" << false;
        QTest::newRow("delete all with -1") << "delete" << -1 << 0 << "" << false;
        QTest::newRow("delete past end") << "delete" << 4 << 0 << "R G B Y" << true;
        QTest::newRow("move forward") << "move" << 0 << 2 << "G B R Y" << false;
        QTest::newRow("move back") << "move" << 3 << 1 << "R Y G B" << false;
        QTest::newRow("move to past end") << "move" << 0 << 4 << "R G B Y" << true;
        QTest::newRow("insert first") << "insert" << 0 << 0 << "W R G B Y" << false;
        QTest::newRow("insert at end") << "insert" << 4 << 0 << "R G B Y W" << false;
        QTest::newRow("insert past end") << "insert" << 5 << 0 << "R G B Y" << true;
        QTest::newRow("replace") << "replace" << 2 << 0 << "R G W Y" << false;
        QTest::newRow("replace negative") << "replace" << -1 << 0 << "R G B Y" << true;
        QTest::newRow("clear") << "clear" << 0 << 0 << "" << false;
    }

    void imageListEditing()
    {
        QFETCH(QString, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, expected);
        QFETCH(bool, fails);
        TImageList list(nullptr);
        std::unique_ptr<TBitmap> strip(Strip({Qt::red, Qt::green, Qt::blue, Qt::yellow}));
        std::unique_ptr<TBitmap> white(Strip({Qt::white}));
        list.Add(strip.get(), nullptr);
        Recorder rec;
        list.OnChange = TNotifyEvent::Of<&Recorder::Notified>(&rec);
        auto run = [&] {
            if (op == "delete")
                list.Delete(a);
            else if (op == "move")
                list.Move(a, b);
            else if (op == "insert")
                list.Insert(a, white.get(), nullptr);
            else if (op == "replace")
                list.Replace(a, white.get(), nullptr);
            else
                list.Clear();
        };
        if (fails) {
            QVERIFY_THROWS_EXCEPTION(EInvalidOperation, run());
            QVERIFY(rec.calls.isEmpty());
        } else {
            run();
            QCOMPARE(rec.calls.size(), 1);
        }
        QCOMPARE(Order(list), expected);
    }

    void imageListSizeAssignAndLinks()
    {
        TImageList list(nullptr);
        std::unique_ptr<TBitmap> strip(Strip({Qt::red, Qt::green}, 24));
        list.SetSize(24, 24);
        list.Add(strip.get(), nullptr);
        list.SetBkColor(clAqua);
        list.SetDrawingStyle(dsSelected);

        TImageList copy(nullptr);
        Recorder rec;
        TChangeLink link;
        link.OnChange = TNotifyEvent::Of<&Recorder::Notified>(&rec);
        copy.RegisterChanges(&link);
        copy.Assign(&list);
        QCOMPARE(copy.Width(), 24);
        QCOMPARE(copy.Height(), 24);
        QCOMPARE(copy.BkColor(), clAqua);
        QCOMPARE(copy.DrawingStyle(), dsSelected);
        QCOMPARE(Order(copy), QStringLiteral("R G"));
        QCOMPARE(rec.calls, QList<TObject *>{&copy});

        // The copy is independent of its source.
        list.Delete(0);
        QCOMPARE(copy.Count(), 2);
        // A new image size leaves no image that no longer fits.
        copy.SetWidth(16);
        QCOMPARE(copy.Count(), 0);

        // A list that goes away unhooks its links; a link that goes away unhooks itself.
        auto *doomed = new TImageList(nullptr);
        doomed->RegisterChanges(&link);
        QCOMPARE(link.Sender(), static_cast<TCustomImageList *>(doomed));
        Free(doomed);
        QVERIFY(!link.Sender());
        {
            TChangeLink shortLived;
            list.RegisterChanges(&shortLived);
        }
        list.Clear(); // would reach the freed link if it stayed registered
        TBitmap notAList;
        QVERIFY_THROWS_EXCEPTION(EConvertError, copy.Assign(&notAList));
    }

    void imageListDraws()
    {
        TImageList list(nullptr);
        std::unique_ptr<TBitmap> red(Strip({Qt::red}));
        QPainter(&red->Image()).fillRect(0, 0, 4, 4, Qt::white); // the mask colour
        list.AddMasked(red.get(), clWhite);

        QImage target(16, 16, QImage::Format_RGB32);
        target.fill(Qt::blue);
        TCanvas canvas(&target);
        list.Draw(&canvas, 0, 0, 0);
        list.Draw(&canvas, 0, 0, 7); // an index the list lacks draws nothing
        canvas.ReleasePainter();
        QCOMPARE(target.pixel(1, 1), qRgb(0, 0, 255));
        QCOMPARE(target.pixel(8, 8), qRgb(255, 0, 0));

        target.fill(Qt::blue);
        canvas.SetDevice(&target);
        list.Draw(&canvas, 0, 0, 0, false);
        canvas.ReleasePainter();
        QVERIFY(target.pixel(8, 8) != qRgb(255, 0, 0)); // disabled: embossed, not red

        list.SetBkColor(clLime);
        TBitmap bitmap;
        list.GetBitmap(0, &bitmap);
        QCOMPARE(bitmap.Width(), 16);
        QCOMPARE(bitmap.Image().pixel(1, 1) & RGB_MASK, 0x00FF00u);
        TBitmap mask;
        list.GetMask(0, &mask);
        QCOMPARE(mask.Image().pixel(1, 1) & RGB_MASK, 0xFFFFFFu);
        QCOMPARE(mask.Image().pixel(8, 8) & RGB_MASK, 0u);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, list.GetBitmap(1, &bitmap));
    }

    void imageListDrawingSettings_data()
    {
        QTest::addColumn<bool>("masked");
        QTest::addColumn<int>("imageType");
        QTest::addColumn<uint>("transparentPixel");
        QTest::addColumn<uint>("opaquePixel");
        // The image: red with a white (mask colour) corner, drawn over blue.
        QTest::newRow("masked image") << true << int(itImage) << 0x0000FFu << 0xFF0000u;
        QTest::newRow("unmasked image") << false << int(itImage) << 0xFFFFFFu << 0xFF0000u;
        QTest::newRow("mask") << true << int(itMask) << 0xFFFFFFu << 0x000000u;
    }

    void imageListDrawingSettings()
    {
        QFETCH(bool, masked);
        QFETCH(int, imageType);
        QFETCH(uint, transparentPixel);
        QFETCH(uint, opaquePixel);
        TImageList source(nullptr);
        std::unique_ptr<TBitmap> red(Strip({Qt::red}));
        QPainter(&red->Image()).fillRect(0, 0, 4, 4, Qt::white);
        source.AddMasked(red.get(), clWhite);
        // AddImages copies images with their masks.
        TImageList list(nullptr);
        list.AddImages(&source);
        list.AddImages(&list);
        QCOMPARE(list.Count(), 2);
        list.SetMasked(masked);
        list.SetImageType(TImageType(imageType));
        QImage target(16, 16, QImage::Format_RGB32);
        target.fill(Qt::blue);
        QPainter painter(&target);
        list.Draw(painter, 0, 0, 1);
        painter.end();
        QCOMPARE(target.pixel(1, 1) & RGB_MASK, transparentPixel);
        QCOMPARE(target.pixel(8, 8) & RGB_MASK, opaquePixel);
    }

    // ---- Timer ------------------------------------------------------------------------------

    void timerRunsOnlyWhenLive_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("handler");
        QTest::addColumn<bool>("designing");
        QTest::addColumn<bool>("runs");
        QTest::newRow("live") << true << 5 << true << false << true;
        QTest::newRow("disabled") << false << 5 << true << false << false;
        QTest::newRow("interval 0") << true << 0 << true << false << false;
        QTest::newRow("no handler") << true << 5 << false << false << false;
        QTest::newRow("design state") << true << 5 << true << true << false;
    }

    void timerRunsOnlyWhenLive()
    {
        QFETCH(bool, enabled);
        QFETCH(int, interval);
        QFETCH(bool, handler);
        QFETCH(bool, designing);
        QFETCH(bool, runs);
        TTimer timer(nullptr);
        Recorder rec;
        timer.SetDesigning(designing);
        timer.SetInterval(quint32(interval));
        timer.SetEnabled(enabled);
        if (handler)
            timer.SetOnTimer(TNotifyEvent::Of<&Recorder::Notified>(&rec));
        QCOMPARE(timer.Running(), runs);
        if (runs) {
            QTRY_VERIFY(rec.calls.size() >= 2);
            QCOMPARE(rec.calls.first(), static_cast<TObject *>(&timer));
            // Put into design state, it stops at once.
            timer.SetDesigning(true);
            QVERIFY(!timer.Running());
        }
    }

    // ---- Dialogs ----------------------------------------------------------------------------

    void dialogDefaults_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("prop");
        QTest::addColumn<QString>("value");
        QTest::newRow("open options") << "TOpenDialog" << "Options"
                                      << "[ofHideReadOnly,ofEnableSizing]";
        QTest::newRow("open filter index") << "TOpenDialog" << "FilterIndex" << "1";
        QTest::newRow("save options") << "TSaveDialog" << "Options"
                                      << "[ofHideReadOnly,ofEnableSizing]";
        QTest::newRow("picture filter") << "TOpenPictureDialog" << "Filter" << GraphicFilter();
        QTest::newRow("save picture filter") << "TSavePictureDialog" << "Filter"
                                             << GraphicFilter();
        QTest::newRow("font options") << "TFontDialog" << "Options" << "[fdEffects]";
        QTest::newRow("font device") << "TFontDialog" << "Device" << "fdScreen";
        QTest::newRow("colour options") << "TColorDialog" << "Options" << "[]";
        QTest::newRow("colour") << "TColorDialog" << "Color" << "0";
        QTest::newRow("print range") << "TPrintDialog" << "PrintRange" << "prAllPages";
        QTest::newRow("print options") << "TPrintDialog" << "Options" << "[]";
        QTest::newRow("find options") << "TFindDialog" << "Options" << "[frDown]";
        QTest::newRow("find left") << "TFindDialog" << "Left" << "-1";
        QTest::newRow("replace options") << "TReplaceDialog" << "Options" << "[frDown]";
        QTest::newRow("ctl3d") << "TPrinterSetupDialog" << "Ctl3D" << "True";
    }

    void dialogDefaults()
    {
        QFETCH(QString, cls);
        QFETCH(QString, prop);
        QFETCH(QString, value);
        const TClass type = FindClassInfo(cls);
        QVERIFY(type && type->InheritsFrom(TCommonDialog::StaticClass()));
        std::unique_ptr<TObject> dialog(type->Create(nullptr));
        QCOMPARE(Published(dialog.get(), prop.toLatin1().constData()), value);
        // The stored default agrees with the value a new dialog has.
        const TPropInfo *p = GetPropInfo(dialog.get(), prop);
        if (p->PropType->Kind != KindLongString)
            QCOMPARE(p->Default, GetOrdProp(dialog.get(), p));
    }

    void filterTexts_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("pairs") << "Bitmaps (*.bmp)|*.bmp|All|*.*"
                               << QStringList{"Bitmaps (*.bmp)", "All (*.*)"};
        QTest::newRow("several patterns") << "Pictures (*.bmp;*.ico)|*.bmp;*.ico"
                                          << QStringList{"Pictures (*.bmp *.ico)"};
        QTest::newRow("description differs") << "Text (*.txt)|*.txt;*.log"
                                             << QStringList{"Text (*.txt) (*.txt *.log)"};
        QTest::newRow("description without patterns") << "Text|*.txt|Lonely"
                                                      << QStringList{"Text (*.txt)"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void filterTexts()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, nameFilters);
        QCOMPARE(FilterToNameFilters(filter), nameFilters);
    }

    void dialogsAnsweredBySeam()
    {
        TOpenDialog open(nullptr);
        Recorder rec;
        QStringList order;
        open.OnShow = TNotifyEvent::Of<&Recorder::Notified>(&rec);
        open.OnClose = TNotifyEvent::Of<&Recorder::Notified>(&rec);
        {
            TDialogSeamScope seam([&](TObject *d) {
                order << (rec.calls.size() == 1 ? "shown" : "not shown");
                ObjectCast<TOpenDialog>(d)->SetFileName(QStringLiteral("/tmp/chosen.txt"));
                return true;
            });
            QVERIFY(open.Execute());
        }
        QCOMPARE(order, QStringList{"shown"});
        QCOMPARE(rec.calls.size(), 2);
        QCOMPARE(open.FileName(), QStringLiteral("/tmp/chosen.txt"));
        QCOMPARE(open.Files()->ToStringList(), QStringList{"/tmp/chosen.txt"});
        {
            TDialogSeamScope seam([](TObject *) { return false; });
            QVERIFY(!open.Execute());
            QCOMPARE(open.Files()->Count(), 0);
        }

        TColorDialog color(nullptr);
        TDialogSeamScope seam([](TObject *d) {
            if (auto *c = ObjectCast<TColorDialog>(d))
                c->SetColor(clTeal);
            return ObjectCast<TColorDialog>(d) != nullptr;
        });
        QVERIFY(color.Execute());
        QCOMPARE(color.Color(), clTeal);
        TPrintDialog print(nullptr);
        QVERIFY(!print.Execute());
    }

    void openDialogAsksCanCloseAndKeepsChoice()
    {
        QTemporaryDir dir;
        const QString path = WriteFile(dir, QStringLiteral("report.log"), "x");
        TOpenDialog dialog(nullptr);
        dialog.SetInitialDir(dir.path());
        dialog.SetFilter(QStringLiteral("Text (*.txt)|*.txt|Logs (*.log)|*.log|All|*.*"));
        dialog.SetFilterIndex(2);
        dialog.SetDefaultExt(QStringLiteral("*.txt"));
        dialog.SetOptions(dialog.Options() | OpenOption(ofFileMustExist));
        struct Veto
        {
            void CanClose(TObject *, bool &canClose)
            {
                canClose = ++asked > 1; // the first answer keeps the dialog open
            }
            int asked = 0;
        } veto;
        dialog.OnCanClose = TCanCloseEvent::Of<&Veto::CanClose>(&veto);
        QString filterShown;
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            auto *window = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(window);
            filterShown = window->selectedNameFilter();
            window->selectFile(path);
            static_cast<QDialog *>(window)->accept();
            stillOpen = window->isVisible();
            static_cast<QDialog *>(window)->accept();
        });
        QVERIFY(dialog.Execute());
        QVERIFY(stillOpen);
        QCOMPARE(veto.asked, 2);
        QCOMPARE(filterShown, QStringLiteral("Logs (*.log)"));
        QCOMPARE(QFileInfo(dialog.FileName()), QFileInfo(path));
        QCOMPARE(dialog.Files()->Count(), 1);
        QCOMPARE(dialog.FilterIndex(), 2);
        // The chosen file's extension is not the default one.
        QVERIFY(dialog.Options() & OpenOption(ofExtensionDifferent));
    }

    void fontDialogTakesChoice()
    {
        TFontDialog dialog(nullptr);
        const QString face = InstalledFontFace(dialog.Font()->Name());
        QFont chosen(face);
        chosen.setPointSize(12);
        chosen.setBold(true);
        chosen.setUnderline(true);
        dialog.TakeFont(chosen);
        // The face drawing "MS Sans Serif" here keeps the font's own name.
        QCOMPARE(dialog.Font()->Name(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(dialog.Font()->Size(), 12);
        QCOMPARE(dialog.Font()->Style(), FontStyles({fsBold, fsUnderline}));

        dialog.SetOptions(FontDialogOption(fdLimitSize));
        dialog.SetMaxFontSize(10);
        chosen.setFamily(QStringLiteral("DejaVu Sans Mono"));
        dialog.TakeFont(chosen);
        QCOMPARE(dialog.Font()->Name(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(dialog.Font()->Size(), 10);
        // Without fdEffects the dialog offers no underline: the font keeps its own.
        QCOMPARE(dialog.Font()->Style(), FontStyles({fsBold, fsUnderline}));
    }

    void printDialogWritesBackChoice()
    {
        TPrintDialog dialog(nullptr);
        dialog.SetOptions(1u << poPageNums);
        dialog.SetMinPage(1);
        dialog.SetMaxPage(9);
        dialog.SetFromPage(2);
        dialog.SetToPage(5);
        QTimer::singleShot(0, [] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            const auto boxes = modal->findChildren<QSpinBox *>();
            QCOMPARE(boxes.size(), 3);
            boxes[1]->setValue(7); // "to"
            static_cast<QDialog *>(modal)->accept();
        });
        QVERIFY(dialog.Execute());
        QCOMPARE(dialog.FromPage(), 2);
        QCOMPARE(dialog.ToPage(), 7);
        QCOMPARE(dialog.Copies(), 1);
    }

    void findDialogIsModeless()
    {
        TReplaceDialog dialog(nullptr);
        Recorder found, replaced, closed;
        dialog.OnFind = TNotifyEvent::Of<&Recorder::Notified>(&found);
        dialog.OnReplace = TNotifyEvent::Of<&Recorder::Notified>(&replaced);
        dialog.OnClose = TNotifyEvent::Of<&Recorder::Notified>(&closed);
        dialog.SetOptions(FindOption(frDown) | FindOption(frHideWholeWord));
        QVERIFY(dialog.Execute());
        QVERIFY(dialog.Showing());

        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == QLatin1String("Replace"))
                window = w;
        }
        QVERIFY(window);
        const auto edits = window->findChildren<QLineEdit *>();
        QCOMPARE(edits.size(), 2);
        edits[0]->setText(QStringLiteral("needle"));
        edits[1]->setText(QStringLiteral("pin"));
        auto button = [&](const char *text) {
            for (QPushButton *b : window->findChildren<QPushButton *>()) {
                if (b->text() == QLatin1String(text))
                    return b;
            }
            return static_cast<QPushButton *>(nullptr);
        };
        button("&Find Next")->click();
        QCOMPARE(found.calls.size(), 1);
        QCOMPARE(dialog.FindText(), QStringLiteral("needle"));
        QVERIFY(dialog.Options() & FindOption(frFindNext));
        button("Replace &All")->click();
        QCOMPARE(replaced.calls.size(), 1);
        QCOMPARE(dialog.ReplaceText(), QStringLiteral("pin"));
        QCOMPARE(dialog.Options() & (FindOption(frFindNext) | FindOption(frReplaceAll)),
                 FindOption(frReplaceAll));
        QVERIFY(dialog.Options() & FindOption(frHideWholeWord));

        dialog.CloseDialog();
        QVERIFY(!dialog.Showing());
        QCOMPARE(closed.calls.size(), 1);
    }

    // ---- Data source ------------------------------------------------------------------------

    void dataSourceForgetsFreedDataSet()
    {
        TComponent owner(nullptr);
        auto *dataSet = new TDataSet(&owner);
        auto *source = new TDataSource(&owner);
        Recorder rec;
        source->OnStateChange = TNotifyEvent::Of<&Recorder::Notified>(&rec);
        const TPropInfo *prop = GetPropInfo(source, QStringLiteral("DataSet"));
        SetOrdProp(source, prop, qint64(reinterpret_cast<std::intptr_t>(dataSet)));
        QCOMPARE(source->DataSet(), dataSet);
        dataSet->Open();
        QCOMPARE(source->State(), dsBrowse);
        QCOMPARE(rec.calls.size(), 1);
        Free(dataSet);
        QCOMPARE(GetOrdProp(source, prop), 0);
        QCOMPARE(source->State(), dsInactive);
        QCOMPARE(rec.calls.size(), 2);
        source->SetEnabled(false); // must not reach the freed data set
    }

    void fieldLinkFollowsField()
    {
        TComponent owner(nullptr);
        auto *dataSet = new TDataSet(&owner);
        TField *name = dataSet->AddField(QStringLiteral("Name"));
        auto *source = new TDataSource(&owner);
        source->SetDataSet(dataSet);
        Recorder rec, dataChanges;
        source->OnDataChange = TDataChangeEvent::Of<&Recorder::FieldChanged>(&rec);

        TFieldDataLink link;
        link.OnDataChange = TNotifyEvent::Of<&Recorder::Notified>(&dataChanges);
        link.SetDataSource(source);
        link.SetFieldName(QStringLiteral("NAME"));
        QVERIFY(!link.Field()); // closed: no field yet
        dataSet->Open();
        QCOMPARE(link.Field(), name);
        QVERIFY(link.Active());

        QVERIFY_THROWS_EXCEPTION(EDatabaseError, name->SetAsString(QStringLiteral("x")));
        QVERIFY(link.Edit()); // AutoEdit puts the data set into edit mode
        const qsizetype before = dataChanges.calls.size();
        name->SetAsString(QStringLiteral("Ada"));
        QCOMPARE(rec.fields.last(), name);
        QCOMPARE(dataChanges.calls.size(), before + 1);

        Free(name);
        QVERIFY(!link.Field());
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, dataSet->FieldByName(QStringLiteral("Name")));
        Free(source);
        QVERIFY(!link.DataSource());
        QVERIFY(!link.Active());
    }

    void disabledSourceShowsInactive()
    {
        TComponent owner(nullptr);
        auto *dataSet = new TDataSet(&owner);
        dataSet->AddField(QStringLiteral("Id"));
        auto *source = new TDataSource(&owner);
        source->SetDataSet(dataSet);
        source->SetAutoEdit(false);
        Recorder activeChanges;
        TFieldDataLink link;
        link.OnActiveChange = TNotifyEvent::Of<&Recorder::Notified>(&activeChanges);
        link.SetFieldName(QStringLiteral("Id"));
        link.SetDataSource(source);
        dataSet->Open();
        QVERIFY(link.Active());
        QVERIFY(link.Field());
        QVERIFY(!link.Edit()); // AutoEdit off: typing does not start editing
        QCOMPARE(dataSet->State(), dsBrowse);

        source->SetEnabled(false);
        QVERIFY(!link.Active());
        QVERIFY(!link.Field());
        QCOMPARE(source->State(), dsInactive);
        source->SetEnabled(true);
        QVERIFY(link.Active());
        QCOMPARE(activeChanges.calls.size(), 3);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, [] {
            TDataSet closed(nullptr);
            closed.Edit();
        }());
    }

    // ---- Object container -------------------------------------------------------------------

    void oleTypeNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("verbs");
        QTest::newRow("png, any case") << "shot.PNG" << "PNG image" << 2;
        QTest::newRow("text") << "/tmp/notes.txt" << "Text document" << 2;
        QTest::newRow("sound") << "ding.wav" << "Wave sound" << 2;
        QTest::newRow("unknown") << "data.weird" << "WEIRD file" << 1;
        QTest::newRow("no extension") << "README" << "File" << 1;
    }

    void oleTypeNames()
    {
        QFETCH(QString, file);
        QFETCH(QString, type);
        QFETCH(int, verbs);
        QCOMPARE(OleTypeNameOf(file), type);
        QCOMPARE(OleVerbsOf(file).size(), verbs);
        QCOMPARE(OleVerbsOf(file).first().startsWith('&'), true);
    }

    void oleContainerStore()
    {
        QTemporaryDir dir;
        const QByteArray text("first line\nsecond line\n");
        const QString path = WriteFile(dir, QStringLiteral("notes.txt"), text);
        QVERIFY(!path.isEmpty());
        TOleContainer ole(nullptr);
        QCOMPARE(ole.State(), osEmpty);
        QVERIFY_THROWS_EXCEPTION(EOleError, ole.Copy());
        QVERIFY_THROWS_EXCEPTION(EOleError, ole.DoVerb(0));

        ole.InsertObjectFromFile(path);
        QCOMPARE(ole.State(), osLoaded);
        QCOMPARE(ole.OleClassName(), QStringLiteral("Text document"));
        QCOMPARE(ole.ObjectVerbs()->ToStringList(), (QStringList{"&Open", "&Edit"}));
        QCOMPARE(ole.ObjectData(), text);

        ole.Copy();
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime->hasFormat(OleObjectMimeType()));
        QCOMPARE(mime->text(), QString::fromUtf8(text));
        QCOMPARE(mime->urls().size(), 1);
        QFile copied(mime->urls().first().toLocalFile());
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), text);

        // Verbs open a temporary copy with the desktop's application.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        ole.DoVerb(1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_openedUrls.size(), 1);
        QCOMPARE(QFileInfo(m_openedUrls.first().toLocalFile()).fileName(),
                 QStringLiteral("notes.txt"));
        QCOMPARE(ole.State(), osOpen);
        QVERIFY_THROWS_EXCEPTION(EOleError, ole.DoVerb(2));

        // A round trip through a file of our own format.
        const QString stored = dir.filePath(QStringLiteral("object.qzo"));
        ole.SaveToFile(stored);
        TOleContainer other(nullptr);
        other.LoadFromFile(stored);
        QCOMPARE(other.OleClassName(), ole.OleClassName());
        QCOMPARE(other.ObjectData(), text);
        QCOMPARE(other.SourceDoc(), ole.SourceDoc());
        QVERIFY(!other.Modified());
        QVERIFY_THROWS_EXCEPTION(EOleError, other.LoadFromFile(path)); // not an object file
        QVERIFY_THROWS_EXCEPTION(EFOpenError, other.LoadFromFile(dir.filePath("missing")));
        QCOMPARE(other.ObjectData(), text); // a failed load keeps the object

        ole.DestroyObject();
        QCOMPARE(ole.State(), osEmpty);
        QCOMPARE(ole.ObjectVerbs()->Count(), 0);
        QVERIFY_THROWS_EXCEPTION(EOleError, ole.SaveToFile(stored));
    }

    void oleDialogsThroughSeam()
    {
        QTemporaryDir dir;
        QImage picture(10, 6, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString path = dir.filePath(QStringLiteral("red.png"));
        QVERIFY(picture.save(path));

        TOleContainer ole(nullptr);
        ole.SetSizeMode(smAutoSize);
        QString title;
        TOlePropertiesDialog *shown = nullptr;
        QString shownType;
        qint64 shownSize = 0;
        TDialogSeamScope seam([&](TObject *d) {
            if (auto *open = ObjectCast<TOpenDialog>(d)) {
                title = open->Title();
                open->SetFileName(path);
                return true;
            }
            shown = ObjectCast<TOlePropertiesDialog>(d);
            shownType = shown->ObjectType;
            shownSize = shown->ObjectSize;
            shown->Iconic = true;
            return true;
        });
        QVERIFY(!ole.ObjectPropertiesDialog()); // nothing to show yet
        QVERIFY(ole.InsertObjectDialog());
        QCOMPARE(title, QStringLiteral("Insert Object"));
        QCOMPARE(ole.OleClassName(), QStringLiteral("PNG image"));
        QCOMPARE(ole.Width(), 10 + 4); // auto size: the picture and the border
        QVERIFY(ole.ObjectPropertiesDialog());
        QCOMPARE(shownType, QStringLiteral("PNG image"));
        QCOMPARE(shownSize, QFileInfo(path).size());
        QVERIFY(ole.Iconic());
    }

    // ---- Media player -----------------------------------------------------------------------

    void mediaPlayerHasNoDevice()
    {
        TMediaPlayer player(nullptr);
        QCOMPARE(player.Width(), 253);
        QCOMPARE(player.Height(), 30);
        QCOMPARE(Published(&player, "VisibleButtons"),
                 QStringLiteral("[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,"
                                "btEject]"));
        QCOMPARE(Published(&player, "TabStop"), QStringLiteral("True"));

        player.Play(); // nothing to play: nothing happens
        player.SetFileName(QStringLiteral("/tmp/song.wav"));
        try {
            player.Open();
            QFAIL("Open found a media device");
        } catch (const EMCIDeviceError &e) {
            QCOMPARE(e.Message(), QStringLiteral("No media device is available on this machine"));
        }

        // OnClick may skip the operation; OnPostClick follows either way.
        Recorder rec;
        player.OnClick = EMPNotify::Of<&Recorder::Vetoing>(&rec);
        player.OnPostClick = EMPPostNotify::Of<&Recorder::Posted>(&rec);
        rec.allowDefault = false;
        player.ClickButton(mpbtStop);
        QCOMPARE(rec.posted, QList<int>{mpbtStop});
        rec.allowDefault = true;
        QVERIFY_THROWS_EXCEPTION(EMCIDeviceError, player.ClickButton(mpbtEject));

        player.SetVisibleButtons(MPButton(mpbtPlay) | MPButton(mpbtStop));
        QCOMPARE(player.ButtonAt(5, 10), int(mpbtPlay));
        QCOMPARE(player.ButtonAt(30, 10), int(mpbtStop));
        QCOMPARE(player.ButtonAt(60, 10), -1);
        QVERIFY(player.ButtonRect(mpbtPause).isEmpty());
    }

    void mediaPlayerClickShowsError()
    {
        TForm form(nullptr);
        auto *player = new TMediaPlayer(&form);
        player->SetParent(&form);
        player->SetAutoEnable(false);
        player->SetFileName(QStringLiteral("clip.avi"));
        auto *panel = new TForm(nullptr);
        player->SetDisplay(panel);
        Free(panel);
        QVERIFY(!player->Display());
        QStringList shown;
        m_app->MessageBoxSeam = [&](const TMessageBoxRequest &r) {
            shown << r.Text;
            return IDOK;
        };
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        QTest::mouseClick(player->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
        // The standard error display shows the player's message (ending it with a period).
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().startsWith(NoMediaDeviceMessage()));
    }

    // ---- Every class ------------------------------------------------------------------------

    void everyClassCreatesSetsAndFrees_data()
    {
        QTest::addColumn<QString>("cls");
        for (const char *name :
             {"TImageList", "TTimer", "TOpenDialog", "TSaveDialog", "TOpenPictureDialog",
              "TSavePictureDialog", "TFontDialog", "TColorDialog", "TPrintDialog",
              "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog", "TDataSource",
              "TMediaPlayer", "TOleContainer"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everyClassCreatesSetsAndFrees()
    {
        QFETCH(QString, cls);
        const TClass type = FindClassInfo(cls);
        QVERIFY(type);
        TForm form(nullptr);
        TObject *obj = type->Create(&form);
        QVERIFY(obj);
        if (auto *control = ObjectCast<TControl>(obj)) {
            control->SetParent(&form);
            form.Show();
            QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        }
        std::vector<TComponent *> referenced;
        for (const TPropInfo *p : GetPropList(obj)) {
            if (!p->HasWrite || p->Name == QLatin1String("Name"))
                continue;
            const PTypeInfo t = p->PropType;
            switch (t->Kind) {
            case KindEnumeration:
                SetOrdProp(obj, p, t->MaxValue);
                break;
            case KindSet: {
                const PTypeInfo e = GetTypeData(t);
                SetOrdProp(obj, p, (qint64(1) << (e->MaxValue + 1)) - 1);
                break;
            }
            case KindInteger:
                SetOrdProp(obj, p, 7);
                break;
            case KindLongString:
                SetStrProp(obj, p, QStringLiteral("value.txt"));
                break;
            case KindFloat:
                SetFloatProp(obj, p, 1.5);
                break;
            case KindClass: {
                TClass c = t->ClassType;
                if (c == TStrings::StaticClass())
                    c = TStringList::StaticClass();
                TObject *value = c->Create(c->InheritsFrom(TComponent::StaticClass()) ? &form
                                                                                      : nullptr);
                if (!value)
                    break;
                SetOrdProp(obj, p, qint64(reinterpret_cast<std::intptr_t>(value)));
                if (auto *component = ObjectCast<TComponent>(value))
                    referenced.push_back(component);
                else
                    Free(value); // persistent values are copied, not kept
                break;
            }
            default:
                break;
            }
        }
        QCoreApplication::processEvents();
        // Freeing what the object refers to leaves no reference behind.
        for (TComponent *c : referenced)
            Free(c);
        for (const TPropInfo *p : GetPropList(obj, KindBit(KindClass))) {
            if (TObject *value = GetObjectProp(obj, p))
                QVERIFY2(!value->Is<TComponent>(), qPrintable(p->Name));
        }
        Free(obj);
    }

private:
    static TClass FindClassInfo(const QString &name)
    {
        for (TClass c : {TImageList::StaticClass(), TTimer::StaticClass(),
                         TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                         TOpenPictureDialog::StaticClass(), TSavePictureDialog::StaticClass(),
                         TFontDialog::StaticClass(), TColorDialog::StaticClass(),
                         TPrintDialog::StaticClass(), TPrinterSetupDialog::StaticClass(),
                         TFindDialog::StaticClass(), TReplaceDialog::StaticClass(),
                         TDataSource::StaticClass(), TMediaPlayer::StaticClass(),
                         TOleContainer::StaticClass()}) {
            if (c->ClassName() == name)
                return c;
        }
        return nullptr;
    }
};

QTEST_MAIN(NonVisualTest)
#include "tst_nonvisual.moc"
