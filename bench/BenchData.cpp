#include "BenchData.h"

#include "MatchStatFile.h"
#include "MediaIndexGenerator.h"

#include <filesystem>

std::string BenchMediaIndex(int situations) {
    const auto folder = std::filesystem::temp_directory_path() / "clipwise-bench";
    std::filesystem::create_directories(folder);
    const std::string path =
        (folder / ("situations-" + std::to_string(situations) + ".vmi")).string();
    if (!std::filesystem::exists(path)) {
        const int perMatch = 100;
        GenerateMediaIndex(
            {std::max(1, situations / perMatch), std::min(perMatch, situations), 2007})
            ->SaveToFile(path);
    }
    return path;
}
