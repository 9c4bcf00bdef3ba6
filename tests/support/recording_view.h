// The main window as the address book sees it: notes the records it was asked to show and
// the list refreshes, and, when told how, the data file's size at each showing.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "addressbook/address_book.h"

namespace natalo::testing {

class RecordingView : public AddressBookView {
  public:
    explicit RecordingView(std::function<std::size_t()> fileSize = {})
        : fileSize_(std::move(fileSize)) {}
    void ShowRecordDetails(const AddressRecord& record) override {
        shown.push_back(record);
        if (fileSize_)
            sizeWhenShown = fileSize_();
    }
    void RefreshList() override { ++refreshes; }

    std::vector<AddressRecord> shown;
    std::size_t sizeWhenShown = 0;  // at the latest showing
    int refreshes = 0;

  private:
    std::function<std::size_t()> fileSize_;
};

}  // namespace natalo::testing
