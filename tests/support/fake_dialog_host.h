#pragma once

// A dialog host without a window: items are texts in a map, a list box or
// drop-down is a vector, a table is rows of texts, every message box is
// recorded and answered from a script (OK when the script is empty), and so
// are the file dialogs (cancelled when empty) and a dialog opened over this
// one (subDialog acts in it; cancelled unless it ends it). Tests type into
// items, click, and read what the procedure left behind.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogs/dialog_host.h"
#include "engine/windows1252.h"

namespace rolvanta::testing {

class FakeDialogHost : public DialogHost {
  public:
    std::map<int, std::string> items;
    int focused = 0;  // 0: the procedure put the focus nowhere
    std::map<int, std::vector<std::string>> lists;
    std::map<int, int> selections;
    std::map<int, bool> checks;
    std::vector<MessageRequest> messages;
    std::deque<MessageAnswer> answers;
    std::map<int, std::vector<std::vector<std::string>>> tables;
    std::map<int, std::vector<std::string>> rowHeadings;
    std::map<int, TableCell> cells;  // the current cell of each table
    std::deque<std::string> chosenFiles;
    std::function<void(FakeDialogHost&, DialogProcedure&)> subDialog;
    std::vector<std::string> subDialogsRun;
    bool ended = false;
    DialogResult result = DialogResult::Cancelled;

    template <typename Map, typename Value = typename Map::mapped_type>
    static Value at(const Map& map, int id, Value otherwise = {}) {
        const auto found = map.find(id);
        return found == map.end() ? otherwise : found->second;
    }

    std::string itemText(int id, std::size_t maxLength) const override {
        return at(items, id).substr(0, maxLength);
    }
    void setItemText(int id, std::string_view text) override { items[id] = std::string(text); }
    std::string typedText(int id) const override { return utf8FromWindows1252(at(items, id)); }
    void focusItem(int id) override { focused = id; }

    void clearList(int id) override {
        lists[id].clear();
        selections[id] = -1;
    }
    void addListItem(int id, std::string_view text) override { lists[id].emplace_back(text); }
    void selectListItem(int id, int position) override {
        selections[id] = position >= 0 && position < int(lists[id].size()) ? position : -1;
    }
    int listSelection(int id) const override { return at(selections, id, -1); }
    bool isChecked(int id) const override { return at(checks, id); }

    void setTableHeadings(int id, const std::vector<std::string>& rows,
                          const std::vector<std::string>& columns) override {
        rowHeadings[id] = rows;
        tables[id].assign(rows.size(), std::vector<std::string>(columns.size()));
        cells[id] = {};
    }
    std::string cellText(int id, int row, int column) const override {
        const std::vector<std::vector<std::string>> rows = at(tables, id);
        if (row < 0 || row >= int(rows.size())) return {};
        const std::vector<std::string>& texts = rows[std::size_t(row)];
        return column >= 0 && column < int(texts.size()) ? texts[std::size_t(column)] : "";
    }
    void setCellText(int id, int row, int column, std::string_view text) override {
        tables.at(id).at(std::size_t(row)).at(std::size_t(column)) = text;
    }
    TableCell currentCell(int id) const override { return at(cells, id); }
    void focusCell(int id, int row, int column) override {
        cells[id] = {row, column};
        focused = id;
    }

    DialogResult runDialog(const char* resourceName, DialogProcedure& procedure) override {
        subDialogsRun.emplace_back(resourceName);
        FakeDialogHost sub;
        procedure.initialise(sub);
        if (subDialog) subDialog(sub, procedure);
        messages.insert(messages.end(), sub.messages.begin(), sub.messages.end());
        return sub.ended ? sub.result : DialogResult::Cancelled;
    }
    std::string chooseFile(FileChoice, std::string_view, std::string_view) override {
        return next(chosenFiles, std::string());
    }
    void endDialog(DialogResult how) override {
        ended = true;
        result = how;
    }
    MessageAnswer showMessage(const MessageRequest& request) override {
        messages.push_back(request);
        return next(answers, MessageAnswer::Ok);
    }

    // What the procedure receives when the user presses a button.
    void click(DialogProcedure& procedure, int id) {
        procedure.command(*this, id, Notification::Clicked);
    }
    void doubleClickList(DialogProcedure& procedure, int id, int position) {
        selectListItem(id, position);
        procedure.command(*this, id, Notification::DoubleClicked);
    }

  private:
    template <typename Value>
    static Value next(std::deque<Value>& script, Value otherwise) {
        if (script.empty()) return otherwise;
        const Value value = script.front();
        script.pop_front();
        return value;
    }
};

}  // namespace rolvanta::testing
