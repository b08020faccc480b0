// Every way the board is drawn again over a charted record (a script switch,
// a save in either editor, a school chosen, a zoom, another record and back)
// ends on the chart a fresh window draws for the same record: the centre lines
// and the copied text, while the date inputs show a year other than the birth's.

#include <QDialog>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include "tests/ui/editors/EditorFixture.h"
#include "tests/ui/layers/ChartRecord.h"
#include "ui/common/RowLabel.h"
#include "ui/board/BoardLabels.h"
#include "ui/chartio/ChartCopy.h"
#include "ui/board/PalaceBoard.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/main/WindowZoom.h"

namespace velmora::testing {
namespace {

const QDateTime kNow(QDate(2026, 3, 15), QTime(10, 0));  // the date inputs show 2026 (丙午)

// Columns: the path's name, what it does to a window with a charted record,
// the script the board is in afterwards.
struct PathRow {
    const char* name;
    std::function<void(Form1&, const Record&)> redraw;
    Script shownIn;
};

void SaveUnchanged(Form1& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    QWidget* editor = ShownWindow<EditorWindow>();
    ASSERT_NE(editor, nullptr) << button;
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

const std::vector<PathRow> kPaths{
    {"ScriptToSimplified", [](Form1& f, const Record&) { f.scriptCommand().setScript(Script::Simplified); },
     Script::Simplified},
    {"ScriptThereAndBack",
     [](Form1& f, const Record&) {
         f.scriptCommand().setScript(Script::Simplified);
         f.scriptCommand().setScript(Script::Traditional);
     },
     Script::Traditional},
    {"BrightnessEditorSave", [](Form1& f, const Record&) { SaveUnchanged(f, "Command3"); }, Script::Traditional},
    {"TransformationEditorSave", [](Form1& f, const Record&) { SaveUnchanged(f, "Command2"); }, Script::Traditional},
    {"SchoolChosen",
     [](Form1& f, const Record&) {
         f.schools().setDialogRunner([](SchoolDialog&) { return int(QDialog::Accepted); });
         f.schools().openDialog();
     },
     Script::Traditional},
    {"ZoomInAndOut",
     [](Form1& f, const Record&) {
         f.zoom().zoomIn();
         f.zoom().zoomOut();
     },
     Script::Traditional},
    {"AnotherRecordAndBack",
     [](Form1& f, const Record& record) {
         ChartRecord(f, {QDate(1990, 8, 8), 3, false, QStringLiteral("李小華")});
         ChartRecord(f, record);
     },
     Script::Traditional},
};

// Columns: the record charted (born before 立春 after the new year; born in 閏五月).
const std::vector<Record> kRecords{{QDate(1984, 2, 2), 6}, {QDate(2009, 7, 1), 3, false, QStringLiteral("陳小美")}};

struct Shown {
    QStringList centre;
    QString copied;
};

Shown ShownChart(Form1& form) {
    Shown shown;
    using board::CentreLabel;
    for (CentreLabel label : {CentreLabel::Label6_0, CentreLabel::Label6_2, CentreLabel::Label6_3,
                              CentreLabel::Label6_4, CentreLabel::Label6_5})
        shown.centre.append(form.board().centreLabel(label)->text());
    shown.copied = ChartCopyText(form);
    return shown;
}

void PrintTo(const PathRow& row, std::ostream* out) { *out << row.name; }

class RecomputePathsTest : public EditorTest, public ::testing::WithParamInterface<PathRow> {};

TEST_P(RecomputePathsTest, EndsOnTheChartAFreshWindowDraws) {
    const PathRow& path = GetParam();
    startWithEditors(kNow);
    for (const Record& record : kRecords) {
        ChartRecord(*form, record);
        path.redraw(*form, record);
        settle();
        ProgramFolder freshFolder;
        StartedWindow fresh = StartForm1(freshFolder, kNow);
        fresh.form->scriptCommand().setScript(path.shownIn);
        ChartRecord(*fresh.form, record);
        const Shown expected = ShownChart(*fresh.form);
        const Shown shown = ShownChart(*form);
        EXPECT_EQ(shown.centre, expected.centre) << record.name.toStdString();
        EXPECT_EQ(shown.copied, expected.copied) << record.name.toStdString();
        form->scriptCommand().setScript(Script::Traditional);
    }
}

INSTANTIATE_TEST_SUITE_P(EachPath, RecomputePathsTest, ::testing::ValuesIn(kPaths),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace velmora::testing
