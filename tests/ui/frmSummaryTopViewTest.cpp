// The summary's top view: opening it from the side view copies seven values,
// which then stay as they were until it is opened again; "Side View" and
// "Close" go back; every text reads cleanly.

#include "SketchChecks.h"
#include "ui/frmSummary.h"
#include "ui/frmSummaryTopView.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Top-view label and the side-view label it is copied from.
const std::pair<const char*, const char*> kCopies[] = {
    {"lengthText", "bottomLLabel"}, {"widthText", "bottomWLabel"}, {"extraDistText", "slopeDisLabel_0"},
    {"DsText", "DsLabel"},          {"DoText", "DoLabel"},         {"bText", "bLabel"},
    {"slopeText", "slopeLabel"},
};

void click(QWidget* window, const char* button)
{
    auto* found = window->findChild<QPushButton*>(QLatin1String(button));
    if (!found)
        qFatal("no button %s", button);
    QTest::mouseClick(found, Qt::LeftButton);
}

}  // namespace

class frmSummaryTopViewTest : public QObject {
    Q_OBJECT

private slots:
    void topViewTakesTheValuesWhenOpened()
    {
        ui::frmSummary summary;
        QSignalSpy created(&summary, &ui::frmSummary::topViewCreated);
        summary.setLabel(QStringLiteral("bottomLLabel"), QStringLiteral("83.14 ft."));
        summary.setLabel(QStringLiteral("bLabel"), QStringLiteral("10 ft."));
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        QVERIFY(!summary.topView());

        click(&summary, "topViewButton");
        ui::frmSummaryTopView* top = summary.topView();
        QVERIFY(top);
        QCOMPARE(created.count(), 1);
        QCOMPARE(created.at(0).at(0).value<QWidget*>(), static_cast<QWidget*>(top));
        QVERIFY(QTest::qWaitForWindowExposed(top));
        QVERIFY(summary.isHidden());
        QCOMPARE(top->windowTitle(), QStringLiteral("Sediment Basin Top View Sketch"));
        QCOMPARE(top->size(), QSize(727, 427));
        for (const auto& [topName, sideName] : kCopies)
            QCOMPARE(top->value(QLatin1String(topName)), summary.label(QLatin1String(sideName)));
        QCOMPARE(top->value(QStringLiteral("lengthText")), QStringLiteral("83.14 ft."));

        // A change while the top view is open does not reach it...
        summary.setLabel(QStringLiteral("bottomLLabel"), QStringLiteral("99.9 ft."));
        QCOMPARE(top->value(QStringLiteral("lengthText")), QStringLiteral("83.14 ft."));

        // ...until "Side View" and "Top View" again.
        click(top, "sideViewButton");
        QVERIFY(top->isHidden());
        QVERIFY(summary.isVisible());
        summary.setLabel(QStringLiteral("bLabel"), QStringLiteral("12 ft."));
        click(&summary, "topViewButton");
        QCOMPARE(summary.topView(), top);  // the same window, not a second one
        QCOMPARE(created.count(), 1);
        QCOMPARE(top->value(QStringLiteral("lengthText")), QStringLiteral("99.9 ft."));
        QCOMPARE(top->value(QStringLiteral("bText")), QStringLiteral("12 ft."));
    }

    void closeUnloadsTheTopViewAndLeavesTheSummaryHidden()
    {
        ui::frmSummary summary;
        QSignalSpy created(&summary, &ui::frmSummary::topViewCreated);
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        click(&summary, "topViewButton");
        QPointer<ui::frmSummaryTopView> first = summary.topView();
        QVERIFY(first);

        click(first, "closeButton");
        QTRY_VERIFY(first.isNull());
        QVERIFY(!summary.topView());
        QVERIFY(summary.isHidden());

        // Changed while it was closed: the new top view shows it.
        summary.setLabel(QStringLiteral("DsLabel"), QStringLiteral("36 in."));
        summary.show();
        click(&summary, "topViewButton");
        QVERIFY(summary.topView());
        QCOMPARE(created.count(), 2);
        QCOMPARE(summary.topView()->value(QStringLiteral("DsText")), QStringLiteral("36 in."));

        // Its frame's close does what "Close" does.
        QPointer<ui::frmSummaryTopView> second = summary.topView();
        QVERIFY(second->close());
        QTRY_VERIFY(second.isNull());
        QVERIFY(summary.isHidden());
    }

    void topViewCaptionsAndValuesReadCleanly()
    {
        ui::frmSummary summary;
        const std::pair<const char*, const char*> longest[] = {
            {"bottomLLabel", "12345.67 ft."}, {"bottomWLabel", "12345.67 ft."}, {"slopeDisLabel_0", "9990 ft."},
            {"DsLabel", "108 in."},           {"DoLabel", "72 in."},            {"bLabel", "120 ft."},
            {"slopeLabel", "0.0125"},
        };
        for (const auto& [name, value] : longest)
            summary.setLabel(QLatin1String(name), QLatin1String(value));
        summary.show();
        click(&summary, "topViewButton");
        ui::frmSummaryTopView* top = summary.topView();
        QVERIFY(QTest::qWaitForWindowExposed(top));

        QStringList texts;
        for (const QLabel* label : top->findChildren<QLabel*>())
            texts << label->text();
        for (const char* caption : {"Inflow", "Bottom Length =", "Bottom Width =", "Level Control Section", "20 ft. min"})
            QVERIFY2(texts.contains(QLatin1String(caption)), caption);
        for (const char* name : {"lengthText", "widthText"}) {
            auto* value = top->findChild<QLabel*>(QLatin1String(name));
            bool hasCaption = false;
            for (const QLabel* label : top->findChildren<QLabel*>())
                if (label->buddy() == value) {
                    hasCaption = true;
                    QVERIFY(label->geometry().right() < value->geometry().left());
                    QVERIFY(value->geometry().left() - label->geometry().right() < 20);
                }
            QVERIFY2(hasCaption, name);
        }
        const QStringList faults = sketchchecks::legibilityFaults(top, ui::sketch::topView());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        delete top;
    }
};

QTEST_MAIN(frmSummaryTopViewTest)
#include "frmSummaryTopViewTest.moc"
