// The block palette in the main window, with the real mouse and keyboard: its pages, blocks
// dragged onto the canvas, the properties dialog after a drop and on its own, and the names list
// as a source of drags and the place where names change.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "editor/CStateDialog.h"
#include "editor/CStateTypeViewer.h"
#include "editor/CStateViewer.h"
#include "model/EditHistory.h"
#include "model/Names.h"
#include "model/Prototypes.h"
#include "model/Variables.h"
#include "simulation/RunPanel.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

namespace {
struct Palette : MainWindowTest
{
    void SetUp() override
    {
        if (OnWayland())
            GTEST_SKIP() << "the real mouse and keyboard are X11 only";
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        Prototypes::Get().Of(KindId::Wait)->SetParameterText("0"); // the values the dialog wrote into it
    }
    CStateViewer* Viewer() const { return frame->GetPalette(); }
    CMyListCtrl* Names() const { return Viewer()->GetNamesList(); }
    // The screen point in the middle of a prototype, its page shown and scrolled to it first.
    wxPoint OnPage(int index, KindId kind)
    {
        Viewer()->SelectPage(index);
        CStateTypeViewer* page = Viewer()->GetPage(index);
        WaitFor([&] { return page->IsShownOnScreen(); });
        const CState* prototype = Prototypes::Get().Of(kind);
        if (const int hidden = prototype->GetY() + 106 - page->GetClientSize().y; hidden > 0)
            Scroll(page->GetScrollOffset() + hidden);
        return page->ClientToScreen(wxPoint(prototype->GetX() + 48, prototype->GetY() + 48));
    }
    // The palette's scroll bar dragged to a position.
    void Scroll(int position)
    {
        wxScrollBar* bar = Viewer()->GetScrollBar();
        bar->SetThumbPosition(position);
        wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, bar->GetId(), bar->GetThumbPosition(), wxVERTICAL);
        event.SetEventObject(bar);
        bar->GetEventHandler()->ProcessEvent(event);
    }
    // The screen point where a dragged block is held so that it lands one step below block.
    wxPoint Below(const CState* block) const
    {
        return Canvas()->ClientToScreen(Canvas()->ToWindow(wxPoint(block->GetX() + 48, block->GetY() + 110)));
    }
    // A drag with the real mouse; answer handles the properties dialog when one is expected.
    void Drag(const wxPoint& from, const wxPoint& to, std::function<void(CStateDialog*)> answer = nullptr)
    {
        std::unique_ptr<WhenShown<CStateDialog>> dialog;
        if (answer)
            dialog = std::make_unique<WhenShown<CStateDialog>>(answer);
        DragMouse(from, to);
        EXPECT_TRUE(WaitFor([&] { return (!dialog || dialog->Shown()) && !Viewer()->IsDragging(); }));
    }
    // The project as "Opslaan project als..." writes it.
    std::string Saved()
    {
        const wxString path = FreshFolder("palette") + "/program.tamek";
        wxTEST_DIALOG(frame->SaveProject(true), ExpectFileDialog("Bestand opslaan als...", path));
        return ReadTextFile(path);
    }
    CState* Placed(const wxString& kind) const
    {
        return TheProgram().FindBlock(TheProgram().GetRoot(), [&](CState* b) { return b->GetKindWordRaw() == kind; });
    }
};

// Types into a field of the dialog (all it held replaced) with the real keyboard.
void TypeInto(wxTextCtrl* field, const wxString& text)
{
    field->SetFocus();
    field->SelectAll();
    TypeText(text);
}

// Answers the block form: a value typed, then "Ok" (or "Abandonner") clicked.
std::function<void(CStateDialog*)> Answer(const wxString& value, bool confirm = true)
{
    return [=](CStateDialog* dialog) {
        if (!value.empty())
            TypeInto(dialog->ValueField(), value);
        ClickOn(dialog->FindWindow(confirm ? wxID_OK : wxID_CANCEL));
    };
}

// The screen point near the left of a cell of the names list (the toolkit gives the cell in the list's coordinates).
wxPoint ScreenPointOf(CMyListCtrl* list, long item, int column)
{
    wxRect cell;
    list->GetSubItemRect(item, column, cell);
    return list->ClientToScreen(cell.GetPosition() + wxPoint(8, cell.height / 2));
}

