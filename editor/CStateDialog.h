#pragma once
// The block properties dialog: the value of an action, the comparison and value of a condition,
// the variable, operation and value of a variable block (the block form); and a new name for a
// sensor, actuator or variable (the rename form). The block form writes into the block, and its
// values into the block's clone source, when the user confirms.

#include <wx/dialog.h>

class CState;
class wxCheckBox;
class wxComboBox;
class wxRadioButton;
class wxSizer;
class wxStaticText;
class wxTextCtrl;

class CStateDialog : public wxDialog
{
public:
    enum : int
    {
        Confirmed = 1000,
        Abandoned = 1001
    };
    static constexpr int kWidth = 300, kHeight = 150;

    // The block form. newBlock: a block just dropped, shown with its clone source's title and values;
    // only such a variable block can be made a test ("Test"), which its caller then does.
    CStateDialog(wxWindow* parent, CState* block, bool newBlock, const wxPoint& centre,
                 const wxSize& size = wxSize(kWidth, kHeight), long style = wxDEFAULT_DIALOG_STYLE);
    // The rename form: the old name to change, under the caller's title.
    CStateDialog(wxWindow* parent, const wxString& oldName, const wxString& title, const wxPoint& centre,
                 const wxSize& size = wxSize(kWidth, kHeight), long style = wxDEFAULT_DIALOG_STYLE);

    // After confirmation: a new variable was made; "Test" was chosen (the block is to compare).
    bool IsNewVariable() const { return m_newVariable; }
    bool IsTestChosen() const { return m_testChoice; }
    // The rename form's name as typed.
    wxString GetNewName() const;

    // The controls, for those who look at the dialog (null when the form has none).
    wxTextCtrl* ValueField() const { return m_valueField; }
    wxComboBox* ComparisonBox() const { return m_comparisonBox; }
    wxComboBox* VariableBox() const { return m_variableBox; }
    wxTextCtrl* NewNameField() const { return m_newNameField; }
    wxCheckBox* NewVariableCheck() const { return m_newVariableCheck; }
    wxRadioButton* ActionButton() const { return m_actionButton; }
    wxRadioButton* TestButton() const { return m_testButton; }
    wxStaticText* AssignmentLabel() const { return m_assignmentLabel; }
    // The warning under the value field, and the refusal of a name.
    wxStaticText* HintText() const { return m_hint; }
    wxStaticText* NameMessage() const { return m_nameMessage; }

private:
    void BuildBlockForm();
    void BuildRenameForm(const wxString& oldName);
    wxSizer* BuildValueRow();
    void AddButtons(wxSizer* column, const wxString& cancelLabel);
    void PlaceAround(const wxPoint& centre, const wxSize& minimum);
    wxStaticText* AddText(wxSizer* column, const wxString& text);

    void OnNewVariable(wxCommandEvent& event);
    void OnActionOrTest(wxCommandEvent& event);
    void OnValueText(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void ShowNewVariableChoice(bool newVariable);
    void ShowTestChoice(bool test);
    // A name the project file could not give back is refused here, saying why; true when storable.
    bool AcceptName(const wxString& name);
    void UpdateHint();
    void Relayout();

    wxStaticText* m_prompt = nullptr;
    wxComboBox* m_comparisonBox = nullptr;
    wxTextCtrl* m_valueField = nullptr;
    wxStaticText* m_assignmentLabel = nullptr;
    wxComboBox* m_variableBox = nullptr;
    wxTextCtrl* m_newNameField = nullptr;
    wxCheckBox* m_newVariableCheck = nullptr;
    wxRadioButton* m_actionButton = nullptr;
    wxRadioButton* m_testButton = nullptr;
    wxStaticText* m_hint = nullptr;
    wxStaticText* m_nameMessage = nullptr;
    int m_mode;
    bool m_newVariable = false;
    bool m_testChoice = false;
    CState* m_block = nullptr;
    // Whose title and values are shown: the block, or its clone source for a new block.
    const CState* m_shown = nullptr;
    bool m_newBlock = false;
};

// What the block form answered, with the two results its caller may act on.
struct PropertiesAnswer
{
    int code = CStateDialog::Abandoned;
    bool newVariable = false;
    bool test = false;
};
// Opens the block form for block, 300 x 150 at least, centred on the main window, and answers it.
PropertiesAnswer ShowPropertiesDialog(wxWindow* mainWindow, CState* block, bool newBlock);
