// Scenario tests of the main window: a designer clicking tabs, typing into
// the boxes of the five pages and reading what the window shows back.

#include "engine/basin_sizing.h"
#include "ui/Counties.h"
#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/Text.h"
#include "ui/SBdocFrm.h"
#include "ui/Table6_224.h"
#include "ui/frmHelp.h"
#include "ui/frmSummary.h"
#include "ui/frmSummaryTopView.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <memory>

using ui::Icon;
using ui::MainFrm;

namespace {

const QString kNotNumber = QStringLiteral("Please enter a valid number.");
const QString kNotNumberTitle = QStringLiteral("Data Type Error");
const QString kOpenTable = QStringLiteral("Create a new table or open an existing one.");

}  // namespace

class MainFrmTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainFrm> m_window;
    ui::RecordingPresenter m_presenter;

    QLineEdit* box(const char* name) const
    {
        auto* found = m_window->findChild<QLineEdit*>(QLatin1String(name));
        if (!found)
            qFatal("no box %s", name);
        return found;
    }
    QString caption(const char* name) const { return m_window->findChild<QLabel*>(QLatin1String(name))->text(); }
    QTabBar* tabs() const { return m_window->findChild<QTabBar*>(QStringLiteral("TabStrip1Tabs")); }
    QWidget* focused() const { return m_window->focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QString(); }

    // Clicks tab 1 to 5 with the mouse.
    void clickTab(int tab)
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(tab - 1).center());
    }
    // Replaces a box's text as the designer does: select all, then type.
    void type(const char* name, const QString& text)
    {
        QLineEdit* edit = box(name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    // The state of the held results, to compare before and after a refusal.
    QVector<double> heldResults() const
    {
        return {m_window->VolumeAtFull(), m_window->VolumeAtCleanOut(), m_window->Q2(), m_window->Q25()};
    }
    QStringList dimensions() const
    {
        return {box("widthText")->text(), box("lengthText")->text(), box("totalWidthText")->text(),
                box("totalLengthText")->text(), caption("percentLabel")};
    }
    // The disclaimer acknowledged and the record cover lifted: a basin is open.
    void uncover()
    {
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("btnAccept")), Qt::LeftButton);
        m_window->hideRecordCover();
    }
    void expectOnlyNotNumberMessage()
    {
        QCOMPARE(m_presenter.shown.size(), 1);
        QCOMPARE(m_presenter.shown[0].text, kNotNumber);
        QCOMPARE(m_presenter.shown[0].title, kNotNumberTitle);
        QCOMPARE(m_presenter.shown[0].icon, Icon::Exclamation);
    }

