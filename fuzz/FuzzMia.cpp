// Mia as any bytes: read for the chart engine (levels applied to the sample
// charts, level words shown), and read, saved and read again as the
// brightness editor does, which must keep every star, level and level name.

#include "files/MiaDocument.h"
#include "files/MiaFile.h"
#include "files/ReferencePath.h"
#include "fuzz/FuzzSupport.h"

using namespace velmora;

namespace {

void CheckEngineRead(const fuzz::ProgramFolder& folder) {
    tool::ReferenceTables tables = fuzz::ShippedTables();
    const files::Diagnostics read = files::ReadMia(folder.path(), tables.brightness, tables.levelRows);
    if (read.error) fuzz::Fail("a Mia that is there was not read: " + read.error->describe().toStdString());
    for (const StarLevelRow& row : tables.levelRows) {
        if (row.star < 1 || row.star > files::kHighestStarRow) fuzz::Fail("a row naming no star was kept");
        for (const std::int8_t level : row.levels)
            if (level < 0 || level > files::kHighestLevel) fuzz::Fail("a level out of range was kept");
    }
    fuzz::ShowSampleCharts(tables);
}

bool SameRows(const files::MiaDocument& a, const files::MiaDocument& b) {
    if (a.levelNames != b.levelNames || a.rows.size() != b.rows.size()) return false;
    for (std::size_t i = 0; i < a.rows.size(); ++i)
        if (a.rows[i].star != b.rows[i].star || a.rows[i].levels != b.rows[i].levels) return false;
    return true;
}

void CheckEditorRoundTrip(const fuzz::ProgramFolder& folder, const QByteArray& input) {
    const files::MiaDocumentRead first = files::ReadMiaDocument(folder.path());
    if (!first.diagnostics.ok()) fuzz::Fail("the editor could not read a Mia that is there");
    if (files::WriteMiaDocument(folder.path(), first.document)) {
        // Refused: the file must be exactly as it was.
        if (folder.read(files::kMiaFile) != input) fuzz::Fail("a refused save changed Mia");
        return;
    }
    const files::MiaDocumentRead second = files::ReadMiaDocument(folder.path());
    if (!second.diagnostics.ok() || !SameRows(first.document, second.document))
        fuzz::Fail("a saved Mia reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ProgramFolder& folder = fuzz::Folder();
    const QByteArray input = fuzz::Bytes(data, size);
    folder.write(files::kMiaFile, input);
    CheckEngineRead(folder);
    CheckEditorRoundTrip(folder, input);
    return 0;
}
