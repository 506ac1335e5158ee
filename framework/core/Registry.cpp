#include "Registry.h"

#include "SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The one place of the settings, relative to the machine-wide and the per-user roots.
const char kSettingsFile[] = "Dremholt/Vormelline/V6.ini";

QString &TestRoot()
{
    static QString root;
    return root;
}

QString InRoot(const QString &root)
{
    return root + QLatin1Char('/') + QLatin1String(kSettingsFile);
}

bool IsBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// "[Name]" with optional blanks around it; the name is the text between the brackets.
bool SectionHeader(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2);
    return true;
}

// "name=value": the name is trimmed, the value is everything after the first "=".
// Comments (";" or "#") and lines without a name are not values.
bool ValueLine(const QString &line, QString *name, QString *value = nullptr)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return false;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *name = line.left(eq).trimmed();
    if (name->isEmpty())
        return false;
    if (value)
        *value = line.mid(eq + 1);
    return true;
}

QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString MachineSettingsFile()
{
    if (!TestRoot().isEmpty())
        return InRoot(TestRoot() + QStringLiteral("/machine"));
    return InRoot(QStringLiteral("/etc/xdg"));
}

QString UserSettingsFile()
{
    if (!TestRoot().isEmpty())
        return InRoot(TestRoot() + QStringLiteral("/user"));
    // A relative or empty XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return InRoot(xdg);
    return InRoot(QDir::homePath() + QStringLiteral("/.config"));
}

void SetSettingsRootForTesting(const QString &dir)
{
    TestRoot() = dir;
}

TSettingsStore::~TSettingsStore()
{
    Close();
}

bool TSettingsStore::Open(const QString &fileName, bool create)
{
    Close();
    m_error.clear();
    const QFileInfo info(fileName);
    if (!info.exists()) {
        if (!create || !QDir().mkpath(info.absolutePath()))
            return false;
    }
    // Opening for writing as well proves now that the changes can be written later; a missing
    // file is made here, empty.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    m_lines = text.split(QLatin1Char('\n'));
    if (m_lines.last().isEmpty())
        m_lines.removeLast(); // the line end of the last line starts no line of its own
    for (QString &line : m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    m_fileName = fileName;
    m_open = true;
    m_modified = false;
    return true;
}

bool TSettingsStore::Flush()
{
    if (!m_open)
        return false;
    if (!m_modified)
        return true;
    QByteArray data;
    for (const QString &line : std::as_const(m_lines)) {
        data += line.toUtf8();
        data += '\n';
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    m_modified = false;
    return true;
}

bool TSettingsStore::Close()
{
    const bool flushed = Flush();
    m_open = false;
    m_modified = false;
    m_lines.clear();
    m_fileName.clear();
    return flushed;
}

TSettingsStore::Range TSettingsStore::FindSection(const QString &section) const
{
    Range range;
    QString name;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!SectionHeader(m_lines.at(i), &name))
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            range.header = i;
    }
    range.end = m_lines.size();
    return range;
}

qsizetype TSettingsStore::FindValue(const Range &range, const QString &name) const
{
    if (range.header < 0)
        return -1;
    QString lineName;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (ValueLine(m_lines.at(i), &lineName)
            && lineName.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TSettingsStore::ReadString(const QString &section, const QString &name,
                                   const QString &defaultValue) const
{
    const qsizetype i = FindValue(FindSection(section), name);
    if (i < 0)
        return defaultValue;
    QString lineName, value;
    ValueLine(m_lines.at(i), &lineName, &value);
    return value;
}

void TSettingsStore::WriteString(const QString &section, const QString &name,
                                 const QString &value)
{
    Q_ASSERT(!name.contains(QLatin1Char('=')) && !name.trimmed().isEmpty());
    if (!m_open)
        return;
    const QString text = OneLine(value);
    const Range range = FindSection(section);
    if (range.header < 0) {
        // A new section goes at the end, a blank line away from the one before.
        if (!m_lines.isEmpty() && !IsBlank(m_lines.last()))
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(name + QLatin1Char('=') + text);
        m_modified = true;
        return;
    }
    const qsizetype i = FindValue(range, name);
    if (i >= 0) {
        // The value keeps the spelling of its name as the file has it.
        QString lineName;
        ValueLine(m_lines.at(i), &lineName);
        const QString line = lineName + QLatin1Char('=') + text;
        if (line != m_lines.at(i)) {
            m_lines[i] = line;
            m_modified = true;
        }
        return;
    }
    // A new value follows the section's last line that is not blank, so the blank line that
    // separates it from the next section stays in between.
    qsizetype at = range.end;
    while (at > range.header + 1 && IsBlank(m_lines.at(at - 1)))
        --at;
    m_lines.insert(at, name + QLatin1Char('=') + text);
    m_modified = true;
}

bool TSettingsStore::TryParseInteger(const QString &text, int &value)
{
    // TryStrToInt reads "$" as the hexadecimal mark; here the mark is "0x", and "$" is no number.
    QString t = text.trimmed();
    if (t.contains(QLatin1Char('$')))
        return false;
    const qsizetype digits =
        t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (QStringView(t).mid(digits, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0)
        t.replace(digits, 2, QLatin1Char('$'));
    qint64 parsed = 0;
    if (!TryStrToInt(t, parsed))
        return false;
    value = int(parsed);
    return true;
}

int TSettingsStore::ReadInteger(const QString &section, const QString &name,
                                int defaultValue) const
{
    int value = defaultValue;
    if (!TryParseInteger(ReadString(section, name, QString()), value))
        return defaultValue;
    return value;
}

void TSettingsStore::WriteInteger(const QString &section, const QString &name, int value)
{
    WriteString(section, name, QString::number(value));
}

bool TSettingsStore::ReadBool(const QString &section, const QString &name,
                              bool defaultValue) const
{
    int value = 0;
    if (!TryParseInteger(ReadString(section, name, QString()), value))
        return defaultValue;
    return value != 0;
}

void TSettingsStore::WriteBool(const QString &section, const QString &name, bool value)
{
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TSettingsStore::ValueExists(const QString &section, const QString &name) const
{
    return FindValue(FindSection(section), name) >= 0;
}

QStringList TSettingsStore::ReadSection(const QString &section) const
{
    QStringList result;
    const Range range = FindSection(section);
    if (range.header < 0)
        return result;
    QString name, value;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (ValueLine(m_lines.at(i), &name, &value))
            result.append(name + QLatin1Char('=') + value);
    }
    return result;
}

void TSettingsStore::EraseSection(const QString &section)
{
    if (!m_open)
        return;
    // A file edited by hand may name the section twice; none of it may be left to read.
    bool erased = false;
    for (Range range = FindSection(section); range.header >= 0; range = FindSection(section)) {
        m_lines.remove(range.header, range.end - range.header);
        erased = true;
    }
    if (!erased)
        return;
    // The blank line that kept the last section apart from the erased one has nothing to part.
    while (!m_lines.isEmpty() && IsBlank(m_lines.last()))
        m_lines.removeLast();
    m_modified = true;
}
