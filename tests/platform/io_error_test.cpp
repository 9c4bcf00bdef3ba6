#include "platform/io_error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace natalo {
namespace {

// The runtime's own text for each code it names, "E/A-Fehler <code>" for every other; each
// text different and without the closing period, which the error handler adds.
TEST(IoErrorMessages, NamedCodesHaveTextsOfTheirOwnAndOthersTheirNumber) {
    const std::set<int> named{kIoFileNotFound, kIoPathNotFound, kIoTooManyOpenFiles,
                              kIoAccessDenied, kIoReadPastEnd,  kIoDiskFull};
    std::set<std::string> texts;
    for (int code = -2; code <= 300; ++code) {
        const std::string text = IoErrorMessage(code);
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_NE(text.back(), '.') << code;
        EXPECT_EQ(text == "E/A-Fehler " + std::to_string(code), named.count(code) == 0) << text;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 303u) << "two codes share a text";
    const EInOutError error(kIoAccessDenied);
    EXPECT_EQ(error.what(), IoErrorMessage(kIoAccessDenied));
    EXPECT_EQ(error.ErrorCode(), kIoAccessDenied);
}

}  // namespace
}  // namespace natalo
