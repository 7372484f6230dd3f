#pragma once
// The recovery folder: one recovery file per running copy ("<process id>-<start time>.recovery"),
// beside a lock file of the same name (".lock") that the copy holds for as long as it runs. The
// system lets go of a lock whenever a process ends, killed or with the power, so a recovery file
// whose lock nobody holds is left over from a copy that no longer runs.

#include "base/RecoveryFile.h"

#include <map>
#include <vector>
#include <wx/string.h>

class RecoveryStore
{
public:
    explicit RecoveryStore(const wxString& folder);
    // A clean end: this copy's recovery file and lock go.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Keeps this copy's work: writes its recovery file atomically (the folder and the lock first).
    bool Keep(const RecoveryRecord& record, wxString* error = nullptr);
    // Removes this copy's recovery file: the work was saved, or dropped on purpose.
    void Forget();
    // This copy's recovery file (whether or not it exists yet).
    wxString OwnFile() const;

    // The recovery files of copies that no longer run, newest first. Each stays locked for this
    // copy until it is discarded or kept aside, so no other copy offers it meanwhile.
    std::vector<wxString> Leftovers();
    // Deletes a leftover recovery file and its lock.
    void Discard(const wxString& leftover);
    // Renames a damaged leftover so that it is offered no more, and returns its new name (empty
    // when it cannot be renamed).
    wxString KeepAside(const wxString& leftover);

private:
    // Lets go of a leftover's lock and removes its lock file.
    void Release(const wxString& leftover);

    wxString m_folder;
    wxString m_name;
    int m_lock = -1;
    std::map<wxString, int> m_leftoverLocks;
};
