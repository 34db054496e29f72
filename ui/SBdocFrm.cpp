#include "ui/SBdocFrm.h"

#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

// The viewer's built-in first picture lives in the library's resources.
static void initManualPictures() { Q_INIT_RESOURCE(manual_pictures); }

namespace ui {

namespace {

constexpr int kStartWidth = 9750;    // twips: the page images are 620 pixels wide
constexpr int kStartHeight = 10500;
constexpr int kScrollBarThickness = 255;
constexpr int kButtonWidth = 495;
constexpr int kButtonHeight = 375;
const char* const kBuiltInPicture = ":/manual/manual_title.gif";

QFont garamond(QFont base)
{
    base.setFamilies({QStringLiteral("Garamond"), QStringLiteral("EB Garamond"), QStringLiteral("DejaVu Serif"),
                      QStringLiteral("serif")});
    return base;
}

}  // namespace

SBdocFrm::Layout SBdocFrm::layoutFor(int heightTwips, int widthTwips)
{
    const int hw = heightTwips;
    const int ww = widthTwips;
    return Layout{hw - 1500, ww - 380, hw - 1500, ww - 400, hw - 1500, ww - 400, hw - 1200, hw - 1100, hw - 1300};
}

SBdocFrm::SBdocFrm(QWidget* parent)
    : QWidget(parent, Qt::Window), m_docsFolder(QDir(programFolder()).filePath(QStringLiteral("docs")))
{
    initManualPictures();
    setObjectName(QStringLiteral("SBdocFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Excerpt from Manual for Erosion and Sediment Control in Arvenna"));

    m_Frame1 = new QFrame(this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setFrameShape(QFrame::NoFrame);
    m_Frame1->setAutoFillBackground(true);
    m_Frame1->move(0, 0);

    m_Image1 = new QLabel(m_Frame1);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setPixmap(QPixmap(QString::fromLatin1(kBuiltInPicture)));
    m_Image1->adjustSize();

    m_VScroll1 = new QScrollBar(Qt::Vertical, this);
    m_VScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_VScroll1->setRange(0, 70);
    m_VScroll1->setPageStep(10);
    m_VScroll1->setSingleStep(2);
    connect(m_VScroll1, &QScrollBar::valueChanged, this, &SBdocFrm::VScroll1_Change);

    m_HScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_HScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_HScroll1->setRange(0, 50);
    m_HScroll1->setPageStep(10);
    m_HScroll1->setSingleStep(2);
    connect(m_HScroll1, &QScrollBar::valueChanged, this, &SBdocFrm::HScroll1_Change);

    m_prevButton = new QPushButton(QStringLiteral("<"), this);
    m_prevButton->setObjectName(QStringLiteral("prevButton"));
    m_prevButton->setFont(garamond(m_prevButton->font()));
    m_prevButton->setToolTip(QStringLiteral("Previous page"));
    connect(m_prevButton, &QPushButton::clicked, this, &SBdocFrm::prevButton_Click);

    m_nextButton = new QPushButton(QStringLiteral(">"), this);
    m_nextButton->setObjectName(QStringLiteral("nextButton"));
    m_nextButton->setFont(garamond(m_nextButton->font()));
    m_nextButton->setToolTip(QStringLiteral("Next page"));
    connect(m_nextButton, &QPushButton::clicked, this, &SBdocFrm::nextButton_Click);

    m_pageLabel = new QLabel(QStringLiteral("Excerpt from the Manual "), this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setFont(garamond(m_pageLabel->font()));

    m_Label1 = new QLabel(QStringLiteral("Note: Not all computations used in this program follow the guidelines as "
                                         "specified by Orlem. Some calculations were based on Zelt's own specifications."),
                          this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setWordWrap(true);
    m_Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Fixed places; the resize rule moves them from here.
    m_HScroll1->setGeometry(0, 0, 0, px(kScrollBarThickness));
    m_VScroll1->setGeometry(0, 0, px(kScrollBarThickness), 0);
    m_prevButton->setGeometry(px(120), 0, px(kButtonWidth), px(kButtonHeight));
    m_nextButton->setGeometry(px(720), 0, px(kButtonWidth), px(kButtonHeight));
    m_pageLabel->setGeometry(px(1320), 0, px(2460), px(300));
    m_Label1->setGeometry(px(3840), 0, 0, px(1200));

    resize(px(kStartWidth), px(kStartHeight));
}

QString SBdocFrm::pageFile(int page) const
{
    return QDir(m_docsFolder).filePath(QStringLiteral("page%1.gif").arg(page));
}

void SBdocFrm::nextButton_Click()
{
    m_VScroll1->setValue(0);
    m_HScroll1->setValue(0);
    m_prevButton->setEnabled(true);
    ++m_page;
    if (m_page > kLastPage) {
        m_page = kLastPage;
        m_nextButton->setEnabled(false);
        return;
    }
    showPage();
}

void SBdocFrm::prevButton_Click()
{
    m_VScroll1->setValue(0);
    m_HScroll1->setValue(0);
    m_nextButton->setEnabled(true);
    --m_page;
    if (m_page < 0) {
        m_page = 0;
        m_prevButton->setEnabled(false);
        return;
    }
    showPage();
}

void SBdocFrm::showPage()
{
    m_pageLabel->setText(QStringLiteral("Page ") + QString::number(m_page));
    const QString file = pageFile(m_page);
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        // The previous picture stays on show.
        const QString shown = QDir::toNativeSeparators(file);
        showMessage(this, Icon::Exclamation, QFileInfo::exists(file)
                                                 ? qs(engine::msg::kManualPageUnreadable, {shown, reader.errorString()})
                                                 : qs(engine::msg::kManualPageMissing, {shown}));
        return;
    }
    m_Image1->setPixmap(QPixmap::fromImage(image));
    m_Image1->adjustSize();
    m_pictureFile = file;
}

void SBdocFrm::VScroll1_Change(int value) { m_Image1->move(m_Image1->x(), -(value * width()) / 100); }

void SBdocFrm::HScroll1_Change(int value) { m_Image1->move(-(value * width()) / 100, m_Image1->y()); }

void SBdocFrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const Layout l = layoutFor(height() * 15, width() * 15);
    // A size that would be negative is skipped; the other settings still apply.
    if (l.vScrollHeight >= 0)
        m_VScroll1->resize(m_VScroll1->width(), px(l.vScrollHeight));
    m_VScroll1->move(px(l.vScrollLeft), m_VScroll1->y());
    if (l.frameHeight >= 0)
        m_Frame1->resize(m_Frame1->width(), px(l.frameHeight));
    if (l.frameWidth >= 0)
        m_Frame1->resize(px(l.frameWidth), m_Frame1->height());
    m_HScroll1->move(m_HScroll1->x(), px(l.hScrollTop));
    if (l.hScrollWidth >= 0)
        m_HScroll1->resize(px(l.hScrollWidth), m_HScroll1->height());
    m_nextButton->move(m_nextButton->x(), px(l.buttonTop));
    m_prevButton->move(m_prevButton->x(), px(l.buttonTop));
    m_pageLabel->move(m_pageLabel->x(), px(l.pageLabelTop));
    m_Label1->move(m_Label1->x(), px(l.noteTop));
    m_Label1->resize(std::max(0, width() - m_Label1->x() - px(120)), m_Label1->height());
}

}  // namespace ui
