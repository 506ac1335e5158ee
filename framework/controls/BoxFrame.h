#pragma once

// How the window manager frames windows: whether one runs, and a message box's frame.

class QWidget;

// Asks for a frame with a title and a close button only, before the box is first shown. Most
// X11 window managers read that from the box's hints alone; openbox gives every dialog
// minimize and maximize buttons whatever its hints say, and leaves them off only for windows
// of the toolbar type, so under openbox the box is typed so. Nothing happens on other
// platforms, or where the program was built without the X11 client library.
void AskForCloseButtonOnly(QWidget *box);

// Whether a window manager runs that may frame the program's windows. Under X11 it is the one
// that names itself on the root window; on other platforms, or where the program was built
// without the X11 client library, the answer is yes, as it cannot be told.
bool WindowManagerRuns();
