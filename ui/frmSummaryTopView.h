#ifndef UI_FRMSUMMARYTOPVIEW_H
#define UI_FRMSUMMARYTOPVIEW_H

// The top view of the summary: the basin in plan, with seven values copied
// from the side view when it is opened. It does not follow later changes.

#include "ui/SummarySketch.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace ui {

class frmSummaryTopView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmSummaryTopView)
public:
    explicit frmSummaryTopView(QWidget* parent = nullptr);

    // The value label named objectName ("lengthText", "widthText",
    // "extraDistText", "DsText", "DoText", "bText", "slopeText").
    void setValue(const QString& objectName, const QString& text);
    QString value(const QString& objectName) const;

signals:
    // "Side View": the summary window is to be shown again.
    void sideViewRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
        sketch::Place place;
    };
    void addLine(const QString& caption, const QString& valueName, sketch::Place place);

    void closeButton_Click();
    void sideViewButton_Click();

    QHash<QString, int> m_lineOfValue;
    QVector<Line> m_lines;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_sideViewButton = nullptr;
};

}  // namespace ui

#endif  // UI_FRMSUMMARYTOPVIEW_H
