// The fast search, comment strip and define look-up against a literal reference of the scanning rules:
// step character by character, compare at each step, delete comments in place, walk lines from the start.
// Slow on purpose; random texts of syntax pieces and random bytes, under single-byte and Shift-JIS pages.
#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analyser_fixture.h"
#include "scan.h"

namespace {

namespace ref {

bool ShiftJis() { return mbtext::GetCodePage() == mbtext::CodePage::ShiftJis; }

// A lead byte followed by another byte makes one double-byte character.
std::size_t CharLen(const std::string& s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const bool lead = ShiftJis() && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
    return lead && i + 1 < s.size() ? 2 : 1;
}

std::size_t Find(const std::string& s, const std::string& pat, std::size_t start)
{
    if (start > s.size()) return std::string::npos;
    for (std::size_t i = start; i + pat.size() <= s.size(); i += CharLen(s, i)) {
        if (s.compare(i, pat.size(), pat) == 0) return i;
    }
    return std::string::npos;
}

std::size_t FindChar(const std::string& s, char c, std::size_t start)
{
    for (std::size_t i = start; i < s.size(); i += CharLen(s, i)) {
        if (CharLen(s, i) == 1 && s[i] == c) return i;
    }
    return std::string::npos;
}

std::size_t FindLastChar(const std::string& s, char c)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) {
        if (CharLen(s, i) == 1 && s[i] == c) last = i;
    }
    return last;
}

std::size_t FindAnyOf(const std::string& s, const std::string& set)
{
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) {
        if (CharLen(s, i) == 1 && set.find(s[i]) != std::string::npos) return i;
    }
    return std::string::npos;
}

std::string ToLower(std::string s)
{
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) {
        if (CharLen(s, i) == 1 && s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
    }
    return s;
}

std::string Trim(const std::string& s)
{
    const char* ws = " \t\r\n\v\f";
    const std::size_t b = s.find_first_not_of(ws);
    return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(ws) - b + 1);
}

// Finds open, then close behind it, deletes both and all between, and searches again from the same place.
void DeleteStretches(std::string& t, const std::string& open, const std::string& close)
{
    std::size_t pos = 0;
    for (;;) {
        const std::size_t b = Find(t, open, pos);
        if (b == std::string::npos) return;
        pos = b;
        const std::size_t e = Find(t, close, pos + open.size());
        if (e == std::string::npos) return;
        t.erase(pos, e + close.size() - pos);
    }
}

std::string StripComments(std::string t)
{
    DeleteStretches(t, "/*", "*/");
    DeleteStretches(t, "//", "\r\n");
    return t;
}

std::string GetDefineValue(const std::string& text, const std::string& name)
{
    const std::string s = StripComments(text);
    for (std::size_t pos = 0;;) {
        const std::size_t end = Find(s, "\r\n", pos);
        if (end == std::string::npos) return "";
        const std::string line = s.substr(pos, end - pos);
        pos = end + 2;
        const std::size_t d = Find(line, "#define", 0);
        if (d == std::string::npos) continue;
        const std::string rest = line.substr(d + 7);
        const std::size_t at = Find(rest, name, 0);
        if (at != std::string::npos) return Trim(rest.substr(at + name.size()));
    }
}

}  // namespace ref

class ScanReference : public ::testing::TestWithParam<mbtext::CodePage> {
protected:
    void SetUp() override { mbtext::SetCodePage(GetParam()); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }

