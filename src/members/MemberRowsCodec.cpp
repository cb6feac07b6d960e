#include "members/MemberRowsCodec.h"

#include "members/DatabaseError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ranvik {

namespace {

// The length that stands for NULL; a real value is never this long.
constexpr std::uint32_t kNull = 0xFFFFFFFFu;

void PutWord(std::string& out, std::uint32_t value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

void PutCount(std::string& out, std::size_t count) {
    if (count >= kNull)
        throw DatabaseError(Message(MessageKind::ReaderDataTooLarge));
    PutWord(out, static_cast<std::uint32_t>(count));
}

void PutText(std::string& out, std::string_view text) {
    PutCount(out, text.size());
    out.append(text);
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t count() {
        need(sizeof(std::uint32_t));
        std::uint32_t value = 0;
        std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    std::string text(std::uint32_t size) {
        need(size);
        std::string value(bytes_.substr(at_, size));
        at_ += size;
        return value;
    }
    std::string text() { return text(count()); }
    char tag() { return text(1).front(); }
    // Each item takes at least minBytes: a count that cannot fit what is left is false.
    void needItems(std::uint64_t items, std::uint64_t minBytes) const {
        if (items * minBytes > left())
            fail();
    }
    void finish() const {
        if (left() != 0)
            fail();
    }

    [[noreturn]] static void fail() {
        throw DatabaseError(Message(MessageKind::ReaderDataDamaged));
    }

  private:
    std::size_t left() const { return bytes_.size() - at_; }
    void need(std::size_t size) const {
        if (size > left())
            fail();
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

// A message's arguments: a tag, then a number (two words), a text, or a message.
constexpr char kNumberTag = 'n';
constexpr char kTextTag = 't';
constexpr char kMessageTag = 'm';
// Deeper than any reason the readers give ("cannot be read: it has more than ... rows").
constexpr int kMaxNesting = 3;
// Far above a path or an engine's reason; a longer text is not one the readers wrote.
constexpr std::uint32_t kMaxMessageText = 65536;

void PutMessage(std::string& out, const Message& message) {
    PutWord(out, static_cast<std::uint32_t>(message.kind()));
    PutCount(out, message.arguments().size());
    for (const MessageArgument& argument : message.arguments()) {
        if (const std::int64_t* number = argument.number()) {
            out += kNumberTag;
            const auto bits = static_cast<std::uint64_t>(*number);
            PutWord(out, static_cast<std::uint32_t>(bits));
            PutWord(out, static_cast<std::uint32_t>(bits >> 32U));
        } else if (const std::string* text = argument.text()) {
            out += kTextTag;
            PutText(out, *text);
        } else {
            out += kMessageTag;
            PutMessage(out, *argument.message());
        }
    }
}

// The values a kind's English text names (%1..%n): a message with more or fewer would show
// a marker unfilled or drop what the reader said.
std::size_t MarkerCount(MessageKind kind) {
    const std::string_view text = EnglishTemplate(kind);
    std::size_t highest = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            highest = std::max(highest, static_cast<std::size_t>(text[i + 1] - '0'));
    }
    return highest;
}

Message TakeMessage(Reader& in, int depth) {
    const std::uint32_t kind = in.count();
    if (depth > kMaxNesting || !IsDatabaseMessageKind(static_cast<MessageKind>(kind)))
        Reader::fail();
    const std::uint32_t count = in.count();
    if (count != MarkerCount(static_cast<MessageKind>(kind)))
        Reader::fail();
    std::vector<MessageArgument> arguments;
    for (std::uint32_t i = 0; i < count; ++i) {
        switch (in.tag()) {
        case kNumberTag: {
            const std::uint64_t low = in.count();
            const std::uint64_t high = in.count();
            arguments.emplace_back(static_cast<long long>(low | (high << 32U)));
            break;
        }
        case kTextTag: {
            const std::uint32_t size = in.count();
            if (size > kMaxMessageText)
                Reader::fail();
            arguments.emplace_back(in.text(size));
            break;
        }
        case kMessageTag:
            arguments.emplace_back(TakeMessage(in, depth + 1));
            break;
        default:
            Reader::fail();
        }
    }
    return Message(static_cast<MessageKind>(kind), std::move(arguments));
}

} // namespace

bool IsDatabaseMessageKind(MessageKind kind) {
    return kind >= MessageKind::DatabaseNameMissing && kind <= MessageKind::ReaderAnswerDamaged;
}

std::string EncodeDatabaseMessage(const Message& message) {
    std::string out;
    PutMessage(out, message);
    return out;
}

Message DecodeDatabaseMessage(std::string_view bytes) {
    Reader in(bytes);
    Message message = TakeMessage(in, 0);
    in.finish();
    return message;
}

std::string EncodeTableNames(const std::vector<std::string>& names) {
    std::string out;
    PutCount(out, names.size());
    for (const std::string& name : names)
        PutText(out, name);
    return out;
}

std::string EncodeMemberRows(const MemberRows& rows) {
    std::string out;
    std::size_t size = 8 + rows.fields.size() * 16;
    for (const auto& row : rows.rows) {
        for (const auto& value : row)
            size += 4 + (value ? value->size() : 0);
    }
    out.reserve(size);
    // Rows of no fields would take no bytes: the reader could not tell how many there are.
    if (rows.fields.empty() && !rows.rows.empty())
        throw DatabaseError(Message(MessageKind::ReaderRowsWithoutFields));
    PutCount(out, rows.fields.size());
    for (const std::string& field : rows.fields)
        PutText(out, field);
    PutCount(out, rows.rows.size());
    for (const auto& row : rows.rows) {
        if (row.size() != rows.fields.size())
            throw DatabaseError(Message(MessageKind::ReaderRowWrongWidth));
        for (const auto& value : row) {
            if (value)
                PutText(out, *value);
            else
                PutWord(out, kNull);
        }
    }
    return out;
}

std::vector<std::string> DecodeTableNames(std::string_view bytes) {
    Reader in(bytes);
    const std::uint32_t count = in.count();
    in.needItems(count, 4);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        names.push_back(in.text());
    in.finish();
    return names;
}

MemberRows DecodeMemberRows(std::string_view bytes) {
    Reader in(bytes);
    MemberRows rows;
    const std::uint32_t fieldCount = in.count();
    in.needItems(fieldCount, 4);
    rows.fields.reserve(fieldCount);
    for (std::uint32_t f = 0; f < fieldCount; ++f)
        rows.fields.push_back(in.text());
    const std::uint32_t rowCount = in.count();
    in.needItems(static_cast<std::uint64_t>(rowCount) * (fieldCount == 0 ? 1 : fieldCount), 4);
    CheckMemberTableSize(rowCount, fieldCount); // before anything is allocated for the rows
    rows.rows.resize(rowCount);
    for (auto& row : rows.rows) {
        row.resize(fieldCount);
        for (auto& value : row) {
            const std::uint32_t size = in.count();
            if (size != kNull)
                value = in.text(size);
        }
    }
    in.finish();
    return rows;
}

} // namespace ranvik
