// The find and replace dialogs: modeless windows of our own that report each button press
// through OnFind and OnReplace while they stay open.

#include "Dialogs.h"

#include "SafeCall.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PTypeInfo TypeInfoTFindOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TFindOption"),
        {QStringLiteral("frDown"), QStringLiteral("frFindNext"),
         QStringLiteral("frHideMatchCase"), QStringLiteral("frHideWholeWord"),
         QStringLiteral("frHideUpDown"), QStringLiteral("frMatchCase"),
         QStringLiteral("frDisableMatchCase"), QStringLiteral("frDisableUpDown"),
         QStringLiteral("frDisableWholeWord"), QStringLiteral("frReplace"),
         QStringLiteral("frReplaceAll"), QStringLiteral("frWholeWord"),
         QStringLiteral("frShowHelp")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TFindOptions"), element);
    return t;
}

// The window of a find or replace dialog. Its controls mirror the dialog's values; each button
// hands them back to the dialog before it reports the press.
class TFindPanel : public QDialog
{
public:
    TFindPanel(TFindDialog *owner, bool replace) : m_owner(owner)
    {
        setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));
        auto *grid = new QGridLayout;
        m_findText = new QLineEdit(this);
        grid->addWidget(new QLabel(QStringLiteral("Fi&nd what:"), this), 0, 0);
        grid->addWidget(m_findText, 0, 1);
        if (replace) {
            m_replaceText = new QLineEdit(this);
            grid->addWidget(new QLabel(QStringLiteral("Re&place with:"), this), 1, 0);
            grid->addWidget(m_replaceText, 1, 1);
        }
        m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
        m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
        m_direction = new QGroupBox(QStringLiteral("Direction"), this);
        m_up = new QRadioButton(QStringLiteral("&Up"), m_direction);
        m_down = new QRadioButton(QStringLiteral("&Down"), m_direction);
        auto *directionLayout = new QHBoxLayout(m_direction);
        directionLayout->addWidget(m_up);
        directionLayout->addWidget(m_down);

        auto *left = new QVBoxLayout;
        left->addLayout(grid);
        left->addWidget(m_wholeWord);
        left->addWidget(m_matchCase);
        left->addWidget(m_direction);
        left->addStretch();

        auto *buttons = new QVBoxLayout;
        auto *findNext = new QPushButton(QStringLiteral("&Find Next"), this);
        findNext->setDefault(true);
        buttons->addWidget(findNext);
        connect(findNext, &QPushButton::clicked, this, [this] { Press([this] {
                    m_owner->Find();
                }); });
        if (replace) {
            auto *dialog = static_cast<TReplaceDialog *>(m_owner);
            auto *one = new QPushButton(QStringLiteral("&Replace"), this);
            auto *all = new QPushButton(QStringLiteral("Replace &All"), this);
            buttons->addWidget(one);
            buttons->addWidget(all);
            connect(one, &QPushButton::clicked, this,
                    [this, dialog] { Press([dialog] { dialog->Replace(false); }); });
            connect(all, &QPushButton::clicked, this,
                    [this, dialog] { Press([dialog] { dialog->Replace(true); }); });
        }
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        buttons->addWidget(cancel);
        buttons->addStretch();
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

        auto *layout = new QHBoxLayout(this);
        layout->addLayout(left);
        layout->addLayout(buttons);
    }

    // Shows the dialog's values and the options that hide or disable controls.
    void Load(const QString &findText, const QString &replaceText, TFindOptions options)
    {
        auto has = [options](TFindOption o) { return bool(options & FindOption(o)); };
        m_findText->setText(findText);
        if (m_replaceText)
            m_replaceText->setText(replaceText);
        m_wholeWord->setChecked(has(frWholeWord));
        m_wholeWord->setVisible(!has(frHideWholeWord));
        m_wholeWord->setEnabled(!has(frDisableWholeWord));
        m_matchCase->setChecked(has(frMatchCase));
        m_matchCase->setVisible(!has(frHideMatchCase));
        m_matchCase->setEnabled(!has(frDisableMatchCase));
        (has(frDown) ? m_down : m_up)->setChecked(true);
        m_direction->setVisible(!has(frHideUpDown));
        m_direction->setEnabled(!has(frDisableUpDown));
    }

    QString FindText() const { return m_findText->text(); }
    QString ReplaceText() const { return m_replaceText ? m_replaceText->text() : QString(); }
    bool WholeWord() const { return m_wholeWord->isChecked(); }
    bool MatchCase() const { return m_matchCase->isChecked(); }
    bool Down() const { return m_down->isChecked(); }

