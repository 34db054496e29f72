// Draws the spillway windows' pictures: drives the real main window through
// one design up to the emergency spillway, opening each window from its
// button and clicking each table's choice, and saves the three design tables
// and the outlet-pipe length figure at their default sizes.
//
//   spillway_screenshots OUTPUT_FOLDER
//
// Runs on any Qt platform; QT_QPA_PLATFORM=offscreen needs no display.

#include "ui/DesignTableGrid.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/PrincipalSpillwayDesign.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

namespace {

void type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QApplication::processEvents();
}

void type(ui::MainFrm& window, const char* box, const QString& text)
{
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box)))
        type(edit, text);
    else
        std::fprintf(stderr, "spillway_screenshots: no box %s\n", box);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QApplication::processEvents();
}

// The window a main-window button shows.
QWidget* open(ui::MainFrm& window, const char* button, const char* name)
{
    click(window.findChild<QPushButton*>(QString::fromLatin1(button)));
    return window.window(QString::fromLatin1(name));
}

void clickCell(QWidget* table, int index)
{
    if (auto* grid = table->findChild<ui::DesignTableGrid*>(); grid && grid->cell(index))
        click(grid->cell(index));
}

bool save(QWidget* shown, const QDir& folder, const QString& name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool ok = shown->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: spillway_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    // Messages are recorded, not shown: nothing should be asked here.
    ui::RecordingPresenter presenter;
    ui::setPresenter(&presenter);

    ui::MainFrm window;
    window.show();
    click(window.findChild<QPushButton*>(QStringLiteral("btnAccept")));
    window.hideRecordCover();

    // 5 acres, C 0.5, 4 and 12 in./h: Q2 10 cfs, Q25 30 cfs; a 6 ft. basin.
    type(window, "areaAvaiText", QStringLiteral("5"));
    type(window, "CFactorText", QStringLiteral("0.5"));
    window.selectTab(2);
    type(window, "IText", QStringLiteral("4"));
    type(window, "IText2", QStringLiteral("12"));
    window.selectTab(3);
    if (auto* depth = window.findChild<QRadioButton*>(QStringLiteral("Option1_6")))
        click(depth);

    // H 8: the 18-inch pipe, confirmed.
    window.selectTab(4);
    type(window, "hText", QStringLiteral("8"));
    QWidget* pipes = open(window, "Do_QButton", "Table6_221");
    clickCell(pipes, 8 * (8 - 3) + 2);
    save(pipes, folder, QStringLiteral("table6-22-1a.png"));
    pipes->hide();

    // The dam: L = (110 - 99) x 5 + 10 + 5 = 70 ft.
    auto* figure = qobject_cast<ui::PrincipalSpillwayDesign*>(open(window, "prinSpillWayHelpButton", "PrincipalSpillwayDesign"));
    type(figure->AText(), QStringLiteral("110"));
    type(figure->BvText(), QStringLiteral("100"));
    type(figure->CText(), QStringLiteral("98"));
    type(figure->TText(), QStringLiteral("10"));
    type(figure->EText(), QStringLiteral("5"));
    figure->closeButton()->setFocus();
    save(figure, folder, QStringLiteral("fig6-22-3.png"));
    click(figure->closeButton());

    // The length row 70 for 18 inches, confirmed.
    QWidget* factors = open(window, "QpsButton", "Table6_221b");
    clickCell(factors, 8 * 4 + 2);
    save(factors, folder, QStringLiteral("table6-22-1b.png"));
    factors->hide();

    // Qes = 30 - 15.5 = 14.5: the suggested 15 cfs channel, confirmed.
    window.selectTab(5);
    QWidget* channels = open(window, "emSpilButton", "Table6_224");
    clickCell(channels, 7);
    save(channels, folder, QStringLiteral("table6-22-4.png"));

    for (const auto& shown : presenter.shown)
        std::fprintf(stderr, "message: %s\n", qPrintable(shown.text));
    return presenter.shown.isEmpty() ? 0 : 1;
}
