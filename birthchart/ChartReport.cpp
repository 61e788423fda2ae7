#include "birthchart/ChartReport.h"

#include <string_view>

#include "birthchart/ZodiacAdvice.h"

namespace birthchart {

namespace {

constexpr std::string_view kStemElements = "木木火火土土金金水水";
constexpr std::string_view kBranchElements = "水土木木土火火土金金土水";

constexpr std::string_view kSoundElements[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "砂石金",
    "山下火", "平地木", "壁上土", "金箔金", "灯头火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

constexpr std::string_view kLineEnd = "\r\n\r\n";

std::string_view characterAt(std::string_view text, int index) {
    return text.substr(2 * static_cast<std::size_t>(index - 1), 2);
}

}  // namespace

std::string ElementPair(int number) {
    if (number < 1 || number > 60) return {};
    std::string pair(characterAt(kStemElements, StemOf(number)));
    pair += ",";
    pair += characterAt(kBranchElements, BranchOf(number));
    pair += ",";
    return pair;
}

std::string SoundElement(int number) {
    if (number < 1 || number > 60) return {};
    return std::string(kSoundElements[(number - 1) / 2]);
}

void buildChartReport(const ChartDateTexts& date, const CalendarMoment& birthMoment,
                      ChartState& state) {
    state.report.clear();
    const auto& pillars = state.pillars;
    state.pillarsLine = pillars[kYearPillar] + "年  " + pillars[kMonthPillar] + "月  " +
                        pillars[kDayPillar] + "日  " + pillars[kHourPillar] + "时";

    for (int index = 0; index < kPillarCount; ++index) {
        int number = SexagenaryNumberOfName(pillars[index]);
        if (number == 0) continue;
        state.elementPairs[index] = ElementPair(number);
        state.soundElements[index] = SoundElement(number);
    }

    std::string report;
    report +=
        "公历日期：" + date.year + "年" + date.month + "月" + date.day + "日" + date.hour + "时";
    report += kLineEnd;
    report += "农历日期：" + formatLunarDate(birthMoment, "%Y年    %M  %D日  ") +
              pillars[kHourPillar] + "时";
    report += kLineEnd;
    report += "八字四柱：" + state.pillarsLine;
    report += kLineEnd;

    state.elementsLabel = state.elementPairs[kYearPillar] + state.elementPairs[kMonthPillar] +
                          state.elementPairs[kDayPillar] + state.elementPairs[kHourPillar];
    std::string phrase = missingElementsPhrase(state);
    report += "八字五行：" + state.elementsLabel + " ( " + phrase + " ) ";
    report += kLineEnd;

    const auto& sounds = state.soundElements;
    report += "五行纳音：" + sounds[kYearPillar] + "  " + sounds[kMonthPillar] + "  " +
              sounds[kDayPillar] + "  " + sounds[kHourPillar];
    report += kLineEnd;
    state.report = report;
}

}  // namespace birthchart
