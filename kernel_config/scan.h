// Line helpers shared by the analysers of the kernel files: walking CR LF lines and taking the text that
// follows a "#define". Only CR LF ends a line; a last line without it is never handed out.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "text.h"

namespace kscan {

// Calls fn(line) for each line of s that ends with CR LF, the CR LF not included, from the start, until
// fn returns false. A lone CR or LF ends no line, and a last line without CR LF is not passed.
template <class Fn>
void ForEachLine(const std::string& s, Fn fn)
{
    std::size_t pos = 0;
    for (;;) {
        const std::size_t end = mbtext::Find(s, "\r\n", pos);
        if (end == mbtext::npos) return;
        if (!fn(s.substr(pos, end - pos))) return;
        pos = end + 2;
    }
}

// The part of s that starts at pos; empty when pos lies beyond the end.
inline std::string From(const std::string& s, std::size_t pos)
{
    return pos < s.size() ? s.substr(pos) : std::string();
}

// True when line holds "#define"; rest receives everything after the first one.
inline bool AfterDefine(const std::string& line, std::string& rest)
{
    static const std::string kDefine = "#define";
    const std::size_t at = mbtext::Find(line, kDefine);
    if (at == mbtext::npos) return false;
    rest = From(line, at + kDefine.size());
    return true;
}

// Text after the first ")" of field, or field itself when it has none: drops a cast such as "(UB)".
inline std::string AfterCast(const std::string& field)
{
    const std::size_t close = mbtext::FindChar(field, ')');
    return close == mbtext::npos ? field : From(field, close + 1);
}

// The look-up behind GetDefineValue in two steps, so that many names can be looked up in one text:
// DefineRests gives, for each CR LF line of the comment-stripped text that holds "#define", the text after
// its first "#define"; DefineValueIn gives the trimmed text after name in the first of them that holds it,
// or "" when none does.
std::vector<std::string> DefineRests(const std::string& stripped);
std::string DefineValueIn(const std::vector<std::string>& rests, const std::string& name);

}  // namespace kscan
