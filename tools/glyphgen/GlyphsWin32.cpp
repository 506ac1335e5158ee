// The "Win32" and "System" palette pages: common controls and non-visual system components.

#include "Glyphs.h"

namespace {

void PageControl(Canvas &c)
{
    // Two tabs behind the front one, which opens onto its page.
    c.Fill(1, 7, 22, 15, kSilver);
    c.HLine(1, 22, 7, kWhite);
    c.VLine(1, 7, 21, kWhite);
    c.HLine(1, 22, 21, kBlack);
    c.VLine(22, 7, 21, kBlack);
    c.HLine(2, 21, 20, kGray);
    c.VLine(21, 8, 20, kGray);
    for (int x : {10, 16}) {
        c.Fill(x, 4, 6, 3, kSilver);
        c.HLine(x + 1, x + 4, 3, kWhite);
        c.VLine(x, 4, 6, kWhite);
        c.VLine(x + 5, 4, 6, kBlack);
        c.HLine(x + 2, x + 3, 5, kBlack);
    }
    c.Fill(2, 2, 8, 6, kSilver);
    c.HLine(3, 8, 1, kWhite);
    c.VLine(2, 2, 7, kWhite);
    c.VLine(9, 2, 7, kBlack);
    c.VLine(8, 2, 7, kGray);
    c.HLine(2, 8, 7, kSilver);
    c.HLine(4, 6, 4, kBlack);
    c.HLine(5, 16, 11, kBlack);
    c.HLine(5, 13, 14, kBlack);
}

void ImageList(Canvas &c)
{
    LandscapePicture(c, 1, 1, 13, 11);
    LandscapePicture(c, 5, 6, 13, 11);
    LandscapePicture(c, 9, 11, 14, 12);
}

void TrackBar(Canvas &c)
{
    c.HLine(2, 21, 9, kGray);
    c.HLine(3, 20, 10, kBlack);
    c.HLine(2, 21, 11, kWhite);
    c.VLine(2, 9, 11, kGray);
    c.VLine(21, 9, 11, kWhite);
    c.Pattern(9, 4, {"wwwwwk", "wsssgk", "wsssgk", "wsssgk", "wsssgk", "wsssgk", "wsssgk",
                     ".wsgk.", "..wk.."});
    for (int x : {3, 7, 11, 15, 20})
        c.VLine(x, 15, 17, kBlack);
}

void ProgressBar(Canvas &c)
{
    c.Sunken(1, 7, 22, 10);
    for (int x : {4, 8, 12})
        c.Fill(x, 10, 3, 4, kNavy);
}

void UpDown(Canvas &c)
{
    c.Raised(6, 2, 12, 10);
    c.ArrowUp(11, 5, 4, kBlack);
    c.Raised(6, 12, 12, 10);
    c.ArrowDown(11, 18, 4, kBlack);
}

void HotKey(Canvas &c)
{
    c.Sunken(1, 6, 22, 12);
    c.Text(4, 9, "Ctrl", kBlack);
}

void Animate(Canvas &c)
{
    // A strip of film: sprocket holes above and below three frames of a bouncing ball.
    c.Fill(1, 3, 22, 18, kBlack);
    for (int x = 2; x < 22; x += 4) {
        c.Fill(x, 4, 2, 2, kWhite);
        c.Fill(x, 18, 2, 2, kWhite);
    }
    const int ballY[] = {12, 9, 12};
    for (int i = 0; i < 3; ++i) {
        const int x = 2 + 7 * i;
        c.Fill(x, 7, 6, 10, kAqua);
        c.HLine(x, x + 5, 16, kGreen);
        c.Fill(x + 1 + i, ballY[i], 3, 3, kRed);
    }
}

void DateTimePicker(Canvas &c)
{
    // A calendar leaf: a red head with binder rings and a grid of days, one of them chosen.
    c.Fill(2, 4, 20, 18, kWhite);
    c.Fill(2, 4, 20, 5, kRed);
    c.Frame(2, 4, 20, 18, kBlack);
    c.HLine(2, 21, 8, kBlack);
    for (int x : {6, 16}) {
        c.VLine(x, 2, 6, kBlack);
        c.VLine(x + 1, 2, 6, kGray);
    }
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (row == 3 && col > 2)
                continue;
            c.Fill(4 + 4 * col, 10 + 3 * row, 2, 2, kGray);
        }
    }
    c.Fill(11, 12, 4, 4, kNavy);
    c.Fill(12, 13, 2, 2, kWhite);
}

