// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <algorithm>
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
    // Inserted in byte order, the names make their nodes in depth-first order and each node's children in
    // ascending bytes, so the edges fall into sorted runs without a search while building. A name given
    // twice keeps its first index, as the sort is stable.
    std::vector<int> order;
    std::size_t total = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) continue;
        order.push_back(static_cast<int>(i));
        total += names[i].size();
    }
    std::stable_sort(order.begin(), order.end(), [&names](int a, int b) { return names[a] < names[b]; });
    m_nodes.reserve(total + 1);
    std::vector<int> parent(1, -1);
    parent.reserve(total + 1);
    std::vector<int> path(1, 0);  // the nodes of the previous name, by depth
    std::string_view previous;
    for (const int i : order) {
        const std::string_view name = names[static_cast<std::size_t>(i)];
        std::size_t shared = 0;
        while (shared < name.size() && shared < previous.size() && name[shared] == previous[shared]) ++shared;
        path.resize(shared + 1);
        for (std::size_t d = shared; d < name.size(); ++d) {
            const int child = static_cast<int>(m_nodes.size());
            m_nodes.emplace_back();
            m_nodes.back().depth = static_cast<int>(d + 1);
            m_nodes.back().byte = static_cast<unsigned char>(name[d]);
            parent.push_back(path.back());
            path.push_back(child);
        }
        if (m_nodes[path.back()].name < 0) m_nodes[path.back()].name = i;
        previous = name;
    }
    m_lengths.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) m_lengths[i] = names[i].size();
    m_seen.assign(names.size(), 0u);

    // Edges grouped by parent; nodes were made in byte order within each parent, which the grouping keeps.
    const std::size_t count = m_nodes.size();
    m_edgeStart.assign(count + 1, 0);
    for (std::size_t v = 1; v < count; ++v) ++m_edgeStart[static_cast<std::size_t>(parent[v]) + 1];
    for (std::size_t n = 0; n < count; ++n) m_edgeStart[n + 1] += m_edgeStart[n];
    m_edgeBytes.resize(count - 1);
    m_edgeChild.resize(count - 1);
    std::vector<int> fill(m_edgeStart.begin(), m_edgeStart.end() - 1);
    for (std::size_t v = 1; v < count; ++v) {
        const int at = fill[static_cast<std::size_t>(parent[v])]++;
        m_edgeBytes[static_cast<std::size_t>(at)] = m_nodes[v].byte;
        m_edgeChild[static_cast<std::size_t>(at)] = static_cast<int>(v);
        if (parent[v] == 0) m_root[m_nodes[v].byte] = static_cast<int>(v);
    }

    // Fail links in breadth-first order: each node's link is the longest proper suffix of it that is a node.
    m_breadthFirst.reserve(count - 1);
    for (int e = m_edgeStart[0]; e < m_edgeStart[1]; ++e) m_breadthFirst.push_back(m_edgeChild[e]);
    for (std::size_t q = 0; q < m_breadthFirst.size(); ++q) {
        const int u = m_breadthFirst[q];
        for (int e = m_edgeStart[u]; e < m_edgeStart[u + 1]; ++e) {
            const int v = m_edgeChild[e];
            const int fail = Step(m_nodes[u].fail, m_edgeBytes[e]);
            m_nodes[v].fail = fail;
            m_nodes[v].dict = m_nodes[fail].name >= 0 ? fail : m_nodes[fail].dict;
            m_breadthFirst.push_back(v);
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
    const unsigned char* const first = m_edgeBytes.data() + m_edgeStart[node];
    const unsigned char* const last = m_edgeBytes.data() + m_edgeStart[node + 1];
    const unsigned char* const at = std::lower_bound(first, last, c);
    return at != last && *at == c ? m_edgeChild[static_cast<std::size_t>(at - m_edgeBytes.data())] : -1;
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

void NameScanner::BuildJisChains()
{
    // Which bytes of a node's text start a character follows from the text and from whether its first
    // byte starts one (b). starts[v] bit b: the last byte of v's text starts a character; tail[v] bit b:
    // the text of v's fail node, where it stands at the end of v's text, starts a character.
    const std::size_t count = m_nodes.size();
    std::vector<unsigned char> starts(count, 0), tail(count, 0);
    std::vector<int> path(1, 0);  // the ancestors of the node at hand, by depth (depth-first order)
    for (std::size_t v = 1; v < count; ++v) {
        const auto depth = static_cast<std::size_t>(m_nodes[v].depth);
        path.resize(depth);
        path.push_back(static_cast<int>(v));
        if (depth == 1) {
            starts[v] = 2;  // bit b is b itself
        } else {
            // A byte starts a character unless the one before it started a double-byte character.
            const auto up = static_cast<std::size_t>(path[depth - 1]);
            const bool lead = mbtext::IsLeadByte(m_nodes[up].byte);
            for (int b = 0; b < 2; ++b) {
                if (!(starts[up] >> b & 1) || !lead) starts[v] |= static_cast<unsigned char>(1 << b);
            }
        }
        const int fail = m_nodes[v].fail;
        if (fail != 0) {
            const auto at = static_cast<std::size_t>(path[depth - static_cast<std::size_t>(m_nodes[fail].depth) + 1]);
            tail[v] = starts[at];
        }
    }
    // By depth, so the chain of each fail node is ready before the nodes that lead to it.
    for (const int v : m_breadthFirst) {
        Node& node = m_nodes[v];
        const Node* const fail = node.fail != 0 ? &m_nodes[node.fail] : nullptr;
        for (int b = 0; b < 2; ++b) {
            const int behind = fail != nullptr ? fail->jisOut[tail[v] >> b & 1] : -1;
            node.jisOut[b] = node.name >= 0 && b == 1 ? v : behind;
            if (b == 1) node.jisNext = behind;
        }
    }
    m_jisChains = true;
}

void NameScanner::MarkCharStarts(std::string_view s)
{
    m_charStart.assign(s.size() + 1, 0);
    for (std::size_t i = 0; i < s.size(); i += mbtext::CharLength(s, i)) m_charStart[i] = 1;
}

}  // namespace kscan
