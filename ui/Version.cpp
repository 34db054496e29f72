#include "ui/Version.h"

#include "ui/Presenter.h"

// The icon's pictures live in the library's resources.
static void initApplicationIcon() { Q_INIT_RESOURCE(app_icon); }

namespace ui {

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(TELLUM_VERSION_MAJOR).arg(TELLUM_VERSION_MINOR).arg(TELLUM_VERSION_PATCH);
}

QString mainWindowCaption()
{
    return QStringLiteral("Zelt ") + applicationTitle() + QStringLiteral(" - Version ") + versionNumber();
}

QIcon applicationIcon()
{
    initApplicationIcon();
    QIcon icon;
    for (const char* size : {"48", "128", "256"})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(QLatin1String(size)));
    return icon;
}

}  // namespace ui
