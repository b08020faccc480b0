#pragma once
// Reference lists for the table tests: comma-separated rows, "#" lines are
// comments, except "#kept," rows, which name a value our data keeps on purpose
// where it differs from the reference (key fields first, then the kept value).

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {

using CsvRow = std::vector<std::string>;

struct ReferenceList {
    std::vector<CsvRow> rows;
    std::map<std::string, CsvRow> kept;  // "#kept,a,b,c,value,why" -> key "a,b,c"
    bool opened = false;
};

inline CsvRow SplitCsv(const std::string& line) {
    CsvRow fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    return fields;
}

// `keyFields` is the number of leading fields that identify a row.
inline ReferenceList ReadReference(const std::string& path, std::size_t keyFields = 1) {
    constexpr std::string_view kKeptPrefix = "#kept,";
    ReferenceList list;
    std::ifstream in(path);
    list.opened = in.is_open();
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(kKeptPrefix)) {
            CsvRow fields = SplitCsv(line.substr(kKeptPrefix.size()));
            std::string key;
            for (std::size_t i = 0; i < keyFields && i < fields.size(); ++i) key += (i ? "," : "") + fields[i];
            list.kept[key] = CsvRow(fields.begin() + static_cast<long>(std::min(keyFields, fields.size())), fields.end());
        } else if (!line.empty() && line[0] != '#') {
            list.rows.push_back(SplitCsv(line));
        }
    }
    return list;
}

}  // namespace velmora::test
