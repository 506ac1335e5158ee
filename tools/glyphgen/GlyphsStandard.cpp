// The "Standard" and "Additional" palette pages: classic controls drawn as small widgets.

#include "Glyphs.h"

namespace {

void MainMenu(Canvas &c)
{
    // A menu bar under a title bar, its first menu dropped down with one item highlighted.
    c.Fill(1, 1, 22, 3, kNavy);
    c.Fill(1, 4, 22, 6, kSilver);
    c.Frame(1, 1, 22, 9, kBlack);
    c.Fill(2, 4, 8, 5, kNavy);
    c.HLine(3, 8, 6, kWhite);
    c.HLine(12, 16, 6, kBlack);
    c.Fill(2, 9, 13, 13, kWhite);
    c.Frame(2, 9, 13, 13, kBlack);
    c.HLine(4, 11, 11, kBlack);
    c.Fill(3, 13, 11, 3, kNavy);
    c.HLine(4, 10, 14, kWhite);
    c.HLine(4, 12, 17, kBlack);
    c.HLine(4, 9, 19, kBlack);
    c.VLine(15, 10, 22, kGray);
    c.HLine(3, 15, 22, kGray);
}

void PopupMenu(Canvas &c)
{
    // A free-floating menu with a separator and a submenu arrow, opened at the mouse pointer.
    c.Raised(6, 4, 16, 18);
    c.HLine(9, 16, 7, kBlack);
    c.Fill(8, 9, 12, 3, kNavy);
    c.HLine(9, 14, 10, kWhite);
    c.ArrowRight(18, 10, 2, kWhite);
    c.HLine(9, 17, 13, kBlack);
    c.HLine(8, 19, 15, kGray);
    c.HLine(8, 19, 16, kWhite);
    c.HLine(9, 15, 18, kBlack);
    c.Pattern(2, 1, {"k.......", "kk......", "kwk.....", "kwwk....", "kwwwk...", "kwwwwk..",
                     "kwwwwwk.", "kwwkkkk.", "kwk.....", "kk......", "k......."});
}

void PushButton(Canvas &c)
{
    c.Frame(0, 4, 24, 16, kBlack);
    c.Raised(1, 5, 22, 14);
    c.Pattern(6, 8, {".###..#...#", "#...#.#..#.", "#...#.#.#..", "#...#.##...",
                     "#...#.#.#..", "#...#.#..#.", ".###..#...#"});
}

void CheckBox(Canvas &c)
{
    DrawCheckBox(c);
}

void RadioButton(Canvas &c)
{
    c.Pattern(1, 6, {"....kkkk....", "..kkwwwwkk..", ".kwwwwwwwwk.", ".kwwwwwwwwk.",
                     "kwwwwwwwwwwk", "kwwwwwwwwwwk", "kwwwwwwwwwwk", "kwwwwwwwwwwk",
                     ".kwwwwwwwwk.", ".kwwwwwwwwk.", "..kkwwwwkk..", "....kkkk...."});
    c.Pattern(4, 9, {".kkkk.", "kkkkkk", "kkkkkk", "kkkkkk", "kkkkkk", ".kkkk."});
    c.HLine(15, 22, 11, kBlack);
    c.HLine(15, 19, 13, kBlack);
}

void ScrollBar(Canvas &c)
{
    for (int y = 8; y < 16; ++y) {
        for (int x = 1; x < 23; ++x)
            c.Dot(x, y, (x + y) % 2 ? kWhite : kSilver);
    }
    c.Raised(1, 8, 7, 8);
    c.ArrowLeft(2, 11, 3, kBlack);
    c.Raised(16, 8, 7, 8);
    c.ArrowRight(20, 11, 3, kBlack);
    c.Raised(9, 8, 5, 8);
}

void GroupBox(Canvas &c)
{
    c.Etched(1, 4, 22, 18);
    c.Fill(3, 4, 13, 2, kKey);
    c.Text(4, 2, "abc", kBlack);
}

void Panel(Canvas &c)
{
    c.Frame(1, 4, 22, 16, kBlack);
    c.Raised(1, 4, 21, 15);
    c.HLine(4, 18, 7, kGray);
    c.VLine(4, 7, 15, kGray);
    c.HLine(4, 18, 15, kWhite);
    c.VLine(18, 7, 15, kWhite);
}

void BitBtn(Canvas &c)
{
    c.Frame(0, 4, 24, 16, kBlack);
    c.Raised(1, 5, 22, 14);
    Tick(c, 3, 8, kGreen);
    c.Text(13, 9, "OK", kBlack);
}

void SpeedButton(Canvas &c)
{
    // A square tool button carrying a picture: a lightning bolt.
    c.Raised(3, 3, 18, 18);
    c.Pattern(7, 5, {".....kkkk", "....kyyk.", "...kyyk..", "...kyk...", "..kyykkkk",
                     "..kyyyyyk", ".kkkkyyk.", "....kyk..", "...kyk...", "...kk....",
                     "..k......", "..k......"});
}

void MaskEdit(Canvas &c)
{
    c.Sunken(1, 6, 22, 12);
    c.Pattern(4, 9, {".#.#..#.#.", "#####.####", ".#.#..#.#.", "#####.####", ".#.#..#.#."});
    c.HLine(15, 16, 13, kBlack);
    c.HLine(18, 19, 13, kBlack);
}

void Shape(Canvas &c)
{
    c.Fill(2, 2, 12, 12, kAqua);
    c.Frame(2, 2, 12, 12, kBlack);
    c.Ellipse(8, 8, 14, 14, kBlack, kYellow);
}

void Bevel(Canvas &c)
{
    // A lowered box and a lowered line below it.
    c.Fill(2, 3, 20, 12, kSilver);
    c.HLine(2, 21, 3, kGray);
    c.VLine(2, 3, 14, kGray);
    c.HLine(2, 21, 14, kWhite);
    c.VLine(21, 3, 14, kWhite);
    c.HLine(2, 21, 18, kGray);
    c.HLine(2, 21, 19, kWhite);
}

void ScrollBox(Canvas &c)
{
    // A box with controls scrolled partly out of view and both scroll bars.
    c.Sunken(1, 1, 22, 22);
    c.Raised(4, 4, 11, 7);
    c.HLine(6, 11, 7, kBlack);
    c.Sunken(4, 12, 12, 4);
    for (int y = 3; y < 16; ++y) {
        for (int x = 16; x < 21; ++x)
            c.Dot(x, y, (x + y) % 2 ? kWhite : kSilver);
    }
    for (int x = 3; x < 16; ++x) {
        for (int y = 16; y < 21; ++y)
            c.Dot(x, y, (x + y) % 2 ? kWhite : kSilver);
    }
    c.Raised(16, 4, 5, 6);
    c.Raised(5, 16, 6, 5);
    c.Fill(16, 16, 5, 5, kSilver);
}

void CheckListBox(Canvas &c)
{
    c.Sunken(1, 0, 22, 24);
    for (int i = 0; i < 3; ++i) {
        const int y = 2 + 7 * i;
        c.Frame(4, y, 7, 7, kBlack);
        if (i != 1)
            c.Pattern(5, y + 1, {"....k", "...kk", "k.kk.", "kkk..", ".k..."});
        c.HLine(13, i == 2 ? 17 : 19, y + 3, kBlack);
    }
}

void Splitter(Canvas &c)
{
    c.Sunken(1, 3, 6, 18);
    c.Sunken(17, 3, 6, 18);
    c.Raised(7, 3, 10, 18);
    c.ArrowLeft(8, 12, 3, kBlack);
    c.ArrowRight(15, 12, 3, kBlack);
    c.HLine(10, 13, 12, kBlack);
}

void StaticText(Canvas &c)
{
    c.HLine(1, 22, 4, kGray);
    c.VLine(1, 4, 19, kGray);
    c.HLine(1, 22, 19, kWhite);
    c.VLine(22, 4, 19, kWhite);
    c.Pattern(4, 7, {"..##...", "..##...", ".#..#..", ".#..#..", ".####..", "#....#.",
                     "#....#.", "##..##."});
    c.Text(12, 10, "bc", kBlack);
}

} // namespace

