// The number forms of the statistics reports.

#include "statistics/NumberForms.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(NumberForms, PicturesOfNumbersAndTexts) {
    const struct {
        double value;
        const char16_t* picture;
        const char* text;
    } numbers[] = {
        {0, u"####", ""},         {0, u"###", ""},         {0, u"##", ""},          {0, u"##########", ""},
        {7, u"####", "7"},        {1234, u"###", "1234"},  {12345, u"##########", "12345"},
        {2.5, u"##", "3"},        {3.5, u"##", "4"},       {-2.5, u"##", "-3"},     {0.49, u"##", ""},
        {-0.4, u"##", ""},        {-12, u"####", "-12"},   {45.0, u"##", "45"},     {36.428571, u"##", "36"},
        {0, u"0%", "0%"},         {0, u"#%", "%"},         {0, u"  #%", "  %"},     {0.004, u"#%", "%"},
        {0.005, u"#%", "1%"},     {0.5, u"0%", "50%"},     {1, u"0%", "100%"},      {2.5, u"#%", "250%"},
        {0.125, u"0%", "13%"},    {0.145, u"0%", "15%"},   {29.0 / 200, u"#%", "15%"},  // 14.4999... in binary
        {2.0 / 3, u"  #%", "  67%"}, {-0.25, u"0%", "-25%"}, {-0.004, u"#%", "%"},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(Picture(n.value, QStringView(n.picture)), QString::fromLatin1(n.text))
            << n.value << " under " << QString::fromUtf16(n.picture).toStdString();

    const struct {
        const char* text;
        const char* out;
    } texts[] = {{"na", "na"}, {"NIF", "NIF"}, {"10-19", "10-19"}, {"70+", "70+"}, {"", ""}, {"42.5", "43"}, {" 7 ", "7"}};
    for (const auto& t : texts)
        EXPECT_EQ(Picture(QString::fromLatin1(t.text), u"##"), QString::fromLatin1(t.out)) << t.text;
}

TEST(NumberForms, PrintedNumbers) {
    const struct {
        qint64 n;
        const char *bare, *signBlank, *digits;
    } rows[] = {{0, " 0 ", " 0", "0"}, {12, " 12 ", " 12", "12"}, {-5, "-5 ", "-5", "-5"}, {32767, " 32767 ", " 32767", "32767"}};
    for (const auto& r : rows) {
        EXPECT_EQ(BareNumber(r.n), QString::fromLatin1(r.bare));
        EXPECT_EQ(SignBlank(r.n), QString::fromLatin1(r.signBlank));
        EXPECT_EQ(Digits(r.n), QString::fromLatin1(r.digits));
    }
    EXPECT_EQ(BareNumber(37.5), QStringLiteral(" 37.5 "));
    EXPECT_EQ(BareNumber(-0.25), QStringLiteral("-0.25 "));
    EXPECT_EQ(BareNumber(45.0), QStringLiteral(" 45 "));
}

TEST(NumberForms, RatiosWithAZeroDivisorGiveAnEmptyCell) {
    EXPECT_EQ(Ratio(3, 0, u"#%"), QString());
    EXPECT_EQ(Ratio(0, 0, u"0%"), QString());
    EXPECT_EQ(Ratio(0, 4, u"0%"), QStringLiteral("0%"));
    EXPECT_EQ(Ratio(0, 4, u"#%"), QStringLiteral("%"));
    EXPECT_EQ(Ratio(1, 8, u"0%"), QStringLiteral("13%"));
    EXPECT_EQ(Ratio(5, 10, u"  #%"), QStringLiteral("  50%"));
}

TEST(NumberForms, RoundingRules) {
    const struct {
        double v, away, even;
    } rows[] = {{0.5, 1, 0}, {1.5, 2, 2}, {2.5, 3, 2}, {-0.5, -1, 0}, {-2.5, -3, -2}, {2.4999, 2, 2}, {14.499999999999998, 15, 14}};
    for (const auto& r : rows) {
        EXPECT_EQ(RoundHalfAway(r.v), r.away) << r.v;
        EXPECT_EQ(RoundHalfEven(r.v), r.even) << r.v;
    }
}

}  // namespace
}  // namespace fennick