private:
    template<class F> void Press(F f)
    {
        SafeCall([&] {
            m_owner->TakeFromPanel();
            f();
        });
    }

    TFindDialog *m_owner; // not owned: the dialog owns this window
    QLineEdit *m_findText;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QGroupBox *m_direction;
    QRadioButton *m_up;
    QRadioButton *m_down;
};

// ---- TFindDialog ------------------------------------------------------------------------------

static TPropTable FindDialogProps()
{
    using D = TFindDialog;
    return {
        Prop<D>("FindText", TypeInfoString(), &D::FindText, &D::SetFindText),
        Prop<D>("Left", TypeInfoInteger(), &D::Left, &D::SetLeft, -1),
        Prop<D>("Options", TypeInfoTFindOptions(), &D::Options, &D::SetOptions,
                FindOption(frDown)),
        Prop<D>("Top", TypeInfoInteger(), &D::Top, &D::SetTop, -1),
        EventProp<D>("OnFind", TypeInfoTNotifyEvent(), &D::OnFind),
    };
}
Z_DEFINE_CLASS(TFindDialog, TCommonDialog, FindDialogProps)

TFindDialog::TFindDialog(TComponent *owner) : TCommonDialog(owner) {}

TFindDialog::~TFindDialog()
{
    if (m_panel) {
        // Going with us, the window reports nothing more.
        QObject::disconnect(m_panel, nullptr, nullptr, nullptr);
        delete m_panel;
    }
}

void TFindDialog::SetFindText(const QString &text)
{
    m_findText = text;
    SyncPanel();
}

void TFindDialog::SyncPanel()
{
    if (!m_panel)
        return;
    const QString replaceText =
        IsReplace() ? static_cast<TReplaceDialog *>(this)->ReplaceText() : QString();
    m_panel->Load(m_findText, replaceText, m_options);
}

void TFindDialog::SetOptions(TFindOptions options)
{
    m_options = options;
    SyncPanel();
}

void TFindDialog::SetOption(TFindOption option, bool on)
{
    m_options = on ? (m_options | FindOption(option)) : (m_options & ~FindOption(option));
}

void TFindDialog::SetPosition(int left, int top)
{
    m_left = left;
    m_top = top;
    if (m_panel && left >= 0 && top >= 0)
        m_panel->move(left, top);
}

bool TFindDialog::Execute()
{
    OnShow(this);
    bool answer = false;
    if (AnswerBySeam(this, answer)) {
        // The seam played the whole visit: the dialog is closed again.
        OnClose(this);
        return answer;
    }
    return ExecuteDialog();
}

bool TFindDialog::ExecuteDialog()
{
    if (!m_panel) {
        m_panel = new TFindPanel(this, IsReplace());
        QObject::connect(m_panel, &QDialog::finished, m_panel,
                         [this] { SafeCall([this] { PanelFinished(); }); });
    }
    SyncPanel();
    if (m_left >= 0 && m_top >= 0)
        m_panel->move(m_left, m_top);
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    return true;
}

void TFindDialog::CloseDialog()
{
    if (m_panel && m_panel->isVisible())
        m_panel->reject();
}

bool TFindDialog::Showing() const
{
    return m_panel && m_panel->isVisible();
}

void TFindDialog::TakeFromPanel()
{
    if (!m_panel)
        return;
    m_findText = m_panel->FindText();
    SetOption(frWholeWord, m_panel->WholeWord());
    SetOption(frMatchCase, m_panel->MatchCase());
    SetOption(frDown, m_panel->Down());
}

void TFindDialog::PanelFinished()
{
    TakeFromPanel();
    OnClose(this);
}

void TFindDialog::Find()
{
    SetOption(frFindNext, true);
    SetOption(frReplace, false);
    SetOption(frReplaceAll, false);
    OnFind(this);
}

// ---- TReplaceDialog ---------------------------------------------------------------------------

static TPropTable ReplaceDialogProps()
{
    using D = TReplaceDialog;
    return {
        Prop<D>("ReplaceText", TypeInfoString(), &D::ReplaceText, &D::SetReplaceText),
        EventProp<D>("OnReplace", TypeInfoTNotifyEvent(), &D::OnReplace),
    };
}
Z_DEFINE_CLASS(TReplaceDialog, TFindDialog, ReplaceDialogProps)

TReplaceDialog::TReplaceDialog(TComponent *owner) : TFindDialog(owner) {}

void TReplaceDialog::SetReplaceText(const QString &text)
{
    m_replaceText = text;
    SyncPanel();
}

void TReplaceDialog::TakeFromPanel()
{
    TFindDialog::TakeFromPanel();
    if (m_panel)
        m_replaceText = m_panel->ReplaceText();
}

void TReplaceDialog::Replace(bool all)
{
    SetOption(frFindNext, false);
    SetOption(frReplace, !all);
    SetOption(frReplaceAll, all);
    OnReplace(this);
}
