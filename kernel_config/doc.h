// The editor's one document: the start folder and the one kernel configuration, with the operations that
// read, analyse, write and back up the kernel files and keep the settings file.
#pragma once

#include <string>

#include "conf_info.h"

namespace kscan {
class Source;
}

class CQuorvaneConfiguratorDoc {
public:
    // Records the current folder as the start folder and reads the settings file from it.
    CQuorvaneConfiguratorDoc();
    // The same with a given start folder (tests use a temporary folder).
    explicit CQuorvaneConfiguratorDoc(const std::string& startDir);
    CQuorvaneConfiguratorDoc(const CQuorvaneConfiguratorDoc&) = delete;
    CQuorvaneConfiguratorDoc& operator=(const CQuorvaneConfiguratorDoc&) = delete;
    // Writes the settings file into the start folder.
    virtual ~CQuorvaneConfiguratorDoc();

    int OnNewDocument() { return 1; }
    std::string GetStartDir() const { return m_strStartDir; }
    CCData_conf_info& GetConfInfo() { return m_confInfo; }
    const CCData_conf_info& GetConfInfo() const { return m_confInfo; }

    // Resets the kernel part; the recent list and the window layout keep their values.
    void ClearConfigData();

    // File access.
    static std::string ReadFileToString(const std::string& path);
    static int WriteStringToFile(const std::string& path, const std::string& text);
    static int IsFileExist(const std::string& path);
    std::string MakeBackupFile(const std::string& path);

    // Source-text scanning shared by the analysers.
    static std::string StripComments(std::string text);
    static std::string GetDefineValue(const std::string& text, const std::string& name);

    // Analysers of config.c.
    int AnalyzeCpu(std::string text, int& cpuType);
    int AnalyzeKernelMask(std::string text, int cpuType, int& mode, int& level);
    int AnalyzeTcbNum(std::string text);
    int AnalyzeTaskSetting(std::string text);
    int AnalyzeFlgNum(std::string text);
    int AnalyzeSemNum(std::string text);
    int AnalyzeDtqNum(std::string text);
    int AnalyzeSysTime(std::string text);
    int AnalyzeCycNum(std::string text);
    // Analysers of kinit.c.
    int AnalyzeFlgAttr(std::string text);
    int AnalyzeSemAttr(std::string text);
    int AnalyzeDtqAttr(std::string text);
    int AnalyzeCycAttr(std::string text);
    int AnalyzeFlgAttrEntry(std::string args);
    int AnalyzeSemAttrEntry(std::string args);
    int AnalyzeDtqAttrEntry(std::string args, std::string text);
    int AnalyzeCycAttrEntry(std::string args);
    // Analyser of qvos.def.
    int AnalyzeUseObject(std::string text);

    // The same analysers over files prepared once for a whole load, so that each file is stripped of its
    // comments once and its "#define" lines are gathered once, whichever analysers read them.
    int AnalyzeCpu(kscan::Source& config, int& cpuType);
    int AnalyzeKernelMask(kscan::Source& config, int cpuType, int& mode, int& level);
    int AnalyzeTcbNum(kscan::Source& config);
    int AnalyzeTaskSetting(kscan::Source& config);
    int AnalyzeFlgNum(kscan::Source& config);
    int AnalyzeSemNum(kscan::Source& config);
    int AnalyzeDtqNum(kscan::Source& config);
    int AnalyzeSysTime(kscan::Source& config);
    int AnalyzeCycNum(kscan::Source& config);
    int AnalyzeFlgAttr(kscan::Source& kinit);
    int AnalyzeSemAttr(kscan::Source& kinit);
    int AnalyzeDtqAttr(kscan::Source& kinit);
    int AnalyzeCycAttr(kscan::Source& kinit);
    int AnalyzeUseObject(kscan::Source& def);

    // Writes config.c, qvos.def and kinit.c; the mask has 1, 2, 4 set for each file not written.
    int WriteConfigFiles(std::string configPath, std::string defPath, std::string kinitPath);

    // The settings file "quorvane.ini" in the start folder.
    void ReadIniFile();
    void WriteIniFile();
    std::string GetIniLine(std::string text, int& position);

    std::string m_strStartDir;
    CCData_conf_info m_confInfo;
};
