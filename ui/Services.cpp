#include "ui/Services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace ui {

namespace {

class DesktopServices : public Services {
public:
    bool openFile(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
    QDate today() override { return QDate::currentDate(); }
};

DesktopServices realServices;
Services* current = &realServices;

}  // namespace

Services& services() { return *current; }

void setServices(Services* replacement) { current = replacement ? replacement : &realServices; }

store::FileLocations programLocations()
{
    return store::FileLocations::forExecutable(QCoreApplication::applicationDirPath(),
                                               store::FileLocations::standardDataFolder());
}

}  // namespace ui
