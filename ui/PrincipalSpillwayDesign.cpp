#include "ui/PrincipalSpillwayDesign.h"

#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/spillways.h"
#include "ui/DesignTableGrid.h"
#include "ui/Presenter.h"
#include "ui/SpillwayHost.h"
#include "ui/SummarySketch.h"
#include "ui/Text.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kWindowName = QStringLiteral("PrincipalSpillwayDesign");

// The cross-section of basin and dam, drawn on a 640 x 300 plane scaled to the widget.
class CrossSection : public QWidget {
public:
    explicit CrossSection(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("crossSection"));
        setMinimumSize(560, 262);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {640, 300}; }

protected:
    void paintEvent(QPaintEvent*) override;
};

// A dimension line with arrows at both ends and its label beside the middle.
void dimension(QPainter& painter, QPointF from, QPointF to, const QString& label, QPointF labelOffset)
{
    painter.drawLine(from, to);
    const QLineF line(from, to);
    for (const auto& [tip, angle] : {std::pair{from, line.angle()}, std::pair{to, line.angle() + 180}}) {
        QLineF wing1 = QLineF::fromPolar(7, angle + 25).translated(tip);
        QLineF wing2 = QLineF::fromPolar(7, angle - 25).translated(tip);
        painter.drawLine(tip, wing1.p2());
        painter.drawLine(tip, wing2.p2());
    }
    const QPointF middle = (from + to) / 2 + labelOffset;
    painter.drawText(QRectF(middle.x() - 40, middle.y() - 10, 80, 20), Qt::AlignCenter, label);
}

void pointLabel(QPainter& painter, QPointF at, const QString& name, QPointF offset = {4, -20})
{
    painter.save();
    painter.setBrush(Qt::black);
    painter.drawEllipse(at, 2.5, 2.5);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(at + offset, QSizeF(16, 18)), Qt::AlignCenter, name);
    painter.restore();
}

