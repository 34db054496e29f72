#include "ui/DesignSheetPreview.h"

#include "engine/messages.h"
#include "reports/FileNames.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/Version.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DesignSheetPreview::DesignSheetPreview(QVector<reports::DesignSheet> sheets, const QString& title,
                                       const QString& pdfName, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_sheets(std::move(sheets)),
      m_footer{applicationTitle() + QLatin1Char(' ') + versionNumber(), services().today()},
      m_pdfName(reports::fileNameOf(pdfName, QStringLiteral("Design sheet"))),
      m_previewPrinter(std::make_unique<QPrinter>(QPrinter::ScreenResolution))
{
    setObjectName(QStringLiteral("DesignSheetPreview"));
    setWindowTitle(title);
    setWindowIcon(icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(1000, 780);

    m_previewPrinter->setPageLayout(reports::defaultPageLayout());
    m_preview = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_preview->setObjectName(QStringLiteral("sheetPreview"));
    m_printButton = makeButton(this, "printButton", "Print...");
    m_pdfButton = makeButton(this, "pdfButton", "Save as PDF...");
    auto* zoomIn = makeButton(this, "zoomInButton", "Zoom In");
    auto* zoomOut = makeButton(this, "zoomOutButton", "Zoom Out");
    m_closeButton = makeButton(this, "closeButton", "Close");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_pdfButton);
    buttons->addSpacing(16);
    buttons->addWidget(zoomOut);
    buttons->addWidget(zoomIn);
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_preview, 1);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &DesignSheetPreview::paintRequested);
    connect(m_printButton, &QPushButton::clicked, this, &DesignSheetPreview::printButton_Click);
    connect(m_pdfButton, &QPushButton::clicked, this, &DesignSheetPreview::pdfButton_Click);
    connect(zoomIn, &QPushButton::clicked, m_preview, [this] { m_preview->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, m_preview, [this] { m_preview->zoomOut(); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    m_preview->fitToWidth();
}

DesignSheetPreview::~DesignSheetPreview() = default;

QString DesignSheetPreview::defaultPdfPath() const
{
    return QDir(services().documentsFolder()).filePath(m_pdfName + QStringLiteral(".pdf"));
}

void DesignSheetPreview::paintRequested(QPrinter* printer)
{
    QPainter painter(printer);
    reports::paintSheets(painter, *printer, m_sheets, m_footer);
}

void DesignSheetPreview::printButton_Click()
{
    const QPrinterInfo installed = services().defaultPrinter();
    if (installed.isNull()) {
        if (askOkCancel(this, Icon::Information, applicationTitle(), qs(engine::msg::kNoPrinterForSheet)))
            pdfButton_Click();
        return;
    }
    // The printer's own paper, turned to the sheet's orientation.
    QPrinter printer(installed, QPrinter::HighResolution);
    const QPageLayout sheet = reports::defaultPageLayout();
    printer.setPageOrientation(sheet.orientation());
    printer.setPageMargins(sheet.margins(), sheet.units());
    printer.setDocName(windowTitle());
    if (!services().choosePrinter(printer, this))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(this, Icon::Exclamation, qs(engine::msg::kSheetNotPrinted));
        return;
    }
    reports::paintSheets(painter, printer, m_sheets, m_footer);
    painter.end();
}

void DesignSheetPreview::pdfButton_Click()
{
    QString path = services().chooseSaveFile(this, QStringLiteral("Save Design Sheet as PDF"), defaultPdfPath(),
                                             QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const QString shown = QDir::toNativeSeparators(path);
    const store::Status written = reports::writeSheetsPdf(path, m_sheets, m_footer);
    if (!written)
        showMessage(this, Icon::Exclamation, qs(engine::msg::kSheetNotSaved, {shown, written.failure().description}));
    else
        showMessage(this, Icon::Information, qs(engine::msg::sheetSaved(ss(shown), sheetCount())));
}

// A sheet of paper with its corner turned down, lines of text, and a basin
// in section.
QIcon DesignSheetPreview::icon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        QPainterPath page;
        page.moveTo(6, 2);
        page.lineTo(21, 2);
        page.lineTo(27, 8);
        page.lineTo(27, 30);
        page.lineTo(6, 30);
        page.closeSubpath();
        painter.setPen(QPen(QColor(60, 60, 60), 1.4));
        painter.setBrush(Qt::white);
        painter.drawPath(page);
        painter.drawPolyline(QPolygonF({QPointF(21, 2), QPointF(21, 8), QPointF(27, 8)}));
        painter.setPen(QPen(QColor(90, 90, 90), 1.6));
        for (const int y : {10, 14})
            painter.drawLine(QPointF(10, y), QPointF(22, y));
        // The basin: a trapezoid with its pool.
        const QPolygonF basin({QPointF(9, 19), QPointF(13, 26), QPointF(20, 26), QPointF(24, 19)});
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(120, 170, 230));
        painter.drawPolygon(QPolygonF({QPointF(10.7, 22), QPointF(13, 26), QPointF(20, 26), QPointF(22.3, 22)}));
        painter.setPen(QPen(QColor(40, 40, 40), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(basin);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ui
