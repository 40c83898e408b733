// The recently used configurations: putting a set of seven paths at the top of the list.
#include "conf_info.h"

#include "text.h"

namespace {

// The folder of a file path: everything up to the last "/", without that "/" unless it is the root.
// A bare file name lies in the current folder, so it gets "." rather than an empty folder: an empty
// folder would be dropped by the settings reader and shown as a blank menu item.
// A byte search: the path holds its file name's bytes, which need not be in the locale's code page, and "/"
// is never the second byte of a Shift-JIS character.
std::string FolderOfPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == mbtext::npos) return ".";
    std::string folder = path.substr(0, slash + 1);
    if (folder.size() > 1) folder.pop_back();
    return folder;
}

}  // namespace

void CCData_conf_ini::AddRecentConfig(const std::string& dir, const std::string& inConfig, const std::string& inDef,
                                      const std::string& inKinit, const std::string& outConfig,
                                      const std::string& outDef, const std::string& outKinit)
{
    const std::string set[kFieldCount] = {dir.empty() ? FolderOfPath(inConfig) : dir,
                                          inConfig, inDef, inKinit, outConfig, outDef, outKinit};

    // The count is a public field; keep the shifting inside the three slots whatever it holds.
    int count = m_nRecentNum;
    if (count < 1) count = 1;
    if (count > kMaxRecent) count = kMaxRecent;

    int match = -1;
    for (int i = 0; i < count && match < 0; ++i) {
        bool equal = true;
        for (int field = 0; field < kFieldCount && equal; ++field) {
            equal = m_strRecent[field][i] == set[field];
        }
        if (equal) match = i;
    }

    int last = 0;  // highest slot that receives a moved entry
    if (match >= 0) {
        last = match;
    } else if (m_strRecent[kDir][0] == "<NONE>") {
        count = 1;
    } else {
        last = count < kMaxRecent ? count : kMaxRecent - 1;
        count = last + 1;
    }
    for (int i = last; i > 0; --i) {
        for (int field = 0; field < kFieldCount; ++field) m_strRecent[field][i] = m_strRecent[field][i - 1];
    }
    for (int field = 0; field < kFieldCount; ++field) m_strRecent[field][0] = set[field];
    m_nRecentNum = count;
}
