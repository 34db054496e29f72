#ifndef UI_BASINRECORDS_H
#define UI_BASINRECORDS_H

// The basin records of the main window: the project database, the active
// table, the record list and its display field, the record that "Update
// Basin" and "Delete Basin" act on, the state of the four record buttons, and
// the text report. The main window shows all of it through RecordHost; the
// table windows (newTableForm, tableListFrm) reach the database through it.
//
// "Update Basin" and "Delete Basin" act only on a record loaded from the list
// or just stored: they are disabled after a table is created or opened, after
// a deletion and after a failed load. A stored basin becomes the current
// record, so a second "Save Basin" updates it instead of storing it twice.
// Making the report moves no record.
//
// The basin on screen is compared with what was last loaded, stored, updated
// or cleared, column by column as the store would write it; before an action
// replaces or discards a basin with changes that are not stored, the designer
// is asked whether to store it first (confirmReplacingBasin).
//
// On the office database other designers change the same tables: "Update
// Basin" and "Delete Basin" are refused for a record another designer changed
// or deleted since it was loaded, with the offer to reload it; the list,
// refilled or refreshed, follows the current record wherever it now stands.
//
// Before the first change a day writes to the database, a daily backup copy
// of it is made; one that fails is reported once per run and does not stop the
// change.

#include "store/DatabaseLock.h"
#include "store/ProjectDatabase.h"
#include "ui/RecordHost.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

class QWidget;

namespace ui {

// The table operations' standard error message: "Error: " + description +
// ". Error Number: " + number, with the critical-error icon and the program's
// title. The display-field choice uses it too.
QString tableErrorText(const store::Failure& failure);
void showTableError(QWidget* parent, const store::Failure& failure);

// Takes the lock of the project database's folder. When another Tellum holds
// it, says so (which folder, and that its window is still open) and gives
// false: the program then ends without touching the database.
bool takeDatabaseLock(store::DatabaseLock& lock);

class BasinRecords {
public:
    // The database is basin.mdb in dataFolder; report.txt is written there.
    // Nothing is opened yet.
    BasinRecords(RecordHost& host, const QString& dataFolder);
    BasinRecords(const BasinRecords&) = delete;
    BasinRecords& operator=(const BasinRecords&) = delete;

    // The main window's load sequence: all record buttons disabled, the list's
    // display field from the chooser's text.
    void start(const QString& displayField);
    // The end of the closing sequence: the database is closed.
    void closeDatabase();

    store::ProjectDatabase& database() { return m_db; }
    const QString& dataFolder() const { return m_dataFolder; }
    const QString& activeTable() const { return m_activeTable; }
    const RecordButtons& buttons() const { return m_buttons; }
    const QStringList& recordList() const { return m_entries; }
    // The column the list shows.
    int displayColumn() const { return m_displayColumn; }
    // The position of the record that "Update Basin" and "Delete Basin" act
    // on; nothing while no record of the list is loaded.
    std::optional<int> currentPosition() const { return m_position; }

    // --- Tables ---

    // After a table has been created: it becomes the active table, the main
    // window is cleared for it (the PI Number stays), "New Basin" is enabled
    // and the table is opened, with an empty list. A failure to open it is
    // returned for the caller's message.
    store::Status useCreatedTable(const QString& name);
    // The record cover and guidance once a created table is in use.
    void coverCreatedTable();
    // Opens a table: it becomes the active table first (also when a later step
    // fails), the main window is cleared, the table is opened, the list filled
    // when it holds records, then the status bar, "New Basin" and the cover.
    store::Status openTable(const QString& name);
    // Drops a table. When it is the open table, its list is emptied and
    // "Update Basin" and "Delete Basin" are disabled.
    store::Status dropTable(const QString& name);

    // --- Records ---

    // Whether the basin on screen differs from what was last loaded, stored,
    // updated or cleared.
    bool hasUnsavedChanges() const;
    // The screen as it is now is the saved state (the end of the start-up).
    void markScreenSaved();
    // Asked before an action replaces or discards the basin on screen: when it
    // has changes that are not stored, asks whether to store it first. True
    // when the action may go on: nothing to store, the changes discarded, or
    // "Save Basin" succeeded. parent: the window the question belongs to.
    bool confirmReplacingBasin(QWidget* questionParent = nullptr);

    // The display-field chooser: the list shows the named column.
    void chooseDisplayField(const QString& columnName);
    // A click on entry 'entry' of the record list loads that record.
    void loadRecord(int entry);
    // "New Basin" (asking first about unstored changes), "Store New Basin",
    // "Update Basin", "Delete Basin". Store and update give whether the record
    // was written.
    void newBasin();
    bool storeNewBasin();
    bool updateBasin();
    void deleteBasin();
    // The toolbar's "Save Basin": update when "Update Basin" is enabled,
    // otherwise store. Gives whether the basin was written.
    bool saveBasin();

    // "Refresh" (F5): re-reads the record list from the database, where other
    // designers may have stored or deleted basins; the current record stays
    // current wherever it now stands, or, when it is gone, nothing is left to
    // update or delete.
    void refreshList();

    // "View Report": writes report.txt from the open table and opens it.
    void viewReport();

    // The basin on screen as its record would be stored: the 41 column texts.
    engine::BasinDesign screenDesign() const;

private:
    enum class Clearing { NewBasin, CreatedTable, OpenedTable };
    void clearBasin(Clearing clearing);
    void resetColumn(int column);
    void setButtons(const RecordButtons& buttons);
    void disableRecordActions();
    // Re-reads the list from the open table; shows the failure if any.
    void refillList();
    void setEntries(const QStringList& entries);
    // The list's selection shows the current record, or nothing.
    void selectCurrentEntry();
    void backUpBeforeWrite();
    QString activeTableText(const QString& name) const;
    // An update or delete refused because another designer changed or
    // deleted the record since it was loaded: says so and offers to reload
    // the record (or the list). True when the failure was such a refusal.
    bool answerConflict(const store::Failure& failure);
    QWidget* parent() const { return m_host.hostWindow(); }

    RecordHost& m_host;
    QString m_dataFolder;
    store::ProjectDatabase m_db;
    QString m_activeTable;
    RecordButtons m_buttons;
    QStringList m_entries;
    QString m_displayChoice;
    int m_displayColumn = 0;
    std::optional<int> m_position;
    QVariantList m_savedForm;  // the stored form of the screen when last saved
    QDate m_backupDay;         // the day of the last backup attempt
    bool m_backupFailureShown = false;
};

}  // namespace ui

#endif  // UI_BASINRECORDS_H
