// The program: the application object over the Qt application, with the windows'
// message boxes and name prompt, and every dialog and page registered with app/.
#include <QLocale>

#include "app/main/FensterRegistrierung.h"
#include "app/shell/KelvoApp.h"
#include "dialogs/NameDlgFenster.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/ui/GuardedApplication.h"
#include "platform/ui/QtMessageBoxPresenter.h"

int main(int argc, char** argv) {
    ui::GuardedApplication qt(argc, argv);
    // Numbers are written and read in the C form, whatever the desktop's locale.
    QLocale::setDefault(QLocale::c());

    ui::QtMessageBoxPresenter boxen;
    platform::setMessageBoxPresenter(&boxen);
    CNameDlgFensterPresenter namensDialog;
    setNameDlgPresenter(&namensDialog);

    RegistriereFenster();

    SStartUmgebung umgebung;
    umgebung.programmDatei = platform::programDir() / "Varmion";
    for (int i = 1; i < argc; ++i)
        umgebung.argumente.push_back(QString::fromLocal8Bit(argv[i]).toStdU16String());

    int ergebnis = 0;
    {
        CKelvoApp app;
        if (app.InitInstance(umgebung)) ergebnis = qt.exec();
        app.ExitInstance();
    }
    setNameDlgPresenter(nullptr);
    platform::setMessageBoxPresenter(nullptr);
    return ergebnis;
}
