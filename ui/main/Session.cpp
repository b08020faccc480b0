#include "ui/main/Session.h"

#include <utility>

namespace velmora {

Session::Session(QString folder, std::shared_ptr<MessageBoxes> boxes)
    : hourLabels(MakeHourLabels()),
      programFolder(folder),
      dataFolder(std::move(folder)),
      messages(std::move(boxes)),
      now([] { return QDateTime::currentDateTime(); }) {}

}  // namespace velmora
