// The design sheet and the table's export, as a designer uses them: the sheet
// of the basin on screen (Ctrl+P) and of the whole table, saved as PDF and
// read back with pdftotext; the overwrites, warnings and stages without a
// choice on the page; the commands without a table; the CSV of awkward
// values read back with an RFC 4180 parser.

#include "RecordsFixture.h"

#include "engine/messages.h"
#include "reports/DesignSheet.h"
#include "reports/Sketches.h"
#include "ui/DesignSheetPreview.h"
#include "ui/frmSummary.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>

using recordstest::Fixture;
namespace col = engine::col;

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The README's design as its record is stored: 18.65 acres, a 6 ft. basin,
// the tables' own pipe, correction factor and channel.
engine::BasinDesign readmeBasin(const char* basinNumber = "3")
{
    const std::pair<int, const char*> values[] = {
        {col::ProjectNumber, "NH-0417(22)"}, {col::PINumber, "0417022"}, {col::DesignerName, "R. Amsel"},
        {col::Description, "Cut slope, left of the ramp"}, {col::Date, "3/16/2026"}, {col::BasinNumber, basinNumber},
        {col::Location, "Sta. 112+40"}, {col::Side, "Rt."}, {col::Area, "18.65"}, {col::CFactor, "0.45"},
        {col::Slope, "2.5"}, {col::VolumeAtFull, "33737.85"}, {col::VolumeAtCleanOut, "11078.1"}, {col::I1, "4.1"},
        {col::I2, "6.9"}, {col::Q2, "34.41"}, {col::Q25, "57.91"}, {col::Depth, "6"}, {col::BottomWidth, "41.57"},
        {col::BottomLength, "83.14"}, {col::TopWidth, "71.57"}, {col::TopLength, "113.14"}, {col::Height, "8.5"},
        {col::PrinOutletPipeDiameter, "30"}, {col::Q, "53.2"}, {col::A, "112"}, {col::B, "100"}, {col::C, "97"},
        {col::Zd, "2.5"}, {col::T, "12"}, {col::E, "6"}, {col::PrinOutletPipeLength, "85.5"}, {col::Qps, "49.48"},
        {col::PrinRiserDiameter, "45"}, {col::h, "1.3"}, {col::Qes, "8.43"}, {col::EmStage, "0.5"},
        {col::EmBottomWidth, "14"}, {col::EmVelocity, "2.7"}, {col::EmSlope, "3.9"}, {col::County, "Bracklin"},
    };
    engine::BasinDesign design;
    for (const auto& [column, text] : values)
        design[column] = text;
    return design;
}

// The pages of a PDF as pdftotext reads them in drawing order, each with its
// runs of blanks and line breaks as one blank.
QStringList pdfPages(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        qFatal("pdftotext (Debian package poppler-utils) is needed to read the sheets back");
    QProcess process;
    process.start(tool, {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

// The texts of a page that are missing from it.
QStringList missing(const QString& page, const QStringList& texts)
{
    QStringList absent;
    for (const QString& text : texts)
        if (!page.contains(text))
            absent << text;
    return absent;
}

// The records of a CSV file by RFC 4180: fields split at commas, records at
// CR LF, a quoted field holding anything with its quotes doubled.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            records.last() << field, field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            records.last() << field, field.clear();
            records << QStringList{};
            ++i;
        } else {
            field += c;
        }
    }
    if (records.last().isEmpty() && field.isEmpty())
        records.removeLast();
    return records;
}

}  // namespace

class DesignSheetTest : public QObject {
    Q_OBJECT

    Fixture f;

    void trigger(const char* action)
    {
        auto* found = f.window->findChild<QAction*>(QLatin1String(action));
        QVERIFY2(found, action);
        found->trigger();
    }

