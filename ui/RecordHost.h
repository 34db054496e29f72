#ifndef UI_RECORDHOST_H
#define UI_RECORDHOST_H

// What the record logic (BasinRecords) reads from and writes to the main
// window. The main window implements it. Columns are named by their position
// (engine::col); every write is a box write that runs the box's own change
// operation, and writing the text a box already holds is no change.

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The enabled state of the four record buttons.
struct RecordButtons {
    bool newBasin = false;    // newBasinButton "New Basin"
    bool storeBasin = false;  // storeBasinButton "Store New Basin"
    bool update = false;      // saveRecButton "Update Basin"
    bool remove = false;      // delBasinButton "Delete Basin"
    friend bool operator==(const RecordButtons&, const RecordButtons&) = default;
};

class RecordHost {
public:
    virtual ~RecordHost() = default;

    // The window the record messages belong to.
    virtual QWidget* hostWindow() = 0;

    // A column's value as it is stored: the text of its box, the held number
    // (VolumeAtFull, VolumeAtCleanOut, Q2, Q25) as a 64-bit float, the depth
    // in force as a whole number.
    virtual QString columnText(int column) const = 0;
    // Writes a column's text into its box (not Depth). County is written into
    // the county box's text.
    virtual void setColumnText(int column, const QString& text) = 0;
    // Selects the depth button of 4 to 10 ft; selecting the one already
    // selected is no change.
    virtual void setDepthButton(int depth) = 0;

    // Selects tab 1 to 5 as a click would.
    virtual void selectTab(int tab) = 0;
    // The focus and guidance of the current page, as after loading a record.
    virtual void guideAfterLoad() = 0;
    // Status bar: panel 1 (the active table) and panel 2 (guidance).
    virtual void setActiveTableText(const QString& text) = 0;
    virtual void setGuidance(const QString& text) = 0;
    // The record cover over the pages, with its help text.
    virtual void showRecordCover(const QString& help) = 0;
    virtual void hideRecordCover() = 0;

    virtual void setRecordButtons(const RecordButtons& buttons) = 0;
    // The record list's entries, in record order.
    virtual void setRecordList(const QStringList& entries) = 0;
    // Selects the record list's entry (-1: none) without loading it.
    virtual void selectRecordEntry(int entry) = 0;
    // The blue marks of Do and Q and of Qps: blue where the main window's
    // value is not the design tables' choice.
    virtual void markOverwrites() = 0;
};

}  // namespace ui

#endif  // UI_RECORDHOST_H
