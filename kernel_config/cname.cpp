// The C name check: a deny-list of a leading digit, 31 characters and 40 reserved words.
#include "cname.h"

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

// Control characters, the blank and the characters that delimit a name in the "{ name }" rows of config.c
// and in the comma-separated fields of a CYC_ATTR call, which ends at its ";".
std::string SplittingBytes()
{
    std::string bytes;
    for (int c = 0; c <= 0x20; ++c) bytes += static_cast<char>(c);
    return bytes + "\x7f{};,()";
}

// Texts the readers look for where names stand: comments go before anything is read, the state table and
// the #define lines are taken at their first match, and the call of a kind read before the handlers is
// taken for one more call of that kind.
const char* const kReaderWords[] = {"/*", "//", "#define", "knl_tcbStInit", "EVTFLG_ATTR", "SEM_ATTR"};
// The CPU names made only of name characters: the CPU analysis looks for them anywhere in config.c, where
// task names stand too, and would take one for the CPU of the header when that CPU comes later in its order.
const char* const kCpuWords[] = {"H8SX", "R8C", "SH2", "RL78"};

template <std::size_t N>
bool HoldsAny(const std::string& name, const char* const (&words)[N])
{
    for (const char* word : words) {
        if (mbtext::Find(name, word) != mbtext::npos) return true;
    }
    return false;
}

}  // namespace

int IsReadBackName(const std::string& name)
{
    static const std::string splitting = SplittingBytes();
    if (name.empty() || mbtext::FindAnyOf(name, splitting) != mbtext::npos || HoldsAny(name, kReaderWords)) return 0;
    // A lead byte at the end would take the separator after the name as its second byte.
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += mbtext::CharLength(name, i)) last = i;
    return mbtext::CharLength(name, last) == 1 && mbtext::IsLeadByte(static_cast<unsigned char>(name[last])) ? 0 : 1;
}

int IsValidCName(const std::string& name)
{
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') return 0;
    if (mbtext::FindAnyOf(name, kForbidden) != mbtext::npos || IsReadBackName(name) == 0 || HoldsAny(name, kCpuWords)) {
        return 0;
    }
    for (const char* word : kReserved) {
        if (mbtext::Compare(name, word) == 0) return 0;
    }
    return 1;
}
