#include "trees/RecordIo.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>

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

    FieldWriter& text(const RecordText& value) {
        if (codec_.isUtf8()) return bytes(value);
        return bytes(codec_.encode(value));
    }
    FieldWriter& number(std::int32_t value) {
        appendInt32(out_, value);
        return *this;
    }
    FieldWriter& byte(std::uint8_t value) {
        appendUInt8(out_, value);
        return *this;
    }

private:
    FieldWriter& bytes(std::string_view value) {
        if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw TreeError("Stream write error");
        }
        appendInt32(out_, static_cast<std::int32_t>(value.size()));
        out_.append(value);
        return *this;
    }

    std::string& out_;
    const TextCodec& codec_;
};

// Reads fields in order; after the first incomplete one the rest are left alone.
class FieldReader {
public:
    FieldReader(std::string_view bytes, const TextCodec& codec) : in_(bytes), codec_(codec) {}

    bool complete() const { return complete_; }

    FieldReader& text(RecordText& value) {
        std::int32_t count = 0;
        number(count);
        if (!complete_) return *this;
        if (count <= 0) {
            value.clear();
            return *this;
        }
        const std::string_view stored = in_.take(static_cast<std::size_t>(count));
        complete_ = stored.size() == static_cast<std::size_t>(count);
        if (codec_.isUtf8()) {
            value = stored;
        } else {
            value = codec_.decode(stored);
        }
        return *this;
    }
    FieldReader& number(std::int32_t& value) {
        if (complete_) complete_ = in_.readInt32(value);
        return *this;
    }
    FieldReader& byte(std::uint8_t& value) {
        if (complete_) complete_ = in_.readUInt8(value);
        return *this;
    }

private:
    ByteCursor in_;
    const TextCodec& codec_;
    bool complete_ = true;
};

// The fields of each record in the order the files hold them; `io` is a FieldWriter over a
// const record or a FieldReader over a record to fill.
template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, GoalRecord> {
    return io.text(r.text).text(r.description).text(r.note).number(r.kind).number(r.state).number(r.priority);
}

template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, LinkRecord> {
    return io.text(r.name)
        .text(r.url)
        .text(r.hotKey)
        .text(r.params)
        .text(r.dir)
        .number(r.kind)
        .text(r.accessDate)
        .text(r.note);
}

template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, PhraseRecord> {
    return io.text(r.name).text(r.text).text(r.hotKey).number(r.kind).text(r.note);
}

template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, EventRecord> {
    return io.text(r.text)
        .text(r.date)
        .text(r.time)
        .number(r.kind)
        .number(r.reserved1)
        .number(r.reserved2)
        .byte(r.weekDays)
        .text(r.note);
}

template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, ContactRecord> {
    return io.number(r.kind)
        .text(r.official)
        .text(r.firstName)
        .text(r.middleName)
        .text(r.lastName)
        .text(r.nickName)
        .text(r.address)
        .text(r.phone1)
        .text(r.phone2)
        .text(r.email)
        .text(r.webPage)
        .text(r.hotKey)
        .text(r.birthday)
        .text(r.nameDay)
        .text(r.specialDay)
        .text(r.note);
}

template <class Io, class R>
Io& fileFields(Io& io, R& r) requires std::is_same_v<std::remove_const_t<R>, TagRecord> {
    return io.text(r.name).number(r.kind);
}

template <class Record>
void writeFields(const Record& r, std::string& out, const TextCodec& codec) {
    FieldWriter writer(out, codec);
    fileFields(writer, r);
}

template <class Record>
bool readFields(std::string_view bytes, Record& r, const TextCodec& codec) {
    FieldReader reader(bytes, codec);
    return fileFields(reader, r).complete();
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
