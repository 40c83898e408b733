// The cyclic-handler edit dialog: function name, cycle time and start attribute of one handler, with the
// name and number checks on OK.
#pragma once

#include <string>

#include "dialogs/CEntryEditDialog.h"

class QComboBox;
class QLineEdit;

class CCDlg_cycset : public CEntryEditDialog {
    Q_OBJECT
public:
    CCDlg_cycset(QWidget* parent, int id, const std::string& func, int cycleTime, int attr);
    ~CCDlg_cycset() override;

    std::string GetFunc() const { return m_strFunc; }
    int GetNum() const { return m_nCycleTime; }
    int GetAttr() const { return m_nAttr; }

    QLineEdit* FuncEdit() const { return m_editFunc; }
    QLineEdit* TimeEdit() const { return m_editTime; }
    QComboBox* AttrCombo() const { return m_cmbAttr; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // Fields in the order the constructor takes them.
    std::string m_strFunc;
    int m_nCycleTime;
    int m_nAttr;

    QLineEdit* m_editFunc = nullptr;  // 1092
    QLineEdit* m_editTime = nullptr;  // 1093
    QComboBox* m_cmbAttr = nullptr;   // 1094
};
