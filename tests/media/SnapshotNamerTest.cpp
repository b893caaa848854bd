#include "SnapshotNamer.h"

#include <TestSupport.h>

#include <QDir>

#include <gtest/gtest.h>

using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Name(const QString& path) {
    return QDir(path).dirName();
}

const QDateTime kNoon(QDate(2024, 3, 9), QTime(12, 5, 7, 42));

TEST(SnapshotNamer, SequentialContinuesAfterTheHighestExistingNumber) {
    TTempDir dir;
    for (const char* name : {"am000007.bmp", "am000003.bmp", "am000099.jpg", "amx.bmp", "am12x.bmp",
                             "other000050.bmp"}) {
        WriteFile(dir.File(name), "x");
    }
    TSnapshotNamer namer;
    const auto next = [&](const char* ext) {
        return Name(
            namer.NextFileName(TAutoFileName::fnSequential, Q(dir.Path()), "am", ext, kNoon));
    };
    EXPECT_EQ(next("bmp"), "am000008.bmp");
    EXPECT_EQ(next("bmp"), "am000009.bmp");
    // One counter per extension.
    EXPECT_EQ(next("jpg"), "am000100.jpg");
    EXPECT_EQ(next("bmp"), "am000010.bmp");
}

TEST(SnapshotNamer, EmptyFolderStartsAtOneAndLongerPrefixesReadTheirNumber) {
    TTempDir dir;
    TSnapshotNamer namer;
    EXPECT_EQ(QDir(dir.Path().c_str()).filePath("am000001.bmp"),
              namer.NextFileName(TAutoFileName::fnSequential, Q(dir.Path()), "am", "bmp", kNoon));
    WriteFile(dir.File("snap000041.jpg"), "x");
    EXPECT_EQ(
        Name(namer.NextFileName(TAutoFileName::fnSequential, Q(dir.Path()), "snap", "jpg", kNoon)),
        "snap000042.jpg");
}

TEST(SnapshotNamer, SharedCounterSkipsNamesTakenInAnotherFolder) {
    TTempDir first;
    TTempDir second;
    TSnapshotNamer namer;
    EXPECT_EQ(
        Name(namer.NextFileName(TAutoFileName::fnSequential, Q(first.Path()), "am", "bmp", kNoon)),
        "am000001.bmp");
    WriteFile(second.File("am000002.bmp"), "keep");
    EXPECT_EQ(
        Name(namer.NextFileName(TAutoFileName::fnSequential, Q(second.Path()), "am", "bmp", kNoon)),
        "am000003.bmp");
}

TEST(SnapshotNamer, DateTimeStamp) {
    TSnapshotNamer namer;
    EXPECT_EQ(namer.NextFileName(TAutoFileName::fnDateTime, "/shots", "am", "jpg", kNoon),
              "/shots/am240309_120507_042.jpg");
}

} // namespace
