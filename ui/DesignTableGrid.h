#ifndef UI_DESIGNTABLEGRID_H
#define UI_DESIGNTABLEGRID_H

// The grid of a design table: push-button cells addressed by cell index, each
// with its caption, tooltip and base colour, under column labels and beside
// row labels. The grid keeps the one colour mark of the table: the automatic
// choice in the cell's suggestion colour or the designer's click in light
// green; at most one cell is marked, every other cell shows its base colour.
// The three table windows use this one grid.

#include <QColor>
#include <QHash>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace ui {

// The colours of the design tables and of the main window's blue mark.
namespace colour {
QColor automaticChoice();     // green (0, 192, 0)
QColor designerChoice();      // light green (128, 255, 128)
QColor cautionSuggestion();   // teal (0, 128, 128)
QColor designerOverwrite();   // blue (0, 0, 255): a main-window value that is not the table's choice
QColor buttonFace();
QColor buttonText();
QColor windowText();
QColor light3D();             // the system 3-D light colour
QColor inactiveTitleBar();    // the system inactive-title-bar colour
}  // namespace colour

// A box of a spillway window that shows a value and takes no typing.
QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& text, int width = 64);
// An input box of a spillway window.
QLineEdit* makeInputBox(QWidget* parent, const QString& name, const QString& text, int width = 64);
// Runs handler when box loses the focus to another control of the program;
// switching to another application or opening a message box is not a loss.
void onLostFocus(QLineEdit* box, std::function<void()> handler);

// One cell: a push button sized to its caption.
class DesignTableCell : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY(DesignTableCell)
public:
    DesignTableCell(const QString& caption, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

class DesignTableGrid : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(DesignTableGrid)
public:
    enum class Mark { None, Automatic, Clicked };

    // cellName names the cells: cellName + "_" + index.
    DesignTableGrid(const QString& cellName, int rows, int columns, QWidget* parent = nullptr);

    // The heads: a header over the column labels, one beside the row labels.
    void setColumnHeader(const QString& header, const QStringList& labels);
    void setRowHeader(const QString& header, const QStringList& labels);

    // Adds the cell of an index at a row and column of the grid, in the button
    // face colour with the automatic-choice green as its suggestion colour.
    QPushButton* addCell(int index, int row, int column, const QString& caption, const QString& toolTip = {});
    void setCellColours(int index, const QColor& base, const QColor& suggestion);
    // Greys a row's cells and its label.
    void setRowEnabled(int row, bool enabled);

    QPushButton* cell(int index) const;
    QColor cellColour(int index) const;
    QLabel* rowLabel(int row) const;
    int cellCount() const { return int(m_cells.size()); }

    // The marked cell, or -1.
    int markedCell() const { return m_marked; }
    Mark mark() const { return m_mark; }
    // Marks a cell in its suggestion colour / in light green; the cell marked
    // before returns to its base colour.
    void markAutomatic(int index);
    void markClicked(int index);
    // Every cell back to its base colour.
    void clearMark();

signals:
    void cellClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        DesignTableCell* button = nullptr;
        int row = 0;
        int column = 0;
        QColor base;
        QColor suggestion;
    };
    void paint(const Cell& cell, const QColor& colour);
    void setMark(int index, Mark mark);
    void moveFocus(const Cell& from, int rowStep, int columnStep);

    QString m_cellName;
    int m_rows = 0;
    int m_columns = 0;
    QGridLayout* m_layout = nullptr;
    QHash<int, Cell> m_cells;
    QHash<QObject*, int> m_indexOf;
    QVector<QLabel*> m_rowLabels;
    int m_marked = -1;
    Mark m_mark = Mark::None;
};

}  // namespace ui

#endif  // UI_DESIGNTABLEGRID_H
