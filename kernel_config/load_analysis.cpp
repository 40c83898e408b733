// The fourteen analysers in the load order: see load_analysis.h.
#include "load_analysis.h"

#include "doc.h"
#include "scan.h"

std::vector<LoadWarning> AnalyzeLoadedTexts(CQuorvaneConfiguratorDoc& doc, const std::string& configText,
                                            const std::string& defText, const std::string& kinitText)
{
    std::vector<LoadWarning> warnings;
    // Each file is stripped and its defines gathered once, for all the analysers that read it.
    kscan::Source config(configText), def(defText), kinit(kinitText);
    CCData_conf_info& conf = doc.m_confInfo;
    auto warnIf = [&warnings](int result, int id, std::vector<int> values = {}) {
        if (result == 0) warnings.push_back(LoadWarning{id, std::move(values)});
    };

    int cpuType = 1;
    warnIf(doc.AnalyzeCpu(config, cpuType), 5101);

    int mode = 0;
    int level = 0;
    const int maskResult = doc.AnalyzeKernelMask(config, cpuType, mode, level);
    if (maskResult == 0) {
        // The analysed level replaces the default level that the mode brings.
        conf.m_cpu.SetCpuMode(mode);
        conf.m_cpu.m_nMaskLevel = level;
    } else {
        if (maskResult & 0x20) warnings.push_back(LoadWarning{5102, {}});
        if (maskResult & 0x40) warnings.push_back(LoadWarning{5103, {}});
        if (maskResult & 0x01) warnings.push_back(LoadWarning{5104, {level}});
    }

    const int tcbNum = doc.AnalyzeTcbNum(config);
    warnIf(tcbNum, 5105, {conf.m_tsk.m_nTskNum, conf.m_tsk.m_nTskPriNum});
    warnIf(doc.AnalyzeTaskSetting(config), 5111);

    const int flgNum = doc.AnalyzeFlgNum(config);
    warnIf(flgNum, 5106, {conf.m_flg.m_nFlgNum});
    warnIf(doc.AnalyzeFlgAttr(kinit), 5120);

    const int semNum = doc.AnalyzeSemNum(config);
    warnIf(semNum, 5107, {conf.m_sem.m_nSemNum});
    warnIf(doc.AnalyzeSemAttr(kinit), 5121);

    const int dtqNum = doc.AnalyzeDtqNum(config);
    warnIf(dtqNum, 5108, {conf.m_dtq.m_nDtqNum});
    warnIf(doc.AnalyzeDtqAttr(kinit), 5122);

    const int sysTime = doc.AnalyzeSysTime(config);
    warnIf(sysTime, 5110, {conf.m_tim.m_nCyclicTime});

    const int cycNum = doc.AnalyzeCycNum(config);
    warnIf(cycNum, 5109, {conf.m_cyc.m_nCycNum});
    warnIf(doc.AnalyzeCycAttr(kinit), 5123);

    warnIf(doc.AnalyzeUseObject(def), 5124);
    return warnings;
}
