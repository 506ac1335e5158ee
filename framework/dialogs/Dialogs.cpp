#include "Dialogs.h"

#include "Forms.h"
#include "SafeCall.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

// ---- The seam ---------------------------------------------------------------------------------

namespace {

TDialogSeam &Seam()
{
    static TDialogSeam seam;
    return seam;
}

} // namespace

TDialogSeam SetDialogSeam(TDialogSeam seam)
{
    TDialogSeam previous = std::move(Seam());
    Seam() = std::move(seam);
    return previous;
}

bool AnswerBySeam(TObject *dialog, bool &answer)
{
    if (!Seam())
        return false;
    // A copy: the seam may replace itself while it answers.
    const TDialogSeam seam = Seam();
    answer = seam(dialog);
    return true;
}

// ---- TCommonDialog ----------------------------------------------------------------------------

static TPropTable CommonDialogProps()
{
    using D = TCommonDialog;
    return {
        Prop<D>("Ctl3D", TypeInfoBoolean(), &D::Ctl3D, &D::SetCtl3D, 1),
        Prop<D>("HelpContext", TypeInfoTHelpContext(), &D::HelpContext, &D::SetHelpContext, 0),
        EventProp<D>("OnClose", TypeInfoTNotifyEvent(), &D::OnClose),
        EventProp<D>("OnShow", TypeInfoTNotifyEvent(), &D::OnShow),
    };
}
Z_DEFINE_CLASS(TCommonDialog, TComponent, CommonDialogProps)

TCommonDialog::TCommonDialog(TComponent *owner) : TComponent(owner) {}

TCommonDialog::~TCommonDialog() = default;

bool TCommonDialog::Execute()
{
    OnShow(this);
    bool answer = false;
    if (!AnswerBySeam(this, answer))
        answer = ExecuteDialog();
    OnClose(this);
    return answer;
}

bool TCommonDialog::RunModal(QDialog &dialog)
{
    if (!dialog.parentWidget()) {
        if (QWidget *active = QApplication::activeWindow())
            dialog.setParent(active, dialog.windowFlags() | Qt::Dialog);
    }
    return dialog.exec() == QDialog::Accepted;
}

// ---- Filters ----------------------------------------------------------------------------------

std::vector<TFilterEntry> ParseFilter(const QString &filter)
{
    std::vector<TFilterEntry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        TFilterEntry entry;
        entry.Description = parts[i].trimmed();
        for (const QString &p : parts[i + 1].split(QLatin1Char(';'))) {
            if (!p.trimmed().isEmpty())
                entry.Patterns << p.trimmed();
        }
        if (!entry.Patterns.isEmpty())
            entries.push_back(entry);
    }
    return entries;
}

