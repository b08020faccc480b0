// The record list for daily use: the filter box and header sorting change
// only the view, and every command (刪除 after its question, a double-click
// that charts) acts on the record the user picked, whatever the view shows.

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <vector>

#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {
namespace {

// User in file order: name, gender, year, month, day, period.
const QStringList kPeople{
    QStringLiteral("王小明\t男\t1984\t2\t2\t") + kHorse,
    QStringLiteral("李美華\t女\t1990\t11\t5\t") + kRat,
    QStringLiteral("王大同\t男\t1975\t3\t20\t亥  (21:00-22:59)"),
    QStringLiteral("陳一\t女\t2001\t9\t30\t寅  (03:00-04:59)"),
};

enum class Act { DeleteOk, DeleteCancel, DoubleClick };

// Columns: filter text, header clicks (column numbers), names the list then
// shows top to bottom, what is done to the last row shown.
struct ViewRow {
    const char16_t* filter;
    std::vector<int> clicks;
    std::vector<const char16_t*> shown;
    Act act;
};

const std::vector<ViewRow> kViews{
    {u"", {}, {u"王小明", u"李美華", u"王大同", u"陳一"}, Act::DeleteOk},
    {u"王", {}, {u"王小明", u"王大同"}, Act::DeleteOk},
    {u" 美 ", {}, {u"李美華"}, Act::DoubleClick},
    {u"", {2}, {u"王大同", u"王小明", u"李美華", u"陳一"}, Act::DeleteOk},                 // year
    {u"", {2, 2}, {u"陳一", u"李美華", u"王小明", u"王大同"}, Act::DoubleClick},           // year, descending
    {u"", {2, 2, 2}, {u"王小明", u"李美華", u"王大同", u"陳一"}, Act::DeleteCancel},       // back to User's order
    {u"", {3}, {u"王小明", u"王大同", u"陳一", u"李美華"}, Act::DeleteOk},                 // month 2 < 3 < 9 < 11
    {u"", {5}, {u"李美華", u"陳一", u"王小明", u"王大同"}, Act::DoubleClick},              // period: 子 寅 午 亥
    {u"王", {4, 4}, {u"王大同", u"王小明"}, Act::DeleteOk},                                 // day, descending
    {u"陳", {2}, {u"陳一"}, Act::DeleteCancel},
};

class RecordListTest : public RecordWindowTest {
protected:
    QTreeWidget* list() const { return find<QTreeWidget>(QStringLiteral("ListView1")); }

    // The rows the filter leaves, top to bottom.
    std::vector<QTreeWidgetItem*> shownRows() const {
        std::vector<QTreeWidgetItem*> rows;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            if (!list()->topLevelItem(i)->isHidden()) {
                rows.push_back(list()->topLevelItem(i));
            }
        }
        return rows;
    }

    void clickHeader(int column) {
        QHeaderView* header = list()->header();
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
};

TEST_F(RecordListTest, FilterAndSortChangeTheViewAndCommandsActOnThePickedRecord) {
    for (const ViewRow& view : kViews) {
        const QString filter = QString::fromUtf16(view.filter);
        SCOPED_TRACE(filter.toStdString() + " clicks " + std::to_string(view.clicks.size()));
        start(kPeople);
        find<QLineEdit>(QStringLiteral("FilterBox"))->insert(filter);  // as typed: textChanged per edit
        for (int column : view.clicks) {
            clickHeader(column);
        }
        QStringList shown;
        for (QTreeWidgetItem* row : shownRows()) {
            shown.append(row->text(0));
        }
        QStringList expected;
        for (const char16_t* name : view.shown) {
            expected.append(QString::fromUtf16(name));
        }
        ASSERT_EQ(shown, expected);
        EXPECT_EQ(userFile(), UserBytes(kPeople));  // the view never reorders User

        QTreeWidgetItem* last = shownRows().back();
        const QString name = last->text(0);
        QStringList remaining;
        for (const QString& line : kPeople) {
            if (!line.startsWith(name + QLatin1Char('\t'))) remaining.append(line);
        }
        const QPoint centre = list()->visualItemRect(last).center();
        if (view.act == Act::DoubleClick) {
            // A double-click reaches the list as a click and then the second press.
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            settle();
            EXPECT_EQ(form1->session().PersonName, name);
            EXPECT_EQ(form1->session().RecordLoaded, 1);
            EXPECT_TRUE(form2.isNull());
            continue;
        }
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        boxes->queueAnswer(view.act == Act::DeleteOk);
        press(3);
        EXPECT_EQ(notices(), QStringList{QStringLiteral("提示:確定刪除「%1」？").arg(name)});
        EXPECT_EQ(userFile(), UserBytes(view.act == Act::DeleteOk ? remaining : kPeople));
        EXPECT_EQ(static_cast<int>(shownRows().size()),
                  static_cast<int>(expected.size()) - (view.act == Act::DeleteOk ? 1 : 0));
        EXPECT_TRUE(list()->selectedItems().isEmpty() || view.act == Act::DeleteCancel);
        form1.reset();
        settle();
    }
}

// 修改 under a sorted, filtered view rewrites the picked record in its own line.
TEST_F(RecordListTest, ChangeUnderASortedFilteredViewRewritesThePickedLine) {
    start(kPeople);
    find<QLineEdit>(QStringLiteral("FilterBox"))->insert(QStringLiteral("王"));
    clickHeader(2);  // 王大同 (1975) first
    const QPoint centre = list()->visualItemRect(shownRows().front()).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    typeName(QStringLiteral("王大明"));
    press(2);
    QStringList changed = kPeople;
    changed[2].replace(QStringLiteral("王大同"), QStringLiteral("王大明"));
    EXPECT_EQ(userFile(), UserBytes(changed));
    EXPECT_EQ(shownRows().front()->text(0), QStringLiteral("王大明"));
}

}  // namespace
}  // namespace velmora::testing
