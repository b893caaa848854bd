#include "HelpLinks.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(HelpLinks, OnlyPagesBelowTheHelpFolderStayInThePane) {
    const QString help = QStringLiteral("/opt/clipwise/Help/");
    struct Case {
        QUrl url;
        bool inPane;
    };
    const Case cases[] = {
        {QUrl::fromLocalFile("/opt/clipwise/Help/Welcome.htm"), true},
        {QUrl::fromLocalFile("/opt/clipwise/Help/Reference/Clips.htm"), true},
        {QUrl("file:///opt/clipwise/Help/Reference/List.htm#counts"), true},
        {QUrl::fromLocalFile("/opt/clipwise/Help/Missing.HTML"), true},
        {QUrl::fromLocalFile("/opt/clipwise/Help/../Other/Page.htm"), false},
        {QUrl::fromLocalFile("/opt/clipwise/HelpExtra/Page.htm"), false},
        {QUrl::fromLocalFile("/opt/clipwise/Help/manual.pdf"), false},
        {QUrl::fromLocalFile("/home/coach/notes.htm"), false},
        {QUrl("https://example.org/Help/Welcome.htm"), false},
        {QUrl("mailto:support@example.org"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsHelpPage(c.url, help), c.inPane) << c.url.toString().toStdString();
    }
    EXPECT_FALSE(IsHelpPage(QUrl::fromLocalFile("/Welcome.htm"), ""))
        << "without a help folder nothing is a help page";
}

TEST(HelpLinks, PathsBecomeFileAddressesAndUrlsStay) {
    EXPECT_EQ(HelpAddress("/opt/Help/Reference/Clips.htm"),
              QUrl::fromLocalFile("/opt/Help/Reference/Clips.htm"));
    EXPECT_EQ(HelpAddress("/opt/Help/My page #1.htm").toLocalFile(), "/opt/Help/My page #1.htm");
    EXPECT_EQ(HelpAddress("Reference/Clips.htm"),
              QUrl::fromLocalFile(QDir::current().filePath("Reference/Clips.htm")));
    EXPECT_EQ(HelpAddress("https://example.org/a?b=c"), QUrl("https://example.org/a?b=c"));
    EXPECT_EQ(HelpAddress("file:///opt/Help/Welcome.htm"),
              QUrl::fromLocalFile("/opt/Help/Welcome.htm"));
}

} // namespace
