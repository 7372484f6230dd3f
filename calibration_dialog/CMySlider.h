#pragma once
// The calibration slider: a horizontal track with up to three thumbs (low, middle, high) that the
// mouse drags and the keyboard steps, each move kept to the rule of the slider's mode. Selecting a
// thumb and every accepted move ask the dialog to try the thumb out on the robot.

#include "calibration/SliderThumbs.h"

#include <wx/bitmap.h>
#include <wx/panel.h>

class CTamekConfigDialog;

class CMySlider : public wxPanel
{
public:
    static constexpr int kMiddleTop = 11; // the middle thumb stands above the track
    static constexpr int kOuterTop = 25;  // low and high below it
    static constexpr int kMargin = 10;    // the track's ends lie this far in from the panel's sides

    // dialog: told which thumb to try out (may be null). The range is 0 to 200.
    CMySlider(wxWindow* parent, CTamekConfigDialog* dialog, const wxString& name);

    const SliderThumbs& Thumbs() const { return m_thumbs; }
    // Mode, values and the thumbs' labels (their tooltips); a thumb without a label is not in the mode.
    void Load(SliderMode mode, int low, int middle, int high);
    void SetThumbLabels(const wxString& low, const wxString& middle, const wxString& high);
    const wxString& ThumbLabel(Thumb thumb) const { return m_labels[static_cast<int>(thumb)]; }

    Thumb Selected() const { return m_selected; }
    Thumb Hovered() const { return m_hover; }

    // Geometry: the left side of a thumb standing at value, the value a position stands for, and
    // the rectangle of a thumb.
    int ThumbLeft(int value) const;
    int ValueAt(int x) const;
    wxRect ThumbRect(Thumb thumb) const;

private:
    int HalfThumb() const;
    // The thumb drawn at point, nearest first; Thumb::None when none.
    Thumb ThumbAt(const wxPoint& point) const;
    void Select(Thumb thumb);
    // Moves the selected thumb toward value under the mode's rule; tries it out when it moved.
    void MoveSelected(int value, bool toward);
    void SetHover(Thumb thumb);
    void DrawValue(wxDC& dc, Thumb thumb, int left, int right);

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    CTamekConfigDialog* m_dialog;
    SliderThumbs m_thumbs;
    wxString m_labels[3];
    wxBitmap m_up, m_down, m_hoverUp, m_hoverDown;
    Thumb m_selected = Thumb::None;
    Thumb m_hover = Thumb::None;
    // A drag: where the mouse went down and the value the thumb had then.
    bool m_dragging = false;
    int m_pressX = 0, m_pressValue = 0;
};
