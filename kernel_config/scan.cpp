// Comment removal and "#define" look-up over the raw text of a kernel file; every analyser starts here.
#include <algorithm>
#include <array>
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

// Whether a byte of a name's text starts a character follows from the text and from whether its first
// byte starts one. Such a dependence is a map of that one bit, kept in two bits: bit b is the image of b.
constexpr unsigned kFirstByte = 2;  // the identity: the first byte starts a character when the text does

// The map g after the map f.
unsigned Compose(unsigned g, unsigned f)
{
    unsigned out = 0;
    for (unsigned b = 0; b < 2; ++b) out |= (g >> (f >> b & 1u) & 1u) << b;
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
    // In byte order the names that share a prefix stand together, so the trie is built one depth at a time
    // with the children of each node made one after another, in breadth-first order. A name given twice
    // keeps its first index, as the sort is stable.
    std::vector<int> order;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].empty()) order.push_back(static_cast<int>(i));
    }
    std::stable_sort(order.begin(), order.end(), [&names](int a, int b) { return names[a] < names[b]; });
    // Each name adds a node for every byte it does not share with the name before it.
    std::size_t count = 1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::string_view name = names[static_cast<std::size_t>(order[k])];
        std::size_t shared = 0;
        if (k > 0) {
            const std::string_view before = names[static_cast<std::size_t>(order[k - 1])];
            while (shared < name.size() && shared < before.size() && name[shared] == before[shared]) ++shared;
        }
        count += name.size() - shared;
    }
    m_nodes.reserve(count);
    m_bytes.reserve(count);
    m_bytes.push_back(0);
    // The names longer than the depth at hand, each with the node of its prefix of that length.
    std::vector<std::pair<int, int>> open;
    open.reserve(order.size());
    for (const int i : order) open.emplace_back(i, 0);
    for (std::size_t depth = 0; !open.empty(); ++depth) {
        std::size_t kept = 0;
        int parent = -1, child = -1;
        unsigned char last = 0;
        for (const auto& [i, node] : open) {
            const std::string_view name = names[static_cast<std::size_t>(i)];
            const auto c = static_cast<unsigned char>(name[depth]);
            if (node != parent || c != last) {
                child = static_cast<int>(m_nodes.size());
                m_nodes.emplace_back();
                m_nodes.back().depth = static_cast<int>(depth + 1);
                m_bytes.push_back(c);
                Node& up = m_nodes[static_cast<std::size_t>(node)];
                if (up.children++ == 0) up.firstChild = child;
                parent = node;
                last = c;
            }
            if (name.size() == depth + 1) {
                if (m_nodes[static_cast<std::size_t>(child)].name < 0) m_nodes[static_cast<std::size_t>(child)].name = i;
            } else {
                open[kept++] = {i, child};
            }
        }
        open.resize(kept);
    }
    for (int v = m_nodes[0].firstChild; v < m_nodes[0].firstChild + m_nodes[0].children; ++v) {
        m_root[m_bytes[static_cast<std::size_t>(v)]] = v;
    }
    m_lengths.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) m_lengths[i] = names[i].size();
    m_seen.assign(names.size(), 0u);

    // Fail links in breadth-first order: each node's link is the longest proper suffix of it that is a node.
    for (std::size_t u = 1; u < m_nodes.size(); ++u) {
        const int first = m_nodes[u].firstChild;
        for (int v = first; v < first + m_nodes[u].children; ++v) {
            Node& node = m_nodes[static_cast<std::size_t>(v)];
            const int fail = Step(m_nodes[u].fail, m_bytes[static_cast<std::size_t>(v)]);
            node.fail = fail;
            node.dict = m_nodes[fail].name >= 0 ? fail : m_nodes[fail].dict;
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
    const Node& up = m_nodes[static_cast<std::size_t>(node)];
    const unsigned char* const first = m_bytes.data() + up.firstChild;
    const unsigned char* const last = first + up.children;
    const unsigned char* const at = std::lower_bound(first, last, c);
    return at != last && *at == c ? static_cast<int>(at - m_bytes.data()) : -1;
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
    // For each node, [0]: whether the last byte of its text starts a character; [1]: whether the text of
    // its fail node, where it stands at the end of its text, starts one. The fail links are followed
    // again as they were found, carrying the map along the suffixes passed over.
    for (int c = 0; c < 256; ++c) m_lead[static_cast<std::size_t>(c)] = mbtext::IsLeadByte(static_cast<unsigned char>(c));
    const std::size_t count = m_nodes.size();
    std::vector<std::array<unsigned char, 2>> maps(count);
    m_jis.assign(count, {-1, -1});
    for (int v = m_nodes[0].firstChild; v < m_nodes[0].firstChild + m_nodes[0].children; ++v) {
        maps[static_cast<std::size_t>(v)][0] = kFirstByte;
    }
    for (std::size_t u = 1; u < count; ++u) {
        const int first = m_nodes[u].firstChild;
        for (int child = first; child < first + m_nodes[u].children; ++child) {
            const auto v = static_cast<std::size_t>(child);
            const unsigned char c = m_bytes[v];
            // A byte starts a character unless the one before it started a double-byte character.
            maps[v][0] = static_cast<unsigned char>(m_lead[m_bytes[u]] ? ~maps[u][0] & 3u : 3u);
            const int fail = m_nodes[v].fail;
            if (fail == 0) continue;
            if (m_nodes[static_cast<std::size_t>(fail)].depth == 1) {
                maps[v][1] = maps[v][0];
            } else {
                // fail is a child of the suffix of u where the walk stopped, which starts where fail does.
                int w = m_nodes[u].fail;
                unsigned at = maps[u][1];
                while (Child(w, c) != fail) {
                    at = Compose(maps[static_cast<std::size_t>(w)][1], at);
                    w = m_nodes[static_cast<std::size_t>(w)].fail;
                }
                maps[v][1] = static_cast<unsigned char>(at);
            }
            const auto f = static_cast<std::size_t>(fail);
            for (unsigned b = 0; b < 2; ++b) {
                const bool starts = (maps[v][1] >> b & 1u) != 0;
                m_jis[v][b] = starts && m_nodes[f].name >= 0 ? fail : m_jis[f][starts ? 1 : 0];
            }
        }
    }
}

void NameScanner::MarkCharStarts(std::string_view s)
{
    // mbtext::CharLength's steps, with the lead bytes of the table made with the chains.
    m_charStart.assign(s.size() + 1, 0);
    for (std::size_t i = 0; i < s.size(); i += m_lead[static_cast<unsigned char>(s[i])] && i + 1 < s.size() ? 2 : 1) {
        m_charStart[i] = 1;
    }
}

}  // namespace kscan
