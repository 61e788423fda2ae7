#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

#include "namedb/SqliteDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/ui/NamePages.h"
#include "widgets/QtText.h"

// A name database with the characters of 李月光, 李玥 and 欧阳玥 as the full database has them
// (strokes, elements, readings) and the ratings of their grids and three talents, so that 李月光
// scores 86 as it does in the program; the explanations are short texts the tests look for.
class NameDetailFixture {
  public:
    NameDetailFixture() {
        fixture::OpenEmptyNameDatabase(m_db);
        struct Character {
            const char* character;
            const char* traditional;
            int simplified;
            int traditionalStrokes;
            const char* element;
            const char* pinyin;
            const char* radical;
            const char* basic;
        };
        const Character characters[] = {
            {"李", "李", 7, 7, "木", "lǐ", "木", "李树，果实可吃"},
            {"月", "月", 4, 4, "水", "yuè", "月", "月亮，地球的卫星"},
            {"光", "光", 6, 6, "木", "guāng", "儿", "照耀在物体上使人能看见物体的那种物质"},
            {"玥", "玥", 8, 9, "金", "yuè", "玉", "传说中的一种神珠"},
            {"欧", "歐", 8, 15, "土", "ōu", "欠", "指欧洲"},
            {"阳", "陽", 6, 17, "土", "yáng", "阝", "明亮，温暖"},
        };
        int id = 1;
        for (const Character& c : characters) {
            const std::string text = Gbk(c.character);
            Insert(
                Gbk("NB_CNWord"),
                {SqlValue::Int(id), SqlValue::Int(id), SqlValue::Text(text), SqlValue::Text(text),
                 SqlValue::Text(Gbk(c.traditional)), SqlValue::Int(c.simplified),
                 SqlValue::Int(c.traditionalStrokes), SqlValue::Text(Gbk(c.pinyin)),
                 SqlValue::Text(Gbk(c.pinyin)), SqlValue::Text(""), SqlValue::Text(""),
                 SqlValue::Text(Gbk(c.radical)), SqlValue::Text(Gbk(c.element)), SqlValue::Text(""),
                 SqlValue::Text(Gbk(c.basic)), SqlValue::Text(Gbk("详细解释") + text)});
            ++id;
        }
        const std::pair<int, const char*> numbers[] = {
            {2, "凶"},    {7, "吉"},  {8, "吉"},  {10, "凶"}, {11, "大吉"},
            {16, "大吉"}, {17, "吉"}, {26, "凶"}, {32, "吉"}, {41, "大吉"}};
        for (const auto& [number, rating] : numbers) {
            std::vector<SqlValue> row = {SqlValue::Int(number), SqlValue::Text(Gbk(rating))};
            for (int column = 2; column <= 9; ++column)
                row.push_back(SqlValue::Text(Gbk("数理") + std::to_string(number)));
            Insert(Gbk("NB_八一灵动数"), row);
        }
        for (const auto& [key, rating] :
             {std::pair{"金木水", "凶"}, {"金土水", "中"}, {"木土水", "大凶"}}) {
            std::vector<SqlValue> row = {SqlValue::Int(1), SqlValue::Text(Gbk(key)),
                                         SqlValue::Text(Gbk(rating))};
            for (int column = 3; column <= 20; ++column)
                row.push_back(SqlValue::Text(Gbk("三才") + std::to_string(column)));
            Insert(Gbk("NB_三才配置"), row);
        }
        for (const auto& [surname, origin] :
             {std::pair{"李", "出自嬴姓，以官为氏"}, {"欧阳", "越王勾践的后裔，封于欧余山之阳"}})
            Insert(Gbk("NB_百家姓"),
                   {SqlValue::Int(1), SqlValue::Text(Gbk(surname)), SqlValue::Text(Gbk(origin)),
                    SqlValue::Text(Gbk("各地")), SqlValue::Text(Gbk("历代名人"))});
    }

    SqliteDatabase& db() { return m_db; }
    numerology_ui::DatabaseSource source() {
        return [this] { return &m_db; };
    }
    std::filesystem::path pagesFolder() const { return m_pagesFolder.path().toStdString(); }

    static std::string Gbk(const char* utf8) { return widgets::ToGbk(QString::fromUtf8(utf8)); }

  private:
    void Insert(const std::string& table, const std::vector<SqlValue>& values) {
        if (!fixture::InsertRow(m_db, table, values))
            throw std::runtime_error("fixture: a row did not go into " + table);
    }

    SqliteDatabase m_db;
    QTemporaryDir m_pagesFolder;
};
