// The calendar date picker, driven through its lists and day labels.

#include "ui/CalendarFrm.h"
#include "ui/Presenter.h"
#include "ui/Services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

class FixedDay : public ui::Services {
public:
    QDate day;
    bool openFile(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QDate today() override { return day; }
};

QComboBox* combo(ui::CalendarFrm* calendar, const char* name)
{
    return calendar->findChild<QComboBox*>(QLatin1String(name));
}

QLabel* dayLabel(ui::CalendarFrm* calendar, int day)
{
    return calendar->findChild<QLabel*>(QStringLiteral("dayLabel_%1").arg(day));
}

QString fullDate(ui::CalendarFrm* calendar)
{
    return calendar->findChild<QLabel*>(QStringLiteral("fullDateLabel"))->text();
}

QList<int> highlightedDays(ui::CalendarFrm* calendar)
{
    QList<int> days;
    for (int day = 1; day <= 31; ++day)
        if (calendar->isHighlighted(day))
            days << day;
    return days;
}

// Chooses an entry of a list the way the keyboard does: arrow keys.
void choose(QComboBox* box, const QString& text)
{
    const int wanted = box->findText(text);
    QVERIFY2(wanted >= 0, qPrintable(text));
    if (box->currentIndex() < 0)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() < wanted)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > wanted)
        QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->currentText(), text);
}

}  // namespace

class CalendarFrmTest : public QObject {
    Q_OBJECT

    FixedDay m_services;
    ui::RecordingPresenter m_presenter;
    QLineEdit m_dateText;
    std::unique_ptr<ui::CalendarFrm> m_calendar;

    ui::CalendarFrm* openCalendar()
    {
        m_calendar = std::make_unique<ui::CalendarFrm>(&m_dateText);
        m_calendar->show();
        if (!QTest::qWaitForWindowExposed(m_calendar.get()))
            qWarning("calendar window not exposed");
        return m_calendar.get();
    }

private slots:
    void init()
    {
        m_services.day = QDate(2026, 12, 7);
        ui::setServices(&m_services);
        m_presenter.clear();
        ui::setPresenter(&m_presenter);
        m_dateText.setText(QStringLiteral("01/01/2000"));
    }

    void cleanup()
    {
        m_calendar.reset();
        ui::setServices(nullptr);
        ui::setPresenter(nullptr);
    }

    void openingShowsTodayAndDoubleClickAcceptsIt()
    {
        ui::CalendarFrm* calendar = openCalendar();
        QCOMPARE(calendar->windowTitle(), QStringLiteral("Calendar "));
        QCOMPARE(combo(calendar, "monthCombo")->currentText(), QStringLiteral("December"));
        QCOMPARE(combo(calendar, "yearCombo")->currentText(), QStringLiteral("2026"));
        QCOMPARE(highlightedDays(calendar), QList<int>{7});
        QCOMPARE(fullDate(calendar), QStringLiteral("December 7, 2026"));

        QTest::mouseDClick(dayLabel(calendar, 7), Qt::LeftButton);
        QCOMPARE(m_dateText.text(), QStringLiteral("12/07/2026"));
        QVERIFY(!calendar->isVisible());
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void yearListRunsFrom1980ToTenYearsAhead_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("lastYear");
        QTest::newRow("on 7 December 2026") << QDate(2026, 12, 7) << QStringLiteral("2036");
        QTest::newRow("on 1 January 2003") << QDate(2003, 1, 1) << QStringLiteral("2013");
        QTest::newRow("before the list begins") << QDate(1975, 3, 1) << QStringLiteral("1985");
    }

    void yearListRunsFrom1980ToTenYearsAhead()
    {
        QFETCH(QDate, today);
        QFETCH(QString, lastYear);
        m_services.day = today;
        QComboBox* years = combo(openCalendar(), "yearCombo");
        QCOMPARE(years->itemText(0), QStringLiteral("1980"));
        QCOMPARE(years->itemText(years->count() - 1), lastYear);
        QCOMPARE(years->count(), lastYear.toInt() - 1980 + 1);
        // The box shows this year even when the list does not hold it.
        QCOMPARE(years->currentText(), QString::number(today.year()));
        QCOMPARE(m_calendar->yearText(), QString::number(today.year()));
    }

