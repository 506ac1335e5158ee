#include "ComCtrlsTabLayout.h"

#include <algorithm>

namespace {

int Gap(const TTabLayoutInput &in)
{
    return in.Buttons ? kButtonGap : 0;
}

// Where a row laid from tab first would end, if nothing stopped it.
int RowEndFrom(const TTabLayoutInput &in, int first)
{
    int x = kTabLead;
    for (size_t i = size_t(std::max(0, first)); i < in.Lengths.size(); ++i)
        x += std::max(1, in.Lengths[i]) + (i + 1 < in.Lengths.size() ? Gap(in) : 0);
    return x;
}

bool FitsInOneRow(const TTabLayoutInput &in)
{
    return RowEndFrom(in, 0) <= in.Extent;
}

int ArrowsStart(const TTabLayoutInput &in)
{
    return std::max(0, in.Extent - 2 * kTabArrowLength);
}

// The first tab shown in a scrolled row: as asked, but no further on than needed to fill the
// space before the arrows.
int ClampFirstVisible(const TTabLayoutInput &in, int first)
{
    const int count = int(in.Lengths.size());
    first = std::clamp(first, 0, std::max(0, count - 1));
    while (first > 0 && RowEndFrom(in, first - 1) <= ArrowsStart(in))
        --first;
    return first;
}

// Wraps the tabs into rows; a tab too long for any row has one of its own. Fills start and
// length (stretched when the rows are justified) and the row of each tab; returns the rows.
int WrapRows(const TTabLayoutInput &in, std::vector<int> &start, std::vector<int> &length,
             std::vector<int> &row)
{
    const int count = int(in.Lengths.size());
    const int usableEnd = in.Extent - kTabLead;
    int x = kTabLead, r = 0;
    for (int i = 0; i < count; ++i) {
        const int len = std::max(1, in.Lengths[size_t(i)]);
        if (x > kTabLead && x + len > usableEnd) {
            ++r;
            x = kTabLead;
        }
        start[size_t(i)] = x;
        length[size_t(i)] = len;
        row[size_t(i)] = r;
        x += len + Gap(in);
    }
    const int rows = r + 1;
    if (rows < 2 || in.RaggedRight)
        return rows;
    // Justified: each row is stretched to the whole strip, its tabs sharing the space left.
    for (int first = 0; first < count;) {
        int last = first;
        while (last + 1 < count && row[size_t(last + 1)] == row[size_t(first)])
            ++last;
        const int tabs = last - first + 1;
        const int extra = usableEnd - (start[size_t(last)] + length[size_t(last)]);
        if (extra > 0) {
            int shift = 0;
            for (int k = 0; k < tabs; ++k) {
                const int more = extra / tabs + (k >= tabs - extra % tabs ? 1 : 0);
                const size_t i = size_t(first + k);
                start[i] += shift;
                length[i] += more;
                shift += more;
            }
        }
        first = last + 1;
    }
    return rows;
}

} // namespace

