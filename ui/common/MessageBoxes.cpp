#include "ui/common/MessageBoxes.h"

#include <utility>

#include "ui/common/ShownScript.h"

#include <QMessageBox>
#include <QTimer>

#include "ui/common/SecondaryWindow.h"

namespace velmora {

ScriptedBoxes::ScriptedBoxes(std::shared_ptr<MessageBoxes> boxes, std::shared_ptr<const ShownScript> script)
    : boxes_(std::move(boxes)), script_(std::move(script)) {}

void ScriptedBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    boxes_->information(parent, script_->text(title), script_->text(text));
}

bool ScriptedBoxes::question(QWidget* parent, const QString& title, const QString& text) {
    return boxes_->question(parent, script_->text(title), script_->text(text));
}

namespace {

// The window a box stands over: the asking window, or, while that is not on
// screen yet (a record window still loading), the nearest window that owns
// it. The main window at its start is brought on screen first.
QWidget* BoxOwner(QWidget* parent) {
    if (parent == nullptr) {
        return nullptr;
    }
    QWidget* owner = parent->window();
    while (!owner->isVisible() && owner->parentWidget() != nullptr) {
        owner = owner->parentWidget()->window();
    }
    BringOnScreen(owner);
    return owner;
}

// The box opens centred over its owner, raised and active, also when the
// owner is a disabled main window. It is placed once shown, when its size is
// known: QDialog's own placing trusts an owner just brought on screen to sit
// where the window manager has not put it yet.
int Run(QMessageBox& box) {
    box.setEnabled(true);
    QTimer::singleShot(0, &box, [&box] {
        if (const QWidget* owner = box.parentWidget()) {
            CentreOn(&box, owner->window());
        }
        RaiseAndActivate(&box);
    });
    return box.exec();
}

}  // namespace

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, BoxOwner(parent));
    Run(box);
}

bool QtMessageBoxes::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok | QMessageBox::Cancel, BoxOwner(parent));
    box.setDefaultButton(QMessageBox::Ok);
    return Run(box) == QMessageBox::Ok;
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
