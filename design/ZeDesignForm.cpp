#include "ZeDesignForm.h"

#include "Handles.h"
#include "Contnrs.h"
#include "Menus.h"
#include "MouseCapture.h"
#include "VirtualKeys.h"

Z_DEFINE_CLASS(TComponentcreator, TObject, NoPublishedProps)

TComponentcreator::TComponentcreator() : Glyph(new TBitmap(24, 24)) {}

TComponentcreator::~TComponentcreator()
{
    delete Glyph;
}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TfZeDesignForm, TForm, NoPublishedProps)

TfZeDesignForm::TfZeDesignForm(TComponent *owner) : TForm(owner)
{
    SetName(QStringLiteral("fZeDesignForm"));
    SetCaption(QStringLiteral("Designer"));
    SetBounds(490, 103, 668, 428);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetControlStyle(ControlStyle() | csAcceptsControls);

    StretchHandle = new TStretchHandle(nullptr);
    StretchHandle->OnMouseUp = TMouseEvent::Of<&TfZeDesignForm::HandleMouseUp>(this);
    StretchHandle->OnDblClick = TNotifyEvent::Of<&TfZeDesignForm::HandleDblClick>(this);
    StretchHandle->OnKeyDown = TKeyEvent::Of<&TfZeDesignForm::HandleKeyDown>(this);
    StretchHandle->SetName(QStringLiteral("sh_sh_sh"));
    PreviousMessageHandler =
        Application->SetOnMessage(TMessageEvent::Of<&TfZeDesignForm::AppMessage>(this));
    SetDoubleBuffered(true);
    DoCreate();
}

TfZeDesignForm::~TfZeDesignForm()
{
    Destroying();
    SetDesigner(nullptr);
    Application->SetOnMessage(PreviousMessageHandler);
    Free(StretchHandle);
    StretchHandle = nullptr;
}

void TfZeDesignForm::SetDesignState(bool designing)
{
    SetDesigning(designing, true);
}

void TfZeDesignForm::SetCurrentControl(TControl *control)
{
    SetReference(this, m_currentControl, control);
}

void TfZeDesignForm::Select(TControl *control)
{
    // The control becomes current before anyone is told: telling the inspector lets pending
    // input run, and a Delete there frees the control, which the free notification then
    // clears from the current control.
    SetCurrentControl(control);
    OnSelectionChanged(this, control);
}

void TfZeDesignForm::Notification(TComponent *component, TOperation operation)
{
    TForm::Notification(component, operation);
    if (operation == opRemove && component == m_currentControl)
        m_currentControl = nullptr;
}

void TfZeDesignForm::AlignControls(TControl *changed)
{
    TForm::AlignControls(changed);
    // Aligning moves aligned and anchored children, the selected ones among them (the form
    // was resized, an aligned control came or went): the grips go with them.
    if (StretchHandle && !IsDestroying())
        StretchHandle->FollowTargets();
}

void TfZeDesignForm::EnabledChanged()
{
    // Enabled is a property of the form being designed, kept for it; the design surface
    // goes on taking the user's clicks and keys whatever it says, or a form set to False in
    // the inspector could no longer be worked on.
}

TBitmap *TfZeDesignForm::PaletteGlyph(TClass cls)
{
    TComponentcreator *entry = nullptr;
    OnQueryPaletteEntry(cls, entry);
    return entry ? entry->Glyph : nullptr;
}

// ---------------------------------------------------------------------------------------------
// The application-wide message hook

void TfZeDesignForm::AppMessage(TMsg &msg, bool &handled)
{
    if (IsDestroying() || !Showing())
        return;
    const QPoint p = ScreenToClient(msg.pt);
    if (p.x() < 0 || p.y() < 0 || p.x() > Width() || p.y() > Height())
        return;
    CursorX = p.x();
    CursorY = p.y();
    OnCursorPosition(this, p.x(), p.y());
    // A window lying over the design form keeps its own clicks.
    const bool onThisForm = msg.hwnd && msg.hwnd->window() == Handle();
    const bool press = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN;
    if (press && onThisForm && !Active()) {
        // A press on the form makes it the active window. A window manager does that before
        // the press arrives, or just after it; without one nobody does: either way the
        // press is the form's own, and so is the rest of its gesture.
        Handle()->activateWindow();
    } else if (!Active() && !m_gestureHere) {
        return;
    }
    switch (msg.message) {
    case WM_MOUSEMOVE:
        MoveX = p.x();
        MoveY = p.y();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (onThisForm) {
            DownX = p.x();
            DownY = p.y();
            // A press starts a new gesture: only moves after it size what it places. Moves made
            // while another window was active (the palette) never reached MoveX and MoveY.
            MoveX = p.x();
            MoveY = p.y();
            m_gestureHere = true;
            ButtonDown(msg, handled);
        }
        break;
    case WM_LBUTTONUP:
        m_gestureHere = false;
        if (onThisForm) {
            TClass cls = nullptr;
            OnQueryNewComponentClass(cls);
            if (cls)
                PlaceOnButtonUp(cls, p.x(), p.y());
        }
        break;
    default:
        break;
    }
}

