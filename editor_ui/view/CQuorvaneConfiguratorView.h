// The one form view: navigation tree, drag bars, header with picture and title, the nine panels, the enable
// mask of the commands and the switching between the setting panels.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <string>

class CQuorvaneConfiguratorDoc;
class CCtl_SDlg_Proj;
class CCtl_SDlg_Cpu;
class CCtl_SDlg_tsk;
class CCtl_SDlg_event;
class CCtl_SDlg_semaphore;
class CCtl_SDlg_datq;
class CCtl_SDlg_systim;
class CCtl_SDlg_cychdr;
class CCtl_SDlg_output;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CQuorvaneConfiguratorView : public QWidget {
    Q_OBJECT
public:
    // The frame draws a sunken edge of this width around the view; the drag arithmetic counts it as part of
    // the view's outer rectangle.
    static constexpr int kClientEdge = 2;
    static constexpr int kBarThickness = 5;
    static constexpr int kMinBarX = 36;  // nearest the vertical bar comes to either side
    static constexpr int kMinBarY = 55;  // nearest the horizontal bar comes to the top or the bottom
    static constexpr int kCategoryCount = 8;

    CQuorvaneConfiguratorView(CQuorvaneConfiguratorDoc* document, QWidget* parent);
    ~CQuorvaneConfiguratorView() override;

    // Creation steps the frame runs, in this order: OnCreate when the view exists, OnInitialUpdate once the
    // frame is complete, OnDestroy while the frame is going away.
    int OnCreate();
    void OnInitialUpdate();
    void OnDestroy();

    CQuorvaneConfiguratorDoc* GetDocument() const { return m_pDocument; }

    // Panel switching.
    void SwitchPanel(std::string currentTitle, std::string target);
    std::string GetTitleText() const;
    void OnChangeForm();
    void OnSelectConfFiles();
    void OnCpuKernelMaskLevel();
    void OnTask();
    void OnEventflg();
    void OnSemaphore();
    void OnDataQue();
    void OnSystemTime();
    void OnCyclicHandler();
    void OnOutputConfFiles();
    void OnRecentConfig(unsigned id);

    // Command states: each command of 302 to 311 is enabled exactly when its bit of the mask is set.
    bool OnUpdateChangeForm() const { return (m_nEnableMask & 0x1) != 0; }
    bool OnUpdateSelectConfFiles() const { return (m_nEnableMask & 0x2) != 0; }
    bool OnUpdateCpuKernelMaskLevel() const { return (m_nEnableMask & 0x4) != 0; }
    bool OnUpdateTask() const { return (m_nEnableMask & 0x8) != 0; }
    bool OnUpdateEventflg() const { return (m_nEnableMask & 0x10) != 0; }
    bool OnUpdateSemaphore() const { return (m_nEnableMask & 0x20) != 0; }
    bool OnUpdateDataQue() const { return (m_nEnableMask & 0x40) != 0; }
    bool OnUpdateSystemTime() const { return (m_nEnableMask & 0x80) != 0; }
    bool OnUpdateCyclicHandler() const { return (m_nEnableMask & 0x100) != 0; }
    bool OnUpdateOutputConfFiles() const { return (m_nEnableMask & 0x200) != 0; }
    // The state of any command the view owns (302 to 311); other ids are enabled.
    bool IsCommandEnabled(int id) const;
    // Writes the mask and brings the command states up to date.
    void SetEnableMask(uint32_t mask);

    // Tree and refresh.
    void RefreshAll();
    void UpdateTree();
    void ClearTree();
    void ResetTreeItemTables();
    void DeleteChildItems(QTreeWidgetItem* item);
    int IsTreeItemExpanded(QTreeWidgetItem* item) const;
    void ExpandTreeItem(int flag, QTreeWidgetItem* item);

    // Layout and drag bars.
    void OnSize(int cx, int cy);
    Qt::CursorShape CursorShapeAt(const QPoint& point) const;
    // The view's outer rectangle in its own coordinates, the sunken edge included.
    QRect OuterRect() const;
    // Furthest right and down the program puts the bars in the view as it now is (a drag goes on to the drag
    // stops): the right side keeps room for the title and the output panel's memory-size line, the output
    // panel for that line and a few lines of log. Where the view is too small even for that, the bars stay
    // at their near limits.
    int MaxBarX() const;
    int MaxBarY() const;
    // Least width of everything right of the vertical bar, and least height of the output panel.
    int MinRightWidth() const { return m_nMinRightWidth; }
    int MinOutputHeight() const { return m_nMinOutputHeight; }
    bool IsDraggingVertical() const { return m_nDragVBar != 0; }
    bool IsDraggingHorizontal() const { return m_nDragHBar != 0; }

