#include "ui/common/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora {

namespace {
// Qt's widgets take their words from qtbase's catalogue.
const QString kCatalogue = QStringLiteral("qtbase_");

// The one translator installed, kept for the program's life and reloaded on a switch.
QTranslator& InstalledTranslator() {
    static QTranslator translator;
    return translator;
}
}  // namespace

QString QtTranslationLocale(Script script) {
    return script == Script::Simplified ? QStringLiteral("zh_CN") : QStringLiteral("zh_TW");
}

bool ShowQtWordsIn(Script script) {
    QTranslator& translator = InstalledTranslator();
    QCoreApplication::removeTranslator(&translator);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator.load(kCatalogue + QtTranslationLocale(script), folder)) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace velmora
