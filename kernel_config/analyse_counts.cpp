// Reading the object counts and the system-time cycle back from the "#define" lines of config.c.
#include <climits>
#include <string>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// One single-number define: its name, the accepted range and the field it fills.
struct CountDefine {
    const char* name;
    int low;
    int high;
    int& (*field)(CCData_conf_info&);
};

const CountDefine kFlgNum{"EVFLG_NUM", 1, kMaxObjects, [](CCData_conf_info& c) -> int& { return c.m_flg.m_nFlgNum; }};
const CountDefine kSemNum{"SEM_NUM", 1, kMaxObjects, [](CCData_conf_info& c) -> int& { return c.m_sem.m_nSemNum; }};
const CountDefine kDtqNum{"DTQ_NUM", 1, kMaxObjects, [](CCData_conf_info& c) -> int& { return c.m_dtq.m_nDtqNum; }};
const CountDefine kCycNum{"CYC_NUM", 1, kMaxObjects, [](CCData_conf_info& c) -> int& { return c.m_cyc.m_nCycNum; }};
// The cycle has no upper bound of its own; a value past the int range arrives here saturated.
const CountDefine kSysTime{"SYSTIM_CYCLIC_TIM", 1, INT_MAX,
                           [](CCData_conf_info& c) -> int& { return c.m_tim.m_nCyclicTime; }};

// Stores the define's number when it is present and in range; the field keeps its value otherwise.
int AnalyzeCountDefine(CCData_conf_info& conf, kscan::Source& config, const CountDefine& def)
{
    // GetDefineValue over the defines that the load gathered once.
    const std::string_view value = kscan::DefineValueIn(config.Defines(), def.name);
    if (value.empty()) return 0;
    const int n = mbtext::Atoi(value);
    if (n < def.low || n > def.high) return 0;
    def.field(conf) = n;
    return 1;
}

}  // namespace

int CQuorvaneConfiguratorDoc::AnalyzeFlgNum(kscan::Source& config) { return AnalyzeCountDefine(m_confInfo, config, kFlgNum); }
int CQuorvaneConfiguratorDoc::AnalyzeSemNum(kscan::Source& config) { return AnalyzeCountDefine(m_confInfo, config, kSemNum); }
int CQuorvaneConfiguratorDoc::AnalyzeDtqNum(kscan::Source& config) { return AnalyzeCountDefine(m_confInfo, config, kDtqNum); }
int CQuorvaneConfiguratorDoc::AnalyzeCycNum(kscan::Source& config) { return AnalyzeCountDefine(m_confInfo, config, kCycNum); }
int CQuorvaneConfiguratorDoc::AnalyzeSysTime(kscan::Source& config) { return AnalyzeCountDefine(m_confInfo, config, kSysTime); }

// Called alone, each analyser prepares its own copy of the file.
int CQuorvaneConfiguratorDoc::AnalyzeFlgNum(std::string text) { kscan::Source s(text); return AnalyzeFlgNum(s); }
int CQuorvaneConfiguratorDoc::AnalyzeSemNum(std::string text) { kscan::Source s(text); return AnalyzeSemNum(s); }
int CQuorvaneConfiguratorDoc::AnalyzeDtqNum(std::string text) { kscan::Source s(text); return AnalyzeDtqNum(s); }
int CQuorvaneConfiguratorDoc::AnalyzeSysTime(std::string text) { kscan::Source s(text); return AnalyzeSysTime(s); }
int CQuorvaneConfiguratorDoc::AnalyzeCycNum(std::string text) { kscan::Source s(text); return AnalyzeCycNum(s); }
