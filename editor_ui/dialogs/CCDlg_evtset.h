// The event-flag edit dialog: OR or AND wait, clear on release, priority or FIFO wait queue of one flag.
#pragma once

#include "dialogs/CEntryEditDialog.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

class CCDlg_evtset : public CEntryEditDialog {
    Q_OBJECT
public:
    CCDlg_evtset(QWidget* parent, int id, int attr);
    ~CCDlg_evtset() override;

    int GetAttr() const { return m_nAttr; }

    QRadioButton* OrButton() const { return m_btnOr; }
    QRadioButton* AndButton() const { return m_btnAnd; }
    QCheckBox* ClearCheck() const { return m_chkClear; }
    QRadioButton* PriButton() const { return m_btnPri; }
    QRadioButton* FifoButton() const { return m_btnFifo; }

public slots:
    void OnOr();
    void OnAnd();
    void OnPri();
    void OnFifo();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int m_nAttr;
    QRadioButton* m_btnOr = nullptr;
    QRadioButton* m_btnAnd = nullptr;
    QCheckBox* m_chkClear = nullptr;
    QRadioButton* m_btnPri = nullptr;
    QRadioButton* m_btnFifo = nullptr;
};
