// The key-value store: format, lookup rules, backups and interrupted saves.
#include "config/file_utils.h"
#include "config/key_value_file.h"
#include "config/paths.h"
#include "tests/config/config_test_util.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <clocale>

namespace quelmo::test {
namespace {

class StoreTest : public ::testing::Test {
protected:
    ProgramFolder folder;
    std::string At(const std::string& name) const { return folder.Path() + name; }
    std::string Contents(const std::string& name) const {
        return ReadBytes(At(name)).value_or("<missing>");
    }
};

std::string AllBytes(int from, int to) {
    std::string out;
    for (int c = from; c <= to; ++c)
        out += static_cast<char>(c);
    return out;
}

TEST_F(StoreTest, TextRoundTrips) {
    const std::vector<std::string> values = {
        "plain",
        "two\nlines",
        "tab\tand\rcr",
        AllBytes(1, 31),
        AllBytes(128, 255),
        AllBytes(32, 127),
        "with \"quotes\" inside",
        std::string(1000, 'L'), // beyond the 255 the format was sized for
        std::string(400, '\n'), // grows six-fold when escaped
        "\xff\xfe" + std::string(300, '\x01'),
    };
    {
        TKeyValueFile store("values.db", false);
        ASSERT_FALSE(store.Failed());
        for (std::size_t i = 0; i < values.size(); ++i)
            store.WriteText("K" + std::to_string(i), values[i]);
        store.Close();
    }
    // Read in reverse order too, so that the second pass is used.
    TKeyValueFile store("values.db", true);
    ASSERT_FALSE(store.Failed());
    for (std::size_t i = values.size(); i-- > 0;)
        EXPECT_EQ(store.ReadText("K" + std::to_string(i), "default"), values[i]) << i;
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(store.ReadText("k" + std::to_string(i), "default"), values[i]) << i;
}

TEST_F(StoreTest, NumbersRoundTrip) {
    {
        TKeyValueFile store("numbers.db", false);
        for (int v : {0, 1, -1, 255, INT_MAX, INT_MIN})
            store.WriteInt("I" + std::to_string(v), v);
        for (double v : {0.0, 3.0, 2.5, 0.25, -1.5, 123.456789, 1e9})
            store.WriteFloat("F" + TKeyValueFile::FormatFloat(v), v);
    }
    TKeyValueFile store("numbers.db", true);
    for (int v : {0, 1, -1, 255, INT_MAX, INT_MIN})
        EXPECT_EQ(store.ReadInt("I" + std::to_string(v), 42), v);
    for (double v : {0.0, 3.0, 2.5, 0.25, -1.5, 123.456789, 1e9})
        EXPECT_DOUBLE_EQ(store.ReadFloat("F" + TKeyValueFile::FormatFloat(v), 42), v);
}

TEST_F(StoreTest, WrittenBytesFollowTheFormat) {
    {
        TKeyValueFile store("golden.db", false);
        store.WriteText("Password", "pa&ss\"w\x01rd\xe9");
        store.WriteInt("DelayAction", 2);
        store.WriteInt("OffAction", -1);
        store.WriteText("Mon", "a\nb");
        store.WriteText("", "ignored");
        store.WriteText("Empty", "");
        store.WriteFloat("OnPower", 80.0);
        store.WriteFloat("SbyPower", 3.5);
        store.WriteFloat("OffPower", 0.0);
        store.WriteFloat("Small", 0.0000004);
        store.WriteFloat("Neg", -0.0);
        store.WritePath("DbFile", folder.Path() + "Sub/My.db");
        store.WritePath("Url", "");
    }
    EXPECT_EQ(Contents("golden.db"), "Password=pa&ss\"w&#001;rd\xe9\r\n"
                                     "DelayAction=2\r\n"
                                     "OffAction=-1\r\n"
                                     "Mon=a&#010;b\r\n"
                                     "Empty=\r\n"
                                     "OnPower=80\r\n"
                                     "SbyPower=3.5\r\n"
                                     "OffPower=0\r\n"
                                     "Small=0\r\n"
                                     "Neg=-0\r\n"
                                     "DbFile=Sub\\My.db\r\n"
                                     "Url=\r\n");
}

TEST(FormatFloat, SixDecimalsWithoutTrailingZeros) {
    const std::vector<std::pair<double, std::string>> rows = {
        {3.0, "3"},
        {2.5, "2.5"},
        {0.0, "0"},
        {0.25, "0.25"},
        {80.0, "80"},
        {100.0, "100"},
        {0.1234564, "0.123456"},
        {0.9999996, "1"},
        {-2.5, "-2.5"},
        {1e15, "1000000000000000"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(TKeyValueFile::FormatFloat(value), text) << value;
}

TEST(FormatFloat, IndependentOfTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(TKeyValueFile::FormatFloat(3.5), "3.5");
    TKeyValueFile store = TKeyValueFile::FromBytes("F=2.25\r\n");
    EXPECT_DOUBLE_EQ(store.ReadFloat("F", 0), 2.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct IntRow {
    const char* value;
    int expected;
};

class ReadIntTest : public ::testing::TestWithParam<IntRow> {};

TEST_P(ReadIntTest, Parses) {
    TKeyValueFile store = TKeyValueFile::FromBytes(std::string("N=") + GetParam().value + "\r\n");
    EXPECT_EQ(store.ReadInt("N", -777), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, ReadIntTest,
                         ::testing::Values(IntRow{"12", 12}, IntRow{"#ff", 255}, IntRow{"#1F", 31},
                                           IntRow{"12abc", 12}, IntRow{"abc", -777},
                                           IntRow{"", -777}, IntRow{"-5", -5}, IntRow{"+7", 7},
                                           IntRow{" 8", 8}, IntRow{"#", -777}, IntRow{"#0x10", 16},
                                           IntRow{"#FFFFFFFF", -1}, IntRow{"99999999999", INT_MAX},
                                           IntRow{"-99999999999", INT_MIN}, IntRow{"&#049;2", 12},
                                           IntRow{"\"34\"", 34}));

struct FloatRow {
    const char* value;
    double expected;
};

class ReadFloatTest : public ::testing::TestWithParam<FloatRow> {};

TEST_P(ReadFloatTest, Parses) {
    TKeyValueFile store = TKeyValueFile::FromBytes(std::string("F=") + GetParam().value + "\r\n");
    EXPECT_DOUBLE_EQ(store.ReadFloat("F", -7.5), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, ReadFloatTest,
                         ::testing::Values(FloatRow{"3.5", 3.5}, FloatRow{"80", 80},
                                           FloatRow{"-0.25", -0.25}, FloatRow{"+2", 2},
                                           FloatRow{" 1e3", 1000}, FloatRow{".5", 0.5},
                                           FloatRow{"12abc", 12}, FloatRow{"abc", -7.5},
                                           FloatRow{"", -7.5}, FloatRow{"nan", -7.5},
                                           FloatRow{"inf", -7.5}, FloatRow{"1e999", -7.5},
                                           FloatRow{"3,5", 3}));

struct LookupRow {
    const char* name;
    const char* data;
    const char* key;
    const char* expected; // nullptr: the default
};

class LookupTest : public ::testing::TestWithParam<LookupRow> {};

TEST_P(LookupTest, Finds) {
    const LookupRow& row = GetParam();
    TKeyValueFile store = TKeyValueFile::FromBytes(row.data);
    EXPECT_EQ(store.ReadText(row.key, "<default>"), row.expected ? row.expected : "<default>");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LookupTest,
    ::testing::Values(
        LookupRow{"LetterCaseIgnored", "whused=12\r\n", "WhUsed", "12"},
        LookupRow{"SpacesAroundEqualsNotFound", "WhUsed = 12\r\n", "WhUsed", nullptr},
        LookupRow{"AnyOrder", "b=2\r\nc=3\r\na=1\r\n", "a", "1"},
        LookupRow{"LongerKeyIsNotThisKey", "WhUsedX=5\r\nWhUsed=6\r\n", "WhUsed", "6"},
        LookupRow{"BracketLineEndsTheKeys", "a=1\r\n[Other]\r\nb=2\r\n", "b", nullptr},
        LookupRow{"BracketLineFirst", "[x]\r\na=1\r\n", "a", nullptr},
        LookupRow{"LeadingEmptySectionSkipped", "[]\r\n\r\na=1\r\n", "a", "1"},
        LookupRow{"LeadingEmptySectionAlone", "[]a=1\r\n", "a", "1"},
        LookupRow{"LastLineWithoutBreak", "x=0\r\nkey=12", "key", "12"},
        LookupRow{"LastLineTooShort", "x=0\r\nk=1", "k", nullptr},
        LookupRow{"LastLineThreeBytesAfterKey", "x=0\r\nk=12", "k", "12"},
        LookupRow{"LineFeedsOnly", "a=1\nb=2\n", "b", "2"},
        LookupRow{"CarriageReturnsOnly", "a=1\rb=2\r", "b", "2"},
        LookupRow{"RunsOfBreaks", "\r\n\r\n\na=1\r\n\r\n\r\nb=2\r\n", "b", "2"},
        LookupRow{"DoubledCrFromATextCopy", "a=1\r\r\nb=2\r\r\n", "b", "2"},
        LookupRow{"Quoted", "p=\"two words\"\r\n", "p", "two words"},
        LookupRow{"QuotedAtTheEnd", "x=0\r\np=\"ab\"", "p", "ab"},
        LookupRow{"QuoteInside", "p=a\"b\"\r\n", "p", "a\"b\""},
        LookupRow{"OpeningQuoteOnly", "p=\"ab\r\n", "p", "ab"},
        LookupRow{"EmptyValue", "Password=\r\nx=1\r\n", "Password", nullptr},
        LookupRow{"Missing", "x=1\r\n", "Password", nullptr},
        LookupRow{"EscapeDecoded", "v=&#065;BC\r\n", "v", "ABC"},
        LookupRow{"EscapeModulo256", "v=&#321;\r\n", "v", "A"},
        LookupRow{"AmpersandStays", "v=a&b&#x;&#12;&#1234\r\n", "v", "a&b&#x;&#12;&#1234"},
        LookupRow{"EmptyData", "", "a", nullptr},
        LookupRow{"OnlyBreaks", "\r\n\r\n\r\n\r\n", "a", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lookup, ForwardWalkAndRescan) {
    std::string data;
    for (int i = 0; i < 20; ++i)
        data += "key" + std::to_string(i) + "=" + std::to_string(i * 10) + "\r\n";
    TKeyValueFile store = TKeyValueFile::FromBytes(data);
    for (int i : {0, 1, 2, 19, 3, 12, 11, 0, 19})
        EXPECT_EQ(store.ReadInt("key" + std::to_string(i), -1), i * 10) << i;
    EXPECT_EQ(store.ReadInt("key20", -1), -1);
    EXPECT_EQ(store.ReadInt("key5", -1), 50) << "a miss returns to the start";
}

TEST_F(StoreTest, MissingFileFailsAndReadsDefaults) {
    TKeyValueFile store("nothing.db", true);
    EXPECT_TRUE(store.Failed());
    EXPECT_EQ(store.ReadText("a", "d"), "d");
    EXPECT_EQ(store.ReadInt("a", 5), 5);
    EXPECT_DOUBLE_EQ(store.ReadFloat("a", 2.5), 2.5);
    store.Close();
    store.Close();
    WriteBytes(At("empty.db"), "");
    EXPECT_TRUE(TKeyValueFile("empty.db", true).Failed());
}

TEST_F(StoreTest, UncreatableFileFails) {
    WriteBytes(At("blocker"), "a file, not a folder");
    TKeyValueFile store("blocker\\x.db", false);
    EXPECT_TRUE(store.Failed());
    store.WriteText("a", "b");
    store.Close();
    EXPECT_FALSE(FileExistsAt("blocker\\x.db~"));
    EXPECT_EQ(Contents("blocker"), "a file, not a folder");
}

TEST_F(StoreTest, BackupRules) {
    // A save left to the system's write-back keeps the same files as one that waits for the
    // disk.
    for (const bool writeBack : {false, true}) {
        SCOPED_TRACE(writeBack ? "left to write-back" : "synced");
        const std::string name = writeBack ? "sub/w.db" : "sub/b.db";
        const std::string stored = writeBack ? "sub\\w.db" : "sub\\b.db";
        const auto save = [&](const std::string& value) {
            TKeyValueFile store(stored, false);
            if (writeBack)
                store.LeaveToWriteBack();
            store.WriteText("v", value);
        };
        save("one");
        // The first save leaves a copy as the backup.
        EXPECT_EQ(Contents(name), "v=one\r\n");
        EXPECT_EQ(Contents(name + "~"), "v=one\r\n");
        save("two");
        EXPECT_EQ(Contents(name), "v=two\r\n");
        EXPECT_EQ(Contents(name + "~"), "v=one\r\n");
        // A read-only backup is replaced all the same.
        ::chmod(At(name + "~").c_str(), 0444);
        save("three");
        EXPECT_EQ(Contents(name), "v=three\r\n");
        EXPECT_EQ(Contents(name + "~"), "v=two\r\n");
        EXPECT_FALSE(FileExistsAt(stored + ".tmp"));
        // The backup is a file of its own, not a second name of the new file.
        struct stat a {
        }, b{};
        ASSERT_EQ(::stat(At(name).c_str(), &a), 0);
        ASSERT_EQ(::stat(At(name + "~").c_str(), &b), 0);
        EXPECT_NE(a.st_ino, b.st_ino);
        // A lost backup comes back as a copy of the new file.
        DeleteFileForced(stored + "~");
        DeleteFileForced(stored);
        save("four");
        EXPECT_EQ(Contents(name + "~"), "v=four\r\n");
    }
}

TEST_F(StoreTest, ManyLinesGoThroughTheBufferInBlocks) {
    std::string expected;
    {
        TKeyValueFile store("big.db", false);
        for (int i = 0; i < 2000; ++i) {
            const std::string key = "k" + std::to_string(i);
            store.WriteInt(key, i);
            expected += key + "=" + std::to_string(i) + "\r\n";
        }
    }
    EXPECT_EQ(Contents("big.db"), expected);
    TKeyValueFile store("big.db", true);
    EXPECT_EQ(store.ReadInt("k1999", -1), 1999);
    EXPECT_EQ(store.ReadInt("k0", -1), 0);
}

// The states a save can be cut off in, and what the next reader finds.
TEST_F(StoreTest, InterruptedSavesNeverLoseTheLastValues) {
    // Cut off while the new file was written: the old file is whole.
    WriteBytes(At("s.db"), "v=old\r\n");
    WriteBytes(At("s.db.tmp"), "v=ne");
    EXPECT_EQ(TKeyValueFile("s.db", true).ReadText("v", "lost"), "old");
    // Cut off between setting the old file aside and renaming the new one.
    WriteBytes(At("s.db~"), "v=old\r\n");
    std::remove(At("s.db").c_str());
    WriteBytes(At("s.db.tmp"), "v=new\r\n");
    EXPECT_EQ(TKeyValueFile("s.db", true).ReadText("v", "lost"), "old");
    WriteBytes(At("s.db"), "");
    EXPECT_EQ(TKeyValueFile("s.db", true).ReadText("v", "lost"), "old");
    // The next save completes over the leftover.
    {
        TKeyValueFile store("s.db", false);
        store.WriteText("v", "newer");
    }
    EXPECT_EQ(TKeyValueFile("s.db", true).ReadText("v", "lost"), "newer");
    EXPECT_FALSE(FileExistsAt("s.db.tmp"));
    // A file left empty beside its backup: a save whose text never reached the disk.
    WriteBytes(At("s.db~"), "v=older\r\n");
    WriteBytes(At("s.db"), "");
    EXPECT_EQ(TKeyValueFile("s.db", true).ReadText("v", "lost"), "older");
    // A file deleted on purpose (no leftover) reads as missing, backup or not.
    std::remove(At("s.db").c_str());
    EXPECT_TRUE(TKeyValueFile("s.db", true).Failed());
}

} // namespace
} // namespace quelmo::test
