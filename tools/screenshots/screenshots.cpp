// Draws the README's pictures: drives the real windows through one design,
// typed and clicked as a designer would, confirming each table's own choice,
// and saves every window at its default size, and the printed summary sheet.
//
//   screenshots OUTPUT_FOLDER [PROGRAM_FOLDER]
//
// PROGRAM_FOLDER holds the guide and the manual pages (default: the program
// folder beside this tool's folder, build/bin). Runs on any Qt platform;
// QT_QPA_PLATFORM=offscreen needs no display.

#include "engine/design_tables.h"
#include "engine/number_text.h"
#include "reports/DesignSheet.h"
#include "ui/BasinRecords.h"
#include "ui/DesignSheetPreview.h"
#include "ui/DesignTableGrid.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/PrincipalSpillwayDesign.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/Version.h"
#include "ui/frmSummary.h"
#include "ui/frmSummaryTopView.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <cstdio>

namespace {

int failures = 0;

// The design's own date, and every file saved where the tool is told.
class ToolServices : public ui::Services {
public:
    QString savePath;
    bool openFile(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QDate today() override { return QDate(2026, 3, 16); }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return savePath; }
};

void type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QApplication::processEvents();
}

void type(ui::MainFrm& window, const char* box, const QString& text)
{
    if (auto* edit = window.findChild<QLineEdit*>(QLatin1String(box)))
        type(edit, text);
    else
        std::fprintf(stderr, "screenshots: no box %s\n", box), ++failures;
}

double number(ui::MainFrm& window, const char* box)
{
    auto* edit = window.findChild<QLineEdit*>(QLatin1String(box));
    return edit ? engine::parseNumber(ui::ss(edit->text())).value_or(0) : 0;
}

void click(QWidget* widget)
{
    if (!widget) {
        ++failures;
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
    QApplication::processEvents();
}

// The window a main-window button shows.
QWidget* open(ui::MainFrm& window, const char* button, const char* name)
{
    click(window.findChild<QPushButton*>(QLatin1String(button)));
    return window.window(QLatin1String(name));
}

void clickCell(QWidget* table, int index)
{
    auto* grid = table ? table->findChild<ui::DesignTableGrid*>() : nullptr;
    click(grid ? grid->cell(index) : nullptr);
}

void save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    const bool ok = image.save(path);
    failures += ok ? 0 : 1;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
}

