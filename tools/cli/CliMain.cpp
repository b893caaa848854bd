// clipwise-cli: the command-line companion of the viewer, for scripting and batch work.
// Exit codes: 0 success, 1 a file that cannot be read or a problem found, 2 wrong usage.

#include "Cli.h"

#include <exception>
#include <iostream>

namespace {

void PrintHelp(std::ostream& out) {
    out << "usage: clipwise-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const cli::TCommand& command : cli::AllCommands()) {
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary
            << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(std::cout);
        return 0;
    }
    for (const cli::TCommand& command : cli::AllCommands()) {
        if (command.name != args[0]) {
            continue;
        }
        try {
            return command.run({args.begin() + 1, args.end()});
        } catch (const cli::EUsageError& e) {
            std::cerr << "clipwise-cli: " << e.what() << "\nusage: clipwise-cli " << command.name
                      << " " << command.usage << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "clipwise-cli: " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "clipwise-cli: unknown command \"" << args[0] << "\"\n";
    PrintHelp(std::cerr);
    return 2;
}
