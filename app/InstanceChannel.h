#pragma once
// The running copy's door: a local (Unix) socket in the user's runtime folder, on which a later
// start asks the running copy to present its window. The request is one line, "present", with a
// tab and the launcher's activation token after it when the later start was given one; the answer
// is one line, "ok" when the window was presented, anything else when it could not be (the copy
// is closing).

#include <functional>
#include <wx/evtloopsrc.h>
#include <wx/string.h>

class InstanceChannel : public wxEventLoopSourceHandler
{
public:
    // Presents the window using the activation token (empty when none came); false when there is
    // no window to present.
    using PresentHandler = std::function<bool(const wxString& activationToken)>;

    InstanceChannel() = default;
    ~InstanceChannel() override;
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // Listens on the path, replacing whatever file lies there (only the holder of the instance
    // lock listens, so a socket file there is a dead copy's), and answers requests from the event
    // loop. False when the socket cannot be made.
    bool Listen(const wxString& path, PresentHandler handler);

    void OnReadWaiting() override;
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

private:
    void Serve(int connection);

    int m_fd = -1;
    wxString m_path;
    PresentHandler m_handler;
    wxEventLoopSource* m_source = nullptr;
};

// Asks the copy listening on the path to present its window; true when it answered "ok" within
// the time limit. A socket file that nobody answers is tried again for up to a second.
bool AskToPresent(const wxString& path, const wxString& activationToken, int timeoutMs);
