#include "contained_run.h"

#include "child_channel.h"
#include "include_proxy.h"
#include "large_stack.h"

#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <new>

namespace d3dcompiler_standin {
namespace {

// The first byte of the child's report.
enum ReportTag : uint8_t { kReportFinished = 1, kReportOutOfMemory = 2 };

using Clock = std::chrono::steady_clock;

// A signal taken while a compile waits is a request to quit (Ctrl+C), and the
// caller may start more compiles before it sees it: those of the next moment
// are abandoned too, so that a stalling source cannot hold the quit up.
constexpr auto kQuitWindow = std::chrono::seconds(2);
std::atomic<Clock::rep> g_lastInterrupt{0};

bool RecentlyInterrupted() {
    const Clock::rep last = g_lastInterrupt.load();
    return last != 0 && Clock::now() - Clock::time_point(Clock::duration(last)) < kQuitWindow;
}

// Address space the process holds now, from /proc/self/statm (in pages).
size_t AddressSpaceInUse() {
    const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    char text[64] = {};
    const ssize_t length = read(fd, text, sizeof(text) - 1);
    close(fd);
    if (length <= 0) {
        return 0;
    }
    return std::strtoull(text, nullptr, 10) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

void LimitChild(const ContainmentLimits& limits) {
    // A crash must not write a core the size of the caller's process.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const size_t inUse = AddressSpaceInUse();
    if (inUse != 0) {
        const rlim_t space = inUse + limits.memoryBytes + kCompileStackBytes;
        const rlimit addressSpace{space, space};
        setrlimit(RLIMIT_AS, &addressSpace);
    }
    // A backstop should the parent be gone: the CPU time of twice the wait.
    const rlim_t cpu = static_cast<rlim_t>(limits.seconds) * 2 + 1;
    const rlimit cpuTime{cpu, cpu};
    setrlimit(RLIMIT_CPU, &cpuTime);
}

// The caller's own handler goes through a proxy; the standard handler and
// none at all need nothing of the caller.
bool IsCallersHandler(ID3DInclude* include) {
    return include != nullptr && include != D3D_COMPILE_STANDARD_FILE_INCLUDE;
}

std::string EncodeReport(uint8_t tag, const CompileOutput& output) {
    std::string report(1, static_cast<char>(tag));
    report += output.compiled ? '\1' : '\0';
    PutBytes(&report, output.container.data(), output.container.size());
    PutBytes(&report, output.messages.data(), output.messages.size());
    return report;
}

[[noreturn]] void RunChild(int socket, const ContainmentLimits& limits, ID3DInclude* include,
                           const ContainedWork& work) {
    // The caller's handlers (a quit request, say) are not the child's: Ctrl+C
    // at a terminal reaches the whole process group and simply ends it.
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
    signal(SIGPIPE, SIG_DFL);
    // Nor is its out-of-memory handler: here a failed allocation throws and
    // is reported as such.
    std::set_new_handler(nullptr);
    LimitChild(limits);
    // The compile's thread allocates from the arena the child inherited
    // rather than from one malloc would make anew for it in every child.
    mallopt(M_ARENA_MAX, 1);
    IncludeProxy proxy(socket);
    ID3DInclude* handler = IsCallersHandler(include) ? &proxy : include;
    CompileOutput output;
    uint8_t tag = kReportFinished;
    const bool started = RunWithLargeStack(kCompileStackBytes, [&] {
        try {
            output = work(handler);
        } catch (const std::bad_alloc&) {
            tag = kReportOutOfMemory;
        }
    });
    if (!started) {
        tag = kReportOutOfMemory;
    }
    const bool sent = SendFrame(socket, FrameKind::Report, EncodeReport(tag, output));
    // Never back into the caller's code: no static destructors, no atexit.
    _exit(sent ? 0 : 1);
}

// Serves the child's requests and reads its report, within the deadline.
ContainedEnd AwaitReport(int socket, const ContainmentLimits& limits, IncludeServer* includes,
                         std::string* report) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits.seconds);
    std::string received;
    char buffer[65536];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return ContainedEnd::TimedOut;
        }
        pollfd ready{socket, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0) {
            // A signal handled while waiting is the caller being asked to quit.
            return errno == EINTR ? ContainedEnd::Interrupted : ContainedEnd::Crashed;
        }
        if (polled == 0) {
            return ContainedEnd::TimedOut;
        }
        const ssize_t got = recv(socket, buffer, sizeof(buffer), 0);
        if (got < 0 && errno == EINTR) {
            return ContainedEnd::Interrupted;
        }
        if (got <= 0) {
            return ContainedEnd::Crashed; // gone without a report
        }
        if (received.size() + static_cast<size_t>(got) > limits.resultBytes) {
            return ContainedEnd::OutOfMemory;
        }
        received.append(buffer, static_cast<size_t>(got));
        FrameKind kind;
        std::string payload;
        while (TakeFrame(&received, &kind, &payload)) {
            if (kind == FrameKind::Report) {
                *report = std::move(payload);
                return ContainedEnd::Finished;
            }
            if ((kind != FrameKind::IncludeOpen && kind != FrameKind::IncludeClose) ||
                !includes->Serve(kind, payload, socket)) {
                return ContainedEnd::Crashed;
            }
        }
    }
}

