// The image list editor dialog: its controls, the thumbnail strip and the editing actions.

#include "ZeImageListEditor.h"

#include "Application.h"
#include "ComCtrlsRanges.h"
#include "ControlScrollBar.h"
#include "VirtualKeys.h"

#include <algorithm>
#include <climits>
#include <cmath>

Z_DEFINE_CLASS(TZeSpinEdit, TWinControl, NoPublishedProps)
Z_DEFINE_CLASS(TfZeImageListEditor, TForm, NoPublishedProps)

namespace {

const QString kBitmapFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All|*.*");

template<class T>
T *Make(TComponent *owner, TWinControl *parent, const char *name)
{
    auto *control = new T(owner);
    control->SetName(QString::fromLatin1(name));
    control->SetParent(parent);
    return control;
}

// Black where the image is opaque, white where its pixel has the transparent colour.
void MakeMask(const QImage &image, QRgb transparent, TBitmap *mask)
{
    QImage bits(image.size(), QImage::Format_RGB32);
    const QRgb key = transparent & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool clear = (image.pixel(x, y) & 0xFFFFFF) == key;
            bits.setPixel(x, y, clear ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    mask->LoadFromImage(bits);
}

} // namespace

// ---- TZeSpinEdit -------------------------------------------------------------------------------

TZeSpinEdit::TZeSpinEdit(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 21);
    m_edit = new TEdit(this);
    m_edit->SetAlign(alClient);
    m_edit->SetText(QStringLiteral("0"));
    m_edit->SetParent(this);
    m_edit->OnKeyDown = TKeyEvent::Of<&TZeSpinEdit::EditKeyDown>(this);
    m_buttons = new TUpDown(this);
    m_buttons->SetWidth(15);
    m_buttons->SetAlign(alRight);
    m_buttons->SetWrap(true); // the buttons only say which way: the edit holds the value
    m_buttons->SetArrowKeys(false);
    m_buttons->SetParent(this);
    m_buttons->OnClick = TUDClickEvent::Of<&TZeSpinEdit::ButtonClick>(this);
}

int TZeSpinEdit::Value() const
{
    bool ok = false;
    const int value = m_edit->Text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

void TZeSpinEdit::SetValue(int value)
{
    m_edit->SetText(QString::number(value));
}

void TZeSpinEdit::ButtonClick(TObject *, TUDBtnType button)
{
    const qint64 next = qint64(Value()) + (button == TUDBtnType::btNext ? 1 : -1);
    SetValue(int(std::clamp<qint64>(next, INT_MIN, INT_MAX)));
}

void TZeSpinEdit::EditKeyDown(TObject *, quint16 &key, TShiftState)
{
    if (key == VK_UP || key == VK_DOWN) {
        ButtonClick(this, key == VK_UP ? TUDBtnType::btNext : TUDBtnType::btPrev);
        key = 0;
    }
}

// ---- Building the form -------------------------------------------------------------------------

TfZeImageListEditor::TfZeImageListEditor(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("ZeImageListEditor"));
    SetCaption(QStringLiteral("Image List Editor"));
    SetBounds(0, 0, 425, 291);
    SetPosition(poScreenCenter);
    SetBorderStyle(bsDialog);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetScaled(false);
    SetKeyPreview(true);
    BuildControls();
    OnKeyUp = TKeyEvent::Of<&TfZeImageListEditor::FormKeyUp>(this);
    // FormCreate: the strip's lists start empty and nothing is selected.
    Labels.clear();
    Thumbnails.clear();
    SelectedIndex = -1;
}

TfZeImageListEditor::~TfZeImageListEditor()
{
    SetTarget(nullptr);
}

