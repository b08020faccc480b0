#include "ui/records/CaseExchangeCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "cases/CaseImport.h"
#include "files/SafeSave.h"
#include "ui/chartio/ExportDialogs.h"
#include "ui/records/ImportPlanDialog.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

const QString kExportTitle = QStringLiteral("匯出案例");
const QString kImportTitle = QStringLiteral("匯入案例");
const QString kSuggestedName = QStringLiteral("案例.json");
const QString kSaveFilter = QStringLiteral("JSON (*.json);;CSV (*.csv)");
const QString kOpenFilter = QStringLiteral("案例 (*.json *.csv);;JSON (*.json);;CSV (*.csv)");

bool IsCsv(const QString& path) { return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

QAction* CommandAction(QWidget& window, const QString& caption, const char* name, const QKeySequence& keys) {
    auto* action = new QAction(caption, &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

}  // namespace

cases::People PeopleOf(const std::vector<files::BirthRecord>& records, const std::vector<cases::CaseEntry>& cases,
                       const std::optional<std::vector<int>>& only) {
    cases::People all = cases::GatherPeople(records, cases);
    if (!only) return all;
    cases::People chosen;  // GatherPeople gives the records' people first, in the records' order
    for (int index : *only)
        if (index >= 0 && static_cast<std::size_t>(index) < records.size())
            chosen.push_back(all[static_cast<std::size_t>(index)]);
    return chosen;
}

CaseExchangeCommands::CaseExchangeCommands(Session& session, Window window)
    : QObject(window.widget), session_(session), window_(std::move(window)) {
    export_ = CommandAction(*window_.widget, QStringLiteral("匯出案例…"), "CaseExport",
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    import_ = CommandAction(*window_.widget, QStringLiteral("匯入案例…"), "CaseImport",
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    connect(export_, &QAction::triggered, this, &CaseExchangeCommands::exportCases);
    connect(import_, &QAction::triggered, this, &CaseExchangeCommands::importCases);
}

std::optional<cases::People> CaseExchangeCommands::peopleToExport() {
    if (!window_.saveList()) return std::nullopt;
    const cases::FolderLibrary library = cases::ReadFolderLibrary(session_.dataFolder);
    if (library.problem) {
        tell(library.problem->describe());
        return std::nullopt;
    }
    const std::vector<files::BirthRecord>& records = window_.records();
    std::optional<std::vector<int>> shown = window_.shownRecords();
    if (shown && !session_.messages->question(window_.widget, kExportTitle,
                                              QStringLiteral("清單正在篩選，顯示 %1 筆（共 %2 筆）。\n"
                                                             "按「確定」只匯出顯示的這些人；按「取消」匯出全部。")
                                                  .arg(shown->size())
                                                  .arg(records.size())))
        shown.reset();
    return PeopleOf(records, library.cases, shown);
}

void CaseExchangeCommands::exportCases() {
    const std::optional<cases::People> people = peopleToExport();
    if (!people) return;
    QString path = window_.dialogs().saveFileName(window_.widget, session_.script->text(kExportTitle),
                                                  QDir(session_.dataFolder).filePath(kSuggestedName), kSaveFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
    const QByteArray bytes = IsCsv(path) ? cases::PeopleToCsv(*people) : cases::PeopleToJson(*people);
    if (auto problem = files::SaveBytes(path, QFileInfo(path).fileName(), bytes, session_.writeOptions)) {
        tell(problem->describe());
        return;
    }
    tell(QStringLiteral("已匯出 %1 人到「%2」。").arg(people->size()).arg(QFileInfo(path).fileName()));
}

// The file's people, or unset (the user told why, naming the file and the line or key).
std::optional<cases::People> CaseExchangeCommands::readPeople(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("無法讀取「%1」：%2").arg(name, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    cases::PeopleRead read = IsCsv(path) ? cases::PeopleFromCsv(bytes) : cases::PeopleFromJson(bytes);
    if (const auto* problem = std::get_if<QString>(&read)) {
        tell(QStringLiteral("無法讀取「%1」：%2").arg(name, *problem));
        return std::nullopt;
    }
    return std::get<cases::People>(std::move(read));
}

void CaseExchangeCommands::importCases() {
    const QString path = window_.dialogs().openFileName(window_.widget, session_.script->text(kImportTitle),
                                                        session_.dataFolder, kOpenFilter);
    if (path.isEmpty()) return;
    const std::optional<cases::People> people = readPeople(path);
    if (!people || !window_.saveList()) return;
    const cases::FolderLibrary library = cases::ReadFolderLibrary(session_.dataFolder);
    if (library.problem) return tell(library.problem->describe());
    const cases::ImportPlan plan = cases::PlanImport(library.records, library.cases, *people);
    if (plan.steps.empty()) return tell(QStringLiteral("「%1」裡沒有人可匯入。").arg(QFileInfo(path).fileName()));
    ImportPlanDialog dialog(window_.widget, QFileInfo(path).fileName(), plan, *session_.script);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<files::FileProblem> problem =
        cases::ImportIntoFolder(session_.dataFolder, *people, session_.writeOptions);
    window_.reread();
    if (problem) tell(problem->describe() + QStringLiteral("。\n沒有匯入任何資料；檔案保持原樣。"));
}

void CaseExchangeCommands::tell(const QString& text) {
    session_.messages->information(window_.widget, kNoticeTitle, text);
}

}  // namespace velmora
