#pragma once
// The printout of the flowchart, used both for printing and for the preview: the whole program on
// one page, scaled to fit the page margins, with "PAGE 1" in the top-left corner.

#include <wx/cmndata.h>
#include <wx/print.h>

class CPrintPreviewDialog : public wxPrintout
{
public:
    // The margins come from the page setup, copied so the printout outlives the caller's data.
    CPrintPreviewDialog(const wxString& title, const wxPageSetupDialogData& pageSetup);

    bool OnBeginDocument(int startPage, int endPage) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

    // The size, in drawing units, that is fitted to the page margins for an extent.
    static wxSize FitSize(const wxRect& extent);

private:
    wxPageSetupDialogData m_pageSetup;
};

// Landscape when the extent is wider than high, portrait otherwise.
wxPrintOrientation OrientationFor(const wxRect& extent);
// The extent of the last print command, read by the printout.
wxRect& ThePrintExtent();
