// The data-queue edit dialog: the shared body with the data queue's ids and texts.
#include "dialogs/CCDlg_dtqset.h"

CCDlg_dtqset::CCDlg_dtqset(QWidget* parent, int id, int dataCount, int attr)
    : CWaitQueueNumberDialog(parent, id, attr, dataCount,
                             Layout{Ids{2402, 1072, 1073}, 1074, 3306, 1075, kNumberItems, 1076, 1077, 1078})
{
}

CCDlg_dtqset::~CCDlg_dtqset() = default;
