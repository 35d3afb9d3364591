#pragma once

// What a dialog procedure sees of its open dialog: the texts of its items,
// its list box and check box, and the way to end it. Item texts are
// Windows-1252 bytes. The desktop program implements it over a Qt dialog
// built from the template; tests use a scripted fake. Message boxes go
// through the MessageShell side: MessageOwner::Dialog is the open dialog.

#include <cstddef>
#include <string>
#include <string_view>

#include "dialogs/message_shell.h"

namespace rolvanta {

// How a dialog ended.
enum class DialogResult { Cancelled = 0, Accepted = 1 };

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

    virtual void clearList(int id) = 0;
    virtual void addListItem(int id, std::string_view text) = 0;
    // position -1 clears the selection.
    virtual void selectListItem(int id, int position) = 0;
    // The selected position; -1 when nothing is selected.
    virtual int listSelection(int id) const = 0;

    virtual bool isChecked(int id) const = 0;

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
