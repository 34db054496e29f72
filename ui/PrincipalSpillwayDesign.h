#ifndef UI_PRINCIPALSPILLWAYDESIGN_H
#define UI_PRINCIPALSPILLWAYDESIGN_H

// Figure 6-22.3: the length L of the outlet pipe through the dam, from the
// dam's elevations, slopes and widths. L is recomputed on every change of a
// box and written into the main window; Zu is the basin's side slope.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ui {

class SpillwayHost;

class PrincipalSpillwayDesign : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(PrincipalSpillwayDesign)
public:
    // The host's one length window, created hidden on first use (the main
    // window loads it at start-up). It lives as long as the host's window.
    static PrincipalSpillwayDesign& open(SpillwayHost& host);

    QLineEdit* AText() const { return m_AText; }
    QLineEdit* BvText() const { return m_BvText; }
    QLineEdit* CText() const { return m_CText; }
    QLineEdit* ZuText() const { return m_ZuText; }
    QLineEdit* ZdText() const { return m_ZdText; }
    QLineEdit* TText() const { return m_TText; }
    QLineEdit* EText() const { return m_EText; }
    QLineEdit* prinSpilLenText() const { return m_prinSpilLenText; }
    QPushButton* closeButton() const { return m_closeButton; }

protected:
    // The title bar's close does what "Close" does.
    void closeEvent(QCloseEvent* event) override;

private:
    PrincipalSpillwayDesign(SpillwayHost& host, QWidget* parent);

    void AText_Change(const QString& text);
    void ZuText_Change(const QString& text);
    void BvText_LostFocus();
    // Hides the window when the geometry agrees with H; true when hidden.
    bool closeButton_Click();

    void computeLength();
    // H above A - B.
    bool heightAboveElevations() const;

    SpillwayHost& m_host;
    QLineEdit* m_AText = nullptr;
    QLineEdit* m_BvText = nullptr;
    QLineEdit* m_CText = nullptr;
    QLineEdit* m_ZuText = nullptr;
    QLineEdit* m_ZdText = nullptr;
    QLineEdit* m_TText = nullptr;
    QLineEdit* m_EText = nullptr;
    QLineEdit* m_prinSpilLenText = nullptr;
    QPushButton* m_closeButton = nullptr;
};

}  // namespace ui

#endif  // UI_PRINCIPALSPILLWAYDESIGN_H
