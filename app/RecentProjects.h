#pragma once
// The recent-projects list: at most ten full paths, the most recent first.

#include <vector>
#include <wx/string.h>

class RecentProjects
{
public:
    static constexpr size_t kCapacity = 10;

    // Puts path at the head: an entry equal to it (case-sensitive, the first one) moves up,
    // otherwise every entry moves one place down and the tenth falls off a full list.
    void PutAtHead(const wxString& path);
    void Assign(const std::vector<wxString>& paths);
    void Clear() { m_paths.clear(); }

    size_t Count() const { return m_paths.size(); }
    bool IsEmpty() const { return m_paths.empty(); }
    const wxString& At(size_t position) const { return m_paths[position]; }
    const std::vector<wxString>& Paths() const { return m_paths; }

private:
    std::vector<wxString> m_paths;
};