wxArrayString Items(wxComboBox* box)
{
    return box->GetStrings();
}
} // namespace

TEST_F(Palette, WaitAndStopDroppedUnderTheStartBlockSaveTheWorkedExamplesProgram)
{
    frame->SelectCanvasTool(TOOL_ZOOM); // the drag works with the select tool and gives the zoom back
    const CState* start = TheProgram().GetRoot();
    Drag(OnPage(1, KindId::Wait), Below(start), [](CStateDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Configuration Wacht ");
        EXPECT_EQ(dialog->ValueField()->GetValue(), "0"); // the prototype's values: a new block
        Answer("10")(dialog);
    });
    EXPECT_EQ(Canvas()->GetTool(), CProjectViewer::ZoomTool);
    CState* wait = Placed("Wait");
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(GetCurrentBlock(), wait);
    EXPECT_EQ(Prototypes::Get().Of(KindId::Wait)->GetParameterText(), "10"); // the next drop offers it
    Drag(OnPage(1, KindId::Stop), Below(wait));                              // no parameter: no dialog
    EXPECT_EQ(Saved(), ReadTextFile(DataPath("gui/dropped_worked_example.tamek")));
    EXPECT_TRUE(MenuEnabled(ID_MENU_UNDO));
}

TEST_F(Palette, CancelTakesTheDropBackAndAReleaseOutsideTheCanvasChangesNothing)
{
    const std::string before = Saved();
    Drag(OnPage(1, KindId::Wait), Below(TheProgram().GetRoot()), Answer("10", false));
    EXPECT_EQ(CountBlocks(), 1);
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    EXPECT_EQ(Prototypes::Get().Of(KindId::Wait)->GetParameterText(), "0");
    const wxPoint wait = OnPage(1, KindId::Wait);
    Drag(wait, wait + wxPoint(30, 120)); // released over the palette
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(MenuEnabled(ID_MENU_UNDO));
    EXPECT_EQ(Canvas()->GetTool(), CProjectViewer::SelectTool);
}

TEST_F(Palette, ValuesAreKeptInTheKindsRangeAndExpressionsAsTyped)
{
    Open("worked_example.tamek");
    CState* wait = BlockNumbered(1);
    const struct
    {
        const char *typed, *text;
        int value;
    } cases[] = {{"25000", "20000", 20000}, {"-5", "0", 0}, {"150", "150", 150}, {"12 * Sensor1", "12 * Sensor1", 12}};
    for (const auto& c : cases) {
        WhenShown<CStateDialog> dialog(Answer(c.typed));
        EXPECT_EQ(frame->ShowBlockProperties(wait, false), CStateDialog::Confirmed) << c.typed;
        EXPECT_EQ(std::make_pair(wait->GetParameterText(), wait->GetParameterValue()),
                  std::make_pair(wxString(c.text), c.value));
        EXPECT_EQ(wait->GetCloneSource()->GetParameterText(), c.text);
    }
    WhenShown<CStateDialog> dialog(Answer("7", false));
    EXPECT_EQ(frame->ShowBlockProperties(wait, false), CStateDialog::Abandoned);
    EXPECT_EQ(wait->GetParameterText(), "12 * Sensor1");
}

TEST_F(Palette, ASwitchComparesWithTwoOperatorsADetectorWithSix)
{
    const std::pair<KindId, wxArrayString> kinds[] = {{KindId::Switch1, wxSplit("==,!=", ',')},
                                                      {KindId::Detector2, wxSplit("<,<=,==,>=,>,!=", ',')}};
    for (const auto& [kind, operators] : kinds) {
        std::unique_ptr<CState> block(Prototypes::Get().Of(kind)->Clone());
        block->SetConditionOperator("!=");
        WhenShown<CStateDialog> dialog([&](CStateDialog* shown) {
            EXPECT_EQ(Items(shown->ComparisonBox()), operators);
            EXPECT_EQ(shown->ComparisonBox()->GetValue(), "!="); // the block's comparison chosen
            shown->ComparisonBox()->SetSelection(0);
            Answer("1")(shown);
        });
        EXPECT_EQ(frame->ShowBlockProperties(block.get(), false), CStateDialog::Confirmed);
        EXPECT_EQ(block->GetConditionOperator(), operators[0]);
    }
}

