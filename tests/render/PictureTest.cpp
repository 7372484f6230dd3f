// The canvas and the printed page drawn off-screen and compared with reviewed reference pictures;
// the program extent and the paper orientation of printing.
#include "GuiTest.h"

#include "drawing/ProgramExtent.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "print/CPrintPreviewDialog.h"

#include <wx/dcmemory.h>

namespace {
struct Pictures : MainWindowTest
{
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SizeCanvas(wxSize(800, 600)); // the size the reference pictures were zoomed in
    }
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
    // A step of two actions, a condition whose yes way drives on and loops back above it, whose no way stops.
    CState* BranchingLoop()
    {
        Open("render/branching-loop.tamek");
        return BlockNumbered(3);
    }
};
} // namespace

TEST_F(Pictures, ProgramsAsTheCanvasShowsThem)
{
    EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 300)), "start.png"));
    // The last two hold parameters, assignments and comparisons too long for their blocks, which
    // end in an ellipsis; a switch shows no comparison.
    for (const char* name : {"condition_join", "rows", "loops", "render/parameters", "render/captions"}) {
        Open(wxString(name) + ".tamek");
        EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 580)), wxString(name).AfterLast('/') + ".png")) << name;
    }
    SetCurrentBlock(BranchingLoop()); // drawn last, in red
    EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 560)), "branching-loop.png"));
    SetCurrentBlock(nullptr);
    for (int i = 0; i < 5; ++i)
        Canvas()->ZoomIn();
    EXPECT_TRUE(MatchesGolden(Render(wxSize(1200, 840)), "branching-loop-150.png"));
}

TEST_F(Pictures, TheExtentCoversEveryBlockAndDecidesThePaper)
{
    EXPECT_EQ(ComputeProgramExtent(CProgram()), wxRect());
    const wxRect start = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(start, wxRect(577, 48, 96, 96));
    EXPECT_EQ(OrientationFor(start), wxPORTRAIT); // square: portrait
    // A lone start block is not blown up: 1600 units fill the page's width (the height reaches its bottom).
    EXPECT_EQ(CPrintPreviewDialog::FitSize(start), wxSize(1600, 48 + 96));
    // A program standing low keeps its bottom on the page.
    EXPECT_EQ(CPrintPreviewDialog::FitSize(wxRect(0, 500, 100, 2000)), wxSize(120, 2500));
    Open("render/wide.tamek");
    EXPECT_EQ(ComputeProgramExtent(TheProgram()), wxRect(577, 48, 480 + 96, 96));
    EXPECT_EQ(OrientationFor(ComputeProgramExtent(TheProgram())), wxLANDSCAPE);
    // Start at (577, 48); the loop runs at x 517, the stop block at (697, 408), the lowest piece at y 468.
    BranchingLoop();
    const wxRect loop = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(loop, wxRect(517, 48, 697 + 96 - 517, 468 + 96 - 48));
    EXPECT_EQ(OrientationFor(loop), wxPORTRAIT);
    EXPECT_EQ(CPrintPreviewDialog::FitSize(loop), wxSize(331, 1600));
}

TEST_F(Pictures, OnePageIsPrintedWithTheCurrentBlockInBlue)
{
    CPrintPreviewDialog printout("Printen", wxPageSetupDialogData());
    int minPage, maxPage, from, to;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ((std::vector<int>{minPage, maxPage, from, to}), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_TRUE(printout.HasPage(1) && !printout.HasPage(2));
    EXPECT_EQ(printout.GetTitle(), "Printen");
    EXPECT_FALSE(printout.OnPrintPage(1)); // no device context

    CState* wait = BranchingLoop();
    SetCurrentBlock(wait);
    ThePrintExtent() = ComputeProgramExtent(TheProgram());
    bool printed = false;
    const wxImage page = PrintPage(&printed);
    EXPECT_TRUE(printed);
    EXPECT_EQ(GetCurrentBlock(), wait); // restored after printing
    SetCurrentBlock(nullptr);
    const wxImage plain = PrintPage();
    ASSERT_EQ(page.GetSize(), plain.GetSize());
    EXPECT_EQ(0, memcmp(page.GetData(), plain.GetData(), page.GetWidth() * page.GetHeight() * 3));
    EXPECT_TRUE(MatchesGolden(page, "printed-page.png"));
}
