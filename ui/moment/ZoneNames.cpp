#include "ui/moment/ZoneNames.h"

#include <QLocale>
#include <QTimeZone>

#include <array>

#include "ui/common/ShownScript.h"

namespace velmora {

namespace {

// Columns: IANA zone, its name in Traditional. Zones where the locale's own
// name is wrong for our readers: none at all (Urumqi's is "GMT+06:00"), or
// one shared with another zone offered beside it (Macau's "中國標準時間").
struct OwnName {
    const char* zone;
    const char16_t* name;
};
constexpr std::array<OwnName, 3> kOwnNames{{
    {"Asia/Shanghai", u"北京時間"},
    {"Asia/Macau", u"澳門時間"},
    {"Asia/Urumqi", u"新疆時間（烏魯木齊）"},
}};

// ICU names a zone it has no words for by its offset from Greenwich.
const QString kOffsetOnly = QStringLiteral("GMT");

QLocale LocaleOf(Script script) {
    return script == Script::Simplified ? QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China)
                                        : QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
}

}  // namespace

QString ZoneCaption(const QString& zone, Script script) {
    for (const OwnName& own : kOwnNames) {
        if (zone == QLatin1String(own.zone)) {
            const QString name = QString::fromUtf16(own.name);
            return script == Script::Simplified ? SimplifiedText(name) : name;
        }
    }
    const QTimeZone timeZone(zone.toUtf8());
    if (!timeZone.isValid() || zone.startsWith(QLatin1String("UTC"))) return zone;
    const QString name = timeZone.displayName(QTimeZone::GenericTime, QTimeZone::LongName, LocaleOf(script));
    return name.isEmpty() || name.startsWith(kOffsetOnly) ? zone : name;
}

}  // namespace velmora
