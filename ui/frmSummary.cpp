#include "ui/frmSummary.h"

#include "ui/Caption.h"
#include "ui/Presenter.h"
#include "ui/Text.h"
#include "ui/Services.h"
#include "ui/frmSummaryTopView.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QtDebug>

#include <memory>

namespace ui {

namespace {

const QString kInitialTitle = QStringLiteral("Sediment Basin Summary Viewer Window");

// Values are set off from the printed captions by their colour.
const QColor kValueColour(0, 0, 128);

QString askPdfFile(QWidget* parent)
{
    return services().chooseSaveFile(parent, QStringLiteral("Save Summary as PDF"),
                                     QDir::home().filePath(QStringLiteral("Sediment basin summary.pdf")),
                                     QStringLiteral("PDF files (*.pdf)"));
}

QPrinterInfo defaultPrinter() { return services().defaultPrinter(); }

}  // namespace

frmSummary::frmSummary(QWidget* parent)
    : QWidget(parent, Qt::Window), m_defaultPrinter(defaultPrinter), m_choosePdfFile(askPdfFile)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(kInitialTitle);
    setFixedSize(sketch::side::kSize);
    // Closing the summary never ends the program; the main window does that.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont sketchFont = font();
    sketchFont.setPointSize(8);
    setFont(sketchFont);

