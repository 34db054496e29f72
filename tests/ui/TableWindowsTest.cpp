// The table windows "New Table Form" and "List of Table(s) in Basin.mdb",
// driven from the main window's toolbar over a temporary basin.mdb.

#include "RecordsFixture.h"

#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlQuery>

using recordstest::Fixture;
using ui::Icon;

namespace {

const QString kCreatedHelp = QStringLiteral("Click \"New Basin\" to open a new record.");
const QString kOpenedHelp =
    QStringLiteral("Click \"New Basin\" to open a new record or click a name in the list box to open an existing record.");

// The declared column types of a table, as any SQLite client sees them.
QStringList declaredColumns(const QString& databasePath, const QString& table)
{
    QStringList columns;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema"));
        db.setDatabaseName(databasePath);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
            query.addBindValue(table);
            query.exec();
            while (query.next())
                columns << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("schema"));
    return columns;
}

}  // namespace

class TableWindowsTest : public QObject {
    Q_OBJECT

    Fixture f;

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void creatingATableMakesItTheActiveTable()
    {
        f.box("PINoText")->setText(QStringLiteral("0012345"));
        f.box("proNameText")->setText(QStringLiteral("STP-0001(23)"));
        auto* form = f.newTableWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("New Table Form"));
        QCOMPARE(form->focusWidget(), form->Text1());
        QTest::keyClicks(form->Text1(), QStringLiteral("Lot 4"));
        QTest::keyClick(form->Text1(), Qt::Key_Return);

