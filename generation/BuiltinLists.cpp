#include "generation/BuiltinLists.h"

#include "numerology/CharacterLookup.h"

const std::string& MalePool() {
    static const std::string text = builtin_text::male_pool;
    return text;
}

const std::string& FemalePool() {
    static const std::string text = builtin_text::female_pool;
    return text;
}

const std::string& NeutralPool() {
    static const std::string text = MalePool() + FemalePool();
    return text;
}

const std::string& ClassicListText(Sex sex, int nameLength) {
    static const std::string maleDouble = builtin_text::classic_male_double;
    static const std::string femaleDouble = builtin_text::classic_female_double;
    static const std::string maleSingle = builtin_text::classic_male_single;
    static const std::string femaleSingle = builtin_text::classic_female_single;
    if (sex == Sex::Male) return nameLength == 2 ? maleDouble : maleSingle;
    return nameLength == 2 ? femaleDouble : femaleSingle;
}

std::vector<std::string> ClassicListEntries(Sex sex, int nameLength) {
    const std::string& text = ClassicListText(sex, nameLength);
    if (nameLength != 2) return SplitCharacters(text);
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        entries.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    // Only the empty piece after the final "," is dropped; a list always ends with one.
    if (start < text.size()) entries.push_back(text.substr(start));
    return entries;
}
