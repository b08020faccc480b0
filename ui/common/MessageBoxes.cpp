#include "ui/common/MessageBoxes.h"

#include <QMessageBox>

namespace velmora {

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void ScriptedMessageBoxes::information(QWidget*, const QString& title, const QString& text) {
    shown_.push_back({Kind::Information, title, text});
}

bool ScriptedMessageBoxes::question(QWidget*, const QString& title, const QString& text) {
    shown_.push_back({Kind::Question, title, text});
    if (answers_.empty()) {
        return defaultAnswer;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace velmora
