// The About window: its title and version texts, and both outcomes of
// "System Info..." through an injected lookup of the viewer.

#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/frmAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class FixedLookup : public ui::SystemInfoLookup {
public:
    explicit FixedLookup(QString tool) : m_tool(std::move(tool)) {}
    QString findTool() override { return m_tool; }

private:
    QString m_tool;
};

class RecordingServices : public ui::Services {
public:
    QStringList started;
    bool canStart = true;
    bool openFile(const QString&) override { return false; }
    bool startProgram(const QString& program, const QStringList&) override
    {
        started << program;
        return canStart;
    }
    QDate today() override { return QDate(2003, 7, 1); }
};

}  // namespace

class frmAboutTest : public QObject {
    Q_OBJECT
    ui::RecordingPresenter m_presenter;
    RecordingServices m_services;

private slots:
    void init()
    {
        m_presenter.clear();
        m_services.started.clear();
        m_services.canStart = true;
        ui::setPresenter(&m_presenter);
        ui::setServices(&m_services);
    }
    void cleanup()
    {
        ui::setPresenter(nullptr);
        ui::setServices(nullptr);
    }

    void showsTitleAndVersion()
    {
        ui::frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tellum"));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Tellum"));
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.0.3"));
        const QString credits = about.findChild<QLabel*>("lblDescription")->text();
        QVERIFY(credits.contains(QStringLiteral("7/2001")) && credits.contains(QStringLiteral("7/2003")));
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }

    void systemInfoStartsTheViewerFound()
    {
        ui::frmAbout about;
        about.setSystemInfoLookup(std::make_unique<FixedLookup>(QStringLiteral("/usr/bin/hardinfo")));
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(m_services.started, QStringList{QStringLiteral("/usr/bin/hardinfo")});
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void systemInfoUnavailable_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("canStart");
        QTest::addColumn<int>("starts");
        QTest::newRow("no viewer found") << QString() << true << 0;
        QTest::newRow("viewer fails to start") << QStringLiteral("/opt/broken/viewer") << false << 1;
    }
    void systemInfoUnavailable()
    {
        QFETCH(QString, tool);
        QFETCH(bool, canStart);
        QFETCH(int, starts);
        m_services.canStart = canStart;
        ui::frmAbout about;
        about.setSystemInfoLookup(std::make_unique<FixedLookup>(tool));
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(m_services.started.size(), starts);
        QCOMPARE(m_presenter.texts(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        QCOMPARE(m_presenter.shown[0].title, QStringLiteral("Tellum"));
    }

    void okUnloadsTheWindow()
    {
        QPointer<ui::frmAbout> about = new ui::frmAbout;
        about->show();
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
    }
};

QTEST_MAIN(frmAboutTest)
#include "frmAboutTest.moc"
