// Stepping the date: roll-over at month and year ends, the 1800..2200 limits,
// the day bound of each month, and the nested handling of each change.

#include <QLabel>
#include <QtTest/QTest>

#include <ostream>
#include <vector>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/ArrowSpinner.h"
#include "ui/session/DateInputs.h"

namespace velmora::testing {
namespace {

struct StepCase {
    const char* start;     // date shown before the step
    int part;              // 0 year, 1 month, 2 day
    int steps;             // arrow clicks: up when positive
    const char* expected;  // date shown after
};

void PrintTo(const StepCase& row, std::ostream* out) {
    static const char* const kParts[] = {"year", "month", "day"};
    *out << row.start << " " << kParts[row.part] << (row.steps > 0 ? " +" : " ") << row.steps;
}

class DateStepTest : public MainWindowTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(DateStepTest, ArrowsStepTheShownDate) {
    const StepCase& row = GetParam();
    start(QDateTime(QDate::fromString(QLatin1String(row.start), Qt::ISODate), QTime(10, 0)));
    clickLayer(3);  // any layer but the natal one lets the date be stepped in records mode
    step(row.part, row.steps);
    EXPECT_EQ(shownDate(), QLatin1String(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    RollOverAndLimits, DateStepTest,
    ::testing::Values(
        StepCase{"2024-01-31", DateInputs::Day, 1, "2024-02-01"},    // past January's end
        StepCase{"2024-03-01", DateInputs::Day, -1, "2024-02-29"},   // back into a leap February
        StepCase{"2023-12-15", DateInputs::Month, 1, "2024-01-15"},  // past December, same day
        StepCase{"1950-01-20", DateInputs::Month, -1, "1949-12-20"},
        StepCase{"2200-12-31", DateInputs::Day, 1, "2200-12-31"},    // the last date holds
        StepCase{"2200-12-31", DateInputs::Month, 1, "2200-12-31"},
        StepCase{"2200-12-20", DateInputs::Day, 15, "2200-12-31"},
        StepCase{"1800-01-01", DateInputs::Day, -1, "1800-01-01"},   // the first date holds
        StepCase{"1800-01-01", DateInputs::Month, -1, "1800-01-01"},
        StepCase{"2001-01-31", DateInputs::Month, 1, "2001-02-28"},  // the day falls to the month's last
        StepCase{"2024-03-31", DateInputs::Month, -1, "2024-02-29"},
        StepCase{"2000-02-29", DateInputs::Year, 1, "2001-02-28"},
        StepCase{"2200-05-31", DateInputs::Day, 1, "2200-06-01"},    // rolls within the last year too
        StepCase{"1800-03-01", DateInputs::Day, -1, "1800-02-28"},   // and within the first
        StepCase{"2024-02-28", DateInputs::Day, 2, "2024-03-01"},
        StepCase{"2023-11-30", DateInputs::Day, 32, "2024-01-01"}));

TEST_F(MainWindowTest, DayBoundFollowsFebruaryOfLeapAndCommonYears) {
    // Columns: the shown date, the day spinner's upper bound (one past the month's last day).
    const std::vector<std::pair<QDate, int>> rows{
        {QDate(2000, 2, 10), 30}, {QDate(2001, 2, 10), 29}, {QDate(2024, 4, 10), 31}, {QDate(2024, 1, 10), 32}};
    for (const auto& [date, bound] : rows) {
        start(QDateTime(date, QTime(10, 0)));
        EXPECT_EQ(find<ArrowSpinner>(QStringLiteral("VScroll1_2"))->maximum(), bound) << date.toString().toStdString();
    }
}

TEST_F(MainWindowTest, KeysAndWheelStepTheDate) {
    start(QDateTime(QDate(2024, 1, 31), QTime(10, 0)));
    clickLayer(3);
    auto* day = find<ArrowSpinner>(QStringLiteral("VScroll1_2"));
    day->setFocus();
    QTest::keyClick(day, Qt::Key_Up);
    EXPECT_EQ(shownDate(), QStringLiteral("2024-02-01"));
    QTest::keyClick(day, Qt::Key_Down);
    QTest::keyClick(day, Qt::Key_PageDown);
    EXPECT_EQ(shownDate(), QStringLiteral("2024-01-30"));
    // The wheel turned away from the user over the year label steps the year forward.
    auto* yearLabel = find<QLabel>(QStringLiteral("Label3_0"));
    const QPoint centre = yearLabel->rect().center();
    QWheelEvent wheel(centre, yearLabel->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(yearLabel, &wheel);
    EXPECT_EQ(shownDate(), QStringLiteral("2025-01-30"));
}

// Each handled change runs to its end before the change that set it goes on:
// a month step past December handles the year, then the month it sets, then
// finishes its own handling.
TEST(DateInputsModel, NestedChangesAreHandledInnermostFirst) {
    const HourLabels labels = MakeHourLabels();
    DateInputs inputs(labels);
    inputs.setLabel(DateInputs::Year, QStringLiteral("2023"));
    inputs.setLabel(DateInputs::Month, QStringLiteral("12"));
    inputs.setLabel(DateInputs::Day, QStringLiteral("15"));
    std::vector<int> handled;
    std::vector<QString> shownWhenHandled;
    inputs.changeHandled = [&](int part) {
        handled.push_back(part);
        shownWhenHandled.push_back(inputs.shownDate().toString(Qt::ISODate));
    };
    inputs.setValue(DateInputs::Month, 13);
    EXPECT_EQ(handled, (std::vector<int>{DateInputs::Year, DateInputs::Month, DateInputs::Month}));
    EXPECT_EQ(shownWhenHandled, (std::vector<QString>{QStringLiteral("2024-12-15"), QStringLiteral("2024-01-15"),
                                                      QStringLiteral("2024-01-15")}));
}

TEST(DateInputsModel, DatesBeforeTheEarliestAreReplacedByIt) {
    const HourLabels labels = MakeHourLabels();
    DateInputs inputs(labels);
    inputs.setLabel(DateInputs::Year, QStringLiteral("1980"));
    inputs.setLabel(DateInputs::Month, QStringLiteral("6"));
    inputs.setLabel(DateInputs::Day, QStringLiteral("10"));
    inputs.MinDate = QDate(1980, 5, 15);  // a charted record's birth date
    inputs.setValue(DateInputs::Year, 1979);
    EXPECT_EQ(inputs.shownDate(), QDate(1980, 5, 15));
    inputs.setValue(DateInputs::Month, 4);
    EXPECT_EQ(inputs.shownDate(), QDate(1980, 5, 15));
}

TEST(DateInputsModel, LabelMirrorReadsTheLeadingNumber) {
    // Columns: label text, value read.
    const std::vector<std::pair<QString, int>> rows{
        {QStringLiteral("12"), 12}, {QStringLiteral(" 7 月"), 7}, {QStringLiteral("月"), 0}, {QString(), 0}};
    for (const auto& [text, number] : rows) {
        EXPECT_EQ(LeadingNumber(text), number) << text.toStdString();
    }
}

}  // namespace
}  // namespace velmora::testing
