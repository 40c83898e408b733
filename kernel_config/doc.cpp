// The document: construction, the configuration reset, and file access with numbered backups.
#include "doc.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "file_io.h"
#include "text.h"

CQuorvaneConfiguratorDoc::CQuorvaneConfiguratorDoc() : CQuorvaneConfiguratorDoc(fsys::CurrentDir()) {}

CQuorvaneConfiguratorDoc::CQuorvaneConfiguratorDoc(const std::string& startDir) : m_strStartDir(startDir)
{
    ReadIniFile();
}

CQuorvaneConfiguratorDoc::~CQuorvaneConfiguratorDoc() { WriteIniFile(); }

void CQuorvaneConfiguratorDoc::ClearConfigData()
{
    m_confInfo.m_cpu.InitData();
    m_confInfo.m_tsk.InitData();
    m_confInfo.m_flg.InitData();
    m_confInfo.m_sem.InitData();
    m_confInfo.m_dtq.InitData();
    m_confInfo.m_tim.InitData();
    m_confInfo.m_cyc.InitData();
}

std::string CQuorvaneConfiguratorDoc::ReadFileToString(const std::string& path)
{
    std::string bytes;
    if (!fsys::ReadRegular(path, bytes)) return std::string();
    // The text keeps the shape of a read in 255-byte pieces, each appended as a zero-terminated text: a zero
    // byte drops the rest of its piece. Pieces before the first zero are kept as they stand.
    const char* zero = static_cast<const char*>(std::memchr(bytes.data(), '\0', bytes.size()));
    if (zero == nullptr) return bytes;
    const std::size_t kPiece = 255;
    std::size_t kept = static_cast<std::size_t>(zero - bytes.data()) / kPiece * kPiece;
    for (std::size_t piece = kept; piece < bytes.size(); piece += kPiece) {
        const std::size_t size = std::min(kPiece, bytes.size() - piece);
        const char* start = bytes.data() + piece;
        const char* end = static_cast<const char*>(std::memchr(start, '\0', size));
        const std::size_t keep = end == nullptr ? size : static_cast<std::size_t>(end - start);
        std::memmove(&bytes[kept], start, keep);
        kept += keep;
    }
    bytes.resize(kept);
    return bytes;
}

int CQuorvaneConfiguratorDoc::WriteStringToFile(const std::string& path, const std::string& text)
{
    if (fsys::IsReadOnly(path)) return 0;
    return fsys::WriteWhole(path, text) ? 1 : 0;
}

int CQuorvaneConfiguratorDoc::IsFileExist(const std::string& path)
{
    return fsys::Exists(path) ? 1 : 0;
}

std::string CQuorvaneConfiguratorDoc::MakeBackupFile(const std::string& path)
{
    std::vector<std::string> names;
    names.reserve(999);
    for (int n = 1; n <= 999; ++n) names.push_back(mbtext::Format("%s.bk%03d", {path, n}));
    // Only a source that is not there is "non"; one that cannot be looked at, read, or followed under the link
    // rules is "err", as is a copy that fails.
    bool missing = false;
    const std::string name = fsys::CopyToFirstFree(path, names, missing);
    return !name.empty() ? name : missing ? "non" : "err";
}
