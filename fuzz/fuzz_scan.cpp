// Fuzzes comment stripping and define lookup: the first line of the input is the name, the rest the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string name = newline == std::string::npos ? std::string() : input.substr(0, newline);
    const std::string text = newline == std::string::npos ? input : input.substr(newline + 1);
    const std::string stripped = CQuorvaneConfiguratorDoc::StripComments(text);
    if (stripped.size() > text.size()) __builtin_trap();
    const std::string value = CQuorvaneConfiguratorDoc::GetDefineValue(text, name);
    if (value.size() > text.size()) __builtin_trap();
    return 0;
}
