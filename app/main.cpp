#include "store/DatabaseLock.h"
#include "ui/BasinRecords.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/frmSplash.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::applicationTitle());

    // One Tellum per project database: a second one says so and ends here,
    // before anything opens the database.
    store::DatabaseLock lock(ui::programFolder());
    if (!ui::takeDatabaseLock(lock))
        return 1;

    // The splash opens first; after its wait the main window is shown, its
    // load sequence runs, and the Project Number box takes the focus.
    std::unique_ptr<ui::MainFrm> mainWindow;
    ui::frmSplash splash([&mainWindow] {
        mainWindow = std::make_unique<ui::MainFrm>();
        mainWindow->show();
        mainWindow->focusProjectNumber();
    });
    splash.run();
    return QApplication::exec();
}
