#include "SynEditHighlighter.h"

Z_DEFINE_CLASS(TSynCustomHighlighter, TComponent, NoPublishedProps)

TSynCustomHighlighter::TSynCustomHighlighter(TComponent *owner) : TComponent(owner) {}
