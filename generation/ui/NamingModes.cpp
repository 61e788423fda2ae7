#include "generation/ui/NamingModes.h"

namespace generation_ui {

const std::vector<NamingMode>& NamingModes() {
    static const std::vector<NamingMode> modes = {
        {GenerationMode::Classic, "单选框_经典起名", "经典起名",
         "高速生成,以好听为主,不考虑名字的五行数理等因素", 0},
        {GenerationMode::HighScore, "单选框_高分起名", "高分起名",
         "1-20秒内生成10000个90分以上的高分姓名", 1},
        {GenerationMode::SuperLucky, "单选框_超吉起名", "超吉起名",
         "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名", 6},
        {GenerationMode::Poem, "单选框_诗词起名", "诗词起名",
         "使用近3000位诗人的数十万诗词进行组合起名", 2},
        {GenerationMode::Combination, "单选框_组合起名", "组合起名", "使用您自定义的字进行组合起名",
         3},
        {GenerationMode::Nickname, "单选框_起小名", "起小名",
         "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑", 4},
        {GenerationMode::English, "单选框_起英文名", "起英文名",
         "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨", 5},
        {GenerationMode::Canon, "单选框_典籍起名", "典籍起名",
         "从诗经、楚辞、论语、孟子、唐诗、宋词中取名,每个名字附原句", 2},
    };
    return modes;
}

}  // namespace generation_ui
