// libFuzzer target for the media index loader: any bytes must either load, save and load
// again, or fail with an error; never crash, hang or leak.

#include "MatchStatFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        char path[] = "/tmp/clipwise-fuzz-XXXXXX";
        return std::string(mkdtemp(path));
    }();
    const std::string input = folder + "/input.vmi";
    const std::string output = folder + "/output.vmi";
    if (FILE* file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    try {
        TMatchStatFile document;
        document.LoadFromFile(input, TDateTimeCheck::Lenient);
        document.SaveToFile(output);
        TMatchStatFile again;
        again.LoadFromFile(output, TDateTimeCheck::Lenient);
    } catch (const std::exception&) {
    }
    return 0;
}
