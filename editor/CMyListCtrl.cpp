#include "editor/CMyListCtrl.h"

#include "base/Translation.h"
#include "drawing/WxImageStore.h"
#include "editor/CStateDialog.h"
#include "model/CProgram.h"
#include "model/KindInfo.h"
#include "model/NameGroups.h"
#include "model/Names.h"
#include "model/Prototypes.h"
#include "model/Variables.h"

#include <algorithm>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace {
// The pictures of the image list, in its order; the add-variable picture follows them.
const KindId kPictureKinds[] = {KindId::Detector1, KindId::Detector2, KindId::Switch1, KindId::Switch2, KindId::Switch3,
                                KindId::Wait,      KindId::Buzzer,    KindId::DelR,    KindId::Motor1,  KindId::Motor2,
                                KindId::Servo1,    KindId::Servo2,    KindId::Stop,    KindId::Var};
constexpr int kAddVariablePicture = 14;

int PictureOf(const CState* prototype)
{
    for (int i = 0; i < kAddVariablePicture; ++i)
        if (Prototypes::Get().Of(kPictureKinds[i]) == prototype)
            return i;
    return -1;
}

// The rows of the sensor and actuator groups, in the numbers the run uses.
std::vector<CState*> RowPrototypes(int group)
{
    return GroupPrototypes(group == CMyListCtrl::SensorGroup ? NameGroup::Sensors : NameGroup::Actuators);
}

// The word that says what an entry is: "actuator", "sensor" or "variabele".
wxString WhatItIs(int category)
{
    if (category == Category::SensorCondition)
        return Tr("sensor");
    if (category == Category::Variable || category == Category::VariableCondition)
        return Tr("variabele");
    return Tr("actuator");
}

// The category of the entry that already carries name (ignoring case), or -1 when it is free.
int CategoryUsingName(const wxString& name)
{
    if (const CState* prototype = PrototypeNamed(name))
        return prototype->GetCategory();
    for (const wxString& variable : VariableNames(TheProgram()))
        if (variable.IsSameAs(name, false))
            return Category::Variable;
    return -1;
}
} // namespace

