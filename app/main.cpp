#include "store/DatabaseLock.h"
#include "store/FileLocations.h"
#include "ui/BasinRecords.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Version.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QDir>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::applicationTitle());
    QApplication::setApplicationVersion(ui::versionNumber());
    // The menu entry the windows belong to, and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TELLUM_APP_ID));
    QApplication::setWindowIcon(ui::applicationIcon());

    // A portable folder, or the user's data folder.
    const store::FileLocations locations = ui::programLocations();

    // One Tellum per project database: a second one says so and ends here,
    // before anything opens the database.
    QDir().mkpath(locations.dataFolder());
    store::DatabaseLock lock(locations.dataFolder());
    if (!ui::takeDatabaseLock(lock))
        return 1;

    // On the first start of an installed copy an empty project database is
    // put in the data folder, without a word. Should that fail, the first
    // table operation reports the missing file.
    locations.prepareDataFolder();

    // The splash opens first; after its wait the main window is shown, its
    // load sequence runs, and the Project Number box takes the focus.
    std::unique_ptr<ui::MainFrm> mainWindow;
    ui::frmSplash splash([&mainWindow, &locations] {
        mainWindow = std::make_unique<ui::MainFrm>(locations);
        mainWindow->show();
        mainWindow->focusProjectNumber();
    });
    splash.run();
    return QApplication::exec();
}
