// The CPU and kernel-mask panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include <QFrame>
#include <QString>

class CQuorvaneConfiguratorView;
class QKeyEvent;

class CCtl_SDlg_Cpu : public QFrame {
    Q_OBJECT
public:
    explicit CCtl_SDlg_Cpu(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_Cpu() override;

    // Creates the panel as a child of `parent` and initialises it.
    bool Create(QWidget* parent);
    // Shows the current configuration.
    void RefreshPanel();
    // Shown text of the CPU (1105), mode (1106) or kernel-mask-level (1107) combo box; "" for other ids.
    QString ComboText(int controlId) const;

protected:
    bool OnInitDialog();
    // Esc: a panel never closes itself.
    void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQuorvaneConfiguratorView* m_pView;
};
