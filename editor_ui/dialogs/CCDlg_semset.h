// The semaphore edit dialog: initial count (0 to 255) and wait-queue order of one semaphore.
#pragma once

#include "dialogs/CWaitQueueNumberDialog.h"

class CCDlg_semset : public CWaitQueueNumberDialog {
    Q_OBJECT
public:
    static constexpr int kNumberItems = 256;

    CCDlg_semset(QWidget* parent, int id, int attr, int initCount);
    ~CCDlg_semset() override;
};
