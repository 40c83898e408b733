// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// Removes every stretch that starts with open and runs through the next close after it, both included.
// The text after a removed stretch is searched again from the place where the stretch began; a match can
// never straddle that place, so building the result in one pass gives the same text as deleting in place,
// without the cost of moving the tail for every comment. An open without a close ends the pass and stays.
std::string RemoveDelimited(std::string_view text, std::string_view open, std::string_view close)
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
    return kscan::StripText(text);
}

std::string CQuorvaneConfiguratorDoc::GetDefineValue(const std::string& text, const std::string& name)
{
    return std::string(kscan::DefineValueIn(kscan::DefineRests(kscan::StripText(text)), name));
}

namespace kscan {

std::string StripText(std::string_view text)
{
    // Block comments first, so a "//" inside one goes with it; a line comment takes its CR LF along.
    return RemoveDelimited(RemoveDelimited(text, "/*", "*/"), "//", "\r\n");
}

std::vector<std::string_view> DefineRests(std::string_view stripped)
{
    std::vector<std::string_view> rests;
    ForEachLine(stripped, [&](std::string_view line) {
        std::string_view rest;
        if (AfterDefine(line, rest)) rests.push_back(rest);
        return true;
    });
    return rests;
}

std::string_view DefineValueIn(const std::vector<std::string_view>& rests, std::string_view name)
{
    for (std::string_view rest : rests) {
        const std::size_t at = mbtext::Find(rest, name);
        if (at != mbtext::npos) return mbtext::TrimView(From(rest, at + name.size()));
    }
    return std::string_view();
}

std::unordered_map<std::string_view, std::string_view> DefineValuesIn(const std::vector<std::string_view>& rests,
                                                                       const std::vector<std::string_view>& names)
{
    std::unordered_map<std::string_view, std::string_view> values;
    // An empty name is held by the first rest at its start; the scanner does not report it.
    for (const std::string_view name : names) {
        if (name.empty() && !rests.empty()) values.emplace(name, mbtext::TrimView(rests.front()));
    }
    const std::size_t distinct = std::unordered_set<std::string_view>(names.begin(), names.end()).size();
    NameScanner scanner(names);
    for (std::size_t r = 0; r < rests.size() && values.size() < distinct; ++r) {
        const std::string_view rest = rests[r];
        // The first rest that holds a name decides it; later ones are not looked at for that name.
        scanner.FirstIn(rest, [&](int i, std::size_t at) {
            values.emplace(names[i], mbtext::TrimView(From(rest, at + names[i].size())));
        });
    }
    return values;
}

NameScanner::NameScanner(const std::vector<std::string_view>& names) : m_nodes(1)
{
    m_root.fill(-1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) continue;
        int node = 0;
        for (const char ch : names[i]) {
            const auto c = static_cast<unsigned char>(ch);
            int child = Child(node, c);
            if (child < 0) {
                child = static_cast<int>(m_nodes.size());
                m_nodes.emplace_back();
                m_nodes[node].next.emplace_back(c, child);
                if (node == 0) m_root[c] = child;
            }
            node = child;
        }
        if (m_nodes[node].name < 0) m_nodes[node].name = static_cast<int>(i);
    }
    m_lengths.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) m_lengths[i] = names[i].size();
    m_seen.assign(names.size(), 0u);

    // Fail links in breadth-first order: each node's link is the longest proper suffix that is a node.
    std::deque<int> queue;
    for (const auto& edge : m_nodes[0].next) queue.push_back(edge.second);
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop_front();
        for (const auto& [c, v] : m_nodes[u].next) {
            const int fail = u == 0 ? 0 : Step(m_nodes[u].fail, c);
            m_nodes[v].fail = fail;
            m_nodes[v].dict = m_nodes[fail].name >= 0 ? fail : m_nodes[fail].dict;
            queue.push_back(v);
        }
    }
}

int NameScanner::Child(int node, unsigned char c) const
{
    if (node == 0) return m_root[c];
    for (const auto& [ch, child] : m_nodes[node].next) {
        if (ch == c) return child;
    }
    return -1;
}

int NameScanner::Step(int state, unsigned char c) const
{
    for (;;) {
        const int child = Child(state, c);
        if (child >= 0) return child;
        if (state == 0) return 0;
        state = m_nodes[state].fail;
    }
}

void NameScanner::MarkCharStarts(std::string_view s)
{
    m_charStart.assign(s.size() + 1, 0);
    for (std::size_t i = 0; i < s.size(); i += mbtext::CharLength(s, i)) m_charStart[i] = 1;
}

}  // namespace kscan
