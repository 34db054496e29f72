#ifndef UI_CALENDARFRM_H
#define UI_CALENDARFRM_H

// The calendar date picker: a month list, a year list and 31 day labels. A
// single click on a day chooses it; a double click writes the chosen date as
// MM/DD/YYYY into the target box (the main window's dateText) and hides the
// picker, which keeps its choice for the next showing.

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;

namespace ui {

class CalendarFrm : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(CalendarFrm)
public:
    // Loads the picker on today's date. The chosen date goes into target
    // (may be null, then a double click only hides the picker).
    explicit CalendarFrm(QLineEdit* target, QWidget* parent = nullptr);

    // The one picker of the program: created on the first call, then reused
    // with its last state; writes into target from now on; shown and raised.
    static CalendarFrm* open(QLineEdit* target, QWidget* parent = nullptr);

    void setTarget(QLineEdit* target) { m_target = target; }
    QLineEdit* target() const { return m_target; }

    QString dayText() const { return m_dayText; }
    QString monthText() const { return m_monthText; }
    QString yearText() const { return m_yearText; }
    int dayIndex() const { return m_dayIndex; }
    bool isHighlighted(int day) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void monthCombo_Click(int index);
    void yearCombo_Click(int index);
    void dayLabel_Click(int day);
    void dayLabel_DblClick(int day);

    void setHighlight(int day, bool on);
    void composeDate();

    QPointer<QLineEdit> m_target;
    QComboBox* m_monthCombo = nullptr;
    QComboBox* m_yearCombo = nullptr;
    QLabel* m_fullDateLabel = nullptr;
    std::array<QLabel*, 31> m_dayLabels{};

    QString m_dayText;
    QString m_monthText;
    QString m_yearText;
    int m_dayIndex = 1;
};

}  // namespace ui

#endif  // UI_CALENDARFRM_H
