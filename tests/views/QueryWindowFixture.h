#pragma once
// A query frame wired by the real query controller, as the application wires its window: the
// real definition and result coordinators, the real media factory over the frame's video
// pane, and a repository controller double that hands out the document.

#include "MatchStatFile.h"
#include "MediaFactory.h"
#include "QueryController.h"
#include "QueryDefinitionCoordinatorFactory.h"
#include "QueryDefinitionFactory.h"
#include "QueryDoubles.h"
#include "QueryFrame.h"
#include "QueryModel.h"
#include "QueryResultCoordinatorFactory.h"
#include "QueryResultFactory.h"
#include "ScriptedUserQuestions.h"
#include "TestSupport.h"

#include <memory>

// Creates the frame as the window's query view.
class TFrameViewFactory final : public IQueryViewFactory {
public:
    IQueryView* CreateQueryView() override {
        frame = std::make_unique<TQueryFrame>();
        frame->resize(1000, 700);
        return frame.get();
    }
    std::unique_ptr<TQueryFrame> frame;
};

class TQueryWindowFixture {
public:
    TQueryWindowFixture() {
        auto viewFactory = std::make_shared<TFrameViewFactory>();
        m_viewFactory = viewFactory;
        controller = std::make_shared<TQueryController>(
            &repository, nullptr,
            std::make_shared<TQueryResultCoordinatorFactory>(
                std::make_shared<TQueryResultFactory>(),
                std::make_shared<TMediaFactory>(std::make_shared<TScriptedUserQuestions>())),
            std::make_shared<TQueryDefinitionCoordinatorFactory>(
                std::make_shared<TQueryDefinitionFactory>()),
            viewFactory, std::make_shared<TQueryModel>(TLabelFormat::Fixed()));
        frame = viewFactory->frame.get();
    }
    // The controller goes first; the views then leave the models they still hold.
    ~TQueryWindowFixture() {
        controller.reset();
        m_viewFactory->frame.reset();
    }

    void Open(const std::string& fixture = "views-basic.vmi") {
        document.LoadFromFile(testsupport::DataPath(fixture));
        repository.document = &document;
        controller->SetDocument(&document);
    }

    TLog log;
    TRepositoryControllerDouble repository{log};
    TMatchStatFile document;
    std::shared_ptr<IQueryController> controller;
    TQueryFrame* frame = nullptr;

private:
    std::shared_ptr<TFrameViewFactory> m_viewFactory;
};
