// The base of the five object-list panels (task, event flag, semaphore, data queue, cyclic handler): one row
// per object, row r showing id r + 1, and a double-click that edits the selected object in its dialog.
//
// A kind is a small description plus three overrides:
// - Kind (constructor): the list's control id, the kind's own columns (header string id, width) after the
//   shared "!" (3008, centred, 25) and "ID" (3001, 25), and whether a stored edit changes the memory-size
//   estimate (only the data queues' does).
// - FillListRow(row, id): reads entry `id` from the configuration and calls the kind's SetListItem, which
//   hands its column texts to SetRowTexts().
// - CreateEditDialog(id): the kind's edit dialog for entry `id` with its current values, this panel as
//   parent.
// - StoreEditDialog(id, dialog): after OK, the dialog's getters into the configuration through the kind's
//   setter (which marks the entry as set by the user).
// A kind with controls above the list (use check box, count combo boxes) builds them in CreateHeader() and
// returns those that take the focus in reading order (Tab then reaches the list last); the kinds that can be switched off get theirs from CSwitchableListPanel. A kind deriving from this class
// directly (the task panel) writes its own OnInitDialog(): header texts, FillNumberCombo() for its count
// lists, then SetUpList() (after the texts: it lays the list out below the header), then
// qvui::PlaceSettingPanel(this, m_pView); and its own RefreshPanel(), ending in SetListCount().
// Handlers reach the configuration through Conf() and report a change with CalcMemorySize() and
// RefreshView() (the view's RefreshAll), in the order the kind needs.
//
// Shared operations: SetListCount() rebuilds the rows for ids 1..count; OnDblclkList() runs the dialog of the
// selected row on a double-click or Enter on the list (nothing without a selection; after any end of the
// dialog the view's RefreshAll, after which no row is selected and the list keeps the focus); OnSize()
// stretches the list to the panel's client size less a margin of 20 right and 15 below; where the panel is
// smaller than the header and the list's least size, it scrolls.
#pragma once

#include <QFont>
#include <QSet>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "panels/setting_panel.h"

class CCData_conf_info;
class CEntryEditDialog;
class QComboBox;
class QTreeWidget;

class CEntryListPanel : public CSettingPanel {
    Q_OBJECT
public:
    struct Column {
        int headerText;  // string id
        int width;
    };
    struct Kind {
        int listId;
        std::vector<Column> columns;  // the kind's own, after "!" and "ID"
        bool recalcAfterEdit;         // a stored edit changes the memory-size estimate
    };

    ~CEntryListPanel() override;

    // Deletes all rows and inserts one per id 1..count, each filled from the configuration.
    void SetListCount(int count);
    // A double-click or Enter on the list: edits the object of the selected row.
    void OnDblclkList();
    // Keeps the list's left and top and gives it width cx - left - 20 and height cy - top - 15.
    void OnSize(int cx, int cy) override;

    QTreeWidget* List() const { return m_wndList; }
    // Row `row`'s text in `column`; empty when there is no such cell.
    QString CellText(int row, int column) const;

    // Fills a count combo box with the decimal items first..last.
    static void FillNumberCombo(QComboBox* combo, int first, int last);

protected:
    CEntryListPanel(CQuorvaneConfiguratorView* view, Kind kind);

    // Builds the header controls (CreateHeader) and the list below them.
    void CreateControls() override;
    // Full-row selection and the columns; a kind calls it from its OnInitDialog before the placement.
    void SetUpList();

    // The kind's controls above the list, in `header` (laid out by the kind).
    virtual QList<QWidget*> CreateHeader(QWidget* header)
    {
        (void)header;
        return {};
    }
    virtual void FillListRow(int row, int id) = 0;
    virtual std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) = 0;
    virtual void StoreEditDialog(int id, const CEntryEditDialog& dialog) = 0;

    // Every column widened to its designed width and to the list's size hints for its header and cells, so
    // no text is cut; never narrowed.
    void FitColumns();
    int DesignedWidth(int column) const;

    // Column 0 from the user-set flag, then the kind's columns from column 2 on.
    void SetRowTexts(int row, int userSet, const std::vector<std::string>& columns);

    CCData_conf_info& Conf() const;
    // The view's RefreshAll and the output panel's CalcMemorySize.
    void RefreshView() const;
    void CalcMemorySize() const;

private:
    const Kind m_kind;
    QWidget* m_wndHeader = nullptr;
    QList<QWidget*> m_headerControls;
    QTreeWidget* m_wndList = nullptr;
    struct {
        QFont font;
        struct Column {
            QSet<QString> texts;  // the cell texts the hint was measured with
            int hint = 0;         // the list's size hint for the column over them
            int height = 0;       // the tallest of them
        };
        std::vector<Column> columns;
    } m_fit;  // what FitColumns measured, in the list's font
};
