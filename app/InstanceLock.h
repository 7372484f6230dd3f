#pragma once
// The lock that marks the user's running copy: an flock on a file in the user's private runtime
// folder. The kernel drops it when its holder ends, however it ends, so a copy that was killed or
// crashed never blocks the next start.

#include <wx/string.h>

// The user's private runtime folder: $XDG_RUNTIME_DIR when it names a folder, else
// /tmp/tamek-<uid> as PrivateFolder makes it. Empty when neither can be had.
wxString UserRuntimeFolder();

// A folder only this user can enter: made with mode 0700 when missing, tightened to 0700 when it
// is ours; refused (empty) when it is a link, not a folder, or belongs to someone else.
wxString PrivateFolder(const wxString& path);

class InstanceLock
{
public:
    enum class Result
    {
        Acquired,
        HeldElsewhere,
        Failed
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock on the file (made when missing), trying for up to waitMs while another
    // process holds it. The lock is kept until this object goes.
    Result Acquire(const wxString& path, int waitMs = 0);

private:
    int m_fd = -1;
};
