#include "namedb/NameDatabaseSchema.h"

#include <iterator>

#include "namedb/CharacterRow.h"

namespace {

constexpr int kInteger = 3;
constexpr int kVarChar = 10;

FieldDef Integer(const char* name) { return {name, kInteger, 10, 0, ""}; }
FieldDef VarChar(const char* name, int length) { return {name, kVarChar, length, 0, ""}; }

// NB_CNWord's names come from CharacterColumnName, so the reader and the schema cannot disagree.
std::vector<FieldDef> CharacterColumns() {
    // Declared type and length per column, in CharacterColumn order.
    static constexpr struct {
        bool integer;
        int length;
    } kTypes[] = {{true, 10}, {true, 10},  {false, 2},   {false, 2},  {false, 2}, {true, 10},
                  {true, 10}, {false, 20}, {false, 20},  {false, 1},  {false, 3}, {false, 1},
                  {false, 2}, {false, 4},  {false, 700}, {false, 700}};
    static_assert(std::size(kTypes) == static_cast<size_t>(CharacterColumn::Count));
    std::vector<FieldDef> fields;
    for (size_t i = 0; i < std::size(kTypes); ++i) {
        const std::string& name = CharacterColumnName(static_cast<CharacterColumn>(i));
        fields.push_back(kTypes[i].integer ? Integer(name.c_str())
                                           : VarChar(name.c_str(), kTypes[i].length));
    }
    return fields;
}

std::vector<TableSchema> BuildTables() {
    std::vector<FieldDef> articleColumns = {Integer("ID"), VarChar("分类ID", 50),
                                            VarChar("分类标题", 20), VarChar("标题", 100),
                                            VarChar("内容", 2000)};
    std::vector<FieldDef> threeTalentColumns = {
        Integer("Id"),         VarChar("三才", 6),  VarChar("吉凶", 4),  VarChar("解释一", 140),
        VarChar("解释二", 80), VarChar("总论", 92), VarChar("性格", 200)};
    for (const char* aspect :
         {"意志", "事业", "家庭", "婚姻", "子女", "社交", "精神", "财运", "健康", "老运"})
        threeTalentColumns.push_back(VarChar(aspect, 100));
    threeTalentColumns.push_back(VarChar("对基础运的影响", 100));
    threeTalentColumns.push_back(VarChar("对成功运的影响", 100));
    threeTalentColumns.push_back(VarChar("对人际关系的影响", 100));
    threeTalentColumns.push_back(VarChar("对性格的影响", 150));

    return {
        {"NB_CNWord", CharacterColumns()},
        {"NB_三才配置", threeTalentColumns},
        {"NB_八一灵动数",
         {Integer("Id"), VarChar("吉凶", 4), VarChar("解释一", 100), VarChar("解释二", 100),
          VarChar("解释三", 1000), VarChar("基业", 1000), VarChar("家庭", 1000),
          VarChar("健康", 1000), VarChar("含义", 1000), VarChar("数理暗示", 1000)}},
        {"NB_EName",
         {Integer("Id"), VarChar("EIndex", 1), VarChar("EIndex2", 2), VarChar("Name", 20),
          VarChar("NameLength", 10), Integer("Sex"), VarChar("Cnword", 50),
          VarChar("Morphology", 20), VarChar("Languag", 20), VarChar("Mean", 20)}},
        {"NB_Poet",
         {Integer("Id"), VarChar("Poet", 10), VarChar("PoemCount", 10), Integer("OrderId")}},
        {"NB_全唐诗",
         {Integer("Id"), VarChar("标题", 30), VarChar("作者", 10), VarChar("内容", 1000),
          VarChar("首字母", 400), Integer("内容长度")}},
        {"NB_育儿百科", articleColumns},
        {"NB_算命风水", articleColumns},
        {"NB_百家姓",
         {Integer("Id"), VarChar("姓", 8), VarChar("姓氏起源", 1000), VarChar("聚集地", 1000),
          VarChar("历史名人", 1000)}},
    };
}

}  // namespace

const std::vector<TableSchema>& NameDatabaseTables() {
    static const std::vector<TableSchema> tables = BuildTables();
    return tables;
}

const std::vector<OptionalTable>& OptionalNameDatabaseTables() {
    static const std::vector<OptionalTable> tables = {
        {"NB_字级", {"CREATE INDEX CharacterLevelIndex on NB_字级(汉字 ASC)"}},
        {"NB_诗句索引", {"CREATE INDEX PoemLineIndex on NB_诗句索引(汉字 ASC)"}},
        // The poem of a found line is read by its Id, so NB_全唐诗 gets that index too.
        {"NB_诗篇次序",
         {"CREATE INDEX PoemRankIndex on NB_诗篇次序(次序 ASC)",
          "CREATE INDEX PoemIdIndex on NB_全唐诗(Id ASC)"}},
        {"NB_姓氏读音", {"CREATE INDEX SurnameReadingIndex on NB_姓氏读音(姓 ASC)"}},
        {"NB_不宜字", {"CREATE INDEX UnfitCharacterIndex on NB_不宜字(汉字 ASC)"}},
        {"NB_用字", {"CREATE INDEX CharacterFitnessIndex on NB_用字(汉字 ASC)"}},
        {"NB_不宜词", {"CREATE INDEX BadSenseWordIndex on NB_不宜词(词 ASC)"}},
        {"NB_用字名单", {}},
        // The sources of names in the classics and the Song ci.
        {"NB_典籍句", {}, true},
        {"NB_出处", {}, true},
    };
    return tables;
}

bool CheckLookupTablesFilled(SqliteDatabase& db, std::string& message) {
    for (const char* table : {"NB_CNWord", "NB_八一灵动数", "NB_三才配置"}) {
        Statement filled = db.Prepare(std::string("select exists (select * from ") + table + ")");
        if (filled.Next() && filled.Int(0) == 1) continue;
        message = filled.Failed() ? filled.ErrorText()
                                  : std::string("名字数据库的表 ") + table + " 是空的";
        return false;
    }
    return true;
}
