#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>

#include <stdexcept>

#include "ui/records/Form3.h"

namespace velmora::testing {

namespace {
QString DataDir() { return QStringLiteral(VELMORA_DATA_DIR); }
}  // namespace

QStringList ProgramFolder::ReferenceFiles() {
    return {QStringLiteral("ProperN"), QStringLiteral("Mia"), QStringLiteral("Four")};
}

ProgramFolder::ProgramFolder(UserFile user, const QStringList& files) {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot make a temporary program folder");
    }
    for (const QString& name : files) {
        if (!QFile::copy(DataDir() + QLatin1Char('/') + name, dir_.filePath(name))) {
            throw std::runtime_error("cannot copy a reference file into the program folder");
        }
    }
    if (user == UserFile::Empty) {
        write(QStringLiteral("User"), {});
    }
}

void ProgramFolder::remove(const QString& name) const { QFile::remove(dir_.filePath(name)); }

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write a file into the program folder");
    }
}

StartedWindow StartForm1(const ProgramFolder& folder, const QDateTime& now) {
    StartedWindow started;
    started.boxes = std::make_shared<ScriptedMessageBoxes>();
    Session session(folder.path(), started.boxes);
    session.now = [now] { return now; };
    started.form = std::make_unique<Form1>(std::move(session));
    SecondaryWindows windows = DefaultSecondaryWindows();
    windows.records = nullptr;
    windows.brightnessEditor = nullptr;
    windows.transformationEditor = nullptr;
    started.form->setSecondaryWindows(windows);
    started.form->startUp();
    return started;
}

void ChartByDate(Form1& form, const QDate& date, int period, bool male) {
    DateInputs& inputs = form.dateInputs();
    inputs.setLabel(DateInputs::Year, QString::number(date.year()));
    inputs.setLabel(DateInputs::Month, QString::number(date.month()));
    inputs.setLabel(DateInputs::Day, QString::number(date.day()));
    inputs.setValue(DateInputs::Period, period);
    form.df_date();
    form.modeChosen(Form1::ChartByDateMode);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Form3*>(window); dialog != nullptr && dialog->isVisible()) {
            dialog->findChild<QRadioButton*>(male ? QStringLiteral("Option1") : QStringLiteral("Option2"))
                ->setChecked(true);
            dialog->confirm();
        }
    }
}

}  // namespace velmora::testing
