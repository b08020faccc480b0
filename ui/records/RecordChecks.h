#pragma once
// What keeps a record from being stored or charted, in words for the user:
// a year, month, day or period not picked (or one a stored line holds that
// the combos cannot offer), and a name the User file cannot hold.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmora {

// The four birth combos: year, month, day, period.
inline constexpr int kBirthParts = 4;

struct BirthPartState {
    bool picked = false;  // the combo has a selection
    // The text a selected record held for this part when the combo could not
    // offer it; unset when the part did not come from such a record.
    std::optional<QString> storedText;
};

using BirthPartStates = std::array<BirthPartState, kBirthParts>;

// One phrase per unpicked part: "沒有選擇年份、時辰", "這筆資料的月份「13」無法使用",
// "這筆資料沒有時辰". Empty when all four are picked.
QStringList BirthPartProblems(const BirthPartStates& parts);

// Why `name` cannot be stored in User (a TAB or line break, or a character
// Big5 cannot hold); unset when it can.
std::optional<QString> NameProblem(const QString& name);

// The question offering `traditional` for a typed name Big5 cannot hold.
QString TraditionalNameOffer(const QString& typed, const QString& traditional);

// The notice for the problems: the phrases, then what to do before pressing
// `button` again.
QString RefusalText(const QStringList& problems, const QString& button);

}  // namespace velmora
