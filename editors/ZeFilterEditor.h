#pragma once

// The file-filter dialog: a file dialog's filter ("name|pattern|name|pattern...") shown as a
// grid of up to 24 rows of a filter name and its pattern.

#include "Forms.h"

class TStringGrid;

class TfZeFilterEditor : public TForm
{
    Z_CLASS(TfZeFilterEditor)
public:
    // The rows under the header that hold filter entries.
    static constexpr int EntryRows = 24;

    explicit TfZeFilterEditor(TComponent *owner);

    // Fills the grid from a filter: fields separated by "|" go by turns into the name and the
    // pattern of rows 1 to 24; what does not fit is dropped. A field left over at the end is a
    // pattern, also when a name was due.
    void SetFilterText(const QString &text);
    // The filter of the rows down to the first one without a name.
    QString GetFilterText() const;

    TStringGrid *sgValue = nullptr; // owned by the form

    void FormCreate(TObject *sender);
};
