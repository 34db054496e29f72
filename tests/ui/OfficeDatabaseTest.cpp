// Two designers on one office database: two main windows, each over a folder
// of its own whose connection file names the same schema of the test server.

#include "RecordsFixture.h"

#include "engine/messages.h"
#include "ui/Text.h"

#include <QDir>

using recordstest::Fixture;
using recordstest::basin;
using storetest::Engine;
using ui::Icon;

class OfficeDatabaseTest : public QObject {
    Q_OBJECT

    Fixture mine;
    Fixture theirs;

    QString officeDatabase() const
    {
        return "office database tellum_test on " + storetest::testServer().section("host=", 1).section(' ', 0, 0);
    }

    // "Lot 4" with B-1 and B-2, open in both windows, B-1 loaded in both.
    void bothLoadB1()
    {
        QVERIFY(mine.database().createTable(QStringLiteral("Lot 4")).ok());
        QVERIFY(mine.database().openTable(QStringLiteral("Lot 4")).ok());
        for (const char* number : {"B-1", "B-2"})
            QVERIFY(mine.database().appendRecord(basin(QLatin1String(number))).ok());
        for (Fixture* designer : {&mine, &theirs}) {
            designer->openTable(QStringLiteral("Lot 4"));
            designer->load(0);
            QCOMPARE(designer->box("proNumText")->text(), QStringLiteral("B-1"));
        }
        mine.presenter.clear();
    }

    QStringList stored(int column)
    {
        QStringList texts;
        const auto records = theirs.database().allRecords();
        for (const auto& design : records.value())
            texts << QString::fromStdString(design[column].value_or("<null>"));
        return texts;
    }

private slots:
    void init()
    {
        mine.start(Engine::Server);
        if (!mine.folder)
            return;
        theirs.startBeside(mine);
        ui::setPresenter(&mine.presenter);  // one record of what both windows show
    }
    void cleanup()
    {
        theirs.stop();
        mine.stop();
    }

