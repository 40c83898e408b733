// Reading the task count, the priority-task count and the three task tables back from config.c.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// One task as the tables of config.c describe it, before it goes into the configuration.
struct TaskSlot {
    std::string name;
    int state = 0;
    int stack = 0;
    std::string sizeName;
    int userSet = 1;
};

// The four sections whose failure makes the task-table analysis report 0.
enum Section { kFunctions, kStates, kSizeNames, kSizeValues, kSectionCount };

// Position just after the first "{" behind the table's name; npos when the name is missing, stands at the
// very start of the text (a table name is always preceded by its type), or has no "{" after it.
std::size_t OpenTable(std::string_view s, std::string_view table)
{
    const std::size_t at = mbtext::Find(s, table);
    if (at == mbtext::npos || at == 0) return mbtext::npos;
    const std::size_t brace = mbtext::FindChar(s, '{', at);
    return brace == mbtext::npos ? mbtext::npos : brace + 1;
}

// Position n characters after pos: a double-byte character counts once, so the walk never resumes on its
// second byte, which may look like a "{", "}" or "[".
std::size_t CharsAfter(std::string_view s, std::size_t pos, int n)
{
    for (int i = 0; i < n && pos < s.size(); ++i) pos += mbtext::CharLength(s, pos);
    return pos;
}

// Text between two positions, empty when they are out of order.
std::string_view Between(std::string_view s, std::size_t from, std::size_t to)
{
    return to > from ? s.substr(from, to - from) : std::string_view();
}

// The next place of one character at or after a position, for a walk whose positions only grow: a place
// found once serves every later question up to it, so the whole walk reads the text once per character
// instead of once per row.
class NextChar {
public:
    NextChar(std::string_view s, char c) : m_s(s), m_c(c) {}
    std::size_t From(std::size_t pos)
    {
        if (!m_asked || pos < m_from || (m_found != mbtext::npos && pos > m_found)) {
            m_found = mbtext::FindChar(m_s, m_c, pos);
            m_asked = true;
        }
        m_from = pos;
        return m_found;
    }

private:
    std::string_view m_s;
    char m_c;
    bool m_asked = false;
    std::size_t m_from = 0;
    std::size_t m_found = mbtext::npos;
};

// Reads the rows of one table: next(pos, entry, end) finds the next entry at or after pos and returns false
// when the table ends; a non-empty entry fills the next slot through fill. An empty entry takes no slot and
// fails the section (clearOnEmpty: the slot that the next entry fills loses its user-set flag). Returns the
// number of entries that took a slot, slots past the 127th counted but not filled.
template <class Next, class Fill>
int ReadRows(std::size_t pos, std::array<TaskSlot, kMaxObjects>& slots, bool clearOnEmpty, int& found, Next next,
             Fill fill)
{
    int filled = 0;
    std::string_view entry;
    std::size_t after = 0;
    while (next(pos, entry, after)) {
        entry = mbtext::TrimView(entry);
        if (entry.empty()) {
            if (clearOnEmpty && filled < kMaxObjects) slots[filled].userSet = 0;
            found = 0;
        } else {
            if (filled < kMaxObjects) fill(slots[filled], entry);
            ++filled;
        }
        pos = after;
    }
    return filled;
}

}  // namespace

int CQuorvaneConfiguratorDoc::AnalyzeTcbNum(std::string text) { kscan::Source s(text); return AnalyzeTcbNum(s); }
int CQuorvaneConfiguratorDoc::AnalyzeTaskSetting(std::string text) { kscan::Source s(text); return AnalyzeTaskSetting(s); }

int CQuorvaneConfiguratorDoc::AnalyzeTcbNum(kscan::Source& config)
{
    static constexpr std::string_view kTskName = "KNL_TCB_NUM";
    static constexpr std::string_view kPriName = "KNL_TCB_PRI_NUM";
    CCData_conf_info_tsk& tsk = m_confInfo.m_tsk;
    bool lookTsk = true, lookPri = true;
    int result = 0;

    // Reads "name value" out of rest when the name follows at least one character after "#define".
    const auto take = [&](std::string_view rest, std::string_view name, int low, int& target) {
        const std::size_t at = mbtext::Find(rest, name);
        if (at == mbtext::npos || at == 0) return false;
        const std::string_view value = mbtext::TrimView(kscan::From(rest, at + name.size()));
        const int n = mbtext::Atoi(value);
        if (!value.empty() && n >= low && n <= kMaxObjects) {
            target = n;
            result = 1;
        }
        return true;
    };

    for (const std::string_view rest : config.Defines()) {
        if (take(rest, kTskName, 1, tsk.m_nTskNum)) {
            lookTsk = false;
        } else if (take(rest, kPriName, 0, tsk.m_nTskPriNum)) {
            lookPri = false;
        }
        if (!lookTsk && !lookPri) break;
    }
    return result;
}

