#pragma once
// Real births charted for the reading tests: the calendar and the natal
// engine on a Gregorian date and period, with the birth year's four
// transformations from the Four file beside the program's data.

#include <array>
#include <fstream>
#include <string>

#include "calendar/CalendarDay.h"
#include "chart/NatalChart.h"
#include "chart/ReferenceData.h"
#include "chart/TimeLayers.h"
#include "reading/PatternBoard.h"

namespace velmora::test {

inline TransformationTable LoadFour() {
    TransformationTable table;
    std::ifstream file(std::string(VELMORA_DATA_DIR) + "/Four");
    std::string line;
    for (int stem = 1; stem <= kStems && std::getline(file, line); ++stem) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        table.lines[stem] = line;
    }
    return table;
}

inline reading::Quartet QuartetOf(const TransformationTable& table, int stem) {
    const std::array<int, 5> parsed = ParseTransformations(table.lines[stem]);
    return {parsed[1], parsed[2], parsed[3], parsed[4]};
}

struct Birth {
    int year = 0, month = 0, day = 0;
    int period = 1;  // 1 early 子 .. 12 亥
    int gender = 1;
};

struct ChartedBirth {
    CalendarDay day;
    BirthInput input;
    ChartState chart;
    reading::Quartet transformed{};
    int lifeBranch() const { return chart.PalaceTable[1].branch; }
    reading::PatternBoard board() const { return reading::MakePatternBoard(chart, lifeBranch(), transformed); }
};

inline void ChartBirth(const Birth& b, const TransformationTable& four, ChartedBirth& out) {
    out.day = CalendarDay{};
    out.day.SolarYear = static_cast<std::int16_t>(b.year);
    out.day.SolarMonth = static_cast<std::int16_t>(b.month);
    out.day.SolarDay = static_cast<std::int16_t>(b.day);
    out.day.ClockHour = static_cast<std::int16_t>((b.period - 1) * 2);
    CalcCalendar(out.day);
    out.input = BirthInput{};
    out.input.Gender = static_cast<std::int16_t>(b.gender);
    out.chart = ChartState{};
    ComputeNatalChart(out.day, out.input, out.chart);
    out.transformed = QuartetOf(four, out.input.YearStem);
}

}  // namespace velmora::test
