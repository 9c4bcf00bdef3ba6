#include "exchange/latin_folding.h"

#include <array>
#include <string_view>

namespace natalo {
namespace {

// One block of consecutive code points and, for each, its base letter ('.' for none).
struct FoldingBlock {
    char32_t first;
    std::string_view letters;
};

// From the Unicode Character Database: each letter whose canonical decomposition is an
// ASCII letter followed by combining marks only (applied again to a decomposition that
// starts with another such letter: ấ is â with acute, â is a with circumflex). Compatibility
// decompositions (ŀ, ŉ, ǆ, ſ) are left out: they are no letter with a mark. Added by hand,
// as they have no decomposition: the letters with a stroke Ø ø Đ đ Ħ ħ Ł ł Ŧ ŧ, and the
// dotless ı. The hooked and barred letters of Latin Extended-B (ƈ, ƒ, ǥ) stay unfolded:
// they are letters of their own.
constexpr std::array<FoldingBlock, 2> kBlocks{{
    {0x00C0,
     "AAAAAA.CEEEEIIII.NOOOOO.OUUUUY..aaaaaa.ceeeeiiii.nooooo.ouuuuy.y"    // U+00C0
     "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi..JjKk.LlLlLl."    // U+0100
     ".LlNnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZz."    // U+0140
     "................................Oo.............Uu..............."    // U+0180
     ".............AaIiOoUuUuUuUuUu.AaAa....GgKkOoOo..j...Gg..NnAa..Oo"    // U+01C0
     "AaAaEeEeIiIiOoOoRrRrUuUuSsTt..Hh......AaEeOoOoOoOoYy............"},  // U+0200
    {0x1E00,
     "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"    // U+1E00
     "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"    // U+1E40
     "WwWwWwWwWwXxXxYyZzZzZzhtwy......AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"    // U+1E80
     "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy......"},  // U+1EC0
}};

}  // namespace

char LatinLetterWithoutDiacritic(char32_t codePoint) {
    for (const FoldingBlock& block : kBlocks) {
        if (codePoint >= block.first && codePoint - block.first < block.letters.size()) {
            const char letter = block.letters[codePoint - block.first];
            return letter == '.' ? '\0' : letter;
        }
    }
    return '\0';
}

}  // namespace natalo
