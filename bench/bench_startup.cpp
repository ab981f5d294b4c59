// How fast each program appears and how much memory it holds, beside the
// toolkit's own cost in the same run, in two forms (bench_startup_bare):
//   bare  a toolkit window of the same size with one line of text;
//   same  the program's own widgets (read from the widget tree the program
//         writes with RT_WIDGET_TREE) made and placed straight on the toolkit,
//         so that what is left over is the runtime's.
// Each is timed from exec to the first frame it draws into its mapped window;
// also the processor time it used until then, and its resident memory one
// second later. The three are started in turn, in an order that rotates, so
// that a busy moment of the machine touches all; the medians are printed.
//
// Needs an X display with the DAMAGE extension (Xvfb has it), ideally an idle
// one of its own and without a window manager (the windows are watched as
// children of the root window, which a window manager's frames would hide):
//   Xvfb :9 & DISPLAY=:9 build/bin/bench_startup [runs] [program...]
// A program given with a folder (build-old/bin/Calc) is started from there.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int defaultRuns = 5;
constexpr auto settleTime = std::chrono::seconds(1);
constexpr auto giveUpTime = std::chrono::seconds(20);

// What one start of a program or of the bare window gave.
struct Figures {
    double startMs = 0;      // from exec to the first frame in its window
    double cpuMs = 0;        // processor time all its threads used until then
    double residentMiB = 0;  // a second later
    int width = 0;           // of the window, in pixels
    int height = 0;
};

// The first frame drawn into a process's window, seen from the X server.
struct FirstFrame {
    Clock::time_point when;
    int width;
    int height;
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Processor time all threads of a process have used, in ms: unlike the time
// to the window, it hardly moves when other work shares the machine.
double cpuMs(pid_t pid)
{
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

// Resident memory of a process in MiB, from the kernel's own count.
double residentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// Watches the X server for new top-level windows, their mapping and the
// first drawing into them.
class FrameWatch {
public:
    FrameWatch() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection)) return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        const auto atom = xcb_intern_atom(m_connection, 0, sizeof name - 1, name);
        if (Reply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(m_connection, atom, nullptr),
                                                 &std::free})
            m_pidAtom = reply->atom;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (damage && damage->present) {
            const auto version = xcb_damage_query_version(m_connection, 1, 1);
            Reply<xcb_damage_query_version_reply_t> reply{
                xcb_damage_query_version_reply(m_connection, version, nullptr), &std::free};
            if (reply) m_damageNotify = uint8_t(damage->first_event + XCB_DAMAGE_NOTIFY);
        }
        xcb_flush(m_connection);
    }
    ~FrameWatch() { xcb_disconnect(m_connection); }
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    bool usable() const
    {
        return !xcb_connection_has_error(m_connection) && m_pidAtom && m_damageNotify;
    }

    // Waits until process `pid` has drawn into a window of its own that is
    // mapped; when it did and the window's size, or nothing when the process
    // ended or the wait gave up.
    std::optional<FirstFrame> waitForFirstFrame(pid_t pid)
    {
        const auto deadline = Clock::now() + giveUpTime;
        pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        std::set<xcb_window_t> mapped;  // the process's own mapped windows
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const auto now = Clock::now();
                const std::optional<xcb_window_t> drawn = handle(*event, pid, mapped);
                std::free(event);
                if (drawn) return sized(now, *drawn);
            }
            if (xcb_connection_has_error(m_connection)) return {};
            if (waitpid(pid, nullptr, WNOHANG) == pid) return {};
            poll(&watched, 1, 50);
        }
        return {};
    }

private:
    // Follows one event; the window drawn into when it is the first frame.
    std::optional<xcb_window_t> handle(const xcb_generic_event_t& event, pid_t pid,
                                       std::set<xcb_window_t>& mapped)
    {
        const uint8_t type = event.response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from its creation, before anything can be drawn into it.
            const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
            xcb_damage_create(m_connection, xcb_generate_id(m_connection), created.window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(m_connection);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto& shown = reinterpret_cast<const xcb_map_notify_event_t&>(event);
            if (ownerOf(shown.window) == pid) mapped.insert(shown.window);
        } else if (type == m_damageNotify) {
            const auto& drawn = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
            if (mapped.count(drawn.drawable)) return drawn.drawable;
        }
        return {};
    }

    FirstFrame sized(Clock::time_point when, xcb_window_t window)
    {
        const auto geometry = xcb_get_geometry(m_connection, window);
        Reply<xcb_get_geometry_reply_t> reply{
            xcb_get_geometry_reply(m_connection, geometry, nullptr), &std::free};
        if (!reply) return {when, 0, 0};
        return {when, reply->width, reply->height};
    }

    pid_t ownerOf(xcb_window_t window)
    {
        const auto property =
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1);
        Reply<xcb_get_property_reply_t> reply{
            xcb_get_property_reply(m_connection, property, nullptr), &std::free};
        if (!reply || xcb_get_property_value_length(reply.get()) != 4) return 0;
        return pid_t(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    uint8_t m_damageNotify = 0;
};

// Starts `path` with `arguments` and the environment `envp`, with what it
// prints thrown away (it is not the benchmark's); its process, or 0.
pid_t startQuietly(const std::string& path, std::vector<std::string> arguments, char** envp)
{
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv.data(), envp);
    posix_spawn_file_actions_destroy(&quiet);
    return spawned == 0 ? pid : 0;
}

