#pragma once

// What a dialog procedure sees of its open dialog: the texts of its items,
// its list boxes and drop-downs, check box and table, a dialog opened over
// it, the file dialogs, and the way to end it. Item texts are Windows-1252
// bytes; a table's texts and file paths are UTF-8. The desktop program implements it over a Qt
// dialog built from the template; tests use a scripted fake. Message boxes go through the
// MessageShell side: MessageOwner::Dialog is the open dialog.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/message_shell.h"

namespace rolvanta {

// How a dialog ended.
enum class DialogResult { Cancelled = 0, Accepted = 1 };

class DialogProcedure;

// A cell of a table; -1, -1 for none.
struct TableCell {
    int row = -1;
    int column = -1;
};

enum class FileChoice { Open, Save };

class DialogHost : public MessageShell {
  public:
    // The item's text cut to at most maxLength characters; "" for an unknown id.
    virtual std::string itemText(int id, std::size_t maxLength) const = 0;
    virtual void setItemText(int id, std::string_view text) = 0;
    // The item's whole text as typed, UTF-8: what the input checks read, so
    // that a character Windows-1252 cannot hold is seen, not read as "?".
    virtual std::string typedText(int id) const = 0;
    // Puts the keyboard focus (the text cursor) into the item, its text selected.
    virtual void focusItem(int id) = 0;

    // A list box or a drop-down.
    virtual void clearList(int id) = 0;
    virtual void addListItem(int id, std::string_view text) = 0;
    // position -1 clears the selection.
    virtual void selectListItem(int id, int position) = 0;
    // The selected position; -1 when nothing is selected.
    virtual int listSelection(int id) const = 0;

    virtual bool isChecked(int id) const = 0;

    // The table gets one row per row heading and one column per column
    // heading, every cell empty.
    virtual void setTableHeadings(int id, const std::vector<std::string>& rows,
                                  const std::vector<std::string>& columns) = 0;
    virtual std::string cellText(int id, int row, int column) const = 0;
    virtual void setCellText(int id, int row, int column, std::string_view text) = 0;
    // The cell the keyboard is on.
    virtual TableCell currentCell(int id) const = 0;
    virtual void focusCell(int id, int row, int column) = 0;

    // Opens the dialog of that resource name over this one, run by
    // procedure, and waits until it ends.
    virtual DialogResult runDialog(const char* resourceName, DialogProcedure& procedure) = 0;

    // The open or save dialog for one file type ("ROLVANTA Mill
    // (*.rolmill)"): the path chosen, empty when cancelled. The save dialog
    // asks before replacing a file.
    virtual std::string chooseFile(FileChoice choice, std::string_view caption,
                                   std::string_view fileType) = 0;

    // Closes the dialog once the procedure returns.
    virtual void endDialog(DialogResult result) = 0;
};

// What happened to a control.
enum class Notification {
    Clicked,           // a button was pressed; also Esc and the close box
    DoubleClicked,     // a list entry was double-clicked
    SelectionChanged,  // a list's selection moved
};

// A dialog's behaviour: filled in when it opens, then told of every command.
// Esc and the close box arrive as kDialogCancelCommand (resources/dialog_ids.h).
class DialogProcedure {
  public:
    virtual ~DialogProcedure() = default;

    virtual void initialise(DialogHost& host) = 0;
    virtual void command(DialogHost& host, int id, Notification notification) = 0;
};

}  // namespace rolvanta
