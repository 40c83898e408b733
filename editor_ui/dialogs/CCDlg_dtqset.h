// The data-queue edit dialog: data count (the queue's capacity, 0 to 127) and wait-queue order of one queue.
#pragma once

#include "dialogs/CWaitQueueNumberDialog.h"

class CCDlg_dtqset : public CWaitQueueNumberDialog {
    Q_OBJECT
public:
    static constexpr int kNumberItems = 128;

    CCDlg_dtqset(QWidget* parent, int id, int dataCount, int attr);
    ~CCDlg_dtqset() override;
};
