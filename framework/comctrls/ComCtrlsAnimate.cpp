#include "ComCtrlsAnimate.h"

#include "ClassicDraw.h"
#include "ControlProps.h"
#include "SafeCall.h"

#include <QFileInfo>
#include <QPainter>
#include <QTimer>

namespace {

const char *const kAviNames[] = {"aviNone",       "aviFindFolder",  "aviFindFile",
                                 "aviFindComputer", "aviCopyFiles", "aviCopyFile",
                                 "aviRecycleFile", "aviEmptyRecycle", "aviDeleteFile"};

// Milliseconds between two frames of the placeholder clip.
constexpr int kFrameInterval = 100;

} // namespace

PTypeInfo TypeInfoTCommonAVI()
{
    static const TTypeInfo *t = [] {
        QStringList names;
        for (const char *n : kAviNames)
            names << QString::fromLatin1(n);
        return NewEnumType(QStringLiteral("TCommonAVI"), names);
    }();
    return t;
}

static TPropTable AnimateProps()
{
    using A = TAnimate;
    TPropTable t = ControlProps({"Align", "Anchors", "Color", "Constraints", "Cursor", "Height",
                                 "HelpContext", "Hint", "Left", "ParentColor", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "Top", "Visible", "Width"});
    const TPropTable own = {
        Prop<A>("Active", TypeInfoBoolean(), &A::Active, &A::SetActive, 0),
        Prop<A>("AutoSize", TypeInfoBoolean(), &A::AutoSize, &A::SetAutoSize, 1),
        Prop<A>("BorderWidth", TypeInfoInteger(), &A::BorderWidth, &A::SetBorderWidth, 0),
        Prop<A>("Center", TypeInfoBoolean(), &A::Center, &A::SetCenter, 1),
        Prop<A>("CommonAVI", TypeInfoTCommonAVI(), &A::CommonAVI, &A::SetCommonAVI, aviNone),
        Prop<A>("FileName", TypeInfoString(), &A::FileName, &A::SetFileName),
        Prop<A>("FrameCount", TypeInfoInteger(), &A::FrameCount),
        Prop<A>("FrameHeight", TypeInfoInteger(), &A::FrameHeight),
        Prop<A>("FrameWidth", TypeInfoInteger(), &A::FrameWidth),
        Prop<A>("Open", TypeInfoBoolean(), &A::Open, &A::SetOpen, 0),
        Prop<A>("Repetitions", TypeInfoInteger(), &A::Repetitions, &A::SetRepetitions, 0),
        Prop<A>("ResId", TypeInfoInteger(), &A::ResId, &A::SetResId, 0),
        Prop<A>("ResName", TypeInfoString(), &A::ResName, &A::SetResName),
        Prop<A>("StartFrame", TypeInfoSmallInt(), &A::StartFrame, &A::SetStartFrame, 1),
        Prop<A>("StopFrame", TypeInfoSmallInt(), &A::StopFrame, &A::SetStopFrame, 0),
        Prop<A>("Timers", TypeInfoBoolean(), &A::Timers, &A::SetTimers, 0),
        Prop<A>("Transparent", TypeInfoBoolean(), &A::Transparent, &A::SetTransparent, 1),
        EventProp<A>("OnClose", TypeInfoTNotifyEvent(), &A::OnClose),
        EventProp<A>("OnOpen", TypeInfoTNotifyEvent(), &A::OnOpen),
        EventProp<A>("OnStart", TypeInfoTNotifyEvent(), &A::OnStart),
        EventProp<A>("OnStop", TypeInfoTNotifyEvent(), &A::OnStop),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TAnimate, TWinControl, AnimateProps)

TAnimate::TAnimate(TComponent *owner) : TWinControl(owner), m_timer(new QTimer)
{
    SetBounds(0, 0, 100, 80);
    m_timer->setInterval(kFrameInterval);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { SafeCall([this] { Tick(); }); });
}

TAnimate::~TAnimate()
{
    Destroying();
    delete m_timer;
    DestroyWidget();
}

int TAnimate::LastFrame() const
{
    const int count = FrameCount();
    return m_stopFrame <= 0 || m_stopFrame > count ? count : m_stopFrame;
}

bool TAnimate::HasClip() const
{
    return m_commonAVI != aviNone || !m_fileName.isEmpty() || !m_resName.isEmpty()
        || m_resId != 0;
}

void TAnimate::KeepOnlySource(const void *kept)
{
    if (kept != &m_commonAVI)
        m_commonAVI = aviNone;
    if (kept != &m_fileName)
        m_fileName.clear();
    if (kept != &m_resName)
        m_resName.clear();
    if (kept != &m_resId)
        m_resId = 0;
}

void TAnimate::SetOpen(bool v)
{
    if (v == m_open)
        return;
    if (v && !HasClip())
        throw EInvalidOperation(QStringLiteral("Cannot open AVI"));
    OpenChanged(v);
}

