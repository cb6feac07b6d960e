#include "recovery/RecoveryStore.h"

#include "chart/ChartRules.h"
#include "files/ChartFile.h"
#include "files/ChartText.h"
#include "files/FileWriter.h"
#include "files/StagedWrite.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <tuple>

namespace ranvik {

namespace fs = std::filesystem;

namespace {

constexpr const char* DescriptionHeader = "ranvik-recovery 1";
// The description at the head of a copy of one file.
constexpr const char* CopyHeader = "ranvik-recovery 2";
constexpr const char* CopyExtension = ".recovery";
// The earlier form: the description and the chart bytes in two files.
constexpr const char* DescriptionExtension = ".info";
constexpr const char* ChartExtension = ".tms";
constexpr const char* LockExtension = ".lock";
// A description or lock is a few lines; anything larger is not one of ours.
constexpr std::size_t MaxSmallFileBytes = 64 * 1024;
// Where a copy's description ends and its chart bytes begin.
constexpr std::string_view DescriptionEnd = "\n\n";

// Values stay on one line whatever the chart file's name holds.
std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

template <class Number> bool ReadNumber(const std::string& text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The key=value lines after the header; nothing when the header is missing.
std::optional<std::vector<std::pair<std::string, std::string>>>
ReadFields(std::string_view text, bool copyHeaderToo = false) {
    std::istringstream lines{std::string(text)};
    std::string line;
    if (!std::getline(lines, line) ||
        (line != DescriptionHeader && !(copyHeaderToo && line == CopyHeader)))
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> fields;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            fields.emplace_back(line.substr(0, equals), Unescape(line.substr(equals + 1)));
    }
    return fields;
}

// A chart the file format cannot carry (a character outside Windows-1252) is kept as UTF-8,
// which the chart reader recognises: the copy must never lose what was typed.
std::string ChartCopyBytes(const Chart& chart) {
    ChartBytes encoded = EncodeChartFile(chart);
    if (encoded.ok)
        return std::move(encoded.bytes);
    std::string bytes;
    for (int r = 1; r < chart.rowCount(); ++r) {
        for (int c = 0; c < chart.colCount(); ++c) {
            bytes += chart.cell(c, r);
            bytes += '\t';
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::string CanonicalChartPath(const std::string& path) {
    std::error_code error;
    fs::path canonical =
        fs::weakly_canonical(fs::absolute(platform::PathFromUtf8(path), error), error);
    return error ? path : platform::Utf8FromPath(canonical);
}

// FNV-1a: a stable file name for a path of any length or characters.
std::string PathKey(const std::string& path) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string LockText(const ProcessIdentity& self, const std::string& canonical) {
    return std::string(DescriptionHeader) + "\npid=" + std::to_string(self.pid) +
           "\nstart=" + std::to_string(self.startTicks) + "\nchart=" + Escape(canonical) + "\n";
}

void RemoveFile(const std::string& path) {
    std::error_code error;
    fs::remove(platform::PathFromUtf8(path), error);
}

bool IsLink(const fs::path& path) {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error));
}

// The head of a file, enough to hold a description: a copy's chart bytes are not read to
// list it.
std::string FileHead(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(MaxSmallFileBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// A left copy's description from its file, when the file is one.
std::optional<RecoveryDescription> LeftDescription(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(path, error)))
        return std::nullopt;
    if (path.extension() == CopyExtension) {
        const std::string head = FileHead(path);
        const std::size_t end = head.find(DescriptionEnd);
        if (end == std::string::npos || head.rfind(CopyHeader, 0) != 0)
            return std::nullopt;
        return ParseRecoveryDescription(std::string_view(head).substr(0, end + 1));
    }
    std::string text;
    Message readError;
    if (!ReadWholeFile(platform::Utf8FromPath(path), text, readError, MaxSmallFileBytes))
        return std::nullopt;
    return ParseRecoveryDescription(text);
}

} // namespace

std::string DefaultRecoveryFolder() {
    const std::string state = platform::StateFolder();
    return state.empty() ? state : platform::JoinPath(state, "ranvik/recovery");
}

std::string EncodeRecoveryDescription(const RecoveryDescription& d) {
    std::string text = std::string(d.chartLength >= 0 ? CopyHeader : DescriptionHeader) + "\n";
    text += "type=" + std::to_string(static_cast<int>(d.type)) + "\n";
    text += "players=" + std::to_string(d.players) + "\n";
    text += "rounds=" + std::to_string(d.rounds) + "\n";
    text += "file=" + Escape(d.chartFile) + "\n";
    text += "rating=";
    if (d.ratingSystem)
        text += *d.ratingSystem == RatingSystem::Regular ? "regular" : "active";
    text += "\ntime=" + std::to_string(d.savedAt) + "\n";
    text += "pid=" + std::to_string(d.writer.pid) + "\n";
    text += "start=" + std::to_string(d.writer.startTicks) + "\n";
    if (d.chartLength >= 0)
        text += "chart=" + std::to_string(d.chartLength) + "\n";
    return text;
}

std::string EncodeRecoveryCopy(RecoveryDescription description, std::string_view chartBytes) {
    description.chartLength = static_cast<std::int64_t>(chartBytes.size());
    std::string text = EncodeRecoveryDescription(description);
    text += '\n';
    text += chartBytes;
    return text;
}

std::optional<RecoveryCopyText> ParseRecoveryCopy(std::string_view text) {
    const std::size_t end = text.find(DescriptionEnd);
    if (end == std::string_view::npos || end >= MaxSmallFileBytes || text.rfind(CopyHeader, 0) != 0)
        return std::nullopt;
    std::optional<RecoveryDescription> description =
        ParseRecoveryDescription(text.substr(0, end + 1));
    const std::string_view chart = text.substr(end + DescriptionEnd.size());
    if (!description || description->chartLength != static_cast<std::int64_t>(chart.size()))
        return std::nullopt;
    return RecoveryCopyText{std::move(*description), chart};
}

std::optional<RecoveryDescription> ParseRecoveryDescription(std::string_view text) {
    const auto fields = ReadFields(text, true);
    if (!fields)
        return std::nullopt;
    RecoveryDescription d;
    int type = -1;
    bool ok = true;
    for (const auto& [key, value] : *fields) {
        if (key == "type")
            ok = ok && ReadNumber(value, type);
        else if (key == "players")
            ok = ok && ReadNumber(value, d.players);
        else if (key == "rounds")
            ok = ok && ReadNumber(value, d.rounds);
        else if (key == "file")
            d.chartFile = value;
        else if (key == "rating" && value == "regular")
            d.ratingSystem = RatingSystem::Regular;
        else if (key == "rating" && value == "active")
            d.ratingSystem = RatingSystem::Active;
        else if (key == "time")
            ok = ok && ReadNumber(value, d.savedAt);
        else if (key == "pid")
            ok = ok && ReadNumber(value, d.writer.pid);
        else if (key == "start")
            ok = ok && ReadNumber(value, d.writer.startTicks);
        else if (key == "chart")
            ok = ok && ReadNumber(value, d.chartLength) && d.chartLength >= 0;
    }
    const bool copyOfOneFile = text.rfind(CopyHeader, 0) == 0;
    if (copyOfOneFile != (d.chartLength >= 0))
        return std::nullopt;
    if (!ok || type < 0 || type > 2 || d.writer.pid <= 0 || d.players < Tournament::MinPlayers ||
        d.players > Tournament::MaxPlayers)
        return std::nullopt;
    d.type = static_cast<TournamentType>(type);
    return d;
}

RecoveryStore::RecoveryStore(std::string folder, ProcessIdentity self)
    : folder_(std::move(folder)), self_(self) {}

RecoveryStore::~RecoveryStore() {
    removeCopy();
    holdChart({});
}

bool RecoveryStore::ensureFolder(Message& reason) const {
    std::error_code error;
    const fs::path folder = platform::PathFromUtf8(folder_);
    // A link could lead the copies, and the mode below, anywhere.
    if (IsLink(folder)) {
        reason = Message(MessageKind::RecoveryFolderIsLink, {folder_});
        return false;
    }
    fs::create_directories(folder, error);
    if (!error) {
        // Charts can hold names and membership numbers: owner only, whatever the umask.
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    }
    if (error)
        reason = Message(MessageKind::CannotCreate,
                         {folder_, Message(MessageKind::SystemReason, {error.message()})});
    return !error;
}

std::string RecoveryStore::copyStem() const {
    return platform::JoinPath(folder_, "chart-" + std::to_string(self_.pid) + "-" +
                                           std::to_string(self_.startTicks));
}

bool RecoveryStore::writeCopy(const Tournament& tournament, const std::string& chartFile,
                              std::optional<RatingSystem> ratingSystem, Message& reason) {
    return write(snapshot(tournament, chartFile, ratingSystem), reason);
}

RecoverySnapshot RecoveryStore::snapshot(const Tournament& tournament, const std::string& chartFile,
                                         std::optional<RatingSystem> ratingSystem) const {
    RecoveryDescription description;
    description.type = tournament.type();
    description.players = tournament.numPlayers();
    description.rounds = tournament.numRounds();
    description.chartFile = chartFile;
    description.ratingSystem = ratingSystem;
    description.savedAt = static_cast<std::int64_t>(std::time(nullptr));
    description.writer = self_;
    RecoverySnapshot taken;
    taken.copy = EncodeRecoveryCopy(description, ChartCopyBytes(tournament.chart()));
    const std::lock_guard lock(writing_);
    taken.generation = generation_;
    return taken;
}

bool RecoveryStore::write(const RecoverySnapshot& snapshot, Message& reason) {
    if (folder_.empty()) {
        reason = Message(MessageKind::NoRecoveryFolder);
        return false;
    }
    const std::lock_guard lock(writing_);
    if (snapshot.generation != generation_)
        return true;
    return ensureFolder(reason) &&
           WriteFileSafely(copyStem() + CopyExtension, snapshot.copy, reason);
}

void RecoveryStore::removeCopy() {
    if (folder_.empty() || IsLink(platform::PathFromUtf8(folder_)))
        return;
    const std::lock_guard lock(writing_);
    ++generation_;
    RemoveFile(copyStem() + CopyExtension);
}

bool RecoveryStore::hasCopy() const {
    std::error_code error;
    return !folder_.empty() &&
           fs::exists(platform::PathFromUtf8(copyStem() + CopyExtension), error);
}

void RecoveryStore::removeUnfinishedWrites() const {
    const fs::path folder = platform::PathFromUtf8(folder_);
    if (!folder_.empty() && !IsLink(folder))
        staged::RemoveUnfinished(folder);
}

std::vector<LeftCopy> RecoveryStore::leftBehind() const {
    std::vector<LeftCopy> copies;
    std::error_code error;
    const fs::path folder = platform::PathFromUtf8(folder_);
    if (folder_.empty() || IsLink(folder) || !fs::is_directory(folder, error))
        return copies;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const fs::path& path = entry.path();
        const bool oneFile = path.extension() == CopyExtension;
        if (!oneFile && path.extension() != DescriptionExtension)
            continue;
        std::optional<RecoveryDescription> description = LeftDescription(path);
        if (!description || description->writer == self_ || IsRunning(description->writer))
            continue;
        LeftCopy copy{std::move(*description), platform::Utf8FromPath(path), {}};
        if (!oneFile) {
            fs::path chart = path;
            chart.replace_extension(ChartExtension);
            if (!fs::is_regular_file(fs::symlink_status(chart, error)))
                continue;
            copy.oldChartPath = platform::Utf8FromPath(chart);
        }
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const LeftCopy& a, const LeftCopy& b) {
        return std::tie(a.description.savedAt, a.path) < std::tie(b.description.savedAt, b.path);
    });
    return copies;
}