void TfZeDesignForm::ButtonDown(const TMsg &msg, bool &handled)
{
    TControl *hit = FindControlAt(CursorX, CursorY, this, this);
    if (hit == this) {
        StretchHandle->DetachAll();
        Select(this);
        return; // the form's own mouse-down starts a rubber band
    }
    if (StretchHandle->IndexOfTarget(hit) >= 0)
        return; // the press goes on to the handle, which may start a drag
    // Shift with the left button alone adds to the selection; anything else replaces it.
    if (msg.wParam != (MK_LBUTTON | MK_SHIFT))
        StretchHandle->DetachAll();
    StretchHandle->Attach(hit);
    // The same press may go on into a drag of what it selected, counted from the press.
    StretchHandle->ContinuePress(StretchHandle->ScreenToClient(msg.pt));
    Select(hit);
    handled = true;
}

void TfZeDesignForm::PlaceOnButtonUp(TClass cls, int x, int y)
{
    const int dx = std::abs(MoveX - DownX), dy = std::abs(MoveY - DownY);
    // The gesture places: it selects nothing it crossed, and a press that selected a control
    // on the way moves nothing.
    EndBand();
    TWinControl *parent = ObjectCast<TWinControl>(StretchHandle->Target(0));
    if (!parent) {
        int hx = x, hy = y;
        parent = ObjectCast<TWinControl>(FindControlAt(hx, hy, this, this));
        if (!parent)
            parent = this;
    }
    int px = DownX, py = DownY;
    ToContainerCoordinates(parent, px, py);
    TControl *placed = PlaceComponent(cls, px, py, parent, DownX, DownY);
    if (!placed)
        return; // deleted at once by input that ran while it was being selected
    // Sizing it lets pending input run too; a Delete there frees it, and the list forgets it.
    TComponentList watched;
    watched.Add(placed);
    if (dx > GridStepX && dy > GridStepY) {
        placed->SetWidth(dx);
        if (watched.Count() > 0)
            placed->SetHeight(dy);
        StretchHandle->Refit();
    }
    if (watched.Count() > 0)
        Select(placed);
}

// ---------------------------------------------------------------------------------------------
// The stretch handle's callbacks

void TfZeDesignForm::HandleMouseUp(TObject *, TMouseButton, TShiftState, int, int)
{
    // The form and the grips are marked for painting, not painted on the spot: the news of
    // the move marks the form again, and the pending messages then paint it once. Painted at
    // once, a drop of a large selection was painted three times over.
    Invalidate();
    StretchHandle->Realign();
    StretchHandle->Invalidate();
    SelectionMoved();
    Application->ProcessNonInputMessages();
}

void TfZeDesignForm::HandleKeyDown(TObject *, quint16 &key, TShiftState)
{
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)
        SelectionMoved();
}

void TfZeDesignForm::SelectionMoved()
{
    // Whoever shows the selected controls' bounds (the inspector) learns of the change as
    // of any other: through the designer.
    if (TDesigner *designer = Designer())
        designer->NotifyModified();
}

void TfZeDesignForm::HandleDblClick(TObject *)
{
    TPopupMenu *menu = StretchHandle->PopupMenu();
    // Three fixed items and a separator come before the component editor's first verb.
    constexpr int FirstVerbItem = 4;
    if (StretchHandle->TargetCount() != 1 || !menu || menu->Items()->Count() <= FirstVerbItem)
        return;
    TControl *selected = StretchHandle->Target(0);
    TComponentList remembered; // the verb may free the control
    remembered.Add(selected);
    // The press of the double click holds the mouse: a dialog that the verb opens must get it.
    ReleaseCapture();
    menu->Items()->Items(FirstVerbItem)->Click();
    StretchHandle->DetachAll();
    Application->ProcessNonInputMessages();
    if (remembered.Count() > 0 && !IsDestroying())
        StretchHandle->Attach(static_cast<TControl *>(remembered.First()));
}
