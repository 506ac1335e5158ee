#include "ZePlacement.h"

#include "Application.h"
#include "Forms.h"
#include "Registry.h"

const QString PlacementKey = QStringLiteral("\\SOFTWARE\\Dremholt\\Vormelline\\V6\\");

namespace {

const QString kHeight = QStringLiteral("Height");
const QString kWidth = QStringLiteral("Width");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kIsMaxForm = QStringLiteral("IsMaxForm");

bool HasSizeableBorder(const TCustomForm *window)
{
    return window->BorderStyle() == bsSizeable || window->BorderStyle() == bsSizeToolWin;
}

// Opens the placement store, making it when missing. When that fails the user is told which
// branch could not be made, and the store stays closed: writes go nowhere, reads give defaults.
void OpenPlacementStore(TSettingsStore &store, const QString &name)
{
    if (store.Open(MachineSettingsFile(), true))
        return;
    const QString path = PlacementKey + name + QLatin1Char('\\');
    const QString text = FormatMessage(
        QStringLiteral("I torture to create branch HKEY_LOCAL_MACHINE %s\r\n"
                       "But is not got. System manager, can, you has overdone with safety ?"),
        {path});
    if (Application)
        Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
    else
        qWarning("%s", qUtf8Printable(text));
}

// Tells the user that places could not be written into a store that did open (a full disk, a
// file made read-only): once per run, since every window's save that follows fails alike.
// The store's file keeps what it held, being replaced whole or not at all.
void ReportUnsavedPlaces(const QString &fileName, const QString &reason)
{
    static bool reported = false;
    const QString text =
        QStringLiteral("The window places could not be saved in %1: %2.\r\n"
                       "The places saved before are kept.")
            .arg(fileName, reason);
    if (reported || !Application) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    reported = true;
    Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
}

} // namespace

void SaveFormPlacement(TCustomForm *window, const QString &name, const QString &section,
                       TPlacementCallback writer, void *data)
{
    // A minimized or maximized window is stored at the place it goes back to when restored.
    const QRect place = window->WindowState() == wsNormal ? window->BoundsRect()
                                                          : window->NormalBoundsRect();
    TSettingsStore store;
    OpenPlacementStore(store, name);
    if (HasSizeableBorder(window)) {
        store.WriteInteger(section, kHeight, place.height());
        store.WriteInteger(section, kWidth, place.width());
    }
    if (window->Position() == poDesigned) {
        store.WriteInteger(section, kLeft, place.left());
        store.WriteInteger(section, kTop, place.top());
    }
    store.WriteBool(section, kIsMaxForm, window->WindowState() == wsMaximized);
    if (writer)
        writer(data, store);
    const bool opened = store.IsOpen();
    const QString fileName = store.FileName();
    if (!store.Close() && opened)
        ReportUnsavedPlaces(fileName, store.ErrorString());
}

void LoadFormPlacement(TCustomForm *window, const QString &name, const QString &section,
                       TPlacementCallback reader, void *data)
{
    TSettingsStore store;
    OpenPlacementStore(store, name);
    if (HasSizeableBorder(window)) {
        window->SetHeight(store.ReadInteger(section, kHeight, window->Height()));
        window->SetWidth(store.ReadInteger(section, kWidth, window->Width()));
    }
    if (window->Position() == poDesigned) {
        window->SetLeft(store.ReadInteger(section, kLeft, window->Left()));
        window->SetTop(store.ReadInteger(section, kTop, window->Top()));
    }
    if (store.ReadBool(section, kIsMaxForm, false))
        window->SetWindowState(wsMaximized);
    if (reader)
        reader(data, store);
    store.Close();
}
