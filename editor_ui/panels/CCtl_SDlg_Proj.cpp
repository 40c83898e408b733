// The configuration-files panel and the load sequence it runs.
#include "panels/CCtl_SDlg_Proj.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "config_files.h"
#include "doc.h"
#include "load_log.h"
#include "panels/CCtl_SDlg_output.h"
#include "panels/panel_common.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

using configfiles::ConfigPaths;

// The typing limit of a path edit. Unlike QLineEdit's maximum length it never cuts a longer path that the
// program itself puts there (a deep folder plus "/config.c"), and it still lets the user shorten one.
// The program's paths go in through WriteWhole: a text the validator refused would leave the edit in a
// state where the next keystrokes are no longer checked at all.
class PathLimitValidator : public QValidator {
public:
    PathLimitValidator(QLineEdit* edit, int limit) : QValidator(edit), m_limit(limit), m_length(edit->text().size())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_length = text.size(); });
    }
    State validate(QString& input, int&) const override
    {
        return (input.size() <= m_limit || input.size() <= m_length) ? Acceptable : Invalid;
    }

private:
    int m_limit;
    qsizetype m_length;  // length of the text before the change being validated
};

// The file dialogs' fixed filters: source files, or configuration files, then all files.
const char* const kSourceFilter = "Cｿｰｽ(*.c)|*.c|全て(*.*)|*.*||";
const char* const kDefFilter = "構築ﾌｧｲﾙ(*.def)|*.def|全て(*.*)|*.*||";

// The six file choices, in the order of the handlers.
struct FileChoice {
    const char* ext;
    const char* name;
    const char* filter;
    int editId;
    std::uint32_t bit;
    bool output;
};
const FileChoice kFileChoices[6] = {
    {"c", "config.c", kSourceFilter, 903, configfiles::kInConfigBit, false},
    {"def", "qvos.def", kDefFilter, 905, configfiles::kInDefBit, false},
    {"c", "kinit.c", kSourceFilter, 907, configfiles::kInKinitBit, false},
    {"c", "config.c", kSourceFilter, 909, configfiles::kOutConfigBit, true},
    {"def", "qvos.def", kDefFilter, 911, configfiles::kOutDefBit, true},
    {"c", "kinit.c", kSourceFilter, 913, configfiles::kOutKinitBit, true},
};

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

// Puts a text the program chose into a path edit, whole whatever its length, with the typing limit in force
// again for the next keystroke.
void WriteWhole(QLineEdit* edit, const QString& text)
{
    const QValidator* limit = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(limit);
}

}  // namespace