TEST_F(Palette, ANewVariableThenASecondBlockOnTheSameVariable)
{
    // The first variable: a new name must be typed, and one the file could not give back is refused.
    Drag(OnPage(0, KindId::Var), Below(TheProgram().GetRoot()), [](CStateDialog* dialog) {
        EXPECT_TRUE(dialog->NewVariableCheck()->IsChecked() && !dialog->NewVariableCheck()->IsEnabled());
        EXPECT_FALSE(dialog->VariableBox()->IsShown() || dialog->TestButton()->IsShown());
        TypeInto(dialog->NewNameField(), "mijn teller");
        TypeInto(dialog->ValueField(), "0");
        ClickOn(dialog->FindWindow(wxID_OK));
        EXPECT_TRUE(dialog->IsShown() && dialog->NameMessage()->IsShown());
        wxString message = dialog->NameMessage()->GetLabel();
        message.Replace("\n", " "); // wrapped to the dialog's width
        EXPECT_EQ(message, CheckStorableName("mijn teller").Message());
        TypeInto(dialog->NewNameField(), "teller");
        ClickOn(dialog->FindWindow(wxID_OK));
    });
    CState* first = Placed("Variable");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Names()->GetItemText(Names()->ItemOf(CMyListCtrl::VariableGroup, 1)), "teller");
    // The second: the new-variable box may be cleared; the variable box then offers "teller".
    Drag(OnPage(0, KindId::Var), Below(first), [](CStateDialog* dialog) {
        EXPECT_TRUE(dialog->NewVariableCheck()->IsChecked() && dialog->NewVariableCheck()->IsEnabled());
        ClickOn(dialog->NewVariableCheck());
        EXPECT_TRUE(dialog->VariableBox()->IsShown() && dialog->ActionButton()->GetValue());
        EXPECT_EQ(dialog->VariableBox()->GetValue(), "teller");
        EXPECT_TRUE(dialog->AssignmentLabel()->IsShown() && !dialog->ComparisonBox()->IsShown());
        // An unfinished expression is warned about, never refused.
        TypeInto(dialog->ValueField(), "teller + (1");
        EXPECT_TRUE(dialog->HintText()->IsShown());
        EXPECT_EQ(dialog->HintText()->GetLabel(), "Let op: een haakje staat zonder zijn partner.");
        TypeInto(dialog->ValueField(), "teller + 1");
        EXPECT_FALSE(dialog->HintText()->IsShown());
        ClickOn(dialog->FindWindow(wxID_OK));
    });
    const CState* second = first->GetSon()->GetSon();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(std::make_tuple(second->GetName(), second->GetVariableIndex(), second->GetParameterText()),
              std::make_tuple(wxString("teller"), 0, wxString("teller + 1")));
    EXPECT_EQ(TheProgram().Variables().GetCount(), 1u);
    EXPECT_EQ(Names()->GroupSize(CMyListCtrl::VariableGroup), 2); // "Toevoegen" and "teller"
}

TEST_F(Palette, AVariableBlockGivenAnotherVariableShowsTheProgramsVariablesInTheList)
{
    Open("canvas/variables.tamek"); // x, y and z; x on its first block only
    const wxArrayString before = VariableNames(TheProgram());
    WhenShown<CStateDialog> dialog([](CStateDialog* shown) {
        shown->VariableBox()->SetStringSelection("y");
        ClickOn(shown->FindWindow(wxID_OK));
    });
    EXPECT_EQ(frame->ShowBlockProperties(BlockNumbered(1), false), CStateDialog::Confirmed);
    wxArrayString rows = VariableNames(TheProgram());
    EXPECT_NE(rows, before);
    rows.Insert("Toevoegen", 0);
    EXPECT_EQ(Names()->GetGroupNames(CMyListCtrl::VariableGroup), rows);
}

