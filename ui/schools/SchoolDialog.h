#pragma once
// "流派…": the profile list and every switch, grouped 本命 / 運限, each with
// the value chosen and one line saying what it does. Choosing a profile sets
// every switch to it; a switch changed after that is kept apart from it.

#include <QDialog>

#include <array>

#include "ui/schools/SchoolSettings.h"

class QComboBox;
class QLabel;
class QVBoxLayout;

namespace velmora {

class SchoolDialog : public QDialog {
    Q_OBJECT
public:
    // How the dialog closed besides 確定 and 取消: the chosen school set on the
    // charted record's own data, or the record's school removed.
    enum RecordResult { ApplyToRecord = QDialog::Accepted + 1, ClearRecord };

    explicit SchoolDialog(const SchoolChoice& school, QWidget* parent = nullptr);
    SchoolChoice choice() const;
    // Offers "套用到「NAME」的資料" and "清除" (the latter when the record carries a school).
    void offerRecord(const QString& name, bool carriesSchool);

    QComboBox* profileBox() const { return profile_; }
    QComboBox* switchBox(ConventionKey key) const { return values_[static_cast<int>(key)]; }

private:
    QWidget* buildGroup(ConventionGroup group);
    void profileChosen(int index);
    void showConventions(const Conventions& conventions);
    void describe(ConventionKey key);

    QComboBox* profile_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    std::array<QComboBox*, kConventionCount> values_{};
    std::array<QLabel*, kConventionCount> words_{};
};

}  // namespace velmora
