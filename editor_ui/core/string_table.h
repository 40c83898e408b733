// The editor's string table: English and Japanese texts by id, loaded from the tab-separated text of
// resources/strings/strings.tsv (id, English, Japanese; escapes \n, \t and \\). Standard C++ only, so the
// window code and the tests share it.
#pragma once

#include <map>
#include <string>
#include <vector>

enum class StringLang { English, Japanese };

// Japanese for a locale name such as "ja_JP.UTF-8" or "ja"; English for every other name.
StringLang StringLangForLocale(const std::string& localeName);

class StringTable {
public:
    // Replaces the table with the entries of text. Returns false, fills *error (when given) with the line
    // number and the reason and leaves the table empty, when a line is malformed: not three columns, an
    // empty id, an id given twice, or a bad escape.
    bool Load(const std::string& text, std::string* error = nullptr);

    // The text of an id in a language; an empty string for an unknown id.
    std::string Get(int id, StringLang lang) const;
    std::string Get(const std::string& id, StringLang lang) const;

    bool Has(int id) const;
    bool Has(const std::string& id) const;

    // Every id in file order.
    const std::vector<std::string>& Ids() const { return m_order; }
    std::size_t Size() const { return m_order.size(); }

    // Turns the escapes \n, \t and \\ into their characters. Returns false on any other backslash
    // sequence or a backslash at the end; *out then holds what was decoded up to that point.
    static bool Unescape(const std::string& text, std::string* out);

private:
    struct Entry {
        std::string en;
        std::string ja;
    };
    std::map<std::string, Entry> m_entries;
    std::vector<std::string> m_order;
};
