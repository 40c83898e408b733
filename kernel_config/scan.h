// Line helpers shared by the analysers of the kernel files: walking CR LF lines and taking the text that
// follows a "#define". Only CR LF ends a line; a last line without it is never handed out.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text.h"

namespace kscan {

// Calls fn(line) for each line of s that ends with CR LF, the CR LF not included, from the start, until
// fn returns false. A lone CR or LF ends no line, and a last line without CR LF is not passed.
template <class Fn>
void ForEachLine(std::string_view s, Fn fn)
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
inline std::string_view From(std::string_view s, std::size_t pos)
{
    return pos < s.size() ? s.substr(pos) : std::string_view();
}

// True when line holds "#define"; rest receives everything after the first one.
inline bool AfterDefine(std::string_view line, std::string_view& rest)
{
    static constexpr std::string_view kDefine = "#define";
    const std::size_t at = mbtext::Find(line, kDefine);
    if (at == mbtext::npos) return false;
    rest = From(line, at + kDefine.size());
    return true;
}

// Text after the first ")" of field, or field itself when it has none: drops a cast such as "(UB)".
inline std::string_view AfterCast(std::string_view field)
{
    const std::size_t close = mbtext::FindChar(field, ')');
    return close == mbtext::npos ? field : From(field, close + 1);
}

// The comment-free text that every analyser reads.
std::string StripText(std::string_view text);

// The look-up behind GetDefineValue in two steps, so that many names can be looked up in one text:
// DefineRests gives, for each CR LF line of the comment-stripped text that holds "#define", the text after
// its first "#define" (views into stripped); DefineValueIn gives the trimmed text after name in the first
// of them that holds it, or "" when none does.
std::vector<std::string_view> DefineRests(std::string_view stripped);
std::string_view DefineValueIn(const std::vector<std::string_view>& rests, std::string_view name);

// One kernel file as the analysers of a load share it: the text as read, and its comment-stripped form and
// "#define" rests, each made on first use and then kept, so a load strips every file once.
class Source {
public:
    explicit Source(std::string_view raw) : m_raw(raw) {}
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    std::string_view Raw() const { return m_raw; }
    const std::string& Stripped()
    {
        if (!m_stripped) m_stripped = StripText(m_raw);
        return *m_stripped;
    }
    const std::vector<std::string_view>& Defines()
    {
        if (!m_defines) m_defines = DefineRests(Stripped());
        return *m_defines;
    }

private:
    std::string_view m_raw;
    std::optional<std::string> m_stripped;
    std::optional<std::vector<std::string_view>> m_defines;
};

// Finds many names in a text in one pass (Aho-Corasick): for each name, its first occurrence that starts a
// character, as mbtext::Find would give it. Looking up many names line by line would read every line once
// per name. A pass costs the length of the text plus the names it reports, whatever the names are: a
// child is found by binary search among its siblings, and the names met at a position are walked only
// while they are new.
class NameScanner {
public:
    // Empty names are never reported; a name given twice is reported under its first index only.
    explicit NameScanner(const std::vector<std::string_view>& names);

    // Calls found(index, position) once for each name that occurs in s, at its first occurrence.
    template <class Fn>
    void FirstIn(std::string_view s, Fn found);

    // The index under which name is reported, or -1 when it is not one of the names.
    int IndexOf(std::string_view name) const;

private:
    struct Node {
        int fail = 0;        // the longest proper suffix of this node's text that is a node
        int name = -1;       // index of the name that ends here
        int depth = 0;       // length of the node's text
        int dict = -1;       // nearest node on the fail chain where a name ends
        int firstChild = 0;  // the children are the nodes from here on, by ascending byte
        int children = 0;
    };
    int Child(int node, unsigned char c) const;
    int Step(int state, unsigned char c) const;
    void MarkCharStarts(std::string_view s);
    void BuildJisChains();

    std::vector<Node> m_nodes;  // in breadth-first order, so the children of a node stand together
    std::vector<unsigned char> m_bytes;  // the last byte of each node's text, searched for a child
    // Under Shift-JIS, made on the first pass: the first node behind each node on its fail chain where a
    // name ends that starts a character, when the node's text starts one ([1]) or starts on a second
    // byte ([0]).
    std::vector<std::array<int, 2>> m_jis;
    std::array<bool, 256> m_lead{};  // the Shift-JIS lead bytes, with the chains
    std::array<int, 256> m_root;
    std::vector<std::size_t> m_lengths;
    std::vector<unsigned> m_seen;
    unsigned m_stamp = 0;
    std::vector<char> m_charStart;
};

template <class Fn>
void NameScanner::FirstIn(std::string_view s, Fn found)
{
    if (m_nodes.size() == 1) return;
    if (++m_stamp == 0) {
        std::fill(m_seen.begin(), m_seen.end(), 0u);
        m_stamp = 1;
    }
    // Every name on the chain behind a name already met was met with it, so a walk stops at the first one
    // met. Under Shift-JIS that holds among the names that start a character here: they have a chain of
    // their own, chosen by whether the text of the state starts a character.
    const bool everyByte = mbtext::GetCodePage() != mbtext::CodePage::ShiftJis;
    if (!everyByte) {
        if (m_jis.empty()) BuildJisChains();
        MarkCharStarts(s);
    }
    int state = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        state = Step(state, static_cast<unsigned char>(s[i]));
        const Node& node = m_nodes[state];
        int n = node.dict;
        if (!everyByte) {
            const bool starts = m_charStart[i + 1 - static_cast<std::size_t>(node.depth)] != 0;
            n = m_jis[state][starts ? 1 : 0];
            if (starts && node.name >= 0) n = state;
        } else if (node.name >= 0) {
            n = state;
        }
        while (n >= 0) {
            const int id = m_nodes[n].name;
            if (m_seen[id] == m_stamp) break;
            m_seen[id] = m_stamp;
            found(id, i + 1 - m_lengths[id]);
            n = everyByte ? m_nodes[n].dict : m_jis[n][1];
        }
    }
}

// GetDefineValue for many names over one set of "#define" rests, all found in one pass.
class DefineValues {
public:
    DefineValues(const std::vector<std::string_view>& rests, const std::vector<std::string_view>& names);
    // DefineValueIn(rests, name) for one of the names given.
    std::string_view Of(std::string_view name) const;

private:
    NameScanner m_scanner;
    std::vector<std::string_view> m_values;
    std::string_view m_empty;  // the value of an empty name: the first rest, trimmed
};

}  // namespace kscan
