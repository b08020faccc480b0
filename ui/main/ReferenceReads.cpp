#include "ui/main/ReferenceReads.h"

#include "script/ScriptedNames.h"

#include "files/ReferencePath.h"

#include <QtGlobal>

#include <vector>

#include "files/FourFile.h"
#include "files/MiaFile.h"
#include "ui/session/Session.h"

namespace velmora {

QStringList Describe(const std::vector<files::FileProblem>& problems) {
    QStringList described;
    for (const files::FileProblem& problem : problems) {
        described.append(problem.describe());
    }
    return described;
}

void PrintWarnings(const QStringList& warnings) {
    for (const QString& warning : warnings) {
        qWarning().noquote() << warning;
    }
}

void ReferenceReads::reread(Session& session, QWidget* parent) {
    std::vector<StarLevelRow> rows;
    const files::Diagnostics mia = files::ReadMia(session.folders().readFolder(files::kMiaFile), session.brightnessAsRead, rows);
    session.brightness = LevelNamesIn(session.script->script(), session.brightnessAsRead);
    if (mia.ok()) {
        ApplyStarLevels(rows, session.chart);
    } else {
        for (StarRow& star : session.chart.StarTable) {
            star.level = 0;  // levels of an earlier chart would stand on the wrong branches
        }
    }
    report(session, parent, mia, mia_);
    const files::Diagnostics four = files::ReadFour(session.folders().readFolder(files::kFourFile), session.transformations);
    if (!four.ok()) {
        session.transformations = TransformationTable{};  // no marks rather than an earlier table's
    }
    report(session, parent, four, four_);
}

void ReferenceReads::report(Session& session, QWidget* parent, const files::Diagnostics& diagnostics,
                            FileState& state) {
    if (diagnostics.error) {
        if (!state.errorShown) {
            state.errorShown = true;
            qWarning().noquote() << diagnostics.error->describe();
            session.messages->information(parent, kNoticeTitle, diagnostics.error->describe());
        }
        return;
    }
    state.errorShown = false;
    const QStringList warnings = Describe(diagnostics.warnings);
    if (warnings != state.lastWarnings) {
        PrintWarnings(warnings);
        state.lastWarnings = warnings;
    }
}

}  // namespace velmora
