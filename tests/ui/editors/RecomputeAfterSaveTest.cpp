// A save in either editor redraws the chart on the board at once, a chart by
// date and a charted record in a time layer alike, without a date step.

#include <QComboBox>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include "tests/ui/editors/EditorFixture.h"
#include "tests/ui/layers/ChartRecord.h"

namespace velmora::testing {
namespace {

constexpr int kZiwei = 1;        // star 1, first in Four's lists and Mia's columns
constexpr int kFlowingYear = 3;  // layer 流年

// Columns: what is charted, the editor's button, the edit, and what the
// session must show straight after the save.
struct SaveRow {
    const char* name;
    bool record;      // a record at 流年 of 2024 (甲辰), else a chart by date of 1984 (甲子)
    const char* button;
    std::function<void(QWidget*, const Session&)> edit;
    std::function<bool(const Session&, int levelBefore)> shows;
};

const std::vector<SaveRow> kSaves{
    {"FourByDate", false, "Command2",
     [](QWidget* editor, const Session&) { emit editor->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->activated(0); },
     [](const Session& s, int) { return s.CurrentTransformations[1] == kZiwei; }},  // 紫微 now takes 甲's 祿
    {"FourRecord", true, "Command2",
     [](QWidget* editor, const Session&) { emit editor->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->activated(0); },
     [](const Session& s, int) { return s.CurrentTransformations[1] == kZiwei && s.LayerIndex == kFlowingYear; }},
    {"MiaByDate", false, "Command3",
     [](QWidget* editor, const Session& s) { static_cast<Form4*>(editor)->cellClicked(s.chart.StarTable[kZiwei].branch - 1); },
     [](const Session& s, int before) { return s.chart.StarTable[kZiwei].level == (before == 7 ? 0 : before + 1); }},
    {"MiaRecord", true, "Command3",
     [](QWidget* editor, const Session& s) { static_cast<Form4*>(editor)->cellClicked(s.chart.StarTable[kZiwei].branch - 1); },
     [](const Session& s, int before) {
         return s.chart.StarTable[kZiwei].level == (before == 7 ? 0 : before + 1) && s.LayerIndex == kFlowingYear;
     }},
};

void PrintTo(const SaveRow& row, std::ostream* out) { *out << row.name; }

class RecomputeTest : public EditorTest, public ::testing::WithParamInterface<SaveRow> {};

TEST_P(RecomputeTest, TheBoardShowsTheSavedTableAtOnce) {
    const SaveRow& row = GetParam();
    startWithEditors();
    if (row.record) {
        ChartRecord(*form, {QDate(1984, 6, 1), 6});
        ASSERT_TRUE(ShowDate(*form, QDate(2024, 6, 1)));
        form->layerChosen(kFlowingYear);
    } else {
        ChartByDate(*form, QDate(1984, 6, 1), 7);
    }
    ASSERT_EQ(form->session().MarkStem, 1);  // 甲
    const int levelBefore = form->session().chart.StarTable[kZiwei].level;
    QTest::mouseClick(find<QPushButton>(QString::fromLatin1(row.button)), Qt::LeftButton);
    QWidget* editor = ShownWindow<EditorWindow>();
    ASSERT_NE(editor, nullptr);
    row.edit(editor, form->session());
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();
    EXPECT_TRUE(row.shows(form->session(), levelBefore));
    EXPECT_EQ(boxes->shown().back().text, QStringLiteral("編修過的資料已儲存，命盤已依新資料重新排好。"));
}

INSTANTIATE_TEST_SUITE_P(EachEditorAndChart, RecomputeTest, ::testing::ValuesIn(kSaves),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace velmora::testing
