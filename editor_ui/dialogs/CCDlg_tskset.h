// The task edit dialog: entry function, initial state and stack size of one task, with the name, number,
// alignment and minimum checks on OK.
#pragma once

#include <string>

#include "dialogs/CEntryEditDialog.h"

class QComboBox;
class QLineEdit;

class CCDlg_tskset : public CEntryEditDialog {
    Q_OBJECT
public:
    CCDlg_tskset(QWidget* parent, int id, int priTaskCount, const std::string& func, int state, int stackSize,
                 int minStackSize, int cpuType, int stackAlign);
    ~CCDlg_tskset() override;

    std::string GetFunc() const { return m_strFunc; }
    int GetStackSize() const { return m_nStackSize; }
    int GetInitState() const { return m_nInitState; }

    QLineEdit* TypeEdit() const { return m_editType; }
    QLineEdit* FuncEdit() const { return m_editFunc; }
    QComboBox* StateCombo() const { return m_cmbState; }
    QLineEdit* StackEdit() const { return m_editStack; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // Fields in the order the constructor takes them.
    int m_nPriTaskCount;
    std::string m_strFunc;
    int m_nInitState;
    int m_nStackSize;
    int m_nMinStackSize;
    int m_nCpuType;
    int m_nStackAlign;

    QLineEdit* m_editType = nullptr;   // 2208
    QLineEdit* m_editFunc = nullptr;   // 2209
    QComboBox* m_cmbState = nullptr;   // 2210
    QLineEdit* m_editStack = nullptr;  // 2211
};
