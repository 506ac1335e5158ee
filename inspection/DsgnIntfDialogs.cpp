// Standard property editors whose Edit opens a common dialog: colours, fonts and media file
// names. Each dialog is made for the call, owned by the application object and freed
// afterwards, also when an error escapes.

#include "DsgnIntf.h"

#include "Application.h"
#include "Dialogs.h"
#include "IdentTables.h"
#include "Registry.h"
#include "SysUtils.h"

Z_DEFINE_CLASS(TColorProperty, TIntegerProperty, NoPublishedProps)
Z_DEFINE_CLASS(TFontProperty, TClassProperty, NoPublishedProps)
Z_DEFINE_CLASS(TMPFilenameProperty, TStringProperty, NoPublishedProps)

namespace {

const QString kCustomColors = QStringLiteral("Custom Colors");

template<class D>
struct DialogFree
{
    void operator()(D *dialog) const { Free(dialog); }
};

template<class D>
std::unique_ptr<D, DialogFree<D>> MakeDialog()
{
    return std::unique_ptr<D, DialogFree<D>>(new D(Application));
}

} // namespace

// ---- Colours -----------------------------------------------------------------------------------

TPropertyAttributes TColorProperty::GetAttributes()
{
    return attrValueList | attrDialog | attrMultiSelect | attrRevertable;
}

QString TColorProperty::GetValue()
{
    const qint64 value = GetOrdinal();
    QString ident;
    if (ColorToIdent(value, ident))
        return ident;
    return QLatin1Char('$') + IntToHex(value, 8);
}

void TColorProperty::GetValues(const TGetStrProc &proc)
{
    for (const QString &ident : ColorIdents())
        proc(ident);
}

void TColorProperty::SetValue(const QString &value)
{
    qint64 color = 0;
    if (IdentToColor(value, color))
        SetOrdinal(color);
    else
        SetIntegerText(value);
}

void TColorProperty::Edit()
{
    const TPropertyEditorRef keepAlive(this); // while the dialog runs
    auto dialog = MakeDialog<TColorDialog>();
    {
        // Custom colours that cannot be read are simply not offered.
        TSettingsStore store;
        if (store.Open(UserSettingsFile(), false)) {
            for (const QString &line : store.ReadSection(kCustomColors))
                dialog->CustomColors()->Add(line);
        }
    }
    dialog->SetColor(TColor(GetOrdinal()));
    dialog->SetHelpContext(25010);
    dialog->SetOptions(1u << cdShowHelp);
    const bool confirmed = dialog->Execute();
    // The custom colours are kept whether the dialog was confirmed or not.
    {
        TSettingsStore store;
        if (store.Open(UserSettingsFile(), true)) {
            TStrings *colors = dialog->CustomColors();
            for (int i = 0; i < colors->Count(); ++i) {
                const QString line = colors->Strings(i);
                const qsizetype eq = line.indexOf(QLatin1Char('='));
                if (eq >= 0)
                    store.WriteString(kCustomColors, line.left(eq), line.mid(eq + 1));
            }
            store.Close();
        }
    }
    if (confirmed)
        SetOrdinal(qint64(dialog->Color()));
}

// ---- Fonts -------------------------------------------------------------------------------------

TPropertyAttributes TFontProperty::GetAttributes()
{
    return attrSubProperties | attrDialog | attrMultiSelect | attrReadOnly;
}

void TFontProperty::Edit()
{
    const TPropertyEditorRef keepAlive(this); // while the dialog runs
    auto dialog = MakeDialog<TFontDialog>();
    if (auto *font = ObjectCast<TFont>(GetObjectProp(GetInstance(), GetPropInfo())))
        dialog->Font()->Assign(font);
    dialog->SetHelpContext(25000);
    dialog->SetOptions(dialog->Options() | FontDialogOption(fdForceFontExist)
                       | FontDialogOption(fdShowHelp));
    TFont shown;
    shown.Assign(dialog->Font());
    // OK on the font as it was shown changes nothing: the other selected fonts are not made
    // copies of the first.
    if (dialog->Execute() && !(*dialog->Font() == shown))
        SetOrdinal(qint64(reinterpret_cast<std::intptr_t>(
            static_cast<TObject *>(dialog->Font()))));
}

// ---- Media file names --------------------------------------------------------------------------

TPropertyAttributes TMPFilenameProperty::GetAttributes()
{
    return attrDialog | attrRevertable;
}

void TMPFilenameProperty::Edit()
{
    const TPropertyEditorRef keepAlive(this); // while the dialog runs
    auto dialog = MakeDialog<TOpenDialog>();
    dialog->SetFileName(GetValue());
    dialog->SetFilter(QStringLiteral(
        "All files (*.*)|*.*|Wave files (*.wav)|*.wav|Midi files (*.mid)|*.mid"
        "|Video for Windows (*.avi)|*.avi"));
    dialog->SetHelpContext(25020);
    dialog->SetOptions(dialog->Options() | OpenOption(ofShowHelp) | OpenOption(ofPathMustExist)
                       | OpenOption(ofFileMustExist));
    if (dialog->Execute())
        SetValue(dialog->FileName());
}
