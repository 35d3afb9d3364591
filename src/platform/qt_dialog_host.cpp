#include "platform/qt_dialog_host.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

namespace rolvanta {

namespace {

QStringList utf8Texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list.append(QString::fromStdString(text));
    return list;
}

}  // namespace

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
    QWidget* item = dialog_.item(id);
    const QSignalBlocker quiet(item);
    if (auto* list = qobject_cast<QListWidget*>(item)) list->clear();
    if (auto* dropDown = qobject_cast<QComboBox*>(item)) dropDown->clear();
}

void QtDialogHost::addListItem(int id, std::string_view text) {
    QWidget* item = dialog_.item(id);
    const QSignalBlocker quiet(item);
    if (auto* list = qobject_cast<QListWidget*>(item)) list->addItem(fromWindows1252(text));
    if (auto* dropDown = qobject_cast<QComboBox*>(item)) dropDown->addItem(fromWindows1252(text));
}

void QtDialogHost::selectListItem(int id, int position) {
    QWidget* item = dialog_.item(id);
    const QSignalBlocker quiet(item);
    if (auto* dropDown = qobject_cast<QComboBox*>(item)) {
        dropDown->setCurrentIndex(position >= 0 && position < dropDown->count() ? position : -1);
    }
    auto* list = qobject_cast<QListWidget*>(item);
    if (!list) return;
    if (position >= 0 && position < list->count()) {
        list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

int QtDialogHost::listSelection(int id) const {
    QWidget* item = dialog_.item(id);
    if (auto* dropDown = qobject_cast<QComboBox*>(item)) return dropDown->currentIndex();
    auto* list = qobject_cast<QListWidget*>(item);
    if (!list) return -1;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool QtDialogHost::isChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(dialog_.item(id));
    return button && button->isChecked();
}

void QtDialogHost::setTableHeadings(int id, const std::vector<std::string>& rows,
                                    const std::vector<std::string>& columns) {
    auto* table = qobject_cast<QTableWidget*>(dialog_.item(id));
    if (!table) return;
    table->clear();
    table->setRowCount(static_cast<int>(rows.size()));
    table->setColumnCount(static_cast<int>(columns.size()));
    table->setVerticalHeaderLabels(utf8Texts(rows));
    table->setHorizontalHeaderLabels(utf8Texts(columns));
    table->resizeColumnsToContents();
}

std::string QtDialogHost::cellText(int id, int row, int column) const {
    auto* table = qobject_cast<QTableWidget*>(dialog_.item(id));
    const QTableWidgetItem* cell = table ? table->item(row, column) : nullptr;
    return cell ? cell->text().toStdString() : std::string();
}

void QtDialogHost::setCellText(int id, int row, int column, std::string_view text) {
    auto* table = qobject_cast<QTableWidget*>(dialog_.item(id));
    if (!table || row < 0 || row >= table->rowCount() || column < 0 ||
        column >= table->columnCount()) {
        return;
    }
    const QString shown = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    if (QTableWidgetItem* cell = table->item(row, column)) {
        cell->setText(shown);
    } else {
        table->setItem(row, column, new QTableWidgetItem(shown));
    }
}

TableCell QtDialogHost::currentCell(int id) const {
    auto* table = qobject_cast<QTableWidget*>(dialog_.item(id));
    if (!table || table->currentRow() < 0 || table->currentColumn() < 0) return {};
    return {table->currentRow(), table->currentColumn()};
}

void QtDialogHost::focusCell(int id, int row, int column) {
    auto* table = qobject_cast<QTableWidget*>(dialog_.item(id));
    if (!table) return;
    table->setCurrentCell(row, column);
    table->scrollTo(table->model()->index(row, column));
    table->setFocus(Qt::OtherFocusReason);
}

DialogResult QtDialogHost::runDialog(const char* resourceName, DialogProcedure& procedure) {
    const DialogTemplate* dialog = findDialogTemplate(resourceName);
    if (dialog == nullptr) return DialogResult::Cancelled;
    return runTemplateDialog(*dialog, procedure, &dialog_, messages_);
}

std::string QtDialogHost::chooseFile(FileChoice choice, std::string_view caption,
                                     std::string_view fileType) {
    const QString title = QString::fromUtf8(caption.data(), static_cast<int>(caption.size()));
    const QString filter = QString::fromUtf8(fileType.data(), static_cast<int>(fileType.size()));
    const QString path = choice == FileChoice::Open
                             ? QFileDialog::getOpenFileName(&dialog_, title, QString(), filter)
                             : QFileDialog::getSaveFileName(&dialog_, title, QString(), filter);
    return path.toStdString();
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
