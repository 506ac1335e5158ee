// What a menu does by itself with its items: hotkeys for captions that have none, lines that
// would stand at an end or beside another line left out, and the change notice to its owner.
// Both work on the shown Qt menu only: the items' captions and Visible stay as given.

#include "Menus.h"

#include <QAction>
#include <QMenu>

PTypeInfo TypeInfoTMenuAutoFlag()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TMenuAutoFlag"), {QStringLiteral("maAutomatic"), QStringLiteral("maManual")});
    return t;
}

PTypeInfo TypeInfoTMenuItemAutoFlag()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TMenuItemAutoFlag"),
        {QStringLiteral("maAutomatic"), QStringLiteral("maManual"), QStringLiteral("maParent")});
    return t;
}

namespace {

// The hotkey a caption marks with "&" (an "&&" is a plain ampersand), or a null character.
QChar MarkedHotkey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

// The first letter or digit of caption that is not yet used, marked; caption itself when
// every one is taken.
QString WithFreeHotkey(const QString &caption, QString &used)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i].toUpper();
        if (c.isLetterOrNumber() && !used.contains(c)) {
            used += c;
            return QString(caption).insert(i, QLatin1Char('&'));
        }
    }
    return caption;
}

} // namespace

TMenu *TMenuItem::GetParentMenu() const
{
    const TMenuItem *root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_rootOf;
}

bool TMenuItem::HotkeysAutomatic() const
{
    if (m_autoHotkeys != maParent)
        return m_autoHotkeys == maAutomatic;
    if (m_parent)
        return m_parent->HotkeysAutomatic();
    const TMenu *menu = m_rootOf;
    return menu && !menu->Designing() && menu->AutoHotkeys() == maAutomatic;
}

bool TMenuItem::LinesReduced() const
{
    if (m_autoLineReduction != maParent)
        return m_autoLineReduction == maAutomatic;
    if (m_parent)
        return m_parent->LinesReduced();
    const TMenu *menu = m_rootOf;
    return menu && !menu->Designing() && menu->AutoLineReduction() == maAutomatic;
}

QString TMenuItem::ShownCaption() const
{
    if (IsLine() || !m_parent || !m_parent->HotkeysAutomatic())
        return m_caption;
    // Hotkeys the siblings mark come first; the others are handed out in menu order.
    QString used;
    for (const TMenuItem *item : m_parent->m_items) {
        const QChar marked = MarkedHotkey(item->m_caption);
        if (!marked.isNull())
            used += marked;
    }
    for (const TMenuItem *item : m_parent->m_items) {
        if (item->IsLine() || !MarkedHotkey(item->m_caption).isNull())
            continue;
        const QString shown = WithFreeHotkey(item->m_caption, used);
        if (item == this)
            return shown;
    }
    return m_caption;
}

void TMenuItem::ReduceLines()
{
    const bool reduce = LinesReduced();
    bool lineAllowed = false; // no line first, nor after another
    QAction *lastLine = nullptr;
    for (TMenuItem *item : m_items) {
        if (!item->m_action || !item->m_visible)
            continue;
        if (!item->IsLine()) {
            lineAllowed = true;
            lastLine = nullptr;
            continue;
        }
        const bool shown = !reduce || lineAllowed;
        item->m_action->setVisible(shown);
        if (shown) {
            lastLine = item->m_action;
            lineAllowed = false;
        }
    }
    if (reduce && lastLine) // nor last
        lastLine->setVisible(false);
}

void TMenuItem::RefreshSubItems()
{
    for (TMenuItem *item : m_items) {
        if (item->m_action && !item->IsLine())
            item->m_action->setText(item->ShownCaption());
    }
    ReduceLines();
}

void TMenuItem::SetAutoHotkeys(TMenuItemAutoFlag flag)
{
    m_autoHotkeys = flag;
    RefreshTree();
}

void TMenuItem::SetAutoLineReduction(TMenuItemAutoFlag flag)
{
    m_autoLineReduction = flag;
    RefreshTree();
}

void TMenuItem::RefreshTree()
{
    RefreshSubItems();
    for (TMenuItem *item : m_items)
        item->RefreshTree();
}

void TMenuItem::MenuChanged(bool rebuild)
{
    TMenu *menu = GetParentMenu();
    if (menu && !menu->IsDestroying() && !IsDestroying())
        menu->OnChange(menu, this, rebuild);
}

void TMenu::SetDesigning(bool designing, bool setChildren)
{
    TComponent::SetDesigning(designing, setChildren);
    m_items->RefreshTree(); // a menu being designed shows its captions as they are
}

void TMenu::SetAutoHotkeys(TMenuAutoFlag flag)
{
    m_autoHotkeys = flag == maManual ? maManual : maAutomatic;
    m_items->RefreshTree();
}

void TMenu::SetAutoLineReduction(TMenuAutoFlag flag)
{
    m_autoLineReduction = flag == maManual ? maManual : maAutomatic;
    m_items->RefreshTree();
}
