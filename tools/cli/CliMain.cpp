// clipwise-cli: the command-line companion of the viewer, for scripting and batch work.
// Exit codes: 0 success, 1 a file that cannot be read or a problem found, 2 wrong usage.
// Every error message on stderr begins with "clipwise-cli: ".

#include "Cli.h"
#include "ProductFacts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <exception>
#include <iostream>

namespace {

const char* const kProgram = "clipwise-cli";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void PrintCommandList(std::ostream& out) {
    out << "Commands:\n";
    for (const cli::TCommand& command : cli::AllCommands()) {
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary
            << "\n";
    }
    out << "\n'" << kProgram << " COMMAND --help' describes a command's arguments and options.\n";
}

void PrintHelp(const QCommandLineParser& parser, std::ostream& out) {
    out << parser.helpText().toStdString() << "\n";
    PrintCommandList(out);
}

// After a message on stderr, the short form of the help.
void PrintUsage(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND [ARGUMENTS]\n\n";
    PrintCommandList(out);
}

int UsageError(const std::string& message, const cli::TCommand& command) {
    std::cerr << kProgram << ": " << message << "\nusage: " << kProgram << " " << command.name
              << " " << command.usage << "\n";
    return 2;
}

// Qt writes the program's name in the usage line; the command belongs right after it.
std::string CommandHelp(const QCommandLineParser& parser, const cli::TCommand& command) {
    QString help = parser.helpText();
    const QString program = QStringLiteral("Usage: ") + QLatin1String(kProgram);
    if (help.startsWith(program + u' ')) {
        help.insert(program.size(), u' ' + Q(command.name));
    }
    return help.toStdString();
}

int RunCommand(const cli::TCommand& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Q(command.summary));
    parser.addHelpOption();
    for (const cli::TOptionSpec& option : command.options) {
        parser.addOption(
            option.valueName.empty()
                ? QCommandLineOption(Q(option.name), Q(option.description))
                : QCommandLineOption(Q(option.name), Q(option.description), Q(option.valueName)));
    }
    for (const cli::TArgumentSpec& argument : command.arguments) {
        parser.addPositionalArgument(Q(argument.name), Q(argument.description));
    }
    if (!parser.parse(QStringList(QLatin1String(kProgram)) + args)) {
        return UsageError(parser.errorText().toStdString(), command);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::cout << CommandHelp(parser, command);
        return 0;
    }
    try {
        const cli::TArguments arguments(parser);
        arguments.ExpectPositional(command.arguments.size());
        return command.run(arguments);
    } catch (const cli::EUsageError& e) {
        return UsageError(e.what(), command);
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    // Qt's help texts name the program after the first argument.
    char program[] = "clipwise-cli";
    int appArgc = 1;
    char* appArgv[] = {program, nullptr};
    QCoreApplication application(appArgc, appArgv);
    QCoreApplication::setApplicationName(QLatin1String(kProductName));
    QCoreApplication::setApplicationVersion(QLatin1String(kProductVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The command-line companion of Clipwise, the viewer of media indexes."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("one of the commands below"),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    // Everything after the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QStringList(QLatin1String(kProgram)) + args)) {
        std::cerr << kProgram << ": " << parser.errorText().toStdString() << "\n";
        PrintUsage(std::cerr);
        return 2;
    }
    if (parser.isSet(version)) {
        std::cout << kProductName << " " << kProductVersion << "\n";
        return 0;
    }
    QStringList rest = parser.positionalArguments();
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) ||
        (!rest.isEmpty() && rest.front() == QLatin1String("help") && rest.size() == 1)) {
        PrintHelp(parser, std::cout);
        return 0;
    }
    if (rest.isEmpty()) {
        std::cerr << kProgram << ": no command given\n";
        PrintUsage(std::cerr);
        return 2;
    }
    // "help COMMAND" is "COMMAND --help".
    if (rest.front() == QLatin1String("help")) {
        rest = {rest[1], QStringLiteral("--help")};
    }
    const std::string name = rest.takeFirst().toStdString();
    for (const cli::TCommand& command : cli::AllCommands()) {
        if (command.name == name) {
            return RunCommand(command, rest);
        }
    }
    std::cerr << kProgram << ": unknown command \"" << name << "\"\n";
    PrintUsage(std::cerr);
    return 2;
}
