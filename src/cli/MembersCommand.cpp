#include "cli/MembersCommand.h"

#include "cli/CliArgs.h"

#include "members/MemberDatabase.h"
#include "members/MemberTable.h"

#include <optional>
#include <ostream>
#include <stdexcept>

namespace ranvik::cli {

namespace {

constexpr const char* kUsage =
    "usage: ranvik-cli members DB [--order name|number|prov] [--find TEXT]\n"
    "  Prints the membership table of the database file DB (its first table) in the\n"
    "  chosen ordering (name when not given): the field names, then one record per line,\n"
    "  fields separated by TAB, NULL as empty. With --find, prints only the record the\n"
    "  search for TEXT lands on in that ordering; exit 1 when none matches.\n";

struct MembersOptions {
    std::string database;
    MemberOrder order = MemberOrder::Name;
    std::optional<std::string> find;
};

std::optional<MemberOrder> ParseOrder(const std::string& text) {
    if (text == "name")
        return MemberOrder::Name;
    if (text == "number")
        return MemberOrder::Number;
    if (text == "prov")
        return MemberOrder::Province;
    return std::nullopt;
}

// Gives the options, or nothing with a message in error.
std::optional<MembersOptions> ParseOptions(const std::vector<std::string>& args,
                                           std::string& error) {
    const auto line =
        ParseCommandLine(args, {{"--order", false}, {"--find", false}}, error, "database");
    if (!line)
        return std::nullopt;
    MembersOptions options;
    options.database = line->chart;
    if (line->has("--find"))
        options.find = line->value("--find");
    if (line->has("--order")) {
        const auto order = ParseOrder(line->value("--order"));
        if (!order) {
            error = "unknown ordering '" + line->value("--order") + "' (name, number or prov)";
            return std::nullopt;
        }
        options.order = *order;
    }
    return options;
}

// One output line per record: a TAB or line break inside a value would split it.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return line;
}

void PrintFields(const MemberTable& table, std::ostream& out) {
    const auto& fields = table.fields();
    for (std::size_t f = 0; f < fields.size(); ++f)
        out << (f ? "\t" : "") << OneLine(fields[f]);
    out << '\n';
}

void PrintRecord(const MemberTable& table, std::size_t row, std::ostream& out) {
    for (std::size_t f = 0; f < table.fields().size(); ++f) {
        const auto& value = table.value(row, f);
        out << (f ? "\t" : "") << (value ? OneLine(*value) : std::string());
    }
    out << '\n';
}

} // namespace

int RunMembersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
    }
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options) {
        err << "ranvik-cli members: " << error << '\n' << kUsage;
        return 2;
    }
    try {
        auto database = OpenMemberDatabase(options->database);
        MemberTable table = LoadMemberTable(*database);
        MemberOrdering& ordering = table.ordering(options->order);
        if (options->find) {
            if (!ordering.find(*options->find))
                return 1;
            PrintRecord(table, *ordering.currentRow(), out);
            return 0;
        }
        PrintFields(table, out);
        for (std::size_t position = 0; position < ordering.size(); ++position)
            PrintRecord(table, ordering.rowAt(position), out);
        return 0;
    } catch (const std::exception& e) {
        err << "ranvik-cli members: " << e.what() << '\n';
        return 2;
    }
}

} // namespace ranvik::cli
