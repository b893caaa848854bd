#include "HelpModel.h"

#include "HelpTestSupport.h"
#include "VelUtils.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <stdexcept>

using helptest::HelpKey;
using helptest::THelpFixture;

namespace {

class HelpModel : public ::testing::Test {
protected:
    THelpFixture m_help;
};

TEST_F(HelpModel, EveryLineIsATopicAndNamesItsPage) {
    m_help.WriteIndex("Welcome\r\nReference\\Clips\r\n\r\n");
    THelpModel model(m_help.IndexPath());
    ASSERT_EQ(model.GetTopicCount(), 3);
    EXPECT_EQ(model.GetFirstTopic(), "Welcome");
    EXPECT_EQ(model.GetTopicAt(1), "Reference\\Clips");
    EXPECT_EQ(model.GetTopicAt(2), "");
    EXPECT_EQ(model.GetFolder(), m_help.Folder());
    EXPECT_EQ(model.GetTopicFileAt(0), m_help.Folder() + "Welcome.htm");
    EXPECT_EQ(model.GetTopicFileAt(1), m_help.Folder() + "Reference/Clips.htm");
    EXPECT_EQ(model.GetTopicFileAt(2), m_help.Folder() + ".htm");
    EXPECT_EQ(model.GetTopicFile("No such page"), m_help.Folder() + "No such page.htm");
    EXPECT_EQ(model.GetLoadError(), "");
}

TEST_F(HelpModel, LinesAreSplitAsInATextFileAndKeptAsWritten) {
    struct Case {
        std::string bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r\r", {"a", "b", ""}},
        {"  padded \t\n\nlast", {"  padded \t", "", "last"}},
        {"\xEF\xBB\xBFWelcome\n", {"Welcome"}},                   // byte-order mark
        {"Spielz\xC3\xBCge\n", {QString::fromUtf8("Spielzüge")}}, // UTF-8
        {"Spielz\xFCge\n", {QString::fromUtf8("Spielzüge")}},     // Windows-1252
        {"\x93Quoted\x94", {QString::fromUtf8("“Quoted”")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpIndexLines(c.bytes), c.lines) << c.bytes;
    }
}

TEST_F(HelpModel, AnEmptyIndexHasNoTopics) {
    m_help.WriteIndex("");
    THelpModel model(m_help.IndexPath());
    EXPECT_EQ(model.GetTopicCount(), 0);
    EXPECT_EQ(model.GetFirstTopic(), "");
    EXPECT_EQ(model.GetTopicAt(0), "") << "out of range reads as the empty topic";
    EXPECT_EQ(model.GetLoadError(), "");
    EXPECT_EQ(model.GetFolder(), m_help.Folder());
}

TEST_F(HelpModel, AnIndexThatCannotBeReadLeavesNoTopicsAndSaysWhy) {
    for (const QString& path : {m_help.Folder() + "missing.txt", m_help.Folder()}) {
        THelpModel model(path);
        EXPECT_EQ(model.GetTopicCount(), 0);
        EXPECT_EQ(model.GetFolder(), "");
        EXPECT_EQ(model.GetTopicFile("Reference\\Clips"), "Reference/Clips.htm");
        EXPECT_EQ(model.GetLoadError(), "Error loading help index: \"" + path + "\".");
        model.SetContext("Reference\\List");
        EXPECT_EQ(model.GetContext(), "Reference\\List") << "the model otherwise works";
    }
}

TEST_F(HelpModel, OpenStateComesFromTheUserThenTheAdministratorDefault) {
    struct Case {
        std::optional<int> openDefault;
        std::optional<int> isOpen;
        bool open;
    };
    const Case cases[] = {{{}, {}, true}, {0, {}, false}, {1, {}, true},
                          {0, 1, true},   {{}, 0, false}, {1, 0, false}};
    for (const Case& c : cases) {
        THelpFixture help;
        if (c.openDefault) {
            help.WriteAdmin("IsOpenDefault", *c.openDefault);
        }
        if (c.isOpen) {
            RegistryPut(HelpKey, "IsOpen", *c.isOpen);
        }
        THelpModel model(help.IndexPath());
        EXPECT_EQ(model.GetIsOpen(), c.open)
            << c.openDefault.value_or(-1) << " " << c.isOpen.value_or(-1);
        EXPECT_EQ(THelpFixture::StoredIsOpen(), c.isOpen) << "reading writes nothing";
    }
}

TEST_F(HelpModel, OpenStateIsWrittenOnlyWhenItChanges) {
    THelpModel model(m_help.IndexPath());
    model.SetIsOpen(true);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(m_help.UserFile())));
    model.SetIsOpen(false);
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 0);
    EXPECT_FALSE(THelpModel(m_help.IndexPath()).GetIsOpen());
    model.SetIsOpen(true);
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 1);
    EXPECT_TRUE(model.GetIsOpen());
}

TEST_F(HelpModel, AFailedWriteRaisesButKeepsTheNewState) {
    THelpModel model(m_help.IndexPath());
    testsupport::WriteFile(m_help.Folder().toStdString() + "plain", "a file, not a folder");
    testsupport::TScopedUserSettings unwritable(m_help.Folder().toStdString() + "plain/user.ini");
    try {
        model.SetIsOpen(false);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "RegistryPut: write error");
    }
    EXPECT_FALSE(model.GetIsOpen());
}

TEST_F(HelpModel, FollowContextAndContextStartEmptyAndAreKept) {
    THelpModel model(m_help.IndexPath());
    EXPECT_FALSE(model.GetFollowContext());
    EXPECT_EQ(model.GetContext(), "");
    model.SetFollowContext(true);
    model.SetContext("Reference\\Graph");
    EXPECT_TRUE(model.GetFollowContext());
    EXPECT_EQ(model.GetContext(), "Reference\\Graph");
    EXPECT_FALSE(THelpModel(m_help.IndexPath()).GetFollowContext()) << "not persisted";
}

} // namespace
