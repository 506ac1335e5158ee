// What a user does to a string grid with the keyboard and the mouse: editing cells in place,
// sizing columns and rows on the lines of the fixed cells, and dragging fixed cells to move
// columns and rows with their contents.

#define QTEST_QPA_MOUSE_HANDLING

#include "Application.h"
#include "Forms.h"
#include "Grids.h"

#include <QLineEdit>
#include <QtTest>

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
        m_form->Show();
        m_form->Handle()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form->Handle()));
        m_grid->SetFocus();
        QTRY_VERIFY(m_grid->Handle()->hasFocus());
        m_grid->SetCol(2);
        m_grid->SetRow(1);
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
};

QTEST_MAIN(GridsTest)
#include "tst_grids.moc"
