#ifndef TESTS_UI_RECORDSFIXTURE_H
#define TESTS_UI_RECORDSFIXTURE_H

// Shared by the tests of the table windows and of the basin records: a
// temporary program folder holding an empty basin.mdb, the real main window
// over it, and the steps a designer takes with the toolbar, the table windows
// and the record list. With TELLUM_RECORDS_ON_SERVER set in the environment
// the folder's project database is a schema of its own on the test server
// instead (the tests skip when no server is given).

#include "../store/StoreTestSupport.h"

#include "engine/basin_design.h"
#include "store/ProjectDatabase.h"
#include "ui/BasinRecords.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/newTableForm.h"
#include "ui/tableListFrm.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace recordstest {

// What the tests ask of the platform: files opened, nothing started.
class RecordingServices : public ui::Services {
public:
    QStringList opened;
    bool viewerAvailable = true;
    bool openFile(const QString& path) override
    {
        opened << path;
        return viewerAvailable;
    }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QDate day = QDate(2026, 3, 7);
    QDate today() override { return day; }
    // Files are "chosen" without a dialog: the path in saveAs, or cancelled
    // when it is empty. Every suggested path is kept.
    QString documents;
    QString saveAs;
    QStringList suggested;
    QString documentsFolder() override { return documents; }
    QString chooseSaveFile(QWidget*, const QString&, const QString& suggestedPath, const QString&) override
    {
        suggested << suggestedPath;
        return saveAs;
    }
};

// Made afresh for every test function by start().
class Fixture {
public:
    std::unique_ptr<storetest::ProgramFolder> folder;
    ui::RecordingPresenter presenter;
    RecordingServices services;
    std::unique_ptr<ui::MainFrm> window;

    // The engine the tests of this run use.
    static storetest::Engine engine()
    {
        return qEnvironmentVariableIsSet("TELLUM_RECORDS_ON_SERVER") ? storetest::Engine::Server
                                                                     : storetest::Engine::File;
    }

    // A program folder with an empty database and the main window over it,
    // shown, with the disclaimer acknowledged.
    void start(storetest::Engine engine = Fixture::engine())
    {
        if (engine == storetest::Engine::Server && storetest::testServer().isEmpty())
            QSKIP(storetest::kNoServer);
        folder = std::make_unique<storetest::ProgramFolder>(engine);
        openWindow();
    }
    // A second designer: a folder of its own whose connection file names the
    // office database of another fixture's folder.
    void startBeside(const Fixture& other)
    {
        folder = std::make_unique<storetest::ProgramFolder>(storetest::Engine::File);
        QFile::remove(folder->databasePath());
        folder->writeConnectionFile(other.folder->connectionString());
        openWindow();
    }
    void openWindow()
    {
        presenter = {};
        services = {};
        services.documents = folder->filePath(QStringLiteral("Documents"));
        ui::setPresenter(&presenter);
        ui::setServices(&services);
        window = std::make_unique<ui::MainFrm>(folder->path());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseClick(child<QPushButton>("btnAccept"), Qt::LeftButton);
        presenter.clear();
    }
    void stop()
    {
        window.reset();
        folder.reset();
        ui::setPresenter(nullptr);
        ui::setServices(nullptr);
    }

    QString databasePath() const { return folder->databasePath(); }
    ui::BasinRecords& records() { return window->records(); }
    store::ProjectDatabase& database() { return records().database(); }

    template <class T>
    T* child(const char* name) const
    {
        auto* found = window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no %s on the main window", name);
        return found;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QListWidget* recordList() const { return child<QListWidget>("DBList1"); }
    QString panel1() const { return child<QLabel>("StatusBar1Panel1")->text(); }

    void click(const char* buttonName)
    {
        if (auto* tool = window->findChild<QToolButton*>(QLatin1String(buttonName)))
            QTest::mouseClick(tool, Qt::LeftButton);
        else
            QTest::mouseClick(child<QPushButton>(buttonName), Qt::LeftButton);
    }
    bool enabled(const char* buttonName) const { return child<QPushButton>(buttonName)->isEnabled(); }
    // New Basin, Store New Basin, Update Basin, Delete Basin.
    QList<bool> recordButtons() const
    {
        return {enabled("newBasinButton"), enabled("storeBasinButton"), enabled("saveRecButton"),
                enabled("delBasinButton")};
    }

    // The table windows, opened from the toolbar.
    ui::newTableForm* newTableWindow()
    {
        click("newButton");
        return qobject_cast<ui::newTableForm*>(window->window(QStringLiteral("newTableForm")));
    }
    ui::tableListFrm* tableListWindow()
    {
        click("LoadFile");
        return qobject_cast<ui::tableListFrm*>(window->window(QStringLiteral("tableListFrm")));
    }
    static QStringList entries(const QListWidget* list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    static void clickEntry(QListWidget* list, int row)
    {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    // Creates a table through "Create Table": types the name, then Enter.
    void createTable(const QString& name)
    {
        auto* form = newTableWindow();
        QVERIFY(form);
        QTest::keyClicks(form->Text1(), name);
        QTest::keyClick(form->Text1(), Qt::Key_Return);
    }
    // Opens a table through "Open Table": clicks its entry, then OK.
    void openTable(const QString& name)
    {
        auto* list = tableListWindow();
        QVERIFY(list);
        const auto found = list->List1()->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        clickEntry(list->List1(), list->List1()->row(found.front()));
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    }
    // A table "Lot 4" holding the given basins, opened through the window.
    void openTableWith(const QList<engine::BasinDesign>& basins)
    {
        QVERIFY(database().createTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(database().openTable(QStringLiteral("Lot 4")).ok());
        for (const auto& design : basins)
            QVERIFY(database().appendRecord(design).ok());
        openTable(QStringLiteral("Lot 4"));
        presenter.clear();
    }
    // Clicks the record list's entry at row.
    void load(int row) { clickEntry(recordList(), row); }
    // Chooses the record list's display field.
    void displayBy(const QString& field)
    {
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentText(field);
        emit combo->textActivated(field);
    }
};

// A complete basin in its stored text form, with its own basin number.
inline engine::BasinDesign basin(const QString& basinNumber, const QString& designer = QStringLiteral("C. Okafor"))
{
    engine::BasinDesign design;
    for (int column = 0; column < engine::kColumnCount; ++column)
        design[column] = std::string(engine::initialText(column));
    design[engine::col::ProjectNumber] = "STP-0001(23)";
    design[engine::col::DesignerName] = designer.toStdString();
    design[engine::col::Date] = "3/7/2026";
    design[engine::col::BasinNumber] = basinNumber.toStdString();
    design[engine::col::Depth] = "4";
    design[engine::col::Height] = "5";
    return design;
}

}  // namespace recordstest

#endif  // TESTS_UI_RECORDSFIXTURE_H
