#include "OptionsFactory.h"

#include "VelUtils.h"

#include "TestSupport.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using testsupport::TTempDir;

namespace {

const QString OptionsKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Options\\");

// Stands in for the dialog: records what SetModel filled in, and on ShowModal acts as the user
// with the scripted text and button.
class TScriptedOptionsView final : public IOptionsView {
public:
    int ShowModal() override {
        if (m_pressOk) {
            if (m_model) {
                m_model->SetMediaFolder(m_typed);
            }
            return QDialog::Accepted;
        }
        return QDialog::Rejected;
    }
    void SetModel(std::shared_ptr<IOptionsModel> model) override {
        m_model = std::move(model);
        m_shown.push_back(m_model->GetMediaFolder());
    }

    QString m_typed;
    bool m_pressOk = true;
    std::vector<QString> m_shown; // the edit box's text at each opening
    std::shared_ptr<IOptionsModel> m_model;
};

class OptionsController : public ::testing::Test {
protected:
    std::shared_ptr<IOptionsController> Create() {
        TOptionsFactory factory([this] { return &m_view; }, "/opt/Viewer");
        return factory.CreateController();
    }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
    TScriptedOptionsView m_view;
};

TEST_F(OptionsController, OkStoresTheTypedFolder) {
    auto controller = Create();
    m_view.m_typed = "D:/Clips";
    EXPECT_EQ(controller->Execute(), QDialog::Accepted);
    EXPECT_EQ(m_view.m_shown, std::vector<QString>{"/opt/Viewer/Media/"});
    EXPECT_EQ(controller->GetModel()->GetMediaFolder(), "D:/Clips/");
    EXPECT_EQ(RegistryGet(OptionsKey, "Media Folder", "absent"), "D:/Clips/");
}

TEST_F(OptionsController, CancelLeavesTheFolderAndTheNextOpeningShowsItAgain) {
    RegistryPut(OptionsKey, "Media Folder", "/srv/clips/");
    auto controller = Create();
    m_view.m_typed = "/edited/but/cancelled";
    m_view.m_pressOk = false;
    EXPECT_EQ(controller->Execute(), QDialog::Rejected);
    EXPECT_EQ(controller->Execute(), QDialog::Rejected);
    EXPECT_EQ(m_view.m_shown, (std::vector<QString>{"/srv/clips/", "/srv/clips/"}));
    EXPECT_EQ(controller->GetModel()->GetMediaFolder(), "/srv/clips/");
    EXPECT_EQ(RegistryGet(OptionsKey, "Media Folder", "absent"), "/srv/clips/");
}

} // namespace
