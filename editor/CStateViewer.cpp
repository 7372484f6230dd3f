#include "editor/CStateViewer.h"

#include "base/Translation.h"
#include "drawing/BlockDrawing.h"
#include "editor/CProjectViewer.h"
#include "editor/CStateDialog.h"
#include "editor/CStateTypeViewer.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/FlowchartEdits.h"
#include "model/Prototypes.h"
#include "model/Variables.h"

#include <wx/notebook.h>
#include <wx/scrolbar.h>

namespace {
const wxColour kBackground(240, 240, 240);

// The palette page of each picture page, and the labels of all five pages.
const PalettePage kPageKinds[4] = {PalettePage::Sensor, PalettePage::Action, PalettePage::Action2, PalettePage::Link};
const char* const kLabels[CStateViewer::kPageCount] = {"Sensoren", "Actuatoren", "Macro", "Link", "Alle"};
} // namespace

CStateViewer::CStateViewer(wxWindow* parent, CProjectViewer* canvas, wxWindow* mainWindow, SimulatedInputs* inputs)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(340, 400)), m_canvas(canvas), m_mainWindow(mainWindow)
{
    SetBackgroundColour(kBackground);
    m_bar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxSize(kBarWidth, -1), wxSB_VERTICAL);
    m_bar->SetScrollbar(0, 100, 100, 100);
    m_bar->Hide();
    m_notebook = new wxNotebook(this, wxID_ANY, wxDefaultPosition, GetClientSize(), wxNB_LEFT);
    for (int i = 0; i < 4; ++i) {
        m_pages[i] = new CStateTypeViewer(m_notebook, kPageKinds[i]);
        m_pages[i]->Hide();
        m_pages[i]->Bind(wxEVT_LEFT_DOWN, &CStateViewer::OnPageLeftDown, this);
    }
    m_names = new CMyListCtrl(m_notebook, inputs);
    m_names->SetInitialSize(wxSize(100, 100)); // the notebook gives it its room; it asks for none
    m_names->onNamesChanged = [this] { NamesChanged(); };
    m_names->onBeginDrag = [this](const CMyListCtrl::Entry& entry) { BeginListDrag(entry); };
    m_notebook->AddPage(m_names, Tr(kLabels[kNamesPage]), true);
    m_visible = 1u << kNamesPage;

    Bind(wxEVT_SIZE, &CStateViewer::OnSize, this);
    m_notebook->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CStateViewer::OnPageChanged, this);
    m_bar->Bind(wxEVT_SCROLL_LINEUP, &CStateViewer::OnScroll, this);
    m_bar->Bind(wxEVT_SCROLL_LINEDOWN, &CStateViewer::OnScroll, this);
    m_bar->Bind(wxEVT_SCROLL_PAGEUP, &CStateViewer::OnScroll, this);
    m_bar->Bind(wxEVT_SCROLL_PAGEDOWN, &CStateViewer::OnScroll, this);
    m_bar->Bind(wxEVT_SCROLL_THUMBTRACK, &CStateViewer::OnScroll, this);
    m_bar->Bind(wxEVT_SCROLL_CHANGED, &CStateViewer::OnScroll, this);
}

bool CStateViewer::ShowPage(int index, bool show)
{
    if (index < 0 || index >= kPageCount || show == IsPageShown(index))
        return m_visible != 0;
    int position = 0;
    for (int i = 0; i < index; ++i)
        position += IsPageShown(i) ? 1 : 0;
    wxWindow* page = index == kNamesPage ? static_cast<wxWindow*>(m_names) : m_pages[index];
    if (show) {
        page->Show(); // the toolkit shows no tab for a hidden page
        m_notebook->InsertPage(position, page, Tr(kLabels[index]), false);
        m_visible |= 1u << index;
    } else {
        m_notebook->RemovePage(position);
        page->Hide();
        m_visible &= ~(1u << index);
    }
    LayoutPalette();
    return m_visible != 0;
}

void CStateViewer::SelectPage(int index)
{
    if (!IsPageShown(index))
        return;
    int position = 0;
    for (int i = 0; i < index; ++i)
        position += IsPageShown(i) ? 1 : 0;
    m_notebook->SetSelection(position);
    LayoutPalette();
}