// The report of a child that finished.
void ParseReport(const std::string& report, ContainedResult* result) {
    std::string container;
    size_t at = 2;
    if (report.size() < 2 || !GetBytes(report, &at, &container) ||
        !GetBytes(report, &at, &result->output.messages)) {
        result->end = ContainedEnd::Crashed;
        return;
    }
    if (static_cast<uint8_t>(report[0]) == kReportOutOfMemory) {
        result->end = ContainedEnd::OutOfMemory;
        return;
    }
    result->output.compiled = report[1] == 1;
    result->output.container.assign(container.begin(), container.end());
}

int WaitForChild(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

const char* SignalName(int signal) {
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGKILL:
        return "SIGKILL";
    default:
        return "a signal";
    }
}

} // namespace

std::mutex& InProcessCompilerLock() {
    static std::mutex lock;
    return lock;
}

ContainmentLimits ContainmentLimits::FromEnvironment() {
    ContainmentLimits limits;
    if (const char* text = std::getenv("BRENNWICK_HLSL_COMPILE_SECONDS")) {
        const long seconds = std::strtol(text, nullptr, 10);
        if (seconds >= 1 && seconds <= 3600) {
            limits.seconds = static_cast<int>(seconds);
        }
    }
    return limits;
}

ContainedResult RunContained(const ContainmentLimits& limits, ID3DInclude* include,
                             const ContainedWork& work) {
    ContainedResult result;
    if (RecentlyInterrupted()) {
        result.end = ContainedEnd::Interrupted;
        return result;
    }
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
        return result;
    }
    pid_t child;
    {
        std::lock_guard<std::mutex> lock(InProcessCompilerLock());
        child = fork();
    }
    if (child < 0) {
        close(sockets[0]);
        close(sockets[1]);
        return result;
    }
    if (child == 0) {
        close(sockets[0]);
        RunChild(sockets[1], limits, include, work);
    }
    close(sockets[1]);
    std::string report;
    {
        IncludeServer includes(include);
        result.end = AwaitReport(sockets[0], limits, &includes, &report);
    }
    close(sockets[0]);
    if (result.end != ContainedEnd::Finished) {
        kill(child, SIGKILL);
    }
    if (result.end == ContainedEnd::Interrupted) {
        g_lastInterrupt = Clock::now().time_since_epoch().count();
    }
    const int status = WaitForChild(child);
    if (result.end == ContainedEnd::Crashed && WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
        result.end = result.signal == SIGXCPU ? ContainedEnd::TimedOut : ContainedEnd::Crashed;
    }
    if (result.end == ContainedEnd::Finished) {
        ParseReport(report, &result);
    }
    return result;
}

std::string DescribeContainedEnd(const ContainedResult& result, const ContainmentLimits& limits,
                                 const std::string& path) {
    const std::string prefix = path + ": error: ";
    switch (result.end) {
    case ContainedEnd::Finished:
        return "";
    case ContainedEnd::Crashed:
        return prefix + "the HLSL compiler failed on this source (" + SignalName(result.signal) +
               ") and was stopped\n";
    case ContainedEnd::TimedOut:
        return prefix + "compilation took longer than " + std::to_string(limits.seconds) +
               " s and was stopped\n";
    case ContainedEnd::OutOfMemory:
        return prefix + "compilation needed more than " + std::to_string(limits.memoryBytes >> 20) +
               " MiB and was stopped\n";
    case ContainedEnd::Interrupted:
        return prefix + "compilation interrupted\n";
    case ContainedEnd::NotStarted:
        return prefix + "the compiler's process could not be started\n";
    }
    return prefix + "compilation failed\n";
}

} // namespace d3dcompiler_standin
