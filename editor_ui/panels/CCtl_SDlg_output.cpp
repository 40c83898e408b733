// The output panel: creation, placement below the horizontal drag bar, Esc ignored.
#include "panels/CCtl_SDlg_output.h"

#include <QKeyEvent>
#include <QPushButton>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_output::CCtl_SDlg_output(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_output::~CCtl_SDlg_output() = default;

bool CCtl_SDlg_output::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_output::OnInitDialog()
{
    // Below the horizontal bar, right of the vertical one, down to the bottom of the view.
    if (m_pView != nullptr && m_pView->VerticalBar() != nullptr) {
        const QWidget* vbar = m_pView->VerticalBar();
        const QWidget* hbar = m_pView->HorizontalBar();
        const QRect outer = m_pView->OuterRect();
        const int vbarRight = vbar->x() + vbar->width();
        const int top = hbar->y() + hbar->height() + 1;
        setGeometry(vbarRight + 4, top, outer.x() + outer.width() - vbarRight - 1,
                    outer.y() + outer.height() - top);
    }
    return true;
}

void CCtl_SDlg_output::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
