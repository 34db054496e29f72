#include "ui/Version.h"

#include "ui/Presenter.h"

namespace ui {

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(TELLUM_VERSION_MAJOR).arg(TELLUM_VERSION_MINOR).arg(TELLUM_VERSION_PATCH);
}

QString mainWindowCaption()
{
    return QStringLiteral("Zelt ") + applicationTitle() + QStringLiteral(" - Version ") + versionNumber();
}

}  // namespace ui
