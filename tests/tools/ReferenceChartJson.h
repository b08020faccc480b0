#pragma once
// The chart's JSON as the first writer made it: plain appends to a string,
// one piece at a time. Kept as the reference the batch writer is compared
// with byte for byte; it is not used by the program.

#include <string>
#include <string_view>

#include "output/ChartRun.h"

namespace velmora::tool::reference {

class ReferenceWriter {
public:
    explicit ReferenceWriter(std::string& out) : out_(out) {}
    ReferenceWriter& raw(std::string_view text) {
        out_.append(text);
        return *this;
    }
    ReferenceWriter& raw(char c) {
        out_.push_back(c);
        return *this;
    }
    ReferenceWriter& number(int value);
    ReferenceWriter& string(std::string_view text);
    ReferenceWriter& pair(int first, int second);

private:
    std::string& out_;
};

void AppendCalendarJson(ReferenceWriter& json, const CalendarDay& day);
// The object without "names".
void AppendChartJson(const ChartResult& result, std::string& out);

}  // namespace velmora::tool::reference
