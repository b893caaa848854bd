#include "Cli.h"

#include <algorithm>
#include <charconv>

namespace cli {

TArguments::TArguments(const std::vector<std::string>& args,
                       const std::vector<std::string>& optionNames) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            std::string name = arg.substr(2);
            std::string value;
            const std::size_t equals = name.find('=');
            if (equals != std::string::npos &&
                std::find(optionNames.begin(), optionNames.end(), name.substr(0, equals)) !=
                    optionNames.end()) {
                value = name.substr(equals + 1);
                name.resize(equals);
            } else if (std::find(optionNames.begin(), optionNames.end(), name) ==
                       optionNames.end()) {
                throw EUsageError("unknown option " + arg);
            } else if (i + 1 == args.size()) {
                throw EUsageError("option " + arg + " needs a value");
            } else {
                value = args[++i];
            }
            m_options.emplace_back(name, value);
        } else {
            m_positional.push_back(arg);
        }
    }
}

std::vector<std::string> TArguments::Values(const std::string& option) const {
    std::vector<std::string> values;
    for (const auto& [name, value] : m_options) {
        if (name == option) {
            values.push_back(value);
        }
    }
    return values;
}

std::string TArguments::Value(const std::string& option, const std::string& fallback) const {
    std::vector<std::string> values = Values(option);
    return values.empty() ? fallback : values.back();
}

std::string TArguments::Required(const std::string& option) const {
    std::vector<std::string> values = Values(option);
    if (values.empty()) {
        throw EUsageError("option --" + option + " is required");
    }
    return values.back();
}

long long TArguments::Number(const std::string& option, long long fallback, long long min,
                             long long max) const {
    std::vector<std::string> values = Values(option);
    if (values.empty()) {
        return fallback;
    }
    const std::string& text = values.back();
    long long number = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < min || number > max) {
        throw EUsageError("--" + option + " needs a whole number from " + std::to_string(min) +
                          " to " + std::to_string(max) + ", not \"" + text + "\"");
    }
    return number;
}

void TArguments::ExpectPositional(std::size_t count) const {
    if (m_positional.size() != count) {
        throw EUsageError("expected " + std::to_string(count) + " file argument" +
                          (count == 1 ? "" : "s") + ", got " + std::to_string(m_positional.size()));
    }
}

} // namespace cli
