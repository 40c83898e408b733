// Language choice and string-table look-up for the windowed editor.
#include "ui_text.h"

#include <clocale>
#include <cstring>

namespace qvui {
namespace {

int g_language = -1;  // -1 not decided yet, 0 English, 1 Japanese

struct Entry {
    int id;
    const char* en;
    const char* ja;
};

// The texts the shell uses until the shared string table is linked in.
const Entry kEntries[] = {
    {141, "Quorvane Configurator Ver1.00.18", "Quorvane Configurator Ver1.00.18"},
    {302, "Changee FORM\nChangee FORM", "フォーム切り替え\nフォーム切り替え"},
    {303, "Select CONF-FILES\nSelect CONF-FILES", "CONF-FILES 選択\nCONF-FILES 選択"},
    {304, "Select CPU/Kernel Mask Level\nCPU/Kernel Mask Level", "CPU/カーネルマスクレベル選択\nCPU/Kernel Mask Level"},
    {305, "TASK Setting\nTASK", "タスク設定\nTASK"},
    {306, "EVENTFLG Setting\nEVENTFLG", "イベントフラグ設定\nEVENTFLG"},
    {307, "SEMAPHORE Setting\nSEMAPHORE", "セマフォ設定\nSEMAPHORE"},
    {308, "DATA-QUE Setting\nDATA-QUE", "データキュー設定\nDATA-QUE"},
    {309, "SYSTEM-TIME Setting\nSYSTEM-TIME", "システム時間設定\nSYSTEM-TIME"},
    {310, "CYCLIC-HANDLER Setting\nCYCLIC-HANDLER", "周期ハンドラ設定\nCYCLIC-HANDLER"},
    {311, "Output CONF-FLIES\nOutput CONF-FLIES", "CONF-FILES 出力\nCONF-FILES 出力"},
    {351, "QuorvaneOS CONF-FILES", "QuorvaneOS CONF-FILES"},
    {352, "Select CONF-FILES", "Select CONF-FILES"},
    {353, "CPU/Kernel Mask Level", "CPU/Kernel Mask Level"},
    {354, "TASK", "TASK"},
    {355, "EVENTFLG", "EVENTFLG"},
    {356, "SEMAPHORE", "SEMAPHORE"},
    {357, "DATA-QUE", "DATA-QUE"},
    {358, "SYSTEM-TIME", "SYSTEM-TIME"},
    {359, "CYCLIC-HANDLER", "CYCLIC-HANDLER"},
    {2405, "Quorvane Configurator Version", "Quorvane Configurator バージョン情報"},
    {4012, "Please perform various setting\nafter select CONFIG-FILES",
     "CONFIG-FILES を選択してから\n各種設定を行ってください"},
    {4013, "Please input cyclic time of CYCLIC-TIMER-HANDLER(SYSTEIM-TIME)",
     "周期タイマハンドラ(SYSTEM-TIME)の周期時間を入力してください"},
    {4014, "Invalid cyclic time of CYCLIC-TIMER-HANDLER.(SYSTEM-TIME)\nPlease input a number",
     "周期タイマハンドラ(SYSTEM-TIME)の周期時間が不正です。\n数値を入力してください"},
    {32785, "QuorvaneConfigurator Version\nVersion", "QuorvaneConfigurator のバージョン情報\nバージョン"},
    {32796, "Open this document", "このドキュメントを開く"},
    {32797, "Open this document", "このドキュメントを開く"},
    {32798, "Open this document", "このドキュメントを開く"},
    {59137, "CAP", "CAP"},
    {59138, "NUM", "NUM"},
    {59139, "SCRL", "SCRL"},
    {59142, "KANA", "カナ"},
};

bool DecideJapanese()
{
    // setlocale(LC_ALL, "") has run in main; the messages category names the user's language.
    const char* name = std::setlocale(LC_MESSAGES, nullptr);
    return name != nullptr && std::strncmp(name, "ja", 2) == 0;
}

}  // namespace

bool IsJapanese()
{
    if (g_language < 0) g_language = DecideJapanese() ? 1 : 0;
    return g_language == 1;
}

void SetJapanese(bool japanese) { g_language = japanese ? 1 : 0; }

QString LoadStr(int id)
{
    for (const Entry& e : kEntries) {
        if (e.id == id) return QString::fromUtf8(IsJapanese() ? e.ja : e.en);
    }
    return QString();
}

}  // namespace qvui
