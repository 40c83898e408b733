// Language choice and string-table look-up for the windowed editor. The table is the shared file
// resources/strings/strings.tsv, compiled into the program as a resource.
#include "ui_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTranslator>
#include <langinfo.h>

#include "config_files.h"
#include "string_table.h"
#include "text.h"

// Resources compiled into a static library are kept only when registered explicitly, and the
// registration function lives outside any namespace.
static void InitEditorUiResources() { Q_INIT_RESOURCE(editor_ui); }

namespace qvui {
namespace {

int g_language = -1;  // -1 not decided yet, 0 English, 1 Japanese

// The converters of the locale's code page, chosen with the core's.
struct LocaleCodec {
    QStringDecoder toQ;
    QStringEncoder fromQ;
};

LocaleCodec MakeLocaleCodec()
{
    const char* codeset = nl_langinfo(CODESET);
    QByteArray name = codeset != nullptr ? QByteArray(codeset) : QByteArray();
    // The C locale's plain ASCII holds no other character: Qt's own choice, UTF-8, then reads every byte.
    if (name.isEmpty() || name == "ANSI_X3.4-1968") name = "UTF-8";
    LocaleCodec codec{QStringDecoder(name.constData(), QStringConverter::Flag::Stateless),
                      QStringEncoder(name.constData(), QStringConverter::Flag::Stateless)};
    if (!codec.toQ.isValid() || !codec.fromQ.isValid()) {
        codec = LocaleCodec{QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless),
                            QStringEncoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)};
    }
    return codec;
}

LocaleCodec& Codec()
{
    static LocaleCodec codec = MakeLocaleCodec();
    return codec;
}

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
    if (g_language < 0) ChooseLanguage();
    return g_language == 1;
}

void ChooseLanguage()
{
    g_language = StringLangForLocale(QLocale::system().name().toStdString()) == StringLang::Japanese ? 1 : 0;
}

void SetJapanese(bool japanese) { g_language = japanese ? 1 : 0; }

void InstallQtTranslations()
{
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtTranslations");
    if (app == nullptr || !IsJapanese() || app->findChild<QTranslator*>(name) != nullptr) return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void SetCodePageFromLocale()
{
    mbtext::SetCodePageFromLocale();
    Codec() = MakeLocaleCodec();
}

QString ToQ(const std::string& s)
{
    return Codec().toQ.decode(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
}

std::string FromQ(const QString& s)
{
    const QByteArray bytes = Codec().fromQ.encode(s);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString PathToQ(const std::string& path)
{
    const QByteArrayView bytes(path.data(), static_cast<qsizetype>(path.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? ToQ(path) : text;
}

std::string DialogPathFromQ(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string TypedPathFromQ(const QString& path)
{
    const auto toLocale = [](const std::string& part) {
        QStringEncoder encoder(Codec().fromQ.name(), QStringConverter::Flag::Stateless);
        const QByteArray local = encoder.encode(QString::fromStdString(part));
        // A character the locale's code page lacks can only be named in UTF-8.
        if (encoder.hasError()) return part;
        return std::string(local.constData(), static_cast<size_t>(local.size()));
    };
    const QByteArray utf8 = path.toUtf8();
    return configfiles::TypedPathBytes(std::string(utf8.constData(), static_cast<size_t>(utf8.size())), toLocale);
}

std::string PathInText(const std::string& path) { return FromQ(PathToQ(path)); }

QString LoadStr(int id) { return QString::fromUtf8(Table().Get(id, IsJapanese() ? StringLang::Japanese : StringLang::English).c_str()); }

QString LoadStr(const char* key)
{
    return QString::fromUtf8(Table().Get(std::string(key), IsJapanese() ? StringLang::Japanese : StringLang::English).c_str());
}

bool HasStr(int id) { return Table().Has(id); }

}  // namespace qvui
