#ifndef UI_TABLE6_221B_H
#define UI_TABLE6_221B_H

// Table 6-22.1 (B): the correction factor CF of the pipe flow by pipe length
// L and diameter Do. The window chooses a factor by itself whenever L, Q or
// Do changes, shown or not; the designer's click sets the main window's Qps.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ui {

class DesignTableGrid;
class SpillwayHost;

class Table6_221b : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(Table6_221b)
public:
    // The host's one correction table, created hidden on first use, when it
    // copies the main window's L, Q and Do. It lives as long as the host's window.
    static Table6_221b& open(SpillwayHost& host);

    // The boxes the main window writes on every change of its Do, L and Q.
    QLineEdit* DoText() const { return m_DoText; }
    QLineEdit* LText() const { return m_LText; }
    QLineEdit* QText() const { return m_QText; }
    QLineEdit* CFText() const { return m_CFText; }
    QLineEdit* QpsText() const { return m_QpsText; }
    DesignTableGrid* grid() const { return m_grid; }
    // Qps of the last automatic choice.
    double automaticQps() const { return m_automaticQps; }

private:
    Table6_221b(SpillwayHost& host, QWidget* parent);

    void CFText_Change();
    void dischargeButton_Click(int index);

    // The automatic choice for the L, Q and Do in force.
    void selectCorrection();
    void computeQps();
    // Blue when the main window's Qps is not the automatic one (to its two decimals).
    bool overwritten(double mainQps) const;

    SpillwayHost& m_host;
    DesignTableGrid* m_grid = nullptr;
    QLineEdit* m_DoText = nullptr;
    QLineEdit* m_LText = nullptr;
    QLineEdit* m_QText = nullptr;
    QLineEdit* m_CFText = nullptr;
    QLineEdit* m_QpsText = nullptr;
    QPushButton* m_closeButton = nullptr;
    double m_automaticQps = 0;
};

}  // namespace ui

#endif  // UI_TABLE6_221B_H
