#pragma once
// The query tests' shared pieces: the shipped name list's words in both
// scripts, and a parsed query written out short for a table's column.

#include <string>

#include "output/ChartRun.h"
#include "output/ReferenceLoad.h"
#include "query/ChartQuery.h"
#include "query/QueryWords.h"
#include "script/ScriptedNames.h"

namespace velmora::query::testing {

inline const tool::ReferenceTables& ShippedTables() {
    static const tool::ReferenceTables tables = [] {
        tool::ReferenceTables loaded;
        const tool::LoadOutcome outcome = tool::LoadReferenceTables(QStringLiteral(VELMORA_DATA_DIR), true, loaded);
        EXPECT_FALSE(outcome.error) << *outcome.error;
        return loaded;
    }();
    return tables;
}

inline const QueryWords& BothScripts() {
    static const QueryWords words(ShippedTables().names,
                                  [](std::string_view word) { return TextIn(Script::Simplified, word); });
    return words;
}

// "1+紫微 天府|3-主星": each condition's palace row, + for 有 or - for 無, its
// terms' words (a pattern's after "格局").
inline std::string Describe(const ChartQuery& query) {
    std::string text;
    for (const Condition& condition : query.conditions) {
        if (!text.empty()) text += '|';
        text += std::to_string(condition.palace) + (condition.present ? '+' : '-');
        for (std::size_t i = 0; i < condition.terms.size(); ++i) {
            const Term& term = condition.terms[i];
            text += (i > 0 ? " " : "") + std::string(term.kind == TermKind::Pattern ? "格局" : "") + term.word;
        }
    }
    return text;
}

}  // namespace velmora::query::testing
