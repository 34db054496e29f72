// The summary window's labels and caption, and putting it on top.

#include "ui/Caption.h"
#include "ui/SedimentBasinMod.h"
#include "ui/frmSummary.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// A caption label whose buddy is the given value label: the text in front of it.
QLabel* captionOf(QWidget* window, const QLabel* value)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == value)
            return label;
    return nullptr;
}

QRect inWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

}  // namespace

class frmSummaryTest : public QObject {
    Q_OBJECT

private slots:
    void valueLabelsStartWithTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("caption");  // empty: a caption of the window's own choosing
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
        QVERIFY(front);
        if (!caption.isEmpty())
            QCOMPARE(front->text(), caption);
        const QRect frontRect = inWindow(front, &summary);
        const QRect valueRect = inWindow(value, &summary);
        QVERIFY(frontRect.right() < valueRect.left());
        QVERIFY(valueRect.left() - frontRect.right() < 20);
        QVERIFY(qAbs(frontRect.center().y() - valueRect.center().y()) <= 2);
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
        QCOMPARE(close->text(), QStringLiteral("Close Window"));
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

    // Every label and button shows its whole text, and none covers another,
    // even with the longest values a design produces.
    void longValuesStayLegible()
    {
        ui::frmSummary summary;
        QCOMPARE(summary.size(), QSize(692, 289));
        const QList<std::pair<const char*, const char*>> longest = {
            {"areaLabel", "99999"},           {"Q2Label", "123456.78 cfs"},      {"Q25Label", "123456.78 cfs"},
            {"QpsLabel", "12345.67 cfs"},     {"QesLabel", "-123456.78 cfs"},    {"VsLabel", "6699933 cy  = 180898191cf"},
            {"VcLabel", "2199978 cy = 59399406cf"}, {"slopeVarLabel", "999"},    {"slopeDisLabel_0", "9990 ft."},
            {"slopeDisLabel_1", "0"},         {"depthLabel_0", "10 ft."},        {"depthLabel_1", "10 ft."},
            {"bottomWLabel", "12345.67 ft."}, {"bottomLLabel", "12345.67 ft."},  {"hText", "12.34 ft. minimum."},
            {"DsLabel", "36 in."},            {"HLabel", "1234.56 ft."},         {"DoLabel", "24 in."},
            {"LLabel", "12345.67 ft."},       {"damTopLabel", "12345.67 ft."},   {"slopeLabel", "0.0125"},
            {"bLabel", "120 ft."},            {"HpLabel", "12.34 ft."},          {"Label5", "2.5"}};
        QCOMPARE(longest.size(), 24);
        for (const auto& [name, value] : longest)
            summary.setLabel(QLatin1String(name), QLatin1String(value));
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        QCOMPARE(summary.size(), QSize(692, 289));

        QList<QWidget*> shown;
        for (QWidget* widget : summary.findChildren<QWidget*>()) {
            if (!widget->isVisible() || !(qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget)))
                continue;
            shown << widget;
            const QRect visible = widget->visibleRegion().boundingRect();
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(visible.width() >= needed,
                         qPrintable(QStringLiteral("%1 shows %2 of %3 px").arg(label->objectName()).arg(visible.width()).arg(needed)));
            }
            QVERIFY2(visible.size() == widget->size(), qPrintable(widget->objectName() + QStringLiteral(" is cut off")));
            QVERIFY(QRect(QPoint(0, 0), summary.size()).contains(inWindow(widget, &summary)));
        }
        QVERIFY(shown.size() >= 2 * longest.size());
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!inWindow(shown[i], &summary).intersects(inWindow(shown[j], &summary)),
                         qPrintable(shown[i]->objectName() + QStringLiteral(" overlaps ") + shown[j]->objectName()));
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
