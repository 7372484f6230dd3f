#pragma once
// A picture of the run window: an off image and an on image read from PNG files, and the flag
// that chooses between them.

#include <wx/bitmap.h>
#include <wx/panel.h>

class CSimulatorButton : public wxPanel
{
public:
    // offFile and onFile are relative to the program's folder ("Img/Simulator/Buzzer/IOff.png").
    CSimulatorButton(wxWindow* parent, const wxString& offFile, const wxString& onFile);
    void SetOn(bool on);
    bool IsOn() const { return m_on; }

private:
    void OnPaint(wxPaintEvent& event);

    wxBitmap m_offPicture, m_onPicture;
    bool m_on = false;
};
