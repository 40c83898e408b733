// The texts of the load's log lines: see load_log.h.
#include "load_log.h"

#include "text.h"

namespace loadlog {

std::string PathLine(int id, const std::string& path, const LabelLookup& label)
{
    return mbtext::Format(label(id), {path});
}

std::string ReadLine(const std::string& path, const std::string& text, const LabelLookup& label)
{
    return PathLine(text.empty() ? kReadFailedId : kReadOkId, path, label);
}

std::string WarningLine(const LoadWarning& warning, const LabelLookup& label)
{
    const std::string tmpl = label(warning.messageId);
    const std::vector<int>& v = warning.values;
    switch (v.size()) {
    case 0: return mbtext::Format(tmpl);
    case 1: return mbtext::Format(tmpl, {v[0]});
    default: return mbtext::Format(tmpl, {v[0], v[1]});
    }
}

std::vector<std::string> NotFoundLines(const configfiles::ConfigPaths& paths, std::uint32_t pathErr,
                                       const LabelLookup& label, const configfiles::ShownPath& shown)
{
    std::vector<std::string> lines;
    const struct {
        const std::string& path;
        std::uint32_t bit;
    } inputs[] = {{paths.inConfig, configfiles::kInConfigBit},
                  {paths.inDef, configfiles::kInDefBit},
                  {paths.inKinit, configfiles::kInKinitBit}};
    for (const auto& in : inputs) {
        if (!in.path.empty() && (pathErr & in.bit)) {
            lines.push_back(PathLine(kNotFoundId, configfiles::Shown(shown, in.path), label));
        }
    }
    return lines;
}

}  // namespace loadlog
