// The user guide window on a small guide written into a temporary folder:
// the contents tree and index, choosing entries, history, the separator, the
// pane toggle, printing without a printer, and the keyword search.

#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <memory>

using ui::frmHelp;

namespace {

const QString kHeader = QStringLiteral("Tellum user guide\nkind,parent,spare,key,text,link\n\n---\n");

class RecordingServices : public ui::Services {
public:
    QStringList opened;
    bool openFile(const QString& path) override
    {
        opened << path;
        return true;
    }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QDate today() override { return QDate(2003, 7, 15); }
};

void write(const QString& path, const QString& text)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(text.toUtf8());
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

QStringList captions(QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0);
    return out;
}

void click(QTreeWidget* list, QTreeWidgetItem* item)
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Sends a mouse event to the separator at the global position of point in control.
void mouseOnSeparator(QWidget* separator, QEvent::Type type, QWidget* control, QPoint point)
{
    const QPoint global = control->mapToGlobal(point);
    QMouseEvent e(type, separator->mapFromGlobal(global), global, Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(separator, &e);
}

}  // namespace

class frmHelpTest : public QObject {
    Q_OBJECT

    ui::RecordingPresenter m_presenter;
    RecordingServices m_services;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString guide() const { return m_dir->path(); }

    void makeGuide(const QString& contentsBody, bool withCloseIcon = true)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(guide()).mkpath(QStringLiteral("icons"));
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::darkYellow);
        for (const char* name : {"open", "close", "doc", "move"}) {
            if (!withCloseIcon && QLatin1String(name) == QLatin1String("close"))
                continue;
            QVERIFY(icon.save(QDir(guide()).filePath(QStringLiteral("icons/%1.ico").arg(QLatin1String(name))), "ICO"));
        }
        write(QDir(guide()).filePath("contents.txt"), kHeader + contentsBody);
        write(QDir(guide()).filePath("Main.html"), "<html><body><h1>Tellum</h1><p>Welcome.</p></body></html>");
        write(QDir(guide()).filePath("clear.html"), "<html><body></body></html>");
        write(QDir(guide()).filePath("s1.htm"), "<html><body><p>Sizing the basin by depth.</p></body></html>");
        write(QDir(guide()).filePath("s2.htm"), "<html><body><p>The sediment BASIN stores runoff.</p></body></html>");
        write(QDir(guide()).filePath("s3.htm"), "<html><body><p>Emergency spillway channel.</p></body></html>");
    }

    frmHelp* open()
    {
        auto* help = new frmHelp(guide());
        help->show();
        if (!QTest::qWaitForWindowExposed(help))
            qWarning("the guide window was not exposed");
        return help;
    }

    static const QString& chapterAndPage()
    {
        static const QString body = QStringLiteral("p,,,ch1,Chapter 1,\"NO LINK\"\nd,ch1,,s1,Section 1,s1.htm\n");
        return body;
    }
    static const QString& threePages()
    {
        static const QString body =
            QStringLiteral("p,,,ch1,Design,NO LINK\nd,ch1,,s1,Sizing,s1.htm\nd,ch1,,s2,Volumes,s2.htm\nd,ch1,,s3,Spillway,s3.htm\n");
        return body;
    }

