#pragma once
// The single-instance rule, the same under X11 and Wayland: the user's first copy holds a lock in
// the user's runtime folder and listens on a socket beside it; a later start finds the lock held,
// asks the running copy to present its window and ends without opening anything.

#include <wx/string.h>

class wxTopLevelWindow;

// Decides, before any window exists, whether this copy may run: true when it is the user's first
// copy (it then keeps the lock and answers later starts until it ends) or when the rule cannot be
// kept (no private runtime folder; a warning goes to standard error). False when another copy
// runs; that copy has been asked to come to the front, and a project named on this copy's
// command line is dropped.
bool ClaimFirstCopy();

// Brings the window to the front, using the launcher's activation token where the desktop asks
// for one, and asks for the user's attention until it is active, for desktops that refuse to
// raise it.
void PresentWindow(wxTopLevelWindow& window, const wxString& activationToken);
