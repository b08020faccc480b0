// 匯出案例… and 匯入案例… in the record window: everyone or (on the user's
// word) the people a filter shows, in the format the file's suffix names;
// an import's plan shown first, nothing written when it is cancelled, all of
// it when confirmed; a file that does not read named in the notice.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "cases/CaseExchange.h"
#include "tests/ui/records/CaseLibraryFixture.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ExportDialogs.h"
#include "ui/records/ImportPlanDialog.h"

namespace velmora::testing {
namespace {

class CaseExchangeWindowTest : public CaseLibraryTest {
protected:
    void startWithDialogs() {
        startLibrary();
        dialogs = std::make_shared<ScriptedExportDialogs>();
        form1->chartCommands().setDialogs(dialogs);
    }
    void trigger(const char* action) { find<QAction>(QLatin1String(action))->trigger(); }
    // The names of the people a written file holds, in its order.
    static QStringList NamesIn(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        const cases::PeopleRead read =
            path.endsWith(QLatin1String(".csv")) ? cases::PeopleFromCsv(bytes) : cases::PeopleFromJson(bytes);
        QStringList names;
        if (const auto* people = std::get_if<cases::People>(&read))
            for (const cases::ExchangePerson& person : *people) names.append(person.person.name);
        else ADD_FAILURE() << std::get<QString>(read).toStdString();
        return names;
    }
    // Answers the plan dialog the import opens, keeping its lines.
    void answerPlan(bool carryOut) {
        QTimer::singleShot(0, [this, carryOut] {
            auto* dialog = qobject_cast<ImportPlanDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            planLines = dialog->lines();
            carryOut ? dialog->accept() : dialog->reject();
        });
    }

    std::shared_ptr<ScriptedExportDialogs> dialogs;
    QStringList planLines;
};

TEST_F(CaseExchangeWindowTest, ExportsEveryoneOrThePeopleShown) {
    startWithDialogs();
    const QStringList everyone{"王小明", "李美華", "王大同", "陳一"};
    // Columns: the box's text, the tag chosen, the answer to "only those shown?",
    // the file chosen, the people it then holds, whether the question was asked.
    const struct {
        QString text, tag;
        bool onlyShown;
        QString file;
        QStringList written;
        bool asked;
    } rows[] = {
        {"", "", true, "all.json", everyone, false},
        {"王", "", true, "wang.json", {"王小明", "王大同"}, true},
        {"王", "", false, "wang-all.csv", everyone, true},
        {"", "學員", true, "students.csv", {"王小明", "陳一"}, true},
        {"婚", "家人", true, "one", {"王小明"}, true},  // no suffix: JSON
        {"沒有這段", "", true, "none.json", {}, true},
    };
    for (const auto& row : rows) {
        box()->setText(row.text);
        choose(QStringLiteral("TagFilter"), row.tag);
        boxes->clear();
        if (row.asked) boxes->queueAnswer(row.onlyShown);
        const QString path = folder_.filePath(row.file);
        dialogs->queueFileName(path);
        trigger("CaseExport");
        const QString written = QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".json") : path;
        EXPECT_EQ(NamesIn(written).join(u',').toStdString(), row.written.join(u',').toStdString())
            << row.file.toStdString();
        const bool asked = !boxes->shown().empty() && boxes->shown().front().kind == ScriptedMessageBoxes::Kind::Question;
        EXPECT_EQ(asked, row.asked) << row.file.toStdString();
    }
}

TEST_F(CaseExchangeWindowTest, ImportShowsThePlanAndWritesOnlyWhenConfirmed) {
    startWithDialogs();
    const QString file = folder_.filePath(QStringLiteral("in.csv"));
    folder_.write(QStringLiteral("in.csv"), QStringLiteral("name,gender,date,time,place\n"
                                                           "王小明,男,1984-02-02,12:00,台北\n"
                                                           "趙新,女,1995-07-08,08:30,高雄\n").toUtf8());
    const QByteArray userBefore = userFileAsIs();
    // Columns: carry the plan out, the rows the list then shows.
    const struct {
        bool carryOut;
        int rows;
    } rows[] = {{false, 4}, {true, 5}};
    for (const auto& row : rows) {
        dialogs->queueFileName(file);
        answerPlan(row.carryOut);
        trigger("CaseImport");
        ASSERT_EQ(planLines.size(), 2);
        // 王小明 is recognised by his fields; the clock time and place the file adds are named in words.
        EXPECT_TRUE(planLines[0].startsWith(QStringLiteral("會變更  王小明")) &&
                    planLines[0].endsWith(QStringLiteral("：鐘錶時間、地點")))
            << planLines[0].toStdString();
        EXPECT_TRUE(planLines[1].startsWith(QStringLiteral("新增")) && planLines[1].contains(QStringLiteral("趙新")))
            << planLines[1].toStdString();
        EXPECT_EQ(listRows().size(), row.rows);
        EXPECT_EQ(userFileAsIs() == userBefore, !row.carryOut);
    }
}

TEST_F(CaseExchangeWindowTest, AFileThatDoesNotReadIsNamed) {
    startWithDialogs();
    // Columns: file name, its bytes, a word the notice must hold besides the name.
    const struct {
        QString name;
        QByteArray bytes;
        QString names;
    } rows[] = {
        {"broken.json", "{\"format\": \"velmora-cases\", \"version\": 1, \"people\": [", "JSON"},
        {"old.json", "{\"format\": \"velmora-cases\", \"version\": 99, \"people\": []}", "version"},
        {"bad.csv", "name,gender,date,time,place\n甲,男,1990-13-45,,\n", "第 2 行"},
        {"absent.json", {}, "absent.json"},
    };
    const QByteArray userBefore = userFileAsIs();
    for (const auto& row : rows) {
        if (!row.bytes.isEmpty()) folder_.write(row.name, row.bytes);
        boxes->clear();
        dialogs->queueFileName(folder_.filePath(row.name));
        trigger("CaseImport");
        ASSERT_EQ(boxes->shown().size(), 1u) << row.name.toStdString();
        const QString notice = boxes->shown().front().text;
        EXPECT_TRUE(notice.contains(row.name) && notice.contains(row.names, Qt::CaseInsensitive))
            << notice.toStdString();
    }
    EXPECT_EQ(userFileAsIs(), userBefore);
}

}  // namespace
}  // namespace velmora::testing
