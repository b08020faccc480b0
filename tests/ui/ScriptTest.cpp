// 简体 on screen: after Ctrl+T every caption, board word and menu entry of
// the main window is in Simplified, a date step keeps it so, and Ctrl+T
// again gives back exactly the Traditional texts; the setting is kept.

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QFileDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <map>

#include "tests/ui/MainWindowFixture.h"
#include "ui/common/Fonts.h"
#include "ui/common/ShownScript.h"
#include "ui/common/Settings.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartCopy.h"
#include "ui/chartio/ChartExport.h"
#include "ui/board/PalaceBoard.h"
#include "ui/chartio/ScriptCommand.h"

namespace velmora::testing {
namespace {

// Every text the window shows, by where it is shown.
std::map<QString, QString> ShownTexts(Form1& form) {
    std::map<QString, QString> texts;
    int unnamed = 0;
    const auto key = [&unnamed](const QObject* object, const char* slot) {
        const QString name = object->objectName().isEmpty() ? QString::number(++unnamed) : object->objectName();
        return name + QLatin1Char('.') + QLatin1String(slot);
    };
    for (const QLabel* label : form.findChildren<QLabel*>()) texts[key(label, "text")] = label->text();
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) texts[key(button, "text")] = button->text();
    for (const QAction* action : form.chartCommands().menu()->actions()) texts[key(action, "menu")] = action->text();
    for (const QWidget* widget : form.findChildren<QWidget*>())
        if (!widget->accessibleName().isEmpty()) texts[key(widget, "accessible")] = widget->accessibleName();
    texts[QStringLiteral("date line")] = form.dateLineText();
    return texts;
}

class ScriptTest : public MainWindowTest {};

TEST_F(ScriptTest, CtrlTShowsEveryTextInSimplifiedAndBackExactly) {
    start();
    ChartByDate(*form, QDate(2023, 3, 22), 7);  // 閏二月 follows: a leap month in the date line
    const std::map<QString, QString> traditional = ShownTexts(*form);

    QAction* command = form->scriptCommand().action();
    ASSERT_EQ(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    command->trigger();
    ASSERT_TRUE(form->session().script->simplified());
    EXPECT_EQ(form->session().settings->value(settings_keys::kScript).toString(), QStringLiteral("simplified"));
    for (int steps : {0, 1, 40}) {  // as switched, then after date steps refilled the board
        step(2, steps);
        int converted = 0;
        for (const auto& [where, text] : ShownTexts(*form)) {
            EXPECT_EQ(text, SimplifiedText(text)) << where.toStdString() << " after " << steps << " steps";
            converted += text != TraditionalText(text) ? 1 : 0;
        }
        EXPECT_GT(converted, 20) << "palaces, stars, captions and the date line all change script";
        step(2, -steps);
    }

    command->trigger();
    EXPECT_FALSE(form->session().script->simplified());
    EXPECT_EQ(ShownTexts(*form), traditional);
}

QByteArray FileBytes(const ProgramFolder& folder, const QString& name) {
    QFile file(QDir(folder.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A caption set through text() and walked again keeps its form: the Taiwan
// phrases would rewrite the mainland word once more. Columns: Traditional, shown.
TEST(ShownScriptTest, AShownTextIsNotConvertedTwice) {
    ShownScript shown;
    shown.setScript(Script::Simplified);
    const std::pair<const char*, const char*> rows[] = {
        {"進入主程式", "进入主程序"}, {"找不到檔案", "找不到文件"}, {"這是資料夾", "这是文件夹"}, {"命宮", "命宫"}};
    for (const auto& [traditional, simplified] : rows) {
        const QString once = shown.text(QString::fromUtf8(traditional));
        EXPECT_EQ(once, QString::fromUtf8(simplified));
        EXPECT_EQ(shown.text(once), once) << simplified;
    }
}

// Qt's own buttons and file dialog words follow the script, so "請按確定"
// stands over a 確定 button. Rows in turn: script after the press, then the words.
TEST_F(ScriptTest, QtsOwnWordsFollowTheScript) {
    start();
    const struct {
        bool simplified;
        const char* ok;
        const char* cancel;
        const char* save;
    } rows[] = {{false, "確定", "取消", "儲存"}, {true, "确定", "取消", "保存"}, {false, "確定", "取消", "儲存"}};
    for (const auto& row : rows) {
        if (form->session().script->simplified() != row.simplified) form->scriptCommand().action()->trigger();
        QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Save);
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString::fromUtf8(row.ok)) << row.simplified;
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(row.cancel)) << row.simplified;
        EXPECT_EQ(box.button(QMessageBox::Save)->text(), QString::fromUtf8(row.save)) << row.simplified;
        EXPECT_NE(QFileDialog::tr("Look in:"), QStringLiteral("Look in:"));
    }
}

// In 简体 the Chinese faces are Simplified ones (真 in its mainland form),
// on the board and in windows opened later; back in 繁體 the Taiwan ones.
TEST_F(ScriptTest, TheTypefacesFollowTheScript) {
    start();
    // Columns: script, the regions whose faces the shown font may come from.
    const struct {
        bool simplified;
        QStringList regions;
    } rows[] = {{true, {QStringLiteral("SC"), QStringLiteral("CN")}}, {false, {QStringLiteral("TW"), QStringLiteral("TC")}}};
    for (const auto& row : rows) {
        if (form->session().script->simplified() != row.simplified) form->scriptCommand().action()->trigger();
        for (const char* name : {"Label6_0", "Label6_2"}) {
            const QString family = QFontInfo(find<QLabel>(QString::fromLatin1(name))->font()).family();
            EXPECT_TRUE(family.endsWith(row.regions[0]) || family.endsWith(row.regions[1])) << family.toStdString();
        }
        QWidget later;
        later.setFont(MingFont(9));
        EXPECT_TRUE(QFontInfo(later.font()).family().endsWith(row.regions[0]) ||
                    QFontInfo(later.font()).family().endsWith(row.regions[1]));
    }
}

TEST_F(ScriptTest, TheTablesAreShownConvertedAndStayAsRead) {
    start();
    std::map<QString, QByteArray> before;
    for (const QString& name : ProgramFolder::ReferenceFiles()) before[name] = FileBytes(folder_, name);
    form->scriptCommand().setScript(Script::Simplified);
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    const Session& session = form->session();
    EXPECT_EQ(QString::fromStdString(session.namesAsRead.at(3, 1)), QStringLiteral("命宮"));
    EXPECT_EQ(QString::fromStdString(session.names.at(3, 1)), QStringLiteral("命宫"));
    EXPECT_EQ(QString::fromStdString(session.names.at(2, 2)), QStringLiteral("丑"));  // the branch, not 醜
    EXPECT_EQ(QString::fromStdString(session.brightness.LevelNames[7]), QStringLiteral("庙"));
    EXPECT_EQ(QString::fromStdString(session.brightnessAsRead.LevelNames[7]), QStringLiteral("廟"));
    EXPECT_EQ(ScriptFromSettings(*session.settings), Script::Simplified);
    for (const auto& [name, bytes] : before) {
        EXPECT_EQ(FileBytes(folder_, name), bytes) << name.toStdString() << " is never written converted";
    }
}

// Every label, button, list row and title of a window, with where it is.
std::map<QString, QString> WindowTexts(QWidget& window) {
    std::map<QString, QString> texts;
    texts[QStringLiteral("title")] = window.windowTitle();
    int n = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts[QStringLiteral("label %1").arg(++n)] = label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts[QStringLiteral("button %1").arg(++n)] = button->text();
    for (const QListWidget* list : window.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row) texts[QStringLiteral("row %1").arg(++n)] = list->item(row)->text();
    return texts;
}

TEST_F(ScriptTest, WindowsOpenedFromTheBoardMenuAreInSimplified) {
    start();
    ChartByDate(*form, QDate(1984, 2, 2), 7);
    form->scriptCommand().setScript(Script::Simplified);
    const QString copied = ChartCopyText(*form);
    EXPECT_EQ(copied, SimplifiedText(copied)) << "複製文字";
    EXPECT_NE(copied, TraditionalText(copied));
    for (const QString& text : {ChartCaption(*form), ChartFileStem(form->session()), ChartDocumentTitle(*form)})
        EXPECT_EQ(text, SimplifiedText(text)) << "pictures and pages: " << text.toStdString();
    form->palaceClicked(5);  // a palace selected: the flying list has lines
    for (const char* command : {"流派比較", "飛化列表", "運限", "時辰未定…", "跳至日期…"}) {
        QAction* action = nullptr;
        for (QAction* entry : form->chartCommands().menu()->actions())
            if (entry->text() == SimplifiedText(QString::fromUtf8(command))) action = entry;
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
        QApplication::processEvents();
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window == form || !window->isVisible()) continue;
            ++windows;
            for (const auto& [where, text] : WindowTexts(*window))
                EXPECT_EQ(text, SimplifiedText(text)) << command << ": " << where.toStdString() << " " << text.toStdString();
            window->close();
        }
        EXPECT_GE(windows, 1) << command;
    }
}

}  // namespace
}  // namespace velmora::testing
