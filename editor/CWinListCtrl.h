#pragma once
// A report list whose rows stand in groups. The toolkit's list control has no groups here, so
// each group starts with a header row of its own; rows are counted without those headers, so
// a row keeps its number whatever headers stand before it.

#include <vector>
#include <wx/listctrl.h>

class CWinListCtrl : public wxListCtrl
{
public:
    CWinListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style);

    // Appends a group with its header row.
    void AddGroup(int group, const wxString& header);
    // Appends a row (its first column's text and picture) at the end of a group; its item index.
    long AppendToGroup(int group, const wxString& text, int image);
    // Removes the rows of a group from position on.
    void TruncateGroup(int group, int position);
    int GroupSize(int group) const;

    // The item of a group's row, of a row counted over every group, and back; -1 when there is none
    // (a header row has no row number).
    long ItemOf(int group, int position) const;
    long ItemOfRow(int row) const;
    int RowOfItem(long item) const;
    // The group and position of an item; false for a header row or no item.
    bool PlaceOf(long item, int* group, int* position) const;
    bool IsHeader(long item) const;
    // The window that shows the rows and receives their mouse events.
    wxWindow* RowArea() const;

private:
    struct Group
    {
        int id;
        int size;
    };
    // The index in m_groups, or -1.
    int IndexOf(int group) const;
    long HeaderItem(int index) const;

    std::vector<Group> m_groups;
};
