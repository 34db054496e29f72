#include "ui/BasinRecords.h"

#include "engine/number_text.h"
#include "reports/TextReport.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <cmath>

namespace ui {

namespace {

namespace col = engine::col;

const QString kActiveTable = QStringLiteral("active table: ");
const QString kCreatedHelp = QStringLiteral("Click \"New Basin\" to open a new record.");
const QString kOpenedHelp =
    QStringLiteral("Click \"New Basin\" to open a new record or click a name in the list box to open an existing record.");
const QString kNewBasinGuidance = QStringLiteral("Complete this section then press \"Volumes/Runoff\". ");
const QString kStored = QStringLiteral("New record has been added to the table.");
const QString kUpdated = QStringLiteral("Update Successful!");
const QString kAskDelete = QStringLiteral("Are you sure you want to delete this record?");
const QString kDeleted = QStringLiteral("Record Deleted. ");
const QString kDateFormat = QStringLiteral("Date format error: enter the date with format \"MM/DD/YYYY\".");

// The messages of a failed store, update or load.
void showWriteFailure(QWidget* parent, const store::Failure& failure, bool storing)
{
    if (failure.number == store::err::kDateConversion)
        showMessage(parent, Icon::Error, kDateFormat);
    else if (storing)
        showMessage(parent, Icon::None, failure.description + QStringLiteral(". Error ") + QString::number(failure.number));
    else
        showMessage(parent, Icon::Error,
                    QStringLiteral("Error Message: ") + failure.description + QStringLiteral(". Error Number: ") +
                        QString::number(failure.number) + QLatin1Char('.'));
}

void showLoadFailure(QWidget* parent, const store::Failure& failure)
{
    showMessage(parent, Icon::Error,
                QStringLiteral("Error, could not perform request.") + failure.description +
                    QStringLiteral(". Error Number: ") + QString::number(failure.number) + QLatin1Char('.'));
}

// The depth a loaded Depth text selects: a whole number of 4 to 10 ft.
store::Result<int> loadedDepth(const QString& text)
{
    const auto value = engine::parseNumber(ss(text));
    if (value && *value >= 4 && *value <= 10 && std::floor(*value) == *value)
        return int(*value);
    return store::Failure{store::err::kStoredValueInvalid,
                          QStringLiteral("The stored Depth %1 is not a depth of 4 to 10 ft").arg(text)};
}

}  // namespace

QString tableErrorText(const store::Failure& failure)
{
    return QStringLiteral("Error: ") + failure.description + QStringLiteral(". Error Number: ") +
           QString::number(failure.number);
}

void showTableError(QWidget* parent, const store::Failure& failure)
{
    showMessage(parent, Icon::Error, tableErrorText(failure));
}

BasinRecords::BasinRecords(RecordHost& host, const QString& dataFolder)
    : m_host(host), m_dataFolder(dataFolder), m_db(dataFolder), m_displayColumn(col::BasinNumber)
{
}

void BasinRecords::start(const QString& displayField)
{
    setButtons({});
    chooseDisplayField(displayField);
}

void BasinRecords::closeDatabase() { m_db.close(); }

void BasinRecords::setButtons(const RecordButtons& buttons)
{
    m_buttons = buttons;
    m_host.setRecordButtons(m_buttons);
}

void BasinRecords::disableRecordActions()
{
    m_position.reset();
    RecordButtons buttons = m_buttons;
    buttons.update = buttons.remove = false;
    setButtons(buttons);
}

void BasinRecords::setEntries(const QStringList& entries)
{
    m_entries = entries;
    m_host.setRecordList(m_entries);
}

void BasinRecords::refillList()
{
    auto texts = m_db.columnTexts(m_displayColumn);
    if (!texts) {
        showTableError(parent(), texts.failure());
        return;
    }
    QStringList entries;
    entries.reserve(qsizetype(texts->size()));
    for (const auto& text : *texts)
        entries << (text ? qs(*text) : QString());
    setEntries(entries);
}

// ---------------------------------------------------------------------------
// Clearing the basin on screen

void BasinRecords::resetColumn(int column)
{
    m_host.setColumnText(column, qs(engine::basinColumns()[std::size_t(column)].newBasinText));
}

void BasinRecords::clearBasin(Clearing clearing)
{
    const QString empty;
    m_host.setColumnText(col::BasinNumber, empty);
    if (clearing == Clearing::OpenedTable)
        m_host.setColumnText(col::PINumber, empty);
    if (clearing != Clearing::NewBasin)
        m_host.setColumnText(col::County, empty);
    m_host.setColumnText(col::Location, empty);
    m_host.setColumnText(col::Side, empty);
    for (int column : {col::Area, col::CFactor, col::Slope, col::I1, col::I2})
        resetColumn(column);
    m_host.setDepthButton(4);
    m_host.setColumnText(col::Height, qs(engine::newBasinHeightText(ss(m_host.columnText(col::h)))));
    for (int column : {col::A, col::B, col::C, col::E, col::T, col::PrinOutletPipeDiameter, col::Q,
                       col::PrinOutletPipeLength, col::Qps})
        resetColumn(column);
    if (clearing != Clearing::NewBasin) {
        for (int column : {col::ProjectNumber, col::BasinNumber, col::DesignerName, col::Description, col::Date})
            m_host.setColumnText(column, empty);
    }
}

// ---------------------------------------------------------------------------
// Tables

store::Status BasinRecords::useCreatedTable(const QString& name)
{
    m_activeTable = name;
    m_host.setActiveTableText(kActiveTable + name);
    disableRecordActions();
    clearBasin(Clearing::CreatedTable);
    RecordButtons buttons = m_buttons;
    buttons.newBasin = true;
    setButtons(buttons);
    setEntries({});
    return m_db.openTable(name);
}

void BasinRecords::coverCreatedTable()
{
    m_host.showRecordCover(kCreatedHelp);
    m_host.setGuidance(kCreatedHelp);
}

store::Status BasinRecords::openTable(const QString& name)
{
    m_activeTable = name;
    disableRecordActions();
    clearBasin(Clearing::OpenedTable);
    setEntries({});
    if (const store::Status opened = m_db.openTable(name); !opened)
        return opened;
    if (m_db.recordCount() != 0) {
        if (const auto column = engine::columnIndex(ss(m_displayChoice)))
            m_displayColumn = *column;
        auto texts = m_db.columnTexts(m_displayColumn);
        if (!texts)
            return texts.failure();
        QStringList entries;
        entries.reserve(qsizetype(texts->size()));
        for (const auto& text : *texts)
            entries << (text ? qs(*text) : QString());
        setEntries(entries);
    }
    m_host.setActiveTableText(kActiveTable + name);
    RecordButtons buttons = m_buttons;
    buttons.newBasin = true;
    setButtons(buttons);
    m_host.showRecordCover(kOpenedHelp);
    m_host.setGuidance(kOpenedHelp);
    return {};
}

store::Status BasinRecords::dropTable(const QString& name)
{
    const bool open = m_db.hasOpenTable() && m_db.tableName() == name;
    if (const store::Status dropped = m_db.dropTable(name); !dropped)
        return dropped;
    if (open) {
        setEntries({});
        disableRecordActions();
    }
    return {};
}

// ---------------------------------------------------------------------------
// Records

void BasinRecords::chooseDisplayField(const QString& columnName)
{
    m_displayChoice = columnName;
    const auto column = engine::columnIndex(ss(columnName));
    if (!column)
        return;
    m_displayColumn = *column;
    if (m_db.hasOpenTable())
        refillList();
}

void BasinRecords::loadRecord(int entry)
{
    m_host.guideAfterLoad();
    // Until the load is complete, the screen is not the record at 'entry'.
    disableRecordActions();
    const auto design = m_db.record(entry);
    if (!design) {
        showLoadFailure(parent(), design.failure());
        return;
    }
    for (const int column : engine::loadOrder()) {
        const auto& value = (*design)[column];
        const QString text = value ? qs(*value) : qs(engine::nullLoadText(column));
        if (column != col::Depth) {
            m_host.setColumnText(column, text);
            continue;
        }
        const auto depth = loadedDepth(text);
        if (!depth) {
            showLoadFailure(parent(), depth.failure());
            return;
        }
        m_host.setDepthButton(*depth);
    }
    m_position = entry;
    m_host.hideRecordCover();
    setButtons({.newBasin = true, .storeBasin = false, .update = true, .remove = true});
    m_host.markOverwrites();
}

void BasinRecords::newBasin()
{
    m_host.hideRecordCover();
    clearBasin(Clearing::NewBasin);
    m_host.selectTab(1);
    m_position.reset();
    setButtons({.newBasin = false, .storeBasin = true, .update = false, .remove = false});
    m_host.setGuidance(kNewBasinGuidance);
}

engine::BasinDesign BasinRecords::screenDesign() const
{
    engine::BasinDesign design;
    for (int column = 0; column < engine::kColumnCount; ++column)
        design[column] = ss(m_host.columnText(column));
    return design;
}

bool BasinRecords::storeNewBasin()
{
    const auto stored = m_db.appendRecord(screenDesign());
    if (!stored) {
        showWriteFailure(parent(), stored.failure(), true);
        return false;
    }
    RecordButtons buttons = m_buttons;
    buttons.storeBasin = false;
    buttons.newBasin = true;
    setButtons(buttons);
    showMessage(parent(), Icon::Information, kStored);
    refillList();
    return true;
}

bool BasinRecords::updateBasin()
{
    const store::Status updated =
        m_position ? m_db.updateRecord(*m_position, screenDesign())
                   : store::Status(store::Failure{store::err::kNoSuchRecord,
                                                  QStringLiteral("No record of the list has been loaded")});
    if (!updated) {
        showWriteFailure(parent(), updated.failure(), false);
        return false;
    }
    showMessage(parent(), Icon::Information, kUpdated);
    return true;
}

void BasinRecords::deleteBasin()
{
    if (!askOkCancel(parent(), Icon::None, applicationTitle(), kAskDelete))
        return;
    const store::Status deleted =
        m_position ? m_db.deleteRecord(*m_position)
                   : store::Status(store::Failure{store::err::kNoSuchRecord,
                                                  QStringLiteral("No record of the list has been loaded")});
    if (!deleted) {
        showWriteFailure(parent(), deleted.failure(), false);
        return;
    }
    // The screen still shows the deleted basin: nothing is left to update.
    disableRecordActions();
    showMessage(parent(), Icon::Information, kDeleted);
    refillList();
}

void BasinRecords::saveBasin()
{
    if (m_buttons.update)
        updateBasin();
    else
        storeNewBasin();
}

// ---------------------------------------------------------------------------
// The report

void BasinRecords::viewReport()
{
    const auto written = reports::writeReport(m_db, m_dataFolder);
    if (!written) {
        showMessage(parent(), Icon::None, reports::reportMessage(written.failure()));
        return;
    }
    if (!services().openFile(*written))
        showMessage(parent(), Icon::None,
                    reports::reportMessage({0, QStringLiteral("No text viewer could be started; the report is in %1")
                                                   .arg(*written)}));
}

}  // namespace ui
