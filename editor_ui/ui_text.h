// The editor's texts: the string table by id in the user's language, and the conversions between the
// configuration's byte strings and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace qvui {

// True when the program's locale is a Japanese one (ja_*); decides the language of every text.
bool IsJapanese();
// Overrides the language choice (tests of one language in a process of the other).
void SetJapanese(bool japanese);

// Text of the string-table entry `id` in the chosen language; empty for an unknown id.
QString LoadStr(int id);
// The same for the entries named by a key (menu texts and others without a number).
QString LoadStr(const char* key);
bool HasStr(int id);

// Registers the compiled-in resources (icons, pictures, the string table); safe to call more than once.
void InitResources();

// The configuration keeps byte strings in the locale's code page; Qt widgets take QString.
inline QString ToQ(const std::string& s) { return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQ(const QString& s)
{
    const QByteArray bytes = s.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace qvui

using qvui::LoadStr;
