#include "editor/CStateDialog.h"

#include "base/Translation.h"
#include "bytecode/ExpressionCompiler.h"
#include "editor/ParameterEntry.h"
#include "model/CProgram.h"
#include "model/Names.h"
#include "model/Variables.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {
const wxColour kBackground(240, 240, 240);
const wxColour kText(49, 49, 49);
const wxColour kWarning(160, 60, 0);
constexpr int kActionId = 1002, kTestId = 1003;
constexpr int kGap = 6;

wxArrayString Comparisons(const CState& block)
{
    wxArrayString operators;
    const bool twoValued = block.ParameterMaximum() - block.ParameterMinimum() <= 1;
    for (const char* op : {"<", "<=", "==", ">=", ">", "!="})
        if (!twoValued || wxString(op) == "==" || wxString(op) == "!=")
            operators.Add(op);
    return operators;
}

// The warning under an expression: what keeps the text from being well formed.
wxString ExpressionHint(const ExpressionCheck& check)
{
    switch (check.fault) {
    case ExpressionCheck::Unbalanced:
        return Tr("Let op: een haakje staat zonder zijn partner.");
    case ExpressionCheck::TwoOperands:
        return wxString::Format(Tr("Let op: tussen %s en %s ontbreekt een bewerking."), check.first, check.second);
    case ExpressionCheck::UnknownName:
        return wxString::Format(Tr("Let op: %s is geen variabele en geen sensor."), check.first);
    default:
        return wxString();
    }
}
} // namespace

CStateDialog::CStateDialog(wxWindow* parent, CState* block, bool newBlock, const wxPoint& centre, const wxSize& size,
                           long style)
    : m_mode(1), m_block(block), m_newBlock(newBlock)
{
    m_shown = newBlock && block->GetCloneSource() ? block->GetCloneSource() : block;
    Create(parent, wxID_ANY, m_shown->GetConfigurationTitle(), wxDefaultPosition, size, style);
    BuildBlockForm();
    PlaceAround(centre, size);
}

CStateDialog::CStateDialog(wxWindow* parent, const wxString& oldName, const wxString& title, const wxPoint& centre,
                           const wxSize& size, long style)
    : m_mode(0)
{
    Create(parent, wxID_ANY, title, wxDefaultPosition, size, style);
    BuildRenameForm(oldName);
    PlaceAround(centre, size);
}

wxStaticText* CStateDialog::AddText(wxSizer* column, const wxString& text)
{
    auto* label = new wxStaticText(this, wxID_ANY, text);
    label->SetForegroundColour(kText);
    column->Add(label, 0, wxLEFT | wxRIGHT | wxTOP, kGap);
    return label;
}