CCtl_SDlg_Proj::CCtl_SDlg_Proj(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_Proj::~CCtl_SDlg_Proj() = default;

void CCtl_SDlg_Proj::CreateControls()
{
    QWidget* client = Client();
    m_btnClear = new QPushButton(client);
    m_btnReload = new QPushButton(client);
    m_grpOutput = new QGroupBox(client);
    m_grpInput = new QGroupBox(client);
    m_lblDir = new QLabel(client);
    m_lblOutKinit = new QLabel(m_grpOutput);
    m_lblOutDef = new QLabel(m_grpOutput);
    m_lblOutConfig = new QLabel(m_grpOutput);
    m_lblInKinit = new QLabel(m_grpInput);
    m_lblInDef = new QLabel(m_grpInput);
    m_lblInConfig = new QLabel(m_grpInput);
    m_edtDir = new QLineEdit(client);
    m_edtOutKinit = new QLineEdit(m_grpOutput);
    m_edtOutDef = new QLineEdit(m_grpOutput);
    m_edtOutConfig = new QLineEdit(m_grpOutput);
    m_edtInKinit = new QLineEdit(m_grpInput);
    m_edtInDef = new QLineEdit(m_grpInput);
    m_edtInConfig = new QLineEdit(m_grpInput);
    m_btnDir = new QPushButton(QStringLiteral("..."), client);
    m_btnOutKinit = new QPushButton(QStringLiteral("..."), m_grpOutput);
    m_btnOutDef = new QPushButton(QStringLiteral("..."), m_grpOutput);
    m_btnOutConfig = new QPushButton(QStringLiteral("..."), m_grpOutput);
    m_btnInKinit = new QPushButton(QStringLiteral("..."), m_grpInput);
    m_btnInDef = new QPushButton(QStringLiteral("..."), m_grpInput);
    m_btnInConfig = new QPushButton(QStringLiteral("..."), m_grpInput);

    for (QLabel* label : {m_lblDir, m_lblOutKinit, m_lblOutDef, m_lblOutConfig, m_lblInKinit, m_lblInDef, m_lblInConfig}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QPushButton* button : {m_btnDir, m_btnOutKinit, m_btnOutDef, m_btnOutConfig, m_btnInKinit, m_btnInDef, m_btnInConfig}) {
        button->setAutoDefault(false);
    }
    m_btnClear->setAutoDefault(false);
    m_btnReload->setAutoDefault(false);

    // Folder row, then the two groups of three rows, then the two buttons.
    auto* top = new QGridLayout;
    top->addWidget(m_lblDir, 0, 0);
    top->addWidget(m_edtDir, 0, 1);
    top->addWidget(m_btnDir, 0, 2);
    auto fillGroup = [](QGroupBox* group, QLabel* const labels[3], QLineEdit* const edits[3], QPushButton* const buttons[3]) {
        auto* grid = new QGridLayout(group);
        for (int row = 0; row < 3; ++row) {
            grid->addWidget(labels[row], row, 0);
            grid->addWidget(edits[row], row, 1);
            grid->addWidget(buttons[row], row, 2);
        }
        grid->setColumnStretch(1, 1);
    };
    QLabel* const inLabels[3] = {m_lblInConfig, m_lblInDef, m_lblInKinit};
    QLineEdit* const inEdits[3] = {m_edtInConfig, m_edtInDef, m_edtInKinit};
    QPushButton* const inButtons[3] = {m_btnInConfig, m_btnInDef, m_btnInKinit};
    QLabel* const outLabels[3] = {m_lblOutConfig, m_lblOutDef, m_lblOutKinit};
    QLineEdit* const outEdits[3] = {m_edtOutConfig, m_edtOutDef, m_edtOutKinit};
    QPushButton* const outButtons[3] = {m_btnOutConfig, m_btnOutDef, m_btnOutKinit};
    fillGroup(m_grpInput, inLabels, inEdits, inButtons);
    fillGroup(m_grpOutput, outLabels, outEdits, outButtons);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnReload);
    buttons->addWidget(m_btnClear);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(client);
    layout->addLayout(top);
    layout->addWidget(m_grpInput);
    layout->addWidget(m_grpOutput);
    layout->addLayout(buttons);
    layout->addStretch(1);
    // Reading order: each path edit, then its "...", from the folder down to output kinit.c, then the buttons.
    SetTabOrder({m_edtDir, m_btnDir, m_edtInConfig, m_btnInConfig, m_edtInDef, m_btnInDef, m_edtInKinit,
                 m_btnInKinit, m_edtOutConfig, m_btnOutConfig, m_edtOutDef, m_btnOutDef, m_edtOutKinit,
                 m_btnOutKinit, m_btnReload, m_btnClear});

    connect(m_btnDir, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedFolder);
    connect(m_btnInConfig, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedInConfig);
    connect(m_btnInDef, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedInDef);
    connect(m_btnInKinit, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedInKinit);
    connect(m_btnOutConfig, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedOutConfig);
    connect(m_btnOutDef, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedOutDef);
    connect(m_btnOutKinit, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedOutKinit);
    connect(m_btnReload, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedReload);
    connect(m_btnClear, &QPushButton::clicked, this, &CCtl_SDlg_Proj::OnClickedClear);
}

