// tolvarin-window-watch SETTLE_MS IDLE_SECONDS PROGRAM [ARGUMENT...]
//
// Starts PROGRAM on the X display and watches its first top-level window from outside, as
// the player sees it, then prints one line of numbers:
//
//   mapped_ms drawn_ms rss_kib pss_kib cpu_percent wakes_per_s close_ms ticking_px
//
// mapped_ms   from the start to the window's MapNotify.
// drawn_ms    from the start to the last change of the window's pixels in the first
//             SETTLE_MS after mapping, leaving out the part that keeps changing on its own
//             (a clock): that part is where the window changed in the second half of the
//             settling time, ticking_px its area in pixels (0 when nothing ticks).
// rss/pss     the process's resident and proportional memory once it settled.
// cpu, wakes  over IDLE_SECONDS of idling: CPU time of all threads as % of one core, and
//             their voluntary context switches a second.
// close_ms    from the close box (WM_DELETE_WINDOW, as a window manager sends it) to the end
//             of the process; -1 when it was still running 5 s later (then it is killed).
//
// Changes are seen through the DAMAGE extension on the root window: every drawing that
// reaches the screen is reported with its rectangle, without polling.

#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kCloseTimeoutMs = 5000;

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "tolvarin-window-watch: %s\n", why.c_str());
    std::exit(1);
}

struct Box {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // x1, y1 exclusive
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    bool inside(const Box& b) const {
        return !b.empty() && x0 >= b.x0 && y0 >= b.y0 && x1 <= b.x1 && y1 <= b.y1;
    }
    Box clip(const Box& b) const {
        return {std::max(x0, b.x0), std::max(y0, b.y0), std::min(x1, b.x1), std::min(y1, b.y1)};
    }
    Box unite(const Box& b) const {
        if (empty()) return b;
        if (b.empty()) return *this;
        return {std::min(x0, b.x0), std::min(y0, b.y0), std::max(x1, b.x1), std::max(y1, b.y1)};
    }
};

struct Damage {
    double at;
    Box box;
};

// What the threads of a process have used so far.
struct Usage {
    double cpuNs = 0;
    double wakes = 0;
};

Usage ReadUsage(pid_t pid) {
    Usage u;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream sched(task.path() / "schedstat");
        double ns = 0;
        if (sched >> ns) u.cpuNs += ns;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("voluntary_ctxt_switches:"))
                u.wakes += std::strtod(line.c_str() + line.find(':') + 1, nullptr);
    }
    return u;
}

// The "Rss:" or "Pss:" line of the process's memory summary, in KiB.
long ReadMemory(pid_t pid, const std::string& field) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);)
        if (line.starts_with(field + ":"))
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

