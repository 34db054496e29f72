#ifndef UI_FRMSUMMARY_H
#define UI_FRMSUMMARY_H

// The summary window: the values of the basin being edited, each in a label
// named as the design windows address it and standing right after its
// caption. The windows of the design write into it whether or not it is
// shown; it computes nothing.

#include <QHash>
#include <QString>
#include <QWidget>

class QPushButton;

namespace ui {

class Caption;

class frmSummary : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmSummary)
public:
    explicit frmSummary(QWidget* parent = nullptr);

    // Sets the caption of the value label named objectName ("VsLabel",
    // "depthLabel_1", ...); an unknown name is ignored with a warning.
    void setLabel(const QString& objectName, const QString& caption);
    // The caption of that label; empty for an unknown name.
    QString label(const QString& objectName) const;

    // The window caption that names the project and basin being shown.
    void setSummaryCaption(const QString& projectNumber, const QString& basinNumber);

private:
    Caption* addValue(const QString& objectName, const QString& initial = QStringLiteral("0"));

    void Command1_Click();

    QHash<QString, Caption*> m_values;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_topViewButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

}  // namespace ui

#endif  // UI_FRMSUMMARY_H
