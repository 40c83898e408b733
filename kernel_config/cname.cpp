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

}  // namespace

int IsValidCName(const std::string& name)
{
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') return 0;
    if (mbtext::FindAnyOf(name, kForbidden) != mbtext::npos) return 0;
    for (const char* word : kReserved) {
        if (mbtext::Compare(name, word) == 0) return 0;
    }
    return 1;
}
