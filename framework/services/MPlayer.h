#pragma once

// The media player: the classic bar of nine buttons that drives a media device. This machine
// offers no media device, so the player keeps its settings, draws and clicks its buttons, and
// every operation that would need a device raises EMCIDeviceError with a clear message. A
// player with nothing to play (no file name and no device type) lets the operations pass
// without doing anything.

#include "Controls.h"

Z_EXCEPTION(EMCIDeviceError, Exception)

// The C++ names carry "mp" so as not to clash with the up-down buttons; the type record keeps
// the classic value names.
enum TMPBtnType {
    mpbtPlay, mpbtPause, mpbtStop, mpbtNext, mpbtPrev, mpbtStep, mpbtBack, mpbtRecord, mpbtEject
};
using TButtonSet = quint32; // bit n = TMPBtnType n
constexpr TButtonSet AllMPButtons = 0x1FF;
constexpr TButtonSet MPButton(TMPBtnType b) { return TButtonSet(1u << b); }

enum TMPDeviceTypes {
    dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay,
    dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio
};
enum TMPTimeFormats {
    tfMilliseconds, tfHMS, tfMSF, tfFrames, tfSMPTE24, tfSMPTE25, tfSMPTE30, tfSMPTE30Drop,
    tfBytes, tfSamples, tfTMSF
};
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

PTypeInfo TypeInfoTMPBtnType();
PTypeInfo TypeInfoTButtonSet();
PTypeInfo TypeInfoTMPDeviceTypes();
PTypeInfo TypeInfoTMPTimeFormats();

// Before a button's operation: clearing DoDefault skips it.
using EMPNotify = TEvent<TObject *, TMPBtnType, bool &>;
// After a button's operation.
using EMPPostNotify = TEvent<TObject *, TMPBtnType>;
PTypeInfo TypeInfoEMPNotify();
PTypeInfo TypeInfoEMPPostNotify();

// The message the operations raise on this machine.
QString NoMediaDeviceMessage();

class TMediaPlayer : public TCustomControl
{
    Z_CLASS(TMediaPlayer)
public:
    explicit TMediaPlayer(TComponent *owner);
    ~TMediaPlayer() override;

    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool v);
    bool AutoOpen() const { return m_autoOpen; }
    void SetAutoOpen(bool v) { m_autoOpen = v; }
    bool AutoRewind() const { return m_autoRewind; }
    void SetAutoRewind(bool v) { m_autoRewind = v; }
    TButtonSet ColoredButtons() const { return m_coloredButtons; }
    void SetColoredButtons(TButtonSet set);
    TMPDeviceTypes DeviceType() const { return m_deviceType; }
    void SetDeviceType(TMPDeviceTypes type) { m_deviceType = type; }
    // The window a video would show in; nullptr for the device's own window.
    TWinControl *Display() const { return m_display; } // not owned, free-notified
    void SetDisplay(TWinControl *display);
    TButtonSet EnabledButtons() const { return m_enabledButtons; }
    void SetEnabledButtons(TButtonSet set);
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &name) { m_fileName = name; }
    bool Shareable() const { return m_shareable; }
    void SetShareable(bool v) { m_shareable = v; }
    TMPTimeFormats TimeFormat() const { return m_timeFormat; }
    void SetTimeFormat(TMPTimeFormats format) { m_timeFormat = format; }
    TButtonSet VisibleButtons() const { return m_visibleButtons; }
    void SetVisibleButtons(TButtonSet set);
    TMPModes Mode() const { return m_mode; }

    // Whether the player has neither a file nor a device type to open.
    bool NothingToPlay() const;
    void Open();
    void Close();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Step();
    void Back();
    void StartRecording();
    void Eject();
    void Rewind();

    // The button drawn at x, y (control coordinates), or -1.
    int ButtonAt(int x, int y) const;
    // The rectangle of a visible button; empty for a hidden one.
    QRect ButtonRect(TMPBtnType button) const;
    // Whether a button takes clicks now.
    bool ButtonEnabled(TMPBtnType button) const;
    // What pressing a button does: OnClick, the operation, OnPostClick.
    void ClickButton(TMPBtnType button);

    EMPNotify OnClick;
    TNotifyEvent OnNotify;
    EMPPostNotify OnPostClick;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent *component, TOperation operation) override;

protected:
    void Paint() override;

private:
    // Raises the no-device error unless there is nothing to play.
    void RequireDevice();

    bool m_autoEnable = true;
    bool m_autoOpen = false;
    bool m_autoRewind = true;
    TButtonSet m_coloredButtons = AllMPButtons;
    TMPDeviceTypes m_deviceType = dtAutoSelect;
    TWinControl *m_display = nullptr;
    TButtonSet m_enabledButtons = AllMPButtons;
    QString m_fileName;
    bool m_shareable = false;
    TMPTimeFormats m_timeFormat = tfMilliseconds;
    TButtonSet m_visibleButtons = AllMPButtons;
    TMPModes m_mode = mpNotReady;
    int m_pressed = -1;
};
