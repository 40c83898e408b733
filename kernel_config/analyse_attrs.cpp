// Reading the EVTFLG_ATTR, SEM_ATTR, DTQ_ATTR and CYC_ATTR calls of kinit.c back into the object tables.
// One walker finds the calls of a kind and one entry routine splits and stores a call; the four kinds
// differ only in the data below.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// What a field of a call holds.
enum class Field {
    Id,        // "(UB)1u": cast dropped, atoi, 1..127
    Attr,      // attribute words, anywhere in the field
    Count,     // "(UB)3" or "3": cast dropped, must not be empty, atoi
    SizeName,  // "(B)DTQ1_SIZE": cast dropped, value of its "#define" in the file, atoi
    Name,      // handler function, must not be empty, taken as it stands
    Number,    // "1000L": must not be empty, atoi
    Unused,    // present for the comma count only
};

struct AttrWord {
    const char* word;
    int bit;    // bit of the word mask
    int value;  // what the word adds to the stored attribute
};

// What one accepted call carries.
struct AttrEntry {
    int id = 0;
    int attr = 0;
    int number = 0;  // initial count, data count or cycle time
    std::string name;
};

struct AttrKind {
    const char* call;
    Field fields[4];
    int fieldCount;
    AttrWord words[5];
    int wordCount;
    // Each pair of word bits must have exactly one of its two words in the field.
    int pairs[2][2];
    int pairCount;
    // Where the kind lives in the configuration.
    int (*count)(const CCData_conf_info&);
    IntTable& (*userSet)(CCData_conf_info&);
    void (*store)(CCData_conf_info&, const AttrEntry&);
};

const AttrKind kFlgKind{
    "EVTFLG_ATTR",
    {Field::Id, Field::Attr},
    2,
    {{"EVFLG_TA_AND", 0x001, 4},
     {"EVFLG_TA_OR", 0x002, 0},
     {"EVFLG_TA_CLR", 0x010, 2},
     {"EVFLG_TA_TPRI", 0x100, 0},
     {"EVFLG_TA_TFIFO", 0x200, 1}},
    5,
    {{0x001, 0x002}, {0x100, 0x200}},
    2,
    [](const CCData_conf_info& c) { return c.m_flg.m_nFlgNum; },
    [](CCData_conf_info& c) -> IntTable& { return c.m_flg.m_nFlgSet; },
    // The event-flag record has no setter.
    [](CCData_conf_info& c, const AttrEntry& e) {
        c.m_flg.m_nFlgAttr[e.id - 1] = e.attr;
        c.m_flg.m_nFlgSet[e.id - 1] = 1;
    },
};
const AttrKind kSemKind{
    "SEM_ATTR",
    {Field::Id, Field::Count, Field::Attr},
    3,
    {{"SEM_TA_TPRI", 1, 0}, {"SEM_TA_TFIFO", 2, 1}},
    2,
    {{1, 2}},
    1,
    [](const CCData_conf_info& c) { return c.m_sem.m_nSemNum; },
    [](CCData_conf_info& c) -> IntTable& { return c.m_sem.m_nSemSet; },
    [](CCData_conf_info& c, const AttrEntry& e) { c.m_sem.SetSemData(e.id, e.attr, e.number); },
};
const AttrKind kDtqKind{
    "DTQ_ATTR",
    {Field::Id, Field::Attr, Field::SizeName, Field::Unused},
    4,
    {{"DTQ_TA_TPRI", 1, 0}, {"DTQ_TA_TFIFO", 2, 1}},
    2,
    {{1, 2}},
    1,
    [](const CCData_conf_info& c) { return c.m_dtq.m_nDtqNum; },
    [](CCData_conf_info& c) -> IntTable& { return c.m_dtq.m_nDtqSet; },
    [](CCData_conf_info& c, const AttrEntry& e) { c.m_dtq.SetDtqData(e.id, e.attr, e.number); },
};
const AttrKind kCycKind{
    "CYC_ATTR",
    {Field::Id, Field::Attr, Field::Name, Field::Number},
    4,
    {{"CYC_TA_NON", 1, 0}, {"CYC_TA_STA", 2, 1}},
    2,
    {{1, 2}},
    1,
    [](const CCData_conf_info& c) { return c.m_cyc.m_nCycNum; },
    [](CCData_conf_info& c) -> IntTable& { return c.m_cyc.m_nCycSet; },
    [](CCData_conf_info& c, const AttrEntry& e) { c.m_cyc.SetCycData(e.id, e.attr, e.name, e.number); },
};

