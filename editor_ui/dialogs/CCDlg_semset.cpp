// The semaphore edit dialog: the shared body with the semaphore's ids and texts.
#include "dialogs/CCDlg_semset.h"

CCDlg_semset::CCDlg_semset(QWidget* parent, int id, int attr, int initCount)
    : CWaitQueueNumberDialog(parent, id, attr, initCount,
                             Layout{Ids{2401, 2402, 2405}, 2404, 3303, 2406, kNumberItems, 2403, 2407, 2408})
{
}

CCDlg_semset::~CCDlg_semset() = default;
