#include "members/HelperProcess.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace ranvik {

namespace {

// The child's answer: one kind byte, the payload's length, the payload.
constexpr char kResult = 'R';
constexpr char kError = 'E';
constexpr char kFailure = 'F'; // the child itself failed (out of memory)
constexpr std::size_t kHeaderSize = 1 + sizeof(std::uint64_t);

std::string Frame(char kind, const std::string& payload) {
    std::string frame(kHeaderSize, '\0');
    frame[0] = kind;
    const std::uint64_t size = payload.size();
    std::memcpy(frame.data() + 1, &size, sizeof size);
    frame += payload;
    return frame;
}

std::string Unframe(const std::string& frame) {
    if (frame.size() < kHeaderSize)
        throw HelperProcessFailure("the reader ended without an answer");
    std::uint64_t size = 0;
    std::memcpy(&size, frame.data() + 1, sizeof size);
    if (size != frame.size() - kHeaderSize ||
        (frame[0] != kResult && frame[0] != kError && frame[0] != kFailure))
        throw HelperProcessFailure("the reader's answer is incomplete");
    std::string payload = frame.substr(kHeaderSize);
    if (frame[0] == kFailure)
        throw HelperProcessFailure(payload);
    if (frame[0] == kError)
        throw std::runtime_error(payload);
    return payload;
}

#ifndef _WIN32

std::string DurationText(std::chrono::milliseconds limit) {
    if (limit.count() % 1000 == 0)
        return std::to_string(limit.count() / 1000) + " s";
    return std::to_string(limit.count()) + " ms";
}

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

[[noreturn]] void RunChild(int fd, const std::function<std::string()>& work,
                           std::size_t memoryBudget) {
    // A parent that gave up waiting closes the pipe: end quietly then.
    signal(SIGPIPE, SIG_DFL);
    LimitMemory(memoryBudget);
    std::string frame;
    try {
        frame = Frame(kResult, work());
    } catch (const std::bad_alloc&) {
        frame.clear();
        frame.shrink_to_fit();
        frame = Frame(kFailure, "the reader ran out of memory");
    } catch (const std::exception& error) {
        frame = Frame(kError, error.what());
    } catch (...) {
        frame = Frame(kError, "unknown error");
    }
    _exit(WriteAll(fd, frame) ? 0 : 1);
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
            throw HelperProcessFailure(std::string("waiting for the reader failed: ") +
                                       std::strerror(errno));
        if (ready == 0)
            return false;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw HelperProcessFailure(std::string("reading the reader's answer failed: ") +
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
            throw HelperProcessFailure(std::string("no pipe for the reader: ") +
                                       std::strerror(errno));
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

#endif

} // namespace

std::string RunInHelperProcess(const std::function<std::string()>& work,
                               std::chrono::milliseconds limit, std::size_t memoryBudget) {
#ifdef _WIN32
    (void)limit;
    (void)memoryBudget;
    return Unframe(Frame(kResult, work()));
#else
    const auto deadline = std::chrono::steady_clock::now() + limit;
    Pipe channel;
    const pid_t pid = fork();
    if (pid < 0)
        throw HelperProcessFailure(std::string("the reader could not be started: ") +
                                   std::strerror(errno));
    if (pid == 0) {
        channel.closeRead();
        RunChild(channel.writeEnd(), work, memoryBudget);
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
        throw HelperProcessFailure("the reader did not finish within " + DurationText(limit));
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw HelperProcessFailure("the reader's end could not be seen");
    }
    if (WIFSIGNALED(status))
        throw HelperProcessFailure("the reader crashed (signal " +
                                   std::to_string(WTERMSIG(status)) + ")");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw HelperProcessFailure("the reader failed (exit status " +
                                   std::to_string(WEXITSTATUS(status)) + ")");
    return Unframe(frame);
#endif
}

} // namespace ranvik
