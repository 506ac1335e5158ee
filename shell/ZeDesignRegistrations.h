#pragma once

// The design-time registrations: which property editor edits which property, which component
// editor serves which component class, and the graphics classes the streaming system must know.
// The order of the property editors matters: the newest registration wins among equals.

void RegisterDesignPropertyEditors();
void RegisterDesignComponentEditors();
void RegisterStreamedGraphicClasses();
