#pragma once
// The lock that marks the user's running copy: an flock on a file in the user's runtime folder
// (robot/RuntimeFolder.h). The kernel drops it when its holder ends, however it ends, so a copy that was killed or
// crashed never blocks the next start.

#include <wx/string.h>

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
