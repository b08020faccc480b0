#pragma once
// Everything the windows share for the whole run: the calendar, the chart's
// input and result, the loaded reference tables, the main window's chart
// variables, and the ways out of the program (its folder, its message boxes,
// its clock, how files are written). The main window owns one; secondary
// windows are handed it by reference.

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "calendar/CalendarDay.h"
#include "chart/BirthInput.h"
#include "chart/ChartState.h"
#include "chart/Conventions.h"
#include "chart/ReferenceData.h"
#include "files/FileFolders.h"
#include "files/SafeSave.h"
#include "files/UserFile.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Settings.h"
#include "ui/common/ShownScript.h"

namespace velmora {

struct Session {
    Session(QString folder, std::shared_ptr<MessageBoxes> boxes);

    // Shared records.
    CalendarDay calendar;
    // The calendar of the charted birth as user() cast it. `calendar` moves on
    // with the date inputs over a charted record; the centre lines read this.
    CalendarDay birthDay;
    BirthInput birth;
    ChartState chart;
    // The words as shown (in the shown script), converted from the tables as
    // read whenever a file is read or the script changes (ShowTablesInScript).
    NameList names;
    HourLabels hourLabels{};
    BrightnessTable brightness;
    // ProperN's names and Mia's level names as the files hold them (Traditional).
    NameList namesAsRead;
    BrightnessTable brightnessAsRead;
    TransformationTable transformations;

    // The main window's chart variables.
    int LayerIndex = 0;               // 0 本命 .. 6 流時
    int RecordLoaded = 0;             // 1 while the board shows a record's natal chart
    QString PersonName;               // the chart owner's name; empty for a chart by date
    std::int16_t NominalAge = 0;      // nominal age at the shown date
    std::int16_t BureauNumber = 0;    // first age of the first major limit
    std::int16_t MarkStem = 0;        // stem whose transformations are marked, 1..10
    std::int16_t FocusBranch = 0;     // branch the focus lines start from, 1..12
    std::array<int, 5> CurrentTransformations{};  // [1..4] stars of 祿 權 科 忌 of MarkStem; 0 none
    int SelectedPalace = 0;           // branch index 0..11 of the last clicked palace
    QString YinYangWord;              // "陽" or "陰" of the charted birth
    QString GenderWord;               // "男" or "女" of the charted birth
    Conventions conventions;          // the school the board is cast in (the setting, or a record's own)
    std::optional<files::BirthRecord> chartedRecord;  // the stored record charted in records mode, as read
    QString momentCaption;            // "真太陽時・北京" when the birth came from a clock time at a place
    QString dateMomentCaption;        // the same for the date inputs, while they show the 擇盤 dialog's result

    // Ways out.
    QString programFolder;                    // where ProperN and the shipped Mia and Four live
    // Where User and edited Mia and Four are kept: the program folder itself
    // unless the program is installed where the user cannot write.
    QString dataFolder;
    files::FileFolders folders() const { return {programFolder, dataFolder}; }
    // The script everything on screen is shown in.
    std::shared_ptr<ShownScript> script = std::make_shared<ShownScript>();
    std::shared_ptr<MessageBoxes> messages;   // every notice goes through here, shown in the script
    std::function<QDateTime()> now;           // the present date and time
    files::WriteOptions writeOptions;         // how files are written (tests inject faults)
    // The user's settings; in memory unless the program hands in the user's store.
    std::shared_ptr<Settings> settings = std::make_shared<Settings>();
};

// Makes the shown words (names, period labels, level names) from the tables
// as read, in the session's script.
void ShowTablesInScript(Session& session);

}  // namespace velmora
