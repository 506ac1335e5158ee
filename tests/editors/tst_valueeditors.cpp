// The picture, image, icon and string-list editors with their dialogs: the dialogs' frames, the
// value texts, the real dialogs answered through their own buttons (OK and Cancel, three
// components selected), real BMP and ICO files read and written, broken files, numbers typed
// into the value field, and every such property of every placeable class opened from the
// object inspector's "..." button and by a double-click on its value.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Buttons.h"
#include "ControlScrollBar.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "Handles.h"
#include "../inspection/InspectionFixture.h"
#include "../shell/PaletteRows.h"
#include "PrivateSettingsStore.h"
#include "StdCtrls.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"
#include "ZePictureEditor.h"
#include "ZePropertyEditors.h"
#include "ZeStringsEditor.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The visible modal form of the application, if any.
TCustomForm *ModalForm()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *form = ObjectCast<TCustomForm>(ControlOfWidget(w));
        if (form && form->Modal() && w->isVisible())
            return form;
    }
    return nullptr;
}

QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 20 % 256, y * 30 % 256, 128));
    return image;
}

QImage IconPattern()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        image.setPixel(i, i, qRgba(200, 0, 0, 255));
    return image;
}

enum class Kind { Picture, Image, Icon, Strings };

// The inspector is freed also when a check fails, before the form whose rows it shows.
struct InspectorFree
{
    void operator()(TfObjectInspector *insp) const { Free(insp); }
};
using InspectorPtr = std::unique_ptr<TfObjectInspector, InspectorFree>;

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestValueEditors : public QObject
{
    Q_OBJECT
    PrivateSettingsStore m_store; // the designer windows' places go there
    std::unique_ptr<TApplication> m_app;
    QTemporaryDir m_dir;
    QString m_bmp, m_ico, m_broken, m_text;
    QStringList m_boxes;       // the messages the error display showed
    QStringList m_unanswered;  // modal answers that found no dialog or left it open
    QString m_nextFile;        // what the dialog seam chooses; empty: the user cancels
    TOpenDialog *m_lastFileDialog = nullptr;
    QString m_lastTitle, m_lastFilter, m_lastExt;
    int m_fileDialogs = 0;
    int m_swept = 0; // properties the sweep opened
    TfZeDesignForm *m_form = nullptr;
    CountingDesigner *m_designer = nullptr;

    // Runs act on the modal dialog of class D as soon as it shows; a dialog act leaves open
    // is cancelled and reported, so that no test waits for a user.
    template<class D>
    void Answer(std::function<void(D *)> act)
    {
        QTimer::singleShot(0, this, [this, act] {
            auto *dialog = ObjectCast<D>(ModalForm());
            if (!dialog) {
                m_unanswered << QStringLiteral("no %1 was shown").arg(D::StaticClass()->ClassName());
                if (TCustomForm *other = ModalForm())
                    other->SetModalResult(mrCancel);
                return;
            }
            act(dialog);
            if (dialog->Modal() && dialog->ModalResult() == mrNone) {
                m_unanswered << QStringLiteral("%1 was left open").arg(dialog->ClassName());
                dialog->SetModalResult(mrCancel);
            }
        });
    }
    static void Press(TButton *button)
    {
        QTest::mouseClick(button->Handle(), Qt::LeftButton);
    }
    static void Press(TSpeedButton *button)
    {
        QTest::mouseClick(button->Handle(), Qt::LeftButton, {}, QPoint(12, 12));
    }
    template<class T> T *Add(int left)
    {
        auto *c = new T(m_form);
        c->SetBounds(left, 10, 60, 40);
        c->SetParent(m_form);
        return c;
    }
    TPropertyEditorRef Editor(const std::vector<TObject *> &objects, const QString &name)
    {
        TPropertyEditorRef found;
        EnumObjectProperties(objects, PropertyKinds, m_designer,
                             [&](const TPropertyEditorRef &e) {
                                 if (e->GetName() == name)
                                     found = e;
                             });
        return found;
    }
    void Sweep(TObject *target);
    InspectorPtr ShowInspector(TObject *target)
    {
        InspectorPtr insp(new TfObjectInspector(nullptr));
        insp->Designer = m_designer;
        insp->Show();
        insp->Inspect(target);
        return insp;
    }
    // Answers the next strings or picture dialog after a change: on OK new lines or the
    // picture file m_nextFile names, on Cancel no lines or "Clear".
    void AnswerWithChange(bool strings, bool okay, int &opened)
    {
        if (strings) {
            Answer<TfZeStringsEditor>([&opened, okay](TfZeStringsEditor *dialog) {
                ++opened;
                dialog->Memo1->Lines()->SetText(okay ? QStringLiteral("alpha\nbeta\n")
                                                     : QString());
                Press(okay ? dialog->Button1 : dialog->Button2);
            });
        } else {
            Answer<TfPictureEditor>([&opened, okay](TfPictureEditor *dialog) {
                ++opened;
                Press(okay ? dialog->SpeedButton1 : dialog->SpeedButton3);
                Press(okay ? dialog->Button1 : dialog->Button2);
            });
        }
    }

private slots:
    void initTestCase()
    {
        InstallPaletteHooks();
        m_app = std::make_unique<TApplication>(nullptr);
        new TZeIDEForm(m_app.get()); // registers the placeable classes and the editors
        Application->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_boxes << r.Text;
            return IDOK;
        };
        SetDialogSeam([this](TObject *dialog) {
            ++m_fileDialogs;
            auto *files = ObjectCast<TOpenDialog>(dialog);
            if (!files)
                return false;
            m_lastFileDialog = files;
            m_lastTitle = files->Title();
            m_lastFilter = files->Filter();
            m_lastExt = files->DefaultExt();
            files->SetFileName(m_nextFile);
            return !m_nextFile.isEmpty();
        });
        m_bmp = m_dir.filePath(QStringLiteral("seven.bmp"));
        QVERIFY(Pattern(7, 5).save(m_bmp, "BMP"));
        m_ico = m_dir.filePath(QStringLiteral("cross.ico"));
        QVERIFY(IconPattern().save(m_ico, "ICO"));
        m_broken = m_dir.filePath(QStringLiteral("broken.bmp"));
        QFile broken(m_broken);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("BM this is no bitmap at all");
        broken.close();
        m_text = m_dir.filePath(QStringLiteral("twenty.txt"));
        QFile text(m_text);
        QVERIFY(text.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 20; ++i)
            text.write(QStringLiteral("line %1\n").arg(i).toUtf8());
        text.close();
    }
    void cleanupTestCase()
    {
        SetDialogSeam({});
        FreePropertyEditorRegistry();
        m_app.reset();
        ReleasePaletteRegistry();
    }
    void init()
    {
        m_boxes.clear();
        m_unanswered.clear();
        m_nextFile.clear();
        m_fileDialogs = 0;
        m_form = new TfZeDesignForm(nullptr);
        m_form->SetName(QStringLiteral("ZeDesignForm"));
        m_designer = new CountingDesigner;
        m_designer->Form = m_form;
        m_form->Show();
        m_form->SetDesignState(true);
        m_form->SetDesigner(m_designer);
    }
    void cleanup()
    {
        Free(m_form);
        delete m_designer;
        QVERIFY2(m_unanswered.isEmpty(), qPrintable(m_unanswered.join(QLatin1Char('\n'))));
    }

    void pictureDialogFrame()
    {
        auto *dialog = new TfPictureEditor(nullptr);
        QCOMPARE(dialog->Caption(), QStringLiteral("Bitmap"));
        QCOMPARE(QSize(dialog->Width(), dialog->Height()), QSize(369, 381));
        QCOMPARE(dialog->Position(), poScreenCenter);
        QCOMPARE(dialog->Font()->Height(), -11);
        QCOMPARE(dialog->Button1->Caption(), QStringLiteral("Ok"));
        QVERIFY(dialog->Button1->Default() && dialog->Button1->ModalResult() == mrOk);
        QCOMPARE(dialog->Button2->Caption(), QStringLiteral("Cancel"));
        QVERIFY(dialog->Button2->Cancel() && dialog->Button2->ModalResult() == mrCancel);
        QCOMPARE(dialog->Panel1->Width(), 90);
        const QStringList hints = {dialog->SpeedButton1->Hint(), dialog->SpeedButton2->Hint(),
                                   dialog->SpeedButton3->Hint(), dialog->SpeedButton4->Hint()};
        QCOMPARE(hints, QStringList({"Open from file", "Save to file", "Clear",
                                     "Align to all client size"}));
        QVERIFY(dialog->SpeedButton1->Flat() && !dialog->SpeedButton1->Glyph()->Empty());
        for (TOpenDialog *files : {static_cast<TOpenDialog *>(dialog->OpenPictureDialog1),
                                   static_cast<TOpenDialog *>(dialog->SavePictureDialog1)}) {
            QCOMPARE(files->Filter(), QStringLiteral("Bitmaps (*.bmp)|*.bmp|All|*.*"));
            QCOMPARE(files->DefaultExt(), QStringLiteral(".bmp"));
        }
        QCOMPARE(dialog->OpenPictureDialog1->Title(), QStringLiteral("Open bitmap file"));
        QCOMPARE(dialog->SavePictureDialog1->Title(), QStringLiteral("Save bitmap file"));
        // The picture sits centred in the white working area, 5 pixels from the form's edges.
        dialog->Show();
        QVERIFY(dialog->Image1->Center());
        QCOMPARE(dialog->Panel3->Color(), clWhite);
        QCOMPARE(dialog->Panel3->Left(), 5);
        QCOMPARE(dialog->Panel3->Top(), 5);
        const QRect screen = dialog->Handle()->screen()->availableGeometry();
        QVERIFY(qAbs(dialog->Left() + dialog->Width() / 2 - screen.center().x()) <= 1);
        Free(dialog);
    }

    void stringsDialogFrame()
    {
        auto *dialog = new TfZeStringsEditor(nullptr);
        QCOMPARE(dialog->Caption(), QStringLiteral("TStrings"));
        QCOMPARE(QSize(dialog->Width(), dialog->Height()), QSize(583, 380));
        QCOMPARE(dialog->Position(), poScreenCenter);
        QCOMPARE(dialog->Memo1->ScrollBars(), ssBoth);
        QCOMPARE(dialog->Memo1->Font()->Height(), -13);
        QCOMPARE(dialog->Memo1->Lines()->Count(), 0);
        QVERIFY(dialog->Button1->Default() && dialog->Button2->Cancel());
        QCOMPARE(dialog->Button1->Caption() + dialog->Button2->Caption(),
                 QStringLiteral("OkCancel"));
        for (TOpenDialog *files : {static_cast<TOpenDialog *>(dialog->OpenDialog1),
                                   static_cast<TOpenDialog *>(dialog->SaveDialog1)}) {
            QCOMPARE(files->Filter(), QStringLiteral("Text (*.txt)|*.txt|All|*.*"));
            QCOMPARE(files->DefaultExt(), QStringLiteral(".txt"));
        }
        QCOMPARE(dialog->OpenDialog1->Title(), QStringLiteral("Open text"));
        QCOMPARE(dialog->SaveDialog1->Title(), QStringLiteral("Save text"));
        Free(dialog);
    }

    void numberTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("digits") << "123" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("hex") << "$10" << false;
        QTest::newRow("blank first") << " 1" << false;
        QTest::newRow("blank last") << "1 " << false;
        QTest::newRow("letters after") << "12ab" << false;
        QTest::newRow("too large") << "99999999999999999999999" << false;
        QTest::newRow("value text") << "(None)" << false;
    }
    void numberTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(IsNumberText(text), number);
    }

    void valueTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("content");
        QTest::addColumn<QString>("shown");
        // content: 0 nothing, 1 something, 2 only blanks and control characters
        QTest::newRow("empty bitmap") << 0 << 0 << "(None)";
        QTest::newRow("bitmap") << 0 << 1 << "(TBitmap)";
        QTest::newRow("empty picture") << 1 << 0 << "(None)";
        QTest::newRow("picture of a bitmap") << 1 << 1 << "(TPicture)";
        QTest::newRow("picture of an icon") << 1 << 2 << "(TPicture)";
        QTest::newRow("empty icon") << 2 << 0 << "(None)";
        QTest::newRow("icon") << 2 << 1 << "(TIcon)";
        QTest::newRow("empty list") << 3 << 0 << "(None)";
        QTest::newRow("text") << 3 << 1 << "(TStrings)";
        QTest::newRow("blank lines") << 3 << 2 << "(None)";
    }
    void valueTexts()
    {
        QFETCH(int, kind);
        QFETCH(int, content);
        QFETCH(QString, shown);
        TPropertyEditorRef editor;
        std::unique_ptr<TForm> holder;
        if (kind == 0) {
            auto *button = Add<TSpeedButton>(10);
            if (content)
                button->Glyph()->SetSize(3, 2);
            editor = Editor({button}, QStringLiteral("Glyph"));
        } else if (kind == 1) {
            auto *image = Add<TImage>(10);
            if (content == 1)
                image->Picture()->Bitmap()->SetSize(4, 4);
            if (content == 2)
                image->Picture()->Icon()->LoadFromFile(m_ico);
            editor = Editor({image}, QStringLiteral("Picture"));
        } else if (kind == 2) {
            if (content)
                m_form->Icon()->LoadFromFile(m_ico);
            editor = Editor({m_form}, QStringLiteral("Icon"));
        } else {
            auto *memo = Add<TMemo>(10);
            memo->Lines()->SetText(content == 1 ? QStringLiteral("  x\n")
                                   : content == 2 ? QStringLiteral(" \n\t\n  \n")
                                                  : QString());
            editor = Editor({memo}, QStringLiteral("Lines"));
        }
        QVERIFY(editor);
        QVERIFY(ObjectCast<TZeObjectDialogEditor>(editor.Get()));
        QCOMPARE(editor->GetAttributes(), TPropertyAttributes(attrDialog | attrMultiSelect));
        QCOMPARE(editor->GetValue(), shown);
    }

    // Lines typed into the dialog reach all three memos on OK; Cancel leaves them and the
    // designer alone.
    void stringsEditorThroughItsDialog_data()
    {
        QTest::addColumn<bool>("okay");
        QTest::newRow("Ok") << true;
        QTest::newRow("Cancel") << false;
    }
    void stringsEditorThroughItsDialog()
    {
        QFETCH(bool, okay);
        TMemo *memos[] = {Add<TMemo>(10), Add<TMemo>(80), Add<TMemo>(150)};
        memos[0]->Lines()->SetText(QStringLiteral("first\nsecond\n"));
        memos[1]->Lines()->SetText(QStringLiteral("other\n"));
        TPropertyEditorRef editor =
            Editor({memos[0], memos[1], memos[2]}, QStringLiteral("Lines"));
        QVERIFY(ObjectCast<TZeStringsEditor>(editor.Get()));
        QStringList shownInDialog;
        Answer<TfZeStringsEditor>([&](TfZeStringsEditor *dialog) {
            shownInDialog = dialog->Memo1->Lines()->ToStringList();
            dialog->Memo1->SetFocus();
            QTest::keyClick(dialog->Memo1->Handle(), Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(dialog->Memo1->Handle(), Qt::Key_Return);
            QTest::keyClicks(dialog->Memo1->Handle(), QStringLiteral("third"));
            Press(okay ? dialog->Button1 : dialog->Button2);
        });
        editor->Edit();
        QCOMPARE(shownInDialog, QStringList({"first", "second"})); // the first one's lines
        for (TMemo *memo : memos) {
            const QStringList expected = okay ? QStringList{"first", "second", "third"}
                                       : memo == memos[0] ? QStringList{"first", "second"}
                                       : memo == memos[1] ? QStringList{"other"}
                                                          : QStringList();
            QCOMPARE(memo->Lines()->ToStringList(), expected);
        }
        QCOMPARE(m_designer->Notices, okay ? 1 : 0);
    }

    // A file read by "Open from file" goes to all three components on OK.
    void pictureEditorsReadFiles_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("icoFile");
        QTest::newRow("bitmap from BMP") << Kind::Picture << false;
        QTest::newRow("bitmap from ICO") << Kind::Picture << true;
        QTest::newRow("picture from BMP") << Kind::Image << false;
        QTest::newRow("picture from ICO") << Kind::Image << true;
        QTest::newRow("icon from ICO") << Kind::Icon << true;
        QTest::newRow("icon from BMP") << Kind::Icon << false;
    }
    void pictureEditorsReadFiles()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, icoFile);
        std::vector<TObject *> targets;
        std::vector<std::unique_ptr<TForm>> forms;
        QString name;
        for (int i = 0; i < 3; ++i) {
            if (kind == Kind::Picture) {
                targets.push_back(Add<TSpeedButton>(10 + 70 * i));
                name = QStringLiteral("Glyph");
            } else if (kind == Kind::Image) {
                targets.push_back(Add<TImage>(10 + 70 * i));
                name = QStringLiteral("Picture");
            } else {
                forms.push_back(std::make_unique<TForm>(nullptr));
                targets.push_back(forms.back().get());
                name = QStringLiteral("Icon");
            }
        }
        TPropertyEditorRef editor = Editor(targets, name);
        QVERIFY(editor);
        QCOMPARE(editor->GetValue(), QStringLiteral("(None)"));
        m_nextFile = icoFile ? m_ico : m_bmp;
        QString caption;
        Answer<TfPictureEditor>([&](TfPictureEditor *dialog) {
            caption = dialog->Caption();
            Press(dialog->SpeedButton1);
            Press(dialog->Button1);
        });
        editor->Edit();
        QCOMPARE(m_fileDialogs, 1);
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('\n'))));
        if (kind == Kind::Icon) {
            QCOMPARE(caption, QStringLiteral("Icon"));
            QCOMPARE(m_lastTitle, QStringLiteral("Open Icon file"));
            QCOMPARE(m_lastFilter, QStringLiteral("Ico (*.ico)|*.ico|All|*.*"));
            QCOMPARE(m_lastExt, QStringLiteral(".ico"));
        } else {
            QCOMPARE(caption, QStringLiteral("Bitmap"));
            QCOMPARE(m_lastTitle, QStringLiteral("Open bitmap file"));
        }
        const QSize fileSize = icoFile ? QSize(16, 16) : QSize(7, 5);
        for (TObject *target : targets) {
            auto *graphic = ObjectCast<TPersistent>(
                GetObjectProp(target, GetPropInfo(target, name)));
            QSize size;
            if (auto *picture = ObjectCast<TPicture>(graphic)) {
                size = QSize(picture->Width(), picture->Height());
                // The picture keeps the kind of graphic the file held.
                QCOMPARE(picture->Graphic()->ClassName(),
                         icoFile ? QStringLiteral("TIcon") : QStringLiteral("TBitmap"));
            } else {
                auto *g = ObjectCast<TGraphic>(graphic);
                size = QSize(g->Width(), g->Height());
            }
            QCOMPARE(size, fileSize);
        }
        if (kind == Kind::Picture && !icoFile) {
            auto *glyph = static_cast<TSpeedButton *>(targets[2])->Glyph();
            QCOMPARE(glyph->Image().pixel(3, 2), Pattern(7, 5).pixel(3, 2));
        }
        QCOMPARE(m_designer->Notices, 1);
        QVERIFY(editor->GetValue() != QStringLiteral("(None)"));
    }

    // "Clear" and OK give the property an empty graphic; Cancel after loading changes nothing.
    void clearAndCancel()
    {
        auto *button = Add<TSpeedButton>(10);
        button->Glyph()->LoadFromFile(m_bmp);
        TPropertyEditorRef editor = Editor({button}, QStringLiteral("Glyph"));
        QCOMPARE(editor->GetValue(), QStringLiteral("(TBitmap)"));
        m_nextFile = m_ico;
        Answer<TfPictureEditor>([&](TfPictureEditor *dialog) {
            Press(dialog->SpeedButton1);
            Press(dialog->Button2);
        });
        editor->Edit();
        QCOMPARE(button->Glyph()->Width(), 7);
        QCOMPARE(m_designer->Notices, 0);
        Answer<TfPictureEditor>([&](TfPictureEditor *dialog) {
            QCOMPARE(dialog->Image1->Picture()->Width(), 7); // the current value is shown
            Press(dialog->SpeedButton3);
            Press(dialog->Button1);
        });
        editor->Edit();
        QVERIFY(button->Glyph()->Empty());
        QCOMPARE(editor->GetValue(), QStringLiteral("(None)"));
        QCOMPARE(m_designer->Notices, 1);
    }

    // A file that is no readable picture is reported by the loader; the dialog stays open
    // with what it showed, and the property keeps its value.
    void unreadableFilesLoseNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a bitmap") << "broken.bmp" << "Bitmap image is not valid.";
        QTest::newRow("missing") << "gone.bmp" << "Cannot open file %1.";
        QTest::newRow("unknown kind") << "twenty.txt"
                                      << "Unknown picture file extension (.txt).";
    }
    void unreadableFilesLoseNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        auto *image = Add<TImage>(10);
        image->Picture()->LoadFromFile(m_bmp);
        TPropertyEditorRef editor = Editor({image}, QStringLiteral("Picture"));
        m_nextFile = m_dir.filePath(file);
        bool stillOpen = false;
        QSize shown;
        Answer<TfPictureEditor>([&](TfPictureEditor *dialog) {
            Press(dialog->SpeedButton1);
            stillOpen = dialog->Modal() && dialog->Visible();
            shown = QSize(dialog->Image1->Picture()->Width(), dialog->Image1->Picture()->Height());
            Press(dialog->Button1);
        });
        editor->Edit();
        QCOMPARE(m_boxes, QStringList{message.arg(m_nextFile)});
        QVERIFY(stillOpen);
        QCOMPARE(shown, QSize(7, 5));
        QCOMPARE(image->Picture()->Width(), 7);
        QCOMPARE(image->Picture()->Graphic()->ClassName(), QStringLiteral("TBitmap"));
    }

    // A number typed into the value field is never taken for an object, not even the number
    // of a live object of the right class.
    void typedNumbersDesignateNothing_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("text"); // 0: a live object's number, then fixed texts
        for (auto [kind, name] : {std::pair{Kind::Picture, "bitmap"},
                                  std::pair{Kind::Image, "picture"},
                                  std::pair{Kind::Icon, "icon"},
                                  std::pair{Kind::Strings, "strings"}}) {
            for (int text = 0; text < 4; ++text)
                QTest::addRow("%s %d", name, text) << kind << text;
        }
    }
    void typedNumbersDesignateNothing()
    {
        QFETCH(Kind, kind);
        QFETCH(int, text);
        TBitmap liveBitmap(5, 5);
        TPicture livePicture;
        livePicture.Bitmap()->SetSize(5, 5);
        TIcon liveIcon;
        liveIcon.LoadFromFile(m_ico);
        TStringList liveList;
        liveList.Add(QStringLiteral("live"));
        TObject *live = kind == Kind::Picture ? static_cast<TObject *>(&liveBitmap)
                      : kind == Kind::Image   ? static_cast<TObject *>(&livePicture)
                      : kind == Kind::Icon    ? static_cast<TObject *>(&liveIcon)
                                              : static_cast<TObject *>(&liveList);
        const QString typed =
            text == 0 ? QString::number(reinterpret_cast<quintptr>(live))
                      : QStringList{"0", "12345", "99999999999999999999"}[text - 1];
        TObject *target = nullptr;
        QString name;
        if (kind == Kind::Picture) {
            target = Add<TSpeedButton>(10);
            name = QStringLiteral("Glyph");
        } else if (kind == Kind::Image) {
            target = Add<TImage>(10);
            name = QStringLiteral("Picture");
        } else if (kind == Kind::Icon) {
            target = m_form;
            name = QStringLiteral("Icon");
        } else {
            target = Add<TMemo>(10);
            name = QStringLiteral("Lines");
        }
        TPropertyEditorRef editor = Editor({target}, name);
        editor->SetValue(typed);
        QCOMPARE(editor->GetValue(), QStringLiteral("(None)"));
        // Pictures and images tell the designer even of a refused text; icons and lists not.
        const bool notifies = kind == Kind::Picture || kind == Kind::Image;
        QCOMPARE(m_designer->Notices, notifies ? 1 : 0);
    }

    // Save to file writes what the dialog shows in its own format; the strings dialog reads
    // and writes text files, and a missing text file changes no line.
    void dialogsSaveAndReadFiles()
    {
        auto *dialog = new TfPictureEditor(nullptr);
        dialog->Image1->Picture()->LoadFromFile(m_bmp);
        m_nextFile = m_dir.filePath(QStringLiteral("saved.bmp"));
        dialog->SpeedButton2Click(nullptr);
        QCOMPARE(m_lastTitle, QStringLiteral("Save bitmap file"));
        QCOMPARE(QImage(m_nextFile).convertToFormat(QImage::Format_RGB32),
                 Pattern(7, 5));
        m_nextFile.clear(); // cancelled: nothing happens
        dialog->SpeedButton1Click(nullptr);
        QCOMPARE(dialog->Image1->Picture()->Width(), 7);
        QVERIFY(!dialog->Image1->Stretch());
        dialog->SpeedButton4Click(nullptr);
        QVERIFY(dialog->Image1->Stretch());
        dialog->SpeedButton4Click(nullptr);
        QVERIFY(!dialog->Image1->Stretch());
        Free(dialog);

        auto *strings = new TfZeStringsEditor(nullptr);
        m_nextFile = m_text;
        strings->SpeedButton1Click(nullptr);
        QCOMPARE(strings->Memo1->Lines()->Count(), 20);
        QCOMPARE(strings->Memo1->Lines()->Strings(19), QStringLiteral("line 20"));
        strings->Memo1->Lines()->Add(QStringLiteral("line 21"));
        m_nextFile = m_dir.filePath(QStringLiteral("saved.txt"));
        strings->SpeedButton2Click(nullptr);
        TStringList back;
        back.LoadFromFile(m_nextFile);
        QCOMPARE(back.Count(), 21);
        m_nextFile = m_dir.filePath(QStringLiteral("gone.txt"));
        QVERIFY_THROWS_EXCEPTION(EFOpenError, strings->SpeedButton1Click(nullptr));
        QCOMPARE(strings->Memo1->Lines()->Count(), 21);
        Free(strings);
    }

    // Every bitmap, picture, icon and string-list property of every placeable class, and of
    // the design form, opens its dialog from the inspector's "..." button (written back on
    // OK) and from a double-click on its value (nothing written on Cancel).
    void everyPropertyOpensItsDialog_data()
    {
        AddDesignFormAndPaletteRows();
    }
    void everyPropertyOpensItsDialog()
    {
        QFETCH(quintptr, cls);
        struct Entries {
            void Find(TClass c, TComponentcreator *&entry) { entry = FindPaletteEntry(c); }
        } entries;
        m_form->OnQueryPaletteEntry = TQueryPaletteEntryEvent::Of<&Entries::Find>(&entries);
        TObject *target = m_form;
        if (cls) {
            TControl *placed = m_form->PlaceComponent(reinterpret_cast<TClass>(cls), 30, 40,
                                                      m_form, 30, 40);
            target = placed;
            if (auto *proxy = ObjectCast<TZeSubComponent>(placed))
                target = proxy->Component();
            m_form->StretchHandle->Attach(placed);
        }
        Sweep(target);
    }

    void sweepMetEveryDialogProperty()
    {
        // 15 in the placeable classes (docs/classes.txt) and the design form's Icon.
        QCOMPARE(m_swept, 16);
    }

    // Through the inspector: a number typed into a picture row and entered changes nothing.
    void numberTypedIntoTheInspector()
    {
        auto *button = Add<TSpeedButton>(10);
        m_form->StretchHandle->Attach(button);
        const InspectorPtr owner = ShowInspector(button);
        TfObjectInspector *insp = owner.get();
        TObjectInspProperty *row = nullptr;
        for (TObjectInspProperty *r : insp->TabRows())
            if (r->Editor->GetName() == QLatin1String("Glyph"))
                row = r;
        QVERIFY(row);
        insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
        QTest::mouseClick(insp->pbValues->Handle(), Qt::LeftButton, {},
                          QPoint(30, row->Top + 8));
        QVERIFY(insp->SelectedRow == row);
        insp->ePropValue->SelectAll();
        QTest::keyClicks(insp->ePropValue->Handle(),
                         QString::number(reinterpret_cast<quintptr>(m_form->Icon())));
        QTest::keyClick(insp->ePropValue->Handle(), Qt::Key_Return);
        QVERIFY(button->Glyph()->Empty());
        QCOMPARE(insp->SelectedRow->Editor->GetValue(), QStringLiteral("(None)"));
        QCOMPARE(m_designer->Notices, 1);
        QVERIFY(m_boxes.isEmpty());
    }
};

