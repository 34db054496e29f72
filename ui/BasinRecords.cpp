#include "ui/BasinRecords.h"

#include "engine/messages.h"
#include "engine/number_text.h"
#include "reports/TextReport.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QDir>

#include <cmath>

namespace ui {

namespace {

namespace col = engine::col;

const QString kActiveTable = QStringLiteral("active table: ");
const QString kCreatedHelp = QStringLiteral("Click \"New Basin\" to open a new record.");
const QString kOpenedHelp =
    QStringLiteral("Click \"New Basin\" to open a new record or click a name in the list box to open an existing record.");
const QString kNewBasinGuidance = QStringLiteral("Complete this section then press \"Volumes/Runoff\". ");
const QString kStored = qs(engine::msg::kRecordStored);
const QString kUpdated = qs(engine::msg::kRecordUpdated);
const QString kAskDelete = qs(engine::msg::kAskDeleteRecord);
const QString kDeleted = qs(engine::msg::kRecordDeleted);
const QString kDateFormat = qs(engine::msg::kDateFormatError);

// The messages of a failed store, update or load.
void showWriteFailure(QWidget* parent, const store::Failure& failure, bool storing)
{
    if (failure.number == store::err::kDateConversion)
        showMessage(parent, Icon::Error, kDateFormat);
    else if (storing)
        showMessage(parent, Icon::None, qs(engine::msg::kStoreError, {failure.description, failure.numberText()}));
    else
        showMessage(parent, Icon::Error, qs(engine::msg::kUpdateError, {failure.description, failure.numberText()}));
}

void showLoadFailure(QWidget* parent, const store::Failure& failure)
{
    showMessage(parent, Icon::Error, qs(engine::msg::kLoadError, {failure.description, failure.numberText()}));
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
    return qs(engine::msg::kTableError, {failure.description, failure.numberText()});
}

bool takeDatabaseLock(store::DatabaseLock& lock)
{
    if (lock.tryLock())
        return true;
    showMessage(nullptr, Icon::Warning, qs(engine::msg::kAlreadyOpen, {QDir::toNativeSeparators(lock.folder())}));
    return false;
}

void showTableError(QWidget* parent, const store::Failure& failure)
{
    showMessage(parent, Icon::Error, tableErrorText(failure));
}

BasinRecords::BasinRecords(RecordHost& host, const QString& dataFolder)
    : m_host(host), m_dataFolder(dataFolder), m_db(dataFolder), m_displayColumn(col::BasinNumber)
{
    m_db.setBeforeWrite([this] { backUpBeforeWrite(); });
}

// Today's copy of the database before the day's first change. A copy that
// cannot be made is reported once a run; the change goes on.
void BasinRecords::backUpBeforeWrite()
{
    const QDate today = services().today();
    if (m_backupDay == today)
        return;
    m_backupDay = today;
    const auto made = m_db.backUpDaily(today);
    if (!made && !m_backupFailureShown) {
        m_backupFailureShown = true;
        showMessage(parent(), Icon::Warning, qs(engine::msg::kBackupFailed, {made.failure().description}));
    }
}

// "active table: Lot 4", and on the office database where it lives:
// "active table: Lot 4 (office database basins on db1)".
QString BasinRecords::activeTableText(const QString& name) const
{
    QString text = kActiveTable + name;
    if (m_db.isServer())
        text += QStringLiteral(" (") + m_db.location() + QLatin1Char(')');
    return text;
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
    selectCurrentEntry();
}

void BasinRecords::selectCurrentEntry() { m_host.selectRecordEntry(m_position.value_or(-1)); }

void BasinRecords::refillList()
{
    // Records other designers stored or deleted meanwhile move the current
    // record's position: it is found again by its identity.
    const auto current = m_position ? std::optional(m_db.recordId(*m_position)) : std::nullopt;
    auto texts = m_db.columnTexts(m_displayColumn);
    if (!texts) {
        showTableError(parent(), texts.failure());
        return;
    }
    if (current) {
        m_position = m_db.positionOf(*current);
        if (!m_position)
            disableRecordActions();  // gone: the screen shows a basin no longer stored
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
    m_host.setActiveTableText(activeTableText(name));
    disableRecordActions();
    clearBasin(Clearing::CreatedTable);
    RecordButtons buttons = m_buttons;
    buttons.newBasin = true;
    setButtons(buttons);
    setEntries({});
    markScreenSaved();
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
    markScreenSaved();
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
    m_host.setActiveTableText(activeTableText(name));
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
    // Until the load is complete, the screen is not the record at 'entry'. A
    // load that fails leaves what it loaded, which holds nothing the designer
    // typed: that is the saved state too.
    disableRecordActions();
    struct MarkSaved {
        BasinRecords& records;
        ~MarkSaved() { records.markScreenSaved(); }
    } markSaved{*this};
    const auto design = m_db.record(entry);
    if (!design) {
        showLoadFailure(parent(), design.failure());
        if (design.failure().number == store::err::kDeletedByAnother)
            refillList();
        return;
    }
    for (const int column : engine::loadOrder()) {
        const QString text = qs(engine::loadedText(*design, column));
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
    if (!confirmReplacingBasin())
        return;
    m_host.hideRecordCover();
    clearBasin(Clearing::NewBasin);
    m_host.selectTab(1);
    m_position.reset();
    selectCurrentEntry();
    setButtons({.newBasin = false, .storeBasin = true, .update = false, .remove = false});
    m_host.setGuidance(kNewBasinGuidance);
    markScreenSaved();
}

bool BasinRecords::hasUnsavedChanges() const { return store::storedForm(screenDesign()) != m_savedForm; }

void BasinRecords::markScreenSaved() { m_savedForm = store::storedForm(screenDesign()); }

bool BasinRecords::confirmReplacingBasin(QWidget* questionParent)
{
    if (!hasUnsavedChanges())
        return true;
    const QString text = qs(engine::msg::unsavedChanges(ss(m_host.columnText(col::ProjectNumber)),
                                                        ss(m_host.columnText(col::BasinNumber))));
    switch (askStoreFirst(questionParent ? questionParent : parent(), qs(engine::msg::kUnsavedChanges.title), text)) {
    case StoreChoice::Store: return saveBasin();
    case StoreChoice::Discard: return true;
    case StoreChoice::Cancel: break;
    }
    return false;
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
    // The stored basin is now the current record: updating and deleting act on
    // it, and storing it again is not offered.
    m_position = *stored;
    setButtons({.newBasin = true, .storeBasin = false, .update = true, .remove = true});
    markScreenSaved();
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
        if (!answerConflict(updated.failure()))
            showWriteFailure(parent(), updated.failure(), false);
        return false;
    }
    markScreenSaved();
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
        if (!answerConflict(deleted.failure()))
            showWriteFailure(parent(), deleted.failure(), false);
        return;
    }
    // The screen still shows the deleted basin: nothing is left to update.
    disableRecordActions();
    showMessage(parent(), Icon::Information, kDeleted);
    refillList();
}

bool BasinRecords::answerConflict(const store::Failure& failure)
{
    namespace msg = engine::msg;
    if (failure.number == store::err::kChangedByAnother) {
        if (askOkCancel(parent(), Icon::Warning, qs(msg::kChangedByAnother.title), qs(msg::kChangedByAnother))) {
            refillList();
            if (m_position)
                loadRecord(*m_position);
        }
        return true;
    }
    if (failure.number == store::err::kDeletedByAnother) {
        // Nothing is left to update or delete; the values can be stored anew.
        m_position.reset();
        setButtons({.newBasin = m_buttons.newBasin, .storeBasin = true, .update = false, .remove = false});
        if (askOkCancel(parent(), Icon::Warning, qs(msg::kDeletedByAnother.title), qs(msg::kDeletedByAnother)))
            refillList();
        return true;
    }
    return false;
}

void BasinRecords::refreshList()
{
    if (m_db.hasOpenTable())
        refillList();
}

bool BasinRecords::saveBasin() { return m_buttons.update ? updateBasin() : storeNewBasin(); }

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
        showMessage(parent(), Icon::None, qs(engine::msg::kNoTextViewer, {*written}));
}

}  // namespace ui
