// The type records of the control enumerations, sets and events that the controls publish.

#include "Controls.h"

PTypeInfo TypeInfoTAlign()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TAlign"), {QStringLiteral("alNone"), QStringLiteral("alTop"),
                                   QStringLiteral("alBottom"), QStringLiteral("alLeft"),
                                   QStringLiteral("alRight"), QStringLiteral("alClient")});
    return t;
}

PTypeInfo TypeInfoTBevelCut()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBevelCut"), {QStringLiteral("bvNone"), QStringLiteral("bvLowered"),
                                      QStringLiteral("bvRaised"), QStringLiteral("bvSpace")});
    return t;
}

PTypeInfo TypeInfoTBorderStyle()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TBorderStyle"),
                                            {QStringLiteral("bsNone"), QStringLiteral("bsSingle")});
    return t;
}

PTypeInfo TypeInfoTMouseEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TMouseEvent"),
        QStringLiteral("Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer"));
    return t;
}

PTypeInfo TypeInfoTMouseMoveEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TMouseMoveEvent"),
                      QStringLiteral("Sender: TObject; Shift: TShiftState; X, Y: Integer"));
    return t;
}

PTypeInfo TypeInfoTKeyEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TKeyEvent"),
        QStringLiteral("Sender: TObject; var Key: Word; Shift: TShiftState"));
    return t;
}

PTypeInfo TypeInfoTKeyPressEvent()
{
    static const TTypeInfo *t = NewMethodType(QStringLiteral("TKeyPressEvent"),
                                              QStringLiteral("Sender: TObject; var Key: Char"));
    return t;
}

PTypeInfo TypeInfoTAnchors()
{
    static const TTypeInfo *element = NewEnumType(
        QStringLiteral("TAnchorKind"), {QStringLiteral("akLeft"), QStringLiteral("akTop"),
                                        QStringLiteral("akRight"), QStringLiteral("akBottom")});
    static const TTypeInfo *t = NewSetType(QStringLiteral("TAnchors"), element);
    return t;
}

PTypeInfo TypeInfoTDragMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TDragMode"), {QStringLiteral("dmManual"), QStringLiteral("dmAutomatic")});
    return t;
}

PTypeInfo TypeInfoTDragKind()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TDragKind"),
                                            {QStringLiteral("dkDrag"), QStringLiteral("dkDock")});
    return t;
}

PTypeInfo TypeInfoTBiDiMode()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TBiDiMode"),
        {QStringLiteral("bdLeftToRight"), QStringLiteral("bdRightToLeft"),
         QStringLiteral("bdRightToLeftNoAlign"), QStringLiteral("bdRightToLeftReadingOnly")});
    return t;
}

#define Z_METHOD_TYPE(Fn, Name, Signature) \
    PTypeInfo Fn() \
    { \
        static const TTypeInfo *t = NewMethodType(QStringLiteral(Name), QStringLiteral(Signature)); \
        return t; \
    }

Z_METHOD_TYPE(TypeInfoTDragDropEvent, "TDragDropEvent",
              "Sender, Source: TObject; X, Y: Integer")
Z_METHOD_TYPE(TypeInfoTDragOverEvent, "TDragOverEvent",
              "Sender, Source: TObject; X, Y: Integer; State: TDragState; var Accept: Boolean")
Z_METHOD_TYPE(TypeInfoTEndDragEvent, "TEndDragEvent", "Sender, Target: TObject; X, Y: Integer")
Z_METHOD_TYPE(TypeInfoTStartDragEvent, "TStartDragEvent",
              "Sender: TObject; var DragObject: TDragObject")
Z_METHOD_TYPE(TypeInfoTStartDockEvent, "TStartDockEvent",
              "Sender: TObject; var DragObject: TDragDockObject")
Z_METHOD_TYPE(TypeInfoTContextPopupEvent, "TContextPopupEvent",
              "Sender: TObject; MousePos: TPoint; var Handled: Boolean")
Z_METHOD_TYPE(TypeInfoTDockDropEvent, "TDockDropEvent",
              "Sender: TObject; Source: TDragDockObject; X, Y: Integer")
Z_METHOD_TYPE(TypeInfoTDockOverEvent, "TDockOverEvent",
              "Sender: TObject; Source: TDragDockObject; X, Y: Integer; State: TDragState; "
              "var Accept: Boolean")
Z_METHOD_TYPE(TypeInfoTGetSiteInfoEvent, "TGetSiteInfoEvent",
              "Sender: TObject; DockClient: TControl; var InfluenceRect: TRect; "
              "MousePos: TPoint; var CanDock: Boolean")
Z_METHOD_TYPE(TypeInfoTUnDockEvent, "TUnDockEvent",
              "Sender: TObject; Client: TControl; NewTarget: TWinControl; var Allow: Boolean")
Z_METHOD_TYPE(TypeInfoTCanResizeEvent, "TCanResizeEvent",
              "Sender: TObject; var NewWidth, NewHeight: Integer; var Resize: Boolean")
Z_METHOD_TYPE(TypeInfoTConstrainedResizeEvent, "TConstrainedResizeEvent",
              "Sender: TObject; var MinWidth, MinHeight, MaxWidth, MaxHeight: Integer")
