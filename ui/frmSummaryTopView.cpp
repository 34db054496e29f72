#include "ui/frmSummaryTopView.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtDebug>

namespace ui {

namespace {

const QColor kValueColour(0, 0, 128);

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

    for (const sketch::Text& text : sketch::topViewTexts())
        addLine(text.caption, text.value, text.place);

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
