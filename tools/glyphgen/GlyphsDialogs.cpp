// The "Dialogs" palette page (folders, disks, fonts, colours, printers, binoculars) and the
// generic component picture used for a class without a glyph of its own.

#include "Glyphs.h"

namespace {

void Folder(Canvas &c)
{
    // An open folder: the back with its tab, a sheet of paper, the front flap tilted forward.
    c.Polygon(QPolygon({QPoint(2, 5), QPoint(8, 5), QPoint(10, 7), QPoint(18, 7),
                        QPoint(18, 19), QPoint(2, 19)}),
              kBlack, kOlive);
    c.Fill(5, 9, 11, 8, kWhite);
    c.Frame(5, 9, 11, 8, kBlack);
    c.HLine(7, 13, 11, kGray);
    c.Polygon(QPolygon({QPoint(2, 19), QPoint(6, 12), QPoint(22, 12), QPoint(18, 19)}),
              kBlack, kYellow);
}

void Disk(Canvas &c)
{
    // A diskette: label at the top, metal shutter at the bottom, one corner cut off.
    c.Fill(2, 2, 20, 20, kNavy);
    c.Frame(2, 2, 20, 20, kBlack);
    c.Dot(21, 2, kKey);
    c.Dot(20, 3, kBlack);
    c.Fill(5, 3, 14, 8, kWhite);
    c.Frame(5, 2, 14, 10, kBlack);
    c.HLine(7, 16, 5, kRed);
    c.HLine(7, 14, 8, kGray);
    c.Fill(7, 14, 10, 8, kSilver);
    c.Frame(7, 14, 10, 8, kBlack);
    c.Fill(13, 15, 2, 5, kNavy);
}

void OpenDialog(Canvas &c)
{
    Folder(c);
}

void SaveDialog(Canvas &c)
{
    Disk(c);
}

void OpenPictureDialog(Canvas &c)
{
    Folder(c);
    LandscapePicture(c, 11, 11, 12, 12);
}

void SavePictureDialog(Canvas &c)
{
    Disk(c);
    LandscapePicture(c, 11, 11, 12, 12);
}

void FontDialog(Canvas &c)
{
    c.Pattern(2, 2, {"###########", ".##......##", ".##.......#", ".##........",
                     ".##....#...", ".##....#...", ".########..", ".##....#...",
                     ".##....#...", ".##........", ".##........", ".##........",
                     ".##........", "####......."}, kNavy);
    c.Pattern(15, 13, {"..#..", ".#.#.", ".#.#.", "#...#", "#####", "#...#", "#...#"},
              kRed);
}

void ColorDialog(Canvas &c)
{
    const QColor swatches[3][4] = {{kRed, kYellow, kLime, kAqua},
                                   {kBlue, kPurple, kGreen, kTeal},
                                   {kMaroon, kOlive, kNavy, kWhite}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int x = 2 + 5 * col;
            const int y = 5 + 5 * row;
            c.Fill(x, y, 6, 6, kBlack);
            c.Fill(x + 1, y + 1, 4, 4, swatches[row][col]);
        }
    }
    c.Frame(1, 4, 23, 17, kGray);
}

void Printer(Canvas &c, int dx, int dy)
{
    // Paper fed in at the back, the body with its output slot and a green power light.
    c.Fill(6 + dx, 1 + dy, 11, 9, kWhite);
    c.Frame(6 + dx, 1 + dy, 11, 9, kBlack);
    c.HLine(8 + dx, 14 + dx, 3 + dy, kGray);
    c.HLine(8 + dx, 12 + dx, 5 + dy, kGray);
    c.Fill(1 + dx, 9 + dy, 21, 9, kSilver);
    c.HLine(2 + dx, 20 + dx, 10 + dy, kWhite);
    c.Fill(2 + dx, 15 + dy, 19, 2, kGray);
    c.Frame(1 + dx, 9 + dy, 21, 9, kBlack);
    c.HLine(5 + dx, 17 + dx, 12 + dy, kBlack);
    c.Fill(18 + dx, 12 + dy, 2, 2, kLime);
}

void PrintDialog(Canvas &c)
{
    Printer(c, 0, 2);
}

void PrinterSetupDialog(Canvas &c)
{
    Printer(c, 0, 0);
    // A gear over the bottom-right corner.
    const int cx = 17;
    const int cy = 17;
    c.Fill(cx - 1, cy - 6, 3, 13, kBlack);
    c.Fill(cx - 6, cy - 1, 13, 3, kBlack);
    c.Line(cx - 4, cy - 4, cx + 4, cy + 4, kBlack);
    c.Line(cx - 4, cy + 4, cx + 4, cy - 4, kBlack);
    c.Line(cx - 4, cy - 3, cx + 3, cy + 4, kBlack);
    c.Line(cx - 3, cy + 4, cx + 4, cy - 3, kBlack);
    c.Ellipse(cx - 4, cy - 4, 9, 9, kBlack, kGray);
    c.Fill(cx - 1, cy - 1, 3, 3, kWhite);
    c.Dot(cx - 2, cy - 2, kSilver);
}

void Binoculars(Canvas &c, int dx, int dy)
{
    for (int x : {2, 13}) {
        c.Fill(x + 2 + dx, 2 + dy, 5, 5, kBlack);
        c.Fill(x + 3 + dx, 3 + dy, 3, 3, kGray);
        c.Fill(x + dx, 7 + dy, 9, 12, kBlack);
        c.Fill(x + 1 + dx, 8 + dy, 2, 8, kBlue);
        c.Fill(x + 3 + dx, 8 + dy, 5, 8, kNavy);
        c.Fill(x + 1 + dx, 16 + dy, 7, 2, kAqua);
    }
    c.Fill(11 + dx, 9 + dy, 2, 4, kBlack);
}

void FindDialog(Canvas &c)
{
    Binoculars(c, 0, 1);
}

void ReplaceDialog(Canvas &c)
{
    Binoculars(c, -1, -2);
    c.Fill(11, 14, 13, 9, kWhite);
    c.Frame(11, 14, 13, 9, kBlack);
    c.Text(13, 16, "a", kBlack);
    c.Text(19, 16, "b", kRed);
    c.Dot(17, 18, kBlack);
}

void DefaultComponent(Canvas &c)
{
    // A plain block in three faces: the component that has no picture of its own.
    c.Polygon(QPolygon({QPoint(3, 8), QPoint(8, 3), QPoint(20, 3), QPoint(15, 8)}), kBlack,
              kWhite);
    c.Polygon(QPolygon({QPoint(15, 8), QPoint(20, 3), QPoint(20, 15), QPoint(15, 20)}),
              kBlack, kGray);
    c.Fill(3, 8, 13, 13, kSilver);
    c.Frame(3, 8, 13, 13, kBlack);
}

} // namespace

std::vector<GlyphDef> DialogGlyphs()
{
    return {
        {"TZEOPENDIALOG", OpenDialog},
        {"TZESAVEDIALOG", SaveDialog},
        {"TZEOPENPICTUREDIALOG", OpenPictureDialog},
        {"TZESAVEPICTUREDIALOG", SavePictureDialog},
        {"TZEFONTDIALOG", FontDialog},
        {"TZECOLORDIALOG", ColorDialog},
        {"TZEPRINTDIALOG", PrintDialog},
        {"TZEPRINTERSETUPDIALOG", PrinterSetupDialog},
        {"TZEFINDDIALOG", FindDialog},
        {"TZEREPLACEDIALOG", ReplaceDialog},
        {"DEFAULT_COMP", DefaultComponent},
    };
}
