// Message boxes, folder browser and open-file dialog on Qt, with the answers tests queue in advance.
#include "ui_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <algorithm>
#include <deque>

#include "ui_text.h"

namespace qvui {
namespace {

std::deque<int> g_answers;
std::deque<QString> g_folders;
std::deque<QString> g_files;
std::vector<AskedDialog> g_asked;
bool g_automatic = false;

int DefaultAnswer(unsigned type)
{
    const unsigned buttons = type & 0xF;
    const bool second = (type & MB_DEFBUTTON2) != 0;
    switch (buttons) {
    case MB_OKCANCEL: return second ? IDCANCEL : IDOK;
    case MB_YESNOCANCEL:
    case MB_YESNO: return second ? IDNO : IDYES;
    default: return IDOK;
    }
}

// The window a dialog belongs to: the caller's, else the modal dialog running or the active window.
QWidget* OwnerWindow(QWidget* owner)
{
    if (owner == nullptr) owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = QApplication::activeWindow();
    return owner != nullptr ? owner->window() : nullptr;
}

}  // namespace

int TitleBarAllowance(const QFont& font) { return 8 * QFontMetrics(font).height(); }

int WholeTitleWidth(const QWidget* window)
{
    QFont bold = window->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + TitleBarAllowance(window->font());
}

void FitWidthToTitle(QWidget* dialog)
{
    const int width = std::max(WholeTitleWidth(dialog), dialog->minimumSizeHint().width());
    if (width > dialog->minimumWidth()) dialog->setMinimumWidth(width);
}

int MessageBox(QWidget* owner, const QString& text, unsigned type)
{
    owner = OwnerWindow(owner);
    g_asked.push_back({AskedDialog::kMessage, text, type, owner});
    if (!g_answers.empty()) {
        const int answer = g_answers.front();
        g_answers.pop_front();
        return answer;
    }
    if (g_automatic) return DefaultAnswer(type);

    QMessageBox box(owner);
    box.setWindowTitle(LoadStr(141));
    // The box sizes itself to its text when it shows, a short text narrower than the title; a strut as wide
    // as the whole title (less the box's margins) keeps it from that.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int strut = WholeTitleWidth(&box) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(strut, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.setText(text);
    switch (type & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    QMessageBox::StandardButtons buttons;
    switch (type & 0xF) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNOCANCEL: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    default: buttons = QMessageBox::Ok; break;
    }
    box.setStandardButtons(buttons);
    const int def = DefaultAnswer(type);
    box.setDefaultButton(def == IDCANCEL ? QMessageBox::Cancel
                         : def == IDNO   ? QMessageBox::No
                         : def == IDYES  ? QMessageBox::Yes
                                         : QMessageBox::Ok);
    box.exec();
    const QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
    switch (chosen) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default:
        // Closed by Esc or the close box: Cancel where there is one, else the only answer left.
        if ((type & 0xF) == MB_OK) return IDOK;
        if ((type & 0xF) == MB_YESNO) return IDNO;
        return IDCANCEL;
    }
}

QString BrowseForFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    parent = OwnerWindow(parent);
    g_asked.push_back({AskedDialog::kFolder, title, 0, parent});
    if (!g_folders.empty()) {
        const QString answer = g_folders.front();
        g_folders.pop_front();
        return answer;
    }
    if (g_automatic) return QString();
    return QFileDialog::getExistingDirectory(parent, title, startFolder, QFileDialog::ShowDirsOnly);
}

QStringList ConvertFilter(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i];
        if (name.isEmpty()) break;  // the closing "||"
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the last parentheses; keep a name that already shows them as it is.
        if (name.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')) ||
            name.endsWith(QLatin1String(" (") + patterns + QLatin1Char(')'))) {
            result << name;
        } else {
            result << name + QLatin1String(" (") + patterns + QLatin1Char(')');
        }
    }
    return result;
}

QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                        const QString& initialPath)
{
    parent = OwnerWindow(parent);
    g_asked.push_back({AskedDialog::kOpenFile, filter, 0, parent});
    if (!g_files.empty()) {
        const QString answer = g_files.front();
        g_files.pop_front();
        return answer;
    }
    if (g_automatic) return QString();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(ConvertFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (!initialPath.isEmpty()) dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

void SetNextAnswer(int button) { g_answers.push_back(button); }
void SetNextFolder(const QString& folder) { g_folders.push_back(folder); }
void SetNextFileName(const QString& path) { g_files.push_back(path); }
void SetAutomaticAnswers(bool on) { g_automatic = on; }
const std::vector<AskedDialog>& AskedDialogs() { return g_asked; }

void ClearAskedDialogs()
{
    g_asked.clear();
    g_answers.clear();
    g_folders.clear();
    g_files.clear();
}

}  // namespace qvui
