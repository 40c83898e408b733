// The log lines of a load of the three kernel files, as texts: the loader only appends them to the output
// panel. Also the load's work between clearing the configuration and the refresh, without any window.
#pragma once

#include <string>
#include <vector>

#include "config_files.h"
#include "load_analysis.h"
#include "summary_lines.h"

class CQuorvaneConfiguratorDoc;

namespace loadlog {

constexpr int kHeaderId = 5001;
constexpr int kReadOkId = 5002;
constexpr int kReadFailedId = 5003;
constexpr int kNotFoundId = 5004;

// A message filled with a path ("%s").
std::string PathLine(int id, const std::string& path, const LabelLookup& label);

// The line of one read: 5002 when the text is non-empty, else 5003.
std::string ReadLine(const std::string& path, const std::string& text, const LabelLookup& label);

// The "(W) " line of a failed analysis, its %d placeholders filled with the warning's numbers.
std::string WarningLine(const LoadWarning& warning, const LabelLookup& label);

// The 5004 lines of a load stopped by missing input files: config.c, qvos.def, kinit.c in this order, one
// for each path that is non-empty and whose bit is set; each path as `shown` gives it.
std::vector<std::string> NotFoundLines(const configfiles::ConfigPaths& paths, std::uint32_t pathErr,
                                       const LabelLookup& label, const configfiles::ShownPath& shown = {});

// Clears the document's configuration, reads the three files in order, runs the fourteen analysers and
// returns every line of the log: the header, the three read lines and the warnings in analyser order.
std::vector<std::string> LoadConfigFiles(CQuorvaneConfiguratorDoc& doc, const std::string& inConfig,
                                         const std::string& inDef, const std::string& inKinit,
                                         const LabelLookup& label, const configfiles::ShownPath& shown = {});

}  // namespace loadlog
