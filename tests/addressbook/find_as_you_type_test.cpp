// Typing on the address list jumps to the first person whose last name begins with what
// was typed, in the list's current order.
#include <gtest/gtest.h>

#include "addressbook/address_book_window_fixture.h"

namespace natalo {
namespace {

using testing::Person;

class FindAsYouTypeTest : public testing::AddressBookWindowTest {
  protected:
    // Letters typed in quick succession, as the list collects them into one search.
    std::string LastNameAfterTyping(const std::string& letters) {
        for (const char letter : letters) {
            // Repeat count 1, as a key press gives it.
            ::SendMessageA(input->lvHeaders().Handle(), WM_CHAR,
                           static_cast<WPARAM>(static_cast<unsigned char>(letter)), 1);
        }
        const int row = input->lvHeaders().SelectedIndex();
        return row < 0 ? "(none)" : input->lvHeaders().ItemText(row, 1);
    }
};

TEST_F(FindAsYouTypeTest, TypedLettersFindTheFirstLastNameStartingWithThemIgnoringCase) {
    const std::vector<AddressRecord> people{Person("Anna", "Berg"), Person("Max", "Mustermann"),
                                            Person("Jürgen", "Müller"), Person("Ida", "mueller")};
    // Each start has a list of its own, so each search begins afresh.
    for (const auto& [typed, found] :
         std::vector<std::pair<std::string, std::string>>{{"mü", "Müller"},
                                                          {"MÜL", "Müller"},
                                                          {"MUE", "mueller"},
                                                          {"mus", "Mustermann"},
                                                          {"x", "(none)"}}) {
        Start(people);
        EXPECT_EQ(LastNameAfterTyping(typed), found) << typed;
    }
}

TEST_F(FindAsYouTypeTest, FollowsTheListsCurrentOrder) {
    AddressRecord meier = Person("B", "Meier");
    meier.City = "Aach";
    AddressRecord maier = Person("A", "Maier");
    maier.City = "Zell";
    Start({meier, maier});
    EXPECT_EQ(LastNameAfterTyping("m"), "Maier");
    Start({meier, maier});
    ClickColumn(6);  // by City: Meier (Aach) comes first
    EXPECT_EQ(LastNameAfterTyping("m"), "Meier");
}

}  // namespace
}  // namespace natalo
