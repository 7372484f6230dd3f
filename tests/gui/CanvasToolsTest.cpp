// The canvas's editing tools driven with the real mouse: drops through the palette's entry,
// drags, the link tool, the context menu, Delete, Tab and Escape; every edit checked against a
// reviewed project text and undone back to the exact text before it.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "bytecode/ProgramCompiler.h"
#include "console/CConsoleViewer.h"
#include "editor/BlockDrawing.h"
#include "editor/CanvasMenuIds.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "support/ProjectText.h"
#include "support/ScriptedCanvasOwner.h"

#include <wx/menu.h>
#include <wx/uiaction.h>

using testing_support::Snapshot;

namespace {
struct CanvasTools : MainWindowTest
{
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SizeCanvas(wxSize(900, 700));
        owner.window = frame;
        Canvas()->SetOwner(&owner);
    }
    void TearDown() override
    {
        if (MainFrameIfAny())
            Canvas()->SetOwner(frame);
        MainWindowTest::TearDown();
    }

    // The window point of a block's centre, moved by steps of 60 units in a direction.
    wxPoint Centre(const CState* block, int direction = -1, int steps = 1) const
    {
        wxPoint point(block->GetX() + block->ImageWidth() / 2, block->GetY() + block->ImageHeight() / 2);
        const int d = 60 * steps;
        if (direction >= 0)
            point += wxPoint(direction == 2   ? d
                             : direction == 3 ? -d
                                              : 0,
                             direction == 0   ? d
                             : direction == 1 ? -d
                                              : 0);
        return Canvas()->ToWindow(point);
    }

    // A palette prototype dragged as the palette drags it: held at its centre, carried with the
    // real mouse to a window point and released there; the palette commits after its dialog.
    CState* DropAt(KindId kind, const wxPoint& point)
    {
        CState* prototype = Prototypes::Get().Of(kind);
        const wxBitmap picture(BlendedDragPicture(*prototype));
        Canvas()->BeginPaletteDrag(prototype, picture, wxPoint(48, 48));
        EXPECT_TRUE(Canvas()->IsPaletteDragActive());
        wxUIActionSimulator mouse;
        const wxPoint screen = Canvas()->ClientToScreen(point);
        if (!OnWayland()) {
            mouse.MouseMove(screen);
            WaitFor([&] { return wxGetMousePosition() == screen; }, 1000);
        }
        Canvas()->MovePaletteDrag(screen);
        CState* clone = Canvas()->EndPaletteDrag(screen);
        EXPECT_FALSE(Canvas()->IsPaletteDragActive());
        Canvas()->CommitEdit();
        return clone;
    }
    // Dropped one step from a block in a direction (0 below, 2 right, 3 left).
    CState* DropNextTo(KindId kind, const CState* block, int direction)
    {
        return DropAt(kind, Centre(block, direction));
    }

    void Hover(const CState* block)
    {
        // Two motions over the block: it is then the hovered block and the block of the menu.
        for (int dx : {0, 1}) {
            const wxPoint point = Centre(block) + wxPoint(dx, 0);
            if (OnWayland()) {
                Mouse(wxEVT_MOTION, point.x, point.y);
                continue;
            }
            wxUIActionSimulator().MouseMove(Canvas()->ClientToScreen(point));
            WaitFor([&] { return Canvas()->GetHoveredBlock() == block; }, 1000);
        }
    }
    // A command of the context menu opened on block, clicked at its third on side (-1: the middle).
    void MenuCommand(CState* block, int id, int side = -1)
    {
        Hover(block);
        ASSERT_EQ(Canvas()->GetMenuBlock(), block);
        const wxPoint at = side < 0 ? wxPoint(block->GetX() + 48, block->GetY() + 48)
                                    : wxPoint(block->GetX() + 48 +
                                                  (side == 2   ? 40
                                                   : side == 3 ? -40
                                                               : 0),
                                              block->GetY() + 48 + (side == 0 ? 40 : 0));
        delete Canvas()->BuildContextMenu(block, at.x, at.y);
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(Canvas());
        Canvas()->GetEventHandler()->ProcessEvent(event);
    }

    std::string Text() { return Snapshot(TheProgram()); }

    // Every step's text matches its reviewed file; then undo goes back through them exactly, and redo forward.
    void UndoRedoBackThrough(const std::vector<std::string>& texts)
    {
        for (size_t i = texts.size() - 1; i > 0; --i) {
            Command(ID_MENU_UNDO);
            ASSERT_EQ(Text(), texts[i - 1]) << "undo to " << i - 1;
        }
        for (size_t i = 1; i < texts.size(); ++i) {
            Command(ID_MENU_REDO);
            ASSERT_EQ(Text(), texts[i]) << "redo to " << i;
        }
    }

