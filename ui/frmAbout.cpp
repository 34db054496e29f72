#include "ui/frmAbout.h"

#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace ui {

namespace {

#ifdef Q_OS_WIN
// The tool named in the registry: first the full path under the tool's own
// key, then the shared tools folder holding MSINFO32.EXE.
class RegistryLookup : public SystemInfoLookup {
public:
    QString findTool() override
    {
        const QSettings msinfo(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                               QSettings::NativeFormat);
        const QString path = msinfo.value(QStringLiteral("PATH")).toString();
        if (!path.isEmpty())
            return path;
        const QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                                 QSettings::NativeFormat);
        const QString folder = location.value(QStringLiteral("MSINFO")).toString();
        if (folder.isEmpty())
            return {};
        const QString tool = QDir(folder).filePath(QStringLiteral("MSINFO32.EXE"));
        return QFileInfo::exists(tool) ? tool : QString();
    }
};
#else
// The first of a few well-known system-information viewers found on the PATH.
class PathLookup : public SystemInfoLookup {
public:
    QString findTool() override
    {
        static const char* const viewers[] = {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor",
                                              "mate-system-monitor", "xfce4-taskmanager"};
        for (const char* name : viewers) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!path.isEmpty())
                return path;
        }
        return {};
    }
};
#endif

QRect twips(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

}  // namespace

std::unique_ptr<SystemInfoLookup> platformSystemInfoLookup()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistryLookup>();
#else
    return std::make_unique<PathLookup>();
#endif
}

frmAbout::frmAbout(QWidget* parent) : frmAbout(programLocations().databasePath(), parent) {}

frmAbout::frmAbout(const QString& databasePath, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_lookup(platformSystemInfoLookup())
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(7155), px(4680));

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(applicationIcon().pixmap(32, 32));
    m_picIcon->setGeometry(twips(240, 240, 540, 540));

    m_lblTitle = new QLabel(QStringLiteral("Application Title"), this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblTitle->setGeometry(twips(1050, 180, 5400, 480));

    m_lblVersion = new QLabel(QStringLiteral("Version"), this);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setGeometry(twips(1050, 720, 5400, 300));

    // The path can be selected and copied; a path too long for the line is
    // shortened in the middle and given whole in the tooltip.
    m_lblDatabase = new QLabel(this);
    m_lblDatabase->setObjectName(QStringLiteral("lblDatabase"));
    m_lblDatabase->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblDatabase->setGeometry(twips(1050, 1000, 5880, 300));
    const QString databaseText = QStringLiteral("Project database: ") + QDir::toNativeSeparators(databasePath);
    m_lblDatabase->setText(m_lblDatabase->fontMetrics().elidedText(databaseText, Qt::ElideMiddle, m_lblDatabase->width()));
    m_lblDatabase->setToolTip(databaseText);

    m_lblDescription = new QLabel(this);
    m_lblDescription->setObjectName(QStringLiteral("lblDescription"));
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDescription->setText(QStringLiteral(
        "Temporary sediment basin design for highway projects.\n"
        "Design criteria: Road Design Division, Erosion and Sediment Control Unit.\n"
        "Programming: Tellum development team.\n"
        "Testing: District drainage engineers.\n"
        "First released 7/2001. This version released 7/2003."));
    m_lblDescription->setGeometry(twips(1050, 1380, 5880, 1320));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twips(240, 2760, 6700, 30));

    m_lblDisclaimer = new QLabel(this);
    m_lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    m_lblDisclaimer->setWordWrap(true);
    m_lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDisclaimer->setText(QStringLiteral(
        "This software is the property of Zelt and is provided for the design of Zelt's highway projects. "
        "For further information contact Zelt, Road Design Division, Erosion and Sediment Control Unit."));
    m_lblDisclaimer->setGeometry(twips(240, 2900, 4900, 1500));

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setGeometry(twips(5400, 3000, 1500, 420));
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setGeometry(twips(5400, 3600, 1500, 420));
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    // Load.
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    m_lblVersion->setText(QStringLiteral("Version ") + versionNumber());
    m_lblTitle->setText(applicationTitle());
}

frmAbout::~frmAbout() = default;

void frmAbout::setDatabaseText(const QString& location)
{
    const QString text = QStringLiteral("Project database: ") + location;
    m_lblDatabase->setText(m_lblDatabase->fontMetrics().elidedText(text, Qt::ElideMiddle, m_lblDatabase->width()));
    m_lblDatabase->setToolTip(text);
}

void frmAbout::setSystemInfoLookup(std::unique_ptr<SystemInfoLookup> lookup) { m_lookup = std::move(lookup); }

QString frmAbout::unavailableText() { return qs(engine::msg::kSysInfoUnavailable); }

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click()
{
    const QString tool = m_lookup ? m_lookup->findTool() : QString();
    if (tool.isEmpty() || !services().startProgram(tool, {}))
        showMessage(this, Icon::None, unavailableText());
}

}  // namespace ui
