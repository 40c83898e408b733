// The configuration-files panel: the folder and the six kernel-file paths, their checks and red marks, the
// enable mask they decide, and the load of a configuration set (folder choice, "Reload", recent entry).
#pragma once

#include "panels/setting_panel.h"
#include <QString>
#include <cstdint>
#include <map>
#include <string>

class CQuorvaneConfiguratorView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CCtl_SDlg_Proj : public CSettingPanel {
    Q_OBJECT
public:
    // Typing stops at this many characters in each path edit.
    static constexpr int kPathLimit = 260;

    explicit CCtl_SDlg_Proj(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_Proj() override;


    // True when the loaded configuration may be abandoned; asks message 5112 when one is loaded.
    bool ConfirmCancelEdit();
    // The load sequence: checks the six paths of the edits, then loads or reports the missing inputs.
    void InputConfigFiles();
    void AnalyzeConfigFiles(std::string inConfig, std::string inDef, std::string inKinit);
    // Sets or clears one bit of the bad-path mask and writes the view's enable mask from the whole mask.
    void CheckFilePath(std::string path, std::uint32_t bit);
    // The open-file dialog; the chosen path, or "" when cancelled.
    std::string SelectFile(std::string initialDir, std::string defaultExt, std::string defaultName,
                           std::string filter);

    // The path edit or button of a control id (901 to 914, 1105, 1107); null for any other id.
    QLineEdit* PathEdit(int id) const;
    QPushButton* Button(int id) const;
    // Text of a path edit (901 to 913, odd ids); "" for other ids. The tree shows the six file paths.
    QString PathText(int controlId) const;
    // The path as bytes for the file system: the bytes the program put there while its text is unedited,
    // else the typed text in the form in which that name exists.
    std::string PathString(int controlId) const;
    // Writes a path edit (901 to 913, odd ids) from the program: the path stays whole even beyond the typing
    // limit, and typing still cannot lengthen it.
    void SetPathEditText(int controlId, const std::string& path);

    std::uint32_t m_nPathErr = 0;
    std::string m_strConfigDir;
    std::string m_strInConfig;
    std::string m_strInDef;
    std::string m_strInKinit;
    std::string m_strOutConfig;
    std::string m_strOutDef;
    std::string m_strOutKinit;

public slots:
    void OnClickedFolder();
    void OnClickedInConfig();
    void OnClickedInDef();
    void OnClickedInKinit();
    void OnClickedOutConfig();
    void OnClickedOutDef();
    void OnClickedOutKinit();
    void OnClickedReload();
    void OnClickedClear();

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    void OnClickedFile(int row);
    // Paints the text of every edit whose bit is set in the view's red, the others in the default colour.
    void OnCtlColor();
    void SetPathText(QLineEdit* edit, const std::string& path);
    void WritePath(QLineEdit* edit, const std::string& path);

    // The bytes each path edit was last given by the program and the text they were shown as: a name that
    // is not valid in the shown text's encoding still reaches the file system as it came.
    struct GivenPath {
        QString shown;
        std::string bytes;
    };
    std::map<const QLineEdit*, GivenPath> m_given;

    // Controls in the order of the panel's template.
    QPushButton* m_btnClear = nullptr;
    QPushButton* m_btnReload = nullptr;
    QGroupBox* m_grpOutput = nullptr;
    QGroupBox* m_grpInput = nullptr;
    QLabel* m_lblDir = nullptr;
    QLabel* m_lblOutKinit = nullptr;
    QLabel* m_lblOutDef = nullptr;
    QLabel* m_lblOutConfig = nullptr;
    QLabel* m_lblInKinit = nullptr;
    QLabel* m_lblInDef = nullptr;
    QLabel* m_lblInConfig = nullptr;
    QLineEdit* m_edtDir = nullptr;
    QLineEdit* m_edtOutKinit = nullptr;
    QLineEdit* m_edtOutDef = nullptr;
    QLineEdit* m_edtOutConfig = nullptr;
    QLineEdit* m_edtInKinit = nullptr;
    QLineEdit* m_edtInDef = nullptr;
    QLineEdit* m_edtInConfig = nullptr;
    QPushButton* m_btnDir = nullptr;
    QPushButton* m_btnOutKinit = nullptr;
    QPushButton* m_btnOutDef = nullptr;
    QPushButton* m_btnOutConfig = nullptr;
    QPushButton* m_btnInKinit = nullptr;
    QPushButton* m_btnInDef = nullptr;
    QPushButton* m_btnInConfig = nullptr;
};
