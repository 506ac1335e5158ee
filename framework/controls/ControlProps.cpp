#include "ControlProps.h"

#include "BasicAction.h"
#include "Controls.h"
#include "Menus.h"

namespace {

const TPropTable &Catalogue()
{
    using C = TControl;
    using W = TWinControl;
    static const TPropTable catalogue = {
        Prop<C>("Action", TBasicAction::StaticClass()->ClassTypeInfo(), &C::Action,
                &C::SetAction),
        Prop<C>("Align", TypeInfoTAlign(), &C::Align, &C::SetAlign, alNone),
        Prop<C>("Anchors", TypeInfoTAnchors(), &C::Anchors, &C::SetAnchors, DefaultAnchors),
        Prop<C>("BiDiMode", TypeInfoTBiDiMode(), &C::BiDiMode, &C::SetBiDiMode),
        Prop<C>("Caption", TypeInfoTCaption(), &C::Caption, &C::SetCaption),
        Prop<C>("Color", TypeInfoTColor(), &C::Color, &C::SetColor),
        Prop<C>("Constraints", TSizeConstraints::StaticClass()->ClassTypeInfo(),
                &C::Constraints, &C::SetConstraints),
        Prop<C>("Cursor", TypeInfoTCursor(), &C::Cursor, &C::SetCursor, crDefault),
        Prop<C>("DragCursor", TypeInfoTCursor(), &C::DragCursor, &C::SetDragCursor, crDrag),
        Prop<C>("DragKind", TypeInfoTDragKind(), &C::DragKind, &C::SetDragKind, dkDrag),
        Prop<C>("DragMode", TypeInfoTDragMode(), &C::DragMode, &C::SetDragMode, dmManual),
        Prop<C>("Enabled", TypeInfoBoolean(), &C::Enabled, &C::SetEnabled, 1),
        Prop<C>("Font", TFont::StaticClass()->ClassTypeInfo(), &C::Font, &C::SetFont),
        Prop<C>("Height", TypeInfoInteger(), &C::Height, &C::SetHeight),
        Prop<C>("Hint", TypeInfoString(), &C::Hint, &C::SetHint),
        Prop<C>("Left", TypeInfoInteger(), &C::Left, &C::SetLeft),
        Prop<C>("ParentBiDiMode", TypeInfoBoolean(), &C::ParentBiDiMode, &C::SetParentBiDiMode,
                1),
        Prop<C>("ParentColor", TypeInfoBoolean(), &C::ParentColor, &C::SetParentColor),
        Prop<C>("ParentFont", TypeInfoBoolean(), &C::ParentFont, &C::SetParentFont, 1),
        Prop<C>("ParentShowHint", TypeInfoBoolean(), &C::ParentShowHint, &C::SetParentShowHint,
                1),
        Prop<C>("PopupMenu", TPopupMenu::StaticClass()->ClassTypeInfo(), &C::PopupMenu,
                &C::SetPopupMenu),
        Prop<C>("ShowHint", TypeInfoBoolean(), &C::ShowHint, &C::SetShowHint),
        Prop<C>("Text", TypeInfoTCaption(), &C::Text, &C::SetText),
        Prop<C>("Top", TypeInfoInteger(), &C::Top, &C::SetTop),
        Prop<C>("Visible", TypeInfoBoolean(), &C::Visible, &C::SetVisible, 1),
        Prop<C>("Width", TypeInfoInteger(), &C::Width, &C::SetWidth),
        Prop<W>("Ctl3D", TypeInfoBoolean(), &W::Ctl3D, &W::SetCtl3D),
        Prop<W>("DockSite", TypeInfoBoolean(), &W::DockSite, &W::SetDockSite, 0),
        Prop<W>("HelpContext", TypeInfoTHelpContext(), &W::HelpContext, &W::SetHelpContext, 0),
        Prop<W>("ImeMode", TypeInfoTImeMode(), &W::ImeMode, &W::SetImeMode, imDontCare),
        Prop<W>("ImeName", TypeInfoTImeName(), &W::ImeName, &W::SetImeName),
        Prop<W>("ParentCtl3D", TypeInfoBoolean(), &W::ParentCtl3D, &W::SetParentCtl3D, 1),
        Prop<W>("TabOrder", TypeInfoTTabOrder(), &W::TabOrder, &W::SetTabOrder, -1),
        Prop<W>("TabStop", TypeInfoBoolean(), &W::TabStop, &W::SetTabStop),
        Prop<W>("UseDockManager", TypeInfoBoolean(), &W::UseDockManager,
                &W::SetUseDockManager, 0),
        EventProp<C>("OnCanResize", TypeInfoTCanResizeEvent(), &C::OnCanResize),
        EventProp<C>("OnClick", TypeInfoTNotifyEvent(), &C::OnClick),
        EventProp<C>("OnConstrainedResize", TypeInfoTConstrainedResizeEvent(),
                     &C::OnConstrainedResize),
        EventProp<C>("OnContextPopup", TypeInfoTContextPopupEvent(), &C::OnContextPopup),
        EventProp<C>("OnDblClick", TypeInfoTNotifyEvent(), &C::OnDblClick),
        EventProp<C>("OnDragDrop", TypeInfoTDragDropEvent(), &C::OnDragDrop),
        EventProp<C>("OnDragOver", TypeInfoTDragOverEvent(), &C::OnDragOver),
        EventProp<C>("OnEndDock", TypeInfoTEndDragEvent(), &C::OnEndDock),
        EventProp<C>("OnEndDrag", TypeInfoTEndDragEvent(), &C::OnEndDrag),
        EventProp<C>("OnMouseDown", TypeInfoTMouseEvent(), &C::OnMouseDown),
        EventProp<C>("OnMouseMove", TypeInfoTMouseMoveEvent(), &C::OnMouseMove),
        EventProp<C>("OnMouseUp", TypeInfoTMouseEvent(), &C::OnMouseUp),
        EventProp<C>("OnResize", TypeInfoTNotifyEvent(), &C::OnResize),
        EventProp<C>("OnStartDock", TypeInfoTStartDockEvent(), &C::OnStartDock),
        EventProp<C>("OnStartDrag", TypeInfoTStartDragEvent(), &C::OnStartDrag),
        EventProp<W>("OnDockDrop", TypeInfoTDockDropEvent(), &W::OnDockDrop),
        EventProp<W>("OnDockOver", TypeInfoTDockOverEvent(), &W::OnDockOver),
        EventProp<W>("OnEnter", TypeInfoTNotifyEvent(), &W::OnEnter),
        EventProp<W>("OnGetSiteInfo", TypeInfoTGetSiteInfoEvent(), &W::OnGetSiteInfo),
        EventProp<W>("OnExit", TypeInfoTNotifyEvent(), &W::OnExit),
        EventProp<W>("OnKeyDown", TypeInfoTKeyEvent(), &W::OnKeyDown),
        EventProp<W>("OnKeyPress", TypeInfoTKeyPressEvent(), &W::OnKeyPress),
        EventProp<W>("OnKeyUp", TypeInfoTKeyEvent(), &W::OnKeyUp),
        EventProp<W>("OnUnDock", TypeInfoTUnDockEvent(), &W::OnUnDock),
    };
    return catalogue;
}

} // namespace

TPropTable ControlProps(std::initializer_list<const char *> names)
{
    TPropTable result;
    result.reserve(names.size());
    for (const char *name : names) {
        const QString wanted = QString::fromLatin1(name);
        const auto &all = Catalogue();
        const auto it = std::find_if(all.begin(), all.end(),
                                     [&](const TPropInfo &p) { return p.Name == wanted; });
        if (it == all.end())
            throw EPropertyError(
                FormatMessage(QStringLiteral("No control property named %s"), {wanted}));
        result.push_back(*it);
    }
    return result;
}

QStringList ControlPropNames()
{
    QStringList names;
    for (const TPropInfo &p : Catalogue())
        names << p.Name;
    return names;
}

void SetPropDefault(TPropTable &table, const char *name, qint64 value)
{
    const QString wanted = QString::fromLatin1(name);
    for (TPropInfo &p : table) {
        if (p.Name == wanted) {
            p.Default = value;
            return;
        }
    }
    throw EPropertyError(FormatMessage(QStringLiteral("No control property named %s"), {wanted}));
}
