// The document: construction, the configuration reset, and file access with numbered backups.
#include "doc.h"

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
    std::string result;
    fsys::InFile file;
    if (!file.Open(path)) return result;
    // Pieces of 255 bytes, each appended as a zero-terminated text: a zero byte drops the rest of its piece.
    char buffer[256];
    for (;;) {
        const long n = file.Read(buffer, 255);
        if (n < 0) return std::string();
        if (n == 0) break;
        buffer[n] = '\0';
        result.append(buffer);
    }
    if (!file.Close()) return std::string();
    return result;
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
    if (!IsFileExist(path)) return "non";
    for (int n = 1; n <= 999; ++n) {
        const std::string name = mbtext::Format("%s.bk%03d", {path, n});
        if (IsFileExist(name)) continue;
        return fsys::CopyNew(path, name) ? name : "err";
    }
    return "err";
}
