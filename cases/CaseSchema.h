#pragma once
// The case database's schema as numbered steps. A database records the last
// step it has in `PRAGMA user_version`; opening it runs the later steps, each
// in one transaction, so a file written by an older Velmora grows to the
// current schema and a crash mid-step leaves the previous version whole.

#include <QStringList>

#include <vector>

namespace velmora::cases {

struct SchemaStep {
    int version;             // user_version once the step is done
    QStringList statements;  // run in order inside the step's transaction
};

const std::vector<SchemaStep>& SchemaSteps();
int CurrentSchemaVersion();

}  // namespace velmora::cases
