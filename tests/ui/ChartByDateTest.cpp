// Charting the date in the inputs: the gender dialog, the natal chart on the
// board, date steps that recompute it, and reference files that cannot be read.

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <map>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/RowLabel.h"
#include "ui/board/PalaceBoard.h"
#include "ui/records/Form3.h"

namespace velmora::testing {
namespace {

Form3* OpenGenderDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Form3*>(window); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Every text and visibility on the board, and its focus lines.
struct BoardPicture {
    std::map<QString, std::pair<QString, bool>> labels;
    std::array<board::Segment, 4> lines;
    bool operator==(const BoardPicture&) const = default;
};

BoardPicture Picture(PalaceBoard& board) {
    BoardPicture picture;
    for (QLabel* label : board.findChildren<QLabel*>()) {
        picture.labels[label->objectName()] = {label->text(), label->isHidden()};
    }
    picture.lines = board.line4();
    return picture;
}

TEST_F(MainWindowTest, GenderDialogPreselectsMaleAndOnlyItsButtonClosesIt) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    form->session().PersonName = QStringLiteral("王小明");
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("Option1_1")), Qt::LeftButton);
    Form3* dialog = OpenGenderDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("輸入男女盤"));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("擇盤需輸入男女盤"));
    dialog->close();
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_EQ(OpenGenderDialog(), dialog);
    EXPECT_FALSE(form->isEnabled());

    QPointer<Form3> guarded(dialog);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(OpenGenderDialog(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guarded.isNull());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->session().birth.Gender, 1);
    EXPECT_TRUE(form->session().PersonName.isEmpty());
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_0"))->text(), QStringLiteral("    "));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label6_3"))->text().startsWith(QStringLiteral("陽男  甲子 年 正 月 初一 日 午 時生")));
}

TEST_F(MainWindowTest, FemaleChartByDate) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    ChartByDate(*form, QDate(1984, 2, 2), 7, false);
    EXPECT_EQ(form->session().birth.Gender, 0);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label6_3"))->text().startsWith(QStringLiteral("陽女")));
}

TEST_F(MainWindowTest, NatalChartFillsTheBoard) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    // 正月 and the 午 period put the life and the body palace on 申, a 壬申 palace of 金四局.
    EXPECT_EQ(find<QLabel>(QStringLiteral("LAB01_8"))->text(), QStringLiteral("命宮、身宮"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("LAB03_8"))->text(), QStringLiteral("壬申"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Lab09_8"))->text(), QStringLiteral(" 4  -   13   "));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_2"))->text(), QStringLiteral("西元   1984 年  2 月  2 日 午 時生"));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label6_4"))->text().startsWith(QStringLiteral("命局:  金四局")));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label6_1"))->text().isEmpty());
    EXPECT_EQ(form->session().FocusBranch, 9);
    EXPECT_EQ(form->session().BureauNumber, 4);
    EXPECT_EQ(form->session().MarkStem, 1);
    int stars = 0;
    for (int b = 0; b < 12; ++b) {
        stars += static_cast<int>(find<QLabel>(QStringLiteral("Lab04_%1").arg(b))->text().count(QStringLiteral("\r\n")));
    }
    EXPECT_GT(stars, 10);
    EXPECT_TRUE(boxes->shown().empty());
}

TEST_F(MainWindowTest, DateStepsRechartByDate) {
    start(QDateTime(QDate(2023, 12, 15), QTime(12, 0)));
    ChartByDate(*form, QDate(2023, 12, 15), 7);
    step(1, 1);  // December to January: a nested year, month and day change
    EXPECT_EQ(shownDate(), QStringLiteral("2024-01-15"));
    const BirthInput& birth = form->session().birth;
    EXPECT_EQ(QDate(birth.SolarYear, birth.SolarMonth, birth.SolarDay), QDate(2024, 1, 15));
    step(3, 6);  // to the late 子 period
    EXPECT_EQ(birth.ClockHour, 23);
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3_3"))->text(), QStringLiteral("子  (23:00-00:59)"));
}

TEST_F(MainWindowTest, ChoosingALayerWhenChartingByDateLeavesTheBoard) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    const BoardPicture before = Picture(form->board());
    clickLayer(3);
    EXPECT_EQ(form->session().LayerIndex, 3);
    EXPECT_TRUE(Picture(form->board()) == before);
    // The layer shows at the next date change: its flowing-star labels appear.
    step(2, 1);
    EXPECT_FALSE(find<QLabel>(QStringLiteral("LAB02_0"))->isHidden());
}

