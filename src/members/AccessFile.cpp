#include "members/AccessFile.h"

#include "members/DatabaseError.h"
#include "platform/Files.h"

#include <mdbtools.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ranvik {

namespace {

constexpr int kOffsetMask = 0x1fff;         // row offsets on a data page carry flags above this
constexpr std::size_t kTextLimit = 16384;   // one Text value (255 characters) fits many times
constexpr std::size_t kMemoLimit = 1 << 20; // longer memos are cut here

std::string TakeGString(char* text) {
    std::string result = text ? text : "";
    g_free(text);
    return result;
}

template <typename Number> std::string ShortestText(Number value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string HexText(const unsigned char* bytes, std::size_t size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0f];
    }
    return text;
}

// Currency is a 64-bit count of ten-thousandths.
std::string MoneyText(const unsigned char* bytes) {
    std::uint64_t raw = 0;
    for (int i = 7; i >= 0; --i)
        raw = (raw << 8) | bytes[i];
    const bool negative = static_cast<std::int64_t>(raw) < 0;
    const std::uint64_t magnitude = negative ? ~raw + 1 : raw;
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

// Year, month and day of a count of days since 1970-01-01 (proleptic Gregorian calendar).
void CivilFromDays(long long z, long long& year, unsigned& month, unsigned& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<long long>(yoe) + era * 400 + (month <= 2);
}

// A date/time is days since 1899-12-30 with the time of day as the fraction (also below
// zero, where the fraction still counts forward); the time is left out at midnight.
std::string DateText(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        return ShortestText(value);
    long long days = static_cast<long long>(std::trunc(value));
    long long seconds = std::llround(std::fabs(value - std::trunc(value)) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    long long year = 0;
    unsigned month = 0, day = 0;
    CivilFromDays(days - 25569, year, month, day);
    char buffer[80];
    if (seconds == 0)
        std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u", year, month, day);
    else
        std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u %02lld:%02lld:%02lld", year, month,
                      day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buffer;
}

bool FitsPage(const MdbHandle* mdb, const MdbField& field, int size) {
    return field.start >= 0 && size >= 0 && field.start + size <= mdb->fmt->pg_size;
}

// The text of one non-NULL field of the row that sits on the current page. Numbers are
// formatted here rather than by the library so that the result never depends on the locale.
std::string FieldText(MdbHandle* mdb, const MdbColumn& col, const MdbField& field) {
    const unsigned char* page = mdb->pg_buf;
    const int start = field.start;
    auto fixed = [&](int size) {
        if (!FitsPage(mdb, field, size))
            throw std::runtime_error("damaged row");
        return page + start;
    };
    switch (col.col_type) {
    case MDB_BYTE:
        return std::to_string(*fixed(1));
    case MDB_INT:
        fixed(2);
        return std::to_string(static_cast<std::int16_t>(mdb_get_int16(mdb->pg_buf, start)));
    case MDB_LONGINT:
    case MDB_COMPLEX:
        fixed(4);
        return std::to_string(static_cast<std::int32_t>(mdb_get_int32(mdb->pg_buf, start)));
    case MDB_FLOAT:
        fixed(4);
        return ShortestText(mdb_get_single(mdb->pg_buf, start));
    case MDB_DOUBLE:
        fixed(8);
        return ShortestText(mdb_get_double(mdb->pg_buf, start));
    case MDB_DATETIME:
        fixed(8);
        return DateText(mdb_get_double(mdb->pg_buf, start));
    case MDB_MONEY:
        return MoneyText(fixed(8));
    case MDB_NUMERIC:
        fixed(17);
        return TakeGString(mdb_numeric_to_string(mdb, start, col.col_scale, col.col_prec));
    case MDB_REPID:
        return TakeGString(mdb_uuid_to_string(fixed(16), 0));
    case MDB_BINARY:
        return HexText(fixed(field.siz), static_cast<std::size_t>(field.siz));
    case MDB_OLE:
        return "(OLE object)";
    case MDB_TEXT:
    case MDB_MEMO: {
        fixed(field.siz);
        mdb_set_bind_size(mdb, col.col_type == MDB_MEMO ? kMemoLimit : kTextLimit);
        return TakeGString(mdb_col_to_string(mdb, mdb->pg_buf, start, col.col_type, field.siz));
    }
    default:
        return {};
    }
}

std::optional<std::string> FieldValue(MdbHandle* mdb, const MdbColumn& col, const MdbField& field) {
    // A Yes/No field keeps its value in the null bit: it is never NULL.
    if (col.col_type == MDB_BOOL)
        return field.is_null ? "False" : "True";
    if (field.is_null)
        return std::nullopt;
    return FieldText(mdb, col, field);
}

struct TableDef {
    MdbTableDef* def = nullptr;
    ~TableDef() {
        if (def)
            mdb_free_tabledef(def);
    }
};

// Each row of the table cracked from its page in turn, for visit(fields, row number). A file
// cut short reads its missing pages as zeros, which the library takes for rows of no fields,
// or for no rows, without a warning: each row's own count of fields (at least one, at most
// the table's, as rows written before a field was added have fewer) and the number of rows
// the table declares are checked. Gives why the table cannot be read whole; empty when it was.
template <typename Visit>
std::optional<Message> ForEachRow(MdbHandle* mdb, MdbTableDef* def, const std::string& table,
                                  Visit visit) {
    std::vector<MdbField> fields(def->num_cols);
    std::size_t rows = 0;
    mdb_rewind_table(def);
    while (mdb_fetch_row(def)) {
        ++rows;
        int start = 0;
        size_t size = 0;
        const bool found =
            mdb_find_row(mdb, static_cast<int>(def->cur_row) - 1, &start, &size) == 0;
        const int rowFields =
            found ? mdb_crack_row(def, start & kOffsetMask, size, fields.data()) : 0;
        if (rowFields < 1 || static_cast<unsigned int>(rowFields) > def->num_cols)
            return Message(MessageKind::TableRowUnreadable, {rows, table});
        visit(fields, rows);
    }
    if (rows != def->num_rows)
        return Message(MessageKind::TableRowsMissing, {table, def->num_rows, rows});
    return std::nullopt;
}

// The catalog is the table MSysObjects on page 2; the library reads it without checking that
// its usage map was found, as it does for every table, nor that its rows are all there.
bool CatalogIsWhole(MdbHandle* mdb) {
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = 2;
    std::snprintf(catalog.object_name, sizeof catalog.object_name, "MSysObjects");
    TableDef tableDef;
    tableDef.def = mdb_read_table(&catalog);
    return tableDef.def && tableDef.def->usage_map && tableDef.def->map_sz >= 1 &&
           mdb_read_columns(tableDef.def) &&
           !ForEachRow(mdb, tableDef.def, "MSysObjects", [](const auto&, std::size_t) {});
}

} // namespace

struct AccessFile::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb)
            mdb_close(mdb);
    }
};

