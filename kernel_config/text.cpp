// Multibyte text helpers: see text.h.
#include "text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <langinfo.h>
#include <vector>

namespace mbtext {
namespace {

CodePage g_codePage = CodePage::SingleByte;

bool IsSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string UpperAscii(std::string s)
{
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

int HexDigit(unsigned char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Accumulates digits with saturation; magnitude is capped just above the int range.
long long Accumulate(long long value, int digit, int base)
{
    const long long cap = static_cast<long long>(INT_MAX) + 1;
    value = value * base + digit;
    return value > cap ? cap : value;
}

int Saturate(long long magnitude, bool negative)
{
    if (negative) return magnitude > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

}  // namespace

void SetCodePageFromLocale()
{
    const char* codeset = nl_langinfo(CODESET);
    const std::string name = UpperAscii(codeset ? codeset : "");
    if (name == "SHIFT_JIS" || name == "SHIFT-JIS" || name == "SJIS" || name == "CP932" || name == "WINDOWS-31J") {
        g_codePage = CodePage::ShiftJis;
    } else if (name == "UTF-8" || name == "UTF8") {
        g_codePage = CodePage::Utf8;
    } else {
        g_codePage = CodePage::SingleByte;
    }
}

void SetCodePage(CodePage page) { g_codePage = page; }
CodePage GetCodePage() { return g_codePage; }

bool IsLeadByte(unsigned char c)
{
    return g_codePage == CodePage::ShiftJis && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
}

std::size_t CharLength(std::string_view s, std::size_t i)
{
    if (i + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[i]))) return 2;
    return 1;
}

namespace {

// Only Shift-JIS has bytes that do not start a character; in every other page a byte search is a
// character search.
bool EveryByteStartsACharacter() { return g_codePage != CodePage::ShiftJis; }

// Patterns up to this length are searched with string_view::find (memchr for the first byte, then a
// compare); longer ones, which only come from the text itself, with Boyer-Moore, whose search for the first
// occurrence stays linear whatever the bytes.
constexpr std::size_t kShortPattern = 32;

// Byte search for pat in s from start on; the caller has checked that pat fits behind start.
class ByteSearch {
public:
    ByteSearch(std::string_view s, std::string_view pat)
        : m_s(s), m_pat(pat), m_long(pat.size() > kShortPattern ? new Long(pat) : nullptr)
    {
    }
    std::size_t From(std::size_t start) const
    {
        if (!m_long) return Short(start);
        const auto it = std::search(m_s.begin() + static_cast<std::ptrdiff_t>(start), m_s.end(), m_long->searcher);
        return it == m_s.end() ? npos : static_cast<std::size_t>(it - m_s.begin());
    }

private:
    // memchr for the first byte; the last byte is compared before the rest, which turns most candidates
    // of a frequent first letter away without a call of memcmp.
    std::size_t Short(std::size_t start) const
    {
        const std::size_t m = m_pat.size();
        if (start > m_s.size() || m_s.size() - start < m) return npos;
        const char* const base = m_s.data();
        const char* p = base + start;
        const char* const last = base + (m_s.size() - m);  // the last place a match can begin
        while (p <= last) {
            p = static_cast<const char*>(std::memchr(p, m_pat[0], static_cast<std::size_t>(last - p) + 1));
            if (p == nullptr) return npos;
            if (p[m - 1] == m_pat[m - 1] && std::memcmp(p + 1, m_pat.data() + 1, m - 1) == 0) {
                return static_cast<std::size_t>(p - base);
            }
            ++p;
        }
        return npos;
    }

