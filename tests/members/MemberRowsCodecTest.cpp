// The stream a membership reading travels in from its helper keeps NULL apart from the empty
// text and trusts no count beyond its length; a damaged Access file gives an error naming it.

#include "members/MemberRowsCodec.h"
#include "members/AccessDatabase.h"
#include "members/DatabaseError.h"
#include "members/IsolatedReading.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

TEST(MemberRowsCodec, RoundTripKeepsNullEmptyAndEveryByte) {
    MemberRows rows;
    rows.fields = {"NAME", "", "RATING"};
    rows.rows = {{"Côté, Luc", std::string("a\0b", 3), std::nullopt}, {"", std::nullopt, "1850"}};
    const MemberRows back = DecodeMemberRows(EncodeMemberRows(rows));
    EXPECT_EQ(back.fields, rows.fields);
    EXPECT_EQ(back.rows, rows.rows);

    const std::vector<std::string> names = {"Members", "", "Ontario only"};
    EXPECT_EQ(DecodeTableNames(EncodeTableNames(names)), names);
    EXPECT_TRUE(DecodeTableNames(EncodeTableNames({})).empty());
}

TEST(MemberRowsCodec, CutExtendedOrBoastfulStreamsAreRefused) {
    MemberRows rows;
    rows.fields = {"NAME", "NUMBER"};
    rows.rows = {{"Smith", "100234"}, {std::nullopt, "100235"}};
    const std::string stream = EncodeMemberRows(rows);
    for (std::size_t cut = 0; cut < stream.size(); ++cut)
        EXPECT_THROW(DecodeMemberRows(stream.substr(0, cut)), std::runtime_error) << cut;
    EXPECT_THROW(DecodeMemberRows(stream + "x"), std::runtime_error);
    // A row count of four billion in a stream of a few bytes is not believed.
    std::string boastful = stream.substr(0, 4 + 4 + 4 + 4 + 6);
    boastful += std::string("\xff\xff\xff\x7f", 4);
    EXPECT_THROW(DecodeMemberRows(boastful), std::runtime_error);
    EXPECT_THROW(DecodeTableNames(std::string("\xff\xff\xff\x7f", 4)), std::runtime_error);

    MemberRows noFields;
    noFields.rows.resize(3);
    EXPECT_THROW(EncodeMemberRows(noFields), std::runtime_error);
}

// The helper's message crosses as its kind and values; what a helper that read a hostile file
// might send instead is never shown as if a reader had said it.
TEST(MemberRowsCodec, ReaderMessagesCrossWholeAndForgedOnesAreRefused) {
    const Message nested(MessageKind::TableUnreadableBecause,
                         {"Members", "/m/x.db", Message(MessageKind::TableTooManyRows, {1000000})});
    EXPECT_EQ(DecodeDatabaseMessage(EncodeDatabaseMessage(nested)), nested);
    EXPECT_EQ(English(DecodeDatabaseMessage(EncodeDatabaseMessage(nested))),
              "The table Members in /m/x.db cannot be read: it has more than 1000000 rows; no "
              "membership list is that long.");
    const std::string good = EncodeDatabaseMessage(nested);
    Message deep(MessageKind::ReaderDataDamaged);
    for (int level = 0; level < 5; ++level)
        deep = Message(MessageKind::TableUnreadableBecause, {"t", "p", deep});
    const struct {
        const char* why;
        std::string bytes;
    } forged[] = {
        {"cut short", good.substr(0, good.size() - 1)},
        {"bytes left over", good + "x"},
        {"a kind of another subject", EncodeDatabaseMessage(Message(MessageKind::MissingName))},
        {"a value too few", EncodeDatabaseMessage(Message(MessageKind::DatabaseNotFound))},
        {"a value too many",
         EncodeDatabaseMessage(Message(MessageKind::DatabaseHoldsNoTable, {"x"}))},
        {"nested without end", EncodeDatabaseMessage(deep)},
        {"a kind beyond the last", std::string("\xff\xff\0\0\0\0\0\0", 8)},
        {"a text longer than any reader writes",
         EncodeDatabaseMessage(Message(MessageKind::DatabaseNotFound, {std::string(70000, 'a')}))},
    };
    for (const auto& row : forged)
        EXPECT_THROW(DecodeDatabaseMessage(row.bytes), DatabaseError) << row.why;
}

// Answers a helper that read a hostile file might give, picked by their index (a command line
// on Windows carries no NUL byte, so the answers are made in the helper).
std::string ForgedAnswer(std::size_t index) {
    const std::string answers[] = {
        "Rtables",
        "M" + EncodeDatabaseMessage(Message(MessageKind::DatabaseHasNoTable, {"Members"})),
        "M" + EncodeDatabaseMessage(Message(MessageKind::MissingName)),
        "M" + EncodeDatabaseMessage(Message(MessageKind::DatabaseHasNoTable)),
        "",
        "Xtables",
    };
    return answers[index];
}
const platform::ChildJob kForgedAnswer =
    platform::RegisterChildJob("test-forged-answer", [](const std::vector<std::string>& arguments) {
        return ForgedAnswer(std::stoul(arguments.at(0)));
    });

TEST(IsolatedReading, OnlyAWellFormedReaderMessageIsShownAsItCame) {
    const std::string damaged =
        "The SQLite database /m.db cannot be read: the reader's answer is damaged.";
    const std::string shown[] = {
        "", "The database has no table Members.", damaged, damaged, damaged, damaged};
    EXPECT_EQ(ReadInHelper(MessageKind::SqliteReaderFailed, "/m.db", kForgedAnswer, {"0"}),
              "tables");
    for (std::size_t index = 1; index < std::size(shown); ++index) {
        try {
            ReadInHelper(MessageKind::SqliteReaderFailed, "/m.db", kForgedAnswer,
                         {std::to_string(index)});
            ADD_FAILURE() << index;
        } catch (const DatabaseError& error) {
            EXPECT_EQ(English(error.message()), shown[index]) << index;
        }
    }
}

TEST(AccessDatabase, DamagedFileGivesAnErrorNamingIt) {
    test::TempDir dir;
    const std::string path = dir.file("members.mdb");
    // The Jet 4 signature on a file too short to hold even its header page.
    std::string bytes(4096, '\0');
    bytes.replace(4, 15, "Standard Jet DB");
    test::WriteFile(path, bytes.substr(0, 300));
    try {
        AccessDatabase database(path);
        ADD_FAILURE() << "a 300-byte file opened";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

} // namespace
