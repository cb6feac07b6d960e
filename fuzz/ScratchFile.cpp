#include "FuzzTarget.h"

#include "platform/Processes.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace ranvik::fuzz {

namespace {

// A folder of this process's own, removed when the process ends normally.
class ScratchFolder {
  public:
    ScratchFolder() {
        namespace fs = std::filesystem;
        // Memory-backed when there is one: the targets write a file for every input.
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("ranvik-fuzz-" + std::to_string(platform::CurrentProcessId()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace

std::string ScratchFile(const std::uint8_t* data, std::size_t size, const char* extension) {
    static const ScratchFolder folder;
    const std::string path = (folder.path() / (std::string("input") + extension)).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    const bool ok = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !ok)
        throw std::runtime_error("cannot write " + path);
    return path;
}

} // namespace ranvik::fuzz
