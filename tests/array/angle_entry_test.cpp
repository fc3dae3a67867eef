// Angle entry: what the Angle edit accepts, what it refuses and with which message.
#include "array/angle_entry.h"

#include <gtest/gtest.h>

#include "platform/win/message_box.h"

namespace {

constexpr const char* kUnexpected = "Unexpected character in angle";
constexpr const char* kDegrees = "Degrees entry out of range. Must be +- 0-360.";
constexpr const char* kMinutes = "Minutes entry out of range. Must be 0-60.";
constexpr const char* kMinutesTurn = "Minutes entry out of range. Must be 0-21600.";

struct AngleCase {
    const char* text;
    int16_t minutes;          // when accepted
    const char* message;      // null: accepted
};

class ParseAngleTest : public ::testing::TestWithParam<AngleCase> {
protected:
    void SetUp() override { ClearShownMessageBoxes(); }
};

TEST_P(ParseAngleTest, Parses) {
    const AngleCase& c = GetParam();
    int16_t minutes = 12345;
    const int result = ParseAngle(c.text, minutes);
    if (c.message == nullptr) {
        EXPECT_EQ(result, 1);
        EXPECT_EQ(minutes, c.minutes);
        EXPECT_TRUE(ShownMessageBoxes().empty());
        return;
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(minutes, 12345);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.Text, c.message);
    EXPECT_EQ(box.Owner, 0u);
    EXPECT_EQ(box.Caption, kDefaultMessageBoxCaption);
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParseAngleTest, ::testing::Values(
    AngleCase{"45", 2700, nullptr}, AngleCase{"10 30", 630, nullptr},
    AngleCase{"10.5", 630, nullptr}, AngleCase{"10.25", 615, nullptr},
    AngleCase{"10.9999", 659, nullptr}, AngleCase{"-90", -5400, nullptr},
    AngleCase{"90'", 90, nullptr}, AngleCase{"-90'", -5400, nullptr},
    AngleCase{"10'30", 10, nullptr}, AngleCase{"5 '", 300, nullptr},
    AngleCase{"-10 30", -630, nullptr}, AngleCase{"", 0, nullptr}, AngleCase{"   ", 0, nullptr},
    AngleCase{".", 0, nullptr}, AngleCase{"  45", 2700, nullptr}, AngleCase{"360", 21600, nullptr},
    AngleCase{"-360.0", -21600, nullptr}, AngleCase{"21600'", 21600, nullptr},
    AngleCase{"10 60", 660, nullptr}, AngleCase{"0.00000000000000000001", 0, nullptr}));

INSTANTIATE_TEST_SUITE_P(Refused, ParseAngleTest, ::testing::Values(
    AngleCase{"-", 0, kUnexpected}, AngleCase{"10 30 ", 0, kUnexpected},
    AngleCase{"1a", 0, kUnexpected}, AngleCase{"10.5.5", 0, kUnexpected},
    AngleCase{"4-5", 0, kUnexpected}, AngleCase{"360 30", 0, kDegrees},
    AngleCase{"361", 0, kDegrees}, AngleCase{"360.5", 0, kDegrees},
    AngleCase{"99999999999999999999", 0, kDegrees}, AngleCase{"10 61", 0, kMinutes},
    AngleCase{"21601'", 0, kMinutesTurn}));

TEST(ParseAngle, OnlyTheFirst255CharactersCount) {
    std::string text = "45" + std::string(253, '0');   // 255 characters: a huge number
    int16_t minutes = 0;
    ClearShownMessageBoxes();
    EXPECT_EQ(ParseAngle(text, minutes), 0);
    text = std::string(300, ' ') + "1 5" + std::string(252, ' ') + "x";
    EXPECT_EQ(ParseAngle(text, minutes), 0);   // blanks after the separator are refused
    text = "1 5" + std::string(252, '0') + "x";   // the x is cut away
    EXPECT_EQ(ParseAngle(text, minutes), 0);   // ... but 50000... minutes are out of range
    ASSERT_EQ(ShownMessageBoxes().size(), 3u);
    EXPECT_EQ(ShownMessageBoxes()[2].Text, kMinutes);
}

struct FormatCase {
    int32_t minutes;
    const char* text;
};

class FormatAngleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatAngleTest, DegreesThenMinutes) {
    std::string text;
    EXPECT_EQ(FormatAngle(GetParam().minutes, text), 1);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatAngleTest, ::testing::Values(
    FormatCase{0, "0"}, FormatCase{5400, "90"}, FormatCase{630, "10 30'"}, FormatCase{59, "0 59'"},
    FormatCase{-630, "-10 -30'"}, FormatCase{21600, "360"}, FormatCase{-32768, "-546 -8'"}));

}  // namespace
