#include "ui/frmSplash.h"

#include "ui/Presenter.h"
#include "ui/Version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <QVBoxLayout>

namespace ui {

namespace {

// The splash picture: a sediment basin in section, the pool behind the dam
// and the riser with its outlet pipe.
QPixmap basinPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(QColor(236, 241, 232));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    QPainterPath ground;
    ground.moveTo(0, h * 0.35);
    ground.lineTo(w * 0.18, h * 0.35);
    ground.lineTo(w * 0.32, h * 0.85);
    ground.lineTo(w * 0.62, h * 0.85);
    ground.lineTo(w * 0.72, h * 0.30);
    ground.lineTo(w * 0.80, h * 0.30);
    ground.lineTo(w * 0.95, h * 0.90);
    ground.lineTo(w, h * 0.90);
    ground.lineTo(w, h);
    ground.lineTo(0, h);
    ground.closeSubpath();
    QPainterPath pool;
    pool.moveTo(w * 0.235, h * 0.55);
    pool.lineTo(w * 0.685, h * 0.55);
    pool.lineTo(w * 0.62, h * 0.85);
    pool.lineTo(w * 0.32, h * 0.85);
    pool.closeSubpath();
    p.fillPath(pool, QColor(110, 150, 190));
    p.fillPath(ground, QColor(150, 120, 80));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawRect(QRectF(w * 0.56, h * 0.45, w * 0.03, h * 0.40));          // riser
    p.drawLine(QPointF(w * 0.59, h * 0.80), QPointF(w * 0.95, h * 0.88));  // outlet pipe
    return picture;
}

}  // namespace

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(applicationTitle());
    setFixedSize(420, 300);

    QFont garamond(QStringLiteral("Garamond"));
    garamond.setStyleHint(QFont::Serif);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);

    m_Label2 = new QLabel(applicationTitle(), this);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = garamond;
    titleFont.setPixelSize(40);
    titleFont.setBold(true);
    m_Label2->setFont(titleFont);
    m_Label2->setAlignment(Qt::AlignCenter);

    m_Label1 = new QLabel(QStringLiteral("Version ") + versionNumber(), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    QFont versionFont = garamond;
    versionFont.setPixelSize(18);
    m_Label1->setFont(versionFont);
    m_Label1->setAlignment(Qt::AlignCenter);

    auto* picture = new QLabel(this);
    picture->setPixmap(basinPicture(QSize(380, 120)));
    picture->setAlignment(Qt::AlignCenter);

    m_Label3 = new QLabel(QStringLiteral("Loading"), this);
    m_Label3->setObjectName(QStringLiteral("Label3"));
    QFont loadingFont = arial;
    loadingFont.setPixelSize(12);
    m_Label3->setFont(loadingFont);

    m_lblCompany = new QLabel(QStringLiteral("Highway Design Group, Erosion and Sediment Control, 2003"), this);
    m_lblCompany->setObjectName(QStringLiteral("lblCompany"));
    QFont creditFont = arial;
    creditFont.setPixelSize(10);
    m_lblCompany->setFont(creditFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addWidget(m_Label2);
    layout->addWidget(m_Label1);
    layout->addWidget(picture, 1);
    layout->addWidget(m_Label3);
    layout->addWidget(m_lblCompany);
}

void frmSplash::run()
{
    show();
    QElapsedTimer clock;
    clock.start();
    double dots = 0;
    // The wait lets pending events run on every pass: a click ends it, a key
    // press shows the main window at once.
    while (!m_waitEnded && clock.elapsed() < kWaitSeconds * 1000) {
        QApplication::processEvents(QEventLoop::AllEvents);
        if (m_waitEnded)
            break;
        if (clock.elapsed() > dots * 1000) {
            m_Label3->setText(m_Label3->text() + QLatin1Char('.'));
            dots += kDotInterval;
        }
        QThread::msleep(5);
    }
    m_waitSeconds = clock.elapsed() / 1000.0;
    m_waitEnded = true;
    showMainWindowAndClose();
}

void frmSplash::showMainWindowAndClose()
{
    if (!m_mainWindowShown) {
        m_mainWindowShown = true;
        m_showMainWindow();
    }
    close();
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    m_waitEnded = true;
    QWidget::mousePressEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    m_waitEnded = true;
    showMainWindowAndClose();
    event->accept();
}

}  // namespace ui
