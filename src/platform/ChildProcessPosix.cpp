#include "platform/ChildProcess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ranvik::platform {

using namespace child_detail;

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

#if defined(__SANITIZE_ADDRESS__)
#define RANVIK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RANVIK_ADDRESS_SANITIZER 1
#endif
#endif

// The address space the process uses now, from /proc; 0 when it cannot be told.
[[maybe_unused]] std::size_t CurrentAddressSpace() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    unsigned long pages = 0;
    const bool read = std::fscanf(statm, "%lu", &pages) == 1;
    std::fclose(statm);
    return read ? pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// The child inherits the parent's mappings (a whole GUI), so the cap is set above them.
void LimitMemory([[maybe_unused]] std::size_t budget) {
#ifndef RANVIK_ADDRESS_SANITIZER // the sanitizer reserves terabytes of address space
    const std::size_t current = CurrentAddressSpace();
    if (budget == 0 || current == 0)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    const rlim_t wanted = current + budget;
    if (limit.rlim_max == RLIM_INFINITY || wanted < limit.rlim_max)
        limit.rlim_cur = wanted;
    setrlimit(RLIMIT_AS, &limit);
#endif
}

[[noreturn]] void RunChild(int fd, ChildWork work, const std::vector<std::string>& arguments,
                           std::size_t memoryBudget) {
    // A parent that gave up waiting closes the pipe: end quietly then.
    signal(SIGPIPE, SIG_DFL);
    LimitMemory(memoryBudget);
    _exit(WriteAll(fd, AnswerOf(work, arguments)) ? 0 : 1);
}

void KillAndReap(pid_t pid) {
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Reads the pipe to its end; false when the time runs out first.
bool ReadUntilEnd(int fd, std::chrono::steady_clock::time_point deadline, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            throw ChildFailure(std::string("waiting for the reader failed: ") +
                               std::strerror(errno));
        if (ready == 0)
            return false;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ChildFailure(std::string("reading the reader's answer failed: ") +
                               std::strerror(errno));
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

class Pipe {
  public:
    Pipe() {
        if (pipe2(fds_, O_CLOEXEC) != 0)
            throw ChildFailure(std::string("no pipe for the reader: ") + std::strerror(errno));
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeRead() { closeEnd(0); }
    void closeWrite() { closeEnd(1); }

  private:
    void closeEnd(int end) {
        if (fds_[end] >= 0)
            close(fds_[end]);
        fds_[end] = -1;
    }
    int fds_[2] = {-1, -1};
};

} // namespace

std::string RunInChild(ChildJob job, const std::vector<std::string>& arguments,
                       const ChildLimits& limits) {
    const ChildWork work = FindJob(job.name);
    if (!work)
        throw ChildFailure(std::string("no reader is registered as ") + job.name);
    const auto deadline = std::chrono::steady_clock::now() + limits.time;
    Pipe channel;
    const pid_t pid = fork();
    if (pid < 0)
        throw ChildFailure(std::string("the reader could not be started: ") + std::strerror(errno));
    if (pid == 0) {
        channel.closeRead();
        RunChild(channel.writeEnd(), work, arguments, limits.memory);
    }
    channel.closeWrite();

    std::string frame;
    bool finished = false;
    try {
        finished = ReadUntilEnd(channel.readEnd(), deadline, frame);
    } catch (...) {
        KillAndReap(pid);
        throw;
    }
    if (!finished) {
        KillAndReap(pid);
        throw ChildFailure("the reader did not finish within " + DurationText(limits.time));
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw ChildFailure("the reader's end could not be seen");
    }
    if (WIFSIGNALED(status))
        throw ChildFailure("the reader crashed (signal " + std::to_string(WTERMSIG(status)) + ")");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw ChildFailure("the reader failed (exit status " + std::to_string(WEXITSTATUS(status)) +
                           ")");
    return Unframe(frame);
}

void child_detail::PrepareChild() {}

bool child_detail::WriteAnswer(const std::string& frame) {
    return WriteAll(STDOUT_FILENO, frame);
}

std::FILE* child_detail::ScratchFile() {
    return std::tmpfile();
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void UseBinaryStandardStreams() {}

} // namespace ranvik::platform
