// The stream a membership reading travels in from its helper keeps NULL apart from the empty
// text and trusts no count beyond its length; a damaged Access file gives an error naming it.

#include "members/MemberRowsCodec.h"
#include "members/AccessDatabase.h"
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
