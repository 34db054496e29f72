#include "ui/frmHelp.h"

#include "help/contents_file.h"
#include "help/page_search.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

namespace ui {

namespace {

// Window layout, in twips.
constexpr int kClientWidth = 10875;
constexpr int kClientHeight = 7530;
constexpr int kFrameWidth = 120;    // what the window's frame adds to the client area
constexpr int kFrameHeight = 405;
constexpr int kPaneTop = 120;
constexpr int kPaneWidth = 2535;
constexpr int kPaneHeight = 6975;
constexpr int kSeparatorLeft = 2520;
constexpr int kSeparatorWidth = 135;
constexpr int kToggleSize = 255;
constexpr int kViewTop = 840;
constexpr int kButtonTop = 30;
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 780;
constexpr int kStatusHeight = 285;
constexpr int kListLeft = 120;
constexpr int kMinimumDrop = 2520;
// Inside a tab page, whose top lies below the tabs (480 twips under the pane's top).
constexpr int kPageTopOffset = 480;
constexpr int kListWidth = 2295;
constexpr int kKeywordLeft = 120;
constexpr int kKeywordTop = 840;
constexpr int kKeywordWidth = 1815;
constexpr int kGoWidth = 495;
constexpr int kRowHeight = 375;
constexpr int kResultTop = 1800;

constexpr int kLinkRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;
constexpr int kChapterRole = Qt::UserRole + 2;

QRect twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

bool isDescendant(const QWidget* w, const QWidget* ancestor)
{
    for (; w; w = w->parentWidget()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// Files the page view shows itself; everything else opens in the system's
// default application.
bool viewShows(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html") || suffix == QLatin1String("txt");
}

QString askPdfFile(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Page as PDF"),
                                        QDir::home().filePath(QStringLiteral("Tellum guide page.pdf")),
                                        QStringLiteral("PDF files (*.pdf)"));
}

}  // namespace

frmHelp::frmHelp(QWidget* parent) : frmHelp(QDir(programFolder()).filePath(QStringLiteral("Help")), parent) {}

frmHelp::frmHelp(const QString& helpFolder, QWidget* parent) : QWidget(parent, Qt::Window), m_choosePdfFile(askPdfFile)
{
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("User Guide"));
    build();
    resize(px(kClientWidth), px(kClientHeight));

