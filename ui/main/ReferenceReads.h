#pragma once
// The brightness and transformation tables are read again at every natal
// computation, so edits saved in their editors show in the next chart. When a
// file cannot be read the chart is still drawn, without levels or without
// marks, and the file is reported once, until it reads again.
// Warnings about lines passed over go to the error stream, once per change.

#include <QString>
#include <QStringList>

#include "files/FileProblem.h"
#include "ui/common/MessageBoxes.h"

class QWidget;

namespace velmora {

struct Session;

class ReferenceReads {
public:
    // Reads Mia (applying its levels to the chart) and Four into the session.
    void reread(Session& session, QWidget* parent);

private:
    struct FileState {
        bool errorShown = false;
        QStringList lastWarnings;
    };
    void report(Session& session, QWidget* parent, const files::Diagnostics& diagnostics, FileState& state);

    FileState mia_;
    FileState four_;
};

// Prints each warning's description to the error stream.
void PrintWarnings(const QStringList& warnings);
QStringList Describe(const std::vector<files::FileProblem>& problems);

}  // namespace velmora
