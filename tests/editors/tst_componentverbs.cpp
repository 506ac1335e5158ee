// The component editors' verbs and the image list editor: adding bitmaps and strips, going
// to, deleting, moving and exporting images, Apply and Cancel; the pages of a page control;
// the object container's verbs with their confirmations; and verbs run from the handle's menu
// that free their own component or rebuild the very menu they were chosen from.

#include "ComCtrlsPages.h"
#include "ControlScrollBar.h"
#include "ControlWidget.h"
#include "Contnrs.h"
#include "ExtDlgs.h"
#include "Handles.h"
#include "OleCtnrs.h"
#include "ZeClientComponents.h"
#include "ZeDesignRegistrations.h"
#include "ZeImageListEditor.h"
#include "ZePropertyEditors.h"

#include "inspection/InspectionFixture.h"
#include "shell/DesignerSession.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// A bitmap file of the given size: the top-left pixel is magenta (the transparent colour of
// every image made from it), the rest of tile k is a grey of 40 + 40 k.
QString WriteBitmap(const QTemporaryDir &dir, int width, int height, int tile = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const int k = tile > 0 ? x / tile : 0;
        for (int y = 0; y < height; ++y)
            image.setPixel(x, y, qRgb(40 + 40 * k, 40 + 40 * k, 40 + 40 * k));
    }
    if (width > 0 && height > 0)
        image.setPixel(0, 0, qRgb(255, 0, 255));
    const QString path =
        dir.filePath(QStringLiteral("b%1x%2t%3.bmp").arg(width).arg(height).arg(tile));
    if (!image.save(path, "BMP"))
        return QString();
    return path;
}

// The grey of image index at (w - 1, h - 1), which tells the images apart.
int GreyOf(TCustomImageList *list, int index)
{
    return qRed(list->Image(index).pixel(list->Width() - 1, list->Height() - 1));
}

// Answers the message boxes with answer and counts them by text.
struct MessageAnswers
{
    explicit MessageAnswers(int answer = IDYES) : Answer(answer)
    {
        Application->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            Asked << r.Text;
            return Answer;
        };
    }
    ~MessageAnswers() { Application->MessageBoxSeam = nullptr; }
    int Answer;
    QStringList Asked;
};

// The visible form of class T, for answering a modal dialog from a timer.
template<class T>
T *ShownForm()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *form = ObjectCast<T>(WidgetBridge::ControlOf(w)); form && w->isVisible())
            return form;
    }
    return nullptr;
}

// Runs act on the image list editor once the verb has shown it.
void WhenEditorShown(const std::function<void(TfZeImageListEditor *)> &act)
{
    QTimer::singleShot(0, [act] {
        TfZeImageListEditor *dialog = ShownForm<TfZeImageListEditor>();
        QVERIFY(dialog);
        act(dialog);
    });
}

// A component editor whose verbs reach back into the designer: 0 frees the component, 1 has
// it inspected again (which rebuilds the handle's verb items), 2 replaces it by a new one.
class TMeddlingEditor : public TDefaultEditor
{
    Z_CLASS(TMeddlingEditor)
public:
    int GetVerbCount() override { return 3; }
    QString GetVerb(int index) override
    {
        static const char *const names[] = {"Free it", "Inspect again", "Replace it"};
        return index >= 0 && index < 3 ? QString::fromLatin1(names[index]) : QString();
    }
    void ExecuteVerb(int index) override
    {
        TZeIDEForm *ide = CurrentIDEForm;
        auto *control = ObjectCast<TControl>(Component);
        if (index == 0) {
            Free(Component);
        } else if (index == 1) {
            ide->InspectSelection(ide->DesignForm, control);
        } else {
            TWinControl *parent = control->Parent();
            Free(Component);
            TControl *fresh = ide->DesignForm->PlaceComponent(TZeButton::StaticClass(), 8, 8,
                                                              parent, 8, 8);
            ide->InspectSelection(ide->DesignForm, fresh);
        }
    }
};

} // namespace

