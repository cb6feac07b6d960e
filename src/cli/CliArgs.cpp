#include "cli/CliArgs.h"

#include <algorithm>

namespace ranvik::cli {

namespace {
bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

const OptionDef* FindOption(const std::vector<OptionDef>& defs, const std::string& name) {
    auto it = std::find_if(defs.begin(), defs.end(),
                           [&](const OptionDef& def) { return def.name == name; });
    return it == defs.end() ? nullptr : &*it;
}
// A value that is itself one of the command's options means the value was left out.
bool NamesAnOption(const std::vector<OptionDef>& defs, const std::string& arg) {
    const std::string name = arg == "-o" ? "--output" : arg.substr(0, arg.find('='));
    return name.rfind('-', 0) == 0 && FindOption(defs, name) != nullptr;
}
} // namespace

const std::string& CommandLine::value(const std::string& option) const {
    static const std::string none;
    auto it = values.find(option);
    return it == values.end() ? none : it->second;
}

std::string CommandLine::valueOr(const std::string& option, const std::string& fallback) const {
    return has(option) ? value(option) : fallback;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionDef>& defs, std::string& error,
                                            const std::string& fileKind) {
    CommandLine line;
    bool haveChart = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !LooksLikeOption(arg)) {
            if (haveChart) {
                error = "unexpected argument '";
                error.append(arg).append("' (only one ").append(fileKind).append(" file is taken)");
                return std::nullopt;
            }
            line.chart = arg;
            haveChart = true;
            continue;
        }
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = arg.find('=');
            arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = arg.substr(eq + 1);
            arg.resize(eq);
        }
        const std::string name = arg == "-o" ? "--output" : arg;
        if (!FindOption(defs, name)) {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
        if (line.has(name)) {
            error = "option '" + arg + "' given twice";
            return std::nullopt;
        }
        if (FindOption(defs, name)->flag) {
            if (inlineValue) {
                error = "option '" + arg + "' takes no value";
                return std::nullopt;
            }
            line.values[name] = {};
        } else if (inlineValue) {
            line.values[name] = *inlineValue;
        } else if (i + 1 < args.size() && !NamesAnOption(defs, args[i + 1])) {
            line.values[name] = args[++i];
        } else {
            error = "option '" + arg + "' needs a value";
            return std::nullopt;
        }
    }
    if (!haveChart) {
        error = "no " + fileKind + " file given";
        return std::nullopt;
    }
    for (const OptionDef& def : defs) {
        if (def.required && !line.has(def.name)) {
            error = "missing option '" + (def.name == "--output" ? "-o" : def.name) + "'";
            return std::nullopt;
        }
    }
    return line;
}

std::optional<TournamentType> ParseTournamentType(const std::string& text) {
    if (text == "swiss")
        return TournamentType::Swiss;
    if (text == "rr")
        return TournamentType::RoundRobin;
    if (text == "drr")
        return TournamentType::DoubleRoundRobin;
    return std::nullopt;
}

std::optional<InconsistencyAnswer> ParseInconsistencyPolicy(const std::string& text) {
    if (text == "stop")
        return InconsistencyAnswer::Cancel;
    if (text == "ignore")
        return InconsistencyAnswer::Ignore;
    if (text == "all")
        return InconsistencyAnswer::All;
    return std::nullopt;
}

std::optional<RatingSystem> ParseRatingSystem(const std::string& text) {
    if (text == "regular")
        return RatingSystem::Regular;
    if (text == "active")
        return RatingSystem::Active;
    return std::nullopt;
}

} // namespace ranvik::cli
