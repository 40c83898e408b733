// The output command's lines and its work on the document: see output_log.h.
#include "output_log.h"

#include <algorithm>

#include "conf_info.h"
#include "doc.h"
#include "text.h"

namespace outputlog {

namespace {

// Ids run from 1 to the count; a count outside the tables never reaches past their last slot.
int LastId(int count) { return std::min(count, kMaxObjects); }

void AddLine(OutputLog& log, int id, const mbtext::Arg& arg, const LabelLookup& label)
{
    log.lines.push_back(mbtext::Format(label(id), {arg}));
}

// One warning per entry of a used kind whose flag is still 0; the flag is set so the next run is quiet.
void WarnDefaults(OutputLog& log, const CCData_conf_info_base& kind, int count, IntTable& setFlags, int messageId,
                  const LabelLookup& label)
{
    if (kind.GetUse() != 1) return;
    for (int id = 1; id <= LastId(count); ++id) {
        if (setFlags[id - 1] != 0) continue;
        AddLine(log, messageId, id, label);
        ++log.warnings;
        setFlags[id - 1] = 1;
    }
}

}  // namespace

void AddBackupLine(OutputLog& log, const std::string& path, const std::string& backupResult, const LabelLookup& label)
{
    if (backupResult == "non") return;
    if (backupResult == "err") {
        AddLine(log, kBackupFailedId, path, label);
        ++log.errors;
        return;
    }
    AddLine(log, kBackupMadeId, backupResult, label);
}

void AddWarningLines(OutputLog& log, CCData_conf_info& conf, const LabelLookup& label)
{
    CCData_conf_info_tsk& tsk = conf.m_tsk;
    const int minStack = conf.m_cpu.GetMinStackSize();
    for (int id = 1; id <= LastId(tsk.m_nTskNum); ++id) {
        if (tsk.m_nTskSet[id - 1] == 0) {
            AddLine(log, kTaskDefaultId, id, label);
            ++log.warnings;
            tsk.m_nTskSet[id - 1] = 1;
        }
        if (tsk.m_nStackSize[id - 1] < minStack) {
            AddLine(log, kStackInvalidId, id, label);
            ++log.warnings;
        }
    }
    WarnDefaults(log, conf.m_flg, conf.m_flg.m_nFlgNum, conf.m_flg.m_nFlgSet, kFlgDefaultId, label);
    WarnDefaults(log, conf.m_sem, conf.m_sem.m_nSemNum, conf.m_sem.m_nSemSet, kSemDefaultId, label);
    WarnDefaults(log, conf.m_dtq, conf.m_dtq.m_nDtqNum, conf.m_dtq.m_nDtqSet, kDtqDefaultId, label);
    // The cyclic handlers count by their own use flag, whether or not the system time is used.
    WarnDefaults(log, conf.m_cyc, conf.m_cyc.m_nCycNum, conf.m_cyc.m_nCycSet, kCycDefaultId, label);
}

void AddWriteLines(OutputLog& log, const std::string& outConfig, const std::string& outDef,
                   const std::string& outKinit, int notWrittenMask, const LabelLookup& label)
{
    const struct {
        int bit;
        const std::string& path;
    } files[] = {{1, outConfig}, {2, outDef}, {4, outKinit}};
    for (const auto& file : files) {
        if (notWrittenMask & file.bit) {
            AddLine(log, kWriteFailedId, file.path, label);
            ++log.errors;
        } else {
            AddLine(log, kWrittenId, file.path, label);
        }
    }
}

std::string SummaryLine(const OutputLog& log, const LabelLookup& label)
{
    return mbtext::Format(label(kSummaryId), {log.errors, log.warnings});
}

OutputLog OutputConfigFiles(CQuorvaneConfiguratorDoc& doc, const configfiles::ConfigPaths& paths,
                            const LabelLookup& label, const configfiles::ShownPath& shown)
{
    OutputLog log;
    log.lines.push_back(label(kHeaderId));
    CCData_conf_info& conf = doc.GetConfInfo();
    // The set being written becomes the newest recent entry before any file is touched.
    conf.m_ini.AddRecentConfig(paths.dir, paths.inConfig, paths.inDef, paths.inKinit, paths.outConfig,
                               paths.outDef, paths.outKinit);

    std::size_t before = log.lines.size();
    for (const std::string* path : {&paths.outConfig, &paths.outDef, &paths.outKinit}) {
        // The results "non" and "err" are plain ASCII and come through the conversion unchanged.
        AddBackupLine(log, configfiles::Shown(shown, *path), configfiles::Shown(shown, doc.MakeBackupFile(*path)),
                      label);
    }
    if (log.lines.size() > before) log.lines.emplace_back();

    before = log.lines.size();
    AddWarningLines(log, conf, label);
    if (log.lines.size() > before) log.lines.emplace_back();

    // A failed backup does not hold the write back.
    const int mask = doc.WriteConfigFiles(paths.outConfig, paths.outDef, paths.outKinit);
    AddWriteLines(log, configfiles::Shown(shown, paths.outConfig), configfiles::Shown(shown, paths.outDef),
                  configfiles::Shown(shown, paths.outKinit), mask, label);
    log.lines.emplace_back();
    log.lines.push_back(SummaryLine(log, label));
    return log;
}

}  // namespace outputlog
