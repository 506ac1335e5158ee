#include "MPlayer.h"

#include "ClassicDraw.h"
#include "ControlProps.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Each button is as wide as in the classic bar: nine of them make it 253 pixels wide.
constexpr int kButtonWidth = 28;

QStringList ButtonNames()
{
    return {QStringLiteral("btPlay"), QStringLiteral("btPause"), QStringLiteral("btStop"),
            QStringLiteral("btNext"), QStringLiteral("btPrev"), QStringLiteral("btStep"),
            QStringLiteral("btBack"), QStringLiteral("btRecord"), QStringLiteral("btEject")};
}

TColor GlyphColor(TMPBtnType button)
{
    switch (button) {
    case mpbtPlay:
        return clGreen;
    case mpbtPause:
        return clOlive;
    case mpbtStop:
    case mpbtRecord:
        return clMaroon;
    default:
        return clNavy;
    }
}

QPolygonF Triangle(QPointF a, QPointF b, QPointF c)
{
    return QPolygonF({a, b, c});
}

// The button's picture, centred on c, in one colour.
void DrawGlyph(QPainter &p, TMPBtnType button, QPointF c, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const qreal x = c.x(), y = c.y();
    switch (button) {
    case mpbtPlay:
        p.drawPolygon(Triangle({x - 3, y - 5}, {x - 3, y + 5}, {x + 3, y}));
        break;
    case mpbtPause:
        p.drawRect(QRectF(x - 4, y - 5, 3, 10));
        p.drawRect(QRectF(x + 1, y - 5, 3, 10));
        break;
    case mpbtStop:
        p.drawRect(QRectF(x - 4, y - 4, 8, 8));
        break;
    case mpbtNext:
        p.drawPolygon(Triangle({x - 4, y - 5}, {x - 4, y + 5}, {x + 2, y}));
        p.drawRect(QRectF(x + 2, y - 5, 2, 10));
        break;
    case mpbtPrev:
        p.drawRect(QRectF(x - 4, y - 5, 2, 10));
        p.drawPolygon(Triangle({x + 4, y - 5}, {x + 4, y + 5}, {x - 2, y}));
        break;
    case mpbtStep:
        p.drawPolygon(Triangle({x - 5, y - 4}, {x - 5, y + 4}, {x, y}));
        p.drawPolygon(Triangle({x, y - 4}, {x, y + 4}, {x + 5, y}));
        break;
    case mpbtBack:
        p.drawPolygon(Triangle({x + 5, y - 4}, {x + 5, y + 4}, {x, y}));
        p.drawPolygon(Triangle({x, y - 4}, {x, y + 4}, {x - 5, y}));
        break;
    case mpbtRecord:
        p.drawEllipse(c, 4, 4);
        break;
    case mpbtEject:
        p.drawPolygon(Triangle({x - 5, y + 1}, {x + 5, y + 1}, {x, y - 5}));
        p.drawRect(QRectF(x - 5, y + 3, 10, 2));
        break;
    }
}

} // namespace

QString NoMediaDeviceMessage()
{
    return QStringLiteral("No media device is available on this machine");
}

PTypeInfo TypeInfoTMPBtnType()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TMPBtnType"), ButtonNames());
    return t;
}

PTypeInfo TypeInfoTButtonSet()
{
    static const TTypeInfo *t = NewSetType(QStringLiteral("TButtonSet"), TypeInfoTMPBtnType());
    return t;
}

PTypeInfo TypeInfoTMPDeviceTypes()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TMPDeviceTypes"),
        {QStringLiteral("dtAutoSelect"), QStringLiteral("dtAVIVideo"),
         QStringLiteral("dtCDAudio"), QStringLiteral("dtDAT"), QStringLiteral("dtDigitalVideo"),
         QStringLiteral("dtMMMovie"), QStringLiteral("dtOther"), QStringLiteral("dtOverlay"),
         QStringLiteral("dtScanner"), QStringLiteral("dtSequencer"), QStringLiteral("dtVCR"),
         QStringLiteral("dtVideodisc"), QStringLiteral("dtWaveAudio")});
    return t;
}

