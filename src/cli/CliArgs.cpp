#include "cli/CliArgs.h"

#include <algorithm>

namespace ranvik::cli {

namespace {
bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

const OptionSpec* FindSpec(const std::vector<OptionSpec>& specs, const std::string& name) {
    auto it = std::find_if(specs.begin(), specs.end(),
                           [&](const OptionSpec& spec) { return spec.name == name; });
    return it == specs.end() ? nullptr : &*it;
}
// A value that is itself one of the command's options means the value was left out.
bool NamesAnOption(const std::vector<OptionSpec>& specs, const std::string& arg) {
    const std::string name = arg == "-o" ? "--output" : arg.substr(0, arg.find('='));
    return name.rfind("-", 0) == 0 && FindSpec(specs, name) != nullptr;
}
} // namespace

const std::string& CommandLine::value(const std::string& option) const {
    static const std::string none;
    auto it = values.find(option);
    return it == values.end() ? none : it->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionSpec>& specs,
                                            std::string& error) {
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
                error = "unexpected argument '" + arg + "' (only one chart file is taken)";
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
        if (!FindSpec(specs, name)) {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
        if (line.has(name)) {
            error = "option '" + arg + "' given twice";
            return std::nullopt;
        }
        if (inlineValue) {
            line.values[name] = *inlineValue;
        } else if (i + 1 < args.size() && !NamesAnOption(specs, args[i + 1])) {
            line.values[name] = args[++i];
        } else {
            error = "option '" + arg + "' needs a value";
            return std::nullopt;
        }
    }
    if (!haveChart) {
        error = "no chart file given";
        return std::nullopt;
    }
    for (const OptionSpec& spec : specs) {
        if (spec.required && !line.has(spec.name)) {
            error = "missing option '" + (spec.name == "--output" ? "-o" : spec.name) + "'";
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

} // namespace ranvik::cli
