#include "trees/RecordIo.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

#include "trees/ByteCursor.h"
#include "trees/LittleEndian.h"
#include "trees/RecordNode.h"
#include "trees/TreeError.h"

namespace torvalet {

namespace {

constexpr std::uint16_t kLoadedNodeHeight = 20;

class FieldWriter {
public:
    FieldWriter(std::string& out, const TextCodec& codec) : out_(out), codec_(codec) {}

    void field(const RecordText& value) {
        if (codec_.isUtf8()) return bytes(value);
        bytes(codec_.encode(value));
    }
    void field(std::int32_t value) { appendInt32(out_, value); }
    void field(std::uint8_t value) { appendUInt8(out_, value); }

private:
    void bytes(std::string_view value) {
        if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw TreeError("Stream write error");
        }
        appendInt32(out_, static_cast<std::int32_t>(value.size()));
        out_.append(value);
    }

    std::string& out_;
    const TextCodec& codec_;
};

// Reads fields in order; after the first incomplete one the rest are left alone.
class FieldReader {
public:
    FieldReader(std::string_view bytes, const TextCodec& codec) : in_(bytes), codec_(codec) {}

    bool complete() const { return complete_; }

    void field(RecordText& value) {
        std::int32_t count = 0;
        field(count);
        if (!complete_) return;
        if (count <= 0) {
            value.clear();
            return;
        }
        const std::string_view stored = in_.take(static_cast<std::size_t>(count));
        complete_ = stored.size() == static_cast<std::size_t>(count);
        if (codec_.isUtf8()) {
            value = stored;
        } else {
            value = codec_.decode(stored);
        }
    }
    void field(std::int32_t& value) {
        if (complete_) complete_ = in_.readInt32(value);
    }
    void field(std::uint8_t& value) {
        if (complete_) complete_ = in_.readUInt8(value);
    }

private:
    ByteCursor in_;
    const TextCodec& codec_;
    bool complete_ = true;
};

template <class Io, class Record, std::size_t... Place>
void fieldsInPlaces(Io& io, Record& r, std::index_sequence<Place...>) {
    using Fields = std::remove_const_t<Record>;
    static constexpr auto fields = Fields::fields();
    static constexpr auto order = fileOrder<Fields>();
    (io.field(r.*std::get<order[Place]>(fields).member), ...);
}

// Hands every field of the record to `io` in the order the files hold them; `io` is a FieldWriter
// over a const record or a FieldReader over a record to fill.
template <class Io, class Record>
void fileFields(Io& io, Record& r) {
    fieldsInPlaces(io, r, std::make_index_sequence<fieldCount<std::remove_const_t<Record>>>{});
}

template <class Record>
void writeFields(const Record& r, std::string& out, const TextCodec& codec) {
    FieldWriter writer(out, codec);
    fileFields(writer, r);
}

template <class Record>
bool readFields(std::string_view bytes, Record& r, const TextCodec& codec) {
    FieldReader reader(bytes, codec);
    fileFields(reader, r);
    return reader.complete();
}

}  // namespace

void writeRecord(const GoalRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }
void writeRecord(const LinkRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }
void writeRecord(const PhraseRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }
void writeRecord(const EventRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }
void writeRecord(const ContactRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }
void writeRecord(const TagRecord& r, std::string& out, const TextCodec& codec) { writeFields(r, out, codec); }

bool readRecord(std::string_view bytes, GoalRecord& r, const TextCodec& codec) { return readFields(bytes, r, codec); }
bool readRecord(std::string_view bytes, LinkRecord& r, const TextCodec& codec) { return readFields(bytes, r, codec); }
bool readRecord(std::string_view bytes, PhraseRecord& r, const TextCodec& codec) { return readFields(bytes, r, codec); }
bool readRecord(std::string_view bytes, EventRecord& r, const TextCodec& codec) { return readFields(bytes, r, codec); }
bool readRecord(std::string_view bytes, ContactRecord& r, const TextCodec& codec) {
    return readFields(bytes, r, codec);
}
bool readRecord(std::string_view bytes, TagRecord& r, const TextCodec& codec) { return readFields(bytes, r, codec); }

void writeNodeRecord(const TreeNode& node, std::string& out, const TextCodec& codec) {
    visitRecord(node, [&](const auto&... record) { (writeRecord(record, out, codec), ...); });
}

void readNodeRecord(TreeNode& node, std::string_view bytes, const TextCodec& codec) {
    if (node.family() == RecordFamily::None) return;
    node.setHeight(kLoadedNodeHeight);
    // Zero bytes read as the zero-filled record that a node without one has: it takes no memory.
    const auto zero = [](char c) { return c == 0; };
    if (!node.recordAllocated() && std::all_of(bytes.begin(), bytes.end(), zero)) return;
    visitRecord(node, [&](auto&... record) { (readRecord(bytes, record, codec), ...); });
}

}  // namespace torvalet
