// Commands of the repository: merge, as the viewer's import does it, and check.

#include "Cli.h"
#include "MatchStatFile.h"
#include "MediaIndexCheck.h"
#include "OptionsModel.h"
#include "UntMergeManager.h"

#include <QString>

#include <filesystem>
#include <iostream>
#include <system_error>

namespace cli {
namespace {

int Merge(const TArguments& arguments) {
    TMatchStatFile target;
    target.LoadFromFile(arguments.Positional()[0]);
    TMatchStatFile imported;
    imported.LoadFromFile(arguments.Positional()[1]);
    TMergeManager merger(target);
    merger.SelectAll(imported);
    merger.Merge(imported);
    target.SaveToFile(arguments.Positional()[2]);
    return 0;
}

int Check(const TArguments& arguments) {
    const QString mediaFolder = MediaFolderOf(arguments);
    const std::vector<std::string> problems =
        CheckMediaIndex(arguments.Positional()[0], mediaFolder);
    for (const std::string& problem : problems) {
        std::cout << problem << "\n";
    }
    return problems.empty() ? 0 : 1;
}

// The viewer's media folder setting, which defaults to the Media folder beside the program.
QString StoredMediaFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return TOptionsModel(QString::fromStdString(program.parent_path().string())).GetMediaFolder();
}

} // namespace

QString MediaFolderOf(const TArguments& arguments) {
    if (!arguments.IsSet("media-folder")) {
        return StoredMediaFolder();
    }
    QString folder = QString::fromStdString(arguments.Value("media-folder"));
    if (!folder.isEmpty() && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

std::vector<TCommand> RepositoryCommands() {
    return {
        {"merge",
         "TARGET IMPORT OUT",
         "merge IMPORT into TARGET as the viewer's import does, and write the result to OUT "
         "(no backup, no search for videos)",
         {{"TARGET", "the media index to merge into"},
          {"IMPORT", "the media index to import"},
          {"OUT", "where to write the merged media index"}},
         {},
         Merge},
        {"check",
         "IN [--media-folder DIR]",
         "list what would make IN misbehave, one problem a line; exit 1 if there is any "
         "(DIR defaults to the viewer's media folder)",
         {{"IN", "the media index to check"}},
         {{"media-folder", "DIR", "where to look for match videos besides their own paths"}},
         Check},
    };
}

} // namespace cli
