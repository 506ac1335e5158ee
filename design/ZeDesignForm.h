#pragma once

// The design form: the window on which the user builds a form. It shows a dotted grid, places
// the class chosen on the palette where the user clicks or drags, selects controls by click,
// Shift-click and rubber band, climbs to the parent on Escape, deletes on Delete, and reports
// the cursor position and every change of selection to its host.

#include "Application.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Graphics.h"
#include "System.h"

class TComponentList;
class TStretchHandle;

// One placeable class: the page it was registered on, the class, and its 24 by 24 glyph.
class TComponentcreator : public TObject
{
    Z_CLASS(TComponentcreator)
public:
    TComponentcreator();
    ~TComponentcreator() override;

    QString PageName;
    TClass ComponentClass = nullptr;
    TBitmap *Glyph; // owned; an empty 24 by 24 bitmap until loaded
};

// Stands on the design form for a component that is not a control: a 26 by 26 panel showing
// the palette glyph of the component's class.
class TZeSubComponent : public TPanel
{
    Z_CLASS(TZeSubComponent)
public:
    static constexpr int Size = 26;

    explicit TZeSubComponent(TComponent *owner);
    ~TZeSubComponent() override;

    TBitmap *Glyph; // owned
    // The component this panel stands for (not owned; cleared when it is freed).
    TComponent *Component() const { return m_component; }
    void SetComponent(TComponent *component);

    // Keeps the requested position; the size stays 26 by 26.
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent *component, TOperation operation) override;

protected:
    void Paint() override;

private:
    TComponent *m_component = nullptr;
};

using TCursorPositionEvent = TEvent<TObject *, int, int>;
using TSelectionChangedEvent = TEvent<TObject *, TObject *>;
using TQueryNewComponentClassEvent = TEvent<TClass &>;
using TQueryPaletteEntryEvent = TEvent<TClass, TComponentcreator *&>;

class TfZeDesignForm : public TForm
{
    Z_CLASS(TfZeDesignForm)
public:
    explicit TfZeDesignForm(TComponent *owner);
    ~TfZeDesignForm() override;

    TStretchHandle *StretchHandle = nullptr; // owned, though not through Components
    bool ShowGrid = true;
    int CursorX = 0, CursorY = 0;
    int GridStepX = 4, GridStepY = 4;
    int BandStartX = 0, BandStartY = 0;
    int BandEndX = 0, BandEndY = 0;
    int MoveX = 0, MoveY = 0;
    int DownX = 0, DownY = 0;
    TKeyEvent OnDesignKeyDown;
    TMessageEvent PreviousMessageHandler;
    TCursorPositionEvent OnCursorPosition;
    TSelectionChangedEvent OnSelectionChanged;
    TQueryNewComponentClassEvent OnQueryNewComponentClass;
    bool BandActive = false;
    TQueryPaletteEntryEvent OnQueryPaletteEntry;
    // Told after DeleteControl has freed components, so the host's lists can follow.
    TNotifyEvent OnComponentsDeleted;

    // The control last reported as selected: the form, a control, or nullptr.
    TControl *CurrentControl() const { return m_currentControl; }
    // True while the Delete key frees the selection one control after another. The loop ends
    // with one OnComponentsDeleted: lists of the form's components may wait for it instead of
    // following every single deletion.
    bool DeletingSelection() const { return m_deletingSelection; }

    // Puts the form and everything it owns into design state, or takes them out of it.
    void SetDesignState(bool designing);
    // Creates a component of class cls owned by the form: a control goes into parent (when it
    // accepts controls, at x, y) or onto the form (at formX, formY); any other component is
    // shown by a proxy at formX, formY. Returns the control or the proxy; nullptr when it is
    // gone already (whoever was told of the new selection let a pending Delete run).
    TControl *PlaceComponent(TClass cls, int x, int y, TWinControl *parent, int formX,
                             int formY);
    // Removes one selected control; a proxy frees the component it stands for too.
    void DeleteControl(TObject *object);
    // The grid and the rubber band, painted on the form's canvas.
    void PaintDesignSurface();
    // The glyph of the class's palette entry, or nullptr.
    TBitmap *PaletteGlyph(TClass cls);
    // Makes x, y, in the form's client coordinates, relative to container.
    void ToContainerCoordinates(TControl *container, int &x, int &y) const;

    bool KeyDown(quint16 &key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent *component, TOperation operation) override;
    void AlignControls(TControl *changed) override;
    void EnabledChanged() override;

private:
    void AppMessage(TMsg &msg, bool &handled);
    void ButtonDown(const TMsg &msg, bool &handled);
    void PlaceOnButtonUp(TClass cls, int x, int y);
    void Select(TControl *control); // reports the control and remembers it
    void BringProxiesToFront();
    void SelectInBand();
    // The rectangle whose frame is the rubber band's outline.
    QRect BandRect() const;
    // Ends the rubber band and takes its outline away.
    void EndBand();
    // Deletes each control of the list in turn (the Delete key's selection).
    void DeleteAll(TComponentList &doomed);
    void HandleMouseUp(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void HandleDblClick(TObject *sender);
    void HandleKeyDown(TObject *sender, quint16 &key, TShiftState shift);
    // The selected controls were moved or resized by the handle.
    void SelectionMoved();
    void SetCurrentControl(TControl *control);

    TControl *m_currentControl = nullptr; // free-notified
    // A button went down on this form and is not up yet: the gesture is the form's, even
    // before the window system has made the form active.
    bool m_gestureHere = false;
    bool m_deletingSelection = false;
};

// Name for a new component: baseName without its first letter, followed by the first number
// from 1 that no component of the form's container (its parent, or the form) has, in any
// letter case.
QString UniqueComponentName(const QString &baseName, TfZeDesignForm *form);
// The control under x, y (relative to container) from the top of the z-order down; a selected
// windowed control is hit on its border (within 4 pixels) instead of reaching into it. x and y
// come back relative to the container of the result.
TControl *FindControlAt(int &x, int &y, TWinControl *container, TfZeDesignForm *form);
