// The address book's staging values and its one writer: the pending address that the
// editor and the import fill, the index the next save overwrites, and the flag that lets
// a save rebuild the address list.
#pragma once

#include "addressbook/address_record.h"
#include "addressbook/data_file.h"

namespace natalo {

// What the main window does around a save or a deletion.
class AddressBookView {
  public:
    virtual ~AddressBookView() = default;
    virtual void ShowRecordDetails(const AddressRecord& record) = 0;
    virtual void RefreshList() = 0;
};

class AddressBook {
  public:
    AddressBook(DataFile& dataFile, AddressBookView& view) : dataFile_(dataFile), view_(view) {}

    DataFile& Data() { return dataFile_; }

    // Texts of any length; Save cuts them to the fields' capacities.
    AddressRecord Pending;
    // The record the next Save overwrites; negative appends.
    long RecordIndex = -1;
    bool RefreshAfterSave = true;

    // Writes the pending address at RecordIndex (or at the end), reopens the file, shows
    // the record and, unless the import asked otherwise, rebuilds the list.
    void Save();
    // Records Save has written so far, counted as soon as the bytes are in the file: a
    // save whose reopen failed afterwards did write its record.
    std::size_t RecordsWritten() const { return recordsWritten_; }
    // Removes the record, reopens the file and rebuilds the list.
    void DeleteRecord(std::size_t index);

  private:
    DataFile& dataFile_;
    AddressBookView& view_;
    std::size_t recordsWritten_ = 0;
};

}  // namespace natalo
