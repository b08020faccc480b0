#pragma once
// "流派…": the profile list and every switch, grouped 本命 / 運限, each with
// the value chosen and one line saying what it does. Choosing a profile sets
// every switch to it; a switch changed after that is kept apart from it.

#include <QDialog>

#include <array>

#include "ui/main/SchoolSettings.h"

class QComboBox;
class QLabel;

namespace velmora {

class SchoolDialog : public QDialog {
    Q_OBJECT
public:
    explicit SchoolDialog(const SchoolChoice& school, QWidget* parent = nullptr);
    SchoolChoice choice() const;

    QComboBox* profileBox() const { return profile_; }
    QComboBox* switchBox(ConventionKey key) const { return values_[static_cast<int>(key)]; }

private:
    QWidget* buildGroup(ConventionGroup group);
    void profileChosen(int index);
    void showConventions(const Conventions& conventions);
    void describe(ConventionKey key);

    QComboBox* profile_ = nullptr;
    std::array<QComboBox*, kConventionCount> values_{};
    std::array<QLabel*, kConventionCount> words_{};
};

}  // namespace velmora
