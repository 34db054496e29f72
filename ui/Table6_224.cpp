#include "ui/Table6_224.h"

#include "engine/design_tables.h"
#include "engine/messages.h"
#include "ui/DesignTableGrid.h"
#include "ui/Presenter.h"
#include "ui/SpillwayHost.h"
#include "ui/Text.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kWindowName = QStringLiteral("Table6_224");

}  // namespace

Table6_224& Table6_224::open(SpillwayHost& host)
{
    bool created = false;
    auto& w = spillwayWindow<Table6_224>(host, kWindowName, [&host, &created] {
        created = true;
        return new Table6_224(host, nullptr);
    });
    if (created) {
        w.m_QesText->setText(host.QesText() + QStringLiteral(" cfs"));
    }
    return w;
}

Table6_224::Table6_224(SpillwayHost& host, QWidget* parent) : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral("Orlem Table 6-22.4"));

    m_grid = new DesignTableGrid(QStringLiteral("emSpillWayButton"), engine::table_es::kRows,
                                 engine::table_es::kColumns, this);
    QStringList columns;
    for (int width : engine::table_es::bottomWidths())
        columns << QString::number(width);
    QStringList rows;
    for (auto stage : engine::table_es::stageTexts())
        rows << qs(stage);
    m_grid->setColumnHeader(QStringLiteral("BOTTOM WIDTH (b) IN FEET"), columns);
    m_grid->setRowHeader(QStringLiteral("STAGE (Hp) IN FEET"), rows);
    for (const auto& cell : engine::table_es::cells()) {
        m_grid->addCell(cell.index, cell.row, cell.column, qs(cell.capacityText()),
                        QStringLiteral("Hp = %1 ft., b = %2 ft., velocity %3, slope %4")
                            .arg(qs(cell.stage))
                            .arg(cell.bottomWidth)
                            .arg(qs(cell.velocity), qs(cell.slope)));
        if (cell.caution)
            m_grid->setCellColours(cell.index, colour::inactiveTitleBar(), colour::cautionSuggestion());
        else
            m_grid->setCellColours(cell.index, colour::light3D(), colour::automaticChoice());
    }

    auto* swatch = new QFrame(this);
    swatch->setObjectName(QStringLiteral("cautionSwatch"));
    swatch->setFixedSize(36, 18);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    QPalette swatchPalette = swatch->palette();
    swatchPalette.setColor(QPalette::Window, colour::inactiveTitleBar());
    swatch->setPalette(swatchPalette);
    auto* legend = new QHBoxLayout;
    legend->addWidget(swatch);
    legend->addWidget(new QLabel(QStringLiteral("Data shaded in this color should be used with caution."), this));
    legend->addStretch();

    m_QesText = makeDisplayBox(this, QStringLiteral("QesText"), QString(), 96);
    m_stageText = makeDisplayBox(this, QStringLiteral("stageText"), QStringLiteral("0"), 56);
    m_bottomWidthText = makeDisplayBox(this, QStringLiteral("bottomWidthText"), QStringLiteral("0"), 56);
    m_velocityText = makeDisplayBox(this, QStringLiteral("velocityText"), QStringLiteral("0"), 56);
    m_slopeText = makeDisplayBox(this, QStringLiteral("slopeText"), QStringLiteral("0"), 56);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);

    auto* boxes = new QHBoxLayout;
    // Qes carries its unit in its own text; stage and bottom width are in feet;
    // velocity and slope keep the table's own terms.
    const auto addBox = [&](const QString& caption, QLineEdit* box, const QString& unit = {}) {
        boxes->addWidget(new QLabel(caption, this));
        boxes->addWidget(box);
        if (!unit.isEmpty())
            boxes->addWidget(new QLabel(unit, this));
        boxes->addSpacing(10);
    };
    addBox(QStringLiteral("Qes"), m_QesText);
    addBox(QStringLiteral("Stage:"), m_stageText, QStringLiteral("ft."));
    addBox(QStringLiteral("Bottom Width"), m_bottomWidthText, QStringLiteral("ft."));
    addBox(QStringLiteral("Velocity:"), m_velocityText);
    addBox(QStringLiteral("Slope:"), m_slopeText);
    boxes->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(
        new QLabel(QStringLiteral("Click to select the desired Qes from the suggested choices or from your own choice."), this),
        1);
    bottom->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(legend);
    layout->addSpacing(4);
    layout->addLayout(boxes);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_QesText, &QLineEdit::textChanged, this, &Table6_224::QesText_Change);
    connect(m_grid, &DesignTableGrid::cellClicked, this, &Table6_224::emSpillWayButton_Click);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

// A new Qes: a new suggestion, and the chosen channel is cleared.
void Table6_224::QesText_Change()
{
    FindEmergencySpillwayData();
    for (auto* box : {m_stageText, m_velocityText, m_slopeText, m_bottomWidthText})
        box->setText(QStringLiteral("0"));
}

void Table6_224::FindEmergencySpillwayData()
{
    m_grid->clearMark();
    const auto suggestion = engine::table_es::suggestChannel(m_host.Qes());
    if (suggestion.outcome == engine::table_es::Outcome::TooHigh) {
        showMessage(this, Icon::Error, qs(engine::msg::kQ25TooHigh));
        return;
    }
    m_grid->markAutomatic(suggestion.cell->index);
}

void Table6_224::emSpillWayButton_Click(int index)
{
    const auto cell = engine::table_es::cellAt(index);
    if (!cell)
        return;
    m_grid->clearMark();
    m_grid->markClicked(index);
    const QString stage = qs(cell->stage);
    const QString width = qs(cell->bottomWidthText());
    const QString velocity = qs(cell->velocity);
    const QString slope = qs(cell->slope);
    m_stageText->setText(stage);
    m_bottomWidthText->setText(width);
    m_velocityText->setText(velocity);
    m_slopeText->setText(slope);
    m_host.setChannel(stage, width, velocity, slope);
}

}  // namespace ui
