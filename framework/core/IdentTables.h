#pragma once

// Identifier tables of integer value types: colour, cursor and character-set names, both ways,
// in the fixed order the inspector lists them.
//
// Colour values are 32-bit (a TColor property holds a signed 32-bit integer). The system colours
// 0x80000000..0x80000018 are therefore negative as stored. ColorToIdent takes either spelling:
// any value from -2^31 to 2^32-1 is read by its low 32 bits, so 0x80000005 and -2147483643 name
// the same colour. IdentToColor gives the signed 32-bit value, the one a property stores.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <span>

struct TIdentMapEntry
{
    qint32 Value;
    const char *Name;
};

// An ordered table of (value, identifier) pairs over static storage. Identifiers compare ignoring
// case; values exactly.
class TIdentMap
{
public:
    template<std::size_t N>
    constexpr explicit TIdentMap(const TIdentMapEntry (&entries)[N]) : m_entries(entries, N)
    {}

    bool IntToIdent(qint64 value, QString &ident) const;
    bool IdentToInt(const QString &ident, qint64 &value) const;
    QStringList Idents() const;
    std::span<const TIdentMapEntry> Entries() const { return m_entries; }

private:
    std::span<const TIdentMapEntry> m_entries;
};

const TIdentMap &ColorIdentMap();
const TIdentMap &CursorIdentMap();
const TIdentMap &CharsetIdentMap();

bool ColorToIdent(qint64 value, QString &ident);
bool IdentToColor(const QString &ident, qint64 &value);
QStringList ColorIdents();

bool CursorToIdent(qint64 value, QString &ident);
bool IdentToCursor(const QString &ident, qint64 &value);
QStringList CursorIdents();

bool CharsetToIdent(qint64 value, QString &ident);
bool IdentToCharset(const QString &ident, qint64 &value);
QStringList CharsetIdents();
