#include "DsgnIntf.h"

Z_DEFINE_CLASS(TFormDesigner, TDesigner, NoPublishedProps)
