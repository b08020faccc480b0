// "流派…", "流派比較" and a record's own school, driven headless.

#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "files/RecordExtras.h"
#include "files/UserFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/schools/SchoolCommands.h"
#include "ui/schools/SchoolComparison.h"
#include "ui/schools/SchoolDialog.h"

namespace velmora::testing {
namespace {

constexpr int kXunKongFirst = 66;

Conventions Profile(const char* name) { return ProfileNamed(name)->conventions; }

TEST_F(MainWindowTest, SchoolDialogSetsTheSettingAndRechartsTheBoard) {
    start();
    ChartByDate(*form, QDate(2000, 1, 1), 1);
    // Columns: profile as shown, as kept, switch then turned (none: ""), setting's pieces, conventions.
    struct Row {
        QString shown;
        QString profile;
        QString turnedSwitch;
        int turnedValue;
        QString pieces;
        Conventions expected;
    };
    Conventions quanShuSameDay = Profile("全書派");
    quanShuSameDay.set(ConventionKey::lateZi, 1);
    const Row rows[] = {
        {QStringLiteral("中州派"), QStringLiteral("中州派"), {}, 0, {}, Profile("中州派")},
        {QStringLiteral("全書派"), QStringLiteral("全書派"), QStringLiteral("Convention_lateZi"), 1,
         QStringLiteral("lateZi=sameDay"), quanShuSameDay},
        {QStringLiteral("預設"), QStringLiteral("Velmora"), {}, 0, {}, Conventions{}},
    };
    for (const Row& row : rows) {
        form->schools().setDialogRunner([&row](SchoolDialog& dialog) {
            EXPECT_EQ(dialog.findChildren<QGroupBox*>().size(), 2);
            EXPECT_EQ(dialog.findChildren<QComboBox*>().size(), kConventionCount + 1);
            dialog.profileBox()->setCurrentText(row.shown);
            if (!row.turnedSwitch.isEmpty())
                dialog.findChild<QComboBox*>(row.turnedSwitch)->setCurrentIndex(row.turnedValue);
            return static_cast<int>(QDialog::Accepted);
        });
        form->schools().dialogAction()->trigger();
        Session& session = form->session();
        EXPECT_EQ(session.conventions, row.expected) << row.profile.toStdString();
        EXPECT_EQ(session.settings->value(settings_keys::kProfile).toString(), row.profile);
        EXPECT_EQ(session.settings->value(settings_keys::kConventions).toString(), row.pieces);
        // 中州派 keeps one 旬空 star (卯 year: the second), and names itself in the centre.
        const bool oneVoid = row.expected.xunKong() == XunKongRule::yearPolarity;
        EXPECT_EQ(session.chart.StarTable[kXunKongFirst].branch, oneVoid ? 0 : 9);
        EXPECT_EQ(find<QLabel>(QStringLiteral("Label6_0"))->text().contains(row.profile), row.profile != "Velmora");
    }
}

TEST_F(MainWindowTest, ComparisonLinesNameWhatChanges) {
    start();
    // Columns: birth date, period, the switch's line, words the line holds.
    // The masters by star number as worked by hand (命主 14→4, 身主 24→2),
    // named as ProperN names them; the birth transformations of 庚 (year from
    // 正月初一) → 己 (from 立春), as Four lists them.
    struct Row {
        QDate birth;
        int period;
        QString switchWord;
        QString words;
    };
    const Row rows[] = {
        {QDate(2000, 1, 1), 1, QStringLiteral("旬空"), QStringLiteral("旬空（依年支陰陽安一宮）：1 星移宮")},
        {QDate(1990, 2, 3), 6, QStringLiteral("立春換年"), QStringLiteral("命主 破軍→武曲，身主 鈴星→天機")},
        {QDate(1990, 2, 3), 6, QStringLiteral("立春換年"),
         QStringLiteral("生年化祿 太陽→武曲，生年化權 武曲→貪狼，生年化科 太陰→天梁，生年化忌 天同→文曲")},
    };
    SchoolComparison& panel = form->schools().comparison();
    for (const Row& row : rows) {
        ChartByDate(*form, row.birth, row.period);
        form->schools().comparisonAction()->setChecked(true);
        const QList<QListWidgetItem*> lines = panel.list()->findItems(row.switchWord, Qt::MatchStartsWith);
        ASSERT_EQ(lines.size(), 1) << row.switchWord.toStdString();
        EXPECT_TRUE(lines.front()->text().contains(row.words)) << lines.front()->text().toStdString();
        form->schools().comparisonAction()->setChecked(false);
    }
}

// Whatever profile is chosen, every value reads in words with its key only in
// the tooltip, every description fits its label whole, and the dialog keeps its size.
TEST_F(MainWindowTest, SchoolDialogShowsWordsThatFitWhateverTheProfile) {
    start();
    SchoolDialog dialog(SchoolChoice{}, form);
    dialog.show();
    EXPECT_EQ(dialog.profileBox()->currentText(), QStringLiteral("預設"));
    const QSize size = dialog.sizeHint();
    for (int p = 0; p < dialog.profileBox()->count(); ++p) {
        dialog.profileBox()->setCurrentIndex(p);
        QApplication::processEvents();
        EXPECT_EQ(dialog.sizeHint(), size) << p;
        for (const ConventionSwitch& s : ConventionSwitches()) {
            const QComboBox* values = dialog.switchBox(s.key);
            const QString key = QString::fromUtf8(s.name.data(), s.name.size());
            EXPECT_FALSE(values->currentText().contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << p;
            EXPECT_TRUE(values->itemData(values->currentIndex(), Qt::ToolTipRole).toString().startsWith(key + '='));
            const auto* words = dialog.findChild<QLabel*>(QStringLiteral("ConventionWords_") + key);
            const QRect needed = words->fontMetrics().boundingRect(QRect(0, 0, words->width(), 1 << 12),
                                                                   Qt::TextWordWrap, words->text());
            EXPECT_LE(needed.height(), words->contentsRect().height()) << key.toStdString() << ' ' << p;
            EXPECT_LE(needed.width(), words->contentsRect().width()) << key.toStdString() << ' ' << p;
        }
    }
}

TEST_F(MainWindowTest, ComparisonLineShowsItsVariantUntilThePanelCloses) {
    start();
    ChartByDate(*form, QDate(2000, 1, 1), 1);
    form->schools().comparisonAction()->setChecked(true);
    SchoolComparison& panel = form->schools().comparison();
    ASSERT_TRUE(panel.isVisible());
    const QList<QListWidgetItem*> lines = panel.list()->findItems(QStringLiteral("旬空"), Qt::MatchStartsWith);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(panel.list()->findItems(QStringLiteral("晚子時"), Qt::MatchStartsWith).isEmpty());  // period 1
    panel.list()->setCurrentItem(lines.front());
    EXPECT_EQ(form->session().chart.StarTable[kXunKongFirst].branch, 0);
    form->schools().comparisonAction()->setChecked(false);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(form->session().chart.StarTable[kXunKongFirst].branch, 9);
    EXPECT_TRUE(form->session().conventions.isDefault());
}

TEST(RecordSchool, ProfileAndPiecesApartFromIt) {
    // Columns: pieces set on the record, the school it charts in (none: the setting's).
    files::BirthRecord record;
    EXPECT_FALSE(SchoolOfRecord(record).has_value());
    ASSERT_FALSE(files::SetExtra(record, files::extra_keys::kProfile, QStringLiteral("中州派")));
    ASSERT_FALSE(files::SetExtra(record, "conv.jieKong", QStringLiteral("pair")));
    ASSERT_FALSE(files::SetExtra(record, "conv.noSuchKey", QStringLiteral("x")));
    const std::optional<SchoolChoice> school = SchoolOfRecord(record);
    ASSERT_TRUE(school.has_value());
    Conventions expected = Profile("中州派");
    expected.set(ConventionKey::jieKong, 0);
    EXPECT_EQ(school->conventions, expected);
    EXPECT_EQ(PiecesApartFrom(school->profile, school->conventions), QStringList{QStringLiteral("jieKong=pair")});
}

}  // namespace
}  // namespace velmora::testing
