#include "cases/CaseEntry.h"

#include <QDateTime>

#include <algorithm>

#include "files/UserFile.h"

namespace velmora::cases {

bool IsGrade(const QString& grade) { return std::find(kGrades.begin(), kGrades.end(), grade) != kGrades.end(); }

PersonKey KeyOf(const files::BirthRecord& record) {
    return {record.name, record.gender, record.year, record.month, record.day, record.hour};
}

QString NowStamp() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs); }

}  // namespace velmora::cases
