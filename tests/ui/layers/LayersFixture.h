#pragma once
// A started main window with a charted record, and what the layer tests read
// off its board: where the marks stand, the flowing-star lines, the rows of
// the star lists.

#include <QString>

#include <array>

#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/layers/ChartRecord.h"
#include "ui/board/BoardGeometry.h"

namespace velmora::testing {

inline constexpr int kMarks = 4;

class LayersTest : public MainWindowTest {
protected:
    // Starts the window (its clock at 2024-05-14 12:00) unless it runs, then charts `record`.
    void chart(const Record& record);

    // The star-list label (Lab04) text of branch index b.
    QString starList(int b) const;
    // The flowing-star line (LAB02) of branch index b.
    QString flowingLine(int b) const;
    // Where mark k belongs: on the star list of `star`'s branch, on the row of
    // the line that holds the star's name (counted from the list's line breaks).
    board::Point expectedMarkPlace(int star) const;
    // Expects the four marks on the stars of `stem`'s transformation line.
    void expectMarksOfStem(int stem) const;
    // The four stars (祿 權 科 忌) of `stem` in the loaded transformation table.
    std::array<int, kMarks> starsOfStem(int stem) const;
};

// The index of the line of `caption` (split at CR LF) that holds the first
// occurrence of `name`; -1 when it does not occur.
int LineOfName(const QString& caption, const QString& name);

// Writes a Four file into the program folder whose first line is `firstLine`
// and whose other nine lines are the shipped ones.
void WriteFourWithFirstLine(const ProgramFolder& folder, const QByteArray& firstLine);

}  // namespace velmora::testing
