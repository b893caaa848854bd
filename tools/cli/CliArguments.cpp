#include "Cli.h"

#include <charconv>

namespace cli {

TArguments::TArguments(const QCommandLineParser& parser) : m_parser(&parser) {
    for (const QString& argument : parser.positionalArguments()) {
        m_positional.push_back(argument.toStdString());
    }
}

std::vector<std::string> TArguments::Values(const std::string& option) const {
    std::vector<std::string> values;
    for (const QString& value : m_parser->values(QString::fromStdString(option))) {
        values.push_back(value.toStdString());
    }
    return values;
}

bool TArguments::IsSet(const std::string& option) const {
    return m_parser->isSet(QString::fromStdString(option));
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
