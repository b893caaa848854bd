// The About box over the real About controller and factories.

#include "DlgAbout.h"
#include "AboutFactory.h"
#include "AboutModelFactory.h"
#include "AboutTexts.h"
#include "AboutViewFactory.h"

#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testsupport::WhenModal;

namespace {

class DlgAboutTest : public ::testing::Test {
protected:
    std::shared_ptr<IAboutController> Create() {
        auto models = std::make_shared<TAboutModelFactory>("Clipwise", "2.5.1", "",
                                                           AboutReleaseDate(), "2003-2007");
        auto views = std::make_shared<TAboutViewFactory>([this] {
            m_dialogs.push_back(std::make_unique<TAboutDialog>());
            return m_dialogs.back().get();
        });
        return TAboutFactory(models, views).CreateController();
    }
    QLabel* Label(const char* name) { return m_dialogs.at(0)->findChild<QLabel*>(name); }

    std::vector<std::unique_ptr<TAboutDialog>> m_dialogs;
};

TEST_F(DlgAboutTest, ShowsTheFactsOfTheProduct) {
    auto controller = Create();
    WhenModal([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    controller->Show();
    ASSERT_EQ(m_dialogs.size(), 1u);
    TAboutDialog& dialog = *m_dialogs[0];
    EXPECT_EQ(dialog.windowTitle(), "About Velmora Clipwise");
    EXPECT_GE(dialog.width(), 275);
    EXPECT_GE(dialog.height(), 161);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // Every line is shown whole.
    for (const char* name : {"labProductName", "labVersion", "labCopyright"}) {
        EXPECT_GE(Label(name)->width(), Label(name)->sizeHint().width()) << name;
    }
    EXPECT_EQ(Label("labProductName")->text(), "Clipwise");
    EXPECT_TRUE(Label("labProductName")->font().bold());
    EXPECT_EQ(Label("labProductName")->font().pixelSize(), 32);
    EXPECT_EQ(Label("labVersion")->text(), "Version 2.5.1  (" + AboutReleaseDate() + ")");
    EXPECT_EQ(Label("labVersion")->font().pixelSize(), 11);
    EXPECT_EQ(Label("labCopyright")->text(),
              "Copyright \u00A9 2003-2007 Velmora. All rights reserved.");
    EXPECT_FALSE(Label("imgLogo")->pixmap().isNull());
    EXPECT_FALSE(TAboutDialog::Logo().isNull());
    EXPECT_EQ(TAboutDialog::Logo().deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(dialog.findChild<QPushButton*>("OKButton")->text(), "OK");
}

TEST_F(DlgAboutTest, ShowingTwiceReusesTheOneDialogAndEscAnswersOk) {
    auto controller = Create();
    int result = -1;
    WhenModal([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        result = static_cast<QDialog*>(modal)->result();
    });
    controller->Show();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(m_dialogs.at(0)->isVisible());

    WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    controller->Show();
    EXPECT_EQ(m_dialogs.size(), 1u);
    EXPECT_EQ(controller->GetProductName(), "Clipwise");
}

} // namespace
