// Cases run in a worker process: the parent sends one case a line and reads
// one result a line. A worker that dies or stops answering is reported as a
// crash or a hang of the module in that case, and a new worker takes over.
#include "validate/CaseExecutor.h"
#include "validate/CaseResultJson.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>

namespace kestrow::validate {
namespace {

constexpr size_t kKeptErrorBytes = 64 * 1024;

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The worker: reads case lines until its input closes.
[[noreturn]] void ServeCases(int in, int out, const std::string& modulePath)
{
    const ModuleUnderTest module = ModuleUnderTest::Open(modulePath);
    std::string pending;
    char buffer[4096];
    for (;;) {
        const size_t newline = pending.find('\n');
        if (newline != std::string::npos) {
            const std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            std::string error;
            const auto id = ParseCaseId(line, error);
            CaseResult result;
            if (!id) result.violations.push_back(Violation{"worker", "bad case line: " + error, {}});
            else {
                try {
                    result = RunCase(*id, module);
                } catch (const std::exception& caught) {
                    result.violations.push_back(Violation{"worker", caught.what(), {}});
                }
            }
            if (!WriteAll(out, CaseResultToLine(result) + "\n")) ::_exit(1);
            continue;
        }
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ::_exit(0);
        pending.append(buffer, static_cast<size_t>(n));
    }
}

std::string SignalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGKILL: return "SIGKILL";
    default: return "signal " + std::to_string(signal);
    }
}

// The line of a sanitizer's report that says what went wrong, if any.
std::string ReportLine(const std::string& errors)
{
    for (const char* marker : {"runtime error:", "SUMMARY:", "ERROR:"}) {
        const size_t at = errors.find(marker);
        if (at == std::string::npos) continue;
        const size_t start = errors.rfind('\n', at);
        const size_t end = errors.find('\n', at);
        std::string line = errors.substr(start == std::string::npos ? 0 : start + 1,
                                         end == std::string::npos ? std::string::npos : end - (start + 1));
        // Keep the report free of this run's addresses and paths where it can.
        const size_t colon = line.find(marker);
        return line.substr(colon);
    }
    return {};
}

// A file descriptor closed when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Close(); }

    int Get() const { return fd_; }
    void Close()
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

struct Pipe {
    UniqueFd read, write;
    static bool Open(Pipe& pipe)
    {
        int fds[2];
        if (::pipe(fds) != 0) return false;
        pipe.read = UniqueFd(fds[0]);
        pipe.write = UniqueFd(fds[1]);
        return true;
    }
};

class Worker : public CaseExecutor {
public:
    Worker(std::string modulePath, int timeoutSeconds) : path_(std::move(modulePath)), timeout_(timeoutSeconds) {}
    ~Worker() override { Stop(); }

    CaseResult Execute(const CaseId& id) override
    {
        if (pid_ <= 0 && !Start()) {
            CaseResult failed;
            failed.violations.push_back(Violation{"worker", std::string("cannot start a worker process: ") +
                                                                std::strerror(errno), {}});
            return failed;
        }
        errors_.clear();
        if (!WriteAll(toWorker_.Get(), FormatCaseId(id) + "\n")) return Lost("the worker stopped reading cases");
        return Await();
    }

private:
    bool Start()
    {
        Pipe down, up, err;
        if (!Pipe::Open(down) || !Pipe::Open(up) || !Pipe::Open(err)) return false;
        std::cout.flush();
        std::cerr.flush();
        const pid_t pid = ::fork();
        if (pid < 0) return false;
        if (pid == 0) {
            ::dup2(err.write.Get(), STDERR_FILENO);
            const int in = down.read.Get();
            const int out = up.write.Get();
            down.write.Close();
            up.read.Close();
            err.read.Close();
            err.write.Close();
            ServeCases(in, out, path_);
        }
        pid_ = pid;
        toWorker_ = std::move(down.write);
        fromWorker_ = std::move(up.read);
        workerErrors_ = std::move(err.read);
        pending_.clear();
        return true;
    }

