// The font and colour dialogs, over Qt's font and colour dialogs.

#include "Dialogs.h"

#include "SafeCall.h"
#include "SysUtils.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>

#include <cmath>
#include <cstdlib>
#include <limits>

// ---- TFontDialog ------------------------------------------------------------------------------

PTypeInfo TypeInfoTFontDialogDevice()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TFontDialogDevice"),
        {QStringLiteral("fdScreen"), QStringLiteral("fdPrinter"), QStringLiteral("fdBoth")});
    return t;
}

PTypeInfo TypeInfoTFontDialogOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TFontDialogOption"),
        {QStringLiteral("fdAnsiOnly"), QStringLiteral("fdTrueTypeOnly"),
         QStringLiteral("fdEffects"), QStringLiteral("fdFixedPitchOnly"),
         QStringLiteral("fdForceFontExist"), QStringLiteral("fdNoFaceSel"),
         QStringLiteral("fdNoOEMFonts"), QStringLiteral("fdNoSimulations"),
         QStringLiteral("fdNoSizeSel"), QStringLiteral("fdNoStyleSel"),
         QStringLiteral("fdNoVectorFonts"), QStringLiteral("fdShowHelp"),
         QStringLiteral("fdWysiwyg"), QStringLiteral("fdLimitSize"),
         QStringLiteral("fdScalableOnly"), QStringLiteral("fdApplyButton")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TFontDialogOptions"), element);
    return t;
}

PTypeInfo TypeInfoTFDApplyEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TFDApplyEvent"),
                                              QStringLiteral("Sender: TObject; Wnd: HWND"));
    return t;
}

static TPropTable FontDialogProps()
{
    using D = TFontDialog;
    return {
        Prop<D>("Device", TypeInfoTFontDialogDevice(), &D::Device, &D::SetDevice, fdScreen),
        Prop<D>("Font", TFont::StaticClass()->ClassTypeInfo(), &D::Font, &D::SetFont),
        Prop<D>("MaxFontSize", TypeInfoInteger(), &D::MaxFontSize, &D::SetMaxFontSize, 0),
        Prop<D>("MinFontSize", TypeInfoInteger(), &D::MinFontSize, &D::SetMinFontSize, 0),
        Prop<D>("Options", TypeInfoTFontDialogOptions(), &D::Options, &D::SetOptions,
                FontDialogOption(fdEffects)),
        EventProp<D>("OnApply", TypeInfoTFDApplyEvent(), &D::OnApply),
    };
}
Z_DEFINE_CLASS(TFontDialog, TCommonDialog, FontDialogProps)

TFontDialog::TFontDialog(TComponent *owner) : TCommonDialog(owner), m_font(new TFont) {}

TFontDialog::~TFontDialog()
{
    Free(m_font);
}

void TFontDialog::TakeFont(const QFont &qfont)
{
    if (qfont.family() != InstalledFontFace(m_font->Name()))
        m_font->SetName(qfont.family());
    int size = qfont.pointSize();
    if (size <= 0 && qfont.pixelSize() > 0)
        size = int(std::lround(qfont.pixelSize() * 72.0 / TFont::PixelsPerInch));
    if (m_options & FontDialogOption(fdLimitSize)) {
        if (m_minFontSize > 0)
            size = std::max(size, m_minFontSize);
        if (m_maxFontSize > 0)
            size = std::min(size, m_maxFontSize);
    }
    if (size > 0 && size != m_font->Size())
        m_font->SetSize(size);
    TFontStyles style = 0;
    if (qfont.bold())
        style |= FontStyles({fsBold});
    if (qfont.italic())
        style |= FontStyles({fsItalic});
    if (m_options & FontDialogOption(fdEffects)) {
        if (qfont.underline())
            style |= FontStyles({fsUnderline});
        if (qfont.strikeOut())
            style |= FontStyles({fsStrikeOut});
    } else {
        // Without effects the dialog offers no underline or strike-out: keep the font's own.
        style |= m_font->Style() & FontStyles({fsUnderline, fsStrikeOut});
    }
    m_font->SetStyle(style);
}

