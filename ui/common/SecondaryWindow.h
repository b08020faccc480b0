#pragma once
// Secondary windows are shown beside the main window, which is disabled while
// one is open. They are top-level windows of their own (a disabled parent
// would disable its child windows too), kept above the main window as its
// transients, and deleted when closed.

class QWidget;

namespace velmora {

// Shows `window` centred on `owner` and disables `owner`. When the window is
// closed it is deleted and `owner` is enabled again, whatever way it closed.
void ShowSecondaryWindow(QWidget* window, QWidget* owner);

// Centres `window` (already sized) on `owner`.
void CentreOn(QWidget* window, const QWidget* owner);

}  // namespace velmora
