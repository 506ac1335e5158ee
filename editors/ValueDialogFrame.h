#pragma once

// The frame the value dialogs share: a form centred on the screen with an 8-point sans-serif
// font, an "Ok" button that is the default and closes with the OK result, a "Cancel" button
// that is the cancel button and closes with the Cancel result, and 5-pixel spacer panels
// between the form's edge and its working area.

#include "EditorGlyphs.h"
#include "ExtCtrls.h"

class TButton;
class TForm;
class TSpeedButton;

inline constexpr int DialogSpacing = 5;

// Caption, outer size, font and place of a value dialog.
void SetupValueDialog(TForm *form, const QString &caption, int width, int height);
// "Ok" (okay) or "Cancel" at left, top in parent, 75 by 25 pixels.
TButton *DialogButton(TForm *form, TWinControl *parent, const char *name, bool okay, int left,
                      int top);
// An empty 5-pixel panel aligned in parent.
TPanel *DialogSpacer(TForm *form, TWinControl *parent, const char *name, TAlign align);
// One spacer on each side of the form, named Spacer1 to Spacer4 (top, bottom, left, right).
// Made before the other aligned controls, so that they stay outermost.
void AddDialogSpacers(TForm *form);
// A flat 25 by 25 speed button showing glyph, with hint unless it is empty.
TSpeedButton *DialogSpeedButton(TForm *form, TWinControl *parent, const char *name,
                                EditorGlyph glyph, const QString &hint, int left, int top);
