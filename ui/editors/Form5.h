#pragma once
// The transformation-table editor: for each of the ten stems, the stars that
// take 化祿, 化權, 化科 and 化忌, picked from stars 1..18. It edits a copy of
// Four and writes all ten lines back.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

#include "chart/ReferenceData.h"
#include "ui/editors/EditorWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class Form5 : public EditorWindow {
    Q_OBJECT
public:
    static constexpr int kStems = kTransformationLines;      // rows 甲..癸
    static constexpr int kTransformations = 4;               // columns 化祿 化權 化科 化忌
    static constexpr int kCells = kStems * kTransformations;  // cell k = 4 × stem row + column
    static constexpr int kOfferedStars = 18;                  // each list offers stars 1..18

    // Reads Four and makes the editor; nullptr, after telling the user which
    // file could not be read and where, when there is nothing to edit.
    static Form5* create(Form1& form1);

    Form5(Form1& form1, const std::vector<QString>& lines);

    // The user's pick in cell k: list position `index` (0 = star 1).
    void picked(int k, int index);
    // "儲存": saves when there are edits, then enables the main window.
    void save();

    // The star of stem 1..10 in column 1..4; 0 for none.
    int entry(int stem, int column) const;
    // The ten lines as they would be written now.
    std::array<QString, kTransformationLines> lines() const;

protected:
    std::optional<files::FileProblem> writeTable() override;
    // A stem giving one star two transformations is written only when the user agrees.
    bool confirmWrite() override;

private:
    void buildHeadings();
    // Reads the lines into the table and builds the stem rows and the 40 cells.
    void LoadData(const std::vector<QString>& lines);
    void buildCell(int k);
    // "庚：天同化科、化忌" for each stem that gives one star more than one transformation.
    QStringList doubledStars();

    // TransformEditTable: [stem row 0..9][column 0..3] = star number, 0 for none.
    std::array<std::array<int, kTransformations>, kStems> table_{};
    std::array<QLabel*, kTransformations> label2_{};
    std::array<QLabel*, kStems> label1_{};
    std::array<QComboBox*, kCells> combo1_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace velmora
