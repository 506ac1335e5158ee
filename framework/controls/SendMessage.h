#pragma once

// Sends a mouse message straight to a control's window, as the window system would deliver it
// but without passing through the application's message filter (a sent message bypasses the
// queue). The control handles it as any input: a control in design state passes it to its
// form's designer and keeps it from its own widget.

#include "Messages.h"

class TControl;

// message is a button-down or button-up (WM_LBUTTONDOWN ... WM_MBUTTONUP); wParam the key-state
// word; lParam the point in the control's client coordinates (MakeLParam). A press gives a
// control with csCaptureMouse the mouse capture, which its release ends. False when the
// message is not a mouse button message or the control has no window.
bool SendMessage(TControl *control, quint32 message, quint64 wParam, qint64 lParam);
