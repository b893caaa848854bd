#pragma once
// A real document with its real query model, definition model and result model, wired as a
// query window wires them, for views to attach to: views register first, the result model
// last, then the definition is built.

#include "Agents.h"
#include "LabelFormat.h"
#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "QueryResultModel.h"
#include "TestSupport.h"

#include <memory>
#include <string>

// Gives the definition views the document, as the definition coordinator does.
class TDocumentController final : public IQueryDefinitionController {
public:
    explicit TDocumentController(TMatchStatFile* document) : m_document(document) {}
    IQueryDefinitionView* GetView() override { return nullptr; }
    TMatchStatFile* GetDocument() override { return m_document; }

private:
    TMatchStatFile* m_document;
};

class TViewsFixture {
public:
    explicit TViewsFixture(const std::string& fixture = "views-basic.vmi")
        : queryModel(TLabelFormat::Fixed()) {
        document.LoadFromFile(testsupport::DataPath(fixture));
        queryModel.SetDocument(&document);
    }

    void AttachDefinitionView(IQueryDefinitionView& view) {
        view.SetDefinitionController(&controller);
        view.SetDefinitionModel(definition);
    }
    void AttachResultView(IQueryResultView& view) { view.SetResultModel(result); }

    // The result model observes the definition after every view, then the definition is
    // built and the empty query evaluated.
    void Start() {
        definition->AddObserver(result.get());
        result->SetQueryModel(queryModel);
        definition->Rebuild(queryModel);
    }

    TMatchStatFile document;
    TQueryModel queryModel;
    TDocumentController controller{&document};
    std::shared_ptr<TQueryDefinitionModel> definition = std::make_shared<TQueryDefinitionModel>();
    std::shared_ptr<TQueryResultModel> result = std::make_shared<TQueryResultModel>();
};
