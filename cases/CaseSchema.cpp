#include "cases/CaseSchema.h"

namespace velmora::cases {

namespace {

// Version 1: the cases, their tags and their events.
QStringList VersionOne() {
    return {
        QStringLiteral("CREATE TABLE cases(id TEXT PRIMARY KEY, name TEXT NOT NULL, gender TEXT NOT NULL,"
                       " year TEXT NOT NULL, month TEXT NOT NULL, day TEXT NOT NULL, hour TEXT NOT NULL,"
                       " notes TEXT NOT NULL DEFAULT '', source TEXT NOT NULL DEFAULT '',"
                       " grade TEXT NOT NULL DEFAULT 'X' CHECK (grade IN ('AA','A','B','C','DD','X')),"
                       " created TEXT NOT NULL, changed TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE tags(case_id TEXT NOT NULL REFERENCES cases(id) ON DELETE CASCADE,"
                       " tag TEXT NOT NULL, position INTEGER NOT NULL, PRIMARY KEY (case_id, tag))"),
        QStringLiteral("CREATE TABLE events(case_id TEXT NOT NULL REFERENCES cases(id) ON DELETE CASCADE,"
                       " position INTEGER NOT NULL, date TEXT NOT NULL, time TEXT, text TEXT NOT NULL,"
                       " PRIMARY KEY (case_id, position))"),
    };
}

// Version 2: full-text search over notes and events. The trigram tokenizer
// matches any three characters in a row, so Chinese needs no word breaker.
QStringList VersionTwo() {
    return {
        QStringLiteral("CREATE VIRTUAL TABLE case_text USING fts5(case_id UNINDEXED, body, tokenize='trigram')"),
        QStringLiteral("INSERT INTO case_text(case_id, body) SELECT id, notes FROM cases WHERE notes <> ''"),
        QStringLiteral("INSERT INTO case_text(case_id, body) SELECT case_id, text FROM events"),
    };
}

}  // namespace

const std::vector<SchemaStep>& SchemaSteps() {
    static const std::vector<SchemaStep> steps = {{1, VersionOne()}, {2, VersionTwo()}};
    return steps;
}

int CurrentSchemaVersion() { return SchemaSteps().back().version; }

}  // namespace velmora::cases
