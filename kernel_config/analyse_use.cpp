// Reading the use switches of qvos.def ("#define EVENTFLG" and its four twins) into the use flags.
#include <string>

#include "doc.h"
#include "scan.h"
#include "text.h"

int CQuorvaneConfiguratorDoc::AnalyzeUseObject(std::string text)
{
    CCData_conf_info_base* const records[] = {&m_confInfo.m_flg, &m_confInfo.m_sem, &m_confInfo.m_dtq,
                                              &m_confInfo.m_tim, &m_confInfo.m_cyc};
    static const char* const kSwitches[] = {"EVENTFLG", "SEMAPHORE", "DATAQUE", "SYSTIME", "CYC_HDR"};

    // Stripping first makes a "//#define SEMAPHORE" line vanish together with its line end.
    const std::string s = StripComments(text);
    for (CCData_conf_info_base* r : records) r->SetUse(0);
    kscan::ForEachLine(s, [&](const std::string& line) {
        std::string rest;
        if (kscan::AfterDefine(line, rest)) {
            // Only a bare switch counts: "#define EVENTFLG 1" switches nothing on.
            rest = mbtext::Trim(rest);
            for (int i = 0; i < 5; ++i) {
                if (mbtext::Compare(rest, kSwitches[i]) == 0) records[i]->SetUse(1);
            }
        }
        return true;
    });
    // No content of the definition file counts as unreadable, so the analysis never fails.
    return 1;
}
