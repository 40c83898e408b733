// The output panel below the horizontal drag bar: the memory-size line (ROM and RAM, with two hidden
// re-build figures), the message log that the load and the output command write into, and the estimate.
#pragma once

#include "panels/setting_panel.h"
#include <string>

class QFont;

class CQuorvaneConfiguratorView;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class CCtl_SDlg_output : public CSettingPanel {
    Q_OBJECT
public:
    // Gap between the log and the right and bottom edges of the panel.
    static constexpr int kLogMargin = 9;
    // Lines of log the panel shows at its least size.
    static constexpr int kLogLines = 2;

    // The smallest panel, its frame included, that shows the memory-size line whole and kLogLines lines of
    // log in `font`; a smaller one scrolls. Needs no panel, so the view can lay out before it makes them.
    static QSize MinimumPanelSize(const QFont& font);

    explicit CCtl_SDlg_output(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_output() override;


    // Appends one line (the CR LF is added) and scrolls the newest lines into view.
    void AddMessage(std::string text);
    // Empties the log.
    void ClearMessage();
    // Empties the four figure fields.
    void ClearMemorySize();
    // Estimates ROM and RAM of the current configuration and writes the four figures.
    void CalcMemorySize();

    // The log keeps its left and top and ends kLogMargin short of the client area's right and bottom.
    void OnSize(int cx, int cy) override;

    // The log's text with CR LF line ends, as the log holds it.
    std::string GetLogText() const;

    // The controls, for the view's tests.
    QLabel* MemorySizeLabel() const { return m_wndMemSizeLabel; }
    QLabel* RebuildLabel() const { return m_wndRebuildLabel; }
    QLineEdit* RomEdit() const { return m_editRom; }
    QLineEdit* RamEdit() const { return m_editRam; }
    QLineEdit* RebuildRomEdit() const { return m_editRebuildRom; }
    QLineEdit* RebuildRamEdit() const { return m_editRebuildRam; }
    QPlainTextEdit* LogEdit() const { return m_editLog; }

    // Lines appended since the log was last cleared (calls, not line breaks).
    int m_nLineCount = 0;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    // Where the memory-size line lies in the client area, for `font`.
    struct MemoryLine {
        int top, height, labelWidth, figureWidth, ramWidth;
        // Right end of the RAM figure.
        int Right() const { return 4 + labelWidth + 4 + figureWidth + 4 + ramWidth + 4 + figureWidth; }
        int LogTop() const { return top + height + 10; }
    };
    static MemoryLine MeasureMemoryLine(const QFont& font);
    // Height of one line of log in `font`, for the texts of the current language.
    static int LogLineHeight(const QFont& font);
    // The client area's least size: the memory-size line whole and kLogLines lines of log.
    static QSize MinimumClientSize(const QFont& font);
    void OnCtlColor();

    // Members in template order.
    QLabel* m_wndRebuildLabel = nullptr;   // 1081, hidden
    QLabel* m_wndMemSizeLabel = nullptr;   // 1078
    QLineEdit* m_editRebuildRom = nullptr; // 1109, hidden
    QLineEdit* m_editRebuildRam = nullptr; // 1080, hidden
    QLineEdit* m_editRom = nullptr;        // 1107
    QLineEdit* m_editRam = nullptr;        // 1077
    QPlainTextEdit* m_editLog = nullptr;   // 901
};
