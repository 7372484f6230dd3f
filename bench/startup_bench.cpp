// Start-up of the real tamek program up to its first painted main window.
//
// Each iteration starts build/bin/tamek with an empty settings folder, watches the display for the
// main window (titled "Tamek", or "Tamek - <path>" with the example project) and then for the first pixels painted into
// it (the window starts out as the black root of Xvfb; the painted menu bar is light), and ends the program. Run it on
// a display of its own: xvfb-run -a -s "-screen 0 1400x900x24" build/bin/startup_bench
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

Window FindMappedMainWindow(Display* display)
{
    Window root = DefaultRootWindow(display), parent = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::string(name).rfind("Tamek", 0) == 0 && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

bool IsPaintedAt(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel != 0;
}

// True once a pixel of the menu bar and one of the canvas (left of where the splash lies) are no
// longer the black of the bare window.
bool IsPainted(Display* display, Window window)
{
    return IsPaintedAt(display, window, 20, 8) && IsPaintedAt(display, window, 150, 300);
}

int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
} // the window may vanish while we look

// state.range(0): 1 to start on the example project, 0 to start empty.
void StartToFirstPaint(benchmark::State& state)
{
    const bool withProject = state.range(0) != 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        state.SkipWithError("no display");
        return;
    }
    XSetErrorHandler(IgnoreErrors);
    char folder[] = "/tmp/tamek-startup-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            setenv("XDG_DATA_HOME", folder, 1);
            setenv("XDG_RUNTIME_DIR", folder, 1); // a Tamek of the user's own does not count as running
            setenv("GSETTINGS_BACKEND", "memory", 1);
            if (withProject)
                execl(TAMEK_EXECUTABLE, TAMEK_EXECUTABLE, TAMEK_EXAMPLE, static_cast<char*>(nullptr));
            else
                execl(TAMEK_EXECUTABLE, TAMEK_EXECUTABLE, static_cast<char*>(nullptr));
            _exit(127);
        }
        Window window = 0;
        bool painted = false;
        while (!painted && Clock::now() - start < std::chrono::seconds(20)) {
            if (!window)
                window = FindMappedMainWindow(display);
            painted = window && IsPainted(display, window);
            if (!painted)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        if (!painted) {
            state.SkipWithError("no painted main window within 20 s");
            break;
        }
        state.SetIterationTime(seconds);
        // Let the display forget the old window before the next start.
        while (FindMappedMainWindow(display))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    XCloseDisplay(display);
    std::system((std::string("rm -rf ") + folder).c_str());
}
} // namespace

BENCHMARK(StartToFirstPaint)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
