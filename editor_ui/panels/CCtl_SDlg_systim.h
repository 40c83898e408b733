// The system-time panel: switches the kernel's system time on or off and edits its cyclic time. Cyclic
// handlers need the system time, so the panel also switches the cyclic-handler panel's controls and clears
// their use flag when the system time goes off. The typed time is stored when the edit loses the focus and
// checked, with a message, before the view leaves the panel or writes the kernel files.
#pragma once

#include "panels/setting_panel.h"

class CQuorvaneConfiguratorView;
class QCheckBox;
class QLabel;
class QLineEdit;

class CCtl_SDlg_systim : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_systim(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_systim() override;

    // Shows the current configuration; the edit's text is replaced by the stored time.
    void RefreshPanel();
    // Nonzero when the cyclic-time edit holds a plain decimal number (then stored); otherwise shows the
    // message, focuses the edit and returns 0.
    int CheckCyclicTime();

    // The controls, for tests.
    QCheckBox* UseCheck() const { return m_chkUse; }
    QLineEdit* CyclicTimeEdit() const { return m_editCyclicTime; }

    // 1 while the edit holds a text that is not a plain decimal number; the text is then drawn in red.
    int m_bInvalid = 0;

public slots:
    void OnClickedUse();
    void OnKillfocusCyclicTime();
    void OnUpdateCyclicTime();

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCtlColor();
    // Enables the cyclic-handler panel's use box, count and list for the system time's state.
    void EnableCycControls(bool systemTimeUsed);

    // Controls in the order of the panel's template.
    QCheckBox* m_chkUse = nullptr;         // 1079
    QLabel* m_lblCyclicTime = nullptr;     // 1080
    QLineEdit* m_editCyclicTime = nullptr; // 1081
};
