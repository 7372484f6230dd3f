// The shipped examples open in the window, and the window-level Delete and Escape keys.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {
int CountBlocks()
{
    int count = 0;
    TheProgram().ForEachBlock([&count](CState*) { ++count; });
    return count;
}

void PressAtWindowLevel(CFrame* frame, int key)
{
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
}

CState* BlockNumbered(int node)
{
    return TheProgram().FindBlock(TheProgram().GetRoot(), [node](CState* b) { return b->GetNodeNumber() == node; });
}
} // namespace

TEST_F(MainWindowTest, TheShippedExamplesOpenWithoutAnError)
{
    struct Example
    {
        const char* file;
        int blocks;
    } examples[] = {{"blink.tamek", 6}, {"switch.tamek", 8}};
    for (const Example& example : examples) {
        SCOPED_TRACE(example.file);
        const wxString path = wxString(TAMEK_SOURCE_DIR) + "/examples/" + example.file;
        EXPECT_TRUE(frame->OpenProjectByPath(path)); // a reading error would show an unexpected dialog
        EXPECT_EQ(CountBlocks(), example.blocks);
        EXPECT_EQ(frame->GetTitle(), "Tamek - " + path);
        EXPECT_EQ(frame->GetCommandState(), kStateAfterOpen);
    }
}

TEST_F(MainWindowTest, DeleteAtWindowLevelRemovesTheSelectedBlockButNeverTheStartBlock)
{
    ASSERT_TRUE(frame->OpenProjectByPath(wxString(TAMEK_SOURCE_DIR) + "/examples/switch.tamek"));
    const int before = CountBlocks();

    SetCurrentBlock(TheProgram().GetRoot());
    PressAtWindowLevel(frame, WXK_DELETE);
    EXPECT_EQ(CountBlocks(), before);
    EXPECT_NE(TheProgram().GetRoot(), nullptr);

    // Blocks read from a file keep the Delete key off; a block placed by the user takes it.
    CState* stop = BlockNumbered(5);
    ASSERT_NE(stop, nullptr);
    stop->SetDeletable(true);
    SetCurrentBlock(stop);
    PressAtWindowLevel(frame, WXK_DELETE);
    EXPECT_LT(CountBlocks(), before);
    EXPECT_EQ(GetCurrentBlock(), nullptr);
}

TEST_F(MainWindowTest, UndoAndRedoFromTheMenuAndToolbarFollowTheHistory)
{
    ASSERT_TRUE(frame->OpenProjectByPath(wxString(TAMEK_SOURCE_DIR) + "/examples/blink.tamek"));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_UNDO));

    // An edit as the canvas makes it: change, record, enable the editing commands.
    BlockNumbered(3)->SetParameterText("9");
    ASSERT_TRUE(TheEditHistory().CommitEdit());
    frame->EnableCommands(0x13be);

    SetCurrentBlock(BlockNumbered(3));
    wxCommandEvent undo(wxEVT_MENU, ID_MENU_UNDO);
    frame->GetEventHandler()->ProcessEvent(undo);
    EXPECT_EQ(GetCurrentBlock(), nullptr); // the old blocks are gone
    EXPECT_EQ(BlockNumbered(3)->GetParameterText(), "5");
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_UNDO));
    EXPECT_TRUE(frame->GetMenuBar()->IsEnabled(ID_MENU_REDO));
    EXPECT_TRUE(frame->GetTamekToolBar()->GetToolEnabled(ID_TOOL_REDO));
    EXPECT_TRUE(frame->IsModified());

    wxCommandEvent redo(wxEVT_MENU, ID_TOOL_REDO);
    frame->GetEventHandler()->ProcessEvent(redo);
    EXPECT_EQ(BlockNumbered(3)->GetParameterText(), "9");
    EXPECT_TRUE(frame->GetMenuBar()->IsEnabled(ID_MENU_UNDO));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_REDO));

    // A new project forgets the history.
    wxTEST_DIALOG(frame->NewProject(), ExpectSaveQuestion(wxID_NO));
    EXPECT_FALSE(TheEditHistory().CanUndo());
    EXPECT_FALSE(TheEditHistory().CanRedo());
}