    // Opening: each step reports its own failure and the next one runs.
    SetFolderPath(helpFolder);
    NavigateTo(firstPage());
}

QTreeWidget* frmHelp::makeList(const QString& objectName, QWidget* page, bool tree)
{
    auto* list = new QTreeWidget(page);
    list->setObjectName(objectName);
    list->setHeaderHidden(true);
    list->setColumnCount(1);
    list->setRootIsDecorated(tree);
    list->setItemsExpandable(tree);
    list->setUniformRowHeights(true);
    list->header()->setStretchLastSection(true);
    connect(list, &QTreeWidget::itemClicked, this, [this, list](QTreeWidgetItem* item) { chooseEntry(list, item); });
    return list;
}

void frmHelp::build()
{
    m_SSTHelp = new QTabWidget(this);
    m_SSTHelp->setObjectName(QStringLiteral("SSTHelp"));
    m_SSTHelp->setGeometry(twips(0, kPaneTop, kPaneWidth, kPaneHeight));
    m_SSTHelp->installEventFilter(this);
    m_SSTHelp->tabBar()->installEventFilter(this);
    // Three compact tabs, so that they fit beside the pane toggle.
    m_SSTHelp->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    m_SSTHelp->tabBar()->setExpanding(false);

    auto* contentsPage = new QWidget;
    auto* indexPage = new QWidget;
    auto* searchPage = new QWidget;
    m_SSTHelp->addTab(contentsPage, QStringLiteral("Contents"));
    m_SSTHelp->addTab(indexPage, QStringLiteral("Index"));
    m_SSTHelp->addTab(searchPage, QStringLiteral("Search"));

    const int listTop = 480 - kPageTopOffset;
    m_treList[2] = makeList(QStringLiteral("treList_2"), contentsPage, true);
    m_treList[2]->setGeometry(twips(kListLeft, listTop, kListWidth, 6375));
    // A chapter shows the open folder while expanded, the closed one otherwise.
    connect(m_treList[2], &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kChapterRole).toBool())
            item->setIcon(0, m_images.value(QStringLiteral("open")));
    });
    connect(m_treList[2], &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kChapterRole).toBool())
            item->setIcon(0, m_images.value(QStringLiteral("close")));
    });
    m_treList[0] = makeList(QStringLiteral("treList_0"), indexPage, false);
    m_treList[0]->setGeometry(twips(kListLeft, listTop, kListWidth, 6375));

    // The search tab.
    m_lblKeyword = new QLabel(QStringLiteral("Enter Keyword"), searchPage);
    m_lblKeyword->setObjectName(QStringLiteral("lblKeyword"));
    m_lblKeyword->setGeometry(twips(120, 600 - kPageTopOffset, 1800, 240));
    m_txtKeyWord = new QLineEdit(searchPage);
    m_txtKeyWord->setObjectName(QStringLiteral("txtKeyWord"));
    m_txtKeyWord->setToolTip(QStringLiteral("Enter the keyword here."));
    m_txtKeyWord->setGeometry(twips(kKeywordLeft, kKeywordTop - kPageTopOffset, kKeywordWidth, kRowHeight));
    connect(m_txtKeyWord, &QLineEdit::returnPressed, this, &frmHelp::btnGo_Click);
    m_btnGo = new QPushButton(QStringLiteral("Go"), searchPage);
    m_btnGo->setObjectName(QStringLiteral("btnGo"));
    m_btnGo->setToolTip(QStringLiteral("Press \"Clear\" first before performing the search."));
    m_btnGo->setGeometry(twips(1920, kKeywordTop - kPageTopOffset, kGoWidth, kRowHeight));
    connect(m_btnGo, &QPushButton::clicked, this, &frmHelp::btnGo_Click);
    m_optAll = new QRadioButton(QStringLiteral("All"), searchPage);
    m_optAll->setObjectName(QStringLiteral("optAll"));
    m_optAll->setToolTip(QStringLiteral("Click here if you want to search all files"));
    m_optAll->setGeometry(twips(120, 1320 - kPageTopOffset, 900, 300));
    m_optAll->setChecked(true);
    m_optList = new QRadioButton(QStringLiteral("This List Only"), searchPage);
    m_optList->setObjectName(QStringLiteral("optList"));
    m_optList->setToolTip(QStringLiteral("Click here if you only want to search within the files below"));
    m_optList->setGeometry(twips(1080, 1320 - kPageTopOffset, 1440, 300));
    m_treList[1] = makeList(QStringLiteral("treList_1"), searchPage, false);
    m_treList[1]->setGeometry(twips(kListLeft, kResultTop - kPageTopOffset, kListWidth, 5055));

    m_btnSeparator = new QWidget(this);
    m_btnSeparator->setObjectName(QStringLiteral("btnSeparator"));
    m_btnSeparator->setGeometry(twips(kSeparatorLeft, 0, kSeparatorWidth, kClientHeight));
    m_btnSeparator->installEventFilter(this);

    m_btnTottle = new QPushButton(QStringLiteral("x"), this);
    m_btnTottle->setObjectName(QStringLiteral("btnTottle"));
    m_btnTottle->setGeometry(twips(kSeparatorLeft - kToggleSize, kPaneTop, kToggleSize, kToggleSize));
    connect(m_btnTottle, &QPushButton::clicked, this, &frmHelp::btnTottle_Click);

    m_wbsHelp = new QTextBrowser(this);
    m_wbsHelp->setObjectName(QStringLiteral("wbsHelp"));
    m_wbsHelp->setOpenLinks(false);
    m_wbsHelp->setGeometry(twips(2640, kViewTop, 8175, 6255));
    connect(m_wbsHelp, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
            m_wbsHelp->scrollToAnchor(url.fragment());
            return;
        }
        const QUrl target = m_wbsHelp->source().resolved(url);
        if (target.isLocalFile())
            NavigateTo(target.toLocalFile());
        else
            QDesktopServices::openUrl(target);
    });

    struct ButtonSpec {
        QToolButton** button;
        const char* name;
        const char* caption;
        const char* tip;
        QStyle::StandardPixmap icon;
        void (frmHelp::*click)();
    };
    const ButtonSpec buttons[] = {
        {&m_btnBack, "btnBack", "Back", "Go back to the previous page.", QStyle::SP_ArrowBack, &frmHelp::btnBack_Click},
        {&m_btnForward, "btnForward", "Forward", "Go forward to the next page.", QStyle::SP_ArrowForward,
         &frmHelp::btnForward_Click},
        {&m_btnBrowse, "btnBrowse", "Browse", "Open a file.", QStyle::SP_DialogOpenButton, &frmHelp::btnBrowse_Click},
        {&m_btnHome, "btnHome", "Home", "Go home.", QStyle::SP_DirHomeIcon, &frmHelp::btnHome_Click},
        {&m_btnClear, "btnClear", "Clear", "Clear the browser. Use before searching.", QStyle::SP_DialogResetButton,
         &frmHelp::btnClear_Click},
        {&m_btnPrintPage, "btnPrintPage", "Print", "Print the current page.", QStyle::SP_FileDialogContentsView,
         &frmHelp::btnPrintPage_Click},
        {&m_btnExit, "btnExit", "Exit", "Exit Help Form.", QStyle::SP_DialogCloseButton, &frmHelp::btnExit_Click},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(QString::fromLatin1(b.caption));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        QIcon icon = style()->standardIcon(b.icon);
        if (b.click == &frmHelp::btnPrintPage_Click)
            icon = QIcon::fromTheme(QStringLiteral("document-print"), icon);
        button->setIcon(icon);
        button->setIconSize(QSize(24, 24));
        button->resize(px(kButtonWidth), px(kButtonHeight));
        button->move(0, px(kButtonTop));
        connect(button, &QToolButton::clicked, this, b.click);
        *b.button = button;
    }
    layoutButtonRow(2640);

    m_stbHelp = new QStatusBar(this);
    m_stbHelp->setObjectName(QStringLiteral("stbHelp"));
    m_stbHelp->setSizeGripEnabled(false);
    m_panel1 = new QLabel(m_stbHelp);
    m_panel1->setObjectName(QStringLiteral("stbHelp_1"));
    m_panel1->setMinimumWidth(px(1500));
    m_panel2 = new QLabel(m_stbHelp);
    m_panel2->setObjectName(QStringLiteral("stbHelp_2"));
    m_panel2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stbHelp->addWidget(m_panel1);
    m_stbHelp->addWidget(m_panel2, 1);
    m_panel2->hide();
    m_stbHelp->installEventFilter(this);

    m_SSTHelp->raise();
    m_btnTottle->raise();
}