Z_DEFINE_CLASS(TMeddlingEditor, TDefaultEditor, NoPublishedProps)

class tst_componentverbs : public QObject
{
    Q_OBJECT

public slots:
    // Takes the files the object's verbs open, instead of the desktop's applications.
    void openFile(const QUrl &url) { m_opened << url; }

private:
    QList<QUrl> m_opened;
    QTemporaryDir m_dir;
    std::unique_ptr<InspectionFixture> m_fx;
    TfZeImageListEditor *m_editor = nullptr;

    // Runs check in the real designer, opened from the host window; the designer brings its
    // own application, so this test's editor and fixture make way for it meanwhile.
    void InDesigner(const std::function<void(TZeIDEForm *)> &check)
    {
        Free(m_editor);
        m_editor = nullptr;
        m_fx.reset();
        QTemporaryDir store;
        HostSession session;
        session.Start(store.path());
        WithDesigner(session.Host, check);
        session.Stop();
        QVERIFY2(session.Messages.isEmpty(), qPrintable(session.Messages.join('\n')));
        m_fx = std::make_unique<InspectionFixture>();
        m_editor = new TfZeImageListEditor(nullptr);
    }

    // An editor whose working list holds count 16 x 16 images, grey 40, 80, 120, ...
    void FillEditor(int count)
    {
        if (count > 0)
            m_editor->AddImagesFromFile(WriteBitmap(m_dir, 16 * count, 16, 16));
        QCOMPARE(m_editor->ImageList1->Count(), count);
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        m_fx = std::make_unique<InspectionFixture>();
        m_editor = new TfZeImageListEditor(nullptr);
    }

    void cleanup()
    {
        if (m_editor)
            Free(m_editor);
        m_editor = nullptr;
        m_fx.reset();
    }

    // ---- Image list editor -----------------------------------------------------------------

    void theFormAsBuilt()
    {
        QCOMPARE(m_editor->Caption(), QStringLiteral("Image List Editor"));
        QCOMPARE(QSize(m_editor->Width(), m_editor->Height()), QSize(425, 291));
        QVERIFY(m_editor->KeyPreview());
        QCOMPARE(m_editor->Button5->Hint(), QStringLiteral("Insert images (Ins)"));
        QCOMPARE(m_editor->Button6->Hint(), QStringLiteral("Delete image  (Del)"));
        QCOMPARE(m_editor->GroupBox1->Caption(), QStringLiteral(" Select image   "));
        QCOMPARE(m_editor->GroupBox3->Caption(), QStringLiteral(" Images   "));
        QCOMPARE(m_editor->OpenPictureDialog1->Filter(),
                 QStringLiteral("Bitmaps (*.bmp)|*.bmp|All|*.*"));
        QCOMPARE(m_editor->SelectedIndex, -1);
        QVERIFY(m_editor->Button1->Default() && m_editor->Button2->Cancel());
    }

