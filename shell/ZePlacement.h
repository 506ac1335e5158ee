#pragma once

// The placement store: where the designer's windows were and how big, kept in the machine-wide
// settings file from one session to the next.

#include <QString>

class TCustomForm;
class TSettingsStore;

// The key of the placements, which is the machine-wide settings file (MachineSettingsFile()).
extern const QString PlacementKey;

// Lets a window's owner keep further values beside the placement, through the same open store
// (possibly a store that failed to open: it then ignores writes and reads defaults).
using TPlacementCallback = void (*)(void *data, TSettingsStore &store);

// Stores the window's placement under the section: "Height" and "Width" for a sizeable window,
// "Left" and "Top" for one at its designed place, and always "IsMaxForm". A minimized or
// maximized window stores the place it has when restored. The writer, when given, is called
// with data and the store. When the store cannot be made, says so and stores nothing.
void SaveFormPlacement(TCustomForm *window, const QString &name, const QString &section,
                       TPlacementCallback writer = nullptr, void *data = nullptr);
// Puts the window back where SaveFormPlacement found it; what the store lacks (or cannot
// parse) stays as designed. The reader, when given, is called with data and the store.
void LoadFormPlacement(TCustomForm *window, const QString &name, const QString &section,
                       TPlacementCallback reader = nullptr, void *data = nullptr);
