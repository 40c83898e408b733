// The output panel below the horizontal drag bar: the memory-size line and the message log come with their
// own work; here it is the always-shown panel that places itself below the bar.
#pragma once

#include <QFrame>

class CQuorvaneConfiguratorView;
class QKeyEvent;

class CCtl_SDlg_output : public QFrame {
    Q_OBJECT
public:
    explicit CCtl_SDlg_output(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_output() override;

    bool Create(QWidget* parent);

protected:
    bool OnInitDialog();
    void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQuorvaneConfiguratorView* m_pView;
};
