// The configuration-files panel's rules: see config_files.h.
#include "config_files.h"

#include "doc.h"

namespace configfiles {

std::string Shown(const ShownPath& shown, const std::string& path) { return shown ? shown(path) : path; }

ConfigPaths PathsFromFolder(const std::string& folder)
{
    ConfigPaths paths;
    paths.dir = folder;
    paths.inConfig = folder + "/config.c";
    paths.inDef = folder + "/qvos.def";
    paths.inKinit = folder + "/kinit.c";
    paths.outConfig = paths.inConfig;
    paths.outDef = paths.inDef;
    paths.outKinit = paths.inKinit;
    return paths;
}

std::uint32_t WithPathBit(std::uint32_t pathErr, std::uint32_t bit, bool exists)
{
    return exists ? (pathErr & ~bit) : (pathErr | bit);
}

EnableUpdate EnableMaskAfterCheck(std::uint32_t pathErr, std::uint32_t enableMask)
{
    if (pathErr == 0) return {enableMask | kEnableAll, true};
    if (pathErr & kInputBits) {
        return {(pathErr & kOutputBits) ? kEnableAlways : (kEnableAlways | kEnableOutput), false};
    }
    // Only output files are missing: the output command keeps whatever state it had.
    return {enableMask | kEnablePanels, false};
}

bool NeedsCancelQuestion(const ConfigPaths& recorded, std::uint32_t pathErr)
{
    if (recorded.inConfig.empty() && recorded.inDef.empty() && recorded.inKinit.empty()) return false;
    return (pathErr & kInputBits) == 0;
}

std::string BrowserStartFolder(const std::string& folderText, const std::string& startDir)
{
    if (!folderText.empty() && CQuorvaneConfiguratorDoc::IsFileExist(folderText)) return folderText;
    return startDir;
}

std::string TypedPathBytes(const std::string& utf8Path, const LocaleForm& toLocale)
{
    std::string bytes;
    for (std::size_t start = 0;;) {
        const std::size_t slash = utf8Path.find('/', start);
        const std::string part = utf8Path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        const std::string local = toLocale(part);
        bytes += local == part || CQuorvaneConfiguratorDoc::IsFileExist(bytes + part) ? part : local;
        if (slash == std::string::npos) return bytes;
        bytes += '/';
        start = slash + 1;
    }
}

std::string RecentFolderField(const ConfigPaths& paths) { return paths.dir.empty() ? paths.inConfig : paths.dir; }

}  // namespace configfiles
