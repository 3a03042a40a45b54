// Measures a Qt program from outside, as the X server sees it: when its
// window maps and first paints, how much memory it holds, and for each key
// sent through XTest when the screen changes and by how many pixels. Run on
// an X server without a window manager, so every drawing request of the
// program lands on the screen and XDamage reports it on the root window.
//
//   clavora-e2e startup -- PROGRAM ARGS...
//   clavora-e2e session --setup STEPS --keys FILE --rate KEYS_PER_S [--idle S]
//                       [--detail FILE] -- PROGRAM ARGS...
//
// STEPS are space-separated: t:TEXT types TEXT, k:KEYSYM presses a key
// (k:alt+s with Alt), w:MS waits. FILE holds the characters to type, one per
// line ("space" for a space). Results are printed as key=value lines; the
// detail file gets every damage rectangle: key number, key, ms, x,y and size.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point from, Clock::time_point to = Clock::now()) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

class Display {
public:
    Display() : dpy_(XOpenDisplay(nullptr)) {
        if (dpy_ == nullptr) {
            std::fprintf(stderr, "clavora-e2e: no X display\n");
            std::exit(2);
        }
        int error = 0;
        if (!XDamageQueryExtension(dpy_, &damageEvent_, &error)) {
            std::fprintf(stderr, "clavora-e2e: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        root_ = DefaultRootWindow(dpy_);
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        damage_ = XDamageCreate(dpy_, root_, XDamageReportRawRectangles);
        XSync(dpy_, False);
    }
    ~Display() {
        XDamageDestroy(dpy_, damage_);
        XCloseDisplay(dpy_);
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Waits up to `ms` for the next event; false when none came.
    bool next(XEvent& event, double ms) {
        const auto until = Clock::now() + std::chrono::microseconds(static_cast<long>(ms * 1000));
        while (XPending(dpy_) == 0) {
            const double left = msSince(Clock::now(), until);
            if (left <= 0) {
                return false;
            }
            pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left) + 1);
        }
        XNextEvent(dpy_, &event);
        keepFocus(event);
        return true;
    }
    // A program's main window, not one of the small helper windows Qt maps.
    bool large(Window window) {
        XWindowAttributes a{};
        return XGetWindowAttributes(dpy_, window, &a) != 0 && a.width >= 200 && a.height >= 150;
    }
    // What a window manager does for a new window: gives it the keyboard.
    void focus(Window window) {
        XSetInputFocus(dpy_, window, RevertToParent, CurrentTime);
        XFlush(dpy_);
    }
    bool isDamage(const XEvent& e) const { return e.type == damageEvent_ + XDamageNotify; }
    static const XRectangle& rect(const XEvent& e) {
        return reinterpret_cast<const XDamageNotifyEvent&>(e).area;
    }
    static long area(const XEvent& e) {
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
        return static_cast<long>(d.area.width) * d.area.height;
    }

    void key(const std::string& name) {
        std::string keysym = name;
        bool alt = false;
        if (keysym.rfind("alt+", 0) == 0) {
            alt = true;
            keysym = keysym.substr(4);
        }
        const KeyCode code = XKeysymToKeycode(dpy_, XStringToKeysym(keysym.c_str()));
        if (code == 0) {
            std::fprintf(stderr, "clavora-e2e: no key for %s\n", name.c_str());
            std::exit(2);
        }
        const KeyCode altCode = XKeysymToKeycode(dpy_, XK_Alt_L);
        if (alt) {
            XTestFakeKeyEvent(dpy_, altCode, True, CurrentTime);
        }
        XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
        if (alt) {
            XTestFakeKeyEvent(dpy_, altCode, False, CurrentTime);
        }
        XFlush(dpy_);
    }

private:
    // As a window manager would: a new window (a dialog) takes the keyboard,
    // and gives it back to the one below when it goes.
    void keepFocus(const XEvent& e) {
        if (e.type == MapNotify && !e.xmap.override_redirect && large(e.xmap.window)) {
            shown_.push_back(e.xmap.window);
            focus(e.xmap.window);
        } else if (e.type == UnmapNotify || e.type == DestroyNotify) {
            const Window gone = e.type == UnmapNotify ? e.xunmap.window : e.xdestroywindow.window;
            const auto at = std::find(shown_.begin(), shown_.end(), gone);
            if (at != shown_.end()) {
                shown_.erase(at);
                if (!shown_.empty()) {
                    focus(shown_.back());
                }
            }
        }
    }

    ::Display* dpy_;
    std::vector<Window> shown_;
    Window root_ = 0;
    Damage damage_ = 0;
    int damageEvent_ = 0;
};

std::string keysymFor(char c) {
    switch (c) {
    case ' ':
        return "space";
    case ';':
        return "semicolon";
    case ',':
        return "comma";
    case '.':
        return "period";
    case '-':
        return "minus";
    case '/':
        return "slash";
    case '\'':
        return "apostrophe";
    default:
        return std::string(1, c);
    }
}

pid_t launch(char* argv[]) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror("clavora-e2e: exec");
        _exit(127);
    }
    return pid;
}