namespace {

// The font the dialog opens with: the installed face the font is drawn with and, of that
// face's own styles, the one with the font's weight and slant. Left to itself the dialog picks
// the first style of its list, which may be a slanted one for an upright font.
QFont DialogStartFont(const TFont &font)
{
    QFont qfont = font.ToQFont();
    const QString face = InstalledFontFace(font.Name());
    qfont.setFamily(face);
    const bool bold = font.Style() & FontStyles({fsBold});
    const bool italic = font.Style() & FontStyles({fsItalic});
    // An oblique style is slanted too, though the font database calls only italics italic.
    // Of the styles with the right slant, the one whose weight is nearest the font's wins;
    // a condensed one only where nothing else is left.
    const int wanted = bold ? QFont::Bold : QFont::Normal;
    QString best;
    int bestScore = std::numeric_limits<int>::max();
    for (const QString &style : QFontDatabase::styles(face)) {
        const QFont sample = QFontDatabase::font(face, style, 10);
        if ((sample.style() != QFont::StyleNormal) != italic)
            continue;
        int score = std::abs(QFontDatabase::weight(face, style) - wanted);
        if (style.contains(QLatin1String("Condensed"), Qt::CaseInsensitive))
            score += 1000;
        if (score < bestScore) {
            bestScore = score;
            best = style;
        }
    }
    if (!best.isEmpty())
        qfont.setStyleName(best);
    return qfont;
}

} // namespace

bool TFontDialog::ExecuteDialog()
{
    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (m_options & FontDialogOption(fdFixedPitchOnly))
        dialog.setOption(QFontDialog::MonospacedFonts);
    if (m_options & FontDialogOption(fdScalableOnly))
        dialog.setOption(QFontDialog::ScalableFonts);
    dialog.setCurrentFont(DialogStartFont(*m_font));
    // What the dialog shows before the user does anything: OK on it changes nothing, even
    // where the dialog's lists cannot name the font exactly.
    const QFont shown = dialog.currentFont();
    if (m_options & FontDialogOption(fdApplyButton)) {
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
            QPushButton *apply = buttons->addButton(QDialogButtonBox::Apply);
            QObject::connect(apply, &QPushButton::clicked, &dialog, [this, &dialog] {
                SafeCall([this, &dialog] {
                    TakeFont(dialog.currentFont());
                    OnApply(this, &dialog);
                });
            });
        }
    }
    if (!RunModal(dialog))
        return false;
    if (dialog.selectedFont() != shown)
        TakeFont(dialog.selectedFont());
    return true;
}

// ---- TColorDialog -----------------------------------------------------------------------------

PTypeInfo TypeInfoTColorDialogOptions()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TColorDialogOption"),
        {QStringLiteral("cdFullOpen"), QStringLiteral("cdPreventFullOpen"),
         QStringLiteral("cdShowHelp"), QStringLiteral("cdSolidColor"),
         QStringLiteral("cdAnyColor")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TColorDialogOptions"), element);
    return t;
}

static TPropTable ColorDialogProps()
{
    using D = TColorDialog;
    return {
        Prop<D>("Color", TypeInfoTColor(), &D::Color, &D::SetColor, clBlack),
        Prop<D>("CustomColors", TStrings::StaticClass()->ClassTypeInfo(), &D::CustomColors,
                &D::SetCustomColors),
        Prop<D>("Options", TypeInfoTColorDialogOptions(), &D::Options, &D::SetOptions, 0),
    };
}
Z_DEFINE_CLASS(TColorDialog, TCommonDialog, ColorDialogProps)

TColorDialog::TColorDialog(TComponent *owner)
    : TCommonDialog(owner), m_customColors(new TStringList)
{}

TColorDialog::~TColorDialog()
{
    Free(m_customColors);
}

namespace {

constexpr int kCustomColorCount = 16;

QString CustomColorName(int index)
{
    return QStringLiteral("Color") + QChar(QLatin1Char('A' + index));
}

} // namespace

bool TColorDialog::ExecuteDialog()
{
    // The custom colours are process-wide in Qt: ours are lent for the dialog's lifetime.
    for (int i = 0; i < kCustomColorCount; ++i) {
        qint64 value = 0;
        const QString text = m_customColors->Values(CustomColorName(i));
        if (!text.isEmpty() && TryStrToInt(QStringLiteral("$") + text, value)
            && (value & 0xFFFFFF) == value)
            QColorDialog::setCustomColor(i, ColorToQColor(TColor(value)));
        else
            QColorDialog::setCustomColor(i, Qt::white);
    }
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(ColorToQColor(m_color));
    if (!RunModal(dialog))
        return false;
    m_color = QColorToColor(dialog.selectedColor());
    m_customColors->BeginUpdate();
    for (int i = 0; i < kCustomColorCount; ++i) {
        const TColor c = QColorToColor(QColorDialog::customColor(i));
        m_customColors->SetValues(CustomColorName(i), IntToHex(c == clNone ? 0xFFFFFF : c, 6));
    }
    m_customColors->EndUpdate();
    return true;
}
