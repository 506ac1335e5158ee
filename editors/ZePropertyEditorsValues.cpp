// The picture, image, icon and string-list editors: each opens its dialog on a copy of the
// first selected object's value and hands the dialog's object back to SetValue on OK.

#include "ZePropertyEditors.h"

#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "Graphics.h"
#include "StdCtrls.h"
#include "ZePictureEditor.h"
#include "ZeStringsEditor.h"

#include <QScopedValueRollback>

#include <memory>

Z_DEFINE_CLASS(TZeObjectDialogEditor, TPropertyEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZePictureEditor, TZeObjectDialogEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeImageEditor, TZeObjectDialogEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeIconEditor, TZeObjectDialogEditor, NoPublishedProps)
Z_DEFINE_CLASS(TZeStringsEditor, TZeObjectDialogEditor, NoPublishedProps)

namespace {

const QString kNone = QStringLiteral("(None)");

// Dialogs are made without owner and freed when Edit ends, also when an error escapes.
struct FormFree
{
    void operator()(TForm *form) const { Free(form); }
};
template<class D>
using DialogPtr = std::unique_ptr<D, FormFree>;

// Runs dialog D for editor: fill copies the value in; confirmed runs when it closes with OK.
template<class D>
void RunDialog(TPropertyEditor *editor, const std::function<void(D *)> &fill,
               const std::function<void(D *)> &confirmed)
{
    const TPropertyEditorRef keepAlive(editor); // while the dialog runs
    editor->TPropertyEditor::Edit();           // offers no value list: changes nothing
    DialogPtr<D> dialog(new D(nullptr));
    fill(dialog.get());
    if (dialog->ShowModal() == mrOk)
        confirmed(dialog.get());
}

bool HasSize(int width, int height)
{
    return width > 0 || height > 0;
}

// The text without the blanks and control characters at either end.
QString TrimControls(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] <= QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void ShowIconFiles(TfPictureEditor *dialog)
{
    const QString filter = QStringLiteral("Ico (*.ico)|*.ico|All|*.*");
    const QString ext = QStringLiteral(".ico");
    dialog->OpenPictureDialog1->SetFilter(filter);
    dialog->OpenPictureDialog1->SetDefaultExt(ext);
    dialog->OpenPictureDialog1->SetTitle(QStringLiteral("Open Icon file"));
    dialog->SavePictureDialog1->SetFilter(filter);
    dialog->SavePictureDialog1->SetDefaultExt(ext);
    dialog->SavePictureDialog1->SetTitle(QStringLiteral("Save Icon file"));
    dialog->SetCaption(QStringLiteral("Icon"));
}

} // namespace

bool IsNumberText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    text.toULongLong(&ok, 10); // false when it does not fit
    return ok;
}

// ---- The hand-over -----------------------------------------------------------------------------

TPropertyAttributes TZeObjectDialogEditor::GetAttributes()
{
    return attrDialog | attrMultiSelect;
}

void TZeObjectDialogEditor::HandOver(TObject *object)
{
    const TPropertyEditorRef keepAlive(this); // the designer's notice may rebuild rows
    const QScopedValueRollback<TObject *> handing(m_handedOver, object); // for SetValue only
    SetValue(QString::number(reinterpret_cast<quintptr>(object)));
}

TObject *TZeObjectDialogEditor::HandedOver(const QString &text) const
{
    if (!m_handedOver || !IsNumberText(text))
        return nullptr;
    return text.toULongLong() == reinterpret_cast<quintptr>(m_handedOver) ? m_handedOver
                                                                            : nullptr;
}

TPersistent *TZeObjectDialogEditor::ValueObject(int index) const
{
    return ObjectCast<TPersistent>(GetObjectProp(GetInstance(index), GetPropInfo()));
}

bool TZeObjectDialogEditor::CopyHandedOver(const QString &text, TClass cls)
{
    auto *source = ObjectCast<TPersistent>(HandedOver(text));
    if (!source || !source->Is(cls))
        return false;
    // The object each component holds takes the copy: no reference to the dialog's object
    // is ever stored.
    WriteEach([source](const TInstProp &target) {
        if (auto *dest = ObjectCast<TPersistent>(GetObjectProp(target.Instance, target.PropInfo)))
            dest->Assign(source);
    });
    return true;
}

