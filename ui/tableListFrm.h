#ifndef UI_TABLELISTFRM_H
#define UI_TABLELISTFRM_H

// "List of Table(s) in Basin.mdb": the project tables of basin.mdb in the
// engine's order, system tables left out. The designer opens one as the
// active table of the main window, or deletes one. The list is read when the
// window is made; shown modeless, destroyed when it closes.

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ui {

class BasinRecords;

class tableListFrm : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(tableListFrm)
public:
    explicit tableListFrm(BasinRecords& records, QWidget* parent = nullptr);
    ~tableListFrm() override;

    QListWidget* List1() const { return m_List1; }

private:
    void load();
    void List1_Click(QListWidgetItem* item);
    void okButton_Click();
    void deleteButton_Click();
    void cancelButton_Click();
    // The text of the selected entry; empty when none is selected.
    QString selectedName() const;

    BasinRecords& m_records;
    QLabel* m_Label1 = nullptr;
    QListWidget* m_List1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace ui

#endif  // UI_TABLELISTFRM_H
