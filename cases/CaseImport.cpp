#include "cases/CaseImport.h"

#include <QFileInfo>

#include <algorithm>

#include "cases/CaseStore.h"
#include "files/RecordExtras.h"
#include "files/RecordId.h"
#include "files/ReferencePath.h"
#include "files/UserEdits.h"

namespace velmora::cases {

namespace {

using Action = ImportStep::Action;

int FindRecord(const std::vector<files::BirthRecord>& records, const ExchangePerson& person) {
    const QString id = person.id();
    for (std::size_t i = 0; i < records.size() && !id.isEmpty(); ++i)
        if (files::RecordId(records[i]) == id) return static_cast<int>(i);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (KeyOf(records[i]) == person.person) return static_cast<int>(i);
    return -1;
}

const CaseEntry* FindCase(const std::vector<CaseEntry>& cases, const QString& id) {
    const auto found = std::find_if(cases.begin(), cases.end(), [&](const CaseEntry& e) { return e.id == id; });
    return found == cases.end() ? nullptr : &*found;
}

// The incoming pieces the record does not already hold as they are.
QStringList PieceChanges(const files::BirthRecord& record, const QStringList& pieces) {
    QStringList changes;
    for (const QString& piece : pieces) {
        const qsizetype equals = piece.indexOf(QLatin1Char('='));
        if (equals <= 0) continue;
        const QByteArray key = piece.left(equals).toLatin1();
        if (key == files::extra_keys::kId) continue;
        if (files::ExtraValue(record, key) != piece.mid(equals + 1)) changes.append(QString::fromLatin1(key));
    }
    return changes;
}

QStringList CaseChanges(const CaseEntry* now, const CaseEntry& incoming) {
    if (!now) return {QStringLiteral("案例")};
    QStringList changes;
    if (now->notes != incoming.notes) changes.append(QStringLiteral("筆記"));
    if (now->tags != incoming.tags) changes.append(QStringLiteral("標籤"));
    if (now->source != incoming.source) changes.append(QStringLiteral("來源"));
    if (now->grade != incoming.grade) changes.append(QStringLiteral("可靠度"));
    if (now->events != incoming.events) changes.append(QStringLiteral("事件"));
    return changes;
}

ImportStep PlanOne(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases,
                   const ExchangePerson& person) {
    ImportStep step{Action::Add, person, person.inUser ? FindRecord(records, person) : -1, person.id(), {}};
    if (step.record >= 0) {
        const files::BirthRecord& record = records[static_cast<std::size_t>(step.record)];
        step.caseId = files::RecordId(record).value_or(step.caseId);
        step.changes = PieceChanges(record, person.pieces);
    }
    const CaseEntry* now = step.caseId.isEmpty() ? nullptr : FindCase(cases, step.caseId);
    if (person.entry) step.changes += CaseChanges(now, *person.entry);
    const bool there = step.record >= 0 || (!person.inUser && now);
    step.action = !there ? Action::Add : step.changes.isEmpty() ? Action::Present : Action::Change;
    return step;
}

// The User edit and the case a step writes. A record bringing a case gets
// that case's id (or a fresh one); one without a case stays as it came, so
// an export read back gives the very same User.
void Carry(ImportStep step, const std::vector<files::BirthRecord>& records, std::vector<files::UserEdit>& edits,
           std::vector<CaseEntry>& entries) {
    const bool withCase = step.person.entry.has_value();
    if (step.person.inUser) {
        const bool adding = step.action == Action::Add;
        const files::BirthRecord before = adding ? files::BirthRecord{} : records[static_cast<std::size_t>(step.record)];
        files::BirthRecord after = adding ? std::get<files::BirthRecord>(RecordOf(step.person)) : before;
        for (const QString& key : adding ? QStringList{} : step.changes) {
            const QString prefix = key + QLatin1Char('=');
            for (const QString& piece : step.person.pieces)
                if (piece.startsWith(prefix)) files::SetExtra(after, key.toLatin1(), piece.mid(prefix.size()));
        }
        if (withCase && !step.caseId.isEmpty() && !files::RecordId(after)) files::SetRecordId(after, step.caseId);
        if (withCase) files::GiveRecordId(after);
        if (adding) edits.push_back({files::UserEdit::Kind::Add, {}, after});
        else if (after.extras != before.extras) edits.push_back({files::UserEdit::Kind::Change, before, after});
        step.caseId = files::RecordId(after).value_or(QString());
    }
    if (withCase) {
        CaseEntry entry = *step.person.entry;
        entry.id = step.caseId;
        entries.push_back(std::move(entry));
    }
}

}  // namespace

int ImportPlan::count(Action action) const {
    return static_cast<int>(std::count_if(steps.begin(), steps.end(), [&](const ImportStep& s) { return s.action == action; }));
}

ImportPlan PlanImport(const std::vector<files::BirthRecord>& records, const std::vector<CaseEntry>& cases,
                      const People& incoming) {
    ImportPlan plan;
    for (const ExchangePerson& person : incoming) plan.steps.push_back(PlanOne(records, cases, person));
    return plan;
}

FolderLibrary ReadFolderLibrary(const QString& folder) {
    FolderLibrary library;
    files::UserFileRead read = files::ReadUserFile(files::UserFilePath(folder));
    if ((library.problem = read.diagnostics.error)) return library;
    library.records = std::move(read.records);
    if (!QFileInfo::exists(CasesFilePath(folder))) return library;
    CaseOpen store = CaseStore::Open(folder);
    if (auto* problem = std::get_if<files::FileProblem>(&store)) library.problem = *problem;
    else library.problem = std::get<std::unique_ptr<CaseStore>>(store)->load(library.cases);
    return library;
}

std::optional<files::FileProblem> ImportIntoFolder(const QString& folder, const People& incoming,
                                                   const files::WriteOptions& options) {
    const QString userPath = files::UserFilePath(folder);
    files::UserForEditing user = files::ReadUserForEditing(userPath);
    if (user.read.diagnostics.error) return user.read.diagnostics.error;
    for (const ExchangePerson& person : incoming) {
        auto record = RecordOf(person);
        if (auto* phrase = std::get_if<QString>(&record))
            return files::FileError(files::kUserFile, userPath, QStringLiteral("無法寫入檔案"), *phrase);
    }
    CaseOpen opened = CaseStore::Open(folder, {0, options.lockWait, 0});
    if (auto* problem = std::get_if<files::FileProblem>(&opened)) return *problem;
    CaseStore& store = *std::get<std::unique_ptr<CaseStore>>(opened);
    std::vector<CaseEntry> cases;
    if (auto problem = store.load(cases)) return problem;
    const ImportPlan plan = PlanImport(user.read.records, cases, incoming);
    std::vector<files::UserEdit> edits;
    std::vector<CaseEntry> entries;
    for (const ImportStep& step : plan.steps)
        if (step.action != Action::Present) Carry(step, user.read.records, edits, entries);
    if (auto problem = store.saveAll(entries)) return problem;
    if (edits.empty()) return std::nullopt;
    std::vector<files::BirthRecord> list = user.read.records;
    files::ApplyUserEdits(list, edits);
    return files::SaveUserEdits(userPath, user.stamp, list, edits, options).problem;
}

QString PlanLine(const ImportStep& step) {
    static const QString kWords[] = {QStringLiteral("新增"), QStringLiteral("已有"), QStringLiteral("會變更")};
    const PersonKey& p = step.person.person;
    QString line = QStringLiteral("%1\t%2（%3，%4/%5/%6 %7）")
                       .arg(kWords[static_cast<int>(step.action)], p.name, p.gender, p.year, p.month, p.day,
                            p.hour.simplified());
    if (!step.person.inUser) line += QLatin1Char(' ') + QStringLiteral("未連結");
    if (!step.changes.isEmpty()) line += QStringLiteral("：") + step.changes.join(QStringLiteral("、"));
    return line;
}

}  // namespace velmora::cases
