// Helpers of the object-list panel tests: the panels of the started editor, rows and cells, the user's
// actions on the list, and a modal edit dialog answered by a queued call that always closes it.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/CEntryEditDialog.h"
#include "panels/CCtl_SDlg_datq.h"
#include "panels/CCtl_SDlg_event.h"
#include "panels/CCtl_SDlg_semaphore.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace uitest {

class EntryListTest : public EditorTest {
protected:
    CCData_conf_info& Conf() const { return Doc()->GetConfInfo(); }
    CCtl_SDlg_event* Event() const { return static_cast<CCtl_SDlg_event*>(View()->SettingPanel(3)); }
    CCtl_SDlg_semaphore* Sem() const { return static_cast<CCtl_SDlg_semaphore*>(View()->SettingPanel(4)); }
    CCtl_SDlg_datq* Datq() const { return static_cast<CCtl_SDlg_datq*>(View()->SettingPanel(5)); }

    // The texts of one row, column by column.
    static std::vector<std::string> Row(const CEntryListPanel* panel, int row)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < panel->List()->columnCount(); ++c) cells.push_back(qvui::FromQ(panel->CellText(row, c)));
        return cells;
    }
    static int Rows(const CEntryListPanel* panel) { return panel->List()->topLevelItemCount(); }
    static std::vector<std::string> Headers(const CEntryListPanel* panel)
    {
        std::vector<std::string> headers;
        for (int c = 0; c < panel->List()->columnCount(); ++c) {
            headers.push_back(qvui::FromQ(panel->List()->headerItem()->text(c)));
        }
        return headers;
    }
    static void Select(CEntryListPanel* panel, int row) { panel->List()->setCurrentItem(panel->List()->topLevelItem(row)); }

    // The user's choice of an item and the user's click on a check box.
    static void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void Click(QCheckBox* box) { box->click(); }

    // The estimate's RAM field; it changes only when the output panel recomputes it.
    QString RamText() const { return View()->OutputPanel()->RamEdit()->text(); }
};

// Runs `open`, which shows a modal dialog; `answer` handles the dialog once it is the active modal widget.
// The dialog is closed in any case (close box), so that a failed check cannot leave the modal loop running.
// Returns whether a dialog of type Dlg was seen.
template <class Dlg>
bool AnswerDialog(const std::function<void()>& open, const std::function<void(Dlg*)>& answer)
{
    bool seen = false;
    // A local timer: when no dialog opens, it is gone before it could fire in a later test.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        struct Closer {
            QWidget* w;
            ~Closer()
            {
                if (w != nullptr && w->isVisible()) w->close();
            }
        } closer{modal};
        auto* dialog = qobject_cast<Dlg*>(modal);
        if (dialog == nullptr) return;
        seen = true;
        answer(dialog);
    });
    timer.start(0);
    open();
    timer.stop();
    return seen;
}

}  // namespace uitest
