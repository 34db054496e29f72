// The spillway windows: the pipe table 6-22.1 (A), the length figure 6-22.3,
// the correction table 6-22.1 (B) and the channel table 6-22.4, driven as a
// designer drives them, against a stand-in for the main window.

#include "ui/DesignTableGrid.h"
#include "ui/Presenter.h"
#include "ui/PrincipalSpillwayDesign.h"
#include "ui/SpillwayHost.h"
#include "ui/Table6_221.h"
#include "ui/Table6_221b.h"
#include "ui/Table6_224.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using ui::Icon;

namespace {

// The main window as the spillway windows see it: its boxes as texts, with
// the copies the main window makes between parallel boxes.
class FakeMainWindow : public ui::SpillwayHost {
public:
    QWidget window;
    QStringList registered;
    double q2 = 0;
    float minimum = 5;
    double qes = 0;
    bool isClosing = false;
    QString h = QStringLiteral("5"), doText = QStringLiteral("0"), q = QStringLiteral("0"), l = QStringLiteral("0"),
            qps = QStringLiteral("0"), qesText = QStringLiteral("0"), slope = QStringLiteral("2.5"), guidance;
    QColor doQColour, qpsColour;
    QStringList channel = {"0", "0", "0", "0"};
    QMap<QString, QString> summary;

    QWidget* hostWindow() override { return &window; }
    void registerWindow(const QString& name, QWidget*) override { registered << name; }
    double Q2() const override { return q2; }
    float minimumHeight() const override { return minimum; }
    double Qes() const override { return qes; }
    bool closing() const override { return isClosing; }
    QString hText() const override { return h; }
    void setHText(const QString& text) override
    {
        if (text == h)
            return;
        h = text;
        ui::Table6_221::open(*this).hText()->setText(text);
    }
    QString DoText() const override { return doText; }
    void setDoText(const QString& text) override
    {
        if (text == doText)
            return;
        doText = text;
        ui::Table6_221b::open(*this).DoText()->setText(text);
    }
    QString QText() const override { return q; }
    void setQText(const QString& text) override
    {
        if (text == q)
            return;
        q = text;
        ui::Table6_221b::open(*this).QText()->setText(text);
    }
    void setDoQColor(const QColor& colour) override { doQColour = colour; }
    QString LText() const override { return l; }
    void setLText(const QString& text) override
    {
        if (text == l)
            return;
        l = text;
        ui::Table6_221b::open(*this).LText()->setText(text);
    }
    QString QpsText() const override { return qps; }
    void setQpsText(const QString& text) override { qps = text; }
    void setQpsColor(const QColor& colour) override { qpsColour = colour; }
    void setSlopeVarText(const QString& text) override
    {
        if (text == slope)
            return;
        slope = text;
        if (!text.trimmed().isEmpty()) {  // the slope box refuses what is not a number
            auto& figure = ui::PrincipalSpillwayDesign::open(*this);
            figure.ZdText()->setText(text);
            figure.ZuText()->setText(text);
        }
    }
    QString QesText() const override { return qesText; }
    void setChannel(const QString& stage, const QString& width, const QString& velocity, const QString& slopeText) override
    {
        channel = {stage, width, velocity, slopeText};
    }
    void setGuidance(const QString& text) override { guidance = text; }
    void setSummaryLabel(const QString& name, const QString& caption) override { summary[name] = caption; }
};

const QColor kGreen(0, 192, 0);
const QColor kLightGreen(128, 255, 128);
const QColor kTeal(0, 128, 128);
const QColor kBlue(0, 0, 255);

// Colours are compared by their RGB triple.
QString rgb(const QColor& colour) { return colour.isValid() ? colour.name() : QStringLiteral("none"); }

// The cells of a grid that do not show their base colour.
QList<int> colouredCells(const ui::DesignTableGrid& grid, const QColor& base, const QColor& cautionBase = {})
{
    QList<int> coloured;
    for (int index = 0; index < 300; ++index) {
        if (!grid.cell(index))
            continue;
        const QColor shown = grid.cellColour(index);
        if (shown != base && shown != cautionBase)
            coloured << index;
    }
    return coloured;
}

}  // namespace

class SpillwayTablesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeMainWindow> m_main;
    ui::RecordingPresenter m_presenter;

    ui::Table6_221& pipeTable() { return ui::Table6_221::open(*m_main); }
    ui::Table6_221b& correctionTable() { return ui::Table6_221b::open(*m_main); }
    ui::Table6_224& channelTable() { return ui::Table6_224::open(*m_main); }
    ui::PrincipalSpillwayDesign& lengthWindow() { return ui::PrincipalSpillwayDesign::open(*m_main); }

    // Q2 changes on the main window: the table's Q2 box follows.
    void setQ2(double q2)
    {
        m_main->q2 = q2;
        pipeTable().Q2Text()->setText(QString::number(q2));
    }

    // The focus leaves a box for another control of the window.
    static void leave(QLineEdit* box, QWidget* next)
    {
        QWidget* window = box->window();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        box->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), box);
        next->setFocus(Qt::MouseFocusReason);
    }

private slots:
    void init()
    {
        m_main = std::make_unique<FakeMainWindow>();
        m_presenter.clear();
        ui::setPresenter(&m_presenter);
    }
    void cleanup()
    {
        m_main.reset();
        ui::setPresenter(nullptr);
    }

    // ---- Table 6-22.1 (A) ----

    void eachTableWindowIsCreatedOnceAndHidden()
    {
        auto* first = &pipeTable();
        QCOMPARE(&pipeTable(), first);
        QCOMPARE(&correctionTable(), &correctionTable());
        QCOMPARE(&channelTable(), &channelTable());
        QCOMPARE(&lengthWindow(), &lengthWindow());
        QCOMPARE(m_main->registered,
                 QStringList({"Table6_221", "Table6_221b", "Table6_224", "PrincipalSpillwayDesign"}));
        QVERIFY(!first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Orlem Table 6-22.1 (A)"));
        QCOMPARE(correctionTable().windowTitle(), QStringLiteral("Orlem Table 6-22.1 (B)"));
        QCOMPARE(channelTable().windowTitle(), QStringLiteral("Orlem Table 6-22.4"));
        QCOMPARE(lengthWindow().windowTitle(), QStringLiteral("Fig 6-22.3"));
        // The main window's own boxes stay the only ones a search of it finds.
        QVERIFY(!m_main->window.findChild<QLineEdit*>(QStringLiteral("AText")));
        QPointer<QWidget> table = first;
        m_main.reset();
        QVERIFY(table.isNull());  // gone with the main window
    }

    void pipeTableShowsTheTableAsPrinted()
    {
        auto& table = pipeTable();
        const auto* grid = table.grid();
        QCOMPARE(grid->cellCount(), 136);
        for (int index = 96; index <= 103; ++index)
            QVERIFY(!grid->cell(index));
        QCOMPARE(grid->cell(0)->text(), QStringLiteral("1.22"));
        QCOMPARE(grid->cell(15)->text(), QStringLiteral("111"));
        QCOMPARE(grid->cell(104)->text(), QStringLiteral("2.81"));
        QCOMPARE(grid->cell(104)->toolTip(), QStringLiteral("16"));
        QCOMPARE(grid->cell(143)->text(), QStringLiteral("249"));
        QCOMPARE(grid->cell(143)->objectName(), QStringLiteral("dischargeButton_143"));
        for (int index = 0; index < 16; ++index)
            QVERIFY(!grid->cell(index)->isEnabled());
        QVERIFY(grid->cell(16)->isEnabled());
        QVERIFY(!grid->rowLabel(0)->isEnabled() && !grid->rowLabel(1)->isEnabled() && grid->rowLabel(2)->isEnabled());
    }

    void typingHChoosesAPipe_data()
    {
        QTest::addColumn<double>("q2");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("q");
        QTest::addColumn<int>("marked");
        QTest::addColumn<QString>("message");
        QTest::newRow("a cell equal to Q2 is passed over") << 4.43 << "5" << "18" << "12.2" << 18 << "";
        QTest::newRow("the whole part of H gives the row") << 2.0 << "9.9" << "8" << "2.11" << 48 << "";
        QTest::newRow("H 16 skips the missing row 15") << 120.0 << "16" << "42" << "165" << 110 << "";
        QTest::newRow("H 15.5 chooses nothing") << 4.43 << "15.5" << "0" << "0" << -1 << "";
        QTest::newRow("H above 20 chooses nothing") << 4.43 << "21" << "0" << "0" << -1 << "";
        QTest::newRow("no pipe carries Q2") << 249.0 << "20" << "0" << "0" << -1
                                            << "Q2 is too high! No pipe size can handle such discharge!";
    }

    void typingHChoosesAPipe()
    {
        QFETCH(double, q2);
        QFETCH(QString, h);
        QFETCH(QString, diameter);
        QFETCH(QString, q);
        QFETCH(int, marked);
        QFETCH(QString, message);
        m_main->h = QStringLiteral("0");
        setQ2(q2);
        auto& table = pipeTable();
        QCOMPARE(table.Q2Text()->text(), QString::number(q2));
        m_presenter.clear();
        table.hText()->setText(h);
        QCOMPARE(m_main->h, h);  // H follows on the main window
        QCOMPARE(table.DoText()->text(), diameter);
        QCOMPARE(table.QText()->text(), q);
        QCOMPARE(table.grid()->markedCell(), marked);
        if (marked >= 0)
            QCOMPARE(rgb(table.grid()->cellColour(marked)), rgb(kGreen));
        QCOMPARE(colouredCells(*table.grid(), ui::colour::buttonFace()).size(), marked >= 0 ? 1 : 0);
        if (message.isEmpty()) {
            QVERIFY(m_presenter.shown.isEmpty());
        } else {
            QCOMPARE(m_presenter.texts(), QStringList{message});
            QCOMPARE(m_presenter.shown.first().icon, Icon::Error);
        }
        // The main window's Do and Q are left to the designer's click.
        QCOMPARE(m_main->doText, QStringLiteral("0"));
    }

    void newQ2OnTheMainWindowChoosesAgainEvenWhileHidden()
    {
        m_main->h = QStringLiteral("5");
        setQ2(1.0);
        auto& table = pipeTable();
        QCOMPARE(table.QText()->text(), QStringLiteral("1.57"));
        m_main->h = QStringLiteral("6");  // the start-up step copies the main window's H
        setQ2(4.43);
        QVERIFY(!table.isVisible());
        QCOMPARE(table.hText()->text(), QStringLiteral("6"));
        QCOMPARE(table.QText()->text(), QStringLiteral("4.86"));
        QCOMPARE(table.grid()->markedCell(), 8 * 3 + 1);
    }

    void mainWindowQDifferentFromTheChoiceIsBlue()
    {
        m_main->q = QStringLiteral("12.2");
        m_main->h = QStringLiteral("5");
        setQ2(4.43);
        QCOMPARE(rgb(m_main->doQColour), rgb(Qt::black));
        pipeTable().hText()->setText(QStringLiteral("6"));  // now 13.4 is chosen
        QCOMPARE(rgb(m_main->doQColour), rgb(kBlue));
    }

    void clickingTheChosenCellPassesDoAndQOn()
    {
        m_main->h = QStringLiteral("5");
        setQ2(4.43);
        auto& table = pipeTable();
        table.grid()->cell(18)->click();
        QCOMPARE(m_main->doText, QStringLiteral("18"));
        QCOMPARE(m_main->q, QStringLiteral("12.2"));
        QCOMPARE(rgb(m_main->doQColour), rgb(ui::colour::buttonText()));
        QCOMPARE(rgb(table.grid()->cellColour(18)), rgb(kLightGreen));
        QCOMPARE(m_main->guidance, QStringLiteral("Click \"Click here to compute L\"."));
        // Another cell of the row overwrites the choice: blue, and one marked cell.
        table.grid()->cell(19)->click();
        QCOMPARE(m_main->doText, QStringLiteral("24"));
        QCOMPARE(m_main->q, QStringLiteral("24.7"));
        QCOMPARE(rgb(m_main->doQColour), rgb(kBlue));
        QCOMPARE(colouredCells(*table.grid(), ui::colour::buttonFace()), QList<int>{19});
        // Do and Q reach the correction table.
        QCOMPARE(correctionTable().DoText()->text(), QStringLiteral("24"));
        QCOMPARE(correctionTable().QText()->text(), QStringLiteral("24.7"));
    }

    void clickingARowAboveHRaisesHToThatRow()
    {
        m_main->minimum = 5;
        m_main->h = QStringLiteral("9.5");
        setQ2(30);
        auto& table = pipeTable();
        table.grid()->cell(8 * 9 + 7)->click();  // row 12, 48 inches
        QCOMPARE(table.hText()->text(), QStringLiteral("12"));
        QCOMPARE(m_main->h, QStringLiteral("12"));
        // Row 12's own choice for Q2 30 stands: 24 inches, 38.2 cfs.
        QCOMPARE(m_main->doText, QStringLiteral("24"));
        QCOMPARE(m_main->q, QStringLiteral("38.2"));
        QCOMPARE(rgb(m_main->doQColour), rgb(ui::colour::buttonText()));
        QCOMPARE(table.grid()->markedCell(), 8 * 9 + 3);
        QCOMPARE(rgb(table.grid()->cellColour(8 * 9 + 3)), rgb(kGreen));
        // A second click in H's row is taken as it is.
        table.grid()->cell(8 * 9 + 7)->click();
        QCOMPARE(m_main->doText, QStringLiteral("48"));
        QCOMPARE(m_main->q, QStringLiteral("193"));
        QCOMPARE(rgb(m_main->doQColour), rgb(kBlue));
    }

    void clickingARowBelowTheMinimumIsRefused()
    {
        m_main->minimum = 7;
        m_main->h = QStringLiteral("7");
        setQ2(2);
        auto& table = pipeTable();
        table.show();
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        m_presenter.clear();
        table.grid()->cell(8 * 3 + 1)->click();  // row 6
        QCOMPARE(m_presenter.texts(),
                 QStringList{"Minimum value = 1 foot above basin's depth. Minimum value = 7."});
        QCOMPARE(m_presenter.shown.first().icon, Icon::Warning);
        QCOMPARE(QApplication::focusWidget(), table.hText());
        QCOMPARE(m_main->doText, QStringLiteral("0"));
        QCOMPARE(table.hText()->text(), QStringLiteral("7"));
    }

    void leavingTheTablesHBoxChecksIt_data()
    {
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("not a number") << "x" << "Please enter a valid number." << "Data Type Error";
        QTest::newRow("below the minimum") << "5.5" << "H has to be at least 1 foot above basin's depth."
                                           << ui::applicationTitle();
        QTest::newRow("at the minimum") << "6" << "" << "";
    }

    void leavingTheTablesHBoxChecksIt()
    {
        QFETCH(QString, h);
        QFETCH(QString, message);
        QFETCH(QString, title);
        m_main->minimum = 6;
        m_main->h = QStringLiteral("6");
        auto& table = pipeTable();
        table.hText()->setText(h);
        m_presenter.clear();
        leave(table.hText(), table.grid()->cell(40));
        QCOMPARE(m_presenter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(m_presenter.shown.first().title, title);
        QCOMPARE(table.hText()->text(), h);
        QCOMPARE(m_main->h, h);
    }

    void closeOnlyHidesTheTable()
    {
        m_main->h = QStringLiteral("5");
        setQ2(4.43);
        auto& table = pipeTable();
        table.show();
        table.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        QVERIFY(!table.isVisible());
        QCOMPARE(&pipeTable(), &table);
        QCOMPARE(table.grid()->markedCell(), 18);
        QCOMPARE(table.DoText()->text(), QStringLiteral("18"));
    }

    // ---- Figure 6-22.3 ----

    void typingTheDamGivesTheLength()
    {
        auto& figure = lengthWindow();
        figure.AText()->setText(QStringLiteral("110"));
        figure.BvText()->setText(QStringLiteral("100"));
        figure.CText()->setText(QStringLiteral("98"));
        figure.TText()->setText(QStringLiteral("10"));
        figure.EText()->setText(QStringLiteral("5"));
        QCOMPARE(figure.prinSpilLenText()->text(), QStringLiteral("70"));
        QCOMPARE(m_main->l, QStringLiteral("70.00"));
        QCOMPARE(m_main->summary.value(QStringLiteral("damTopLabel")), QStringLiteral("110 ft."));
        QVERIFY(m_presenter.shown.isEmpty());
        figure.TText()->setText(QStringLiteral("0.5"));
        QCOMPARE(m_main->l, QStringLiteral("60.50"));
    }

    void emptyingZuShowsTheConversionError()
    {
        auto& figure = lengthWindow();
        figure.AText()->setText(QStringLiteral("110"));
        figure.BvText()->setText(QStringLiteral("100"));
        figure.CText()->setText(QStringLiteral("98"));
        const QString length = m_main->l;
        m_presenter.clear();
        figure.ZuText()->setText(QString());
        QCOMPARE(m_presenter.texts(), QStringList{"Error: Type mismatch. Please, reenter your numbers."});
        QCOMPARE(m_presenter.shown.first().icon, Icon::Error);
        QCOMPARE(m_main->l, length);
        QCOMPARE(m_main->slope, QString());  // the empty text reaches the basin side slope
    }

    void zuFollowsTheBasinSideSlope()
    {
        auto& figure = lengthWindow();
        figure.ZuText()->setText(QStringLiteral("3"));
        QCOMPARE(m_main->slope, QStringLiteral("3"));
        QCOMPARE(figure.ZdText()->text(), QStringLiteral("3"));  // the slope box copies back into both
        figure.ZdText()->setText(QStringLiteral("2"));
        QCOMPARE(m_main->slope, QStringLiteral("3"));
    }

    void closingTheFigureChecksTheDam_data()
    {
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<QString>("message");
        const QString distance = QStringLiteral("Error:  Distance between B and A is less than H!");
        const QString elevation = QStringLiteral("Error:  Elevation of point C should not be higher than elevation of point B!");
        QTest::newRow("C above B stays open") << "5" << "110" << "100" << "101" << false << false << elevation;
        QTest::newRow("H above A - B stays open") << "12" << "110" << "99" << "98" << false << false << distance;
        QTest::newRow("title bar checks alike") << "12" << "110" << "99" << "98" << true << false << distance;
        QTest::newRow("sound dam closes") << "5" << "110" << "100" << "98" << false << false << "";
        QTest::newRow("sound dam closes by title bar") << "5" << "110" << "100" << "98" << true << false << "";
        QTest::newRow("nothing while the program closes") << "12" << "110" << "99" << "98" << false << true << "";
    }

    void closingTheFigureChecksTheDam()
    {
        QFETCH(QString, h);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(bool, titleBar);
        QFETCH(bool, closing);
        QFETCH(QString, message);
        m_main->h = h;
        auto& figure = lengthWindow();
        figure.AText()->setText(a);
        figure.BvText()->setText(b);
        figure.CText()->setText(c);
        figure.show();
        m_main->isClosing = closing;
        m_presenter.clear();
        if (titleBar)
            figure.close();
        else
            figure.closeButton()->click();
        QCOMPARE(m_presenter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        const bool hides = message.isEmpty() && !closing;
        QCOMPARE(figure.isVisible(), !hides);
        QCOMPARE(m_main->guidance,
                 hides ? QStringLiteral("Once L is calculated, click \"Click here to compute Qps\".") : QString());
        m_main->isClosing = false;
    }

    void leavingBWithTooLittleHeightSendsTheFocusToA()
    {
        m_main->h = QStringLiteral("12");
        auto& figure = lengthWindow();
        figure.AText()->setText(QStringLiteral("110"));
        figure.BvText()->setText(QStringLiteral("99"));
        m_presenter.clear();
        leave(figure.BvText(), figure.CText());
        QCOMPARE(m_presenter.texts(), QStringList{"Error:  Distance between B and A is less than H!"});
        QCOMPARE(m_presenter.shown.first().icon, Icon::Warning);
        QCOMPARE(QApplication::focusWidget(), figure.AText());
    }

    // ---- Table 6-22.1 (B) ----

    void theLengthChoosesACorrectionFactor_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("cf");
        QTest::addColumn<int>("marked");
        QTest::addColumn<QString>("message");
        QTest::newRow("70.00 is row 70, no correction") << "24" << "70.00" << "1.00" << 4 * 8 + 3 << "";
        QTest::newRow("30.50 rounds to 30") << "24" << "30.50" << "1.24" << 3 << "";
        QTest::newRow("30.51 goes to row 40") << "24" << "30.51" << "1.17" << 8 + 3 << "";
        QTest::newRow("29.49 is below the table") << "24" << "29.49" << "" << -1 << "";
        QTest::newRow("161 is beyond the table") << "24" << "161" << "" << -1 << "";
        QTest::newRow("Do 24, L 120") << "24" << "120" << ".83" << 8 * 8 + 3 << "";
        QTest::newRow("Do 12, L 120 reads .90") << "12" << "120" << ".90" << 8 * 8 + 1 << "";
        QTest::newRow("Do 0 chooses nothing") << "0" << "120" << "" << -1 << "";
        QTest::newRow("Do outside the table") << "20" << "120" << "" << -1
                                              << "Cannot process because the pipe size is out of given range.";
    }

    void theLengthChoosesACorrectionFactor()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(QString, cf);
        QFETCH(int, marked);
        QFETCH(QString, message);
        m_main->q = QStringLiteral("12.2");
        auto& table = correctionTable();
        QCOMPARE(table.QText()->text(), QStringLiteral("12.2"));
        m_main->setDoText(diameter);
        m_main->setLText(length);
        QCOMPARE(table.LText()->text(), length);
        QCOMPARE(table.CFText()->text(), cf);
        QCOMPARE(table.grid()->markedCell(), marked);
        QCOMPARE(colouredCells(*table.grid(), ui::colour::buttonFace()).size(), marked >= 0 ? 1 : 0);
        if (marked >= 0) {
            QCOMPARE(rgb(table.grid()->cellColour(marked)), rgb(kGreen));
            QCOMPARE(table.QpsText()->text(), QString::number(12.2 * cf.toDouble()));
        }
        QCOMPARE(m_presenter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(m_presenter.shown.first().icon, Icon::Information);
        QCOMPARE(m_main->qps, QStringLiteral("0"));  // the main window's Qps waits for the click
    }

    void clickingACorrectionFactorSetsQps()
    {
        m_main->q = QStringLiteral("12.2");
        m_main->doText = QStringLiteral("24");
        auto& table = correctionTable();
        m_main->setLText(QStringLiteral("120.00"));
        QCOMPARE(table.QpsText()->text(), QStringLiteral("10.126"));
        table.grid()->cell(8 * 8 + 3)->click();  // confirms .83
        QCOMPARE(m_main->qps, QStringLiteral("10.13"));
        QCOMPARE(rgb(m_main->qpsColour), rgb(ui::colour::buttonText()));
        QCOMPARE(rgb(table.grid()->cellColour(8 * 8 + 3)), rgb(kLightGreen));
        QCOMPARE(m_main->guidance, QStringLiteral("Once Qps is calculated, click the \"Emergency Spillways (es) tab."));
        // The same choice again after L moves within its row stays unmarked.
        m_main->setLText(QStringLiteral("119.00"));
        QCOMPARE(rgb(m_main->qpsColour), rgb(ui::colour::windowText()));
        // A cell of another row overwrites the choice.
        table.grid()->cell(4 * 8 + 3)->click();  // row 70
        QCOMPARE(table.CFText()->text(), QStringLiteral("1.00"));
        QCOMPARE(m_main->qps, QStringLiteral("12.20"));
        QCOMPARE(rgb(m_main->qpsColour), rgb(kBlue));
        QCOMPARE(colouredCells(*table.grid(), ui::colour::buttonFace()), QList<int>{4 * 8 + 3});
        // A new Q chooses again, even while hidden; the main window's Qps is now off the choice.
        QVERIFY(!table.isVisible());
        m_main->setQText(QStringLiteral("24.7"));
        QCOMPARE(table.QpsText()->text(), QStringLiteral("20.501"));
        QCOMPARE(table.grid()->markedCell(), 8 * 8 + 3);
        QCOMPARE(rgb(m_main->qpsColour), rgb(kBlue));
    }

    // ---- Table 6-22.4 ----

    void channelTableShowsNormalAndCautionCells()
    {
        auto& table = channelTable();
        const auto* grid = table.grid();
        QCOMPARE(grid->cellCount(), 289);
        QCOMPARE(grid->cell(0)->text(), QStringLiteral("6"));
        QCOMPARE(grid->cell(288)->text(), QStringLiteral("305"));
        QCOMPARE(grid->cell(288)->objectName(), QStringLiteral("emSpillWayButton_288"));
        QCOMPARE(rgb(grid->cellColour(17)), rgb(ui::colour::light3D()));
        QCOMPARE(rgb(grid->cellColour(1)), rgb(ui::colour::inactiveTitleBar()));
        auto* swatch = table.findChild<QWidget*>(QStringLiteral("cautionSwatch"));
        QVERIFY(swatch);
        QCOMPARE(rgb(swatch->palette().color(QPalette::Window)), rgb(ui::colour::inactiveTitleBar()));
        bool legend = false;
        for (auto* label : table.findChildren<QLabel*>())
            legend |= label->text() == QStringLiteral("Data shaded in this color should be used with caution.");
        QVERIFY(legend);
    }

    void newQesSuggestsAChannel_data()
    {
        QTest::addColumn<double>("qes");
        QTest::addColumn<int>("suggested");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("12.2 rounds up to 13: Hp 0.5, b 18") << 12.2 << 5 << kTeal;
        QTest::newRow("9 is not tabulated, 10 is") << 9.0 << 3 << kTeal;
        QTest::newRow("20: the lowest stage wins") << 20.0 << 10 << kTeal;
        QTest::newRow("305 is the last cell") << 305.0 << 288 << kTeal;
        QTest::newRow("below 0 takes the smallest channel") << -3.0 << 0 << kGreen;
        QTest::newRow("19 is first a normal cell: Hp 0.8, b 12") << 19.0 << 17 * 3 + 2 << kGreen;
        QTest::newRow("305.01 is too high") << 305.01 << -1 << QColor();
    }

    void newQesSuggestsAChannel()
    {
        QFETCH(double, qes);
        QFETCH(int, suggested);
        QFETCH(QColor, colour);
        auto& table = channelTable();
        table.grid()->cell(91)->click();  // a channel chosen before
        m_presenter.clear();
        m_main->qes = qes;
        table.QesText()->setText(QString::number(qes) + QStringLiteral(" cfs"));
        QCOMPARE(table.grid()->markedCell(), suggested);
        if (suggested >= 0)
            QCOMPARE(rgb(table.grid()->cellColour(suggested)), rgb(colour));
        QCOMPARE(colouredCells(*table.grid(), ui::colour::light3D(), ui::colour::inactiveTitleBar()).size(),
                 suggested >= 0 ? 1 : 0);
        for (auto* box : {table.stageText(), table.bottomWidthText(), table.velocityText(), table.slopeText()})
            QCOMPARE(box->text(), QStringLiteral("0"));
        if (suggested >= 0) {
            QVERIFY(m_presenter.shown.isEmpty());
        } else {
            QCOMPARE(m_presenter.texts(), QStringList{"Q25 is too high! This basin cannot handle such discharge. "});
            QCOMPARE(m_presenter.shown.first().icon, Icon::Error);
        }
    }

    void clickingAChannelFillsBothWindows()
    {
        m_main->qes = 12.2;
        m_main->qesText = QStringLiteral("12.2");
        auto& table = channelTable();
        QCOMPARE(table.QesText()->text(), QStringLiteral("12.2 cfs"));
        QCOMPARE(table.grid()->markedCell(), 5);
        table.grid()->cell(17 * 5 + 6)->click();  // Hp 1.0, b 20
        const QStringList channel = {"1.0", "20", "4.0", "3.0"};
        QCOMPARE(m_main->channel, channel);
        QCOMPARE(QStringList({table.stageText()->text(), table.bottomWidthText()->text(), table.velocityText()->text(),
                              table.slopeText()->text()}),
                 channel);
        QCOMPARE(colouredCells(*table.grid(), ui::colour::light3D(), ui::colour::inactiveTitleBar()),
                 QList<int>{17 * 5 + 6});
        QCOMPARE(rgb(table.grid()->cellColour(17 * 5 + 6)), rgb(kLightGreen));
    }

    // ---- All three grids ----

    void cellsAreReadableAndReachableByKeyboard_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("table 6-22.1 (A)") << 0;
        QTest::newRow("table 6-22.1 (B)") << 1;
        QTest::newRow("table 6-22.4") << 2;
    }

    void cellsAreReadableAndReachableByKeyboard()
    {
        QFETCH(int, which);
        QWidget* window = which == 0 ? static_cast<QWidget*>(&pipeTable())
                        : which == 1 ? static_cast<QWidget*>(&correctionTable())
                                     : static_cast<QWidget*>(&channelTable());
        auto* grid = window->findChild<ui::DesignTableGrid*>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (int index = 0; index < 300; ++index) {
            QPushButton* cell = grid->cell(index);
            if (!cell)
                continue;
            QVERIFY2(cell->width() >= cell->fontMetrics().horizontalAdvance(cell->text()) + 8,
                     qPrintable(cell->objectName()));
            QVERIFY(cell->height() >= cell->fontMetrics().height() + 4);
        }
        QPushButton* start = grid->cell(which == 0 ? 16 : 0);
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key_Right);
        QPushButton* next = grid->cell(which == 0 ? 17 : 1);
        QCOMPARE(QApplication::focusWidget(), next);
        int clicks = 0;
        connect(grid, &ui::DesignTableGrid::cellClicked, this, [&clicks](int) { ++clicks; });
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(clicks, 1);
        QCOMPARE(grid->markedCell(), which == 0 ? 8 * 2 + 1 : which == 1 ? 1 : 1);
    }
};

QTEST_MAIN(SpillwayTablesTest)
#include "SpillwayTablesTest.moc"
