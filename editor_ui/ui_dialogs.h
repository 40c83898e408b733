// The thin layer in front of every platform dialog: message boxes, the folder browser and the open-file
// dialog. Tests queue the answers in advance and read back what was asked.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace qvui {

// Buttons and results with the values the rest of the editor was written against.
enum : unsigned { MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4 };
enum : unsigned { MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40 };
enum : unsigned { MB_DEFBUTTON2 = 0x100 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows a modal message box with `text` (never a template) and returns the button chosen.
int MessageBox(const QString& text, unsigned type = MB_OK);
// Modal folder browser; returns the chosen folder, or an empty string when cancelled.
QString BrowseForFolder(QWidget* parent, const QString& title, const QString& startFolder);
// Modal open-file dialog. `filter` is in the form "C source(*.c)|*.c|All(*.*)|*.*||"; the chosen file must
// exist; `defaultSuffix` is added to a name typed without one. Returns the path, or empty when cancelled.
QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                        const QString& initialPath);

// Converts a filter of the form above into Qt's list of name filters.
QStringList ConvertFilter(const QString& filter);

// What a dialog was asked, in the order asked.
struct AskedDialog {
    enum Kind { kMessage, kFolder, kOpenFile } kind;
    QString text;   // message text, browser title, or file filter
    unsigned type;  // message-box type; 0 for the others
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
