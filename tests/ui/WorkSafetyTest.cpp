// The designer's work is never lost or stored twice: the question before an
// action replaces a basin with unstored changes, "Save Basin" updating what
// it stored, the daily backups, one Tellum per database, and the shortcuts.

#include "RecordsFixture.h"

#include "store/DailyBackup.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>

using recordstest::Fixture;
using recordstest::basin;
using ui::StoreChoice;
namespace col = engine::col;

namespace {

QString qs(const std::optional<std::string>& text) { return text ? QString::fromStdString(*text) : QString(); }

const QString kDateFormat = QStringLiteral("Date format error: enter the date with format \"MM/DD/YYYY\".");

}  // namespace

class WorkSafetyTest : public QObject {
    Q_OBJECT

    Fixture f;

    // What the file holds, read by a connection of the test's own.
    QString storedArea(int position)
    {
        store::ProjectDatabase file(f.databasePath());
        if (!file.openTable(QStringLiteral("Lot 4")))
            return QStringLiteral("<no table>");
        const auto record = file.record(position);
        return record ? qs((*record)[col::Area]) : QStringLiteral("<no record>");
    }
    int storedCount(const QString& table)
    {
        store::ProjectDatabase file(f.databasePath());
        return file.openTable(table) ? file.recordCount() : -1;
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& shown : f.presenter.shown)
            if (shown.question)
                texts << shown.text;
        return texts;
    }
    // "Lot 0" and "Lot 4" (basins B-1 and B-2), "Lot 4" open and B-1 loaded.
    void loadFirstOfTwo()
    {
        QVERIFY(f.database().createTable(QStringLiteral("Lot 0")).ok());
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(f.database().openTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(f.database().appendRecord(basin(QStringLiteral("B-1"))).ok());
        QVERIFY(f.database().appendRecord(basin(QStringLiteral("B-2"))).ok());
        f.openTable(QStringLiteral("Lot 4"));
        f.load(0);
        f.presenter.clear();
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    // Each action that replaces the basin on screen asks first when it has
    // unstored changes: storing goes on only when the store succeeds,
    // discarding goes on, cancelling leaves everything as it was.
    void everyGuardedActionAsksFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("storeFails");
        const QStringList actions = {"Exit button", "toolbar Exit", "close box", "its own entry", "another entry",
                                     "New Basin", "Create Table", "Open Table"};
        for (const QString& action : actions) {
            const QByteArray name = action.toUtf8();
            QTest::newRow(name + ", store") << action << int(StoreChoice::Store) << false;
            QTest::newRow(name + ", store fails") << action << int(StoreChoice::Store) << true;
            QTest::newRow(name + ", discard") << action << int(StoreChoice::Discard) << false;
            QTest::newRow(name + ", cancel") << action << int(StoreChoice::Cancel) << false;
        }
    }
    void everyGuardedActionAsksFirst()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, storeFails);
        loadFirstOfTwo();
        f.child<QTabBar>("TabStrip1Tabs")->setCurrentIndex(1);
        f.box("areaAvaiText")->setText(QStringLiteral("3"));
        if (storeFails)
            f.box("dateText")->setText(QStringLiteral("13/45/2026"));
        f.presenter.clear();
        f.presenter.storeChoice = StoreChoice(answer);

        if (action == QLatin1String("Exit button"))
            f.click("exitButton");
        else if (action == QLatin1String("toolbar Exit"))
            f.click("exitCmd");
        else if (action == QLatin1String("close box"))
            f.window->close();
        else if (action == QLatin1String("its own entry"))
            f.load(0);
        else if (action == QLatin1String("another entry"))
            f.load(1);
        else if (action == QLatin1String("New Basin"))
            f.click("newBasinButton");
        else if (action == QLatin1String("Create Table"))
            f.createTable(QStringLiteral("Lot 5"));
        else
            f.openTable(QStringLiteral("Lot 0"));

        QVERIFY(!f.presenter.shown.isEmpty());
        QCOMPARE(f.presenter.shown[0].text,
                 QStringLiteral("Basin B-1 of project STP-0001(23) has changes that are not stored. Store them first?"));
        QCOMPARE(f.presenter.shown[0].title, QStringLiteral("Changes not stored"));
        const bool stores = StoreChoice(answer) == StoreChoice::Store;
        const bool goesOn = StoreChoice(answer) == StoreChoice::Discard || (stores && !storeFails);
        if (storeFails)
            QCOMPARE(f.presenter.shown.last().text, kDateFormat);
        QCOMPARE(storedArea(0), stores && !storeFails ? QStringLiteral("3") : QStringLiteral("0"));
        QCOMPARE(storedCount(QStringLiteral("Lot 4")), 2);

        if (!goesOn) {
            // Nothing happened: the screen, the list's selection, the table and the tab stand.
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.box("areaAvaiText")->text(), QStringLiteral("3"));
            QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-1"));
            QCOMPARE(f.recordList()->currentRow(), 0);
            QCOMPARE(f.panel1(), QStringLiteral("active table: Lot 4"));
            QCOMPARE(f.window->currentPage(), 1);
            return;
        }
        if (action.contains(QLatin1String("Exit")) || action == QLatin1String("close box"))
            QVERIFY(!f.window->isVisible());
        else if (action == QLatin1String("its own entry"))
            QCOMPARE(f.box("areaAvaiText")->text(), stores ? QStringLiteral("3") : QStringLiteral("0"));
        else if (action == QLatin1String("another entry"))
            QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-2"));
        else if (action == QLatin1String("New Basin"))
            QCOMPARE(f.recordButtons(), (QList<bool>{false, true, false, false}));
        else
            QCOMPARE(f.panel1(), action == QLatin1String("Create Table") ? QStringLiteral("active table: Lot 5")
                                                                          : QStringLiteral("active table: Lot 0"));
    }

    // No question where nothing changed: after the start, a table made, an
    // untouched New Basin, a store, an update or a load; a value typed that
    // stores the same is no change.
    void nothingChangedAsksNothing()
    {
        f.presenter.storeChoice = StoreChoice::Cancel;  // a question would stop each step
        f.createTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        f.click("newBasinButton");
        QVERIFY(!f.enabled("newBasinButton"));  // disabled until the basin is stored
        f.box("dateText")->setText(QStringLiteral("3/7/2026"));
        f.box("proNumText")->setText(QStringLiteral("B-1"));
        f.click("storeBasinButton");
        f.click("newBasinButton");
        f.box("dateText")->setText(QStringLiteral("03/07/2026"));  // the same day as stored
        f.box("proNumText")->setText(QStringLiteral("B-2"));
        f.click("SaveFile");
        f.box("areaAvaiText")->setText(QStringLiteral("2"));
        f.click("SaveFile");  // updates B-2
        f.load(0);
        f.box("slopeVarText")->setText(QStringLiteral("2.50"));  // stores as 2.5
        f.load(1);
        QVERIFY(questions().isEmpty());
        QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-2"));
        QVERIFY(f.window->close());
        QVERIFY(questions().isEmpty());
    }

    // "Save Basin" after "New Basin" stores the basin once; the stored record
    // is current, so the next saves update it and "Delete Basin" removes it.
    void saveBasinStoresOnceThenUpdates()
    {
        f.createTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        f.box("dateText")->setText(QStringLiteral("3/7/2026"));
        f.box("proNumText")->setText(QStringLiteral("B-1"));
        f.presenter.clear();
        f.click("SaveFile");
        f.click("SaveFile");
        QCOMPARE(f.presenter.texts(),
                 (QStringList{"New record has been added to the table.", "Update Successful!"}));
        QCOMPARE(f.database().recordCount(), 1);
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, true, true}));
        QCOMPARE(Fixture::entries(f.recordList()), QStringList{"B-1"});
        QCOMPARE(f.recordList()->currentRow(), 0);
        f.box("areaAvaiText")->setText(QStringLiteral("4.5"));
        f.click("SaveFile");
        QCOMPARE(f.database().recordCount(), 1);
        QCOMPARE(storedArea(0), QStringLiteral("4.5"));

        // A second basin, stored and deleted at once: the first one stays.
        f.click("newBasinButton");
        f.box("proNumText")->setText(QStringLiteral("B-2"));
        f.click("storeBasinButton");
        f.presenter.clear();
        f.click("delBasinButton");
        QCOMPARE(f.presenter.texts(), (QStringList{"Are you sure you want to delete this record?", "Record Deleted. "}));
        QCOMPARE(Fixture::entries(f.recordList()), QStringList{"B-1"});
    }

    // The day's first write makes one backup, holding the rows before it; a
    // backup that cannot be made is reported once and the writes go on.
    void theDaysFirstWriteIsBackedUp()
    {
        const store::DailyBackup backups(f.databasePath());
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        QCOMPARE(backups.copies(), QStringList{backups.fileFor(f.services.day)});
        QFile::remove(backups.fileFor(f.services.day));

        f.services.day = f.services.day.addDays(1);
        f.openTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        f.box("dateText")->setText(QStringLiteral("3/8/2026"));
        f.click("storeBasinButton");
        f.click("saveRecButton");
        QCOMPARE(backups.copies(), QStringList{backups.fileFor(f.services.day)});
        {
            store::ProjectDatabase copy(backups.fileFor(f.services.day));
            QVERIFY(copy.openTable(QStringLiteral("Lot 4")).ok());
            QCOMPARE(copy.recordCount(), 0);  // as it was before the day's first write
        }

        // The next day the folder is gone and a file stands in its way.
        f.services.day = f.services.day.addDays(1);
        QVERIFY(QDir(backups.folder()).removeRecursively());
        QFile blocker(backups.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.presenter.clear();
        f.click("saveRecButton");
        f.click("newBasinButton");
        f.click("storeBasinButton");
        f.services.day = f.services.day.addDays(1);
        f.click("saveRecButton");
        const QStringList texts = f.presenter.texts();
        QCOMPARE(texts.size(), 4);
        QVERIFY2(texts[0].startsWith(QLatin1String("Today's backup copy of the project database could not be made: ")),
                 qPrintable(texts[0]));
        QVERIFY(texts[0].contains(QLatin1String("backups")));
        QCOMPARE(texts.mid(1), (QStringList{"Update Successful!", "New record has been added to the table.",
                                           "Update Successful!"}));
        QCOMPARE(f.database().recordCount(), 2);
    }

    // A second Tellum on the same folder is refused, naming the folder.
    void aSecondTellumIsRefused()
    {
        store::DatabaseLock first(f.folder->path());
        QVERIFY(ui::takeDatabaseLock(first));
        store::DatabaseLock second(f.folder->path());
        QVERIFY(!ui::takeDatabaseLock(second));
        QCOMPARE(f.presenter.texts(),
                 QStringList{"Tellum is already working on the project database in " +
                             QDir::toNativeSeparators(QDir(f.folder->path()).absolutePath()) +
                             ". Its window is still open: use that window, or close it and start Tellum again."});
    }

    // The desktop's shortcuts act and are named in the tooltips; the access
    // keys of each window's buttons are all different.
    void shortcutsAndAccessKeys()
    {
        const QList<QPair<const char*, QString>> tips = {
            {"SaveFile", "Save Basin (Ctrl+S)"}, {"LoadFile", "Open Table (Ctrl+O)"}, {"HelpFile", "Help (F1)"},
            {"exitCmd", "Exit (Ctrl+Q)"}, {"newBasinButton", "Click here to create a new basin record (Ctrl+N)"}};
        for (const auto& [name, tip] : tips)
            QCOMPARE(f.window->findChild<QAbstractButton*>(QLatin1String(name))->toolTip(), tip);

        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        // A button's shortcut clicks it as the mouse would, a moment later.
        QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(f.window->window(QStringLiteral("tableListFrm")));
        f.window->window(QStringLiteral("tableListFrm"))->close();
        f.createTable(QStringLiteral("Lot 4"));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE(f.recordButtons(), (QList<bool>{false, true, false, false}));
        f.box("dateText")->setText(QStringLiteral("3/7/2026"));
        f.presenter.clear();
        QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(f.presenter.shown.size(), 1);
        QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(f.presenter.texts(), (QStringList{"New record has been added to the table.", "Update Successful!"}));
        QCOMPARE(storedCount(QStringLiteral("Lot 4")), 1);
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QTRY_VERIFY(f.window->window(QStringLiteral("frmHelp")));

        auto accessKeysDiffer = [](QWidget* window) {
            QSet<QChar> keys;
            for (auto* button : window->findChildren<QAbstractButton*>()) {
                const QString text = button->text();
                const auto at = text.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= text.size())
                    continue;
                const QChar key = text[at + 1].toLower();
                if (keys.contains(key))
                    return QStringLiteral("%1: Alt+%2 twice").arg(window->objectName(), key);
                keys.insert(key);
            }
            return keys.size() > 1 ? QString() : window->objectName() + QStringLiteral(": no access keys");
        };
        QCOMPARE(accessKeysDiffer(f.window.get()), QString());
        QCOMPARE(accessKeysDiffer(f.newTableWindow()), QString());
        QCOMPARE(accessKeysDiffer(f.tableListWindow()), QString());
        QCOMPARE(ui::withoutAccessKey(f.child<QPushButton>("storeBasinButton")->text()), QStringLiteral("Store New Basin"));

        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(WorkSafetyTest)
#include "WorkSafetyTest.moc"
