// libFuzzer target for the media index loader: any bytes must either load, save and load
// again, or fail with an error; never crash, hang or leak. A file that another parser
// (libxml2) reads must also be saved as a file that it reads.

#include "MatchStatFile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

bool SecondParserReads(const char* data, std::size_t size) {
    xmlDocPtr document =
        xmlReadMemory(data, static_cast<int>(size), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE);
    xmlFreeDoc(document);
    return document != nullptr;
}

} // namespace

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
        if (SecondParserReads(reinterpret_cast<const char*>(data), size)) {
            std::ifstream in(output, std::ios::binary);
            const std::string saved((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            if (!SecondParserReads(saved.data(), saved.size())) {
                __builtin_trap(); // a well-formed file was saved as one that is not
            }
        }
        TMatchStatFile again;
        again.LoadFromFile(output, TDateTimeCheck::Lenient);
    } catch (const std::exception&) {
    }
    return 0;
}
