// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long programs take to put their first window on the screen,
// and how much memory they then hold.
//
//   startup [--runs N] PROGRAM...
//
// The programs take turns, N runs each. Every run starts the program and
// watches the X server: a new top-level window is mapped, then its first
// damage arrives (the first paint). The time from exec to that paint is the
// start-up time. After half a second of quiet the program's resident memory
// is read from /proc, and the program is ended.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double ms;
    long rssKb;
};

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Watcher {
public:
    Watcher() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_)) {
            std::fprintf(stderr, "startup: no X server (set DISPLAY)\n");
            std::exit(2);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c_, &xcb_damage_id);
        if (!ext || !ext->present) {
            std::fprintf(stderr, "startup: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        damageEvent_ = ext->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c_);
    }
    ~Watcher() { xcb_disconnect(c_); }

    // Runs `program` once; returns a negative time when no window showed.
    Sample run(const char* program) {
        drain();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
        double ms = -1;
        std::set<xcb_window_t> created, mapped;
        std::map<xcb_window_t, xcb_damage_damage_t> damages;
        const int fd = xcb_get_file_descriptor(c_);
        while (ms < 0 && Clock::now() - start < std::chrono::seconds(20)) {
            pollfd p{fd, POLLIN, 0};
            if (!xcb_poll_for_queued_event(c_)) poll(&p, 1, 100);
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const int type = e->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY) {
                    // Watch every new top-level window from its creation on,
                    // so that no paint can slip past.
                    auto* ev = reinterpret_cast<xcb_create_notify_event_t*>(e);
                    if (ev->parent == root_ && !ev->override_redirect) {
                        const xcb_damage_damage_t d = xcb_generate_id(c_);
                        xcb_damage_create(c_, d, ev->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                        damages[ev->window] = d;
                        xcb_flush(c_);
                    }
                } else if (type == XCB_MAP_NOTIFY) {
                    mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(e)->window);
                } else if (type == damageEvent_) {
                    auto* ev = reinterpret_cast<xcb_damage_notify_event_t*>(e);
                    if (mapped.count(ev->drawable) && ev->area.width > 100 && ev->area.height > 100)
                        ms =
                            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                }
                free(e);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const long rss = residentKb(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        for (const auto& [window, d] : damages)
            xcb_damage_destroy(c_, d);
        xcb_flush(c_);
        return {ms, rss};
    }

private:
    void drain() {
        xcb_flush(c_);
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_))
            free(e);
    }

    xcb_connection_t* c_;
    xcb_window_t root_;
    int damageEvent_ = 0;
};

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double i = q * double(v.size() - 1);
    const std::size_t lo = std::size_t(std::floor(i));
    const std::size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (i - double(lo));
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 21;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "usage: startup [--runs N] PROGRAM...\n");
        return 2;
    }

    Watcher watcher;
    std::vector<std::vector<double>> times(programs.size()), memory(programs.size());
    watcher.run(programs[0]); // warm the file cache once
    for (int r = 0; r < runs; ++r)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Sample s = watcher.run(programs[p]);
            if (s.ms < 0) {
                std::fprintf(stderr, "startup: %s showed no window\n", programs[p]);
                return 1;
            }
            times[p].push_back(s.ms);
            memory[p].push_back(double(s.rssKb));
        }

    std::printf("%-40s %9s %9s %9s %9s %12s\n", "program", "median", "p25", "p75", "max",
                "rss (KiB)");
    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("%-40s %7.1fms %7.1fms %7.1fms %7.1fms %12.0f\n", programs[p],
                    quantile(times[p], 0.5), quantile(times[p], 0.25), quantile(times[p], 0.75),
                    quantile(times[p], 1.0), quantile(memory[p], 0.5));
    if (programs.size() == 2)
        std::printf("ratio first/second: start-up %.3f, memory %.3f\n",
                    quantile(times[0], 0.5) / quantile(times[1], 0.5),
                    quantile(memory[0], 0.5) / quantile(memory[1], 0.5));
    return 0;
}