    // The buttons in a row across the top.
    m_printButton = new QPushButton(QStringLiteral("&Print Me"), this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_topViewButton = new QPushButton(QStringLiteral("&Top View"), this);
    m_topViewButton->setObjectName(QStringLiteral("topViewButton"));
    m_Command1 = new QPushButton(QStringLiteral("&Close Window"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    int buttonLeft = 190;
    for (QPushButton* button : {m_printButton, m_topViewButton, m_Command1}) {
        const QSize size(qMax(button->sizeHint().width(), 84), button->sizeHint().height());
        button->setGeometry(QRect(QPoint(buttonLeft, 4), size));
        buttonLeft += size.width() + 6;
    }

    // The texts of the side view: captions and value labels at their places.
    for (const sketch::Text& text : sketch::sideViewTexts()) {
        if (text.value.isEmpty())
            addCaption(text.caption, text.place);
        else
            addValue(text.value, text.caption, text.place, text.initial);
    }

    // The print labels, shown only while the window is printed.
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = font();
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setGeometry(190, 2, width() - 196, 28);
    m_titleLabel->hide();
    m_appTitleLabel = new QLabel(this);
    m_appTitleLabel->setObjectName(QStringLiteral("appTitleLabel"));
    QFont garamond(QStringLiteral("Garamond"), 12);
    garamond.setStyleHint(QFont::Serif);
    garamond.setItalic(true);
    m_appTitleLabel->setFont(garamond);
    m_appTitleLabel->move(6, 268);
    m_appTitleLabel->hide();

    placeLines();

    connect(m_printButton, &QPushButton::clicked, this, &frmSummary::printButton_Click);
    connect(m_topViewButton, &QPushButton::clicked, this, &frmSummary::topViewButton_Click);
    connect(m_Command1, &QPushButton::clicked, this, &frmSummary::Command1_Click);
}

frmSummary::~frmSummary()
{
    // The top view goes with the summary; the main window, which unloads it
    // in its own turn, gets there first when it closes.
    if (m_topView)
        m_topView->deleteLater();
}

Caption* frmSummary::addValue(const QString& objectName, const QString& caption, sketch::Place place,
                              const QString& initial)
{
    auto* value = new Caption(initial, this);
    value->setObjectName(objectName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = value->palette();
    palette.setColor(QPalette::WindowText, kValueColour);
    value->setPalette(palette);
    m_values.insert(objectName, value);

    QLabel* front = caption.isEmpty() ? nullptr : new QLabel(caption, this);
    if (front)
        front->setBuddy(value);
    m_lines.push_back({front, value, place});
    // A longer or shorter value moves the texts anchored at its end.
    connect(value, &Caption::captionChanged, this, [this, line = m_lines.size() - 1] {
        const Line& l = m_lines.at(line);
        sketch::placeLine(l.caption, l.value, l.place);
    });
    return value;
}

QLabel* frmSummary::addCaption(const QString& text, sketch::Place place)
{
    auto* caption = new QLabel(text, this);
    m_lines.push_back({caption, nullptr, place});
    return caption;
}

void frmSummary::placeLines()
{
    for (const Line& line : m_lines)
        sketch::placeLine(line.caption, line.value, line.place);
}

void frmSummary::setLabel(const QString& objectName, const QString& caption)
{
    Caption* value = m_values.value(objectName);
    if (!value) {
        qWarning("frmSummary: no value label named %s", qPrintable(objectName));
        return;
    }
    value->setCaption(caption);
}

QString frmSummary::label(const QString& objectName) const
{
    const Caption* value = m_values.value(objectName);
    return value ? value->text() : QString();
}

void frmSummary::setSummaryCaption(const QString& projectNumber, const QString& basinNumber)
{
    setWindowTitle(QStringLiteral("Project Number: ") + projectNumber + QStringLiteral(" - Basin Number: ") + basinNumber);
}

void frmSummary::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    sketch::paint(painter, sketch::sideView());
}

// The frame's close button hides the window like "Close Window": the values
// stay, and the main window and the basin being edited are not touched.
void frmSummary::closeEvent(QCloseEvent* event)
{
    Command1_Click();
    event->accept();
}

void frmSummary::setPrinting(bool printing)
{
    if (printing) {
        m_titleLabel->setText(windowTitle());
        m_appTitleLabel->setText(applicationTitle());
        m_appTitleLabel->adjustSize();
    }
    for (QPushButton* button : {m_printButton, m_topViewButton, m_Command1})
        button->setVisible(!printing);
    m_titleLabel->setVisible(printing);
    m_appTitleLabel->setVisible(printing);
}

void frmSummary::paintSheet(QPainter& painter, const QRectF& page)
{
    setPrinting(true);
    const double scale = qMin(page.width() / width(), page.height() / height());
    painter.save();
    painter.translate(page.left() + (page.width() - scale * width()) / 2, page.top());
    painter.scale(scale, scale);
    // The drawing and every text shown on it, painted straight onto the
    // device so that the page keeps the device's resolution; the buttons are
    // hidden and not painted.
    sketch::paint(painter, sketch::sideView());
    const double pointsPerPoint = double(logicalDpiY()) / painter.device()->logicalDpiY();
    for (const QLabel* text : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!text->isVisibleTo(this))
            continue;
        QFont font = text->font();
        font.setPointSizeF(font.pointSizeF() * pointsPerPoint);
        painter.setFont(font);
        painter.setPen(text->palette().color(QPalette::WindowText));
        painter.drawText(text->geometry(), int(text->alignment()), text->text());
    }
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    painter.restore();
    setPrinting(false);
}

void frmSummary::printButton_Click()
{
    const QPrinterInfo installed = m_defaultPrinter ? m_defaultPrinter() : QPrinterInfo();
    std::unique_ptr<QPrinter> printer;
    if (!installed.isNull()) {
        printer = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
    } else {
        if (!askOkCancel(this, Icon::Information, applicationTitle(), qs(engine::msg::kAskSummaryPdf)))
            return;
        const QString file = m_choosePdfFile ? m_choosePdfFile(this) : QString();
        if (file.isEmpty())
            return;
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
    }
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(windowTitle());
    QPainter painter;
    if (!painter.begin(printer.get())) {
        showMessage(this, Icon::Exclamation,
                    printer->outputFileName().isEmpty()
                        ? qs(engine::msg::kSummaryNotPrinted)
                        : qs(engine::msg::kSummaryNotSaved, {printer->outputFileName()}));
        return;
    }
    paintSheet(painter, QRectF(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size()));
    painter.end();
}

void frmSummary::topViewButton_Click()
{
    hide();
    if (!m_topView) {
        m_topView = new frmSummaryTopView(nullptr);
        m_topView->move(pos());
        connect(m_topView, &frmSummaryTopView::sideViewRequested, this, &frmSummary::showFromTopView);
        emit topViewCreated(m_topView);
    }
    // The values the top view takes from the side view when it is opened.
    for (const sketch::Text& text : sketch::topViewTexts())
        if (!text.copiedFrom.isEmpty())
            m_topView->setValue(text.value, label(text.copiedFrom));
    m_topView->show();
    m_topView->raise();
}

frmSummaryTopView* frmSummary::topView() const { return m_topView; }

void frmSummary::showFromTopView()
{
    show();
    raise();
}

void frmSummary::Command1_Click() { hide(); }

}  // namespace ui