// ---- The guide folder and its contents ----

void frmHelp::SetFolderPath(const QString& folder)
{
    m_helpFolder = folder;
    const QDir dir(folder);
    m_images.clear();
    for (const char* name : {"open", "close", "doc"}) {
        const QPixmap image(dir.filePath(QStringLiteral("icons/%1.ico").arg(QLatin1String(name))));
        if (!image.isNull())
            m_images.insert(QString::fromLatin1(name), QIcon(image));
    }
    const QPixmap cursor(dir.filePath(QStringLiteral("icons/move.ico")));
    if (cursor.isNull())
        m_btnSeparator->unsetCursor();
    else
        m_btnSeparator->setCursor(QCursor(cursor));
    m_panel1->setText(services().today().toString(QStringLiteral("M/d/yyyy")));
    buildContents();
}

void frmHelp::buildContents()
{
    for (auto* list : m_treList)
        list->clear();
    m_indexCount = 0;
    m_boldList = nullptr;
    m_boldIndex = QPersistentModelIndex();

    const help::Contents contents = help::readContents(QDir(m_helpFolder).filePath(QStringLiteral("contents.txt")));
    QHash<QString, QTreeWidgetItem*> byKey;
    QString failure = contents.error ? contents.error->message() : QString();
    for (const help::ContentsEntry& entry : contents.entries) {
        const QString imageKey = entry.isChapter() ? QStringLiteral("close") : QStringLiteral("doc");
        if (!m_images.contains(imageKey)) {
            failure = qs(engine::msg::kGuideFileError,
                         {QStringLiteral("35601"),
                          QStringLiteral("Element not found (image \"%1\": the file icons/%1.ico of the guide is missing)")
                              .arg(imageKey)});
            break;
        }
        QTreeWidgetItem* parent = entry.isTopLevel() ? nullptr : byKey.value(entry.parent);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_treList[2]);
        item->setText(0, entry.text);
        item->setIcon(0, m_images.value(imageKey));
        item->setData(0, kLinkRole, entry.link);
        item->setData(0, kKeyRole, entry.key);
        item->setData(0, kChapterRole, entry.isChapter());
        byKey.insert(entry.key, item);
        if (entry.hasPage()) {
            auto* indexItem = new QTreeWidgetItem(m_treList[0]);
            indexItem->setText(0, entry.text);
            indexItem->setData(0, kLinkRole, entry.link);
            indexItem->setData(0, kKeyRole, entry.key);
            ++m_indexCount;
        }
    }
    if (!failure.isEmpty())
        showMessage(this, Icon::None, failure);
}

