// What a user does to a string grid with the keyboard and the mouse: editing cells in place,
// sizing columns and rows on the lines of the fixed cells, and dragging fixed cells to move
// columns and rows with their contents. And grids at the integer limits: billions of columns,
// sizes and lines as wide as an integer goes.

#define QTEST_QPA_MOUSE_HANDLING

#include "Application.h"
#include "Forms.h"
#include "Grids.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <limits>

namespace {

struct EditEvents
{
    void GetText(TObject *, int col, int row, QString &value)
    {
        asked.append(QPoint(col, row));
        (void)value;
    }
    void SetText(TObject *, int col, int row, const QString &value)
    {
        stored.append(QStringLiteral("%1,%2=%3").arg(col).arg(row).arg(value));
    }
    void ColMoved(TObject *, int from, int to) { moved.append(QPoint(from, to)); }
    void RowMoved(TObject *, int from, int to) { moved.append(QPoint(from, to)); }
    QList<QPoint> asked;
    QStringList stored;
    QList<QPoint> moved;
};

// Presses the keys of a script on whatever has the focus: words in braces are keys
// ({F2}, {Enter}, {Esc}, {Down}, {Tab}), everything else is typed.
void Play(const QString &script)
{
    static const QHash<QString, Qt::Key> keys = {
        {QStringLiteral("F2"), Qt::Key_F2},     {QStringLiteral("Enter"), Qt::Key_Return},
        {QStringLiteral("Esc"), Qt::Key_Escape}, {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Tab"), Qt::Key_Tab},
    };
    for (int i = 0; i < script.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (script.at(i) == QLatin1Char('{')) {
            const int end = script.indexOf(QLatin1Char('}'), i);
            QTest::keyClick(focus, keys.value(script.mid(i + 1, end - i - 1)));
            i = end;
        } else {
            QTest::keyClick(focus, script.at(i).toLatin1());
        }
    }
}

// The point halfway along the line after column col in the fixed row.
QPoint ColumnLine(TCustomGrid *grid, int col)
{
    const QRect cell = grid->CellRect(col, 0);
    return QPoint(cell.right() + 1, cell.center().y());
}

QPoint RowLine(TCustomGrid *grid, int row)
{
    const QRect cell = grid->CellRect(0, row);
    return QPoint(cell.center().x(), cell.bottom() + 1);
}

constexpr int kIntMax = std::numeric_limits<int>::max();

// The layout of a few columns worked out one column at a time, to hold the arithmetic of
// TGridAxis against.
struct CountedAxis
{
    std::vector<int> sizes;
    int lineWidth = 0;

    qint64 Extent(int first, int end) const
    {
        qint64 extent = 0;
        for (int i = first; i < end; ++i)
            extent += sizes[size_t(i)] + lineWidth;
        return extent;
    }
    int IndexPast(int first, int end, qint64 offset) const
    {
        for (int i = first; i < end; ++i) {
            if (Extent(first, i + 1) > offset)
                return i;
        }
        return end;
    }
    int FirstFitting(int lowest, int end, qint64 room) const
    {
        for (int f = lowest; f <= end; ++f) {
            if (Extent(f, end) <= room)
                return f;
        }
        return end;
    }
    int FirstLargerThan(int first, int end, qint64 limit) const
    {
        for (int i = first; i < end; ++i) {
            if (sizes[size_t(i)] + lineWidth > limit)
                return i;
        }
        return end;
    }
};

QScrollBar *Bar(TCustomGrid *grid, Qt::Orientation orientation)
{
    for (QScrollBar *bar : grid->Handle()->findChildren<QScrollBar *>()) {
        if (bar->orientation() == orientation)
            return bar;
    }
    return nullptr;
}

void Drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

} // namespace

class GridsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;
    TStringGrid *m_grid = nullptr;
    EditEvents m_events;

    // Shows the form with the grid focused on cell (2, 1), which reads "ab".
    void ShowGrid(TGridOptions extra)
    {
        m_grid->SetOptions(m_grid->Options() | extra);
        m_grid->SetCells(2, 1, QStringLiteral("ab"));
        m_grid->SetCells(2, 2, QStringLiteral("below"));
        ShowFocused();
        m_grid->SetCol(2);
        m_grid->SetRow(1);
    }

