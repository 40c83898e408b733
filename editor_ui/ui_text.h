// The editor's texts: the string table by id in the user's language, and the conversions between the
// configuration's byte strings and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace qvui {

// True when the user's language, as Qt reads it from the environment (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), is Japanese (ja_*), whether or not the C library has that locale; decides every text's language.
bool IsJapanese();
// Makes that choice again (IsJapanese makes it on first use).
void ChooseLanguage();
// Overrides the language choice (tests of one language in a process of the other).
void SetJapanese(bool japanese);
// Loads Qt's own translations for the chosen language, so standard buttons and dialogs speak it too.
void InstallQtTranslations();

// Text of the string-table entry `id` in the chosen language; empty for an unknown id.
QString LoadStr(int id);
// The same for the entries named by a key (menu texts and others without a number).
QString LoadStr(const char* key);
bool HasStr(int id);

// Registers the compiled-in resources (icons, pictures, the string table); safe to call more than once.
void InitResources();

// Chooses the multibyte code page from the C library's current locale (after setlocale): the core's, and
// the one ToQ and FromQ convert with, so both read a double-byte character the same way.
void SetCodePageFromLocale();

// The configuration keeps byte strings in the locale's code page; Qt widgets take QString.
QString ToQ(const std::string& s);
std::string FromQ(const QString& s);

// Paths are the one exception: they are file names, and the bytes that reach the file system are the ones
// the path came with (the settings file, the recent list, the start folder), whatever the locale's code
// page. Shown readably: as UTF-8 where the bytes are valid UTF-8, else in the locale's code page.
QString PathToQ(const std::string& path);
// A path chosen in one of Qt's dialogs, in Qt's file-name encoding (UTF-8 on this platform).
std::string DialogPathFromQ(const QString& path);
// A path the user typed, each of its parts in the form in which it exists on disk: UTF-8, else the locale's
// code page; a part that does not exist yet (an output file) takes the locale's code page, as a program of
// that locale would name it.
std::string TypedPathFromQ(const QString& path);
// A path as a line of the log shows it: in the locale's code page, like the text around it.
std::string PathInText(const std::string& path);

}  // namespace qvui

using qvui::LoadStr;
