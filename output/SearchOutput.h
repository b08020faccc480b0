#pragma once
// How a search's hits are written: a JSON object a line, or a readable line.

#include <string>

#include "output/DateSearch.h"

namespace velmora::tool {

// {"date":"1984-02-02","period":3,"gender":"M"} and a line end.
void AppendSearchHitJson(const SearchHit& hit, std::string& out);

// "1984-02-02 寅時 男" and a line end: period 1 is 早子時, 13 晚子時.
void AppendSearchHitText(const SearchHit& hit, std::string& out);

}  // namespace velmora::tool