QString frmHelp::firstPage() const { return QDir(m_helpFolder).filePath(QStringLiteral("Main.html")); }

QTreeWidgetItem* frmHelp::boldEntry() const
{
    if (!m_boldList || !m_boldIndex.isValid())
        return nullptr;
    return m_boldList->itemFromIndex(m_boldIndex);
}

QString frmHelp::pageInView() const { return m_wbsHelp->source().toLocalFile(); }

void frmHelp::chooseEntry(QTreeWidget* list, QTreeWidgetItem* item)
{
    if (!item)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString link = item->data(0, kLinkRole).toString();
    if (link != help::kNoLink) {
        if (QTreeWidgetItem* previous = boldEntry()) {
            QFont font = previous->font(0);
            font.setBold(false);
            previous->setFont(0, font);
        }
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
        m_boldList = list;
        m_boldIndex = list->indexFromItem(item);
        NavigateTo(QDir(m_helpFolder).filePath(link));
    }
    QApplication::restoreOverrideCursor();
}

// ---- The page view ----

void frmHelp::reportNavigationError(int number, const QString& description)
{
    showMessage(this, Icon::None, qs(engine::msg::kPageNotShown, {QString::number(number), description}));
}

void frmHelp::NavigateTo(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        reportNavigationError(53, QStringLiteral("File not found: ") + native);
        return;
    }
    if (!info.isFile() || !info.isReadable()) {
        reportNavigationError(75, QStringLiteral("Path/File access error: ") + native);
        return;
    }
    if (viewShows(path)) {
        m_wbsHelp->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        if (m_panel2->isVisible())
            showPageAddress();
        return;
    }
    if (!services().openFile(info.absoluteFilePath()))
        reportNavigationError(5, QStringLiteral("No program on this computer opens the file ") + native);
}

void frmHelp::btnBack_Click()
{
    if (m_wbsHelp->isBackwardAvailable())
        m_wbsHelp->backward();
    else
        showMessage(this, Icon::Information, qs(engine::msg::kFirstPage));
}

void frmHelp::btnForward_Click()
{
    if (m_wbsHelp->isForwardAvailable())
        m_wbsHelp->forward();
    else
        showMessage(this, Icon::Information, qs(engine::msg::kLastPage));
}

void frmHelp::btnBrowse_Click()
{
    const QString filter = QStringLiteral("Office Documents (*.doc *.xls *.ppt *.rtf);;HTML (*.htm *.html);;All (*)");
    QString selected = QStringLiteral("Office Documents (*.doc *.xls *.ppt *.rtf)");
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(), filter, &selected);
    if (!file.isEmpty())
        NavigateTo(file);
}

void frmHelp::btnHome_Click() { NavigateTo(firstPage()); }

void frmHelp::btnClear_Click() { NavigateTo(m_helpFolder + QStringLiteral("/clear.html")); }

