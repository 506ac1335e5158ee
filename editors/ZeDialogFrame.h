#pragma once

// The frame the value dialogs share: the caption and outer size, centred on the screen, a
// sans-serif font 11 pixels high, 5-pixel spacer panels between the form's edges and its
// working area, and the "Ok" (default) and "Cancel" (cancel) buttons.

#include "Forms.h"

class TButton;
class TPanel;

// Caption, outer size, font and centring of a dialog built in code.
void SetUpValueDialog(TForm *form, const QString &caption, int width, int height);
// An unbevelled panel of form aligned to one side of parent (size is its width or height).
TPanel *AddPlainPanel(TForm *form, TWinControl *parent, TAlign align, int size);
// One 5-pixel spacer panel on each side of the form. Made before the other aligned controls,
// so that they stay outermost.
void AddSpacers(TForm *form);
// "Ok" (the default button, closing with the OK result) and "Cancel" (the cancel button),
// named Button1 and Button2, 75 by 25 pixels at the places given, inside parent.
void AddOkCancel(TForm *form, TWinControl *parent, QPoint ok, QPoint cancel);
