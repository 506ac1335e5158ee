// The rows of the inspector: their layout, the two painted columns, hit-testing, expansion,
// selection and the keys that move it.

#include "ZeObjectInspector.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "StdCtrls.h"

Z_DEFINE_CLASS(TObjectInspProperty, TObject, NoPublishedProps)

namespace {

constexpr int NameIndent = 20;  // the names column leaves room for the markers
constexpr int ChildIndent = 10; // each level of sub-properties indents the name further
constexpr int CollapsedImage = 0;
constexpr int ExpandedImage = 1;

// Whether a row, or one of its shown children, draws anything inside clip: its band, and one
// row height below it, as far as the text of a tall font could reach. A column paints only
// what the paint asked for shows, and the rows outside it are many.
bool Reaches(const TObjectInspProperty *row, const QRect &clip)
{
    return row->Top <= clip.bottom()
           && row->Top + row->Height + TObjectInspProperty::RowHeight > clip.top();
}

} // namespace

// ---- One row --------------------------------------------------------------------------------

void TObjectInspProperty::SetExpanded(bool expanded)
{
    Expanded = expanded;
    if (OnExpand.Assigned()) {
        // The handler may rebuild things; the editor stays alive for the call.
        const TPropertyEditorRef editor = Editor;
        OnExpand(expanded, editor->GetName(), editor, this);
    }
}

bool TObjectInspProperty::IsEvent() const
{
    const TPropInfo *prop = Editor ? Editor->GetPropInfo() : nullptr;
    return prop && prop->PropType && prop->PropType->Kind == KindMethod;
}

bool TObjectInspProperty::HasSubProperties() const
{
    return Editor && (Editor->GetAttributes() & attrSubProperties);
}

TObjectInspProperty *TObjectInspProperty::RowAt(int y)
{
    if (y < Top || y > Top + Height)
        return nullptr;
    if (Expanded) {
        for (const auto &child : Children)
            if (TObjectInspProperty *row = child->RowAt(y))
                return row;
    }
    return this;
}

int TObjectInspProperty::Layout(int top)
{
    Top = top;
    int h = RowHeight;
    if (Expanded)
        for (const auto &child : Children)
            h += child->Layout(top + h);
    Height = h;
    return h;
}

// ---- Rows of the current tab ----------------------------------------------------------------

bool TfObjectInspector::OnCurrentTab(const TObjectInspProperty *row) const
{
    return row->IsEvent() == (tcInspector->TabIndex() == 1);
}

std::vector<TObjectInspProperty *> TfObjectInspector::TabRows() const
{
    std::vector<TObjectInspProperty *> rows;
    for (const auto &row : Rows)
        if (OnCurrentTab(row.get()))
            rows.push_back(row.get());
    return rows;
}

void TfObjectInspector::LayoutRows()
{
    int running = 0;
    for (TObjectInspProperty *row : TabRows())
        running += row->Layout(running);
    pInspector->SetHeight(running + 2);
    sbInspector->UpdateScrollBars();
}

TObjectInspProperty *TfObjectInspector::RowAt(int y)
{
    for (TObjectInspProperty *row : TabRows())
        if (TObjectInspProperty *hit = row->RowAt(y))
            return hit;
    return nullptr;
}

// ---- Painting -------------------------------------------------------------------------------

void TfObjectInspector::PaintName(TCanvas *canvas, TObjectInspProperty *row, int x, int w)
{
    canvas->TextOut(x, row->Top + 2, row->Editor->GetName());
    canvas->MoveTo(2, row->Top + 18);
    canvas->LineTo(w - 2, row->Top + 18);
    if (row->Expanded) {
        ilButtons->Draw(canvas, 2, row->Top + 1, ExpandedImage);
        const QRect clip = canvas->ClipRect();
        for (const auto &child : row->Children)
            if (Reaches(child.get(), clip))
                PaintName(canvas, child.get(), x + ChildIndent, w);
    } else if (row->HasSubProperties()) {
        ilButtons->Draw(canvas, 2, row->Top + 1, CollapsedImage);
    }
}

void TfObjectInspector::pbNamesPaint(TObject *)
{
    TCanvas *canvas = pbNames->Canvas();
    canvas->Brush()->SetStyle(bsClear);
    const int w = pLeft->Width() - 2;
    const QRect clip = canvas->ClipRect();
    for (TObjectInspProperty *row : TabRows())
        if (Reaches(row, clip))
            PaintName(canvas, row, NameIndent, w);
}

