// The output command's work without a window: the numbered backups, the warnings about entries still at
// their defaults (whose flags it sets) and about stacks below the CPU's minimum, the write of the three
// kernel files, and every line of the log with the error and warning counts. The handler only appends.
#pragma once

#include <string>
#include <vector>

#include "config_files.h"
#include "summary_lines.h"

class CCData_conf_info;
class CQuorvaneConfiguratorDoc;

namespace outputlog {

constexpr int kHeaderId = 5005;
constexpr int kBackupFailedId = 5006;
constexpr int kBackupMadeId = 5007;
constexpr int kWriteFailedId = 5008;
constexpr int kWrittenId = 5009;
constexpr int kSummaryId = 5113;
constexpr int kTaskDefaultId = 5114;
constexpr int kFlgDefaultId = 5115;
constexpr int kSemDefaultId = 5116;
constexpr int kDtqDefaultId = 5117;
constexpr int kCycDefaultId = 5118;
constexpr int kStackInvalidId = 5119;

// Lines of a run with its counts; an empty string is an empty line of the log.
struct OutputLog {
    std::vector<std::string> lines;
    int errors = 0;
    int warnings = 0;
};

// The line of one backup from what the backup returned for `path`: none for "non", 5006 with the path
// (one error) for "err", else 5007 with the backup's name.
void AddBackupLine(OutputLog& log, const std::string& path, const std::string& backupResult, const LabelLookup& label);

// The warning lines, in order: per task 5114 (flag 0; the flag is set) then 5119 (stack below the CPU's
// minimum); then for each used kind of event flags, semaphores, data queues and cyclic handlers one line per
// entry whose flag is 0 (the flag is set). Only ids up to each count are looked at.
void AddWarningLines(OutputLog& log, CCData_conf_info& conf, const LabelLookup& label);

// The three write lines from the writer's mask (bit 1 config.c, 2 the definition file, 4 kinit.c), one
// error per file not written.
void AddWriteLines(OutputLog& log, const std::string& outConfig, const std::string& outDef,
                   const std::string& outKinit, int notWrittenMask, const LabelLookup& label);

// "OUTPUT CONFIG-FILES - error %d, wornning %d" of the counts.
std::string SummaryLine(const OutputLog& log, const LabelLookup& label);

// The whole run after the system-time check: records the seven paths as the newest recent entry, backs up
// the three output files, warns (setting flags), writes the files and returns every line of the log, each
// path and backup name as `shown` gives it.
OutputLog OutputConfigFiles(CQuorvaneConfiguratorDoc& doc, const configfiles::ConfigPaths& paths,
                            const LabelLookup& label, const configfiles::ShownPath& shown = {});

}  // namespace outputlog