TTabLayout LayOutTabStrip(const TTabLayoutInput &in)
{
    TTabLayout out;
    const int count = int(in.Lengths.size());
    const int th = in.Thickness;
    const int gap = Gap(in);
    out.Tabs.assign(size_t(count), QRect());
    out.WholeTabs.assign(size_t(count), QRect());
    out.Slot.assign(size_t(count), 0);
    out.Opposite.assign(size_t(count), false);
    out.Row.assign(size_t(count), 0);
    std::vector<int> start(size_t(count), 0), length(size_t(count), 0);
    const bool selectedValid = in.Selected >= 0 && in.Selected < count;

    if (in.MultiLine) {
        out.RowCount = WrapRows(in, start, length, out.Row);
    } else {
        out.Scrolls = count > 0 && !FitsInOneRow(in);
        out.FirstVisible = out.Scrolls ? ClampFirstVisible(in, in.FirstVisible) : 0;
        int x = kTabLead;
        for (int i = out.FirstVisible; i < count; ++i) {
            start[size_t(i)] = x;
            length[size_t(i)] = std::max(1, in.Lengths[size_t(i)]);
            x += length[size_t(i)] + gap;
        }
    }

    // Which rows lie where: slot 0 is next to the page.
    const int rows = out.RowCount;
    const int selectedRow = selectedValid ? out.Row[size_t(in.Selected)] : 0;
    std::vector<int> slot(size_t(rows), 0);
    std::vector<bool> far(size_t(rows), false);
    if (in.Buttons) {
        // Button rows stay where they are, the first at the top.
        for (int r = 0; r < rows; ++r)
            slot[size_t(r)] = rows - 1 - r;
        out.NearRows = rows;
    } else if (in.ScrollOpposite && in.MultiLine) {
        for (int r = 0; r < rows; ++r) {
            far[size_t(r)] = r < selectedRow;
            slot[size_t(r)] = r >= selectedRow ? r - selectedRow : selectedRow - 1 - r;
        }
        out.NearRows = rows - selectedRow;
        out.FarRows = selectedRow;
    } else {
        for (int r = 0; r < rows; ++r)
            slot[size_t(r)] = (r - selectedRow + rows) % rows;
        out.NearRows = rows;
    }

    const int rowStep = th + gap;
    const int nearDepth = out.NearRows * rowStep - gap;
    const int farDepth = out.FarRows * th;
    out.Page = QRect(0, nearDepth, in.Extent, std::max(0, in.Depth - nearDepth - farDepth));

    const int arrowsStart = ArrowsStart(in);
    for (int i = 0; i < count; ++i) {
        if (!in.MultiLine && i < out.FirstVisible)
            continue;
        const size_t k = size_t(i);
        const int r = out.Row[k];
        out.Slot[k] = slot[size_t(r)];
        QRect rect;
        if (far[size_t(r)]) {
            const int y = in.Depth - farDepth + slot[size_t(r)] * th;
            rect = QRect(start[k], y, length[k], th - 2);
            out.Opposite[k] = true;
        } else {
            const int y = (out.NearRows - 1 - slot[size_t(r)]) * rowStep;
            if (in.Buttons)
                rect = QRect(start[k], y, length[k], th);
            else if (i == in.Selected)
                rect = QRect(start[k] - 2, y, length[k] + 4, th + 1);
            else
                rect = QRect(start[k], y + 2, length[k], th - 2);
        }
        if (out.Scrolls) {
            if (rect.left() >= arrowsStart)
                continue;
            out.WholeTabs[k] = rect;
            rect.setRight(std::min(rect.right(), arrowsStart - 1));
        } else {
            out.WholeTabs[k] = rect;
        }
        out.Tabs[k] = rect;
    }

    if (out.Scrolls) {
        out.BackArrow = QRect(arrowsStart, 1, kTabArrowLength, std::max(1, th - 2));
        out.ForwardArrow = out.BackArrow.translated(kTabArrowLength, 0);
        out.CanScrollBack = out.FirstVisible > 0;
        out.CanScrollForward = RowEndFrom(in, out.FirstVisible) > arrowsStart;
    }
    return out;
}

int ScrollToShow(const TTabLayoutInput &in, int index)
{
    const int count = int(in.Lengths.size());
    if (in.MultiLine || index < 0 || index >= count || FitsInOneRow(in))
        return 0;
    int first = ClampFirstVisible(in, in.FirstVisible);
    if (index < first)
        return index;
    const auto endOf = [&](int from) {
        int x = kTabLead;
        for (int i = from; i <= index; ++i)
            x += std::max(1, in.Lengths[size_t(i)]) + (i < index ? Gap(in) : 0);
        return x;
    };
    while (first < index && endOf(first) > ArrowsStart(in))
        ++first;
    return first;
}

QString ShownCaption(const QString &caption)
{
    QString shown;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}
