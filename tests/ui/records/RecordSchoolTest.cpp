// "流派…" on a charted record: its own school written into User through the
// record window's save path, and removed again.

#include <QComboBox>
#include <QPushButton>

#include "chart/Conventions.h"
#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/schools/SchoolDialog.h"

namespace velmora::testing {
namespace {

constexpr int kSecondVoid = 67;  // 旬空's second star: not placed for a 午 year under yearPolarity

TEST_F(RecordWindowTest, SchoolDialogSetsAndClearsTheChartedRecordsOwnSchool) {
    const QString unknownPiece = QStringLiteral("\tcolor=藍");
    start({kA + unknownPiece});
    clickRow(0);
    press(4);
    settle();
    // Columns: button, profile chosen, switch turned ("" none) to value 0, User line after, conventions.
    struct Row {
        const char* button;
        QString profile;
        QString turnedSwitch;
        QString line;
        Conventions expected;
    };
    Conventions zhongZhouPair = ProfileNamed("中州派")->conventions;
    zhongZhouPair.set(ConventionKey::jieKong, 0);
    const Row rows[] = {
        {"ApplyToRecord", QStringLiteral("中州派"), QStringLiteral("Convention_jieKong"),
         kA + unknownPiece + QStringLiteral("\tprofile=中州派\tconv.jieKong=pair"), zhongZhouPair},
        {"ApplyToRecord", QStringLiteral("全書派"), {}, kA + unknownPiece + QStringLiteral("\tprofile=全書派"),
         ProfileNamed("全書派")->conventions},
        {"ClearRecordSchool", QStringLiteral("中州派"), {}, kA + unknownPiece, Conventions{}},
    };
    for (const Row& row : rows) {
        form1->schools().setDialogRunner([&row](SchoolDialog& dialog) {
            dialog.profileBox()->setCurrentText(row.profile);
            if (!row.turnedSwitch.isEmpty()) dialog.findChild<QComboBox*>(row.turnedSwitch)->setCurrentIndex(0);
            auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(row.button));
            EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("ApplyToRecord"))->text(),
                      QStringLiteral("套用到「甲」的資料"));
            button->click();
            return dialog.result();
        });
        form1->schools().dialogAction()->trigger();
        EXPECT_EQ(userFile(), UserBytes({row.line})) << row.button;
        const Session& session = form1->session();
        EXPECT_EQ(session.conventions, row.expected) << row.button;
        EXPECT_EQ(session.chart.StarTable[kSecondVoid].branch == 0, row.expected.xunKong() == XunKongRule::yearPolarity);
        EXPECT_EQ(session.settings->value(settings_keys::kProfile).toString(), QString());  // the setting untouched
    }
    EXPECT_TRUE(notices().isEmpty());
}

}  // namespace
}  // namespace velmora::testing
