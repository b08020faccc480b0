#pragma once
// Shared by the window tests, the window benchmarks and the screenshot
// program: a temporary program folder holding the shipped reference files,
// and a main window started in it with scripted message boxes and a fixed clock.

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "ui/common/MessageBoxes.h"
#include "ui/main/Form1.h"

namespace velmora::testing {

// A fresh folder with copies of ProperN, Mia and Four, and an empty User
// unless told otherwise. It is removed with the object.
class ProgramFolder {
public:
    enum class UserFile { Empty, Absent };
    explicit ProgramFolder(UserFile user = UserFile::Empty, const QStringList& files = ReferenceFiles());

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    void remove(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

    static QStringList ReferenceFiles();

private:
    QTemporaryDir dir_;
};

struct StartedWindow {
    std::shared_ptr<ScriptedMessageBoxes> boxes;
    std::unique_ptr<Form1> form;
};

// A main window on `folder`, its clock fixed at `now`, started up (records
// mode, natal layer) but not shown. No secondary window opens unless a test
// installs one, except the gender dialog.
StartedWindow StartForm1(const ProgramFolder& folder, const QDateTime& now);

// The date inputs set to `date` and `period` through the date labels, then the
// chart-by-date mode chosen and the gender dialog answered.
void ChartByDate(Form1& form, const QDate& date, int period, bool male = true);

}  // namespace velmora::testing