PTypeInfo TypeInfoTMPTimeFormats()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TMPTimeFormats"),
        {QStringLiteral("tfMilliseconds"), QStringLiteral("tfHMS"), QStringLiteral("tfMSF"),
         QStringLiteral("tfFrames"), QStringLiteral("tfSMPTE24"), QStringLiteral("tfSMPTE25"),
         QStringLiteral("tfSMPTE30"), QStringLiteral("tfSMPTE30Drop"),
         QStringLiteral("tfBytes"), QStringLiteral("tfSamples"), QStringLiteral("tfTMSF")});
    return t;
}

PTypeInfo TypeInfoEMPNotify()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("EMPNotify"),
        QStringLiteral("Sender: TObject; Button: TMPBtnType; var DoDefault: Boolean"));
    return t;
}

PTypeInfo TypeInfoEMPPostNotify()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("EMPPostNotify"),
                                              QStringLiteral("Sender: TObject; Button: "
                                                             "TMPBtnType"));
    return t;
}

static TPropTable MediaPlayerProps()
{
    using M = TMediaPlayer;
    TPropTable t = ControlProps({"Anchors", "Constraints", "DragCursor", "DragKind", "DragMode",
                                 "Enabled", "Height", "HelpContext", "Left", "ParentShowHint",
                                 "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Top", "Visible", "Width",
                                 "OnEnter", "OnExit", "OnStartDock", "OnEndDock"});
    SetPropDefault(t, "TabStop", 1); // the player takes the focus by Tab
    const PTypeInfo buttons = TypeInfoTButtonSet();
    t.push_back(Prop<M>("AutoEnable", TypeInfoBoolean(), &M::AutoEnable, &M::SetAutoEnable, 1));
    t.push_back(Prop<M>("AutoOpen", TypeInfoBoolean(), &M::AutoOpen, &M::SetAutoOpen, 0));
    t.push_back(Prop<M>("AutoRewind", TypeInfoBoolean(), &M::AutoRewind, &M::SetAutoRewind, 1));
    t.push_back(Prop<M>("ColoredButtons", buttons, &M::ColoredButtons, &M::SetColoredButtons,
                        AllMPButtons));
    t.push_back(Prop<M>("DeviceType", TypeInfoTMPDeviceTypes(), &M::DeviceType,
                        &M::SetDeviceType, dtAutoSelect));
    t.push_back(Prop<M>("Display", TWinControl::StaticClass()->ClassTypeInfo(), &M::Display,
                        &M::SetDisplay));
    t.push_back(Prop<M>("EnabledButtons", buttons, &M::EnabledButtons, &M::SetEnabledButtons,
                        AllMPButtons));
    t.push_back(Prop<M>("FileName", TypeInfoString(), &M::FileName, &M::SetFileName));
    t.push_back(Prop<M>("Shareable", TypeInfoBoolean(), &M::Shareable, &M::SetShareable, 0));
    t.push_back(Prop<M>("VisibleButtons", buttons, &M::VisibleButtons, &M::SetVisibleButtons,
                        AllMPButtons));
    t.push_back(EventProp<M>("OnClick", TypeInfoEMPNotify(), &M::OnClick));
    t.push_back(EventProp<M>("OnNotify", TypeInfoTNotifyEvent(), &M::OnNotify));
    t.push_back(EventProp<M>("OnPostClick", TypeInfoEMPPostNotify(), &M::OnPostClick));
    return t;
}
Z_DEFINE_CLASS(TMediaPlayer, TCustomControl, MediaPlayerProps)

TMediaPlayer::TMediaPlayer(TComponent *owner) : TCustomControl(owner)
{
    SetControlStyle(csCaptureMouse | csOpaque);
    SetBounds(0, 0, 9 * kButtonWidth + 1, 30);
    SetTabStop(true);
}

TMediaPlayer::~TMediaPlayer()
{
    Destroying();
    SetDisplay(nullptr);
    DestroyWidget();
}