void frmHelp::btnPrintPage_Click()
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo);
        m_wbsHelp->print(&printer);
        return;
    }
    if (!askOkCancel(this, Icon::Information, applicationTitle(), qs(engine::msg::kAskPagePdf)))
        return;
    const QString file = m_choosePdfFile ? m_choosePdfFile(this) : QString();
    if (file.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    m_wbsHelp->print(&printer);
    // A file that cannot be written leaves the printer in its error state.
    if (printer.printerState() == QPrinter::Error)
        showMessage(this, Icon::Exclamation, qs(engine::msg::kPageNotSaved, {QDir::toNativeSeparators(file)}));
}

void frmHelp::btnExit_Click() { close(); }

// ---- The keyword search ----

void frmHelp::btnGo_Click()
{
    QVector<help::PageRef> sources;
    QTreeWidget* source = m_optAll->isChecked() ? m_treList[0] : m_treList[1];
    const int count = m_optAll->isChecked() ? m_indexCount : source->topLevelItemCount();
    for (int i = 0; i < count && i < source->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = source->topLevelItem(i);
        sources.push_back({item->text(0), item->data(0, kLinkRole).toString()});
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const help::SearchResult result = help::searchPages(m_helpFolder, sources, m_txtKeyWord->text());
    QApplication::restoreOverrideCursor();
    for (const auto& failure : result.failures)
        showMessage(this, Icon::Information, failure.message());

    m_treList[1]->clear();
    if (result.matches.isEmpty()) {
        showMessage(this, Icon::Information, qs(engine::msg::kNoMatch));
        return;
    }
    for (const auto& match : result.matches) {
        auto* item = new QTreeWidgetItem(m_treList[1]);
        item->setText(0, match.caption);
        item->setData(0, kLinkRole, match.link);
    }
}

// ---- Pane, separator and layout ----

int frmHelp::outerWidth() const { return width() * 15 + kFrameWidth; }
int frmHelp::outerHeight() const { return height() * 15 + kFrameHeight; }
int frmHelp::separatorLeft() const { return m_btnSeparator->x() * 15; }

void frmHelp::layoutButtonRow(int leftTwips)
{
    int left = px(leftTwips);
    for (QToolButton* b : {m_btnBack, m_btnForward, m_btnBrowse, m_btnHome, m_btnClear, m_btnPrintPage, m_btnExit}) {
        b->move(left, b->y());
        left = b->x() + b->width();
    }
}

void frmHelp::widenSearchRow(int widthTwips)
{
    const int w = std::max(0, px(widthTwips));
    m_txtKeyWord->resize(w, m_txtKeyWord->height());
    m_btnGo->move(m_txtKeyWord->x() + w, m_btnGo->y());
    for (QTreeWidget* list : m_treList)
        list->resize(w + m_btnGo->width(), list->height());
}

void frmHelp::btnTottle_Click()
{
    const int w = outerWidth();
    if (m_btnTottle->text() == QLatin1String("x")) {
        m_btnTottle->setText(QStringLiteral(">"));
        m_btnTottle->move(px(20), m_btnTottle->y());
        m_wbsHelp->setGeometry(px(50), m_wbsHelp->y(), std::max(0, px(w - 200)), m_wbsHelp->height());
        m_SSTHelp->hide();
        m_btnSeparator->hide();
    } else {
        m_btnSeparator->show();
        m_btnTottle->setText(QStringLiteral("x"));
        m_btnTottle->move(m_btnSeparator->x() - m_btnTottle->width(), m_btnTottle->y());
        m_SSTHelp->resize(m_btnSeparator->x(), m_SSTHelp->height());
        m_wbsHelp->setGeometry(m_btnSeparator->x() + m_btnSeparator->width(), m_wbsHelp->y(),
                               std::max(0, px(w - separatorLeft() - 270)), m_wbsHelp->height());
        m_SSTHelp->show();
    }
    layoutButtonRow(m_btnTottle->x() * 15 + 400);
}

QWidget* frmHelp::dropControlAt(const QPoint& globalPos) const
{
    QWidget* under = QApplication::widgetAt(globalPos);
    if (!under)
        under = childAt(mapFromGlobal(globalPos));
    for (QTreeWidget* list : m_treList) {
        if (isDescendant(under, list))
            return list;
    }
    if (isDescendant(under, m_SSTHelp))
        return m_SSTHelp;
    if (isDescendant(under, m_wbsHelp))
        return m_wbsHelp;
    return nullptr;
}

void frmHelp::dragSeparatorOver(QWidget* control, int xTwips)
{
    const bool overList = std::find(m_treList.begin(), m_treList.end(), control) != m_treList.end();
    if (overList)
        m_dropX = std::max(xTwips, kMinimumDrop);
    else if (control == m_SSTHelp || control == m_wbsHelp)
        m_dropX = xTwips;
}

void frmHelp::dropSeparatorOn(QWidget* control)
{
    const bool onList = std::find(m_treList.begin(), m_treList.end(), control) != m_treList.end();
    int left = 0;
    if (onList || control == m_SSTHelp)
        left = int(m_dropX);
    else if (control == m_wbsHelp)
        left = m_SSTHelp->width() * 15 + int(m_dropX);
    else
        return;  // dropped elsewhere: nothing moves
    m_btnSeparator->move(px(left), m_btnSeparator->y());
    placeAroundSeparator();
}

void frmHelp::placeAroundSeparator()
{
    const int sep = m_btnSeparator->x();
    m_SSTHelp->resize(std::max(0, sep), m_SSTHelp->height());
    m_wbsHelp->setGeometry(sep + m_btnSeparator->width(), m_wbsHelp->y(),
                           std::max(0, px(outerWidth() - separatorLeft() - 270)), m_wbsHelp->height());
    layoutButtonRow((sep + m_btnSeparator->width()) * 15);
    m_btnTottle->move(sep - m_btnTottle->width(), m_btnTottle->y());
    widenSearchRow(m_SSTHelp->width() * 15 - 800);
}

void frmHelp::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = outerWidth();
    const int h = outerHeight();
    m_wbsHelp->resize(m_wbsHelp->width(), std::max(0, px(h - 1650)));
    m_SSTHelp->resize(m_SSTHelp->width(), std::max(0, px(h - 900)));
    m_treList[2]->resize(m_treList[2]->width(), std::max(0, px(h - 1800)));
    m_treList[0]->resize(m_treList[0]->width(), std::max(0, px(h - 1800)));
    m_treList[1]->resize(m_treList[1]->width(), std::max(0, px(h - 3000)));
    const int viewWidth = m_btnSeparator->isHidden() ? w - 200 : w - separatorLeft() - 270;
    m_wbsHelp->resize(std::max(0, px(viewWidth)), m_wbsHelp->height());
    m_btnSeparator->resize(m_btnSeparator->width(), height());
    m_stbHelp->setGeometry(0, height() - px(kStatusHeight), width(), px(kStatusHeight));
}

