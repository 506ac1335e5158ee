#pragma once

// The code editor tool window: a Pascal editor with a small tool bar and a status bar. Its
// text lives only as long as the window; its place is kept in the placement store.

#include "Forms.h"

class TPanel;
class TSpeedButton;
class TStatusBar;
class TMenuItem;
class TSynEdit;
class TSynPasSyn;

class TCodeEditor : public TForm
{
    Z_CLASS(TCodeEditor)
public:
    explicit TCodeEditor(TComponent *owner);

    TPanel *Panel1;
    TSpeedButton *SpeedButton1;
    TSpeedButton *SpeedButton2;
    TSpeedButton *SpeedButton3;
    TSpeedButton *SpeedButton4;
    TSpeedButton *SpeedButton5;
    TSynEdit *SynEdit1;
    TStatusBar *StatusBar1;
    TSynPasSyn *SynPasSyn1;

    // The main window's View item of this window, unchecked when the window closes; forgotten
    // when the item is freed.
    TMenuItem *MenuItem() const { return m_menuItem; } // not owned
    void SetMenuItem(TMenuItem *item);
    // Every key pressed in the window, before the focused control gets it.
    TKeyEvent OnFormKeyDown;

    void FormCreate(TObject *sender);
    void FormDestroy(TObject *sender);
    void FormClose(TObject *sender, TCloseAction &action);
    void FormKeyDown(TObject *sender, quint16 &key, TShiftState shift);

protected:
    void Notification(TComponent *component, TOperation operation) override;

private:
    void CreateToolBar();
    void CreateEditor();

    TMenuItem *m_menuItem = nullptr;
};
