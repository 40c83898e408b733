// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <cstddef>
#include <string>
#include <string_view>
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

DefineValues::DefineValues(const std::vector<std::string_view>& rests, const std::vector<std::string_view>& names)
    : m_scanner(names), m_values(names.size())
{
    // An empty name is held by the first rest at its start; the scanner does not report it.
    if (!rests.empty()) m_empty = mbtext::TrimView(rests.front());
    std::vector<char> known(names.size(), 0);
    std::size_t open = 0;
    for (std::size_t i = 0; i < names.size(); ++i) open += m_scanner.IndexOf(names[i]) == static_cast<int>(i) ? 1 : 0;
    for (std::size_t r = 0; r < rests.size() && open > 0; ++r) {
        const std::string_view rest = rests[r];
        // The first rest that holds a name decides it; later ones are not looked at for that name.
        m_scanner.FirstIn(rest, [&](int i, std::size_t at) {
            if (known[i]) return;
            known[i] = 1;
            --open;
            m_values[i] = mbtext::TrimView(From(rest, at + names[i].size()));
        });
    }
}

std::string_view DefineValues::Of(std::string_view name) const
{
    if (name.empty()) return m_empty;
    const int i = m_scanner.IndexOf(name);
    return i < 0 ? std::string_view() : m_values[i];
}

NameScanner::NameScanner(const std::vector<std::string_view>& names) : m_nodes(1)
{
    m_root.fill(-1);
    std::size_t total = 0;
    for (const std::string_view name : names) total += name.size();
    m_nodes.reserve(total + 1);
    m_edges.reserve(total);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) continue;
        int node = 0;
        for (const char ch : names[i]) {
            const auto c = static_cast<unsigned char>(ch);
            int child = Child(node, c);
            if (child < 0) {
                child = static_cast<int>(m_nodes.size());
                m_nodes.emplace_back();
                m_edges.push_back(Edge{c, child, m_nodes[node].edges});
                m_nodes[node].edges = static_cast<int>(m_edges.size()) - 1;
                if (node == 0) m_root[c] = child;
            }
            node = child;
        }
        if (m_nodes[node].name < 0) m_nodes[node].name = static_cast<int>(i);
    }
    m_lengths.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) m_lengths[i] = names[i].size();
    m_seen.assign(names.size(), 0u);

    // Fail links in breadth-first order: each node's link is the longest proper suffix of it that is a node.
    std::vector<int> queue;
    queue.reserve(m_nodes.size());
    for (int e = m_nodes[0].edges; e >= 0; e = m_edges[e].next) queue.push_back(m_edges[e].child);
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const int u = queue[q];
        for (int e = m_nodes[u].edges; e >= 0; e = m_edges[e].next) {
            const int v = m_edges[e].child;
            const int fail = Step(m_nodes[u].fail, m_edges[e].c);
            m_nodes[v].fail = fail;
            m_nodes[v].dict = m_nodes[fail].name >= 0 ? fail : m_nodes[fail].dict;
            queue.push_back(v);
        }
    }
}

int NameScanner::IndexOf(std::string_view name) const
{
    int node = 0;
    for (const char ch : name) {
        node = Child(node, static_cast<unsigned char>(ch));
        if (node < 0) return -1;
    }
    return name.empty() ? -1 : m_nodes[node].name;
}

int NameScanner::Child(int node, unsigned char c) const
{
    if (node == 0) return m_root[c];
    for (int e = m_nodes[node].edges; e >= 0; e = m_edges[e].next) {
        if (m_edges[e].c == c) return m_edges[e].child;
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
