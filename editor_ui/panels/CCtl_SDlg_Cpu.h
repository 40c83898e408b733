// The CPU panel: CPU type, mode and kernel mask level in three drop-down lists, with the per-CPU rules and
// the default stack size of every task the user has not set.
#pragma once

#include "panels/setting_panel.h"
#include <QString>

class CQuorvaneConfiguratorView;
class QComboBox;
class QLabel;

class CCtl_SDlg_Cpu : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_Cpu(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_Cpu() override;

    // Shows the current configuration.
    void RefreshPanel();
    void SetModeList(int type);
    void SetMaskLevelList(int type, int mode);
    void SelectMaskLevel(int level);

    // Shown text of the CPU (1105), mode (1106) or kernel-mask-level (1107) list; "" for other ids.
    QString ComboText(int controlId) const;
    // The three lists (for tests).
    QComboBox* CpuList() const { return m_cmbCpu; }
    QComboBox* ModeList() const { return m_cmbMode; }
    QComboBox* LevelList() const { return m_cmbLevel; }

public slots:
    void OnSelchangeCpu();
    void OnSelchangeMode();
    void OnSelchangeMaskLevel();

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:

    // Controls in the order of the panel's template.
    QLabel* m_lblMode = nullptr;
    QLabel* m_lblLevel = nullptr;
    QLabel* m_lblCpu = nullptr;
    QComboBox* m_cmbMode = nullptr;
    QComboBox* m_cmbLevel = nullptr;
    QComboBox* m_cmbCpu = nullptr;
};
