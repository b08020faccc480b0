#include "ui/session/Session.h"

#include <utility>

#include "script/ScriptedNames.h"

namespace velmora {

Session::Session(QString folder, std::shared_ptr<MessageBoxes> boxes)
    : hourLabels(MakeHourLabels()),
      programFolder(folder),
      dataFolder(std::move(folder)),
      messages(std::make_shared<ScriptedBoxes>(std::move(boxes), script)),
      now([] { return QDateTime::currentDateTime(); }) {}

void ShowTablesInScript(Session& session) {
    const Script script = session.script->script();
    session.names = NamesIn(script, session.namesAsRead);
    session.hourLabels = HourLabelsIn(script, MakeHourLabels());
    session.brightness = LevelNamesIn(script, session.brightnessAsRead);
}

}  // namespace velmora
