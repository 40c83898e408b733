// The base of the five object edit dialogs (task, event flag, semaphore, data queue, cyclic handler).
//
// What it gives every dialog, so that a kind only adds its controls and its values:
// - DoModal(): runs OnInitDialog(), then the modal loop; returns 0 after OK and -1 after Cancel, Esc or the
//   close box. The panel reads the values with the dialog's getters after DoModal() and then deletes it.
// - OnInitDialog(): caption, every label registered with AddLabel()/SetTextId(), the Cancel button's text
//   (string 312; the OK button keeps "OK") and the read-only ID field (decimal id). A kind overrides it,
//   calls the base first, then sets its own controls from the constructor's values.
// - OnOK(): Enter or the OK button. A kind overrides it: it validates (message box through the thin
//   layer, then return with the dialog still open), copies the controls into its fields and calls
//   EndDialog(0).
// - OnCancel(): Cancel, Esc and the close box all end here; one body for all kinds: EndDialog(-1), nothing
//   is stored.
// - SetTabOrder(): the kind's controls in reading order; Tab then reaches OK and Cancel last, and the dialog
//   opens with the focus on the first of them that Tab stops at.
// - CheckPair(): the handler body of a radio-button pair (checks one, unchecks its partner).
// - AddRadioPair(): makes two radio buttons one group: one Tab stop, at its checked button; an arrow key
//   moves the choice to the partner by clicking it, so the pair's click handlers run as for a click.
// Controls carry the object name "ctl<id>" of their designed control id, so tests can find them.
#pragma once

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace qvui {
// Names a control after its designed id ("ctl<id>").
void SetControlId(QWidget* control, int id);
QString ControlName(int id);
}  // namespace qvui

class CEntryEditDialog : public QDialog {
    Q_OBJECT
public:
    // The designed ids of a dialog's caption text and of its ID label and read-only ID field.
    struct Ids {
        int captionText;
        int idLabel;
        int idEdit;
    };

    ~CEntryEditDialog() override;

    // Runs the dialog modally: 0 after OK, -1 after Cancel, Esc or the close box.
    int DoModal();
    int GetId() const { return m_nId; }

    QLineEdit* IdEdit() const { return m_editId; }
    QPushButton* OkButton() const { return m_btnOk; }
    QPushButton* CancelButton() const { return m_btnCancel; }

public slots:
    // The framework's ends of the modal loop: OK and Enter reach OnOK, Esc and the close box OnCancel.
    void accept() override;
    void reject() override;

protected:
    // Builds the ID row and the OK and Cancel buttons; the kind adds its controls to Body() in its own
    // constructor, between the two.
    CEntryEditDialog(QWidget* parent, int id, const Ids& ids);

    virtual bool OnInitDialog();
    virtual void OnOK() { EndDialog(0); }
    void OnCancel();
    void EndDialog(int result);

    // The layout the kind's controls go into, below the ID row.
    QVBoxLayout* Body() const { return m_layBody; }
    // A label whose text OnInitDialog() takes from the string table.
    QLabel* AddLabel(int controlId, int textId);
    // Any other control (button, group box) whose text OnInitDialog() takes from the string table.
    void SetTextId(QWidget* control, int controlId, int textId);
    // One button of a radio pair: checks `on`, unchecks `off`. The pair's buttons are not auto-exclusive,
    // so only these handlers decide their states, as the designed dialogs do.
    static void CheckPair(QAbstractButton* on, QAbstractButton* off);
    // Tab runs through `controls` in this order, then OK and Cancel.
    void SetTabOrder(const QList<QWidget*>& controls);
    // The two buttons of a radio pair, `first` starting the group.
    void AddRadioPair(QAbstractButton* first, QAbstractButton* second);
    bool eventFilter(QObject* watched, QEvent* event) override;

    const int m_nId;

private:
    Ids m_ids;
    int m_nResult = -1;
    std::vector<std::pair<QWidget*, int>> m_texts;  // control, string id
    QList<QWidget*> m_tabOrder;
    std::vector<std::pair<QAbstractButton*, QAbstractButton*>> m_radioPairs;
    QLineEdit* m_editId = nullptr;
    QVBoxLayout* m_layBody = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
};
