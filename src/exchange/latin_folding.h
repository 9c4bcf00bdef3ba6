// Latin letters without their diacritics, for text going into a code page that lacks the
// letter itself: a name from a phone's address book is better kept as "Ayse" and "Lukasz"
// than as "Ay?e" and "?ukasz".
#pragma once

namespace natalo {

// The ASCII letter that a Latin letter with diacritics (ş, ł, ő, ř, ț, ễ, ...) is written
// with, or '\0' for every other character: ASCII itself, letters of other scripts, and
// Latin letters that are no letter with a mark (æ, ß, þ, ŋ).
char LatinLetterWithoutDiacritic(char32_t codePoint);

}  // namespace natalo
