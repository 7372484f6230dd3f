// The canvas's editing tools driven with the real mouse: drops through the palette's entry,
// drags, the link tool, the context menu, Delete, Tab and Escape; every edit checked against a
// reviewed project text and undone back to the exact text before it.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "bytecode/ProgramCompiler.h"
#include "console/CConsoleViewer.h"
#include "drawing/BlockDrawing.h"
#include "editor/CanvasMenuIds.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "support/ProjectText.h"
#include "support/ScriptedCanvasOwner.h"

#include <algorithm>

#include <wx/menu.h>
#include <wx/uiaction.h>

using testing_support::Snapshot;

namespace {
// One flowchart step in a direction: 0 down, 1 up, 2 right, 3 left.
const wxPoint kStep[] = {{0, 60}, {0, -60}, {60, 0}, {-60, 0}};

// The nth block of a kind in graph-search order, or null.
CState* FindKind(const wxString& kind, int nth = 0)
{
    CState* found = nullptr;
    TheProgram().ForEachBlock([&](CState* b) {
        if (!found && b->GetKindWordRaw() == kind && nth-- == 0)
            found = b;
    });
    return found;
}

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
        const wxPoint point(block->GetX() + block->ImageWidth() / 2, block->GetY() + block->ImageHeight() / 2);
        return Canvas()->ToWindow(direction < 0 ? point : point + kStep[direction] * steps);
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
        const wxPoint at =
            wxPoint(block->GetX() + 48, block->GetY() + 48) + (side < 0 ? wxPoint() : kStep[side] * 2 / 3);
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
    CState* stop = FindKind("Stop");
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
    CState* condition = FindKind("Switch1");
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
    CState* buzzer = FindKind("Buzzer");
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
    // Escape drops a palette drag.
    Canvas()->BeginPaletteDrag(Prototypes::Get().Of(KindId::Wait), wxBitmap(), wxPoint(48, 48));
    Key(WXK_ESCAPE);
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
    const auto listed = [] {
        std::vector<int> indices;
        for (CState* variable : TheProgram().Variables())
            indices.push_back(variable->GetVariableIndex());
        return indices;
    };
    ASSERT_EQ(listed(), (std::vector<int>{0, 1, 2}));
    SetCurrentBlock(first);
    Key(WXK_DELETE);
    EXPECT_EQ(owner.variableChanges, 1);
    EXPECT_EQ(listed(), (std::vector<int>{0, 1}));
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

namespace {
// The address of the first jump (0x7D) in the image whose target is address, or -1.
int JumpTo(const unsigned char* image, int length, int address)
{
    for (int a = 0; a + 2 < length; ++a)
        if (image[a] == 0x7D && a + static_cast<int16_t>(image[a + 1] | image[a + 2] << 8) == address)
            return a;
    return -1;
}
} // namespace

TEST_F(CanvasTools, ALoopDrawnWithTheLinkToolCompilesToABackwardJump)
{
    Open("canvas/drops.tamek");
    const std::string before = Text();
    CState* led = FindKind("LedR");
    CState* condition = FindKind("Switch1");
    frame->SelectCanvasTool(TOOL_LINK);
    // From the LedR down, left, up beside the condition and right onto it.
    PressAt(Centre(led));
    DragTo(Centre(led, 0));
    DragTo(Centre(led, 0) + wxPoint(-60, 0));
    DragTo(Centre(condition, 3));
    EXPECT_EQ(Canvas()->PendingPath().Pieces().size(), 5u);
    EXPECT_EQ(Text(), before); // painted, not yet in the program
    ASSERT_TRUE(WaitForRepaint(Canvas()));
    EXPECT_EQ(Text(), before);
    DragTo(Centre(condition));
    EXPECT_EQ(Canvas()->PendingPath().Target(), condition);
    ReleaseAt(Centre(condition));
    EXPECT_TRUE(MatchesGoldenText(Text(), "canvas/loop.tamek"));
    ASSERT_TRUE(WaitForRepaint(Canvas()));
    SaveScreenshot("canvas-built-with-the-mouse");
    EXPECT_TRUE(condition->GetExtraParent(0) && condition->GetExtraParent(0)->GetSon() == condition);

    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(TheProgram(), frame->GetCalibration(), image, length));
    const int jump = JumpTo(image, length, condition->GetCodeAddress());
    EXPECT_GT(jump, condition->GetCodeAddress()); // back to the condition, from after it
    Command(ID_MENU_UNDO);
    EXPECT_EQ(Text(), before);
}

