#pragma once

// The animation control. This machine plays no video clips: the control keeps every property
// of the classic one and shows a placeholder frame that names the clip and, while Active,
// steps a frame counter through StartFrame..StopFrame.

#include "ComCtrls.h"

class QTimer;

enum TCommonAVI {
    aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile,
    aviRecycleFile, aviEmptyRecycle, aviDeleteFile
};
PTypeInfo TypeInfoTCommonAVI();

class TAnimate : public TWinControl
{
    Z_CLASS(TAnimate)
public:
    explicit TAnimate(TComponent *owner);
    ~TAnimate() override;

    // Playing; switching it on plays from StartFrame (Repetitions times, 0 for ever).
    bool Active() const { return m_active; }
    void SetActive(bool v);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    bool Center() const { return m_center; }
    void SetCenter(bool v);
    // The clip comes from one source: choosing a common clip, a file or a resource (by name
    // or by number, 0 for none) clears the others, and opens the clip.
    TCommonAVI CommonAVI() const { return m_commonAVI; }
    void SetCommonAVI(TCommonAVI avi);
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &name);
    QString ResName() const { return m_resName; }
    void SetResName(const QString &name);
    int ResId() const { return m_resId; }
    void SetResId(int id);
    int Repetitions() const { return m_repetitions; }
    void SetRepetitions(int v) { m_repetitions = std::max(0, v); }
    // 1-based; StopFrame 0 means the last frame.
    int StartFrame() const { return m_startFrame; }
    void SetStartFrame(int v);
    int StopFrame() const { return m_stopFrame; }
    void SetStopFrame(int v);
    bool Timers() const { return m_timers; }
    void SetTimers(bool v) { m_timers = v; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v);

    // Whether the clip is open: closing it keeps its source, opening it needs one (raises
    // EInvalidOperation without). The placeholder clip has a fixed number of frames of a
    // fixed size while open.
    bool Open() const { return m_open; }
    void SetOpen(bool v);
    int FrameCount() const { return Open() ? 16 : 0; }
    int FrameWidth() const { return Open() ? 80 : 0; }
    int FrameHeight() const { return Open() ? 50 : 0; }
    // The frame shown now, 1-based; 0 without a clip.
    int CurrentFrame() const { return m_frame; }
    void Play(int fromFrame, int toFrame, int count);
    void Reset();
    void Seek(int frame);
    void Stop();

    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

    void PaintWidget(QPainter &painter) override;

private:
    bool HasClip() const;
    // Clears every clip source but the member kept.
    void KeepOnlySource(const void *kept);
    // The source changed: opens the clip there is, or closes.
    void ClipChanged() { OpenChanged(HasClip()); }
    void OpenChanged(bool open);
    void Tick();
    int LastFrame() const;

    bool m_active = false;
    bool m_autoSize = true;
    bool m_center = true;
    TCommonAVI m_commonAVI = aviNone;
    QString m_fileName;
    QString m_resName;
    int m_resId = 0;
    bool m_open = false;
    int m_repetitions = 0;
    int m_startFrame = 1;
    int m_stopFrame = 0;
    bool m_timers = false;
    bool m_transparent = true;
    int m_borderWidth = 0;
    int m_frame = 0;
    int m_playTo = 0;
    int m_playsLeft = 0;
    QTimer *m_timer = nullptr; // owned
};
