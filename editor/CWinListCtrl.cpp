#include "editor/CWinListCtrl.h"

CWinListCtrl::CWinListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style)
    : wxListCtrl(parent, id, position, size, style | wxLC_REPORT)
{
}

wxWindow* CWinListCtrl::RowArea() const
{
    // The toolkit's own list is made of a header window and the window of the rows, which it
    // names only by an incomplete type: the child at that address is the window of the rows.
    for (wxWindow* child : GetChildren())
        if (static_cast<const void*>(child) == static_cast<const void*>(m_mainWin))
            return child;
    return const_cast<CWinListCtrl*>(this);
}

int CWinListCtrl::IndexOf(int group) const
{
    for (size_t i = 0; i < m_groups.size(); ++i)
        if (m_groups[i].id == group)
            return static_cast<int>(i);
    return -1;
}

long CWinListCtrl::HeaderItem(int index) const
{
    long item = 0;
    for (int i = 0; i < index; ++i)
        item += 1 + m_groups[i].size;
    return item;
}

void CWinListCtrl::AddGroup(int group, const wxString& header)
{
    const long item = InsertItem(HeaderItem(static_cast<int>(m_groups.size())), header, -1);
    m_groups.push_back({group, 0});
    wxFont bold = GetFont();
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    SetItemFont(item, bold);
    SetItemBackgroundColour(item, wxColour(225, 228, 232));
}

long CWinListCtrl::AppendToGroup(int group, const wxString& text, int image)
{
    const int index = IndexOf(group);
    if (index < 0)
        return -1;
    const long item = InsertItem(HeaderItem(index) + 1 + m_groups[index].size, text, image);
    ++m_groups[index].size;
    return item;
}

void CWinListCtrl::TruncateGroup(int group, int position)
{
    const int index = IndexOf(group);
    if (index < 0)
        return;
    while (m_groups[index].size > position) {
        DeleteItem(HeaderItem(index) + m_groups[index].size);
        --m_groups[index].size;
    }
}

int CWinListCtrl::GroupSize(int group) const
{
    const int index = IndexOf(group);
    return index < 0 ? 0 : m_groups[index].size;
}

long CWinListCtrl::ItemOf(int group, int position) const
{
    const int index = IndexOf(group);
    if (index < 0 || position < 0 || position >= m_groups[index].size)
        return -1;
    return HeaderItem(index) + 1 + position;
}

long CWinListCtrl::ItemOfRow(int row) const
{
    for (const Group& group : m_groups) {
        if (row < group.size)
            return ItemOf(group.id, row);
        row -= group.size;
    }
    return -1;
}

int CWinListCtrl::RowOfItem(long item) const
{
    int row = 0;
    for (size_t i = 0; i < m_groups.size(); ++i) {
        const long first = HeaderItem(static_cast<int>(i)) + 1;
        if (item >= first && item < first + m_groups[i].size)
            return row + static_cast<int>(item - first);
        row += m_groups[i].size;
    }
    return -1;
}

bool CWinListCtrl::PlaceOf(long item, int* group, int* position) const
{
    for (size_t i = 0; i < m_groups.size(); ++i) {
        const long first = HeaderItem(static_cast<int>(i)) + 1;
        if (item >= first && item < first + m_groups[i].size) {
            *group = m_groups[i].id;
            *position = static_cast<int>(item - first);
            return true;
        }
    }
    return false;
}

bool CWinListCtrl::IsHeader(long item) const
{
    for (size_t i = 0; i < m_groups.size(); ++i)
        if (item == HeaderItem(static_cast<int>(i)))
            return true;
    return false;
}
