#include "ui/frmSummaryTopView.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtDebug>

namespace ui {

namespace {

using sketch::Anchor;
using sketch::Place;

const QColor kValueColour(0, 0, 128);

Place at(double x, double y, Anchor anchor = Anchor::Left) { return Place{QPointF(x, y), anchor}; }

}  // namespace

frmSummaryTopView::frmSummaryTopView(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSummaryTopView"));
    setWindowTitle(QStringLiteral("Sediment Basin Top View Sketch"));
    setFixedSize(sketch::top::kSize);
    // "Close" unloads the window; closing it never ends the program.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont sketchFont = font();
    sketchFont.setPointSize(8);
    setFont(sketchFont);

    m_sideViewButton = new QPushButton(QStringLiteral("&Side View"), this);
    m_sideViewButton->setObjectName(QStringLiteral("sideViewButton"));
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    int buttonRight = width() - 8;
    for (QPushButton* button : {m_closeButton, m_sideViewButton}) {
        const QSize size(qMax(button->sizeHint().width(), 84), button->sizeHint().height());
        button->setGeometry(QRect(QPoint(buttonRight - size.width(), 8), size));
        buttonRight -= size.width() + 6;
    }

    using namespace sketch::top;
    addLine(QStringLiteral("Inflow"), QString(), at(6, 14));
    addLine(QString(), QStringLiteral("extraDistText"), at((kCrestInnerLeft + kBottomLeft) / 2, 214, Anchor::Centre));
    addLine(QStringLiteral("Bottom Length ="), QStringLiteral("lengthText"),
            at((kBottomLeft + kBottomRight) / 2, 180, Anchor::Centre));
    addLine(QStringLiteral("Bottom Width ="), QStringLiteral("widthText"), at(156, 224));
    addLine(QString(), QStringLiteral("DsText"), at(kRiser.x(), kRiser.y() - kRiserRadius - 16, Anchor::Centre));
    addLine(QString(), QStringLiteral("DoText"), at(kOutlet.x() + 6, kOutlet.y() - 6));
    addLine(QStringLiteral("Level Control Section"), QString(), at((kLevelFrom + kLevelTo) / 2, 80, Anchor::Centre));
    addLine(QStringLiteral("20 ft. min"), QString(), at((kLevelFrom + kLevelTo) / 2, 154, Anchor::Centre));
    addLine(QString(), QStringLiteral("bText"), at(554, 113));
    addLine(QString(), QStringLiteral("slopeText"), at(kChannelEnd + 6, 113));

    connect(m_closeButton, &QPushButton::clicked, this, &frmSummaryTopView::closeButton_Click);
    connect(m_sideViewButton, &QPushButton::clicked, this, &frmSummaryTopView::sideViewButton_Click);
}

void frmSummaryTopView::addLine(const QString& caption, const QString& valueName, sketch::Place place)
{
    Line line{nullptr, nullptr, place};
    if (!caption.isEmpty())
        line.caption = new QLabel(caption, this);
    if (!valueName.isEmpty()) {
        line.value = new QLabel(QStringLiteral("0"), this);
        line.value->setObjectName(valueName);
        line.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QPalette palette = line.value->palette();
        palette.setColor(QPalette::WindowText, kValueColour);
        line.value->setPalette(palette);
        if (line.caption)
            line.caption->setBuddy(line.value);
        m_lineOfValue.insert(valueName, m_lines.size());
    }
    sketch::placeLine(line.caption, line.value, line.place);
    m_lines.push_back(line);
}

void frmSummaryTopView::setValue(const QString& objectName, const QString& text)
{
    const auto found = m_lineOfValue.constFind(objectName);
    if (found == m_lineOfValue.constEnd()) {
        qWarning("frmSummaryTopView: no value label named %s", qPrintable(objectName));
        return;
    }
    const Line& line = m_lines.at(*found);
    line.value->setText(text);
    sketch::placeLine(line.caption, line.value, line.place);
}

QString frmSummaryTopView::value(const QString& objectName) const
{
    const auto found = m_lineOfValue.constFind(objectName);
    return found == m_lineOfValue.constEnd() ? QString() : m_lines.at(*found).value->text();
}

void frmSummaryTopView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    sketch::paint(painter, sketch::topView());
}

void frmSummaryTopView::closeButton_Click() { close(); }

void frmSummaryTopView::sideViewButton_Click()
{
    hide();
    emit sideViewRequested();
}

}  // namespace ui