QStringList FilterToNameFilters(const QString &filter)
{
    QStringList result;
    for (const TFilterEntry &entry : ParseFilter(filter)) {
        const QString patterns = entry.Patterns.join(QLatin1Char(' '));
        QString text = entry.Description;
        // Qt reads the patterns from the parentheses that end the text: a description that
        // already shows its own patterns keeps them, with Qt's separator.
        const int open = text.lastIndexOf(QLatin1Char('('));
        if (text.endsWith(QLatin1Char(')')) && open >= 0) {
            QString shown = text.mid(open + 1, text.size() - open - 2);
            shown.replace(QLatin1Char(';'), QLatin1Char(' '));
            if (shown.simplified() == patterns) {
                result << text.left(open + 1) + patterns + QLatin1Char(')');
                continue;
            }
        }
        if (text.isEmpty())
            text = patterns;
        result << text + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

// ---- TOpenDialog ------------------------------------------------------------------------------

PTypeInfo TypeInfoTOpenOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TOpenOption"),
        {QStringLiteral("ofReadOnly"), QStringLiteral("ofOverwritePrompt"),
         QStringLiteral("ofHideReadOnly"), QStringLiteral("ofNoChangeDir"),
         QStringLiteral("ofShowHelp"), QStringLiteral("ofNoValidate"),
         QStringLiteral("ofAllowMultiSelect"), QStringLiteral("ofExtensionDifferent"),
         QStringLiteral("ofPathMustExist"), QStringLiteral("ofFileMustExist"),
         QStringLiteral("ofCreatePrompt"), QStringLiteral("ofShareAware"),
         QStringLiteral("ofNoReadOnlyReturn"), QStringLiteral("ofNoTestFileCreate"),
         QStringLiteral("ofNoNetworkButton"), QStringLiteral("ofNoLongNames"),
         QStringLiteral("ofOldStyleDialog"), QStringLiteral("ofNoDereferenceLinks"),
         QStringLiteral("ofEnableIncludeNotify"), QStringLiteral("ofEnableSizing")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TOpenOptions"), element);
    return t;
}

static TPropTable OpenDialogProps()
{
    using D = TOpenDialog;
    const PTypeInfo notify = TypeInfoTNotifyEvent();
    return {
        Prop<D>("DefaultExt", TypeInfoString(), &D::DefaultExt, &D::SetDefaultExt),
        Prop<D>("FileName", TypeInfoString(), &D::FileName, &D::SetFileName),
        Prop<D>("Filter", TypeInfoString(), &D::Filter, &D::SetFilter),
        Prop<D>("FilterIndex", TypeInfoInteger(), &D::FilterIndex, &D::SetFilterIndex, 1),
        Prop<D>("InitialDir", TypeInfoString(), &D::InitialDir, &D::SetInitialDir),
        Prop<D>("Options", TypeInfoTOpenOptions(), &D::Options, &D::SetOptions,
                DefaultOpenOptions),
        Prop<D>("Title", TypeInfoString(), &D::Title, &D::SetTitle),
        EventProp<D>("OnCanClose", TypeInfoTCloseQueryEvent(), &D::OnCanClose),
        EventProp<D>("OnFolderChange", notify, &D::OnFolderChange),
        EventProp<D>("OnSelectionChange", notify, &D::OnSelectionChange),
        EventProp<D>("OnTypeChange", notify, &D::OnTypeChange),
    };
}
Z_DEFINE_CLASS(TOpenDialog, TCommonDialog, OpenDialogProps)

TOpenDialog::TOpenDialog(TComponent *owner)
    : TCommonDialog(owner), m_files(new TStringList), m_historyList(new TStringList)
{}

TOpenDialog::~TOpenDialog()
{
    Free(m_files);
    Free(m_historyList);
}

bool TOpenDialog::Execute()
{
    m_files->Clear();
    const bool accepted = TCommonDialog::Execute();
    // A seam that names one file leaves Files to us.
    if (accepted && m_files->Count() == 0 && !m_fileName.isEmpty())
        m_files->Add(m_fileName);
    return accepted;
}

namespace {

// Qt's file dialog, asking OnCanClose before it closes with a choice.
class TFileDialogWindow : public QFileDialog
{
public:
    TFileDialogWindow(TOpenDialog *owner, std::function<void()> takeChoice)
        : m_owner(owner), m_takeChoice(std::move(takeChoice))
    {}

    void done(int result) override
    {
        if (result == QDialog::Accepted) {
            bool canClose = true;
            SafeCall([&] {
                m_takeChoice();
                m_owner->OnCanClose(m_owner, canClose);
            });
            if (!canClose)
                return;
        }
        QFileDialog::done(result);
    }

private:
    TOpenDialog *m_owner; // not owned
    std::function<void()> m_takeChoice;
};

QString PlainExtension(QString ext)
{
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

} // namespace

bool TOpenDialog::ExecuteDialog()
{
    const QStringList nameFilters = FilterToNameFilters(m_filter);
    auto takeChoice = [this, nameFilters](QFileDialog &dialog) {
        const QStringList files = dialog.selectedFiles();
        m_files->SetStringList(files);
        m_fileName = files.value(0);
        const int filter = int(nameFilters.indexOf(dialog.selectedNameFilter()));
        if (filter >= 0)
            m_filterIndex = filter + 1;
        const QString ext = PlainExtension(m_defaultExt);
        const bool different = !ext.isEmpty()
            && QFileInfo(m_fileName).suffix().compare(ext, Qt::CaseInsensitive) != 0;
        m_options = different ? (m_options | OpenOption(ofExtensionDifferent))
                              : (m_options & ~OpenOption(ofExtensionDifferent));
    };
    TFileDialogWindow *window = nullptr;
    TFileDialogWindow dialog(this, [&] { takeChoice(*window); });
    window = &dialog;

    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(SaveMode() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (SaveMode())
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (m_options & OpenOption(ofAllowMultiSelect))
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (m_options & OpenOption(ofFileMustExist))
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     !(m_options & OpenOption(ofOverwritePrompt)));
    dialog.setOption(QFileDialog::DontResolveSymlinks,
                     bool(m_options & OpenOption(ofNoDereferenceLinks)));
    dialog.setSizeGripEnabled(m_options & OpenOption(ofEnableSizing));
    if (!m_title.isEmpty())
        dialog.setWindowTitle(m_title);
    else
        dialog.setWindowTitle(SaveMode() ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setDefaultSuffix(PlainExtension(m_defaultExt));
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
        if (m_filterIndex >= 1 && m_filterIndex <= nameFilters.size())
            dialog.selectNameFilter(nameFilters[m_filterIndex - 1]);
    }
    const QFileInfo current(m_fileName);
    if (!m_initialDir.isEmpty())
        dialog.setDirectory(m_initialDir);
    else if (!m_fileName.isEmpty() && current.dir().exists())
        dialog.setDirectory(current.absolutePath());
    if (!m_fileName.isEmpty())
        dialog.selectFile(current.fileName());

    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                     [this] { SafeCall([this] { OnFolderChange(this); }); });
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog,
                     [this] { SafeCall([this] { OnSelectionChange(this); }); });
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [this, nameFilters](const QString &filter) {
                         const int index = int(nameFilters.indexOf(filter));
                         if (index >= 0)
                             m_filterIndex = index + 1;
                         SafeCall([this] { OnTypeChange(this); });
                     });
    return RunModal(dialog);
}

Z_DEFINE_CLASS(TSaveDialog, TOpenDialog, NoPublishedProps)

TSaveDialog::TSaveDialog(TComponent *owner) : TOpenDialog(owner) {}
