#include "ui/CalendarFrm.h"

#include "engine/basin_design.h"
#include "ui/Presenter.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>

#include <algorithm>

namespace ui {

namespace {

// The month list is English whatever the platform's language.
const std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

constexpr int kFirstYear = 1980;
constexpr int kYearsAhead = 10;

int monthNumber(const QString& name)
{
    for (int i = 0; i < int(kMonthNames.size()); ++i)
        if (name == QLatin1String(kMonthNames[std::size_t(i)]))
            return i + 1;
    return 0;
}

// Shrinks the label's font until its text fits the label's width.
void fitText(QLabel* label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

QPointer<CalendarFrm> theCalendar;

}  // namespace

CalendarFrm::CalendarFrm(QLineEdit* target, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_target(target)
{
    setObjectName(QStringLiteral("CalendarFrm"));
    setWindowTitle(QStringLiteral("Calendar "));
    setFixedSize(px(3975), px(2415));

    // The decorative background.
    QLinearGradient sky(0, 0, 0, 1);
    sky.setCoordinateMode(QGradient::ObjectMode);
    sky.setColorAt(0.0, QColor(206, 226, 242));
    sky.setColorAt(1.0, QColor(238, 228, 204));
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(sky));
    setPalette(background);
    setAutoFillBackground(true);

    m_fullDateLabel = new QLabel(this);
    m_fullDateLabel->setObjectName(QStringLiteral("fullDateLabel"));
    QFont garamond(QStringLiteral("Garamond"));
    garamond.setStyleHint(QFont::Serif);
    garamond.setPointSize(13);
    garamond.setBold(true);
    m_fullDateLabel->setFont(garamond);
    m_fullDateLabel->setAlignment(Qt::AlignCenter);
    m_fullDateLabel->setGeometry(px(240), px(45), px(3495), px(330));

    auto* monthCaption = new QLabel(QStringLiteral("Month"), this);
    monthCaption->setObjectName(QStringLiteral("monthCaptionLabel"));
    monthCaption->setGeometry(px(240), px(375), px(1695), px(225));

    m_monthCombo = new QComboBox(this);
    m_monthCombo->setObjectName(QStringLiteral("monthCombo"));
    m_monthCombo->setGeometry(px(240), px(600), px(1695), px(360));
    for (const char* name : kMonthNames)
        m_monthCombo->addItem(QLatin1String(name));

    auto* yearCaption = new QLabel(QStringLiteral("Year"), this);
    yearCaption->setObjectName(QStringLiteral("yearCaptionLabel"));
    yearCaption->setGeometry(px(2280), px(375), px(1575), px(225));

    // The year box can be typed in, but only a choice from its list counts.
    m_yearCombo = new QComboBox(this);
    m_yearCombo->setObjectName(QStringLiteral("yearCombo"));
    m_yearCombo->setGeometry(px(2280), px(600), px(1575), px(360));
    m_yearCombo->setEditable(true);
    m_yearCombo->setInsertPolicy(QComboBox::NoInsert);
    const QDate today = services().today();
    const int lastYear = std::max(kFirstYear, today.year() + kYearsAhead);
    for (int year = kFirstYear; year <= lastYear; ++year)
        m_yearCombo->addItem(QString::number(year));

    auto* dayCaption = new QLabel(QStringLiteral("Day"), this);
    dayCaption->setObjectName(QStringLiteral("dayCaptionLabel"));
    dayCaption->setGeometry(px(240), px(1080), px(1695), px(225));

    for (int day = 1; day <= 31; ++day) {
        auto* label = new QLabel(QString::number(day), this);
        label->setObjectName(QStringLiteral("dayLabel_%1").arg(day));
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setGeometry(px(240 + 360 * ((day - 1) % 10)), px(1320 + 240 * ((day - 1) / 10)), px(405), px(255));
        label->installEventFilter(this);
        m_dayLabels[std::size_t(day - 1)] = label;
    }

    auto* hint = new QLabel(QStringLiteral("(double-click to accept)"), this);
    hint->setObjectName(QStringLiteral("Label3"));
    hint->setGeometry(px(2280), px(2160), px(3975 - 2280), px(255));
    fitText(hint);

    connect(m_monthCombo, &QComboBox::activated, this, &CalendarFrm::monthCombo_Click);
    connect(m_yearCombo, &QComboBox::activated, this, &CalendarFrm::yearCombo_Click);

    // Loading: today's month, year and day.
    m_monthCombo->setCurrentIndex(today.month() - 1);
    m_monthText = m_monthCombo->currentText();
    const QString year = QString::number(today.year());
    const int yearIndex = m_yearCombo->findText(year);
    if (yearIndex >= 0)
        m_yearCombo->setCurrentIndex(yearIndex);
    else
        m_yearCombo->setEditText(year);
    m_yearText = m_yearCombo->currentText();
    m_dayIndex = today.day();
    setHighlight(m_dayIndex, true);
    m_dayText = QString::number(m_dayIndex);
    composeDate();
}

CalendarFrm* CalendarFrm::open(QLineEdit* target, QWidget* parent)
{
    if (!theCalendar)
        theCalendar = new CalendarFrm(target, parent);
    theCalendar->setTarget(target);
    theCalendar->show();
    theCalendar->raise();
    theCalendar->activateWindow();
    return theCalendar;
}

bool CalendarFrm::isHighlighted(int day) const
{
    return day >= 1 && day <= 31 && m_dayLabels[std::size_t(day - 1)]->autoFillBackground();
}

bool CalendarFrm::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const auto found = std::find(m_dayLabels.begin(), m_dayLabels.end(), watched);
        if (found != m_dayLabels.end() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const int day = int(found - m_dayLabels.begin()) + 1;
            if (type == QEvent::MouseButtonPress)
                dayLabel_Click(day);
            else
                dayLabel_DblClick(day);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalendarFrm::monthCombo_Click(int index)
{
    m_monthText = m_monthCombo->itemText(index);
    composeDate();
}

void CalendarFrm::yearCombo_Click(int index)
{
    m_yearText = m_yearCombo->itemText(index);
    composeDate();
}

void CalendarFrm::dayLabel_Click(int day)
{
    m_dayText = m_dayLabels[std::size_t(day - 1)]->text();
    setHighlight(m_dayIndex, false);
    setHighlight(day, true);
    m_dayIndex = day;
    composeDate();
}

void CalendarFrm::dayLabel_DblClick(int day)
{
    // The press before the double click has chosen the day already; a double
    // click alone chooses it too.
    if (day != m_dayIndex)
        dayLabel_Click(day);

    const engine::CivilDate date{m_yearText.toInt(), monthNumber(m_monthText), m_dayText.toInt()};
    if (!engine::isValidDate(date)) {
        const int monthDays = QDate(date.year, date.month, 1).daysInMonth();
        showMessage(this, Icon::Exclamation,
                    qs(engine::msg::kNoSuchDay,
                       {m_fullDateLabel->text(), m_monthText, m_yearText, QString::number(monthDays)}));
        return;
    }
    if (m_target)
        m_target->setText(qs(engine::usDateText2(date)));
    hide();
}

void CalendarFrm::setHighlight(int day, bool on)
{
    QLabel* label = m_dayLabels[std::size_t(day - 1)];
    label->setAutoFillBackground(on);
    if (on) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::HighlightedText));
        label->setPalette(colours);
        label->setFrameShape(QFrame::Box);
    } else {
        label->setPalette(QPalette());
        label->setFrameShape(QFrame::NoFrame);
    }
}

void CalendarFrm::composeDate()
{
    m_fullDateLabel->setText(m_monthText + QLatin1Char(' ') + m_dayText + QStringLiteral(", ") + m_yearText);
}

}  // namespace ui
