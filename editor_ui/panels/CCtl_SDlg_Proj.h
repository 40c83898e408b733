// The configuration-files panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include <QFrame>
#include <QString>

class CQuorvaneConfiguratorView;
class QKeyEvent;

class CCtl_SDlg_Proj : public QFrame {
    Q_OBJECT
public:
    explicit CCtl_SDlg_Proj(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_Proj() override;

    // Creates the panel as a child of `parent` and initialises it.
    bool Create(QWidget* parent);
    // Text of one of the six path edits (903, 905, 907 inputs; 909, 911, 913 outputs); "" for other ids.
    QString PathText(int controlId) const;

protected:
    bool OnInitDialog();
    // Esc: a panel never closes itself.
    void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQuorvaneConfiguratorView* m_pView;
};
