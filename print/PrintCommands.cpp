#include "print/PrintCommands.h"

#include "base/Translation.h"
#include "drawing/ProgramExtent.h"
#include "model/CProgram.h"
#include "print/CPrintPreviewDialog.h"

#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/print.h>

namespace {
void PrepareExtent(wxPrintData& printData)
{
    ThePrintExtent() = ComputeProgramExtent(TheProgram());
    printData.SetOrientation(OrientationFor(ThePrintExtent()));
}
} // namespace

bool ShowPrintPreview(wxFrame* parent, wxPrintData& printData, const wxPageSetupDialogData& pageSetup)
{
    PrepareExtent(printData);
    wxPrintDialogData dialogData(printData);
    auto* preview = new wxPrintPreview(new CPrintPreviewDialog(_("Printen"), pageSetup),
                                       new CPrintPreviewDialog(_("Printen"), pageSetup), &dialogData);
    if (!preview->IsOk()) {
        wxLogError(_("Afdrukvoorbeeld kan niet gemaakt worden.\nZijn de printerinstellingen correct?"));
        delete preview;
        return false;
    }
    auto* frame = new wxPreviewFrame(preview, parent, _("Afdrukvoorbeeld"));
    frame->Centre(wxBOTH);
    frame->InitializeWithModality(wxPreviewFrame_WindowModal);
    frame->Show();
    return true;
}

bool PrintProject(wxFrame* parent, wxPrintData& printData, const wxPageSetupDialogData& pageSetup)
{
    PrepareExtent(printData);
    wxPrintDialogData dialogData(printData);
    wxPrinter printer(&dialogData);
    CPrintPreviewDialog printout(_("Printen"), pageSetup);
    if (!printer.Print(parent, &printout, true)) {
        if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
            wxLogError(_("Er is een fout opgetreden.\nZijn de printerinstellingen correct?"));
        return false;
    }
    printData = printer.GetPrintDialogData().GetPrintData();
    return true;
}
