// The manual excerpt viewer: paging over the seventeen pages with its clamp,
// the scroll offsets, the resize rule and a missing page file.

#include "ui/Presenter.h"
#include "ui/SBdocFrm.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using ui::SBdocFrm;

namespace {

template <typename T>
T* child(QWidget* w, const char* name)
{
    return w->findChild<T*>(QLatin1String(name));
}

QString caption(SBdocFrm* v) { return child<QLabel>(v, "pageLabel")->text(); }

void press(SBdocFrm* v, const char* button) { QTest::mouseClick(child<QPushButton>(v, button), Qt::LeftButton); }

}  // namespace

class SBdocFrmTest : public QObject {
    Q_OBJECT

    ui::RecordingPresenter m_presenter;

    SBdocFrm* openViewer()
    {
        auto* v = new SBdocFrm;
        v->setDocsFolder(QStringLiteral(TELLUM_DOCS_DIR));
        v->show();
        return v;
    }

private slots:
    void init()
    {
        m_presenter.clear();
        ui::setPresenter(&m_presenter);
    }
    void cleanup() { ui::setPresenter(nullptr); }

    void opensOnTheBuiltInPicture()
    {
        std::unique_ptr<SBdocFrm> v(openViewer());
        QCOMPARE(v->windowTitle(), QStringLiteral("Excerpt from Manual for Erosion and Sediment Control in Arvenna"));
        QCOMPARE(caption(v.get()), QStringLiteral("Excerpt from the Manual "));
        QVERIFY(v->pictureFile().isEmpty());
        const QLabel* image = child<QLabel>(v.get(), "Image1");
        QVERIFY(!image->pixmap().isNull());
        QVERIFY(image->width() >= 531 && image->height() >= 775);
        QCOMPARE(image->pos(), QPoint(0, 0));
    }

    void sixteenPressesReachTheLastPageAndTheSeventeenthDisablesNext()
    {
        std::unique_ptr<SBdocFrm> v(openViewer());
        for (int i = 0; i < 16; ++i)
            press(v.get(), "nextButton");
        QCOMPARE(caption(v.get()), QStringLiteral("Page 16"));
        QCOMPARE(QFileInfo(v->pictureFile()).fileName(), QStringLiteral("page16.gif"));
        QVERIFY(child<QPushButton>(v.get(), "nextButton")->isEnabled());

        press(v.get(), "nextButton");
        QVERIFY(!child<QPushButton>(v.get(), "nextButton")->isEnabled());
        QCOMPARE(v->pageNumber(), 16);
        QCOMPARE(caption(v.get()), QStringLiteral("Page 16"));

        press(v.get(), "prevButton");
        QVERIFY(child<QPushButton>(v.get(), "nextButton")->isEnabled());
        QCOMPARE(caption(v.get()), QStringLiteral("Page 15"));
        QCOMPARE(QFileInfo(v->pictureFile()).fileName(), QStringLiteral("page15.gif"));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void previousBelowPageZeroDisablesItAndKeepsTheTitle()
    {
        std::unique_ptr<SBdocFrm> v(openViewer());
        press(v.get(), "prevButton");
        QVERIFY(!child<QPushButton>(v.get(), "prevButton")->isEnabled());
        QCOMPARE(v->pageNumber(), 0);
        QCOMPARE(caption(v.get()), QStringLiteral("Excerpt from the Manual "));
        QVERIFY(v->pictureFile().isEmpty());

        press(v.get(), "nextButton");  // re-enables "<" and shows page 1
        QVERIFY(child<QPushButton>(v.get(), "prevButton")->isEnabled());
        press(v.get(), "prevButton");
        QCOMPARE(caption(v.get()), QStringLiteral("Page 0"));
        QCOMPARE(QFileInfo(v->pictureFile()).fileName(), QStringLiteral("page0.gif"));
    }

    // Both offsets are shares of the window's inner width; paging resets them.
    void scrollingMovesThePageByTheWindowsWidth()
    {
        std::unique_ptr<SBdocFrm> v(openViewer());
        v->resize(600, 700);
        auto* vs = child<QScrollBar>(v.get(), "VScroll1");
        auto* hs = child<QScrollBar>(v.get(), "HScroll1");
        QCOMPARE(vs->maximum(), 70);
        QCOMPARE(hs->maximum(), 50);
        QCOMPARE(vs->pageStep(), 10);
        QCOMPARE(hs->singleStep(), 2);
        vs->setValue(20);
        hs->setValue(10);
        QCOMPARE(child<QLabel>(v.get(), "Image1")->pos(), QPoint(-60, -120));
        press(v.get(), "nextButton");
        QCOMPARE(vs->value(), 0);
        QCOMPARE(hs->value(), 0);
        QCOMPARE(child<QLabel>(v.get(), "Image1")->pos(), QPoint(0, 0));
    }

    void resizeRule()
    {
        const auto l = SBdocFrm::layoutFor(5000, 8000);
        QCOMPARE(l.buttonTop, 3800);
        QCOMPARE(l.vScrollLeft, 7620);
        QCOMPARE(l.frameWidth, 7600);
        QCOMPARE(l.hScrollTop, 3500);
        QCOMPARE(l.pageLabelTop, 3900);
        QCOMPARE(l.noteTop, 3700);

        // The same on a window: 534 x 334 pixels are 8010 x 5010 twips.
        std::unique_ptr<SBdocFrm> v(openViewer());
        v->resize(534, 334);
        QCOMPARE(child<QPushButton>(v.get(), "nextButton")->y(), (5010 - 1200) / 15);
        QCOMPARE(child<QPushButton>(v.get(), "prevButton")->y(), (5010 - 1200) / 15);
        QCOMPARE(child<QScrollBar>(v.get(), "VScroll1")->x(), (8010 - 380) / 15);
        QCOMPARE(child<QWidget>(v.get(), "Frame1")->size(), QSize((8010 - 400) / 15, (5010 - 1500) / 15));

        // Too small a window: negative sizes are skipped, positions still move.
        const QSize frameBefore = child<QWidget>(v.get(), "Frame1")->size();
        v->resize(200, 60);  // 900 twips high
        QCOMPARE(child<QWidget>(v.get(), "Frame1")->height(), frameBefore.height());
        QCOMPARE(child<QPushButton>(v.get(), "nextButton")->y(), (900 - 1200) / 15);
    }

    void missingPageKeepsThePictureAndNamesTheFile()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(TELLUM_DOCS_DIR "/page1.gif"), dir.filePath("page1.gif")));
        std::unique_ptr<SBdocFrm> v(openViewer());
        v->setDocsFolder(dir.path());
        press(v.get(), "nextButton");
        QCOMPARE(QFileInfo(v->pictureFile()).fileName(), QStringLiteral("page1.gif"));
        press(v.get(), "nextButton");
        QCOMPARE(caption(v.get()), QStringLiteral("Page 2"));
        QCOMPARE(QFileInfo(v->pictureFile()).fileName(), QStringLiteral("page1.gif"));
        QCOMPARE(m_presenter.shown.size(), 1);
        QVERIFY(m_presenter.shown[0].text.contains(QDir::toNativeSeparators(dir.filePath("page2.gif"))));
        QVERIFY(m_presenter.shown[0].text.contains(QStringLiteral("missing")));
    }
};

QTEST_MAIN(SBdocFrmTest)
#include "SBdocFrmTest.moc"
