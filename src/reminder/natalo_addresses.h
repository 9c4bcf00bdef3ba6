// The web addresses and the maker's details that the program shows or opens, kept in one
// place so that a move of the greeting service or of the maker's site is a one-line change.
#pragma once

#include <array>
#include <string_view>

namespace natalo {

// The greeting service that serves gift ideas and automatic greetings.
inline constexpr std::string_view kGreetingServiceHost = "greetings.natalo.example";
inline constexpr std::string_view kGreetingServicePath = "/zozerodivodurorudu/showall.php";

// The maker's web presence: the notice line and the About box link here.
inline constexpr std::string_view kMakerWebSite = "http://www.natalo.example/";
inline constexpr std::string_view kGreetingServiceWebSite = "http://greetings.natalo.example/";
inline constexpr std::string_view kTellAFriendPage = "http://www.natalo.example/tellafriend/";

inline constexpr std::string_view kMakerName = "Zarnik Computers";
inline constexpr int kMakerNoticeFirstYear = 2003;

// The About box shows the maker's name and postal address in five short lines.
inline constexpr std::array<std::string_view, 5> kMakerAddressLines{
    "Zarnik Computers", "Inh. Jana Zarnik", "Lindenweg 7", "12345 Musterstadt", "Germany"};

}  // namespace natalo
