#pragma once

// The settings store: the machine-wide and per-user settings as INI files of our own format.
//
// A file is a list of lines. "[Name]" starts a section whose name is exactly the text between
// the brackets ("[Custom Colors]" keeps its space); "name=value" is a value of the section
// above it. Section and value names are looked up ignoring case, as in the classic registry.
// Every value is a string exactly as written after "=": integers are decimal text, Booleans
// "0" or "1". Lines the store does not understand (comments, blank lines, sections it never
// touches) are written back unchanged; line ends become "\n".

#include <QString>
#include <QStringList>

// The machine-wide file, /etc/xdg/Dremholt/Vormelline/V6.ini.
QString MachineSettingsFile();
// The per-user file, $XDG_CONFIG_HOME/Dremholt/Vormelline/V6.ini (~/.config when unset).
QString UserSettingsFile();
// Moves both files under dir: the machine-wide one to dir/machine/..., the per-user one to
// dir/user/.... An empty dir puts them back in their real places. For tests only.
void SetSettingsRootForTesting(const QString &dir);

class TSettingsStore
{
public:
    TSettingsStore() = default;
    TSettingsStore(const TSettingsStore &) = delete;
    TSettingsStore &operator=(const TSettingsStore &) = delete;
    // Writes what is still unwritten.
    ~TSettingsStore();

    // Opens the file for reading and writing, with create making it (and its folder) when
    // missing. False, leaving the store closed, when the file cannot be read or written.
    // A closed store ignores writes and answers every read with its default.
    bool Open(const QString &fileName, bool create);
    bool IsOpen() const { return m_open; }
    const QString &FileName() const { return m_fileName; }
    // Writes the changes atomically: the file is replaced whole or not at all. When that fails
    // the file keeps what it held, the changes stay unwritten and ErrorString() says why.
    bool Flush();
    // Why the last flush failed (kept after Close), or an empty text.
    const QString &ErrorString() const { return m_error; }
    // Flushes, then closes; the answer is the flush's.
    bool Close();

    QString ReadString(const QString &section, const QString &name,
                       const QString &defaultValue) const;
    // Line breaks cannot live in a line of the file; each becomes a blank.
    void WriteString(const QString &section, const QString &name, const QString &value);
    // Decimal ("010" is ten) or, after "0x" or "0X", hexadecimal, with an optional sign and
    // blanks around; hexadecimal of up to eight digits is a 32-bit pattern ("0xFFFFFFFF" is -1).
    // A missing value, or one that is not such a number or does not fit 32 bits, reads as
    // defaultValue.
    int ReadInteger(const QString &section, const QString &name, int defaultValue) const;
    void WriteInteger(const QString &section, const QString &name, int value);
    // Any integer text as ReadInteger reads it: nonzero is true.
    bool ReadBool(const QString &section, const QString &name, bool defaultValue) const;
    void WriteBool(const QString &section, const QString &name, bool value);

    bool ValueExists(const QString &section, const QString &name) const;
    // The section's values as "name=value", in file order.
    QStringList ReadSection(const QString &section) const;
    // Removes the section with everything in it.
    void EraseSection(const QString &section);

    // The integer syntax of ReadInteger; false, value untouched, for anything else.
    static bool TryParseInteger(const QString &text, int &value);

private:
    struct Range
    {
        qsizetype header = -1; // the "[Name]" line, -1 when the section is missing
        qsizetype end = 0;     // one past the section's last line
    };
    Range FindSection(const QString &section) const;
    // The index of the value's line inside the range, or -1.
    qsizetype FindValue(const Range &range, const QString &name) const;

    QString m_fileName;
    QString m_error;
    QStringList m_lines;
    bool m_open = false;
    bool m_modified = false;
};