TEST_F(Palette, RenamingZoemerTakesAFreeNameOnly)
{
    const CMyListCtrl::Entry buzzer = Names()->EntryOf(Names()->ItemOfRow(6));
    ASSERT_EQ(buzzer.name, "Zoemer");
    const auto rename = [&](const wxString& name, std::function<void(CStateDialog*)> more = nullptr) {
        WhenShown<CStateDialog> dialog([&](CStateDialog* shown) {
            EXPECT_EQ(shown->GetTitle(), "Hernoem actuator");
            EXPECT_EQ(shown->NewNameField()->GetValue(), Names()->GetItemText(buzzer.item));
            TypeInto(shown->NewNameField(), name);
            ClickOn(shown->FindWindow(wxID_OK));
            if (more)
                more(shown);
        });
        Names()->Rename(Names()->EntryOf(buzzer.item));
    };
    // A name that the project file could not give back is refused in the dialog.
    rename("Zoemer links", [](CStateDialog* shown) {
        EXPECT_TRUE(shown->IsShown() && shown->NameMessage()->IsShown());
        ClickOn(shown->FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(Prototypes::Get().Of(KindId::Buzzer)->GetName(), "Zoemer");
    // A name in use, in any case, is refused with a message box.
    {
        WhenShown<wxMessageDialog> box([](wxMessageDialog* shown) {
            EXPECT_EQ(shown->GetMessage() + " | " + shown->GetTitle(),
                      "Deze naam is al in gebruik, actuator kan hernoemd worden. | Naam reeds in gebruik");
            PressKey(WXK_RETURN);
        });
        rename("LEDROOD");
    }
    EXPECT_EQ(Prototypes::Get().Of(KindId::Buzzer)->GetName(), "Zoemer");
    EXPECT_FALSE(MenuEnabled(ID_MENU_UNDO));
    // A free name is taken: the row, the prototype and the project's name lines, as one edit.
    rename("Toeter");
    EXPECT_EQ(Names()->GetItemText(buzzer.item), "Toeter");
    EXPECT_EQ(Names()->KindForName("Toeter"), "Buzzer");
    EXPECT_TRUE(MenuEnabled(ID_MENU_UNDO));
    EXPECT_NE(Saved().find("State Buzzer: Position:577,48.Param: '0'. Name: Toeter . "), std::string::npos);
    rename("toeter"); // the same name in another spelling is taken at once
    EXPECT_EQ(Names()->GetGroupNames(CMyListCtrl::ActuatorGroup)[1], "toeter");
}

TEST_F(Palette, ADragFromTheNamesListMakesABlockOrATestOfTheVariable)
{
    Open("canvas/variables.tamek");
    const wxArrayString before = Names()->GetGroupNames(CMyListCtrl::VariableGroup);
    ASSERT_GE(before.size(), 2u);
    Viewer()->SelectPage(CStateViewer::kNamesPage);
    ASSERT_TRUE(WaitFor([&] { return IsMapped(Names()); }));
    const auto row = [&](long item) {
        Names()->EnsureVisible(item);
        wxTheApp->Yield(true);
        return ScreenPointOf(Names(), item, CMyListCtrl::NameColumn);
    };
    // The first variable's row, dragged below the closing test and made a test itself.
    Drag(row(Names()->ItemOf(CMyListCtrl::VariableGroup, 1)), Below(BlockNumbered(4)), [&](CStateDialog* dialog) {
        EXPECT_FALSE(dialog->NewVariableCheck()->IsEnabled());
        EXPECT_EQ(dialog->VariableBox()->GetValue(), before[1]);
        ClickOn(dialog->TestButton());
        EXPECT_TRUE(dialog->ComparisonBox()->IsShown() && !dialog->AssignmentLabel()->IsShown());
        dialog->ComparisonBox()->SetValue(">");
        Answer("7")(dialog);
    });
    CState* test = GetCurrentBlock();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(std::make_tuple(test->GetKindWordRaw(), test->GetName(), test->GetConditionOperator(),
                              test->GetParameterText(), test->GetVariableIndex()),
              std::make_tuple(wxString("VariableIf"), before[1], wxString(">"), wxString("7"), 0));
    EXPECT_EQ(Prototypes::Get().Of(KindId::Var)->GetVariableIndex(), -1); // the row only lent it
    EXPECT_EQ(Names()->GetGroupNames(CMyListCtrl::VariableGroup), before);
}

TEST_F(Palette, AContinuousServoAsksASpeedInItsRange)
{
    CalibrationRecord continuous = CalibrationRecord::Defaults();
    continuous.servo[0].flags |= 2;
    frame->SetCalibration(continuous);
    std::unique_ptr<CState> servo(Prototypes::Get().Of(KindId::Servo1)->Clone());
    WhenShown<CStateDialog> dialog([](CStateDialog* shown) {
        auto* prompt = static_cast<wxStaticText*>(shown->GetSizer()->GetItem(size_t(0))->GetWindow());
        EXPECT_EQ(prompt->GetLabel(), "Stel snelheidsindicatie in [-10 ; 10]:");
        Answer("50")(shown);
    });
    EXPECT_EQ(frame->ShowBlockProperties(servo.get(), false), CStateDialog::Confirmed);
    EXPECT_EQ(servo->GetParameterText(), "10");
    frame->SetCalibration(CalibrationRecord::Defaults());
    EXPECT_EQ(servo->GetPrompt(), wxString(L"Stel verdraaiingshoek in [-60\u00b0 ; 60\u00b0]:"));
}

namespace {
// The simulator's inputs as a run would take them from the names list.
struct RecordedInputs : SimulatedInputs
{
    bool running = true;
    std::pair<int, int> last{-1, -1};
    bool IsVirtualRunActive() const override { return running; }
    void SetRawInput(int port, int raw) override { last = {port, raw}; }
};

// A real double-click at a screen point over a window, waited for.
void DoubleClickAt(wxWindow* window, const wxPoint& screen)
{
    bool arrived = false;
    const auto notice = [&arrived](wxMouseEvent& event) { arrived = true, event.Skip(); };
    window->Bind(wxEVT_LEFT_DCLICK, notice);
    MoveMouseTo(screen);
    wxUIActionSimulator().MouseDblClick();
    EXPECT_TRUE(WaitFor([&] { return arrived; })) << "the double-click did not arrive";
    window->Unbind(wxEVT_LEFT_DCLICK, notice);
    wxTheApp->Yield(true);
}
} // namespace

TEST_F(Palette, ASensorValueTypedDuringAVirtualRunSetsTheSimulatedInput)
{
    RecordedInputs inputs;
    auto* window = new wxFrame(frame, wxID_ANY, "Namen", wxDefaultPosition, wxSize(320, 640));
    auto* list = new CMyListCtrl(window, &inputs);
    window->Show();
    ASSERT_TRUE(WaitFor([&] { return IsMapped(window); }));
    const struct
    {
        int row;
        bool running;
        const char* typed;
        std::pair<int, int> input; // {-1, -1}: no editor opens
    } cases[] = {                  // no two clicks in a row at one place: the toolkit would count a third click
                 {0, true, "0", {0, 1023}},
                 {4, true, "300", {1, 723}},
                 {0, true, "1", {0, 0}},
                 {5, true, "", {-1, -1}},
                 {1, false, "", {-1, -1}}};
    for (const auto& c : cases) {
        inputs = RecordedInputs();
        inputs.running = c.running;
        const long item = list->ItemOfRow(c.row);
        DoubleClickAt(list->RowArea(), ScreenPointOf(list, item, CMyListCtrl::ValueColumn));
        EXPECT_EQ(list->ValueEditor()->IsShown(), c.input.first >= 0) << c.row;
        if (c.input.first < 0)
            continue;
        TypeText(c.typed);
        PressKey(WXK_RETURN);
        EXPECT_TRUE(WaitFor([&] { return !list->ValueEditor()->IsShown(); }));
        EXPECT_EQ(inputs.last, c.input) << c.typed;
        EXPECT_EQ(list->GetRowValue(c.row), c.typed);
    }
    window->Destroy();
}

TEST_F(Palette, EveryPageAndTheDialogShowTheirWholeContent)
{
    // Screenshots of each with TAMEK_SCREENSHOTS=folder.
    Viewer()->ShowPage(3, true); // after the lower pages shown, before the names list
    wxArrayString labels;
    for (size_t i = 0; i < Viewer()->GetNotebook()->GetPageCount(); ++i)
        labels.Add(Viewer()->GetNotebook()->GetPageText(i));
    EXPECT_EQ(wxJoin(labels, ','), "Sensoren,Actuatoren,Macro,Link,Alle");
    const char* const names[] = {"sensors", "actions", "macros", "links"};
    for (int index = 0; index < 4; ++index) {
        Viewer()->SelectPage(index);
        CStateTypeViewer* page = Viewer()->GetPage(index);
        ASSERT_TRUE(WaitFor([&] { return IsMapped(page); }));
        for (const CState* prototype : page->GetPrototypes())
            EXPECT_LE(prototype->GetX() + prototype->ImageWidth(), page->GetClientSize().x) << index;
        WaitForRepaint(frame);
        SaveScreenshot(wxString("palette-") + names[index]);
    }
    Viewer()->SelectPage(CStateViewer::kNamesPage);
    int columns = 0;
    for (int column = 0; column < Names()->GetColumnCount(); ++column)
        columns += Names()->GetColumnWidth(column);
    EXPECT_LE(columns, Names()->GetClientSize().x);
    WaitForRepaint(frame);
    SaveScreenshot("palette-names");

    // An action, a condition and a variable block (whose variable box lists the program's variables).
    Open("compile/variables.tamek");
    std::unique_ptr<CState> wait(Prototypes::Get().Of(KindId::Wait)->Clone());
    std::unique_ptr<CState> detector(Prototypes::Get().Of(KindId::Detector1)->Clone());
    for (CState* block : {wait.get(), detector.get(), BlockNumbered(2)}) {
        WhenShown<CStateDialog> dialog([&](CStateDialog* shown) {
            for (wxWindow* child : shown->GetChildren()) {
                if (!child->IsShown())
                    continue;
                EXPECT_TRUE(shown->GetClientRect().Contains(child->GetRect())) << child->GetLabel();
                EXPECT_GE(child->GetSize().x, child->GetBestSize().x) << child->GetLabel();
            }
            WaitForRepaint(shown);
            SaveScreenshot(wxString::Format("dialog-%s", block->GetKindWordRaw().Lower()));
            ClickOn(shown->FindWindow(wxID_CANCEL));
        });
        frame->ShowBlockProperties(block, false);
    }
}

TEST_F(Palette, TheRoadOfOneActionFromTheDropToTheRunAndATypedSwitch)
{
    // Wait dropped onto the Start block, 10 typed, "Ok": the new block is highlighted, Start enabled.
    Drag(OnPage(1, KindId::Wait), Below(TheProgram().GetRoot()), Answer("10"));
    CState* wait = Placed("Wait");
    ASSERT_NE(wait, nullptr);
    EXPECT_TRUE(DrawnRed(wait) && RunToolsAre(true, false, false));
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(2), wxString::Format("%d / 1024 bytes", TheProgram().ImageLength()));
    Screenshot("road-1-wait-dropped");

    // F5: the highlight walks onto the Wait block, which the program repeats; Shift-F5 ends the run.
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    EXPECT_TRUE(frame->IsRunActive() && RunToolsAre(false, true, true));
    ASSERT_TRUE(WaitFor([&] { return GetCurrentBlock() == wait; }, 2000));
    EXPECT_TRUE(DrawnRed(wait));
    Screenshot("road-2-wait-running");
    PressCommandKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);
    EXPECT_TRUE(!frame->IsRunActive() && !GetCurrentBlock() && !DrawnRed(wait) && RunToolsAre(true, false, false));
    Screenshot("road-3-stopped");

    // A program that waits for "Schakelaar1": 1 typed into its value during the run takes the LED's path.
    Open("simulation/wait_for_switch.tamek");
    Viewer()->SelectPage(CStateViewer::kNamesPage);
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    const long switch1 = Names()->ItemOfRow(RunRow::Switch1);
    EXPECT_EQ(Names()->GetItemText(switch1) + "=" + Names()->GetRowValue(RunRow::Switch1), "Schakelaar1=    0");
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Wait", "1"); }, 2000)); // tested over and over
    DoubleClickAt(Names()->RowArea(), ScreenPointOf(Names(), switch1, CMyListCtrl::ValueColumn));
    TypeText("1");
    Screenshot("road-4-switch-typed");
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("LedR"); }, 6000));
    Screenshot("road-5-led-path");
    EXPECT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));
}
