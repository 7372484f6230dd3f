#pragma once
// The start-up picture shown inside the main window, centred on it, for display systems that place
// every window themselves (Wayland): there a splash window of its own cannot be centred and lands
// wherever the compositor puts new windows, often half off the screen. The picture goes after its
// time or at a click.

class wxBitmap;
class wxWindow;

// Shows the picture over the middle of the parent's client area; returns the picture's window,
// which destroys itself.
wxWindow* ShowSplashInWindow(const wxBitmap& picture, wxWindow* parent, int milliseconds);
