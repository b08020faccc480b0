#pragma once
// The brightness-table editor: the seven level names and, for the first
// twenty star rows of Mia, the level each star has in each branch. It edits a
// copy of the file and writes the whole file back; rows it does not show are
// written back as they were read.

#include <array>
#include <memory>
#include <optional>

#include "files/MiaDocument.h"
#include "ui/common/ShownScript.h"
#include "ui/editors/EditorWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class ClickLabel;
class RowLabel;

class Form4 : public EditorWindow {
    Q_OBJECT
public:
    static constexpr int kColumns = files::kEditedMiaRows;  // star columns, table rows 1..20
    static constexpr int kRows = files::kBranchCount;       // branch rows 子..亥
    static constexpr int kCells = kColumns * kRows;         // cell k = 12 × column + row

    // Reads Mia and makes the editor; nullptr, after telling the user which
    // file could not be read and where, when there is nothing to edit.
    static Form4* create(Form1& form1);

    Form4(Form1& form1, const files::MiaDocument& document);

    // A click on cell k: the next level, after 7 none, after none level 1.
    void cellClicked(int k);
    // "儲存變更": enables the main window, then saves when there are edits.
    void saveChanges();

    // The level of cell k, 0..7; 0 for a cell without a star.
    int level(int k) const;
    // The table as it would be written now.
    files::MiaDocument document() const;
    // Level name `i` as Mia is to hold it.
    QString storedLevelName(int i) const;

protected:
    std::optional<files::FileProblem> writeTable() override;

private:
    std::shared_ptr<const ShownScript> script_;  // the level names are shown and typed in it
    void buildTopRow();
    // The branch headings, the level names and the table, then RunTextK.
    void InputText(const files::MiaDocument& document);
    // The star headings and the 240 cells from the table.
    void RunTextK();
    void buildColumn(int c);
    // The star row shown in column c, or nullptr for a column the file has no star for.
    const files::MiaRow* columnRow(int c) const;
    QString levelCaption(int level) const;

    files::MiaDocument document_;  // StarLevelTable: every row of the file, in file order
    QLabel* label1_ = nullptr;
    std::array<QLineEdit*, kLevelCount> text1_{};
    QPushButton* command1_ = nullptr;
    QFrame* line1_ = nullptr;
    std::array<RowLabel*, kColumns> lab01_{};
    std::array<QLabel*, kRows> lab02_{};
    std::array<ClickLabel*, kCells> lab03_{};
};

}  // namespace velmora