void TAnimate::OpenChanged(bool open)
{
    const bool wasActive = m_active;
    Stop();
    m_open = open;
    m_frame = Open() ? 1 : 0;
    if (m_autoSize && Open())
        SetBounds(Left(), Top(), FrameWidth() + 2 * m_borderWidth,
                  FrameHeight() + 2 * m_borderWidth);
    if (Open())
        OnOpen(this);
    else
        OnClose(this);
    if (wasActive && Open())
        SetActive(true);
    Invalidate();
}

void TAnimate::SetCommonAVI(TCommonAVI avi)
{
    if (avi == m_commonAVI)
        return;
    m_commonAVI = avi;
    if (avi != aviNone)
        KeepOnlySource(&m_commonAVI);
    ClipChanged();
}

void TAnimate::SetFileName(const QString &name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    if (!name.isEmpty())
        KeepOnlySource(&m_fileName);
    ClipChanged();
}

void TAnimate::SetResName(const QString &name)
{
    if (name == m_resName)
        return;
    m_resName = name;
    if (!name.isEmpty())
        KeepOnlySource(&m_resName);
    ClipChanged();
}

void TAnimate::SetResId(int id)
{
    if (id == m_resId)
        return;
    m_resId = id;
    if (id != 0)
        KeepOnlySource(&m_resId);
    ClipChanged();
}

void TAnimate::SetActive(bool v)
{
    if (v)
        Play(m_startFrame, LastFrame(), m_repetitions);
    else
        Stop();
}

void TAnimate::Play(int fromFrame, int toFrame, int count)
{
    if (!Open())
        throw EInvalidOperation(QStringLiteral("Cannot open AVI"));
    m_frame = std::clamp(fromFrame, 1, FrameCount());
    m_playTo = std::clamp(toFrame, m_frame, FrameCount());
    m_playsLeft = count;
    m_active = true;
    // At design time the clip plays as at run time, as the classic control does.
    m_timer->start();
    OnStart(this);
    Invalidate();
}

void TAnimate::Stop()
{
    if (!m_active)
        return;
    m_timer->stop();
    m_active = false;
    OnStop(this);
    Invalidate();
}

void TAnimate::Reset()
{
    Stop();
    m_frame = Open() ? 1 : 0;
    Invalidate();
}

void TAnimate::Seek(int frame)
{
    Stop();
    if (Open())
        m_frame = std::clamp(frame, 1, FrameCount());
    Invalidate();
}

void TAnimate::Tick()
{
    if (m_frame < m_playTo) {
        ++m_frame;
    } else if (m_playsLeft == 0 || --m_playsLeft > 0) {
        m_frame = std::clamp(m_startFrame, 1, FrameCount());
    } else {
        Stop();
    }
    Invalidate();
}

void TAnimate::SetAutoSize(bool v)
{
    m_autoSize = v;
    if (v && Open())
        SetBounds(Left(), Top(), FrameWidth() + 2 * m_borderWidth,
                  FrameHeight() + 2 * m_borderWidth);
}

void TAnimate::SetCenter(bool v)
{
    m_center = v;
    Invalidate();
}

void TAnimate::SetStartFrame(int v)
{
    m_startFrame = std::max(1, v);
}

void TAnimate::SetStopFrame(int v)
{
    m_stopFrame = std::max(0, v);
}

void TAnimate::SetTransparent(bool v)
{
    m_transparent = v;
    Invalidate();
}

void TAnimate::SetBorderWidth(int v)
{
    m_borderWidth = std::max(0, v);
    Invalidate();
}

void TAnimate::PaintWidget(QPainter &painter)
{
    if (!m_transparent)
        painter.fillRect(QRect(0, 0, Width(), Height()), ColorToQColor(Color()));
    if (!Open()) {
        if (Designing()) {
            painter.save();
            painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
            painter.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
            painter.restore();
        }
        return;
    }
    QRect frame(m_borderWidth, m_borderWidth, FrameWidth(), FrameHeight());
    if (m_center)
        frame.moveCenter(QRect(0, 0, Width(), Height()).center());
    painter.fillRect(frame, ColorToQColor(clBtnFace));
    QRect edge = frame;
    Frame3D(painter, edge, clBtnShadow, clBtnHighlight, 1);
    // A strip of cells along the bottom, filled up to the current frame, stands for motion.
    const int cells = FrameCount();
    const int cellW = std::max(1, (edge.width() - 4) / cells);
    for (int i = 0; i < cells; ++i) {
        const QRect cell(edge.left() + 2 + i * cellW, edge.bottom() - 7, cellW - 1, 6);
        painter.fillRect(cell, ColorToQColor(i < m_frame ? clHighlight : clBtnShadow));
    }
    QString name = QString::fromLatin1(kAviNames[m_commonAVI]).mid(3);
    if (!m_fileName.isEmpty())
        name = QFileInfo(m_fileName).fileName();
    else if (!m_resName.isEmpty())
        name = m_resName;
    else if (m_resId != 0)
        name = QString::number(m_resId);
    painter.setFont(Font()->ToQFont());
    DrawControlText(painter, edge.adjusted(2, 2, -2, -10), Qt::AlignCenter | Qt::TextWordWrap,
                    name, clBtnText, Enabled());
}
