#include "addressbook/address_book.h"

namespace natalo {

void AddressBook::Save() {
    // The import clears the flag for exactly one save. A failed save must not leave it
    // cleared, or later saves from the editor would stop rebuilding the list. The index is
    // kept on failure so that a retry still writes over the same record.
    struct RestoreRefresh {
        bool& flag;
        ~RestoreRefresh() { flag = true; }
    } restoreRefresh{RefreshAfterSave};

    const AddressRecord record = DecodeRecord(EncodeRecord(Pending));
    view_.ShowRecordDetails(record);
    dataFile_.WriteRecord(RecordIndex, record);
    ++recordsWritten_;
    dataFile_.ResetOpenFile();
    if (RefreshAfterSave)
        view_.RefreshList();
    RecordIndex = -1;
}

void AddressBook::DeleteRecord(std::size_t index) {
    dataFile_.DeleteRecord(index);
    view_.RefreshList();
}

}  // namespace natalo
