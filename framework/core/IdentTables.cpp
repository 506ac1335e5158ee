#include "IdentTables.h"

#include <limits>

namespace {

constexpr qint32 SystemColor(int index)
{
    return qint32(0x80000000u | unsigned(index)); // modular: negative as a 32-bit value
}

constexpr TIdentMapEntry kColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"},
    {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"},
    {SystemColor(5), "clWindow"},
    {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"},
    {SystemColor(8), "clWindowText"},
    {SystemColor(9), "clCaptionText"},
    {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"},
    {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"},
    {SystemColor(14), "clHighlightText"},
    {SystemColor(15), "clBtnFace"},
    {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"},
    {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"},
    {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"},
    {SystemColor(24), "clInfoBk"},
    {0x1FFFFFFF, "clNone"},
};

constexpr TIdentMapEntry kCursors[] = {
    {0, "crDefault"},     {-2, "crArrow"},      {-3, "crCross"},      {-4, "crIBeam"},
    {-6, "crSizeNESW"},   {-7, "crSizeNS"},     {-8, "crSizeNWSE"},   {-9, "crSizeWE"},
    {-10, "crUpArrow"},   {-11, "crHourGlass"}, {-12, "crDrag"},      {-13, "crNoDrop"},
    {-14, "crHSplit"},    {-15, "crVSplit"},    {-16, "crMultiDrag"}, {-17, "crSQLWait"},
    {-18, "crNo"},        {-19, "crAppStart"},  {-20, "crHelp"},      {-21, "crHandPoint"},
};

constexpr TIdentMapEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},         {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},      {134, "GB2312_CHARSET"},    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},      {162, "TURKISH_CHARSET"},   {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},     {186, "BALTIC_CHARSET"},    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},       {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

// Reads a colour given as signed or unsigned 32-bit by its low 32 bits; false when the value
// fits neither.
bool NormalizeColor(qint64 value, qint64 &normalized)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<quint32>::max())
        return false;
    normalized = qint32(quint32(value));
    return true;
}

} // namespace

bool TIdentMap::IntToIdent(qint64 value, QString &ident) const
{
    for (const TIdentMapEntry &e : m_entries) {
        if (qint64(e.Value) == value) {
            ident = QString::fromLatin1(e.Name);
            return true;
        }
    }
    return false;
}

bool TIdentMap::IdentToInt(const QString &ident, qint64 &value) const
{
    for (const TIdentMapEntry &e : m_entries) {
        if (ident.compare(QLatin1StringView(e.Name), Qt::CaseInsensitive) == 0) {
            value = e.Value;
            return true;
        }
    }
    return false;
}

QStringList TIdentMap::Idents() const
{
    QStringList names;
    names.reserve(qsizetype(m_entries.size()));
    for (const TIdentMapEntry &e : m_entries)
        names.append(QString::fromLatin1(e.Name));
    return names;
}

const TIdentMap &ColorIdentMap()
{
    static const TIdentMap map(kColors);
    return map;
}

const TIdentMap &CursorIdentMap()
{
    static const TIdentMap map(kCursors);
    return map;
}

const TIdentMap &CharsetIdentMap()
{
    static const TIdentMap map(kCharsets);
    return map;
}

bool ColorToIdent(qint64 value, QString &ident)
{
    qint64 normalized = 0;
    return NormalizeColor(value, normalized) && ColorIdentMap().IntToIdent(normalized, ident);
}

bool IdentToColor(const QString &ident, qint64 &value)
{
    return ColorIdentMap().IdentToInt(ident, value);
}

QStringList ColorIdents()
{
    return ColorIdentMap().Idents();
}

bool CursorToIdent(qint64 value, QString &ident)
{
    return CursorIdentMap().IntToIdent(value, ident);
}

bool IdentToCursor(const QString &ident, qint64 &value)
{
    return CursorIdentMap().IdentToInt(ident, value);
}

QStringList CursorIdents()
{
    return CursorIdentMap().Idents();
}

bool CharsetToIdent(qint64 value, QString &ident)
{
    return CharsetIdentMap().IntToIdent(value, ident);
}

bool IdentToCharset(const QString &ident, qint64 &value)
{
    return CharsetIdentMap().IdentToInt(ident, value);
}

QStringList CharsetIdents()
{
    return CharsetIdentMap().Idents();
}