void TestValueEditors::Sweep(TObject *target)
{
    const InspectorPtr owner = ShowInspector(target);
    TfObjectInspector *insp = owner.get();
    QStringList names;
    for (TObjectInspProperty *row : insp->TabRows())
        if (ObjectCast<TZeObjectDialogEditor>(row->Editor.Get()))
            names << row->Editor->GetName();
    // Every bitmap, picture, icon and string-list property the class publishes has a row.
    QStringList published;
    for (const TPropInfo *prop : GetPropList(target)) {
        TClass cls = prop->PropType->ClassType;
        for (TClass kind : {TBitmap::StaticClass(), TPicture::StaticClass(),
                            TIcon::StaticClass(), TStrings::StaticClass()})
            if (prop->PropType->Kind == KindClass && cls && cls->InheritsFrom(kind))
                published << prop->Name;
    }
    published.sort(Qt::CaseInsensitive);
    QCOMPARE(names, published);
    m_swept += int(names.size());
    for (const QString &name : names) {
        // The rows are rebuilt after each write: look the row up again each time.
        auto rowOf = [&] {
            for (TObjectInspProperty *r : insp->TabRows())
                if (r->Editor->GetName() == name)
                    return r;
            return static_cast<TObjectInspProperty *>(nullptr);
        };
        auto select = [&] {
            TObjectInspProperty *row = rowOf();
            insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
            QTest::mouseClick(insp->pbValues->Handle(), Qt::LeftButton, {},
                              QPoint(30, row->Top + 8));
            return insp->SelectedRow == row;
        };
        const bool strings = ObjectCast<TZeStringsEditor>(rowOf()->Editor.Get());
        const bool icon = ObjectCast<TZeIconEditor>(rowOf()->Editor.Get());
        QVERIFY2(select(), qPrintable(name));
        QVERIFY(insp->sbEdit->Visible());
        m_nextFile = icon ? m_ico : m_bmp;
        int opened = 0;
        AnswerWithChange(strings, true, opened);
        QTest::mouseClick(insp->sbEdit->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(opened, 1);
        auto *value = ObjectCast<TPersistent>(GetObjectProp(target, GetPropInfo(target, name)));
        if (auto *list = ObjectCast<TStrings>(value)) {
            QCOMPARE(list->ToStringList(), QStringList({"alpha", "beta"}));
        } else {
            auto *graphic = ObjectCast<TGraphic>(value);
            auto *picture = ObjectCast<TPicture>(value);
            const QSize size = picture ? QSize(picture->Width(), picture->Height())
                                       : QSize(graphic->Width(), graphic->Height());
            QCOMPARE(size, icon ? QSize(16, 16) : QSize(7, 5));
        }
        const QString written = insp->ePropValue->Text();
        QCOMPARE(written, strings ? QStringLiteral("(TStrings)")
                          : icon  ? QStringLiteral("(TIcon)")
                                  : rowOf()->Editor->GetValue());
        QVERIFY(written != QStringLiteral("(None)"));

        // A double-click on the value opens the dialog again; Cancel keeps the value.
        QVERIFY(select());
        AnswerWithChange(strings, false, opened);
        QTest::mouseDClick(insp->ePropValue->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(opened, 2);
        QCOMPARE(rowOf()->Editor->GetValue(), written);
    }
    QVERIFY(m_boxes.isEmpty());
}

QTEST_MAIN(TestValueEditors)
#include "tst_valueeditors.moc"
