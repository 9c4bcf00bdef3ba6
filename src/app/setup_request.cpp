#include "app/setup_request.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace natalo {
namespace {

bool SameSwitch(std::string_view word, std::string_view name) {
    return std::equal(word.begin(), word.end(), name.begin(), name.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

std::optional<SetupRequest> ParseSetupRequest(std::string_view arguments) {
    SetupRequest request;
    bool any = false;
    std::size_t at = 0;
    while (at < arguments.size()) {
        const std::size_t end = std::min(arguments.find_first_of(" \t", at), arguments.size());
        const std::string_view word = arguments.substr(at, end - at);
        for (auto [name, flag] : {std::pair{"/close", &SetupRequest::closeRunningCopies},
                                  std::pair{"/unregister", &SetupRequest::unregister},
                                  std::pair{"/keep-autostart", &SetupRequest::keepAutostart}}) {
            if (SameSwitch(word, name)) {
                request.*flag = true;
                any = true;
            }
        }
        at = end + 1;
    }
    return any ? std::optional(request) : std::nullopt;
}

}  // namespace natalo
