// Twenty thousand random events over the five windows, from a fixed seed.
// After every event: the main window is there, it is enabled exactly when no
// secondary window holds it, and User on disk reads and equals the record
// list (the open record window's, or the last one shown).
//
// VELMORA_MONKEY_SEED and VELMORA_MONKEY_EVENTS change the seed and the count.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <QSet>

#include <deque>
#include <map>
#include <memory>

#include "files/Big5.h"
#include "files/UserFile.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/monkey/Monkey.h"
#include "ui/common/ShownScript.h"
#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/chartio/ScriptCommand.h"
#include "ui/records/Form2.h"
#include "ui/records/Form3.h"

namespace velmora::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240607;
constexpr long long kDefaultEvents = 20000;
constexpr std::size_t kRecentEvents = 12;  // printed with a failure

using Rows = std::vector<std::array<QString, files::kUserFields>>;

std::uint64_t Seed() {
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("VELMORA_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : kDefaultSeed;
}

long long EventCount() {
    bool ok = false;
    const long long count = qEnvironmentVariable("VELMORA_MONKEY_EVENTS").toLongLong(&ok);
    return ok && count > 0 ? count : kDefaultEvents;
}

QByteArray StartingUser() {
    files::Big5Encoder encoder;
    QByteArray bytes;
    for (const QString& line : {QStringLiteral("王小明\t男\t1984\t2\t2\t午  (11:00-12:59)"),
                                QStringLiteral("李\t女\t1901\t1\t1\t子  (23:00-00:59)"),
                                QStringLiteral("短行\t男")}) {
        bytes += *encoder.encode(line).bytes + "\r\n";
    }
    return bytes;
}

bool IsSecondary(const QWidget* window) {
    return qobject_cast<const Form2*>(window) || qobject_cast<const Form3*>(window) ||
           qobject_cast<const Form4*>(window) || qobject_cast<const Form5*>(window);
}

Rows ListRows(const QTreeWidget& list) {
    Rows rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        std::array<QString, files::kUserFields> fields;
        for (int column = 0; column < files::kUserFields; ++column)
            fields[static_cast<std::size_t>(column)] = list.topLevelItem(row)->text(column);
        rows.push_back(fields);
    }
    return rows;
}

class MonkeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.write(QStringLiteral("User"), StartingUser());
        boxes_ = std::make_shared<ScriptedMessageBoxes>();
        Session session(folder_.path(), boxes_);
        session.now = [] { return QDateTime(QDate(2024, 1, 31), QTime(10, 0)); };
        form1_ = std::make_unique<Form1>(std::move(session));
        form1_->setSecondaryWindows(DefaultSecondaryWindows());
        ASSERT_TRUE(form1_->startUp());
        form1_->show();
        settle();
        lastList_ = diskRows();
    }

    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window, then every open secondary window.
    std::vector<QWidget*> windows() const {
        std::vector<QWidget*> found{form1_.get()};
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && IsSecondary(window)) found.push_back(window);
        return found;
    }

    Rows diskRows() const {
        const files::UserFileRead read = files::ReadUserFile(folder_.filePath(QStringLiteral("User")));
        Rows rows;
        for (const files::BirthRecord& record : read.records) rows.push_back(record.fields());
        return read.diagnostics.ok() ? rows : Rows{{}};
    }

    // The broken rule in words, or an empty text.
    QString check(const std::vector<QWidget*>& open) {
        if (!form1_->isVisible()) return QStringLiteral("the main window is gone");
        bool held = false;
        for (std::size_t i = 1; i < open.size(); ++i)
            if (!released_.contains(open[i])) held = true;
        if (form1_->isEnabled() == held)
            return QStringLiteral("the main window is %1 while %2 secondary window(s) are open (%3 released)")
                .arg(form1_->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
                .arg(open.size() - 1)
                .arg(released_.size());
        const Rows disk = diskRows();
        if (disk == Rows{{}}) return QStringLiteral("User does not read");
        if (disk != lastDisk_) ++userChanges_;
        lastDisk_ = disk;
        for (QWidget* window : open) {
            if (auto* records = qobject_cast<Form2*>(window)) lastList_ = ListRows(*records->findChild<QTreeWidget*>(QStringLiteral("ListView1")));
            else continue;
            if (lastList_ != disk) return QStringLiteral("User differs from the record list");
        }
        if (lastList_ != disk) return QStringLiteral("User differs from the last record list");
        return simplified_ ? traditionalShown(open) : QString();
    }

    // In 简体: a text shown in Traditional, other than what the monkey typed
    // (張, kept as typed in names), in words; empty when there is none.
    QString traditionalShown(const std::vector<QWidget*>& open) const {
        QStringList shown;
        for (QWidget* window : open) {
            shown << window->windowTitle();
            for (const QLabel* label : window->findChildren<QLabel*>()) if (label->isVisible()) shown << label->text();
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) shown << button->text();
            for (const QComboBox* combo : window->findChildren<QComboBox*>())
                for (int i = 0; !combo->isEditable() && i < combo->count(); ++i) shown << combo->itemText(i);
            for (const QTreeWidget* tree : window->findChildren<QTreeWidget*>())
                for (int row = 0; row < tree->topLevelItemCount(); ++row)
                    for (int column = 1; column < tree->columnCount(); ++column) shown << tree->topLevelItem(row)->text(column);
        }
        for (const ScriptedMessageBoxes::Shown& box : boxes_->shown()) shown << box.title << box.text;
        for (QString text : shown) {
            text.remove(QChar(0x5F35));
            if (HoldsTraditional(text)) return QStringLiteral("shown in Traditional: ") + text;
        }
        return {};
    }

    // Whether a character of `text` has another Simplified form. Character by
    // character: the Taiwan phrases would rewrite a Simplified text again
    // (程序 → 进程), so a whole text converted is no test of its script.
    static bool HoldsTraditional(const QString& text) {
        static QHash<QChar, bool> traditional;
        for (const QChar c : text) {
            if (c.unicode() < 0x80 || c.isSurrogate()) continue;
            auto found = traditional.find(c);
            if (found == traditional.end()) found = traditional.insert(c, SimplifiedText(QString(c)) != QString(c));
            if (*found) return true;
        }
        return false;
    }

    void run(std::uint64_t seed, long long events);

    void countOpened() {
        for (QWidget* window : windows()) {
            if (window == form1_.get() || seenWindows_.contains(window)) continue;
            seenWindows_.insert(window);
            ++opened_[QString::fromLatin1(window->metaObject()->className())];
        }
    }

    // Editors that gave the main window back by a save without edits, while open.
    void trackReleases(const Monkey& monkey) {
        if (monkey.releasedMainWindow()) released_.append(monkey.releasingEditor());
        released_.removeAll(nullptr);
        QList<QPointer<QWidget>> stillOpen;
        for (const QPointer<QWidget>& editor : released_)
            if (editor && editor->isVisible()) stillOpen.append(editor);
        released_ = stillOpen;
    }

    bool simplified_ = false;  // the run is in 简体
    ProgramFolder folder_{ProgramFolder::UserFile::Absent};
    std::shared_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<Form1> form1_;
    Rows lastList_;
    Rows lastDisk_;
    int userChanges_ = 0;               // times User changed on disk
    QSet<QWidget*> seenWindows_;        // secondary windows opened (by address; enough for a count)
    std::map<QString, int> opened_;     // by class
    QList<QPointer<QWidget>> released_;
};

void MonkeyTest::run(std::uint64_t seed, long long events) {
    Monkey monkey(seed, *boxes_);
    std::deque<QString> recent;
    for (long long event = 1; event <= events; ++event) {
        const QString what = monkey.act(windows());
        settle();
        recent.push_back(what);
        if (recent.size() > kRecentEvents) recent.pop_front();
        trackReleases(monkey);
        countOpened();
        const QString broken = check(windows());
        if (!broken.isEmpty()) {
            QStringList trail(recent.begin(), recent.end());
            FAIL() << "monkey seed " << seed << ", event " << event << " of " << events << ": "
                   << broken.toStdString() << "\nlast events:\n  " << trail.join(QStringLiteral("\n  ")).toStdString()
                   << "\nrerun: VELMORA_MONKEY_SEED=" << seed << " VELMORA_MONKEY_EVENTS=" << event;
        }
        boxes_->clear();
    }
    QStringList opened;
    for (const auto& [name, count] : opened_) opened.append(QStringLiteral("%1 %2").arg(name).arg(count));
    std::printf("monkey: seed %llu, %lld events survived; windows opened: %s; User rewritten %d times, %zu records\n",
                static_cast<unsigned long long>(seed), events, qPrintable(opened.join(QStringLiteral(", "))),
                userChanges_, lastDisk_.size());
}

TEST_F(MonkeyTest, TheWindowsSurviveRandomEventsAndUserAlwaysMatchesTheList) { run(Seed(), EventCount()); }

// The same in 简体, shorter, with every shown text checked after each event.
TEST_F(MonkeyTest, InSimplifiedNoTextIsShownInTraditional) {
    constexpr long long kSimplifiedEvents = 3000;
    simplified_ = true;
    form1_->scriptCommand().setScript(Script::Simplified);
    run(Seed(), qEnvironmentVariableIsSet("VELMORA_MONKEY_EVENTS") ? EventCount() : kSimplifiedEvents);
}

}  // namespace
}  // namespace velmora::testing
