// The input method of windowed controls: ImeMode turns it off (imDisable, imClose) or leaves it
// to the widget (every other mode); ImeName names the input method and is only kept.

#include "Controls.h"

#include <QVariant>
#include <QWidget>

PTypeInfo TypeInfoTImeMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TImeMode"),
        {QStringLiteral("imDisable"), QStringLiteral("imClose"), QStringLiteral("imOpen"),
         QStringLiteral("imDontCare"), QStringLiteral("imSAlpha"), QStringLiteral("imAlpha"),
         QStringLiteral("imHira"), QStringLiteral("imSKata"), QStringLiteral("imKata"),
         QStringLiteral("imChinese"), QStringLiteral("imSHanguel"), QStringLiteral("imHanguel")});
    return t;
}

PTypeInfo TypeInfoTImeName()
{
    static const TTypeInfo *t = NewStringType(KindLongString, QStringLiteral("TImeName"));
    return t;
}

// Marks a widget part whose input method the control turned off, to turn it on again later.
static const char *const kImeTurnedOff = "qzImeTurnedOff";

void TWinControl::SetImeMode(TImeMode mode)
{
    if (mode == m_imeMode)
        return;
    m_imeMode = mode;
    ApplyImeMode();
}

void TWinControl::ApplyImeMode()
{
    if (!m_widget)
        return;
    const bool off = m_imeMode == imDisable || m_imeMode == imClose;
    // The widget and its own parts (a combo box's edit); child controls decide for themselves.
    QList<QWidget *> parts{m_widget};
    for (QWidget *part : m_widget->findChildren<QWidget *>()) {
        if (FindControl(part) == this && !ControlOfWidget(part))
            parts << part;
    }
    for (QWidget *part : parts) {
        if (off && part->testAttribute(Qt::WA_InputMethodEnabled)) {
            part->setAttribute(Qt::WA_InputMethodEnabled, false);
            part->setProperty(kImeTurnedOff, true);
        } else if (!off && part->property(kImeTurnedOff).toBool()) {
            part->setAttribute(Qt::WA_InputMethodEnabled, true);
            part->setProperty(kImeTurnedOff, QVariant());
        }
    }
}
