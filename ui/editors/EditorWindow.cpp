#include "ui/editors/EditorWindow.h"

#include <QCloseEvent>
#include <QtGlobal>

#include <limits>

#include "files/ReferencePath.h"
#include "ui/common/Fonts.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"

namespace velmora {

namespace {
constexpr double kEditorPoints = 9;  // the editors' default font
const QString kSavedNotice = QStringLiteral("編修過的資料已儲存，命盤已依新資料重新排好。");
const QString kSaveQuestion = QStringLiteral("資料已編修過，要儲存請按確定！");

QString OverwriteQuestion(const QString& fileName, const QString& path) {
    return QStringLiteral("%1 在這個編修視窗開啟後，已被其他視窗或程式改過：%2\n"
                          "要以這裡的編修蓋過那些變更，請按確定；按取消則不存檔，可繼續編修。")
        .arg(fileName, path);
}
}  // namespace

EditorWindow::EditorWindow(Form1& form1, const QString& caption, const QString& messageTitle,
                           const QString& fileName)
    : QWidget(&form1), form1_(form1), messageTitle_(messageTitle), fileName_(fileName) {
    setWindowTitle(caption);
    setFont(MingFont(kEditorPoints));
    // A title bar with the close command only: the editors have a fixed size. A
    // dialog of the main window, so it stays above it (see SecondaryWindow.h).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

Session& EditorWindow::session() { return form1_.session(); }

void EditorWindow::countEdit() {
    if (changeCount_ < std::numeric_limits<std::int16_t>::max()) {
        ++changeCount_;
    }
}

files::GuardedSave EditorWindow::saveOverRead(bool overwrite) {
    const QString path = files::ReferencePath(session().dataFolder, fileName_);
    return files::SaveOverRead(path, fileName_, readStamp_.value_or(files::FileStamp{}), overwrite || !readStamp_,
                               session().writeOptions, [this] { return writeTable(); });
}

bool EditorWindow::writeAndReport() {
    if (!confirmWrite()) {
        return false;
    }
    files::GuardedSave saved = saveOverRead(false);
    if (saved.changedElsewhere) {
        const QString path = files::ReferencePath(session().dataFolder, fileName_);
        if (!session().messages->question(this, messageTitle_, OverwriteQuestion(fileName_, path))) {
            return false;  // the other change stays; the edits stay on screen
        }
        saved = saveOverRead(true);
    }
    if (const auto& problem = saved.problem) {
        qWarning().noquote() << problem->describe();
        session().messages->information(this, messageTitle_, problem->describe());
        return false;
    }
    readStamp_ = saved.stamp;
    changeCount_ = 0;
    form1_.recomputeChart();  // the board shows the saved table at once, behind the notice
    session().messages->information(this, messageTitle_, kSavedNotice);
    return true;
}

void EditorWindow::SaveFile() {
    if (writeAndReport()) {
        close();
    }
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (changeCount_ > 0 && session().messages->question(this, messageTitle_, kSaveQuestion) &&
        !writeAndReport()) {
        event->ignore();  // the edits were not saved: keep them on screen
        return;
    }
    ReleaseOwner(this, &form1_);
    event->accept();
}

files::FileStamp StampBeforeReading(const QString& folder, const QString& fileName) {
    return files::ReadStamped(files::ReferencePath(folder, fileName), fileName).stamp;
}

void ReportUnreadable(Session& session, QWidget* parent, const QString& title, const files::FileProblem& problem) {
    qWarning().noquote() << problem.describe();
    session.messages->information(parent, title, problem.describe());
}

}  // namespace velmora
