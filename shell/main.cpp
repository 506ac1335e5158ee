// The program: the host window "Form1" runs until it is closed.

#include "Application.h"
#include "DsgnIntf.h"
#include "Unit1.h"
#include "ZePalette.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    InstallPaletteHooks();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel Designer 6"));
    TApplication app(nullptr);
    app.Initialize();
    TForm1 *form1 = nullptr;
    app.CreateForm(form1);
    app.Run();
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    return 0;
}
