#pragma once
// A started main window whose 四化 and 廟旺 buttons open the real editors,
// with the program folder's files written and read as Big5 lines and every
// write the program attempts counted.

#include <QApplication>
#include <QStringList>

#include <ostream>

#include "tests/ui/MainWindowFixture.h"
#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"

// Texts in failure messages as text rather than as code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace velmora::testing {

class EditorTest : public MainWindowTest {
protected:
    // Starts the main window with the editors installed and a counting writer.
    void startWithEditors(const QDateTime& now = QDateTime(QDate(2024, 1, 31), QTime(10, 0)));

    // Presses 廟旺 (Form4) or 四化 (Form5); the editor shown, or nullptr.
    Form4* openForm4();
    Form5* openForm5();

    // The file's lines, written as Big5 with CR LF ends / read back decoded.
    void writeLines(const QString& name, const QStringList& lines) const;
    QStringList readLines(const QString& name) const;
    QByteArray bytes(const QString& name) const;

    // Lets closed windows be deleted.
    static void settle();

    int writes = 0;  // files the program has tried to write since start
};

// The visible top-level window of type T, or nullptr.
template <typename T>
T* ShownWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* typed = qobject_cast<T*>(window); typed != nullptr && typed->isVisible()) {
            return typed;
        }
    }
    return nullptr;
}

}  // namespace velmora::testing