    // Shows the form, active, with the grid focused.
    void ShowFocused()
    {
        m_form->Show();
        m_form->Handle()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form->Handle()));
        m_grid->SetFocus();
        QTRY_VERIFY(m_grid->Handle()->hasFocus());
    }

    bool EditorUp() const
    {
        TInplaceEdit *edit = m_grid->InplaceEditor();
        return edit && edit->Handle()->isVisible();
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_form->SetBounds(0, 0, 500, 300);
        m_grid = new TStringGrid(m_form.get());
        m_grid->SetBounds(8, 8, 400, 200);
        m_grid->SetParent(m_form.get());
        m_events = EditEvents();
        m_grid->OnGetEditText = TGetEditEvent::Of<&EditEvents::GetText>(&m_events);
        m_grid->OnSetEditText = TSetEditEvent::Of<&EditEvents::SetText>(&m_events);
        m_grid->OnColumnMoved = TMovedEvent::Of<&EditEvents::ColMoved>(&m_events);
        m_grid->OnRowMoved = TMovedEvent::Of<&EditEvents::RowMoved>(&m_events);
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void cellsAreEditedInPlace_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("tabs");
        QTest::addColumn<QString>("cell"); // (2, 1) afterwards
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("editorUp");
        QTest::newRow("typing replaces, Enter stores")
            << "xy{Enter}" << false << "xy" << QPoint(2, 1) << QStringList{"2,1=xy"} << false;
        QTest::newRow("F2 goes on after the text")
            << "{F2}c{Enter}" << false << "abc" << QPoint(2, 1) << QStringList{"2,1=abc"}
            << false;
        QTest::newRow("Enter opens the editor too")
            << "{Enter}d{Enter}" << false << "abd" << QPoint(2, 1) << QStringList{"2,1=abd"}
            << false;
        QTest::newRow("Escape abandons")
            << "xyz{Esc}" << false << "ab" << QPoint(2, 1) << QStringList() << false;
        QTest::newRow("nothing typed stores nothing")
            << "{F2}{Enter}" << false << "ab" << QPoint(2, 1) << QStringList() << false;
        QTest::newRow("moving down stores and edits the next cell")
            << "q{Down}" << false << "q" << QPoint(2, 2) << QStringList{"2,1=q"} << true;
        QTest::newRow("Tab stores and moves on with goTabs")
            << "t{Tab}" << true << "t" << QPoint(3, 1) << QStringList{"2,1=t"} << true;
    }
    void cellsAreEditedInPlace()
    {
        QFETCH(QString, script);
        QFETCH(bool, tabs);
        QFETCH(QString, cell);
        QFETCH(QPoint, current);
        QFETCH(QStringList, stored);
        QFETCH(bool, editorUp);
        ShowGrid(GridOption(goEditing) | (tabs ? GridOption(goTabs) : 0));
        Play(script);
        QCOMPARE(m_grid->Cells(2, 1), cell);
        QCOMPARE(m_events.stored, stored);
        QCOMPARE(QPoint(m_grid->Col(), m_grid->Row()), current);
        QCOMPARE(EditorUp(), editorUp);
        QVERIFY(m_events.asked.contains(QPoint(2, 1))); // the editor asked for the text
        if (editorUp) {
            // The editor stands over the new current cell with that cell's text.
            const QRect cellRect = m_grid->CellRect(current.x(), current.y());
            QCOMPARE(m_grid->InplaceEditor()->BoundsRect(), cellRect);
            QCOMPARE(m_grid->InplaceEditor()->Text(), m_grid->Cells(current.x(), current.y()));
        } else {
            QCOMPARE(QApplication::focusWidget(), m_grid->Handle());
        }
    }

    void editorStoresWhenTheFocusLeavesOrTheMouseMovesOn()
    {
        auto *other = new TEdit(m_form.get());
        other->SetBounds(8, 220, 100, 21);
        other->SetParent(m_form.get());
        ShowGrid(GridOption(goEditing));
        Play(QStringLiteral("one"));
        other->SetFocus();
        QCOMPARE(m_grid->Cells(2, 1), QStringLiteral("one"));
        QVERIFY(!EditorUp());
        // A click on another cell stores too, and the editor goes down.
        m_grid->SetFocus();
        Play(QStringLiteral("two"));
        QTest::mouseClick(m_grid->Handle(), Qt::LeftButton, {},
                          m_grid->CellRect(3, 3).center());
        QCOMPARE(m_grid->Cells(2, 1), QStringLiteral("two"));
        QCOMPARE(QPoint(m_grid->Col(), m_grid->Row()), QPoint(3, 3));
        QVERIFY(!EditorUp());
        // A click on the current cell starts editing it.
        QTest::mouseClick(m_grid->Handle(), Qt::LeftButton, {},
                          m_grid->CellRect(3, 3).center());
        QVERIFY(EditorUp());
    }

    void alwaysShownEditorFollowsTheCurrentCell()
    {
        ShowGrid(GridOption(goEditing) | GridOption(goAlwaysShowEditor));
        QVERIFY(EditorUp());
        QCOMPARE(m_grid->InplaceEditor()->Text(), QStringLiteral("ab"));
        Play(QStringLiteral("{F2}!{Down}"));
        QCOMPARE(m_grid->Cells(2, 1), QStringLiteral("ab!"));
        QVERIFY(EditorUp());
        QCOMPARE(m_grid->InplaceEditor()->Text(), QStringLiteral("below"));
        // Escape puts the cell's text back and the editor stays.
        Play(QStringLiteral("zz{Esc}"));
        QCOMPARE(m_grid->InplaceEditor()->Text(), QStringLiteral("below"));
        QVERIFY(EditorUp());
        // At design time the editor is gone; back at run time it is up again.
        m_grid->SetDesigning(true);
        QVERIFY(!EditorUp());
        m_grid->SetDesigning(false);
        QVERIFY(EditorUp());
    }

    void noEditingWithoutTheOptionOrAtDesignTime_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("designing");
        QTest::newRow("without goEditing") << false << false;
        QTest::newRow("at design time") << true << true;
    }
    void noEditingWithoutTheOptionOrAtDesignTime()
    {
        QFETCH(bool, editing);
        QFETCH(bool, designing);
        m_grid->SetOptions(m_grid->Options() | GridOption(goColSizing)
                           | (editing ? GridOption(goEditing) : 0));
        m_grid->SetCells(2, 1, QStringLiteral("ab"));
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        m_grid->SetDesigning(designing);
        QWidget *w = m_grid->Handle();
        QTest::keyClick(w, Qt::Key_F2);
        QTest::keyClicks(w, QStringLiteral("xyz"));
        QTest::keyClick(w, Qt::Key_Return);
        QVERIFY(!EditorUp());
        QCOMPARE(m_grid->Cells(2, 1), QStringLiteral("ab"));
        QVERIFY(m_events.stored.isEmpty());
        if (designing) {
            Drag(w, ColumnLine(m_grid, 1), ColumnLine(m_grid, 1) + QPoint(30, 0));
            QCOMPARE(m_grid->ColWidths(1), 64);
        }
    }

    void linesOfTheFixedCellsSizeColumnsAndRows_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("columns");
        QTest::addColumn<QPoint>("nudge");  // of the press from the line
        QTest::addColumn<QPoint>("offset"); // of the release from the press
        QTest::addColumn<int>("colWidth");  // of column 1 afterwards
        QTest::addColumn<int>("rowHeight"); // of row 1 afterwards
        const QPoint on;
        QTest::newRow("column wider")
            << int(goColSizing) << true << on << QPoint(30, 0) << 94 << 24;
        QTest::newRow("column narrower, pressed a pixel off the line")
            << int(goColSizing) << true << QPoint(1, 0) << QPoint(-20, 0) << 44 << 24;
        QTest::newRow("row taller")
            << int(goRowSizing) << false << on << QPoint(0, 10) << 64 << 34;
        QTest::newRow("row shorter, pressed above the line")
            << int(goRowSizing) << false << QPoint(0, -2) << QPoint(0, -14) << 64 << 10;
        QTest::newRow("column without goColSizing")
            << int(goRowSizing) << true << on << QPoint(30, 0) << 64 << 24;
        QTest::newRow("row without goRowSizing")
            << int(goColSizing) << false << on << QPoint(0, 10) << 64 << 24;
    }
    void linesOfTheFixedCellsSizeColumnsAndRows()
    {
        QFETCH(int, option);
        QFETCH(bool, columns);
        QFETCH(QPoint, nudge);
        QFETCH(QPoint, offset);
        QFETCH(int, colWidth);
        QFETCH(int, rowHeight);
        m_grid->SetOptions(m_grid->Options() | GridOption(TGridOption(option)));
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        QWidget *w = m_grid->Handle();
        const QPoint line = (columns ? ColumnLine(m_grid, 1) : RowLine(m_grid, 1)) + nudge;
        const bool sizes = (option == goColSizing) == columns;
        QTest::mouseMove(w, line);
        const Qt::CursorShape sizing = columns ? Qt::SplitHCursor : Qt::SplitVCursor;
        QCOMPARE(w->cursor().shape() == sizing, sizes);
        Drag(w, line, line + offset);
        QCOMPARE(m_grid->ColWidths(1), colWidth);
        QCOMPARE(m_grid->RowHeights(1), rowHeight);
        QCOMPARE(m_grid->ColWidths(2), 64);
        // The size stays when the grid changes otherwise, and the cells after it moved.
        m_grid->SetColCount(7);
        m_grid->SetRowCount(7);
        QCOMPARE(m_grid->ColWidths(1), colWidth);
        QCOMPARE(m_grid->RowHeights(1), rowHeight);
        QCOMPARE(m_grid->CellRect(2, 2).topLeft(),
                 m_grid->CellRect(1, 1).topLeft() + QPoint(colWidth + 1, rowHeight + 1));
        // Away from the lines the cursor is the grid's own.
        QTest::mouseMove(w, m_grid->CellRect(2, 2).center());
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    }

    void draggedFixedCellsMoveRowsAndColumnsWithTheirCells_data()
    {
        QTest::addColumn<bool>("columns");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("line"); // the moved line's cells 1 to 4 afterwards
        QTest::newRow("row down") << false << 1 << 3 << QStringList{"2", "3", "1", "4"};
        QTest::newRow("row up") << false << 4 << 2 << QStringList{"1", "4", "2", "3"};
        QTest::newRow("column left") << true << 3 << 1 << QStringList{"3", "1", "2", "4"};
        QTest::newRow("column onto itself") << true << 2 << 2 << QStringList{"1", "2", "3", "4"};
    }
    void draggedFixedCellsMoveRowsAndColumnsWithTheirCells()
    {
        QFETCH(bool, columns);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, line);
        m_grid->SetOptions(m_grid->Options() | GridOption(goRowMoving)
                           | GridOption(goColMoving));
        TObject marker;
        for (int i = 1; i <= 4; ++i) {
            const QString text = QString::number(i);
            if (columns)
                m_grid->SetCells(i, 1, text);
            else
                m_grid->SetCells(1, i, text);
        }
        if (columns)
            m_grid->SetObjects(from, 2, &marker);
        else
            m_grid->SetObjects(2, from, &marker);
        m_grid->SetColWidths(from, 40);
        m_grid->SetRowHeights(from, 30);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        const QPoint press = columns ? m_grid->CellRect(from, 0).center()
                                     : m_grid->CellRect(0, from).center();
        const QPoint release = columns ? m_grid->CellRect(to, 0).center()
                                       : m_grid->CellRect(0, to).center();
        Drag(m_grid->Handle(), press, release);
        QStringList now;
        for (int i = 1; i <= 4; ++i)
            now << (columns ? m_grid->Cells(i, 1) : m_grid->Cells(1, i));
        QCOMPARE(now, line);
        // The object and the size went along; the event told where from and where to.
        QCOMPARE(columns ? m_grid->Objects(to, 2) : m_grid->Objects(2, to), &marker);
        QCOMPARE(columns ? m_grid->ColWidths(to) : m_grid->RowHeights(to), columns ? 40 : 30);
        QCOMPARE(m_events.moved,
                 from == to ? QList<QPoint>() : QList<QPoint>{QPoint(from, to)});
    }

    void axisArithmeticMatchesCountingOneByOne_data()
    {
        QTest::addColumn<int>("defaultSize");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("all default") << 5 << QList<int>{5, 5, 5, 5, 5, 5} << 1;
        QTest::newRow("own sizes around the default")
            << 5 << QList<int>{5, 9, 0, 5, 5, 2, 5} << 1;
        QTest::newRow("zero sizes without lines") << 0 << QList<int>{0, 0, 4, 0, 0, 7, 0} << 0;
        QTest::newRow("zero default between wide ones") << 0 << QList<int>{6, 0, 0, 6, 6} << 2;
        QTest::newRow("runs of own sizes") << 3 << QList<int>{8, 8, 8, 3, 1, 1, 3, 8} << 0;
    }
    void axisArithmeticMatchesCountingOneByOne()
    {
        QFETCH(int, defaultSize);
        QFETCH(QList<int>, sizes);
        QFETCH(int, lineWidth);
        TGridAxis axis(defaultSize);
        CountedAxis counted{std::vector<int>(sizes.begin(), sizes.end()), lineWidth};
        for (int i = 0; i < sizes.size(); ++i)
            axis.SetSize(i, sizes.at(i));
        const int n = int(sizes.size());
        const qint64 total = counted.Extent(0, n);
        for (int first = 0; first <= n; ++first) {
            for (int end = first; end <= n; ++end) {
                const QByteArray at = QByteArray::number(first) + ".." + QByteArray::number(end);
                QVERIFY2(axis.Extent(first, end, lineWidth) == counted.Extent(first, end), at);
                for (qint64 offset = -1; offset <= total + 1; ++offset) {
                    QVERIFY2(axis.IndexPast(first, end, offset, lineWidth)
                                 == counted.IndexPast(first, end, offset),
                             at);
                    QVERIFY2(axis.FirstFitting(first, end, offset, lineWidth)
                                 == counted.FirstFitting(first, end, offset),
                             at);
                    QVERIFY2(axis.FirstLargerThan(first, end, offset, lineWidth)
                                 == counted.FirstLargerThan(first, end, offset),
                             at);
                }
            }
        }
        // Moving one size shifts those between, as taking it out and putting it back does.
        for (int from = 0; from < n; ++from) {
            for (int to = 0; to < n; ++to) {
                TGridAxis moved = axis;
                moved.Move(from, to);
                std::vector<int> expected = counted.sizes;
                const int size = expected[size_t(from)];
                expected.erase(expected.begin() + from);
                expected.insert(expected.begin() + to, size);
                for (int i = 0; i < n; ++i)
                    QCOMPARE(moved.Size(i), expected[size_t(i)]);
            }
        }
    }

    void axisExtentsReachPastTheIntegerRange()
    {
        // Every size and line at the limit, over as many columns as a grid can have.
        TGridAxis axis(kIntMax);
        QCOMPARE(axis.Extent(0, kIntMax, kIntMax), qint64(kIntMax) * 2 * kIntMax);
        QCOMPARE(axis.IndexPast(0, kIntMax, qint64(kIntMax) * 2 * 1000, kIntMax), 1000);
        QCOMPARE(axis.FirstFitting(0, kIntMax, qint64(kIntMax) * 2 * 3, kIntMax), kIntMax - 3);
        // Only the sizes that differ are kept, and a default size forgets them.
        axis.SetSize(kIntMax - 1, 0);
        axis.SetSize(7, kIntMax);
        QCOMPARE(axis.OwnSizeCount(), 1);
        QCOMPARE(axis.Extent(kIntMax - 2, kIntMax, 0), qint64(kIntMax));
        axis.Move(kIntMax - 1, 0);
        QCOMPARE(axis.Size(0), 0);
        QCOMPARE(axis.Size(kIntMax - 1), kIntMax);
        axis.Truncate(1);
        QCOMPARE(axis.OwnSizeCount(), 1);
        axis.SetDefaultSize(10);
        QCOMPARE(axis.OwnSizeCount(), 0);
        QCOMPARE(axis.Size(0), 10);
    }

    // Two billion columns and as many rows as an integer counts: the grid keeps no storage per
    // column or row, and lays out, paints and scrolls through them by arithmetic.
    void billionsOfColumnsScrollToTheLastCell()
    {
        const int cols = 2000000000, rows = kIntMax;
        m_grid->SetColCount(cols);
        m_grid->SetRowCount(rows);
        m_grid->SetColWidths(cols - 1, 150);
        m_grid->SetRowHeights(rows - 2, 0); // shows nothing; not even its lines (none drawn)
        m_grid->SetGridLineWidth(0);
        ShowFocused();
        QVERIFY(!m_grid->Handle()->grab().isNull());

        QWidget *w = m_grid->Handle();
        QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_grid->Col(), cols - 1);
        QCOMPARE(m_grid->Row(), rows - 1);
        // A page further from the last row stays on it.
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(m_grid->Row(), rows - 1);
        QVERIFY(!m_grid->Handle()->grab().isNull());

        // Scrolled as far as it goes, with the last cell entire in sight where the mouse finds
        // it.
        QCOMPARE(m_grid->LeftCol() + m_grid->VisibleColCount(), cols);
        QCOMPARE(m_grid->TopRow() + m_grid->VisibleRowCount(), rows);
        QCOMPARE(Bar(m_grid, Qt::Horizontal)->maximum(), m_grid->LeftCol());
        QCOMPARE(Bar(m_grid, Qt::Vertical)->maximum(), m_grid->TopRow());
        const QRect last = m_grid->CellRect(cols - 1, rows - 1);
        QCOMPARE(last.width(), 150);
        QVERIFY(m_grid->ClientRect().contains(last));
        QCOMPARE(m_grid->MouseToCell(last.center().x(), last.center().y()),
                 QPoint(cols - 1, rows - 1));
        QCOMPARE(m_grid->CellRect(cols - 2, rows - 1).right() + 1, last.left());

        // Back to the first cell, and a smaller grid forgets the far sizes.
        QTest::keyClick(w, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m_grid->LeftCol(), 1);
        QCOMPARE(m_grid->TopRow(), 1);
        m_grid->SetColCount(5);
        m_grid->SetColCount(cols);
        QCOMPARE(m_grid->ColWidths(cols - 1), 64);
    }

    void sizesAtTheIntegerLimitLayOutWithoutOverflow_data()
    {
        QTest::addColumn<int>("colWidth");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("widest columns") << kIntMax << 24 << 1;
        QTest::newRow("tallest rows") << 64 << kIntMax << 1;
        QTest::newRow("widest lines") << 64 << 24 << kIntMax;
        QTest::newRow("everything at the limit") << kIntMax << kIntMax << kIntMax;
    }
    void sizesAtTheIntegerLimitLayOutWithoutOverflow()
    {
        QFETCH(int, colWidth);
        QFETCH(int, rowHeight);
        QFETCH(int, lineWidth);
        m_grid->SetDefaultColWidth(colWidth);
        m_grid->SetDefaultRowHeight(rowHeight);
        m_grid->SetGridLineWidth(lineWidth);
        // The current cell, drawn with its focus rectangle, is the first one and the largest.
        m_grid->SetFixedCols(0);
        m_grid->SetFixedRows(0);
        m_grid->SetColCount(kIntMax);
        m_grid->SetCol(0);
        m_grid->SetRow(0);
        ShowFocused();
        QVERIFY(!m_grid->Handle()->grab().isNull());

        // The values stay as set; the first cell starts at the client's corner and is cut
        // only where no widget reaches.
        QCOMPARE(m_grid->DefaultColWidth(), colWidth);
        QCOMPARE(m_grid->GridLineWidth(), lineWidth);
        const QRect client = m_grid->ClientRect();
        const QRect first = m_grid->CellRect(0, 0);
        QCOMPARE(first.topLeft(), client.topLeft());
        QCOMPARE(first.width(), std::min(colWidth, QWIDGETSIZE_MAX - client.left()));
        QCOMPARE(first.height(), std::min(rowHeight, QWIDGETSIZE_MAX - client.top()));
        QCOMPARE(m_grid->MouseToCell(client.left(), client.top()), QPoint(0, 0));

        // A column (row) too wide to fit is scrolled to and shown alone, from its start.
        QTest::keyClick(m_grid->Handle(), Qt::Key_Right);
        QTest::keyClick(m_grid->Handle(), Qt::Key_Down);
        const bool wide = qint64(colWidth) + lineWidth > client.width();
        const bool tall = qint64(rowHeight) + lineWidth > client.height();
        QCOMPARE(m_grid->LeftCol(), wide ? 1 : 0);
        QCOMPARE(m_grid->TopRow(), tall ? 1 : 0);
        QCOMPARE(m_grid->CellRect(1, 1).topLeft(),
                 QPoint(wide ? client.left() : client.left() + colWidth + lineWidth,
                        tall ? client.top() : client.top() + rowHeight + lineWidth));
        QVERIFY(!m_grid->Handle()->grab().isNull());
        const QScrollBar *bar = Bar(m_grid, Qt::Horizontal);
        QVERIFY(bar->minimum() <= bar->value() && bar->value() <= bar->maximum());
    }
};

QTEST_MAIN(GridsTest)
#include "tst_grids.moc"
