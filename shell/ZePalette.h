#pragma once

// The component palette's class registry: every placeable class with its page and glyph, and
// the icon-less classes. The registries live for the whole run; the tabs and class buttons
// belong to each main window (see ZeIDE).

#include "Classes.h"

#include <vector>

class TComponentcreator;

// Placeable classes in registration order; an entry's index is its identity for the buttons.
const std::vector<TComponentcreator *> &PaletteEntries();
const std::vector<TComponentcreator *> &IconlessEntries();

// Registers classes on a page of CurrentIDEForm's palette. A class already registered on the
// same page is skipped, so that every opening of the designer can run the same registrations;
// another class of the same name raises "Dublicat class name %s".
void RegisterPaletteClasses(const QString &page, const std::vector<TClass> &classes);
// Registers classes that get no palette button (a class already there is skipped).
void RegisterIconlessClasses(const std::vector<TClass> &classes);

// The first entry whose class is exactly cls, or nullptr.
TComponentcreator *FindPaletteEntry(TClass cls);
// False for the class name of an icon-less class (ignoring case), true otherwise.
bool IsPaletteClassName(const QString &className);

// Installs the two registration hooks, remembering the ones they replace; at program end,
// ReleasePaletteRegistry puts the saved page hook back and frees both registries.
void InstallPaletteHooks();
void ReleasePaletteRegistry();