// Runs `program` off the screen to have it write its window's widget tree to
// `file`; whether it did.
bool writeWidgetTree(const std::string& program, const std::string& file)
{
    std::vector<std::string> settings;
    for (char** variable = environ; *variable; ++variable) settings.emplace_back(*variable);
    settings.push_back("QT_QPA_PLATFORM=offscreen");
    settings.push_back("RT_WIDGET_TREE=" + file);
    std::vector<char*> envp;
    for (std::string& setting : settings) envp.push_back(setting.data());
    envp.push_back(nullptr);
    const pid_t pid = startQuietly(program, {}, envp.data());
    if (!pid) return false;
    int status = 0;
    const auto deadline = Clock::now() + giveUpTime;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Starts `path` with `arguments`, times it to its first frame, reads its
// memory a second later and ends it.
std::optional<Figures> measure(FrameWatch& watch, const std::string& path,
                               std::vector<std::string> arguments = {})
{
    const auto started = Clock::now();
    const pid_t pid = startQuietly(path, std::move(arguments), environ);
    if (!pid) return {};
    const auto frame = watch.waitForFirstFrame(pid);
    std::optional<Figures> figures;
    if (frame) {
        Figures got;
        got.cpuMs = cpuMs(pid);
        got.startMs = std::chrono::duration<double, std::milli>(frame->when - started).count();
        got.width = frame->width;
        got.height = frame->height;
        std::this_thread::sleep_until(frame->when + settleTime);
        got.residentMiB = residentMiB(pid);
        figures = got;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return figures;
}

double median(const std::vector<Figures>& runs, double Figures::*figure)
{
    std::vector<double> values;
    for (const Figures& run : runs) values.push_back(run.*figure);
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string folderOf(const char* self)
{
    std::string path = self;
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "bench_startup needs an X display: Xvfb :9 & DISPLAY=:9 %s\n",
                     argv[0]);
        return 2;
    }
    FrameWatch watch;
    if (!watch.usable()) {
        std::fprintf(stderr, "bench_startup cannot watch windows on the X display %s\n",
                     std::getenv("DISPLAY"));
        return 2;
    }
    int runs = defaultRuns;
    int first = 1;
    if (argc > 1 && std::atoi(argv[1]) > 0) {
        runs = std::atoi(argv[1]);
        first = 2;
    }
    std::vector<std::string> programs(argv + first, argv + argc);
    if (programs.empty()) {
        const char* const built[] = {RT_STARTUP_PROGRAMS nullptr};
        for (const char* const* name = built; *name; ++name) programs.emplace_back(*name);
    }
    const std::string bin = folderOf(argv[0]);
    const std::string bare = bin + "/bench_startup_bare";
    unsetenv("RT_TRACE");
    unsetenv("RT_SNAPSHOT");

    std::printf(
        "From exec to the first frame in the window, the processor time used until then,\n"
        "and the resident memory 1 s later: medians of %d runs of each program, each\n"
        "beside (bare|same): a bare toolkit window of the same size with one line of\n"
        "text, and the program's own widgets straight on the toolkit (%s)\n\n",
        runs, bare.c_str());
    std::printf("%-12s %29s  %29s  %29s\n", "", "start ms (bare|same) x bare same",
                "cpu ms (bare|same) x bare same", "RSS MiB (bare|same) x bare same");
    measure(watch, bare);  // the first start also reads the libraries from disk
    const std::string treeFile = (std::filesystem::temp_directory_path() /
                                  ("bench_startup_" + std::to_string(getpid()) + ".widgets"))
                                     .string();
    bool ok = true;
    for (const std::string& program : programs) {
        // A program named with a folder is taken from there: another build's, to compare.
        const std::string path =
            program.find('/') == std::string::npos ? bin + "/" + program : program;
        const std::string name = path.substr(path.rfind('/') + 1);
        // A first start to read the program from disk and learn its window's size.
        const auto first = measure(watch, path);
        const std::vector<std::string> sameSize = {std::to_string(first ? first->width : 400),
                                                   std::to_string(first ? first->height : 300)};
        const bool described = writeWidgetTree(path, treeFile);
        std::vector<Figures> mine, bareRuns, sameRuns;
        for (int run = 0; run < runs; ++run) {
            // Rotate which goes first, so that none always follows another.
            for (int turn = 0; turn < 3; ++turn) {
                switch ((run + turn) % 3) {
                    case 0:
                        if (auto got = measure(watch, path)) mine.push_back(*got);
                        break;
                    case 1:
                        if (auto got = measure(watch, bare, sameSize)) bareRuns.push_back(*got);
                        break;
                    default:
                        if (!described) break;
                        if (auto got = measure(watch, bare, {"--like", treeFile}))
                            sameRuns.push_back(*got);
                }
            }
        }
        if (mine.empty() || bareRuns.empty()) {
            std::printf("%-12s no frame was drawn\n", name.c_str());
            ok = false;
            continue;
        }
        std::printf("%-12s", name.c_str());
        for (double Figures::*figure :
             {&Figures::startMs, &Figures::cpuMs, &Figures::residentMiB}) {
            const double m = median(mine, figure), b = median(bareRuns, figure);
            if (sameRuns.empty()) {
                std::printf(" %6.1f (%6.1f|  -   ) %5.2f   -  ", m, b, m / b);
            } else {
                const double l = median(sameRuns, figure);
                std::printf(" %6.1f (%6.1f|%6.1f) %5.2f %5.2f", m, b, l, m / b, m / l);
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    std::filesystem::remove(treeFile);
    return ok;
}