void Tick(Canvas &c, int x, int y, const QColor &colour)
{
    c.Pattern(x, y, {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...",
                     "..#...."}, colour);
}

void DrawLabel(Canvas &c)
{
    c.Pattern(6, 5, {"....###....", "....###....", "...##.##...", "...##.##...",
                     "..##...##..", "..##...##..", "..#######..", ".#########.",
                     ".##.....##.", ".##.....##.", "##.......##", "###.....###"});
}

void DrawEdit(Canvas &c)
{
    c.Sunken(1, 6, 22, 12);
    c.Text(4, 9, "ab", kBlack);
    c.VLine(12, 9, 14, kBlack);
}

void DrawMemo(Canvas &c)
{
    c.Sunken(1, 1, 22, 22);
    const int lengths[][2] = {{5, 9}, {4, 6}, {7, 3}, {3, 8}, {6, 5}, {8, 0}, {4, 5}};
    for (int i = 0; i < 7; ++i) {
        const int y = 5 + 2 * i;
        c.HLine(4, 3 + lengths[i][0], y, kBlack);
        if (lengths[i][1] > 0)
            c.HLine(5 + lengths[i][0], 4 + lengths[i][0] + lengths[i][1], y, kBlack);
    }
}

void DrawCheckBox(Canvas &c)
{
    c.Sunken(1, 6, 12, 12);
    Tick(c, 3, 8, kBlack);
    c.HLine(15, 22, 11, kBlack);
    c.HLine(15, 19, 13, kBlack);
}