void CStateViewer::LayoutPalette()
{
    m_current = -1;
    const wxWindow* shown = m_notebook->GetCurrentPage();
    for (int i = 0; i < 4; ++i)
        if (shown == m_pages[i])
            m_current = i;
    const wxSize size = GetClientSize();
    if (size.x < 2 * kBarWidth || size.y < 2 * kBarWidth)
        return; // not laid out yet: a notebook too small for its tabs upsets the toolkit
    CStateTypeViewer* page = m_current >= 0 ? m_pages[m_current] : nullptr;
    if (page && page->GetContentHeight() > size.y) {
        m_bar->SetSize(size.x - kBarWidth, 0, kBarWidth, size.y);
        m_bar->SetScrollbar(page->GetScrollOffset(), size.y, page->GetContentHeight(), size.y);
        m_bar->Show();
        m_notebook->SetSize(0, 0, size.x - kBarWidth, size.y);
    } else {
        if (page)
            page->ScrollTo(0); // everything fits: nothing may stay scrolled out of sight
        m_bar->Hide();
        m_notebook->SetSize(0, 0, size.x, size.y);
    }
}

void CStateViewer::OnSize(wxSizeEvent&)
{
    LayoutPalette();
}

void CStateViewer::OnPageChanged(wxBookCtrlEvent& event)
{
    LayoutPalette();
    event.Skip();
}

void CStateViewer::OnScroll(wxScrollEvent&)
{
    if (m_current >= 0)
        m_pages[m_current]->ScrollTo(m_bar->GetThumbPosition());
}

void CStateViewer::OnPageLeftDown(wxMouseEvent& event)
{
    auto* page = static_cast<CStateTypeViewer*>(event.GetEventObject());
    if (m_dragged)
        return;
    if (CState* prototype = page->PrototypeAt(event.GetPosition()))
        BeginDrag(prototype, page);
}

void CStateViewer::BeginListDrag(const CMyListCtrl::Entry& entry)
{
    CState* prototype = m_dragged ? nullptr : PrototypeByName(entry.kind);
    if (!prototype || prototype->IsLinkPiece())
        return;
    if (prototype->GetCategory() == Category::Variable) {
        // A variable row lends its name and number to the prototype, so the dialog shows that variable.
        m_lentName = prototype->GetName();
        m_lentVariable = prototype->GetVariableIndex();
        prototype->SetName(entry.variable >= 0 ? entry.name : prototype->GetDefaultName());
        prototype->SetVariableIndex(entry.variable);
    }
    m_fromList = true;
    BeginDrag(prototype, m_names->RowArea());
}

void CStateViewer::BeginDrag(CState* prototype, wxWindow* holder)
{
    m_dragged = prototype;
    m_holder = holder;
    // The picture as large as the canvas shows blocks, held at its middle.
    const ViewZoom zoom = TheViewZoom();
    wxImage picture = BlendedDragPicture(*prototype);
    if (picture.IsOk())
        picture.Rescale(std::max(1, picture.GetWidth() * zoom.x / 10), std::max(1, picture.GetHeight() * zoom.y / 10),
                        wxIMAGE_QUALITY_HIGH);
    const wxSize size = picture.IsOk() ? picture.GetSize() : wxSize(1, 1);
    prototype->SetGrabOffset(prototype->ImageWidth() / 2, prototype->ImageHeight() / 2);
    m_savedTool = m_canvas->GetTool();
    m_canvas->SetTool(CProjectViewer::SelectTool);
    // The window pressed holds the mouse while the drag lives: motion and release come to it.
    holder->Bind(wxEVT_MOTION, &CStateViewer::OnDragMotion, this);
    holder->Bind(wxEVT_LEFT_UP, &CStateViewer::OnDragRelease, this);
    holder->Bind(wxEVT_MOUSE_CAPTURE_LOST, &CStateViewer::OnCaptureLost, this);
    if (!holder->HasCapture())
        holder->CaptureMouse();
    m_grab = wxPoint(size.x / 2, size.y / 2);
    m_canvas->BeginPaletteDrag(prototype, wxBitmap(picture), m_grab);
    m_canvas->MovePaletteDrag(wxGetMousePosition());
}

