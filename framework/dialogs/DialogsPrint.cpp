// The print and printer-setup dialogs. No printing service is available on this machine, so
// both are small dialogs of our own that say so and keep the choices a program can read.

#include "Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr bool Has(quint32 set, int element)
{
    return set & (1u << element);
}

QLabel *NoPrinterLabel(QWidget *parent)
{
    return new QLabel(QStringLiteral("Printer: no printer is installed on this machine"), parent);
}

QDialogButtonBox *OkCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

PTypeInfo TypeInfoTPrintRange()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPrintRange"), {QStringLiteral("prAllPages"),
                                        QStringLiteral("prSelection"),
                                        QStringLiteral("prPageNums")});
    return t;
}

PTypeInfo TypeInfoTPrintDialogOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TPrintDialogOption"),
        {QStringLiteral("poPrintToFile"), QStringLiteral("poPageNums"),
         QStringLiteral("poSelection"), QStringLiteral("poWarning"), QStringLiteral("poHelp"),
         QStringLiteral("poDisablePrintToFile")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TPrintDialogOptions"), element);
    return t;
}

static TPropTable PrintDialogProps()
{
    using D = TPrintDialog;
    return {
        Prop<D>("Collate", TypeInfoBoolean(), &D::Collate, &D::SetCollate, 0),
        Prop<D>("Copies", TypeInfoInteger(), &D::Copies, &D::SetCopies, 0),
        Prop<D>("FromPage", TypeInfoInteger(), &D::FromPage, &D::SetFromPage, 0),
        Prop<D>("MaxPage", TypeInfoInteger(), &D::MaxPage, &D::SetMaxPage, 0),
        Prop<D>("MinPage", TypeInfoInteger(), &D::MinPage, &D::SetMinPage, 0),
        Prop<D>("Options", TypeInfoTPrintDialogOptions(), &D::Options, &D::SetOptions, 0),
        Prop<D>("PrintRange", TypeInfoTPrintRange(), &D::PrintRange, &D::SetPrintRange,
                prAllPages),
        Prop<D>("PrintToFile", TypeInfoBoolean(), &D::PrintToFile, &D::SetPrintToFile, 0),
        Prop<D>("ToPage", TypeInfoInteger(), &D::ToPage, &D::SetToPage, 0),
    };
}
Z_DEFINE_CLASS(TPrintDialog, TCommonDialog, PrintDialogProps)

TPrintDialog::TPrintDialog(TComponent *owner) : TCommonDialog(owner) {}

bool TPrintDialog::ExecuteDialog()
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Print"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(NoPrinterLabel(&dialog));

    auto *range = new QGroupBox(QStringLiteral("Print range"), &dialog);
    auto *rangeLayout = new QFormLayout(range);
    auto *all = new QRadioButton(QStringLiteral("&All"), range);
    auto *selection = new QRadioButton(QStringLiteral("S&election"), range);
    auto *pages = new QRadioButton(QStringLiteral("&Pages"), range);
    auto *from = new QSpinBox(range);
    auto *to = new QSpinBox(range);
    // The page boxes keep within MinPage..MaxPage when the program gives a range.
    const int low = m_minPage, high = std::max(m_maxPage, m_minPage);
    for (QSpinBox *box : {from, to})
        box->setRange(low, high > low ? high : 0x7FFFFFFF);
    from->setValue(m_fromPage);
    to->setValue(m_toPage);
    selection->setEnabled(Has(m_options, poSelection));
    pages->setEnabled(Has(m_options, poPageNums));
    from->setEnabled(pages->isEnabled());
    to->setEnabled(pages->isEnabled());
    (m_printRange == prSelection ? selection : m_printRange == prPageNums ? pages : all)
        ->setChecked(true);
    rangeLayout->addRow(all);
    rangeLayout->addRow(selection);
    rangeLayout->addRow(pages);
    rangeLayout->addRow(QStringLiteral("&from:"), from);
    rangeLayout->addRow(QStringLiteral("&to:"), to);
    layout->addWidget(range);

    auto *copiesRow = new QFormLayout;
    auto *copies = new QSpinBox(&dialog);
    copies->setRange(1, 9999);
    copies->setValue(std::max(1, m_copies));
    copiesRow->addRow(QStringLiteral("Number of &copies:"), copies);
    layout->addLayout(copiesRow);
    auto *collate = new QCheckBox(QStringLiteral("C&ollate"), &dialog);
    collate->setChecked(m_collate);
    layout->addWidget(collate);
    auto *toFile = new QCheckBox(QStringLiteral("Print to fi&le"), &dialog);
    toFile->setChecked(m_printToFile);
    toFile->setVisible(Has(m_options, poPrintToFile));
    toFile->setEnabled(!Has(m_options, poDisablePrintToFile));
    layout->addWidget(toFile);
    layout->addWidget(OkCancel(&dialog));

    if (!RunModal(dialog))
        return false;
    m_printRange = selection->isChecked() ? prSelection
                   : pages->isChecked()   ? prPageNums
                                          : prAllPages;
    m_fromPage = from->value();
    m_toPage = to->value();
    m_copies = copies->value();
    m_collate = collate->isChecked();
    m_printToFile = toFile->isChecked();
    return true;
}

Z_DEFINE_CLASS(TPrinterSetupDialog, TCommonDialog, NoPublishedProps)

TPrinterSetupDialog::TPrinterSetupDialog(TComponent *owner) : TCommonDialog(owner) {}

bool TPrinterSetupDialog::ExecuteDialog()
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(NoPrinterLabel(&dialog));
    auto *form = new QFormLayout;
    auto *paper = new QComboBox(&dialog);
    paper->addItems({QStringLiteral("A4"), QStringLiteral("Letter"), QStringLiteral("Legal")});
    form->addRow(QStringLiteral("Si&ze:"), paper);
    auto *orientation = new QComboBox(&dialog);
    orientation->addItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
    form->addRow(QStringLiteral("&Orientation:"), orientation);
    layout->addLayout(form);
    layout->addWidget(OkCancel(&dialog));
    return RunModal(dialog);
}
