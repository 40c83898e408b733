// The task panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include <QFrame>

class CQuorvaneConfiguratorView;
class QKeyEvent;

class CCtl_SDlg_tsk : public QFrame {
    Q_OBJECT
public:
    explicit CCtl_SDlg_tsk(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_tsk() override;

    // Creates the panel as a child of `parent` and initialises it.
    bool Create(QWidget* parent);
    // Shows the current configuration.
    void RefreshPanel();

protected:
    bool OnInitDialog();
    // Esc: a panel never closes itself.
    void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQuorvaneConfiguratorView* m_pView;
};
