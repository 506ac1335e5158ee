#pragma once

#include <QStringList>

// The font families installed for the screen, in the font database's order, leaving out the
// families private to the system. Needs a QGuiApplication.
QStringList ScreenFontNames();
