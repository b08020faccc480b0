#include "tests/faults/DiskFaults.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "files/Big5.h"
#include "files/LineFile.h"
#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/records/Form2.h"

namespace velmora::testing {

namespace {

const QDateTime kNow(QDate(2024, 1, 31), QTime(10, 0));

template <typename T>
T* Shown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* typed = qobject_cast<T*>(window); typed != nullptr && typed->isVisible()) return typed;
    return nullptr;
}

// The file's lines, decoded.
std::vector<QString> Lines(const QByteArray& file) {
    return files::DecodeBig5Lines(file, QString(), QString()).lines;
}

EditedStart StartAll(const ProgramFolder& folder) {
    EditedStart start;
    start.started = StartForm1(folder, kNow);
    start.started.form->setSecondaryWindows(DefaultSecondaryWindows());
    start.started.form->show();
    return start;
}

void Press(QWidget* window, const QString& button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

// The record window with a new person entered: saving is adding the record.
class RecordsEdit final : public EditedWindow {
public:
    explicit RecordsEdit(Form2* window) : window_(window) {
        window_->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(kName);
        for (int combo = Form2::YearCombo; combo <= Form2::HourCombo; ++combo) window_->pick(combo, 0);
    }
    QString fileName() const override { return QStringLiteral("User"); }
    // The first press adds the record; a later save is the next edit's rewrite.
    void save() override {
        if (added_) {
            window_->SAVELIST();
            return;
        }
        added_ = true;
        Press(window_, QStringLiteral("Command1"));
    }
    bool editKept() const override {
        const auto* list = window_->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        return list->topLevelItemCount() == 2 && list->topLevelItem(1)->text(0) == kName;
    }
    bool editSaved(const QByteArray& file) const override {
        const auto lines = Lines(file);
        return lines.size() == 2 && lines[1].startsWith(kName + QLatin1Char('\t'));
    }

private:
    static inline const QString kName = QStringLiteral("新");
    QPointer<Form2> window_;
    bool added_ = false;
};

// The brightness editor with its first cell stepped.
class BrightnessEdit final : public EditedWindow {
public:
    explicit BrightnessEdit(Form4* window) : window_(window) {
        window_->cellClicked(0);
        level_ = window_->level(0);
    }
    QString fileName() const override { return QStringLiteral("Mia"); }
    void save() override { Press(window_, QStringLiteral("Command1")); }
    bool editKept() const override { return window_ && window_->isVisible() && window_->ChangeCount() > 0 && window_->level(0) == level_; }
    bool editSaved(const QByteArray& file) const override {
        const auto lines = Lines(file);
        return lines.size() > 1 && lines[1].size() > 2 && lines[1][2] == QChar(u'0' + level_);
    }

private:
    QPointer<Form4> window_;
    int level_ = 0;
};

// The transformation editor with 甲's 化祿 set to star 6.
class TransformationEdit final : public EditedWindow {
public:
    explicit TransformationEdit(Form5* window) : window_(window) { window_->picked(0, kPicked); }
    QString fileName() const override { return QStringLiteral("Four"); }
    void save() override { Press(window_, QStringLiteral("Command1")); }
    bool editKept() const override {
        return window_ && window_->isVisible() && window_->ChangeCount() > 0 && window_->entry(1, 1) == kPicked + 1;
    }
    bool editSaved(const QByteArray& file) const override {
        const auto lines = Lines(file);
        return !lines.empty() && lines[0].startsWith(QStringLiteral("06"));
    }

private:
    static constexpr int kPicked = 5;  // list position of star 6
    QPointer<Form5> window_;
};

}  // namespace

EditedStart EditUser(const ProgramFolder& folder) {
    EditedStart start = StartAll(folder);
    Press(start.started.form.get(), QStringLiteral("Command1"));  // 排盤
    start.window = std::make_unique<RecordsEdit>(Shown<Form2>());
    return start;
}

EditedStart EditMia(const ProgramFolder& folder) {
    EditedStart start = StartAll(folder);
    Press(start.started.form.get(), QStringLiteral("Command3"));  // 廟旺
    start.window = std::make_unique<BrightnessEdit>(Shown<Form4>());
    return start;
}

EditedStart EditFour(const ProgramFolder& folder) {
    EditedStart start = StartAll(folder);
    Press(start.started.form.get(), QStringLiteral("Command2"));  // 四化
    start.window = std::make_unique<TransformationEdit>(Shown<Form5>());
    return start;
}

files::WriteOptions HalfWayFailure() {
    files::WriteOptions options;
    options.writeBytes = [](QSaveFile& file, const QByteArray& bytes) {
        file.write(bytes.left(bytes.size() / 2));
        return false;
    };
    return options;
}

bool ReadOnlyBinds(const QString& folder) {
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return false;
    }
    return true;
}

}  // namespace velmora::testing
