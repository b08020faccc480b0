// The tag and grade filters beside the search box, and the search box's text
// found in the cases (notes and events through the full-text index from three
// characters, by a plain test below; tags always), all combined.

#include <QAction>
#include <QPlainTextEdit>

#include "tests/ui/records/CaseLibraryFixture.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/records/CaseNotesWindow.h"

namespace velmora::testing {
namespace {

TEST_F(CaseLibraryTest, TagGradeAndCaseTextFiltersCombine) {
    startLibrary();
    const QString all;
    // Columns: the box's text, the tag chosen, the grade chosen, the names then shown.
    const struct {
        QString text, tag, grade;
        QStringList shown;
    } rows[] = {
        {all, all, all, {"王小明", "李美華", "王大同", "陳一"}},
        {all, "學員", all, {"王小明", "陳一"}},
        {all, "客戶", all, {"李美華"}},
        {all, all, "AA", {"王小明"}},
        {all, all, "X", {"王大同", "陳一"}},  // no case: the hour's grade is unknown
        {all, all, "C", {}},
        {all, "學員", "X", {"陳一"}},
        {"婚", all, all, {"王小明", "李美華"}},   // one character: an event, the notes
        {"結婚", all, all, {"王小明"}},           // two: the events
        {"事業順", all, all, {"王小明"}},         // three: the index
        {"考上大學", all, all, {"陳一"}},
        {"多波折", all, all, {"李美華"}},
        {"客戶", all, all, {"李美華"}},           // a tag's text
        {"學", all, all, {"王小明", "陳一"}},
        {"王", "家人", all, {"王小明"}},          // the name, and the tag
        {"王", all, "B", {}},
        {"婚", all, "B", {"李美華"}},
        {"沒有這段", all, all, {}},
    };
    for (const auto& row : rows) {
        choose(QStringLiteral("TagFilter"), row.tag);
        choose(QStringLiteral("GradeFilter"), row.grade);
        box()->setText(row.text);
        EXPECT_EQ(shownNames().join(u',').toStdString(), row.shown.join(u',').toStdString())
            << row.text.toStdString() << " / " << row.tag.toStdString() << " / " << row.grade.toStdString();
    }
}

TEST_F(CaseLibraryTest, FilterBoxesFollowTheScriptAndTheNotesWindow) {
    startLibrary();
    auto* tags = find<QComboBox>(QStringLiteral("TagFilter"));
    auto* grades = find<QComboBox>(QStringLiteral("GradeFilter"));
    EXPECT_EQ(tags->count(), 4);  // 全部標籤, 學員, 客戶, 家人
    EXPECT_EQ(grades->count(), 7);
    EXPECT_EQ(tags->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    // Columns: the script switched to, the words then shown: all tags, all grades, the box's name, export.
    const struct {
        Script script;
        QString allTags, allGrades, tagBoxName, exportCaption;
    } rows[] = {
        {Script::Simplified, "全部标签", "全部等级", "依标签筛选", "导出案例…"},
        {Script::Traditional, "全部標籤", "全部等級", "依標籤篩選", "匯出案例…"},
    };
    for (const auto& row : rows) {
        form1->scriptCommand().setScript(row.script);
        EXPECT_EQ(QStringList({tags->itemText(0), grades->itemText(0), tags->accessibleName(),
                               find<QAction>(QStringLiteral("CaseExport"))->text(), tags->itemText(1)}),
                  QStringList({row.allTags, row.allGrades, row.tagBoxName, row.exportCaption, "學員"}))
            << "a tag is shown as typed";
    }
    // A note written in the notes window finds its person at once.
    clickRow(2);
    find<QAction>(QStringLiteral("CaseNotesToggle"))->trigger();
    auto* notes = form2->findChild<CaseNotesWindow*>(QStringLiteral("CaseNotes"));
    ASSERT_TRUE(notes);
    notes->findChild<QPlainTextEdit*>(QStringLiteral("CaseNotesText"))->setPlainText(QStringLiteral("遷移見貴人"));
    ASSERT_TRUE(notes->saveNow());
    box()->setText(QStringLiteral("見貴人"));
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("王大同")});
}

}  // namespace
}  // namespace velmora::testing
