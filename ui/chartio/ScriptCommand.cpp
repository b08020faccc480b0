#include "ui/chartio/ScriptCommand.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

#include "ui/board/BoardLabels.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartHost.h"
#include "ui/common/Fonts.h"
#include "ui/common/QtTranslations.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {
// Shown the same in both scripts, so the command reads alike either way.
const QString kCommandCaption = QStringLiteral("简体");
}  // namespace

Script ScriptFromSettings(const Settings& settings) {
    const QString key = settings.value(settings_keys::kScript).toString();
    return ScriptFromKey(key.toStdString()).value_or(Script::Traditional);
}

ScriptCommand::ScriptCommand(ChartHost& form) : QObject(&form.hostWidget()), form_(form) {
    Session& session = form.session();
    session.script->setScript(ScriptFromSettings(*session.settings));
    ShowTablesInScript(session);
    board::ShowMarkCaptionsIn(session.script->script());
    ShowQtWordsIn(session.script->script());
    UseFontsFor(session.script->script());
    action_ = new QAction(kCommandCaption, this);
    action_->setCheckable(true);
    action_->setChecked(session.script->simplified());
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    action_->setShortcutContext(Qt::WindowShortcut);
    form.hostWidget().addAction(action_);
    QMenu* menu = form.chartCommands().menu();
    menu->addSeparator();
    menu->addAction(action_);
    connect(action_, &QAction::toggled, this,
            [this](bool simplified) { setScript(simplified ? Script::Simplified : Script::Traditional); });
    qApp->installEventFilter(this);
}

void ScriptCommand::setScript(Script script) {
    Session& session = form_.session();
    if (action_->isChecked() != (script == Script::Simplified)) {
        action_->setChecked(script == Script::Simplified);  // comes back here through toggled
        return;
    }
    if (session.script->script() == script) {
        return;
    }
    session.script->setScript(script);
    session.settings->setValue(settings_keys::kScript, QString::fromUtf8(ScriptKey(script)));
    ShowTablesInScript(session);
    board::ShowMarkCaptionsIn(script);
    ShowQtWordsIn(script);
    UseFontsFor(script);
    form_.recomputeChart();
    showWindows();
}

void ScriptCommand::showWindows() const {
    const ShownScript& shown = *form_.session().script;
    RefontWidgets(&form_.hostWidget());
    shown.applyTo(&form_.hostWidget());
    shown.applyTo(form_.chartCommands().menu());  // a popup of its own, not the window's child
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &form_.hostWidget() && ownsWindow(window)) {
            RefontWidgets(window);
            shown.applyTo(window);
        }
    }
}

bool ScriptCommand::ownsWindow(const QObject* window) const {
    for (const QObject* up = window; up != nullptr; up = up->parent()) {
        if (up == &form_.hostWidget()) {
            return true;
        }
    }
    return false;
}

bool ScriptCommand::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && (widget == &form_.hostWidget() || ownsWindow(widget))) {
            RefontWidgets(widget);
            form_.session().script->applyTo(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
