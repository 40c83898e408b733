// The shipped string table as a label look-up for the core tests, in English or Japanese.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "string_table.h"
#include "summary_lines.h"

namespace testlabels {

inline const StringTable& ShippedTable()
{
    static const StringTable table = [] {
        std::ifstream in(QV_STRINGS_FILE, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        StringTable t;
        t.Load(text.str());
        return t;
    }();
    return table;
}

inline LabelLookup Labels(StringLang lang = StringLang::English)
{
    return [lang](int id) { return ShippedTable().Get(id, lang); };
}

}  // namespace testlabels