TEST_F(CanvasTools, AJoinOfABranchIntoTheMainPathSavesReopensAndCompilesTheSame)
{
    CState* condition = DropNextTo(KindId::Switch1, Root(), 0);
    ASSERT_NE(condition, nullptr);
    CState* led = DropNextTo(KindId::DelR, condition->GetSon(), 0);
    CState* wait = DropNextTo(KindId::Wait, led, 0);
    CState* buzzer = DropNextTo(KindId::Buzzer, condition->GetBranchSon(0), 0);
    ASSERT_TRUE(led && wait && buzzer);
    frame->SelectCanvasTool(TOOL_LINK);
    Gesture({Centre(buzzer), Centre(buzzer, 0), Centre(buzzer, 0, 3), Centre(wait)});
    ASSERT_EQ(wait->GetExtraParent(0), buzzer->GetSon()->GetSon()->GetSon());
    const std::string drawn = Text();
    EXPECT_TRUE(MatchesGoldenText(drawn, "canvas/join.tamek"));
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(TheProgram(), frame->GetCalibration(), image, length));
    const std::vector<unsigned char> compiled(image, image + length);
    EXPECT_GE(JumpTo(image, length, wait->GetCodeAddress()), 0);

    const wxString path = FreshFolder("join") + "/join.tamek";
    wxTEST_DIALOG(ASSERT_TRUE(frame->SaveProject(true)), ExpectFileDialog("Bestand opslaan als...", path));
    ASSERT_TRUE(frame->OpenProjectByPath(path));
    EXPECT_EQ(Text(), drawn);
    ASSERT_TRUE(CompileProgram(TheProgram(), frame->GetCalibration(), image, length));
    EXPECT_EQ(std::vector<unsigned char>(image, image + length), compiled);
}

TEST_F(CanvasTools, TheLinkToolsErrorAndWarningChangeNothing)
{
    Open("canvas/drops.tamek");
    CState* led = FindKind("LedR");
    CState* second = DropNextTo(KindId::Switch2, led, 0);
    ASSERT_NE(second, nullptr);
    const std::string before = Text();
    frame->SelectCanvasTool(TOOL_LINK);
    // Pressed where the piece would enter the LedR from its right: an error, each press again.
    const wxPoint right = Centre(led) + wxPoint(65, 0);
    for (int i = 1; i <= 2; ++i) {
        const wxPoint at = right + wxPoint(0, 12 * i); // apart, so that the second press is no double-click
        Gesture({at, at + wxPoint(5, 0)});
        EXPECT_EQ(TheConsole()->GetText().Freq('!') / 6, i) << TheConsole()->GetText(); // "> !!! Erreur !!!: "
    }
    EXPECT_EQ(Text(), before);
    // From the second condition's FALSE exit down and onto its TRUE exit: a warning, no link.
    CState* no = second->GetBranchSon(0);
    Gesture({Centre(no), Centre(no, 0), Centre(second->GetSon())});
    EXPECT_EQ(LastConsoleLine(), "2 condities kunnen niet direct gelinked worden.");
    EXPECT_EQ(second->GetSon()->GetExtraParent(0), nullptr);
    // What was laid before the warning is kept as a loose path.
    EXPECT_NE(no->GetSon(), nullptr);
}

