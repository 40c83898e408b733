// The main of the UI test programs: a private runtime and configuration folder, the offscreen platform,
// the locale of the program's language, one QApplication, answers to every dialog unless a test queues one.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "ui_dialogs.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace uitest {
namespace {
bool g_japaneseReady = false;
std::string g_japaneseProblem = "not a Japanese test program";

// Compiles the Japanese locales, ja_JP.UTF-8 and the Shift-JIS ja_JP.SJIS, into the private folder (glibc
// takes compiled locales from LOCPATH), so the system is never changed.
void PrepareJapaneseLocale(const std::string& privateDir)
{
    const std::string localeDir = privateDir + "/locale";
    std::filesystem::create_directories(localeDir);
    for (const char* charmap : {"UTF-8", "SHIFT_JIS"}) {
        const std::string name = std::string("ja_JP.") + (std::string(charmap) == "UTF-8" ? "UTF-8" : "SJIS");
        // Shift-JIS is no superset of ASCII: without --no-warnings=ascii localedef warns and reports 1,
        // although it writes the locale.
        const std::string command = std::string("localedef --no-warnings=ascii -i ja_JP -f ") + charmap + " '" +
                                    localeDir + "/" + name + "' >/dev/null 2>&1";
        const int rc = std::system(command.c_str());
        (void)rc;
    }
    ::setenv("LOCPATH", localeDir.c_str(), 1);
    if (std::setlocale(LC_ALL, "ja_JP.UTF-8") != nullptr) {
        g_japaneseReady = true;
    } else {
        g_japaneseProblem = "localedef could not make ja_JP.UTF-8 (needs the 'locales' package with its ja_JP "
                            "source)";
    }
}
}  // namespace

bool JapaneseLocaleReady() { return g_japaneseReady; }
const char* JapaneseLocaleProblem() { return g_japaneseProblem.c_str(); }

}  // namespace uitest

int main(int argc, char** argv)
{
    bool japanese = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--qv-japanese") japanese = true;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "qvui-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 2;
    const std::string privateDir = pattern;
    ::chmod(privateDir.c_str(), 0700);
    const std::string runtimeDir = privateDir + "/runtime";
    const std::string configDir = privateDir + "/config";
    std::filesystem::create_directories(runtimeDir);
    std::filesystem::create_directories(configDir);
    ::chmod(runtimeDir.c_str(), 0700);
    // Qt's runtime folder and the profile of QSettings live in the private folder, never the user's.
    ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    if (japanese) {
        uitest::PrepareJapaneseLocale(privateDir);
        if (uitest::JapaneseLocaleReady()) {
            ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
        }
    } else {
        ::setenv("LC_ALL", "C.UTF-8", 1);
    }
    // Qt would take the language from LANGUAGE before LC_ALL.
    ::unsetenv("LANGUAGE");
    // As the program starts: the locale, then its code page.
    std::setlocale(LC_ALL, "");
    qvui::SetCodePageFromLocale();

    int rc = 0;
    {
        QApplication app(argc, argv);
        qvui::SetAutomaticAnswers(true);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(privateDir, ec);
    return rc;
}
