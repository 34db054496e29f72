#include "ui/newTableForm.h"

#include "ui/BasinRecords.h"
#include "ui/Presenter.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

newTableForm::newTableForm(BasinRecords& records, QWidget* parent) : QWidget(parent, Qt::Dialog), m_records(records)
{
    setObjectName(QStringLiteral("newTableForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("New Table Form"));

    m_Label1 = new QLabel(QStringLiteral("Enter a table name:"), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setToolTip(QStringLiteral("Name of table for your project"));
    m_Label1->setBuddy(m_Text1);
    m_okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setToolTip(QStringLiteral("Click here to create the table"));
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setToolTip(QStringLiteral("Click here to cancel table creation"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addWidget(m_Text1);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    // Enter in the name box does what OK does.
    connect(m_Text1, &QLineEdit::returnPressed, this, &newTableForm::okButton_Click);
    connect(m_okButton, &QPushButton::clicked, this, &newTableForm::okButton_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &newTableForm::cancelButton_Click);
}

newTableForm::~newTableForm() = default;

void newTableForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_Text1->setFocus(Qt::OtherFocusReason);
}

void newTableForm::okButton_Click()
{
    const QString name = m_Text1->text();
    store::ProjectDatabase& db = m_records.database();

    // Every table name, system tables included: the exact name is a duplicate;
    // a name in other letter case goes on to the engine.
    const auto names = db.tableNames();
    if (!names) {
        showTableError(this, names.failure());
        return;
    }
    if (names->contains(name, Qt::CaseSensitive)) {
        showMessage(this, Icon::Information, qs(engine::msg::kTableExists));
        m_Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The basin on screen is stored first, or its changes given up, before
    // the new table is made and the screen cleared for it.
    if (!m_records.confirmReplacingBasin(this))
        return;
    if (const store::Status created = db.createTable(name); !created) {
        showTableError(this, created.failure());
        return;
    }
    if (const store::Status used = m_records.useCreatedTable(name); !used) {
        showTableError(this, used.failure());
        return;
    }
    showMessage(this, Icon::Information, qs(engine::msg::kTableCreated, {name}));
    m_records.coverCreatedTable();
    close();
}

void newTableForm::cancelButton_Click() { close(); }

}  // namespace ui
