#pragma once
// The command table of clipwise-cli. Each group of commands lives in a file of its own and
// is listed in CliCommands.cpp. A command declares its arguments and options; CliMain.cpp
// parses them with QCommandLineParser, which also gives every command its --help.

#include <QCommandLineParser>

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

struct TOptionSpec {
    std::string name;      // without the leading "--"
    std::string valueName; // empty for a switch, which takes no value
    std::string description;
};

struct TArgumentSpec {
    std::string name; // as the usage writes it: "IN", "OUT"
    std::string description;
};

class TArguments;

// The folder where match videos are looked for besides their own paths: --media-folder, else
// the viewer's setting. Empty, or ending with a separator.
QString MediaFolderOf(const TArguments& arguments);

struct TCommand {
    std::string name;
    std::string usage;   // arguments after the name
    std::string summary; // one line for the command list and the command's --help
    std::vector<TArgumentSpec> arguments;
    std::vector<TOptionSpec> options;
    // Returns the exit code.
    std::function<int(const TArguments&)> run;
};

std::vector<TCommand> DocumentCommands();
std::vector<TCommand> RepositoryCommands();
std::vector<TCommand> QueryCommands();
std::vector<TCommand> ExportCommands();
std::vector<TCommand> AllCommands();

// The parsed arguments of one command: its positional arguments in order, and its options.
class TArguments {
public:
    explicit TArguments(const QCommandLineParser& parser);
    const std::vector<std::string>& Positional() const { return m_positional; }
    // Every value given for the option, in order.
    std::vector<std::string> Values(const std::string& option) const;
    bool IsSet(const std::string& option) const;
    // The last value of an option, or the fallback.
    std::string Value(const std::string& option, const std::string& fallback = {}) const;
    // The last value; throws EUsageError if the option is absent.
    std::string Required(const std::string& option) const;
    // The option as a whole number within [min, max]; throws EUsageError otherwise.
    long long Number(const std::string& option, long long fallback, long long min,
                     long long max) const;
    // Throws EUsageError unless there are exactly that many positional arguments.
    void ExpectPositional(std::size_t count) const;

private:
    const QCommandLineParser* m_parser;
    std::vector<std::string> m_positional;
};

} // namespace cli
