#pragma once
// Running a piece of work in a child process, so that a crash or a hang inside it (a library
// reading a damaged file) cannot take the calling program, and the chart it holds, down.
// Linux forks and runs the work in the copy; Windows starts the program itself again with
// the work's name and arguments on its command line (each main() calls ServeChild first).
// Either way the answer comes back through a pipe in the same framing.

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ranvik::platform {

// The child crashed, ended without a whole result, ran out of memory or of time.
class ChildFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Work a child can run: the answer's bytes; what it throws comes back as std::runtime_error.
using ChildWork = std::string (*)(const std::vector<std::string>& arguments);

// A registered piece of work, named so that a child started afresh can find it.
struct ChildJob {
    const char* name;
};

// Registers work under name (a static in the file that runs it, so every program that can
// ask for the work can also serve it).
ChildJob RegisterChildJob(const char* name, ChildWork work);

struct ChildLimits {
    std::chrono::milliseconds time{30000};
    // Memory the child may take beyond what it starts with (0: no limit); past it an
    // allocation fails there, and std::bad_alloc comes back as a ChildFailure.
    std::size_t memory = 0;
};

// Runs the job in a child and gives the bytes it returned. Throws ChildFailure when the child
// crashes, exits without a result, runs out of memory, or has not finished within the time
// (it is killed then); what the work throws comes back as a std::runtime_error with its message.
std::string RunInChild(ChildJob job, const std::vector<std::string>& arguments,
                       const ChildLimits& limits);

// For main(), before anything else: when this process was started as a child, runs its job,
// writes the answer and gives the exit status; nothing otherwise.
std::optional<int> ServeChild(int argc, char** argv);

// Runs work with the process's standard error going to a scratch file; what was written
// there lands in captured (libraries that only warn on stderr).
std::string CaptureStandardError(const std::function<std::string()>& work, std::string& captured);

// The command line's arguments after the program's name, as UTF-8 (Windows hands main()
// the system's narrow code page, which cannot carry every file name).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output and error take bytes as they are (no CR added before LF on Windows).
void UseBinaryStandardStreams();

namespace child_detail {
// The pieces both systems share: the framing of an answer, the table of jobs, the messages.
inline constexpr const char* kServeFlag = "--ranvik-child";
std::string Frame(char kind, const std::string& payload);
std::string Unframe(const std::string& frame);
std::string AnswerOf(ChildWork work, const std::vector<std::string>& arguments);
ChildWork FindJob(const std::string& name);
std::string DurationText(std::chrono::milliseconds limit);
void PrepareChild();                        // before the work runs
bool WriteAnswer(const std::string& frame); // to standard output, whole
std::FILE* ScratchFile();                   // read-write, gone once closed
} // namespace child_detail

// A Windows command line that CommandLineToArgvW (and every C runtime) reads back as exactly
// these words, the program's path first. Plain text work, so it is tested on every system.
std::wstring WindowsCommandLine(const std::vector<std::wstring>& words);

} // namespace ranvik::platform
