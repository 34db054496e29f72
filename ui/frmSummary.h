#ifndef UI_FRMSUMMARY_H
#define UI_FRMSUMMARY_H

// The summary window: the basin being edited as a labelled side-view sketch.
// Every value stands in a label named as the design windows address it,
// right after its caption on the drawing. The windows of the design write
// into it whether or not it is shown; it computes nothing. It prints itself
// and opens the top view.

#include "ui/SummarySketch.h"

#include <QHash>
#include <QPointer>
#include <QPrinterInfo>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

class QLabel;
class QPainter;
class QPushButton;

namespace ui {

class Caption;
class frmSummaryTopView;

class frmSummary : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmSummary)
public:
    explicit frmSummary(QWidget* parent = nullptr);
    ~frmSummary() override;

    // Sets the caption of the value label named objectName ("VsLabel",
    // "depthLabel_1", ...); an unknown name is ignored with a warning.
    void setLabel(const QString& objectName, const QString& caption);
    // The caption of that label; empty for an unknown name.
    QString label(const QString& objectName) const;

    // The window caption that names the project and basin being shown.
    void setSummaryCaption(const QString& projectNumber, const QString& basinNumber);

    // The top view, while it is loaded; null before "Top View" and after its
    // "Close".
    frmSummaryTopView* topView() const;

    // Paints the printed sheet into page (device coordinates): the window as
    // it prints, without its buttons and with its caption across the top and
    // the application's title at the lower left, scaled to fit and framed.
    void paintSheet(QPainter& painter, const QRectF& page);

    // How "Print Me" finds the default printer (null: none installed) and
    // asks where to save the sheet as a PDF instead; replaced by tests.
    void setDefaultPrinterLookup(std::function<QPrinterInfo()> lookup) { m_defaultPrinter = std::move(lookup); }
    void setPdfFileChooser(std::function<QString(QWidget*)> chooser) { m_choosePdfFile = std::move(chooser); }

signals:
    // "Top View" created the top view (it is created anew after each "Close").
    void topViewCreated(QWidget* topView);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One text of the drawing: a printed caption, its value label, or both.
    struct Line {
        QLabel* caption = nullptr;
        Caption* value = nullptr;
        sketch::Place place;
    };
    Caption* addValue(const QString& objectName, const QString& caption, sketch::Place place,
                      const QString& initial = QStringLiteral("0"));
    QLabel* addCaption(const QString& text, sketch::Place place);
    void placeLines();
    void setPrinting(bool printing);

    void printButton_Click();
    void topViewButton_Click();
    void Command1_Click();
    void showFromTopView();

    QHash<QString, Caption*> m_values;
    QVector<Line> m_lines;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_topViewButton = nullptr;
    QPushButton* m_Command1 = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_appTitleLabel = nullptr;
    QPointer<frmSummaryTopView> m_topView;
    std::function<QPrinterInfo()> m_defaultPrinter;
    std::function<QString(QWidget*)> m_choosePdfFile;
};

}  // namespace ui

#endif  // UI_FRMSUMMARY_H