bool RecoveryStore::restore(const LeftCopy& copy, Tournament& tournament, Message& message) {
    std::string bytes;
    const bool oneFile = copy.oldChartPath.empty();
    if (!ReadWholeFile(oneFile ? copy.path : copy.oldChartPath, bytes, message,
                       MaxChartFileBytes + MaxSmallFileBytes))
        return false;
    std::string_view chartBytes = bytes;
    TournamentType type = copy.description.type;
    if (oneFile) {
        const std::optional<RecoveryCopyText> read = ParseRecoveryCopy(bytes);
        if (!read) {
            message = Message(MessageKind::CannotRestore,
                              {copy.path, Message(MessageKind::RecoveryCopyDamaged)});
            return false;
        }
        chartBytes = read->chartBytes;
        type = read->description.type;
    }
    Tournament restored;
    const ChartReadOutcome read = ReadChartFileAs(restored, chartBytes, type);
    if (!read.ok) {
        message = Message(MessageKind::CannotRestore,
                          {oneFile ? copy.path : copy.oldChartPath, read.message});
        return false;
    }
    {
        // The copy stands in for the chart as it was: nothing before it is left to undo.
        const ChartHistory::Paused unrecorded(tournament.chart().history());
        ReadChartFileAs(tournament, chartBytes, type);
        // Where the columns are the rounds, the bytes hold them all: a description saying
        // fewer must not cut any off.
        if (!RulesFor(type).columnsAreRounds())
            tournament.setNumRounds(copy.description.rounds);
    }
    tournament.forgetHistory();
    tournament.setModified(true);
    return true;
}

