// Editing in place: the grid's editor over the current cell, when it comes up and goes down,
// and how what was typed reaches the cell.

#include "Grids.h"

#include "SafeCall.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

// Tells the grid when the focus leaves its editor for a window outside the grid.
class TEditorFocusWatch : public QObject
{
public:
    explicit TEditorFocusWatch(TCustomGrid *grid) : m_grid(grid) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A window coming to the front or a popup menu takes the focus only for a while.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        QWidget *now = QApplication::focusWidget();
        if (now && (now == watched || now == m_grid->Handle()))
            return false;
        SafeCall([this] { m_grid->EditorExited(); });
        return false;
    }

private:
    TCustomGrid *m_grid; // not owned: the grid owns the editor this watches
};

} // namespace

Z_DEFINE_CLASS(TInplaceEdit, TCustomMaskEdit, NoPublishedProps)

// The grid frees its editor itself. Owned by the grid, the editor would take the grid's design
// state, and a control in design state shows even while hidden.
TInplaceEdit::TInplaceEdit(TCustomGrid *grid) : TCustomMaskEdit(nullptr), m_grid(grid)
{
    SetControlStyle(ControlStyle() & ~csFixedHeight);
    SetAutoSize(false);
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetVisible(false);
}

TInplaceEdit::~TInplaceEdit()
{
    Destroying();
    DestroyWidget();
}

void TInplaceEdit::InitWidget()
{
    TCustomMaskEdit::InitWidget();
    // The text stands where the grid draws a cell's text: two pixels in from its corner.
    QLineEdit *w = LineEdit();
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w->setTextMargins(0, 1, 0, 0);
    auto *watch = new TEditorFocusWatch(m_grid);
    watch->setParent(w);
    w->installEventFilter(watch);
}

bool TInplaceEdit::KeyDown(quint16 &key, TShiftState shift)
{
    if (key == 0)
        return false;
    // Moving on past either end of the text is the grid's when the editor is always up.
    const bool forward = m_grid->Options() & GridOption(goAlwaysShowEditor);
    const bool noSelection = SelLength() == 0;
    bool toGrid = false;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
    case VK_RETURN:
        toGrid = true;
        break;
    case VK_TAB:
        toGrid = !(shift & ssAlt);
        break;
    case VK_LEFT:
    case VK_HOME:
        toGrid = forward && noSelection && SelStart() == 0;
        break;
    case VK_RIGHT:
    case VK_END:
        toGrid = forward && noSelection && SelStart() == int(Text().size());
        break;
    default:
        break;
    }
    if (toGrid)
        return m_grid->KeyDown(key, shift);
    // The form's preview first, then the grid's own handler, then the edit.
    if (TCustomMaskEdit::KeyDown(key, shift))
        return true;
    m_grid->OnKeyDown(m_grid, key, shift);
    if (key == VK_F2 && !(shift & (ssAlt | ssCtrl))) {
        // F2 while editing puts the caret after the text.
        SetSelStart(int(Text().size()));
        return true;
    }
    return key == 0;
}

bool TInplaceEdit::KeyPress(QChar &key)
{
    if (TCustomMaskEdit::KeyPress(key))
        return true;
    m_grid->OnKeyPress(m_grid, key);
    return key.isNull();
}

void TInplaceEdit::TypeChar(QChar ch)
{
    if (IsMasked()) {
        MaskKeyPress(ch);
        return;
    }
    QLineEdit *w = LineEdit();
    if (!w)
        return;
    w->insert(QString(ch));
    WidgetTextEdited(w->text());
}

// ---- the grid's side -----------------------------------------------------------------------

QString TCustomGrid::GetEditText(int, int)
{
    return QString();
}

void TCustomGrid::SetEditText(int, int, const QString &) {}

QString TCustomGrid::GetEditMask(int, int)
{
    return QString();
}

bool TCustomGrid::CanEditShow() const
{
    const TGridOptions editing = GridOption(goEditing) | GridOption(goRowSelect);
    return (m_options & editing) == GridOption(goEditing) && !Designing() && Enabled()
           && m_widget && m_col >= m_fixedCols && m_row >= m_fixedRows;
}

bool TCustomGrid::EditorShowing() const
{
    return m_inplaceEdit && m_editCol >= 0;
}

void TCustomGrid::SetEditorMode(bool v)
{
    if (!v) {
        m_editorMode = false;
        UpdateEditor();
        return;
    }
    if (!CanEditShow())
        return;
    m_editorMode = true;
    UpdateEditor();
    // Shown on request, the editor puts the caret after the text.
    if (EditorShowing() && m_inplaceEdit->Handle()->isVisible()) {
        m_inplaceEdit->Handle()->setFocus(Qt::OtherFocusReason);
        m_inplaceEdit->SetSelStart(int(m_inplaceEdit->Text().size()));
    }
}

void TCustomGrid::ShowEditor()
{
    SetEditorMode(true);
}

