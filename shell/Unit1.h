#pragma once

// The host window: one button that opens a fresh designer, modally, as often as the user likes.

#include "Forms.h"

class TButton;

class TForm1 : public TForm
{
    Z_CLASS(TForm1)
public:
    explicit TForm1(TComponent *owner);

    TButton *Button3;

    void Button3Click(TObject *sender);
};
