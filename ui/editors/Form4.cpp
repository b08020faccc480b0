#include "ui/editors/Form4.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "files/ReferencePath.h"
#include "ui/common/RowLabel.h"
#include "ui/common/Twips.h"
#include "ui/editors/ClickLabel.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/main/Form1.h"

namespace velmora {

namespace {

const QString kMessageTitle = QStringLiteral("編修廟旺表訊息");
const QString kHelpText = QStringLiteral(
    "右方的廟陷，由弱至強，可自行修改名稱，但系統設定七種選擇，也可不設定，恕無法增加。"
    "擊點各框框可進行修改，修改完成後請按儲存，程式不另行提示。");

constexpr int kClientWidth = 13710;
constexpr int kClientHeight = 6480;
constexpr int kBranchNameLine = 2;  // NameList line of the branch names
constexpr int kStarNameLine = 5;    // NameList line of the names of stars 1..50
constexpr int kNoLevel = 0;

using Place = TwipPlace;
constexpr Place kLabel1{120, 120, 7800, 720};
constexpr Place kText1{8040, 240, 375, 375};  // the first level box; the others step right
constexpr int kText1Step = 360;
constexpr Place kCommand1{11160, 240, 1695, 495};
constexpr Place kLine1{120, 840, 13470, 15};
constexpr Place kLab01{600, 960, 300, 600};  // the first star heading; the others step right
constexpr int kColumnStep = 380;
constexpr Place kLab02{120, 1560, 300, 300};  // the first branch heading; the others step down
constexpr int kRowStep = 380;
constexpr int kHeadingRowsAtLeast = 2;  // a star name of up to two characters keeps full-size rows

void PlaceAt(QWidget* widget, const Place& place, int rightBy = 0, int downBy = 0) {
    widget->setGeometry(TwipRect(place.left + rightBy, place.top + downBy, place.width, place.height));
}

QString NameText(const NameList& names, int line, int field) {
    return QString::fromStdString(names.at(line, field));
}

// A star heading is written downwards, one character to a row; a name longer
// than the heading has room for gets shorter rows and a smaller font.
void SetVerticalName(RowLabel* heading, const QString& name) {
    const int rows = std::max<int>(kHeadingRowsAtLeast, static_cast<int>(name.size()));
    const int rowTwips = kLab01.height / rows;
    heading->setRowHeightTwips(rowTwips);
    QFont font = heading->font();
    font.setPixelSize(std::min(font.pixelSize(), TwipsToPixels(rowTwips)));
    heading->setFont(font);
    heading->setText(QStringList(name.split(QString(), Qt::SkipEmptyParts)).join(QLatin1Char('\n')));
}

}  // namespace

Form4* Form4::create(Form1& form1) {
    const files::FileStamp stamp = StampBeforeReading(form1.session().folders().readFolder(files::kMiaFile), files::kMiaFile);
    files::MiaDocumentRead read = files::ReadMiaDocument(form1.session().folders().readFolder(files::kMiaFile));
    if (read.diagnostics.error) {
        ReportUnreadable(form1.session(), &form1, kMessageTitle, *read.diagnostics.error);
        return nullptr;
    }
    for (const files::FileProblem& warning : read.diagnostics.warnings) {
        qWarning().noquote() << warning.describe();
    }
    auto* editor = new Form4(form1, read.document);
    editor->rememberRead(stamp);
    return editor;
}

Form4::Form4(Form1& form1, const files::MiaDocument& document)
    : EditorWindow(form1, QStringLiteral("編修廟旺表"), kMessageTitle, files::kMiaFile),
      script_(form1.session().script) {
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(TwipSize(kClientWidth, kClientHeight));
    buildTopRow();
    label1_->setText(kHelpText);
    InputText(document);
    setChangeCount(0);  // filling the boxes is not an edit
}

void Form4::buildTopRow() {
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceAt(label1_, kLabel1);
    for (int i = 0; i < kLevelCount; ++i) {
        QLineEdit* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(1);  // a level name is one character of the level line
        box->setAlignment(Qt::AlignCenter);
        PlaceAt(box, kText1, kText1Step * i);
        // A new name shows in a cell the next time that cell is clicked.
        connect(box, &QLineEdit::textEdited, this, [this] { setChangeCount(1); });
        text1_[static_cast<std::size_t>(i)] = box;
    }
    command1_ = new QPushButton(QStringLiteral("儲存變更"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    PlaceAt(command1_, kCommand1);
    connect(command1_, &QPushButton::clicked, this, &Form4::saveChanges);
    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    PlaceAt(line1_, kLine1);
}

void Form4::InputText(const files::MiaDocument& document) {
    const NameList& names = session().names;
    for (int r = 0; r < kRows; ++r) {
        QLabel* heading = new QLabel(NameText(names, kBranchNameLine, r + 1), this);
        heading->setObjectName(QStringLiteral("LAB02_%1").arg(r));
        heading->setAlignment(Qt::AlignCenter);
        if (r > 0) {
            heading->setToolTip(QString::number(r));
        }
        PlaceAt(heading, kLab02, 0, kRowStep * r);
        lab02_[static_cast<std::size_t>(r)] = heading;
    }
    document_ = document;
    for (int i = 0; i < kLevelCount; ++i) {
        text1_[static_cast<std::size_t>(i)]->setText(script_->text(document.levelNames[static_cast<std::size_t>(i)]));
    }
    RunTextK();
}

void Form4::RunTextK() {
    for (int c = 0; c < kColumns; ++c) {
        buildColumn(c);
    }
}

// Column c shows table row c + 1. A column the file has no star row for is
// shown empty and cannot be clicked.
void Form4::buildColumn(int c) {
    const files::MiaRow* row = columnRow(c);
    RowLabel* heading = new RowLabel(this);
    heading->setObjectName(QStringLiteral("LAB01_%1").arg(c));
    heading->setAlignment(Qt::AlignHCenter);
    PlaceAt(heading, kLab01, kColumnStep * c);
    if (row != nullptr) {
        const QString name = NameText(session().names, kStarNameLine, row->star);
        SetVerticalName(heading, name.isEmpty() ? QString::number(row->star) : name);
    }
    lab01_[static_cast<std::size_t>(c)] = heading;
    for (int r = 0; r < kRows; ++r) {
        const int k = kRows * c + r;
        ClickLabel* cell = new ClickLabel(this);
        cell->setObjectName(QStringLiteral("LAB03_%1").arg(k));
        cell->setToolTip(QString::number(k));
        cell->setFrameShape(QFrame::Box);
        cell->setAlignment(Qt::AlignCenter);
        cell->setAutoFillBackground(true);
        cell->setBackgroundRole(QPalette::Window);
        cell->setGeometry(TwipRect(kLab01.left + kColumnStep * c, kLab02.top + kRowStep * r, kLab02.width,
                                   kLab02.height));
        cell->setEnabled(row != nullptr);
        if (row != nullptr) {
            cell->setText(levelCaption(row->levels[static_cast<std::size_t>(r)]));
        }
        connect(cell, &ClickLabel::clicked, this, [this, k] { cellClicked(k); });
        lab03_[static_cast<std::size_t>(k)] = cell;
    }
}

const files::MiaRow* Form4::columnRow(int c) const {
    if (c < 0 || c >= static_cast<int>(document_.rows.size())) {
        return nullptr;
    }
    const files::MiaRow& row = document_.rows[static_cast<std::size_t>(c)];
    return row.star == 0 ? nullptr : &row;
}

QString Form4::levelCaption(int level) const {
    return level == kNoLevel ? QString() : text1_[static_cast<std::size_t>(level - 1)]->text();
}

void Form4::cellClicked(int k) {
    if (k < 0 || k >= kCells || columnRow(k / kRows) == nullptr) {
        return;
    }
    countEdit();
    ClickLabel* cell = lab03_[static_cast<std::size_t>(k)];
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, kEditedCellColour);
    cell->setPalette(palette);
    std::int8_t& stored = document_.rows[static_cast<std::size_t>(k / kRows)].levels[static_cast<std::size_t>(k % kRows)];
    stored = static_cast<std::int8_t>(stored >= files::kHighestLevel ? kNoLevel : stored + 1);
    cell->setText(levelCaption(stored));
}

void Form4::saveChanges() {
    ReleaseOwner(this, &form1());
    if (ChangeCount() > 0) {
        SaveFile();
    }
}

int Form4::level(int k) const {
    const files::MiaRow* row = (k >= 0 && k < kCells) ? columnRow(k / kRows) : nullptr;
    return row == nullptr ? kNoLevel : row->levels[static_cast<std::size_t>(k % kRows)];
}

files::MiaDocument Form4::document() const {
    files::MiaDocument shown = document_;
    for (int i = 0; i < kLevelCount; ++i) {
        shown.levelNames[static_cast<std::size_t>(i)] = storedLevelName(i);
    }
    return shown;
}

// Mia keeps its level names in Traditional: a name left as shown is saved as
// it was read, one typed in Simplified is saved in its Traditional form.
QString Form4::storedLevelName(int i) const {
    const QString& read = document_.levelNames[static_cast<std::size_t>(i)];
    const QString typed = text1_[static_cast<std::size_t>(i)]->text();
    return typed == script_->text(read) ? read : script_->traditional(typed);
}

std::optional<files::FileProblem> Form4::writeTable() {
    return files::WriteMiaDocument(session().dataFolder, document(), session().writeOptions);
}

}  // namespace velmora
