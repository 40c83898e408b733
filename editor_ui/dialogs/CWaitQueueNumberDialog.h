// The one body of the semaphore and data-queue edit dialogs: a number chosen from a list whose item index
// is the number, and the priority or FIFO order of the wait queue. The two kinds differ only in their ids,
// texts and the length of the number list (see CCDlg_semset and CCDlg_dtqset).
#pragma once

#include "dialogs/CEntryEditDialog.h"

class QComboBox;
class QRadioButton;

class CWaitQueueNumberDialog : public CEntryEditDialog {
    Q_OBJECT
public:
    // Ids and texts of the kind's controls beyond the ID row.
    struct Layout {
        Ids ids;
        int numberLabelId, numberLabelText;
        int numberComboId;
        int numberItems;  // items "0" to numberItems - 1
        int groupId, priId, fifoId;
    };

    ~CWaitQueueNumberDialog() override;

    int GetAttr() const { return m_nAttr; }
    int GetNum() const { return m_nNum; }

    QComboBox* NumberCombo() const { return m_cmbNumber; }
    QRadioButton* PriButton() const { return m_btnPri; }
    QRadioButton* FifoButton() const { return m_btnFifo; }

public slots:
    void OnPri();
    void OnFifo();

protected:
    CWaitQueueNumberDialog(QWidget* parent, int id, int attr, int number, const Layout& layout);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    const int m_nItems;
    int m_nAttr;
    int m_nNum;
    QComboBox* m_cmbNumber = nullptr;
    QRadioButton* m_btnPri = nullptr;
    QRadioButton* m_btnFifo = nullptr;
};
