// The editor's settings file "quorvane.ini": window layout and recently used configurations, read when
// the document is built and written when it is destroyed.
#include <climits>

#include "doc.h"
#include "text.h"

namespace {

const char kIniName[] = "quorvane.ini";
const char kVersionHeader[] = "[DATABASE VERSION]";
const char kVersion[] = "1.1";
const char kWindowHeader[] = "[WINDOW INFO]";
const char kRecentHeader[] = "[RECENTLY CONFIG]";
const char kNone[] = "<NONE>";

// The settings file beside the start folder; "" when the start folder is unknown, so that nothing is read
// from or written to a guessed place such as the root folder.
std::string IniPath(const std::string& startDir)
{
    if (startDir.empty()) return std::string();
    return mbtext::Format("%s/%s", {startDir, kIniName});
}

// Separators of the recent lines (":" and ",") and line ends are found with plain byte searches, not by
// character. Paths hold the bytes of their file names, which need not be in the locale's code page (UTF-8
// names under a Shift-JIS locale), so a walk by Shift-JIS characters could pair a name's last byte with the
// separator after it. None of these bytes is ever the second byte of a Shift-JIS character, so the byte
// search finds exactly what that walk finds in Shift-JIS.

// An entry the reader would store and get back whole: a folder that is neither empty nor the empty list's
// "<NONE>", the three input paths, no comma inside the first six fields (the last field takes the rest of
// its line) and no LF anywhere. The format escapes nothing, and files rely on that.
bool ReadsBackWhole(const CCData_conf_ini& ini, int i)
{
    const std::string fields[CCData_conf_ini::kFieldCount] = {
        ini.GetRecentDir(i),       ini.GetRecentInConfig(i), ini.GetRecentInDef(i), ini.GetRecentInKinit(i),
        ini.GetRecentOutConfig(i), ini.GetRecentOutDef(i),   ini.GetRecentOutKinit(i)};
    if (fields[0].empty() || fields[0] == kNone || fields[1].empty() || fields[2].empty() || fields[3].empty()) {
        return false;
    }
    for (int field = 0; field < CCData_conf_ini::kFieldCount; ++field) {
        const bool last = field == CCData_conf_ini::kFieldCount - 1;
        if (!last && fields[field].find(',') != std::string::npos) return false;
        if (fields[field].find('\n') != std::string::npos) return false;
    }
    return true;
}

// Reads the six layout values. A line that stops early (a token that is not a plain decimal number, or a
// trailing comma before the sixth value) is not applied at all: half a layout would mix a stored frame with
// bar positions meant for another size, while the layout held so far is known to be usable.
void ReadWindowLine(const std::string& line, CCData_winsize_info& win)
{
    if (line.empty()) return;
    int values[6] = {0, 0, 0, 0, 0, 0};
    int read = 0;
    std::string rest = line;
    for (int i = 0; i < 6; ++i) {
        const std::size_t comma = mbtext::FindChar(rest, ',');
        const std::string token = comma == mbtext::npos ? rest : rest.substr(0, comma);
        values[i] = mbtext::Atoi(token);
        if (token != mbtext::Format("%d", {values[i]})) break;
        read = i + 1;
        // Without a comma the rest stays as it is, so the last value repeats into the remaining ones.
        if (comma != mbtext::npos) rest.erase(0, comma + 1);
        if (rest.empty()) break;
    }
    if (read < 6) return;
    win.SetWinSize(values[0], values[1], values[2], values[3], values[4], values[5]);
}

// Every line ends in CR LF afterwards: one that ends in LF alone (saved by an editor, or a checkout that
// converts line ends), in one file with CR LF lines or not, and a last line without any end, so that no line
// is dropped and then lost when the file is written at exit.
void TakeEveryLineEnd(std::string& text)
{
    if (text.empty()) return;
    std::string withCrLf;
    withCrLf.reserve(text.size() + text.size() / 16 + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) withCrLf += '\r';
        withCrLf += text[i];
    }
    if (withCrLf.back() != '\n') withCrLf += "\r\n";
    text.swap(withCrLf);
}

}  // namespace

std::string CQuorvaneConfiguratorDoc::GetIniLine(std::string text, int& position)
{
    if (position < 0 || static_cast<std::size_t>(position) > text.size()) return std::string();
    const std::size_t start = static_cast<std::size_t>(position);
    // Line ends are found byte by byte, like the separators (see the separators above): a recent line may end in a path.
    const std::size_t end = text.find("\r\n", start);
    if (end == mbtext::npos) return std::string();
    const std::size_t lineStart = end + 2;
    // Positions are ints; a text too long for one yields no further lines rather than a wrapped position.
    if (lineStart > static_cast<std::size_t>(INT_MAX)) return std::string();
    position = static_cast<int>(lineStart);
    const std::size_t lineEnd = text.find("\r\n", lineStart);
    if (lineEnd == mbtext::npos || lineEnd > static_cast<std::size_t>(INT_MAX)) return std::string();
    position = static_cast<int>(lineEnd);
    return text.substr(lineStart, lineEnd - lineStart);
}

