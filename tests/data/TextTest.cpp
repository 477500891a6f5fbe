#include "data/Errors.h"
#include "data/Text.h"

#include <gtest/gtest.h>

using namespace fennick;

TEST(Text, Windows1252RoundTrip) {
    const QByteArray all = [] {
        QByteArray b;
        for (int i = 0x20; i < 0x100; ++i) b.append(char(i));
        return b;
    }();
    EXPECT_EQ(Ansi(FromAnsi(all)), all);
    EXPECT_EQ(FromAnsi(QByteArray("\xE9")), QString::fromUtf8("é"));
    EXPECT_EQ(FromAnsi(QByteArray("\x80")), QString::fromUtf8("€"));
    EXPECT_EQ(Ansi(QString::fromUtf8("€é")), QByteArray("\x80\xE9"));
    EXPECT_EQ(Ansi(QString::fromUtf8("日")), QByteArray("?"));
}

TEST(Text, UpperCaseAndCompareByByteCode) {
    EXPECT_EQ(AnsiUpper(QByteArray("smith \xE9\x9A\xFF")), QByteArray("SMITH \xC9\x8A\x9F"));
    EXPECT_EQ(AnsiLower(QByteArray("ABC\xC9")), QByteArray("abc\xE9"));
    // blank < digits < capitals < small letters < high bytes
    EXPECT_LT(CompareBytes(" ", "0"), 0);
    EXPECT_LT(CompareBytes("9", "A"), 0);
    EXPECT_LT(CompareBytes("Z", "a"), 0);
    EXPECT_LT(CompareBytes("z", "\xE9"), 0);
    EXPECT_TRUE(EqualsNoCase(QByteArray("Smith"), QByteArray("SMITH")));
    EXPECT_FALSE(EqualsNoCase(QByteArray("Smith"), QByteArray("Smit")));
}

TEST(Text, FixedWidthAndPieces) {
    EXPECT_EQ(Fixed(QByteArray("Smith"), 8), QByteArray("Smith   "));
    EXPECT_EQ(Fixed(QByteArray("Johnsonville"), 5), QByteArray("Johns"));
    EXPECT_EQ(Trim(QByteArray("  a b  ")), QByteArray("a b"));
    EXPECT_EQ(Mid(QByteArray("abcdef"), 2, 3), QByteArray("bcd"));
    EXPECT_EQ(Mid(QByteArray("abc"), 5), QByteArray());
    EXPECT_EQ(Right(QByteArray("abc"), 5), QByteArray("abc"));
    EXPECT_EQ(InStr(QByteArray("abcabc"), QByteArray("c"), 4), 6);
    EXPECT_EQ(InStr(QByteArray("abc"), QByteArray("x")), 0);
    EXPECT_EQ(InStr(QByteArray("abc"), QByteArray()), 1);
}

TEST(Text, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
        bool numeric;
    };
    const Case cases[] = {
        {"12", 12, true},     {" 12 ", 12, true}, {"12abc", 12, false}, {"abc", 0, false},
        {"-5", -5, true},     {"3.4", 3.4, true}, {"1e3", 1000, true},  {"&H1F", 31, true},
        {"", 0, false},       {"1 2", 12, false}, {".5", 0.5, true},    {"+7", 7, true},
        {"12-", 12, false},   {"0012", 12, true},
        // Hex and octal numbers too long to hold stay at the largest value.
        {"&HFFFFFFFFFFFFFFFFFFFF", 9223372036854775807.0, true},
        {"&o7777777777777777777777777", 9223372036854775807.0, true},
        {"&h1g", 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.value) << c.text;
        EXPECT_EQ(IsNumeric(QString::fromLatin1(c.text)), c.numeric) << c.text;
    }
}

TEST(Text, NumberForms) {
    EXPECT_EQ(Str(qint64(12)), QStringLiteral(" 12"));
    EXPECT_EQ(Str(qint64(0)), QStringLiteral(" 0"));
    EXPECT_EQ(Str(qint64(-5)), QStringLiteral("-5"));
    EXPECT_EQ(Plain(-5), QStringLiteral("-5"));
    EXPECT_EQ(ZeroPad(42, 4), QStringLiteral("0042"));
    EXPECT_EQ(ZeroPad(12345, 4), QStringLiteral("2345"));
    EXPECT_EQ(ToInt16(2.5), 2);  // halves to even
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_THROW(ToInt16(32768), VbError);
    EXPECT_EQ(ClampInt16(99, 1, 40), 40);
    EXPECT_EQ(ClampInt16(-3, 0, 39), 0);
}
