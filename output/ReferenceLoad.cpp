#include "output/ReferenceLoad.h"

#include <QDir>
#include <QFileInfo>

#include "files/FourFile.h"
#include "files/MiaFile.h"
#include "files/NameListFile.h"
#include "files/Utf8.h"

namespace velmora::tool {

namespace {

// Keeps the warnings; gives true when the file could be used.
bool Take(const files::Diagnostics& diagnostics, LoadOutcome& outcome) {
    for (const files::FileProblem& warning : diagnostics.warnings)
        outcome.warnings.push_back(files::ToUtf8(warning.describe()));
    if (diagnostics.ok()) return true;
    outcome.error = files::ToUtf8(diagnostics.error->describe());
    return false;
}

}  // namespace

LoadOutcome LoadReferenceTables(const QString& dataFolder, bool withNames, ReferenceTables& tables) {
    LoadOutcome outcome;
    const QFileInfo folder(dataFolder);
    if (!folder.isDir()) {
        outcome.error = "data folder not found: " + files::ToUtf8(QDir::cleanPath(folder.absoluteFilePath()));
        return outcome;
    }
    if (!Take(files::ReadMia(dataFolder, tables.brightness, tables.levelRows), outcome)) return outcome;
    if (!Take(files::ReadFour(dataFolder, tables.transformations), outcome)) return outcome;
    if (withNames) Take(files::LoadNameList(dataFolder, tables.names), outcome);
    return outcome;
}

}  // namespace velmora::tool
