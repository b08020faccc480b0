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
#include "ui/records/ImportPlanDialog.h"

namespace velmora::testing {
namespace {

class CaseExchangeWindowTest : public CaseLibraryTest {
protected:
    void SetUp() override {
        startLibrary();
        form1->chartCommands().setDialogs(dialogs);
    }
    // Chooses `file` in the file dialog and triggers the command.
    void run(const char* command, const QString& file) {
        dialogs->queueFileName(folder_.filePath(file));
        find<QAction>(QLatin1String(command))->trigger();
    }
    // The names of the people a written file holds, in its order.
    QString namesIn(const QString& file) const {
        QFile in(folder_.filePath(file));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray bytes = in.readAll();
        const cases::PeopleRead read = file.endsWith(u".csv") ? cases::PeopleFromCsv(bytes) : cases::PeopleFromJson(bytes);
        QStringList names;
        for (const cases::ExchangePerson& person : std::get<cases::People>(read)) names.append(person.person.name);
        return names.join(u',');
    }

    std::shared_ptr<ScriptedExportDialogs> dialogs = std::make_shared<ScriptedExportDialogs>();
};

TEST_F(CaseExchangeWindowTest, ExportsEveryoneOrThePeopleShown) {
    // Columns: the box's text, the tag chosen, the answer to "only those shown?" (unset: not
    // asked), the file chosen, the file written, the people it then holds.
    const struct {
        QString text, tag;
        std::optional<bool> onlyShown;
        QString file, written, names;
    } rows[] = {
        {"", "", {}, "all.json", "all.json", "王小明,李美華,王大同,陳一"},
        {"王", "", true, "wang.json", "wang.json", "王小明,王大同"},
        {"王", "", false, "wang.csv", "wang.csv", "王小明,李美華,王大同,陳一"},
        {"", "學員", true, "students.csv", "students.csv", "王小明,陳一"},
        {"婚", "家人", true, "one", "one.json", "王小明"},
        {"沒有這段", "", true, "none.json", "none.json", ""},
    };
    for (const auto& row : rows) {
        box()->setText(row.text);
        choose(QStringLiteral("TagFilter"), row.tag);
        boxes->clear();
        if (row.onlyShown) boxes->queueAnswer(*row.onlyShown);
        run("CaseExport", row.file);
        EXPECT_EQ(namesIn(row.written).toStdString(), row.names.toStdString()) << row.file.toStdString();
        const bool asked = boxes->shown().front().kind == ScriptedMessageBoxes::Kind::Question;
        EXPECT_EQ(asked, row.onlyShown.has_value()) << row.file.toStdString();
    }
}

TEST_F(CaseExchangeWindowTest, ImportShowsThePlanAndWritesOnlyWhenConfirmed) {
    folder_.write(QStringLiteral("in.csv"), QStringLiteral("name,gender,date,time,place\n王小明,男,1984-02-02,12:00,台北\n"
                                                           "趙新,女,1995-07-08,08:30,高雄\n").toUtf8());
    const QByteArray before = userFileAsIs();
    for (const bool carryOut : {false, true}) {
        QStringList lines;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ImportPlanDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            lines = dialog->lines();
            carryOut ? dialog->accept() : dialog->reject();
        });
        run("CaseImport", QStringLiteral("in.csv"));
        // 王小明 is recognised by his fields; the clock time and place the file adds are named in words.
        EXPECT_EQ(lines.join(u'\n').toStdString(), "會變更  王小明（男，1984/2/2 午 (11:00-12:59)）：鐘錶時間、地點\n"
                                                   "新增  趙新（女，1995/7/8 辰 (07:00-08:59)）");
        EXPECT_EQ(listRows().size(), carryOut ? 5 : 4);
        EXPECT_EQ(userFileAsIs() == before, !carryOut);
    }
}

TEST_F(CaseExchangeWindowTest, AFileThatDoesNotReadIsNamedAndChangesNothing) {
    // Columns: file name, its bytes (none: no such file), what the notice must say besides the name.
    const struct {
        QString name;
        QByteArray bytes;
        QString says;
    } rows[] = {
        {"broken.json", "{\"format\": \"velmora-cases\", \"version\": 1, \"people\": [", "不是 JSON"},
        {"old.json", "{\"format\": \"velmora-cases\", \"version\": 99, \"people\": []}", "version 99"},
        {"bad.csv", "name,gender,date,time,place\n甲,男,1990-13-45,,\n", "第 2 行"},
        {"absent.json", {}, "無法讀取"},
    };
    const QByteArray before = userFileAsIs();
    for (const auto& row : rows) {
        if (!row.bytes.isEmpty()) folder_.write(row.name, row.bytes);
        boxes->clear();
        run("CaseImport", row.name);
        ASSERT_EQ(boxes->shown().size(), 1u) << row.name.toStdString();
        const QString notice = boxes->shown().front().text;
        EXPECT_TRUE(notice.contains(row.name) && notice.contains(row.says)) << notice.toStdString();
    }
    EXPECT_EQ(userFileAsIs(), before);
}

}  // namespace
}  // namespace velmora::testing
