#include "app/SingleInstance.h"

#include "app/CFrame.h"
#include "app/DisplaySystem.h"
#include "app/InstanceChannel.h"
#include "app/InstanceLock.h"
#include "robot/RuntimeFolder.h"

#include <cstdlib>
#include <memory>
#include <wx/evtloop.h>
#include <wx/msgout.h>
#include <wx/toplevel.h>

#if defined(__WXGTK__)
#include <dlfcn.h>
#endif

namespace {
// A running copy answers at once from its event loop; one still opening its first project
// answers when that is done.
constexpr int kAnswerLimitMs = 5000;
// A copy that does not answer may be closing: its lock is awaited this long before giving up.
constexpr int kClosingCopyLimitMs = 3000;

// The launcher's token for this start (GNOME and KDE give one to a program they start, so that
// the window it shows may take the focus). The toolkit takes DESKTOP_STARTUP_ID out of the
// environment when it opens the display, so the token is read when the program is loaded.
wxString ReadLaunchToken()
{
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"})
        if (const char* value = std::getenv(name); value && *value)
            return wxString::FromUTF8(value);
    return wxString();
}
const wxString g_launchToken = ReadLaunchToken();

struct FirstCopy
{
    InstanceLock lock;
    InstanceChannel channel;
};
// The first copy's lock and socket, kept until the process ends: the kernel then drops the lock,
// and the socket file left behind is replaced by the next first copy.
FirstCopy* g_firstCopy = nullptr;

// Start-up goes on without the rule; the reason goes to standard error, not into a message box.
void Warn(const wxString& message)
{
    wxMessageOutputStderr().Printf("tamek: %s\n", message);
}

#if defined(__WXGTK__)
// GDK's startup-notification calls, looked up in the toolkit loaded with the program (the build
// needs no GTK headers). The token goes to the display before presenting, as GtkApplication
// hands it over.
template <typename Function> Function GdkCall(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

void HandTokenToDisplay(const wxString& token)
{
    using DefaultDisplay = void* (*)();
    using SetStartupId = void (*)(void*, const char*);
    const auto display = GdkCall<DefaultDisplay>("gdk_display_get_default");
    const char* setter =
        OnWayland() ? "gdk_wayland_display_set_startup_notification_id" : "gdk_x11_display_set_startup_notification_id";
    const auto setStartupId = GdkCall<SetStartupId>(setter);
    if (display && setStartupId && display())
        setStartupId(display(), token.utf8_str());
}

// Ends the launcher's startup notification (its busy cursor) for the start that brought the token.
void CompleteStartup(const wxString& token)
{
    using NotifyComplete = void (*)(const char*);
    if (const auto complete = GdkCall<NotifyComplete>("gdk_notify_startup_complete_with_id"))
        complete(token.utf8_str());
}
#else
void HandTokenToDisplay(const wxString&) {}
void CompleteStartup(const wxString&) {}
#endif
} // namespace

void PresentWindow(wxTopLevelWindow& window, const wxString& activationToken)
{
    if (window.IsIconized())
        window.Iconize(false);
    if (!activationToken.empty())
        HandTokenToDisplay(activationToken);
    window.Raise();
    // Set only while the window is not active, and cleared by the toolkit when it becomes active.
    // The toolkit's request needs a running event loop: a request served by start-up's own yield,
    // while the window is being shown for the first time, goes without.
    if (wxEventLoopBase::GetActive())
        window.RequestUserAttention(wxUSER_ATTENTION_ERROR);
    if (!activationToken.empty())
        CompleteStartup(activationToken);
}

bool ClaimFirstCopy()
{
    const std::string folder = UserRuntimeFolder();
    std::string why;
    if (!MakePrivateFolder(folder, &why)) {
        Warn(why + "; a second start of Tamek will not be recognised");
        return true;
    }
    const wxString lockPath = folder + "/tamek.lock", socketPath = folder + "/tamek.socket";
    auto first = std::make_unique<FirstCopy>();
    InstanceLock::Result lock = first->lock.Acquire(lockPath);
    if (lock == InstanceLock::Result::HeldElsewhere) {
        if (AskToPresent(socketPath, g_launchToken, kAnswerLimitMs))
            return false;
        lock = first->lock.Acquire(lockPath, kClosingCopyLimitMs);
        if (lock == InstanceLock::Result::HeldElsewhere)
            return false;
    }
    if (lock == InstanceLock::Result::Failed) {
        Warn(lockPath + ": cannot be locked; a second start of Tamek will not be recognised");
        return true;
    }
    const bool listening = first->channel.Listen(socketPath, [](const wxString& token) {
        CFrame* frame = MainFrameIfAny();
        if (!frame || frame->IsBeingDeleted())
            return false;
        PresentWindow(*frame, token);
        return true;
    });
    if (!listening)
        Warn(socketPath + ": cannot listen there; a second start of Tamek will not bring this window forward");
    g_firstCopy = first.release();
    return true;
}