    void doubleClickWritesTheChosenDate_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("dateText");
        QTest::newRow("14 February 2003") << "February" << "2003" << 14 << "02/14/2003";
        QTest::newRow("5 January 2003, zero-padded") << "January" << "2003" << 5 << "01/05/2003";
        QTest::newRow("leap day 2004") << "February" << "2004" << 29 << "02/29/2004";
        QTest::newRow("first year of the list") << "December" << "1980" << 31 << "12/31/1980";
        QTest::newRow("last year of the list") << "March" << "2036" << 1 << "03/01/2036";
    }

    void doubleClickWritesTheChosenDate()
    {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, day);
        QFETCH(QString, dateText);
        ui::CalendarFrm* calendar = openCalendar();
        choose(combo(calendar, "monthCombo"), month);
        choose(combo(calendar, "yearCombo"), year);
        QCOMPARE(fullDate(calendar), QStringLiteral("%1 7, %2").arg(month, year));

        QTest::mouseDClick(dayLabel(calendar, day), Qt::LeftButton);
        QCOMPARE(m_dateText.text(), dateText);
        QVERIFY(!calendar->isVisible());
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void dayMissingFromTheMonthIsRefused_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("day");
        QTest::newRow("30 February") << "February" << "2003" << 30;
        QTest::newRow("29 February of a common year") << "February" << "2003" << 29;
        QTest::newRow("31 April") << "April" << "2026" << 31;
        QTest::newRow("31 September") << "September" << "1999" << 31;
    }

    void dayMissingFromTheMonthIsRefused()
    {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, day);
        ui::CalendarFrm* calendar = openCalendar();
        choose(combo(calendar, "monthCombo"), month);
        choose(combo(calendar, "yearCombo"), year);

        QTest::mouseDClick(dayLabel(calendar, day), Qt::LeftButton);
        QCOMPARE(m_dateText.text(), QStringLiteral("01/01/2000"));
        QVERIFY(calendar->isVisible());
        QCOMPARE(m_presenter.shown.size(), 1);
        const auto& shown = m_presenter.shown.first();
        QVERIFY(!shown.question);
        QVERIFY(shown.icon == ui::Icon::Exclamation || shown.icon == ui::Icon::Information);
        QCOMPARE(shown.title, ui::applicationTitle());
        QVERIFY2(shown.text.contains(QStringLiteral("%1 %2, %3").arg(month).arg(day).arg(year)), qPrintable(shown.text));

        // The picker stays usable: a day that exists is then accepted.
        QTest::mouseDClick(dayLabel(calendar, 28), Qt::LeftButton);
        const int monthNumber = combo(calendar, "monthCombo")->currentIndex() + 1;
        QCOMPARE(m_dateText.text(), QStringLiteral("%1/28/%2").arg(monthNumber, 2, 10, QLatin1Char('0')).arg(year));
        QVERIFY(!calendar->isVisible());
    }

    void clickingDaysMovesTheOneHighlight()
    {
        ui::CalendarFrm* calendar = openCalendar();
        QTest::mouseClick(dayLabel(calendar, 12), Qt::LeftButton);
        QTest::mouseClick(dayLabel(calendar, 12), Qt::LeftButton);
        QCOMPARE(highlightedDays(calendar), QList<int>{12});
        QCOMPARE(calendar->dayIndex(), 12);
        QCOMPARE(fullDate(calendar), QStringLiteral("December 12, 2026"));

        QTest::mouseClick(dayLabel(calendar, 31), Qt::LeftButton);
        QCOMPARE(highlightedDays(calendar), QList<int>{31});
        QCOMPARE(fullDate(calendar), QStringLiteral("December 31, 2026"));
        QCOMPARE(m_dateText.text(), QStringLiteral("01/01/2000"));
        QVERIFY(calendar->isVisible());
    }

    void typingAYearWithoutChoosingItChangesNothing()
    {
        ui::CalendarFrm* calendar = openCalendar();
        QLineEdit* yearEdit = combo(calendar, "yearCombo")->lineEdit();
        QVERIFY(yearEdit);
        yearEdit->clear();
        QTest::keyClicks(yearEdit, QStringLiteral("1999"));
        QCOMPARE(fullDate(calendar), QStringLiteral("December 7, 2026"));

        QTest::mouseDClick(dayLabel(calendar, 7), Qt::LeftButton);
        QCOMPARE(m_dateText.text(), QStringLiteral("12/07/2026"));
    }

    void reopeningShowsTheLastAcceptedDate()
    {
        ui::CalendarFrm* first = ui::CalendarFrm::open(&m_dateText);
        choose(combo(first, "monthCombo"), QStringLiteral("February"));
        choose(combo(first, "yearCombo"), QStringLiteral("2003"));
        QTest::mouseDClick(dayLabel(first, 14), Qt::LeftButton);
        QCOMPARE(m_dateText.text(), QStringLiteral("02/14/2003"));
        QVERIFY(!first->isVisible());

        // Another day passes and the picker is opened for another box.
        m_services.day = QDate(2027, 5, 20);
        QLineEdit otherBox;
        ui::CalendarFrm* again = ui::CalendarFrm::open(&otherBox);
        QCOMPARE(again, first);
        QVERIFY(again->isVisible());
        QCOMPARE(combo(again, "monthCombo")->currentText(), QStringLiteral("February"));
        QCOMPARE(combo(again, "yearCombo")->currentText(), QStringLiteral("2003"));
        QCOMPARE(highlightedDays(again), QList<int>{14});
        QCOMPARE(fullDate(again), QStringLiteral("February 14, 2003"));

        QTest::mouseDClick(dayLabel(again, 15), Qt::LeftButton);
        QCOMPARE(otherBox.text(), QStringLiteral("02/15/2003"));
        QCOMPARE(m_dateText.text(), QStringLiteral("02/14/2003"));
        delete again;
    }
};

QTEST_MAIN(CalendarFrmTest)
#include "CalendarFrmTest.moc"
