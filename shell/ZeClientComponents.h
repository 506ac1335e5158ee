#pragma once

// The placeable classes: each a direct subclass of a standard class that adds nothing but its
// name, from which the palette hint, the glyph and the names of new components derive. And
// RegisterDesignClasses, which puts them on the palette each time a designer main window is made.

#include "Buttons.h"
#include "CheckLst.h"
#include "ComCtrls.h"
#include "ComCtrlsPages.h"
#include "ComCtrlsAnimate.h"
#include "ComCtrlsHeader.h"
#include "ComCtrlsInput.h"
#include "ComCtrlsRanges.h"
#include "ComCtrlsRichEdit.h"
#include "DB.h"
#include "DBCtrls.h"
#include "DBGrids.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "ExtCtrlsTimer.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "Grids.h"
#include "ImgList.h"
#include "Mask.h"
#include "Menus.h"
#include "MPlayer.h"
#include "OleCtnrs.h"
#include "StdCtrls.h"

// The 63 classes by palette page, in button order: X(page, standard class name).
#define ZE_PLACEABLE_CLASSES(X) \
    X(Standard, MainMenu) X(Standard, PopupMenu) X(Standard, Label) X(Standard, Edit) \
    X(Standard, Memo) X(Standard, Button) X(Standard, CheckBox) X(Standard, RadioButton) \
    X(Standard, ListBox) X(Standard, ComboBox) X(Standard, ScrollBar) X(Standard, GroupBox) \
    X(Standard, RadioGroup) X(Standard, Panel) \
    X(Additional, BitBtn) X(Additional, SpeedButton) X(Additional, MaskEdit) \
    X(Additional, StringGrid) X(Additional, Image) X(Additional, Shape) X(Additional, Bevel) \
    X(Additional, ScrollBox) X(Additional, CheckListBox) X(Additional, Splitter) \
    X(Additional, StaticText) \
    X(Win32, PageControl) X(Win32, ImageList) X(Win32, RichEdit) X(Win32, TrackBar) \
    X(Win32, ProgressBar) X(Win32, UpDown) X(Win32, HotKey) X(Win32, Animate) \
    X(Win32, DateTimePicker) X(Win32, HeaderControl) X(Win32, StatusBar) \
    X(System, Timer) X(System, MediaPlayer) X(System, OleContainer) \
    X(Database, DataSource) X(Database, DBGrid) X(Database, DBNavigator) X(Database, DBText) \
    X(Database, DBEdit) X(Database, DBMemo) X(Database, DBImage) X(Database, DBListBox) \
    X(Database, DBComboBox) X(Database, DBCheckBox) X(Database, DBRadioGroup) \
    X(Database, DBLookupListBox) X(Database, DBLookupComboBox) X(Database, DBRichEdit) \
    X(Dialogs, OpenDialog) X(Dialogs, SaveDialog) X(Dialogs, OpenPictureDialog) \
    X(Dialogs, SavePictureDialog) X(Dialogs, FontDialog) X(Dialogs, ColorDialog) \
    X(Dialogs, PrintDialog) X(Dialogs, PrinterSetupDialog) X(Dialogs, FindDialog) \
    X(Dialogs, ReplaceDialog)

#define ZE_DECLARE_PLACEABLE(Page, Name) \
    class TZe##Name : public T##Name \
    { \
        Z_CLASS(TZe##Name) \
    public: \
        using T##Name::T##Name; \
    };
ZE_PLACEABLE_CLASSES(ZE_DECLARE_PLACEABLE)
#undef ZE_DECLARE_PLACEABLE

// Registers the placeable classes on their palette pages, the editors, and the icon-less
// TMenuItem. Runs while a designer main window is being created.
void RegisterDesignClasses();
