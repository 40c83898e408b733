// The task panel: the task count, the priority-task count, and one row per task with its type, priority,
// entry function, initial state and stack size, edited in CCDlg_tskset. Tasks are always used, so the panel
// has no use check box.
#pragma once

#include <string>

#include "panels/CEntryListPanel.h"

class CQuorvaneConfiguratorView;
class QComboBox;
class QLabel;

class CCtl_SDlg_tsk : public CEntryListPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_tsk(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_tsk() override;

    // Shows the current configuration.
    void RefreshPanel();
    // Offers the priority-task counts 0 to T and selects the stored one (lowered to T when above it).
    void SetPriNumberList(int taskCount);
    void SetListItem(int row, int id, int state, int stackSize, const std::string& func, int userSet);

    QComboBox* NumberCombo() const { return m_cmbNumber; }
    QComboBox* PriNumberCombo() const { return m_cmbPriNumber; }

public slots:
    void OnSelchangeNumber();
    void OnSelchangePriNumber();

protected:
    QList<QWidget*> CreateHeader(QWidget* header) override;
    bool OnInitDialog() override;
    void FillListRow(int row, int id) override;
    std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) override;
    void StoreEditDialog(int id, const CEntryEditDialog& dialog) override;

private:
    QLabel* m_lblNumber = nullptr;        // 1202
    QLabel* m_lblPriNumber = nullptr;     // 1203
    QComboBox* m_cmbPriNumber = nullptr;  // 1206
    QComboBox* m_cmbNumber = nullptr;     // 1207
};
