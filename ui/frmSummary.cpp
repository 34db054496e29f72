#include "ui/frmSummary.h"

#include "ui/Caption.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDebug>

namespace ui {

namespace {

const QString kInitialTitle = QStringLiteral("Sediment Basin Summary Viewer Window");

// A group of caption / value rows; the values take the spare width.
struct Group {
    QGroupBox* box;
    QGridLayout* grid;
    int rows = 0;
};

Group makeGroup(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    return {box, grid};
}

}  // namespace

frmSummary::frmSummary(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(kInitialTitle);
    setFixedSize(692, 289);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 6, 8, 6);
    page->setSpacing(6);

    // The buttons in a row across the top.
    auto* buttons = new QHBoxLayout;
    m_printButton = new QPushButton(QStringLiteral("Print Me"), this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_topViewButton = new QPushButton(QStringLiteral("Top View"), this);
    m_topViewButton->setObjectName(QStringLiteral("topViewButton"));
    m_closeButton = new QPushButton(QStringLiteral("Close Window"), this);
    m_closeButton->setObjectName(QStringLiteral("Command1"));
    const QString later = QStringLiteral("Sketch and printing: coming in the next release");
    for (QPushButton* pending : {m_printButton, m_topViewButton}) {
        pending->setEnabled(false);
        pending->setToolTip(later);
    }
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_topViewButton);
    buttons->addWidget(m_closeButton);
    buttons->addSpacing(12);
    auto* note = new QLabel(later, this);
    note->setObjectName(QStringLiteral("sketchNoteLabel"));
    buttons->addWidget(note, 1);
    page->addLayout(buttons);

    // A value label right after its caption, in the next row of a group or,
    // with beside set, as the second pair of the current row.
    auto addRow = [this](Group& group, const QString& caption, const QString& objectName,
                         const QString& initial = QStringLiteral("0"), bool beside = false) {
        auto* captionLabel = new QLabel(caption, group.box);
        captionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Caption* value = addValue(objectName, initial);
        value->setParent(group.box);
        captionLabel->setBuddy(value);
        const int row = beside ? group.rows - 1 : group.rows;
        const int column = beside ? 2 : 0;
        group.grid->addWidget(captionLabel, row, column);
        group.grid->addWidget(value, row, column + 1);
        group.grid->setColumnStretch(column + 1, 1);
        if (!beside)
            ++group.rows;
    };
    auto finish = [](Group& group) { group.grid->setRowStretch(group.rows, 1); };

    // The fixed column of the upper left: area and flows.
    Group runoff = makeGroup(QStringLiteral("Runoff"), this);
    addRow(runoff, QStringLiteral("Area (acres) ="), QStringLiteral("areaLabel"));
    addRow(runoff, QStringLiteral("Q2="), QStringLiteral("Q2Label"));
    addRow(runoff, QStringLiteral("Q25="), QStringLiteral("Q25Label"));
    addRow(runoff, QStringLiteral("Qps="), QStringLiteral("QpsLabel"));
    addRow(runoff, QStringLiteral("Qes="), QStringLiteral("QesLabel"));
    finish(runoff);

    // The pool: its bottom, its depth and the inflow bank's slope triangle.
    Group basin = makeGroup(QStringLiteral("Basin"), this);
    addRow(basin, QStringLiteral("Bottom Width ="), QStringLiteral("bottomWLabel"));
    addRow(basin, QStringLiteral("Bottom Length ="), QStringLiteral("bottomLLabel"));
    addRow(basin, QStringLiteral("Basin Depth ="), QStringLiteral("depthLabel_1"));
    addRow(basin, QStringLiteral("Bank slope ="), QStringLiteral("slopeVarLabel"), QStringLiteral("2.5"));
    addRow(basin, QStringLiteral("Bank run ="), QStringLiteral("slopeDisLabel_0"));
    addRow(basin, QStringLiteral("Bank height ="), QStringLiteral("depthLabel_0"));
    finish(basin);