private slots:
    void init()
    {
        m_presenter.clear();
        m_services.opened.clear();
        ui::setPresenter(&m_presenter);
        ui::setServices(&m_services);
    }
    void cleanup()
    {
        ui::setPresenter(nullptr);
        ui::setServices(nullptr);
    }

    void headerOnlyGivesEmptyListsAndNoMessage()
    {
        makeGuide(QString());
        std::unique_ptr<frmHelp> help(open());
        QCOMPARE(help->windowTitle(), QStringLiteral("User Guide"));
        QCOMPARE(help->list(2)->topLevelItemCount(), 0);
        QCOMPARE(help->list(0)->topLevelItemCount(), 0);
        QCOMPARE(help->indexCount(), 0);
        QVERIFY(m_presenter.shown.isEmpty());
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("Main.html"));
        QCOMPARE(help->findChild<QLabel*>("stbHelp_1")->text(), QStringLiteral("7/15/2003"));
    }

    void chapterWithOnePage()
    {
        makeGuide(chapterAndPage());
        std::unique_ptr<frmHelp> help(open());
        QTreeWidget* tree = help->list(2);
        QCOMPARE(captions(tree), QStringList{"Chapter 1"});
        QTreeWidgetItem* chapter = tree->topLevelItem(0);
        QCOMPARE(chapter->childCount(), 1);
        QCOMPARE(chapter->child(0)->text(0), QStringLiteral("Section 1"));
        QCOMPARE(captions(help->list(0)), QStringList{"Section 1"});
        QCOMPARE(help->indexCount(), 1);

        click(tree, chapter);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("Main.html"));
        QVERIFY(help->boldEntry() == nullptr);

        tree->expandItem(chapter);
        click(tree, chapter->child(0));
        QCOMPARE(help->pageInView(), QDir(guide()).filePath("s1.htm"));
        QCOMPARE(help->boldEntry(), chapter->child(0));
        QVERIFY(chapter->child(0)->font(0).bold());
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void chapterImagesFollowOpening()
    {
        makeGuide(chapterAndPage());
        std::unique_ptr<frmHelp> help(open());
        QTreeWidgetItem* chapter = help->list(2)->topLevelItem(0);
        const qint64 closedKey = chapter->icon(0).cacheKey();
        const qint64 pageKey = chapter->child(0)->icon(0).cacheKey();
        QVERIFY(!chapter->icon(0).isNull());
        help->list(2)->expandItem(chapter);
        QVERIFY(chapter->icon(0).cacheKey() != closedKey);
        help->list(2)->collapseItem(chapter);
        QCOMPARE(chapter->icon(0).cacheKey(), closedKey);
        help->list(2)->expandAll();
        QCOMPARE(chapter->child(0)->icon(0).cacheKey(), pageKey);
        QVERIFY(help->list(0)->topLevelItem(0)->icon(0).isNull());
    }

    void boldMovesBetweenLists()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        auto* tabs = help->findChild<QTabWidget*>("SSTHelp");
        tabs->setCurrentIndex(1);
        QTreeWidgetItem* indexEntry = help->list(0)->topLevelItem(1);
        click(help->list(0), indexEntry);
        QVERIFY(indexEntry->font(0).bold());
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("s2.htm"));

        tabs->setCurrentIndex(0);
        QTreeWidgetItem* contentsEntry = help->list(2)->topLevelItem(0)->child(2);
        help->list(2)->expandAll();
        click(help->list(2), contentsEntry);
        QVERIFY(contentsEntry->font(0).bold());
        QVERIFY(!indexEntry->font(0).bold());
        QCOMPARE(help->boldEntry(), contentsEntry);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("s3.htm"));
    }

    void historyEndsAreAnnounced()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        QTest::mouseClick(help->findChild<QWidget*>("btnBack"), Qt::LeftButton);
        QCOMPARE(m_presenter.texts(), QStringList{"First page has been reached."});
        QCOMPARE(m_presenter.shown[0].icon, ui::Icon::Information);

        help->NavigateTo(QDir(guide()).filePath("s1.htm"));
        QTest::mouseClick(help->findChild<QWidget*>("btnBack"), Qt::LeftButton);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("Main.html"));
        QTest::mouseClick(help->findChild<QWidget*>("btnForward"), Qt::LeftButton);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("s1.htm"));
        QTest::mouseClick(help->findChild<QWidget*>("btnForward"), Qt::LeftButton);
        QCOMPARE(m_presenter.texts().last(), QStringLiteral("Last page has been reached."));

        QTest::mouseClick(help->findChild<QWidget*>("btnClear"), Qt::LeftButton);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("clear.html"));
        QTest::mouseClick(help->findChild<QWidget*>("btnHome"), Qt::LeftButton);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("Main.html"));
        QCOMPARE(m_presenter.shown.size(), 2);
    }

    void pagesTheViewCannotShowOpenOutside()
    {
        makeGuide(threePages());
        write(QDir(guide()).filePath("Checklist.doc"), "binary");
        std::unique_ptr<frmHelp> help(open());
        help->NavigateTo(QDir(guide()).filePath("Checklist.doc"));
        QCOMPARE(m_services.opened, QStringList{QDir(guide()).filePath("Checklist.doc")});
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("Main.html"));

        help->NavigateTo(QDir(guide()).filePath("nowhere.htm"));
        QCOMPARE(m_presenter.shown.size(), 1);
        QVERIFY(m_presenter.shown[0].text.startsWith(QStringLiteral("Error: 53. ")));
        QCOMPARE(m_presenter.shown[0].icon, ui::Icon::None);
    }

    void malformedContentsKeepsWhatWasRead()
    {
        makeGuide(QStringLiteral("p,,,ch1,Chapter 1,NO LINK\nd,ch1,,s1,Section 1,s1.htm\nd,ch1,,s2,\"Broken,s2.htm\n"
                                 "d,ch1,,s3,Never read,s3.htm\n"));
        std::unique_ptr<frmHelp> help(open());
        QCOMPARE(help->list(2)->topLevelItem(0)->childCount(), 1);
        QCOMPARE(captions(help->list(0)), QStringList{"Section 1"});
        QCOMPARE(m_presenter.shown.size(), 1);
        QCOMPARE(m_presenter.shown[0].icon, ui::Icon::None);
        QVERIFY(m_presenter.shown[0].text.startsWith(QStringLiteral("Error: 62 ")));
        QVERIFY(m_presenter.shown[0].text.contains(QStringLiteral("line 7")));
    }

    void missingTreeImageStopsAtTheFirstRecordNeedingIt()
    {
        makeGuide(QStringLiteral("d,,,s1,Loose page,s1.htm\np,,,ch1,Chapter 1,NO LINK\nd,ch1,,s2,Two,s2.htm\n"), false);
        std::unique_ptr<frmHelp> help(open());
        QCOMPARE(captions(help->list(2)), QStringList{"Loose page"});
        QCOMPARE(m_presenter.shown.size(), 1);
        QVERIFY(m_presenter.shown[0].text.contains(QStringLiteral("close")));
    }

    // The separator follows the pointer's drop, with the lists' lower limit.
    void separatorDrop()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        auto* separator = help->findChild<QWidget*>("btnSeparator");
        auto* view = help->findChild<QTextBrowser*>("wbsHelp");
        auto* pane = help->findChild<QTabWidget*>("SSTHelp");
        QCOMPARE(help->separatorLeft(), 2520);

        // On the page view the drop is measured from the view's left edge.
        const int paneWidth = pane->width() * 15;
        QCOMPARE(paneWidth, 2535);
        mouseOnSeparator(separator, QEvent::MouseButtonPress, separator, QPoint(2, 100));
        mouseOnSeparator(separator, QEvent::MouseMove, view, QPoint(20, 100));
        mouseOnSeparator(separator, QEvent::MouseButtonRelease, view, QPoint(20, 100));
        QCOMPARE(help->separatorLeft(), paneWidth + 300);
        QCOMPARE(pane->width(), separator->x());
        QCOMPARE(view->x(), separator->x() + separator->width());
        QCOMPARE(help->findChild<QWidget*>("btnBack")->x(), view->x());
        QCOMPARE(help->findChild<QWidget*>("btnTottle")->x() + help->findChild<QWidget*>("btnTottle")->width(),
                 separator->x());
        auto* keyword = help->findChild<QLineEdit*>("txtKeyWord");
        QCOMPARE(keyword->width(), (pane->width() * 15 - 800) / 15);
        QCOMPARE(help->findChild<QWidget*>("btnGo")->x(), keyword->x() + keyword->width());

        // Over a list the position is raised to at least 2520.
        QTreeWidget* tree = help->list(2);
        const QPoint at1000(1000 / 15, 20);
        mouseOnSeparator(separator, QEvent::MouseButtonPress, separator, QPoint(2, 100));
        mouseOnSeparator(separator, QEvent::MouseMove, tree->viewport(), at1000);
        mouseOnSeparator(separator, QEvent::MouseButtonRelease, tree->viewport(), at1000);
        QCOMPARE(help->separatorLeft(), 2520);
        QCOMPARE(pane->width(), 2520 / 15);
    }

    void paneToggle()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        auto* toggle = help->findChild<QPushButton*>("btnTottle");
        auto* view = help->findChild<QTextBrowser*>("wbsHelp");
        QCOMPARE(toggle->text(), QStringLiteral("x"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral(">"));
        QVERIFY(help->findChild<QTabWidget*>("SSTHelp")->isHidden());
        QVERIFY(help->findChild<QWidget*>("btnSeparator")->isHidden());
        QCOMPARE(view->x(), 50 / 15);
        QCOMPARE(help->findChild<QWidget*>("btnBack")->x(), (toggle->x() * 15 + 400) / 15);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("x"));
        QVERIFY(help->findChild<QTabWidget*>("SSTHelp")->isVisible());
        QCOMPARE(view->x(), (2520 + 135) / 15);
    }

    void printingWithoutAPrinterOffersAPdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here");
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        const QString pdf = QDir(guide()).filePath("page.pdf");
        help->setPdfFileChooser([&](QWidget*) { return pdf; });
        m_presenter.answer = false;
        QTest::mouseClick(help->findChild<QWidget*>("btnPrintPage"), Qt::LeftButton);
        QCOMPARE(m_presenter.shown.size(), 1);
        QVERIFY(m_presenter.shown[0].question);
        QVERIFY(!QFile::exists(pdf));
        m_presenter.answer = true;
        QTest::mouseClick(help->findChild<QWidget*>("btnPrintPage"), Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(m_presenter.shown.size(), 2);

        // A file that cannot be written is said so, not passed over in silence.
        const QString nowhere = QDir(guide()).filePath("no such folder/page.pdf");
        help->setPdfFileChooser([&](QWidget*) { return nowhere; });
        QTest::mouseClick(help->findChild<QWidget*>("btnPrintPage"), Qt::LeftButton);
        QCOMPARE(m_presenter.texts().value(3),
                 QStringLiteral("The page could not be saved as %1.").arg(QDir::toNativeSeparators(nowhere)));
    }

    void searchAllThenNarrow()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        auto* keyword = help->findChild<QLineEdit*>("txtKeyWord");
        QVERIFY(help->findChild<QRadioButton*>("optAll")->isChecked());
        keyword->setText("BASIN");
        QTest::mouseClick(help->findChild<QPushButton*>("btnGo"), Qt::LeftButton);
        QCOMPARE(captions(help->list(1)), (QStringList{"Sizing", "Volumes"}));

        help->findChild<QRadioButton*>("optList")->setChecked(true);
        keyword->setText("depth");
        QTest::keyClick(keyword, Qt::Key_Return);
        QCOMPARE(captions(help->list(1)), QStringList{"Sizing"});
        QVERIFY(m_presenter.shown.isEmpty());

        keyword->setText("spillway");
        QTest::keyClick(keyword, Qt::Key_Return);
        QCOMPARE(help->list(1)->topLevelItemCount(), 0);
        QCOMPARE(m_presenter.texts(), QStringList{"No match found."});
        QCOMPARE(m_presenter.shown[0].icon, ui::Icon::Information);
    }

    void resultEntriesAreChosenLikeAnyOther()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        help->findChild<QTabWidget*>("SSTHelp")->setCurrentIndex(2);
        help->findChild<QLineEdit*>("txtKeyWord")->setText("channel");
        QTest::mouseClick(help->findChild<QPushButton*>("btnGo"), Qt::LeftButton);
        QTreeWidgetItem* result = help->list(1)->topLevelItem(0);
        QVERIFY(result);
        click(help->list(1), result);
        QCOMPARE(fileName(help->pageInView()), QStringLiteral("s3.htm"));
        QCOMPARE(help->boldEntry(), result);
        // A new search empties the list; the bold entry is gone with it.
        QTest::mouseClick(help->findChild<QPushButton*>("btnGo"), Qt::LeftButton);
        QVERIFY(help->boldEntry() == nullptr || help->boldEntry()->font(0).bold());
    }

    void unreadablePageIsReportedAndSkipped()
    {
        makeGuide(threePages() + QStringLiteral("d,ch1,,s4,Locked,locked.htm\n"));
        QVERIFY(QDir(guide()).mkpath("locked.htm"));
        std::unique_ptr<frmHelp> help(open());
        help->findChild<QLineEdit*>("txtKeyWord")->setText("basin");
        QTest::mouseClick(help->findChild<QPushButton*>("btnGo"), Qt::LeftButton);
        QCOMPARE(m_presenter.texts().value(0),
                 QStringLiteral("File \"locked.htm\" could not be accessed. It may be in used. Press \"Clear\" first then "
                                "retry the search."));
        QCOMPARE(captions(help->list(1)), (QStringList{"Sizing", "Volumes"}));
    }

    void emptyIndexFindsNothing()
    {
        makeGuide(QStringLiteral("p,,,ch1,Chapter 1,NO LINK\n"));
        std::unique_ptr<frmHelp> help(open());
        help->findChild<QLineEdit*>("txtKeyWord")->setText("basin");
        QTest::mouseClick(help->findChild<QPushButton*>("btnGo"), Qt::LeftButton);
        QCOMPARE(m_presenter.texts(), QStringList{"No match found."});
    }

    void statusBarShowsThePageAddress()
    {
        makeGuide(threePages());
        std::unique_ptr<frmHelp> help(open());
        auto* panel2 = help->findChild<QLabel*>("stbHelp_2");
        QVERIFY(panel2->isHidden());
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(help->findChild<QWidget*>("stbHelp"), &enter);
        QVERIFY(panel2->isVisible());
        QVERIFY(panel2->text().endsWith(QStringLiteral("Main.html")));
        QTest::mouseClick(help->findChild<QTabWidget*>("SSTHelp"), Qt::LeftButton, {}, QPoint(5, 200));
        QVERIFY(panel2->isHidden());
    }
};

QTEST_MAIN(frmHelpTest)
#include "frmHelpTest.moc"
