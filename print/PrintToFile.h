#pragma once
// Printing into a PDF file goes through the printer path itself: the print dialog's "print to
// file" printer (GTK's), which writes the printout as the printer would get it.

#include <wx/cmndata.h>

// Proposes pdfPath as the file of the print dialog's "print to file" printer (and PDF as its
// format); with choosePrinter, that printer is also the one the dialog starts on. The user can
// still change both in the dialog. False when the toolkit offers no such printer.
bool ProposePdfFile(wxPrintData& printData, const wxString& pdfPath, bool choosePrinter = false);
