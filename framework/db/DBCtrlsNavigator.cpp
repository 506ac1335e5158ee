// The data navigator: a bar of painted buttons that move through and edit a data set.

#include "ClassicDraw.h"
#include "DBCtrlsShared.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QWidget>

#include <bit>

using namespace DBCtrlsDetail;

namespace {

// No button gets narrower than this; a bar too narrow for its buttons grows.
constexpr int MinButtonWidth = 20;

const char *const DefaultHints[NavigateBtnCount] = {
    "First record", "Prior record", "Next record", "Last record", "Insert record",
    "Delete record", "Edit record", "Post edit", "Cancel edit", "Refresh data",
};

// The glyph of button, about nine pixels square around centre, in ink.
void DrawGlyph(QPainter &p, TNavigateBtn button, QPoint c, const QColor &ink)
{
    const int x = c.x(), y = c.y();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto left = [&](int apex) { // a triangle pointing left, its tip at apex
        p.drawPolygon(
            QPolygon({QPoint(apex, y), QPoint(apex + 4, y - 4), QPoint(apex + 4, y + 4)}));
    };
    auto right = [&](int apex) {
        p.drawPolygon(
            QPolygon({QPoint(apex, y), QPoint(apex - 4, y - 4), QPoint(apex - 4, y + 4)}));
    };
    switch (button) {
    case nbFirst:
        p.fillRect(QRect(x - 4, y - 4, 2, 9), ink);
        left(x - 1);
        break;
    case nbPrior:
        left(x - 2);
        break;
    case nbNext:
        right(x + 2);
        break;
    case nbLast:
        right(x + 1);
        p.fillRect(QRect(x + 3, y - 4, 2, 9), ink);
        break;
    case nbInsert:
        p.fillRect(QRect(x - 4, y - 1, 9, 3), ink);
        p.fillRect(QRect(x - 1, y - 4, 3, 9), ink);
        break;
    case nbDelete:
        p.fillRect(QRect(x - 4, y - 1, 9, 3), ink);
        break;
    case nbEdit:
        p.drawPolygon(QPolygon({QPoint(x, y - 3), QPoint(x + 4, y + 2), QPoint(x - 4, y + 2)}));
        break;
    case nbPost:
    case nbCancel:
    case nbRefresh: {
        QPen pen(ink, 2);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        if (button == nbPost) {
            p.drawPolyline(
                QPolygon({QPoint(x - 4, y), QPoint(x - 1, y + 3), QPoint(x + 4, y - 3)}));
        } else if (button == nbCancel) {
            p.drawLine(x - 3, y - 3, x + 3, y + 3);
            p.drawLine(x + 3, y - 3, x - 3, y + 3);
        } else {
            p.drawArc(QRect(x - 4, y - 3, 8, 8), 90 * 16, 270 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPolygon(QPolygon({QPoint(x, y - 6), QPoint(x + 3, y - 3), QPoint(x, y)}));
        }
        break;
    }
    }
    p.restore();
}

} // namespace

PTypeInfo TypeInfoTNavigateBtn()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TNavigateBtn"),
        {QStringLiteral("nbFirst"), QStringLiteral("nbPrior"), QStringLiteral("nbNext"),
         QStringLiteral("nbLast"), QStringLiteral("nbInsert"), QStringLiteral("nbDelete"),
         QStringLiteral("nbEdit"), QStringLiteral("nbPost"), QStringLiteral("nbCancel"),
         QStringLiteral("nbRefresh")});
    return t;
}

PTypeInfo TypeInfoTNavButtonSet()
{
    static const TTypeInfo *t =
        NewSetType(QStringLiteral("TButtonSet"), TypeInfoTNavigateBtn());
    return t;
}

PTypeInfo TypeInfoENavClick()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("ENavClick"), QStringLiteral("Sender: TObject; Button: TNavigateBtn"));
    return t;
}

