#ifndef UI_FRMSPLASH_H
#define UI_FRMSPLASH_H

// The splash window that opens each run: version, title, a short wait with
// its "Loading" dots, then the main window.

#include <QWidget>

#include <functional>

class QLabel;

namespace ui {

class frmSplash : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmSplash)
public:
    // showMainWindow creates and shows the main window (its load sequence
    // runs inside) and gives the Project Number box the focus.
    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    // Shows the splash, waits about one second letting events run, then
    // shows the main window and closes the splash. Returns at once when a
    // key press has already done so.
    void run();

    // True once the main window has been started from here.
    bool mainWindowShown() const { return m_mainWindowShown; }
    // How long the last wait lasted, in seconds.
    double waitSeconds() const { return m_waitSeconds; }

    static constexpr double kWaitSeconds = 1.0;
    static constexpr double kDotInterval = 0.2;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMainWindowAndClose();

    std::function<void()> m_showMainWindow;
    QLabel* m_Label1 = nullptr;      // version
    QLabel* m_Label2 = nullptr;      // title
    QLabel* m_Label3 = nullptr;      // "Loading" and its dots
    QLabel* m_lblCompany = nullptr;  // credit line
    bool m_waitEnded = false;
    bool m_mainWindowShown = false;
    double m_waitSeconds = 0;
};

}  // namespace ui

#endif  // UI_FRMSPLASH_H
