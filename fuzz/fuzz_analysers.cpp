// Fuzzes the fourteen analysers in the load order. The input holds config.c, qvos.def and kinit.c
// separated by zero bytes (the file reader never passes a zero byte on, so it cannot occur in a real text).
#include <cstddef>
#include <cstdint>
#include <string>

#include "doc.h"
#include "fuzz_common.h"
#include "load_analysis.h"

namespace {

// One document for the whole run, reset before each input as a load would; no settings file is touched.
CQuorvaneConfiguratorDoc& Document()
{
    static CQuorvaneConfiguratorDoc* doc = new CQuorvaneConfiguratorDoc(fuzzcheck::Folder());
    return *doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('\0');
    const std::size_t second = first == std::string::npos ? std::string::npos : input.find('\0', first + 1);
    const std::string config = input.substr(0, first);
    const std::string def = first == std::string::npos ? std::string() : input.substr(first + 1, second - first - 1);
    const std::string kinit = second == std::string::npos ? std::string() : input.substr(second + 1);

    CQuorvaneConfiguratorDoc& doc = Document();
    fuzzcheck::ClearKernelPart(doc.m_confInfo);
    AnalyzeLoadedTexts(doc, config, def, kinit);
    fuzzcheck::CheckKernelPart(doc.m_confInfo);
    return 0;
}
