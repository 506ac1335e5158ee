#pragma once

// The pictures of the editor dialogs' speed buttons, drawn in code in the manner of the main
// window's tool bar: 16 by 16 on a fuchsia background that the buttons leave out (the
// bottom-left pixel gives the transparent colour).

class TBitmap;

enum class EditorGlyph {
    Open,        // a folder: read from a file
    Save,        // a disk: write to a file
    Clear,       // a red cross over a blank page
    FitToClient, // four arrows pointing at the corners
    Add,         // a page with a green plus
    Delete,      // a page with a red minus
};

// Makes glyph a 16 by 16 picture of kind.
void DrawEditorGlyph(EditorGlyph kind, TBitmap *glyph);
