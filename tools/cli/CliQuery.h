#pragma once
// A media index with its query, as the viewer wires them: the query model, the definition and
// the result model, the result observing the definition. The query commands and export share it.

#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "QueryResultModel.h"

#include <string>
#include <vector>

namespace cli {

class TQuery {
public:
    explicit TQuery(const std::string& path);

    // Toggles each "PROPERTY=VALUE" in order. A value the document lacks is an error: the
    // definition would ignore it and the result would silently be wider than asked for.
    void Select(const std::vector<std::string>& selections);
    // Sorts by each caption in turn, as clicks on the clip list's headers do.
    void SortBy(const std::vector<std::string>& captions);
    void SetCategory(bool primary, const std::string& name);

    TQueryDefinitionModel& Definition() { return m_definition; }
    TQueryResultModel& Result() { return m_result; }

private:
    TMatchStatFile m_document;
    TQueryModel m_queryModel;
    TQueryDefinitionModel m_definition;
    TQueryResultModel m_result;
};

} // namespace cli
