#include "KivDateTime.h"
#include "MatchStatFile.h"

#include <gtest/gtest.h>

namespace {

struct TParseCase {
    const char* text;
    bool valid;
    kivdatetime::TDateTimeParts expected;
};

class ParseTest : public ::testing::TestWithParam<TParseCase> {};

TEST_P(ParseTest, ReadsDayMonthYearAndOptionalTime) {
    const TParseCase& c = GetParam();
    std::optional<double> value = kivdatetime::Parse(c.text);
    ASSERT_EQ(value.has_value(), c.valid) << c.text;
    if (!c.valid) {
        return;
    }
    kivdatetime::TDateTimeParts p = kivdatetime::Decode(*value);
    EXPECT_EQ(p.year, c.expected.year);
    EXPECT_EQ(p.month, c.expected.month);
    EXPECT_EQ(p.day, c.expected.day);
    EXPECT_EQ(p.hour, c.expected.hour);
    EXPECT_EQ(p.minute, c.expected.minute);
    EXPECT_EQ(p.second, c.expected.second);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseTest,
    ::testing::Values(TParseCase{"12-03-05", true, {2005, 3, 12, 0, 0, 0, 0}},
                      TParseCase{"12.3.2005 7:5:9", true, {2005, 3, 12, 7, 5, 9, 0}},
                      TParseCase{"12/03/2005 23:59:59", true, {2005, 3, 12, 23, 59, 59, 0}},
                      TParseCase{"05-08-2006 00:10:00", true, {2006, 8, 5, 0, 10, 0, 0}},
                      TParseCase{"29-02-2008", true, {2008, 2, 29, 0, 0, 0, 0}},
                      TParseCase{"1-1-99", true, {2099, 1, 1, 0, 0, 0, 0}},
                      // The written form is read the same way as the others.
                      TParseCase{"01-01-0099 00:00:00", true, {2099, 1, 1, 0, 0, 0, 0}},
                      TParseCase{"31.12.2005T23-59-58", true, {2005, 12, 31, 23, 59, 58, 0}},
                      TParseCase{"30-12-1899", true, {1899, 12, 30, 0, 0, 0, 0}},
                      TParseCase{"12-13-2005", false, {}}, TParseCase{"29-02-2007", false, {}},
                      TParseCase{"00-01-2005", false, {}},
                      TParseCase{"12-03-2005 24:00:00", false, {}},
                      TParseCase{"12-03-2005 10:60:00", false, {}},
                      TParseCase{"12-03-2005 10", false, {}}, TParseCase{"12-03", false, {}},
                      TParseCase{"", false, {}},
                      TParseCase{"99999999999999999999-1-2005", false, {}}));

TEST(KivDateTime, DayZeroIsThe30thOfDecember1899AndFormatRoundTrips) {
    EXPECT_EQ(*kivdatetime::Parse("30-12-1899"), 0.0);
    EXPECT_EQ(*kivdatetime::Parse("31-12-1899 12:00:00"), 1.5);
    double value = *kivdatetime::Parse("5-8-2006 7:05:09");
    EXPECT_EQ(kivdatetime::Format(value), "05-08-2006 07:05:09");
}

TEST(KivDateTime, TimeOfDayIsInWholeMilliseconds) {
    // 00:10:00 is exactly 600 s however the double rounds.
    EXPECT_EQ(kivdatetime::TimeOfDayMs(*kivdatetime::Parse("05-08-2006 00:10:00")), 600'000);
    EXPECT_EQ(kivdatetime::TimeOfDayMs(600.0 / 86400.0), 600'000);
    EXPECT_EQ(kivdatetime::TimeOfDayMs(38934.0 + 599.9996 / 86400.0), 600'000);
    EXPECT_EQ(kivdatetime::TimeOfDayMs(38934.0 + 86399.9999 / 86400.0), 0);
}

TEST(KivDateTime, DayAndTimeOfDaySplitInWholeMillisecondsAlsoBeforeDayZero) {
    struct TCase {
        double value;
        std::int64_t day;
        std::int64_t timeOfDayMs;
    };
    for (const TCase& c :
         {TCase{0.0, 0, 0}, TCase{38934.5, 38934, 43'200'000},
          // 18:00 on 29 December 1899 belongs to day -1, not day 0.
          TCase{-0.25, -1, 64'800'000}, TCase{-1.0, -1, 0}, TCase{-1.5, -2, 43'200'000},
          // Half a millisecond before midnight rounds into the next day.
          TCase{1.0 - 0.0004 / 86400, 1, 0}}) {
        EXPECT_EQ(kivdatetime::DayNumber(c.value), c.day) << c.value;
        EXPECT_EQ(kivdatetime::TimeOfDayMs(c.value), c.timeOfDayMs) << c.value;
        EXPECT_EQ(kivdatetime::TotalMs(c.value), c.day * kivdatetime::kMsPerDay + c.timeOfDayMs)
            << c.value;
    }
    EXPECT_DOUBLE_EQ(3.2 * kivdatetime::kSecond * kivdatetime::kSecondsPerDay, 3.2);
}

TEST(KivDateTime, AttributeErrorNamesAttributeAndElement) {
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetAttribute("DateTime", "12-13-2005");
    try {
        (void)match->DateTime();
        FAIL() << "no error";
    } catch (const EKivXmlError& e) {
        EXPECT_STREQ(e.what(),
                     "Attribute named \"DateTime\" in element with id \"3\" is not a datetime.");
    }
    match->SetDateTime(*kivdatetime::Parse("1-2-2003 4:05:06"));
    EXPECT_EQ(match->GetAttribute("DateTime"), "01-02-2003 04:05:06");
}

} // namespace
