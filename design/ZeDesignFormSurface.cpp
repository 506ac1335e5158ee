// What the design form does with its own input and painting: the rubber band, the keys, and
// the dotted grid.

#include "ZeDesignForm.h"

#include "Contnrs.h"
#include "FocusOutline.h"
#include "Handles.h"


void TfZeDesignForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    BandStartX = x;
    BandStartY = y;
    BandEndX = x;
    BandEndY = y;
    BandActive = true;
    TForm::MouseDown(button, shift, x, y);
}

void TfZeDesignForm::EndBand()
{
    BandActive = false;
    // Only the outline goes: the next paint of its frame, not of the whole form with every
    // control on it, takes it away.
    InvalidateClientRegion(OutlinePixels(BandRect()));
}

QRect TfZeDesignForm::BandRect() const
{
    return QRect(QPoint(std::min(BandStartX, BandEndX), std::min(BandStartY, BandEndY)),
                 QPoint(std::max(BandStartX, BandEndX) - 1, std::max(BandStartY, BandEndY) - 1));
}

void TfZeDesignForm::MouseMove(TShiftState shift, int x, int y)
{
    if (BandActive) {
        const QRect before = BandRect();
        BandEndX = x;
        BandEndY = y;
        // Only the outline changes: its old and its new frame are painted again, not the
        // whole form with every control on it.
        RepaintClientRegion(OutlinePixels(before).united(OutlinePixels(BandRect())));
        StretchHandle->Repaint();
    }
    TForm::MouseMove(shift, x, y);
}

void TfZeDesignForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (BandActive) {
        BandEndX = x;
        BandEndY = y;
        SelectInBand();
    }
    TForm::MouseUp(button, shift, x, y);
}

// Selects the form's own children whose top-left corner lies in the band, edges included.
void TfZeDesignForm::SelectInBand()
{
    StretchHandle->DetachAll();
    const int left = std::min(BandStartX, BandEndX), right = std::max(BandStartX, BandEndX);
    const int top = std::min(BandStartY, BandEndY), bottom = std::max(BandStartY, BandEndY);
    std::vector<TControl *> inBand;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (c != StretchHandle && c->Left() >= left && c->Left() <= right && c->Top() >= top
            && c->Top() <= bottom)
            inBand.push_back(c);
    }
    StretchHandle->Attach(inBand);
    EndBand();
    // A band that catches nothing leaves the form itself selected, and the inspector is told
    // so: a band started by a button that selected nothing on its press (the middle one)
    // would otherwise leave it showing a control that is no longer selected.
    TControl *first = StretchHandle->Target(0);
    OnSelectionChanged(this, first ? first : this);
    SetCurrentControl(first);
}

bool TfZeDesignForm::KeyDown(quint16 &key, TShiftState shift)
{
    OnDesignKeyDown(this, key, shift);
    if (key == VK_ESCAPE && StretchHandle->HasTargets()) {
        TWinControl *parent = StretchHandle->Target(0)->Parent();
        StretchHandle->DetachAll();
        if (parent != this)
            StretchHandle->Attach(parent);
        Select(parent);
    } else if (key == VK_DELETE) {
        TComponentList doomed;
        for (int i = 0; i < StretchHandle->TargetCount(); ++i)
            doomed.Add(StretchHandle->Target(i));
        StretchHandle->DetachAll();
        Select(this);
        DeleteAll(doomed);
    }
    return TForm::KeyDown(key, shift);
}

// Deleting one control may free others (a container's children): the list forgets freed
// components, which keeps the loop safe.
void TfZeDesignForm::DeleteAll(TComponentList &doomed)
{
    if (doomed.Count() == 0)
        return;
    m_deletingSelection = true;
    try {
        // With the form's painting and scroll ranges held, they follow once at the end.
        const TChildChangesLock held(this);
        while (doomed.Count() > 0) {
            TComponent *next = doomed.First();
            doomed.Delete(0);
            DeleteControl(next);
        }
    } catch (...) {
        m_deletingSelection = false;
        OnComponentsDeleted(this);
        throw;
    }
    m_deletingSelection = false;
    // Each deletion cleared the selection and its report left the inspector blank; the form,
    // selected when the Delete key began, is reported again so that its rows show.
    if (StretchHandle->TargetCount() == 0)
        Select(this);
    OnComponentsDeleted(this);
}

void TfZeDesignForm::PaintDesignSurface()
{
    TCanvas *canvas = Canvas();
    if (ShowGrid && GridStepX > 0 && GridStepY > 0) {
        const int tileWidth = GridStepX * 10, tileHeight = GridStepY * 10;
        TBitmap tile(tileWidth, tileHeight);
        TCanvas *tileCanvas = tile.Canvas();
        tileCanvas->Brush()->SetColor(Color());
        tileCanvas->FillRect(QRect(0, 0, tileWidth, tileHeight));
        for (int x = 0; x < tileWidth; x += GridStepX) {
            for (int y = 0; y < tileHeight; y += GridStepY)
                tileCanvas->SetPixels(x, y, clBlack);
        }
        canvas->Brush()->SetBitmap(&tile);
        canvas->FillRect(QRect(0, 0, Width(), Height()));
        canvas->Brush()->SetBitmap(nullptr);
    }
    if (BandActive) {
        const TBrushStyle style = canvas->Brush()->Style();
        const TColor color = canvas->Brush()->Color();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clBlack);
        canvas->FrameRect(BandRect());
        canvas->Brush()->SetColor(color);
        canvas->Brush()->SetStyle(style);
    }
}