    CState* Root() const { return TheProgram().GetRoot(); }
    wxString LastConsoleLine() const { return TheConsole()->GetLastMessage(); }

    ScriptedCanvasOwner owner{nullptr};
};

// The Start block with Wait below it, Buzzer beside the Wait, and a Switch1 condition below that.
struct BuiltChart
{
    CState *wait, *buzzer, *condition;
};
} // namespace

TEST_F(CanvasTools, DropsBelowBesideAndOnAConditionsExitsAndRefusalsUndoneToTheExactTexts)
{
    std::vector<std::string> texts{Text()};
    CState* wait = DropNextTo(KindId::Wait, Root(), 0);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(GetCurrentBlock(), wait);
    texts.push_back(Text());
    // Beside a Wait a block takes the Wait's place, and the Wait moves to the step's right end.
    CState* buzzer = DropNextTo(KindId::Buzzer, wait, 2);
    ASSERT_TRUE(buzzer && buzzer->GetRowNeighbour(1) == wait && buzzer->GetParent());
    texts.push_back(Text());
    EXPECT_EQ(DropNextTo(KindId::Switch1, wait, 0), nullptr); // a step's side member has no bottom
    CState* condition = DropNextTo(KindId::Switch1, buzzer, 0);
    ASSERT_NE(condition, nullptr);
    ASSERT_TRUE(condition->GetSon() && condition->GetBranchSon(0)); // both exits get a piece
    texts.push_back(Text());
    CState* onTrue = DropNextTo(KindId::DelR, condition->GetSon(), 0);
    texts.push_back(Text());
    CState* onFalse = DropNextTo(KindId::Stop, condition->GetBranchSon(0), 0);
    texts.push_back(Text());
    ASSERT_TRUE(buzzer && onTrue && onFalse);
    EXPECT_TRUE(MatchesGoldenText(Text(), "canvas/drops.tamek"));

    // Refused: a second Buzzer in the step, a block beside the Start block, a drop on empty space.
    EXPECT_EQ(DropNextTo(KindId::Buzzer, wait, 2), nullptr);
    EXPECT_EQ(LastConsoleLine(), "Deze actuator is reeds ingesteld op deze stap.");
    EXPECT_EQ(DropNextTo(KindId::Wait, Root(), 3), nullptr);
    EXPECT_EQ(DropAt(KindId::Wait, wxPoint(100, 600)), nullptr);
    // A drop while a run exists asks first; Cancel leaves everything as it was.
    owner.running = true, owner.stopRun = false;
    EXPECT_EQ(DropNextTo(KindId::Motor1, onTrue, 0), nullptr);
    EXPECT_EQ(owner.questions, 1);
    owner.running = false;
    EXPECT_EQ(Text(), texts.back());
    EXPECT_EQ(CountBlocks(), 10);
    UndoRedoBackThrough(texts);
}

TEST_F(CanvasTools, TheEmptyProgramTakesADroppedBlockAsItsRoot)
{
    TheProgram().Destroy();
    CState* wait = DropAt(KindId::Wait, wxPoint(300, 200));
    ASSERT_EQ(TheProgram().GetRoot(), wait);
    EXPECT_EQ(Canvas()->ToWindow(wxPoint(wait->GetX(), wait->GetY())), wxPoint(300 - 48, 200 - 48));
}

TEST_F(CanvasTools, DraggingAPlacedBlockCarriesItsPictureSelectsItAndWithShiftLaysAPath)
{
    Open("canvas/drops.tamek");
    const std::string before = Text();
    CState* stop = nullptr;
    TheProgram().ForEachBlock([&](CState* b) { stop = b->GetKindWordRaw() == "Stop" ? b : stop; });
    ASSERT_NE(stop, nullptr);
    const wxPoint from = Centre(stop);
    PressAt(from);
    DragTo(from + wxPoint(30, 20));
    EXPECT_TRUE(Canvas()->IsDragActive() && Canvas()->GetDraggedBlock() == stop);
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    // The picture is drawn by the canvas where the mouse holds it: the Stop block's red sign.
    ASSERT_TRUE(WaitForRepaint(Canvas()));
    ReleaseAt(from + wxPoint(60, 20));
    EXPECT_FALSE(Canvas()->IsDragActive());
    EXPECT_EQ(GetCurrentBlock(), stop);
    EXPECT_EQ(Text(), before); // a drag alone changes nothing
    EXPECT_FALSE(MenuEnabled(ID_MENU_UNDO));

    // With Shift held, the drag lays a path from the block it started on (the LedR of the TRUE
    // path) down and onto nothing: a loose path of link pieces.
    CState* led = stop->GetParent()->GetParent()->GetSon()->GetSon();
    ASSERT_EQ(led->GetKindWordRaw(), "LedR");
    owner.shift = true;
    PressAt(Centre(led));
    DragTo(Centre(led, 0, 1));
    DragTo(Centre(led, 0, 2));
    EXPECT_EQ(TheConsole()->GetLastMessage(), "Check for link");
    EXPECT_EQ(Canvas()->PendingPath().Pieces().size(), 2u);
    EXPECT_EQ(Text(), before); // laid, not yet hung into the program
    ReleaseAt(Centre(led, 0, 2));
    owner.shift = false;
    ASSERT_TRUE(led->GetSon() && led->GetSon()->GetSon());
    EXPECT_TRUE(MenuEnabled(ID_MENU_UNDO));
    Command(ID_MENU_UNDO);
    EXPECT_EQ(Text(), before);
}

