#include "birthchart/ZodiacAdvice.h"

#include <string_view>

#include "birthchart/LunarCalendar.h"

namespace birthchart {

namespace {

struct RadicalAdvice {
    std::string_view favourable;
    std::string_view unfavourable;
};

// In branch order 子 … 亥.
constexpr RadicalAdvice kRadicalAdvice[12] = {
    {"宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅",
     "山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车"},
    {"水、艹、豆、米、金、玉、宀、人、木、氵、钅", "月、火、田、车、马、石、血、纟、刀、几"},
    {"山、玉、金、木、示、水、月、犭、马、氵、钅",
     "日、火、田、口、几、纟、石、刀、血、弓、父、足"},
    {"月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅", "马、车、石、刀、力、皮、水、川"},
    {"水、金、玉、白、赤、月、鱼、酉、人、氵、钅",
     "土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火"},
    {"艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅",
     "小、石、刀、血、弓、火、人、犭、父、纟"},
    {"艹、金、玉、木、禾、虫、米、人、月、土、才、钅", "田、日、火、水、车、石、力、刀、酉、马"},
    {"金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼", "小、犭、纟、车、山、水、日、火"},
    {"木、禾、金、玉、豆、米、田、山、月、水、人、氵", "火、石、口、冖、纟、刀、力、皮、犭"},
    {"米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅",
     "石、犭、刀、力、日、酉、血、弓、才、乡、车、马"},
    {"鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅",
     "火、石、纟、山、才、日、酉、车、刀、父、言"},
    {"豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵", "纟、石、刀、力、血、弓、几、皮、父"},
};

constexpr std::string_view kElementsInSearchOrder[] = {"金", "木", "水", "火", "土"};

// Walks the GBK text character by character, so that a trail byte never starts a match.
bool containsCharacter(std::string_view text, std::string_view character) {
    for (std::size_t position = 0; position < text.size();) {
        std::size_t width = static_cast<unsigned char>(text[position]) > 0x7F ? 2 : 1;
        if (text.substr(position, width) == character) return true;
        position += width;
    }
    return false;
}

}  // namespace

std::string missingElementsPhrase(ChartState& state) {
    state.missingLabel.clear();
    for (std::string_view element : kElementsInSearchOrder)
        if (!containsCharacter(state.elementsLabel, element)) state.missingLabel += element;
    if (state.missingLabel.empty()) return "五行不缺";
    return "五行缺：" + state.missingLabel;
}

std::string ZodiacAdvice(int branch) {
    if (branch < 1 || branch > 12) return {};
    const RadicalAdvice& advice = kRadicalAdvice[branch - 1];
    std::string animal = ZodiacAnimal(branch);
    std::string text = "生肖属相：" + animal + "。\r\n\r\n" + animal +
                       "年出生的人取名偏旁部首：\r\n\r\n宜：" + std::string(advice.favourable) +
                       "等部首为吉。\r\n\r\n忌：" + std::string(advice.unfavourable) + "等部首。";
    // The texts of the snake and the horse have always ended with a blank.
    if (branch == 6 || branch == 7) text += " ";
    return text;
}

void appendZodiacAdvice(ChartState& state) {
    int number = SexagenaryNumberOfName(state.pillars[kYearPillar]);
    if (number == 0) return;
    state.report += ZodiacAdvice(BranchOf(number));
}

}  // namespace birthchart
