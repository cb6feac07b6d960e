// Messages as values: the English the command line prints and the files keep is put
// together from each kind's text and the values the message carries.

#include "messages/Message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ranvik::test {
namespace {

// Fake kinds' texts, so the rules of putting values in are tested apart from any sentence.
std::string TextOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::None:
        return "";
    case MessageKind::MissingName:
        return "Open %1: %2";
    default:
        return "%2 before %1, %3 unknown, 100%";
    }
}

TEST(Message, ValuesGoIntoTheirMarkersOnce) {
    const Message inner(MessageKind::MissingName, {"a", 7});
    const struct {
        Message message;
        std::string text;
    } rows[] = {
        {Message(), ""},
        {Message(MessageKind::MissingName, {"/tmp/x.tms", "gone"}), "Open /tmp/x.tms: gone"},
        // A value holding a marker is kept as it is, not filled in its turn.
        {Message(MessageKind::MissingName, {"%2", "%1"}), "Open %2: %1"},
        {Message(MessageKind::InvalidRating, {-3, 4294967296ULL}),
         "4294967296 before -3, %3 unknown, 100%"},
        {Message(MessageKind::MissingName, {"b", inner}), "Open b: Open a: 7"},
        {Message(MessageKind::MissingName, {"é", ""}), "Open é: "},
        {Message(MessageKind::MissingName, {"1", "2"})
             .then(inner)
             .then(Message(MessageKind::MissingName, {"3", "4"}), Message::Break::Paragraph),
         "Open 1: 2\nOpen a: 7\n\nOpen 3: 4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(RenderMessage(row.message, TextOf), row.text);
    }
}

TEST(Message, EqualWhenKindValuesAndPartsAreEqual) {
    const Message a(MessageKind::MissingName, {"x", Message(MessageKind::InvalidRating, {1})});
    Message b = a;
    EXPECT_EQ(a, b);
    EXPECT_NE(a,
              Message(MessageKind::MissingName, {"x", Message(MessageKind::InvalidRating, {2})}));
    EXPECT_NE(a, Message(MessageKind::MissingName, {"x", "1"}));
    EXPECT_NE(a, b.then(Message(MessageKind::MissingName)));
}

// Every kind has an English text, and the values it names are numbered from 1 without a gap:
// a text naming %3 but not %2 would drop a value the message carries.
TEST(Message, EveryKindHasAnEnglishTextWithMarkersInSequence) {
    for (int k = 1; k < static_cast<int>(MessageKind::KindCount); ++k) {
        const std::string_view text = EnglishTemplate(static_cast<MessageKind>(k));
        SCOPED_TRACE(k);
        ASSERT_FALSE(text.empty());
        std::vector<bool> named(10, false);
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
                named[text[i + 1] - '0'] = true;
        }
        for (int n = 2; n <= 9; ++n)
            EXPECT_FALSE(named[n] && !named[n - 1]) << text;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos)
            << "a message's lines are its parts";
    }
}

} // namespace
} // namespace ranvik::test
