// Language choice and string-table look-up for the windowed editor. The table is the shared file
// resources/strings/strings.tsv, compiled into the program as a resource.
#include "ui_text.h"

#include <QFile>
#include <clocale>

#include "string_table.h"

// Resources compiled into a static library are kept only when registered explicitly, and the
// registration function lives outside any namespace.
static void InitEditorUiResources() { Q_INIT_RESOURCE(editor_ui); }

namespace qvui {
namespace {

int g_language = -1;  // -1 not decided yet, 0 English, 1 Japanese

const StringTable& Table()
{
    static const StringTable table = [] {
        InitResources();
        StringTable t;
        QFile file(QStringLiteral(":/strings/strings.tsv"));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            t.Load(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
        }
        return t;
    }();
    return table;
}

}  // namespace

void InitResources()
{
    static bool done = false;
    if (done) return;
    done = true;
    InitEditorUiResources();
}

bool IsJapanese()
{
    if (g_language < 0) {
        // setlocale(LC_ALL, "") has run in main; the messages category names the user's language.
        const char* name = std::setlocale(LC_MESSAGES, nullptr);
        g_language = StringLangForLocale(name != nullptr ? name : "") == StringLang::Japanese ? 1 : 0;
    }
    return g_language == 1;
}

void SetJapanese(bool japanese) { g_language = japanese ? 1 : 0; }

QString LoadStr(int id) { return QString::fromUtf8(Table().Get(id, IsJapanese() ? StringLang::Japanese : StringLang::English).c_str()); }

QString LoadStr(const char* key)
{
    return QString::fromUtf8(Table().Get(std::string(key), IsJapanese() ? StringLang::Japanese : StringLang::English).c_str());
}

bool HasStr(int id) { return Table().Has(id); }

}  // namespace qvui