    // "Save as PDF..." on the preview open, into the program folder; gives the pages.
    QStringList savePreviewAsPdf(const QString& name)
    {
        auto* preview = qobject_cast<ui::DesignSheetPreview*>(f.window->window(QStringLiteral("DesignSheetPreview")));
        if (!preview)
            return {};
        f.services.saveAs = f.folder->filePath(name);
        f.presenter.clear();
        QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("pdfButton")), Qt::LeftButton);
        return pdfPages(f.services.saveAs);
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    // "Design Sheet" sits after "View Report" with its menu, and names Ctrl+P.
    void theToolbarOffersTheSheetAndItsMenu()
    {
        auto* sheet = f.child<QToolButton>("sheetButton");
        // The buttons after it moved right: none covers another.
        const char* row[] = {"viewButton", "sheetButton", "exitCmd", "HelpFile", "SoftBttn1", "aboutButton"};
        for (std::size_t i = 1; i < std::size(row); ++i)
            QVERIFY2(f.child<QToolButton>(row[i - 1])->geometry().right() < f.child<QToolButton>(row[i])->geometry().left(),
                     row[i]);
        QVERIFY(sheet->toolTip().contains(QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText)));
        QVERIFY(!sheet->icon().isNull());
        QCOMPARE(sheet->popupMode(), QToolButton::MenuButtonPopup);
        QStringList items;
        for (QAction* action : sheet->menu()->actions())
            items << action->text();
        QCOMPARE(items, (QStringList{"Design Sheets of the Table", "Export Table..."}));
    }

    // The loaded README design through Ctrl+P: every value, rule, table cell,
    // the caution note, both sketches' texts as the summary window shows them
    // and the footer; the table's sheet of the same record reads the same.
    void theSheetOfTheBasinOnScreenReadsBackFromItsPdf()
    {
        f.openTableWith({readmeBasin()});
        f.load(0);
        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
        const QStringList pages = savePreviewAsPdf(QStringLiteral("sheet.pdf"));
        QCOMPARE(f.services.suggested.value(0), QDir(f.services.documents).filePath(QStringLiteral("NH-0417(22) 3.pdf")));
        QCOMPARE(f.presenter.texts(),
                 QStringList{QStringLiteral("The design sheet has been saved as %1.").arg(QDir::toNativeSeparators(f.services.saveAs))});
        QCOMPARE(pages.size(), 1);

        QStringList expected = {
            "ARVENNA DEPARTMENT OF TRANSPORTATION", "Sediment Basin Design Sheet", "Project Number NH-0417(22)",
            "PI Number 0417022", "County Bracklin", "Designer Name R. Amsel", "Date 3/16/2026", "Project table Lot 4",
            "Basin Number 3", "Location Sta. 112+40", "Side Rt.", "Description Cut slope, left of the ramp",
            "A = 18.65 acres", "\"C\" factor = 0.45", "z = 2.5 : 1 (horizontal : vertical)",
            "Vs = 67 cy/ac x A = 67 cy/ac x 18.65 acres = 1249.55 cy = 33737.85 cf",
            "Vc = 22 cy/ac x A = 22 cy/ac x 18.65 acres = 410.3 cy = 11078.1 cf",
            "Q2 = C x I1 x A = 0.45 x 4.1 in./hr x 18.65 acres = 34.41 cfs",
            "Q25 = C x I2 x A = 0.45 x 6.9 in./hr x 18.65 acres = 57.91 cfs", "d = 6 ft.",
            "width W = 41.57 ft.; length = 2 x W = 2 x 41.57 = 83.14 ft.",
            "W + 2 x z x d = 41.57 + 2 x 2.5 x 6 = 71.57 ft.",
            "bottom length + 2 x z x d = 83.14 + 2 x 2.5 x 6 = 113.14 ft.",
            "actual V = 33687.52 cf, required Vs = 33737.85 cf; accuracy = 0.999",
            "H = 8.5 ft. (pipe centerline to emergency spillway crest)",
            "Do = 30 in., Q = 53.2 cfs: table 6-22.1 (A), row H 8 ft., column Do 30 in. (the first Q above Q2 = 34.41 cfs)",
            "Ds = 1.5 x Do = 1.5 x 30 = 45 in.",
            "h = (12 Q / (3.1 π Ds))^(2/3) = (12 x 53.2 / (3.1 x π x 45))^(2/3) = 1.3 ft. (1 ft. min.)",
            "A = 112 ft., B = 100 ft., C = 97 ft., Zu = 2.5, Zd = 2.5, T = 12 ft., E = 6 ft.",
            "L = [A - (B + C)/2] (Zu + Zd) + T + E = [112 - (100 + 97)/2] (2.5 + 2.5) + 12 + 6 = 85.50 ft.",
            "CF = .93: table 6-22.1 (B), row L 90 ft., column Do 30 in.", "Qps = Q x CF = 53.2 x .93 = 49.48 cfs",
            "Qes = Q25 - Qps = 57.91 - 49.48 = 8.43 cfs",
            "table 6-22.4, row Hp 0.5 ft., column b 14 ft.: capacity 10 cfs (the smallest capacity not below Qes)",
            "Hp = 0.5 ft., b = 14 ft.", "velocity = 2.7, slope = 3.9 (as tabulated)",
            "2.5 : 1; horizontal run 2.5 x Hp = 1.25 ft.", "Caution cell yes",
            "None: every table value is the table's own choice.",
            "Caution: the chosen channel (Hp 0.5 ft., b 14 ft. (10 cfs)) is a cell of table 6-22.4 to be used with caution.",
            "Tellum 2.0.3", "Printed 03/07/2026", "Page 1 of 1",
        };
        // Each text of the side view, with the value the summary window shows.
        ui::frmSummary* summary = f.window->summary();
        for (const auto& text : reports::sketch::sideViewTexts())
            expected << (text.caption + QLatin1Char(' ') + summary->label(text.value)).simplified();
        QStringList faults = missing(pages.value(0), expected);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(" | "))));

        trigger("sheetsOfTableAction");
        QCOMPARE(savePreviewAsPdf(QStringLiteral("table.pdf")), pages);
    }

    // Each overwrite is marked and listed beside the table's own choice; a
    // stage without a choice says so; the warnings stand on the page.
    void overwritesChoicesAndWarningsReadBack_data()
    {
        QTest::addColumn<QStringList>("changes");  // "column=text"
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        const QString caution = QStringLiteral("Caution: the chosen channel");
        QTest::newRow("another pipe")
            << QStringList{"PrinOutletPipeDiameter=24", "Q=31.2"}
            << QStringList{"Do = 24 in., Q = 31.2 cfs: table 6-22.1 (A), row H 8 ft., column Do 24 in., the designer's choice ◆",
                           "Do and Q: 24 in., 31.2 cfs chosen; the table proposes 30 in., 53.2 cfs"}
            << QStringList{"None: every table value"};
        QTest::newRow("another Qps") << QStringList{"Qps=45"}
                                     << QStringList{"Qps = 45 cfs, the designer's choice (Q x CF = 53.2 x .93 = 49.48 cfs) ◆",
                                                    "Qps: 45 cfs chosen; the table proposes 49.48 cfs (CF .93)"}
                                     << QStringList{};
        QTest::newRow("another channel, not a caution cell")
            << QStringList{"EmStage=0.9", "EmBottomWidth=10", "EmVelocity=3.8", "EmSlope=3.1"}
            << QStringList{"table 6-22.4, row Hp 0.9 ft., column b 10 ft.: capacity 20 cfs, the designer's choice ◆",
                           "Channel: Hp 0.9 ft., b 10 ft. (20 cfs) chosen; the table proposes Hp 0.5 ft., b 14 ft. (10 cfs)",
                           "Caution cell no"}
            << QStringList{caution};
        QTest::newRow("nothing chosen yet")
            << QStringList{"PrinOutletPipeDiameter=0", "Q=0", "Qps=0", "EmStage=0", "EmBottomWidth=0"}
            << QStringList{"No pipe has been chosen from table 6-22.1 (A); the table proposes 30 in., 53.2 cfs.",
                           "No correction factor has been chosen from table 6-22.1 (B); the table proposes no correction "
                           "factor (no pipe is chosen).",
                           "No channel has been chosen from table 6-22.4; the table proposes Hp 0.5 ft., b 14 ft. (10 cfs).",
                           "None: every table value is the table's own choice."}
            << QStringList{caution, "◆ Do"};
        QTest::newRow("over-designed") << QStringList{"Qps=60", "Qes=-2.09", "EmStage=0.5", "EmBottomWidth=8"}
                                       << QStringList{qs(engine::msg::kOverDesigned.pattern),
                                                      "Qes = Q25 - Qps = 57.91 - 60 = -2.09 cfs"}
                                       << QStringList{};
        QTest::newRow("text that is not a number")
            << QStringList{"Area=1,5", "Height=", "A=x"}
            << QStringList{"Vs = 67 cy/ac x A = 67 cy/ac x 1,5 acres: not computed: A is not a number",
                           "not computed: Vs, a side slope of 0 or more and a depth of 4 to 10 ft. are needed",
                           "(12 x 53.2 / (3.1 x π x 45))", ": not computed: Type mismatch"}
            << QStringList{};
    }

    void overwritesChoicesAndWarningsReadBack()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        engine::BasinDesign design = readmeBasin();
        for (const QString& change : changes) {
            const auto column = engine::columnIndex(change.section(QLatin1Char('='), 0, 0).toStdString());
            QVERIFY2(column, qPrintable(change));
            design[*column] = change.section(QLatin1Char('='), 1).toStdString();
        }
        const reports::DesignSheet sheet = reports::designSheet(design, QStringLiteral("Lot 4"));
        const QString pdf = f.folder->filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(reports::writeSheetsPdf(pdf, {&sheet, 1}, {QStringLiteral("Tellum"), QDate(2026, 3, 7)}).ok());
        const QString page = pdfPages(pdf).value(0);
        const QStringList faults = missing(page, expected);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(" | "))));
        for (const QString& text : absent)
            QVERIFY2(!page.contains(text), qPrintable(text));
    }

    // Three basins give three pages, in record order, each numbered of three.
    void theTableGivesOnePagePerBasinInRecordOrder()
    {
        f.openTableWith({readmeBasin("7"), readmeBasin("2"), readmeBasin("5")});
        trigger("sheetsOfTableAction");
        const QStringList pages = savePreviewAsPdf(QStringLiteral("lot.pdf"));
        QCOMPARE(f.services.suggested.value(0),
                 QDir(f.services.documents).filePath(QStringLiteral("Lot 4 design sheets.pdf")));
        QCOMPARE(f.presenter.texts(), QStringList{QStringLiteral("The 3 design sheets have been saved as %1.")
                                                      .arg(QDir::toNativeSeparators(f.services.saveAs))});
        QCOMPARE(pages.size(), 3);
        const char* numbers[] = {"7", "2", "5"};
        for (int page = 0; page < 3; ++page) {
            QVERIFY(pages[page].contains(QStringLiteral("Basin Number %1 ").arg(QLatin1String(numbers[page]))));
            QVERIFY(pages[page].contains(QStringLiteral("Page %1 of 3").arg(page + 1)));
        }
    }

    // Without an open table, or with an empty one, the table commands say so
    // and write nothing.
    void tableCommandsWithoutBasinsSaySo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("emptyTable");
        QTest::addColumn<QString>("message");
        QTest::newRow("sheets, no table") << "sheetsOfTableAction" << false << qs(engine::msg::kNoTableOpen.pattern);
        QTest::newRow("export, no table") << "exportTableAction" << false << qs(engine::msg::kNoTableOpen.pattern);
        QTest::newRow("sheets, empty table") << "sheetsOfTableAction" << true << qs(engine::msg::kNoBasinsToShow.pattern);
    }

    void tableCommandsWithoutBasinsSaySo()
    {
        QFETCH(QString, action);
        QFETCH(bool, emptyTable);
        QFETCH(QString, message);
        if (emptyTable)
            f.openTableWith({});
        f.services.saveAs = f.folder->filePath(QStringLiteral("out"));
        trigger(action.toLatin1().constData());
        QCOMPARE(f.presenter.texts(), QStringList{message});
        QVERIFY(f.services.suggested.isEmpty());
        QVERIFY(!f.window->window(QStringLiteral("DesignSheetPreview")));
        QVERIFY(!QFile::exists(f.services.saveAs));
    }

    // Commas, quotes, line breaks, blanks at the ends, other alphabets and
    // nulls come back from the CSV as stored; dates as MM/DD/YYYY.
    void theCsvOfAwkwardValuesReadsBackAsStored()
    {
        engine::BasinDesign awkward = readmeBasin("B-1, north");
        awkward[col::Description] = "Line one\nline \"two\", three";
        awkward[col::DesignerName] = "Zoë Müller-Łukasz 設計";
        awkward[col::Side] = " Rt.";
        engine::BasinDesign sparse = readmeBasin("B-2");
        for (int column : {col::ProjectNumber, col::Date, col::Area, col::County, col::Qes})
            sparse[column].reset();
        f.openTableWith({awkward, sparse});
        f.services.saveAs = f.folder->filePath(QStringLiteral("Lot 4.csv"));
        trigger("exportTableAction");
        QCOMPARE(f.services.suggested.value(0), QDir(f.services.documents).filePath(QStringLiteral("Lot 4.csv")));
        QCOMPARE(f.presenter.texts(), QStringList{QStringLiteral("The table Lot 4 has been exported to %1.")
                                                      .arg(QDir::toNativeSeparators(f.services.saveAs))});

        QFile file(f.services.saveAs);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(rows.size(), 3);
        for (int column = 0; column < engine::kColumnCount; ++column)
            QCOMPARE(rows[0].value(column), qs(engine::basinColumns()[std::size_t(column)].name));
        const auto stored = f.database().allRecords();
        QVERIFY(stored.ok());
        for (int record = 0; record < 2; ++record) {
            QCOMPARE(rows[record + 1].size(), engine::kColumnCount);
            for (int column = 0; column < engine::kColumnCount; ++column) {
                const auto& value = (*stored)[std::size_t(record)][column];
                QString expected = value ? qs(*value) : QString();
                if (column == col::Date && value)
                    expected = qs(engine::usDateText2(*engine::parseUsDate(*value)));
                QCOMPARE(rows[record + 1][column], expected);
            }
        }
        QCOMPARE(rows[1][col::Date], QStringLiteral("03/16/2026"));
        QCOMPARE(rows[1][col::DesignerName], QStringLiteral("Zoë Müller-Łukasz 設計"));
    }

    // With no printer installed, "Print..." offers the PDF.
    void printWithoutAPrinterOffersThePdf_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("PDF accepted") << true;
        QTest::newRow("PDF refused") << false;
    }

    void printWithoutAPrinterOffersThePdf()
    {
        QFETCH(bool, accepted);
        f.presenter.answer = accepted;
        f.click("sheetButton");
        auto* preview = f.window->window(QStringLiteral("DesignSheetPreview"));
        QVERIFY(preview);
        f.services.saveAs = f.folder->filePath(QStringLiteral("printed.pdf"));
        QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
        QVERIFY(f.presenter.shown.value(0).question);
        QCOMPARE(f.presenter.shown.value(0).text, qs(engine::msg::kNoPrinterForSheet.pattern));
        QCOMPARE(f.services.suggested.size(), accepted ? 1 : 0);
        QCOMPARE(QFile::exists(f.services.saveAs), accepted);
    }
};

QTEST_MAIN(DesignSheetTest)
#include "DesignSheetTest.moc"
