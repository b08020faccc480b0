// `cmake --install` into a fresh prefix: the program folder with the
// executables and the reference files beside them, the links in bin, the
// desktop entry and the icon; and the installed velmora-chart runs from there.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/tools/PictureTestSupport.h"

namespace velmora::tool::testing {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new QTemporaryDir;
        QProcess cmake;
        cmake.start(QStringLiteral(VELMORA_CMAKE),
                    {"--install", QStringLiteral(VELMORA_BUILD_DIR), "--prefix", prefix_->path()});
        installed_ = cmake.waitForFinished(120000) && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
        log_ = cmake.readAllStandardOutput() + cmake.readAllStandardError();
    }
    static void TearDownTestSuite() { delete prefix_; }

    void SetUp() override { ASSERT_TRUE(installed_) << log_.toStdString(); }

    static QString path(const QString& relative) { return prefix_->filePath(relative); }
    static QString programFolder() { return path(QStringLiteral(VELMORA_INSTALL_DIR)); }
    static QString binFolder() { return path(QStringLiteral(VELMORA_BIN_DIR)); }

    static inline QTemporaryDir* prefix_ = nullptr;
    static inline bool installed_ = false;
    static inline QByteArray log_;
};

TEST_F(Installed, TheProgramFolderHoldsTheExecutablesAndTheReferenceFiles) {
    for (const char* program : {"velmora", "velmora-chart"}) {
        const QFileInfo installed(QDir(programFolder()).filePath(program));
        EXPECT_TRUE(installed.isFile() && installed.isExecutable()) << program;
        const QFileInfo link(QDir(binFolder()).filePath(program));
        EXPECT_TRUE(link.isSymLink()) << program;
        EXPECT_EQ(link.canonicalFilePath(), installed.canonicalFilePath()) << program;
    }
    const QFileInfo drawing(QDir(programFolder()).filePath("velmora-chart-draw"));
    EXPECT_TRUE(drawing.isFile() && drawing.isExecutable());
    for (const char* name : {"ProperN", "Mia", "Four"}) {
        const QByteArray shipped = Contents(QStringLiteral(VELMORA_DATA_DIR "/") + name);
        ASSERT_FALSE(shipped.isEmpty()) << name;
        EXPECT_EQ(Contents(QDir(programFolder()).filePath(name)), shipped) << name;
    }
    EXPECT_EQ(Contents(QDir(programFolder()).filePath("Places")), Contents(VELMORA_DATA_DIR "/places/Places"));
}

TEST_F(Installed, TheDesktopEntryStartsTheInstalledProgramWithItsIcon) {
    const QString entry = QString::fromUtf8(Contents(path("share/applications/velmora.desktop")));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nExec=" + QDir(binFolder()).filePath("velmora") + "\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nIcon=velmora\n"));
    EXPECT_TRUE(Contents(path("share/icons/hicolor/scalable/apps/velmora.svg")).contains("<svg"));
}

TEST_F(Installed, TheInstalledToolRunsFromThePrefix) {
    const QString tool = QDir(binFolder()).filePath("velmora-chart");
    const ToolRun json = RunWithoutDisplay(tool, {"2000-01-01", "1", "M"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(ParseObject(json.out).contains("chart"));
    const ToolRun png = RunWithoutDisplay(tool, {"--png", path("chart.png"), "2000-01-01", "1", "M"});
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    EXPECT_EQ(QImage(path("chart.png")).size(), QSize(kPictureWidth, kPictureHeight));
}

}  // namespace
}  // namespace velmora::tool::testing
