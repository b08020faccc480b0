#include "tests/load/RandomQueries.h"

#include <chrono>
#include <cstdio>

namespace velmora::load {

namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// The years the pinned outputs of the load and batch tests were drawn from.
const sys_days kFirstDay{std::chrono::year{1901} / 1 / 1};
const sys_days kLastDay{std::chrono::year{2099} / 12 / 31};

int Between(std::mt19937_64& random, int first, int last) {
    return std::uniform_int_distribution<int>(first, last)(random);
}

tool::QueryDate DayOn(sys_days first, std::mt19937_64& random) {
    const int span = static_cast<int>((kLastDay - first).count());
    const year_month_day day{first + std::chrono::days{Between(random, 0, span)}};
    return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
            static_cast<int>(static_cast<unsigned>(day.day()))};
}

std::string DateText(const tool::QueryDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace

tool::Query RandomQuery(std::mt19937_64& random) {
    tool::Query query;
    query.birthDate = DayOn(kFirstDay, random);
    query.period = Between(random, tool::kFirstPeriod, tool::kLastPeriod);
    query.gender = Between(random, tool::kFemale, tool::kMale);
    if (Between(random, 0, 1) == 1) {
        const tool::QueryDate& b = query.birthDate;
        const sys_days birth{std::chrono::year{b.year} / b.month / b.day};
        query.at = tool::LayerQuery{DayOn(birth, random), Between(random, tool::kFirstPeriod, tool::kLastPeriod),
                                    Between(random, tool::kFirstLayer, tool::kLastLayer)};
    }
    return query;
}

std::string QueryLine(const tool::Query& query) {
    std::string line = DateText(query.birthDate) + ' ' + std::to_string(query.period) + ' ' +
                       (query.gender == tool::kMale ? "M" : "F");
    if (query.at)
        line += ' ' + DateText(query.at->date) + ' ' + std::to_string(query.at->period) + ' ' +
                std::to_string(query.at->layer);
    return line;
}

}  // namespace velmora::load
