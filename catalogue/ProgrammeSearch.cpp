#include "ProgrammeSearch.h"

#include <algorithm>

#include "LineFields.h"
#include "ProgramStepTable.h"

namespace farb {
namespace {

// A Latin-1 letter's lower-case letter without its accent; "ss" for "\xDF", "ae" for "\xC6".
std::string_view BaseLetters(unsigned char byte) {
    static constexpr std::string_view kFrom0xC0[] = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
    if (byte < 0xC0 || byte == 0xD7 || byte == 0xF7) {
        return {};
    }
    return kFrom0xC0[byte - 0xC0];
}

// Every word of `query`, folded.
std::vector<std::string> FoldedWords(std::string_view query) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < query.size()) {
        const std::size_t end = std::min(query.find(' ', start), query.size());
        if (end > start) {
            words.push_back(FoldForSearch(query.substr(start, end - start)));
        }
        start = end + 1;
    }
    return words;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    std::string letters;
    letters.reserve(text.size());
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (const std::string_view base = BaseLetters(byte); !base.empty()) {
            letters += base;
        } else {
            letters +=
                byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + ('a' - 'A')) : character;
        }
    }
    // An umlaut written out is the vowel alone, as the umlaut itself became.
    std::string folded;
    folded.reserve(letters.size());
    for (const char character : letters) {
        const bool writtenOut =
            character == 'e' && !folded.empty() &&
            (folded.back() == 'a' || folded.back() == 'o' || folded.back() == 'u');
        if (!writtenOut) {
            folded += character;
        }
    }
    return folded;
}

ProgrammeIndex::ProgrammeIndex(TherapyCatalogue catalogue) {
    LineFields fields;
    std::string heading;
    int category = -1;
    int row = 0;
    for (const CatalogueLine line : catalogue) {
        SplitCatalogueLine(line, fields);
        if (IsHeading(fields)) {
            heading = fields[0];
            ++category;
            row = 0;
        } else if (category >= 0 && row < ProgramStepTable::kMaxPrograms) {
            entries_.push_back({fields[0], heading, category, row++});
            // A separator no query can contain keeps a word from running from name to heading.
            folded_.push_back(FoldForSearch(fields[0]) + '\t' + FoldForSearch(heading));
        }
    }
}

std::vector<int> ProgrammeIndex::Find(std::string_view query) const {
    const std::vector<std::string> words = FoldedWords(query);
    std::vector<int> found;
    for (int entry = 0; entry < static_cast<int>(entries_.size()); ++entry) {
        const std::string& text = folded_[entry];
        if (std::ranges::all_of(words, [&](const std::string& word) {
                return text.find(word) != std::string::npos;
            })) {
            found.push_back(entry);
        }
    }
    return found;
}

}  // namespace farb