    // Syntax pieces, random bytes, and long runs that make the long-pattern search and the boundary
    // walk work.
    std::string Text(int round)
    {
        std::string s = randomtext::RandomText(m_rng, 5 + round % 120);
        const int bytes = Pick(0, 40);
        for (int i = 0; i < bytes; ++i) s.insert(static_cast<std::size_t>(Pick(0, static_cast<int>(s.size()))), 1, static_cast<char>(Pick(0, 255)));
        if (round % 10 == 0) s += std::string(static_cast<std::size_t>(Pick(30, 90)), "a\x83/*"[Pick(0, 3)]) + s;
        return s;
    }
    // A pattern: a piece, a stretch of the text itself (up to 70 bytes), or a stray byte.
    std::string Pattern(const std::string& s)
    {
        switch (Pick(0, 2)) {
        case 0: return randomtext::kPieces[static_cast<std::size_t>(Pick(0, static_cast<int>(randomtext::kPieces.size()) - 1))];
        case 1: {
            if (s.empty()) return "";
            const std::size_t at = static_cast<std::size_t>(Pick(0, static_cast<int>(s.size()) - 1));
            return s.substr(at, static_cast<std::size_t>(Pick(0, 70)));
        }
        default: return std::string(1, static_cast<char>(Pick(0, 255)));
        }
    }
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    // n bytes of unit, each picked at random.
    std::string Scramble(const std::string& unit, int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i) s += unit[static_cast<std::size_t>(Pick(0, static_cast<int>(unit.size()) - 1))];
        return s;
    }

    std::mt19937 m_rng{20261207u};
};

TEST_P(ScanReference, SearchesAgreeWithTheCharacterStepping)
{
    for (int round = 0; round < 1500; ++round) {
        const std::string s = Text(round);
        const std::string pat = Pattern(s);
        const std::size_t start = static_cast<std::size_t>(Pick(0, static_cast<int>(s.size()) + 1));
        const char c = pat.empty() ? 'x' : pat[0];
        ASSERT_EQ(mbtext::Find(s, pat, start), pat.empty() && start <= s.size() ? start : ref::Find(s, pat, start))
            << "round " << round;
        ASSERT_EQ(mbtext::FindChar(s, c, start), ref::FindChar(s, c, start)) << "round " << round;
        ASSERT_EQ(mbtext::FindLastChar(s, c), ref::FindLastChar(s, c)) << "round " << round;
        ASSERT_EQ(mbtext::FindAnyOf(s, pat.substr(0, 3)), ref::FindAnyOf(s, pat.substr(0, 3))) << "round " << round;
        ASSERT_EQ(mbtext::ToLower(s), ref::ToLower(s)) << "round " << round;
    }
}

TEST_P(ScanReference, StripAndDefineLookUpAgreeWithTheLiteralRules)
{
    for (int round = 0; round < 1500; ++round) {
        const std::string s = Text(round);
        ASSERT_EQ(CQuorvaneConfiguratorDoc::StripComments(s), ref::StripComments(s)) << "round " << round;
        const std::string name = Pattern(s).substr(0, static_cast<std::size_t>(Pick(0, 12)));
        ASSERT_EQ(CQuorvaneConfiguratorDoc::GetDefineValue(s, name), ref::GetDefineValue(s, name)) << "round " << round;
    }
}

// Many names in one pass: the first place of each in every text, reported by the place where it ends and the
// longer first, and the first define that holds each.
void ExpectManyNamesAgree(const std::string& s, const std::vector<std::string>& names, int round)
{
    const std::vector<std::string_view> views(names.begin(), names.end());
    kscan::NameScanner scanner(views);
    std::vector<std::size_t> first(names.size(), std::string::npos);
    std::vector<int> reports;
    scanner.FirstIn(s, [&](int i, std::size_t at) {
        first[static_cast<std::size_t>(i)] = at;
        reports.push_back(i);
    });
    std::vector<int> order;
    const std::string stripped = CQuorvaneConfiguratorDoc::StripComments(s);
    const std::vector<std::string_view> rests = kscan::DefineRests(stripped);
    const kscan::DefineValues values(rests, views);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int index = scanner.IndexOf(names[i]);
        const std::size_t want = names[i].empty() ? std::string::npos : ref::Find(s, names[i], 0);
        ASSERT_EQ(index < 0 ? std::string::npos : first[static_cast<std::size_t>(index)], want) << "round " << round;
        ASSERT_EQ(std::string(values.Of(names[i])), ref::GetDefineValue(s, names[i])) << "round " << round;
        if (index == static_cast<int>(i) && want != std::string::npos) order.push_back(index);
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const std::size_t ea = first[static_cast<std::size_t>(a)] + names[static_cast<std::size_t>(a)].size();
        const std::size_t eb = first[static_cast<std::size_t>(b)] + names[static_cast<std::size_t>(b)].size();
        return ea != eb ? ea < eb : names[static_cast<std::size_t>(a)].size() > names[static_cast<std::size_t>(b)].size();
    });
    ASSERT_EQ(reports, order) << "round " << round;
}

