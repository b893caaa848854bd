#include "HelpLocation.h"

#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using testsupport::TTempDir;

namespace {

TEST(HelpLocation, BesideTheProgramFirstThenTheInstalledShare) {
    TTempDir dir;
    const QString root = QString::fromStdString(dir.Path());
    const QString bin = root + "/bin";
    const QString installed = root + "/share/clipwise/Help/index.txt";
    const QString beside = bin + "/Help/index.txt";
    QDir().mkpath(bin);
    EXPECT_EQ(FindHelpIndex(bin), beside) << "neither: the first place looked at";

    QDir().mkpath(root + "/share/clipwise/Help");
    testsupport::WriteFile(installed.toStdString(), "Welcome\n");
    EXPECT_EQ(FindHelpIndex(bin), installed);
    EXPECT_EQ(FindHelpIndex(bin + "/"), installed);

    QDir().mkpath(bin + "/Help");
    testsupport::WriteFile(beside.toStdString(), "Welcome\n");
    EXPECT_EQ(FindHelpIndex(bin), beside);
}

} // namespace