static TPropTable DBNavigatorProps()
{
    using N = TDBNavigator;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "Constraints", "Ctl3D", "DragCursor",
                                 "DragKind", "DragMode", "Enabled", "ParentCtl3D",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                                 "TabStop", "Visible", "OnContextPopup", "OnDblClick",
                                 "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                                 "OnEnter", "OnExit", "OnResize", "OnStartDock",
                                 "OnStartDrag"}));
    t.push_back(Prop<N>("ConfirmDelete", TypeInfoBoolean(), &N::ConfirmDelete,
                        &N::SetConfirmDelete, 1));
    t.push_back(DataSourceProp<N>());
    t.push_back(Prop<N>("Flat", TypeInfoBoolean(), &N::Flat, &N::SetFlat, 0));
    t.push_back(Prop<N>("Hints", TStrings::StaticClass()->ClassTypeInfo(), &N::Hints,
                        &N::SetHints));
    t.push_back(Prop<N>("VisibleButtons", TypeInfoTNavButtonSet(), &N::VisibleButtons,
                        &N::SetVisibleButtons, AllNavigateButtons));
    // The navigator's click names the button: it replaces the control's plain OnClick.
    t.push_back(EventProp<N>("BeforeAction", TypeInfoENavClick(), &N::BeforeAction));
    t.push_back(EventProp<N>("OnClick", TypeInfoENavClick(), &N::OnClick));
    return t;
}
Z_DEFINE_CLASS(TDBNavigator, TCustomPanel, DBNavigatorProps)

TDBNavigator::TDBNavigator(TComponent *owner)
    : TCustomPanel(owner), m_dataLink(this), m_hints(new TStringList)
{
    // The buttons are the bar's own parts: it holds no controls and shows no caption.
    SetControlStyle((ControlStyle() & ~(csAcceptsControls | csSetCaption)) | csOpaque);
    SetCaption(QString());
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    m_hints->OnChange = TNotifyEvent::Of<&TDBNavigator::HintsChanged>(this);
    SetBounds(0, 0, 241, 25);
}

TDBNavigator::~TDBNavigator()
{
    Destroying();
    DestroyWidget();
    delete m_hints;
}

void TDBNavigator::SetDataSource(TDataSource *source)
{
    LinkDataSource(this, m_dataLink, source);
    Invalidate();
}

void TDBNavigator::Notification(TComponent *component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    ForgetDataSource(m_dataLink, component, operation);
}

