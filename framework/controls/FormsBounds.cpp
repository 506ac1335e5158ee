// Where a form goes and how big it is beyond what the user gave: the place Position and
// DefaultMonitor give it as it shows, and the client size AutoSize fits to the controls.

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

void TCustomForm::SetAutoSize(bool v)
{
    if (v == m_autoSize)
        return;
    m_autoSize = v;
    if (v)
        Realign();
}

void TCustomForm::AlignControls(TControl *changed)
{
    if (m_autoSize && !m_fitting) {
        m_fitting = true;
        try {
            FitToControls();
        } catch (...) {
            m_fitting = false;
            throw;
        }
        m_fitting = false;
    }
    TScrollingWinControl::AlignControls(changed);
}

void TCustomForm::ChildChanged(TControl *child)
{
    TScrollingWinControl::ChildChanged(child);
    if (m_autoSize && !m_fitting)
        Realign();
}

void TCustomForm::FitToControls()
{
    // Children aligned to an edge take their width (height) off the client area; the unaligned
    // ones need the rectangle they cover, which moves to the corner the aligned ones leave.
    int leftWidth = 0, sideWidths = 0, topHeight = 0, edgeHeights = 0;
    bool widthNeeded = false, heightNeeded = false;
    std::vector<TControl *> unaligned;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (!(c->Visible() || c->Designing()))
            continue;
        switch (c->Align()) {
        case alLeft:
            leftWidth += c->Width();
            [[fallthrough]];
        case alRight:
            sideWidths += c->Width();
            widthNeeded = true;
            break;
        case alTop:
            topHeight += c->Height();
            [[fallthrough]];
        case alBottom:
            edgeHeights += c->Height();
            heightNeeded = true;
            break;
        case alClient:
            break;
        default: {
            const QRect r = c->BoundsRect();
            if (unaligned.empty()) {
                minX = r.left(), minY = r.top(), maxX = r.left() + r.width();
                maxY = r.top() + r.height();
            } else {
                minX = std::min(minX, r.left());
                minY = std::min(minY, r.top());
                maxX = std::max(maxX, r.left() + r.width());
                maxY = std::max(maxY, r.top() + r.height());
            }
            unaligned.push_back(c);
            break;
        }
        }
    }
    if (!unaligned.empty()) {
        widthNeeded = heightNeeded = true;
        const int dx = leftWidth - minX, dy = topHeight - minY;
        if (dx != 0 || dy != 0) {
            for (TControl *c : unaligned)
                c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
        }
    }
    // The size of the whole area the client and any scroll bars share.
    const QSize area = ScrollArea().size();
    const int width = widthNeeded ? sideWidths + (maxX - minX) : area.width();
    const int height = heightNeeded ? edgeHeights + (maxY - minY) : area.height();
    if (width != area.width() || height != area.height())
        SetBounds(Left(), Top(), Width() - area.width() + width,
                  Height() - area.height() + height);
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
