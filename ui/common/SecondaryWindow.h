#pragma once
// Secondary windows are shown beside the main window, which is disabled while
// one is open. They are top-level windows of their own (a disabled parent
// would disable its child windows too), kept above the main window as its
// transients, and deleted when closed.

class QWidget;

namespace velmora {

// Shows `window` centred on `owner` and disables `owner`: the window holds
// the owner until it is closed (it is then deleted), whatever way it closed.
void ShowSecondaryWindow(QWidget* window, QWidget* owner);

// `window` no longer holds `owner`, which is enabled again once no other
// secondary window holds it: closing one window never frees the owner while
// another still waits on it (two record windows or two editors of one file
// would each save over the other's edits).
void ReleaseOwner(QWidget* window, QWidget* owner);

// Centres `window` (already sized) on `owner`.
void CentreOn(QWidget* window, const QWidget* owner);

}  // namespace velmora
