#include "ui/DesignTableGrid.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>

namespace ui {

namespace colour {
QColor automaticChoice() { return QColor(0, 192, 0); }
QColor designerChoice() { return QColor(128, 255, 128); }
QColor cautionSuggestion() { return QColor(0, 128, 128); }
QColor designerOverwrite() { return QColor(0, 0, 255); }
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor buttonText() { return QApplication::palette().color(QPalette::ButtonText); }
QColor windowText() { return QApplication::palette().color(QPalette::WindowText); }
QColor light3D() { return QApplication::palette().color(QPalette::Midlight); }
// The desktop's default colour of an inactive window's title bar.
QColor inactiveTitleBar() { return QColor(191, 205, 219); }
}  // namespace colour

namespace {

// A header written bottom to top beside the row labels.
class VerticalHeader : public QWidget {
public:
    VerticalHeader(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {}
    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.height() + 6, metrics.horizontalAdvance(m_text) + 12};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, m_text);
    }

private:
    QString m_text;
};

// Black or white, whichever reads better on a background.
QColor textOn(const QColor& background)
{
    return background.lightnessF() < 0.45 ? QColor(Qt::white) : colour::buttonText();
}

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QLineEdit* box, std::function<void()> handler) : QObject(box), m_handler(std::move(handler))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

}  // namespace

QLineEdit* makeInputBox(QWidget* parent, const QString& name, const QString& text, int width)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFixedWidth(width);
    return box;
}

QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& text, int width)
{
    auto* box = makeInputBox(parent, name, text, width);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

void onLostFocus(QLineEdit* box, std::function<void()> handler) { new LostFocusFilter(box, std::move(handler)); }

DesignTableCell::DesignTableCell(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

QSize DesignTableCell::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {std::max(metrics.horizontalAdvance(text()) + 16, metrics.horizontalAdvance(QStringLiteral("0000")) + 12),
            metrics.height() + 10};
}

QSize DesignTableCell::minimumSizeHint() const { return sizeHint(); }

DesignTableGrid::DesignTableGrid(const QString& cellName, int rows, int columns, QWidget* parent)
    : QWidget(parent), m_cellName(cellName), m_rows(rows), m_columns(columns), m_layout(new QGridLayout(this)),
      m_rowLabels(rows, nullptr)
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setHorizontalSpacing(2);
    m_layout->setVerticalSpacing(2);
}

// Layout: header on grid row 0, column labels on row 1, cells from row 2;
// the row header in column 0, the row labels in column 1, cells from column 2.
void DesignTableGrid::setColumnHeader(const QString& header, const QStringList& labels)
{
    auto* head = new QLabel(header, this);
    head->setAlignment(Qt::AlignCenter);
    QFont bold = head->font();
    bold.setBold(true);
    head->setFont(bold);
    m_layout->addWidget(head, 0, 2, 1, m_columns);
    for (int column = 0; column < labels.size() && column < m_columns; ++column) {
        auto* label = new QLabel(labels.at(column), this);
        label->setAlignment(Qt::AlignCenter);
        m_layout->addWidget(label, 1, 2 + column);
    }
}

void DesignTableGrid::setRowHeader(const QString& header, const QStringList& labels)
{
    auto* head = new VerticalHeader(header, this);
    QFont bold = head->font();
    bold.setBold(true);
    head->setFont(bold);
    m_layout->addWidget(head, 2, 0, m_rows, 1);
    for (int row = 0; row < labels.size() && row < m_rows; ++row) {
        auto* label = new QLabel(labels.at(row), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 4, 0);
        m_layout->addWidget(label, 2 + row, 1);
        m_rowLabels[row] = label;
    }
}