void HeaderControl(Canvas &c)
{
    c.Fill(1, 4, 22, 18, kWhite);
    c.Frame(1, 4, 22, 18, kBlack);
    c.Raised(2, 5, 8, 6);
    c.Raised(10, 5, 7, 6);
    c.Raised(17, 5, 5, 6);
    c.HLine(4, 6, 7, kBlack);
    c.HLine(12, 14, 7, kBlack);
    c.HLine(19, 19, 7, kBlack);
    for (int y : {13, 16, 19}) {
        c.HLine(3, 7, y, kBlack);
        c.HLine(11, 14, y, kGray);
        c.HLine(18, 20, y, kGray);
    }
}

void StatusBar(Canvas &c)
{
    // A window whose bottom edge is a status bar of two panels and a size grip.
    c.Frame(1, 2, 22, 20, kBlack);
    c.Fill(2, 3, 20, 3, kNavy);
    c.Fill(2, 6, 20, 9, kWhite);
    c.Fill(2, 15, 20, 6, kSilver);
    c.HLine(2, 21, 15, kGray);
    for (const auto &panel : {QRect(3, 16, 10, 4), QRect(14, 16, 5, 4)}) {
        c.HLine(panel.left(), panel.right(), panel.top(), kGray);
        c.VLine(panel.left(), panel.top(), panel.bottom(), kGray);
        c.HLine(panel.left(), panel.right(), panel.bottom(), kWhite);
        c.VLine(panel.right(), panel.top(), panel.bottom(), kWhite);
    }
    c.HLine(5, 9, 18, kBlack);
    c.Line(19, 20, 21, 18, kGray);
    c.Line(20, 20, 21, 19, kGray);
}

void Timer(Canvas &c)
{
    // A stopwatch: crown, rim, ticks and hands.
    c.Fill(10, 0, 3, 2, kBlack);
    c.VLine(11, 2, 3, kBlack);
    c.Ellipse(2, 3, 19, 19, kBlack, kSilver);
    c.Ellipse(4, 5, 15, 15, kGray, kWhite);
    for (const auto &tick : {QPoint(11, 6), QPoint(11, 18), QPoint(5, 12), QPoint(17, 12)})
        c.Dot(tick.x(), tick.y(), kBlack);
    c.VLine(11, 8, 12, kBlack);
    c.HLine(11, 15, 12, kBlack);
    c.Line(11, 12, 8, 16, kRed);
}

void MediaPlayer(Canvas &c)
{
    c.Raised(0, 7, 8, 10);
    c.ArrowRight(5, 11, 3, kGreen);
    c.Raised(8, 7, 8, 10);
    c.Fill(10, 9, 2, 5, kBlack);
    c.Fill(13, 9, 2, 5, kBlack);
    c.Raised(16, 7, 8, 10);
    c.Fill(18, 9, 4, 5, kBlack);
}

void OleContainer(Canvas &c)
{
    // An embedded object: a chart inside the hatched border of an in-place object.
    for (int y = 3; y < 21; ++y) {
        for (int x = 1; x < 23; ++x)
            c.Dot(x, y, (x + y) % 3 == 0 ? kBlack : kSilver);
    }
    c.Fill(4, 6, 16, 12, kWhite);
    c.Frame(3, 5, 18, 14, kBlack);
    c.Fill(6, 11, 3, 5, kRed);
    c.Fill(10, 8, 3, 8, kBlue);
    c.Fill(14, 12, 3, 4, kGreen);
    c.HLine(5, 18, 16, kBlack);
}

} // namespace

void DrawRichEdit(Canvas &c)
{
    c.Sunken(1, 1, 22, 22);
    c.Fill(4, 5, 9, 2, kRed);
    c.HLine(4, 18, 9, kBlue);
    c.HLine(4, 12, 11, kBlue);
    c.HLine(4, 16, 14, kGreen);
    c.HLine(4, 9, 16, kBlack);
    c.HLine(11, 17, 16, kPurple);
    c.HLine(4, 14, 19, kBlack);
}

std::vector<GlyphDef> Win32Glyphs()
{
    return {
        {"TZEPAGECONTROL", PageControl},
        {"TZEIMAGELIST", ImageList},
        {"TZERICHEDIT", DrawRichEdit},
        {"TZETRACKBAR", TrackBar},
        {"TZEPROGRESSBAR", ProgressBar},
        {"TZEUPDOWN", UpDown},
        {"TZEHOTKEY", HotKey},
        {"TZEANIMATE", Animate},
        {"TZEDATETIMEPICKER", DateTimePicker},
        {"TZEHEADERCONTROL", HeaderControl},
        {"TZESTATUSBAR", StatusBar},
        {"TZETIMER", Timer},
        {"TZEMEDIAPLAYER", MediaPlayer},
        {"TZEOLECONTAINER", OleContainer},
    };
}
