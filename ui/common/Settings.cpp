#include "ui/common/Settings.h"

#include <QSettings>

namespace velmora {

Settings::Settings() = default;

Settings::Settings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

Settings::~Settings() = default;

std::shared_ptr<Settings> Settings::ForUser() {
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("velmora"), QStringLiteral("velmora"));
    return std::shared_ptr<Settings>(new Settings(std::move(store)));
}

QVariant Settings::value(QAnyStringView key, const QVariant& fallback) const {
    if (store_) return store_->value(key, fallback);
    return memory_.value(key.toString(), fallback);
}

void Settings::setValue(QAnyStringView key, const QVariant& value) {
    if (store_) store_->setValue(key, value);
    else memory_.insert(key.toString(), value);
}

}  // namespace velmora
