// Draws the README's pictures: drives the real main window through one
// design, as a designer would type it, and saves each page as a PNG.
//
//   screenshots OUTPUT_FOLDER [PROGRAM_FOLDER]
//
// PROGRAM_FOLDER holds the guide and the manual pages (default: the program
// folder beside this tool's folder, build/bin).
// Runs on any Qt platform; QT_QPA_PLATFORM=offscreen needs no display.

#include "ui/MainFrm.h"
#include "ui/Presenter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <cstdio>

namespace {

void type(ui::MainFrm& window, const char* box, const QString& text)
{
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box));
    if (!edit) {
        std::fprintf(stderr, "screenshots: no box %s\n", box);
        return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QApplication::processEvents();
}

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    // Messages are recorded, not shown: nothing should be asked here.
    ui::RecordingPresenter presenter;
    ui::setPresenter(&presenter);

    const QString programFolder = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                           : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));
    ui::MainFrm window(QDir(programFolder).absolutePath());
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnAccept")), Qt::LeftButton);
    window.hideRecordCover();

    type(window, "proNameText", QStringLiteral("NH-0417(22)"));
    type(window, "PINoText", QStringLiteral("0417022"));
    type(window, "designerNameText", QStringLiteral("R. Amsel"));
    type(window, "dateText", QStringLiteral("03/16/2026"));
    if (auto* county = window.findChild<QComboBox*>(QStringLiteral("CountyCombo")); county && county->count() > 12)
        county->setCurrentIndex(12);
    type(window, "proNumText", QStringLiteral("3"));
    type(window, "locationText", QStringLiteral("Sta. 112+40"));
    type(window, "sideText", QStringLiteral("Rt."));
    type(window, "areaAvaiText", QStringLiteral("4.6"));
    type(window, "CFactorText", QStringLiteral("0.45"));
    type(window, "slopeVarText", QStringLiteral("2.5"));
    window.selectTab(1);
    save(window, folder, QStringLiteral("tab1-project-information.png"));

    window.selectTab(2);
    type(window, "IText", QStringLiteral("4.1"));
    type(window, "IText2", QStringLiteral("6.9"));
    save(window, folder, QStringLiteral("tab2-volumes-runoff.png"));

    window.selectTab(3);
    if (auto* depth = window.findChild<QRadioButton*>(QStringLiteral("Option1_6")))
        QTest::mouseClick(depth, Qt::LeftButton);
    save(window, folder, QStringLiteral("tab3-basin-dimensions.png"));

    // The reference windows, opened from the toolbar.
    const struct {
        const char* button;
        const char* window;
        const char* file;
    } references[] = {{"HelpFile", "frmHelp", "user-guide.png"},
                      {"SoftBttn1", "SBdocFrm", "manual-pages.png"},
                      {"aboutButton", "frmAbout", "about.png"}};
    for (const auto& reference : references) {
        if (auto* button = window.findChild<QToolButton*>(QLatin1String(reference.button)))
            QTest::mouseClick(button, Qt::LeftButton);
        if (QWidget* opened = window.window(QLatin1String(reference.window)))
            save(*opened, folder, QLatin1String(reference.file));
    }

    for (const auto& shown : presenter.shown)
        std::fprintf(stderr, "message: %s\n", qPrintable(shown.text));
    return presenter.shown.isEmpty() ? 0 : 1;
}
