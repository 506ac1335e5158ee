// The file-filter dialog.

#include "ZeFilterEditor.h"

#include "ExtCtrls.h"
#include "Grids.h"
#include "ValueDialogFrame.h"
#include "WindowBuilding.h"

namespace {

constexpr int NameCol = 0;
constexpr int PatternCol = 1;

} // namespace

Z_DEFINE_CLASS(TfZeFilterEditor, TForm, NoPublishedProps)

TfZeFilterEditor::TfZeFilterEditor(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("fZeFilterEditor"));
    SetupValueDialog(this, QStringLiteral("Filter Editor"), 448, 251);
    SetBorderStyle(bsSingle);
    SetClientWidth(440);
    SetClientHeight(224);
    AddDialogSpacers(this);
    TPanel *buttons = FlatPanel(this, this, "Panel1", alRight);
    buttons->SetWidth(90);
    DialogButton(this, buttons, "Button1", true, 8, 0);
    DialogButton(this, buttons, "Button2", false, 8, 31);

    sgValue = new TStringGrid(this);
    sgValue->SetName(QStringLiteral("sgValue"));
    sgValue->SetColCount(2);
    sgValue->SetRowCount(EntryRows + 1);
    sgValue->SetFixedCols(0);
    sgValue->SetFixedRows(1);
    sgValue->SetDefaultRowHeight(18);
    sgValue->SetColWidths(NameCol, 147);
    sgValue->SetColWidths(PatternCol, 156);
    sgValue->SetOptions(DefaultGridOptions | GridOption(goEditing)
                        | GridOption(goAlwaysShowEditor));
    sgValue->SetAlign(alClient);
    sgValue->SetParent(this);

    OnCreate = TNotifyEvent::Of<&TfZeFilterEditor::FormCreate>(this);
    DoCreate();
}

void TfZeFilterEditor::FormCreate(TObject *)
{
    sgValue->SetCells(NameCol, 0, QStringLiteral("Filter name"));
    sgValue->SetCells(PatternCol, 0, QStringLiteral("Filter value"));
}

void TfZeFilterEditor::SetFilterText(const QString &text)
{
    for (int row = 1; row < sgValue->RowCount(); ++row) {
        sgValue->SetCells(NameCol, row, QString());
        sgValue->SetCells(PatternCol, row, QString());
    }
    int row = 1;
    bool nameDue = true;
    QString token;
    for (const QChar c : text) {
        if (c != QLatin1Char('|')) {
            token += c;
            continue;
        }
        if (row > EntryRows)
            break;
        sgValue->SetCells(nameDue ? NameCol : PatternCol, row, token);
        token.clear();
        if (!nameDue)
            ++row;
        nameDue = !nameDue;
    }
    // The rest of a filter with more than 24 entries has no row to go to.
    if (!token.isEmpty() && row <= EntryRows)
        sgValue->SetCells(PatternCol, row, token);
}

QString TfZeFilterEditor::GetFilterText() const
{
    QString result;
    for (int row = 1; row < sgValue->RowCount(); ++row) {
        const QString name = sgValue->Cells(NameCol, row);
        if (name.isEmpty())
            break;
        if (row > 1)
            result += QLatin1Char('|');
        result += name + QLatin1Char('|') + sgValue->Cells(PatternCol, row);
    }
    return result;
}