TEST_F(CanvasTools, TheContextMenuOffersTheGroupsNamesAndItsCommandsAreUndoneToTheExactTexts)
{
    Open("canvas/drops.tamek");
    std::vector<std::string> texts{Text()};
    CState* condition = FindKind("Switch1");
    // A condition offers the sensors, its own name disabled, each with its picture; it cannot be
    // deleted while it has exits; clicked at its bottom, TRUE is there already and FALSE is offered.
    std::unique_ptr<wxMenu> menu(Canvas()->BuildContextMenu(condition, condition->GetX() + 48, condition->GetY() + 90));
    wxMenu* names = menu->FindItem(kMenuChange)->GetSubMenu();
    ASSERT_EQ(names->GetMenuItemCount(), 5u);
    EXPECT_EQ(names->FindItemByPosition(0)->GetItemLabelText(), "Schakelaar1");
    EXPECT_FALSE(names->IsEnabled(kMenuKindFirst));
    EXPECT_TRUE(names->IsEnabled(kMenuKindFirst + 4) && names->FindItemByPosition(4)->GetBitmap().IsOk());
    EXPECT_FALSE(menu->IsEnabled(kMenuDelete));
    EXPECT_TRUE(menu->FindItem(kMenuProperties) && !menu->FindItem(kMenuChangeTrue));
    EXPECT_EQ(menu->GetLabelText(kMenuChangeFalse), "Stel parameter 'Schakelaar1 == 0 ?' in als FALSE");

    // FALSE to the bottom: TRUE takes the right side, both paths keep what follows them.
    MenuCommand(condition, kMenuChangeFalse, 0);
    EXPECT_EQ(std::make_pair(condition->GetSonExitSide(), condition->GetBranchExitSide()), std::make_pair(2, 0));
    texts.push_back(Text());
    EXPECT_TRUE(MatchesGoldenText(texts.back(), "canvas/menu-false-below.tamek"));
    // Verander: the Buzzer becomes a Motor1 with its parameter, confirmed in the dialog.
    CState* buzzer = FindKind("Buzzer");
    buzzer->SetParameterText("1"), buzzer->SetParameterValue(1);
    Canvas()->CommitEdit();
    texts.push_back(Text());
    owner.propertiesAnswer = kPropertiesAbandoned;
    MenuCommand(buzzer, kMenuKindFirst + 3);
    EXPECT_EQ(Text(), texts.back()); // abandoned: the Buzzer is back
    owner.propertiesAnswer = kPropertiesConfirmed;
    MenuCommand(buzzer, kMenuKindFirst + 3);
    CState* motor = FindKind("Motor1");
    ASSERT_NE(motor, nullptr);
    EXPECT_EQ(owner.shownProperties.back(), motor);
    EXPECT_EQ(motor->GetParameterText(), "1");
    EXPECT_EQ(FindKind("Buzzer"), nullptr);
    texts.push_back(Text());
    // Eigenschappen: the dialog's change is one edit.
    owner.editProperties = [](CState* block) { block->SetParameterText("7"); };
    MenuCommand(motor, kMenuProperties);
    texts.push_back(Text());
    EXPECT_NE(texts.back().find("'7'"), std::string::npos);
    // Verwijder: the Stop at the end of a path goes; a run is asked about first.
    owner.running = true;
    MenuCommand(FindKind("Stop"), kMenuDelete);
    EXPECT_EQ(owner.questions, 1);
    EXPECT_EQ(FindKind("Stop"), nullptr);
    texts.push_back(Text());
    UndoRedoBackThrough(texts);
}

TEST_F(CanvasTools, HoveringShowsTheLabelAndWhichPathALinkPieceIsOn)
{
    Open("canvas/drops.tamek");
    CState* condition = FindKind("Switch1");
    condition->SetParameterText("1");
    const std::pair<CState*, wxString> tips[] = {
        {FindKind("Buzzer"), "Zoemer = 0."},
        {condition->GetSon(), "Parameter 'Schakelaar1 == 1 ?' is TRUE"},
        {condition->GetBranchSon(0), "Parameter 'Schakelaar1 == 1 ?' is FALSE"},
    };
    for (const auto& [block, tip] : tips) {
        Hover(block);
        EXPECT_EQ(Canvas()->GetToolTipText(), tip);
    }
}

TEST_F(CanvasTools, ARightClickOpensTheMenuAndANewConditionGoesWithItsBareExits)
{
    if (OnWayland())
        GTEST_SKIP() << "the headless compositor takes no simulated input";
    CState* condition = DropNextTo(KindId::Switch1, Root(), 0);
    ASSERT_TRUE(condition && condition->GetSon() && condition->GetBranchSon(0));
    const std::string dropped = Text();
    // Gone with both exit pieces; the piece the drop laid above it stays, as it does for an action.
    const auto removed = [&] {
        const std::string text = Text();
        return text.find("Switch1") == std::string::npos && std::count(text.begin(), text.end(), '\n') == 2;
    };
    // Right-clicked with the real mouse the menu opens; the keyboard takes its second item,
    // "Verwijder", offered because the exits lead only to the bare pieces the drop gave them.
    int opened = 0;
    Canvas()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        if (event.GetMenu() && !event.GetMenu()->GetParent() && opened++ == 0)
            Canvas()->CallAfter([] {
                wxUIActionSimulator keys;
                keys.Char(WXK_DOWN), keys.Char(WXK_DOWN), keys.Char(WXK_RETURN);
            });
        event.Skip();
    });
    Click(Centre(condition), wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(WaitFor(removed)) << Text();
    EXPECT_EQ(opened, 1);
    // One edit: undone, the condition is back with both pieces; the Delete key takes them too.
    Command(ID_MENU_UNDO);
    ASSERT_EQ(Text(), dropped);
    SetCurrentBlock(FindKind("Switch1"));
    Key(WXK_DELETE);
    EXPECT_TRUE(removed()) << Text();
    // With a block on an exit the condition stays, and so does everything.
    Command(ID_MENU_UNDO);
    condition = FindKind("Switch1");
    ASSERT_NE(DropNextTo(KindId::Wait, condition->GetBranchSon(0), 0), nullptr);
    const std::string continued = Text();
    SetCurrentBlock(condition);
    Key(WXK_DELETE);
    EXPECT_EQ(Text(), continued);
}
