#pragma once

// The dialog host over a dialog built from its template, and the modal run
// of a dialog procedure. Item texts cross here between the procedures'
// Windows-1252 and Qt's Unicode: a character Windows-1252 cannot hold is
// read as "?".

#include <QWidget>

#include "dialogs/dialog_host.h"
#include "platform/dialog_builder.h"

namespace rolvanta {

class QtDialogHost final : public DialogHost {
  public:
    // Message boxes go through messages: the main window's shell, which
    // owns a MessageOwner::Dialog box by the open dialog.
    QtDialogHost(TemplateDialog& dialog, MessageShell& messages)
        : dialog_(dialog), messages_(messages) {}

    std::string itemText(int id, std::size_t maxLength) const override;
    void setItemText(int id, std::string_view text) override;
    std::string typedText(int id) const override;
    void focusItem(int id) override;
    void clearList(int id) override;
    void addListItem(int id, std::string_view text) override;
    void selectListItem(int id, int position) override;
    int listSelection(int id) const override;
    bool isChecked(int id) const override;
    void setTableHeadings(int id, const std::vector<std::string>& rows,
                          const std::vector<std::string>& columns) override;
    std::string cellText(int id, int row, int column) const override;
    void setCellText(int id, int row, int column, std::string_view text) override;
    TableCell currentCell(int id) const override;
    void focusCell(int id, int row, int column) override;
    DialogResult runDialog(const char* resourceName, DialogProcedure& procedure) override;
    std::string chooseFile(FileChoice choice, std::string_view caption,
                           std::string_view fileType) override;
    void endDialog(DialogResult result) override;

    MessageAnswer showMessage(const MessageRequest& request) override {
        return messages_.showMessage(request);
    }

  private:
    TemplateDialog& dialog_;
    MessageShell& messages_;
};

// Builds the dialog from its template, lets the procedure fill it in, and
// hands it every command until the procedure ends the dialog.
DialogResult runTemplateDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                               QWidget* owner, MessageShell& messages);

}  // namespace rolvanta
