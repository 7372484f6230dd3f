#include "app/SingleInstance.h"

#include <wx/app.h>

#if defined(__WXGTK__)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>

#include <functional>
#include <vector>

namespace {
constexpr size_t kTextBuffer = 256;

// Opens its own connection to the display and closes it when done.
class Display11
{
public:
    Display11() : m_display(XOpenDisplay(nullptr)) {}
    ~Display11()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Display11(const Display11&) = delete;
    Display11& operator=(const Display11&) = delete;
    Display* Get() const { return m_display; }

private:
    Display* m_display;
};

// A window property of 32-bit items (windows or atoms).
std::vector<unsigned long> ReadListProperty(Display* display, Window window, const char* name, Atom type)
{
    std::vector<unsigned long> items;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 65536, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

// The top-level windows: the window manager's client list when there is one, else the root's
// children (without a window manager the clients are the root's children themselves).
std::vector<Window> TopLevelWindows(Display* display)
{
    const Window root = DefaultRootWindow(display);
    std::vector<Window> windows;
    for (unsigned long window : ReadListProperty(display, root, "_NET_CLIENT_LIST", XA_WINDOW))
        windows.push_back(window);
    if (!windows.empty())
        return windows;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) && children) {
        windows.assign(children, children + count);
        XFree(children);
    }
    return windows;
}

wxString WindowClass(Display* display, Window window)
{
    XClassHint hint{nullptr, nullptr};
    wxString result;
    if (XGetClassHint(display, window, &hint)) {
        if (hint.res_class)
            result = wxString::FromUTF8(hint.res_class).Left(kTextBuffer - 1);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return result;
}

wxString WindowTitle(Display* display, Window window)
{
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    wxString title;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, kTextBuffer, False, utf8,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        data && format == 8)
        title = wxString::FromUTF8(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = wxString(name, wxConvISO8859_1);
            XFree(name);
        }
    }
    return title.Left(kTextBuffer - 1);
}

bool WindowManagerSupports(Display* display, const char* atomName)
{
    const Atom wanted = XInternAtom(display, atomName, False);
    for (unsigned long atom : ReadListProperty(display, DefaultRootWindow(display), "_NET_SUPPORTED", XA_ATOM))
        if (atom == wanted)
            return true;
    return false;
}

// Asks the window manager to activate the window; when it offers no activation, raises the
// window and sets its urgency hint, which makes its taskbar entry ask for attention.
void BringForward(Display* display, Window window)
{
    if (WindowManagerSupports(display, "_NET_ACTIVE_WINDOW")) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2; // from a pager: the request is not about focus stealing
        event.xclient.data.l[1] = CurrentTime;
        if (XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
                       &event)) {
            XFlush(display);
            return;
        }
    }
    XRaiseWindow(display, window);
    XWMHints* hints = XGetWMHints(display, window);
    XWMHints fresh{};
    XWMHints* target = hints ? hints : &fresh;
    target->flags |= XUrgencyHint;
    XSetWMHints(display, window, target);
    if (hints)
        XFree(hints);
    XFlush(display);
}
} // namespace

wxString ToolkitFrameClass()
{
    // GTK gives every window of a program the program's class: asked from GTK itself when it is
    // loaded, else derived as GTK derives it (the program name, first letter capitalised).
    using ProgramClass = const char* (*)();
    if (auto programClass = reinterpret_cast<ProgramClass>(dlsym(RTLD_DEFAULT, "gdk_get_program_class")))
        if (const char* name = programClass())
            return wxString::FromUTF8(name);
    wxString name = wxTheApp ? wxTheApp->argv[0] : wxString();
    name = name.AfterLast('/');
    if (!name.empty())
        name[0] = wxToupper(name[0]);
    return name;
}

bool FindRunningCopy(const wxString& titleWord)
{
    Display11 connection;
    Display* display = connection.Get();
    if (!display || titleWord.empty())
        return false;
    const wxString frameClass = ToolkitFrameClass();
    for (Window window : TopLevelWindows(display)) {
        const wxString windowClass = WindowClass(display, window);
        if (windowClass.empty() || windowClass != frameClass)
            continue;
        const wxString title = WindowTitle(display, window);
        if (title.empty() || !title.Contains(titleWord))
            continue;
        BringForward(display, window);
        return true;
    }
    return false;
}

#else

bool FindRunningCopy(const wxString&)
{
    return false;
}
wxString ToolkitFrameClass()
{
    return wxString();
}

#endif
