#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "settings/SavedSettings.h"
#include "settings/SettingsFile.h"

namespace fs = std::filesystem;

namespace {

// The literals of this file are GBK bytes, as the settings file holds them.
NamingRecord Record(std::string name, std::string simplified = "11", std::string total = "12") {
    return {std::move(name),
            std::move(simplified),
            std::move(total),
            "木火",
            "1,2,3,4,5",
            "金水木",
            "95"};
}

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Reads settings back the way a new start of the program does: from the bytes of a file.
SavedSettings Restart(const SettingsFile& written) {
    SettingsFile read;
    read.Parse(written.Text());
    return ReadSavedSettings(read);
}

class TemporaryFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("settings_test_" + std::to_string(std::random_device{}()));
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_folder, ignored);
    }
    fs::path m_folder;
};

}  // namespace

TEST(SettingsFileTest, ReadsAndWritesTheProfileFormat) {
    SettingsFile file;
    file.Parse(
        "; written by hand\r\n[Other]\r\n姓氏=not this one\r\n[设置]\r\n  姓氏 =  李 \r\n"
        "英文名字=\"  Tom  \"\r\n组合的字=a=b\r\n[设置]\r\n评分名字=second section\r\n");
    EXPECT_EQ(file.Value("设置", "姓氏"), "李");
    EXPECT_EQ(file.Value("设置", "英文名字"), "  Tom  ");
    EXPECT_EQ(file.Value("设置", "组合的字"), "a=b");
    EXPECT_EQ(file.Value("设置", "评分名字"), std::nullopt);  // only the first section counts
    EXPECT_EQ(file.Value("other", "姓氏"), "not this one");   // ASCII case does not matter

    // Values with blanks at their edges or quotes come back unchanged, a line break becomes a
    // space, and what this program does not know stays in the file.
    for (const std::string value : {" 王 ", "\"quoted\"", "\"", ""}) {
        file.SetValue("设置", "英文名字", value);
        SettingsFile reread;
        reread.Parse(file.Text());
        EXPECT_EQ(reread.Value("设置", "英文名字"), value);
    }
    file.SetValue("设置", "英文名字", "a\r\nb");
    file.SetValue("设置", "新的", "x");
    file.SetValue("第三", "键", "y");
    SettingsFile again;
    again.Parse(file.Text());
    EXPECT_EQ(again.Value("设置", "英文名字"), "a b");
    EXPECT_EQ(again.Value("设置", "新的"), "x");
    EXPECT_EQ(again.Value("第三", "键"), "y");
    EXPECT_EQ(again.Value("Other", "姓氏"), "not this one");
    EXPECT_NE(again.Text().find("; written by hand\r\n"), std::string::npos);
    // A new key joins its section rather than the end of the file.
    EXPECT_LT(again.Text().find("新的=x"), again.Text().find("[设置]\r\n评分名字"));

    // A carriage return inside a stored line reads as the space a write stores for it, so the
    // value survives a write unchanged.
    again.Parse("[设置]\r\n组合的字=设置}A\rh\r\n姓氏=李\r\r\n");
    EXPECT_EQ(again.Value("设置", "组合的字"), "设置}A h");
    EXPECT_EQ(again.Value("设置", "姓氏"), "李 ");
    for (const char* key : {"组合的字", "姓氏"}) {
        const std::optional<std::string> read = again.Value("设置", key);
        again.SetValue("设置", key, *read);
        EXPECT_EQ(again.Value("设置", key), read) << key;
    }
}

struct NumberCase {
    const char* name;
    const char* sex;  // nullptr: the key is missing
    int sexIndex;
    const char* nameLength;
    int nameLengthIndex;
};

void PrintTo(const NumberCase& wanted, std::ostream* out) { *out << wanted.name; }

class StoredNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(StoredNumbers, SelectTheComboBoxItem) {
    const NumberCase& wanted = GetParam();
    SettingsFile file;
    if (wanted.sex) file.SetValue("设置", "性别", wanted.sex);
    if (wanted.nameLength) file.SetValue("设置", "名字个数", wanted.nameLength);
    const SavedSettings settings = ReadSavedSettings(file);
    EXPECT_EQ(settings.sexIndex, wanted.sexIndex);
    EXPECT_EQ(settings.nameLengthIndex, wanted.nameLengthIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredNumbers,
    ::testing::Values(NumberCase{"Missing", nullptr, 0, nullptr, 0},
                      NumberCase{"Written", "0", 0, "1", 1}, NumberCase{"Other", "1", 1, "0", 0},
                      // -1 is what an empty selection writes: 女 and 一字
                      NumberCase{"NoSelection", "-1", 1, "-1", 0},
                      NumberCase{"Empty", "", 0, "", 0},
                      NumberCase{"NotANumber", "男", 0, "二字", 0},
                      NumberCase{"WithinTolerance", "0.00000001", 0, "1.00000001", 1},
                      NumberCase{"BeyondTolerance", "0.001", 1, "0.999", 0},
                      NumberCase{"NumberAtTheStart", " 2", 1, "1abc", 1},
                      NumberCase{"NotFinite", "nan", 0, "inf", 0}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST(RecordTextTest, PlainFormAsStored) {
    // Two records give two groups of seven fields, each ended by "|"; the name's line break is
    // written as a space.
    const std::vector<NamingRecord> records = {Record("李\r\n白"), Record("欧阳\r\n修")};
    const std::string text = PlainRecordText(records);
    EXPECT_EQ(text, "李 白;11;12;木火;1,2,3,4,5;金水木;95|欧阳 修;11;12;木火;1,2,3,4,5;金水木;95|");
    EXPECT_EQ(ParsePlainRecordText(text), records);

    struct Case {
        std::string text;
        std::vector<NamingRecord> records;
    };
    const Case cases[] = {
        {"", {}},
        {"李 白;1;2|", {{"李\r\n白", "1", "2", "", "", "", ""}}},
        // a group with more than seven fields keeps the first seven
        {"a;1;2;3;4;5;6;7;8|", {{"a", "1", "2", "3", "4", "5", "6"}}},
        // an empty piece inside the text is a row; the one after the last "|" is not
        {"a||", {{"a", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""}}},
        // a text cut in the middle of a record still gives what it holds
        {"a;1|b;2;3", {{"a", "1", "", "", "", "", ""}, {"b", "2", "3", "", "", "", ""}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePlainRecordText(c.text), c.records) << c.text;
    // "|" is the trail byte of some GBK characters (丨 is A87C): it does not end a record there.
    EXPECT_EQ(ParsePlainRecordText("\x81\x7C;1|")[0][0], "\x81\x7C");
}

TEST(RecordTextTest, EveryFieldSurvivesASaveAndARestart) {
    const std::vector<NamingRecord> records = {
        Record("李\r\n白"),
        Record("司马\r\n相如"),
        Record("王 小\r\n明;|", "1;2", "3|4"),
        {"A B\r\nC%20D", "x\r\ny", " lead", "trail ", "%", "\x81", "\x81|"},
    };
    SavedSettings settings;
    settings.records = records;
    SettingsFile file;
    WriteSavedSettings(file, settings);
    EXPECT_EQ(Restart(file).records, records);

    // The plain key still holds every record in the plain form, for readers that know no other.
    SettingsFile written;
    written.Parse(file.Text());
    const std::vector<NamingRecord> plain =
        ParsePlainRecordText(*written.Value("设置", "名字记录"));
    ASSERT_GE(plain.size(), 2u);
    EXPECT_EQ(plain[0], records[0]);
    EXPECT_EQ(plain[1], records[1]);

    // Records the plain form holds leave no second copy behind.
    settings.records = {Record("李\r\n白")};
    WriteSavedSettings(file, settings);
    EXPECT_EQ(file.Value("设置", "名字记录原文"), std::nullopt);
    EXPECT_EQ(Restart(file).records, std::vector<NamingRecord>{Record("李\r\n白")});
}

// A key written more than once (by hand, or by another program) is read from its first line, and
// writing keeps or removes every copy: the records stay as they are over any number of starts.
TEST(RecordTextTest, RepeatedKeysChangeNothingOverStarts) {
    const std::vector<NamingRecord> records = {Record("李\r\n白"), Record("欧阳\r\n修")};
    const std::string plain =
        "李 白;11;12;木火;1,2,3,4,5;金水木;95|欧阳 修;11;12;木火;1,2,3,4,5;金水木;95|";
    // The second escaped copy agrees with the plain form too, but reads as other records.
    const std::string other =
        "李%20白;11;12;木火;1,2,3,4,5;金水木;95|欧阳%20修;11;12;木火;1,2,3,4,5;金水木;95|";
    for (const std::string& copies :
         {"名字记录原文=" + EscapedRecordText(records) + "\r\n名字记录原文=" + other,
          "姓氏=王\r\n名字记录原文=" + EscapedRecordText(records) +
              "\r\n姓氏=李\r\n名字记录原文=" + other}) {
        std::string text = "[设置]\r\n名字记录=" + plain + "\r\n" + copies + "\r\n";
        for (int start = 1; start <= 3; ++start) {
            SettingsFile file;
            file.Parse(text);
            SavedSettings settings = ReadSavedSettings(file);
            EXPECT_EQ(settings.records, records) << "start " << start;
            EXPECT_TRUE(settings.notes.empty());
            WriteSavedSettings(file, settings);
            text = file.Text();
        }
    }
    // Setting a value leaves one line of its key; removing it leaves none.
    SettingsFile file;
    file.Parse("[a]\r\nk=1\r\nk=2\r\n[b]\r\nk=3\r\n[a]\r\nk=4\r\n");
    file.SetValue("a", "k", "5");
    EXPECT_EQ(file.Text(), "[a]\r\nk=5\r\n[b]\r\nk=3\r\n[a]\r\nk=4\r\n");
    file.Parse("[a]\r\nk=1\r\nx=0\r\nK=2\r\n");
    file.RemoveValue("a", "k");
    EXPECT_EQ(file.Text(), "[a]\r\nx=0\r\n");
}

// Records the list could never have written are left out with a note; the others stay.
TEST(RecordTextTest, DamagedRecordsAreLeftOutWithANote) {
    const std::string good = "李 白;11;12;木火;1,2,3,4,5;金水木;95|";
    const std::string huge(100000, 'x');
    const struct {
        const char* what;
        std::string record;
    } cases[] = {
        {"given name lost", "张 ?;;;;;;|"},
        {"character cut in half", "张 \xD5;;;;;;|"},
        {"no given name", "张;1;2|"},
        {"empty name", ";11;12|"},
        {"huge name", "张 " + huge + ";1|"},
        {"huge figure", "张 三;" + huge + "|"},
        {"NUL byte", std::string("张 三;1") + '\0' + "2;3|"},
    };
    for (const auto& c : cases) {
        SettingsFile file;
        file.Parse("[设置]\r\n名字记录=" + good + c.record + good + "\r\n");
        const SavedSettings settings = ReadSavedSettings(file);
        EXPECT_EQ(settings.records,
                  (std::vector<NamingRecord>{Record("李\r\n白"), Record("李\r\n白")}))
            << c.what;
        ASSERT_EQ(settings.notes.size(), 1u) << c.what;
        EXPECT_NE(settings.notes[0].find("1 条名字记录已损坏"), std::string::npos) << c.what;
    }

    // A text with a NUL byte is left out whole, not cut at the NUL; a long one is cut at a
    // whole character.
    SettingsFile file;
    file.Parse(std::string("[设置]\r\n姓氏=李") + '\0' + "王\r\n组合的字=明" +
               std::string(20000, '\xB0') + "\r\n");
    const SavedSettings settings = ReadSavedSettings(file);
    EXPECT_EQ(settings.surname, "");
    ASSERT_EQ(settings.notes.size(), 1u);
    EXPECT_NE(settings.notes[0].find("姓氏"), std::string::npos);
    EXPECT_EQ(settings.combinationCharacters.size(), kMaxTextValueBytes - 1);
}

TEST(RecordTextTest, PlainRecordsChangedByAnotherWriterWin) {
    SavedSettings settings;
    settings.records = {Record("王 小\r\n明")};
    SettingsFile file;
    WriteSavedSettings(file, settings);
    file.SetValue("设置", "名字记录", "张 三;1;2;3;4;5;6|");
    EXPECT_EQ(Restart(file).records,
              (std::vector<NamingRecord>{{"张\r\n三", "1", "2", "3", "4", "5", "6"}}));
}

TEST_F(TemporaryFolder, TheFileIsGbkAndHoldsRecordsOfAnyLength) {
    SavedSettings settings;
    settings.surname = "李";
    settings.sexIndex = 1;
    settings.nameLengthIndex = 1;
    settings.combinationCharacters = "春夏秋冬";
    settings.englishGivenName = "Tom";
    settings.scoreGivenName = "小明";
    for (int i = 0; i < 2000; ++i)
        settings.records.push_back(Record("欧阳\r\n" + std::to_string(i), std::to_string(i)));
    const fs::path path = m_folder / "config" / "settings.ini";
    SettingsFile file(path);
    WriteSavedSettings(file, settings);
    ASSERT_TRUE(file.Save().ok());

    const std::string bytes = FileBytes(path);
    EXPECT_GT(bytes.size(), 10239u * 5);
    EXPECT_EQ(bytes.rfind("[\xC9\xE8\xD6\xC3]\r\n\xD0\xD5\xCA\xCF=\xC0\xEE\r\n", 0), 0u)
        << "[设置] 姓氏=李 in GBK";

    SettingsFile read(path);
    ASSERT_TRUE(read.Load());
    const SavedSettings back = ReadSavedSettings(read);
    EXPECT_EQ(back.surname, settings.surname);
    EXPECT_EQ(back.sexIndex, 1);
    EXPECT_EQ(back.nameLengthIndex, 1);
    EXPECT_EQ(back.combinationCharacters, settings.combinationCharacters);
    EXPECT_EQ(back.englishGivenName, settings.englishGivenName);
    EXPECT_EQ(back.scoreGivenName, settings.scoreGivenName);
    EXPECT_EQ(back.records, settings.records);
}

TEST_F(TemporaryFolder, DamagedFilesGiveWhatCanBeRead) {
    const fs::path path = m_folder / "settings.ini";
    const SavedSettings defaults;
    auto load = [&] {
        SettingsFile file(path);
        file.Load();
        return ReadSavedSettings(file);
    };

    std::mt19937 random(12);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) c = char(random());
    WriteBytes(path, noise);
    SavedSettings read = load();
    EXPECT_EQ(read.sexIndex, 0);

    for (const std::string& bytes : {std::string(), std::string("[设置"), std::string("=\r\n=")}) {
        WriteBytes(path, bytes);
        read = load();
        EXPECT_EQ(read.surname, "");
        EXPECT_TRUE(read.records.empty());
    }

    // A file cut in the middle of the second record keeps the first whole.
    WriteBytes(path, "[设置]\r\n名字记录=李 白;11;12;木火;1,2,3,4,5;金水木;95|欧阳 修;11;1");
    read = load();
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0], Record("李\r\n白"));
    EXPECT_EQ(read.records[1][2], "1");

    // UTF-8 text is not the GBK the file holds: no key is found, and nothing breaks.
    WriteBytes(path, "[\xE8\xAE\xBE\xE7\xBD\xAE]\r\n\xE5\xA7\x93\xE6\xB0\x8F=\xE6\x9D\x8E\r\n");
    EXPECT_EQ(load().surname, "");

    fs::remove(path);
    fs::create_directory(path);
    SettingsFile folder(path);
    EXPECT_FALSE(folder.Load());
    EXPECT_EQ(ReadSavedSettings(folder).records, defaults.records);
    EXPECT_FALSE(folder.Save().ok());
    EXPECT_FALSE(folder.Save().Message().empty());
}
