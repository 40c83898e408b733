// The fourteen analysers in the load order: see load_analysis.h.
#include "load_analysis.h"

#include "doc.h"

std::vector<LoadWarning> AnalyzeLoadedTexts(CQuorvaneConfiguratorDoc& doc, const std::string& configText,
                                            const std::string& defText, const std::string& kinitText)
{
    std::vector<LoadWarning> warnings;
    CCData_conf_info& conf = doc.m_confInfo;
    auto warnIf = [&warnings](int result, int id, std::vector<int> values = {}) {
        if (result == 0) warnings.push_back(LoadWarning{id, std::move(values)});
    };

    int cpuType = 1;
    warnIf(doc.AnalyzeCpu(configText, cpuType), 5101);

    int mode = 0;
    int level = 0;
    const int maskResult = doc.AnalyzeKernelMask(configText, cpuType, mode, level);
    if (maskResult == 0) {
        // The analysed level replaces the default level that the mode brings.
        conf.m_cpu.SetCpuMode(mode);
        conf.m_cpu.m_nMaskLevel = level;
    } else {
        if (maskResult & 0x20) warnings.push_back(LoadWarning{5102, {}});
        if (maskResult & 0x40) warnings.push_back(LoadWarning{5103, {}});
        if (maskResult & 0x01) warnings.push_back(LoadWarning{5104, {level}});
    }

    const int tcbNum = doc.AnalyzeTcbNum(configText);
    warnIf(tcbNum, 5105, {conf.m_tsk.m_nTskNum, conf.m_tsk.m_nTskPriNum});
    warnIf(doc.AnalyzeTaskSetting(configText), 5111);

    const int flgNum = doc.AnalyzeFlgNum(configText);
    warnIf(flgNum, 5106, {conf.m_flg.m_nFlgNum});
    warnIf(doc.AnalyzeFlgAttr(kinitText), 5120);

    const int semNum = doc.AnalyzeSemNum(configText);
    warnIf(semNum, 5107, {conf.m_sem.m_nSemNum});
    warnIf(doc.AnalyzeSemAttr(kinitText), 5121);

    const int dtqNum = doc.AnalyzeDtqNum(configText);
    warnIf(dtqNum, 5108, {conf.m_dtq.m_nDtqNum});
    warnIf(doc.AnalyzeDtqAttr(kinitText), 5122);

    const int sysTime = doc.AnalyzeSysTime(configText);
    warnIf(sysTime, 5110, {conf.m_tim.m_nCyclicTime});

    const int cycNum = doc.AnalyzeCycNum(configText);
    warnIf(cycNum, 5109, {conf.m_cyc.m_nCycNum});
    warnIf(doc.AnalyzeCycAttr(kinitText), 5123);

    warnIf(doc.AnalyzeUseObject(defText), 5124);
    return warnings;
}
