#pragma once
// Checking a radio menu item from code.

class wxMenuBar;

// Checks the radio item id. wxGTK remembers a radio item's checked state apart from what GTK
// shows and does not update it when another item of the group gets checked, so a plain Check()
// of an item that was checked before is ignored; the remembered state is brought in line first.
void CheckRadioItem(wxMenuBar* menuBar, int id);
