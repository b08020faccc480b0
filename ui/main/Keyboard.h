#pragma once
// The main window without a mouse. Tab walks the controls in reading order:
// the three buttons, the layers, the mode, the date spinners, "NOW", then the
// board. Ctrl+1 .. Ctrl+7 choose the seven layers, Ctrl+N is "NOW", Ctrl+R
// opens the records (in chart-by-date mode by choosing the records mode, as
// that is how the records window opens there). Each key acts through its
// control, so a control that is disabled ignores its key too. On the board,
// the arrow keys select the palaces in turn round the board (Right and Down
// clockwise) and Escape ends the selection.

class QWidget;

namespace velmora {

class Form1;

// Installs the keys on `form`; called once, when the window is built.
void InstallMainWindowKeys(Form1& form);

// Escape closes `window` as its close button would (a window that asks before
// closing still asks). For the secondary windows that may be closed; the
// gender dialog is not one of them. Gives `window` back.
QWidget* CloseOnEscape(QWidget* window);

}  // namespace velmora
