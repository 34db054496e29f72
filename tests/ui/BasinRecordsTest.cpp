// Basin records through the main window: a designer stores, lists, loads,
// updates and deletes basins of a project table in a temporary basin.mdb, and
// makes the text report.

#include "RecordsFixture.h"

#include "engine/number_text.h"
#include "ui/Counties.h"
#include "ui/DesignTableGrid.h"
#include "ui/PrincipalSpillwayDesign.h"
#include "ui/Table6_221.h"
#include "ui/Table6_221b.h"
#include "ui/Table6_224.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

using recordstest::Fixture;
using recordstest::basin;
using ui::Icon;
namespace col = engine::col;

namespace {

const QString kDateFormat = QStringLiteral("Date format error: enter the date with format \"MM/DD/YYYY\".");

QString qs(const std::optional<std::string>& text) { return text ? QString::fromStdString(*text) : QStringLiteral("<null>"); }

// Where each column shows on screen, by the name of its box: the main
// window's, or the outlet-pipe length window's (prefix "length:"). The held
// numbers and the depth have no box.
const char* placeOf(int column)
{
    static const char* const kPlaces[engine::kColumnCount] = {
        "proNameText", "PINoText", "designerNameText", "descrText", "dateText", "proNumText", "locationText",
        "sideText", "areaAvaiText", "CFactorText", "slopeVarText", nullptr, nullptr, "IText", "IText2", nullptr,
        nullptr, nullptr, "widthText", "lengthText", "totalWidthText", "totalLengthText", "hText", "DoText", "QText",
        "length:AText", "length:BvText", "length:CText", "length:ZdText", "length:TText", "length:EText", "LText",
        "QpsText_0", "DsText", "littlehText", "QesText", "stageText", "bottomWidthText", "velocityText", "slopeText",
        "CountyCombo",
    };
    return kPlaces[column];
}

}  // namespace

class BasinRecordsTest : public QObject {
    Q_OBJECT

    Fixture f;

    // A column's value as the screen shows it.
    QString screen(int column)
    {
        switch (column) {
        case col::VolumeAtFull: return QString::number(f.window->VolumeAtFull(), 'g', 15);
        case col::VolumeAtCleanOut: return QString::number(f.window->VolumeAtCleanOut(), 'g', 15);
        case col::Q2: return QString::number(f.window->Q2(), 'g', 15);
        case col::Q25: return QString::number(f.window->Q25(), 'g', 15);
        case col::Depth: return QString::number(f.window->Depth());
        case col::Description: return f.child<QPlainTextEdit>("descrText")->toPlainText();
        case col::County: return f.child<QComboBox>("CountyCombo")->currentText();
        default: break;
        }
        const QString place = QLatin1String(placeOf(column));
        if (place.startsWith(QLatin1String("length:"))) {
            QWidget* length = f.window->window(QStringLiteral("PrincipalSpillwayDesign"));
            return length->findChild<QLineEdit*>(place.mid(7))->text();
        }
        return f.window->findChild<QLineEdit*>(place)->text();
    }

    // Every column of the screen against a stored record: text as stored,
    // numbers as the values they are stored as.
    void compareScreenWith(const engine::BasinDesign& stored)
    {
        for (int column = 0; column < engine::kColumnCount; ++column) {
            const QString shown = screen(column);
            const auto type = engine::basinColumns()[std::size_t(column)].type;
            const QByteArray what = QByteArray(engine::basinColumns()[std::size_t(column)].name.data()) + ": " +
                                    shown.toUtf8() + " / " + qs(stored[column]).toUtf8();
            QVERIFY2(stored[column].has_value(), what);
            if (type == engine::ColumnType::Single)
                QVERIFY2(engine::parseSingle(shown.toStdString()) == engine::parseSingle(*stored[column]), what);
            else if (type == engine::ColumnType::Double)
                QVERIFY2(engine::parseNumber(shown.toStdString()) == engine::parseNumber(*stored[column]), what);
            else if (type == engine::ColumnType::Date)
                QVERIFY2(engine::parseUsDate(shown.toStdString()) == engine::parseUsDate(*stored[column]), what);
            else
                QVERIFY2(shown == qs(stored[column]), what);
        }
    }

    engine::BasinDesign stored(int position)
    {
        const auto record = f.database().record(position);
        if (!record)
            qFatal("no record at %d", position);
        return *record;
    }

