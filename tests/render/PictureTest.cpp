// The canvas and the printed page drawn off-screen and compared with reviewed reference pictures;
// the program extent and the paper orientation of printing.
#include "GuiTest.h"
#include "TestGraphs.h"

#include "calibration/CalibrationRecord.h"
#include "print/CPrintPreviewDialog.h"
#include "print/PrintCommands.h"
#include "print/ProgramExtent.h"

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
    // A row of link pieces to the right of the Start block: a program wider than high.
    void WideProgram()
    {
        GraphBuilder graph(TheProgram(), Canvas());
        CState* last = TheProgram().GetRoot();
        for (int i = 1; i <= 8; ++i)
            last = GraphBuilder::Son(last, graph.Piece(577 + 60 * i, 48, 0x90));
    }
};
} // namespace

TEST_F(Pictures, ProgramsAsTheCanvasShowsThem)
{
    EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 300)), "start.png"));
    GraphBuilder graph(TheProgram(), Canvas());
    graph.BranchingLoop();
    SetCurrentBlock(graph.WaitBlock());
    EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 560)), "branching-loop.png"));
    SetCurrentBlock(nullptr);
    for (int i = 0; i < 5; ++i)
        Canvas()->ZoomIn();
    EXPECT_TRUE(MatchesGolden(Render(wxSize(1200, 840)), "branching-loop-150.png"));
}

TEST_F(Pictures, ProjectFilesAsTheCanvasShowsThem)
{
    // The last one holds parameters too long for their blocks, which end in an ellipsis.
    for (const auto& [file, picture] : {std::make_pair("condition_join.tamek", "condition_join.png"),
                                         {"rows.tamek", "rows.png"},
                                         {"loops.tamek", "loops.png"},
                                         {"render/branching-loop.tamek", "branching-loop-file.png"},
                                         {"render/parameters.tamek", "parameters.png"}}) {
        Open(file);
        EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 580)), picture)) << file;
    }
}

TEST_F(Pictures, APendingLinkPathIsDrawnAndTakenOutAgain)
{
    CState* root = TheProgram().GetRoot();
    GraphBuilder graph(TheProgram(), Canvas());
    CState* first = graph.Piece(577, 108);
    CState* second = graph.Piece(577, 168);
    first->SetParent(root);
    second->SetParent(first);
    Canvas()->PendingPath().Append(first);
    Canvas()->PendingPath().Append(second);
    const wxImage image = Render(wxSize(800, 300));
    // The second piece's line runs through its centre: (577 + 48, 48 + 120 + 48) on the window.
    EXPECT_EQ(wxColour(image.GetRed(625, 216), image.GetGreen(625, 216), image.GetBlue(625, 216)),
              wxColour(0x4A, 0x5D, 0x73));
    EXPECT_EQ(root->GetSon(), nullptr);
    EXPECT_EQ(first->GetSon(), nullptr);
    EXPECT_EQ(second->GetParent(), first);
    Canvas()->PendingPath().Clear();
    delete second;
    delete first;
}

TEST_F(Pictures, TheExtentCoversEveryBlockAndDecidesThePaper)
{
    EXPECT_EQ(ComputeProgramExtent(CProgram()), wxRect());
    wxRect extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(577, 48, 96, 96));
    EXPECT_EQ(OrientationFor(extent), wxPORTRAIT);
    // A lone start block is not blown up: 1600 units fill the page's width (the height reaches its bottom).
    EXPECT_EQ(CPrintPreviewDialog::FitSize(extent), wxSize(1600, 48 + 96));
    // A program standing low keeps its bottom on the page.
    EXPECT_EQ(CPrintPreviewDialog::FitSize(wxRect(0, 500, 100, 2000)), wxSize(120, 2500));

    WideProgram();
    extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(577, 48, 480 + 96, 96));
    EXPECT_EQ(OrientationFor(extent), wxLANDSCAPE);
    EXPECT_EQ(OrientationFor(wxRect(0, 0, 96, 96)), wxPORTRAIT); // square: portrait

    frame->NewProject();
    GraphBuilder(TheProgram(), Canvas()).BranchingLoop();
    // Start at (577, 48); the loop runs at x 517, the stop block at (697, 408), the lowest piece at y 468.
    extent = ComputeProgramExtent(TheProgram());
    EXPECT_EQ(extent, wxRect(517, 48, 697 + 96 - 517, 468 + 96 - 48));
    EXPECT_EQ(OrientationFor(extent), wxPORTRAIT);
    EXPECT_EQ(CPrintPreviewDialog::FitSize(extent), wxSize(331, 1600));
}

TEST_F(Pictures, OnePageIsPrintedWithTheCurrentBlockInBlue)
{
    CPrintPreviewDialog printout("Printen", wxPageSetupDialogData());
    int minPage, maxPage, from, to;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ((std::vector<int>{minPage, maxPage, from, to}), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_TRUE(printout.HasPage(1));
    EXPECT_FALSE(printout.HasPage(2));
    EXPECT_EQ(printout.GetTitle(), "Printen");
    EXPECT_FALSE(printout.OnPrintPage(1)); // no device context

    GraphBuilder graph(TheProgram(), Canvas());
    graph.BranchingLoop();
    SetCurrentBlock(graph.WaitBlock());
    ThePrintExtent() = ComputeProgramExtent(TheProgram());
    bool printed = false;
    const wxImage page = PrintPage(&printed);
    EXPECT_TRUE(printed);
    EXPECT_EQ(GetCurrentBlock(), graph.WaitBlock()); // restored after printing
    SetCurrentBlock(nullptr);
    const wxImage plain = PrintPage();
    ASSERT_EQ(page.GetSize(), plain.GetSize());
    EXPECT_EQ(0, memcmp(page.GetData(), plain.GetData(), page.GetWidth() * page.GetHeight() * 3));
    EXPECT_TRUE(MatchesGolden(page, "printed-page.png"));
}

TEST_F(Pictures, ThePreviewOpensOverTheWindowOrSaysWhyNot)
{
    WideProgram();
    wxPrintData printData;
    printData.SetOrientation(wxPORTRAIT);
    LogCapture log;
    const bool shown = ShowPrintPreview(frame, printData, wxPageSetupDialogData());
    EXPECT_EQ(printData.GetOrientation(), wxLANDSCAPE); // follows the wide program either way
    if (!shown) {
        ASSERT_EQ(log.messages.GetCount(), 1u);
        EXPECT_EQ(log.messages[0], "Afdrukvoorbeeld kan niet gemaakt worden.\nZijn de printerinstellingen correct?");
        return;
    }
    wxWindow* preview = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        for (wxWindow* window : wxTopLevelWindows)
            if (window->GetLabel() == "Afdrukvoorbeeld" && window->IsShown())
                preview = window;
        return preview != nullptr;
    }));
    EXPECT_TRUE(log.messages.IsEmpty());
    if (preview)
        preview->Close(true);
}