long statusKib(pid_t pid, const char* field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::strtol(line.c_str() + std::strlen(field) + 1, nullptr, 10);
        }
    }
    return -1;
}

// CPU time of all the process's threads, in microseconds.
double cpuMicros(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tasks)) {
        std::ifstream in(entry.path() / "schedstat");
        double run = 0;
        in >> run;
        ns += run;
    }
    return ns / 1000;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Waits for the program's top-level window to map; its time, or -1.
double waitForMap(Display& x, Clock::time_point start, double timeoutMs) {
    XEvent e;
    while (msSince(start) < timeoutMs) {
        if (!x.next(e, 50)) {
            continue;
        }
        if (e.type == MapNotify && !e.xmap.override_redirect && x.large(e.xmap.window)) {
            return msSince(start);
        }
    }
    return -1;
}

// Drains events until the screen has been still for `quietMs`.
void settle(Display& x, double quietMs) {
    XEvent e;
    while (x.next(e, quietMs)) {
    }
}

int startup(char* argv[]) {
    Display x;
    settle(x, 50);
    const auto start = Clock::now();
    const pid_t pid = launch(argv);
    const double mapped = waitForMap(x, start, 10000);
    const long hwmMap = statusKib(pid, "VmHWM:");
    double painted = -1;
    XEvent e;
    while (painted < 0 && msSince(start) < 10000) {
        if (x.next(e, 50) && x.isDamage(e) && Display::area(e) > 0) {
            painted = msSince(start);
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const long hwmIdle = statusKib(pid, "VmHWM:");
    stop(pid);
    std::printf("map_ms=%.2f\npaint_ms=%.2f\nhwm_map_kib=%ld\nhwm_idle_kib=%ld\n", mapped, painted,
                hwmMap, hwmIdle);
    return mapped < 0 ? 1 : 0;
}

void runSetup(Display& x, const std::string& steps) {
    std::istringstream in(steps);
    std::string step;
    while (in >> step) {
        const std::string what = step.substr(2);
        if (step.rfind("t:", 0) == 0) {
            for (const char c : what) {
                x.key(keysymFor(c));
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        } else if (step.rfind("k:", 0) == 0) {
            x.key(what);
        } else if (step.rfind("w:", 0) == 0) {
            settle(x, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(what.c_str())));
        }
    }
    settle(x, 300);
}

struct KeyResult {
    double first = -1; // ms from the key to the first damage
    double last = -1;  // ... to the last damage of the first burst
    long area = 0;     // pixels reported damaged before the next key
    bool second = false;
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) {
        return -1;
    }
    std::sort(v.begin(), v.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(at, v.size() - 1)];
}

// One burst of damage is events less than this apart.
constexpr double kBurstGapMs = 8;

int session(const std::string& setup, const std::string& keyFile, double rate, double idleS,
            const std::string& detailFile, char* argv[]) {
    std::ofstream detail;
    if (!detailFile.empty()) {
        detail.open(detailFile);
    }
    std::vector<std::string> keys;
    {
        std::ifstream in(keyFile);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty()) {
                keys.push_back(line == "space" ? "space" : keysymFor(line[0]));
            }
        }
    }
    Display x;
    const auto start = Clock::now();
    const pid_t pid = launch(argv);
    if (waitForMap(x, start, 10000) < 0) {
        stop(pid);
        return 1;
    }
    settle(x, 500);
    runSetup(x, setup);

    // Idle first: the exercise runs, nothing is typed.
    const double idleFrom = cpuMicros(pid);
    const auto idleStart = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<long>(idleS * 1000)));
    const double idleRate = (cpuMicros(pid) - idleFrom) / msSince(idleStart); // µs per ms
    settle(x, 0);

    const double interval = 1000.0 / rate;
    std::vector<KeyResult> results;
    const double cpuFrom = cpuMicros(pid);
    const auto burstStart = Clock::now();
    for (const auto& k : keys) {
        const auto sent = Clock::now();
        x.key(k);
        KeyResult r;
        double lastAt = -1;
        XEvent e;
        while (true) {
            const double left = interval - msSince(sent);
            if (left <= 0 || !x.next(e, left)) {
                break;
            }
            if (!x.isDamage(e)) {
                continue;
            }
            const double at = msSince(sent);
            r.area += Display::area(e);
            if (detail) {
                const XRectangle& d = Display::rect(e);
                detail << results.size() << ' ' << k << ' ' << at << ' ' << d.x << ',' << d.y << ' '
                       << d.width << 'x' << d.height << '\n';
            }
            if (r.first < 0) {
                r.first = at;
                r.last = at;
            } else if (!r.second && at - lastAt < kBurstGapMs) {
                r.last = at;
            } else {
                r.second = true;
            }
            lastAt = at;
        }
        results.push_back(r);
    }
    const double burstMs = msSince(burstStart);
    const double cpu = cpuMicros(pid) - cpuFrom - idleRate * burstMs;
    stop(pid);

    std::vector<double> first;
    std::vector<double> last;
    std::vector<double> area;
    int seconds = 0;
    int silent = 0;
    for (const auto& r : results) {
        if (r.first < 0) {
            ++silent;
            continue;
        }
        first.push_back(r.first);
        last.push_back(r.last);
        area.push_back(static_cast<double>(r.area));
        seconds += r.second ? 1 : 0;
    }
    std::printf("keys=%zu\nkeys_without_redraw=%d\nfirst_median_ms=%.2f\nfirst_p90_ms=%.2f\n"
                "last_median_ms=%.2f\npixels_median=%.0f\nsecond_redraws=%d\n"
                "cpu_per_key_us=%.0f\nidle_cpu_percent=%.3f\n",
                results.size(), silent, percentile(first, 0.5), percentile(first, 0.9),
                percentile(last, 0.5), percentile(area, 0.5), seconds,
                cpu / static_cast<double>(std::max<std::size_t>(results.size(), 1)),
                idleRate / 10.0);
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: clavora-e2e startup -- PROGRAM ARGS...\n"
                         "       clavora-e2e session --setup STEPS --keys FILE --rate N "
                         "[--idle S] -- PROGRAM ARGS...\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return usage();
    }
    const std::string mode = argv[1];
    std::string setup;
    std::string keys;
    std::string detail;
    double rate = 12;
    double idle = 10;
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) {
            return usage();
        }
        const std::string option = argv[i];
        if (option == "--setup") {
            setup = argv[i + 1];
        } else if (option == "--keys") {
            keys = argv[i + 1];
        } else if (option == "--rate") {
            rate = std::atof(argv[i + 1]);
        } else if (option == "--detail") {
            detail = argv[i + 1];
        } else if (option == "--idle") {
            idle = std::atof(argv[i + 1]);
        } else {
            return usage();
        }
    }
    if (i + 1 >= argc) {
        return usage();
    }
    char** program = argv + i + 1;
    if (mode == "startup") {
        return startup(program);
    }
    if (mode == "session" && !keys.empty() && rate > 0) {
        return session(setup, keys, rate, idle, detail, program);
    }
    return usage();
}
