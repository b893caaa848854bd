#include "AboutTexts.h"

#include "AboutController.h"
#include "AboutModelFactory.h"
#include "AboutViewFactory.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TAboutController MakeController(const QString& qualifier, const QString& years) {
    return TAboutController(
        std::make_shared<TAboutModelFactory>("Clipwise", "2.5.1", qualifier, "8/1/07", years),
        std::make_shared<TAboutViewFactory>([] { return nullptr; }));
}

TEST(AboutTexts, ReleaseDateInTheShortDateFormat) {
    EXPECT_EQ(AboutReleaseDate(QLocale(QLocale::English, QLocale::UnitedStates)), "8/1/07");
    EXPECT_EQ(AboutReleaseDate(QLocale(QLocale::German, QLocale::Germany)), "01.08.07");
}

TEST(AboutTexts, DialogTexts) {
    TAboutController plain = MakeController("", "2003-2007");
    EXPECT_EQ(AboutCaption(plain), "About Velmora Clipwise");
    EXPECT_EQ(AboutVersionLine(plain), "Version 2.5.1  (8/1/07)");
    EXPECT_TRUE(AboutNotice(plain).contains("2003-2007"));
    EXPECT_TRUE(AboutNotice(plain).contains("Velmora"));

    // Facts that look like place markers stay as they are.
    TAboutController odd = MakeController("beta %1", "100%");
    EXPECT_EQ(AboutVersionLine(odd), "Version 2.5.1 beta %1 (8/1/07)");
    EXPECT_TRUE(AboutNotice(odd).contains("100%"));
}

} // namespace
