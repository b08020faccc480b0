// Velmora: the program folder holds ProperN, Mia, Four and User; the main
// window runs the program and ends it when it closes.

#include <QApplication>
#include <QStandardPaths>

#include <memory>

#include "app/AppIcon.h"
#include "files/FileFolders.h"
#include "ui/common/MessageBoxes.h"
#include "ui/main/Form1.h"
#include "ui/main/WindowZoom.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(velmora::AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    velmora::Session session(QCoreApplication::applicationDirPath(), std::make_shared<velmora::QtMessageBoxes>());
    session.settings = velmora::Settings::ForUser();
    session.dataFolder = velmora::files::FoldersFor(session.programFolder,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).data;
    velmora::Form1 window(std::move(session));
    if (!window.startUp()) {
        return 1;  // the name list could not be read; the user has been told why
    }
    window.zoom().restore();
    window.show();
    return QApplication::exec();
}
