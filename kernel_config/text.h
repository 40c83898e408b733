// Multibyte text helpers shared by every reader and writer: searching, case folding, trimming,
// number reading and a printf-style formatter that never takes user text as its template.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace mbtext {

// The multibyte code page decides which bytes start a double-byte character.
enum class CodePage { SingleByte, Utf8, ShiftJis };

// Chooses the code page from the C library's current locale (call after setlocale).
void SetCodePageFromLocale();
void SetCodePage(CodePage page);
CodePage GetCodePage();

// True when c starts a double-byte character in the current code page (Shift-JIS only).
bool IsLeadByte(unsigned char c);

// Length in bytes of the character that starts at s[i] (1 or 2, never past the end).
std::size_t CharLength(std::string_view s, std::size_t i);

constexpr std::size_t npos = std::string::npos;

// First occurrence of pat at or after start, stepping whole characters so a match never begins on the
// second byte of a double-byte character. An empty pattern matches at start. npos when none.
// Byte search finds the candidates; under Shift-JIS one forward walk of character starts rejects those
// inside a double-byte character, so a search costs linear time whatever the text.
std::size_t Find(std::string_view s, std::string_view pat, std::size_t start = 0);
std::size_t FindChar(std::string_view s, char c, std::size_t start = 0);
// Last single-byte character equal to c, npos when none.
std::size_t FindLastChar(std::string_view s, char c);
// First single-byte character that is one of the bytes of set, npos when none.
std::size_t FindAnyOf(std::string_view s, std::string_view set);

// ASCII letters lower-cased; double-byte characters are left whole.
std::string ToLower(std::string s);
// Byte-wise comparison: <0, 0, >0.
int Compare(const std::string& a, const std::string& b);
// Removes blank, tab, CR, LF, vertical tab and form feed at both ends.
std::string Trim(std::string_view s);
// The same without a copy: the part of s that Trim would return.
std::string_view TrimView(std::string_view s);

// C's atoi rules (leading white space, optional sign, digits up to the first other character, 0 without
// digits), but a value outside the int range saturates instead of wrapping.
int Atoi(std::string_view s);
// A typed number the editor accepts: the text, trimmed of white space at both ends, is not empty and is
// exactly the "%d" text of its Atoi value (so 0 and negatives pass; "+5", "007", "5x" and out-of-range
// numbers fail). value receives the number when it passes.
bool IsPlainDecimal(const std::string& text, int& value);
// sscanf(s, "%x", &value) rules with the same saturation; returns 1 when a number was read, else 0 and
// value is left unchanged.
int ScanHex(std::string_view s, int& value);

// One argument of Format: an int or a string.
class Arg {
public:
    Arg(int v) : m_isInt(true), m_int(v) {}
    Arg(const std::string& v) : m_isInt(false), m_int(0), m_str(v) {}
    Arg(const char* v) : m_isInt(false), m_int(0), m_str(v ? v : "") {}
    bool IsInt() const { return m_isInt; }
    int Int() const { return m_int; }
    const std::string& Str() const { return m_str; }

private:
    bool m_isInt;
    int m_int;
    std::string m_str;
};

// Fills a printf-style template of ours: %d %i %u %x %X %s %c %% with the flags '-' and '0', a width and,
// for %s, a precision. Arguments are taken in order; a missing or mismatched argument prints nothing for its
// conversion, and an unknown conversion is copied as it stands. Argument text is never interpreted.
std::string Format(const std::string& tmpl, std::initializer_list<Arg> args = {});

}  // namespace mbtext
