#include "console/CConsoleViewer.h"

#include "base/Translation.h"

#include <wx/textctrl.h>

namespace {
const wxColour kBackground(240, 240, 240);
const wxColour kForeground(49, 49, 49);
CConsoleViewer* g_console = nullptr;
} // namespace

CConsoleViewer::CConsoleViewer(wxWindow* parent) : wxPanel(parent, wxID_ANY)
{
    SetBackgroundColour(kBackground);
    m_text = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxBORDER_NONE);
    m_text->SetBackgroundColour(kBackground);
    m_text->SetForegroundColour(kForeground);
    Bind(wxEVT_SIZE, &CConsoleViewer::OnSize, this);
}

void CConsoleViewer::Report(int level, const wxString& message)
{
    if (message != m_lastMessage) {
        if (level == 0)
            AppendText(_("> !!! Warning !!!: ") + message + "\n");
        else if (level == 1)
            AppendText(_("> !!! Erreur !!!: ") + message + "\n");
    }
    m_lastMessage = message;
}

void CConsoleViewer::AppendText(const wxString& text)
{
    m_text->AppendText(text);
}

wxString CConsoleViewer::GetText() const
{
    return m_text->GetValue();
}

void CConsoleViewer::OnSize(wxSizeEvent& event)
{
    m_text->SetSize(GetClientSize());
    event.Skip();
}

CConsoleViewer* TheConsole(wxWindow* parent)
{
    if (!g_console && parent)
        g_console = new CConsoleViewer(parent);
    return g_console;
}

void ForgetConsole()
{
    g_console = nullptr;
}