TEST_P(ScanReference, ManyNamesAtOnceAgreeWithOneSearchEach)
{
    for (int round = 0; round < 300; ++round) {
        const std::string s = Text(round);
        std::vector<std::string> names;
        for (int i = Pick(1, 12); i > 0; --i) names.push_back(Pattern(s).substr(0, static_cast<std::size_t>(Pick(0, 15))));
        ExpectManyNamesAgree(s, names, round);
    }
}

// Name sets that strain the one-pass search, over runs of a unit whose lead bytes put many of the names on
// second bytes: a child for every byte, chains of prefixes and of suffixes, every stretch of the run, the
// same names again and again, names as long as half the run, and words of the unit's bytes in any order.
// The texts are the run or such words; a few stray bytes or pieces go in front and into them, so the
// characters fall either way.
TEST_P(ScanReference, StrainingNameSetsAgreeWithOneSearchEach)
{
    const std::vector<std::string> units = {"A", "\x83", "\x83" "A", "AB\x83"};
    int round = 0;
    for (const std::string& unit : units) {
        const auto run = [&unit](std::size_t from, std::size_t n) {
            std::string r;
            for (std::size_t i = 0; i < n; ++i) r += unit[(from + i) % unit.size()];
            return r;
        };
        // Name k of each set, and the size of each set.
        const auto name = [&](int set, std::size_t k) {
            switch (set) {
            case 0: return unit.substr(0, 1) + static_cast<char>(k);
            case 1: return run(0, k + 1);
            case 2: return run(unit.size() - (k + 1) % unit.size(), k + 1);
            case 3: return run(k % 3, 1 + k / 3);
            case 4: return run(0, 1 + k % 5);
            case 5: return run(k % 2, k == 1 ? 60 : 100 + k / 2);
            default: return Scramble(unit, Pick(1, 8));
            }
        };
        const std::array<std::size_t, 7> sizes = {256, 60, 60, 90, 40, 3, 40};
        for (int set = 0; set < static_cast<int>(sizes.size()); ++set) {
            std::vector<std::string> names;
            for (std::size_t k = 0; k < sizes[static_cast<std::size_t>(set)]; ++k) names.push_back(name(set, k));
            for (int variant = 0; variant < 8; ++variant, ++round) {
                std::string s = randomtext::RandomText(m_rng, Pick(0, 3)) + "#define " +
                                (variant % 2 == 0 ? run(0, 200) + "\r\n" + run(1, 90) : Scramble(unit, 300));
                for (int i = Pick(0, 4); i > 0; --i) {
                    s.insert(static_cast<std::size_t>(Pick(0, static_cast<int>(s.size()))),
                             Pick(0, 1) == 0 ? std::string(1, static_cast<char>(Pick(0, 255))) : Pattern(s).substr(0, 3));
                }
                ExpectManyNamesAgree(s, names, round);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, ScanReference,
                         ::testing::Values(mbtext::CodePage::SingleByte, mbtext::CodePage::ShiftJis),
                         [](const ::testing::TestParamInfo<mbtext::CodePage>& info) {
                             return std::string(info.param == mbtext::CodePage::ShiftJis ? "ShiftJis" : "SingleByte");
                         });

}  // namespace