        // The typed project fields are not stored: asked about first, then given up.
        QCOMPARE(f.presenter.texts(),
                 (QStringList{"The basin of project STP-0001(23) has changes that are not stored. Store them first?",
                              "Table Lot 4 created."}));
        QCOMPARE(f.presenter.shown[1].icon, Icon::Information);
        QVERIFY(!form->isVisible());  // closed
        QCOMPARE(f.panel1(), QStringLiteral("active table: Lot 4"));
        QVERIFY(f.window->recordCoverShown());
        QCOMPARE(f.window->helpText(), kCreatedHelp);
        QCOMPARE(f.window->guidance(), kCreatedHelp);
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, false, false}));
        QCOMPARE(f.recordList()->count(), 0);
        // The project is cleared, except for its PI number.
        QCOMPARE(f.box("PINoText")->text(), QStringLiteral("0012345"));
        QCOMPARE(f.box("proNameText")->text(), QString());
        QCOMPARE(f.box("hText")->text(), QStringLiteral("5"));

        // The file holds the table with its 41 typed columns in order.
        const QStringList columns = declaredColumns(f.databasePath(), QStringLiteral("Lot 4"));
        QCOMPARE(columns.size(), engine::kColumnCount);
        QCOMPARE(columns.first(), QStringLiteral("Project Number TEXT"));
        QCOMPARE(columns[engine::col::Date], QStringLiteral("Date DATE"));
        QCOMPARE(columns[engine::col::Area], QStringLiteral("Area SINGLE"));
        QCOMPARE(columns[engine::col::A], QStringLiteral("A DOUBLE"));
        QCOMPARE(columns.last(), QStringLiteral("County TEXT"));
    }

    void aTakenNameIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Icon>("icon");
        QTest::newRow("same spelling") << "Lot 4" << "Table already exists! Please choose another name."
                                       << Icon::Information;
        // Not a duplicate by the window's check: SQLite refuses it.
        QTest::newRow("other letter case")
            << "LOT 4" << "Error: table \"LOT 4\" already exists. Error Number: 1" << Icon::Error;
    }
    void aTakenNameIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(Icon, icon);
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        auto* form = f.newTableWindow();
        QTest::keyClicks(form->Text1(), typed);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);

        QCOMPARE(f.presenter.texts(), QStringList{message});
        QCOMPARE(f.presenter.shown[0].icon, icon);
        QCOMPARE(f.window->window(QStringLiteral("newTableForm")), form);  // still open
        QCOMPARE(form->Text1()->text(), typed);
        QCOMPARE(*f.database().tableNames(), QStringList{"Lot 4"});
        QCOMPARE(f.panel1(), QString());
    }

    void theListLeavesOutSystemTables()
    {
        for (const char* name : {"Plain", "MSysNotes", "msys lower", "OldMSys", "Last"})
            QVERIFY(f.database().createTable(QLatin1String(name)).ok());
        // A table with AUTOINCREMENT makes SQLite add its own sqlite_sequence.
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(f.databasePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Counter (n INTEGER PRIMARY KEY AUTOINCREMENT)")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));

        auto* list = f.tableListWindow();
        QCOMPARE(list->windowTitle(), QStringLiteral("List of Table(s) in Basin.mdb"));
        QCOMPARE(Fixture::entries(list->List1()), (QStringList{"Plain", "msys lower", "Last", "Counter"}));
        Fixture::clickEntry(list->List1(), 1);
        QCOMPARE(list->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("msys lower"));
        QVERIFY(f.presenter.shown.isEmpty());
    }

    // A name with brackets, quotes and blanks is created, listed, opened and dropped.
    void anAwkwardNameWorksThroughout()
    {
        const QString name = QStringLiteral("Lot ]4; \"north\" 'x' [y]");
        f.createTable(name);
        QCOMPARE(f.presenter.texts(), QStringList{"Table " + name + " created."});
        f.presenter.clear();

        f.box("PINoText")->setText(QStringLiteral("0012345"));
        f.openTable(name);
        QCOMPARE(f.presenter.texts(),
                 QStringList{"The basin on screen has changes that are not stored. Store them first?"});
        QCOMPARE(f.panel1(), "active table: " + name);
        QCOMPARE(f.window->helpText(), kOpenedHelp);
        QCOMPARE(f.window->guidance(), kOpenedHelp);
        QCOMPARE(f.box("PINoText")->text(), QString());  // opening clears the PI number too
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, false, false}));

        auto* list = f.tableListWindow();
        f.presenter.clear();
        f.presenter.answer = true;
        Fixture::clickEntry(list->List1(), 0);
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("deleteButton")), Qt::LeftButton);
        QCOMPARE(f.presenter.texts(), (QStringList{"Are you sure you want to delete a table?", "Table " + name + " deleted."}));
        QCOMPARE(f.presenter.shown[0].icon, Icon::None);
        QVERIFY(f.presenter.shown[0].question);
        QCOMPARE(f.presenter.shown[1].icon, Icon::Information);
        // The last entry is gone; the window stays open.
        QCOMPARE(list->List1()->count(), 0);
        QCOMPARE(f.window->window(QStringLiteral("tableListFrm")), list);
        QVERIFY(f.database().tableNames()->isEmpty());
    }

    void cancellingTheDeleteQuestionKeepsTheTable()
    {
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        auto* list = f.tableListWindow();
        Fixture::clickEntry(list->List1(), 0);
        f.presenter.answer = false;
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("deleteButton")), Qt::LeftButton);
        QCOMPARE(f.presenter.shown.size(), 1);
        QCOMPARE(list->List1()->count(), 1);
        QCOMPARE(*f.database().tableNames(), QStringList{"Lot 4"});
    }

    // Dropping the table open in the main window leaves nothing to update.
    void droppingTheOpenTableEmptiesTheRecordList()
    {
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(f.database().openTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(f.database().appendRecord(recordstest::basin(QStringLiteral("B-1"))).ok());
        f.openTable(QStringLiteral("Lot 4"));
        f.load(0);
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, true, true}));
        auto* list = f.tableListWindow();
        Fixture::clickEntry(list->List1(), 0);
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("deleteButton")), Qt::LeftButton);
        QCOMPARE(f.presenter.texts().last(), QStringLiteral("Table Lot 4 deleted."));
        QCOMPARE(f.recordList()->count(), 0);
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, false, false}));
    }

    // A missing basin.mdb is reported with the file's name and never created.
    void aMissingDatabaseIsReported()
    {
        QVERIFY(QFile::remove(f.databasePath()));
        auto* list = f.tableListWindow();
        QCOMPARE(list->List1()->count(), 0);
        QCOMPARE(f.presenter.shown.size(), 1);
        QCOMPARE(f.presenter.shown[0].icon, Icon::Error);
        QVERIFY(f.presenter.shown[0].text.startsWith(QStringLiteral("Error: Could not find file")));
        QVERIFY(f.presenter.shown[0].text.contains(f.databasePath()));
        QVERIFY(f.presenter.shown[0].text.endsWith(QStringLiteral(". Error Number: 9001")));
        f.presenter.clear();
        f.createTable(QStringLiteral("Lot 4"));
        QCOMPARE(f.presenter.shown.size(), 1);
        QVERIFY(f.presenter.shown[0].text.endsWith(QStringLiteral(". Error Number: 9001")));
        QVERIFY(!QFile::exists(f.databasePath()));
    }
};

QTEST_MAIN(TableWindowsTest)
#include "TableWindowsTest.moc"
