#pragma once

// The OEM code page of the classic edits' OEMConvert: code page 437, the character set of the
// original PC's text screen.

#include <QString>

// Whether code page 437 has the character.
bool OemCanHold(QChar ch);
// Text as it comes back from code page 437: characters it cannot hold become '?'.
QString OemRoundTrip(const QString &text);
