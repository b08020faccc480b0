#pragma once
// A record window over four people, three of them with a case in
// Cases.sqlite: the library the filter and exchange tests work on.

#include <QLineEdit>
#include <QTreeWidget>

#include "cases/CaseStore.h"
#include "tests/ui/records/RecordWindowFixture.h"

namespace velmora::testing {

// User in file order; 王小明 carries his case's id, the others are matched by their fields.
inline const QString kMingId = QStringLiteral("7f1c2a8e-0000-4000-8000-000000000001");
inline const QStringList kLibraryPeople{
    QStringLiteral("王小明\t男\t1984\t2\t2\t") + kHorse + QStringLiteral("\tid=") + kMingId,
    QStringLiteral("李美華\t女\t1990\t11\t5\t") + kRat,
    QStringLiteral("王大同\t男\t1975\t3\t20\t亥  (21:00-22:59)"),
    QStringLiteral("陳一\t女\t2001\t9\t30\t寅  (03:00-04:59)"),
};

inline cases::PersonKey Person(const QString& line) {
    const QStringList f = line.split(QLatin1Char('\t'));
    return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

// Columns: id, person, notes, tags, source, grade, events (the store takes "" but no null text).
inline std::vector<cases::CaseEntry> LibraryCases() {
    const QString none = QStringLiteral("");
    const auto event = [](const char16_t* text) { return cases::CaseEvent{QStringLiteral("2010-05-01"), {}, QString::fromUtf16(text)}; };
    return {
        {kMingId, Person(kLibraryPeople[0]), QStringLiteral("命宮紫微，事業順利"), {QStringLiteral("家人"), QStringLiteral("學員")},
         none, QStringLiteral("AA"), {event(u"結婚")}, {}, {}},
        {QStringLiteral("c-li"), Person(kLibraryPeople[1]), QStringLiteral("婚姻多波折"), {QStringLiteral("客戶")},
         none, QStringLiteral("B"), {}, {}, {}},
        {QStringLiteral("c-chen"), Person(kLibraryPeople[3]), none, {QStringLiteral("學員")},
         none, QStringLiteral("X"), {event(u"考上大學")}, {}, {}},
    };
}

class CaseLibraryTest : public RecordWindowTest {
protected:
    void startLibrary() {
        {
            cases::CaseOpen opened = cases::CaseStore::Open(folder_.path());
            ASSERT_TRUE(std::holds_alternative<std::unique_ptr<cases::CaseStore>>(opened));
            const cases::CaseWrite wrote = std::get<std::unique_ptr<cases::CaseStore>>(opened)->saveAll(LibraryCases());
            ASSERT_FALSE(wrote) << wrote->describe().toStdString();
        }
        start(kLibraryPeople);
        ASSERT_TRUE(form2);
    }
    // Chooses the entry whose data is `value` ("" for 全部) in a filter box.
    void choose(const QString& filter, const QString& value) {
        auto* combo = find<QComboBox>(filter);
        const int at = combo->findData(value);
        ASSERT_GE(at, 0) << value.toStdString();
        combo->setCurrentIndex(at);
    }
};

}  // namespace velmora::testing
