// The summary window: its labels on the side-view sketch, its caption,
// keeping it on top, closing it, printing it, and the designer's changes
// reaching it through the main window.

#include "SketchChecks.h"
#include "ui/Caption.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/SedimentBasinMod.h"
#include "ui/frmSummary.h"
#include "ui/Text.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A caption label whose buddy is the given value label: the text in front of it.
QLabel* captionOf(QWidget* window, const QLabel* value)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == value)
            return label;
    return nullptr;
}

using sketchchecks::inWindow;

QStringList allTexts(const QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible())
            texts << label->text();
    return texts;
}

// Share of the pixels of image inside area that are neither white nor near it.
double inkIn(const QImage& image, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ++ink;
    return double(ink) / (area.width() * area.height());
}

}  // namespace

class frmSummaryTest : public QObject {
    Q_OBJECT

private slots:
    void valueLabelsStartWithTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("caption");  // empty: none, the drawing stands for it
        const QString zero = QStringLiteral("0");
        QTest::newRow("areaLabel") << "areaLabel" << zero << "Area (acres) =";
        QTest::newRow("Q2Label") << "Q2Label" << zero << "Q2=";
        QTest::newRow("Q25Label") << "Q25Label" << zero << "Q25=";
        QTest::newRow("QpsLabel") << "QpsLabel" << zero << "Qps=";
        QTest::newRow("QesLabel") << "QesLabel" << zero << "Qes=";
        QTest::newRow("VsLabel") << "VsLabel" << zero << "Vs =";
        QTest::newRow("VcLabel") << "VcLabel" << zero << "Vc =";
        QTest::newRow("slopeVarLabel") << "slopeVarLabel" << "2.5" << "";
        QTest::newRow("slopeDisLabel_0") << "slopeDisLabel_0" << zero << "";
        QTest::newRow("slopeDisLabel_1") << "slopeDisLabel_1" << zero << "";
        QTest::newRow("depthLabel_0") << "depthLabel_0" << zero << "";
        QTest::newRow("depthLabel_1") << "depthLabel_1" << zero << "Basin Depth =";
        QTest::newRow("bottomWLabel") << "bottomWLabel" << zero << "Bottom Width =";
        QTest::newRow("bottomLLabel") << "bottomLLabel" << zero << "Bottom Length =";
        QTest::newRow("hText") << "hText" << zero << "";
        QTest::newRow("DsLabel") << "DsLabel" << zero << "Ds =";
        QTest::newRow("HLabel") << "HLabel" << zero << "H=";
        QTest::newRow("DoLabel") << "DoLabel" << zero << "Do =";
        QTest::newRow("LLabel") << "LLabel" << zero << "L =";
        QTest::newRow("damTopLabel") << "damTopLabel" << zero << "A=";
        QTest::newRow("slopeLabel") << "slopeLabel" << zero << "S=";
        QTest::newRow("bLabel") << "bLabel" << zero << "b =";
        QTest::newRow("HpLabel") << "HpLabel" << zero << "Hp";
        QTest::newRow("Label5") << "Label5" << "2.5" << "";
    }

    void valueLabelsStartWithTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, initial);
        QFETCH(QString, caption);
        ui::frmSummary summary;
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        auto* value = summary.findChild<ui::Caption*>(name);
        QVERIFY(value);
        QVERIFY(value->isVisible());
        QCOMPARE(value->text(), initial);
        QCOMPARE(summary.label(name), initial);

        // Its caption stands right in front of it on the same line.
        const QLabel* front = captionOf(&summary, value);
        if (caption.isEmpty()) {
            QVERIFY(!front);
            return;
        }
        QVERIFY(front);
        QCOMPARE(front->text(), caption);
        const QRect frontRect = inWindow(front, &summary);
        const QRect valueRect = inWindow(value, &summary);
        QVERIFY(frontRect.right() < valueRect.left());
        QVERIFY(valueRect.left() - frontRect.right() < 20);
        QVERIFY(qAbs(frontRect.center().y() - valueRect.center().y()) <= 2);
    }

    // Each value stands at the part of the section it measures.
    void valuesSitAtTheirPartOfTheDrawing_data()
    {
        using namespace ui::sketch::side;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("zone");  // where the label's centre lies
        QTest::newRow("bank height beside the bank")
            << "depthLabel_0" << QRectF(QPointF(0, kFull), QPointF(kBankTop.x(), kBottom));
        QTest::newRow("bank run under the bank")
            << "slopeDisLabel_0" << QRectF(QPointF(kBankTop.x(), kBottom), QPointF(kBankToe.x(), 289));
        QTest::newRow("bank slope at the bank") << "slopeVarLabel" << QRectF(kBankTop, kBankToe);
        QTest::newRow("h between riser top and crest")
            << "hText" << QRectF(QPointF(kRiserLeft - 1, kCrest), QPointF(kRiserRight + 1, kFull));
        QTest::newRow("Vs just above the full level") << "VsLabel" << QRectF(QPointF(0, kFull - 14), QPointF(692, kFull));
        QTest::newRow("Vc just above the clean-out level")
            << "VcLabel" << QRectF(QPointF(kBankTop.x(), kCleanOut - 14), QPointF(692, kCleanOut));
        QTest::newRow("A above the dam top") << "damTopLabel" << QRectF(QPointF(450, kCrest - 40), QPointF(692, kDamTop));
        QTest::newRow("Do beyond the dam at the outlet")
            << "DoLabel" << QRectF(QPointF(600, kBottom - 30), QPointF(692, kPipeOutlet.y()));
        QTest::newRow("inset: b under the channel bottom")
            << "bLabel" << QRectF(QPointF(kInsetSlopeToe.x(), kInsetBottom), QPointF(400, kInsetBottom + 20));
        QTest::newRow("inset: Hp beside the stage")
            << "HpLabel" << QRectF(QPointF(390, kInsetWater), QPointF(692, kInsetBottom));
        QTest::newRow("inset: side slope at its triangle")
            << "Label5" << QRectF(kInsetSlopeTop, kInsetSlopeToe);
        QTest::newRow("inset: slope run at its triangle")
            << "slopeDisLabel_1" << QRectF(kInsetSlopeTop, kInsetSlopeToe + QPointF(0, 14));
    }

    void valuesSitAtTheirPartOfTheDrawing()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, zone);
        ui::frmSummary summary;
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        auto* value = summary.findChild<ui::Caption*>(name);
        QVERIFY(value);
        const QPointF centre = QRectF(inWindow(value, &summary)).center();
        QVERIFY2(zone.contains(centre), qPrintable(QStringLiteral("centre at %1, %2").arg(centre.x()).arg(centre.y())));
    }

    void printedCaptionsAreAllOnTheDrawing()
    {
        ui::frmSummary summary;
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        const QStringList texts = allTexts(&summary);
        for (const char* caption : {"Emergency Spillway Crest Elevation", "Emmergency Spillway Cross Section",
                                    "Freeboard(1ft. min)", "Hp", "b =", "S=", "A=", "L =", "Do =", "H=", "Ds ="})
            QVERIFY2(texts.contains(QLatin1String(caption)), caption);
        QCOMPARE(texts.count(QStringLiteral("1")), 2);  // the slope mark at each slope triangle
    }

    void captionNamesProjectAndBasin_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("basin");
        QTest::addColumn<QString>("title");
        QTest::newRow("both numbers") << "A-1" << "3" << "Project Number: A-1 - Basin Number: 3";
        QTest::newRow("basin number cleared") << "A-1" << "" << "Project Number: A-1 - Basin Number: ";
        QTest::newRow("project number only typed later") << "" << "7" << "Project Number:  - Basin Number: 7";
    }

    void captionNamesProjectAndBasin()
    {
        QFETCH(QString, project);
        QFETCH(QString, basin);
        QFETCH(QString, title);
        ui::frmSummary summary;
        QCOMPARE(summary.windowTitle(), QStringLiteral("Sediment Basin Summary Viewer Window"));
        summary.setSummaryCaption(QStringLiteral("X-9"), QStringLiteral("99"));
        summary.setSummaryCaption(project, basin);
        QCOMPARE(summary.windowTitle(), title);
    }

    void writingALabelChangesOnlyThatLabel()
    {
        ui::frmSummary summary;
        summary.setLabel(QStringLiteral("VsLabel"), QStringLiteral("67 cy  = 1809cf"));
        QCOMPARE(summary.label(QStringLiteral("VsLabel")), QStringLiteral("67 cy  = 1809cf"));
        QCOMPARE(summary.findChild<QLabel*>(QStringLiteral("VsLabel"))->text(), QStringLiteral("67 cy  = 1809cf"));

        // depthLabel_0 and depthLabel_1 are separate labels.
        summary.setLabel(QStringLiteral("depthLabel_1"), QStringLiteral("6 ft."));
        QCOMPARE(summary.label(QStringLiteral("depthLabel_1")), QStringLiteral("6 ft."));
        QCOMPARE(summary.label(QStringLiteral("depthLabel_0")), QStringLiteral("0"));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchLabel")));
        summary.setLabel(QStringLiteral("noSuchLabel"), QStringLiteral("1"));
        QCOMPARE(summary.label(QStringLiteral("noSuchLabel")), QString());
    }

    void closeWindowHidesAndKeepsTheValues()
    {
        ui::frmSummary summary;
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        summary.setLabel(QStringLiteral("bLabel"), QStringLiteral("10 ft."));
        auto* close = summary.findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(close);
        QCOMPARE(ui::withoutAccessKey(close->text()), QStringLiteral("Close Window"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!summary.isVisible());
        summary.show();
        QCOMPARE(summary.label(QStringLiteral("bLabel")), QStringLiteral("10 ft."));

        // The print labels stay hidden on screen.
        for (const char* name : {"titleLabel", "appTitleLabel"}) {
            auto* printLabel = summary.findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(printLabel, name);
            QVERIFY(!printLabel->isVisible());
        }
    }

    // Every label and button shows its whole text, and none covers another
    // or a line of the drawing, even with the longest values a design produces.
    void longValuesStayLegible()
    {
        ui::frmSummary summary;
        QCOMPARE(summary.size(), QSize(692, 289));
        const QList<std::pair<const char*, const char*>> longest = {
            {"areaLabel", "99999.99"},        {"Q2Label", "123456.78 cfs"},      {"Q25Label", "123456.78 cfs"},
            {"QpsLabel", "12345.67 cfs"},     {"QesLabel", "-123456.78 cfs"},    {"VsLabel", "12345.67 cy  = 333333.1cf"},
            {"VcLabel", "2199978 cy = 59399406cf"}, {"slopeVarLabel", "999"},    {"slopeDisLabel_0", "9990 ft."},
            {"slopeDisLabel_1", "5.25 ft."},  {"depthLabel_0", "10 ft."},        {"depthLabel_1", "10 ft."},
            {"bottomWLabel", "12345.67 ft."}, {"bottomLLabel", "12345.67 ft."},  {"hText", "12.34567 ft. minimum."},
            {"DsLabel", "108 in."},           {"HLabel", "1234.567 ft."},        {"DoLabel", "72 in."},
            {"LLabel", "12345.67 ft."},       {"damTopLabel", "12345.67 ft."},   {"slopeLabel", "0.0125"},
            {"bLabel", "120 ft."},            {"HpLabel", "12.34 ft."},          {"Label5", "2.5"}};
        QCOMPARE(longest.size(), 24);
        for (const auto& [name, value] : longest)
            summary.setLabel(QLatin1String(name), QLatin1String(value));
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        QCOMPARE(summary.size(), QSize(692, 289));
        for (const auto& [name, value] : longest)
            QVERIFY2(summary.findChild<QLabel*>(QLatin1String(name))->isVisible(), name);
        const QStringList faults = sketchchecks::legibilityFaults(&summary, ui::sketch::sideView());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // A shorter value again: its caption follows it.
        auto* h = summary.findChild<QLabel*>(QStringLiteral("HLabel"));
        const QRect before = inWindow(h, &summary);
        summary.setLabel(QStringLiteral("HLabel"), QStringLiteral("5 ft."));
        const QRect after = inWindow(h, &summary);
        QVERIFY(after.width() < before.width());
        const QRect front = inWindow(captionOf(&summary, h), &summary);
        QVERIFY(front.right() < after.left() && after.left() - front.right() < 20);
        QVERIFY(sketchchecks::legibilityFaults(&summary, ui::sketch::sideView()).isEmpty());
    }

    // ---- Closing through the frame ----------------------------------------

    void frameCloseHidesAndQuitsNothing()
    {
        ui::frmSummary summary;
        summary.setLabel(QStringLiteral("VsLabel"), QStringLiteral("67 cy  = 1809cf"));
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QPointer<ui::frmSummary> alive(&summary);
        QVERIFY(summary.close());
        QCoreApplication::processEvents();
        QVERIFY(alive);
        QVERIFY(summary.isHidden());
        QCOMPARE(lastClosed.count(), 0);
        summary.show();
        QCOMPARE(summary.label(QStringLiteral("VsLabel")), QStringLiteral("67 cy  = 1809cf"));
    }

    // ---- The main window writing into the shown summary -------------------

    void designChangesReachTheShownSummary()
    {
        ui::RecordingPresenter presenter;
        ui::setPresenter(&presenter);
        auto main = std::make_unique<ui::MainFrm>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        auto box = [&](const char* name) { return main->findChild<QLineEdit*>(QLatin1String(name)); };
        box("areaAvaiText")->setText(QStringLiteral("4.6"));
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("summaryCmd")), Qt::LeftButton);
        ui::frmSummary* summary = main->summary();
        QVERIFY(QTest::qWaitForWindowExposed(summary));
        QCOMPARE(summary->label(QStringLiteral("depthLabel_0")), QStringLiteral("4 ft."));
        const QString bottom4 = summary->label(QStringLiteral("bottomWLabel"));

        // Depth 4 to 6: both depth labels and the bottom sizes, at once.
        main->selectDepth(6);
        QCOMPARE(summary->label(QStringLiteral("depthLabel_0")), QStringLiteral("6 ft."));
        QCOMPARE(summary->label(QStringLiteral("depthLabel_1")), QStringLiteral("6 ft."));
        QCOMPARE(summary->label(QStringLiteral("bottomWLabel")), box("widthText")->text() + QStringLiteral(" ft."));
        QCOMPARE(summary->label(QStringLiteral("bottomLLabel")), box("lengthText")->text() + QStringLiteral(" ft."));
        QVERIFY(summary->label(QStringLiteral("bottomWLabel")) != bottom4);

        // An emergency spillway bottom width of 10: "10 ft." after b = in the inset.
        box("bottomWidthText")->setText(QStringLiteral("10"));
        auto* b = summary->findChild<QLabel*>(QStringLiteral("bLabel"));
        QCOMPARE(b->text(), QStringLiteral("10 ft."));
        const QLabel* front = captionOf(summary, b);
        QVERIFY(front);
        QCOMPARE(front->text(), QStringLiteral("b ="));
        QVERIFY(front->geometry().right() < b->geometry().left());

        const QStringList faults = sketchchecks::legibilityFaults(summary, ui::sketch::sideView());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // Its frame's close hides it; the main window and its basin stay.
        QVERIFY(summary->close());
        QCoreApplication::processEvents();
        QVERIFY(main->isVisible());
        QVERIFY(!main->closing());
        QCOMPARE(main->window(QStringLiteral("frmSummary")), static_cast<QWidget*>(summary));
        QCOMPARE(box("areaAvaiText")->text(), QStringLiteral("4.6"));
        main.reset();
        ui::setPresenter(nullptr);
    }

    // ---- Printing --------------------------------------------------------

    // The sheet carries the caption and the application's title and no
    // button; the window looks as before once it is printed.
    void printedSheetHasCaptionAndTitleAndNoButtons()
    {
        ui::frmSummary summary;
        summary.setSummaryCaption(QStringLiteral("NH-0417(22)"), QStringLiteral("3"));
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        const QList<QPushButton*> buttons = summary.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 3);
        QRect buttonRow;
        for (QPushButton* button : buttons)
            buttonRow |= button->geometry();
        auto* title = summary.findChild<QLabel*>(QStringLiteral("titleLabel"));
        auto* appTitle = summary.findChild<QLabel*>(QStringLiteral("appTitleLabel"));

        QImage sheet(summary.size(), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        {
            QPainter painter(&sheet);
            summary.paintSheet(painter, QRectF(sheet.rect()));
        }
        QCOMPARE(title->text(), QStringLiteral("Project Number: NH-0417(22) - Basin Number: 3"));
        QCOMPARE(appTitle->text(), ui::applicationTitle());
        QCOMPARE(appTitle->font().family(), QStringLiteral("Garamond"));
        QVERIFY(title->geometry().intersects(buttonRow));  // the caption takes the buttons' place

        // Where the buttons stand on screen, the sheet shows nothing but the
        // caption's text.
        const QImage screen = summary.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect titleText = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                    title->fontMetrics().boundingRect(title->text()).size(),
                                                    title->geometry())
                                    .adjusted(-2, -2, 2, 2);
        auto inkAroundTitle = [&](const QImage& image) {
            int ink = 0;
            for (int y = buttonRow.top(); y <= buttonRow.bottom(); ++y)
                for (int x = buttonRow.left(); x <= buttonRow.right(); ++x)
                    if (!titleText.contains(x, y) && qGray(image.pixel(x, y)) < 235)
                        ++ink;
            return ink;
        };
        QVERIFY(inkAroundTitle(screen) > 200);
        QCOMPARE(inkAroundTitle(sheet), 0);
        QVERIFY(inkIn(sheet, titleText) > 0.03);
        QVERIFY(inkIn(sheet, appTitle->geometry()) > 0.03);
        QVERIFY(inkIn(screen, appTitle->geometry()) < 0.01);

        for (QPushButton* button : buttons)
            QVERIFY(button->isVisible());
        QVERIFY(!title->isVisible());
        QVERIFY(!appTitle->isVisible());
    }

    void printMeWithoutPrinterOffersAPdf_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("saved") << true << true;
        QTest::newRow("question cancelled") << false << true;
        QTest::newRow("file dialog cancelled") << true << false;
    }

    void printMeWithoutPrinterOffersAPdf()
    {
        QFETCH(bool, ok);
        QFETCH(bool, chosen);
        ui::RecordingPresenter presenter;
        presenter.answer = ok;
        ui::setPresenter(&presenter);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("summary.pdf"));
        int asked = 0;
        ui::frmSummary summary;
        summary.setDefaultPrinterLookup([] { return QPrinterInfo(); });
        summary.setPdfFileChooser([&](QWidget*) {
            ++asked;
            return chosen ? pdf : QString();
        });
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        QTest::mouseClick(summary.findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
        ui::setPresenter(nullptr);

        QCOMPARE(presenter.shown.size(), 1);
        QVERIFY(presenter.shown[0].question);
        QVERIFY(presenter.shown[0].text.startsWith(QStringLiteral("No printer is installed")));
        QCOMPARE(asked, ok ? 1 : 0);
        QCOMPARE(QFile::exists(pdf), ok && chosen);
        if (ok && chosen) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY(content.startsWith("%PDF"));
            // Drawn, not pasted in as a picture: the page's text is text.
            QVERIFY(content.contains("/FontFile2"));
            QVERIFY(!content.contains("/Subtype /Image"));
        }
        QVERIFY(summary.findChild<QPushButton*>(QStringLiteral("printButton"))->isVisible());
    }

    void onTopKeepsPlaceAndSize_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown window") << true;
        QTest::newRow("hidden window") << false;
    }

    void onTopKeepsPlaceAndSize()
    {
        QFETCH(bool, shown);
        ui::frmSummary summary;
        summary.move(140, 90);
        if (shown) {
            summary.show();
            QVERIFY(QTest::qWaitForWindowExposed(&summary));
        }
        const QPoint place = summary.pos();
        const QSize size = summary.size();

        QVERIFY(ui::SetWindowOnTop(&summary, true) != 0);
        QVERIFY(summary.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(summary.isVisible(), shown);
        QCOMPARE(summary.pos(), place);
        QCOMPARE(summary.size(), size);
        QVERIFY(ui::SetWindowOnTop(&summary, true) != 0);  // again: no change

        QCOMPARE(ui::SetWindowOnTop(&summary, false), 0);
        QVERIFY(!summary.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(summary.isVisible(), shown);
        QCOMPARE(summary.pos(), place);
        QCOMPARE(summary.size(), size);
    }
};

QTEST_MAIN(frmSummaryTest)
#include "frmSummaryTest.moc"
