// The thin layer in front of every platform dialog: message boxes, the folder browser and the open-file
// dialog. Tests queue the answers in advance and read back what was asked.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QFont;
class QWidget;

namespace qvui {

// Buttons and results with the values the rest of the editor was written against.
enum : unsigned { MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4 };
enum : unsigned { MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40 };
enum : unsigned { MB_DEFBUTTON2 = 0x100 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows a modal message box with `text` (never a template) and returns the button chosen. The box belongs
// to `owner`'s window, the one it is about (the main window, or the dialog that raised it): it opens over
// that window whichever window is active at the moment, as after a dialog that has just closed.
int MessageBox(QWidget* owner, const QString& text, unsigned type = MB_OK);
// Modal folder browser; returns the chosen folder, or an empty string when cancelled.
QString BrowseForFolder(QWidget* parent, const QString& title, const QString& startFolder);
// Modal open-file dialog. `filter` is in the form "C source(*.c)|*.c|All(*.*)|*.*||"; the chosen file must
// exist; `defaultSuffix` is added to a name typed without one. Returns the path, or empty when cancelled.
QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                        const QString& initialPath);

// Converts a filter of the form above into Qt's list of name filters.
QStringList ConvertFilter(const QString& filter);

// The room a window manager's title bar takes beside the title: the window's icon, its buttons and their
// paddings. Under openbox's default theme a title is whole at 89 to 101 pixels more than its width in the
// bold face of the 9-point default font (up to 125 in the Japanese default font, whose Latin letters are
// narrower than openbox's); eight lines of the font (112 and 136 pixels there) keep a margin and grow with
// the font.
int TitleBarAllowance(const QFont& font);
// The least width at which a window shows its whole title: the title in the bold face of the window's font
// (window managers draw titles bold) and the allowance.
int WholeTitleWidth(const QWidget* window);
// Keeps a dialog at least that wide, and as wide as its contents need.
void FitWidthToTitle(QWidget* dialog);

// What a dialog was asked, in the order asked.
struct AskedDialog {
    enum Kind { kMessage, kFolder, kOpenFile } kind;
    QString text;          // message text, browser title, or file filter
    unsigned type;         // message-box type; 0 for the others
    const QWidget* owner;  // the window it belongs to (to compare with; it may be gone by now)
};

// Test hooks. Queued answers are used first come, first served; while answering is automatic, a dialog
// without a queued answer takes its default (OK, Yes, or the cancelled result for the file dialogs) instead
// of opening a real window.
void SetNextAnswer(int button);
void SetNextFolder(const QString& folder);  // an empty folder answers "cancelled"
void SetNextFileName(const QString& path);  // an empty path answers "cancelled"
void SetAutomaticAnswers(bool on);
const std::vector<AskedDialog>& AskedDialogs();
void ClearAskedDialogs();  // also drops queued answers

}  // namespace qvui
