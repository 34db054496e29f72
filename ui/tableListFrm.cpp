#include "ui/tableListFrm.h"

#include "store/ProjectDatabase.h"
#include "ui/BasinRecords.h"
#include "ui/Presenter.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

tableListFrm::tableListFrm(BasinRecords& records, QWidget* parent) : QWidget(parent, Qt::Dialog), m_records(records)
{
    setObjectName(QStringLiteral("tableListFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // On the office database the caption names it rather than the file.
    const store::ProjectDatabase& database = records.database();
    setWindowTitle(database.isServer() ? QStringLiteral("List of Table(s) in ") + database.location()
                                       : QStringLiteral("List of Table(s) in Basin.mdb"));

    m_Label1 = new QLabel(QStringLiteral("Select your table"), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_List1 = new QListWidget(this);
    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->setToolTip(QStringLiteral("Click here to choose the table you want to open"));
    m_Label1->setBuddy(m_List1);
    m_Label2 = new QLabel(this);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = m_Label2->font();
    bold.setBold(true);
    m_Label2->setFont(bold);
    m_okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setToolTip(QStringLiteral("Click here to open the chosen table"));
    m_deleteButton = new QPushButton(QStringLiteral("&Delete"), this);
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_deleteButton->setToolTip(QStringLiteral("Click here to delete highlighted table"));
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setToolTip(QStringLiteral("Click here to cancel"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_deleteButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    auto* list = new QVBoxLayout;
    list->addWidget(m_Label1);
    list->addWidget(m_List1, 1);
    list->addWidget(m_Label2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 1);
    layout->addLayout(buttons);
    resize(360, 240);

    connect(m_List1, &QListWidget::itemClicked, this, &tableListFrm::List1_Click);
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &tableListFrm::okButton_Click);
    connect(m_okButton, &QPushButton::clicked, this, &tableListFrm::okButton_Click);
    connect(m_deleteButton, &QPushButton::clicked, this, &tableListFrm::deleteButton_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &tableListFrm::cancelButton_Click);
    load();
}

tableListFrm::~tableListFrm() = default;

// The table names in the engine's order, without the system tables.
void tableListFrm::load()
{
    const auto names = m_records.database().tableNames();
    if (!names) {
        showTableError(this, names.failure());
        return;
    }
    for (const QString& name : *names) {
        if (!store::isSystemTableName(name))
            m_List1->addItem(name);
    }
}

QString tableListFrm::selectedName() const
{
    const auto selected = m_List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void tableListFrm::List1_Click(QListWidgetItem* item) { m_Label2->setText(item->text()); }

void tableListFrm::okButton_Click()
{
    // The basin on screen is stored first, or its changes given up, before
    // the screen is cleared for the other table.
    if (!m_records.confirmReplacingBasin(this))
        return;
    if (const store::Status opened = m_records.openTable(selectedName()); !opened) {
        showTableError(this, opened.failure());
        return;
    }
    close();
}

void tableListFrm::deleteButton_Click()
{
    if (!askOkCancel(this, Icon::None, applicationTitle(), qs(engine::msg::kAskDeleteTable)))
        return;
    const QString name = selectedName();
    if (const store::Status dropped = m_records.dropTable(name); !dropped) {
        showTableError(this, dropped.failure());
        return;
    }
    showMessage(this, Icon::Information, qs(engine::msg::kTableDeleted, {name}));
    const auto selected = m_List1->selectedItems();
    if (!selected.isEmpty())
        delete selected.front();
}

void tableListFrm::cancelButton_Click() { close(); }

}  // namespace ui
