// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <cstddef>
#include <string>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// Removes every stretch that starts with open and runs through the next close after it, both included.
// The text after a removed stretch is searched again from the place where the stretch began; a match can
// never straddle that place, so building the result in one pass gives the same text as deleting in place,
// without the cost of moving the tail for every comment. An open without a close ends the pass and stays.
std::string RemoveDelimited(const std::string& text, const std::string& open, const std::string& close)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t begin = mbtext::Find(text, open, pos);
        if (begin == mbtext::npos) break;
        // The close is looked for behind the whole opener, so "/*/" does not close itself: the "*" of
        // "/*" is never shared with a "*/".
        const std::size_t end = mbtext::Find(text, close, begin + open.size());
        if (end == mbtext::npos) break;
        out.append(text, pos, begin - pos);
        pos = end + close.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

}  // namespace

std::string CQuorvaneConfiguratorDoc::StripComments(std::string text)
{
    // Block comments first, so a "//" inside one goes with it; a line comment takes its CR LF along.
    return RemoveDelimited(RemoveDelimited(text, "/*", "*/"), "//", "\r\n");
}

std::string CQuorvaneConfiguratorDoc::GetDefineValue(const std::string& text, const std::string& name)
{
    std::string value;
    kscan::ForEachLine(StripComments(text), [&](const std::string& line) {
        std::string rest;
        if (!kscan::AfterDefine(line, rest)) return true;
        const std::size_t at = mbtext::Find(rest, name);
        if (at == mbtext::npos) return true;
        value = mbtext::Trim(kscan::From(rest, at + name.size()));
        return false;
    });
    return value;
}