void TfObjectInspector::PaintValue(TCanvas *canvas, TObjectInspProperty *row, int a)
{
    const bool underEdit = row == SelectedRow && ePropValue->Visible();
    if (!row->IsEvent() && !underEdit) {
        const QRect clip(QPoint(2, row->Top + 2), QPoint(a - 2 - 1, row->Top + 18 - 1));
        canvas->TextRect(clip, 2, row->Top + 2, row->Editor->GetValue());
    }
    if (row->Expanded) {
        const QRect clip = canvas->ClipRect();
        for (const auto &child : row->Children)
            if (Reaches(child.get(), clip))
                PaintValue(canvas, child.get(), a);
    }
    canvas->MoveTo(2, row->Top + 18);
    canvas->LineTo(a - 2, row->Top + 18);
}

void TfObjectInspector::pbValuesPaint(TObject *)
{
    TCanvas *canvas = pbValues->Canvas();
    canvas->Brush()->SetStyle(bsClear);
    const int a = pbValues->Width() - 2;
    const QRect clip = canvas->ClipRect();
    for (TObjectInspProperty *row : TabRows())
        if (Reaches(row, clip))
            PaintValue(canvas, row, a);
}

// ---- Mouse and expansion --------------------------------------------------------------------

void TfObjectInspector::pbMouseDown(TObject *sender, TMouseButton, TShiftState, int x, int y)
{
    // Expanding, selecting and laying out each change the rows panel, and laying out lets
    // pending paints run: held, the panel is painted once, when the click is done.
    const TDrawingLock hold(sbInspector);
    if (TObjectInspProperty *row = RowAt(y)) {
        const quint64 generation = m_rowsGeneration;
        if (sender == pbNames && x < NameIndent && row->HasSubProperties())
            ToggleExpanded(row);
        if (generation == m_rowsGeneration)
            SelectRow(row);
    }
    LayoutControls();
}

void TfObjectInspector::ToggleExpanded(TObjectInspProperty *row)
{
    row->SetExpanded(!row->Expanded);
    LayoutRows();
}

void TfObjectInspector::ExpandRow(bool, const QString &, const TPropertyEditorRef &editor,
                                  TObjectInspProperty *row)
{
    if ((editor->GetAttributes() & attrSubProperties) && row->Children.empty()) {
        editor->GetProperties([this, row](const TPropertyEditorRef &sub) {
            auto child = std::make_unique<TObjectInspProperty>();
            child->Editor = sub;
            child->Inspector = this;
            child->OnExpand = row->OnExpand;
            row->Children.push_back(std::move(child));
        });
    }
    LayoutRows();
    Repaint();
}

// ---- Selection ------------------------------------------------------------------------------

void TfObjectInspector::SelectRow(TObjectInspProperty *row)
{
    // Text typed for the row being left goes to that row first: otherwise the next row's
    // value would be written back (to every selected object) when the edit is left.
    CommitEdit();
    lbPropValue->Hide();
    ePropValue->Hide();
    sbEdit->Hide();
    sbPopup->Hide();
    SelectedRow = row;
    const quint64 generation = m_rowsGeneration;
    Repaint();
    if (!row || generation != m_rowsGeneration)
        return;

    lbPropValue->SetTop(row->Top);
    ePropValue->SetTop(row->Top + 2);
    sbEdit->SetTop(row->Top + 2);
    sbPopup->SetTop(row->Top + 2);

    TControlScrollBar *bar = sbInspector->VertScrollBar();
    int p = bar->Position();
    const int h = sbInspector->ClientHeight();
    if (row->Top - p + 20 >= h)
        p = row->Top - h + 20;
    if (row->Top < p)
        p = row->Top;
    bar->SetPosition(p);

    const TPropertyEditorRef editor = row->Editor;
    const TPropertyAttributes attributes = editor->GetAttributes();
    if (attributes & attrValueList)
        sbPopup->Show();
    else if (attributes & attrDialog)
        sbEdit->Show();
    ShowEditText(row->IsEvent() ? QString() : editor->GetValue());
    ePropValue->Show();
    LayoutControls();
    ePropValue->SetFocus();
}

// ---- Keys -----------------------------------------------------------------------------------

void TfObjectInspector::FormKeyDown(TObject *sender, quint16 &key, TShiftState shift)
{
    OnFormKeyDown(sender, key, shift);
}

void TfObjectInspector::FormKeyUp(TObject *, quint16 &key, TShiftState)
{
    if (key != VK_UP && key != VK_DOWN)
        return;
    const TDrawingLock hold(sbInspector);
    const std::vector<TObjectInspProperty *> rows = TabRows();
    auto at = std::find(rows.begin(), rows.end(), SelectedRow);
    if (at == rows.end()) {
        // Nothing selected, or a child row: Down starts at the first row of the tab.
        if (key == VK_DOWN && !rows.empty())
            SelectRow(rows.front());
        return;
    }
    if (key == VK_UP && at != rows.begin())
        SelectRow(*(at - 1));
    else if (key == VK_DOWN && at + 1 != rows.end())
        SelectRow(*(at + 1));
}
