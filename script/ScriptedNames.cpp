#include "script/ScriptedNames.h"

#include "script/ChineseConverter.h"

namespace velmora {

namespace {
// Converts each word of an array of words in place.
template <typename Words>
Words ConvertEach(Words words) {
    const ChineseConverter& converter = ChineseConverter::TraditionalToSimplified();
    for (std::string& word : words) {
        word = converter.convert(word);
    }
    return words;
}
}  // namespace

std::string TextIn(Script script, std::string_view traditional) {
    if (script == Script::Traditional) {
        return std::string(traditional);
    }
    return ChineseConverter::TraditionalToSimplified().convert(traditional);
}

NameList NamesIn(Script script, const NameList& traditional) {
    NameList shown = traditional;
    if (script == Script::Simplified) {
        for (auto& line : shown.entries) {
            line = ConvertEach(std::move(line));
        }
    }
    return shown;
}

HourLabels HourLabelsIn(Script script, const HourLabels& traditional) {
    return script == Script::Simplified ? ConvertEach(traditional) : traditional;
}

BrightnessTable LevelNamesIn(Script script, const BrightnessTable& traditional) {
    BrightnessTable shown = traditional;
    if (script == Script::Simplified) {
        shown.LevelNames = ConvertEach(shown.LevelNames);
    }
    return shown;
}

}  // namespace velmora
