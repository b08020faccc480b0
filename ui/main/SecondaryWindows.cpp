// The secondary windows the main window opens. A window that is not listed
// here is not offered yet: its button does nothing.

#include "ui/editors/Form4.h"
#include "ui/editors/Form5.h"
#include "ui/main/Form1.h"
#include "ui/records/Form2.h"
#include "ui/records/Form3.h"

namespace velmora {

SecondaryWindows DefaultSecondaryWindows() {
    SecondaryWindows windows;
    windows.records = [](Form1& form1) -> QWidget* { return new Form2(form1); };
    windows.genderDialog = [](Form1& form1) -> QWidget* { return new Form3(form1); };
    windows.brightnessEditor = [](Form1& form1) -> QWidget* { return Form4::create(form1); };
    windows.transformationEditor = [](Form1& form1) -> QWidget* { return Form5::create(form1); };
    return windows;
}

}  // namespace velmora