CMyListCtrl::CMyListCtrl(wxWindow* parent, SimulatedInputs* inputs)
    : CWinListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL), m_inputs(inputs)
{
    InsertColumn(NameColumn, Tr("Naam"), wxLIST_FORMAT_LEFT, 130);
    InsertColumn(ValueColumn, Tr("Waarde"), wxLIST_FORMAT_LEFT, 56);
    InsertColumn(LabelColumn, Tr("Label"), wxLIST_FORMAT_LEFT, 76);
    BuildImages();
    AddGroup(SensorGroup, Tr("Sensoren"));
    AddGroup(ActuatorGroup, Tr("Actuatoren"));
    AddGroup(VariableGroup, Tr("Variabelen"));
    for (int group : {SensorGroup, ActuatorGroup})
        for (CState* prototype : RowPrototypes(group))
            AppendRow(group, prototype->GetName(), prototype->GetKindWordRaw(), PictureOf(prototype));
    AppendRow(VariableGroup, Tr("Toevoegen"), "Variable", kAddVariablePicture);
    RebuildRows();

    m_editor = new wxTextCtrl(RowArea(), EditorId, wxString(), wxDefaultPosition, wxSize(64, 20), wxTE_PROCESS_ENTER);
    m_editor->Hide();
    m_editor->Bind(wxEVT_TEXT_ENTER, &CMyListCtrl::OnEditorEnter, this);
    m_editor->Bind(wxEVT_KILL_FOCUS, &CMyListCtrl::OnEditorFocusLost, this);

    RowArea()->Bind(wxEVT_LEFT_DOWN, &CMyListCtrl::OnLeftDown, this);
    RowArea()->Bind(wxEVT_LEFT_DCLICK, &CMyListCtrl::OnLeftDoubleClick, this);
    RowArea()->Bind(wxEVT_MOTION, &CMyListCtrl::OnMotion, this);
    RowArea()->Bind(wxEVT_KEY_DOWN, &CMyListCtrl::OnKeyDown, this);
    for (const auto& type :
         {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP, wxEVT_SCROLLWIN_LINEDOWN,
          wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN, wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        RowArea()->Bind(type, &CMyListCtrl::OnScroll, this);
    Bind(wxEVT_LIST_BEGIN_DRAG, &CMyListCtrl::OnBeginDrag, this);
    Bind(wxEVT_LIST_ITEM_RIGHT_CLICK, &CMyListCtrl::OnRightClick, this);
    Bind(wxEVT_MENU, &CMyListCtrl::OnRenameCommand, this, RenameId);
}

void CMyListCtrl::BuildImages()
{
    auto* images = new wxImageList(32, 32, true, kAddVariablePicture + 1);
    auto add = [images](const ImageHandle& picture) {
        const WxBlockImage* image = AsWx(picture);
        if (image && image->Width() == 32 && image->Height() == 32) {
            images->Add(image->Bitmap());
            return;
        }
        wxImage empty(32, 32);
        empty.InitAlpha();
        std::fill_n(empty.GetAlpha(), 32 * 32, 0);
        images->Add(wxBitmap(empty)); // keeps the places of the pictures after it
    };
    for (KindId kind : kPictureKinds)
        add(Prototypes::Get().Of(kind)->GetPaletteIcon());
    add(LoadPicture("Img/State/icons/varadd.png"));
    AssignImageList(images, wxIMAGE_LIST_SMALL);
}

void CMyListCtrl::AppendRow(int group, const wxString& name, const wxString& kind, int image)
{
    const long item = AppendToGroup(group, name, image);
    SetItem(item, ValueColumn, "-");
    SetItem(item, LabelColumn, kind);
}

wxArrayString CMyListCtrl::GetGroupNames(int group) const
{
    wxArrayString names;
    for (int position = 0; position < GroupSize(group); ++position)
        names.Add(GetItemText(ItemOf(group, position), NameColumn));
    return names;
}

wxString CMyListCtrl::KindForName(const wxString& name) const
{
    for (long item = 0; item < GetItemCount(); ++item)
        if (!IsHeader(item) && GetItemText(item, NameColumn) == name)
            return GetItemText(item, LabelColumn);
    return wxString();
}

void CMyListCtrl::AddVariable(const wxString& name)
{
    AppendRow(VariableGroup, name, "Variable", PictureOf(Prototypes::Get().Of(KindId::Var)));
}

void CMyListCtrl::RebuildRows()
{
    HideEditor();
    for (int group : {SensorGroup, ActuatorGroup}) {
        const std::vector<CState*> prototypes = RowPrototypes(group);
        for (size_t i = 0; i < prototypes.size(); ++i)
            SetItem(ItemOf(group, static_cast<int>(i)), NameColumn, prototypes[i]->GetName());
    }
    TruncateGroup(VariableGroup, 1);
    for (const wxString& name : VariableNames(TheProgram()))
        AddVariable(name);
}

CMyListCtrl::Entry CMyListCtrl::EntryOf(long item) const
{
    Entry entry;
    int group = 0, position = 0;
    if (!PlaceOf(item, &group, &position))
        return entry;
    entry.item = item;
    entry.name = GetItemText(item, NameColumn);
    entry.kind = GetItemText(item, LabelColumn);
    if (group == VariableGroup && position > 0)
        entry.variable = position - 1;
    return entry;
}

void CMyListCtrl::Rename(const Entry& entry)
{
    CState* prototype = entry.item >= 0 ? PrototypeByName(entry.kind) : nullptr;
    const bool variable = entry.variable >= 0;
    // Only names the project file keeps can change: the named sensors and actuators, and variables.
    if (!prototype || (!variable && !prototype->Kind().renamable))
        return;
    wxWindow* frame = wxGetTopLevelParent(this);
    const wxRect area = frame->GetScreenRect();
    const wxString title = prototype->GetCategory() == Category::SensorCondition ? Tr("Hernoem sensor")
                           : variable                                            ? Tr("Hernoem variabele")
                                                                                 : Tr("Hernoem actuator");
    CStateDialog dialog(frame, entry.name, title, area.GetPosition() + area.GetSize() / 2);
    if (dialog.ShowModal() != CStateDialog::Confirmed)
        return;
    const wxString name = dialog.GetNewName();
    if (!name.IsSameAs(entry.name, false)) {
        const int user = CategoryUsingName(name);
        if (user >= 0) {
            wxMessageBox(wxString::Format(Tr("Deze naam is al in gebruik, %s kan hernoemd worden."), WhatItIs(user)),
                         Tr("Naam reeds in gebruik"), wxOK, frame);
            return;
        }
    }
    if (variable ? !RenameVariable(TheProgram(), entry.name, name) : !SetStorableName(*prototype, name))
        return;
    SetItem(entry.item, NameColumn, name);
    if (onNamesChanged)
        onNamesChanged();
}

bool CMyListCtrl::EditValue(long item)
{
    int group = 0, position = 0;
    if (!m_inputs || !m_inputs->IsVirtualRunActive() || !PlaceOf(item, &group, &position) || group != SensorGroup)
        return false;
    const wxRect cell = ValueCell(item);
    if (cell.IsEmpty())
        return false;
    const int height = std::min(cell.height, 20);
    m_editor->SetSize(cell.x, cell.y + (cell.height - height) / 2, 64, height);
    m_editor->SetValue(GetItemText(item, ValueColumn));
    m_editor->Show();
    m_editor->SetFocus();
    m_editor->SelectAll();
    m_editedItem = item;
    return true;
}

wxRect CMyListCtrl::ValueCell(long item) const
{
    // The toolkit gives the cell in the list's coordinates, where the header stands above the rows.
    wxRect cell;
    if (!GetSubItemRect(item, ValueColumn, cell))
        return wxRect();
    cell.SetPosition(RowArea()->ScreenToClient(ClientToScreen(cell.GetPosition())));
    return cell;
}

void CMyListCtrl::CommitValue()
{
    const long item = m_editedItem;
    if (item < 0)
        return;
    wxString text = m_editor->GetValue();
    const int row = RowOfItem(item);
    if (m_inputs && m_inputs->IsVirtualRunActive() && row >= 0 && row < 5) {
        // Inputs are 10-bit values: a switch reads pressed (0) for any value but 0, a detector 1023 - v.
        long typed = 0;
        text.ToLong(&typed);
        const int value = static_cast<int>(std::clamp(typed, 0L, 1023L));
        static const int ports[5] = {0, 1, 2, 0, 1};
        const bool isSwitch = row < 3;
        if (!isSwitch)
            text = wxString::Format("%d", value);
        m_inputs->SetRawInput(ports[row], isSwitch ? (typed != 0 ? 0 : 1023) : 1023 - value);
    }
    SetItem(item, ValueColumn, text);
    HideEditor();
}

void CMyListCtrl::HideEditor()
{
    m_editedItem = -1;
    if (m_editor && m_editor->IsShown())
        m_editor->Hide();
}

void CMyListCtrl::SetValuesOfGroup(int group, int from, const wxString& text)
{
    for (int position = from; position < GroupSize(group); ++position)
        SetItem(ItemOf(group, position), ValueColumn, text);
}

void CMyListCtrl::SetRowValue(int row, const wxString& text)
{
    const long item = ItemOfRow(row);
    if (item >= 0)
        SetItem(item, ValueColumn, text);
}

wxString CMyListCtrl::GetRowValue(int row) const
{
    const long item = ItemOfRow(row);
    return item >= 0 ? GetItemText(item, ValueColumn) : wxString();
}

void CMyListCtrl::SetVariableValue(int variable, const wxString& text)
{
    const long item = ItemOf(VariableGroup, variable + 1);
    if (item >= 0)
        SetItem(item, ValueColumn, text);
}

void CMyListCtrl::ResetVariableValues()
{
    SetValuesOfGroup(VariableGroup, 1, "-");
}

void CMyListCtrl::ResetAllValues()
{
    for (int group : {SensorGroup, ActuatorGroup, VariableGroup})
        SetValuesOfGroup(group, 0, "-");
}

void CMyListCtrl::OnLeftDown(wxMouseEvent& event)
{
    HideEditor();
    int flags = 0;
    m_pressedItem = HitTest(event.GetPosition(), flags);
    m_pressedAt = event.GetPosition();
    event.Skip();
}

void CMyListCtrl::OnLeftDoubleClick(wxMouseEvent& event)
{
    int flags = 0;
    const long item = HitTest(event.GetPosition(), flags);
    if (item >= 0 && ValueCell(item).Contains(event.GetPosition()) && EditValue(item))
        return;
    event.Skip();
}

void CMyListCtrl::OnMotion(wxMouseEvent& event)
{
    // The toolkit's own list starts no drag once the mouse has left the rows: a drag starts here.
    if (event.Dragging() && m_pressedItem >= 0 &&
        (std::abs(event.GetX() - m_pressedAt.x) > wxSystemSettings::GetMetric(wxSYS_DRAG_X) ||
         std::abs(event.GetY() - m_pressedAt.y) > wxSystemSettings::GetMetric(wxSYS_DRAG_Y))) {
        const Entry entry = EntryOf(m_pressedItem);
        m_pressedItem = -1;
        if (entry.item >= 0 && onBeginDrag)
            onBeginDrag(entry);
    }
    if (!event.LeftIsDown())
        m_pressedItem = -1;
    // The tip shows the whole name of the row under the mouse, which a narrow column cuts.
    int flags = 0;
    const long item = HitTest(event.GetPosition(), flags);
    if (item != m_tipItem) {
        m_tipItem = item;
        RowArea()->SetToolTip(item >= 0 ? GetItemText(item, NameColumn) : wxString());
    }
    event.Skip();
}

void CMyListCtrl::OnBeginDrag(wxListEvent& event)
{
    HideEditor();
    m_pressedItem = -1;
    const Entry entry = EntryOf(event.GetIndex());
    if (entry.item >= 0 && onBeginDrag)
        onBeginDrag(entry);
}

void CMyListCtrl::OnRightClick(wxListEvent& event)
{
    m_menuEntry = EntryOf(event.GetIndex());
    if (m_menuEntry.item < 0)
        return;
    wxMenu menu;
    menu.Append(RenameId, Tr("Hernoem"));
    const CState* prototype = PrototypeByName(m_menuEntry.kind);
    menu.Enable(RenameId, prototype && (m_menuEntry.variable >= 0 || prototype->Kind().renamable));
    PopupMenu(&menu, event.GetPoint() + wxPoint(5, 5));
}

void CMyListCtrl::OnRenameCommand(wxCommandEvent&)
{
    Rename(m_menuEntry);
    m_menuEntry = Entry();
}

void CMyListCtrl::OnEditorEnter(wxCommandEvent&)
{
    CommitValue();
}

void CMyListCtrl::OnEditorFocusLost(wxFocusEvent& event)
{
    CallAfter([this] { HideEditor(); });
    event.Skip();
}

void CMyListCtrl::OnScroll(wxScrollWinEvent& event)
{
    HideEditor();
    event.Skip();
}

void CMyListCtrl::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        HideEditor();
        return; // the list keeps these keys
    }
    event.Skip();
}
