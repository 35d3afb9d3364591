#include "platform/qt_dialog_host.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace rolvanta {

namespace {}  // namespace

std::string QtDialogHost::itemText(int id, std::size_t maxLength) const {
    QString text;
    QWidget* item = dialog_.item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) {
        text = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(item)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        text = button->text();
    } else if (auto* frame = qobject_cast<QGroupBox*>(item)) {
        text = frame->title();
    }
    // Cut after the conversion: one character is one Windows-1252 byte.
    std::string bytes = toWindows1252(text);
    if (bytes.size() > maxLength) bytes.resize(maxLength);
    return bytes;
}

void QtDialogHost::setItemText(int id, std::string_view text) {
    QWidget* item = dialog_.item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) {
        edit->setText(fromWindows1252(text));
        edit->setCursorPosition(0);  // show the start of a text longer than the field
    } else if (auto* label = qobject_cast<QLabel*>(item)) {
        label->setText(fromWindows1252(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        button->setText(fromWindows1252(text));
    } else if (auto* frame = qobject_cast<QGroupBox*>(item)) {
        frame->setTitle(fromWindows1252(text));
    }
}

std::string QtDialogHost::typedText(int id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(dialog_.item(id))) return edit->text().toStdString();
    return utf8FromWindows1252(itemText(id, std::string::npos));
}

void QtDialogHost::focusItem(int id) {
    QWidget* item = dialog_.item(id);
    if (item == nullptr) return;
    item->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) edit->selectAll();
}

// A procedure's own changes to the list are not the user's: no notification.
void QtDialogHost::clearList(int id) {
    if (auto* list = qobject_cast<QListWidget*>(dialog_.item(id))) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

void QtDialogHost::addListItem(int id, std::string_view text) {
    if (auto* list = qobject_cast<QListWidget*>(dialog_.item(id))) {
        const QSignalBlocker quiet(list);
        list->addItem(fromWindows1252(text));
    }
}

void QtDialogHost::selectListItem(int id, int position) {
    auto* list = qobject_cast<QListWidget*>(dialog_.item(id));
    if (!list) return;
    const QSignalBlocker quiet(list);
    if (position >= 0 && position < list->count()) {
        list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

int QtDialogHost::listSelection(int id) const {
    auto* list = qobject_cast<QListWidget*>(dialog_.item(id));
    if (!list) return -1;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool QtDialogHost::isChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(dialog_.item(id));
    return button && button->isChecked();
}

void QtDialogHost::endDialog(DialogResult result) {
    dialog_.done(result == DialogResult::Accepted ? QDialog::Accepted : QDialog::Rejected);
}

DialogResult runTemplateDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                               QWidget* owner, MessageShell& messages) {
    TemplateDialog window(dialog, owner);
    QtDialogHost host(window, messages);
    QObject::connect(
        &window, &TemplateDialog::commandIssued, &window,
        [&](int id, Notification notification) { procedure.command(host, id, notification); });
    procedure.initialise(host);
    return window.exec() == QDialog::Accepted ? DialogResult::Accepted : DialogResult::Cancelled;
}

}  // namespace rolvanta
