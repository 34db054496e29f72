#ifndef UI_NEWTABLEFORM_H
#define UI_NEWTABLEFORM_H

// "New Table Form": the designer types a table name and creates a project
// table under it in basin.mdb; the new table becomes the active table of the
// main window. Shown modeless; destroyed when it closes.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class BasinRecords;

class newTableForm : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(newTableForm)
public:
    explicit newTableForm(BasinRecords& records, QWidget* parent = nullptr);
    ~newTableForm() override;

    QLineEdit* Text1() const { return m_Text1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okButton_Click();
    void cancelButton_Click();

    BasinRecords& m_records;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace ui

#endif  // UI_NEWTABLEFORM_H
