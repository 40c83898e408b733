// Loader of the tab-separated string table and look-up by id and language.
#include "string_table.h"

namespace {

// Splits one line at tabs; the escapes never contain a raw tab, so every tab is a separator.
std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cols;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type tab = line.find('\t', start);
        if (tab == std::string::npos) {
            cols.push_back(line.substr(start));
            return cols;
        }
        cols.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

}  // namespace

StringLang StringLangForLocale(const std::string& localeName)
{
    const bool ja = localeName.size() >= 2 && localeName.compare(0, 2, "ja") == 0 &&
                    (localeName.size() == 2 || localeName[2] == '_' || localeName[2] == '-' ||
                     localeName[2] == '.' || localeName[2] == '@');
    return ja ? StringLang::Japanese : StringLang::English;
}

bool StringTable::Unescape(const std::string& text, std::string* out)
{
    std::string result;
    result.reserve(text.size());
    bool ok = true;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\') {
            result += c;
            continue;
        }
        if (i + 1 >= text.size()) {
            ok = false;
            break;
        }
        const char next = text[++i];
        if (next == 'n') {
            result += '\n';
        } else if (next == 't') {
            result += '\t';
        } else if (next == '\\') {
            result += '\\';
        } else {
            ok = false;
            break;
        }
    }
    if (out) *out = result;
    return ok;
}

bool StringTable::Load(const std::string& text, std::string* error)
{
    m_entries.clear();
    m_order.clear();
    std::map<std::string, Entry> entries;
    std::vector<std::string> order;

    auto fail = [error](int lineNo, const std::string& why) {
        if (error) *error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };

    int lineNo = 0;
    std::string::size_type pos = 0;
    while (pos < text.size()) {
        std::string::size_type end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        // A file checked out with CR LF line ends reads the same.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;

        const std::vector<std::string> cols = SplitTabs(line);
        if (cols.size() != 3) return fail(lineNo, "expected 3 tab-separated columns, found " +
                                                      std::to_string(cols.size()));
        const std::string& id = cols[0];
        if (id.empty()) return fail(lineNo, "empty id");
        if (entries.count(id)) return fail(lineNo, "id " + id + " given twice");
        Entry entry;
        if (!Unescape(cols[1], &entry.en)) return fail(lineNo, "bad escape in the English text of " + id);
        if (!Unescape(cols[2], &entry.ja)) return fail(lineNo, "bad escape in the Japanese text of " + id);
        entries.emplace(id, std::move(entry));
        order.push_back(id);
    }
    m_entries.swap(entries);
    m_order.swap(order);
    if (error) error->clear();
    return true;
}

std::string StringTable::Get(int id, StringLang lang) const { return Get(std::to_string(id), lang); }

std::string StringTable::Get(const std::string& id, StringLang lang) const
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end()) return std::string();
    return lang == StringLang::Japanese ? it->second.ja : it->second.en;
}

bool StringTable::Has(int id) const { return Has(std::to_string(id)); }

bool StringTable::Has(const std::string& id) const { return m_entries.count(id) != 0; }
