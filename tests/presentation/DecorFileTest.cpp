// decor.ini: what a file turns on and what it leaves, the Latin K of the
// class section, Windows-1251 names written and read back, damaged files,
// the file's name and a failed write.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "presentation/DecorFile.h"

namespace ispyt {
namespace {

std::string ini(std::string_view utf8) { return cp1251(utf8); }

TEST(DecorFileTest, OnlyTheServerKeyTurnsSendingOnAndLeavesTheRest) {
  DecorSettings d;
  DecorReading r = readDecor(ini("[сервер]\r\nCheckBox6=1\r\n"), d, true);
  DecorSettings expected;
  expected.sendResults = true;
  EXPECT_EQ(d, expected);
  EXPECT_EQ(r.keysRead, 1);
  EXPECT_TRUE(r.unusable.empty());
}

TEST(DecorFileTest, AMissingKeyLeavesTheValueAsItWas) {
  DecorSettings d;
  d.colourScheme = cp1251("Весна");
  d.pointerSpeed = 3;
  readDecor(ini("[звук]\nCheckBox1=1\n"), d, true);
  EXPECT_EQ(d.colourScheme, cp1251("Весна"));
  EXPECT_EQ(d.pointerSpeed, 3);
  EXPECT_TRUE(d.sound);
}

TEST(DecorFileTest, TheClassSectionBeginsWithALatinK) {
  DecorSettings latin, cyrillic;
  readDecor(ini("[Kлас]\r\nComboBox4=7\r\n"), latin, true);
  DecorReading r = readDecor(ini("[Клас]\r\nComboBox4=7\r\n"), cyrillic, true);
  EXPECT_EQ(latin.listClass, "7");
  EXPECT_EQ(cyrillic.listClass, "");
  ASSERT_EQ(r.unusable.size(), 1u);
  EXPECT_EQ(r.unusable[0].line, 2);
  EXPECT_EQ(r.unusable[0].problem, "no such setting");
}

TEST(DecorFileTest, SectionsAndKeysMatchIgnoringCaseAndBlanks) {
  DecorSettings d;
  readDecor(ini("  [ ФОН ДІАГРАМИ ]\r\n combobox10 = Ялиця \r\n[СТИЛЬ ПИТАННЯ]\r\nbutton1=2\r\n"),
            d, true);
  EXPECT_EQ(d.colourScheme, cp1251("Ялиця"));
  EXPECT_TRUE(d.questionBold);
}

DecorSettings everythingChanged() {
  DecorSettings d;
  d.testSet = cp1251("Фізика 9 клас");
  d.programBackground = cp1251("Осінь");
  d.questionBackground = cp1251("Прозорий");
  d.answerBackground = cp1251("Папір і ґрунт");
  d.colourScheme = cp1251("Морська");
  d.clockBackground = true;
  d.clockColour = true;
  d.effect = cp1251("В`їзд");
  d.sound = true;
  d.pointerSpeed = 3;
  d.keyboard = true;
  d.questionColour = 7;
  d.answerColour = 5;
  d.resultDatabase = "Z123_Algebra";
  d.fullScreen = false;
  d.proportional = true;
  d.questionBold = true;
  d.answerBold = true;
  d.address = {"192", "168", "0", "17"};
  d.sendResults = true;
  d.teacherPort = 6200;
  d.byList = true;
  d.listClass = "10";
  d.listLetter = " ";  // a chosen blank letter
  d.listGroup = cp1251("\"10Б\"");
  return d;
}

TEST(DecorFileTest, EverySettingIsWrittenAndReadBack) {
  const DecorSettings d = everythingChanged();
  DecorSettings back;
  DecorReading r = readDecor(decorBytes(d), back, true);
  EXPECT_EQ(back, d);
  EXPECT_EQ(r.keysRead, 28);
  EXPECT_TRUE(r.unusable.empty());
}

TEST(DecorFileTest, TheFileStandsInTheOrderOfTheTable) {
  const std::string bytes = decorBytes(DecorSettings{});
  const std::string head = cp1251("[набор тестів]\r\nComboBox7=\r\n\r\n[фон програми]\r\n");
  const std::string tail = cp1251("\r\n[підгрупа]\r\nComboBox12=\r\n");
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_NE(bytes.find(cp1251("[Адрес1]\r\nEdit3.Text=\r\n")), std::string::npos);
  EXPECT_NE(bytes.find("TrackBar1=1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("CheckBox3=1\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  // The section order: each one after the one before it.
  std::size_t at = 0;
  for (const char* s : {"[набор тестів]",
                        "[фон програми]",
                        "[фон питання]",
                        "[фон відповідей]",
                        "[фон діаграми]",
                        "[Фон годинника]",
                        "[Колір годинника]",
                        "[ефект]",
                        "[звук]",
                        "[вказівник]",
                        "[клавіатура]",
                        "[колір питання]",
                        "[колір відповідей]",
                        "[результати]",
                        "[На весь екран]",
                        "[Пропорційно]",
                        "[Стиль питання]",
                        "[Стиль відповідей]",
                        "[Адрес1]",
                        "[Адрес2]",
                        "[Адрес3]",
                        "[Адрес4]",
                        "[сервер]",
                        "[За списком]",
                        "[Kлас]",
                        "[буква]",
                        "[підгрупа]"}) {
    std::size_t next = bytes.find(cp1251(s), at);
    ASSERT_NE(next, std::string::npos) << s;
    at = next;
  }
}

TEST(DecorFileTest, TheStationsPortIsWrittenOnlyWhenNotTheUsualOne) {
  DecorSettings d;
  EXPECT_EQ(decorBytes(d).find(cp1251("[порт]")), std::string::npos);
  d.teacherPort = 6200;
  const std::string bytes = decorBytes(d);
  EXPECT_NE(bytes.find(cp1251("[сервер]\r\nCheckBox6=0\r\n\r\n[порт]\r\nPort=6200\r\n\r\n[За")),
            std::string::npos);
  for (const char* bad : {"0", "65536", "x"}) {
    DecorSettings back;
    DecorReading r = readDecor(ini(std::string("[порт]\r\nPort=") + bad + "\r\n"), back, true);
    EXPECT_EQ(back.teacherPort, 62) << bad;
    ASSERT_EQ(r.unusable.size(), 1u) << bad;
    EXPECT_EQ(r.unusable[0].problem, "not a number in 1..65535");
  }
}

TEST(DecorFileTest, ValuesOutsideTheirRangeAreLeftOutAndReported) {
  DecorSettings d;
  DecorReading r = readDecor(ini("[вказівник]\r\nTrackBar1=9\r\n[колір питання]\r\nLabel1=-1\r\n"
                                 "[Адрес1]\r\nEdit3.Text=1921\r\n[Адрес2]\r\nEdit4.Text=a\r\n"
                                 "[звук]\r\nCheckBox1=так\r\n"),
                             d, true);
  EXPECT_EQ(d, DecorSettings{});
  ASSERT_EQ(r.unusable.size(), 5u);
  EXPECT_EQ(r.unusable[0].problem, "not a number in 0..3");
  EXPECT_EQ(r.unusable[2].problem, "not up to 3 digits");
  EXPECT_EQ(r.unusable[4].problem, "not a number (1 or 0)");
}

TEST(DecorFileTest, TheProgramBackgroundIsTakenOnlyWhenActivated) {
  const std::string bytes =
      ini("[фон програми]\r\nComboBox1=Прозорий\r\n[звук]\r\nCheckBox1=1\r\n");
  DecorSettings atStart, later;
  readDecor(bytes, atStart, true);
  readDecor(bytes, later, false);
  EXPECT_EQ(atStart.programBackground, cp1251("Прозорий"));
  EXPECT_EQ(later.programBackground, cp1251("Накат"));
  EXPECT_TRUE(later.sound);
}

TEST(DecorFileTest, TheFirstOfARepeatedKeyCounts) {
  DecorSettings d;
  DecorReading r =
      readDecor(ini("[ефект]\r\nComboBox5=Нема\r\n[ефект]\r\nComboBox5=Поява\r\n"), d, true);
  EXPECT_EQ(d.effect, cp1251("Нема"));
  ASSERT_EQ(r.unusable.size(), 1u);
  EXPECT_EQ(r.unusable[0].line, 4);
}

struct DamagedCase {
  const char* name;
  std::string junk;      // stands between two good keys
  std::size_t unusable;  // SIZE_MAX: any number
};

class DamagedDecorTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedDecorTest, KeepsWhatItCouldRead) {
  const std::string bytes = ini("[сервер]\r\nCheckBox6=1\r\n") + GetParam().junk +
                            ini("\r\n[фон діаграми]\r\nComboBox10=Дощ\r\n");
  DecorSettings d;
  DecorReading r = readDecor(bytes, d, true);
  EXPECT_TRUE(d.sendResults);
  EXPECT_EQ(d.colourScheme, cp1251("Дощ"));
  if (GetParam().unusable != SIZE_MAX) {
    EXPECT_EQ(r.unusable.size(), GetParam().unusable);
  }
}

std::string binaryJunk() {
  std::string junk;
  // Every byte but 26, which would end the file.
  for (int i = 0; i < 4096; ++i) {
    const int b = (i * 7919 + 13) % 256;
    junk += static_cast<char>(b == 26 ? 0 : b);
  }
  return junk;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedDecorTest,
    ::testing::Values(
        DamagedCase{"SectionWithoutKeys", ini("[ефект]\r\n[звук]\r\n"), 0},
        DamagedCase{"TenMegabyteLine", std::string(10 * 1024 * 1024, 'x'), 1},
        DamagedCase{"TenMegabyteValue",
                    "\r\n[" + ini("ефект") + "]\r\nComboBox5=" + std::string(10 * 1024 * 1024, 'y'),
                    1},
        DamagedCase{"AValueWithControlBytes", ini("\r\n[ефект]\r\nComboBox5=a\x01") + "b", 1},
        DamagedCase{"SectionWithoutClose", ini("\r\n[ефект\r\nComboBox5=Нема"), 2},
        DamagedCase{"BinaryJunk", "\r\n" + binaryJunk(), SIZE_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecorFileTest, BinaryJunkNeverGivesAValueOutOfRange) {
  std::string junk = binaryJunk();
  DecorSettings d;
  DecorReading r = readDecor(junk, d, true);
  EXPECT_EQ(d, DecorSettings{});
  EXPECT_FALSE(r.unusable.empty());
}

TEST(DecorFileTest, TheFileNameTakesTheSixthAndSeventhCharactersOfTheBaseFolder) {
  EXPECT_EQ(decorFileName("Base"), "decor.ini");
  EXPECT_EQ(decorFileName("Base1"), "decor.ini");
  EXPECT_EQ(decorFileName("Base12"), "decor2.ini");
  EXPECT_EQ(decorFileName("BaseXYZ9"), "decorYZ.ini");
}

class DecorFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-decor-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "decor");
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(DecorFolderTest, TheFileIsFoundIgnoringCase) {
  std::ofstream(root / "decor" / "DECOR.INI", std::ios::binary) << ini("[звук]\r\nCheckBox1=1\r\n");
  DecorSettings d;
  EXPECT_TRUE(ReadDecor(root, "Base", d, true).found);
  EXPECT_TRUE(d.sound);
  EXPECT_FALSE(WriteDecor(root, "Base", everythingChanged()));
  EXPECT_FALSE(fs::exists(root / "decor" / "decor.ini"));  // the same file was replaced
  DecorSettings back;
  ReadDecor(root, "Base", back, true);
  EXPECT_EQ(back, everythingChanged());
}

TEST_F(DecorFolderTest, AMissingFileLeavesTheStartUpValues) {
  DecorSettings d;
  EXPECT_FALSE(ReadDecor(root, "Base", d, true).found);
  EXPECT_EQ(d, DecorSettings{});
}

TEST_F(DecorFolderTest, AFailedWriteLeavesTheOldFileAsItWas) {
  const std::string old = ini("[звук]\r\nCheckBox1=1\r\n");
  std::ofstream(root / "decor" / "decor.ini", std::ios::binary) << old;
  // The new file cannot be made where it should go.
  fs::create_directories(root / "decor" / "decor.ini.new" / "x");
  EXPECT_TRUE(WriteDecor(root, "Base", everythingChanged()));
  EXPECT_EQ(readFileBytes(root / "decor" / "decor.ini"), old);
}

TEST_F(DecorFolderTest, TheToolPrintsTheSettingsAndTheLinesNotUsed) {
  const fs::path file = root / "decor" / "Decor.ini";
  std::ofstream(file, std::ios::binary) << ini(
      "[сервер]\r\nCheckBox6=1\r\n[Клас]\r\nComboBox4=7\r\n[фон діаграми]\r\nComboBox10=Дощ\r\n");
  const fs::path out = root / "out.json";
  const std::string cmd =
      std::string(ISPYT_TOOL) + " dump '" + file.string() + "' >'" + out.string() + "'";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const std::string json = readFileBytes(out).value_or("");
  EXPECT_NE(json.find("\"file\": \"" + file.string() + "\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"sendResults\": true"), std::string::npos) << json;
  EXPECT_NE(json.find("\"colourScheme\": \"Дощ\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"line\": 4"), std::string::npos) << json;
  EXPECT_NE(json.find("\"problem\": \"no such setting\""), std::string::npos) << json;
}

}  // namespace
}  // namespace ispyt
