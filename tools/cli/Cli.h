#pragma once
// The command table of clipwise-cli. Each group of commands lives in a file of its own and
// is listed in CliCommands.cpp.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Wrong usage: the message is printed with the command's usage, and the exit code is 2.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCommand {
    std::string name;
    std::string usage;   // arguments after the name
    std::string summary; // one line for --help
    // Receives the arguments after the command name; returns the exit code.
    std::function<int(const std::vector<std::string>&)> run;
};

std::vector<TCommand> DocumentCommands();
std::vector<TCommand> RepositoryCommands();
std::vector<TCommand> QueryCommands();
std::vector<TCommand> AllCommands();

// Parses the arguments of a command: positional ones in order, and "--name value" options.
class TArguments {
public:
    TArguments(const std::vector<std::string>& args, const std::vector<std::string>& optionNames);
    const std::vector<std::string>& Positional() const { return m_positional; }
    // Every value given for the option, in order.
    std::vector<std::string> Values(const std::string& option) const;
    // The last value of an option; throws EUsageError if it is required and absent.
    std::string Value(const std::string& option, const std::string& fallback = {}) const;
    std::string Required(const std::string& option) const;
    // The option as a whole number within [min, max]; throws EUsageError otherwise.
    long long Number(const std::string& option, long long fallback, long long min,
                     long long max) const;
    void ExpectPositional(std::size_t count) const;

private:
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
};

} // namespace cli