void TfZeImageListEditor::BuildControls()
{
    ImageList1 = new TImageList(this);
    ImageList1->SetName(QStringLiteral("ImageList1"));
    OpenPictureDialog1 = new TOpenPictureDialog(this);
    OpenPictureDialog1->SetName(QStringLiteral("OpenPictureDialog1"));
    SavePictureDialog1 = new TSavePictureDialog(this);
    SavePictureDialog1->SetName(QStringLiteral("SavePictureDialog1"));
    for (TOpenDialog *dialog : {static_cast<TOpenDialog *>(OpenPictureDialog1),
                                static_cast<TOpenDialog *>(SavePictureDialog1)}) {
        dialog->SetDefaultExt(QStringLiteral("*.bmp"));
        dialog->SetFilter(kBitmapFilter);
    }
    BuildButtons();
    BuildSelectBox();
    BuildImagesBox();
}

TButton *TfZeImageListEditor::AddButton(const char *name, const QString &caption, int top)
{
    auto *button = Make<TButton>(this, this, name);
    button->SetCaption(caption);
    button->SetBounds(336, top, 75, 25);
    return button;
}

void TfZeImageListEditor::BuildButtons()
{
    Button1 = AddButton("Button1", QStringLiteral("Ok"), 8);
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = AddButton("Button2", QStringLiteral("Cancel"), 38);
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);
    Button3 = AddButton("Button3", QStringLiteral("Apply"), 68);
    Button3->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button3Click>(this);
    Button5 = AddButton("Button5", QStringLiteral("Add"), 112);
    Button5->SetHint(QStringLiteral("Insert images (Ins)"));
    Button5->SetShowHint(true);
    Button5->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button5Click>(this);
    Button6 = AddButton("Button6", QStringLiteral("Delete"), 142);
    Button6->SetHint(QStringLiteral("Delete image  (Del)"));
    Button6->SetShowHint(true);
    Button6->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button6Click>(this);
    Button7 = AddButton("Button7", QStringLiteral("Clear"), 172);
    Button7->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button7Click>(this);
    Button4 = AddButton("Button4", QStringLiteral("Export"), 233);
    Button4->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button4Click>(this);
}

void TfZeImageListEditor::BuildSelectBox()
{
    GroupBox1 = Make<TGroupBox>(this, this, "GroupBox1");
    GroupBox1->SetCaption(QStringLiteral(" Select image   "));
    GroupBox1->SetBounds(8, 4, 321, 130);

    Panel1 = Make<TPanel>(this, GroupBox1, "Panel1");
    Panel1->SetCaption(QString());
    Panel1->SetBounds(12, 20, 100, 100);
    Panel1->SetColor(clWhite);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetBevelWidth(3);
    Image1 = Make<TImage>(this, Panel1, "Image1");
    Image1->SetAlign(alClient);
    Image1->SetCenter(true);
    Image1->SetStretch(true);

    Label4 = Make<TLabel>(this, GroupBox1, "Label4");
    Label4->SetAutoSize(false);
    Label4->SetAlignment(taRightJustify);
    Label4->SetCaption(QStringLiteral("Index"));
    Label4->SetBounds(124, 27, 40, 13);
    SpinEdit1 = Make<TZeSpinEdit>(this, GroupBox1, "SpinEdit1");
    SpinEdit1->SetBounds(172, 23, 73, 21);
    Button8 = Make<TButton>(this, GroupBox1, "Button8");
    Button8->SetCaption(QStringLiteral("Go"));
    Button8->SetBounds(172, 56, 73, 25);
    Button8->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button8Click>(this);
    Button9 = Make<TButton>(this, GroupBox1, "Button9");
    Button9->SetCaption(QStringLiteral("Change"));
    Button9->SetBounds(172, 88, 73, 25);
    Button9->OnClick = TNotifyEvent::Of<&TfZeImageListEditor::Button9Click>(this);
}

