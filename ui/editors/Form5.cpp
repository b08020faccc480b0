#include "ui/editors/Form5.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

#include "chart/TimeLayers.h"
#include "files/FourFile.h"
#include "files/ReferencePath.h"
#include "ui/common/DropDownRows.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/common/TransformationColours.h"
#include "ui/main/Form1.h"

namespace velmora {

namespace {

const QString kMessageTitle = QStringLiteral("編修四化表訊息");

constexpr int kClientWidth = 5775;
constexpr int kClientHeight = 6060;
constexpr int kStemNameLine = 1;  // NameList line of the stem names
constexpr int kStarNameLine = 5;  // NameList line of the names of stars 1..50
constexpr double kHeadingPoints = 9;
constexpr int kNoStar = 0;
constexpr int kStarDigits = 2;

// Columns: caption, left in twips; each heading in its transformation's colour.
struct Heading {
    const char16_t* caption;
    int left;
};
const std::array<Heading, Form5::kTransformations> kHeadings{{
    {u"化祿", 840},
    {u"化權", 2100},
    {u"化科", 3360},
    {u"化忌", 4620},
}};
constexpr int kHeadingTop = 240;
constexpr int kHeadingWidth = 615;
constexpr int kHeadingHeight = 375;
constexpr int kStemLeft = 240;
constexpr int kStemTop = 720;
constexpr int kStemStep = 450;
constexpr int kStemSize = 255;
constexpr int kCellWidth = 975;
constexpr int kCellHeight = 330;
constexpr int kCommand1Left = 1920;
constexpr int kCommand1Top = 5400;
constexpr int kCommand1Width = 1695;
constexpr int kCommand1Height = 495;

QString StarText(const NameList& names, int star) { return QString::fromStdString(names.at(kStarNameLine, star)); }

bool Offered(int star) { return star >= 1 && star <= Form5::kOfferedStars; }

void SetBackground(QComboBox* combo, const QColor& colour) {
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    combo->setPalette(palette);
}

}  // namespace

Form5* Form5::create(Form1& form1) {
    const files::FileStamp stamp = StampBeforeReading(form1.session().folders().readFolder(files::kFourFile), files::kFourFile);
    files::FourLines read = files::ReadFourLines(form1.session().folders().readFolder(files::kFourFile));
    if (read.diagnostics.error) {
        ReportUnreadable(form1.session(), &form1, kMessageTitle, *read.diagnostics.error);
        return nullptr;
    }
    for (const files::FileProblem& warning : read.diagnostics.warnings) {
        qWarning().noquote() << warning.describe();
    }
    auto* editor = new Form5(form1, read.lines);
    editor->rememberRead(stamp);
    return editor;
}

Form5::Form5(Form1& form1, const std::vector<QString>& lines)
    : EditorWindow(form1, QStringLiteral("編修四化表"), kMessageTitle, files::kFourFile) {
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(TwipSize(kClientWidth, kClientHeight));
    buildHeadings();
    LoadData(lines);
    command1_ = new QPushButton(QStringLiteral("儲存"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(TwipRect(kCommand1Left, kCommand1Top, kCommand1Width, kCommand1Height));
    connect(command1_, &QPushButton::clicked, this, &Form5::save);
}

void Form5::buildHeadings() {
    for (int t = 0; t < kTransformations; ++t) {
        const Heading& heading = kHeadings[static_cast<std::size_t>(t)];
        QLabel* label = new QLabel(QString::fromUtf16(heading.caption), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(t));
        label->setFont(MingFont(kHeadingPoints, true));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, TransformationColour(t));
        label->setPalette(palette);
        label->setGeometry(TwipRect(heading.left, kHeadingTop, kHeadingWidth, kHeadingHeight));
        label2_[static_cast<std::size_t>(t)] = label;
    }
}

// Line s of the file is stem s's row, empty lines included; a missing line
// or a pair that is not two digits is a stem without that star.
void Form5::LoadData(const std::vector<QString>& lines) {
    for (std::size_t s = 0; s < lines.size() && s < table_.size(); ++s) {
        const std::array<int, 5> stars = ParseTransformations(lines[s].toStdString());
        for (int t = 0; t < kTransformations; ++t) {
            table_[s][static_cast<std::size_t>(t)] = stars[static_cast<std::size_t>(t + 1)];
        }
    }
    for (int s = 0; s < kStems; ++s) {
        QLabel* stem = new QLabel(QString::fromStdString(session().names.at(kStemNameLine, s + 1)), this);
        stem->setObjectName(QStringLiteral("Label1_%1").arg(s));
        stem->setGeometry(TwipRect(kStemLeft, kStemTop + kStemStep * s, kStemSize, kStemSize));
        label1_[static_cast<std::size_t>(s)] = stem;
    }
    for (int k = 0; k < kCells; ++k) {
        buildCell(k);
    }
    setChangeCount(0);
}

// The list offers stars 1..18. A star the list does not offer is shown by
// name and kept until the user picks another.
void Form5::buildCell(int k) {
    const int s = k / kTransformations;
    const int t = k % kTransformations;
    QComboBox* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("Combo1_%1").arg(k));
    combo->setGeometry(TwipRect(kHeadings[static_cast<std::size_t>(t)].left, kStemTop + kStemStep * s, kCellWidth,
                                kCellHeight));
    for (int star = 1; star <= kOfferedStars; ++star) {
        combo->addItem(StarText(session().names, star));
    }
    SetDropDownRows(*combo, kOfferedStars);
    const int star = table_[static_cast<std::size_t>(s)][static_cast<std::size_t>(t)];
    // The text shown when nothing in the list is chosen, drawn like a chosen star's.
    QPalette palette = combo->palette();
    palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
    combo->setPalette(palette);
    combo->setPlaceholderText(Offered(star) ? QString() : StarText(session().names, star));
    combo->setCurrentIndex(Offered(star) ? star - 1 : -1);
    connect(combo, &QComboBox::activated, this, [this, k](int index) { picked(k, index); });
    combo1_[static_cast<std::size_t>(k)] = combo;
}

void Form5::picked(int k, int index) {
    if (k < 0 || k >= kCells || index < 0 || index >= kOfferedStars) {
        return;
    }
    QComboBox* combo = combo1_[static_cast<std::size_t>(k)];
    combo->setCurrentIndex(index);
    SetBackground(combo, kEditedCellColour);
    countEdit();
    table_[static_cast<std::size_t>(k / kTransformations)][static_cast<std::size_t>(k % kTransformations)] = index + 1;
}

void Form5::save() {
    if (ChangeCount() > 0) {
        SaveFile();
    }
    ReleaseOwner(this, &form1());
}

int Form5::entry(int stem, int column) const {
    if (stem < 1 || stem > kStems || column < 1 || column > kTransformations) {
        return kNoStar;
    }
    return table_[static_cast<std::size_t>(stem - 1)][static_cast<std::size_t>(column - 1)];
}

std::array<QString, kTransformationLines> Form5::lines() const {
    std::array<QString, kTransformationLines> written;
    for (int s = 0; s < kStems; ++s) {
        for (const int star : table_[static_cast<std::size_t>(s)]) {
            written[static_cast<std::size_t>(s)] += QStringLiteral("%1").arg(star, kStarDigits, 10, QLatin1Char('0'));
        }
    }
    return written;
}

QStringList Form5::doubledStars() {
    const NameList& names = session().names;
    QStringList doubled;
    for (int s = 0; s < kStems; ++s) {
        const auto& row = table_[static_cast<std::size_t>(s)];
        for (int c = 0; c < kTransformations; ++c) {
            const int star = row[static_cast<std::size_t>(c)];
            if (star == kNoStar || std::find(row.begin(), row.begin() + c, star) != row.begin() + c) continue;
            QStringList columns;
            for (int d = c; d < kTransformations; ++d) {
                if (row[static_cast<std::size_t>(d)] == star) columns << QString::fromUtf16(kHeadings[static_cast<std::size_t>(d)].caption);
            }
            if (columns.size() < 2) continue;
            doubled << QString::fromStdString(names.at(kStemNameLine, s + 1)) + QStringLiteral("：") +
                           StarText(names, star) + columns.join(QStringLiteral("、"));
        }
    }
    return doubled;
}

bool Form5::confirmWrite() {
    const QStringList doubled = doubledStars();
    if (doubled.isEmpty()) {
        return true;
    }
    return session().messages->question(
        this, kMessageTitle,
        doubled.join(QStringLiteral("；")) +
            QStringLiteral("。同一天干讓一顆星有兩個四化。仍要儲存請按確定；按取消則不存檔，可繼續編修。"));
}

std::optional<files::FileProblem> Form5::writeTable() {
    return files::WriteFour(session().dataFolder, lines(), session().writeOptions);
}

}  // namespace velmora