    QStringList storedBasinNumbers()
    {
        QStringList numbers;
        const auto records = f.database().allRecords();
        if (!records)
            return {records.failure().description};
        for (const auto& design : *records)
            numbers << qs(design[col::BasinNumber]);
        return numbers;
    }

    template <class Window>
    void clickAutomaticCell(const char* name)
    {
        auto* table = qobject_cast<Window*>(f.window->window(QLatin1String(name)));
        QVERIFY2(table, name);
        const int cell = table->grid()->markedCell();
        QVERIFY2(cell >= 0, name);
        table->grid()->cell(cell)->click();
    }

    // The pipe, the dam and the corrected flow, chosen as the tables propose.
    void designSpillways()
    {
        f.click("Do_QButton");
        clickAutomaticCell<ui::Table6_221>("Table6_221");
        f.click("prinSpillWayHelpButton");
        auto* length = f.window->window(QStringLiteral("PrincipalSpillwayDesign"));
        for (const auto& [name, text] : QList<QPair<const char*, QString>>{
                 {"AText", "125.25"}, {"BvText", "100"}, {"CText", "97.5"}, {"TText", "12"}, {"EText", "6"}})
            length->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
        QVERIFY(f.box("LText")->text() != QStringLiteral("0"));
        f.click("QpsButton");
        clickAutomaticCell<ui::Table6_221b>("Table6_221b");
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    // A design made through the windows is stored column for column, comes
    // back after "New Basin" exactly as stored, and updates to the same record.
    void aFullDesignIsStoredAndLoadedBack()
    {
        f.createTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        QCOMPARE(f.recordButtons(), (QList<bool>{false, true, false, false}));
        const QString county = ui::countyNames().at(3);
        const QList<QPair<const char*, QString>> typed = {
            {"proNameText", "STP-0001(23)"}, {"PINoText", "0012345"}, {"designerNameText", "C. Okafor"},
            {"dateText", "3/7/2026"}, {"proNumText", "B-7"}, {"locationText", "Sta. 12+50"}, {"sideText", "Lt"},
            {"areaAvaiText", "2.5"}, {"CFactorText", "0.5"}, {"IText", "4.1"}, {"IText2", "6.9"},
        };
        for (const auto& [name, text] : typed)
            f.box(name)->setText(text);
        f.child<QPlainTextEdit>("descrText")->setPlainText(QStringLiteral("North ramp\nbelow the fill"));
        f.child<QComboBox>("CountyCombo")->setEditText(county);
        f.child<QRadioButton>("Option1_7")->click();
        f.box("hText")->setText(QStringLiteral("9"));
        designSpillways();
        f.click("emSpilButton");
        clickAutomaticCell<ui::Table6_224>("Table6_224");
        if (QTest::currentTestFailed())
            return;
        f.presenter.clear();

        f.click("storeBasinButton");
        QCOMPARE(f.presenter.texts(), QStringList{"New record has been added to the table."});
        QCOMPARE(f.presenter.shown[0].icon, Icon::Information);
        // The stored basin is the current record: it can be updated or deleted, not stored again.
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, true, true}));
        QCOMPARE(f.recordList()->currentRow(), 0);
        QCOMPARE(Fixture::entries(f.recordList()), QStringList{"B-7"});
        const engine::BasinDesign first = stored(0);
        compareScreenWith(first);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(qs(first[col::Depth]), QStringLiteral("7"));
        QCOMPARE(qs(first[col::Date]), QStringLiteral("3/7/2026"));

        // Another basin on screen, then the stored one is clicked.
        f.click("newBasinButton");
        for (const char* name : {"proNameText", "PINoText", "designerNameText"})
            f.box(name)->setText(QStringLiteral("another project"));
        f.box("dateText")->setText(QStringLiteral("12/31/2025"));
        f.presenter.clear();
        f.load(0);  // its changes discarded
        QCOMPARE(f.presenter.texts(), QStringList{"The basin of project another project has changes that are not "
                                                  "stored. Store them first?"});
        f.presenter.clear();
        compareScreenWith(first);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(f.child<QRadioButton>("Option1_7")->isChecked());
        QVERIFY(!f.window->recordCoverShown());
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, true, true}));
        // The loaded pipe and Qps are the tables' own choices: no blue mark.
        const QColor blue(0, 0, 255);
        for (const char* name : {"DoText", "QText", "QpsText_0"})
            QVERIFY2(f.box(name)->palette().color(QPalette::Text) != blue, name);

        f.click("saveRecButton");
        QCOMPARE(f.presenter.texts(), QStringList{"Update Successful!"});
        const engine::BasinDesign again = stored(0);
        for (int column = 0; column < engine::kColumnCount; ++column)
            QCOMPARE(qs(again[column]), qs(first[column]));
    }

    void nullColumnsLoadAsTheirDefaults_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("Slope") << int(col::Slope) << "slopeVarText" << "3" << "2.5";
        QTest::newRow("Area") << int(col::Area) << "areaAvaiText" << "7" << "0";
        QTest::newRow("Side") << int(col::Side) << "sideText" << "Rt" << "";
        QTest::newRow("Date") << int(col::Date) << "dateText" << "1/2/2025" << "";
        QTest::newRow("Qps") << int(col::Qps) << "QpsText_0" << "3" << "0";
        QTest::newRow("Zd") << int(col::Zd) << "length:ZdText" << "3" << "0";
        QTest::newRow("County") << int(col::County) << "CountyCombo" << "Brandt" << "";
        QTest::newRow("Depth") << int(col::Depth) << "Option1_7" << "" << "4";
    }
    void nullColumnsLoadAsTheirDefaults()
    {
        QFETCH(int, column);
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, loaded);
        engine::BasinDesign design = basin(QStringLiteral("B-1"));
        design[column].reset();
        f.openTableWith({design});
        if (column == col::Depth)
            f.child<QRadioButton>("Option1_7")->click();
        else if (column == col::County)
            f.child<QComboBox>("CountyCombo")->setEditText(before);
        else if (box.startsWith(QLatin1String("length:")))
            f.window->window(QStringLiteral("PrincipalSpillwayDesign"))->findChild<QLineEdit*>(box.mid(7))->setText(before);
        else
            f.window->findChild<QLineEdit*>(box)->setText(before);
        f.presenter.clear();

        f.load(0);
        QCOMPARE(screen(column), loaded);
        if (column == col::Depth)
            QVERIFY(f.child<QRadioButton>("Option1_4")->isChecked());
        QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-1"));
    }

    // A stored value longer than its box's typing limit loads and updates
    // whole; typing is still limited, and the limit returns with "New Basin".
    void aLongStoredValueIsNotCutByTheBox_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        const QString longDescription = QStringLiteral("Basins B-1 to B-4 of the north ramp, below the fill,\n"
                                                       "drained to the culvert at Sta. 12+50; ditch checks first.");
        QTest::newRow("Description") << int(col::Description) << longDescription << 60;
        QTest::newRow("Location") << int(col::Location) << QStringLiteral("Sta. 12+50 to 14+00, left") << 20;
        QTest::newRow("Area") << int(col::Area) << QStringLiteral("0.1234") << 5;
        QTest::newRow("Slope") << int(col::Slope) << QStringLiteral("2.625") << 3;
    }
    void aLongStoredValueIsNotCutByTheBox()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(int, limit);
        engine::BasinDesign design = basin(QStringLiteral("B-1"));
        design[column] = text.toStdString();
        f.openTableWith({design});
        f.load(0);
        QCOMPARE(screen(column), text);
        f.click("saveRecButton");
        QCOMPARE(qs(stored(0)[column]), text);

        // In a basin started afresh, typing stops at the limit.
        f.createTable(QStringLiteral("Lot 5"));
        f.click("newBasinButton");
        f.box("areaAvaiText")->setText(QStringLiteral("1"));  // the slope box opens with an area
        QWidget* box = column == col::Description ? static_cast<QWidget*>(f.child<QPlainTextEdit>("descrText"))
                                                  : f.box(placeOf(column));
        if (auto* line = qobject_cast<QLineEdit*>(box))
            line->clear();
        else
            static_cast<QPlainTextEdit*>(box)->clear();
        f.presenter.clear();
        QTest::keyClicks(box, QString(limit + 4, QLatin1Char('1')));
        QCOMPARE(screen(column), QString(limit, QLatin1Char('1')));
    }

    // A value copied into the area box from a parallel box stays whole.
    void anAreaTypedElsewhereIsNotCut()
    {
        f.createTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        f.box("areaText")->setText(QStringLiteral("1.2345"));
        QCOMPARE(f.box("areaAvaiText")->text(), QStringLiteral("1.2345"));
        QCOMPARE(f.box("AText2")->text(), QStringLiteral("1.2345"));
    }

    // A loaded pipe or Qps other than the tables' choice is marked blue.
    void aStoredOverwriteLoadsBlue_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("intensity");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("qps");
        QTest::addColumn<bool>("doQBlue");
        QTest::addColumn<bool>("qpsBlue");
        QTest::newRow("the tables' choices") << "2.5" << "4.1" << 7 << "9" << "" << "" << false << false;
        // Table 6-22.1 (B) then corrects the other pipe's Q: the stored Qps is not its choice either.
        QTest::newRow("another pipe") << "2.5" << "4.1" << 7 << "9" << "24.7" << "" << true << true;
        QTest::newRow("another Qps") << "2.5" << "4.1" << 7 << "9" << "" << "1.23" << false << true;
        // 31.2 x .75: the accepted "23.40" is stored as 23.4 and loads as "23.4".
        QTest::newRow("a Qps ending in 0") << "5" << "7" << 7 << "8" << "" << "" << false << false;
    }
    void aStoredOverwriteLoadsBlue()
    {
        QFETCH(QString, area);
        QFETCH(QString, intensity);
        QFETCH(int, depth);
        QFETCH(QString, height);
        QFETCH(QString, q);
        QFETCH(QString, qps);
        QFETCH(bool, doQBlue);
        QFETCH(bool, qpsBlue);
        // The tables' choices for this basin, made through the windows.
        f.createTable(QStringLiteral("Lot 4"));
        f.click("newBasinButton");
        f.box("dateText")->setText(QStringLiteral("3/7/2026"));
        f.box("areaAvaiText")->setText(area);
        f.box("CFactorText")->setText(QStringLiteral("0.5"));
        f.box("IText")->setText(intensity);
        f.child<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(depth)))->click();
        f.box("hText")->setText(height);
        designSpillways();
        if (QTest::currentTestFailed())
            return;
        f.click("storeBasinButton");
        engine::BasinDesign design = stored(0);
        if (!q.isEmpty())
            design[col::Q] = q.toStdString();
        if (!qps.isEmpty())
            design[col::Qps] = qps.toStdString();
        QVERIFY(f.database().appendRecord(design).ok());

        f.openTable(QStringLiteral("Lot 4"));
        f.presenter.clear();
        f.load(1);
        QCOMPARE(f.box("hText")->text(), height);
        const QColor blue(0, 0, 255);
        QCOMPARE(f.box("DoText")->palette().color(QPalette::Text) == blue, doQBlue);
        QCOMPARE(f.box("QText")->palette().color(QPalette::Text) == blue, doQBlue);
        QCOMPARE(f.box("QpsText_0")->palette().color(QPalette::Text) == blue, qpsBlue);
    }

    // A Depth outside 4 to 10 stops the load there; nothing can be updated.
    void aDepthOutOfRangeStopsTheLoad()
    {
        engine::BasinDesign design = basin(QStringLiteral("B-1"));
        design[col::Depth] = "12";
        design[col::I2] = "6.9";
        design[col::Height] = "14";
        f.openTableWith({design});
        f.load(0);
        QCOMPARE(f.presenter.texts(),
                 QStringList{"Error, could not perform request.The stored Depth 12 is not a depth of 4 to 10 ft. "
                             "Error Number: 9009."});
        QCOMPARE(f.presenter.shown[0].icon, Icon::Error);
        QCOMPARE(f.box("IText2")->text(), QStringLiteral("6.9"));  // before Depth
        QCOMPARE(f.box("hText")->text(), QStringLiteral("5"));     // after it: not loaded
        QCOMPARE(f.window->Depth(), 4);
        QVERIFY(f.window->recordCoverShown());
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, false, false}));
    }

    // The list is in record order, whatever the display field.
    void theListShowsTheRecordsInTheirOrder()
    {
        f.openTableWith({basin("B-1", "C"), basin("B-2", "A"), basin("B-3", "B")});
        QCOMPARE(Fixture::entries(f.recordList()), (QStringList{"B-1", "B-2", "B-3"}));
        f.displayBy(QStringLiteral("Designer Name"));
        QCOMPARE(Fixture::entries(f.recordList()), (QStringList{"C", "A", "B"}));
        f.load(1);
        QCOMPARE(f.box("designerNameText")->text(), QStringLiteral("A"));
        QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-2"));
        f.displayBy(QStringLiteral("Date"));
        QCOMPARE(Fixture::entries(f.recordList()), (QStringList{"3/7/2026", "3/7/2026", "3/7/2026"}));
    }

    void anyEntryOfALongListLoadsItsOwnRecord()
    {
        constexpr int kCount = 400;
        QList<engine::BasinDesign> basins;
        for (int i = 1; i <= kCount; ++i) {
            auto design = basin(QStringLiteral("B-%1").arg(i));
            design[col::Location] = QStringLiteral("Sta. %1+00").arg(i).toStdString();
            basins << design;
        }
        f.openTableWith(basins);
        QCOMPARE(f.recordList()->count(), kCount);
        for (const int row : {kCount - 1, 0, 199}) {
            f.load(row);
            QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-%1").arg(row + 1));
            QCOMPARE(f.box("locationText")->text(), QStringLiteral("Sta. %1+00").arg(row + 1));
        }
        QVERIFY(f.presenter.shown.isEmpty());
    }

    // A refused store or update writes nothing and changes no button.
    void aRefusedValueWritesNothing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("storeMessage");
        QTest::addColumn<Icon>("storeIcon");
        QTest::addColumn<QString>("updateMessage");
        QTest::newRow("empty date") << "dateText" << "" << kDateFormat << Icon::Error << kDateFormat;
        QTest::newRow("no such day") << "dateText" << "2/30/2026" << kDateFormat << Icon::Error << kDateFormat;
        QTest::newRow("words") << "dateText" << "March 7" << kDateFormat << Icon::Error << kDateFormat;
        QTest::newRow("not a number")
            << "IText" << "abc" << "Cannot convert 'abc' to a Single number for column I1. Error 9004" << Icon::None
            << "Error Message: Cannot convert 'abc' to a Single number for column I1. Error Number: 9004.";
    }
    void aRefusedValueWritesNothing()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, storeMessage);
        QFETCH(Icon, storeIcon);
        QFETCH(QString, updateMessage);
        f.openTableWith({basin("B-1")});

        f.click("newBasinButton");
        f.box("proNumText")->setText(QStringLiteral("B-2"));
        f.box("dateText")->setText(QStringLiteral("3/7/2026"));
        f.window->findChild<QLineEdit*>(box)->setText(text);
        f.presenter.clear();
        f.click("storeBasinButton");
        QCOMPARE(f.presenter.texts(), QStringList{storeMessage});
        QCOMPARE(f.presenter.shown[0].icon, storeIcon);
        QCOMPARE(storedBasinNumbers(), QStringList{"B-1"});
        QCOMPARE(Fixture::entries(f.recordList()), QStringList{"B-1"});
        QCOMPARE(f.recordButtons(), (QList<bool>{false, true, false, false}));

        f.load(0);
        f.box("proNumText")->setText(QStringLiteral("B-1 changed"));
        f.window->findChild<QLineEdit*>(box)->setText(text);
        f.presenter.clear();
        f.click("saveRecButton");
        QCOMPARE(f.presenter.texts(), QStringList{updateMessage});
        QCOMPARE(f.presenter.shown[0].icon, Icon::Error);
        QCOMPARE(storedBasinNumbers(), QStringList{"B-1"});
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, true, true}));
    }

    // After a deletion the screen shows a basin that is no longer stored:
    // "Save Basin" stores it anew instead of overwriting another.
    void afterADeletionNothingCanBeOverwritten()
    {
        f.openTableWith({basin("B-1"), basin("B-2"), basin("B-3")});
        f.load(1);
        f.presenter.answer = false;
        f.click("delBasinButton");
        QCOMPARE(storedBasinNumbers(), (QStringList{"B-1", "B-2", "B-3"}));
        f.presenter.clear();
        f.presenter.answer = true;
        f.click("delBasinButton");
        QCOMPARE(f.presenter.texts(), (QStringList{"Are you sure you want to delete this record?", "Record Deleted. "}));
        QCOMPARE(f.presenter.shown[0].icon, Icon::None);
        QCOMPARE(f.presenter.shown[1].icon, Icon::Information);
        QCOMPARE(Fixture::entries(f.recordList()), (QStringList{"B-1", "B-3"}));
        QCOMPARE(f.box("proNumText")->text(), QStringLiteral("B-2"));
        QCOMPARE(f.recordButtons(), (QList<bool>{true, false, false, false}));

        f.presenter.clear();
        f.click("SaveFile");
        QCOMPARE(f.presenter.texts(), QStringList{"New record has been added to the table."});
        QCOMPARE(storedBasinNumbers(), (QStringList{"B-1", "B-3", "B-2"}));
    }

    // "Save Basin" updates a loaded basin and stores a new one; "New Basin"
    // keeps the project's fields for it.
    void saveBasinUpdatesOrStores()
    {
        auto first = basin("B-1");
        first[col::PINumber] = "0012345";
        first[col::County] = "Brandt";
        f.openTableWith({first, basin("B-2")});
        f.load(0);
        f.box("locationText")->setText(QStringLiteral("Sta. 3+00"));
        f.click("SaveFile");
        QCOMPARE(f.presenter.texts(), QStringList{"Update Successful!"});
        QCOMPARE(qs(stored(0)[col::Location]), QStringLiteral("Sta. 3+00"));
        QCOMPARE(qs(stored(1)[col::Location]), QString());
        QCOMPARE(Fixture::entries(f.recordList()), (QStringList{"B-1", "B-2"}));

        f.click("newBasinButton");
        QCOMPARE(f.window->currentPage(), 0);
        QCOMPARE(f.window->guidance(), QStringLiteral("Complete this section then press \"Volumes/Runoff\". "));
        QCOMPARE(f.box("proNumText")->text(), QString());
        QCOMPARE(f.box("locationText")->text(), QString());
        QCOMPARE(f.box("PINoText")->text(), QStringLiteral("0012345"));
        QCOMPARE(f.box("dateText")->text(), QStringLiteral("3/7/2026"));
        f.box("proNumText")->setText(QStringLiteral("B-3"));
        f.presenter.clear();
        f.click("SaveFile");
        QCOMPARE(f.presenter.texts(), QStringList{"New record has been added to the table."});
        QCOMPARE(storedBasinNumbers(), (QStringList{"B-1", "B-2", "B-3"}));
        QCOMPARE(qs(stored(2)[col::PINumber]), QStringLiteral("0012345"));
        QCOMPARE(qs(stored(2)[col::County]), QStringLiteral("Brandt"));
    }

    void theReportNeedsAnOpenTable()
    {
        QFile old(f.folder->filePath(QStringLiteral("report.txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous report\r\n");
        old.close();
        f.click("viewButton");
        QCOMPARE(f.presenter.texts(), QStringList{"Error: No table is open."});
        QCOMPARE(f.presenter.shown[0].icon, Icon::None);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the previous report\r\n"));
        QVERIFY(f.services.opened.isEmpty());
    }

    // The report is written and opened; it moves no record that Update acts on.
    void theReportLeavesTheLoadedRecordInPlace()
    {
        f.openTableWith({basin("B-1"), basin("B-2"), basin("B-3")});
        f.load(1);
        f.click("viewButton");
        const QString path = f.folder->filePath(QStringLiteral("report.txt"));
        QCOMPARE(f.services.opened, QStringList{path});
        QVERIFY(f.presenter.shown.isEmpty());
        QFile report(path);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll().count("BASIN NUMBER: B-"), 3);

        f.box("locationText")->setText(QStringLiteral("Sta. 9+00"));
        f.click("saveRecButton");
        QCOMPARE(qs(stored(1)[col::Location]), QStringLiteral("Sta. 9+00"));
        QCOMPARE(qs(stored(2)[col::Location]), QString());

        f.services.viewerAvailable = false;
        f.presenter.clear();
        f.click("viewButton");
        QCOMPARE(f.presenter.texts(),
                 QStringList{"Error: No text viewer could be started; the report is in " + path + "."});
    }

    // Closing the main window unloads the table windows and closes the database.
    void closingUnloadsTheTableWindows()
    {
        QVERIFY(f.database().createTable(QStringLiteral("Lot 4")).ok());
        QPointer<QWidget> list = f.tableListWindow();
        QPointer<QWidget> form = f.newTableWindow();
        QVERIFY(list && form);
        QVERIFY(f.database().isOpen());
        f.window->close();
        QVERIFY(!list && !form);
        QVERIFY(!f.database().isOpen());
        QVERIFY(f.presenter.shown.isEmpty());
    }
};

QTEST_MAIN(BasinRecordsTest)
#include "BasinRecordsTest.moc"
