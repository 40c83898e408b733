// The configuration-files panel's rules as plain functions: the six paths of a folder, the bad-path mask,
// the view's enable mask that follows from it, when a loaded configuration needs the question before it is
// abandoned, and the start folder of the folder browser.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace configfiles {

// Bits of the bad-path mask: a set bit means the last check found no file at that path.
constexpr std::uint32_t kInConfigBit = 0x10;
constexpr std::uint32_t kInDefBit = 0x20;
constexpr std::uint32_t kInKinitBit = 0x40;
constexpr std::uint32_t kOutConfigBit = 0x100;
constexpr std::uint32_t kOutDefBit = 0x200;
constexpr std::uint32_t kOutKinitBit = 0x400;
constexpr std::uint32_t kInputBits = 0x70;
constexpr std::uint32_t kOutputBits = 0x700;

// Bits of the view's enable mask that the panel writes.
constexpr std::uint32_t kEnableAlways = 0x3;      // form change and configuration-files panel
constexpr std::uint32_t kEnablePanels = 0x1ff;    // everything but the output command
constexpr std::uint32_t kEnableOutput = 0x200;    // the output command
constexpr std::uint32_t kEnableAll = 0x3ff;

// The seven paths of a configuration set.
struct ConfigPaths {
    std::string dir;
    std::string inConfig;
    std::string inDef;
    std::string inKinit;
    std::string outConfig;
    std::string outDef;
    std::string outKinit;
};

// A path as a log line shows it: the line's text is in the locale's code page, while a path keeps the
// bytes of its file name. An empty function shows the path as it stands.
using ShownPath = std::function<std::string(const std::string& path)>;
std::string Shown(const ShownPath& shown, const std::string& path);

// The folder and the six file paths inside it; the file names are appended as they stand, so a folder
// that already ends with the separator gets a doubled one (harmless on this platform).
ConfigPaths PathsFromFolder(const std::string& folder);

// The mask with one bit set (no file there) or cleared (the file exists).
std::uint32_t WithPathBit(std::uint32_t pathErr, std::uint32_t bit, bool exists);

// The view's enable mask after a path check, from the whole bad-path mask and the previous enable mask.
// refresh is true when every path is good: the view then refreshes and the estimate is recomputed.
struct EnableUpdate {
    std::uint32_t enableMask;
    bool refresh;
};
EnableUpdate EnableMaskAfterCheck(std::uint32_t pathErr, std::uint32_t enableMask);

// True when abandoning the configuration needs the user's answer: input paths of a load are recorded and
// none of them was missing.
bool NeedsCancelQuestion(const ConfigPaths& recorded, std::uint32_t pathErr);

// The folder the folder browser starts in: the folder edit's text when something exists there, otherwise
// the program's start folder.
std::string BrowserStartFolder(const std::string& folderText, const std::string& startDir);

// A typed path as bytes for the file system. The text comes in UTF-8; toLocale gives one part of it in the
// locale's code page (the part itself where the page has no other form or lacks one of its characters).
// Each part takes the form in which it exists below the parts before it, UTF-8 first; a part that does
// not exist yet takes the locale's form, as a program of that locale would name it.
using LocaleForm = std::function<std::string(const std::string& utf8Part)>;
std::string TypedPathBytes(const std::string& utf8Path, const LocaleForm& toLocale);

// The folder field of the recently used entry: the folder, or the input config.c path when the folder is
// empty (files chosen one by one).
std::string RecentFolderField(const ConfigPaths& paths);

}  // namespace configfiles