void TCustomGrid::HideEditor()
{
    SetEditorMode(false);
}

void TCustomGrid::ShowEditorChar(QChar ch)
{
    SetEditorMode(true);
    if (!EditorShowing())
        return;
    m_inplaceEdit->SelectAll();
    m_inplaceEdit->TypeChar(ch);
}

void TCustomGrid::CommitEditor()
{
    if (!EditorShowing() || m_committing)
        return;
    // A cell that went away with a smaller grid keeps nothing.
    if (m_editCol >= m_colCount || m_editRow >= m_rowCount)
        return;
    const QString text = m_inplaceEdit->Text();
    if (text == m_editOriginal)
        return;
    m_committing = true;
    try {
        SetEditText(m_editCol, m_editRow, text);
    } catch (...) {
        m_committing = false;
        throw;
    }
    m_committing = false;
    m_editOriginal = text;
}

void TCustomGrid::AbandonEditor()
{
    if (!EditorShowing())
        return;
    m_inplaceEdit->SetText(m_editOriginal);
    if (m_options & GridOption(goAlwaysShowEditor)) {
        m_inplaceEdit->SelectAll();
        return;
    }
    m_editorMode = false;
    UpdateEditor();
}

void TCustomGrid::UpdateEditor()
{
    if (m_committing || IsDestroying())
        return;
    const bool wanted = m_editorMode && CanEditShow();
    QWidget *editWidget =
        m_inplaceEdit && m_inplaceEdit->HandleAllocated() ? m_inplaceEdit->Handle() : nullptr;
    const bool hadFocus = editWidget && editWidget->hasFocus();
    if (EditorShowing() && (!wanted || m_editCol != m_col || m_editRow != m_row)) {
        CommitEditor();
        m_editCol = m_editRow = -1;
        if (!wanted) {
            // Back to the grid before the editor goes, or the focus would leave the grid.
            if (hadFocus)
                m_widget->setFocus(Qt::OtherFocusReason);
            m_inplaceEdit->Hide();
        }
    }
    if (!wanted)
        return;
    if (!m_inplaceEdit) {
        m_inplaceEdit = new TInplaceEdit(this);
        m_inplaceEdit->SetParent(this);
        editWidget = m_inplaceEdit->Handle();
    }
    const bool fresh = !EditorShowing();
    if (fresh) {
        m_editCol = m_col;
        m_editRow = m_row;
        m_editOriginal = GetEditText(m_col, m_row);
        m_inplaceEdit->SetColor(Color());
        m_inplaceEdit->SetEditMask(GetEditMask(m_col, m_row));
        m_inplaceEdit->SetText(m_editOriginal);
        m_editOriginal = m_inplaceEdit->Text();
        m_inplaceEdit->SetModified(false);
    }
    const QRect cell = CellRect(m_col, m_row);
    if (cell.isEmpty()) {
        m_inplaceEdit->Hide(); // scrolled out of sight; back when the cell is
        return;
    }
    m_inplaceEdit->SetBoundsRect(cell);
    m_inplaceEdit->Show();
    editWidget->raise();
    if (fresh && (hadFocus || (m_widget && m_widget->hasFocus()))) {
        editWidget->setFocus(Qt::OtherFocusReason);
        m_inplaceEdit->SelectAll();
    }
}

void TCustomGrid::EditorExited()
{
    if (m_committing || !EditorShowing())
        return;
    CommitEditor();
    if (!(m_options & GridOption(goAlwaysShowEditor))) {
        m_editorMode = false;
        UpdateEditor();
    }
}

bool TCustomGrid::EditorKey(quint16 key, TShiftState shift)
{
    if (shift & (ssAlt | ssCtrl))
        return false;
    switch (key) {
    case VK_F2:
        if (!CanEditShow())
            return false;
        SetEditorMode(true);
        return true;
    case VK_RETURN:
        if (EditorShowing()) {
            CommitEditor();
            if (m_options & GridOption(goAlwaysShowEditor))
                m_inplaceEdit->SelectAll();
            else
                SetEditorMode(false);
            return true;
        }
        if (!CanEditShow())
            return false;
        SetEditorMode(true);
        return true;
    case VK_ESCAPE:
        if (!EditorShowing())
            return false;
        AbandonEditor();
        return true;
    default:
        return false;
    }
}

bool TCustomGrid::KeyPress(QChar &key)
{
    if (TCustomControl::KeyPress(key))
        return true;
    // Typing on a cell starts editing it with what was typed.
    if (EditorShowing() || !key.isPrint() || !CanEditShow())
        return false;
    ShowEditorChar(key);
    return true;
}

void TCustomGrid::ApplyDesignState()
{
    TCustomControl::ApplyDesignState();
    // Inert at design time: no editor, no sizing or moving under way.
    if (Designing())
        m_gridState = gsNormal;
    UpdateEditor();
}
