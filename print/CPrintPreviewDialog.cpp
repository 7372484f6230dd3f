#include "print/CPrintPreviewDialog.h"

#include "base/Translation.h"
#include "drawing/FlowchartPicture.h"
#include "model/CProgram.h"

#include <algorithm>
#include <memory>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/graphics.h>

namespace {
// A graphics context on whichever kind of device context the page has.
wxGraphicsContext* ContextFor(wxDC* dc)
{
    if (auto* printer = dynamic_cast<wxPrinterDC*>(dc))
        return wxGraphicsContext::Create(*printer);
    if (auto* memory = dynamic_cast<wxMemoryDC*>(dc))
        return wxGraphicsContext::Create(*memory);
    if (auto* window = dynamic_cast<wxWindowDC*>(dc))
        return wxGraphicsContext::Create(*window);
    return nullptr;
}
} // namespace

CPrintPreviewDialog::CPrintPreviewDialog(const wxString& title, const wxPageSetupDialogData& pageSetup)
    : wxPrintout(title), m_pageSetup(pageSetup)
{
}

bool CPrintPreviewDialog::OnBeginDocument(int startPage, int endPage)
{
    return wxPrintout::OnBeginDocument(startPage, endPage);
}

bool CPrintPreviewDialog::HasPage(int page)
{
    return page == 1;
}

void CPrintPreviewDialog::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo)
{
    *minPage = *maxPage = *pageFrom = *pageTo = 1;
}

wxSize CPrintPreviewDialog::FitSize(const wxRect& extent)
{
    int width = static_cast<int>(extent.width * 1.2);
    int height = static_cast<int>(1.2 * extent.height);
    // Small programs are not blown up: at least 1600 units fill the page in the larger direction.
    if (width >= height)
        width = std::max(width, 1600);
    else
        height = std::max(height, 1600);
    // The page is shifted left to the extent but not up: a program standing low in the drawing area
    // needs its whole height from the top of the area on the page.
    height = std::max(height, extent.y + extent.height);
    return wxSize(width, height);
}

bool CPrintPreviewDialog::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    if (!dc)
        return false;
    const wxRect& extent = ThePrintExtent();
    FitThisSizeToPageMargins(FitSize(extent), m_pageSetup);

    if (std::unique_ptr<wxGraphicsContext> gc{ContextFor(dc)}) {
        gc->Translate(-extent.x, 0);
        DrawFlowchart(TheProgram(), gc.get());
    }

    MapScreenSizeToPage();
    dc->SetTextForeground(*wxBLACK);
    dc->DrawText(wxString::Format(_("PAGE %d"), page), 0, 0);
    return true;
}

wxPrintOrientation OrientationFor(const wxRect& extent)
{
    return extent.width > extent.height ? wxLANDSCAPE : wxPORTRAIT;
}

wxRect& ThePrintExtent()
{
    static wxRect extent;
    return extent;
}