    // The riser and the outlet pipe through the dam.
    Group outlet = makeGroup(QStringLiteral("Riser and outlet"), this);
    addRow(outlet, QStringLiteral("Ds ="), QStringLiteral("DsLabel"));
    addRow(outlet, QStringLiteral("H="), QStringLiteral("HLabel"));
    addRow(outlet, QStringLiteral("Do ="), QStringLiteral("DoLabel"));
    addRow(outlet, QStringLiteral("L ="), QStringLiteral("LLabel"));
    finish(outlet);

    auto* upper = new QHBoxLayout;
    upper->setSpacing(6);
    upper->addWidget(runoff.box, 1);
    upper->addWidget(basin.box, 1);
    upper->addWidget(outlet.box, 1);
    page->addLayout(upper, 3);

    // The dam and the emergency spillway's cross-section, two pairs a line.
    Group spillway = makeGroup(QStringLiteral("Dam and emergency spillway"), this);
    addRow(spillway, QStringLiteral("A="), QStringLiteral("damTopLabel"));
    addRow(spillway, QStringLiteral("S="), QStringLiteral("slopeLabel"), QStringLiteral("0"), true);
    addRow(spillway, QStringLiteral("b ="), QStringLiteral("bLabel"));
    addRow(spillway, QStringLiteral("Hp"), QStringLiteral("HpLabel"), QStringLiteral("0"), true);
    addRow(spillway, QStringLiteral("Side slope ="), QStringLiteral("Label5"), QStringLiteral("2.5"));
    addRow(spillway, QStringLiteral("Side run ="), QStringLiteral("slopeDisLabel_1"), QStringLiteral("0"), true);
    spillway.grid->setHorizontalSpacing(8);
    finish(spillway);

    // The longest values: the two storage volumes and the head over the riser.
    Group volumes = makeGroup(QStringLiteral("Storage and riser head"), this);
    addRow(volumes, QStringLiteral("Vs ="), QStringLiteral("VsLabel"));
    addRow(volumes, QStringLiteral("Vc ="), QStringLiteral("VcLabel"));
    addRow(volumes, QStringLiteral("h ="), QStringLiteral("hText"));
    finish(volumes);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(6);
    lower->addWidget(spillway.box, 1);
    lower->addWidget(volumes.box, 1);
    page->addLayout(lower, 2);

    // The print labels, shown only while the window is printed.
    auto* titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setGeometry(0, 0, width(), 24);
    titleLabel->hide();
    auto* appTitleLabel = new QLabel(this);
    appTitleLabel->setObjectName(QStringLiteral("appTitleLabel"));
    QFont garamond(QStringLiteral("Garamond"));
    garamond.setStyleHint(QFont::Serif);
    appTitleLabel->setFont(garamond);
    appTitleLabel->setGeometry(8, height() - 24, 300, 20);
    appTitleLabel->hide();

    connect(m_closeButton, &QPushButton::clicked, this, &frmSummary::Command1_Click);
}

Caption* frmSummary::addValue(const QString& objectName, const QString& initial)
{
    auto* value = new Caption(initial, this);
    value->setObjectName(objectName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_values.insert(objectName, value);
    return value;
}

void frmSummary::setLabel(const QString& objectName, const QString& caption)
{
    Caption* value = m_values.value(objectName);
    if (!value) {
        qWarning("frmSummary: no value label named %s", qPrintable(objectName));
        return;
    }
    value->setCaption(caption);
}

QString frmSummary::label(const QString& objectName) const
{
    const Caption* value = m_values.value(objectName);
    return value ? value->text() : QString();
}

void frmSummary::setSummaryCaption(const QString& projectNumber, const QString& basinNumber)
{
    setWindowTitle(QStringLiteral("Project Number: ") + projectNumber + QStringLiteral(" - Basin Number: ") + basinNumber);
}

void frmSummary::Command1_Click() { hide(); }

}  // namespace ui
