// Reading the use switches of qvos.def ("#define EVENTFLG" and its four twins) into the use flags.
#include <string>

#include "doc.h"
#include "scan.h"
#include "text.h"

int CQuorvaneConfiguratorDoc::AnalyzeUseObject(std::string text) { kscan::Source s(text); return AnalyzeUseObject(s); }

int CQuorvaneConfiguratorDoc::AnalyzeUseObject(kscan::Source& def)
{
    CCData_conf_info_base* const records[] = {&m_confInfo.m_flg, &m_confInfo.m_sem, &m_confInfo.m_dtq,
                                              &m_confInfo.m_tim, &m_confInfo.m_cyc};
    static const char* const kSwitches[] = {"EVENTFLG", "SEMAPHORE", "DATAQUE", "SYSTIME", "CYC_HDR"};

    for (CCData_conf_info_base* r : records) r->SetUse(0);
    // The defines come from the stripped text: a "//#define SEMAPHORE" line vanished with its line end.
    for (const std::string_view rest : def.Defines()) {
        // Only a bare switch counts: "#define EVENTFLG 1" switches nothing on.
        const std::string_view bare = mbtext::TrimView(rest);
        for (int i = 0; i < 5; ++i) {
            if (bare == kSwitches[i]) records[i]->SetUse(1);
        }
    }
    // No content of the definition file counts as unreadable, so the analysis never fails.
    return 1;
}
