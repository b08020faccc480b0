// ProperN as any bytes: the name list is loaded as the program loads it at
// start, then every word it gives is shown on the board, in the JSON with
// words and in the text chart.

#include "files/NameListFile.h"
#include "files/ReferencePath.h"
#include "fuzz/FuzzSupport.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ProgramFolder& folder = fuzz::Folder();
    folder.write(files::kProperNFile, fuzz::Bytes(data, size));
    tool::ReferenceTables tables = fuzz::ShippedTables();
    const files::Diagnostics read = files::LoadNameList(folder.path(), tables.names);
    if (read.error) fuzz::Fail("a ProperN that is there was not read: " + read.error->describe().toStdString());
    for (const files::FileProblem& warning : read.warnings) {
        if (warning.line < 1) fuzz::Fail("a line warning without its line");
        (void)warning.describe();
    }
    fuzz::ShowSampleCharts(tables);
    return 0;
}
