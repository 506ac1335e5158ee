#pragma once

// Framework-internal: what edits add to their widget's own handling of input and focus.

#include "StdCtrls.h"

class QPalette;

// Watches widget for edit: typed characters go through the OEM code page while OEMConvert is
// on, and the selection shows or hides as the widget takes and loses the focus (a line edit
// keeps its selection when the focus leaves).
void WatchEditInput(TCustomEdit *edit, QWidget *widget);

// Sets the selection colours of palette: hidden, the selection looks like the rest of the
// text (base and text colours); shown, it is highlighted.
void SetSelectionColors(QPalette &palette, bool hidden, TColor base, TColor text);
