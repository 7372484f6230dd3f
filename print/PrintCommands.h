#pragma once
// The two print commands of the main window. Both compute the program extent and set the paper
// orientation in the print settings first; errors are reported through wxLogError.

#include <wx/cmndata.h>

class wxFrame;

// Opens the window-modal print preview "Afdrukvoorbeeld" over the parent; false when the preview
// could not be made (the error is logged).
bool ShowPrintPreview(wxFrame* parent, wxPrintData& printData, const wxPageSetupDialogData& pageSetup);
// Prints through the printer dialog; on success the print settings become those chosen there.
// False when cancelled or failed (a failure, not a cancellation, is logged).
bool PrintProject(wxFrame* parent, wxPrintData& printData, const wxPageSetupDialogData& pageSetup);
