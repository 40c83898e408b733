// Fuzzes the settings-file reader: the input is the whole content of "quorvane.ini". Each run reads it into a
// document as its start would and writes the settings back as its end would.
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
    // One document for the whole run: a new one per input would build a whole default configuration that the
    // reader never looks at. The two parts the reader fills start from their defaults, as in a new document.
    static CQuorvaneConfiguratorDoc* doc = new CQuorvaneConfiguratorDoc(fuzzcheck::Folder());
    doc->m_confInfo.m_ini.InitData();
    doc->m_confInfo.m_win.InitData();
    doc->ReadIniFile();
    fuzzcheck::CheckRecentList(doc->m_confInfo);
    doc->WriteIniFile();
    return 0;
}
