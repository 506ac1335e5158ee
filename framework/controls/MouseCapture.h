#pragma once

// Mouse capture: the control that holds it gets every mouse input, wherever the pointer is,
// until it releases it or another control takes it.

class TControl;

// Gives the capture to control (its widget must be showing); nullptr releases it.
void SetCaptureControl(TControl *control);
// The control holding the capture, or nullptr.
TControl *GetCaptureControl();
// Releases the capture, whoever holds it; the control that held it gets QEvent::UngrabMouse.
void ReleaseCapture();
