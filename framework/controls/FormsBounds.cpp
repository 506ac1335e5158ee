// Where a form goes beyond what the user gave: the place Position and DefaultMonitor give it
// as it shows.

#include "Forms.h"

#include "Application.h"
#include "Menus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

PTypeInfo TypeInfoTDefaultMonitor()
{
    static const TTypeInfo *t =
        NewEnumType(QStringLiteral("TDefaultMonitor"),
                    {QStringLiteral("dmDesktop"), QStringLiteral("dmPrimary"),
                     QStringLiteral("dmMainForm"), QStringLiteral("dmActiveForm")});
    return t;
}

namespace {

// The screen that holds the middle of a form's bounds, or nullptr.
QScreen *ScreenOfBounds(const QRect &bounds)
{
    return QGuiApplication::screenAt(bounds.center());
}

// The form whose window is active, or nullptr.
TCustomForm *ActiveForm()
{
    QWidget *window = QApplication::activeWindow();
    return window ? ObjectCast<TCustomForm>(ControlOfWidget(window)) : nullptr;
}

// Bounds of size centred over area.
QRect CentredIn(const QRect &area, const QSize &size)
{
    return QRect(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
}

} // namespace

QScreen *TCustomForm::DefaultScreen() const
{
    auto screenOf = [this](const TCustomForm *form) -> QScreen * {
        return form && form != this ? ScreenOfBounds(form->BoundsRect()) : nullptr;
    };
    switch (m_defaultMonitor) {
    case dmPrimary:
        return QGuiApplication::primaryScreen();
    case dmMainForm:
        return screenOf(Application ? Application->MainForm() : nullptr);
    case dmActiveForm:
        return screenOf(ActiveForm());
    default:
        return nullptr;
    }
}

void TCustomForm::PlaceForShowing()
{
    if (Designing() || m_windowState != wsNormal)
        return;
    const bool centring = m_position == poScreenCenter || m_position == poDesktopCenter
                          || m_position == poMainFormCenter || m_position == poOwnerFormCenter;
    // Position places the form once; afterwards it stays where the user put it.
    if (centring && !m_positioned)
        SetBoundsRect(CentredBounds());
    else
        MoveToDefaultMonitor();
    m_positioned = true;
}

QRect TCustomForm::CentredBounds() const
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return BoundsRect();
    const QSize size = BoundsRect().size();
    QScreen *screen = DefaultScreen();
    const QRect screenArea = (screen ? screen : primary)->geometry();
    const QRect desktop = primary->virtualGeometry();
    // Centred over another form, but never off the desktop's top or left.
    auto overForm = [&](const TCustomForm *form) {
        QRect r = CentredIn(form->BoundsRect(), size);
        r.moveTo(std::max(r.left(), desktop.left()), std::max(r.top(), desktop.top()));
        return r;
    };
    TCustomForm *mainForm = Application ? Application->MainForm() : nullptr;
    if (mainForm == this)
        mainForm = nullptr;
    switch (m_position) {
    case poDesktopCenter: {
        QRect r = CentredIn(desktop, size);
        r.moveTo(std::max(r.left(), desktop.left()), std::max(r.top(), desktop.top()));
        return r;
    }
    case poOwnerFormCenter:
        if (auto *owner = ObjectCast<TCustomForm>(Owner()))
            return overForm(owner);
        [[fallthrough]];
    case poMainFormCenter:
        if (mainForm)
            return overForm(mainForm);
        [[fallthrough]];
    default:
        return CentredIn(screenArea, size);
    }
}

void TCustomForm::MoveToDefaultMonitor()
{
    QScreen *target = DefaultScreen();
    QScreen *current = ScreenOfBounds(BoundsRect());
    if (!target || !current || target == current)
        return;
    const QPoint shift = target->geometry().topLeft() - current->geometry().topLeft();
    SetBoundsRect(BoundsRect().translated(shift));
}

// ---------------------------------------------------------------------------------------------

void TCustomForm::SetWindowMenu(TMenuItem *item)
{
    SetReference(this, m_windowMenu, item);
}

void TCustomForm::SetObjectMenuItem(TMenuItem *item)
{
    // Only an active embedded object enables the item, with its verbs.
    if (SetReference(this, m_objectMenuItem, item) && item)
        item->SetEnabled(false);
}