void save(QWidget* shown, const QDir& folder, const QString& name)
{
    QApplication::processEvents();
    if (shown)
        save(shown->grab().toImage(), folder, name);
    else
        ++failures;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER [PROGRAM_FOLDER]\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    const QString programFolder = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                           : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));

    // Messages are recorded, not shown: nothing should be asked here.
    ui::RecordingPresenter presenter;
    ui::setPresenter(&presenter);

    ui::MainFrm window(QDir(programFolder).absolutePath());
    window.show();
    click(window.findChild<QPushButton*>(QStringLiteral("btnAccept")));
    window.hideRecordCover();

    // The project and the drainage area.
    type(window, "proNameText", QStringLiteral("NH-0417(22)"));
    type(window, "PINoText", QStringLiteral("0417022"));
    type(window, "designerNameText", QStringLiteral("R. Amsel"));
    type(window, "dateText", QStringLiteral("03/16/2026"));
    if (auto* county = window.findChild<QComboBox*>(QStringLiteral("CountyCombo")); county && county->count() > 12)
        county->setCurrentIndex(12);
    type(window, "proNumText", QStringLiteral("3"));
    type(window, "locationText", QStringLiteral("Sta. 112+40"));
    type(window, "sideText", QStringLiteral("Rt."));
    type(window, "areaAvaiText", QStringLiteral("18.65"));
    type(window, "CFactorText", QStringLiteral("0.45"));
    type(window, "slopeVarText", QStringLiteral("2.5"));
    window.selectTab(1);
    save(&window, folder, QStringLiteral("tab1-project-information.png"));

    // Runoff: Q2 = 0.45 x 4.1 x 18.65 = 34.41 cfs, Q25 = 57.91 cfs.
    window.selectTab(2);
    type(window, "IText", QStringLiteral("4.1"));
    type(window, "IText2", QStringLiteral("6.9"));
    save(&window, folder, QStringLiteral("tab2-volumes-runoff.png"));

    // A 6 ft. basin.
    window.selectTab(3);
    click(window.findChild<QRadioButton*>(QStringLiteral("Option1_6")));
    save(&window, folder, QStringLiteral("tab3-basin-dimensions.png"));

    // H 8.5: the pipe table's own choice, confirmed.
    window.selectTab(4);
    type(window, "hText", QStringLiteral("8.5"));
    QWidget* pipes = open(window, "Do_QButton", "Table6_221");
    if (const auto pipe = engine::table_a::selectPipe(8.5, window.Q2()).cell)
        clickCell(pipes, pipe->index);
    save(pipes, folder, QStringLiteral("table6-22-1a.png"));
    pipes->hide();

    // The dam: L = (112 - 98.5) x 5 + 12 + 6 = 85.5 ft.
    auto* figure = qobject_cast<ui::PrincipalSpillwayDesign*>(open(window, "prinSpillWayHelpButton", "PrincipalSpillwayDesign"));
    type(figure->AText(), QStringLiteral("112"));
    type(figure->BvText(), QStringLiteral("100"));
    type(figure->CText(), QStringLiteral("97"));
    type(figure->TText(), QStringLiteral("12"));
    type(figure->EText(), QStringLiteral("6"));
    figure->closeButton()->setFocus();
    save(figure, folder, QStringLiteral("fig6-22-3.png"));
    click(figure->closeButton());

    // The correction table's own factor for L and Do, confirmed.
    QWidget* factors = open(window, "QpsButton", "Table6_221b");
    if (const auto factor = engine::table_b::selectCorrection(number(window, "LText"), number(window, "DoText")).cell)
        clickCell(factors, factor->index);
    save(factors, folder, QStringLiteral("table6-22-1b.png"));
    factors->hide();
    save(&window, folder, QStringLiteral("tab4-principal-spillway.png"));

    // The suggested channel for Qes, confirmed.
    window.selectTab(5);
    QWidget* channels = open(window, "emSpilButton", "Table6_224");
    if (const auto channel = engine::table_es::suggestChannel(window.Qes()).cell)
        clickCell(channels, channel->index);
    save(channels, folder, QStringLiteral("table6-22-4.png"));
    channels->hide();
    save(&window, folder, QStringLiteral("tab5-emergency-spillway.png"));

    // The design sheet of the basin on screen: its preview, saved as a PDF
    // from there, and its page as a picture.
    ToolServices services;
    services.savePath = folder.filePath(QStringLiteral("design-sheet.pdf"));
    ui::setServices(&services);
    click(window.findChild<QToolButton*>(QStringLiteral("sheetButton")));
    QWidget* preview = window.window(QStringLiteral("DesignSheetPreview"));
    save(preview, folder, QStringLiteral("design-sheet-preview.png"));
    if (preview)
        click(preview->findChild<QPushButton*>(QStringLiteral("pdfButton")));
    const bool pdfSaved = !presenter.shown.isEmpty() && presenter.shown.back().text.startsWith(QStringLiteral("The design sheet has been saved"));
    std::printf("%s %s\n", pdfSaved ? "wrote" : "could not write", qPrintable(services.savePath));
    failures += pdfSaved ? 0 : 1;
    presenter.clear();
    {
        constexpr int kDpi = 110;
        const QPageLayout layout = reports::defaultPageLayout();
        const QRectF paper = layout.fullRect(QPageLayout::Point);
        QImage sheetPage((paper.size() * kDpi / 72).toSize(), QImage::Format_RGB32);
        sheetPage.setDotsPerMeterX(qRound(kDpi / 0.0254));
        sheetPage.setDotsPerMeterY(qRound(kDpi / 0.0254));
        sheetPage.fill(Qt::white);
        QPainter painter(&sheetPage);
        painter.scale(kDpi / 72.0, kDpi / 72.0);
        const reports::DesignSheet sheet =
            reports::designSheet(window.records().screenDesign(), window.records().activeTable());
        reports::paintSheet(painter, layout.paintRect(QPageLayout::Point), sheet,
                            {ui::applicationTitle() + QLatin1Char(' ') + ui::versionNumber(), services.today()}, 1, 1);
        painter.end();
        save(sheetPage, folder, QStringLiteral("design-sheet.png"));
    }
    if (preview)
        preview->close();
    ui::setServices(nullptr);

    // The summary: side view, top view and the printed sheet (as a PDF, with
    // no printer, and as a picture of a landscape letter page).
    click(window.findChild<QPushButton*>(QStringLiteral("summaryCmd")));
    ui::frmSummary* summary = window.summary();
    save(summary, folder, QStringLiteral("summary-side-view.png"));
    click(summary->findChild<QPushButton*>(QStringLiteral("topViewButton")));
    save(summary->topView(), folder, QStringLiteral("summary-top-view.png"));
    if (summary->topView())
        click(summary->topView()->findChild<QPushButton*>(QStringLiteral("sideViewButton")));
    summary->setDefaultPrinterLookup([] { return QPrinterInfo(); });
    const QString pdf = folder.filePath(QStringLiteral("summary-print.pdf"));
    summary->setPdfFileChooser([pdf](QWidget*) { return pdf; });
    presenter.answer = true;
    click(summary->findChild<QPushButton*>(QStringLiteral("printButton")));
    std::printf("%s %s\n", QFile::exists(pdf) ? "wrote" : "could not write", qPrintable(pdf));
    QImage page(1100, 850, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        summary->paintSheet(painter, QRectF(50, 50, 1000, 750));
    }
    save(page, folder, QStringLiteral("summary-print.png"));
    summary->hide();

    // The reference windows, opened from the toolbar.
    const struct {
        const char* button;
        const char* window;
        const char* file;
    } references[] = {{"HelpFile", "frmHelp", "user-guide.png"},
                      {"SoftBttn1", "SBdocFrm", "manual-pages.png"},
                      {"aboutButton", "frmAbout", "about.png"}};
    for (const auto& reference : references) {
        click(window.findChild<QToolButton*>(QLatin1String(reference.button)));
        save(window.window(QLatin1String(reference.window)), folder, QLatin1String(reference.file));
    }

    // The one question expected is the offer of a PDF where there is no printer.
    for (const auto& shown : presenter.shown) {
        std::fprintf(stderr, "%s: %s\n", shown.question ? "asked" : "message", qPrintable(shown.text));
        failures += shown.question ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