TEST_F(CanvasTools, DeleteTabAndEscapeUndoneToTheExactTexts)
{
    Open("canvas/drops.tamek");
    std::vector<std::string> texts{Text()};
    CState* condition = nullptr;
    TheProgram().ForEachBlock([&](CState* b) { condition = b->IsCondition() ? b : condition; });
    ASSERT_NE(condition, nullptr);
    // Tab turns the exits of the selected condition (both continue: they change sides).
    SetCurrentBlock(condition);
    Key(WXK_TAB);
    EXPECT_EQ(std::make_pair(condition->GetSonExitSide(), condition->GetBranchExitSide()), std::make_pair(2, 0));
    texts.push_back(Text());
    // Delete: the Start block stays; a block read from a file goes (the key works on any block);
    // a run is asked about first, and Cancel keeps the block.
    SetCurrentBlock(Root());
    Key(WXK_DELETE);
    EXPECT_EQ(Text(), texts.back());
    CState* buzzer = nullptr;
    TheProgram().ForEachBlock([&](CState* b) { buzzer = b->GetKindWordRaw() == "Buzzer" ? b : buzzer; });
    SetCurrentBlock(buzzer);
    owner.running = true, owner.stopRun = false;
    Key(WXK_DELETE);
    EXPECT_EQ(Text(), texts.back());
    owner.stopRun = true;
    SetCurrentBlock(buzzer);
    Key(WXK_DELETE);
    EXPECT_FALSE(owner.running);
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    texts.push_back(Text());
    EXPECT_EQ(texts.back().find("Buzzer"), std::string::npos);
    // Escape goes back to the select tool and drops a palette drag.
    frame->SelectCanvasTool(TOOL_LINK);
    Canvas()->BeginPaletteDrag(Prototypes::Get().Of(KindId::Wait), wxBitmap(), wxPoint(48, 48));
    Key(WXK_ESCAPE);
    EXPECT_EQ(Canvas()->GetTool(), CProjectViewer::SelectTool);
    EXPECT_FALSE(Canvas()->IsPaletteDragActive());
    EXPECT_EQ(Canvas()->EndPaletteDrag(Canvas()->ClientToScreen(Centre(Root(), 0))), nullptr);
    EXPECT_EQ(Text(), texts.back());
    UndoRedoBackThrough(texts);
}

TEST_F(CanvasTools, DeletingTheLastBlockOfAVariableLowersTheHigherNumbers)
{
    Open("canvas/variables.tamek");
    CState* first = BlockNumbered(1);
    ASSERT_EQ(first->GetKindWordRaw(), "Variable");
    std::vector<int> before;
    for (CState* variable : TheProgram().Variables())
        before.push_back(variable->GetVariableIndex());
    ASSERT_EQ(before, (std::vector<int>{0, 1, 2}));
    SetCurrentBlock(first);
    Key(WXK_DELETE);
    EXPECT_EQ(owner.variableChanges, 1);
    std::vector<int> after;
    for (CState* variable : TheProgram().Variables())
        after.push_back(variable->GetVariableIndex());
    EXPECT_EQ(after, (std::vector<int>{0, 1}));
    // The numbers are those a reading of the text gives.
    const std::string text = Text();
    TheProgram().Clear();
    ASSERT_TRUE(testing_support::ReadString(TheProgram(), text));
    std::vector<int> reread;
    TheProgram().ForEachBlock([&](CState* b) {
        if (b->IsVariableKind())
            reread.push_back(b->GetVariableIndex());
    });
    EXPECT_EQ(reread, (std::vector<int>{0, 1, 0}));
}