private slots:
    void init()
    {
        ui::setPresenter(&m_presenter);
        m_presenter.clear();
        m_window = std::make_unique<MainFrm>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        ui::setPresenter(nullptr);
    }

    // ---- The window as it opens ------------------------------------------

    void openingShowsDisclaimerOverRecordCoverOverFirstPage()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Zelt Tellum - Version 2.0.3"));
        QVERIFY(m_window->disclaimerShown());
        QVERIFY(m_window->recordCoverShown());
        QCOMPARE(m_window->helpText(), kOpenTable);
        QCOMPARE(m_window->guidance(), kOpenTable);
        QCOMPARE(m_window->currentPage(), 0);
        QCOMPARE(m_window->Depth(), 4);
        QVERIFY(m_window->findChild<QRadioButton*>(QStringLiteral("Option1_4"))->isChecked());
        QCOMPARE(m_window->pi(), 4 * std::atan(1.0));
        QCOMPARE(m_window->page(0)->pos(), QPoint(152, 72));
        for (int index = 1; index < MainFrm::kPageCount; ++index) {
            QVERIFY(m_window->page(index)->isHidden());
            QCOMPARE(m_window->page(index)->pos(), QPoint(144, 64));
        }
        QStringList captions;
        for (int index = 0; index < tabs()->count(); ++index)
            captions << tabs()->tabText(index);
        QCOMPARE(captions, QStringList({"Project Information", "Volumes/Runoff", "Basin's Dimensions",
                                        "Principal Spillway (ps)", "Emergency Spillway (es)"}));
        QVERIFY(!box("slopeVarText")->isEnabled());

        auto* accept = m_window->findChild<QPushButton*>(QStringLiteral("btnAccept"));
        QCOMPARE(accept->text(), QStringLiteral("I  have read the disclaimer"));
        QTest::mouseClick(accept, Qt::LeftButton);
        QVERIFY(!m_window->disclaimerShown());
        QVERIFY(m_window->recordCoverShown());
        QCOMPARE(m_window->guidance(), kOpenTable);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    // While a cover lies over the window, the keyboard reaches only what the
    // cover leaves in view, and no message comes from a box nobody can see.
    void theKeyboardStaysOutOfCoveredControls_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void theKeyboardStaysOutOfCoveredControls()
    {
        QFETCH(int, key);
        auto* accept = m_window->findChild<QPushButton*>(QStringLiteral("btnAccept"));
        m_window->focusProjectNumber();  // as the start-up does
        QCOMPARE(focused(), accept);
        for (int press = 0; press < 4; ++press) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            QCOMPARE(focused(), accept);
        }
        QTest::keyClick(accept, Qt::Key(key));
        QVERIFY(!m_window->disclaimerShown());

        // Under the record cover, Tab goes round the window and never into a page.
        for (int press = 0; press < 40; ++press) {
            QVERIFY(focused());
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            QVERIFY2(!m_window->page(0)->isAncestorOf(focused()), qPrintable(focusedName()));
        }
        QVERIFY(m_presenter.shown.isEmpty());

        // Uncovered, the page gives the focus to Project Number; covered again,
        // the focus leaves the empty Date box without its check.
        m_window->hideRecordCover();
        QCOMPARE(focusedName(), QStringLiteral("proNameText"));
        box("dateText")->setFocus();
        m_window->showRecordCover(kOpenTable);
        QCoreApplication::processEvents();
        QVERIFY(!m_window->page(0)->isAncestorOf(focused()));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void everyPageFitsWithNothingClippedOrOverlapping()
    {
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("expandButton")), Qt::LeftButton);
        for (int index = 0; index < MainFrm::kPageCount; ++index) {
            QWidget* page = m_window->page(index);
            if (page->layout())
                page->layout()->activate();
            QVector<QWidget*> controls;
            for (auto* child : page->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
                                     qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child) ||
                                     qobject_cast<QPlainTextEdit*>(child);
                QWidget* owner = child->parentWidget();
                bool inside = false;  // a part of another control (a combo's line edit)
                for (; owner && owner != page; owner = owner->parentWidget())
                    inside = inside || qobject_cast<QComboBox*>(owner) || qobject_cast<QPlainTextEdit*>(owner);
                if (control && !inside && child->isVisibleTo(page))
                    controls << child;
            }
            QVERIFY(controls.size() > 5);
            QVector<QRect> rects;
            for (auto* control : controls) {
                const QRect rect(control->mapTo(page, QPoint(0, 0)), control->size());
                const QString what = QStringLiteral("page %1: %2 '%3'")
                                         .arg(index)
                                         .arg(control->objectName(),
                                              qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                                              : QString());
                QVERIFY2(page->rect().contains(rect), qPrintable(what + " leaves the page"));
                if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
                    QVERIFY2(label->sizeHint().width() <= label->width() + 1, qPrintable(what + " is clipped"));
                if (auto* button = qobject_cast<QPushButton*>(control))
                    QVERIFY2(button->fontMetrics().horizontalAdvance(ui::withoutAccessKey(button->text())) + 8 <= button->width(),
                             qPrintable(what + " is clipped"));
                rects << rect;
            }
            for (qsizetype a = 0; a < rects.size(); ++a)
                for (qsizetype b = a + 1; b < rects.size(); ++b)
                    QVERIFY2(!rects[a].intersects(rects[b]),
                             qPrintable(QStringLiteral("page %1: %2 overlaps %3")
                                            .arg(index)
                                            .arg(controls[a]->objectName(), controls[b]->objectName())));
        }
    }

    // Every emergency spillway box whose unit is known shows it right after the box.
    void emergencySpillwayBoxesShowTheirUnits_data()
    {
        QTest::addColumn<bool>("tableWindow");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        for (const auto& [name, unit] : {std::pair("QesText", "cfs"), std::pair("Q25Text", "cfs"),
                                         std::pair("QpsText_1", "cfs"), std::pair("stageText", "ft."),
                                         std::pair("bottomWidthText", "ft.")})
            QTest::newRow(name) << false << name << unit;
        QTest::newRow("table stageText") << true << "stageText" << "ft.";
        QTest::newRow("table bottomWidthText") << true << "bottomWidthText" << "ft.";
    }
    void emergencySpillwayBoxesShowTheirUnits()
    {
        QFETCH(bool, tableWindow);
        QFETCH(QString, name);
        QFETCH(QString, unit);
        QWidget* window = tableWindow ? static_cast<QWidget*>(&ui::Table6_224::open(*m_window)) : m_window->page(4);
        window->show();
        if (window->layout())
            window->layout()->activate();
        auto* field = window->findChild<QLineEdit*>(name);
        QVERIFY(field);
        const QRect at(field->mapTo(window, QPoint(0, 0)), field->size());
        const QLabel* next = nullptr;
        for (auto* label : window->findChildren<QLabel*>()) {
            const QRect rect(label->mapTo(window, QPoint(0, 0)), label->size());
            if (label->isVisibleTo(window) && rect.left() >= at.right() && rect.left() - at.right() < 12 &&
                qAbs(rect.center().y() - at.center().y()) < at.height() / 2)
                next = label;
        }
        QVERIFY2(next, "no label right after the box");
        QCOMPARE(next->text(), unit);
    }

    // ---- The page-change rule --------------------------------------------

    void clickingTabsUnderTheRecordCoverGivesNoGuidance()
    {
        m_window->findChild<QPushButton*>(QStringLiteral("summaryCmd"))->setFocus();
        QWidget* before = focused();
        clickTab(3);
        QCOMPARE(m_window->currentPage(), 2);
        QVERIFY(!m_window->page(2)->isHidden());
        QVERIFY(m_window->page(0)->isHidden());
        QCOMPARE(m_window->guidance(), kOpenTable);
        QCOMPARE(focused(), before);
    }

    void enteringEachPageWithARecordOpen_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("guidance");
        QTest::newRow("volumes") << 2 << "IText"
                                 << "Enter Intensities for both Runoffs then click \"Basin's Dimensions\".";
        QTest::newRow("dimensions") << 3 << QString()
                                    << "Select the basin's depth then click \"Principal Spillway (ps)\".";
        QTest::newRow("principal spillway")
            << 4 << "hText" << "Enter H then click \"Click here to compute Do and Q\" to select the pipe size.";
        QTest::newRow("emergency spillway") << 5 << "emSpilButton"
                                            << "Click \"Click here to compute the Emergency Spillway data\".";
    }
    void enteringEachPageWithARecordOpen()
    {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(QString, guidance);
        uncover();
        m_window->findChild<QPushButton*>(QStringLiteral("summaryCmd"))->setFocus();
        clickTab(tab);
        QCOMPARE(m_window->currentPage(), tab - 1);
        QCOMPARE(m_window->guidance(), guidance);
        QCOMPARE(focusedName(), focus.isEmpty() ? QStringLiteral("summaryCmd") : focus);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void enteringProjectInformationFocusesProjectOrBasinNumber()
    {
        uncover();
        clickTab(2);
        clickTab(1);
        QCOMPARE(focusedName(), QStringLiteral("proNameText"));
        QCOMPARE(m_window->guidance(), QStringLiteral("Complete this section then press \"Volumes/Runoff\". "));
        box("proNameText")->setText(QStringLiteral("A-1"));
        clickTab(2);
        clickTab(1);
        QCOMPARE(focusedName(), QStringLiteral("proNumText"));
    }

    void clickingTheSelectedTabChangesNothing()
    {
        uncover();
        clickTab(2);
        box("CText")->setFocus();
        m_window->setGuidance(QStringLiteral("earlier"));
        clickTab(2);
        QCOMPARE(focusedName(), QStringLiteral("CText"));
        QCOMPARE(m_window->guidance(), QStringLiteral("earlier"));
    }

    void enteringEmergencySpillwayWarnsOnlyWhenOverDesigned_data()
    {
        QTest::addColumn<QString>("qes");
        QTest::addColumn<bool>("warned");
        QTest::newRow("Qes -3") << "-3" << true;
        QTest::newRow("Qes 0") << "0" << false;
        QTest::newRow("Qes 2.53") << "2.53" << false;
    }
    void enteringEmergencySpillwayWarnsOnlyWhenOverDesigned()
    {
        QFETCH(QString, qes);
        QFETCH(bool, warned);
        box("QesText")->setText(QStringLiteral("7"));
        box("QesText")->setText(qes);
        QCOMPARE(m_window->Qes(), qes.toDouble());
        uncover();
        clickTab(5);
        if (warned) {
            QCOMPARE(m_presenter.shown.size(), 1);
            QCOMPARE(m_presenter.shown[0].text,
                     QStringLiteral("Warning: Principal spillway is over designed. Emergency spillway is not needed."));
            QCOMPARE(m_presenter.shown[0].icon, Icon::Warning);
            QCOMPARE(m_presenter.shown[0].title, ui::applicationTitle());
        } else {
            QVERIFY(m_presenter.shown.isEmpty());
        }
        QCOMPARE(focusedName(), QStringLiteral("emSpilButton"));
        // A loaded record is guided without the warning.
        m_presenter.clear();
        m_window->guideCurrentPage(true);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void expandThenRetractRestoresTheTabbedView()
    {
        m_window->hideRecordCover();  // the disclaimer stays
        clickTab(3);
        const QSize normal = m_window->size();
        auto* expand = m_window->findChild<QPushButton*>(QStringLiteral("expandButton"));
        QCOMPARE(expand->toolTip(), QStringLiteral("Click here to maximize or to resume window view"));
        QTest::mouseClick(expand, Qt::LeftButton);
        QCOMPARE(ui::withoutAccessKey(expand->text()), QStringLiteral("Retract"));
        QVERIFY(m_window->isMaximized());
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("TabStrip1"))->isHidden());
        const QPoint tiled[] = {{144, 64}, {8, 288}, {544, 288}, {8, 496}, {544, 496}};
        for (int index = 0; index < MainFrm::kPageCount; ++index) {
            QVERIFY(!m_window->page(index)->isHidden());
            QCOMPARE(m_window->page(index)->pos(), tiled[index]);
        }
        QTest::mouseClick(expand, Qt::LeftButton);
        QCOMPARE(ui::withoutAccessKey(expand->text()), QStringLiteral("Expand"));
        QVERIFY(!m_window->isMaximized());
        QCOMPARE(m_window->size(), normal);
        QCOMPARE(m_window->size(), QSize(801, 303));
        QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("TabStrip1"))->isHidden());
        for (int index = 0; index < MainFrm::kPageCount; ++index) {
            QCOMPARE(m_window->page(index)->isHidden(), index != 2);
            QCOMPARE(m_window->page(index)->pos(), QPoint(144, 64));
        }
        QCOMPARE(m_window->currentPage(), 2);
        QVERIFY(!m_window->recordCoverShown());
        QVERIFY(m_window->disclaimerShown());
    }

    // ---- Runoff and storage volumes --------------------------------------

    void typingAnAreaOf2FillsEveryAreaBox_data()
    {
        QTest::addColumn<QString>("typedInto");
        for (const char* name : {"areaAvaiText", "areaText", "areaText2", "AText", "AText2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void typingAnAreaOf2FillsEveryAreaBox()
    {
        QFETCH(QString, typedInto);
        type(typedInto.toLatin1().constData(), QStringLiteral("2"));
        for (const char* name : {"areaAvaiText", "areaText", "areaText2", "AText", "AText2"})
            QCOMPARE(box(name)->text(), QStringLiteral("2"));
        QCOMPARE(m_window->VolumeAtFull(), 3618.0);
        QCOMPARE(m_window->VolumeAtCleanOut(), 1188.0);
        QCOMPARE(caption("v2ResultLabel"), QStringLiteral("134 cy  = 3618cf"));
        QCOMPARE(caption("vcResultLabel"), QStringLiteral("44 cy = 1188cf"));
        QVERIFY(box("slopeVarText")->isEnabled());
        // The basin is sized again for the new volume at the depth in force.
        QCOMPARE(box("widthText")->text(), ui::qs(engine::sizeBasin(3618, 2.5, 4).widthText));
        auto* summary = m_window->summary();
        QVERIFY(summary->isHidden());
        QCOMPARE(summary->label(QStringLiteral("areaLabel")), QStringLiteral("2"));
        QCOMPARE(summary->label(QStringLiteral("VsLabel")), QStringLiteral("134 cy  = 3618cf"));
        QCOMPARE(summary->label(QStringLiteral("VcLabel")), QStringLiteral("44 cy = 1188cf"));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void aCFactorOf1IsRefusedAnd099Accepted_data()
    {
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<bool>("focusBack");
        QTest::newRow("project information") << "CFactorText" << true;
        QTest::newRow("2-year row") << "CText" << false;
        QTest::newRow("25-year row") << "CText2" << false;
    }
    void aCFactorOf1IsRefusedAnd099Accepted()
    {
        QFETCH(QString, typedInto);
        QFETCH(bool, focusBack);
        const QByteArray name = typedInto.toLatin1();
        type("areaAvaiText", QStringLiteral("1"));
        type("IText", QStringLiteral("4"));
        type("IText2", QStringLiteral("6"));
        box("CFactorText")->setText(QStringLiteral("0.5"));
        const auto held = heldResults();
        uncover();
        clickTab(2);
        m_presenter.clear();

        box(name)->setFocus();
        box(name)->setText(QStringLiteral("1"));
        QCOMPARE(m_presenter.shown.size(), 1);
        QCOMPARE(m_presenter.shown[0].text, QStringLiteral("\"C\" factor must be less than 1"));
        QCOMPARE(m_presenter.shown[0].icon, Icon::Exclamation);
        QCOMPARE(m_presenter.shown[0].title, ui::applicationTitle());
        QCOMPARE(m_window->currentPage(), 0);
        QCOMPARE(box(name)->text(), QStringLiteral("1"));
        QCOMPARE(heldResults(), held);
        for (const char* other : {"CFactorText", "CText", "CText2"})
            if (other != typedInto)
                QCOMPARE(box(other)->text(), QStringLiteral("0.5"));
        if (focusBack)
            QCOMPARE(focusedName(), typedInto);

        m_presenter.clear();
        box(name)->setText(QStringLiteral("0.99"));
        QVERIFY(m_presenter.shown.isEmpty());
        for (const char* each : {"CFactorText", "CText", "CText2"})
            QCOMPARE(box(each)->text(), QStringLiteral("0.99"));
        QCOMPARE(m_window->Q2(), 3.96);
        QCOMPARE(m_window->Q25(), 5.94);
    }

    void dischargesAreRoundedToTwoDecimals_data()
    {
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("i");
        QTest::addColumn<QString>("a");
        QTest::addColumn<double>("q");
        QTest::addColumn<QString>("label");
        QTest::newRow("2.45") << "0.5" << "4.9" << "1" << 2.45 << "2.45 cfs";
        QTest::newRow("3.375 rounds up") << "0.5" << "4.5" << "1.5" << 3.38 << "3.38 cfs";
        QTest::newRow("12.50 shows 12.5") << "0.5" << "25" << "1" << 12.5 << "12.5 cfs";
        QTest::newRow("0. is zero") << "0." << "4" << "1" << 0.0 << "0 cfs";
    }
    void dischargesAreRoundedToTwoDecimals()
    {
        QFETCH(QString, c);
        QFETCH(QString, i);
        QFETCH(QString, a);
        QFETCH(double, q);
        QFETCH(QString, label);
        box("CFactorText")->setText(QStringLiteral("0.1"));
        box("CFactorText")->setText(c);
        box("areaAvaiText")->setText(a);
        box("IText")->setText(i);
        box("IText2")->setText(i);
        QCOMPARE(m_window->Q2(), q);
        QCOMPARE(m_window->Q25(), q);
        QCOMPARE(caption("twoYearRunOffResultLabel"), label);
        QCOMPARE(caption("twentyFiveYROffResultLabel"), label);
        QCOMPARE(caption("QsLabel"), QStringLiteral("Q2 = ") + label + QStringLiteral("    Q25 = ") + label);
        QCOMPARE(box("Q25Text")->text(), QString::number(q));
        QCOMPARE(m_window->summary()->label(QStringLiteral("Q2Label")), label);
        QCOMPARE(m_window->summary()->label(QStringLiteral("Q25Label")), label);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void qesFollowsQ25AndQps()
    {
        box("CFactorText")->setText(QStringLiteral("0.5"));
        box("areaAvaiText")->setText(QStringLiteral("1"));
        box("IText2")->setText(QStringLiteral("7.46"));
        QCOMPARE(m_window->Q25(), 3.73);
        QCOMPARE(box("QesText")->text(), QStringLiteral("3.73"));
        box("stageText")->setText(QStringLiteral("1.0"));
        box("QpsText_0")->setText(QStringLiteral("1.2"));
        QCOMPARE(box("QpsText_1")->text(), QStringLiteral("1.2"));
        QCOMPARE(box("QesText")->text(), QStringLiteral("2.53"));
        QCOMPARE(m_window->Qes(), 2.53);
        QCOMPARE(box("stageText")->text(), QStringLiteral("0"));
        QCOMPARE(m_window->summary()->label(QStringLiteral("QesLabel")), QStringLiteral("2.53 cfs"));
    }

    void invalidEntriesAreRefusedAndKeepTheResults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("backToFirstPage");
        QTest::addColumn<QString>("area");
        const QString area = QStringLiteral("1.5");
        QTest::newRow("empty area") << "areaAvaiText" << "" << true << area;
        QTest::newRow("negative area") << "areaAvaiText" << "-1" << true << area;
        QTest::newRow("letters in the Vs row") << "areaText" << "abc" << false << area;
        QTest::newRow("negative Vc row area") << "areaText2" << "-3" << false << area;
        QTest::newRow("negative Q2 row area") << "AText" << "-2" << false << area;
        QTest::newRow("letters as intensity") << "IText" << "4,5" << false << area;
        QTest::newRow("empty 25-year C") << "CText2" << "" << false << area;
        QTest::newRow("letters as C") << "CFactorText" << "c" << false << area;
        QTest::newRow("negative slope") << "slopeVarText" << "-2" << false << area;
        QTest::newRow("letters as slope") << "slopeVarText" << "x" << false << area;
        // Numbers whose results overflow: no result may be left without a number.
        QTest::newRow("area with infinite volumes") << "areaAvaiText" << "1e308" << true << area;
        QTest::newRow("Q2 row area with infinite volumes") << "AText" << "1e306" << false << area;
        QTest::newRow("Vs row area too large to size") << "areaText" << "1e300" << false << area;
        QTest::newRow("C with an infinite C x I x A") << "CFactorText" << "-1e308" << false << area;
        QTest::newRow("25-year C with an infinite C x I x A") << "CText2" << "-1e308" << false << area;
        QTest::newRow("intensity with an infinite C x I x A") << "IText2" << "1e304" << false << "99999";
    }
    void invalidEntriesAreRefusedAndKeepTheResults()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, backToFirstPage);
        QFETCH(QString, area);
        box("CFactorText")->setText(QStringLiteral("0.5"));
        box("areaAvaiText")->setText(area);
        box("IText")->setText(QStringLiteral("4.5"));
        box("IText2")->setText(QStringLiteral("6"));
        const auto held = heldResults();
        const auto sized = dimensions();
        const QStringList areas = {box("areaText")->text(), box("AText2")->text()};
        uncover();
        clickTab(3);
        m_presenter.clear();

        const QStringList results = {caption("v2ResultLabel"), caption("vcResultLabel"),
                                     caption("twoYearRunOffResultLabel"), caption("twentyFiveYROffResultLabel"),
                                     caption("QsLabel"), box("Q25Text")->text(), box("QesText")->text()};
        box(name.toLatin1().constData())->setText(text);
        expectOnlyNotNumberMessage();
        QCOMPARE(box(name.toLatin1().constData())->text(), text);
        QCOMPARE(heldResults(), held);
        QCOMPARE(dimensions(), sized);
        QCOMPARE(QStringList({caption("v2ResultLabel"), caption("vcResultLabel"), caption("twoYearRunOffResultLabel"),
                              caption("twentyFiveYROffResultLabel"), caption("QsLabel"), box("Q25Text")->text(),
                              box("QesText")->text()}),
                 results);
        QCOMPARE(QStringList({box("areaText")->text(), box("AText2")->text()}),
                 name == QLatin1String("areaText") ? QStringList({text, areas[1]}) : areas);
        QCOMPARE(m_window->currentPage(), backToFirstPage ? 0 : 2);
        if (backToFirstPage)
            QCOMPARE(focusedName(), name);
    }

    void aBadCoOperandKeepsTheDischarge()
    {
        box("CFactorText")->setText(QStringLiteral("0.5"));
        box("areaAvaiText")->setText(QStringLiteral("1"));
        box("IText")->setText(QStringLiteral("4.9"));
        QCOMPARE(m_window->Q2(), 2.45);
        box("IText")->setText(QStringLiteral("abc"));
        m_presenter.clear();
        box("AText")->setText(QStringLiteral("3"));
        QVERIFY(m_presenter.shown.isEmpty());
        QCOMPARE(m_window->Q2(), 2.45);
        QCOMPARE(caption("twoYearRunOffResultLabel"), QStringLiteral("2.45 cfs"));
        QCOMPARE(box("areaAvaiText")->text(), QStringLiteral("3"));
    }

    // ---- Basin sizing by depth -------------------------------------------

    void sizingAnAreaAtADepthGivesTheWorkedDimensions_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("sized");
        QTest::newRow("1 acre at 4 ft")
            << "1" << "2.5" << 4
            << QStringList{"7.20", "14.4", "27.2", "34.4",
                           "Actual Volume: 1801.33    Required Volume: 1809    Accuracy: 0.996"};
        QTest::newRow("2 acres at 6 ft")
            << "2" << "2.5" << 6
            << QStringList{"5.44", "10.88", "35.44", "40.88",
                           "Actual Volume: 3601.80    Required Volume: 3618    Accuracy: 0.996"};
        QTest::newRow("5 acres at 8 ft")
            << "5" << "2.5" << 8
            << QStringList{"7.90", "15.8", "47.9", "55.8",
                           "Actual Volume: 9000.74    Required Volume: 9045    Accuracy: 0.995"};
        QTest::newRow("no area") << "0" << "2.5" << 4
                                 << QStringList{"0.00", "0", "20", "20",
                                                "Actual Volume: 533.33    Required Volume: 0    Accuracy: 0.000"};
        QTest::newRow("volume below the slopes alone")
            << "3.5" << "3" << 10
            << QStringList{"-7.55", "-15.1", "52.45", "44.9",
                           "Actual Volume: 9957.86    Required Volume: 6331.5    Accuracy: 0.636"};
    }
    void sizingAnAreaAtADepthGivesTheWorkedDimensions()
    {
        QFETCH(QString, area);
        QFETCH(QString, slope);
        QFETCH(int, depth);
        QFETCH(QStringList, sized);
        box("areaAvaiText")->setText(QStringLiteral("9"));
        box("areaAvaiText")->setText(area);
        box("slopeVarText")->setText(slope);
        auto* option = m_window->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(depth));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->isChecked());
        QCOMPARE(m_window->Depth(), depth);
        QCOMPARE(dimensions(), sized);
        QCOMPARE(box("i")->text(), QString::number(100 * depth));
        QCOMPARE(caption("depthLabel"), QStringLiteral("(Basins' depth: %1 ft.)").arg(depth));
        auto* summary = m_window->summary();
        const QString depthFeet = QStringLiteral("%1 ft.").arg(depth);
        QCOMPARE(summary->label(QStringLiteral("depthLabel_0")), depthFeet);
        QCOMPARE(summary->label(QStringLiteral("depthLabel_1")), depthFeet);
        QCOMPARE(summary->label(QStringLiteral("bottomWLabel")), sized[0] + QStringLiteral(" ft."));
        QCOMPARE(summary->label(QStringLiteral("bottomLLabel")), sized[1] + QStringLiteral(" ft."));
        QCOMPARE(summary->label(QStringLiteral("slopeDisLabel_0")),
                 QString::number(slope.toDouble() * depth) + QStringLiteral(" ft."));
        QCOMPARE(summary->label(QStringLiteral("slopeVarLabel")), slope);
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void choosingADepthRaisesHToTheFloors_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("height");
        QTest::newRow("h 1: depth + 1") << "1" << "5";
        QTest::newRow("h 2.3: depth + h") << "2.3" << "6.3";
    }
    void choosingADepthRaisesHToTheFloors()
    {
        QFETCH(QString, head);
        QFETCH(QString, height);
        box("littlehText")->setText(head);
        box("hText")->setText(QStringLiteral("3"));
        auto* option = m_window->findChild<QRadioButton*>(QStringLiteral("Option1_4"));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QCOMPARE(box("hText")->text(), height);
        QCOMPARE(m_window->minimumHeight(), 5.0f);
        QCOMPARE(m_window->summary()->label(QStringLiteral("HLabel")), height + QStringLiteral(" ft."));
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void aNewHRaisesHAndAnHBelowOneFootBecomesOne()
    {
        box("hText")->setText(QStringLiteral("5"));
        box("littlehText")->setText(QStringLiteral("2.3"));
        QCOMPARE(box("hText")->text(), QStringLiteral("6.3"));
        QCOMPARE(m_window->summary()->label(QStringLiteral("hText")), QStringLiteral("2.3 ft. minimum."));
        box("littlehText")->setText(QStringLiteral("0.6"));
        QCOMPARE(box("littlehText")->text(), QStringLiteral("1"));
        QCOMPARE(m_window->summary()->label(QStringLiteral("hText")), QStringLiteral("1 ft. minimum."));
        QCOMPARE(box("hText")->text(), QStringLiteral("6.3"));  // H never falls
    }

    void leavingASteepSlopeWarns_data()
    {
        QTest::addColumn<QString>("slope");
        QTest::addColumn<bool>("warned");
        QTest::newRow("2.4") << "2.4" << true;
        QTest::newRow("2.5") << "2.5" << false;
        QTest::newRow("3") << "3" << false;
        QTest::newRow("not a number") << "." << true;
    }
    void leavingASteepSlopeWarns()
    {
        QFETCH(QString, slope);
        QFETCH(bool, warned);
        uncover();
        type("areaAvaiText", QStringLiteral("1"));
        type("slopeVarText", slope);
        QCOMPARE(box("slopeVarText")->text(), slope);
        m_presenter.clear();
        clickTab(2);  // the slope box loses the focus
        QCoreApplication::processEvents();
        if (warned) {
            QCOMPARE(m_presenter.shown.size(), 1);
            QCOMPARE(m_presenter.shown[0].text, QStringLiteral("Warning: Inner slope may be too steep."));
            QCOMPARE(m_presenter.shown[0].icon, Icon::Information);
            QCOMPARE(m_presenter.shown[0].title, ui::applicationTitle());
            QCOMPARE(m_window->currentPage(), 0);
        } else {
            QVERIFY(m_presenter.shown.isEmpty());
            QCOMPARE(m_window->currentPage(), 1);
        }
        QCOMPARE(box("slopeVarText")->text(), slope);
    }

    // ---- Project information ---------------------------------------------

    void leavingTheDateBoxChecksTheDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("valid");
        QTest::newRow("12/31/2003") << "12/31/2003" << true;
        QTest::newRow("1/2/2004") << "1/2/2004" << true;
        QTest::newRow("13/31/2003") << "13/31/2003" << false;
        QTest::newRow("2/30/2003") << "2/30/2003" << false;
        QTest::newRow("abc") << "abc" << false;
        QTest::newRow("empty") << "" << false;
    }
    void leavingTheDateBoxChecksTheDate()
    {
        QFETCH(QString, date);
        QFETCH(bool, valid);
        uncover();
        type("dateText", date);
        QTest::keyClick(box("dateText"), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(box("dateText")->text(), date);
        if (valid) {
            QVERIFY(m_presenter.shown.isEmpty());
            QCOMPARE(focusedName(), QStringLiteral("proNumText"));
        } else {
            QCOMPARE(m_presenter.shown.size(), 1);
            QCOMPARE(m_presenter.shown[0].text, QStringLiteral("Date format is not valid! (MM/DD/YYYY)"));
            QCOMPARE(m_presenter.shown[0].icon, Icon::Error);
            QCOMPARE(m_presenter.shown[0].title, ui::applicationTitle());
            QCOMPARE(focusedName(), QStringLiteral("todayDateButton"));
        }
    }

    void projectAndBasinNumbersNameTheSummary()
    {
        type("proNameText", QStringLiteral("A-1"));
        type("proNumText", QStringLiteral("3"));
        QCOMPARE(m_window->summary()->windowTitle(), QStringLiteral("Project Number: A-1 - Basin Number: 3"));
        type("proNumText", QString());
        QCOMPARE(m_window->summary()->windowTitle(), QStringLiteral("Project Number: A-1 - Basin Number: "));
    }

    void theCountyBoxListsEveryCountyInAlphabeticalOrder()
    {
        auto* counties = m_window->findChild<QComboBox*>(QStringLiteral("CountyCombo"));
        QStringList listed;
        for (int index = 0; index < counties->count(); ++index)
            listed << counties->itemText(index);
        QStringList expected = ui::countyNames();
        QCOMPARE(listed.size(), expected.size());
        expected.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, expected);
        QCOMPARE(counties->currentText(), QString());
    }

    // ---- Summary and closing ---------------------------------------------

    void summaryOpensOnTop()
    {
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("summaryCmd")), Qt::LeftButton);
        auto* summary = m_window->summary();
        QVERIFY(summary->isVisible());
        QVERIFY(summary->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(m_window->window(QStringLiteral("frmSummary")), static_cast<QWidget*>(summary));
    }

    void closingUnloadsTheOtherWindowsSilently()
    {
        QPointer<QWidget> summary = m_window->summary();
        QPointer<QWidget> other = new QWidget;
        m_window->registerWindow(QStringLiteral("frmAbout"), other);
        // The summary's top view joins the closing order when it is made.
        QTest::mouseClick(m_window->summary()->findChild<QPushButton*>(QStringLiteral("topViewButton")), Qt::LeftButton);
        QPointer<QWidget> topView = m_window->window(QStringLiteral("frmSummaryTopView"));
        QVERIFY(topView);
        QCOMPARE(topView.data(), static_cast<QWidget*>(m_window->summary()->topView()));
        QVERIFY(m_window->close());
        QVERIFY(m_window->closing());
        QVERIFY(summary.isNull());
        QVERIFY(topView.isNull());
        QVERIFY(other.isNull());
        QVERIFY(m_presenter.shown.isEmpty());
    }

    // The toolbar's reference buttons open their windows over the shipped
    // guide and manual pages; a second press brings the same window forward,
    // and closing the main window unloads them.
    void toolbarOpensTheReferenceWindowsOverTheProgramsFiles()
    {
        m_window.reset();
        MainFrm main(QStringLiteral(TELLUM_DATA_DIR));
        main.show();
        struct Press {
            const char* button;
            const char* window;
        };
        const Press presses[] = {{"HelpFile", "frmHelp"}, {"SoftBttn1", "SBdocFrm"}, {"aboutButton", "frmAbout"}};
        QList<QPointer<QWidget>> opened;
        for (const Press& press : presses) {
            auto* button = main.findChild<QToolButton*>(QLatin1String(press.button));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
            QPointer<QWidget> window = main.window(QLatin1String(press.window));
            QVERIFY2(window && window->isVisible(), press.window);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(main.window(QLatin1String(press.window)), window.data());
            opened << window;
        }
        // The guide's first page and the first manual page came from the files beside the program.
        QVERIFY(main.window(QStringLiteral("frmHelp"))->findChild<QTextBrowser*>());
        const auto* help = qobject_cast<ui::frmHelp*>(main.window(QStringLiteral("frmHelp")));
        QVERIFY(help->pageInView().endsWith(QStringLiteral("Main.html")));
        QVERIFY(help->indexCount() > 0);
        auto* viewer = qobject_cast<ui::SBdocFrm*>(main.window(QStringLiteral("SBdocFrm")));
        QTest::mouseClick(viewer->findChild<QPushButton*>(QStringLiteral("nextButton")), Qt::LeftButton);
        QVERIFY(viewer->pictureFile().endsWith(QStringLiteral("page1.gif")));
        QVERIFY(m_presenter.shown.isEmpty());

        QVERIFY(main.close());
        for (const auto& window : opened)
            QVERIFY(window.isNull());
    }
};

QTEST_MAIN(MainFrmTest)
#include "MainFrmTest.moc"
