#include "ui/Table6_221.h"

#include "engine/design_tables.h"
#include "engine/messages.h"
#include "engine/number_text.h"
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

const QString kWindowName = QStringLiteral("Table6_221");

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

Table6_221& Table6_221::open(SpillwayHost& host)
{
    bool created = false;
    auto& w = spillwayWindow<Table6_221>(host, kWindowName, [&host, &created] {
        created = true;
        return new Table6_221(host, nullptr);
    });
    if (created) {
        w.startUp();
    }
    return w;
}

Table6_221::Table6_221(SpillwayHost& host, QWidget* parent) : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral("Orlem Table 6-22.1 (A)"));

    m_grid = new DesignTableGrid(QStringLiteral("dischargeButton"), engine::table_a::kRows,
                                 engine::table_a::kColumns, this);
    QStringList columns;
    for (auto diameter : engine::kPipeDiameterTexts)
        columns << qs(diameter);
    QStringList rows;
    for (int height : engine::table_a::heights())
        rows << QString::number(height);
    m_grid->setColumnHeader(QStringLiteral("Diameter of Pipe in Inches"), columns);
    m_grid->setRowHeader(QStringLiteral("H, in feet"), rows);
    for (const auto& cell : engine::table_a::cells())
        m_grid->addCell(cell.index, cell.row, cell.column, qs(cell.q), qs(cell.heightText()));
    for (int row = 0; row < rows.size(); ++row)
        m_grid->setRowEnabled(row, engine::table_a::isRowEnabled(engine::table_a::heights()[std::size_t(row)]));

    m_hText = makeInputBox(this, QStringLiteral("hText"), QStringLiteral("0"), 56);
    m_Q2Text = makeDisplayBox(this, QStringLiteral("Q2Text"), QStringLiteral("0"), 64);
    m_DoText = makeDisplayBox(this, QStringLiteral("DoText"), QStringLiteral("0"), 56);
    m_QText = makeDisplayBox(this, QStringLiteral("QText"), QStringLiteral("0"), 56);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(new QLabel(QStringLiteral("If H ="), this));
    inputs->addWidget(m_hText);
    inputs->addWidget(new QLabel(QStringLiteral("   and  Q2 ="), this));
    inputs->addWidget(m_Q2Text);
    inputs->addStretch();

    auto* result = new QHBoxLayout;
    result->addWidget(new QLabel(QStringLiteral("Then Do = "), this));
    result->addWidget(m_DoText);
    result->addWidget(new QLabel(QStringLiteral("\"   and Q = "), this));
    result->addWidget(m_QText);
    result->addStretch();

    auto* bottom = new QHBoxLayout;
    auto* hint = new QLabel(QStringLiteral("Click on the computer chosen value or overwrite it with your choice."), this);
    hint->setWordWrap(true);
    bottom->addWidget(hint, 1);
    bottom->addWidget(m_closeButton, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boldLabel(QStringLiteral("Discharge in Cubic Feet per Second"), this), 0, Qt::AlignHCenter);
    layout->addWidget(m_grid);
    layout->addSpacing(6);
    layout->addLayout(inputs);
    layout->addWidget(boldLabel(QStringLiteral("Recommended pipe diameter Do and flow Q: "), this));
    layout->addLayout(result);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_hText, &QLineEdit::textChanged, this, &Table6_221::hText_Change);
    connect(m_Q2Text, &QLineEdit::textChanged, this, &Table6_221::Q2Text_Change);
    connect(m_grid, &DesignTableGrid::cellClicked, this, &Table6_221::dischargeButton_Click);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
    onLostFocus(m_hText, [this] { hText_LostFocus(); });
}

void Table6_221::startUp()
{
    m_hText->setText(m_host.hText());
    m_Q2Text->setText(qs(engine::generalText(m_host.Q2())));
    if (const auto height = engine::parseNumber(ss(m_hText->text())))
        selectPipe(*height);
}

void Table6_221::Q2Text_Change() { startUp(); }

// H changed on this window or copied from the main window: the other window
// follows, and the pipe is chosen again from nothing.
void Table6_221::hText_Change(const QString& text)
{
    m_host.setHText(text);
    m_DoText->setText(QStringLiteral("0"));
    m_QText->setText(QStringLiteral("0"));
    if (const auto height = engine::parseNumber(ss(text)))
        selectPipe(*height);
}

void Table6_221::hText_LostFocus()
{
    if (m_host.closing())
        return;
    const auto height = engine::parseSingle(ss(m_hText->text()));
    if (!height) {
        showNotNumber(this);
        return;
    }
    if (*height < m_host.minimumHeight())
        showMessage(this, Icon::Warning, qs(engine::msg::kTableHeightTooLow));
}

void Table6_221::selectPipe(double height)
{
    const auto selection = engine::table_a::selectPipe(height, m_host.Q2());
    switch (selection.outcome) {
    case engine::table_a::Outcome::NoRow: return;
    case engine::table_a::Outcome::Q2TooHigh: showMessage(this, Icon::Error, qs(engine::msg::kQ2TooHigh)); return;
    case engine::table_a::Outcome::Selected: break;
    }
    const auto& cell = *selection.cell;
    m_DoText->setText(qs(cell.diameter));
    m_QText->setText(qs(cell.q));
    m_automaticQ = cell.flow();
    const auto mainQ = engine::parseNumber(ss(m_host.QText()));
    m_host.setDoQColor(mainQ && !engine::table_a::isOverwrite(*mainQ, m_automaticQ) ? QColor(Qt::black)
                                                                                   : colour::designerOverwrite());
    m_grid->markAutomatic(cell.index);
}

void Table6_221::dischargeButton_Click(int index)
{
    m_host.setGuidance(QStringLiteral("Click \"Click here to compute L\"."));
    const auto cell = engine::table_a::cellAt(index);
    if (!cell)
        return;
    if (float(cell->height) < m_host.minimumHeight()) {
        showMessage(this, Icon::Warning, qs(engine::msg::rowBelowMinimum(m_host.minimumHeight())));
        m_hText->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_DoText->setText(qs(cell->diameter));
    m_QText->setText(qs(cell->q));
    m_grid->cell(index)->setFocus(Qt::OtherFocusReason);
    m_grid->markClicked(index);

    // A row above H raises H to the row, whose own automatic choice then stands.
    const auto height = engine::parseNumber(ss(m_hText->text()));
    if (height && *height < cell->height)
        m_hText->setText(qs(cell->heightText()));

    const QString q = m_QText->text();
    const QString diameter = m_DoText->text();
    m_host.setQText(q);
    m_host.setDoText(diameter);
    const auto chosenQ = engine::parseNumber(ss(q));
    m_host.setDoQColor(chosenQ && !engine::table_a::isOverwrite(*chosenQ, m_automaticQ) ? colour::buttonText()
                                                                                       : colour::designerOverwrite());
}

}  // namespace ui
