#include "ui/schools/SchoolDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "output/ConventionWords.h"
#include "ui/common/DropDownRows.h"

namespace velmora {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString GroupTitle(ConventionGroup group) {
    return group == ConventionGroup::natal ? QStringLiteral("本命") : QStringLiteral("運限");
}

// The descriptions wrap at this many characters, so the widest value of any
// profile fits without the dialog growing when a profile is chosen.
constexpr int kWordsWidthInCharacters = 20;

// A value's short words shown, its file and command-line spelling in the tooltip.
void AddValues(QComboBox* values, const ConventionSwitch& s) {
    for (int v = 0; v < s.valueCount; ++v) {
        values->addItem(Utf8(tool::ValueName(s.key, v)));
        values->setItemData(v, Utf8(s.name) + QLatin1Char('=') + Utf8(s.values[v]), Qt::ToolTipRole);
    }
    values->setToolTip(Utf8(s.name));
    values->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

// A wrapping description label as high as its longest value needs, so no
// choice clips it or moves the rows below.
QLabel* WordsLabel(const ConventionSwitch& s, QWidget* parent) {
    auto* words = new QLabel(parent);
    words->setObjectName(QStringLiteral("ConventionWords_") + Utf8(s.name));
    words->setWordWrap(true);
    const int width = words->fontMetrics().horizontalAdvance(QString(kWordsWidthInCharacters, QChar(0x570B)));
    words->setFixedWidth(width);
    int height = 0;
    for (int v = 0; v < s.valueCount; ++v) {
        words->setText(Utf8(tool::ValueWord(s.key, v)));
        height = std::max(height, words->heightForWidth(width));
    }
    words->setMinimumHeight(height);
    return words;
}

}  // namespace

SchoolDialog::SchoolDialog(const SchoolChoice& school, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SchoolDialog"));
    setWindowTitle(QStringLiteral("流派"));
    auto* layout = new QVBoxLayout(this);
    layout_ = layout;
    auto* profileRow = new QHBoxLayout;
    profile_ = new QComboBox(this);
    profile_->setObjectName(QStringLiteral("ProfileCombo"));
    SpaceRows(*profile_);
    for (const ConventionProfile& p : ConventionProfiles()) {
        profile_->addItem(Utf8(tool::ProfileWord(p.name)), Utf8(p.name));
        profile_->setItemData(profile_->count() - 1, Utf8(p.name), Qt::ToolTipRole);
    }
    profile_->setCurrentIndex(std::max(0, profile_->findData(school.profile)));
    profileRow->addWidget(new QLabel(QStringLiteral("流派："), this));
    profileRow->addWidget(profile_, 1);
    layout->addLayout(profileRow);
    layout->addWidget(buildGroup(ConventionGroup::natal));
    layout->addWidget(buildGroup(ConventionGroup::layers));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("確定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(profile_, &QComboBox::currentIndexChanged, this, &SchoolDialog::profileChosen);
    showConventions(school.conventions);
}

void SchoolDialog::offerRecord(const QString& name, bool carriesSchool) {
    auto* row = new QHBoxLayout;
    auto* apply = new QPushButton(QStringLiteral("套用到「%1」的資料").arg(name), this);
    apply->setObjectName(QStringLiteral("ApplyToRecord"));
    apply->setToolTip(QStringLiteral("把上面的流派存進這筆資料，這筆資料從此依它排盤。"));
    auto* clear = new QPushButton(QStringLiteral("清除"), this);
    clear->setObjectName(QStringLiteral("ClearRecordSchool"));
    clear->setToolTip(QStringLiteral("移除這筆資料自己的流派，改依設定排盤。"));
    clear->setEnabled(carriesSchool);
    row->addWidget(apply, 1);
    row->addWidget(clear);
    layout_->insertLayout(layout_->count() - 1, row);  // above 確定 / 取消
    connect(apply, &QPushButton::clicked, this, [this] { done(ApplyToRecord); });
    connect(clear, &QPushButton::clicked, this, [this] { done(ClearRecord); });
}

QWidget* SchoolDialog::buildGroup(ConventionGroup group) {
    auto* box = new QGroupBox(GroupTitle(group), this);
    auto* form = new QFormLayout(box);
    for (const ConventionSwitch& s : ConventionSwitches()) {
        if (s.group != group) continue;
        const int k = static_cast<int>(s.key);
        auto* values = new QComboBox(box);
        values->setObjectName(QStringLiteral("Convention_") + Utf8(s.name));
        SpaceRows(*values);
        AddValues(values, s);
        QLabel* words = WordsLabel(s, box);
        auto* row = new QHBoxLayout;
        row->addWidget(values);
        row->addWidget(words);
        form->addRow(Utf8(tool::SwitchWord(s.key)) + QStringLiteral("："), row);
        values_[k] = values;
        words_[k] = words;
        connect(values, &QComboBox::currentIndexChanged, this, [this, key = s.key] { describe(key); });
    }
    return box;
}

void SchoolDialog::profileChosen(int index) {
    const auto profiles = ConventionProfiles();
    if (index >= 0 && index < static_cast<int>(profiles.size())) showConventions(profiles[index].conventions);
}

void SchoolDialog::showConventions(const Conventions& conventions) {
    for (const ConventionSwitch& s : ConventionSwitches()) {
        QComboBox* box = values_[static_cast<int>(s.key)];
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(conventions.choice(s.key));
        describe(s.key);
    }
}

void SchoolDialog::describe(ConventionKey key) {
    const int k = static_cast<int>(key);
    words_[k]->setText(Utf8(tool::ValueWord(key, values_[k]->currentIndex())));
}

SchoolChoice SchoolDialog::choice() const {
    SchoolChoice school;
    school.profile = profile_->currentData().toString();
    for (const ConventionSwitch& s : ConventionSwitches()) school.conventions.set(s.key, values_[static_cast<int>(s.key)]->currentIndex());
    return school;
}

}  // namespace velmora