void CStateDialog::BuildBlockForm()
{
    SetBackgroundColour(kBackground);
    auto* column = new wxBoxSizer(wxVERTICAL);
    const int category = m_shown->GetCategory();
    if (m_shown->HasParameter())
        m_prompt = AddText(column, m_shown->GetPrompt());

    if (category == Category::Variable) {
        const bool hasVariables = !TheProgram().Variables().IsEmpty();
        const bool noVariableYet = m_shown->GetVariableIndex() < 0;
        auto* choices = new wxBoxSizer(wxHORIZONTAL);
        m_newVariableCheck = new wxCheckBox(this, wxID_ANY, Tr("Nouvelle variable"));
        m_newVariableCheck->SetValue(!hasVariables || noVariableYet);
        m_newVariableCheck->Enable(hasVariables && noVariableYet);
        choices->Add(m_newVariableCheck, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2 * kGap);
        m_actionButton = new wxRadioButton(this, kActionId, Tr("Action"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
        m_testButton = new wxRadioButton(this, kTestId, Tr("Test"));
        choices->Add(m_actionButton, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
        choices->Add(m_testButton, 0, wxALIGN_CENTER_VERTICAL);
        column->Add(choices, 0, wxLEFT | wxRIGHT | wxTOP, kGap);
        m_newVariableCheck->Bind(wxEVT_CHECKBOX, &CStateDialog::OnNewVariable, this);
        m_actionButton->Bind(wxEVT_RADIOBUTTON, &CStateDialog::OnActionOrTest, this);
        m_testButton->Bind(wxEVT_RADIOBUTTON, &CStateDialog::OnActionOrTest, this);
    }
    if (m_shown->HasParameter())
        column->Add(BuildValueRow(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    m_hint = AddText(column, wxString());
    m_hint->SetForegroundColour(kWarning);
    m_hint->Hide();
    m_nameMessage = AddText(column, wxString());
    m_nameMessage->SetForegroundColour(kWarning);
    m_nameMessage->Hide();
    AddButtons(column, Tr("Abandonner"));
    SetSizer(column);

    if (m_newVariableCheck) {
        ShowNewVariableChoice(m_newVariableCheck->GetValue());
        ShowTestChoice(false);
    }
    UpdateHint();
}

wxSizer* CStateDialog::BuildValueRow()
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    const int category = m_shown->GetCategory();
    if (category == Category::Variable || category == Category::VariableCondition) {
        const wxArrayString names = VariableNames(TheProgram());
        m_variableBox =
            new wxComboBox(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(90, -1), names, wxCB_READONLY);
        const int shown = names.Index(m_shown->GetName());
        m_variableBox->SetSelection(shown != wxNOT_FOUND ? shown : names.IsEmpty() ? wxNOT_FOUND : 0);
        row->Add(m_variableBox, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
    }
    if (category == Category::Variable) {
        m_newNameField = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(90, -1));
        row->Add(m_newNameField, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
        m_assignmentLabel = new wxStaticText(this, wxID_ANY, "=");
        m_assignmentLabel->SetForegroundColour(kText);
        row->Add(m_assignmentLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
    }
    if (m_shown->IsCondition() || category == Category::Variable) {
        const wxArrayString operators = Comparisons(*m_shown);
        m_comparisonBox =
            new wxComboBox(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, operators, wxCB_READONLY);
        const int current = operators.Index(m_shown->GetConditionOperator());
        m_comparisonBox->SetSelection(current != wxNOT_FOUND ? current : operators.Index("=="));
        row->Add(m_comparisonBox, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kGap);
    }
    m_valueField = new wxTextCtrl(this, wxID_ANY, m_shown->GetParameterText());
    m_valueField->Bind(wxEVT_TEXT, &CStateDialog::OnValueText, this);
    row->Add(m_valueField, 1, wxALIGN_CENTER_VERTICAL);
    return row;
}

void CStateDialog::BuildRenameForm(const wxString& oldName)
{
    SetBackgroundColour(kBackground);
    auto* column = new wxBoxSizer(wxVERTICAL);
    AddText(column, Tr("Geef nieuwe naam in:"));
    m_newNameField = new wxTextCtrl(this, wxID_ANY, wxString::Format("%s", oldName));
    column->Add(m_newNameField, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    m_nameMessage = AddText(column, wxString());
    m_nameMessage->SetForegroundColour(kWarning);
    m_nameMessage->Hide();
    AddButtons(column, Tr("Annuleren"));
    SetSizer(column);
}

void CStateDialog::AddButtons(wxSizer* column, const wxString& cancelLabel)
{
    column->AddStretchSpacer();
    column->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, Tr("Ok"));
    auto* cancel = new wxButton(this, wxID_CANCEL, cancelLabel);
    buttons->AddStretchSpacer();
    buttons->Add(ok, 0, wxRIGHT, kGap);
    buttons->Add(cancel, 0);
    column->Add(buttons, 0, wxEXPAND | wxALL, kGap);
    ok->SetDefault();
    ok->Bind(wxEVT_BUTTON, &CStateDialog::OnOk, this);
    cancel->Bind(wxEVT_BUTTON, &CStateDialog::OnCancel, this);
    SetEscapeId(wxID_CANCEL);
}

void CStateDialog::PlaceAround(const wxPoint& centre, const wxSize& minimum)
{
    // The dialog is at least the size asked for, and as large as its controls need.
    GetSizer()->SetMinSize(minimum);
    GetSizer()->SetSizeHints(this);
    const wxSize size = GetSize();
    SetPosition(centre - wxPoint(size.x / 2, size.y / 2));
    wxTextCtrl* first = m_valueField && (!m_newNameField || !m_newNameField->IsShown()) ? m_valueField : m_newNameField;
    if (first) {
        first->SetFocus();
        first->SelectAll();
    }
}

void CStateDialog::Relayout()
{
    GetSizer()->SetSizeHints(this);
    Layout();
}

void CStateDialog::ShowNewVariableChoice(bool newVariable)
{
    m_variableBox->Show(!newVariable);
    m_newNameField->Show(newVariable);
    // Only a block just dropped can become a test: its caller replaces it.
    m_actionButton->Show(!newVariable && m_newBlock);
    m_testButton->Show(!newVariable && m_newBlock);
    if (!newVariable) {
        m_actionButton->SetValue(true);
        ShowTestChoice(false);
    } else {
        m_newNameField->SetFocus();
    }
    Relayout();
}

void CStateDialog::ShowTestChoice(bool test)
{
    m_testChoice = test;
    m_assignmentLabel->Show(!test);
    m_comparisonBox->Show(test);
    Relayout();
}

void CStateDialog::OnNewVariable(wxCommandEvent& event)
{
    ShowNewVariableChoice(event.IsChecked());
}

void CStateDialog::OnActionOrTest(wxCommandEvent& event)
{
    ShowTestChoice(event.GetId() == kTestId);
}

void CStateDialog::OnValueText(wxCommandEvent&)
{
    UpdateHint();
}

void CStateDialog::UpdateHint()
{
    if (!m_valueField)
        return;
    const wxString text = m_valueField->GetValue();
    wxString hint;
    if (!IsConstantText(text)) {
        const wxString own = m_newNameField && m_newNameField->IsShown() ? m_newNameField->GetValue() : wxString();
        hint = ExpressionHint(CheckExpression(text, TheProgram(), own));
    }
    if (hint == m_hint->GetLabel() && m_hint->IsShown() == !hint.empty())
        return;
    m_hint->SetLabel(hint);
    m_hint->Show(!hint.empty());
    Relayout();
}

bool CStateDialog::AcceptName(const wxString& name)
{
    const NameCheck check = CheckStorableName(name);
    m_nameMessage->SetLabel(check.Message());
    m_nameMessage->Show(!check);
    if (!check) {
        m_nameMessage->Wrap(GetClientSize().x - 2 * kGap);
        Relayout();
    }
    return static_cast<bool>(check);
}

wxString CStateDialog::GetNewName() const
{
    return m_newNameField ? m_newNameField->GetValue() : wxString();
}

void CStateDialog::OnOk(wxCommandEvent&)
{
    if (m_mode == 0) {
        if (AcceptName(GetNewName()))
            EndModal(Confirmed);
        return;
    }
    m_newVariable = false;
    const int category = m_block->GetCategory();
    if (category == Category::Variable || category == Category::VariableCondition) {
        const bool typed = m_newVariableCheck && m_newVariableCheck->GetValue();
        const wxString name = typed ? m_newNameField->GetValue() : m_variableBox->GetValue();
        if (name.empty()) {
            EndModal(Abandoned);
            return;
        }
        if (typed && !AcceptName(name))
            return;
        if (m_testChoice || category == Category::VariableCondition)
            m_block->SetConditionOperator(m_comparisonBox->GetValue());
        m_newVariable = AssignVariable(TheProgram(), *m_block, name);
    } else if (category == Category::SensorCondition) {
        m_block->SetConditionOperator(m_comparisonBox->GetValue());
    }
    if (m_valueField)
        StoreParameterEntry(*m_block, ReadParameterEntry(m_valueField->GetValue(), m_block->ParameterMinimum(),
                                                         m_block->ParameterMaximum()));
    EndModal(Confirmed);
}

void CStateDialog::OnCancel(wxCommandEvent&)
{
    EndModal(Abandoned);
}

PropertiesAnswer ShowPropertiesDialog(wxWindow* mainWindow, CState* block, bool newBlock)
{
    PropertiesAnswer answer;
    if (!block)
        return answer;
    const wxRect frame = mainWindow->GetScreenRect();
    const wxPoint centre(frame.x + frame.width / 2, frame.y + frame.height / 2);
    CStateDialog dialog(mainWindow, block, newBlock, centre);
    answer.code = dialog.ShowModal();
    answer.newVariable = dialog.IsNewVariable();
    answer.test = dialog.IsTestChosen();
    return answer;
}