    // Each sees the other's stored basins once the list is read again, and
    // always sees which database the table lives in; nothing is written
    // beside the connection files.
    void twoDesignersSeeEachOthersBasins()
    {
        mine.createTable(QStringLiteral("Lot 4"));
        QCOMPARE(mine.panel1(), "active table: Lot 4 (" + officeDatabase() + ")");
        theirs.openTable(QStringLiteral("Lot 4"));
        QCOMPARE(theirs.panel1(), "active table: Lot 4 (" + officeDatabase() + ")");
        QVERIFY(mine.child<QPushButton>("refreshButton")->isVisible());

        mine.click("newBasinButton");
        mine.box("proNumText")->setText(QStringLiteral("B-1"));
        mine.box("dateText")->setText(QStringLiteral("3/7/2026"));
        mine.click("storeBasinButton");
        QCOMPARE(Fixture::entries(theirs.recordList()), QStringList());
        QTest::keyClick(theirs.window.get(), Qt::Key_F5);
        QCOMPARE(Fixture::entries(theirs.recordList()), QStringList{"B-1"});

        theirs.click("newBasinButton");
        theirs.box("proNumText")->setText(QStringLiteral("B-2"));
        theirs.box("dateText")->setText(QStringLiteral("3/7/2026"));
        theirs.click("storeBasinButton");
        mine.click("refreshButton");
        QCOMPARE(Fixture::entries(mine.recordList()), (QStringList{"B-1", "B-2"}));
        // Mine is still the basin I stored: updating it touches only it.
        QCOMPARE(mine.recordList()->currentRow(), 0);
        mine.box("locationText")->setText(QStringLiteral("Sta. 1+00"));
        mine.presenter.clear();
        mine.click("SaveFile");
        QCOMPARE(mine.presenter.texts(), QStringList{"Update Successful!"});
        QCOMPARE(stored(engine::col::Location), (QStringList{"Sta. 1+00", ""}));

        mine.click("aboutButton");
        auto* database = mine.window->window(QStringLiteral("frmAbout"))->findChild<QLabel*>("lblDatabase");
        QVERIFY(database);
        QCOMPARE(database->toolTip(), "Project database: " + officeDatabase());  // whole, in the tooltip
        for (Fixture* designer : {&mine, &theirs})
            QCOMPARE(QDir(designer->folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{"basin.pgconnect"});
    }

    // The other designer wrote first: mine is refused, says so, writes
    // nothing and offers to reload; my values stay until I choose.
    void aStaleWriteIsRefusedWithTheOfferToReload_data()
    {
        QTest::addColumn<bool>("theyDelete");
        QTest::addColumn<bool>("iDelete");
        QTest::addColumn<bool>("reload");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("storedAfter");
        QTest::addColumn<QString>("screenAfter");
        QTest::addColumn<QStringList>("listAfter");
        QTest::addColumn<QList<bool>>("buttonsAfter");
        QTest::addColumn<QString>("saveAfter");
        const QString changed = ui::qs(engine::msg::kChangedByAnother.title);
        const QString deleted = ui::qs(engine::msg::kDeletedByAnother.title);
        const QList<bool> loaded{true, false, true, true};
        const QList<bool> storeOnly{true, true, false, false};
        const QString updated = QStringLiteral("Update Successful!");
        const QString storedAnew = QStringLiteral("New record has been added to the table.");
        const QString offeredAgain = ui::qs(engine::msg::kChangedByAnother);
        QTest::newRow("changed, then my update, reloaded")
            << false << false << true << changed << QStringList{"theirs", ""} << "theirs" << QStringList{"B-1", "B-2"}
            << loaded << updated;
        QTest::newRow("changed, then my update, kept on screen")
            << false << false << false << changed << QStringList{"theirs", ""} << "mine" << QStringList{"B-1", "B-2"}
            << loaded << offeredAgain;
        QTest::newRow("changed, then my delete")
            << false << true << false << changed << QStringList{"theirs", ""} << "mine" << QStringList{"B-1", "B-2"}
            << loaded << offeredAgain;
        QTest::newRow("deleted, then my update")
            << true << false << true << deleted << QStringList{""} << "mine" << QStringList{"B-2"} << storeOnly << storedAnew;
        QTest::newRow("deleted, then my delete")
            << true << true << true << deleted << QStringList{""} << "mine" << QStringList{"B-2"} << storeOnly << storedAnew;
    }
    void aStaleWriteIsRefusedWithTheOfferToReload()
    {
        QFETCH(bool, theyDelete);
        QFETCH(bool, iDelete);
        QFETCH(bool, reload);
        QFETCH(QString, title);
        QFETCH(QStringList, storedAfter);
        QFETCH(QString, screenAfter);
        QFETCH(QStringList, listAfter);
        QFETCH(QList<bool>, buttonsAfter);
        QFETCH(QString, saveAfter);
        bothLoadB1();
        if (QTest::currentTestFailed())
            return;
        if (theyDelete) {
            theirs.click("delBasinButton");
        } else {
            theirs.box("locationText")->setText(QStringLiteral("theirs"));
            theirs.click("saveRecButton");
        }
        mine.box("locationText")->setText(QStringLiteral("mine"));
        mine.presenter.clear();
        // A delete is confirmed first; the answer to the offer follows.
        mine.presenter.answers = iDelete ? QList<bool>{true, reload} : QList<bool>{reload};
        mine.click(iDelete ? "delBasinButton" : "saveRecButton");

        const auto& offer = mine.presenter.shown.last();
        QVERIFY(offer.question);
        QCOMPARE(offer.icon, Icon::Warning);
        QCOMPARE(offer.title, title);
        QCOMPARE(offer.text, ui::qs(theyDelete ? engine::msg::kDeletedByAnother : engine::msg::kChangedByAnother));
        QCOMPARE(stored(engine::col::Location), storedAfter);
        QCOMPARE(mine.box("locationText")->text(), screenAfter);
        QCOMPARE(Fixture::entries(mine.recordList()), listAfter);
        QCOMPARE(mine.recordButtons(), buttonsAfter);

        // What stays on screen can still be saved, never over their work
        // unseen: a reloaded basin updates, a deleted one is stored anew.
        mine.presenter.clear();
        mine.presenter.answers = {false};
        mine.click("SaveFile");
        QCOMPARE(mine.presenter.texts().first(), saveAfter);
    }
};

QTEST_MAIN(OfficeDatabaseTest)
#include "OfficeDatabaseTest.moc"