    void addBitmap_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("added");
        QTest::addColumn<QSize>("imageSize");
        QTest::newRow("64x16 strip: four tiles") << 64 << 16 << 4 << QSize(16, 16);
        QTest::newRow("20x16 into an empty list sets the size") << 20 << 16 << 1 << QSize(20, 16);
        QTest::newRow("16x16: one image") << 16 << 16 << 1 << QSize(16, 16);
    }

    void addBitmap()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, added);
        QFETCH(QSize, imageSize);
        const QString path = WriteBitmap(m_dir, width, height, height);
        {
            TDialogSeamScope seam([&](TObject *d) {
                ObjectCast<TOpenDialog>(d)->SetFileName(path);
                return true;
            });
            m_editor->Button5Click(m_editor);
        }
        TImageList *list = m_editor->ImageList1;
        QCOMPARE(list->Count(), added);
        QCOMPARE(QSize(list->Width(), list->Height()), imageSize);
        // The top-left pixel's colour is transparent in every tile, the rest is not.
        QCOMPARE(qAlpha(list->Image(0).pixel(0, 0)), 0);
        QCOMPARE(qAlpha(list->Image(added - 1).pixel(1, 1)), 255);
        // The strip: a label and a thumbnail per image, the first selected.
        const int w = list->Width(), h = list->Height();
        QCOMPARE(int(m_editor->Labels.size()), added);
        QCOMPARE(int(m_editor->Thumbnails.size()), added);
        QCOMPARE(m_editor->pImages->Width(), added * (w + 4));
        QCOMPARE(m_editor->pImages->Height(), h + 18);
        TImage *last = m_editor->Thumbnails.back();
        QCOMPARE(last->BoundsRect(), QRect((added - 1) * (w + 4), 16, w, h));
        QCOMPARE(m_editor->Labels.back()->Caption(), QString::number(added - 1));
        QCOMPARE(m_editor->SelectedIndex, 0);
        QCOMPARE(m_editor->Labels.front()->Color(), clHighlight);
    }

    void aStripIsCutInOrder()
    {
        FillEditor(4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(GreyOf(m_editor->ImageList1, i), 40 + 40 * i);
    }

    void badBitmapsAddNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing file") << QStringLiteral("missing.bmp");
        QTest::newRow("not a bitmap") << QStringLiteral("text.bmp");
        QTest::newRow("height 0 in its header") << QStringLiteral("flat.bmp");
    }

    void badBitmapsAddNothing()
    {
        QFETCH(QString, fileName);
        QFile text(m_dir.filePath(QStringLiteral("text.bmp")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("no bitmap here");
        text.close();
        // A bitmap header that claims 16 x 0 pixels.
        QFile flat(m_dir.filePath(QStringLiteral("flat.bmp")));
        QVERIFY(flat.open(QIODevice::WriteOnly));
        QByteArray header(54, '\0');
        header[0] = 'B', header[1] = 'M', header[2] = 54, header[10] = 54, header[14] = 40;
        header[18] = 16, header[26] = 1, header[28] = 24;
        flat.write(header);
        flat.close();

        FillEditor(2);
        QVERIFY_THROWS_EXCEPTION(Exception,
                                 m_editor->AddImagesFromFile(m_dir.filePath(fileName)));
        QCOMPARE(m_editor->ImageList1->Count(), 2);
        QCOMPARE(int(m_editor->Labels.size()), 2);
    }

    void aBitmapWithoutHeightIsAnError()
    {
        FillEditor(1);
        TBitmap empty;
        try {
            m_editor->AddBitmap(&empty);
            QFAIL("an empty bitmap was taken");
        } catch (const EInvalidGraphic &error) {
            QVERIFY(!error.Message().isEmpty());
        }
        QCOMPARE(m_editor->ImageList1->Count(), 1);
    }

    void goToImage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::newRow("inside") << QStringLiteral("2") << 2;
        QTest::newRow("beyond the last") << QStringLiteral("99") << 3;
        QTest::newRow("negative") << QStringLiteral("-5") << 0;
        QTest::newRow("not a number") << QStringLiteral("two") << 0;
        QTest::newRow("empty") << QString() << 0;
    }

    void goToImage()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        FillEditor(4);
        m_editor->GoToImage(1);
        m_editor->SpinEdit1->Edit()->SetText(text);
        m_editor->Button8->Click();
        QCOMPARE(m_editor->SelectedIndex, selected);
        QCOMPARE(m_editor->SpinEdit1->Value(), selected);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_editor->Labels[size_t(i)]->Color(), i == selected ? clHighlight : clWhite);
        }
        QCOMPARE(m_editor->Image1->Picture()->Bitmap()->Width(), 16);
    }

    void goingToAnImageOutOfSightScrollsTheStrip()
    {
        FillEditor(40); // 40 x 20 pixels: far wider than the scroll box
        m_editor->Show();
        TControlScrollBar *bar = m_editor->ScrollBox1->HorzScrollBar();
        QCOMPARE(bar->Position(), 0);
        m_editor->GoToImage(30);
        // Image 30 stands in the middle of the box.
        const int expected = int(std::lround(30 * 20 - m_editor->ScrollBox1->Width() / 2.0));
        QCOMPARE(bar->Position(), expected);
        QCOMPARE(m_editor->SelectedIndex, 30);
        m_editor->Hide();
    }

    void goOnAnEmptyStripDoesNothing()
    {
        m_editor->SpinEdit1->SetValue(3);
        m_editor->Button8->Click();
        QCOMPARE(m_editor->SelectedIndex, -1);
    }

    void deleteAsksAndSelectsTheNeighbour()
    {
        FillEditor(3);
        MessageAnswers answers(IDNO);
        m_editor->Button6->Click(); // adding selected the first image
        QCOMPARE(answers.Asked, QStringList{"Delete bitmap ?"});
        QCOMPARE(m_editor->ImageList1->Count(), 3);

        answers.Answer = IDYES;
        m_editor->GoToImage(2);
        m_editor->Button6->Click(); // the last image: the new last one is selected
        QCOMPARE(m_editor->ImageList1->Count(), 2);
        QCOMPARE(m_editor->SelectedIndex, 1);
        m_editor->GoToImage(0);
        m_editor->Button6->Click(); // the image after it moves into the gap
        QCOMPARE(m_editor->SelectedIndex, 0);
        QCOMPARE(GreyOf(m_editor->ImageList1, 0), 80);
    }

    void deletingTheOnlyImageKeepsThePreview()
    {
        FillEditor(1);
        MessageAnswers answers(IDYES);
        m_editor->Button6->Click();
        QCOMPARE(m_editor->ImageList1->Count(), 0);
        QVERIFY(m_editor->Labels.empty() && m_editor->Thumbnails.empty());
        QVERIFY(!m_editor->Image1->Picture()->Bitmap()->Empty());
        QCOMPARE(m_editor->SelectedIndex, 0); // an old index: deleting again is refused
        QVERIFY_THROWS_EXCEPTION(Exception, m_editor->Button6Click(m_editor));
        QCOMPARE(m_editor->ImageList1->Count(), 0);
    }

    void deleteKeyAsksWhileTheIndexFieldHasTheFocus()
    {
        FillEditor(2);
        m_editor->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor->Handle()));
        m_editor->Handle()->activateWindow();
        m_editor->SpinEdit1->Edit()->SetFocus();
        QTRY_VERIFY(m_editor->SpinEdit1->Edit()->Focused());
        MessageAnswers answers(IDNO);
        QTest::keyClick(m_editor->SpinEdit1->Edit()->Handle(), Qt::Key_Delete);
        QCOMPARE(answers.Asked, QStringList{"Delete bitmap ?"});
        QCOMPARE(m_editor->ImageList1->Count(), 2);
        answers.Answer = IDYES;
        QTest::keyClick(m_editor->SpinEdit1->Edit()->Handle(), Qt::Key_Delete);
        QCOMPARE(m_editor->ImageList1->Count(), 1);

        // Insert adds through the open dialog; cancelling it adds nothing.
        int dialogs = 0;
        TDialogSeamScope seam([&](TObject *) { return ++dialogs, false; });
        QTest::keyClick(m_editor->SpinEdit1->Edit()->Handle(), Qt::Key_Insert);
        QCOMPARE(dialogs, 1);
        QCOMPARE(m_editor->ImageList1->Count(), 1);
        m_editor->Hide();
    }

    void clearAsks()
    {
        FillEditor(3);
        MessageAnswers answers(IDNO);
        m_editor->Button7->Click();
        QCOMPARE(m_editor->ImageList1->Count(), 3);
        answers.Answer = IDYES;
        m_editor->Button7->Click();
        QCOMPARE(answers.Asked, (QStringList{"Clear bitmaps ?", "Clear bitmaps ?"}));
        QCOMPARE(m_editor->ImageList1->Count(), 0);
        QVERIFY(m_editor->Labels.empty());
    }

    void changeMovesTheSelectedImage()
    {
        FillEditor(4);
        m_editor->GoToImage(0);
        m_editor->SpinEdit1->SetValue(2);
        m_editor->Button9->Click();
        QCOMPARE(GreyOf(m_editor->ImageList1, 0), 80);
        QCOMPARE(GreyOf(m_editor->ImageList1, 2), 40);
        QCOMPARE(m_editor->SelectedIndex, 2);
        // A place outside the list is refused; the list stays as it was.
        m_editor->SpinEdit1->SetValue(9);
        QVERIFY_THROWS_EXCEPTION(Exception, m_editor->Button9Click(m_editor));
        QCOMPARE(GreyOf(m_editor->ImageList1, 2), 40);
        QCOMPARE(m_editor->ImageList1->Count(), 4);
    }

    void exportWritesOneStrip()
    {
        FillEditor(3);
        const QString path = m_dir.filePath(QStringLiteral("export.bmp"));
        {
            TDialogSeamScope seam([&](TObject *d) {
                ObjectCast<TOpenDialog>(d)->SetFileName(path);
                return true;
            });
            m_editor->Button4->Click();
        }
        QImage strip(path);
        QCOMPARE(strip.size(), QSize(48, 16));
        QCOMPARE(qRed(strip.pixel(47, 15)), 120);
        // Nothing to export: an error, and no dialog.
        MessageAnswers answers(IDYES);
        m_editor->ImageList1->Clear();
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, m_editor->Button4Click(m_editor));
    }

    // ---- The image list's verb -------------------------------------------------------------

    void applyThenCancelKeepsTheAppliedImages()
    {
        auto *list = new TZeImageList(m_fx->Form);
        TComponentEditorRef editor(new TZeImageListEditor);
        editor->Create(list, m_fx->Designer);
        QCOMPARE(editor->GetVerbCount(), 1);
        QCOMPARE(editor->GetVerb(0), QStringLiteral("Edit..."));
        QCOMPARE(editor->GetVerb(7), QStringLiteral("Edit..."));
        const QString strip = WriteBitmap(m_dir, 32, 16, 16);
        WhenEditorShown([&](TfZeImageListEditor *dialog) {
            QCOMPARE(dialog->Target(), static_cast<TCustomImageList *>(list));
            dialog->AddImagesFromFile(strip);
            dialog->Button3->Click(); // Apply
            QCOMPARE(list->Count(), 2);
            dialog->AddImagesFromFile(strip);
            dialog->Button2->Click(); // Cancel
        });
        const int before = m_fx->Designer->Notices;
        editor->ExecuteVerb(0);
        QCOMPARE(list->Count(), 2);
        QCOMPARE(m_fx->Designer->Notices, before + 1);

        // OK takes the working copy, which started as the list's images.
        WhenEditorShown([&](TfZeImageListEditor *dialog) {
            QCOMPARE(dialog->ImageList1->Count(), 2);
            QCOMPARE(int(dialog->Labels.size()), 2);
            dialog->AddImagesFromFile(strip);
            dialog->Button1->Click();
        });
        editor->ExecuteVerb(0);
        QCOMPARE(list->Count(), 4);
        QCOMPARE(m_fx->Designer->Notices, before + 2);
    }

    // ---- Page controls ---------------------------------------------------------------------

    void pageControlVerbs()
    {
        m_fx->Form->SetDesignState(true);
        auto *pages = static_cast<TZePageControl *>(m_fx->Form->PlaceComponent(
            TZePageControl::StaticClass(), 10, 10, m_fx->Form, 10, 10));
        QVERIFY(pages);
        TComponentEditorRef editor(new TZePageControlEditor);
        editor->Create(pages, m_fx->Designer);
        QCOMPARE(editor->GetVerbCount(), 3);
        QStringList verbs;
        for (int i = 0; i < 4; ++i)
            verbs << editor->GetVerb(i);
        QCOMPARE(verbs, (QStringList{"AddPage", "Previos page", "Next page", ""}));

        // Without an active page the paging verbs do nothing.
        editor->ExecuteVerb(1);
        editor->ExecuteVerb(2);
        QCOMPARE(pages->ActivePage(), static_cast<TTabSheet *>(nullptr));

        const int before = m_fx->Designer->Notices;
        for (int i = 0; i < 3; ++i)
            editor->ExecuteVerb(0);
        QCOMPARE(m_fx->Designer->Notices, before + 3);
        QCOMPARE(pages->PageCount(), 3);
        for (int i = 0; i < 3; ++i) {
            TTabSheet *sheet = pages->Pages(i);
            QCOMPARE(sheet->Name(), QStringLiteral("TabSheet%1").arg(i + 1));
            QCOMPARE(sheet->Owner(), static_cast<TComponent *>(m_fx->Form));
            QVERIFY(sheet->Designing());
        }

        pages->SetActivePageIndex(0);
        editor->ExecuteVerb(1); // before the first: the last
        QCOMPARE(pages->ActivePageIndex(), 2);
        editor->ExecuteVerb(2); // after the last: the first
        QCOMPARE(pages->ActivePageIndex(), 0);
        editor->ExecuteVerb(2);
        QCOMPARE(pages->ActivePageIndex(), 1);
        editor->ExecuteVerb(5);
        QCOMPARE(pages->ActivePageIndex(), 1);
        QCOMPARE(m_fx->Designer->Notices, before + 3); // paging is no change

        // A new page is selectable and takes controls.
        TTabSheet *second = pages->Pages(1);
        m_fx->Designer->SelectObject(second);
        QCOMPARE(m_fx->Form->StretchHandle->Target(0), static_cast<TControl *>(second));
        TControl *button =
            m_fx->Form->PlaceComponent(TZeButton::StaticClass(), 5, 5, second, 30, 60);
        QVERIFY(button);
        QCOMPARE(button->Parent(), static_cast<TWinControl *>(second));
    }

    // ---- Object containers -----------------------------------------------------------------

    void oleVerbsEmptyAndFilled()
    {
        auto *ole = new TZeOleContainer(m_fx->Form);
        TComponentEditorRef editor(new TZeOLEEditor);
        editor->Create(ole, m_fx->Designer);
        QCOMPARE(editor->GetVerbCount(), 1);
        QCOMPARE(editor->GetVerb(0), QStringLiteral("InsertObject..."));
        QCOMPARE(editor->GetVerb(3), QStringLiteral("InsertObject..."));

        const QString text = m_dir.filePath(QStringLiteral("note.txt"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A note");
        file.close();
        QString shown; // what the seam last answered
        QString nextFile = text;
        TDialogSeamScope seam([&](TObject *d) {
            shown = d->ClassName();
            if (auto *insert = ObjectCast<TOleInsertObjectDialog>(d))
                insert->SetFileName(nextFile);
            return true;
        });
        MessageAnswers answers(IDNO);
        const int before = m_fx->Designer->Notices;
        editor->ExecuteVerb(4); // any index inserts, without asking
        QCOMPARE(shown, QStringLiteral("TOleInsertObjectDialog"));
        QVERIFY(answers.Asked.isEmpty());
        QCOMPARE(ole->OleClassName(), QStringLiteral("Text document"));
        QCOMPARE(m_fx->Designer->Notices, before + 1);

        QCOMPARE(editor->GetVerbCount(), 2 + 4);
        QStringList verbs;
        for (int i = 0; i < 7; ++i)
            verbs << editor->GetVerb(i);
        QCOMPARE(verbs, (QStringList{"&Open", "&Edit", "Insert Object...", "Copy Object",
                                     "Delete Object...", "Object propertys...", ""}));

        // The object's own verbs open it.
        editor->ExecuteVerb(1);
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().fileName(), QStringLiteral("note.txt"));
        QCOMPARE(ole->State(), osOpen);

        // Insert again: No keeps the object and shows no dialog; Yes replaces it.
        shown.clear();
        nextFile = WriteBitmap(m_dir, 8, 8);
        editor->ExecuteVerb(2);
        QCOMPARE(answers.Asked.last(),
                 QStringLiteral("The insert of new object will result in removal already "
                                "existing. Do continue ?"));
        QVERIFY(shown.isEmpty());
        QCOMPARE(ole->OleClassName(), QStringLiteral("Text document"));
        answers.Answer = IDYES;
        editor->ExecuteVerb(2);
        QCOMPARE(ole->OleClassName(), QStringLiteral("Bitmap image"));
        QCOMPARE(m_fx->Designer->Notices, before + 2);

        editor->ExecuteVerb(3); // copy
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasFormat(OleObjectMimeType()));
        QVERIFY(mime->hasImage());

        editor->ExecuteVerb(5); // properties
        QCOMPARE(shown, QStringLiteral("TOlePropertiesDialog"));

        answers.Answer = IDNO;
        editor->ExecuteVerb(4);
        QCOMPARE(answers.Asked.last(), QStringLiteral("Delete exist object ?"));
        QCOMPARE(ole->State(), osLoaded);
        answers.Answer = IDYES;
        editor->ExecuteVerb(4);
        QCOMPARE(ole->State(), osEmpty);
        QCOMPARE(editor->GetVerbCount(), 1);
        QCOMPARE(m_fx->Designer->Notices, before + 3);
    }

    void theInsertDialogMakesANewObject()
    {
        TOleContainer ole(nullptr);
        // The real dialog, answered as a user would: Create New, a bitmap, OK.
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert Object"));
            auto *list = dialog->findChild<QListWidget *>();
            QCOMPARE(list->count(), OleNewObjectTypes().size());
            list->setCurrentRow(1);
            auto *box = dialog->findChild<QDialogButtonBox *>();
            QVERIFY(box->button(QDialogButtonBox::Ok)->isEnabled());
            box->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(ole.InsertObjectDialog());
        QCOMPARE(ole.OleClassName(), QStringLiteral("Bitmap image"));
        QCOMPARE(ole.ObjectVerbs()->Count(), 2);

        // From a file that does not exist: OK stays disabled; Cancel leaves the object.
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChildren<QRadioButton *>().at(1)->setChecked(true);
            dialog->findChild<QLineEdit *>()->setText(QStringLiteral("/nowhere/at/all.txt"));
            auto *box = dialog->findChild<QDialogButtonBox *>();
            QVERIFY(!box->button(QDialogButtonBox::Ok)->isEnabled());
            box->button(QDialogButtonBox::Cancel)->click();
        });
        QVERIFY(!ole.InsertObjectDialog());
        QCOMPARE(ole.OleClassName(), QStringLiteral("Bitmap image"));
        QVERIFY_THROWS_EXCEPTION(EOleError, ole.CreateNewObject(QStringLiteral("Sound"), false));
    }

    // ---- Registrations and the handle's menu -----------------------------------------------

    void theEditorsAreRegisteredForTheirClasses()
    {
        RegisterDesignComponentEditors();
        auto *pages = new TZePageControl(m_fx->Form);
        auto *ole = new TZeOleContainer(m_fx->Form);
        auto *images = new TZeImageList(m_fx->Form);
        auto *button = new TZeButton(m_fx->Form);
        QVERIFY(GetComponentEditor(pages, m_fx->Designer)->Is<TZePageControlEditor>());
        QVERIFY(GetComponentEditor(ole, m_fx->Designer)->Is<TZeOLEEditor>());
        QVERIFY(GetComponentEditor(images, m_fx->Designer)->Is<TZeImageListEditor>());
        QCOMPARE(GetComponentEditor(button, m_fx->Designer)->ClassType(),
                 TDefaultEditor::StaticClass());
        FreeComponentEditorRegistry();
    }

    void verbsThatFreeOrReplaceTheirComponent_data()
    {
        QTest::addColumn<int>("verb");
        QTest::addColumn<QString>("how"); // Click, the item's action, a click in the open menu
        QTest::newRow("free, by Click") << 0 << "click";
        QTest::newRow("free, by the action") << 0 << "action";
        QTest::newRow("free, in the menu") << 0 << "menu";
        QTest::newRow("inspect again, in the menu") << 1 << "menu";
        QTest::newRow("replace, in the menu") << 2 << "menu";
        QTest::newRow("replace, by the action") << 2 << "action";
    }

    void verbsThatFreeOrReplaceTheirComponent()
    {
        QFETCH(int, verb);
        QFETCH(QString, how);
        InDesigner([&](TZeIDEForm *ide) {
            RegisterComponentEditor(TZeButton::StaticClass(), TMeddlingEditor::StaticClass());
            TfZeDesignForm *form = ide->DesignForm;
            TControl *button =
                form->PlaceComponent(TZeButton::StaticClass(), 20, 20, form, 20, 20);
            QVERIFY(button);
            TComponentList alive; // free-notified
            alive.Add(button);
            TMenuItem *items = ide->pmHandle->Items();
            QCOMPARE(items->Count(), 3 + 1 + 3);
            TMenuItem *item = items->Items(4 + verb);
            if (how == QLatin1String("click")) {
                item->Click();
            } else if (how == QLatin1String("action")) {
                item->QtAction()->trigger();
            } else {
                QAction *action = item->QtAction();
                QTimer::singleShot(0, [action] {
                    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    QVERIFY(menu);
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
                });
                ide->pmHandle->Popup(100, 100);
            }
            QCoreApplication::processEvents(); // the retired items are freed now
            if (verb == 0) {
                QCOMPARE(alive.Count(), 0);
                QCOMPARE(items->Count(), 3);
            } else {
                // The rebuilt menu works: its first verb frees what is inspected now.
                QCOMPARE(items->Count(), 7);
                items->Items(4)->QtAction()->trigger();
                QCoreApplication::processEvents();
                QCOMPARE(items->Count(), 3);
            }
        });
    }

    // The verbs in the handle's menu follow the container: one to insert an object, then the
    // object's own and four more, then one again once the object is deleted.
    void theHandleMenuFollowsTheVerbs()
    {
        const QString path = WriteBitmap(m_dir, 8, 8);
        InDesigner([&](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            QVERIFY(form->PlaceComponent(TZeOleContainer::StaticClass(), 20, 20, form, 20, 20));
            TDialogSeamScope seam([&](TObject *d) {
                if (auto *insert = ObjectCast<TOleInsertObjectDialog>(d))
                    insert->SetFileName(path);
                return true;
            });
            Application->MessageBoxSeam = [](const TMessageBoxRequest &) { return IDYES; };
            TMenuItem *items = ide->pmHandle->Items();
            QCOMPARE(items->Count(), 3 + 1 + 1);
            QCOMPARE(items->Items(4)->Caption(), QStringLiteral("InsertObject..."));
            items->Items(4)->QtAction()->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(items->Count(), 3 + 1 + 6);
            QCOMPARE(items->Items(8)->Caption(), QStringLiteral("Delete Object..."));
            items->Items(8)->QtAction()->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(items->Count(), 3 + 1 + 1);
        });
    }
};

QTEST_MAIN(tst_componentverbs)
#include "tst_componentverbs.moc"
