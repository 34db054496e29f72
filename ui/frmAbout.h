#ifndef UI_FRMABOUT_H
#define UI_FRMABOUT_H

// The About window: the program's title and version, where the project
// database is (so that the designer knows what to back up), the credits, the
// ownership notice, and a button that starts the system's own
// system-information viewer.

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace ui {

// Finds the system-information viewer of the platform: on Windows the tool
// named in the registry, elsewhere a well-known viewer on the PATH.
class SystemInfoLookup {
public:
    virtual ~SystemInfoLookup() = default;
    // The full path of the viewer; empty when there is none.
    virtual QString findTool() = 0;
};

// The lookup of the platform the program runs on.
std::unique_ptr<SystemInfoLookup> platformSystemInfoLookup();

class frmAbout : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmAbout)
public:
    // Names the program's own project database.
    explicit frmAbout(QWidget* parent = nullptr);
    explicit frmAbout(const QString& databasePath, QWidget* parent = nullptr);
    ~frmAbout() override;

    // Replaces how the system-information viewer is found (tests).
    void setSystemInfoLookup(std::unique_ptr<SystemInfoLookup> lookup);

    // Names where the project tables live when it is not a file under the
    // version ("Project database: office database basins on db1").
    void setDatabaseText(const QString& location);

    // The message shown whenever the viewer cannot be found or started.
    static QString unavailableText();

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    std::unique_ptr<SystemInfoLookup> m_lookup;
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDatabase = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};

}  // namespace ui

#endif  // UI_FRMABOUT_H
