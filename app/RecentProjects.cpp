#include "app/RecentProjects.h"

#include <algorithm>

void RecentProjects::PutAtHead(const wxString& path)
{
    auto found = std::find(m_paths.begin(), m_paths.end(), path);
    if (found != m_paths.end())
        m_paths.erase(found);
    else if (m_paths.size() >= kCapacity)
        m_paths.resize(kCapacity - 1);
    m_paths.insert(m_paths.begin(), path);
}

void RecentProjects::Assign(const std::vector<wxString>& paths)
{
    m_paths.assign(paths.begin(), paths.begin() + std::min(paths.size(), kCapacity));
}
