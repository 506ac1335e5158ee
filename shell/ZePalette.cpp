#include "ZePalette.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"

#include <algorithm>

namespace {

std::vector<TComponentcreator *> *g_paletteEntries = nullptr; // owned, with their entries
std::vector<TComponentcreator *> *g_iconlessEntries = nullptr;
TRegisterComponentsProc g_savedComponentsProc = nullptr;
TRegisterNoIconProc g_savedNoIconProc = nullptr;

std::vector<TComponentcreator *> &Entries(std::vector<TComponentcreator *> *&list)
{
    if (!list)
        list = new std::vector<TComponentcreator *>();
    return *list;
}

void FreeEntries(std::vector<TComponentcreator *> *&list)
{
    if (!list)
        return;
    for (TComponentcreator *entry : *list)
        delete entry;
    delete list;
    list = nullptr;
}

void LoadGlyph(TComponentcreator *entry)
{
    TBitmap loaded;
    if (!loaded.LoadFromResourceName(entry->ComponentClass->ClassName()))
        loaded.LoadFromResourceName(QStringLiteral("DEFAULT_COMP"));
    if (!loaded.Empty())
        entry->Glyph->Assign(&loaded);
}

} // namespace

const std::vector<TComponentcreator *> &PaletteEntries()
{
    return Entries(g_paletteEntries);
}

const std::vector<TComponentcreator *> &IconlessEntries()
{
    return Entries(g_iconlessEntries);
}

void RegisterPaletteClasses(const QString &page, const std::vector<TClass> &classes)
{
    auto &entries = Entries(g_paletteEntries);
    if (CurrentIDEForm) {
        TStrings *tabs = CurrentIDEForm->tcPalette->Tabs();
        bool found = false;
        for (int i = 0; i < tabs->Count() && !found; ++i)
            found = tabs->Strings(i).compare(page, Qt::CaseInsensitive) == 0;
        if (!found)
            tabs->Add(page);
    }
    for (TClass cls : classes) {
        const auto same = std::find_if(entries.begin(), entries.end(), [&](TComponentcreator *e) {
            return e->ComponentClass->ClassName().compare(cls->ClassName(), Qt::CaseInsensitive)
                   == 0;
        });
        if (same != entries.end()) {
            if ((*same)->ComponentClass == cls
                && (*same)->PageName.compare(page, Qt::CaseInsensitive) == 0)
                continue; // registered by an earlier opening of the designer
            throw EComponentError(
                FormatMessage(QStringLiteral("Dublicat class name %s"), {cls->ClassName()}));
        }
        RegisterClass(cls);
        auto *entry = new TComponentcreator;
        entries.push_back(entry);
        entry->ComponentClass = cls;
        entry->PageName = page;
        LoadGlyph(entry);
    }
}

void RegisterIconlessClasses(const std::vector<TClass> &classes)
{
    auto &entries = Entries(g_iconlessEntries);
    for (TClass cls : classes) {
        if (std::any_of(entries.begin(), entries.end(),
                        [&](TComponentcreator *e) { return e->ComponentClass == cls; }))
            continue;
        auto *entry = new TComponentcreator;
        entry->ComponentClass = cls;
        entries.push_back(entry);
    }
}

TComponentcreator *FindPaletteEntry(TClass cls)
{
    for (TComponentcreator *entry : Entries(g_paletteEntries)) {
        if (entry->ComponentClass == cls)
            return entry;
    }
    return nullptr;
}

bool IsPaletteClassName(const QString &className)
{
    for (TComponentcreator *entry : Entries(g_iconlessEntries)) {
        if (entry->ComponentClass->ClassName().compare(className, Qt::CaseInsensitive) == 0)
            return false;
    }
    return true;
}

void InstallPaletteHooks()
{
    g_savedComponentsProc = RegisterComponentsProc;
    g_savedNoIconProc = RegisterNoIconProc;
    RegisterComponentsProc = &RegisterPaletteClasses;
    RegisterNoIconProc = &RegisterIconlessClasses;
}

void ReleasePaletteRegistry()
{
    RegisterComponentsProc = g_savedComponentsProc;
    RegisterNoIconProc = g_savedNoIconProc;
    FreeEntries(g_paletteEntries);
    FreeEntries(g_iconlessEntries);
}

// ---------------------------------------------------------------------------------------------
// The palette on the main window.

namespace {
constexpr int kButtonPitch = 28;
constexpr int kFirstButtonLeft = 10;
} // namespace

void TZeIDEForm::BuildPalettePage()
{
    while (pPalette->ControlCount() > 0)
        Free(pPalette->Controls(pPalette->ControlCount() - 1));
    int x = kFirstButtonLeft;
    const int tab = tcPalette->TabIndex();
    const QString page = tab >= 0 ? tcPalette->Tabs()->Strings(tab) : QString();
    const auto &entries = PaletteEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        TComponentcreator *entry = entries[i];
        if (entry->PageName.compare(page, Qt::CaseInsensitive) != 0)
            continue;
        auto *button = new TSpeedButton(this);
        button->Glyph()->Assign(entry->Glyph);
        button->SetTag(qint64(i));
        button->OnMouseDown = TMouseEvent::Of<&TZeIDEForm::ClassButtonMouseDown>(this);
        button->SetGroupIndex(1);
        button->SetBounds(x, 2, 26, 26);
        button->SetMargin(0);
        button->SetSpacing(0);
        button->SetFlat(true);
        button->SetAllowAllUp(true);
        button->SetShowHint(true);
        button->SetHint(entry->ComponentClass->ClassName());
        x += kButtonPitch;
        button->SetParent(pPalette);
    }
    pPalette->SetWidth(x);
}

void TZeIDEForm::ClassButtonMouseDown(TObject *sender, TMouseButton, TShiftState shift, int, int)
{
    auto *button = static_cast<TSpeedButton *>(sender);
    StickyChoice = shift & ssShift;
    sbCursor->SetFlat(!StickyChoice); // a raised arrow shows the sticky choice
    sbCursor->SetDown(false);
    ChosenClass = PaletteEntries().at(size_t(button->Tag()))->ComponentClass;
}

void TZeIDEForm::ReleaseClassButtons()
{
    for (int i = 0; i < pPalette->ControlCount(); ++i) {
        if (auto *button = ObjectCast<TSpeedButton>(pPalette->Controls(i)))
            button->SetDown(false);
    }
}

void TZeIDEForm::sbCursorClick(TObject *)
{
    ChosenClass = nullptr;
    StickyChoice = false;
    sbCursor->SetFlat(true);
    ReleaseClassButtons();
}

void TZeIDEForm::tcPaletteChange(TObject *sender)
{
    sbCursorClick(sender);
    sbCursor->SetDown(true);
    pPalette->SetLeft(0);
    BuildPalettePage();
}

void TZeIDEForm::SpeedButton3Click(TObject *)
{
    pPalette->SetLeft(std::min(0, pPalette->Left() + kButtonPitch));
}

void TZeIDEForm::SpeedButton1Click(TObject *)
{
    int left = pPalette->Left() - kButtonPitch;
    if (pPaletteParent->Width() > pPalette->Width() + left)
        left = pPaletteParent->Width() - pPalette->Width();
    pPalette->SetLeft(std::min(0, left));
}

TClass TZeIDEForm::TakeClassToPlace()
{
    const TClass result = ChosenClass;
    if (!StickyChoice) {
        ChosenClass = nullptr;
        sbCursor->SetDown(true);
        ReleaseClassButtons();
    }
    return result;
}
