#include "mainwindow/FieldRules.h"

#include "data/Messages.h"

#include <gtest/gtest.h>

#include <optional>

namespace fennick {
namespace {

struct TextCase {
    const char* in;
    const char* out;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.in << '"';
}

std::optional<QString> Opt(const char* s) {
    return s ? std::optional<QString>(QString::fromUtf8(s)) : std::nullopt;
}

// Each case: a text and what the rule makes of it.
template <typename Rule>
void ExpectTexts(Rule rule, std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) EXPECT_EQ(rule(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

// Each case: a text and what the check accepts it as (nullptr: refused).
template <typename Check>
void ExpectAccepted(Check check, std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) EXPECT_EQ(check(QString::fromUtf8(c.in)), Opt(c.out)) << c.in;
}

// --- Address -----------------------------------------------------------------------------------

class AddressTest : public testing::TestWithParam<TextCase> {};

TEST_P(AddressTest, Normalises) {
    EXPECT_EQ(NormaliseAddress(QString::fromUtf8(GetParam().in)), QString::fromUtf8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    FieldRules, AddressTest,
    testing::Values(
        // The rule's own examples.
        TextCase{"123 main street apt 4b", "123 Main St #4B"}, TextCase{"po box 12", "po Box 12"},
        TextCase{"12 pobox 3", "12 PO Box 3"}, TextCase{"1 north ne road", "1 North NE Rd"},
        TextCase{"5 Oak Av", "5 Oak Ave"}, TextCase{"5 Oak Ave", "5 Oak Ave"}, TextCase{"", "Address Unknown"},
        TextCase{"   ", "Address Unknown"}, TextCase{"12 p o box 5", "12 PO Box 5"},
        TextCase{"9  elm   court.", "9 Elm Ct"}, TextCase{"4 high way 9", "4 Hwy 9"},
        TextCase{"7 sunset highway", "7 Sunset Hwy"}, TextCase{"3 first avenue", "3 First Ave"},
        TextCase{"8 ring circle", "8 Ring Cir"}, TextCase{"2 oak place", "2 Oak Pl"},
        TextCase{"6 park wy", "6 Park Way"}, TextCase{"1 sea bvd", "1 Sea Blvd"},
        TextCase{"5 sw 3rd st se", "5 SW 3rd St SE"}, TextCase{"10 main st apt # 5", "10 Main St #5"},
        TextCase{"10 main st apt# 5", "10 Main St #5"}, TextCase{"10 main st apt#5c", "10 Main St #5C"},
        TextCase{"10 main st appartment 2", "10 Main St #2"}, TextCase{"10 main st # no 5", "10 Main St #5"},
        TextCase{"10 main st #no5", "10 Main St #5"}, TextCase{"10 main st ##5", "10 Main St #5"},
        // Whole words only.
        TextCase{"2 avalon dr", "2 Avalon Dr"}, TextCase{"45 Courtney Lane", "45 Courtney Ln"},
        TextCase{"45 courtney court", "45 Courtney Ct"}, TextCase{"8 roadrunner trl", "8 Roadrunner Trl"},
        TextCase{"3 placer way", "3 Placer Way"}, TextCase{"12 lanesboro rd", "12 Lanesboro Rd"},
        TextCase{"7 oak av apt 3", "7 Oak Ave #3"}, TextCase{"7 oak wy #2", "7 Oak Way #2"},
        TextCase{"1 main street, rear", "1 Main St, Rear"},
        // "No" goes only straight after "#"; the apartment letter is that of the "#" word.
        TextCase{"5 oak st #4 north", "5 Oak St #4 North"}, TextCase{"5 oak st #12b rear", "5 Oak St #12B Rear"},
        TextCase{"5 oak st #nob", "5 Oak St #NoB"}, TextCase{"40 norton st", "40 Norton St"}));

// --- Telephone ---------------------------------------------------------------------------------

class PhoneTest : public testing::TestWithParam<TextCase> {};

TEST_P(PhoneTest, Normalises) {
    EXPECT_EQ(NormalisePhone(QString::fromUtf8(GetParam().in)), QString::fromUtf8(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(FieldRules, PhoneTest,
                         testing::Values(TextCase{"(555) 123-4567", "555-123-4567"}, TextCase{"555 1234", "555-1234"},
                                         TextCase{"12345", "12345"}, TextCase{"", "Unknown"}, TextCase{"  ", "Unknown"},
                                         TextCase{"Unknown", "Unknown"}, TextCase{"5551234567", "555-123-4567"},
                                         TextCase{"555-1234", "555-1234"}, TextCase{" (555)1234567 ", "555-123-4567"},
                                         TextCase{"1-800-555-1234", "18005551234"}));

// --- First name / city -------------------------------------------------------------------

TEST(FieldRules, ProperFirstText) {
    ExpectTexts(ProperFirstText, {{"mary", "Mary"},
                                  {"", "Unknown"},
                                  {"  ", "Unknown"},
                                  {" mcDonald", "McDonald"},
                                  {"\xc3\xa9mile", "\xc3\x89mile"},
                                  {"Ann marie", "Ann marie"}});
}

// --- Zip and postal code ---------------------------------------------------------------------

TEST(FieldRules, NormaliseZip) {
    struct Case {
        const char* in;
        const char* out;
        bool canadian;
    };
    const Case cases[] = {
        {"", "NoZip", false},          {"  ", "NoZip", false},       {"NoZip", "NoZip", false},
        {"12345", "12345", false},     {" 12345 ", "12345", false},  {"12345-6789", "12345-6789", false},
        {"k1a0b1", "K1A 0B1", true},   {"k1a 0b1", "K1A 0B1", true}, {"nozip", "NoZip", true},
        {"k1a0b1zz", "K1A 0B1", true}, {"k1a", "K1A", true},
    };
    for (const auto& c : cases) {
        const ZipText z = NormaliseZip(QString::fromUtf8(c.in));
        EXPECT_EQ(z.text, QString::fromUtf8(c.out)) << c.in;
        EXPECT_EQ(z.canadian, c.canadian) << c.in;
    }
}

TEST(FieldRules, ZipLookupKey) {
    EXPECT_EQ(ZipLookupKey(QStringLiteral("12345"), false), QByteArray("12345     "));
    EXPECT_EQ(ZipLookupKey(QStringLiteral("K1A 0B1"), false), QByteArray("K1A 0B1   "));
    EXPECT_EQ(ZipLookupKey(QStringLiteral("K1A 0B1"), true), QByteArray("K1A       "));
    EXPECT_EQ(ZipLookupKey(QStringLiteral("NoZip"), true), QByteArray("NoZip     "));
    EXPECT_EQ(ZipLookupKey(QStringLiteral("123456789012"), false), QByteArray("1234567890"));
}

TEST(FieldRules, ZipTableEntries) {
    const QByteArray entry = NewZipEntry("12345     ", QStringLiteral("TX"), QStringLiteral("Springfield City Ext"));
    EXPECT_EQ(entry, QByteArray("12345     TX00Springfield Cit   1"));
    EXPECT_EQ(entry.size(), 33);
    EXPECT_EQ(ZipEntryState(entry), QByteArray("TX"));
    EXPECT_EQ(ZipEntryTeam(entry), QByteArray("00"));
    EXPECT_EQ(ZipEntryCity(entry), QByteArray("Springfield Cit"));
    // A one-letter state keeps the layout.
    EXPECT_EQ(NewZipEntry("K1A       ", QStringLiteral("O"), QStringLiteral("Ottawa")),
              QByteArray("K1A       O 00Ottawa            1"));

    EXPECT_EQ(WithZipCity("12345     TX07Springfield      12", QStringLiteral("Dover")),
              QByteArray("12345     TX07Dover            12"));
    EXPECT_EQ(WithZipCountRaised("12345     TX07Dover            12"), QByteArray("12345     TX07Dover            13"));
    EXPECT_EQ(WithZipCountRaised("12345     TX07Dover           999"), QByteArray("12345     TX07Dover          1000"));
    EXPECT_EQ(WithZipCountRaised("12345     TX07Dover          9999"), QByteArray("12345     TX07Dover          9999"));
}

TEST(FieldRules, FindZipEntryMatchesTheKeyOnly) {
    QList<QByteArray> table(6);
    table[0] = "0";
    table[1] = "12345     TX00Dover            1";
    table[2] = "54321     TX0712345     x      1";  // the key inside the city does not count
    table[3] = "12345678  TX00Avon             1";
    table[4] = "NotSaved";
    EXPECT_EQ(FindZipEntry(table, 3, "12345     "), 1);
    EXPECT_EQ(FindZipEntry(table, 3, "54321     "), 2);
    EXPECT_EQ(FindZipEntry(table, 3, "12345678  "), 3);
    EXPECT_EQ(FindZipEntry(table, 3, "NotSaved  "), -1);
    EXPECT_EQ(FindZipEntry(table, 1, "54321     "), -1);
    EXPECT_EQ(FindZipEntry(table, 99, "99999     "), -1);
}

// --- Registration number, team, interest level -------------------------------------------------

TEST(FieldRules, RegistrationNumbers) {
    ExpectAccepted(ParseRegNumber, {{"12", "0012"},
                                    {"7", "0007"},
                                    {" 0042 ", "0042"},
                                    {"9999", "9999"},
                                    {"0", "0000"},
                                    {"-5", nullptr},
                                    {"1.5", nullptr},
                                    {"1e3", nullptr},
                                    {"12345", nullptr},
                                    {"12a", nullptr},
                                    {"&H1F", nullptr},
                                    {"", nullptr},
                                    {"1 2", nullptr}});
}

TEST(FieldRules, TeamCodes) {
    ExpectAccepted(ParseTeamCode, {{"7", "07"},
                                   {"5", "05"},
                                   {"05", "05"},
                                   {"", "00"},
                                   {"00", "00"},
                                   {"40", "40"},
                                   {" 12 ", "12"},
                                   {"41", nullptr},
                                   {"99", nullptr},
                                   {"3a", nullptr},
                                   {"##", nullptr},
                                   {"-1", nullptr},
                                   {"007", nullptr},
                                   {"1.5", nullptr}});
}

TEST(FieldRules, InterestLevels) {
    ExpectAccepted(ParseInterestLevel, {{"b", "B"},
                                        {"A", "A"},
                                        {"g", "G"},
                                        {" ", " "},
                                        {"", ""},
                                        {"h", nullptr},
                                        {"1", nullptr},
                                        {"AB", nullptr},
                                        {"@", nullptr}});
}

// --- Church -----------------------------------------------------------------------------------

TEST(FieldRules, ChurchCompletion) {
    const QStringList names = {QStringLiteral("Baptist"), QStringLiteral("Catholic"), QStringLiteral("Bible Church"),
                               QStringLiteral("SDA")};
    EXPECT_EQ(FindChurch(names, QStringLiteral("b")), 0);
    EXPECT_EQ(FindChurch(names, QStringLiteral("BI")), 2);
    EXPECT_EQ(FindChurch(names, QStringLiteral("sd")), 3);
    EXPECT_EQ(FindChurch(names, QStringLiteral("x")), -1);
    EXPECT_EQ(FindChurch(names, QStringLiteral("Catholics")), -1);
}

TEST(FieldRules, ChurchRewrites) {
    ExpectTexts(RewriteChurch, {{"sda", "SDA"},
                                {"Adventist", "SDA"},
                                {"church of christ", "ChChrist"},
                                {"Church of God", "ChGod"},
                                {"church of god 7th day", "CG7th Day"},
                                {"seventh day church of god", "CG7th Day"},
                                {"", "UnSpecified"},
                                {"none specified", "UnSpecified"},
                                {"none", "NoChurch"},
                                {"non denominational", "NoDenomination"},
                                {"no denomination", "NoDenomination"},
                                {"assemblies of god", "Pentecostal"},
                                {"Assemblies", "Pentecostal"},
                                {"assembly of god", "Pentecostal"},
                                {"assembly", "Pentecostal"},
                                {"United Apostolic", "Pentecostal"},
                                {"four square", "Pentacostal"},
                                {"mormon", "LDS"},
                                {"Baptist", "Baptist"},
                                {"church of gods", "church of gods"}});
}

// --- Age, e-mail -------------------------------------------------------------------------------

TEST(FieldRules, AgeGroups) {
    const std::array<QString, 8> names = {QStringLiteral("NIF"),   QStringLiteral("10-19"), QStringLiteral("20-29"),
                                          QStringLiteral("30-39"), QStringLiteral("40-49"), QStringLiteral("50-59"),
                                          QStringLiteral("60-70"), QStringLiteral("70+")};
    ExpectAccepted([&](const QString& t) { return AgeGroupFromKey(t, names); }, {{"0", "NIF"},
                                                                                 {"3", "30-39"},
                                                                                 {"9", "70+"},
                                                                                 {"8", "70+"},
                                                                                 {"7", "70+"},
                                                                                 {"", "NIF"},
                                                                                 {" ", "NIF"},
                                                                                 {"1", "10-19"},
                                                                                 {"30-39", "30-39"},
                                                                                 {"NIF", "NIF"},
                                                                                 {"x", nullptr},
                                                                                 {".", nullptr}});
}

TEST(FieldRules, EmailAt) {
    ExpectTexts(EmailAt, {{"mary at example.com", "mary@example.com"},
                          {"mary@example.com", "mary@example.com"},
                          {"pat at home at work", "pat@home at work"},
                          {"matt@atlas.com", "matt@atlas.com"},
                          {"", ""}});
}

// --- Dates -------------------------------------------------------------------------------------

TEST(FieldRules, DateStepping) {
    struct Case {
        const char* in;
        int days;
        const char* out;
    };
    const Case cases[] = {
        {"01/31/09", 1, "02/01/09"},
        {"02/28/09", 1, "03/01/09"},
        {"03/01/09", -1, "02/28/09"},
        {"1/5/09", 1, "01/06/09"},
        {"12/31/09", 1, "01/01/10"},
        {"01/01/10", -1, "12/31/09"},
        {"12/31/99", 1, "01/01/00"},
        {"01/01/00", -1, "12/31/99"},
        {"02/28/08", 1, "02/29/08"},
        {"03/01/08", -1, "02/29/08"},
        {"04/30/09", 1, "05/01/09"},
        {"05/01/09", -1, "04/30/09"},
        {"1/5/2009", 1, "01/06/09"},
        {"06/15/09", -1, "06/14/09"},
        // Not a date: nothing happens.
        {"", 1, nullptr},
        {"5", 1, nullptr},
        {"5/", -1, nullptr},
        {"13/01/09", 1, nullptr},
        {"02/30/09", 1, nullptr},
        {"ab/cd/ef", 1, nullptr},
        {"12:00AM", 1, nullptr},
        {"1/5/9", 1, nullptr},
        {"1/5/09/1", 1, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepDate(QString::fromUtf8(c.in), c.days), Opt(c.out)) << c.in << " " << c.days;
}

TEST(FieldRules, DateWidening) {
    ExpectTexts(WidenDate, {{"5/3/09", "05/03/09"},
                            {"5/13/09", "05/13/09"},
                            {"12/3/09", "12/03/09"},
                            {"05/03/09", "05/03/09"},
                            {"", ""},
                            {"5", "5"}});
}

// --- Visits, notes -------------------------------------------------------------------------------

TEST(FieldRules, VisitFrameCodes) {
    ExpectTexts(VisitFrameCode, {{"H5", "h05"}, {"h5", "h05"}, {"m12", "m12"}, {"h123", ""}, {"", ""}, {"h", ""}});
}

TEST(FieldRules, NotesLimits) {
    const QString limit = QStringLiteral("You have reached the limit for Notes.") + NewLine +
                          QStringLiteral("The maximum length allowed for notes is 150 characters.");
    const QString ten = QStringLiteral("You only have space for 10 more characters in this box.");
    const QString lines = QStringLiteral("You cannot enter multiple lines in this box.");
    const QString comma = QStringLiteral("You cannot enter a comma in this box.");
    struct Case {
        int length;
        int key;
        QStringList messages;
        bool cut;
        bool refuse;
    };
    const Case cases[] = {
        {0, 65, {}, false, false},
        {139, 65, {}, false, false},
        {140, 65, {ten}, false, false},
        {141, 65, {}, false, false},
        {150, 65, {limit}, true, false},
        {152, 8, {limit}, true, false},
        {10, 13, {lines}, false, true},
        {10, 188, {comma}, false, true},
        {140, 188, {ten, comma}, false, true},
        {150, 13, {limit, lines}, true, true},
    };
    for (const auto& c : cases) {
        const NotesKeyCheck r = CheckNotesKey(c.length, c.key);
        EXPECT_EQ(r.messages, c.messages) << c.length << " " << c.key;
        EXPECT_EQ(r.cut, c.cut) << c.length << " " << c.key;
        EXPECT_EQ(r.refuse, c.refuse) << c.length << " " << c.key;
    }
}

// --- Advertising -------------------------------------------------------------------------------

TEST(FieldRules, AdvertisingAnswers) {
    struct Case {
        const char* stored;
        const char* answer;
        const char* inviter;  // the name the second question would give
        bool nightOne;
        const char* result;
    };
    const Case cases[] = {
        {".......", "MT", "", false, ".M.T..."},
        {".M.T...", "M", "", false, "...T..."},
        {"", "n", "", false, "N......"},
        {".......", "I-Smith", "Smith", false, "......I-Smith"},
        {".......", "I-Smith", "Smith", true, "....P.I-Smith"},
        {"....P.I-Smith", "I", "", false, "......."},
        {".......", "XYZ", "", false, "......."},
        {".......", "MI-Jones", "Jones", false, ".M....I-Jones"},
        {".......", "MM", "", false, ".M....."},
        {".M.....", "MM", "", false, "......."},
        {".......", "I", "Brown", false, "......I-Brown"},
        {".......", "I", "", false, "......I"},
        // Letters without "I" ignore a name after the dash.
        {".......", "M-Smith", "", false, ".M....."},
        // A stored field with stray characters counts them as not marked.
        {"xM?T...", "R", "", false, ".MRT..."},
    };
    for (const auto& c : cases) {
        AdvertisingFlags flags(QString::fromUtf8(c.stored));
        const AdvertisingAnswer answer = AdvertisingFlags::parseAnswer(QString::fromUtf8(c.answer));
        flags.apply(answer, QString::fromUtf8(c.inviter), c.nightOne);
        EXPECT_EQ(flags.text(), QString::fromUtf8(c.result)) << c.stored << " + " << c.answer;
    }
}

TEST(FieldRules, AdvertisingAnswerParts) {
    struct Case {
        const char* answer;
        const char* letters;
        const char* name;
        bool marks;  // on "......."
    };
    const Case cases[] = {
        {"I-Smith", "I", "Smith", true}, {"mi- Jones ", "MI", "Jones", true}, {"I", "I", "", true},
        {"I-", "I", "", true},           {"M-Smith", "M", "Smith", false},    {"MT", "MT", "", false},
        {"-Smith", "", "Smith", false},
    };
    const AdvertisingFlags empty(QStringLiteral("......."));
    for (const auto& c : cases) {
        const AdvertisingAnswer a = AdvertisingFlags::parseAnswer(QString::fromUtf8(c.answer));
        EXPECT_EQ(a.letters, QString::fromUtf8(c.letters)) << c.answer;
        EXPECT_EQ(a.name, QString::fromUtf8(c.name)) << c.answer;
        EXPECT_EQ(empty.marksInviter(a), c.marks) << c.answer;
    }
    EXPECT_FALSE(AdvertisingFlags(QStringLiteral("......I-Smith")).marksInviter(AdvertisingFlags::parseAnswer("I")));
    EXPECT_TRUE(AdvertisingFlags::nameFits(QStringLiteral("Abcdefghijkl")));
    EXPECT_FALSE(AdvertisingFlags::nameFits(QStringLiteral("Abcdefghijklm")));
}

}  // namespace
}  // namespace fennick
