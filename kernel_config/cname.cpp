// The C name check (a deny-list of a leading digit, 31 characters and 40 reserved words) and the check that
// the readers of the file a name is written into give it back.
#include "cname.h"

#include "conf_info.h"
#include "text.h"

namespace {

// Blank, ( ) [ ] . , - + * / % ^ ~ = < > ! # $ & | ? ' " CR LF HT VT BS backslash.
const std::string kForbidden = std::string(" ()[].,-+*/%^~=<>!#$&|?'\"\r\n\t\v\b\\");

// The 32 C keywords, four compiler words, then four empty entries so that the empty name is rejected.
const char* const kReserved[40] = {
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else",
    "enum", "extern", "float", "for", "goto", "if", "int", "long", "register", "return",
    "short", "signed", "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void",
    "volatile", "while", "fortran", "pascal", "far", "near", "", "", "", ""};

// What ends a name where it stands: the "}" of its "{ name }" row in knl_tcbAddrInit (the "{" and ";" of
// that table are looked for from before the name, so they may stand in it); the "," between the fields of
// its CYC_ATTR call and the ";" that ends the call (the call's "(" comes before the name and its ")" is the
// last one before that ";").
const char kConfigSplitting[] = "}";
const char kKinitSplitting[] = ",;";

// The words that a reader of the file looks for, that it would find in a name before its real place there.
// Both files lose their comments first. In config.c the task names stand in the declarations before the
// knl_tcbAddrInit table and in it, so both later tables' names count, and so does "#define": the count
// readers take the first "#define" line that holds their names, and those lines follow. The mask and size
// readers find their words before the names. In kinit.c the handler names stand in the declarations before
// everything but the data-queue defines, and in the CYC_ATTR calls; each call walker takes every occurrence
// of its word for a call. Only the CYC_ATTR walker is safe: it steps over a call of its own that holds the
// name, and the declaration it takes for a call stands before every real one, which decide.
const char* const kConfigWords[] = {"/*", "//", "#define", "knl_tcbAddrInit", "knl_tcbStInit"};
const char* const kKinitWords[] = {"/*", "//", "EVTFLG_ATTR", "SEM_ATTR", "DTQ_ATTR"};
// The CPU names made only of name characters that the CPU analysis looks for anywhere in config.c, where
// task names stand too, before some other CPU's name in its order ("R8C1" and "R8C2" hold "R8C", "SH2A"
// holds "SH2"; the RX names come after every other and decide nothing).
const char* const kCpuWords[] = {"H8SX", "R8C", "SH2", "RL78"};

template <std::size_t N>
bool HoldsAny(const std::string& name, const char* const (&words)[N])
{
    for (const char* word : words) {
        if (mbtext::Find(name, word) != mbtext::npos) return true;
    }
    return false;
}

// The data-queue size look-up of kinit.c takes the first "#define" line whose text after its "#define" holds
// a size name "DTQ%d_SIZE" of an id; a handler's declaration stands before the real defines.
bool HoldsDefinedSizeName(const std::string& name)
{
    static constexpr char kDefine[] = "#define";
    const std::size_t at = mbtext::Find(name, kDefine);
    if (at == mbtext::npos) return false;
    const std::string rest = name.substr(at + sizeof kDefine - 1);
    for (int id = 1; id <= kMaxObjects; ++id) {
        if (mbtext::Find(rest, mbtext::Format("DTQ%d_SIZE", {id})) != mbtext::npos) return true;
    }
    return false;
}

}  // namespace

int IsReadBackName(const std::string& name, NameFile file)
{
    const bool config = file == NameFile::Config;
    // The readers trim what they take: white space at an end would not come back.
    if (name.empty() || mbtext::TrimView(name).size() != name.size()) return 0;
    if (mbtext::FindAnyOf(name, config ? kConfigSplitting : kKinitSplitting) != mbtext::npos) return 0;
    if (config) return HoldsAny(name, kConfigWords) ? 0 : 1;
    if (HoldsAny(name, kKinitWords) || HoldsDefinedSizeName(name)) return 0;
    // A lead byte at the end would take the "," after the name as its second byte.
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += mbtext::CharLength(name, i)) last = i;
    return mbtext::CharLength(name, last) == 1 && mbtext::IsLeadByte(static_cast<unsigned char>(name[last])) ? 0 : 1;
}

int IsValidCName(const std::string& name)
{
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') return 0;
    if (mbtext::FindAnyOf(name, kForbidden) != mbtext::npos || IsReadBackName(name, NameFile::Config) == 0 ||
        HoldsAny(name, kCpuWords)) {
        return 0;
    }
    for (const char* word : kReserved) {
        if (mbtext::Compare(name, word) == 0) return 0;
    }
    return 1;
}
