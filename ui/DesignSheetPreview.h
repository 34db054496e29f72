#ifndef UI_DESIGNSHEETPREVIEW_H
#define UI_DESIGNSHEETPREVIEW_H

// The design sheet's print preview: the sheets of one basin or of a whole
// table as they will print, with "Print..." (the platform's print dialog, or
// the offer of a PDF when no printer is installed), "Save as PDF..." (into the
// documents folder by default) and "Close". The default printer, the print
// dialog and the choice of a file go through the platform services.

#include "reports/DesignSheet.h"

#include <QIcon>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace ui {

class DesignSheetPreview : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(DesignSheetPreview)
public:
    // The sheets to show, the window's title and the file name a PDF is
    // offered under (without folder and suffix; characters a file name cannot
    // hold are replaced).
    DesignSheetPreview(QVector<reports::DesignSheet> sheets, const QString& title, const QString& pdfName,
                       QWidget* parent = nullptr);
    ~DesignSheetPreview() override;

    int sheetCount() const { return int(m_sheets.size()); }
    // The PDF's default path: the name in the documents folder.
    QString defaultPdfPath() const;
    QPrintPreviewWidget* preview() const { return m_preview; }

    // The design sheet's icon, on the toolbar and on this window.
    static QIcon icon();

private:
    void paintRequested(QPrinter* printer);
    void printButton_Click();
    void pdfButton_Click();

    QVector<reports::DesignSheet> m_sheets;
    reports::SheetFooter m_footer;
    QString m_pdfName;
    std::unique_ptr<QPrinter> m_previewPrinter;
    QPrintPreviewWidget* m_preview = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_pdfButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

}  // namespace ui

#endif  // UI_DESIGNSHEETPREVIEW_H
