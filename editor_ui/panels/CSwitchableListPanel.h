// The base of the object-list panels whose kind can be switched off (event flags, semaphores, data queues,
// cyclic handlers): a use check box, a labelled count combo box ("1" to "127") and the list.
//
// A kind adds to CEntryListPanel's description the ids and texts of the three header controls and two
// accessors: KindRecord() (the record with GetUse/SetUse) and CountField() (the record's count). The
// cyclic-handler panel also overrides IsUseAvailable(): its use box works only while the system time is used.
//
// Shared operations: RefreshPanel() (check box, enable states, count selection, all rows), OnClickedUse()
// and OnSelchangeNumber(); both recompute the memory-size estimate and refresh the view.
#pragma once

#include "panels/CEntryListPanel.h"

class CCData_conf_info_base;
class QCheckBox;
class QLabel;

class CSwitchableListPanel : public CEntryListPanel {
    Q_OBJECT
public:
    struct Header {
        int useId, useText;      // check box
        int labelId, labelText;  // label of the count combo box
        int comboId;             // count combo box
    };

    ~CSwitchableListPanel() override;

    // Shows the configuration: use box, enable states, count and every row (rows also while unused).
    void RefreshPanel();

    QCheckBox* UseCheck() const { return m_chkUse; }
    QComboBox* NumberCombo() const { return m_cmbNumber; }
    QLabel* NumberLabel() const { return m_lblNumber; }

public slots:
    void OnClickedUse();
    void OnSelchangeNumber();

protected:
    CSwitchableListPanel(CQuorvaneConfiguratorView* view, Kind kind, Header header);

    QList<QWidget*> CreateHeader(QWidget* header) override;
    // Labels, count items, list set-up and placement.
    bool OnInitDialog() override;

    virtual CCData_conf_info_base& KindRecord() const = 0;
    virtual int& CountField() const = 0;
    // False while the kind cannot be switched on at all: the use box is then disabled too.
    virtual bool IsUseAvailable() const { return true; }

private:
    const Header m_header;
    QCheckBox* m_chkUse = nullptr;
    QLabel* m_lblNumber = nullptr;
    QComboBox* m_cmbNumber = nullptr;
};