void TfZeImageListEditor::BuildImagesBox()
{
    GroupBox3 = Make<TGroupBox>(this, this, "GroupBox3");
    GroupBox3->SetCaption(QStringLiteral(" Images   "));
    GroupBox3->SetBounds(8, 138, 321, 120);
    ScrollBox1 = Make<TScrollBox>(this, GroupBox3, "ScrollBox1");
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->HorzScrollBar()->SetTracking(true);
    ScrollBox1->VertScrollBar()->SetVisible(false);
    pImages = Make<TPanel>(this, ScrollBox1, "pImages");
    pImages->SetCaption(QString());
    pImages->SetBevelOuter(bvNone);
    pImages->SetColor(clWhite);
    pImages->SetBounds(0, 0, 0, 34);
}

void TfZeImageListEditor::SetTarget(TCustomImageList *list)
{
    SetReference(this, m_target, list);
}

void TfZeImageListEditor::Notification(TComponent *component, TOperation operation)
{
    TForm::Notification(component, operation);
    if (operation == opRemove && component == m_target)
        m_target = nullptr;
}

// ---- The strip ---------------------------------------------------------------------------------

void TfZeImageListEditor::RebuildStrip()
{
    while (pImages->ComponentCount() > 0)
        Free(pImages->Components(pImages->ComponentCount() - 1));
    Labels.clear();
    Thumbnails.clear();
    const int w = ImageList1->Width(), h = ImageList1->Height();
    const int count = ImageList1->Count();
    pImages->SetBounds(pImages->Left(), pImages->Top(), count * (w + 4), h + 18);
    for (int i = 0; i < count; ++i) {
        auto *thumbnail = new TImage(pImages);
        thumbnail->SetBounds(i * (w + 4), 16, w, h);
        Thumbnails.push_back(thumbnail);
        thumbnail->OnMouseUp = TMouseEvent::Of<&TfZeImageListEditor::ImageMouseUp>(this);
        ImageList1->GetBitmap(i, thumbnail->Picture()->Bitmap());
        thumbnail->SetParent(pImages);
        thumbnail->SetTag(i);

        auto *label = new TLabel(pImages);
        label->SetAutoSize(false);
        label->SetBounds(i * (w + 4), 0, w, 14);
        label->SetAlignment(taCenter);
        label->SetCaption(QString::number(i));
        label->SetTag(i);
        label->OnMouseUp = TMouseEvent::Of<&TfZeImageListEditor::ImageMouseUp>(this);
        label->SetParent(pImages);
        Labels.push_back(label);
    }
}

void TfZeImageListEditor::ImageMouseUp(TObject *sender, TMouseButton, TShiftState, int, int)
{
    auto *control = ObjectCast<TControl>(sender);
    if (!control)
        return;
    const int index = int(control->Tag());
    for (TLabel *label : Labels) {
        label->SetColor(clWhite);
        label->Font()->SetColor(clWindowText);
    }
    TBitmap preview;
    ImageList1->GetBitmap(index, &preview);
    Image1->Picture()->Bitmap()->Assign(&preview);
    if (index >= 0 && index < int(Labels.size())) {
        Labels[size_t(index)]->SetColor(clHighlight);
        Labels[size_t(index)]->Font()->SetColor(clHighlightText);
    }
    SpinEdit1->SetValue(index);
    SelectedIndex = index;
}

void TfZeImageListEditor::GoToImage(int index)
{
    if (Labels.empty())
        return;
    index = std::max(0, std::min(index, int(Labels.size()) - 1));
    TLabel *label = Labels[size_t(index)];
    ImageMouseUp(label, mbLeft, TShiftState(), 0, 0);
    if (label->Left() > pImages->Left() + ScrollBox1->Width()) {
        const double middle = label->Left() - ScrollBox1->Width() / 2.0;
        ScrollBox1->HorzScrollBar()->SetPosition(int(std::lround(middle)));
    }
}

// ---- Adding images -----------------------------------------------------------------------------

void TfZeImageListEditor::Button5Click(TObject *)
{
    if (!OpenPictureDialog1->Execute() || OpenPictureDialog1->FileName().isEmpty())
        return;
    AddImagesFromFile(OpenPictureDialog1->FileName());
}

