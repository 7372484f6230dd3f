#pragma once
// The names list: the robot's sensors and actuators and the program's variables, in three groups,
// with the value a run shows beside each. Entries are renamed here ("Hernoem"), dragged onto the
// canvas (the palette runs the drag), and during a virtual-mode run the value of a sensor row can
// be typed to set the simulated input.

#include "editor/CWinListCtrl.h"
#include "editor/RunValues.h"

#include <functional>
#include <wx/arrstr.h>

class CState;
class wxTextCtrl;

class CMyListCtrl : public CWinListCtrl, public RunValues
{
public:
    // The groups, with the numbers the canvas's "Verander" menu asks for.
    enum Group : int
    {
        ActuatorGroup = 1,
        SensorGroup = 2,
        VariableGroup = 3
    };
    enum : int
    {
        NameColumn = 0,
        ValueColumn = 1,
        LabelColumn = 2,
        EditorId = 7999,
        RenameId = 6017
    };
    // The row a drag or a rename is about.
    struct Entry
    {
        long item = -1;
        int variable = -1; // its place among the variables, for a variable row
        wxString name, kind;
    };

    CMyListCtrl(wxWindow* parent, SimulatedInputs* inputs);

    // What the owner (the palette) does for the list: commit a rename as an edit; run a drag of an entry.
    std::function<void()> onNamesChanged;
    std::function<void(const Entry&)> onBeginDrag;

    // The "Naam" texts of the sensor rows (SensorGroup) or of the actuator rows (ActuatorGroup).
    wxArrayString GetGroupNames(int group) const;
    // The "Label" (kind word) of the row whose "Naam" is name, or "".
    wxString KindForName(const wxString& name) const;
    // A row for a new variable of the program.
    void AddVariable(const wxString& name);
    // The names from the prototypes again, and one row per variable of the program.
    void RebuildRows();

    // The entry of an item (a header row gives an entry without item).
    Entry EntryOf(long item) const;
    // Renames an entry through the rename form, refusing a name in use (the "Hernoem" command).
    void Rename(const Entry& entry);
    // The value editor over the "Waarde" cell of a sensor row; false when it may not open there.
    bool EditValue(long item);
    wxTextCtrl* ValueEditor() const { return m_editor; }
    // The "Waarde" cell of a row in the coordinates of the rows' window (RowArea), empty when hidden.
    wxRect ValueCell(long item) const;

    // RunValues.
    void SetRowValue(int row, const wxString& text) override;
    wxString GetRowValue(int row) const override;
    void SetVariableValue(int variable, const wxString& text) override;
    void ResetVariableValues() override;
    void ResetAllValues() override;

private:
    void BuildImages();
    void AppendRow(int group, const wxString& name, const wxString& kind, int image);
    void SetValuesOfGroup(int group, int from, const wxString& text);
    void CommitValue();
    void HideEditor();

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnBeginDrag(wxListEvent& event);
    void OnRightClick(wxListEvent& event);
    void OnRenameCommand(wxCommandEvent& event);
    void OnEditorEnter(wxCommandEvent& event);
    void OnEditorFocusLost(wxFocusEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    SimulatedInputs* m_inputs;
    wxTextCtrl* m_editor = nullptr;
    long m_editedItem = -1;
    Entry m_menuEntry;
    long m_tipItem = -1;
    // The row pressed, until a drag of it starts or the button is released.
    long m_pressedItem = -1;
    wxPoint m_pressedAt;
};