void CrossSection::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / 640.0, height() / 300.0);
    painter.translate((width() - 640 * scale) / 2, (height() - 300 * scale) / 2);
    painter.scale(scale, scale);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QPen outline(QColor(60, 60, 60), 1.5);

    // Ground and basin floor.
    const double floor = 236;
    const QPolygonF dam = {{200, floor}, {300, 56}, {370, 56}, {500, floor}};
    QPainterPath ground;
    ground.moveTo(10, 120);
    ground.lineTo(60, floor);
    ground.lineTo(630, floor);
    ground.lineTo(630, 290);
    ground.lineTo(10, 290);
    ground.closeSubpath();
    painter.fillPath(ground, QColor(222, 204, 170));
    painter.setPen(outline);
    painter.drawPolyline(QPolygonF{{10, 120}, {60, floor}, {630, floor}});

    // Pool: the storage Vs above the clean-out volume Vc.
    const double crest = 100, riserTop = 118, cleanOut = 190;
    const auto atLevel = [&](double level, double x0, double y0, double x1, double y1) {
        return x0 + (x1 - x0) * (level - y0) / (y1 - y0);
    };
    const double leftAtRiser = atLevel(riserTop, 10, 120, 60, floor);
    const double rightAtRiser = atLevel(riserTop, 200, floor, 300, 56);
    const double leftAtCleanOut = atLevel(cleanOut, 10, 120, 60, floor);
    const double rightAtCleanOut = atLevel(cleanOut, 200, floor, 300, 56);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 220, 245));
    painter.drawPolygon(QPolygonF{{leftAtRiser, riserTop}, {rightAtRiser, riserTop}, {rightAtCleanOut, cleanOut},
                                  {leftAtCleanOut, cleanOut}});
    painter.setBrush(QColor(150, 190, 225));
    painter.drawPolygon(QPolygonF{{leftAtCleanOut, cleanOut}, {rightAtCleanOut, cleanOut}, {200, floor}, {60, floor}});
    painter.setPen(Qt::black);
    painter.drawText(QRectF(50, 144, 60, 20), Qt::AlignCenter, QStringLiteral("Vs"));
    painter.drawText(QRectF(70, 200, 60, 20), Qt::AlignCenter, QStringLiteral("Vc"));

    // Dam.
    painter.setPen(outline);
    painter.setBrush(QColor(196, 170, 120));
    painter.drawPolygon(dam);

    // Riser and outlet pipe.
    const QPointF riserBase(150, 226), outlet(566, 246);
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(142, riserTop, 16, riserBase.y() - riserTop));
    QPainterPath pipe;
    pipe.moveTo(158, 218);
    pipe.lineTo(outlet.x(), outlet.y() - 8);
    pipe.lineTo(outlet.x(), outlet.y());
    pipe.lineTo(158, riserBase.y());
    pipe.closeSubpath();
    painter.drawPath(pipe);
    painter.setBrush(Qt::NoBrush);

    // Emergency spillway crest.
    QPen dashed(QColor(0, 90, 170), 1.2, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(QPointF(14, crest), QPointF(atLevel(crest, 200, floor, 300, 56), crest));
    painter.setPen(QColor(0, 90, 170));
    painter.drawText(QRectF(16, crest - 19, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Emergency spillway crest"));

    // Points and dimensions.
    painter.setPen(Qt::black);
    pointLabel(painter, {335, 56}, QStringLiteral("A"));
    pointLabel(painter, riserBase, QStringLiteral("B"), QPointF(-20, 2));
    pointLabel(painter, outlet, QStringLiteral("C"));
    dimension(painter, {300, 40}, {370, 40}, QStringLiteral("T"), {0, -12});
    dimension(painter, {500, 262}, {566, 262}, QStringLiteral("E"), {0, 13});
    dimension(painter, {150, 282}, {566, 282}, QStringLiteral("L"), {0, -11});
    painter.setPen(QPen(Qt::black, 0.8, Qt::DotLine));
    painter.drawLine(QPointF(500, floor), QPointF(500, 268));
    painter.drawLine(QPointF(566, outlet.y()), QPointF(566, 288));
    painter.drawLine(QPointF(150, riserBase.y()), QPointF(150, 288));

    // Slope marks on the dam's faces: one vertical to Z horizontal.
    painter.setPen(QPen(Qt::black, 1));
    const double markTop = 130, markBottom = 166;
    const double upperUp = atLevel(markTop, 200, floor, 300, 56), lowerUp = atLevel(markBottom, 200, floor, 300, 56);
    painter.drawPolyline(QPolygonF{{upperUp, markTop}, {lowerUp, markTop}, {lowerUp, markBottom}});
    painter.drawText(QRectF(lowerUp - 16, markTop, 14, markBottom - markTop), Qt::AlignCenter, QStringLiteral("1"));
    painter.drawText(QRectF(lowerUp - 14, markTop - 18, 34, 16), Qt::AlignCenter, QStringLiteral("Zu"));
    const double upperDown = atLevel(markTop, 500, floor, 370, 56), lowerDown = atLevel(markBottom, 500, floor, 370, 56);
    painter.drawPolyline(QPolygonF{{upperDown, markTop}, {lowerDown, markTop}, {lowerDown, markBottom}});
    painter.drawText(QRectF(lowerDown + 2, markTop, 14, markBottom - markTop), Qt::AlignCenter, QStringLiteral("1"));
    painter.drawText(QRectF(lowerDown - 20, markTop - 18, 34, 16), Qt::AlignCenter, QStringLiteral("Zd"));
    painter.drawText(QRectF(300, 120, 70, 20), Qt::AlignCenter, QStringLiteral("DAM"));
    painter.drawText(QRectF(92, riserTop + 2, 48, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Riser"));
}

QLabel* legend(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("legend"));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral(
        "<b>PRINCIPAL SPILLWAY DESIGN</b>"
        "<table cellspacing='2'>"
        "<tr><td><b>T</b></td><td>= Top width of the dam (ft)</td></tr>"
        "<tr><td><b>Zu</b></td><td>= Upstream side slope of the dam (horizontal per vertical)</td></tr>"
        "<tr><td><b>Zd</b></td><td>= Downstream side slope of the dam (horizontal per vertical)</td></tr>"
        "<tr><td><b>A</b></td><td>= Top of dam elevation (ft)</td></tr>"
        "<tr><td><b>B</b></td><td>= Lowest elevation of the pipe at the riser (ft)</td></tr>"
        "<tr><td><b>C</b></td><td>= Lowest elevation of the pipe at the outlet (ft)</td></tr>"
        "<tr><td><b>E</b></td><td>= Extended length of the pipe beyond the toe of the dam (ft)</td></tr>"
        "<tr><td><b>L</b></td><td>= Total length of the pipe (ft)</td></tr>"
        "</table>"
        "<p><b>L = [A - (B + C) / 2] [ Zu + Zd] + T + E</b></p>"
        "<p align='center'><i>Fig. 6-22.3</i></p>"));
    label->setFrameShape(QFrame::StyledPanel);
    label->setContentsMargins(8, 6, 8, 6);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    return label;
}

std::optional<float> singleOf(const QString& text) { return engine::parseSingle(ss(text)); }

}  // namespace

PrincipalSpillwayDesign& PrincipalSpillwayDesign::open(SpillwayHost& host)
{
    return spillwayWindow<PrincipalSpillwayDesign>(host, kWindowName,
                                                    [&host] { return new PrincipalSpillwayDesign(host, nullptr); });
}

PrincipalSpillwayDesign::PrincipalSpillwayDesign(SpillwayHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral("Fig 6-22.3"));

    const QString zero = QStringLiteral("0");
    m_AText = makeInputBox(this, QStringLiteral("AText"), zero, 72);
    m_BvText = makeInputBox(this, QStringLiteral("BvText"), zero, 72);
    m_CText = makeInputBox(this, QStringLiteral("CText"), zero, 72);
    m_ZuText = makeInputBox(this, QStringLiteral("ZuText"), QStringLiteral("2.5"), 72);
    m_ZdText = makeInputBox(this, QStringLiteral("ZdText"), QStringLiteral("2.5"), 72);
    m_TText = makeInputBox(this, QStringLiteral("TText"), zero, 72);
    m_EText = makeInputBox(this, QStringLiteral("EText"), zero, 72);
    m_prinSpilLenText = makeDisplayBox(this, QStringLiteral("prinSpilLenText"), zero, 96);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);

    auto* inputs = new QGridLayout;
    int row = 0;
    for (const auto& [caption, box] : {std::pair{"A=", m_AText}, {"B=", m_BvText}, {"C=", m_CText},
                                       {"Zu=", m_ZuText}, {"Zd=", m_ZdText}, {"T=", m_TText}, {"E=", m_EText}}) {
        auto* label = new QLabel(QLatin1String(caption), this);
        label->setBuddy(box);
        inputs->addWidget(label, row, 0, Qt::AlignRight);
        inputs->addWidget(box, row, 1);
        ++row;
    }
    auto* result = new QHBoxLayout;
    auto* lengthCaption = new QLabel(QStringLiteral("L = "), this);
    QFont bold = lengthCaption->font();
    bold.setBold(true);
    lengthCaption->setFont(bold);
    result->addWidget(lengthCaption);
    result->addWidget(m_prinSpilLenText);
    result->addWidget(new QLabel(QStringLiteral(" ft."), this));
    result->addStretch();

    auto* side = new QVBoxLayout;
    side->addLayout(inputs);
    side->addSpacing(12);
    side->addLayout(result);
    side->addStretch();
    side->addWidget(m_closeButton, 0, Qt::AlignRight);

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(new CrossSection(this), 1);
    pictures->addWidget(legend(this));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addSpacing(8);
    layout->addLayout(side);

    for (auto* box : {m_AText, m_BvText, m_CText, m_ZuText, m_ZdText, m_TText, m_EText})
        connect(box, &QLineEdit::textChanged, this, &PrincipalSpillwayDesign::computeLength);
    connect(m_AText, &QLineEdit::textChanged, this, &PrincipalSpillwayDesign::AText_Change);
    connect(m_ZuText, &QLineEdit::textChanged, this, &PrincipalSpillwayDesign::ZuText_Change);
    connect(m_closeButton, &QPushButton::clicked, this, &PrincipalSpillwayDesign::closeButton_Click);
    onLostFocus(m_BvText, [this] { BvText_LostFocus(); });
}