void TfZeImageListEditor::AddImagesFromFile(const QString &fileName)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(fileName); // an unreadable file stops here, the list untouched
    AddBitmap(&bitmap);
    RebuildStrip();
    GoToImage(0);
}

void TfZeImageListEditor::AddBitmap(TBitmap *bitmap)
{
    const int width = bitmap->Width(), height = bitmap->Height();
    if (height <= 0 || width <= 0)
        throw EInvalidGraphic(QStringLiteral("The bitmap has no pixels: no image was added"));
    const QImage &pixels = bitmap->Image();
    const QRgb transparent = pixels.pixel(0, 0);
    TBitmap mask;
    if (width % height != 0) {
        if (ImageList1->Count() == 0)
            ImageList1->SetSize(width, height);
        MakeMask(pixels, transparent, &mask);
        ImageList1->Add(bitmap, &mask);
        return;
    }
    for (int left = 0; left < width; left += height) {
        TBitmap tile;
        tile.LoadFromImage(pixels.copy(left, 0, height, height));
        MakeMask(tile.Image(), transparent, &mask);
        ImageList1->Add(&tile, &mask);
    }
}

// ---- Deleting, moving, applying ----------------------------------------------------------------

void TfZeImageListEditor::Button6Click(TObject *)
{
    if (SelectedIndex < 0 || !ConfirmYesNo(QStringLiteral("Delete bitmap ?")))
        return;
    ImageList1->Delete(SelectedIndex);
    RebuildStrip();
    GoToImage(SelectedIndex);
}

void TfZeImageListEditor::Button7Click(TObject *)
{
    if (!ConfirmYesNo(QStringLiteral("Clear bitmaps ?")))
        return;
    ImageList1->Clear();
    RebuildStrip();
    GoToImage(SelectedIndex);
}

void TfZeImageListEditor::Button8Click(TObject *)
{
    GoToImage(SpinEdit1->Value());
}

void TfZeImageListEditor::Button9Click(TObject *)
{
    if (SelectedIndex < 0)
        return;
    const int destination = SpinEdit1->Value();
    ImageList1->Move(SelectedIndex, destination);
    RebuildStrip();
    GoToImage(destination);
}

void TfZeImageListEditor::Button3Click(TObject *)
{
    if (m_target)
        m_target->Assign(ImageList1);
    OnModified();
}

// ---- Export and keys ---------------------------------------------------------------------------

void TfZeImageListEditor::PaintStrip(TBitmap *strip)
{
    const int w = ImageList1->Width(), count = ImageList1->Count();
    strip->SetSize(count * w, ImageList1->Height());
    strip->Canvas()->Brush()->SetColor(clWhite);
    strip->Canvas()->FillRect(QRect(0, 0, strip->Width(), strip->Height()));
    for (int i = 0; i < count; ++i)
        ImageList1->Draw(strip->Canvas(), i * w, 0, i);
    strip->Canvas()->ReleasePainter();
}

void TfZeImageListEditor::Button4Click(TObject *)
{
    // An empty list would make a bitmap without pixels, which no bitmap file can hold.
    if (ImageList1->Count() == 0)
        throw EInvalidGraphic(QStringLiteral("The list holds no image to export"));
    if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().isEmpty())
        return;
    TBitmap strip;
    PaintStrip(&strip);
    strip.SaveToFile(SavePictureDialog1->FileName());
}

void TfZeImageListEditor::FormKeyUp(TObject *, quint16 &key, TShiftState)
{
    const quint16 pressed = key;
    // Taken here, the key goes no further: the dialog opened meanwhile has moved the focus,
    // and the key would otherwise reach the form again through the focused control's parents.
    if (pressed == VK_INSERT || pressed == VK_DELETE)
        key = 0;
    if (pressed == VK_INSERT)
        Button5Click(this);
    else if (pressed == VK_DELETE)
        Button6Click(this);
}
