#include "platform/ChildProcess.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <new>

#ifdef _WIN32
#include <io.h> // dup, dup2, close
#else
#include <unistd.h>
#endif

namespace ranvik::platform {

namespace child_detail {

namespace {

// The child's answer: one kind byte, the payload's length, the payload.
constexpr char kResult = 'R';
constexpr char kError = 'E';
constexpr char kFailure = 'F'; // the child itself failed (out of memory)
constexpr std::size_t kHeaderSize = 1 + sizeof(std::uint64_t);

std::map<std::string, ChildWork>& Jobs() {
    static std::map<std::string, ChildWork> jobs;
    return jobs;
}

} // namespace

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
        throw ChildFailure("the reader ended without an answer");
    std::uint64_t size = 0;
    std::memcpy(&size, frame.data() + 1, sizeof size);
    if (size != frame.size() - kHeaderSize ||
        (frame[0] != kResult && frame[0] != kError && frame[0] != kFailure))
        throw ChildFailure("the reader's answer is incomplete");
    std::string payload = frame.substr(kHeaderSize);
    if (frame[0] == kFailure)
        throw ChildFailure(payload);
    if (frame[0] == kError)
        throw std::runtime_error(payload);
    return payload;
}

std::string AnswerOf(ChildWork work, const std::vector<std::string>& arguments) {
    std::string frame;
    try {
        frame = Frame(kResult, work(arguments));
    } catch (const std::bad_alloc&) {
        frame.clear();
        frame.shrink_to_fit();
        frame = Frame(kFailure, "the reader ran out of memory");
    } catch (const std::exception& error) {
        frame = Frame(kError, error.what());
    } catch (...) {
        frame = Frame(kError, "unknown error");
    }
    return frame;
}

ChildWork FindJob(const std::string& name) {
    const auto found = Jobs().find(name);
    return found == Jobs().end() ? nullptr : found->second;
}

std::string DurationText(std::chrono::milliseconds limit) {
    if (limit.count() % 1000 == 0)
        return std::to_string(limit.count() / 1000) + " s";
    return std::to_string(limit.count()) + " ms";
}

} // namespace child_detail

std::wstring WindowsCommandLine(const std::vector<std::wstring>& words) {
    std::wstring line;
    for (const std::wstring& word : words) {
        line += line.empty() ? L"\"" : L" \"";
        // Backslashes only count before a quote, where they are doubled.
        std::size_t backslashes = 0;
        for (const wchar_t c : word) {
            if (c == L'\\') {
                ++backslashes;
                continue;
            }
            line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, L'\\');
        line += L'"';
    }
    return line;
}

std::string CaptureStandardError(const std::function<std::string()>& work, std::string& captured) {
    std::FILE* sink = child_detail::ScratchFile();
    const int saved = sink ? dup(2) : -1;
    if (saved < 0 || dup2(fileno(sink), 2) < 0) {
        if (saved >= 0)
            close(saved);
        if (sink)
            std::fclose(sink);
        throw std::runtime_error("standard error cannot be caught");
    }
    struct Restore {
        std::FILE* sink;
        int saved;
        ~Restore() {
            std::fflush(stderr);
            dup2(saved, 2);
            close(saved);
            std::fclose(sink);
        }
    } restore{sink, saved};
    std::string result = work();
    std::fflush(stderr);
    captured.assign(4096, '\0');
    std::rewind(sink);
    captured.resize(std::fread(captured.data(), 1, captured.size(), sink));
    return result;
}

ChildJob RegisterChildJob(const char* name, ChildWork work) {
    child_detail::Jobs()[name] = work;
    return ChildJob{name};
}

std::optional<int> ServeChild(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], child_detail::kServeFlag) != 0)
        return std::nullopt;
    child_detail::PrepareChild();
    std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    const ChildWork work = child_detail::FindJob(arguments.at(1));
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    const std::string frame =
        work ? child_detail::AnswerOf(work, arguments)
             : child_detail::AnswerOf(
                   [](const std::vector<std::string>&) -> std::string {
                       throw std::runtime_error("this program has no such reader");
                   },
                   arguments);
    return child_detail::WriteAnswer(frame) ? 0 : 1;
}

} // namespace ranvik::platform