int CQuorvaneConfiguratorDoc::AnalyzeTaskSetting(kscan::Source& config)
{
    const std::string_view s = config.Stripped();
    CCData_conf_info_tsk& tsk = m_confInfo.m_tsk;
    const int defaultStack = m_confInfo.m_cpu.GetDefStackSize();

    // The default names are the same in every load: made once.
    static const std::array<std::string, kMaxObjects> kDefaultNames = [] {
        std::array<std::string, kMaxObjects> names;
        for (int i = 0; i < kMaxObjects; ++i) names[i] = mbtext::Format("tsk%02d", {i + 1});
        return names;
    }();
    std::array<TaskSlot, kMaxObjects> slots;
    for (int i = 0; i < kMaxObjects; ++i) {
        slots[i].name = kDefaultNames[i];
        slots[i].stack = defaultStack;
    }
    std::array<int, kSectionCount> found{1, 1, 1, 1};
    // The count only selects slots; keep it inside the table whatever the configuration holds.
    const int count = tsk.m_nTskNum;
    const int used = count < 0 ? 0 : (count > kMaxObjects ? kMaxObjects : count);
    const std::size_t npos = mbtext::npos;

    // Entry functions: one "{ name }" row each; the ";" that ends the declaration ends the table.
    if (const std::size_t open = OpenTable(s, "knl_tcbAddrInit"); open != npos) {
        NextChar lbs(s, '{'), rbs(s, '}'), semis(s, ';');
        const int rows = ReadRows(
            open, slots, true, found[kFunctions],
            [&](std::size_t pos, std::string_view& entry, std::size_t& after) {
                const std::size_t lb = lbs.From(pos);
                const std::size_t rb = rbs.From(pos);
                const std::size_t semi = semis.From(pos);
                if (lb == npos || rb == npos || semi == npos || semi < lb) return false;
                entry = Between(s, lb + 1, rb);
                after = CharsAfter(s, rb, 2);
                return true;
            },
            [](TaskSlot& slot, std::string_view entry) { slot.name = entry; });
        if (rows != count) found[kFunctions] = 0;
    } else {
        found[kFunctions] = 0;
    }

    // Initial states: comma-separated words; the last one ends at the "}" only when no "," follows at all.
    if (const std::size_t open = OpenTable(s, "knl_tcbStInit"); open != npos) {
        const int cpuType = m_confInfo.m_cpu.GetCpuType();
        int& stateFound = found[kStates];
        NextChar commas(s, ','), rbs(s, '}'), semis(s, ';');
        const int rows = ReadRows(
            open, slots, false, stateFound,
            [&](std::size_t pos, std::string_view& entry, std::size_t& after) {
                std::size_t end = commas.From(pos);
                if (end == npos) end = rbs.From(pos);
                const std::size_t semi = semis.From(pos);
                if (end == npos || semi == npos || semi < end) return false;
                entry = Between(s, pos, end);
                after = CharsAfter(s, end, 1);
                return true;
            },
            [&](TaskSlot& slot, std::string_view entry) {
                // Type 0 has no sleeping state: its "CTCB_ST_SLP" is as unknown as any other word.
                if (entry == "CTCB_ST_RDY") {
                    slot.state = 0;
                } else if (entry == "CTCB_ST_SLP" && cpuType != 0) {
                    slot.state = 1;
                } else {
                    slot.state = 0;
                    slot.userSet = 0;
                    stateFound = 0;
                }
            });
        if (rows != count) found[kStates] = 0;
    } else {
        found[kStates] = 0;
    }

    // Stack-size names: the text between "[" and the "/" (or "]") of "&tcb_stack1[TCB1_SIZE/sizeof(W)]".
    if (const std::size_t open = OpenTable(s, "knl_tcbSpInit"); open != npos) {
        NextChar lbs(s, '['), slashes(s, '/'), closes(s, ']'), semis(s, ';');
        const int rows = ReadRows(
            open, slots, true, found[kSizeNames],
            [&](std::size_t pos, std::string_view& entry, std::size_t& after) {
                const std::size_t lb = lbs.From(pos);
                if (lb == npos) return false;
                std::size_t end = slashes.From(lb + 1);
                if (end == npos) end = closes.From(lb + 1);
                const std::size_t semi = semis.From(pos);
                if (end == npos || semi == npos || semi < lb) return false;
                entry = Between(s, lb + 1, end);
                after = CharsAfter(s, end, 2);
                return true;
            },
            [](TaskSlot& slot, std::string_view entry) { slot.sizeName = entry; });
        if (rows != count) found[kSizeNames] = 0;
    } else {
        found[kSizeNames] = 0;
    }

    // Stack sizes: "#define TCB1_SIZE 0x80u" lines, hexadecimal when the value starts with "0x". All the
    // names are looked for in one pass over each define; a name counts from the second character on.
    std::vector<std::string_view> names;
    for (int i = 0; i < used; ++i) names.push_back(slots[i].sizeName);
    kscan::NameScanner scanner(names);
    // The scanner reports a name under its first slot; nextSharer links each slot to the next slot of the
    // same name.
    std::vector<int> nextSharer(names.size(), -1), lastSharer(names.size(), -1);
    for (int i = 0; i < used; ++i) {
        const int first = scanner.IndexOf(names[i]);
        if (first < 0 || first == i) {
            if (first == i) lastSharer[i] = i;
            continue;
        }
        nextSharer[lastSharer[first]] = i;
        lastSharer[first] = i;
    }
    for (const std::string_view rest : config.Defines()) {
        scanner.FirstIn(rest, [&](int first, std::size_t at) {
            if (at == 0) return;
            const std::string_view value = mbtext::TrimView(kscan::From(rest, at + names[first].size()));
            int size = 0;
            bool read = false;
            // Lower-casing would not change what "%x" reads, so only the prefix is compared without case.
            if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
                read = mbtext::ScanHex(value, size) == 1;
            } else if (!value.empty()) {
                size = mbtext::Atoi(value);
                read = true;
            }
            // Every slot that carries this name takes the value.
            for (int i = first; i >= 0; i = nextSharer[i]) {
                if (read) {
                    slots[i].stack = size;
                } else {
                    slots[i].userSet = 0;
                    found[kSizeValues] = 0;
                }
            }
        });
    }

    for (int id = 1; id <= used; ++id) {
        const TaskSlot& slot = slots[id - 1];
        tsk.SetTskData(id, slot.state, slot.stack, slot.name);
        tsk.m_nTskSet[id - 1] = slot.userSet;
    }
    for (int f : found) {
        if (f == 0) return 0;
    }
    return 1;
}
