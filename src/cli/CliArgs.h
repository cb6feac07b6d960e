#pragma once
// Command-line parsing shared by the commands: one chart path and "--name value" options.

#include "chart/Tournament.h"
#include "report/RatingReport.h"
#include "validation/Validation.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ranvik::cli {

struct OptionDef {
    std::string name; // "--type"; "-o" is accepted for "--output"
    bool required = false;
    bool flag = false; // present or not, without a value ("--all")
};

struct CommandLine {
    std::string chart; // the one file argument: a chart, or the members command's database
    std::map<std::string, std::string> values; // by option name, e.g. "--type"

    bool has(const std::string& option) const { return values.count(option) != 0; }
    const std::string& value(const std::string& option) const;
    // The option's value, or fallback when the option is not given at all.
    std::string valueOr(const std::string& option, const std::string& fallback) const;
};

// Parses the arguments after the command's name. On a usage fault gives nothing and a
// message in error.
// `fileKind` names the one file argument in messages ("chart", "database").
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionDef>& defs, std::string& error,
                                            const std::string& fileKind = "chart");

std::optional<TournamentType> ParseTournamentType(const std::string& text);
std::optional<InconsistencyAnswer> ParseInconsistencyPolicy(const std::string& text);
// "regular" or "active".
std::optional<RatingSystem> ParseRatingSystem(const std::string& text);

} // namespace ranvik::cli