void RecoveryStore::discard(const LeftCopy& copy) {
    RemoveFile(copy.path);
    if (!copy.oldChartPath.empty())
        RemoveFile(copy.oldChartPath);
}

std::string RecoveryStore::lockPath(const std::string& chartPath) const {
    return platform::JoinPath(folder_,
                              "chart-" + PathKey(CanonicalChartPath(chartPath)) + LockExtension);
}

void RecoveryStore::holdChart(const std::string& chartPath) {
    // Only a lock that is still ours is removed: another program may have taken it since.
    std::string text;
    Message error;
    if (!heldLockPath_.empty() && ReadWholeFile(heldLockPath_, text, error, MaxSmallFileBytes) &&
        text == LockText(self_, CanonicalChartPath(heldChart_)))
        RemoveFile(heldLockPath_);
    heldChart_.clear();
    heldLockPath_.clear();
    Message reason;
    if (chartPath.empty() || folder_.empty() || !ensureFolder(reason))
        return;
    const std::string path = lockPath(chartPath);
    // A lock that cannot be written only means no warning for the other window.
    if (WriteFileSafely(path, LockText(self_, CanonicalChartPath(chartPath)))) {
        heldChart_ = chartPath;
        heldLockPath_ = path;
    }
}

std::optional<ProcessIdentity> RecoveryStore::holderOf(const std::string& chartPath) const {
    if (folder_.empty() || chartPath.empty())
        return std::nullopt;
    const std::string path = lockPath(chartPath);
    std::string text;
    Message error;
    if (!ReadWholeFile(path, text, error, MaxSmallFileBytes))
        return std::nullopt;
    const auto fields = ReadFields(text);
    if (!fields)
        return std::nullopt;
    ProcessIdentity holder;
    std::string chart;
    for (const auto& [key, value] : *fields) {
        if (key == "pid")
            ReadNumber(value, holder.pid);
        else if (key == "start")
            ReadNumber(value, holder.startTicks);
        else if (key == "chart")
            chart = value;
    }
    if (holder == self_ || chart != CanonicalChartPath(chartPath))
        return std::nullopt;
    if (!IsRunning(holder)) {
        RemoveFile(path);
        return std::nullopt;
    }
    return holder;
}

} // namespace ranvik
