// The history factory shares one model, named after the repository controller's product.

#include "HistoryFactory.h"
#include "HistoryModel.h"
#include "RecordingRepositoryController.h"
#include "ScriptedUserQuestions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class TCountingView final : public IHistoryView {
public:
    int entries = -1;
    void Refresh(IHistoryModel& model) override { entries = model.Count(); }
    void SetController(IHistoryController*) override {}
};

TEST(HistoryFactory, OneModelForEveryController) {
    testsupport::TTempDir dir;
    testsupport::TScopedUserSettings settings(dir.File("user.ini"));
    THistoryModel("Viewer", 10).Add("/d/stored.vmi");

    TRecordingRepositoryController repository;
    repository.productName = "Viewer";
    THistoryFactory factory(std::make_shared<TScriptedUserQuestions>());
    TCountingView first;
    TCountingView second;
    auto one = factory.CreateController(&repository, &first, nullptr);
    EXPECT_EQ(first.entries, 1);

    // A later product name does not matter any more: the model exists.
    repository.productName = "Changed";
    auto two = factory.CreateController(&repository, &second, nullptr);
    one->Add("/d/new.vmi");
    EXPECT_EQ(first.entries, 2);
    two->Add("/d/other.vmi");
    EXPECT_EQ(second.entries, 3);
}

} // namespace