bool CCtl_SDlg_Proj::OnInitDialog()
{
    m_btnClear->setText(LoadStr(3401));
    m_btnReload->setText(LoadStr(3400));
    m_grpOutput->setTitle(LoadStr(3317));
    m_grpInput->setTitle(LoadStr(3316));
    m_lblDir->setText(LoadStr(3318));
    m_lblOutKinit->setText(LoadStr(3321));
    m_lblOutDef->setText(LoadStr(3320));
    m_lblOutConfig->setText(LoadStr(3319));
    m_lblInKinit->setText(LoadStr(3321));
    m_lblInDef->setText(LoadStr(3320));
    m_lblInConfig->setText(LoadStr(3319));
    // The template's widths (dialog units) where the texts leave room: label column, "...", the buttons.
    m_lblDir->setMinimumWidth(qvui::TemplateSize(m_lblDir, 71, 12).width());
    for (QLabel* label : {m_lblOutKinit, m_lblOutDef, m_lblOutConfig, m_lblInKinit, m_lblInDef, m_lblInConfig}) {
        label->setMinimumWidth(qvui::TemplateSize(label, 41, 12).width());
    }
    for (QPushButton* button : {m_btnDir, m_btnOutKinit, m_btnOutDef, m_btnOutConfig, m_btnInKinit, m_btnInDef, m_btnInConfig}) {
        qvui::FitButtonWidth(button, 12);
    }
    for (QPushButton* button : {m_btnReload, m_btnClear}) button->setMinimumSize(qvui::TemplateSize(button, 45, 14));
    for (QLineEdit* edit : {m_edtDir, m_edtOutKinit, m_edtOutDef, m_edtOutConfig, m_edtInKinit, m_edtInDef, m_edtInConfig}) {
        edit->setValidator(new PathLimitValidator(edit, kPathLimit));
    }
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

QLineEdit* CCtl_SDlg_Proj::PathEdit(int id) const
{
    switch (id) {
    case 901: return m_edtDir;
    case 903: return m_edtInConfig;
    case 905: return m_edtInDef;
    case 907: return m_edtInKinit;
    case 909: return m_edtOutConfig;
    case 911: return m_edtOutDef;
    case 913: return m_edtOutKinit;
    default: return nullptr;
    }
}

QPushButton* CCtl_SDlg_Proj::Button(int id) const
{
    switch (id) {
    case 902: return m_btnDir;
    case 904: return m_btnInConfig;
    case 906: return m_btnInDef;
    case 908: return m_btnInKinit;
    case 910: return m_btnOutConfig;
    case 912: return m_btnOutDef;
    case 914: return m_btnOutKinit;
    case 1105: return m_btnReload;
    case 1107: return m_btnClear;
    default: return nullptr;
    }
}

QString CCtl_SDlg_Proj::PathText(int controlId) const
{
    const QLineEdit* edit = PathEdit(controlId);
    return edit != nullptr ? edit->text() : QString();
}

std::string CCtl_SDlg_Proj::PathString(int controlId) const
{
    const QLineEdit* edit = PathEdit(controlId);
    if (edit == nullptr) return std::string();
    const auto given = m_given.find(edit);
    if (given != m_given.end() && given->second.shown == edit->text()) return given->second.bytes;
    return qvui::TypedPathFromQ(edit->text());
}

void CCtl_SDlg_Proj::WritePath(QLineEdit* edit, const std::string& path)
{
    const QString shown = qvui::PathToQ(path);
    m_given[edit] = GivenPath{shown, path};
    WriteWhole(edit, shown);
}

void CCtl_SDlg_Proj::SetPathEditText(int controlId, const std::string& path)
{
    if (QLineEdit* edit = PathEdit(controlId)) WritePath(edit, path);
}

void CCtl_SDlg_Proj::SetPathText(QLineEdit* edit, const std::string& path)
{
    WritePath(edit, path);
    // The caret goes after the text, however long: a path wider than the edit then shows its file name.
    edit->setCursorPosition(edit->text().size());
}

bool CCtl_SDlg_Proj::ConfirmCancelEdit()
{
    ConfigPaths recorded;
    recorded.inConfig = m_strInConfig;
    recorded.inDef = m_strInDef;
    recorded.inKinit = m_strInKinit;
    if (!configfiles::NeedsCancelQuestion(recorded, m_nPathErr)) return true;
    return qvui::MessageBox(window(), LoadStr(5112), qvui::MB_OKCANCEL) != qvui::IDCANCEL;
}

void CCtl_SDlg_Proj::CheckFilePath(std::string path, std::uint32_t bit)
{
    m_nPathErr = configfiles::WithPathBit(m_nPathErr, bit, CQuorvaneConfiguratorDoc::IsFileExist(path) != 0);
    const configfiles::EnableUpdate update = configfiles::EnableMaskAfterCheck(m_nPathErr, m_pView->m_nEnableMask);
    m_pView->SetEnableMask(update.enableMask);
    OnCtlColor();
    if (update.refresh) {
        m_pView->RefreshAll();
        if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->CalcMemorySize();
    }
}

void CCtl_SDlg_Proj::InputConfigFiles()
{
    m_strConfigDir = PathString(901);
    m_strInConfig = PathString(903);
    m_strInDef = PathString(905);
    m_strInKinit = PathString(907);
    m_strOutConfig = PathString(909);
    m_strOutDef = PathString(911);
    m_strOutKinit = PathString(913);

    CheckFilePath(m_strInConfig, configfiles::kInConfigBit);
    CheckFilePath(m_strInDef, configfiles::kInDefBit);
    CheckFilePath(m_strInKinit, configfiles::kInKinitBit);
    CheckFilePath(m_strOutConfig, configfiles::kOutConfigBit);
    CheckFilePath(m_strOutDef, configfiles::kOutDefBit);
    CheckFilePath(m_strOutKinit, configfiles::kOutKinitBit);

    CCtl_SDlg_output* output = m_pView->OutputPanel();
    if ((m_nPathErr & configfiles::kInputBits) == 0) {
        AnalyzeConfigFiles(m_strInConfig, m_strInDef, m_strInKinit);
        if (m_strConfigDir.empty()) m_strConfigDir = m_strInConfig;
        m_pView->GetDocument()->GetConfInfo().m_ini.AddRecentConfig(m_strConfigDir, m_strInConfig, m_strInDef,
                                                                     m_strInKinit, m_strOutConfig, m_strOutDef,
                                                                     m_strOutKinit);
        return;
    }
    // A missing input stops the load; the configuration that is loaded stays as it is.
    output->ClearMessage();
    ConfigPaths paths;
    paths.inConfig = m_strInConfig;
    paths.inDef = m_strInDef;
    paths.inKinit = m_strInKinit;
    for (const std::string& line : loadlog::NotFoundLines(paths, m_nPathErr, Label, qvui::PathInText)) {
        output->AddMessage(line);
    }
}

void CCtl_SDlg_Proj::AnalyzeConfigFiles(std::string inConfig, std::string inDef, std::string inKinit)
{
    CQuorvaneConfiguratorDoc* doc = m_pView->GetDocument();
    CCtl_SDlg_output* output = m_pView->OutputPanel();
    const std::vector<std::string> lines =
        loadlog::LoadConfigFiles(*doc, inConfig, inDef, inKinit, Label, qvui::PathInText);
    output->ClearMessage();
    for (const std::string& line : lines) output->AddMessage(line);
    m_pView->RefreshAll();
    output->CalcMemorySize();
}

std::string CCtl_SDlg_Proj::SelectFile(std::string initialDir, std::string defaultExt, std::string defaultName,
                                       std::string filter)
{
    // The dialog opens in the folder with the default name filled in.
    const std::string initial = initialDir.empty() ? defaultName : initialDir + "/" + defaultName;
    const QString path = qvui::GetOpenFileName(this, QString::fromUtf8(filter.c_str()), qvui::ToQ(defaultExt),
                                               qvui::PathToQ(initial));
    return qvui::DialogPathFromQ(path);
}

void CCtl_SDlg_Proj::OnClickedFolder()
{
    const std::string shown = PathString(901);
    const std::string start =
        configfiles::BrowserStartFolder(shown, m_pView->GetDocument()->GetStartDir());
    const std::string folder = qvui::DialogPathFromQ(
        qvui::BrowseForFolder(window(), QStringLiteral("Select Config Folder"), qvui::PathToQ(start)));
    if (folder.empty()) return;
    // The folder already shown is loaded again without the question.
    if (folder != shown && !ConfirmCancelEdit()) return;

    const ConfigPaths paths = configfiles::PathsFromFolder(folder);
    m_strConfigDir = paths.dir;
    m_strInConfig = paths.inConfig;
    m_strInDef = paths.inDef;
    m_strInKinit = paths.inKinit;
    m_strOutConfig = paths.outConfig;
    m_strOutDef = paths.outDef;
    m_strOutKinit = paths.outKinit;
    SetPathText(m_edtDir, m_strConfigDir);
    SetPathText(m_edtInConfig, m_strInConfig);
    SetPathText(m_edtInDef, m_strInDef);
    SetPathText(m_edtInKinit, m_strInKinit);
    SetPathText(m_edtOutConfig, m_strOutConfig);
    SetPathText(m_edtOutDef, m_strOutDef);
    SetPathText(m_edtOutKinit, m_strOutKinit);
    InputConfigFiles();
}

void CCtl_SDlg_Proj::OnClickedFile(int row)
{
    const FileChoice& choice = kFileChoices[row];
    const std::string path = SelectFile(m_strConfigDir, choice.ext, choice.name, choice.filter);
    if (path.empty()) return;
    SetPathText(PathEdit(choice.editId), path);
    CheckFilePath(path, choice.bit);
    if (!choice.output) return;
    // The newest recent entry writes its output to the chosen file from now on.
    CCData_conf_ini& ini = m_pView->GetDocument()->GetConfInfo().m_ini;
    if (choice.editId == 909) ini.SetRecentOutConfig(0, path);
    if (choice.editId == 911) ini.SetRecentOutDef(0, path);
    if (choice.editId == 913) ini.SetRecentOutKinit(0, path);
}

void CCtl_SDlg_Proj::OnClickedInConfig() { OnClickedFile(0); }
void CCtl_SDlg_Proj::OnClickedInDef() { OnClickedFile(1); }
void CCtl_SDlg_Proj::OnClickedInKinit() { OnClickedFile(2); }
void CCtl_SDlg_Proj::OnClickedOutConfig() { OnClickedFile(3); }
void CCtl_SDlg_Proj::OnClickedOutDef() { OnClickedFile(4); }
void CCtl_SDlg_Proj::OnClickedOutKinit() { OnClickedFile(5); }

void CCtl_SDlg_Proj::OnClickedReload()
{
    if (!ConfirmCancelEdit()) return;
    if (PathString(903).empty() || PathString(905).empty() || PathString(907).empty()) return;
    InputConfigFiles();
    update();
}

void CCtl_SDlg_Proj::OnClickedClear()
{
    if (!ConfirmCancelEdit()) return;
    for (QLineEdit* edit : {m_edtDir, m_edtInConfig, m_edtInDef, m_edtInKinit, m_edtOutConfig, m_edtOutDef, m_edtOutKinit}) {
        edit->clear();
    }
    m_given.clear();
    m_nPathErr = 0;
    m_strConfigDir.clear();
    m_strInConfig.clear();
    m_strInDef.clear();
    m_strInKinit.clear();
    m_strOutConfig.clear();
    m_strOutDef.clear();
    m_strOutKinit.clear();
    m_pView->SetEnableMask(configfiles::kEnableAlways);
    m_pView->GetDocument()->GetConfInfo().InitData();
    if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->ClearMemorySize();
    m_pView->ClearTree();
    OnCtlColor();
}

void CCtl_SDlg_Proj::OnCtlColor()
{
    const struct {
        QLineEdit* edit;
        std::uint32_t bit;
    } marks[] = {{m_edtInConfig, configfiles::kInConfigBit},   {m_edtInDef, configfiles::kInDefBit},
                 {m_edtInKinit, configfiles::kInKinitBit},     {m_edtOutConfig, configfiles::kOutConfigBit},
                 {m_edtOutDef, configfiles::kOutDefBit},       {m_edtOutKinit, configfiles::kOutKinitBit}};
    for (const auto& mark : marks) {
        QPalette palette = QApplication::palette(mark.edit);
        if (m_nPathErr & mark.bit) palette.setColor(QPalette::Text, m_pView->m_crRed);
        mark.edit->setPalette(palette);
    }
}