void CQuorvaneConfiguratorDoc::ReadIniFile()
{
    const std::string path = IniPath(m_strStartDir);
    if (path.empty() || !IsFileExist(path)) return;
    std::string text = ReadFileToString(path);
    TakeEveryLineEnd(text);
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return;

    // A file of another version is not read at all.
    const std::size_t version = mbtext::Find(text, kVersionHeader);
    if (version == mbtext::npos) return;
    int position = static_cast<int>(version);
    if (GetIniLine(text, position) != kVersion) return;

    // Each header counts at its first occurrence, so the sections may stand in any order.
    const std::size_t window = mbtext::Find(text, kWindowHeader);
    if (window != mbtext::npos) {
        position = static_cast<int>(window);
        ReadWindowLine(GetIniLine(text, position), m_confInfo.m_win);
    }

    const std::size_t recent = mbtext::Find(text, kRecentHeader);
    if (recent == mbtext::npos) return;
    CCData_conf_ini& ini = m_confInfo.m_ini;
    position = static_cast<int>(recent);
    // An entry's place comes from its line's place in the section, not from the number before the colon;
    // a bad line uses up its place and leaves that entry as it was.
    for (int k = 0; k < CCData_conf_ini::kMaxRecent; ++k) {
        const std::string line = GetIniLine(text, position);
        if (line.empty()) return;
        const std::size_t colon = line.find(':');
        if (colon == mbtext::npos) continue;
        const std::string rest = line.substr(colon + 1);

        std::string fields[CCData_conf_ini::kFieldCount];
        std::size_t comma = rest.find(',');
        if (comma == mbtext::npos) continue;
        fields[0] = rest.substr(0, comma);
        if (fields[0] == kNone) {
            ini.InitData();
            return;
        }
        if (fields[0].empty()) continue;
        // Fields are not unquoted or trimmed: a path holding a comma shifts the fields after it, and the
        // last field takes everything after the sixth comma.
        bool complete = true;
        for (int field = 1; field < CCData_conf_ini::kFieldCount - 1 && complete; ++field) {
            const std::size_t from = comma + 1;
            comma = rest.find(',', from);
            if (comma == mbtext::npos) {
                complete = false;
            } else {
                fields[field] = rest.substr(from, comma - from);
            }
        }
        if (!complete) continue;
        fields[CCData_conf_ini::kFieldCount - 1] = rest.substr(comma + 1);
        if (fields[1].empty() || fields[2].empty() || fields[3].empty()) continue;

        ini.m_nRecentNum = k + 1;
        ini.SetRecentDir(k, fields[0]);
        ini.SetRecentInConfig(k, fields[1]);
        ini.SetRecentInDef(k, fields[2]);
        ini.SetRecentInKinit(k, fields[3]);
        ini.SetRecentOutConfig(k, fields[4]);
        ini.SetRecentOutDef(k, fields[5]);
        ini.SetRecentOutKinit(k, fields[6]);
    }
}

void CQuorvaneConfiguratorDoc::WriteIniFile()
{
    const std::string path = IniPath(m_strStartDir);
    if (path.empty()) return;

    int x = 0, y = 0, width = 0, height = 0, barX = 0, barY = 0;
    m_confInfo.m_win.GetWinSize(x, y, width, height, barX, barY);
    std::string text = mbtext::Format("%s\r\n%s\r\n\r\n", {kVersionHeader, kVersion});
    text += mbtext::Format("%s\r\n", {kWindowHeader});
    text += mbtext::Format("%d,%d,%d,%d,%d,%d\r\n\r\n", {x, y, width, height, barX, barY});
    text += mbtext::Format("%s\r\n", {kRecentHeader});

    const CCData_conf_ini& ini = m_confInfo.m_ini;
    // The count is a public field; never index past the three entries whatever it holds.
    int count = ini.m_nRecentNum;
    if (count > CCData_conf_ini::kMaxRecent) count = CCData_conf_ini::kMaxRecent;
    // An entry that would read back cut or shifted (a path holding a comma) is left out rather than stored
    // as a different set of paths, and so is a placeholder, which would read back as the empty list and
    // drop the entries after it; the entries after it move up, and with none left the list is stored empty.
    int written = 0;
    for (int i = 0; i < count; ++i) {
        if (!ReadsBackWhole(ini, i)) continue;
        ++written;
        text += mbtext::Format("%d:%s,%s,%s,%s,%s,%s,%s\r\n",
                               {written, ini.GetRecentDir(i), ini.GetRecentInConfig(i), ini.GetRecentInDef(i),
                                ini.GetRecentInKinit(i), ini.GetRecentOutConfig(i), ini.GetRecentOutDef(i),
                                ini.GetRecentOutKinit(i)});
    }
    if (written == 0 && count > 0) text += mbtext::Format("1:%s,,,,,,\r\n", {kNone});

    // Nothing to report on failure: a read-only or unwritable settings file simply keeps its old content.
    WriteStringToFile(path, text);
}
