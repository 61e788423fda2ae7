#pragma once

#include <string>

// One character as the numerology sees it. The traditional stroke count feeds every grid; the
// simplified count is only shown and summed, and a non-zero one marks the character as known.
struct CharacterRecord {
    std::string character;
    std::string traditionalForm;
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string pinyin;
    std::string element;  // 木 火 土 金 水 as stored, or "" when unknown
};

// One row of NB_八一灵动数; every text is "" when the table has no such number.
struct NumberRecord {
    std::string rating;  // 吉凶
    std::string explanation1;
    std::string explanation2;
    std::string explanation3;
    std::string foundation;  // 基业
    std::string family;      // 家庭
    std::string health;      // 健康
    std::string meaning;     // 含义
    std::string hints;       // 数理暗示
};

// One row of NB_三才配置; every text is "" when the table has no such key.
struct ThreeTalentRecord {
    std::string rating;  // 吉凶
    std::string explanation1;
    std::string overview;     // 总论
    std::string character;    // 性格
    std::string will;         // 意志
    std::string career;       // 事业
    std::string family;       // 家庭
    std::string marriage;     // 婚姻
    std::string children;     // 子女
    std::string social;       // 社交
    std::string spirit;       // 精神
    std::string wealth;       // 财运
    std::string health;       // 健康
    std::string oldAge;       // 老运
    std::string baseLuck;     // 对基础运的影响
    std::string successLuck;  // 对成功运的影响
    std::string relations;    // 对人际关系的影响
    std::string personality;  // 对性格的影响
};
