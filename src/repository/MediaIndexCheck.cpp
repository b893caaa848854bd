#include "MediaIndexCheck.h"

#include "MatchStatFile.h"
#include "MediaFiles.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string FoldCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

// A decimal number without leading zeros, as identifiers are allocated.
bool CanonicalNumber(const std::string& text, unsigned long long& value) {
    if (text.empty() || text.size() > 19 || (text.size() > 1 && text[0] == '0') ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = std::stoull(text);
    return true;
}

// Identifiers as the file has them: loading raises "NextId", so the file is read once more.
void CheckIdentifiers(const std::string& path, std::vector<std::string>& problems) {
    pugi::xml_document tree;
    if (!tree.load_file(path.c_str())) {
        return; // the document layer has already read it, so this does not happen
    }
    pugi::xml_node root = tree.document_element();
    // Every element below the root, in document order: unknown ones hold identifiers too.
    struct TWalker : pugi::xml_tree_walker {
        std::map<std::string, std::pair<std::string, int>> uses; // folded id -> (id, count)
        std::vector<std::string> order;
        unsigned long long highest = 0;

        bool for_each(pugi::xml_node& node) override {
            const pugi::xml_attribute id = node.attribute("Id");
            if (node.type() != pugi::node_element || !id) {
                return true;
            }
            auto [entry, added] = uses.try_emplace(FoldCase(id.value()), id.value(), 0);
            if (added) {
                order.push_back(entry->first);
            }
            ++entry->second.second;
            unsigned long long number = 0;
            if (CanonicalNumber(id.value(), number)) {
                highest = std::max(highest, number);
            }
            return true;
        }
    } walker;
    root.traverse(walker);
    for (const std::string& key : walker.order) {
        const auto& [id, count] = walker.uses[key];
        if (count > 1) {
            problems.push_back("Id " + Quoted(id) + " is used by " + std::to_string(count) +
                               " elements");
        }
    }
    const pugi::xml_attribute nextId = root.attribute("NextId");
    unsigned long long next = 0;
    const unsigned long long highest = walker.highest;
    if (highest > 0 && (!CanonicalNumber(nextId.value(), next) || next < highest)) {
        problems.push_back(
            (nextId ? "NextId " + Quoted(nextId.value()) : std::string("No NextId")) +
            " is below the highest Id " + std::to_string(highest));
    }
}

void CheckDateTime(const TKivXmlElement& element, const char* name, const std::string& where,
                   std::vector<std::string>& problems) {
    try {
        element.GetDateTimeAttribute(name);
    } catch (const EKivXmlError&) {
        problems.push_back(where + ": " + name + " " + Quoted(element.GetAttribute(name)) +
                           " is not a date-time");
    }
}

void CheckSituation(const TMatch& match, const TSituation& situation, const std::string& where,
                    std::vector<std::string>& problems) {
    CheckDateTime(situation, "StartingTime", where, problems);
    CheckDateTime(situation, "EndingTime", where, problems);
    const std::string teamId = situation.GetAttribute("TeamId");
    if (teamId.empty()) {
        problems.push_back(where + ": no TeamId");
        return;
    }
    const TKivXmlElement* team = situation.GetDocument()->FindById(teamId);
    if (!team || (team != match.HomeTeam() && team != match.GuestTeam())) {
        problems.push_back(where + ": TeamId " + Quoted(teamId) + " is not a team of its match");
    }
}

void CheckMatch(const TMatch& match, const QString& mediaFolder,
                std::vector<std::string>& problems) {
    const std::string where = "Match " + Quoted(match.Id()) + " " + Quoted(match.Name());
    CheckDateTime(match, "DateTime", where, problems);
    if (!match.HomeTeam()) {
        problems.push_back(where + ": no home team");
    }
    if (!match.GuestTeam()) {
        problems.push_back(where + ": no guest team");
    }
    const QString video = QString::fromStdString(match.VideoFilename());
    if (!FindMediaFile(video, mediaFolder)) {
        problems.push_back(where + ": video " + Quoted(match.VideoFilename()) +
                           " is found neither at its path nor in the media folder " +
                           Quoted(mediaFolder.toStdString()));
    }
    for (const TSituation* situation : match.Situations()) {
        CheckSituation(match, *situation,
                       "Situation " + Quoted(situation->Id()) + " of match " + Quoted(match.Id()),
                       problems);
    }
}

void CheckScene(const TPresentation& presentation, const TScene& scene,
                std::vector<std::string>& problems) {
    const std::string where = "Scene " + Quoted(scene.Id()) + " of presentation " +
                              Quoted(std::string(presentation.Text()));
    const std::string situationId = scene.GetAttribute("SituationId");
    const TKivXmlElement* element =
        situationId.empty() ? nullptr : scene.GetDocument()->FindById(situationId);
    if (!element) {
        problems.push_back(where + ": situation " + Quoted(situationId) + " does not exist");
    } else if (!dynamic_cast<const TSituation*>(element)) {
        problems.push_back(where + ": SituationId " + Quoted(situationId) + " names a " +
                           element->ElementName() + ", not a situation");
    }
}

} // namespace

std::vector<std::string> CheckMediaIndex(const std::string& path, const QString& mediaFolder) {
    TMatchStatFile document;
    document.LoadFromFile(path, TDateTimeCheck::Lenient);
    std::vector<std::string> problems;
    CheckIdentifiers(path, problems);
    for (const TMatch* match : document.Matches()) {
        CheckMatch(*match, mediaFolder, problems);
    }
    for (const TPresentation* presentation : document.Presentations()) {
        for (const TScene* scene : presentation->Scenes()) {
            CheckScene(*presentation, *scene, problems);
        }
    }
    return problems;
}
