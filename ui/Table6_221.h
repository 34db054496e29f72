#ifndef UI_TABLE6_221_H
#define UI_TABLE6_221_H

// Table 6-22.1 (A): the outlet pipe diameter Do and its flow Q by H. The
// window chooses a pipe by itself whenever H or Q2 changes, shown or not, and
// the designer confirms or overwrites the choice by clicking a cell, which
// passes Do and Q to the main window.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ui {

class DesignTableGrid;
class SpillwayHost;

class Table6_221 : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(Table6_221)
public:
    // The host's one pipe table, created hidden on first use, when it runs its
    // start-up step. It lives as long as the host's window.
    static Table6_221& open(SpillwayHost& host);

    // The boxes the main window writes: H on every change of its H, Q2 on
    // every change of Q2 (which reruns the start-up step).
    QLineEdit* hText() const { return m_hText; }
    QLineEdit* Q2Text() const { return m_Q2Text; }
    QLineEdit* DoText() const { return m_DoText; }
    QLineEdit* QText() const { return m_QText; }
    DesignTableGrid* grid() const { return m_grid; }
    // The Q of the last automatic choice.
    double automaticQ() const { return m_automaticQ; }

    // Copies the main window's H and Q2 and chooses a pipe for them.
    void startUp();

private:
    Table6_221(SpillwayHost& host, QWidget* parent);

    void hText_Change(const QString& text);
    void hText_LostFocus();
    void Q2Text_Change();
    void dischargeButton_Click(int index);

    // The automatic choice for an H.
    void selectPipe(double height);

    SpillwayHost& m_host;
    DesignTableGrid* m_grid = nullptr;
    QLineEdit* m_hText = nullptr;
    QLineEdit* m_Q2Text = nullptr;
    QLineEdit* m_DoText = nullptr;
    QLineEdit* m_QText = nullptr;
    QPushButton* m_closeButton = nullptr;
    double m_automaticQ = 0;
};

}  // namespace ui

#endif  // UI_TABLE6_221_H
