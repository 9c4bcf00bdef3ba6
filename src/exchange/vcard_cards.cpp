#include "exchange/vcard_cards.h"

#include <algorithm>
#include <array>
#include <optional>

#include "exchange/ascii_text.h"
#include "exchange/text_encoding.h"

namespace natalo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::array<std::string_view, 5> kEncodingWords{"QUOTED-PRINTABLE", "BASE64", "B", "8BIT",
                                                         "7BIT"};

// The file's text: UTF-16 decoded to UTF-8, any byte-order mark removed.
struct FileText {
    std::string decoded;
    std::string_view text;
    bool fromUtf16 = false;
};

FileText TextOf(std::string_view bytes) {
    FileText file;
    for (const auto& [mark, bigEndian] :
         {std::pair{kUtf16LittleEndianMark, false}, std::pair{kUtf16BigEndianMark, true}}) {
        if (bytes.starts_with(mark)) {
            file.decoded = Utf8FromUtf16(bytes.substr(mark.size()), bigEndian);
            file.text = file.decoded;
            file.fromUtf16 = true;
            return file;
        }
    }
    file.text = bytes;
    if (file.text.starts_with(kUtf8ByteOrderMark))
        file.text.remove_prefix(kUtf8ByteOrderMark.size());
    return file;
}

std::vector<std::string_view> PhysicalLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool IsCardLine(std::string_view line, std::string_view keyword) {
    const std::string_view trimmed = TrimBlanks(line);
    return trimmed.size() == keyword.size() + 6 &&
           EqualsIgnoringCase(trimmed.substr(0, keyword.size()), keyword) &&
           EqualsIgnoringCase(trimmed.substr(keyword.size()), ":VCARD");
}

bool IsCardBoundary(std::string_view line) {
    return IsCardLine(line, "BEGIN") || IsCardLine(line, "END");
}

