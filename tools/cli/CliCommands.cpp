#include "Cli.h"

namespace cli {

std::vector<TCommand> AllCommands() {
    std::vector<TCommand> all;
    for (auto group : {DocumentCommands, RepositoryCommands, QueryCommands, ExportCommands}) {
        std::vector<TCommand> commands = group();
        all.insert(all.end(), commands.begin(), commands.end());
    }
    return all;
}

} // namespace cli
