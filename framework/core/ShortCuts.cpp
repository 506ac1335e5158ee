#include "ShortCuts.h"

namespace {

struct TModifierText
{
    quint16 Flag;
    const char *Prefix;
};

// In the order the texts put them.
constexpr TModifierText kModifiers[] = {
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
};

} // namespace

QString ShortCutKeyName(int key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return QString(QChar(key));
    if (key >= VK_F1 && key <= VK_F12)
        return QLatin1Char('F') + QString::number(key - VK_F1 + 1);
    switch (key) {
    case VK_BACK: return QStringLiteral("BkSp");
    case VK_TAB: return QStringLiteral("Tab");
    case VK_RETURN: return QStringLiteral("Enter");
    case VK_ESCAPE: return QStringLiteral("Esc");
    case VK_SPACE: return QStringLiteral("Space");
    case VK_PRIOR: return QStringLiteral("PgUp");
    case VK_NEXT: return QStringLiteral("PgDn");
    case VK_END: return QStringLiteral("End");
    case VK_HOME: return QStringLiteral("Home");
    case VK_LEFT: return QStringLiteral("Left");
    case VK_UP: return QStringLiteral("Up");
    case VK_RIGHT: return QStringLiteral("Right");
    case VK_DOWN: return QStringLiteral("Down");
    case VK_INSERT: return QStringLiteral("Ins");
    case VK_DELETE: return QStringLiteral("Del");
    default: return QString();
    }
}

QString ShortCutToText(quint16 shortCut)
{
    const QString name = ShortCutKeyName(shortCut & 0xFF);
    if (name.isEmpty())
        return QString();
    QString text;
    for (const TModifierText &m : kModifiers) {
        if (shortCut & m.Flag)
            text += QLatin1String(m.Prefix);
    }
    return text + name;
}

quint16 TextToShortCut(const QString &text)
{
    QStringView rest = QStringView(text).trimmed();
    quint16 modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierText &m : kModifiers) {
            const QLatin1StringView prefix(m.Prefix);
            if (rest.startsWith(prefix, Qt::CaseInsensitive)) {
                modifiers |= m.Flag;
                rest = rest.sliced(prefix.size());
                found = true;
            }
        }
    }
    if (rest.isEmpty())
        return 0;
    for (int key = 1; key <= 0xFF; ++key) {
        const QString name = ShortCutKeyName(key);
        if (!name.isEmpty() && rest.compare(name, Qt::CaseInsensitive) == 0)
            return quint16(key | modifiers);
    }
    return 0;
}

quint16 ShortCut(quint16 key, TShiftState shift)
{
    if (key > 0xFF)
        return 0;
    quint16 result = key;
    if (shift & ssShift)
        result |= scShift;
    if (shift & ssCtrl)
        result |= scCtrl;
    if (shift & ssAlt)
        result |= scAlt;
    return result;
}

void ShortCutToKey(quint16 shortCut, quint16 &key, TShiftState &shift)
{
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift)
        shift |= ssShift;
    if (shortCut & scCtrl)
        shift |= ssCtrl;
    if (shortCut & scAlt)
        shift |= ssAlt;
}

QList<quint16> StandardShortCuts()
{
    QList<quint16> list;
    list.reserve(82);
    for (int key = 'A'; key <= 'Z'; ++key)
        list.append(quint16(scCtrl | key));
    for (quint16 modifiers : {quint16(0), scCtrl, scShift, quint16(scShift | scCtrl)}) {
        for (int key = VK_F1; key <= VK_F12; ++key)
            list.append(quint16(modifiers | key));
    }
    for (int key : {VK_INSERT, VK_DELETE}) {
        list.append(quint16(key));
        list.append(quint16(scShift | key));
        list.append(quint16(scCtrl | key));
    }
    list.append(quint16(scAlt | VK_BACK));
    list.append(quint16(scShift | scAlt | VK_BACK));
    return list;
}
