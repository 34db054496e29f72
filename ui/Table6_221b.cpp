#include "ui/Table6_221b.h"

#include "engine/design_tables.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/spillways.h"
#include "ui/DesignTableGrid.h"
#include "ui/Presenter.h"
#include "ui/SpillwayHost.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kWindowName = QStringLiteral("Table6_221b");

std::optional<double> numberOf(const QLineEdit* box) { return engine::parseNumber(ss(box->text())); }

}  // namespace

Table6_221b& Table6_221b::open(SpillwayHost& host)
{
    bool created = false;
    auto& w = spillwayWindow<Table6_221b>(host, kWindowName, [&host, &created] {
        created = true;
        return new Table6_221b(host, nullptr);
    });
    if (created) {
        w.m_LText->setText(host.LText());
        w.m_QText->setText(host.QText());
        w.m_DoText->setText(host.DoText());
    }
    return w;
}

Table6_221b::Table6_221b(SpillwayHost& host, QWidget* parent) : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral("Orlem Table 6-22.1 (B)"));

    m_grid = new DesignTableGrid(QStringLiteral("dischargeButton"), engine::table_b::kRows,
                                 engine::table_b::kColumns, this);
    QStringList columns;
    for (auto diameter : engine::kPipeDiameterTexts)
        columns << qs(diameter);
    QStringList rows;
    for (int length : engine::table_b::kLengths)
        rows << QString::number(length);
    m_grid->setColumnHeader(QStringLiteral("Diameter of Pipe in Inches"), columns);
    m_grid->setRowHeader(QStringLiteral("L, in feet"), rows);
    for (const auto& cell : engine::table_b::cells())
        m_grid->addCell(cell.index, cell.row, cell.column, qs(cell.cf),
                        QStringLiteral("L = %1 ft., Do = %2 in.").arg(cell.length).arg(qs(cell.diameter)));

    m_DoText = makeDisplayBox(this, QStringLiteral("DoText"), QStringLiteral("0"));
    m_LText = makeDisplayBox(this, QStringLiteral("LText"), QStringLiteral("0"));
    m_QText = makeDisplayBox(this, QStringLiteral("QText"), QStringLiteral("0"));
    m_CFText = makeDisplayBox(this, QStringLiteral("CFText"), QString());
    m_QpsText = makeDisplayBox(this, QStringLiteral("QpsText"), QString(), 96);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);

    auto* heading = new QLabel(QStringLiteral("Correction Factors for Pipe Length"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* suggested = new QLabel(QStringLiteral("Suggested Selection:"), this);
    suggested->setFont(bold);

    auto* boxes = new QGridLayout;
    const auto addBox = [&](int row, int column, const QString& caption, QLineEdit* box) {
        boxes->addWidget(new QLabel(caption, this), row, column, Qt::AlignRight);
        boxes->addWidget(box, row, column + 1);
    };
    addBox(0, 0, QStringLiteral("Do:"), m_DoText);
    addBox(0, 2, QStringLiteral("L ="), m_LText);
    addBox(1, 0, QStringLiteral("Q = "), m_QText);
    addBox(1, 2, QStringLiteral("CF = "), m_CFText);
    addBox(2, 0, QStringLiteral("Qps = "), m_QpsText);
    boxes->addWidget(new QLabel(QStringLiteral("(Qps = Q x CF)"), this), 2, 2, 1, 2);
    boxes->setColumnStretch(4, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Please confirm or overwrite selection "), this), 1);
    bottom->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(m_grid);
    layout->addSpacing(6);
    layout->addWidget(suggested);
    layout->addLayout(boxes);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    for (auto* box : {m_LText, m_QText, m_DoText})
        connect(box, &QLineEdit::textChanged, this, &Table6_221b::selectCorrection);
    connect(m_CFText, &QLineEdit::textChanged, this, &Table6_221b::CFText_Change);
    connect(m_grid, &DesignTableGrid::cellClicked, this, &Table6_221b::dischargeButton_Click);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void Table6_221b::selectCorrection()
{
    const auto length = numberOf(m_LText);
    if (!length)
        return;
    const auto diameter = engine::parseNumber(ss(m_host.DoText()));
    if (!diameter)
        return;
    const auto selection = engine::table_b::selectCorrection(*length, *diameter);
    if (selection.outcome == engine::table_b::Outcome::LengthOutOfRange)
        return;
    m_grid->clearMark();
    switch (selection.outcome) {
    case engine::table_b::Outcome::LengthOutOfRange:
    case engine::table_b::Outcome::NoPipe: return;
    case engine::table_b::Outcome::PipeOutOfRange:
        showMessage(this, Icon::Information, qs(engine::msg::kPipeOutOfRange));
        return;
    case engine::table_b::Outcome::Selected: break;
    }
    const auto& cell = *selection.cell;
    m_CFText->setText(qs(cell.cf));
    m_grid->markAutomatic(cell.index);
    computeQps();
    if (const auto qps = numberOf(m_QpsText))
        m_automaticQps = *qps;
    const auto mainQps = engine::parseNumber(ss(m_host.QpsText()));
    m_host.setQpsColor(mainQps && !overwritten(*mainQps) ? colour::windowText() : colour::designerOverwrite());
}

void Table6_221b::CFText_Change() { computeQps(); }

void Table6_221b::computeQps()
{
    const auto q = numberOf(m_QText);
    const auto cf = numberOf(m_CFText);
    if (q && cf)
        m_QpsText->setText(qs(engine::correctedFlowText(*q, *cf)));
}

bool Table6_221b::overwritten(double mainQps) const
{
    return engine::table_b::isOverwrite(mainQps, m_automaticQps);
}

void Table6_221b::dischargeButton_Click(int index)
{
    const auto cell = engine::table_b::cellAt(index);
    if (!cell)
        return;
    m_CFText->setText(qs(cell->cf));
    computeQps();
    m_grid->markClicked(index);
    const auto qps = numberOf(m_QpsText);
    if (qps) {
        const QString mainText = qs(engine::mainCorrectedFlowText(*qps));
        m_host.setQpsText(mainText);
        const auto mainQps = engine::parseNumber(ss(mainText));
        m_host.setQpsColor(mainQps && !overwritten(*mainQps) ? colour::buttonText() : colour::designerOverwrite());
    }
    m_host.setGuidance(QStringLiteral("Once Qps is calculated, click the \"Emergency Spillways (es) tab."));
}

}  // namespace ui