void frmHelp::showPageAddress()
{
    m_panel2->setText(QDir::toNativeSeparators(pageInView()));
    m_panel2->show();
}

void frmHelp::hidePageAddress() { m_panel2->hide(); }

// Dragging the separator: a press takes it, moves report the control under
// the pointer, a release drops it there. True when the event was used.
bool frmHelp::separatorMouse(QMouseEvent* mouse)
{
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        return true;
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        if (QWidget* control = dropControlAt(mouse->globalPosition().toPoint()))
            dragSeparatorOver(control, control->mapFromGlobal(mouse->globalPosition().toPoint()).x() * 15);
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging || mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = false;
        if (QWidget* control = dropControlAt(mouse->globalPosition().toPoint())) {
            dragSeparatorOver(control, control->mapFromGlobal(mouse->globalPosition().toPoint()).x() * 15);
            dropSeparatorOn(control);
        }
        return true;
    default: return false;
    }
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouseEvent =
        type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (watched == m_btnSeparator && mouseEvent && separatorMouse(static_cast<QMouseEvent*>(event)))
        return true;
    if (watched == m_stbHelp && type == QEvent::Enter)
        showPageAddress();
    else if ((watched == m_SSTHelp || watched == m_SSTHelp->tabBar()) && type == QEvent::MouseButtonPress)
        hidePageAddress();
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui
