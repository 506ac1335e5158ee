#pragma once

// The common dialogs: non-visual components whose Execute shows a modal dialog (a modeless one
// for find and replace) and keeps what the user chose in their properties.
//
// Test seam: a process-wide hook answers every dialog instead of showing a window. It gets the
// dialog object (a TCommonDialog, or another framework object that asks the user through a
// dialog, such as the object container's properties dialog), may fill in the values a user
// would choose (FileName, Color, Font, ...), and its result is Execute's result.

#include "Classes.h"
#include "Graphics.h"
#include "Strings.h"
#include "TypInfo.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QDialog;
class QWidget;

using TDialogSeam = std::function<bool(TObject *dialog)>;
// Installs seam (an empty one shows real dialogs again); returns the seam it replaces.
TDialogSeam SetDialogSeam(TDialogSeam seam);
// True when a seam is installed; then answer holds its result for dialog.
bool AnswerBySeam(TObject *dialog, bool &answer);

// Installs a seam for the lifetime of the scope and puts the previous one back after.
class TDialogSeamScope
{
public:
    explicit TDialogSeamScope(TDialogSeam seam) : m_previous(SetDialogSeam(std::move(seam))) {}
    ~TDialogSeamScope() { SetDialogSeam(std::move(m_previous)); }
    TDialogSeamScope(const TDialogSeamScope &) = delete;
    TDialogSeamScope &operator=(const TDialogSeamScope &) = delete;

private:
    TDialogSeam m_previous;
};

class TCommonDialog : public TComponent
{
    Z_CLASS(TCommonDialog)
public:
    explicit TCommonDialog(TComponent *owner);
    ~TCommonDialog() override;

    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool v) { m_ctl3D = v; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int v) { m_helpContext = v; }

    // Shows the dialog; true when the user accepted it. OnShow runs before and OnClose after.
    virtual bool Execute();

    TNotifyEvent OnClose;
    TNotifyEvent OnShow;

protected:
    // Shows the real dialog, modally; true when accepted.
    virtual bool ExecuteDialog() = 0;
    // Runs dialog modally with the application's active window as its parent.
    static bool RunModal(QDialog &dialog);

private:
    bool m_ctl3D = true;
    int m_helpContext = 0;
};

// ---- Open and save ---------------------------------------------------------------------------

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
    ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
    ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
    ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing
};
using TOpenOptions = quint32; // bit n = TOpenOption n
constexpr TOpenOptions OpenOption(TOpenOption o) { return TOpenOptions(1u << o); }
constexpr TOpenOptions DefaultOpenOptions =
    OpenOption(ofHideReadOnly) | OpenOption(ofEnableSizing);
PTypeInfo TypeInfoTOpenOptions();

using TCanCloseEvent = TEvent<TObject *, bool &>;

// One entry of a filter: its description and its patterns.
struct TFilterEntry
{
    QString Description;
    QStringList Patterns;
};
// Splits a filter "Text files (*.txt)|*.txt|All|*.*" into its entries; patterns are separated
// by ";". A description without patterns is dropped.
std::vector<TFilterEntry> ParseFilter(const QString &filter);
// The filters in the form Qt's file dialog shows: "Text files (*.txt)", "All (*.*)".
QStringList FilterToNameFilters(const QString &filter);

class TOpenDialog : public TCommonDialog
{
    Z_CLASS(TOpenDialog)
public:
    explicit TOpenDialog(TComponent *owner);
    ~TOpenDialog() override;

    QString DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const QString &ext) { m_defaultExt = ext; }
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &name) { m_fileName = name; }
    // Every file chosen (several with ofAllowMultiSelect); FileName is the first.
    TStrings *Files() const { return m_files; } // owned
    QString Filter() const { return m_filter; }
    void SetFilter(const QString &filter) { m_filter = filter; }
    // 1-based index of the filter in use.
    int FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int index) { m_filterIndex = index; }
    QString InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString &dir) { m_initialDir = dir; }
    TOpenOptions Options() const { return m_options; }
    void SetOptions(TOpenOptions options) { m_options = options; }
    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }
    // Entries the user picked earlier; not used by the dialog here.
    TStrings *HistoryList() const { return m_historyList; } // owned
    void SetHistoryList(TStrings *list) { m_historyList->Assign(list); }

    bool Execute() override;

    // Asked when the user accepts a file; clearing CanClose keeps the dialog open.
    TCanCloseEvent OnCanClose;
    TNotifyEvent OnFolderChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnTypeChange;

protected:
    // Save dialogs ask for a file to write.
    virtual bool SaveMode() const { return false; }
    bool ExecuteDialog() override;

private:
    QString m_defaultExt;
    QString m_fileName;
    TStringList *m_files;
    QString m_filter;
    int m_filterIndex = 1;
    QString m_initialDir;
    TOpenOptions m_options = DefaultOpenOptions;
    QString m_title;
    TStringList *m_historyList;
};

class TSaveDialog : public TOpenDialog
{
    Z_CLASS(TSaveDialog)
public:
    explicit TSaveDialog(TComponent *owner);

protected:
    bool SaveMode() const override { return true; }
};

// ---- Font and colour --------------------------------------------------------------------------

enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
enum TFontDialogOption {
    fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel,
    fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp,
    fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton
};
using TFontDialogOptions = quint32; // bit n = TFontDialogOption n
constexpr TFontDialogOptions FontDialogOption(TFontDialogOption o)
{
    return TFontDialogOptions(1u << o);
}
PTypeInfo TypeInfoTFontDialogDevice();
PTypeInfo TypeInfoTFontDialogOptions();

// The handle argument is the dialog's window.
using TFDApplyEvent = TEvent<TObject *, QWidget *>;
PTypeInfo TypeInfoTFDApplyEvent();

class TFontDialog : public TCommonDialog
{
    Z_CLASS(TFontDialog)
public:
    explicit TFontDialog(TComponent *owner);
    ~TFontDialog() override;

    TFont *Font() const { return m_font; } // owned
    void SetFont(TFont *font) { m_font->Assign(font); }
    TFontDialogDevice Device() const { return m_device; }
    void SetDevice(TFontDialogDevice device) { m_device = device; }
    // Point sizes; with fdLimitSize the chosen size is kept between them (0: no limit).
    int MinFontSize() const { return m_minFontSize; }
    void SetMinFontSize(int size) { m_minFontSize = size; }
    int MaxFontSize() const { return m_maxFontSize; }
    void SetMaxFontSize(int size) { m_maxFontSize = size; }
    TFontDialogOptions Options() const { return m_options; }
    void SetOptions(TFontDialogOptions options) { m_options = options; }

    // Makes Font the font qfont describes; keeps Font's name when qfont is the face that
    // name is drawn with here.
    void TakeFont(const QFont &qfont);

    // The Apply button (fdApplyButton) was pressed; Font holds the font shown.
    TFDApplyEvent OnApply;

protected:
    bool ExecuteDialog() override;

private:
    TFont *m_font;
    TFontDialogDevice m_device = fdScreen;
    int m_minFontSize = 0;
    int m_maxFontSize = 0;
    TFontDialogOptions m_options = FontDialogOption(fdEffects);
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = quint32; // bit n = TColorDialogOption n
PTypeInfo TypeInfoTColorDialogOptions();

class TColorDialog : public TCommonDialog
{
    Z_CLASS(TColorDialog)
public:
    explicit TColorDialog(TComponent *owner);
    ~TColorDialog() override;

    TColor Color() const { return m_color; }
    void SetColor(TColor color) { m_color = color; }
    // Lines "ColorA=BBGGRR" to "ColorP=BBGGRR" (hexadecimal); read before the dialog is shown
    // and written back after it closed with OK.
    TStrings *CustomColors() const { return m_customColors; } // owned
    void SetCustomColors(TStrings *colors) { m_customColors->Assign(colors); }
    TColorDialogOptions Options() const { return m_options; }
    void SetOptions(TColorDialogOptions options) { m_options = options; }

protected:
    bool ExecuteDialog() override;

private:
    TColor m_color = clBlack;
    TStringList *m_customColors;
    TColorDialogOptions m_options = 0;
};

// ---- Printing ---------------------------------------------------------------------------------

enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TPrintDialogOption {
    poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile
};
using TPrintDialogOptions = quint32; // bit n = TPrintDialogOption n
PTypeInfo TypeInfoTPrintRange();
PTypeInfo TypeInfoTPrintDialogOptions();

// The print dialog of our own: this machine has no printing service, so it offers the range,
// copies and collation and prints nothing itself.
class TPrintDialog : public TCommonDialog
{
    Z_CLASS(TPrintDialog)
public:
    explicit TPrintDialog(TComponent *owner);

    bool Collate() const { return m_collate; }
    void SetCollate(bool v) { m_collate = v; }
    int Copies() const { return m_copies; }
    void SetCopies(int v) { m_copies = v; }
    int FromPage() const { return m_fromPage; }
    void SetFromPage(int v) { m_fromPage = v; }
    int ToPage() const { return m_toPage; }
    void SetToPage(int v) { m_toPage = v; }
    int MinPage() const { return m_minPage; }
    void SetMinPage(int v) { m_minPage = v; }
    int MaxPage() const { return m_maxPage; }
    void SetMaxPage(int v) { m_maxPage = v; }
    TPrintDialogOptions Options() const { return m_options; }
    void SetOptions(TPrintDialogOptions options) { m_options = options; }
    TPrintRange PrintRange() const { return m_printRange; }
    void SetPrintRange(TPrintRange range) { m_printRange = range; }
    bool PrintToFile() const { return m_printToFile; }
    void SetPrintToFile(bool v) { m_printToFile = v; }

protected:
    bool ExecuteDialog() override;

private:
    bool m_collate = false;
    int m_copies = 0;
    int m_fromPage = 0;
    int m_toPage = 0;
    int m_minPage = 0;
    int m_maxPage = 0;
    TPrintDialogOptions m_options = 0;
    TPrintRange m_printRange = prAllPages;
    bool m_printToFile = false;
};

// Paper and orientation; with no printer here, the choice is shown and not kept.
class TPrinterSetupDialog : public TCommonDialog
{
    Z_CLASS(TPrinterSetupDialog)
public:
    explicit TPrinterSetupDialog(TComponent *owner);

protected:
    bool ExecuteDialog() override;
};

// ---- Find and replace -------------------------------------------------------------------------

enum TFindOption {
    frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase,
    frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll,
    frWholeWord, frShowHelp
};
using TFindOptions = quint32; // bit n = TFindOption n
constexpr TFindOptions FindOption(TFindOption o) { return TFindOptions(1u << o); }
PTypeInfo TypeInfoTFindOptions();

class TFindPanel;

// A modeless dialog: Execute shows it and returns at once; "Find Next" sets frFindNext and
// calls OnFind while the dialog stays open.
class TFindDialog : public TCommonDialog
{
    Z_CLASS(TFindDialog)
public:
    explicit TFindDialog(TComponent *owner);
    ~TFindDialog() override;

    QString FindText() const { return m_findText; }
    void SetFindText(const QString &text);
    TFindOptions Options() const { return m_options; }
    void SetOptions(TFindOptions options);
    // The dialog's screen position; -1 leaves the place to the window system.
    int Left() const { return m_left; }
    void SetLeft(int v) { SetPosition(v, m_top); }
    int Top() const { return m_top; }
    void SetTop(int v) { SetPosition(m_left, v); }
    void SetPosition(int left, int top);

    bool Execute() override;
    // Hides the dialog.
    void CloseDialog();
    bool Showing() const;

    // What the "Find Next" button does: marks frFindNext and calls OnFind.
    virtual void Find();

    TNotifyEvent OnFind;

    // Framework-internal: the dialog's window tells its values back.
    virtual void TakeFromPanel();

protected:
    bool ExecuteDialog() override;
    virtual bool IsReplace() const { return false; }
    void SetOption(TFindOption option, bool on);

    QString m_findText;
    TFindOptions m_options = FindOption(frDown);
    int m_left = -1;
    int m_top = -1;
    TFindPanel *m_panel = nullptr; // owned; made when first shown

    // Shows the values in the window, when it exists.
    void SyncPanel();

private:
    void PanelFinished();
};

class TReplaceDialog : public TFindDialog
{
    Z_CLASS(TReplaceDialog)
public:
    explicit TReplaceDialog(TComponent *owner);

    QString ReplaceText() const { return m_replaceText; }
    void SetReplaceText(const QString &text);

    // What "Replace" (all = false) and "Replace All" do: mark frReplace or frReplaceAll and
    // call OnReplace.
    virtual void Replace(bool all);

    TNotifyEvent OnReplace;

    void TakeFromPanel() override;

protected:
    bool IsReplace() const override { return true; }

private:
    QString m_replaceText;
};
