// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

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
    return kscan::DefineValueIn(kscan::DefineRests(StripComments(text)), name);
}

namespace kscan {

std::vector<std::string> DefineRests(const std::string& stripped)
{
    std::vector<std::string> rests;
    ForEachLine(stripped, [&](const std::string& line) {
        std::string rest;
        if (AfterDefine(line, rest)) rests.push_back(std::move(rest));
        return true;
    });
    return rests;
}

std::string DefineValueIn(const std::vector<std::string>& rests, const std::string& name)
{
    for (const std::string& rest : rests) {
        const std::size_t at = mbtext::Find(rest, name);
        if (at != mbtext::npos) return mbtext::Trim(From(rest, at + name.size()));
    }
    return std::string();
}

}  // namespace kscan