void PrincipalSpillwayDesign::computeLength()
{
    const auto length = engine::pipeLength({ss(m_AText->text()), ss(m_BvText->text()), ss(m_CText->text()),
                                            ss(m_ZuText->text()), ss(m_ZdText->text()), ss(m_TText->text()),
                                            ss(m_EText->text())});
    if (!length.ok) {
        showMessage(this, Icon::Error, qs(engine::msg::lengthConversionError(length.error)));
        return;
    }
    m_prinSpilLenText->setText(qs(length.text));
    m_host.setLText(qs(length.mainText));
}

void PrincipalSpillwayDesign::AText_Change(const QString& text)
{
    m_host.setSummaryLabel(QStringLiteral("damTopLabel"), sketch::labelCaption(QStringLiteral("damTopLabel"), text));
}

// Zu is the basin's side slope: the main window's slope follows, and its own
// change copies the slope back into Zu and Zd.
void PrincipalSpillwayDesign::ZuText_Change(const QString& text) { m_host.setSlopeVarText(text); }

bool PrincipalSpillwayDesign::heightAboveElevations() const
{
    const auto height = singleOf(m_host.hText());
    const auto a = engine::parseNumber(ss(m_AText->text()));
    const auto b = engine::parseNumber(ss(m_BvText->text()));
    return height && a && b && *height > float(*a - *b);
}

void PrincipalSpillwayDesign::BvText_LostFocus()
{
    if (m_host.closing())
        return;
    if (heightAboveElevations()) {
        showMessage(this, Icon::Warning, qs(engine::msg::kDistanceBA));
        m_AText->setFocus(Qt::OtherFocusReason);
    }
}

bool PrincipalSpillwayDesign::closeButton_Click()
{
    if (m_host.closing())
        return false;
    if (heightAboveElevations()) {
        showMessage(this, Icon::Warning, qs(engine::msg::kDistanceBA));
        return false;
    }
    const auto b = engine::parseNumber(ss(m_BvText->text()));
    const auto c = engine::parseNumber(ss(m_CText->text()));
    if (b && c && *c - *b > 0) {
        showMessage(this, Icon::Warning, qs(engine::msg::kCAboveB));
        return false;
    }
    hide();
    m_host.setGuidance(QStringLiteral("Once L is calculated, click \"Click here to compute Qps\"."));
    return true;
}

void PrincipalSpillwayDesign::closeEvent(QCloseEvent* event)
{
    // While the main window closes, the window goes without a check.
    if (m_host.closing()) {
        event->accept();
        return;
    }
    closeButton_Click();
    event->ignore();
}

}  // namespace ui
