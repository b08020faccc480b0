// The secondary windows the main window opens. A window that is not listed
// here is not offered yet: its button does nothing.

#include "ui/main/Form1.h"
#include "ui/records/Form3.h"

namespace velmora {

SecondaryWindows DefaultSecondaryWindows() {
    SecondaryWindows windows;
    windows.genderDialog = [](Form1& form1) -> QWidget* { return new Form3(form1); };
    return windows;
}

}  // namespace velmora
