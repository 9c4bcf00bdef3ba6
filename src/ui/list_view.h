// A read-only report list (SysListView32) in virtual mode: the rows live in the program's
// own data, the list asks for each cell's text through a callback. Full-row, single
// selection; optional hot tracking (the row under the resting mouse becomes selected).
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace natalo::ui {

class ListView : public Control {
  public:
    ListView(Window& parent, const Bounds& bounds, bool hotTracking = false);

    // Adds a column `width` layout pixels wide; a width of 0 keeps it present but
    // invisible until widened.
    int AddColumn(const std::string& caption, int width);
    int ColumnCount() const;
    // In device pixels.
    int ColumnWidth(int column) const;
    // Columns keep the share of the list the user gave them.
    void DpiChanged(int oldDpi, int newDpi) override;

    // The number of rows; the list repaints and asks for texts again.
    void SetItemCount(int count);
    int ItemCount() const;
    // The text of a cell: (row, column) -> text.
    void SetTextCallback(std::function<std::string(int row, int column)> callback) {
        textOf_ = std::move(callback);
    }
    // The text the list shows in a cell (asks the callback through the control).
    std::string ItemText(int row, int column) const;
    // Repaints the rows after the data behind them changed.
    void Refresh();

    // The selected row, or -1.
    int SelectedIndex() const;
    // Selects and focuses a row (-1 clears the selection).
    void SetSelectedIndex(int row);

    void OnColumnClick(std::function<void(int column)> handler) {
        onColumnClick_ = std::move(handler);
    }
    // Row -1 when the click hit no row.
    void OnClick(std::function<void(int row)> handler) { onClick_ = std::move(handler); }
    void OnDoubleClick(std::function<void(int row)> handler) {
        onDoubleClick_ = std::move(handler);
    }
    // Typing on the list: the list collects the letters (and starts anew after its usual
    // pause) and asks for the first row, from `start` on and wrapping around, whose text
    // begins with them; -1 for none. The list then selects the row found.
    void OnFindPrefix(std::function<int(const std::string& typed, int start)> handler) {
        onFindPrefix_ = std::move(handler);
    }
    // Right click or the context-menu key: the row (-1: none) and the screen point.
    void OnContextMenu(std::function<void(int row, POINT screenPoint)> handler) {
        onContextMenu_ = std::move(handler);
    }

  protected:
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::function<std::string(int, int)> textOf_;
    std::string cellText_;  // keeps the text handed to the list alive until it copied it
    std::wstring wideCellText_;
    std::function<void(int)> onColumnClick_;
    std::function<void(int)> onClick_;
    std::function<void(int)> onDoubleClick_;
    std::function<void(int, POINT)> onContextMenu_;
    std::function<int(const std::string&, int)> onFindPrefix_;
};

}  // namespace natalo::ui
