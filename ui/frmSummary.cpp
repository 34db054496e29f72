#include "ui/frmSummary.h"

#include "ui/Caption.h"
#include "ui/Presenter.h"
#include "ui/Text.h"
#include "ui/frmSummaryTopView.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QtDebug>

#include <memory>

namespace ui {

namespace {

using sketch::Anchor;
using sketch::Place;

const QString kInitialTitle = QStringLiteral("Sediment Basin Summary Viewer Window");

// Values are set off from the printed captions by their colour.
const QColor kValueColour(0, 0, 128);

// The values the top view takes from the side view when it is opened:
// top-view label, side-view label.
const std::pair<const char*, const char*> kTopViewCopies[] = {
    {"lengthText", "bottomLLabel"}, {"widthText", "bottomWLabel"}, {"extraDistText", "slopeDisLabel_0"},
    {"DsText", "DsLabel"},          {"DoText", "DoLabel"},         {"bText", "bLabel"},
    {"slopeText", "slopeLabel"},
};

QString askPdfFile(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Summary as PDF"),
                                        QDir::home().filePath(QStringLiteral("Sediment basin summary.pdf")),
                                        QStringLiteral("PDF files (*.pdf)"));
}

Place at(double x, double y, Anchor anchor = Anchor::Left) { return Place{QPointF(x, y), anchor}; }

}  // namespace

frmSummary::frmSummary(QWidget* parent)
    : QWidget(parent, Qt::Window), m_defaultPrinter(&QPrinterInfo::defaultPrinter), m_choosePdfFile(askPdfFile)
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

    using namespace sketch::side;
    // The fixed column of the upper left: area and flows.
    const double joint = 89;
    addValue(QStringLiteral("areaLabel"), QStringLiteral("Area (acres) ="), at(joint, 8, Anchor::Joint));
    addValue(QStringLiteral("Q2Label"), QStringLiteral("Q2="), at(joint, 23, Anchor::Joint));
    addValue(QStringLiteral("Q25Label"), QStringLiteral("Q25="), at(joint, 38, Anchor::Joint));
    addValue(QStringLiteral("QpsLabel"), QStringLiteral("Qps="), at(joint, 53, Anchor::Joint));
    addValue(QStringLiteral("QesLabel"), QStringLiteral("Qes="), at(joint, 68, Anchor::Joint));

    // The inflow bank: the volumes at its levels, its height, run and slope.
    addValue(QStringLiteral("VsLabel"), QStringLiteral("Vs ="), at(4, kFull - 15));
    addValue(QStringLiteral("VcLabel"), QStringLiteral("Vc ="), at(104, kCleanOut - 15));
    addValue(QStringLiteral("depthLabel_0"), QString(), at(36, 194, Anchor::Right));
    addValue(QStringLiteral("slopeDisLabel_0"), QString(), at(100, 258, Anchor::Centre));
    addValue(QStringLiteral("slopeVarLabel"), QString(), at(82, 199, Anchor::Centre), QStringLiteral("2.5"));
    addCaption(QStringLiteral("1"), at(65, 176, Anchor::Right));

    // The pool: depth and bottom.
    addValue(QStringLiteral("depthLabel_1"), QStringLiteral("Basin Depth ="), at(100, 166));
    addValue(QStringLiteral("bottomWLabel"), QStringLiteral("Bottom Width ="), at(148, 206));
    addValue(QStringLiteral("bottomLLabel"), QStringLiteral("Bottom Length ="), at(148, 223));

    // Riser, head over it, H and the outlet pipe.
    addValue(QStringLiteral("DsLabel"), QStringLiteral("Ds ="), at(kRiserLeft - 4, 166, Anchor::Right));
    addValue(QStringLiteral("hText"), QString(), at((kRiserLeft + kRiserRight) / 2, kCrest + 6, Anchor::Centre));
    addValue(QStringLiteral("HLabel"), QStringLiteral("H="), at(435, 210, Anchor::Right));
    addValue(QStringLiteral("LLabel"), QStringLiteral("L ="), at(470, 250));
    addValue(QStringLiteral("DoLabel"), QStringLiteral("Do ="), at(622, 218));

    // The dam: its top, the crest of the emergency spillway, the outer slope.
    addValue(QStringLiteral("damTopLabel"), QStringLiteral("A="), at(510, kDamTop - 15));
    addCaption(QStringLiteral("Emergency Spillway Crest Elevation"), at(688, 78, Anchor::Right));
    addValue(QStringLiteral("slopeLabel"), QStringLiteral("S="), at(598, 170));

    // The inset: the emergency spillway's cross-section.
    addCaption(QStringLiteral("Emmergency Spillway Cross Section"), at(300, 34, Anchor::Centre));
    addCaption(QStringLiteral("Freeboard(1ft. min)"), at(404, kInsetGround + 1));
    addValue(QStringLiteral("HpLabel"), QStringLiteral("Hp"), at(404, 83));
    addValue(QStringLiteral("bLabel"), QStringLiteral("b ="), at((kInsetSlopeToe.x() + 342) / 2, kInsetBottom + 4,
                                                              Anchor::Centre));
    addCaption(QStringLiteral("1"), at(229, 69, Anchor::Right));
    addValue(QStringLiteral("Label5"), QString(), at(243, 89, Anchor::Centre), QStringLiteral("2.5"));
    addValue(QStringLiteral("slopeDisLabel_1"), QString(), at(243, 103, Anchor::Centre));

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
    for (const auto& [topName, sideName] : kTopViewCopies)
        m_topView->setValue(QLatin1String(topName), label(QLatin1String(sideName)));
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
