// The program extent, the paper orientation and the printed page.
#include "GoldenImage.h"
#include "TestFrame.h"
#include "TestGraphs.h"

#include "drawing/ProgramExtent.h"
#include "print/CPrintPreviewDialog.h"
#include "print/PrintCommands.h"

#include <cstring>
#include <wx/dcmemory.h>
#include <wx/log.h>

namespace {
struct Printing : CanvasFixture
{
    // Page 1 printed into a bitmap standing for an A4 page at 50 pixels per inch.
    wxImage PrintPage(bool* printed = nullptr)
    {
        const wxSize page(413, 584);
        wxBitmap bitmap(page, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        wxPageSetupDialogData setup;
        setup.SetMarginTopLeft(wxPoint(10, 10));
        setup.SetMarginBottomRight(wxPoint(10, 10));
        CPrintPreviewDialog printout("Printen", setup);
        printout.SetDC(&dc);
        printout.SetPPIScreen(96, 96);
        printout.SetPPIPrinter(50, 50);
        printout.SetPageSizePixels(page.x, page.y);
        printout.SetPageSizeMM(210, 297);
        printout.SetPaperRectPixels(wxRect(wxPoint(0, 0), page));
        const bool ok = printout.OnPrintPage(1);
        if (printed)
            *printed = ok;
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage();
    }
};
} // namespace

TEST_F(Printing, ExtentOfTheStartBlockAlone)
{
    TheProgram().EnsureRoot()->SetViewer(frame->canvas);
    const wxRect extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(577, 48, 96, 96));
    EXPECT_EQ(OrientationFor(extent), wxPORTRAIT);
    // A lone start block is not blown up: 1600 units fill the page's width (the height reaches its bottom).
    EXPECT_EQ(CPrintPreviewDialog::FitSize(extent), wxSize(1600, 48 + 96));
    EXPECT_EQ(ComputeProgramExtent(CProgram()), wxRect());
}

TEST(PrintFit, ProgramStandingLowKeepsItsBottomOnThePage)
{
    // The page is not shifted up, so the fitted height reaches the extent's bottom.
    EXPECT_EQ(CPrintPreviewDialog::FitSize(wxRect(0, 500, 100, 2000)), wxSize(120, 2500));
    EXPECT_EQ(CPrintPreviewDialog::FitSize(wxRect(517, 48, 276, 516)), wxSize(331, 1600));
}

TEST_F(Printing, ExtentCoversBlocksOnEverySide)
{
    GraphBuilder graph(TheProgram(), frame->canvas);
    graph.BranchingLoop();
    // Start at (577, 48); the loop runs at x 517, the stop block at (697, 408), the lowest piece at y 468.
    const wxRect extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(517, 48, 697 + 96 - 517, 468 + 96 - 48));
    EXPECT_EQ(OrientationFor(extent), wxPORTRAIT);
    EXPECT_EQ(CPrintPreviewDialog::FitSize(extent), wxSize(331, 1600));
}

TEST_F(Printing, WideProgramPrintsLandscape)
{
    GraphBuilder graph(TheProgram(), frame->canvas);
    CState* root = TheProgram().EnsureRoot();
    CState* last = root;
    for (int i = 1; i <= 8; ++i)
        last = GraphBuilder::Son(last, graph.Piece(root->GetX() + 60 * i, root->GetY(), 0x90));
    const wxRect extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(577, 48, 480 + 96, 96));
    EXPECT_EQ(OrientationFor(extent), wxLANDSCAPE);
    EXPECT_EQ(CPrintPreviewDialog::FitSize(extent), wxSize(1600, 48 + 96));
}

TEST_F(Printing, OnePageWithTheCurrentBlockInBlue)
{
    CPrintPreviewDialog printout("Printen", wxPageSetupDialogData());
    int minPage, maxPage, from, to;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ((std::vector<int>{minPage, maxPage, from, to}), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_TRUE(printout.HasPage(1));
    EXPECT_FALSE(printout.HasPage(2));
    EXPECT_EQ(printout.GetTitle(), "Printen");

    GraphBuilder graph(TheProgram(), frame->canvas);
    graph.BranchingLoop();
    SetCurrentBlock(graph.WaitBlock());
    ThePrintExtent() = ComputeProgramExtent(TheProgram());
    bool printed = false;
    const wxImage page = PrintPage(&printed);
    EXPECT_TRUE(printed);
    EXPECT_EQ(GetCurrentBlock(), graph.WaitBlock()); // restored after printing
    // The current block looks exactly as it does when nothing is highlighted.
    SetCurrentBlock(nullptr);
    const wxImage plain = PrintPage();
    ASSERT_EQ(page.GetSize(), plain.GetSize());
    EXPECT_EQ(0, memcmp(page.GetData(), plain.GetData(), page.GetWidth() * page.GetHeight() * 3));
    EXPECT_TRUE(MatchesGolden(page, "printed-page.png"));
}

TEST_F(Printing, PageWithoutDeviceContextFails)
{
    CPrintPreviewDialog printout("Printen", wxPageSetupDialogData());
    EXPECT_FALSE(printout.OnPrintPage(1));
}

namespace {
// Keeps the messages logged while it lives.
struct LogCapture : wxLog
{
    wxLog* previous;
    wxArrayString errors;
    LogCapture() { previous = wxLog::SetActiveTarget(this); }
    ~LogCapture() override { wxLog::SetActiveTarget(previous); }
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override
    {
        if (level == wxLOG_Error)
            errors.Add(message);
    }
};
} // namespace

TEST_F(Printing, PreviewOpensOverTheFrameOrReportsWhyNot)
{
    GraphBuilder graph(TheProgram(), frame->canvas);
    CState* root = TheProgram().EnsureRoot();
    for (int i = 1, x = root->GetX(); i <= 8; ++i)
        GraphBuilder::Son(i == 1 ? root : root->GetSon(), graph.Piece(x + 60 * i, root->GetY(), 0x90));
    wxPrintData printData;
    printData.SetOrientation(wxPORTRAIT);
    LogCapture log;
    const bool shown = ShowPrintPreview(frame, printData, wxPageSetupDialogData());
    // The orientation follows the wide program either way.
    EXPECT_EQ(printData.GetOrientation(), wxLANDSCAPE);
    RecordProperty("preview", shown ? "shown" : "refused");
    if (shown) {
        wxWindow* preview = nullptr;
        TestFrame::WaitFor([&] {
            for (wxWindow* window : wxTopLevelWindows)
                if (window->GetLabel() == "Afdrukvoorbeeld")
                    preview = window;
            return preview != nullptr;
        });
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(preview->IsShown());
        EXPECT_TRUE(log.errors.IsEmpty());
        preview->Close(true);
        TestFrame::WaitFor([&] { return wxTopLevelWindows.GetCount() == 1; }, 1000);
    } else {
        ASSERT_EQ(log.errors.GetCount(), 1u);
        EXPECT_EQ(log.errors[0], "Afdrukvoorbeeld kan niet gemaakt worden.\nZijn de printerinstellingen correct?");
    }
}
