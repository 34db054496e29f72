// The principal and emergency spillways on the real main window: H, the pipe
// table, the riser, the outlet-pipe length, the correction table and the
// channel table, driven as a designer drives them, with every value passing
// through the main window's own boxes and change operations.

#include "ui/DesignTableGrid.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/PrincipalSpillwayDesign.h"
#include "ui/Table6_221.h"
#include "ui/Table6_221b.h"
#include "ui/Table6_224.h"
#include "ui/frmSummary.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

using ui::Icon;
using ui::MainFrm;

namespace {

const QString kNotNumber = QStringLiteral("Please enter a valid number.");
const QColor kGreen(0, 192, 0);
const QColor kLightGreen(128, 255, 128);
const QColor kTeal(0, 128, 128);
const QColor kBlue(0, 0, 255);

QString rgb(const QColor& colour) { return colour.name(); }
QString textColour(const QLineEdit* box) { return rgb(box->palette().color(QPalette::Text)); }

// Cell indexes: table 6-22.1 (A) by H and column, (B) by length row and
// column, 6-22.4 by stage row and width column.
constexpr int pipeCell(int height, int column) { return 8 * (height - 3) + column; }
constexpr int factorCell(int row, int column) { return 8 * row + column; }
constexpr int channelCell(int row, int column) { return 17 * row + column; }

}  // namespace

class SpillwayChainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainFrm> m_window;
    ui::RecordingPresenter m_presenter;

    QLineEdit* box(const char* name) const
    {
        auto* found = m_window->findChild<QLineEdit*>(QLatin1String(name));
        if (!found)
            qFatal("no box %s", name);
        return found;
    }
    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(QLatin1String(name)); }
    QString summary(const char* label) const { return m_window->summary()->label(QLatin1String(label)); }

    ui::Table6_221* pipeTable() const { return qobject_cast<ui::Table6_221*>(m_window->window("Table6_221")); }
    ui::Table6_221b* factorTable() const { return qobject_cast<ui::Table6_221b*>(m_window->window("Table6_221b")); }
    ui::Table6_224* channelTable() const { return qobject_cast<ui::Table6_224*>(m_window->window("Table6_224")); }
    ui::PrincipalSpillwayDesign* lengthWindow() const
    {
        return qobject_cast<ui::PrincipalSpillwayDesign*>(m_window->window("PrincipalSpillwayDesign"));
    }

    static void activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // Replaces a box's text as the designer does: select all, then type.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    void clickTab(int tab)
    {
        auto* tabs = m_window->findChild<QTabBar*>(QStringLiteral("TabStrip1Tabs"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
        QCoreApplication::processEvents();  // the lost-focus checks run after the move
    }
    void chooseDepth(int depth)
    {
        auto* option = m_window->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(depth));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    // The runoff page: C, both intensities and the area give Q2 and Q25.
    void enterRunoff(const QString& area, const QString& c, const QString& i2, const QString& i25)
    {
        box("areaAvaiText")->setText(area);
        box("CFactorText")->setText(c);
        box("IText")->setText(i2);
        box("IText2")->setText(i25);
    }
    // The dam on the length window.
    void enterDam(const QStringList& abcte)
    {
        auto* figure = lengthWindow();
        QLineEdit* boxes[] = {figure->AText(), figure->BvText(), figure->CText(), figure->TText(), figure->EText()};
        for (int index = 0; index < 5; ++index)
            boxes[index]->setText(abcte[index]);
    }

private slots:
    void init()
    {
        ui::setPresenter(&m_presenter);
        m_presenter.clear();
        m_window = std::make_unique<MainFrm>();
        // The disclaimer acknowledged and a basin open.
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("btnAccept")), Qt::LeftButton);
        m_window->hideRecordCover();
        activate(m_window.get());
    }
    void cleanup()
    {
        m_window.reset();
        ui::setPresenter(nullptr);
    }

    // ---- The windows: when they come and go --------------------------------

    void theLengthWindowIsThereFromTheStartAndEachTableComesOnFirstUse_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("use");
        QTest::addColumn<bool>("shown");
        QTest::newRow("typing H makes the pipe table") << "Table6_221" << "H" << false;
        QTest::newRow("Do_QButton shows the pipe table") << "Table6_221" << "Do_QButton" << true;
        QTest::newRow("a new Do makes the correction table") << "Table6_221b" << "Do" << false;
        QTest::newRow("a new L makes the correction table") << "Table6_221b" << "L" << false;
        QTest::newRow("QpsButton shows the correction table") << "Table6_221b" << "QpsButton" << true;
        QTest::newRow("a new Qes makes the channel table") << "Table6_224" << "Qes" << false;
        QTest::newRow("emSpilButton shows the channel table") << "Table6_224" << "emSpilButton" << true;
        QTest::newRow("prinSpillWayHelpButton shows the length window") << "PrincipalSpillwayDesign"
                                                                        << "prinSpillWayHelpButton" << true;
    }
    void theLengthWindowIsThereFromTheStartAndEachTableComesOnFirstUse()
    {
        QFETCH(QString, table);
        QFETCH(QString, use);
        QFETCH(bool, shown);
        QVERIFY(lengthWindow());
        QVERIFY(!lengthWindow()->isVisible());
        QVERIFY(!pipeTable() && !factorTable() && !channelTable());
        QPointer<QWidget> first;
        for (int time = 0; time < 2; ++time) {
            if (use == QLatin1String("H"))
                box("hText")->setText(time ? QStringLiteral("7") : QStringLiteral("6"));
            else if (use == QLatin1String("Do"))
                m_window->setDoText(time ? QStringLiteral("24") : QStringLiteral("18"));
            else if (use == QLatin1String("L"))
                m_window->setLText(time ? QStringLiteral("80.00") : QStringLiteral("70.00"));
            else if (use == QLatin1String("Qes"))
                box("QesText")->setText(time ? QStringLiteral("9") : QStringLiteral("12.2"));
            else
                QTest::mouseClick(button(qPrintable(use)), Qt::LeftButton);
            QWidget* window = m_window->window(table);
            QVERIFY(window);
            QVERIFY(!window->parentWidget());  // a window of its own
            QCOMPARE(window->isVisible(), shown);
            QVERIFY(!window->isModal());
            if (time == 0)
                first = window;
            else
                QCOMPARE(window, first.data());  // the one instance, reused
        }
        QCOMPARE(m_window->guidance() ==
                     QStringLiteral("Once all information has been entered and calculated, store/update your basin's data."),
                 use == QLatin1String("emSpilButton"));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void closingTheProgramUnloadsTheWindowsInOrderWithoutChecks()
    {
        QStringList unloaded;
        box("hText")->setText(QStringLiteral("12"));
        m_window->setDoText(QStringLiteral("18"));
        box("QesText")->setText(QStringLiteral("5"));
        m_window->summary();
        enterDam({"110", "100", "101", "0", "0"});  // C above B, and A - B below H: "Close" would refuse
        QTest::mouseClick(button("prinSpillWayHelpButton"), Qt::LeftButton);
        for (const char* name : {"frmSummary", "Table6_221", "Table6_221b", "Table6_224", "PrincipalSpillwayDesign"})
            connect(m_window->window(QLatin1String(name)), &QObject::destroyed, this,
                    [&unloaded, name] { unloaded << QLatin1String(name); });
        m_presenter.clear();
        QVERIFY(m_window->close());
        QCOMPARE(unloaded,
                 QStringList({"frmSummary", "Table6_221", "Table6_221b", "Table6_224", "PrincipalSpillwayDesign"}));
        // Only the question about the basin's unstored changes (given up), no window's check.
        QCOMPARE(m_presenter.texts(),
                 QStringList{"The basin on screen has changes that are not stored. Store them first?"});
    }

    // ---- Table 6-22.1 (A) from the main window -----------------------------

    void typingHChoosesAPipeOnTheTableWindow_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("i2");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("q");
        QTest::addColumn<int>("marked");
        QTest::addColumn<QString>("message");
        QTest::newRow("H 5, Q2 4.43: 18 in., 12.2") << "1" << "8.86" << "5" << "18" << "12.2" << pipeCell(5, 2) << "";
        // A refused or missing row moves no mark: the choice made for the raised H 5 stays marked.
        QTest::newRow("H 20, Q2 249: no pipe") << "10" << "49.8" << "20" << "0" << "0" << pipeCell(5, 0)
                                               << "Q2 is too high! No pipe size can handle such discharge!";
        QTest::newRow("H 15.5: no row") << "1" << "8.86" << "15.5" << "0" << "0" << pipeCell(5, 2) << "";
    }
    void typingHChoosesAPipeOnTheTableWindow()
    {
        QFETCH(QString, area);
        QFETCH(QString, i2);
        QFETCH(QString, h);
        QFETCH(QString, diameter);
        QFETCH(QString, q);
        QFETCH(int, marked);
        QFETCH(QString, message);
        enterRunoff(area, QStringLiteral("0.5"), i2, QStringLiteral("0"));
        m_presenter.clear();
        type(box("hText"), h);
        auto* table = pipeTable();
        QVERIFY(!table->isVisible());  // it chooses while hidden
        QCOMPARE(table->Q2Text()->text(), QString::number(area.toDouble() * 0.5 * i2.toDouble()));
        QCOMPARE(table->hText()->text(), h);
        QCOMPARE(summary("HLabel"), h + QStringLiteral(" ft."));
        QCOMPARE(table->DoText()->text(), diameter);
        QCOMPARE(table->QText()->text(), q);
        QCOMPARE(table->grid()->markedCell(), marked);
        if (message.isEmpty()) {
            QVERIFY(m_presenter.shown.isEmpty());
        } else {
            QCOMPARE(m_presenter.texts(), QStringList{message});
            QCOMPARE(m_presenter.shown.first().icon, Icon::Error);
        }
        QCOMPARE(box("DoText")->text(), QStringLiteral("0"));  // the main window waits for the click
        if (diameter == QLatin1String("0"))
            return;
        // The designer confirms the choice: Do, Q, Ds and h on the main window, in black.
        QTest::mouseClick(button("Do_QButton"), Qt::LeftButton);
        QVERIFY(table->isVisible());
        QTest::mouseClick(table->grid()->cell(marked), Qt::LeftButton);
        QCOMPARE(box("DoText")->text(), diameter);
        QCOMPARE(box("QText")->text(), q);
        QCOMPARE(box("DsText")->text(), QStringLiteral("27"));
        QCOMPARE(box("littlehText")->text(), QStringLiteral("1.0"));
        QCOMPARE(textColour(box("QText")), rgb(ui::colour::buttonText()));
        QCOMPARE(m_window->guidance(), QStringLiteral("Click \"Click here to compute L\"."));
    }

    void aNewQ2ChoosesAgainOnTheHiddenTable()
    {
        enterRunoff(QStringLiteral("1"), QStringLiteral("0.5"), QStringLiteral("2"), QStringLiteral("0"));
        type(box("hText"), QStringLiteral("6"));
        QCOMPARE(pipeTable()->QText()->text(), QStringLiteral("1.72"));
        box("IText")->setText(QStringLiteral("8.86"));  // Q2 4.43
        QCOMPARE(pipeTable()->Q2Text()->text(), QStringLiteral("4.43"));
        QCOMPARE(pipeTable()->hText()->text(), QStringLiteral("6"));
        QCOMPARE(pipeTable()->QText()->text(), QStringLiteral("4.86"));
        QCOMPARE(pipeTable()->grid()->markedCell(), pipeCell(6, 1));
    }

    void aChosenPipeGivesTheRiserAndTheHeadOverIt_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("riser");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("height");
        QTest::newRow("Do 36, Q 129: h 2.1 raises H") << "36" << "129" << "54" << "2.1" << "6.1";
        QTest::newRow("Do 18, Q 12.2: h at its 1 ft. floor") << "18" << "12.2" << "27" << "1.0" << "5";
        QTest::newRow("Do 42, Q 184") << "42" << "184" << "63" << "2.3" << "6.3";
    }
    void aChosenPipeGivesTheRiserAndTheHeadOverIt()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, q);
        QFETCH(QString, riser);
        QFETCH(QString, head);
        QFETCH(QString, height);
        box("hText")->setText(QStringLiteral("5"));
        m_window->setQText(q);  // as a table click or a stored basin writes them
        m_window->setDoText(diameter);
        QCOMPARE(box("DsText")->text(), riser);
        QCOMPARE(box("littlehText")->text(), head);
        QCOMPARE(box("hText")->text(), height);
        QCOMPARE(summary("DoLabel"), diameter + QStringLiteral(" in."));
        QCOMPARE(summary("DsLabel"), riser + QStringLiteral(" in."));
        QCOMPARE(summary("hText"), head + QStringLiteral(" ft. minimum."));
        QCOMPARE(summary("HLabel"), height + QStringLiteral(" ft."));
        QCOMPARE(factorTable()->DoText()->text(), diameter);
        QCOMPARE(factorTable()->QText()->text(), q);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void clickingARowAboveHRaisesHAndPassesThatRowsOwnChoice()
    {
        enterRunoff(QStringLiteral("10"), QStringLiteral("0.5"), QStringLiteral("6"), QStringLiteral("0"));  // Q2 30
        type(box("hText"), QStringLiteral("9.5"));
        QTest::mouseClick(button("Do_QButton"), Qt::LeftButton);
        auto* table = pipeTable();
        QTest::mouseClick(table->grid()->cell(pipeCell(12, 7)), Qt::LeftButton);  // 48 in., row 12
        QCOMPARE(box("hText")->text(), QStringLiteral("12"));
        QCOMPARE(table->hText()->text(), QStringLiteral("12"));
        QCOMPARE(summary("HLabel"), QStringLiteral("12 ft."));
        QCOMPARE(box("DoText")->text(), QStringLiteral("24"));
        QCOMPARE(box("QText")->text(), QStringLiteral("38.2"));
        QCOMPARE(box("DsText")->text(), QStringLiteral("36"));
        QCOMPARE(textColour(box("DoText")), rgb(ui::colour::buttonText()));
        QCOMPARE(textColour(box("QText")), rgb(ui::colour::buttonText()));
        QCOMPARE(rgb(table->grid()->cellColour(pipeCell(12, 3))), rgb(kGreen));
        // Now in H's row, the 48-inch cell is taken as clicked: an overwrite, in blue.
        QTest::mouseClick(table->grid()->cell(pipeCell(12, 7)), Qt::LeftButton);
        QCOMPARE(box("DoText")->text(), QStringLiteral("48"));
        QCOMPARE(box("QText")->text(), QStringLiteral("193"));
        QCOMPARE(textColour(box("DoText")), rgb(kBlue));
        QCOMPARE(textColour(box("QText")), rgb(kBlue));
        // Typing H on the table window passes it back; the new automatic choice keeps the blue.
        type(table->hText(), QStringLiteral("13"));
        QCOMPARE(box("hText")->text(), QStringLiteral("13"));
        QCOMPARE(textColour(box("QText")), rgb(kBlue));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void clickingARowBelowTheDepthsMinimumIsRefused()
    {
        chooseDepth(6);
        QCOMPARE(m_window->minimumHeight(), 7.0f);
        QCOMPARE(box("hText")->text(), QStringLiteral("7"));
        QTest::mouseClick(button("Do_QButton"), Qt::LeftButton);
        auto* table = pipeTable();
        QVERIFY(QTest::qWaitForWindowActive(table));
        m_presenter.clear();
        QTest::mouseClick(table->grid()->cell(pipeCell(6, 1)), Qt::LeftButton);
        QCOMPARE(m_presenter.texts(), QStringList{"Minimum value = 1 foot above basin's depth. Minimum value = 7."});
        QCOMPARE(m_presenter.shown.first().icon, Icon::Warning);
        QCOMPARE(QApplication::focusWidget(), table->hText());
        QCOMPARE(box("DoText")->text(), QStringLiteral("0"));
        QCOMPARE(box("hText")->text(), QStringLiteral("7"));
    }

    // ---- Leaving the H box ---------------------------------------------------

    void leavingTheHBoxChecksH_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QStringList>("dam");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("page");
        const QStringList noDam = {"0", "0", "0", "0", "0"};
        const QStringList dam = {"110", "104", "98", "10", "5"};  // A - B = 6, L = 70
        QTest::newRow("not a number") << "1" << noDam << "x" << QStringList{kNotNumber} << "x" << 4;
        QTest::newRow("below the depth + 1: message, tab 4 again, raised")
            << "1" << noDam << "4" << QStringList{"H has to be at least 1  foot above basin's depth."} << "5" << 3;
        QTest::newRow("below the depth + h: raised silently") << "2.3" << noDam << "5.5" << QStringList() << "6.3" << 4;
        QTest::newRow("above A - B with a length") << "1" << dam << "7"
                                                   << QStringList{"Error: Value of H is greater than the difference "
                                                                  "between elevation A and elevation B. Please "
                                                                  "recompute L or adjust H."}
                                                   << "7" << 4;
        QTest::newRow("within A - B") << "1" << dam << "6" << QStringList() << "6" << 4;
        QTest::newRow("above A - B without a length") << "1" << QStringList{"110", "104", "104", "-30", "0"} << "7"
                                                      << QStringList() << "7" << 4;
    }
    void leavingTheHBoxChecksH()
    {
        QFETCH(QString, head);
        QFETCH(QStringList, dam);
        QFETCH(QString, h);
        QFETCH(QStringList, messages);
        QFETCH(QString, after);
        QFETCH(int, page);
        enterDam(dam);
        box("littlehText")->setText(head);
        clickTab(4);
        type(box("hText"), h);
        m_presenter.clear();
        clickTab(5);
        QCOMPARE(m_presenter.texts(), messages);
        if (h == QLatin1String("x"))
            QCOMPARE(m_presenter.shown.first().title, QStringLiteral("Data Type Error"));
        else if (!messages.isEmpty())
            QCOMPARE(m_presenter.shown.first().icon, Icon::Warning);
        QCOMPARE(box("hText")->text(), after);
        QCOMPARE(m_window->currentPage(), page);
    }

    // ---- Figure 6-22.3 and table 6-22.1 (B) ----------------------------------

    void theDamGivesLAndTheCorrectionTableItsFactor_data()
    {
        QTest::addColumn<QStringList>("dam");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("cf");
        QTest::addColumn<int>("cell");
        QTest::newRow("L = 70.00, Do 24: no correction")
            << QStringList{"110", "100", "98", "10", "5"} << "24" << "70.00" << "1.00" << factorCell(4, 3);
        QTest::newRow("30.50 rounds to row 30") << QStringList{"100", "100", "100", "30.5", "0"} << "24" << "30.50"
                                                << "1.24" << factorCell(0, 3);
        QTest::newRow("30.51 goes to row 40") << QStringList{"100", "100", "100", "30.51", "0"} << "24" << "30.51"
                                              << "1.17" << factorCell(1, 3);
        QTest::newRow("29.49 is below the table") << QStringList{"100", "100", "100", "29.49", "0"} << "24" << "29.49"
                                                  << "" << -1;
        QTest::newRow("161 is beyond the table") << QStringList{"100", "100", "100", "161", "0"} << "24" << "161.00"
                                                 << "" << -1;
        QTest::newRow("Do 24 at L 120") << QStringList{"100", "100", "100", "120", "0"} << "24" << "120.00" << ".83"
                                        << factorCell(8, 3);
        QTest::newRow("Do 12 at L 120") << QStringList{"100", "100", "100", "120", "0"} << "12" << "120.00" << ".90"
                                        << factorCell(8, 1);
    }
    void theDamGivesLAndTheCorrectionTableItsFactor()
    {
        QFETCH(QStringList, dam);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(QString, cf);
        QFETCH(int, cell);
        m_window->setQText(QStringLiteral("24.7"));
        m_window->setDoText(diameter);
        enterDam(dam);
        QCOMPARE(box("LText")->text(), length);
        QCOMPARE(summary("LLabel"), length + QStringLiteral(" ft."));
        QCOMPARE(summary("damTopLabel"), dam[0] + QStringLiteral(" ft."));
        auto* table = factorTable();
        QCOMPARE(table->LText()->text(), length);
        QCOMPARE(table->CFText()->text(), cf);
        QCOMPARE(table->grid()->markedCell(), cell);
        if (cell >= 0)
            QCOMPARE(table->QpsText()->text(), QString::number(24.7 * cf.toDouble()));
        QCOMPARE(box("QpsText_0")->text(), QStringLiteral("0"));  // waits for the click
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void closingTheLengthWindowChecksTheDamAgainstH_data()
    {
        QTest::addColumn<QString>("h");
        QTest::addColumn<QStringList>("dam");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stays");
        QTest::newRow("C above B") << "5" << QStringList{"110", "100", "101", "0", "0"}
                                   << "Error:  Elevation of point C should not be higher than elevation of point B!"
                                   << true;
        QTest::newRow("H 12 above A - B = 11") << "12" << QStringList{"110", "99", "98", "0", "0"}
                                               << "Error:  Distance between B and A is less than H!" << true;
        QTest::newRow("a sound dam") << "5" << QStringList{"110", "100", "98", "0", "0"} << "" << false;
    }
    void closingTheLengthWindowChecksTheDamAgainstH()
    {
        QFETCH(QString, h);
        QFETCH(QStringList, dam);
        QFETCH(QString, message);
        QFETCH(bool, stays);
        box("hText")->setText(h);
        QTest::mouseClick(button("prinSpillWayHelpButton"), Qt::LeftButton);
        auto* figure = lengthWindow();
        QVERIFY(QTest::qWaitForWindowActive(figure));
        enterDam(dam);
        m_presenter.clear();
        QTest::mouseClick(figure->closeButton(), Qt::LeftButton);
        QCOMPARE(m_presenter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(figure->isVisible(), stays);
        QCOMPARE(m_window->guidance() == QStringLiteral("Once L is calculated, click \"Click here to compute Qps\"."),
                 !stays);
    }

    void leavingBWithTooLittleHeightForHSendsTheFocusToA()
    {
        box("hText")->setText(QStringLiteral("12"));
        QTest::mouseClick(button("prinSpillWayHelpButton"), Qt::LeftButton);
        auto* figure = lengthWindow();
        QVERIFY(QTest::qWaitForWindowActive(figure));
        type(figure->AText(), QStringLiteral("110"));
        type(figure->BvText(), QStringLiteral("99"));
        m_presenter.clear();
        QTest::keyClick(figure->BvText(), Qt::Key_Tab);
        QCOMPARE(m_presenter.texts(), QStringList{"Error:  Distance between B and A is less than H!"});
        QCOMPARE(QApplication::focusWidget(), figure->AText());
    }

    void theSlopeBoxAndZuFollowEachOther()
    {
        box("areaAvaiText")->setText(QStringLiteral("1"));
        auto* figure = lengthWindow();
        QStringList writes;
        connect(figure->ZdText(), &QLineEdit::textChanged, this, [&writes] { writes << QStringLiteral("Zd"); });
        connect(figure->ZuText(), &QLineEdit::textChanged, this, [&writes] { writes << QStringLiteral("Zu"); });
        box("slopeVarText")->setText(QStringLiteral("3"));
        QCOMPARE(writes, QStringList({"Zd", "Zu"}));
        QCOMPARE(figure->ZuText()->text(), QStringLiteral("3"));
        QCOMPARE(box("totalWidthText")->text(), QStringLiteral("%1").arg(box("widthText")->text().toDouble() + 24));
        // Zu typed on the figure is the basin's side slope: the slope box, Zd and the basin follow.
        figure->ZuText()->setText(QStringLiteral("3.5"));
        QCOMPARE(box("slopeVarText")->text(), QStringLiteral("3.5"));
        QCOMPARE(figure->ZdText()->text(), QStringLiteral("3.5"));
        QCOMPARE(summary("slopeVarLabel"), QStringLiteral("3.5"));
        QCOMPARE(summary("slopeDisLabel_0"), QStringLiteral("14 ft."));
        // Zd alone is the dam's own.
        figure->ZdText()->setText(QStringLiteral("2"));
        QCOMPARE(box("slopeVarText")->text(), QStringLiteral("3.5"));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void emptyingZuGivesTheConversionErrorThenTheSlopeBoxsMessage()
    {
        box("areaAvaiText")->setText(QStringLiteral("1"));
        enterDam({"110", "100", "98", "10", "5"});
        m_presenter.clear();
        lengthWindow()->ZuText()->setText(QString());
        QCOMPARE(m_presenter.texts(), QStringList({"Error: Type mismatch. Please, reenter your numbers.", kNotNumber}));
        QCOMPARE(m_presenter.shown[0].icon, Icon::Error);
        QCOMPARE(m_presenter.shown[1].title, QStringLiteral("Data Type Error"));
        QCOMPARE(box("slopeVarText")->text(), QString());
        QCOMPARE(box("LText")->text(), QStringLiteral("70.00"));
    }

    // ---- Emergency spillway -------------------------------------------------

    void aNewQesSuggestsAChannel_data()
    {
        QTest::addColumn<QString>("i25");
        QTest::addColumn<QString>("qps");
        QTest::addColumn<QString>("qes");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Qes 12.2: Hp 0.5, b 18") << "10" << "37.80" << "12.2" << channelCell(0, 5) << kTeal;
        QTest::newRow("Qes 9: 10 is the next capacity") << "10" << "41.00" << "9" << channelCell(0, 3) << kTeal;
        QTest::newRow("Qes 20: the lowest stage wins") << "10" << "30.00" << "20" << channelCell(0, 10) << kTeal;
        QTest::newRow("Qes 305: the last cell") << "70" << "45.00" << "305" << channelCell(16, 16) << kTeal;
        QTest::newRow("Qes 305.01: too high") << "70" << "44.99" << "305.01" << -1 << QColor();
        QTest::newRow("Qes -3: the smallest channel") << "10" << "53.00" << "-3" << channelCell(0, 0) << kGreen;
    }
    void aNewQesSuggestsAChannel()
    {
        QFETCH(QString, i25);
        QFETCH(QString, qps);
        QFETCH(QString, qes);
        QFETCH(int, cell);
        QFETCH(QColor, colour);
        enterRunoff(QStringLiteral("10"), QStringLiteral("0.5"), QStringLiteral("0"), i25);
        m_presenter.clear();
        box("QpsText_0")->setText(qps);  // as the correction table's click writes it
        QCOMPARE(box("QpsText_1")->text(), qps);
        QCOMPARE(summary("QpsLabel"), qps + QStringLiteral(" cfs"));
        QCOMPARE(box("QesText")->text(), qes);
        QCOMPARE(m_window->Qes(), qes.toDouble());
        QCOMPARE(summary("QesLabel"), qes + QStringLiteral(" cfs"));
        auto* table = channelTable();
        QCOMPARE(table->QesText()->text(), qes + QStringLiteral(" cfs"));
        QCOMPARE(table->grid()->markedCell(), cell);
        if (cell >= 0) {
            QCOMPARE(rgb(table->grid()->cellColour(cell)), rgb(colour));
            QVERIFY(m_presenter.shown.isEmpty());
        } else {
            QCOMPARE(m_presenter.texts(), QStringList{"Q25 is too high! This basin cannot handle such discharge. "});
        }
        for (auto* result : {box("stageText"), box("bottomWidthText"), box("velocityText"), box("slopeText"),
                             table->stageText(), table->bottomWidthText(), table->velocityText(), table->slopeText()})
            QCOMPARE(result->text(), QStringLiteral("0"));
    }

    void clickingAChannelFillsBothWindowsUntilQpsChanges()
    {
        enterRunoff(QStringLiteral("10"), QStringLiteral("0.5"), QStringLiteral("0"), QStringLiteral("10"));
        box("QpsText_0")->setText(QStringLiteral("37.80"));
        QTest::mouseClick(button("emSpilButton"), Qt::LeftButton);
        auto* table = channelTable();
        QVERIFY(table->isVisible());
        QTest::mouseClick(table->grid()->cell(channelCell(5, 6)), Qt::LeftButton);  // Hp 1.0, b 20
        const QStringList channel = {"1.0", "20", "4.0", "3.0"};
        QCOMPARE(QStringList({box("stageText")->text(), box("bottomWidthText")->text(), box("velocityText")->text(),
                              box("slopeText")->text()}),
                 channel);
        QCOMPARE(QStringList({table->stageText()->text(), table->bottomWidthText()->text(),
                              table->velocityText()->text(), table->slopeText()->text()}),
                 channel);
        QCOMPARE(summary("HpLabel"), QStringLiteral("1.0 ft."));
        QCOMPARE(summary("slopeDisLabel_1"), QStringLiteral("2.5 ft."));
        QCOMPARE(summary("bLabel"), QStringLiteral("20 ft."));
        QCOMPARE(summary("slopeLabel"), QStringLiteral("3.0"));
        QCOMPARE(rgb(table->grid()->cellColour(channelCell(5, 6))), rgb(kLightGreen));
        // A new Qps: a new Qes, the channel cleared on both windows, a new suggestion.
        box("QpsText_0")->setText(QStringLiteral("40.00"));
        QCOMPARE(box("QesText")->text(), QStringLiteral("10"));
        for (auto* result : {box("stageText"), box("bottomWidthText"), box("velocityText"), box("slopeText"),
                             table->stageText(), table->bottomWidthText(), table->velocityText(), table->slopeText()})
            QCOMPARE(result->text(), QStringLiteral("0"));
        QCOMPARE(table->grid()->markedCell(), channelCell(0, 3));
        QCOMPARE(table->grid()->mark(), ui::DesignTableGrid::Mark::Automatic);
        QCOMPARE(summary("HpLabel"), QStringLiteral("0 ft."));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    // ---- One basin from area to emergency spillway ---------------------------

    void designingABasinFromAreaToEmergencySpillway()
    {
        // Runoff: 5 acres, C 0.5, I 4 and 12 in./h: Q2 10 cfs, Q25 30 cfs.
        enterRunoff(QStringLiteral("5"), QStringLiteral("0.5"), QStringLiteral("4"), QStringLiteral("12"));
        QCOMPARE(m_window->Q2(), 10.0);
        QCOMPARE(m_window->Q25(), 30.0);
        // A 6 ft. basin: H rises to 7.
        chooseDepth(6);
        QCOMPARE(box("hText")->text(), QStringLiteral("7"));

        // H 8, then the pipe: row 8 takes the 18-inch pipe, 15.5 cfs, for Q2 10.
        clickTab(4);
        QCOMPARE(m_window->guidance(),
                 QStringLiteral("Enter H then click \"Click here to compute Do and Q\" to select the pipe size."));
        type(box("hText"), QStringLiteral("8"));
        QTest::mouseClick(button("Do_QButton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        auto* pipes = pipeTable();
        QVERIFY(QTest::qWaitForWindowActive(pipes));
        QCOMPARE(pipes->hText()->text(), QStringLiteral("8"));
        QCOMPARE(pipes->Q2Text()->text(), QStringLiteral("10"));
        QCOMPARE(pipes->grid()->markedCell(), pipeCell(8, 2));
        QTest::mouseClick(pipes->grid()->cell(pipeCell(8, 2)), Qt::LeftButton);
        QCOMPARE(rgb(pipes->grid()->cellColour(pipeCell(8, 2))), rgb(kLightGreen));
        QTest::mouseClick(pipes->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        QVERIFY(!pipes->isVisible());

        // The dam: L = (110 - 99) x 5 + 10 + 5 = 70 ft.
        QTest::mouseClick(button("prinSpillWayHelpButton"), Qt::LeftButton);
        auto* figure = lengthWindow();
        QVERIFY(QTest::qWaitForWindowActive(figure));
        type(figure->AText(), QStringLiteral("110"));
        type(figure->BvText(), QStringLiteral("100"));
        type(figure->CText(), QStringLiteral("98"));
        type(figure->TText(), QStringLiteral("10"));
        type(figure->EText(), QStringLiteral("5"));
        QCOMPARE(figure->prinSpilLenText()->text(), QStringLiteral("70"));
        QTest::mouseClick(figure->closeButton(), Qt::LeftButton);
        QVERIFY(!figure->isVisible());

        // The correction: row 70, 18 in.: CF 1.00.
        QTest::mouseClick(button("QpsButton"), Qt::LeftButton);
        auto* factors = factorTable();
        QVERIFY(QTest::qWaitForWindowActive(factors));
        QCOMPARE(factors->CFText()->text(), QStringLiteral("1.00"));
        QTest::mouseClick(factors->grid()->cell(factorCell(4, 2)), Qt::LeftButton);
        QCOMPARE(m_window->guidance(), QStringLiteral("Once Qps is calculated, click the \"Emergency Spillways (es) tab."));

        // The emergency spillway: Qes = 30 - 15.5 = 14.5, so 15 cfs: Hp 0.5, b 22.
        clickTab(5);
        QTest::mouseClick(button("emSpilButton"), Qt::LeftButton);
        auto* channels = channelTable();
        QVERIFY(QTest::qWaitForWindowActive(channels));
        QCOMPARE(channels->grid()->markedCell(), channelCell(0, 7));
        QCOMPARE(rgb(channels->grid()->cellColour(channelCell(0, 7))), rgb(kTeal));
        QTest::mouseClick(channels->grid()->cell(channelCell(0, 7)), Qt::LeftButton);

        // Every field of the two spillway pages, and none in blue.
        const QList<std::pair<const char*, const char*>> fields = {
            {"hText", "8"},       {"DoText", "18"},     {"QText", "15.5"},        {"DsText", "27"},
            {"littlehText", "1.0"}, {"LText", "70.00"}, {"QpsText_0", "15.50"},   {"QesText", "14.5"},
            {"Q25Text", "30"},    {"QpsText_1", "15.50"}, {"stageText", "0.5"},   {"bottomWidthText", "22"},
            {"velocityText", "2.7"}, {"slopeText", "3.8"},
        };
        for (const auto& [name, value] : fields)
            QVERIFY2(box(name)->text() == QLatin1String(value), name);
        for (const char* name : {"DoText", "QText", "QpsText_0"})
            QVERIFY2(textColour(box(name)) != rgb(kBlue), name);
        QCOMPARE(m_window->Qes(), 14.5);
        QCOMPARE(factors->QpsText()->text(), QStringLiteral("15.5"));

        // And the summary, label by label.
        const QList<std::pair<const char*, const char*>> labels = {
            {"areaLabel", "5"},          {"Q2Label", "10 cfs"},        {"Q25Label", "30 cfs"},
            {"QpsLabel", "15.50 cfs"},   {"QesLabel", "14.5 cfs"},     {"depthLabel_1", "6 ft."},
            {"HLabel", "8 ft."},         {"DoLabel", "18 in."},        {"DsLabel", "27 in."},
            {"hText", "1.0 ft. minimum."}, {"LLabel", "70.00 ft."},    {"damTopLabel", "110 ft."},
            {"HpLabel", "0.5 ft."},      {"slopeDisLabel_1", "1.25 ft."}, {"bLabel", "22 ft."},
            {"slopeLabel", "3.8"},       {"slopeDisLabel_0", "15 ft."},
        };
        QCOMPARE(summary("bottomWLabel"), box("widthText")->text() + QStringLiteral(" ft."));
        for (const auto& [name, value] : labels)
            QVERIFY2(summary(name) == QLatin1String(value), qPrintable(QLatin1String(name) + " = " + summary(name)));
        QCOMPARE(m_window->guidance(),
                 QStringLiteral("Once all information has been entered and calculated, store/update your basin's data."));
        QVERIFY2(m_presenter.shown.isEmpty(), qPrintable(m_presenter.texts().join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(SpillwayChainTest)
#include "SpillwayChainTest.moc"
