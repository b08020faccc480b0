// The secondary windows the main window opens. A window that is not listed
// here is not offered yet: its button does nothing.

#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/main/Form1.h"
#include "ui/main/Keyboard.h"
#include "ui/records/Form2.h"
#include "ui/records/Form3.h"

namespace velmora {

SecondaryWindows DefaultSecondaryWindows() {
    SecondaryWindows windows;
    // Escape closes the windows that may be closed; the gender dialog closes by "確定" only.
    windows.records = [](Form1& form1) -> QWidget* { return CloseOnEscape(new Form2(form1)); };
    windows.genderDialog = [](Form1& form1) -> QWidget* { return new Form3(form1); };
    windows.brightnessEditor = [](Form1& form1) -> QWidget* { return CloseOnEscape(Form4::create(form1)); };
    windows.transformationEditor = [](Form1& form1) -> QWidget* { return CloseOnEscape(Form5::create(form1)); };
    return windows;
}

}  // namespace velmora
