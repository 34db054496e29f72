#ifndef UI_TABLE6_224_H
#define UI_TABLE6_224_H

// Table 6-22.4: emergency spillway channels by stage Hp and bottom width b.
// Every new Qes suggests the channel of the smallest capacity that carries
// it; the designer's click fills the channel's stage, bottom width, velocity
// and slope on this window and on the main window.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ui {

class DesignTableGrid;
class SpillwayHost;

class Table6_224 : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(Table6_224)
public:
    // The host's one channel table, created hidden on first use, when it
    // copies the main window's Qes. It lives as long as the host's window.
    static Table6_224& open(SpillwayHost& host);

    // The main window writes Qes & " cfs" here on every change of its Qes;
    // the suggestion reads the host's held Qes.
    QLineEdit* QesText() const { return m_QesText; }
    QLineEdit* stageText() const { return m_stageText; }
    QLineEdit* bottomWidthText() const { return m_bottomWidthText; }
    QLineEdit* velocityText() const { return m_velocityText; }
    QLineEdit* slopeText() const { return m_slopeText; }
    DesignTableGrid* grid() const { return m_grid; }

private:
    Table6_224(SpillwayHost& host, QWidget* parent);

    void QesText_Change();
    void emSpillWayButton_Click(int index);
    void FindEmergencySpillwayData();

    SpillwayHost& m_host;
    DesignTableGrid* m_grid = nullptr;
    QLineEdit* m_QesText = nullptr;
    QLineEdit* m_stageText = nullptr;
    QLineEdit* m_bottomWidthText = nullptr;
    QLineEdit* m_velocityText = nullptr;
    QLineEdit* m_slopeText = nullptr;
    QPushButton* m_closeButton = nullptr;
};

}  // namespace ui

#endif  // UI_TABLE6_224_H