void TDBNavigator::SetVisibleButtons(TNavButtonSet buttons)
{
    m_visibleButtons = buttons & AllNavigateButtons;
    m_pressed = m_hot = -1;
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TDBNavigator::SetFlat(bool v)
{
    m_flat = v;
    Invalidate();
}

void TDBNavigator::HintsChanged(TObject *)
{
    if (m_widget && m_hot >= 0)
        m_widget->setToolTip(ButtonHint(TNavigateBtn(m_hot)));
}

int TDBNavigator::VisibleCount() const
{
    return std::popcount(m_visibleButtons);
}

int TDBNavigator::FittedWidth(int width) const
{
    const int count = VisibleCount();
    if (count == 0)
        return width;
    width = std::max(width, count * MinButtonWidth);
    // Unaligned, the bar is exactly as wide as its equal buttons.
    return Align() == alNone ? (width / count) * count : width;
}

void TDBNavigator::SetBounds(int left, int top, int width, int height)
{
    TCustomPanel::SetBounds(left, top, FittedWidth(width), height);
}

QRect TDBNavigator::ButtonRect(TNavigateBtn button) const
{
    if (!(m_visibleButtons & (TNavButtonSet(1u) << button)))
        return {};
    const int count = VisibleCount();
    const int index = std::popcount(m_visibleButtons & ((TNavButtonSet(1u) << button) - 1));
    // Spare pixels of an aligned bar go one each to the buttons spread along it.
    const int x1 = index * Width() / count;
    const int x2 = (index + 1) * Width() / count;
    return QRect(x1, 0, x2 - x1, Height());
}

bool TDBNavigator::ButtonEnabled(TNavigateBtn button) const
{
    if (!Enabled())
        return false;
    if (!DataSource())
        return true; // a bar not yet connected shows every button ready
    if (!m_dataLink.Active())
        return false;
    const bool editing = m_dataLink.Editing();
    // The data set holds its one current record: it is at once first and last.
    switch (button) {
    case nbFirst:
    case nbPrior:
    case nbNext:
    case nbLast:
    case nbDelete:
        return false;
    case nbInsert:
    case nbRefresh:
        return true;
    case nbEdit:
        return !editing;
    case nbPost:
    case nbCancel:
        return editing;
    }
    return false;
}

QString TDBNavigator::ButtonHint(TNavigateBtn button) const
{
    if (button < m_hints->Count() && !m_hints->Strings(button).isEmpty())
        return m_hints->Strings(button);
    return QString::fromLatin1(DefaultHints[button]);
}

void TDBNavigator::BtnClick(TNavigateBtn button)
{
    TDataSet *dataSet = m_dataLink.DataSet();
    if (dataSet && m_dataLink.Active()) {
        if (!Designing())
            BeforeAction(this, button);
        switch (button) {
        case nbEdit: dataSet->Edit(); break;
        case nbPost: dataSet->Post(); break;
        case nbCancel: dataSet->Cancel(); break;
        case nbRefresh: dataSet->DataEvent(deDataSetChange); break;
        // Moving, inserting and deleting have no other record to go to.
        default: break;
        }
    }
    if (!Designing())
        OnClick(this, button);
}

int TDBNavigator::ButtonAt(int x, int y) const
{
    for (int b = 0; b < NavigateBtnCount; ++b) {
        if (ButtonRect(TNavigateBtn(b)).contains(x, y))
            return b;
    }
    return -1;
}

void TDBNavigator::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft || Designing())
        return;
    const int at = ButtonAt(x, y);
    m_pressed = at >= 0 && ButtonEnabled(TNavigateBtn(at)) ? at : -1;
    m_hot = at;
    Invalidate();
}

void TDBNavigator::MouseMove(TShiftState shift, int x, int y)
{
    TCustomPanel::MouseMove(shift, x, y);
    const int at = ButtonAt(x, y);
    if (at == m_hot)
        return;
    m_hot = at;
    if (m_widget && ShowHint())
        m_widget->setToolTip(at >= 0 ? ButtonHint(TNavigateBtn(at)) : Hint());
    Invalidate();
}

void TDBNavigator::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseUp(button, shift, x, y);
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed < 0)
        return;
    Invalidate();
    // A press released off its button is no click.
    if (ButtonAt(x, y) == pressed)
        BtnClick(TNavigateBtn(pressed));
}

void TDBNavigator::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    painter->fillRect(QRect(0, 0, Width(), Height()), ColorToQColor(clBtnFace));
    for (int b = 0; b < NavigateBtnCount; ++b) {
        const auto button = TNavigateBtn(b);
        QRect r = ButtonRect(button);
        if (r.isEmpty())
            continue;
        const bool down = b == m_pressed && b == m_hot;
        if (!m_flat)
            DrawButtonEdge(*painter, r, down);
        else if (down)
            Frame3D(*painter, r, clBtnShadow, clBtnHighlight, 1);
        else if (b == m_hot && !Designing())
            Frame3D(*painter, r, clBtnHighlight, clBtnShadow, 1);
        const QPoint centre = r.center() + (down ? QPoint(1, 1) : QPoint(0, 0));
        if (ButtonEnabled(button)) {
            DrawGlyph(*painter, button, centre, ColorToQColor(clBtnText));
        } else {
            // Disabled glyphs are embossed, as disabled text is.
            DrawGlyph(*painter, button, centre + QPoint(1, 1), ColorToQColor(clBtnHighlight));
            DrawGlyph(*painter, button, centre, ColorToQColor(clBtnShadow));
        }
    }
}
