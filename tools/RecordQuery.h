#pragma once
// Which people of User a search by chart keeps, for --export-cases --search:
// each record's natal chart, cast in the record's own school (its `profile=`
// and `conv.` pieces; the default school without them), against the query.

#include <vector>

#include "files/UserFile.h"
#include "output/ChartRun.h"
#include "query/ChartQuery.h"

namespace velmora::tool {

// The indices of the records whose natal chart fulfils `query`, in User's
// order; a record whose fields name no chartable day or period is left out.
std::vector<int> RecordsMatching(const std::vector<files::BirthRecord>& records, const query::ChartQuery& query,
                                 const ReferenceTables& tables);

}  // namespace velmora::tool
