#pragma once
// Secondary windows belong to the main window, which is disabled while one is
// open: each is a child window of it (a dialog, so every window manager keeps
// it above the main window as its transient), opens centred over it, raised
// and active, and is deleted when closed.

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

// Makes `window` a dialog child of `owner`'s window, keeping its title-bar
// hints: the window manager then keeps it above the owner.
void MakeOwned(QWidget* window, QWidget* owner);

// Shows a top-level window that is not on screen yet (the main window while
// it starts), centred on its screen unless it has a place of its own, so
// what opens over it has something to stand on.
void BringOnScreen(QWidget* window);

// Raises `window` above its owner and asks for it to become active.
void RaiseAndActivate(QWidget* window);

}  // namespace velmora
