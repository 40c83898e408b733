// The output panel: the memory-size line with its hidden re-build figures, the message log with its
// appending and clearing, the log stretching with the panel, the estimate written into the fields.
#include "panels/CCtl_SDlg_output.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "doc.h"
#include "memory_size.h"
#include "panels/panel_common.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeFigure(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// The log shows one line per CR LF; the widget itself keeps plain line breaks.
QString ToLogWidget(const std::string& text)
{
    QString shown = qvui::ToQ(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

}  // namespace

CCtl_SDlg_output::CCtl_SDlg_output(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_output::~CCtl_SDlg_output() = default;

void CCtl_SDlg_output::CreateControls()
{
    setObjectName(QStringLiteral("panel1801"));
    QWidget* client = Client();
    m_wndRebuildLabel = MakeLabel(client, QString(), "label1081");
    m_wndMemSizeLabel = MakeLabel(client, QString(), "label1078");
    m_editRebuildRom = MakeFigure(client, "edit1109");
    m_editRebuildRam = MakeFigure(client, "edit1080");
    m_editRom = MakeFigure(client, "edit1107");
    m_editRam = MakeFigure(client, "edit1077");
    QLabel* ramLabel = MakeLabel(client, QStringLiteral("RAM="), "label1076");
    QLabel* rebuildRamLabel = MakeLabel(client, QStringLiteral("RAM="), "label1079");
    QLabel* closing = MakeLabel(client, QStringLiteral(")"), "label1082");
    closing->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_editLog = new QPlainTextEdit(client);
    m_editLog->setObjectName(QStringLiteral("edit901"));
    m_editLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editLog->setTabChangesFocus(true);

    // The re-build figures are kept up to date but never shown.
    for (QWidget* hidden : std::initializer_list<QWidget*>{m_wndRebuildLabel, m_editRebuildRom, rebuildRamLabel,
                                                          m_editRebuildRam, closing}) {
        hidden->hide();
    }

    // One line "Memory Size : ROM=" [ROM] "RAM=" [RAM] above the log, sized for the texts in either language
    // and as high as its edits and labels need.
    const MemoryLine line = MeasureMemoryLine(font());
    const int top = line.top;
    const int height = line.height;
    const int labelWidth = line.labelWidth;
    const int figureWidth = line.figureWidth;
    int x = 4;
    m_wndMemSizeLabel->setGeometry(x, top, labelWidth, height);
    x += labelWidth + 4;
    m_editRom->setGeometry(x, top, figureWidth, height);
    x += figureWidth + 4;
    ramLabel->setGeometry(x, top, line.ramWidth, height);
    x += line.ramWidth + 4;
    m_editRam->setGeometry(x, top, figureWidth, height);
    x += figureWidth + 12;
    m_wndRebuildLabel->setGeometry(x, top, labelWidth, height);
    m_editRebuildRom->setGeometry(x + labelWidth + 4, top, figureWidth, height);
    rebuildRamLabel->setGeometry(x, top + height + 2, labelWidth, height);
    m_editRebuildRam->setGeometry(x + labelWidth + 4, top + height + 2, figureWidth, height);
    closing->setGeometry(x + labelWidth + figureWidth + 8, top, 10, height);

    m_editLog->move(12, line.LogTop());
    // The log takes what the panel leaves below the memory-size line, so that a panel with room for the line
    // and a few lines of log shows no scroll bar beside the log's own. Below that the panel scrolls: the
    // line stays whole and the log keeps its few lines, both within reach.
    SetClientMinimumSize(MinimumClientSize(font()));
    SetTabOrder({m_editRom, m_editRam, m_editLog});
}

CCtl_SDlg_output::MemoryLine CCtl_SDlg_output::MeasureMemoryLine(const QFont& font)
{
    const QFontMetrics metrics(font);
    QLineEdit edit;
    edit.setFont(font);
    QLabel label;
    label.setFont(font);
    MemoryLine line;
    line.top = 6;
    line.height = std::max({20, edit.sizeHint().height(), label.sizeHint().height()});
    line.figureWidth = metrics.horizontalAdvance(QStringLiteral("0000000")) + 12;
    line.labelWidth = std::max(metrics.horizontalAdvance(LoadStr(3402)), metrics.horizontalAdvance(LoadStr(3403))) + 6;
    line.ramWidth = metrics.horizontalAdvance(QStringLiteral("RAM=")) + 6;
    return line;
}

int CCtl_SDlg_output::LogLineHeight(const QFont& font)
{
    // A Japanese line takes its glyphs from a fallback font whose lines are taller than the log font's own;
    // the log lays its lines out as this does.
    QTextLayout layout(LoadStr(5002), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    return std::max(QFontMetrics(font).lineSpacing(), static_cast<int>(std::ceil(line.height())));
}

QSize CCtl_SDlg_output::MinimumClientSize(const QFont& font)
{
    const MemoryLine line = MeasureMemoryLine(font);
    // The log as it is made: its frame, its document's margins and its horizontal scroll bar around the lines,
    // and the pixel to spare without which it counts the last line as not shown and scrolls past it.
    QPlainTextEdit log;
    log.setFont(font);
    const int logHeight = kLogLines * LogLineHeight(font) + 2 * log.frameWidth() +
                          2 * static_cast<int>(log.document()->documentMargin()) + 1 +
                          log.horizontalScrollBar()->sizeHint().height();
    return QSize(line.Right() + 4, line.LogTop() + logHeight + kLogMargin);
}

QSize CCtl_SDlg_output::MinimumPanelSize(const QFont& font)
{
    QFrame frame;
    qvui::SetPanelFrame(&frame);
    return MinimumClientSize(font) + QSize(2 * frame.frameWidth(), 2 * frame.frameWidth());
}

bool CCtl_SDlg_output::OnInitDialog()
{
    ClearMessage();
    m_wndMemSizeLabel->setText(LoadStr(3402));
    m_wndRebuildLabel->setText(LoadStr(3403));
    OnCtlColor();
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
    OnSize(Client()->width(), Client()->height());
    return true;
}

// The ROM, RAM and log fields are drawn on the view's white; nothing else is coloured.
void CCtl_SDlg_output::OnCtlColor()
{
    const QColor white = m_pView != nullptr ? m_pView->m_crWhite : QColor(255, 255, 255);
    for (QWidget* field : std::initializer_list<QWidget*>{m_editRom, m_editRam, m_editLog}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, white);
        field->setPalette(palette);
        field->setAutoFillBackground(true);
    }
}

void CCtl_SDlg_output::OnSize(int cx, int cy)
{
    if (m_editLog == nullptr) return;
    // Left and top stay; right and bottom follow the panel.
    const QPoint topLeft = m_editLog->pos();
    m_editLog->setGeometry(topLeft.x(), topLeft.y(), std::max(0, cx - topLeft.x() - kLogMargin),
                           std::max(0, cy - topLeft.y() - kLogMargin));
}

std::string CCtl_SDlg_output::GetLogText() const
{
    if (m_editLog == nullptr) return std::string();
    const std::string plain = qvui::FromQ(m_editLog->toPlainText());
    std::string text;
    text.reserve(plain.size() + plain.size() / 16);
    for (const char c : plain) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

void CCtl_SDlg_output::AddMessage(std::string text)
{
    if (m_editLog == nullptr) return;
    ++m_nLineCount;
    // The whole text is rewritten, so whatever the user typed into the log stays before the new line.
    m_editLog->setPlainText(ToLogWidget(GetLogText() + text + "\r\n"));
    QScrollBar* bar = m_editLog->verticalScrollBar();
    bar->setValue(std::min(m_nLineCount, bar->maximum()));
}

void CCtl_SDlg_output::ClearMessage()
{
    if (m_editLog != nullptr) m_editLog->setPlainText(QString());
    m_nLineCount = 0;
}

void CCtl_SDlg_output::ClearMemorySize()
{
    for (QLineEdit* field : {m_editRom, m_editRam, m_editRebuildRom, m_editRebuildRam}) {
        if (field != nullptr) field->clear();
    }
}

void CCtl_SDlg_output::CalcMemorySize()
{
    if (m_pView == nullptr || m_pView->GetDocument() == nullptr || m_editRom == nullptr) return;
    const memsize::MemorySizeTexts texts =
        memsize::FormatMemorySize(memsize::EstimateMemorySize(m_pView->GetDocument()->GetConfInfo()));
    m_editRom->setText(QString::fromStdString(texts.rom));
    m_editRam->setText(QString::fromStdString(texts.ram));
    m_editRebuildRom->setText(QString::fromStdString(texts.rebuildRom));
    m_editRebuildRam->setText(QString::fromStdString(texts.rebuildRam));
}
