// What the editor groups share lives here; each group has a ZePropertyEditors*.cpp of its own.
#include "ZePropertyEditors.h"
