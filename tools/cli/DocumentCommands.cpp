// Commands on whole documents: save, new, generate, info.

#include "Cli.h"
#include "MatchStatFile.h"
#include "MediaIndexGenerator.h"

#include <iostream>

namespace cli {
namespace {

int Save(const TArguments& arguments) {
    TMatchStatFile document;
    document.LoadFromFile(arguments.Positional()[0]);
    document.SaveToFile(arguments.Positional()[1]);
    return 0;
}

int New(const TArguments& arguments) {
    TMatchStatFile().SaveToFile(arguments.Positional()[0]);
    return 0;
}

int Generate(const TArguments& arguments) {
    arguments.Required("matches");
    arguments.Required("situations-per-match");
    TMediaIndexShape shape;
    shape.matches = static_cast<int>(arguments.Number("matches", 0, 0, 100'000));
    shape.situationsPerMatch =
        static_cast<int>(arguments.Number("situations-per-match", 0, 0, 1'000'000));
    shape.seed = static_cast<std::uint64_t>(arguments.Number("seed", 1, 0, INT64_MAX));
    GenerateMediaIndex(shape)->SaveToFile(arguments.Positional()[0]);
    return 0;
}

int Info(const TArguments& arguments) {
    TMatchStatFile document;
    document.LoadFromFile(arguments.Positional()[0]);
    int situations = 0;
    for (const TMatch* match : document.Matches()) {
        situations += match->Situations().Count();
    }
    std::cout << "Matches\t" << document.Matches().Count() << "\n"
              << "Situations\t" << situations << "\n"
              << "Teams\t" << document.ActorFile()->Teams().Count() << "\n"
              << "Situation types\t" << document.SituationFile()->Situations().Count() << "\n"
              << "Queries\t" << document.Queries().Count() << "\n"
              << "Presentations\t" << document.Presentations().Count() << "\n";
    for (const TMatch* match : document.Matches()) {
        std::cout << "Match\t" << match->GetAttribute("DateTime") << "\t" << match->Name() << "\t"
                  << match->Result() << "\t" << match->Situations().Count() << " situations\t"
                  << match->VideoFilename() << "\n";
    }
    return 0;
}

} // namespace

std::vector<TCommand> DocumentCommands() {
    const TArgumentSpec in = {"IN", "the media index to read"};
    const TArgumentSpec out = {"OUT", "the media index to write"};
    return {
        {"save",
         "IN OUT",
         "load IN and write it to OUT with Clipwise's writer",
         {in, out},
         {},
         Save},
        {"new", "OUT", "write a new, empty media index", {out}, {}, New},
        {"generate",
         "OUT --matches N --situations-per-match M [--seed S]",
         "write a synthetic media index for trials and benchmarks",
         {out},
         {{"matches", "N", "how many matches (required)"},
          {"situations-per-match", "M", "how many situations each match has (required)"},
          {"seed", "S", "the seed of the generator; the same seed gives the same file (1)"}},
         Generate},
        {"info", "IN", "summarise a media index: counts and matches", {in}, {}, Info},
    };
}

} // namespace cli
