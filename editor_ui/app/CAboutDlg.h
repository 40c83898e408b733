// The about box: the version line and the maker's notice.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    QLabel* VersionLabel() const { return m_staticVersion; }

protected:
    bool OnInitDialog();
    void OnBtnOk();

private:
    QLabel* m_staticVersion = nullptr;  // control 602
};