class Watch {
public:
    Watch() : conn_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(conn_)) Fail("cannot open the X display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const auto* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (!damage || !damage->present) Fail("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(conn_, xcb_damage_query_version(conn_, 1, 1), nullptr));
        xcb_damage_create(conn_, xcb_generate_id(conn_), root_,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(conn_);
    }
    ~Watch() { xcb_disconnect(conn_); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    void launch(char** argv) {
        start_ = NowMs();
        pid_ = fork();
        if (pid_ == 0) {
            execvp(argv[0], argv);
            _exit(127);
        }
        if (pid_ < 0) Fail("cannot start the program");
        pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    }

    // Handles the X events that come until @p untilMs (or, with @p untilMapped, until the
    // program's window maps).
    void pump(double untilMs, bool untilMapped = false) {
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) {
                handle(*e);
                free(e);
            }
            if (untilMapped && mappedAt_ > 0) return;
            const double left = untilMs - NowMs();
            if (left <= 0) return;
            pollfd fds[2] = {{xcb_get_file_descriptor(conn_), POLLIN, 0}, {pidfd_, POLLIN, 0}};
            poll(fds, 2, static_cast<int>(left) + 1);
            if (fds[1].revents) Fail("the program ended by itself");
            if (xcb_connection_has_error(conn_)) Fail("lost the X display");
        }
    }

    bool mapped() const { return mappedAt_ > 0; }
    double mappedAt() const { return mappedAt_; }
    double mappedMs() const { return mappedAt_ - start_; }

    // The last change of the window in [start, mapped + settle), leaving out the ticking part.
    double drawnMs(double settleMs, Box& ticking) const {
        const double half = mappedAt_ + settleMs / 2;
        ticking = {};
        for (const Damage& d : damage_)
            if (d.at >= half) ticking = ticking.unite(d.box);
        double last = mappedAt_;
        for (const Damage& d : damage_)
            if (d.at < half && !d.box.inside(ticking)) last = std::max(last, d.at);
        return last - start_;
    }

    pid_t pid() const { return pid_; }

    // Sends the close box's message and returns how long the process took to end.
    double close() {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = atom("WM_PROTOCOLS");
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        const double sent = NowMs();
        xcb_send_event(conn_, 0, window_, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(conn_);
        pollfd fd{pidfd_, POLLIN, 0};
        const bool ended = poll(&fd, 1, static_cast<int>(kCloseTimeoutMs)) == 1;
        const double took = NowMs() - sent;
        if (!ended) kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        return ended ? took : -1;
    }

private:
    void handle(const xcb_generic_event_t& e) {
        const uint8_t type = e.response_type & 0x7f;
        if (type == damageEvent_) {
            const auto& d = reinterpret_cast<const xcb_damage_notify_event_t&>(e);
            const Box box{d.area.x, d.area.y, d.area.x + d.area.width, d.area.y + d.area.height};
            if (mappedAt_ > 0 && !box.clip(frame_).empty())
                damage_.push_back({NowMs(), box.clip(frame_)});
        } else if (type == XCB_MAP_NOTIFY && mappedAt_ == 0) {
            const auto& m = reinterpret_cast<const xcb_map_notify_event_t&>(e);
            if (!m.override_redirect && pidOf(m.window) == pid_) takeWindow(m.window);
        }
    }

    void takeWindow(xcb_window_t window) {
        mappedAt_ = NowMs();
        window_ = window;
        xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr);
        if (!g) Fail("the window went away");
        frame_ = {g->x, g->y, g->x + g->width + 2 * g->border_width,
                  g->y + g->height + 2 * g->border_width};
        free(g);
    }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(r);
        return a;
    }

    pid_t pidOf(xcb_window_t window) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        pid_t pid = -1;
        if (r && xcb_get_property_value_length(r) == 4)
            pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(r)));
        free(r);
        return pid;
    }

    xcb_connection_t* conn_;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    double start_ = 0;
    pid_t pid_ = -1;
    int pidfd_ = -1;
    double mappedAt_ = 0;
    xcb_window_t window_ = 0;
    Box frame_;
    std::vector<Damage> damage_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: tolvarin-window-watch SETTLE_MS IDLE_SECONDS PROGRAM [ARG...]\n");
        return 2;
    }
    const double settleMs = std::atof(argv[1]);
    const double idleSeconds = std::atof(argv[2]);
    Watch watch;
    watch.launch(argv + 3);
    watch.pump(NowMs() + 30000, true);
    if (!watch.mapped()) Fail("no window was mapped within 30 s");
    watch.pump(watch.mappedAt() + settleMs);
    Box ticking;
    const double drawn = watch.drawnMs(settleMs, ticking);
    const long rss = ReadMemory(watch.pid(), "Rss");
    const long pss = ReadMemory(watch.pid(), "Pss");

    const Usage before = ReadUsage(watch.pid());
    const double idleFrom = NowMs();
    watch.pump(idleFrom + idleSeconds * 1000);
    const Usage after = ReadUsage(watch.pid());
    const double idleS = (NowMs() - idleFrom) / 1000;

    const double closeMs = watch.close();
    std::printf("%.1f %.1f %ld %ld %.3f %.2f %.1f %d\n", watch.mappedMs(), drawn, rss, pss,
                (after.cpuNs - before.cpuNs) / (idleS * 1e9) * 100,
                (after.wakes - before.wakes) / idleS, closeMs,
                (ticking.x1 - ticking.x0) * (ticking.y1 - ticking.y0));
    return 0;
}
