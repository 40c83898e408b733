// The about box: icon, version line, notice and the OK button.
#include "app/CAboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui_dialogs.h"
#include "ui_text.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about600"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/app101.png")));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_staticVersion = new QLabel(this);
    m_staticVersion->setObjectName(QStringLiteral("static602"));
    auto* notice = new QLabel(LoadStr("about.notice"), this);
    notice->setObjectName(QStringLiteral("static601"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("button603"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::OnBtnOk);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(m_staticVersion, 0, 1);
    grid->addWidget(notice, 1, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    OnInitDialog();
    qvui::FitWidthToTitle(this);
}

CAboutDlg::~CAboutDlg() = default;

bool CAboutDlg::OnInitDialog()
{
    setWindowTitle(LoadStr(2405));
    m_staticVersion->setText(LoadStr(141));
    return true;
}

void CAboutDlg::OnBtnOk() { done(1); }
