// The Options dialog as a user drives it, over the real options model and settings file.

#include "DlgOptions.h"
#include "OptionsFactory.h"
#include "ScriptedUserQuestions.h"

#include "TestSupport.h"
#include "VelUtils.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

using testsupport::TTempDir;
using testsupport::WhenModal;

namespace {

const QString kOptionsKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Options\\");

class DlgOptionsTest : public ::testing::Test {
protected:
    std::shared_ptr<IOptionsController> Create() {
        TOptionsFactory factory([this] { return &m_dialog; }, QStringLiteral("/opt/Viewer"));
        return factory.CreateController();
    }
    QLineEdit* Edit() { return m_dialog.findChild<QLineEdit*>("MediaFolder"); }
    QPushButton* Button(const char* name) { return m_dialog.findChild<QPushButton*>(name); }
    static QString Stored() { return RegistryGet(kOptionsKey, "Media Folder", "absent"); }
    // Runs the dialog; while it is open the user does what is given.
    int Execute(IOptionsController& controller, std::function<void()> user) {
        WhenModal([this, user](QWidget* modal) {
            EXPECT_EQ(modal, &m_dialog);
            shown.push_back(Edit()->text());
            user();
            if (m_dialog.isVisible()) {
                m_dialog.reject();
            }
        });
        return controller.Execute();
    }
    void Type(const QString& text) {
        Edit()->clear();
        QTest::keyClicks(Edit(), text);
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
    std::shared_ptr<TScriptedUserQuestions> m_questions =
        std::make_shared<TScriptedUserQuestions>();
    TOptionsDialog m_dialog{m_questions};
    std::vector<QString> shown; // the edit box's text at each opening
};

TEST_F(DlgOptionsTest, ShowsTheMediaPage) {
    EXPECT_EQ(m_dialog.windowTitle(), "Options");
    // The designed size, larger only where the font needs it; never resizable.
    EXPECT_GE(m_dialog.width(), 392);
    EXPECT_GE(m_dialog.height(), 266);
    EXPECT_EQ(m_dialog.minimumSize(), m_dialog.maximumSize());
    auto* pages = m_dialog.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 1);
    EXPECT_EQ(pages->tabText(0), "Media");
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->width(), 209);
    EXPECT_EQ(Button("SelectMediaFolderBtn")->text(), "&Browse ...");
    EXPECT_EQ(Button("OKButton")->text(), "&OK");
    EXPECT_EQ(Button("CancelButton")->text(), "&Cancel");
    auto* label = m_dialog.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Media Folder");
    EXPECT_EQ(label->buddy(), Edit());
    // The row's controls stand apart, in one row.
    m_dialog.show();
    const QRect edit = Edit()->geometry();
    const QRect browse = Button("SelectMediaFolderBtn")->geometry();
    EXPECT_LT(label->geometry().right(), edit.left());
    EXPECT_LT(edit.right() + 2, browse.left());
    EXPECT_EQ(edit.center().y(), browse.center().y());
    EXPECT_LE(browse.right(), Edit()->parentWidget()->width());
    m_dialog.hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             Edit(), Button("SelectMediaFolderBtn"), Button("OKButton"), Button("CancelButton")}) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }
}

TEST_F(DlgOptionsTest, OkStoresTheFolderWithItsClosingSeparator) {
    struct TCase {
        const char* typed;
        const char* stored;
    };
    const TCase cases[] = {{"/srv/clips", "/srv/clips/"}, {"/srv/clips/", "/srv/clips/"}, {"", ""}};
    auto controller = Create();
    for (const TCase& c : cases) {
        EXPECT_EQ(Execute(*controller,
                          [&] {
                              Type(c.typed);
                              Click("OKButton");
                          }),
                  QDialog::Accepted);
        EXPECT_EQ(Stored(), c.stored);
        EXPECT_EQ(controller->GetModel()->GetMediaFolder(), c.stored);
    }
    EXPECT_EQ(shown, std::vector<QString>({"/opt/Viewer/Media/", "/srv/clips/", "/srv/clips/"}));
}

TEST_F(DlgOptionsTest, CancelKeepsTheStoredFolderAndTheNextOpeningShowsItAgain) {
    RegistryPut(kOptionsKey, "Media Folder", "/srv/clips/");
    auto controller = Create();
    EXPECT_EQ(Execute(*controller,
                      [&] {
                          Type("/edited");
                          Click("CancelButton");
                      }),
              QDialog::Rejected);
    EXPECT_EQ(Execute(*controller, [&] { QTest::keyClick(&m_dialog, Qt::Key_Escape); }),
              QDialog::Rejected);
    EXPECT_EQ(shown, std::vector<QString>({"/srv/clips/", "/srv/clips/"}));
    EXPECT_EQ(Stored(), "/srv/clips/");
}

TEST_F(DlgOptionsTest, BrowseStartsInTheTypedFolderWhenItExists) {
    const QString existing = QString::fromStdString(m_dir.Path());
    QDir(existing).mkpath("chosen");
    auto controller = Create();
    m_questions->ChooseFolder(existing + "/chosen");
    m_questions->CancelDialog();
    m_questions->CancelDialog();
    Execute(*controller, [&] {
        Type(existing);
        Click("SelectMediaFolderBtn");
        EXPECT_EQ(Edit()->text(), existing + "/chosen");
        // A folder that does not exist preselects none; cancelling keeps the text.
        Type("/no/such/folder");
        Click("SelectMediaFolderBtn");
        EXPECT_EQ(Edit()->text(), "/no/such/folder");
        Type("");
        Click("SelectMediaFolderBtn");
        Type(existing + "/chosen");
        Click("OKButton");
    });
    ASSERT_EQ(m_questions->Prompts().size(), 3u);
    for (const TUserPrompt& prompt : m_questions->Prompts()) {
        EXPECT_EQ(prompt.type, TUserPrompt::TType::FolderDialog);
        EXPECT_EQ(prompt.title, "Media Folder");
    }
    EXPECT_EQ(m_questions->Prompts()[0].fileName, existing);
    EXPECT_EQ(m_questions->Prompts()[1].fileName, "");
    EXPECT_EQ(m_questions->Prompts()[2].fileName, "");
    EXPECT_EQ(Stored(), existing + "/chosen/");
}

TEST_F(DlgOptionsTest, AFailedStoreLeavesFromTheDialogNotFromTheEventLoop) {
    auto controller = Create();
    // A folder where the settings file should be cannot be written.
    setenv("CLIPWISE_USER_SETTINGS", m_dir.Path().c_str(), 1);
    std::string message;
    try {
        Execute(*controller, [&] {
            Type("/srv/new");
            Click("OKButton");
        });
    } catch (const std::runtime_error& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "RegistryPut: write error");
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(controller->GetModel()->GetMediaFolder(), "/srv/new/");
}

} // namespace
