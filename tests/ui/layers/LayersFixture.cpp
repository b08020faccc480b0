#include "tests/ui/layers/LayersFixture.h"

#include <QFile>
#include <QLabel>

#include "chart/TimeLayers.h"
#include "ui/common/RowLabel.h"
#include "ui/board/ChartFill.h"
#include "ui/board/PalaceBoard.h"
#include "ui/board/TransformationMarks.h"

namespace velmora::testing {

namespace {
const board::LabelStyle& StarListStyle() { return board::PalaceSetStyle(board::PalaceSet::Lab04); }
}  // namespace

void LayersTest::chart(const Record& record) {
    if (form == nullptr) {
        start(QDateTime(QDate(2024, 5, 14), QTime(12, 0)));
    }
    ChartRecord(*form, record);
}

QString LayersTest::starList(int b) const {
    return form->board().palaceLabel(board::PalaceSet::Lab04, b)->text();
}

QString LayersTest::flowingLine(int b) const {
    return form->board().palaceLabel(board::PalaceSet::LAB02, b)->text();
}

board::Point LayersTest::expectedMarkPlace(int star) const {
    const int b = form->session().chart.StarTable[static_cast<std::size_t>(star)].branch - 1;
    const board::Point corner = board::BoxCorner(b);
    const int line = LineOfName(starList(b), NameOf(form->session().names, marks::kStarListLine, star));
    return {corner.x + StarListStyle().x + marks::kMarkLeftTwips,
            corner.y + StarListStyle().y + board::kStarRowTwips * line};
}

std::array<int, kMarks> LayersTest::starsOfStem(int stem) const {
    const auto parsed = ParseTransformations(form->session().transformations.lines[static_cast<std::size_t>(stem)]);
    return {parsed[1], parsed[2], parsed[3], parsed[4]};
}

void LayersTest::expectMarksOfStem(int stem) const {
    EXPECT_EQ(form->session().MarkStem, stem);
    const std::array<int, kMarks> stars = starsOfStem(stem);
    for (int k = 0; k < kMarks; ++k) {
        const int star = stars[static_cast<std::size_t>(k)];
        EXPECT_EQ(form->session().CurrentTransformations[static_cast<std::size_t>(k + 1)], star);
        EXPECT_FALSE(form->board().mark(k)->isHidden()) << "mark " << k;
        EXPECT_EQ(form->board().markPlace(k), expectedMarkPlace(star)) << "mark " << k << ", star " << star;
    }
}

int LineOfName(const QString& caption, const QString& name) {
    const qsizetype at = caption.indexOf(name);
    return at < 0 ? -1 : static_cast<int>(caption.left(at).count(QStringLiteral("\r\n")));
}

void WriteFourWithFirstLine(const ProgramFolder& folder, const QByteArray& firstLine) {
    QFile shipped(QStringLiteral(VELMORA_DATA_DIR "/Four"));
    if (!shipped.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read the shipped Four";
        return;
    }
    QByteArray bytes = shipped.readAll();
    bytes.replace(0, bytes.indexOf("\r\n"), firstLine);
    folder.write(QStringLiteral("Four"), bytes);
}

}  // namespace velmora::testing
