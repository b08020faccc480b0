#include <QCoreApplication>

#include "moment/BirthMoment.h"

namespace velmora::moment {

// Each row: the basis, its key in User and on the command line, its label.
struct BasisRow {
    Basis basis;
    const char* key;
    const char* label;
};
static constexpr BasisRow kBasisRows[] = {
    {Basis::Clock, "clock", "鐘錶時間"},
    {Basis::Standard, "standard", "標準時間"},
    {Basis::MeanSolar, "mean", "地方平太陽時"},
    {Basis::TrueSolar, "true", "真太陽時"},
};

QString BasisKey(Basis basis) {
    for (const BasisRow& row : kBasisRows) {
        if (row.basis == basis) return QString::fromLatin1(row.key);
    }
    return QStringLiteral("clock");
}

std::optional<Basis> BasisFromKey(QStringView key) {
    for (const BasisRow& row : kBasisRows) {
        if (key == QLatin1String(row.key)) return row.basis;
    }
    return std::nullopt;
}

QString BasisLabel(Basis basis) {
    for (const BasisRow& row : kBasisRows) {
        if (row.basis == basis) return QCoreApplication::translate("velmora::moment", row.label);
    }
    return {};
}

}  // namespace velmora::moment
