#include "members/MemberRowsCodec.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

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
        throw std::runtime_error("too much data to hand over");
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
    // Each item takes at least minBytes: a count that cannot fit what is left is false.
    void needItems(std::uint64_t items, std::uint64_t minBytes) const {
        if (items * minBytes > left())
            fail();
    }
    void finish() const {
        if (left() != 0)
            fail();
    }

  private:
    std::size_t left() const { return bytes_.size() - at_; }
    void need(std::size_t size) const {
        if (size > left())
            fail();
    }
    [[noreturn]] static void fail() { throw std::runtime_error("the table data is damaged"); }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

} // namespace

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
        throw std::runtime_error("a table without fields cannot hold rows");
    PutCount(out, rows.fields.size());
    for (const std::string& field : rows.fields)
        PutText(out, field);
    PutCount(out, rows.rows.size());
    for (const auto& row : rows.rows) {
        if (row.size() != rows.fields.size())
            throw std::runtime_error("a row does not match the table's fields");
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
