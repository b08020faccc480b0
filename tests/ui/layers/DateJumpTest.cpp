// "跳至日期…" over a charted record: a typed Gregorian date or a picked lunar
// one ends where stepping there ends, under the same limits and with the
// same layer on the board; the dialog refuses text that names no day.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "tests/ui/layers/LayersFixture.h"
#include "ui/common/LunarDatePicker.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/main/DateJump.h"
#include "ui/main/JumpToDateDialog.h"

namespace velmora::testing {
namespace {

constexpr int kRecordPeriod = 7;  // the window's clock stands at noon, the 午 period

JumpToDateDialog* OpenDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<JumpToDateDialog*>(window); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

void PickLunar(LunarDatePicker& picker, LunarDatePicker::Part part, const char* text) {
    const int index = picker.combo(part)->findText(QString::fromUtf8(text), Qt::MatchExactly);
    ASSERT_GE(index, 0) << text;
    emit picker.combo(part)->activated(index);
}

// Everything the window writes: the date row, the age and the board's labels.
std::string WindowTexts(const Form1& form) {
    QStringList texts;
    for (const QLabel* label : form.findChildren<QLabel*>()) texts.append(label->objectName() + '=' + label->text());
    return texts.join('\n').toStdString();
}

class DateJumpTest : public LayersTest {
protected:
    JumpToDateDialog* openByKey() {
        form->findChild<QAction*>(QStringLiteral("JumpToDateAction"))->trigger();
        return OpenDialog();
    }
};

TEST(DateJump, TypedDatesAreReadInEitherFormOrRefused) {
    // Columns: typed text, the date it names ("" refused).
    const struct {
        const char* typed;
        const char* date;
    } rows[] = {
        {"2024-05-14", "2024-05-14"}, {"2024/5/4", "2024-05-04"}, {" 1984/02/02 ", "1984-02-02"},
        {"2024-5-4", "2024-05-04"},   {"2024-02-30", ""},         {"2023/2/29", ""},
        {"2024/05-14", ""},           {"24-05-14", ""},           {"2024-05-14x", ""},
        {"2024-123-1", ""},           {"", ""},                   {"二〇二四-05-14", ""},
    };
    for (const auto& row : rows) {
        const std::optional<QDate> date = ParseTypedDate(QString::fromUtf8(row.typed));
        EXPECT_EQ(date ? date->toString(Qt::ISODate) : QString(), QString::fromUtf8(row.date)) << row.typed;
    }
}

TEST_F(DateJumpTest, AJumpEndsWhereStepsEndWithTheLayerOfTheRecord) {
    // Columns: layer; typed date, or lunar year, month and day when typed is
    // null; period entry (0 keeps the period); the date and period shown after.
    const struct {
        int layer;
        const char* typed;
        const char* lunar[3];
        int period;
        const char* shown;
        int shownPeriod;
    } rows[] = {
        {3, "2030-02-03", {}, 0, "2030-02-03", kRecordPeriod},
        {5, "2030/2/3", {}, 13, "2030-02-03", 13},
        {6, "2001/12/9", {}, 1, "2001-12-09", 1},
        {4, "1950-01-01", {}, 0, "1984-02-02", 1},  // before the birth: held at the birth date; period kept
        {4, "1983-12-21", {}, 0, "1984-02-02", 1},  // not 1984-12-21: the limit holds the whole date
        {5, nullptr, {"2020", "閏四月", "十五"}, 4, "2020-06-06", 4},
        {3, nullptr, {"2200", "十一月", "廿五"}, 12, "2200-12-31", 12},
    };
    chart({QDate(1984, 2, 2), 6});
    for (const auto& row : rows) {
        form->layerChosen(row.layer);
        JumpToDateDialog* dialog = openByKey();
        ASSERT_NE(dialog, nullptr) << row.shown;
        EXPECT_FALSE(form->isEnabled());
        if (row.typed != nullptr) {
            dialog->typedDate().setText(QString::fromUtf8(row.typed));
        } else {
            dialog->chooseLunar(true);
            for (int part = 0; part < 3; ++part) {
                PickLunar(dialog->lunarDate(), static_cast<LunarDatePicker::Part>(part), row.lunar[part]);
            }
        }
        dialog->period().setCurrentIndex(row.period);
        dialog->accept();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(OpenDialog(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(shownDate(), QString::fromUtf8(row.shown));
        EXPECT_EQ(form->dateInputs().value(DateInputs::Period), row.shownPeriod);
        // The same date reached by steps shows the same window.
        const std::string jumped = WindowTexts(*form);
        ASSERT_TRUE(ShowDate(*form, QDate(2010, 7, 7), 3));
        ASSERT_TRUE(ShowDate(*form, QDate::fromString(QString::fromUtf8(row.shown), Qt::ISODate), row.shownPeriod));
        EXPECT_EQ(WindowTexts(*form), jumped) << row.shown;
    }
}

// The line under the entries stands out from the dialog's own text colour.
bool RedLine(const JumpToDateDialog& dialog) {
    return dialog.problemLine().palette().color(QPalette::WindowText) != dialog.palette().color(QPalette::WindowText);
}

TEST_F(DateJumpTest, TheDialogRefusesTextThatNamesNoDayAndOpensOnlyWhereStepsMay) {
    chart({QDate(1984, 2, 2), 6});
    EXPECT_EQ(openByKey(), nullptr);  // the natal layer of a record: its date is not stepped
    form->layerChosen(3);
    JumpToDateDialog* dialog = openByKey();
    ASSERT_NE(dialog, nullptr);
    // Columns: typed text, the line under the entry.
    const struct {
        const char* typed;
        const char* problem;
    } rows[] = {
        {"2024-02-30", "請以 YYYY-MM-DD 或 YYYY/M/D 輸入一個日期"},
        {"1799-12-31", "日期須在 1800-01-01 至 2200-12-31 之間"},
        {"2024-02-29", ""},
    };
    for (const auto& row : rows) {
        dialog->typedDate().setText(QString::fromUtf8(row.typed));
        EXPECT_EQ(dialog->problemText(), QString::fromUtf8(row.problem)) << row.typed;
        EXPECT_EQ(dialog->jump().has_value(), *row.problem == '\0') << row.typed;
        EXPECT_EQ(RedLine(*dialog), *row.problem != '\0') << row.typed;
    }
    // The Gregorian date a lunar entry names is news, not a problem.
    dialog->chooseLunar(true);
    EXPECT_TRUE(dialog->problemText().startsWith(QStringLiteral("西曆 ")));
    EXPECT_FALSE(RedLine(*dialog));
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->isEnabled());
    QAction* action = form->findChild<QAction*>(QStringLiteral("JumpToDateAction"));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_TRUE(form->chartCommands().menu()->actions().contains(action));
}

}  // namespace
}  // namespace velmora::testing