// Splits args at commas into exactly count trimmed fields; false for any other number of commas.
bool SplitFields(std::string_view args, int count, std::string_view (&out)[4])
{
    std::size_t pos = 0;
    for (int i = 0; i < count - 1; ++i) {
        const std::size_t comma = mbtext::FindChar(args, ',', pos);
        if (comma == mbtext::npos) return false;
        out[i] = args.substr(pos, comma - pos);
        pos = comma + 1;
    }
    out[count - 1] = kscan::From(args, pos);
    if (mbtext::FindChar(out[count - 1], ',') != mbtext::npos) return false;
    for (int i = 0; i < count; ++i) out[i] = mbtext::TrimView(out[i]);
    return true;
}

// The attribute the words of field give, or false when a pair has neither or both of its words.
bool ReadAttr(const AttrKind& kind, std::string_view field, int& attr)
{
    int mask = 0;
    attr = 0;
    for (int i = 0; i < kind.wordCount; ++i) {
        if (mbtext::Find(field, kind.words[i].word) != mbtext::npos) {
            mask |= kind.words[i].bit;
            attr += kind.words[i].value;
        }
    }
    for (int i = 0; i < kind.pairCount; ++i) {
        const bool first = (mask & kind.pairs[i][0]) != 0;
        const bool second = (mask & kind.pairs[i][1]) != 0;
        if (first == second) return false;
    }
    return true;
}

// GetDefineValue of a data queue's size name over the comment-stripped file.
using SizeLookup = std::function<std::string_view(std::string_view name)>;

// Checks one call's argument text and stores its object; 0 when the call is rejected.
int AnalyzeAttrEntry(CCData_conf_info& conf, const AttrKind& kind, std::string_view args, const SizeLookup& lookup)
{
    std::string_view fields[4];
    if (!SplitFields(args, kind.fieldCount, fields)) return 0;

    AttrEntry e;
    const std::string_view* sizeName = nullptr;
    for (int i = 0; i < kind.fieldCount; ++i) {
        const std::string_view f = fields[i];
        switch (kind.fields[i]) {
        case Field::Id: {
            const std::string_view id = kscan::AfterCast(f);
            if (id.empty()) return 0;
            e.id = mbtext::Atoi(id);
            // The id indexes the tables: nothing outside 1..127 goes further. The first call for an id wins.
            if (e.id < 1 || e.id > kMaxObjects) return 0;
            if (kind.userSet(conf)[e.id - 1] == 1) return 0;
            break;
        }
        case Field::Attr:
            if (!ReadAttr(kind, f, e.attr)) return 0;
            break;
        case Field::Count: {
            const std::string_view count = kscan::AfterCast(f);
            if (count.empty()) return 0;
            e.number = mbtext::Atoi(count);
            break;
        }
        case Field::SizeName:
            sizeName = &fields[i];
            break;
        case Field::Name:
            if (f.empty()) return 0;
            e.name = f;
            break;
        case Field::Number:
            if (f.empty()) return 0;
            e.number = mbtext::Atoi(f);
            break;
        case Field::Unused:
            break;
        }
    }
    if (sizeName) {
        // Looked up last: the other checks are cheap.
        const std::string_view value = lookup(kscan::AfterCast(*sizeName));
        if (value.empty()) return 0;
        e.number = mbtext::Atoi(value);
    }
    kind.store(conf, e);
    return 1;
}

// The index of the kind's size-name field, or -1 when it has none.
int SizeNameField(const AttrKind& kind)
{
    const Field* const end = kind.fields + kind.fieldCount;
    const Field* const at = std::find(kind.fields, end, Field::SizeName);
    return at == end ? -1 : static_cast<int>(at - kind.fields);
}

