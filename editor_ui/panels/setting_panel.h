// The base of the nine setting panels: a sunken frame that the view creates once and that never closes
// itself. Enter does nothing and Esc reaches OnCancel, which does nothing either.
#pragma once

#include <QFrame>

class CQuorvaneConfiguratorView;
class QKeyEvent;

class CSettingPanel : public QFrame {
    Q_OBJECT
public:
    explicit CSettingPanel(CQuorvaneConfiguratorView* view);
    ~CSettingPanel() override;

    // Makes the panel a child of `parent`, builds its controls and initialises it.
    bool Create(QWidget* parent);

protected:
    // Builds the panel's own controls; runs once, before OnInitDialog.
    virtual void CreateControls() {}
    // Sets the texts and values and places the panel beside the tree.
    virtual bool OnInitDialog();
    virtual void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;

    CQuorvaneConfiguratorView* m_pView;
};