void TMediaPlayer::SetAutoEnable(bool v)
{
    m_autoEnable = v;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet set)
{
    m_coloredButtons = set & AllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet set)
{
    m_enabledButtons = set & AllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetVisibleButtons(TButtonSet set)
{
    m_visibleButtons = set & AllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetDisplay(TWinControl *display)
{
    if (display == m_display)
        return;
    if (m_display)
        m_display->RemoveFreeNotification(this);
    m_display = display;
    if (m_display)
        m_display->FreeNotification(this);
}

void TMediaPlayer::Notification(TComponent *component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == m_display)
        m_display = nullptr;
}

bool TMediaPlayer::NothingToPlay() const
{
    return m_fileName.isEmpty() && m_deviceType == dtAutoSelect;
}

void TMediaPlayer::RequireDevice()
{
    if (NothingToPlay())
        return;
    throw EMCIDeviceError(NoMediaDeviceMessage());
}

void TMediaPlayer::Open() { RequireDevice(); }
void TMediaPlayer::Play() { RequireDevice(); }
void TMediaPlayer::Pause() { RequireDevice(); }
void TMediaPlayer::Stop() { RequireDevice(); }
void TMediaPlayer::Next() { RequireDevice(); }
void TMediaPlayer::Previous() { RequireDevice(); }
void TMediaPlayer::Step() { RequireDevice(); }
void TMediaPlayer::Back() { RequireDevice(); }
void TMediaPlayer::StartRecording() { RequireDevice(); }
void TMediaPlayer::Eject() { RequireDevice(); }
void TMediaPlayer::Rewind() { RequireDevice(); }

void TMediaPlayer::Close()
{
    // Nothing was ever opened here, so there is nothing to close.
    m_mode = mpNotReady;
}

QRect TMediaPlayer::ButtonRect(TMPBtnType button) const
{
    if (!(m_visibleButtons & MPButton(button)))
        return QRect();
    int left = 0;
    for (int b = mpbtPlay; b < button; ++b) {
        if (m_visibleButtons & (1u << b))
            left += kButtonWidth;
    }
    return QRect(left, 0, kButtonWidth + 1, Height());
}

int TMediaPlayer::ButtonAt(int x, int y) const
{
    for (int b = mpbtPlay; b <= mpbtEject; ++b) {
        // Neighbours share their edge column: the right one takes it.
        const QRect r = ButtonRect(TMPBtnType(b)).adjusted(0, 0, -1, 0);
        if (r.contains(x, y))
            return b;
    }
    return -1;
}

bool TMediaPlayer::ButtonEnabled(TMPBtnType button) const
{
    if (!Enabled() || !(m_enabledButtons & MPButton(button)))
        return false;
    // At run time AutoEnable offers only what the open device can do, and no device is ever
    // open here. The designer shows the buttons as they are set.
    return Designing() || !m_autoEnable;
}

void TMediaPlayer::ClickButton(TMPBtnType button)
{
    bool doDefault = true;
    OnClick(this, button, doDefault);
    if (doDefault) {
        switch (button) {
        case mpbtPlay: Play(); break;
        case mpbtPause: Pause(); break;
        case mpbtStop: Stop(); break;
        case mpbtNext: Next(); break;
        case mpbtPrev: Previous(); break;
        case mpbtStep: Step(); break;
        case mpbtBack: Back(); break;
        case mpbtRecord: StartRecording(); break;
        case mpbtEject: Eject(); break;
        }
    }
    OnPostClick(this, button);
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || Designing())
        return;
    const int hit = ButtonAt(x, y);
    if (hit >= 0 && ButtonEnabled(TMPBtnType(hit))) {
        m_pressed = hit;
        Invalidate();
    }
}

void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || m_pressed < 0)
        return;
    const int pressed = m_pressed;
    m_pressed = -1;
    Invalidate();
    if (ButtonAt(x, y) == pressed)
        ClickButton(TMPBtnType(pressed));
}

void TMediaPlayer::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    painter->fillRect(ClientRect(), ColorToQColor(clBtnFace));
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (int b = mpbtPlay; b <= mpbtEject; ++b) {
        const auto button = TMPBtnType(b);
        QRect r = ButtonRect(button);
        if (r.isEmpty())
            continue;
        const bool pressed = m_pressed == b;
        Frame3D(*painter, r, cl3DDkShadow, cl3DDkShadow, 1);
        DrawButtonEdge(*painter, r, pressed);
        QPointF centre = QRectF(r).center();
        if (pressed)
            centre += QPointF(1, 1);
        if (ButtonEnabled(button)) {
            const TColor color = (m_coloredButtons & MPButton(button)) ? GlyphColor(button)
                                                                        : clBlack;
            DrawGlyph(*painter, button, centre, ColorToQColor(color));
        } else {
            DrawGlyph(*painter, button, centre + QPointF(1, 1), ColorToQColor(clBtnHighlight));
            DrawGlyph(*painter, button, centre, ColorToQColor(clBtnShadow));
        }
    }
}
