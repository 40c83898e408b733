// The load's work without a window: clear, read, analyse, and the lines of the log.
#include "load_log.h"

#include "doc.h"

namespace loadlog {

std::vector<std::string> LoadConfigFiles(CQuorvaneConfiguratorDoc& doc, const std::string& inConfig,
                                         const std::string& inDef, const std::string& inKinit,
                                         const LabelLookup& label, const configfiles::ShownPath& shown)
{
    doc.ClearConfigData();
    std::vector<std::string> lines;
    lines.push_back(label(kHeaderId));
    const std::string configText = CQuorvaneConfiguratorDoc::ReadFileToString(inConfig);
    lines.push_back(ReadLine(configfiles::Shown(shown, inConfig), configText, label));
    const std::string defText = CQuorvaneConfiguratorDoc::ReadFileToString(inDef);
    lines.push_back(ReadLine(configfiles::Shown(shown, inDef), defText, label));
    const std::string kinitText = CQuorvaneConfiguratorDoc::ReadFileToString(inKinit);
    lines.push_back(ReadLine(configfiles::Shown(shown, inKinit), kinitText, label));
    for (const LoadWarning& warning : AnalyzeLoadedTexts(doc, configText, defText, kinitText)) {
        lines.push_back(WarningLine(warning, label));
    }
    return lines;
}

}  // namespace loadlog
