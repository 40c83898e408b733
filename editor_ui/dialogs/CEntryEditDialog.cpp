// The base of the object edit dialogs: caption and labels from the string table, the read-only ID field,
// OK and Cancel, and the modal result.
#include "dialogs/CEntryEditDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

#include "panels/panel_common.h"
#include "text.h"
#include "ui_dialogs.h"
#include "ui_text.h"

namespace qvui {

QString ControlName(int id) { return QStringLiteral("ctl%1").arg(id); }
void SetControlId(QWidget* control, int id) { control->setObjectName(ControlName(id)); }

}  // namespace qvui

CEntryEditDialog::CEntryEditDialog(QWidget* parent, int id, const Ids& ids)
    : QDialog(parent), m_nId(id), m_ids(ids)
{
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(AddLabel(ids.idLabel, 3001));
    m_editId = new QLineEdit(this);
    qvui::SetControlId(m_editId, ids.idEdit);
    m_editId->setReadOnly(true);
    m_editId->setFocusPolicy(Qt::NoFocus);
    idRow->addWidget(m_editId);
    outer->addLayout(idRow);
    m_layBody = new QVBoxLayout;
    outer->addLayout(m_layBody);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    qvui::SetControlId(m_btnOk, 1);
    m_btnOk->setDefault(true);
    m_btnCancel = new QPushButton(this);
    qvui::SetControlId(m_btnCancel, 2);
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    outer->addLayout(buttons);
    connect(m_btnOk, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_btnCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

CEntryEditDialog::~CEntryEditDialog() = default;

namespace {

// The width at which a line edit shows its whole text with the cursor after it: Qt keeps 2 pixels clear on
// either side of the text inside the frame and the text margins.
int WholeTextWidth(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const int frame = option.rect.width() - edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width();
    const QMargins margins = edit->textMargins();
    return edit->fontMetrics().horizontalAdvance(edit->text()) + 1 + 2 * 2 + frame + margins.left() + margins.right();
}

}  // namespace

int CEntryEditDialog::DoModal()
{
    m_nResult = -1;
    OnInitDialog();
    // Every field opens showing its whole text (a longer type name in Japanese, a long function name), up
    // to half the screen's width; beyond that the field scrolls.
    const int widest = screen() != nullptr ? screen()->availableGeometry().width() / 2 : 640;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        const int whole = std::min(WholeTextWidth(edit), widest);
        if (whole > edit->sizeHint().width()) edit->setMinimumWidth(whole);
    }
    // A short caption in a narrow dialog would lose its middle beside the window manager's buttons.
    qvui::FitWidthToTitle(this);
    const auto first = std::find_if(m_tabOrder.begin(), m_tabOrder.end(),
                                    [](QWidget* w) { return w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0; });
    if (first != m_tabOrder.end()) (*first)->setFocus(Qt::OtherFocusReason);
    exec();
    return m_nResult;
}

bool CEntryEditDialog::OnInitDialog()
{
    setWindowTitle(LoadStr(m_ids.captionText));
    for (const auto& [control, textId] : m_texts) {
        if (auto* label = qobject_cast<QLabel*>(control)) label->setText(LoadStr(textId));
        else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(LoadStr(textId));
        else if (auto* group = qobject_cast<QGroupBox*>(control)) group->setTitle(LoadStr(textId));
    }
    m_btnCancel->setText(LoadStr(312));
    m_editId->setText(qvui::ToQ(mbtext::Format("%d", {m_nId})));
    return true;
}

void CEntryEditDialog::OnCancel() { EndDialog(-1); }

void CEntryEditDialog::EndDialog(int result)
{
    m_nResult = result;
    done(result == 0 ? QDialog::Accepted : QDialog::Rejected);
}

QLabel* CEntryEditDialog::AddLabel(int controlId, int textId)
{
    auto* label = new QLabel(this);
    SetTextId(label, controlId, textId);
    return label;
}

void CEntryEditDialog::SetTextId(QWidget* control, int controlId, int textId)
{
    qvui::SetControlId(control, controlId);
    m_texts.emplace_back(control, textId);
}

void CEntryEditDialog::CheckPair(QAbstractButton* on, QAbstractButton* off)
{
    on->setChecked(true);
    off->setChecked(false);
}

void CEntryEditDialog::SetTabOrder(const QList<QWidget*>& controls)
{
    m_tabOrder = controls + QList<QWidget*>{m_btnOk, m_btnCancel};
    qvui::ChainTabOrder(m_tabOrder);
}

namespace {

// A radio pair is one Tab stop: its checked button, or its first while neither is checked.
void KeepTabStopOnChoice(QAbstractButton* first, QAbstractButton* second)
{
    const bool onSecond = second->isChecked() && !first->isChecked();
    first->setFocusPolicy(onSecond ? Qt::ClickFocus : Qt::StrongFocus);
    second->setFocusPolicy(onSecond ? Qt::StrongFocus : Qt::ClickFocus);
}

bool IsArrowKey(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

}  // namespace

void CEntryEditDialog::AddRadioPair(QAbstractButton* first, QAbstractButton* second)
{
    m_radioPairs.emplace_back(first, second);
    for (QAbstractButton* button : {first, second}) {
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, [first, second] { KeepTabStopOnChoice(first, second); });
    }
    KeepTabStopOnChoice(first, second);
}

// An arrow key on a button of a pair moves the focus to its partner and clicks it: with two buttons in a
// group, the next and the previous one are both the partner.
bool CEntryEditDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (IsArrowKey(key->key()) && (key->modifiers() & chords) == 0) {
            for (const auto& [first, second] : m_radioPairs) {
                if (watched != first && watched != second) continue;
                QAbstractButton* partner = watched == first ? second : first;
                if (partner->isEnabled() && partner->isVisible()) {
                    partner->setFocus(Qt::OtherFocusReason);
                    partner->click();
                }
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CEntryEditDialog::accept() { OnOK(); }

void CEntryEditDialog::reject() { OnCancel(); }