// ---- Bitmaps -----------------------------------------------------------------------------------

void TZePictureEditor::Edit()
{
    RunDialog<TfPictureEditor>(
        this,
        [this](TfPictureEditor *dialog) {
            if (auto *bitmap = ObjectCast<TBitmap>(ValueObject()))
                dialog->Image1->Picture()->Bitmap()->Assign(bitmap);
        },
        [this](TfPictureEditor *dialog) {
            // An icon read through the "All" filter is taken as a bitmap of the same pixels.
            TBitmap result;
            result.Assign(dialog->Image1->Picture()->Graphic());
            HandOver(&result);
        });
}

QString TZePictureEditor::GetValue()
{
    auto *bitmap = ObjectCast<TBitmap>(ValueObject());
    return bitmap && HasSize(bitmap->Width(), bitmap->Height()) ? QStringLiteral("(TBitmap)")
                                                                : kNone;
}

void TZePictureEditor::SetValue(const QString &value)
{
    if (!CopyHandedOver(value, TBitmap::StaticClass()))
        Modified();
}

// ---- Pictures ----------------------------------------------------------------------------------

// The whole picture travels, whatever graphic it holds: asking a picture for its bitmap would
// replace an icon it holds with an empty bitmap.
void TZeImageEditor::Edit()
{
    RunDialog<TfPictureEditor>(
        this,
        [this](TfPictureEditor *dialog) {
            if (auto *picture = ObjectCast<TPicture>(ValueObject()))
                dialog->Image1->Picture()->Assign(picture);
        },
        [this](TfPictureEditor *dialog) { HandOver(dialog->Image1->Picture()); });
}

QString TZeImageEditor::GetValue()
{
    auto *picture = ObjectCast<TPicture>(ValueObject());
    return picture && HasSize(picture->Width(), picture->Height()) ? QStringLiteral("(TPicture)")
                                                                   : kNone;
}

void TZeImageEditor::SetValue(const QString &value)
{
    if (!CopyHandedOver(value, TPicture::StaticClass()))
        Modified();
}

// ---- Icons -------------------------------------------------------------------------------------

void TZeIconEditor::Edit()
{
    RunDialog<TfPictureEditor>(
        this,
        [this](TfPictureEditor *dialog) {
            if (auto *icon = ObjectCast<TIcon>(ValueObject()))
                dialog->Image1->Picture()->Icon()->Assign(icon);
            ShowIconFiles(dialog);
        },
        [this](TfPictureEditor *dialog) {
            // A bitmap read through the "All" filter, or the empty one "Clear" leaves,
            // becomes an icon of the same pixels.
            TIcon result;
            TGraphic *graphic = dialog->Image1->Picture()->Graphic();
            if (auto *icon = ObjectCast<TIcon>(graphic))
                result.Assign(icon);
            else if (auto *bitmap = ObjectCast<TBitmap>(graphic))
                result.LoadFromImage(bitmap->Image());
            HandOver(&result);
        });
}

QString TZeIconEditor::GetValue()
{
    auto *icon = ObjectCast<TIcon>(ValueObject());
    return icon && HasSize(icon->Width(), icon->Height()) ? QStringLiteral("(TIcon)") : kNone;
}

void TZeIconEditor::SetValue(const QString &value)
{
    CopyHandedOver(value, TIcon::StaticClass());
}

// ---- String lists ------------------------------------------------------------------------------

void TZeStringsEditor::Edit()
{
    RunDialog<TfZeStringsEditor>(
        this,
        [this](TfZeStringsEditor *dialog) {
            if (auto *list = ObjectCast<TStrings>(ValueObject()))
                dialog->Memo1->Lines()->Assign(list);
        },
        [this](TfZeStringsEditor *dialog) { HandOver(dialog->Memo1->Lines()); });
}

QString TZeStringsEditor::GetValue()
{
    auto *list = ObjectCast<TStrings>(ValueObject());
    return list && !TrimControls(list->Text()).isEmpty() ? QStringLiteral("(TStrings)") : kNone;
}

void TZeStringsEditor::SetValue(const QString &value)
{
    CopyHandedOver(value, TStrings::StaticClass());
}