AccessFile::AccessFile(const std::string& path) : handle_(std::make_unique<Handle>()), path_(path) {
    handle_->mdb = mdb_open(platform::NameForNarrowLibrary(path).c_str(), MDB_NOFLAGS);
    if (!handle_->mdb)
        throw DatabaseError(Message(MessageKind::AccessCannotOpen, {path}));
    if (!CatalogIsWhole(handle_->mdb) || !mdb_read_catalog(handle_->mdb, MDB_TABLE))
        throw DatabaseError(Message(MessageKind::AccessTableListDamaged, {path}));
}

AccessFile::~AccessFile() = default;

std::vector<std::string> AccessFile::tables() const {
    std::vector<std::string> names;
    MdbHandle* mdb = handle_->mdb;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry))
            continue;
        const std::string name = entry->object_name;
        if (name.rfind("MSys", 0) == 0)
            continue;
        names.push_back(name);
    }
    return names;
}

MemberRows AccessFile::readTable(const std::string& table) {
    MdbHandle* mdb = handle_->mdb;
    auto damaged = [&]() {
        return DatabaseError(Message(MessageKind::TableUnreadable, {table, path_}));
    };
    MdbCatalogEntry* entry = nullptr;
    for (unsigned int i = 0; i < mdb->num_catalog && !entry; ++i) {
        auto* candidate = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE && table == candidate->object_name)
            entry = candidate;
    }
    if (!entry)
        throw DatabaseError(Message(MessageKind::DatabaseHasNoTable, {table}));

    TableDef tableDef;
    tableDef.def = mdb_read_table(entry);
    if (!tableDef.def || !mdb_read_columns(tableDef.def))
        throw damaged();
    MdbTableDef* def = tableDef.def;
    // The library follows the usage map without checking that it was found.
    if (!def->usage_map || def->map_sz < 1)
        throw damaged();

    MemberRows result;
    std::vector<const MdbColumn*> columns;
    for (unsigned int c = 0; c < def->num_cols; ++c) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, c));
        columns.push_back(col);
        result.fields.emplace_back(col->name);
    }

    // Each fetched row is cracked again from the page: that is where NULL and the empty
    // text, which the library's bound values both give as "", can be told apart.
    const std::optional<Message> cut =
        ForEachRow(mdb, def, table, [&](const std::vector<MdbField>& fields, std::size_t number) {
            try {
                CheckMemberTableSize(number, columns.size());
            } catch (const DatabaseError& e) {
                throw DatabaseError(
                    Message(MessageKind::TableUnreadableBecause, {table, path_, e.message()}));
            }
            std::vector<std::optional<std::string>> row(columns.size());
            for (const MdbField& field : fields) {
                const auto colnum = static_cast<std::size_t>(field.colnum);
                if (colnum >= columns.size())
                    throw damaged();
                try {
                    row[colnum] = FieldValue(mdb, *columns[colnum], field);
                } catch (const std::runtime_error&) {
                    throw damaged();
                }
            }
            result.rows.push_back(std::move(row));
        });
    if (cut)
        throw DatabaseError(Message(MessageKind::AccessDamaged, {path_, *cut}));
    return result;
}

} // namespace ranvik
