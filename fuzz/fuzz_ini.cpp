// Fuzzes the settings-file reader: the input is the whole content of "quorvane.ini".
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "doc.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream out(fuzzcheck::Folder() + "/quorvane.ini", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CQuorvaneConfiguratorDoc doc(fuzzcheck::Folder());
    fuzzcheck::CheckRecentList(doc.m_confInfo);
    return 0;
}
