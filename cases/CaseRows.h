#pragma once
// The SQL behind the case store: each function works on the named connection
// inside the caller's transaction and says what failed in `error`.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "cases/CaseEntry.h"
#include "cases/CaseSchema.h"

namespace velmora::cases {

// Settings and checks at open: the file is a sound database and its SQLite
// has FTS5 with the trigram tokenizer. The message and detail when not.
std::optional<std::pair<QString, QString>> OpenChecks(const QString& connection, int busyMilliseconds, int maxPages);

int UserVersion(const QString& connection);
bool RunStep(const QString& connection, const SchemaStep& step, QString& error);

bool ReadCases(const QString& connection, std::vector<CaseEntry>& cases, QString& error);
bool WriteCase(const QString& connection, const CaseEntry& entry, QString& error);
bool DeleteCase(const QString& connection, const QString& id, QString& error);

}  // namespace velmora::cases
