#include "ZeDesignRegistrations.h"

#include "Collections.h"
#include "Dialogs.h"
#include "DsgnIntf.h"
#include "Forms.h"
#include "Graphics.h"
#include "ImgList.h"
#include "MPlayer.h"
#include "Menus.h"
#include "OleCtnrs.h"
#include "ZeClientComponents.h"
#include "ZePropertyEditors.h"

namespace {

PTypeInfo ClassType(TClass cls)
{
    return cls->ClassTypeInfo();
}

void Register(PTypeInfo type, TClass editor, TClass componentClass = nullptr,
              const char *propertyName = nullptr)
{
    RegisterPropertyEditor(type, componentClass, QString::fromLatin1(propertyName), editor);
}

} // namespace

void RegisterDesignPropertyEditors()
{
    Register(TypeInfoInteger(), TIntegerProperty::StaticClass());
    Register(TypeInfoChar(), TCharProperty::StaticClass());
    Register(TypeInfoBoolean(), TBoolProperty::StaticClass());
    Register(TypeInfoDouble(), TFloatProperty::StaticClass());
    Register(TypeInfoString(), TStringProperty::StaticClass());
    Register(ClassType(TObject::StaticClass()), TClassProperty::StaticClass());
    Register(ClassType(TComponent::StaticClass()), TComponentProperty::StaticClass());
    // Only a component's Name is edited as a name: every other text (a hint, a filter)
    // keeps the plain string editor, its length and its multiple selection.
    Register(TypeInfoString(), TComponentNameProperty::StaticClass(), TComponent::StaticClass(),
             "Name");
    Register(TypeInfoString(), TFontNameProperty::StaticClass(), TFont::StaticClass());
    Register(TypeInfoTFontCharset(), TFontCharsetProperty::StaticClass(), TFont::StaticClass());
    Register(TypeInfoTColor(), TColorProperty::StaticClass());
    Register(TypeInfoTCursor(), TCursorProperty::StaticClass());
    Register(ClassType(TFont::StaticClass()), TFontProperty::StaticClass());
    Register(TypeInfoTModalResult(), TModalResultProperty::StaticClass());
    Register(TypeInfoTShortCut(), TShortCutProperty::StaticClass());
    // A property name without a component class is not kept: these four apply to every
    // property of their type, and of the date-time ones the newest is found for all.
    Register(TypeInfoTTabOrder(), TTabOrderProperty::StaticClass(), nullptr, "TabOrder");
    Register(TypeInfoTCaption(), TCaptionProperty::StaticClass(), nullptr, "Caption");
    Register(TypeInfoTDateTime(), TDateProperty::StaticClass(), nullptr, "Date");
    Register(TypeInfoTDateTime(), TTimeProperty::StaticClass(), nullptr, "Time");
    Register(TypeInfoTDateTime(), TDateTimeProperty::StaticClass());

    // The designer's own editors for pictures, images, icons, string lists, edit masks,
    // collections and menu items.
    Register(ClassType(TBitmap::StaticClass()), TZePictureEditor::StaticClass());
    Register(ClassType(TPicture::StaticClass()), TZeImageEditor::StaticClass());
    Register(ClassType(TIcon::StaticClass()), TZeIconEditor::StaticClass());
    Register(ClassType(TStrings::StaticClass()), TZeStringsEditor::StaticClass());
    Register(TypeInfoString(), TZeMaskEditor::StaticClass(), TZeMaskEdit::StaticClass(),
             "EditMask");
    Register(ClassType(TCollection::StaticClass()), TZeCollectionItemEditor::StaticClass());
    Register(ClassType(TMenuItem::StaticClass()), TZeMenuItemEditor::StaticClass());

    // A form's window menu is a plain reference to a menu item, not a menu to edit.
    Register(ClassType(TMenuItem::StaticClass()), TComponentProperty::StaticClass(),
             TCustomForm::StaticClass(), "WindowMenu");

    Register(TypeInfoString(), TZeFilterEditor::StaticClass(), TCommonDialog::StaticClass(),
             "Filter");

    Register(TypeInfoString(), TMPFilenameProperty::StaticClass(),
             TCommonDialog::StaticClass(), "FileName");
    Register(TypeInfoString(), TMPFilenameProperty::StaticClass(), TMediaPlayer::StaticClass(),
             "FileName");
}

void RegisterDesignComponentEditors()
{
    RegisterComponentEditor(TComponent::StaticClass(), TDefaultEditor::StaticClass());
    RegisterComponentEditor(TZePageControl::StaticClass(), TZePageControlEditor::StaticClass());
    RegisterComponentEditor(TOleContainer::StaticClass(), TZeOLEEditor::StaticClass());
    RegisterComponentEditor(TCustomImageList::StaticClass(), TZeImageListEditor::StaticClass());
}

void RegisterStreamedGraphicClasses()
{
    RegisterClasses({TBitmap::StaticClass(), TPicture::StaticClass()});
}
