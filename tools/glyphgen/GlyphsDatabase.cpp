// The "Database" palette page: the data source, and each data-aware control drawn as its plain
// control with a small database badge in the bottom-right corner.

#include "Glyphs.h"

namespace {

void Badge(Canvas &c)
{
    c.Pattern(15, 13, {"..kkkk..", ".kyyyyk.", "kyyyyyyk", "kkyyyykk", "kykkkkok",
                       "kyyyyyok", "kyyyyyok", "kyyyyyok", ".kyyyok.", "..kkkk.."});
}

void DataSource(Canvas &c)
{
    Cylinder(c, 3, 2, 18, 20);
}

void DBGrid(Canvas &c)
{
    DrawStringGrid(c);
    Badge(c);
}

void DBNavigator(Canvas &c)
{
    // First, prior, next and last record buttons.
    for (int i = 0; i < 4; ++i) {
        const int x = 6 * i;
        c.Fill(x, 3, 6, 10, kSilver);
        c.HLine(x, x + 5, 3, kWhite);
        c.VLine(x, 3, 12, kWhite);
        c.HLine(x, x + 5, 12, kBlack);
        c.VLine(x + 5, 3, 12, kBlack);
    }
    c.VLine(1, 6, 10, kBlack);
    c.ArrowLeft(2, 8, 3, kBlack);
    c.ArrowLeft(8, 8, 3, kBlack);
    c.ArrowRight(15, 8, 3, kBlack);
    c.ArrowRight(21, 8, 3, kBlack);
    c.VLine(22, 6, 10, kBlack);
    Badge(c);
}

template <void (*Base)(Canvas &)>
void WithBadge(Canvas &c)
{
    Base(c);
    Badge(c);
}

// A list of two columns, as a lookup list shows the looked-up field beside the key.
void LookupRows(Canvas &c, int top, int count, int selected)
{
    for (int i = 0; i < count; ++i) {
        const int y = top + 3 * i;
        if (i == selected) {
            c.Fill(3, y - 1, 18, 3, kNavy);
            c.HLine(4, 8, y, kWhite);
            c.HLine(12, 16, y, kWhite);
        } else {
            c.HLine(4, 7 + i % 2, y, kBlack);
            c.HLine(12, 17 - i % 2, y, kBlack);
        }
    }
}

void DBLookupListBox(Canvas &c)
{
    c.Sunken(1, 1, 22, 22);
    LookupRows(c, 5, 5, 1);
    c.VLine(10, 3, 20, kGray);
    Badge(c);
}

void DBLookupComboBox(Canvas &c)
{
    c.Sunken(1, 1, 22, 11);
    c.Text(4, 4, "ab", kBlack);
    c.Raised(13, 3, 8, 7);
    c.ArrowDown(16, 7, 3, kBlack);
    c.Fill(1, 12, 21, 11, kWhite);
    c.Frame(1, 12, 21, 11, kBlack);
    LookupRows(c, 15, 3, 1);
    c.VLine(10, 13, 21, kGray);
    Badge(c);
}

} // namespace

void Cylinder(Canvas &c, int x, int y, int w, int h)
{
    // A drum: the bottom rim, a body shaded on its right, the lid on top, and bands between
    // the stacked platters (the front halves of their rims).
    const int lid = qMax(4, w / 3);
    const int shade = qMax(1, w / 5);
    c.Ellipse(x, y + h - lid, w, lid, kBlack, kOlive);
    c.Ellipse(x, y + h - lid - 1, w - shade, lid, kYellow, kYellow);
    c.Fill(x + 1, y + lid / 2, w - 2, h - lid, kYellow);
    c.Fill(x + w - 1 - shade, y + lid / 2, shade, h - lid, kOlive);
    c.VLine(x, y + lid / 2, y + h - lid / 2 - 1, kBlack);
    c.VLine(x + w - 1, y + lid / 2, y + h - lid / 2 - 1, kBlack);
    for (int band = 1; band < 3; ++band)
        c.LowerArc(x, y + band * (h - lid) / 3, w, lid, kBlack);
    c.Ellipse(x, y, w, lid, kBlack, kYellow);
    c.LowerArc(x + 2, y + 1, w - 4, lid - 2, kWhite);
}
std::vector<GlyphDef> DatabaseGlyphs()
{
    return {
        {"TZEDATASOURCE", DataSource},
        {"TZEDBGRID", DBGrid},
        {"TZEDBNAVIGATOR", DBNavigator},
        {"TZEDBTEXT", WithBadge<DrawLabel>},
        {"TZEDBEDIT", WithBadge<DrawEdit>},
        {"TZEDBMEMO", WithBadge<DrawMemo>},
        {"TZEDBIMAGE", WithBadge<DrawImage>},
        {"TZEDBLISTBOX", WithBadge<DrawListBox>},
        {"TZEDBCOMBOBOX", WithBadge<DrawComboBox>},
        {"TZEDBCHECKBOX", WithBadge<DrawCheckBox>},
        {"TZEDBRADIOGROUP", WithBadge<DrawRadioGroup>},
        {"TZEDBLOOKUPLISTBOX", DBLookupListBox},
        {"TZEDBLOOKUPCOMBOBOX", DBLookupComboBox},
        {"TZEDBRICHEDIT", WithBadge<DrawRichEdit>},
    };
}