// Finds every call of the kind and hands its arguments to the entry routine. The result is that of the
// last call; 0 at once when a call has no "(", no ";" or no ")" before its ";".
int WalkAttrCalls(CCData_conf_info& conf, const AttrKind& kind, kscan::Source& kinit)
{
    IntTable& userSet = kind.userSet(conf);
    const int count = kind.count(conf);
    for (int id = 1; id <= count && id <= kMaxObjects; ++id) userSet[id - 1] = 0;

    // Where each call stands depends on the text alone, not on what the entries store, so the calls are
    // delimited first; cut says that one of them could not be and ended the walk there.
    const std::string_view s = kinit.Stripped();
    std::vector<std::string_view> calls;
    bool cut = false;
    for (std::size_t pos = 0;;) {
        const std::size_t at = mbtext::Find(s, kind.call, pos);
        if (at == mbtext::npos) break;
        const std::size_t open = mbtext::FindChar(s, '(', at);
        const std::size_t semi = open == mbtext::npos ? mbtext::npos : mbtext::FindChar(s, ';', open);
        const std::string_view inner = semi == mbtext::npos ? std::string_view() : s.substr(open + 1, semi - open);
        const std::size_t close = mbtext::FindLastChar(inner, ')');  // inner runs through the ";"
        if (close == mbtext::npos) {
            cut = true;
            break;
        }
        calls.push_back(inner.substr(0, close));
        pos = semi + 1;
    }

    // The data-queue sizes: GetDefineValue over the stripped file (stripped once more, as that look-up
    // does), for the size names of all calls in one pass over its defines.
    SizeLookup lookup;
    std::optional<kscan::Source> again;
    std::optional<kscan::DefineValues> sizes;
    if (const int field = SizeNameField(kind); field >= 0) {
        std::vector<std::string_view> names;
        for (const std::string_view args : calls) {
            std::string_view fields[4];
            if (SplitFields(args, kind.fieldCount, fields)) names.push_back(kscan::AfterCast(fields[field]));
        }
        if (!names.empty()) again.emplace(s);
        sizes.emplace(again ? again->Defines() : std::vector<std::string_view>(), names);
        lookup = [&sizes](std::string_view name) { return sizes->Of(name); };
    }
    int result = 1;
    for (const std::string_view args : calls) result = AnalyzeAttrEntry(conf, kind, args, lookup);
    return cut ? 0 : result;
}

}  // namespace

int CQuorvaneConfiguratorDoc::AnalyzeFlgAttr(kscan::Source& kinit) { return WalkAttrCalls(m_confInfo, kFlgKind, kinit); }
int CQuorvaneConfiguratorDoc::AnalyzeSemAttr(kscan::Source& kinit) { return WalkAttrCalls(m_confInfo, kSemKind, kinit); }
int CQuorvaneConfiguratorDoc::AnalyzeDtqAttr(kscan::Source& kinit) { return WalkAttrCalls(m_confInfo, kDtqKind, kinit); }
int CQuorvaneConfiguratorDoc::AnalyzeCycAttr(kscan::Source& kinit) { return WalkAttrCalls(m_confInfo, kCycKind, kinit); }

// Called alone, each walker prepares its own copy of the file.
int CQuorvaneConfiguratorDoc::AnalyzeFlgAttr(std::string text) { kscan::Source s(text); return AnalyzeFlgAttr(s); }
int CQuorvaneConfiguratorDoc::AnalyzeSemAttr(std::string text) { kscan::Source s(text); return AnalyzeSemAttr(s); }
int CQuorvaneConfiguratorDoc::AnalyzeDtqAttr(std::string text) { kscan::Source s(text); return AnalyzeDtqAttr(s); }
int CQuorvaneConfiguratorDoc::AnalyzeCycAttr(std::string text) { kscan::Source s(text); return AnalyzeCycAttr(s); }

int CQuorvaneConfiguratorDoc::AnalyzeFlgAttrEntry(std::string args)
{
    return AnalyzeAttrEntry(m_confInfo, kFlgKind, args, {});
}

int CQuorvaneConfiguratorDoc::AnalyzeSemAttrEntry(std::string args)
{
    return AnalyzeAttrEntry(m_confInfo, kSemKind, args, {});
}

int CQuorvaneConfiguratorDoc::AnalyzeDtqAttrEntry(std::string args, std::string text)
{
    kscan::Source file(text);
    return AnalyzeAttrEntry(m_confInfo, kDtqKind, args,
                            [&file](std::string_view name) { return kscan::DefineValueIn(file.Defines(), name); });
}

int CQuorvaneConfiguratorDoc::AnalyzeCycAttrEntry(std::string args)
{
    return AnalyzeAttrEntry(m_confInfo, kCycKind, args, {});
}
