#include "tools/PictureRun.h"

#include <QApplication>

#include <cstdio>
#include <memory>

#include "files/Utf8.h"
#include "output/ChartText.h"
#include "output/ReferenceLoad.h"
#include "script/ScriptedNames.h"
#include "ui/common/MessageBoxes.h"
#include "ui/chartio/ChartExport.h"
#include "ui/main/Form1.h"
#include "ui/chartio/QueryChart.h"

namespace velmora::tool {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitBadInput = 2;
constexpr double kImageDensityFactor = 2.0;  // as the window's picture export

int Fail(const std::string& message) {
    std::fprintf(stderr, "velmora-chart: %s\n", message.c_str());
    return kExitBadInput;
}

// The window's notices go to the error stream; a question is answered "no".
class ErrorStreamMessages final : public MessageBoxes {
public:
    void information(QWidget*, const QString&, const QString& text) override {
        std::fprintf(stderr, "velmora-chart: %s\n", files::ToUtf8(text).c_str());
    }
    bool question(QWidget* parent, const QString& title, const QString& text) override {
        information(parent, title, text);
        return false;
    }
};

// The tables are loaded as for any query first, so a missing or unreadable
// file or a date the calendar cannot chart fails the same way as without a picture.
std::optional<std::string> CheckQuery(const QString& folder, const CommandLine& line) {
    ReferenceTables tables;
    const LoadOutcome loaded = LoadReferenceTables(folder, true, tables);
    for (const std::string& warning : loaded.warnings) std::fprintf(stderr, "velmora-chart: warning: %s\n", warning.c_str());
    if (loaded.error) return loaded.error;
    ChartResult result;
    if (auto problem = ComputeQuery(line.query, tables, result, line.conventions)) return problem;
    if (line.text) {
        const std::string text = TextIn(line.script, ChartText(result, tables));
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
            return "cannot write the output";
    }
    return std::nullopt;
}

std::optional<std::string> Draw(const QString& folder, const CommandLine& line) {
    // The board is drawn in line.script, as the window shows it in that setting.
    Session session(folder, std::make_shared<ErrorStreamMessages>());
    session.settings->setValue(settings_keys::kScript, QString::fromUtf8(ScriptKey(line.script)));
    Form1 form(std::move(session));
    form.setSecondaryWindows({});
    if (!form.startUpWithoutRecords()) return "cannot read the name list in " + files::ToUtf8(folder);
    ShowQuery(form, line.query, files::FromUtf8(line.personName));
    if (line.pngFile) {
        const double density = kImageDensityFactor * form.devicePixelRatioF();
        if (auto problem = WriteChartPng(form, files::FromUtf8(*line.pngFile), density))
            return files::ToUtf8(*problem);
    }
    if (line.pdfFile) {
        if (auto problem = WriteChartPdf(form, files::FromUtf8(*line.pdfFile))) return files::ToUtf8(*problem);
    }
    return std::nullopt;
}

}  // namespace

int RunPicture(char* program, const CommandLine& line) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only the program name goes to the toolkit: the arguments are ours, parsed already.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {program, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    const QString folder = line.dataFolder ? files::FromUtf8(*line.dataFolder) : QCoreApplication::applicationDirPath();
    if (auto problem = CheckQuery(folder, line)) return Fail(*problem);
    if (auto problem = Draw(folder, line)) return Fail(*problem);
    return kExitDone;
}

}  // namespace velmora::tool
