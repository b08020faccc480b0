// Four as any bytes: read for the chart engine (the sample charts' and
// layers' transformations and their marks on the board), and read, saved and
// read again as the transformation editor does, which must keep every line.

#include "files/FourFile.h"
#include "files/ReferencePath.h"
#include "fuzz/FuzzSupport.h"

using namespace velmora;

namespace {

void CheckEngineRead(const fuzz::ProgramFolder& folder) {
    tool::ReferenceTables tables = fuzz::ShippedTables();
    const files::Diagnostics read = files::ReadFour(folder.path(), tables.transformations);
    if (read.error) fuzz::Fail("a Four that is there was not read: " + read.error->describe().toStdString());
    for (int stem = 1; stem <= kStems; ++stem)
        for (const int star : tool::TransformationsOf(tables.transformations, stem))
            if (star < 0 || star > 99) fuzz::Fail("a transformation of more than two digits");
    fuzz::ShowSampleCharts(tables);
}

void CheckEditorRoundTrip(const fuzz::ProgramFolder& folder, const QByteArray& input) {
    const files::FourLines first = files::ReadFourLines(folder.path());
    if (!first.diagnostics.ok()) fuzz::Fail("the editor could not read a Four that is there");
    if (first.lines.size() > static_cast<std::size_t>(kTransformationLines)) return;
    std::array<QString, kTransformationLines> lines{};
    std::copy(first.lines.begin(), first.lines.end(), lines.begin());
    if (files::WriteFour(folder.path(), lines)) {
        if (folder.read(files::kFourFile) != input) fuzz::Fail("a refused save changed Four");
        return;
    }
    const files::FourLines second = files::ReadFourLines(folder.path());
    if (!second.diagnostics.ok() || !std::equal(lines.begin(), lines.end(), second.lines.begin(), second.lines.end()))
        fuzz::Fail("a saved Four reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ProgramFolder& folder = fuzz::Folder();
    const QByteArray input = fuzz::Bytes(data, size);
    folder.write(files::kFourFile, input);
    CheckEngineRead(folder);
    CheckEditorRoundTrip(folder, input);
    return 0;
}
