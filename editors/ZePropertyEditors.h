#pragma once

// The designer's own editors: property editors that open the dialogs for pictures, icons,
// string lists, input masks, file filters, collections and menus, and component editors that
// give page controls, object containers and image lists their verbs. Each group is
// implemented in a ZePropertyEditors*.cpp of its own.

#include "DsgnIntf.h"

// ---- Pictures, icons, string lists, input masks and file filters -----------------------------

// ---- Collections and menus -------------------------------------------------------------------

// ---- Component editors: page controls, object containers, image lists ------------------------