void CStateViewer::OnDragMotion(wxMouseEvent& event)
{
    if (m_dragged && m_canvas->IsPaletteDragActive())
        m_canvas->MovePaletteDrag(m_holder->ClientToScreen(event.GetPosition()));
}

void CStateViewer::OnDragRelease(wxMouseEvent& event)
{
    if (!m_dragged)
        return;
    const wxPoint screen = m_holder->ClientToScreen(event.GetPosition());
    ReleaseHolder();
    // The canvas drops only inside itself; outside, the drag ends without a change.
    CState* placed = m_canvas->IsPaletteDragActive() ? m_canvas->EndPaletteDrag(screen) : nullptr;
    // Where the canvas held the prototype's corner, should the drop be made again as a test.
    m_dropCorner = m_canvas->ToDrawing(m_canvas->ScreenToClient(screen) - m_grab);
    FinishDrop(placed);
}

void CStateViewer::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    CancelDrag();
}

void CStateViewer::ReleaseHolder()
{
    if (!m_holder)
        return;
    m_holder->Unbind(wxEVT_MOTION, &CStateViewer::OnDragMotion, this);
    m_holder->Unbind(wxEVT_LEFT_UP, &CStateViewer::OnDragRelease, this);
    m_holder->Unbind(wxEVT_MOUSE_CAPTURE_LOST, &CStateViewer::OnCaptureLost, this);
    if (m_holder->HasCapture())
        m_holder->ReleaseMouse();
    m_holder = nullptr;
}

void CStateViewer::CancelDrag()
{
    if (!m_dragged)
        return;
    ReleaseHolder();
    if (m_canvas->IsPaletteDragActive())
        m_canvas->CancelPaletteDrag();
    EndDrag();
}

void CStateViewer::FinishDrop(CState* placed)
{
    // The drop is recorded as one edit once the new block has its properties, or taken back.
    if (placed && placed->HasParameter()) {
        const PropertiesAnswer answer = ShowPropertiesDialog(m_mainWindow, placed, true);
        if (answer.code != CStateDialog::Confirmed) {
            TakeBackDrop();
            placed = nullptr;
        } else if (answer.test && placed->GetCategory() == Category::Variable) {
            placed = DropAgainAsTest(placed);
        } else if (answer.newVariable) {
            m_names->AddVariable(placed->GetName());
        }
    }
    if (placed) {
        m_canvas->CommitEdit();
        SetCurrentBlock(placed);
    }
    EndDrag();
}

CState* CStateViewer::DropAgainAsTest(CState* assignment)
{
    const wxString name = assignment->GetName(), op = assignment->GetConditionOperator();
    const wxString text = assignment->GetParameterText();
    const int value = assignment->GetParameterValue();
    TakeBackDrop(); // the assignment goes; the test is dropped as it was, under the editing rules
    CState* test =
        DropPrototype(TheProgram(), Prototypes::Get().Of(KindId::VarIf), m_dropCorner.x, m_dropCorner.y, m_canvas);
    if (!test)
        return nullptr;
    AssignVariable(TheProgram(), *test, name);
    test->SetConditionOperator(op);
    test->SetParameterText(text);
    test->SetParameterValue(value);
    m_canvas->ProgramChanged();
    return test;
}

void CStateViewer::TakeBackDrop()
{
    SetCurrentBlock(nullptr);
    TheEditHistory().RevertPending();
    if (onProgramRebuilt)
        onProgramRebuilt();
}

void CStateViewer::EndDrag()
{
    if (m_fromList && m_dragged && m_dragged->GetCategory() == Category::Variable) {
        m_dragged->SetName(m_lentName);
        m_dragged->SetVariableIndex(m_lentVariable);
    }
    m_fromList = false;
    m_dragged = nullptr;
    m_canvas->SetTool(m_savedTool);
    m_canvas->Refresh();
    for (CStateTypeViewer* page : m_pages)
        page->Refresh();
}

void CStateViewer::NamesChanged()
{
    m_canvas->CommitEdit();
    m_canvas->Refresh();
}