QPushButton* DesignTableGrid::addCell(int index, int row, int column, const QString& caption, const QString& toolTip)
{
    Cell cell;
    cell.button = new DesignTableCell(caption, this);
    cell.button->setObjectName(m_cellName + QLatin1Char('_') + QString::number(index));
    cell.button->setToolTip(toolTip);
    cell.row = row;
    cell.column = column;
    cell.base = colour::buttonFace();
    cell.suggestion = colour::automaticChoice();
    cell.button->installEventFilter(this);
    m_layout->addWidget(cell.button, 2 + row, 2 + column);
    connect(cell.button, &QPushButton::clicked, this, [this, index] { emit cellClicked(index); });
    paint(cell, cell.base);
    m_cells.insert(index, cell);
    m_indexOf.insert(cell.button, index);
    return cell.button;
}

void DesignTableGrid::setCellColours(int index, const QColor& base, const QColor& suggestion)
{
    auto found = m_cells.find(index);
    if (found == m_cells.end())
        return;
    found->base = base;
    found->suggestion = suggestion;
    paint(*found, index == m_marked ? (m_mark == Mark::Automatic ? suggestion : colour::designerChoice()) : base);
}

void DesignTableGrid::setRowEnabled(int row, bool enabled)
{
    for (const Cell& cell : std::as_const(m_cells))
        if (cell.row == row)
            cell.button->setEnabled(enabled);
    if (row >= 0 && row < m_rows && m_rowLabels.at(row))
        m_rowLabels.at(row)->setEnabled(enabled);
}

QPushButton* DesignTableGrid::cell(int index) const
{
    const auto found = m_cells.constFind(index);
    return found == m_cells.constEnd() ? nullptr : found->button;
}

QColor DesignTableGrid::cellColour(int index) const
{
    const auto found = m_cells.constFind(index);
    return found == m_cells.constEnd() ? QColor() : found->button->palette().color(QPalette::Button);
}

QLabel* DesignTableGrid::rowLabel(int row) const
{
    return row >= 0 && row < m_rows ? m_rowLabels.at(row) : nullptr;
}

void DesignTableGrid::markAutomatic(int index) { setMark(index, Mark::Automatic); }

void DesignTableGrid::markClicked(int index) { setMark(index, Mark::Clicked); }

void DesignTableGrid::clearMark()
{
    if (m_marked >= 0)
        paint(m_cells.value(m_marked), m_cells.value(m_marked).base);
    m_marked = -1;
    m_mark = Mark::None;
}

void DesignTableGrid::setMark(int index, Mark mark)
{
    clearMark();
    const auto found = m_cells.constFind(index);
    if (found == m_cells.constEnd())
        return;
    paint(*found, mark == Mark::Automatic ? found->suggestion : colour::designerChoice());
    m_marked = index;
    m_mark = mark;
}

void DesignTableGrid::paint(const Cell& cell, const QColor& background)
{
    if (!cell.button)
        return;
    QPalette palette = cell.button->palette();
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Active, QPalette::ButtonText, textOn(background));
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, textOn(background));
    cell.button->setPalette(palette);
}

// The arrow keys move between the cells; space presses the cell in focus.
bool DesignTableGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto found = m_indexOf.constFind(watched);
        if (found != m_indexOf.constEnd()) {
            const Cell& cell = m_cells[*found];
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Left: moveFocus(cell, 0, -1); return true;
            case Qt::Key_Right: moveFocus(cell, 0, 1); return true;
            case Qt::Key_Up: moveFocus(cell, -1, 0); return true;
            case Qt::Key_Down: moveFocus(cell, 1, 0); return true;
            default: break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignTableGrid::moveFocus(const Cell& from, int rowStep, int columnStep)
{
    int row = from.row + rowStep;
    int column = from.column + columnStep;
    while (row >= 0 && row < m_rows && column >= 0 && column < m_columns) {
        for (const Cell& cell : std::as_const(m_cells)) {
            if (cell.row == row && cell.column == column && cell.button->isEnabled()) {
                cell.button->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        row += rowStep;
        column += columnStep;
    }
}

}  // namespace ui