// Position of the first ":" outside double quotes (parameter values may hold quoted
// colons), searching from `from` with the quote state `quoted`; npos when none.
std::size_t ValueColon(std::string_view line, std::size_t from, bool& quoted) {
    for (std::size_t i = from; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

// Splits at `separator` outside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view Unquoted(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

void AddParameter(std::string_view text, std::vector<VCardParameter>& parameters) {
    const std::size_t equals = text.find('=');
    std::string name;
    std::string_view value;
    if (equals == std::string_view::npos) {
        value = TrimBlanks(text);
        if (value.empty())
            return;
        const std::string word = AsciiUpper(value);
        const bool isEncoding =
            std::find(kEncodingWords.begin(), kEncodingWords.end(), word) != kEncodingWords.end();
        name = isEncoding ? "ENCODING" : "TYPE";
    } else {
        name = AsciiUpper(TrimBlanks(text.substr(0, equals)));
        value = text.substr(equals + 1);
    }
    if (name != "TYPE") {
        parameters.push_back({std::move(name), std::string(Unquoted(value))});
        return;
    }
    for (const std::string_view type : SplitOutsideQuotes(Unquoted(value), ',')) {
        if (const std::string_view trimmed = Unquoted(type); !trimmed.empty())
            parameters.push_back({"TYPE", AsciiUpper(trimmed)});
    }
}

bool IsQuotedPrintable(const VCardProperty& property) {
    const std::string* encoding = property.Parameter("ENCODING");
    return encoding && EqualsIgnoringCase(*encoding, "QUOTED-PRINTABLE");
}

// Builds the cards from the stream of properties.
class CardCollector {
  public:
    bool KeepsFoldBlank() const { return version21_; }

    void Take(VCardProperty&& property) {
        const bool mentionsCard = EqualsIgnoringCase(TrimBlanks(property.value), "VCARD");
        if (property.name == "BEGIN" && mentionsCard) {
            Begin();
        } else if (property.name == "END" && mentionsCard) {
            End();
        } else if (current_ && !inAgent_) {
            agentFollows_ = property.name == "AGENT" && TrimBlanks(property.value).empty();
            if (property.name == "VERSION")
                version21_ = TrimBlanks(property.value) == "2.1";
            current_->properties.push_back(std::move(property));
        }
    }

    std::vector<VCard> Finish() {
        if (current_)
            Close(true);
        return std::move(cards_);
    }

  private:
    void Begin() {
        if (current_ && agentFollows_ && !inAgent_) {
            inAgent_ = true;
            agentFollows_ = false;
            return;
        }
        if (current_)
            Close(true);
        current_.emplace();
    }

    void End() {
        if (inAgent_) {
            inAgent_ = false;
        } else if (current_) {
            Close(false);
        }
    }

    void Close(bool unterminated) {
        current_->unterminated = unterminated;
        cards_.push_back(std::move(*current_));
        current_.reset();
        inAgent_ = agentFollows_ = version21_ = false;
    }

    std::vector<VCard> cards_;
    std::optional<VCard> current_;
    bool agentFollows_ = false;
    bool inAgent_ = false;
    bool version21_ = false;
};

}  // namespace

bool VCardProperty::HasType(std::string_view type) const {
    return std::any_of(parameters.begin(), parameters.end(), [&](const VCardParameter& p) {
        return p.name == "TYPE" && p.value == type;
    });
}

const std::string* VCardProperty::Parameter(std::string_view name) const {
    for (const VCardParameter& parameter : parameters) {
        if (parameter.name == name)
            return &parameter.value;
    }
    return nullptr;
}

bool ParseContentLine(std::string_view line, VCardProperty& property) {
    bool quoted = false;
    std::size_t colon = ValueColon(line, 0, quoted);
    if (colon == std::string_view::npos)
        colon = line.find(':');  // an unbalanced quote must not cost the property
    if (colon == std::string_view::npos)
        return false;
    const std::vector<std::string_view> head = SplitOutsideQuotes(line.substr(0, colon), ';');
    std::string_view name = TrimBlanks(head.front());
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name.remove_prefix(dot + 1);
    if (name.empty())
        return false;
    property.name = AsciiUpper(name);
    property.parameters.clear();
    for (std::size_t i = 1; i < head.size(); ++i)
        AddParameter(head[i], property.parameters);
    property.value = line.substr(colon + 1);
    return true;
}

bool IsVCardFile(std::string_view bytes) {
    const FileText file = TextOf(bytes);
    // Only the first non-blank line matters; the rest of a big file is not split.
    const std::size_t start = file.text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return false;
    const std::string_view rest = file.text.substr(start);
    return IsCardLine(rest.substr(0, rest.find_first_of("\r\n")), "BEGIN");
}

std::vector<VCard> ReadVCards(std::string_view bytes) {
    const FileText file = TextOf(bytes);
    const std::vector<std::string_view> lines = PhysicalLines(file.text);
    CardCollector collector;
    std::size_t next = 0;
    while (next < lines.size()) {
        std::string logical(lines[next++]);
        // Whether the line is quoted-printable is known once the ":" after its name and
        // parameters has been seen; only the new part of a long line is searched for it.
        bool quoted = false;
        std::size_t colon = ValueColon(logical, 0, quoted);
        std::optional<bool> quotedPrintable;
        auto learnEncoding = [&] {
            VCardProperty head;
            if (!quotedPrintable && colon != std::string::npos &&
                ParseContentLine(std::string_view(logical).substr(0, colon + 1), head))
                quotedPrintable = IsQuotedPrintable(head);
        };
        learnEncoding();
        while (next < lines.size()) {
            const std::string_view line = lines[next];
            const std::size_t searchFrom = logical.size();
            if (quotedPrintable.value_or(false) && logical.ends_with('=') &&
                !IsCardBoundary(line)) {
                logical.pop_back();
                logical += line;
            } else if (!line.empty() && IsBlank(line.front())) {
                logical += collector.KeepsFoldBlank() ? line : line.substr(1);
            } else {
                break;
            }
            ++next;
            if (colon == std::string::npos) {
                colon = ValueColon(logical, searchFrom, quoted);
                learnEncoding();
            }
        }
        VCardProperty property;
        if (!ParseContentLine(logical, property))
            continue;
        if (file.fromUtf16) {
            std::erase_if(property.parameters,
                          [](const VCardParameter& p) { return p.name == "CHARSET"; });
        }
        collector.Take(std::move(property));
    }
    return collector.Finish();
}

}  // namespace natalo
