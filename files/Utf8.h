#pragma once
// The engine's records hold UTF-8 std::string; the files room works in QString.

#include <QString>

#include <string>
#include <string_view>

namespace velmora::files {

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora::files