// The flowing-star lines of a chart by date are empty; whether the layer has
// shown them yet does not change what the board shows.
BoardPicture IgnoringFlowingLineVisibility(BoardPicture picture) {
    for (auto& [name, label] : picture.labels) {
        if (name.startsWith(QStringLiteral("LAB02_"))) {
            EXPECT_TRUE(label.first.isEmpty()) << name.toStdString();
            label.second = false;
        }
    }
    return picture;
}

TEST_F(MainWindowTest, ClickingAPalaceTwiceOnAnyLayerLeavesTheBoardAsItWas) {
    start(QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    const BoardPicture before = Picture(form->board());
    for (int layer : {0, 3, 6}) {
        clickLayer(layer);
        QTest::mouseClick(find<QLabel>(QStringLiteral("Lab04_3")), Qt::LeftButton);
        EXPECT_EQ(form->session().SelectedPalace, 3);
        EXPECT_FALSE(Picture(form->board()) == before);  // the palace's own stem and lines
        QTest::mouseClick(find<QLabel>(QStringLiteral("Lab04_3")), Qt::LeftButton);
        EXPECT_TRUE(IgnoringFlowingLineVisibility(Picture(form->board())) == IgnoringFlowingLineVisibility(before));
    }
}

// What the record window does when it charts a record, then date steps in
// records mode: the age follows the date, the natal chart stays, and dates
// before the birth are not shown.
TEST_F(MainWindowTest, ChartedRecordShowsTheAgeAndKeepsDatesFromTheBirthOn) {
    start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    DateInputs& inputs = form->dateInputs();
    inputs.setLabel(DateInputs::Year, QStringLiteral("1990"));
    inputs.setLabel(DateInputs::Month, QStringLiteral("5"));
    inputs.setLabel(DateInputs::Day, QStringLiteral("15"));
    form->df_date();
    form->session().birth.Gender = 1;
    form->session().PersonName = QStringLiteral("王小明");
    form->user();
    form->session().RecordLoaded = 1;
    const BirthInput birth = form->session().birth;
    inputs.setLabel(DateInputs::Year, QStringLiteral("2024"));
    clickLayer(3);
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_1"))->text(), QStringLiteral(" 35 歲"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_0"))->text(), QStringLiteral("    王小明"));
    step(0, -40);
    EXPECT_EQ(shownDate(), QStringLiteral("1990-05-15"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_1"))->text(), QStringLiteral(" 1 歲"));
    EXPECT_TRUE(form->session().birth == birth);
}

TEST_F(MainWindowTest, UnreadableTablesAreReportedOnceUntilTheyReadAgain) {
    // Columns: file removed, whether levels still show.
    const std::vector<std::pair<QString, bool>> rows{{QStringLiteral("Mia"), false}, {QStringLiteral("Four"), true}};
    for (const auto& [name, levelsShown] : rows) {
        folder_.remove(name);
        started_ = StartForm1(folder_, QDateTime(QDate(1984, 2, 2), QTime(12, 0)));
        form = started_.form.get();
        boxes = started_.boxes.get();
        form->show();
        const QByteArray bytes = [&] {
            QFile shipped(QStringLiteral(VELMORA_DATA_DIR "/") + name);
            shipped.open(QIODevice::ReadOnly);
            return shipped.readAll();
        }();
        ChartByDate(*form, QDate(1984, 2, 2), 7);
        ASSERT_EQ(boxes->shown().size(), 1U) << name.toStdString();
        EXPECT_TRUE(boxes->shown()[0].text.contains(folder_.filePath(name)));
        EXPECT_EQ(boxes->shown()[0].title, QStringLiteral("提示"));
        EXPECT_EQ(find<QLabel>(QStringLiteral("LAB01_8"))->text(), QStringLiteral("命宮、身宮"));  // still charted
        EXPECT_EQ(find<QLabel>(QStringLiteral("Lab04_8"))->text().contains(QStringLiteral(" 廟")), levelsShown);
        step(2, 1);
        EXPECT_EQ(boxes->shown().size(), 1U);  // not again while it stays missing
        folder_.write(name, bytes);
        step(2, 1);
        EXPECT_EQ(boxes->shown().size(), 1U);
        folder_.remove(name);
        step(2, 1);
        EXPECT_EQ(boxes->shown().size(), 2U);  // missing again after it had read
        folder_.write(name, bytes);
        started_ = {};
    }
}

}  // namespace
}  // namespace velmora::testing
