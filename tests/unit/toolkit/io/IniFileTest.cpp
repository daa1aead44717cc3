#include "toolkit/io/IniFile.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"

namespace {

const std::string IniPath = "C:\\Muralto\\test.ini";

struct IntRow {
  const char* stored;  // nullptr: key missing
  int defaultValue;
  int expected;
  const char* why;
};

const IntRow intRows[] = {
    {nullptr, 1, 1, "missing key gives the default"},
    {"", 1, 1, "empty value gives the default"},
    {"ten", 1, 1, "a word gives the default"},
    {"0x10", 1, 16, "0x before digits is hexadecimal"},
    {"0X1f", 0, 31, "0X upper case"},
    {"0x", 7, 7, "0x alone is two characters, no number"},
    {"010", 1, 10, "leading zero stays decimal"},
    {"$20", 0, 32, "dollar hexadecimal"},
    {"-2", 1, -2, "negative"},
    {"+3", 1, 3, "plus sign"},
    {"30", 1, 30, "no range check beyond 32 bits"},
    {"2147483647", 0, 2147483647, "largest"},
    {"2147483648", 5, 5, "beyond 32 bits gives the default"},
    {"-2147483648", 0, -2147483647 - 1, "smallest"},
    {"  12  ", 0, 12, "blanks around trimmed by the profile reader"},
    {"\"5\"", 0, 5, "quotes removed by the profile reader"},
    {"0x-5", 9, 9, "sign after 0x"},
    {"x10", 9, 9, "x without its 0 is no number"},
    {"-0x10", 9, 9, "a sign before 0x is no number"},
    {"-$10", 9, -16, "a sign before $ is"},
    {"1 2", 9, 9, "inner blank"},
};

TEST(IniFile, ReadIntegerRules) {
  for (const IntRow& row : intRows) {
    support::TestMachine machine;
    std::string text = "[Pause]\r\n";
    if (row.stored) text += std::string("Hour=") + row.stored + "\r\n";
    machine.WriteFile(IniPath, text);
    toolkit::TIniFile ini(IniPath);
    EXPECT_EQ(ini.ReadInteger("Pause", "Hour", row.defaultValue), row.expected) << "row: " << row.why;
  }
}

TEST(IniFile, ReadBoolIsAnIntegerWithADefault) {
  support::TestMachine machine;
  machine.WriteFile(IniPath, "[Options]\r\nyes=yes\r\ntwo=2\r\nzero=0\r\nminus=-1\r\n");
  toolkit::TIniFile ini(IniPath);
  EXPECT_TRUE(ini.ReadBool("Options", "yes", true)) << "not a number: default";
  EXPECT_FALSE(ini.ReadBool("Options", "yes", false)) << "not a number: default";
  EXPECT_TRUE(ini.ReadBool("Options", "two", false));
  EXPECT_FALSE(ini.ReadBool("Options", "zero", true));
  EXPECT_TRUE(ini.ReadBool("Options", "minus", false));
  EXPECT_TRUE(ini.ReadBool("Options", "missing", true));
}

TEST(IniFile, ReadStringIsCutAt2047Characters) {
  support::TestMachine machine;
  machine.WriteFile(IniPath, "[S]\r\nlong=" + std::string(3000, 'a') + "\r\nshort=  x y  \r\n");
  toolkit::TIniFile ini(IniPath);
  EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(2047, 'a'));
  EXPECT_EQ(ini.ReadString("S", "SHORT", ""), "x y");
  EXPECT_EQ(ini.ReadString("S", "none", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("S", "none", std::string(3000, 'b')), std::string(2047, 'b'));
}

TEST(IniFile, ValueExistsListsTheSectionWhateverItsLength) {
  support::TestMachine machine;
  // Far more key names than one read buffer holds; the one asked for comes last.
  std::string text = "[Other]\r\nwanted=1\r\n[S]\r\n";
  for (int i = 0; i < 300; ++i) text += "a-rather-long-key-name-" + std::to_string(i) + "=x\r\n";
  machine.WriteFile(IniPath, text + "Wanted->Caption=\r\n");
  toolkit::TIniFile ini(IniPath);
  EXPECT_EQ(ini.ReadSection("S").size(), 301u);
  EXPECT_TRUE(ini.ValueExists("s", "wanted->caption")) << "found in any case, with an empty value";
  EXPECT_FALSE(ini.ValueExists("S", "wanted")) << "a key of another section";
  EXPECT_FALSE(ini.ValueExists("Missing", "wanted"));
  EXPECT_FALSE(toolkit::TIniFile("C:\\Muralto\\none.ini").ValueExists("S", "wanted"));
}

TEST(IniFile, WritesTextsFlagsAndIntegers) {
  support::TestMachine machine;
  toolkit::TIniFile ini(IniPath);
  ini.WriteString("A", "Text", "hello world");
  ini.WriteBool("A", "On", true);
  ini.WriteBool("A", "Off", false);
  ini.WriteInteger("B", "Neg", -42);
  EXPECT_EQ(machine.ReadFile(IniPath), "[A]\r\nText=hello world\r\nOn=1\r\nOff=0\r\n[B]\r\nNeg=-42\r\n");
}

TEST(IniFile, ARefusedWriteNamesTheFile) {
  support::TestMachine machine;
  const std::string path = "C:\\NoSuchFolder\\x.ini";
  toolkit::TIniFile ini(path);
  try {
    ini.WriteInteger("A", "B", 1);
    FAIL() << "no error";
  } catch (const toolkit::EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to C:\\NoSuchFolder\\x.ini");
  }
  EXPECT_FALSE(machine.Exists("C:\\NoSuchFolder"));
}

}  // namespace