    struct Long {
        explicit Long(std::string_view p) : searcher(p.begin(), p.end()) {}
        std::boyer_moore_searcher<std::string_view::const_iterator> searcher;
    };
    std::string_view m_s;
    std::string_view m_pat;
    std::unique_ptr<Long> m_long;
};

// Shift-JIS character starts from a position the caller knows to be one, found forward only: every call of
// Seek goes on from where the last one stopped, so one search reads each byte at most twice.
class Boundaries {
public:
    Boundaries(std::string_view s, std::size_t start) : m_s(s), m_at(start) {}
    // The first character start at or after pos.
    std::size_t Seek(std::size_t pos)
    {
        if (pos <= m_at) return m_at;
        // A byte behind one that cannot lead starts a character whichever way the walk went, so the walk
        // only has to be replayed from the last such place: in text without double-byte characters that is
        // pos itself. The bytes stepped back over lie behind the last place sought, so each is read twice
        // at most.
        std::size_t from = pos;
        while (from > m_at && IsLeadByte(static_cast<unsigned char>(m_s[from - 1]))) --from;
        m_at = from;
        while (m_at < pos) m_at += CharLength(m_s, m_at);
        return m_at;
    }

private:
    std::string_view m_s;
    std::size_t m_at;
};

// First character at or after start for which match(i) holds, given candidates from next(i): the first
// position at or after i where match may hold. Candidates inside a double-byte character are skipped.
template <class Next, class Match>
std::size_t FirstAtCharStart(std::string_view s, std::size_t start, Next next, Match match)
{
    Boundaries starts(s, start);
    std::size_t from = start;
    for (;;) {
        const std::size_t cand = next(from);
        if (cand == npos) return npos;
        const std::size_t at = starts.Seek(cand);
        if (at == cand && match(cand)) return cand;
        from = at == cand ? cand + CharLength(s, cand) : at;
    }
}

}  // namespace

std::size_t Find(std::string_view s, std::string_view pat, std::size_t start)
{
    if (start > s.size()) return npos;
    if (pat.empty()) return start;
    if (pat.size() > s.size() - start) return npos;
    const ByteSearch search(s, pat);
    if (EveryByteStartsACharacter()) return search.From(start);
    return FirstAtCharStart(
        s, start, [&](std::size_t from) { return from > s.size() - pat.size() ? npos : search.From(from); },
        [](std::size_t) { return true; });
}

std::size_t FindChar(std::string_view s, char c, std::size_t start)
{
    if (start >= s.size()) return npos;
    if (EveryByteStartsACharacter()) return s.find(c, start);
    // A lead byte that is itself c still counts when it stands alone at the very end.
    return FirstAtCharStart(
        s, start, [&](std::size_t from) { return s.find(c, from); },
        [&](std::size_t i) { return CharLength(s, i) == 1; });
}

std::size_t FindLastChar(std::string_view s, char c)
{
    if (EveryByteStartsACharacter()) return s.rfind(c);
    std::size_t found = npos;
    for (std::size_t i = FindChar(s, c, 0); i != npos; i = FindChar(s, c, i + 1)) found = i;
    return found;
}

std::size_t FindAnyOf(std::string_view s, std::string_view set)
{
    if (EveryByteStartsACharacter()) return s.find_first_of(set);
    return FirstAtCharStart(
        s, 0, [&](std::size_t from) { return s.find_first_of(set, from); },
        [&](std::size_t i) { return CharLength(s, i) == 1; });
}

std::string ToLower(std::string s)
{
    const bool bytes = EveryByteStartsACharacter();
    for (std::size_t i = 0; i < s.size(); i += bytes ? 1 : CharLength(s, i)) {
        if (s[i] >= 'A' && s[i] <= 'Z' && (bytes || CharLength(s, i) == 1)) s[i] = static_cast<char>(s[i] - 'A' + 'a');
    }
    return s;
}

int Compare(const std::string& a, const std::string& b)
{
    return a.compare(b);
}

std::string_view TrimView(std::string_view s)
{
    std::size_t begin = 0;
    while (begin < s.size() && IsSpace(static_cast<unsigned char>(s[begin]))) ++begin;
    std::size_t end = s.size();
    while (end > begin && IsSpace(static_cast<unsigned char>(s[end - 1]))) --end;
    return s.substr(begin, end - begin);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

int Atoi(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsSpace(static_cast<unsigned char>(s[i]))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) magnitude = Accumulate(magnitude, s[i] - '0', 10);
    return Saturate(magnitude, negative);
}

bool IsPlainDecimal(const std::string& text, int& value)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return false;
    const int n = Atoi(trimmed);
    if (Format("%d", {n}) != trimmed) return false;
    value = n;
    return true;
}

int ScanHex(std::string_view s, int& value)
{
    std::size_t i = 0;
    while (i < s.size() && IsSpace(static_cast<unsigned char>(s[i]))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // "0x" is a prefix only when a hex digit follows; otherwise the '0' alone is the number.
    if (i + 2 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') &&
        HexDigit(static_cast<unsigned char>(s[i + 2])) >= 0) {
        i += 2;
    }
    if (i >= s.size() || HexDigit(static_cast<unsigned char>(s[i])) < 0) return 0;
    long long magnitude = 0;
    for (; i < s.size() && HexDigit(static_cast<unsigned char>(s[i])) >= 0; ++i) {
        magnitude = Accumulate(magnitude, HexDigit(static_cast<unsigned char>(s[i])), 16);
    }
    value = Saturate(magnitude, negative);
    return 1;
}

std::string Format(const std::string& tmpl, std::initializer_list<Arg> args)
{
    std::string out;
    out.reserve(tmpl.size() + 16);
    auto next = args.begin();
    std::size_t i = 0;
    while (i < tmpl.size()) {
        if (tmpl[i] != '%') {
            // The literal run up to the next conversion in one piece: templates are mostly literal text.
            const std::size_t end = std::min(tmpl.find('%', i), tmpl.size());
            out.append(tmpl, i, end - i);
            i = end;
            continue;
        }
        const std::size_t start = i++;
        bool left = false, zero = false;
        while (i < tmpl.size() && (tmpl[i] == '-' || tmpl[i] == '0')) {
            (tmpl[i] == '-' ? left : zero) = true;
            ++i;
        }
        std::size_t width = 0;
        while (i < tmpl.size() && tmpl[i] >= '0' && tmpl[i] <= '9' && width < 4096) width = width * 10 + (tmpl[i++] - '0');
        std::size_t precision = npos;
        if (i < tmpl.size() && tmpl[i] == '.') {
            precision = 0;
            ++i;
            while (i < tmpl.size() && tmpl[i] >= '0' && tmpl[i] <= '9' && precision < 4096) {
                precision = precision * 10 + (tmpl[i++] - '0');
            }
        }
        if (i >= tmpl.size()) {
            out.append(tmpl, start, npos);
            break;
        }
        const char conv = tmpl[i++];
        if (conv == '%') {
            out += '%';
            continue;
        }
        if (std::strchr("diuxXsc", conv) == nullptr) {
            out.append(tmpl, start, i - start);
            continue;
        }
        if (next == args.end()) continue;
        const Arg& arg = *next++;
        std::string body;
        std::string sign;
        bool numeric = false;
        if (conv == 's') {
            if (arg.IsInt()) continue;
            body = precision == npos ? arg.Str() : arg.Str().substr(0, precision);
        } else {
            if (!arg.IsInt()) continue;
            if (conv == 'c') {
                body = std::string(1, static_cast<char>(arg.Int()));
            } else if (conv == 'd' || conv == 'i') {
                const long long v = arg.Int();
                if (v < 0) sign = "-";
                body = std::to_string(v < 0 ? -v : v);
                numeric = true;
            } else {
                const unsigned int v = static_cast<unsigned int>(arg.Int());
                if (conv == 'u') {
                    body = std::to_string(v);
                } else {
                    const char* digits = conv == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
                    unsigned int rest = v;
                    do {
                        body.insert(body.begin(), digits[rest % 16]);
                        rest /= 16;
                    } while (rest != 0);
                }
                numeric = true;
            }
        }
        const std::size_t len = sign.size() + body.size();
        const std::size_t pad = width > len ? width - len : 0;
        if (left) {
            out += sign + body + std::string(pad, ' ');
        } else if (zero && numeric) {
            out += sign + std::string(pad, '0') + body;
        } else {
            out += std::string(pad, ' ') + sign + body;
        }
    }
    return out;
}

}  // namespace mbtext