    void CloseAll()
    {
        toWorker_.Close();
        fromWorker_.Close();
        workerErrors_.Close();
    }

    // Ends the worker: it stops when its input closes.
    void Stop()
    {
        if (pid_ <= 0) return;
        CloseAll();
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

    // Reads what the worker writes to its standard error, keeping the start.
    void DrainErrors()
    {
        char buffer[4096];
        const ssize_t n = ::read(workerErrors_.Get(), buffer, sizeof buffer);
        if (n > 0 && errors_.size() < kKeptErrorBytes) errors_.append(buffer, static_cast<size_t>(n));
    }

    CaseResult Await()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_);
        char buffer[8192];
        for (;;) {
            const size_t newline = pending_.find('\n');
            if (newline != std::string::npos) {
                const std::string line = pending_.substr(0, newline);
                pending_.erase(0, newline + 1);
                try {
                    return CaseResultFromLine(line);
                } catch (const std::exception& error) {
                    return Lost(std::string("the worker sent an unreadable result: ") + error.what());
                }
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return Hung();
            pollfd fds[2] = {{fromWorker_.Get(), POLLIN, 0}, {workerErrors_.Get(), POLLIN, 0}};
            const int ready = ::poll(fds, 2, static_cast<int>(std::min<long long>(left.count(), 1000)));
            if (ready < 0 && errno != EINTR) return Lost(std::string("poll failed: ") + std::strerror(errno));
            if (fds[1].revents & (POLLIN | POLLHUP)) DrainErrors();
            if (fds[0].revents & (POLLIN | POLLHUP)) {
                const ssize_t n = ::read(fromWorker_.Get(), buffer, sizeof buffer);
                if (n > 0) pending_.append(buffer, static_cast<size_t>(n));
                else if (n == 0) return Crashed();
            }
        }
    }

    CaseResult Crashed()
    {
        // The rest of what the worker said before it died.
        for (;;) {
            pollfd fd = {workerErrors_.Get(), POLLIN, 0};
            if (::poll(&fd, 1, 200) <= 0 || !(fd.revents & (POLLIN | POLLHUP))) break;
            const size_t before = errors_.size();
            DrainErrors();
            if (errors_.size() == before) break;
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        CloseAll();
        // A sanitizer stops the editor with an exit status of its own.
        std::string what = "the editor died inside the module (" +
                           (WIFSIGNALED(status) ? SignalName(WTERMSIG(status))
                                                : "exit status " + std::to_string(WEXITSTATUS(status))) +
                           ")";
        const std::string report = ReportLine(errors_);
        if (!report.empty()) what += ": " + report;
        CaseResult result;
        result.faultFired = true;
        result.violations.push_back(Violation{"crash", what, {}});
        return result;
    }

    CaseResult Hung()
    {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        CloseAll();
        CaseResult result;
        result.faultFired = true;
        result.violations.push_back(
            Violation{"hang", "the module did not return within " + std::to_string(timeout_) + " seconds", {}});
        return result;
    }

    CaseResult Lost(const std::string& why)
    {
        if (pid_ > 0) ::kill(pid_, SIGKILL);
        Stop();
        CaseResult result;
        result.violations.push_back(Violation{"worker", why, {}});
        return result;
    }

    std::string path_;
    int timeout_;
    pid_t pid_ = -1;
    UniqueFd toWorker_;
    UniqueFd fromWorker_;
    UniqueFd workerErrors_;
    std::string pending_;
    std::string errors_;
};

}  // namespace

std::unique_ptr<CaseExecutor> MakeIsolatedExecutor(std::string modulePath, int timeoutSeconds)
{
    // A worker that dies must not take the validator with it.
    ::signal(SIGPIPE, SIG_IGN);
    return std::make_unique<Worker>(std::move(modulePath), timeoutSeconds);
}

}  // namespace kestrow::validate