void DrawListBox(Canvas &c)
{
    c.Sunken(1, 1, 22, 22);
    c.HLine(4, 12, 5, kBlack);
    c.Fill(3, 8, 12, 3, kNavy);
    c.HLine(4, 10, 9, kWhite);
    c.HLine(4, 13, 13, kBlack);
    c.HLine(4, 9, 16, kBlack);
    c.HLine(4, 12, 19, kBlack);
    c.Fill(15, 3, 5, 17, kSilver);
    c.Raised(15, 3, 5, 5);
    c.ArrowUp(17, 4, 2, kBlack);
    c.Raised(15, 15, 5, 5);
    c.ArrowDown(17, 17, 2, kBlack);
    c.Raised(15, 8, 5, 4);
}

void DrawComboBox(Canvas &c)
{
    c.Sunken(1, 2, 22, 11);
    c.Text(4, 5, "ab", kBlack);
    c.Raised(13, 4, 8, 7);
    c.ArrowDown(16, 8, 3, kBlack);
    c.Fill(1, 13, 20, 10, kWhite);
    c.Frame(1, 13, 20, 10, kBlack);
    c.HLine(3, 12, 15, kBlack);
    c.Fill(2, 17, 18, 3, kNavy);
    c.HLine(3, 10, 18, kWhite);
    c.HLine(3, 14, 21, kBlack);
}

void DrawRadioGroup(Canvas &c)
{
    // A group frame with its caption and three radio buttons, the first one chosen.
    c.Etched(1, 2, 22, 22);
    c.Fill(3, 2, 8, 2, kKey);
    c.HLine(4, 9, 2, kBlack);
    for (int i = 0; i < 3; ++i) {
        const int y = 5 + 6 * i;
        c.Pattern(4, y, {".kkk.", "kwwwk", "kwwwk", "kwwwk", ".kkk."});
        c.HLine(11, i == 1 ? 16 : 18, y + 2, kBlack);
    }
    c.Dot(6, 7, kBlack);
}
void DrawStringGrid(Canvas &c)
{
    // Four columns and five rows; the first row and column are the fixed (silver) cells.
    c.Fill(1, 2, 22, 20, kWhite);
    c.Fill(1, 2, 22, 5, kSilver);
    c.Fill(1, 2, 6, 20, kSilver);
    for (int x : {6, 11, 16})
        c.VLine(x, 2, 21, kGray);
    for (int y : {6, 10, 14, 18})
        c.HLine(1, 22, y, kGray);
    c.Frame(1, 2, 22, 20, kBlack);
    for (int x : {7, 12, 17}) {
        for (int y : {8, 12, 16})
            c.HLine(x + 1, x + 2 + (x + y) % 2, y, kBlack);
    }
}

void DrawImage(Canvas &c)
{
    LandscapePicture(c, 1, 3, 22, 18);
}

void LandscapePicture(Canvas &c, int x, int y, int w, int h)
{
    c.Fill(x, y, w, h, kAqua);
    const int sun = qMax(3, h / 4);
    c.Ellipse(x + w - sun - 2, y + 2, sun, sun, kYellow, kYellow);
    const QPolygon hills({QPoint(x + 1, y + h - 2), QPoint(x + 1, y + h * 2 / 3),
                          QPoint(x + w * 3 / 10, y + h * 3 / 8),
                          QPoint(x + w * 11 / 20, y + h * 2 / 3),
                          QPoint(x + w * 3 / 4, y + h / 2), QPoint(x + w - 2, y + h * 3 / 4),
                          QPoint(x + w - 2, y + h - 2)});
    c.Polygon(hills, kGreen, kGreen);
    c.Frame(x, y, w, h, kBlack);
}

std::vector<GlyphDef> StandardGlyphs()
{
    return {
        {"TZEMAINMENU", MainMenu},
        {"TZEPOPUPMENU", PopupMenu},
        {"TZELABEL", DrawLabel},
        {"TZEEDIT", DrawEdit},
        {"TZEMEMO", DrawMemo},
        {"TZEBUTTON", PushButton},
        {"TZECHECKBOX", CheckBox},
        {"TZERADIOBUTTON", RadioButton},
        {"TZELISTBOX", DrawListBox},
        {"TZECOMBOBOX", DrawComboBox},
        {"TZESCROLLBAR", ScrollBar},
        {"TZEGROUPBOX", GroupBox},
        {"TZERADIOGROUP", DrawRadioGroup},
        {"TZEPANEL", Panel},
        {"TZEBITBTN", BitBtn},
        {"TZESPEEDBUTTON", SpeedButton},
        {"TZEMASKEDIT", MaskEdit},
        {"TZESTRINGGRID", DrawStringGrid},
        {"TZEIMAGE", DrawImage},
        {"TZESHAPE", Shape},
        {"TZEBEVEL", Bevel},
        {"TZESCROLLBOX", ScrollBox},
        {"TZECHECKLISTBOX", CheckListBox},
        {"TZESPLITTER", Splitter},
        {"TZESTATICTEXT", StaticText},
    };
}