    // The child controls, for the panels' placement and for tests.
    QPushButton* VerticalBar() const { return m_btnVBar; }
    QPushButton* HorizontalBar() const { return m_btnHBar; }
    QLabel* HeaderStrip() const { return m_wndHeader; }
    QLabel* Picture() const { return m_wndPicture; }
    QLabel* TitleLabel() const { return m_wndTitle; }
    QTreeWidget* Tree() const { return m_wndTree; }
    QTreeWidgetItem* RootItem() const { return m_hRootItem; }
    QTreeWidgetItem* CategoryItem(int index) const;
    QWidget* SettingPanel(int index) const;  // 0 to 7 in category order
    CCtl_SDlg_Proj* ProjPanel() const { return m_pProj; }
    CCtl_SDlg_systim* SystimPanel() const { return m_pSystim; }
    CCtl_SDlg_output* OutputPanel() const { return m_pOutput; }
    CCtl_SDlg_cychdr* CychdrPanel() const { return m_pCychdr; }

    uint32_t m_nEnableMask;
    QColor m_crRed;
    QColor m_crWhite;

signals:
    // The enable mask changed: the frame updates its menu and tool-bar commands.
    void enableMaskChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnLButtonDown(const QPoint& point);
    void OnMouseMove(const QPoint& point);
    void OnLButtonUp();
    void OnSetCursor(const QPoint& point);
    void OnSelchangedTree();
    // The tree, which marks its own key handling in m_bTreeKeyMove.
    QTreeWidget* NewTree();
    void FocusShownPanel(const QTreeWidgetItem* item);
    void SetUpTreeLines();
    void BuildTree();
    bool IsSummaryItem(const QTreeWidgetItem* item) const;
    void DropSummarySelection();
    void FitTreeColumn();
    void RestoreLayout();
    // Measures what the right side and the output panel need, and gives the view the least size that holds
    // every pane at its minimum.
    void SetPaneMinimums();
    // Moves the two bars to the stored positions, or into reach where those are not; a frame `fitted` to a
    // smaller screen also keeps every pane its room.
    void PlaceStoredBars(int barX, int barY, bool fitted);
    // Where the user left a bar, and the room that leaves the pane beyond it, up to its least size.
    void LeaveBarX(int x);
    void LeaveBarY(int y);
    void SwitchToCategory(int index);
    void KeepSelectionOnCurrentItem();
    void MoveSettingPanels(int x, int y, int width, int height);
    int CategoryIndex(const std::string& text) const;

    // Members in the order the view is built from.
    QPushButton* m_btnHBar = nullptr;
    QPushButton* m_btnVBar = nullptr;
    QTreeWidget* m_wndTree = nullptr;
    QLabel* m_wndHeader = nullptr;
    QLabel* m_wndPicture = nullptr;
    QLabel* m_wndTitle = nullptr;
    CQuorvaneConfiguratorDoc* m_pDocument;

    CCtl_SDlg_Proj* m_pProj = nullptr;
    CCtl_SDlg_Cpu* m_pCpu = nullptr;
    CCtl_SDlg_tsk* m_pTsk = nullptr;
    CCtl_SDlg_event* m_pEvent = nullptr;
    CCtl_SDlg_semaphore* m_pSemaphore = nullptr;
    CCtl_SDlg_datq* m_pDatq = nullptr;
    CCtl_SDlg_systim* m_pSystim = nullptr;
    CCtl_SDlg_cychdr* m_pCychdr = nullptr;
    CCtl_SDlg_output* m_pOutput = nullptr;

    // Tree items: the root and the categories live for the whole run; the summary-line handles only until
    // the next rebuild, where they tell which items were expanded.
    QTreeWidgetItem* m_hRootItem = nullptr;
    QTreeWidgetItem* m_hCategoryItem[kCategoryCount] = {};
    QTreeWidgetItem* m_hConfItem[8] = {};  // input group, output group, three input paths, three outputs
    QTreeWidgetItem* m_hCpuItem[3] = {};
    QTreeWidgetItem* m_hTskItem[127] = {};
    QTreeWidgetItem* m_hFlgUseItem = nullptr;
    QTreeWidgetItem* m_hFlgItem[127] = {};
    QTreeWidgetItem* m_hSemUseItem = nullptr;
    QTreeWidgetItem* m_hSemItem[127] = {};
    QTreeWidgetItem* m_hDtqUseItem = nullptr;
    QTreeWidgetItem* m_hDtqItem[127] = {};
    QTreeWidgetItem* m_hTimItem = nullptr;
    QTreeWidgetItem* m_hCycUseItem = nullptr;
    QTreeWidgetItem* m_hCycItem[127] = {};
    bool m_bTreeRebuilding = false;  // the column is fitted once at the end of a rebuild
    bool m_bTreeKeyMove = false;     // the tree is handling a key

    int m_nMinRightWidth = 0;
    int m_nMinOutputHeight = 0;
    // The bars where the user or the stored layout left them; a smaller view shows them nearer its edges.
    int m_nBarX = 100;
    int m_nBarY = 320;
    int m_nRightRoom = 0;
    int m_nOutputRoom = 0;

    // Drag state.
    int m_nDragVBar = 0;
    int m_nDragHBar = 0;
    Qt::CursorShape m_hCursorArrow = Qt::ArrowCursor;
    Qt::CursorShape m_hCursorWE = Qt::ArrowCursor;
    Qt::CursorShape m_hCursorNS = Qt::ArrowCursor;
};
