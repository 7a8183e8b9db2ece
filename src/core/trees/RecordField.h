#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <tuple>
#include <type_traits>

namespace torvalet {

// One field of a node record: the name that the tree dumps print, the member that holds it (a
// RecordText, std::int32_t or std::uint8_t, which gives its form in the file) and its place among
// the fields of the tree stream, from 0.
template <class Record, class Value>
struct RecordField {
    const char* name;
    Value Record::*member;
    std::size_t filePlace;
};

template <class Record, class Value>
constexpr RecordField<Record, Value> recordField(const char* name, Value Record::*member, std::size_t filePlace) {
    return {name, member, filePlace};
}

// A record's field list, each field named once: Record::fields() gives the fields in the
// record's own order (the order of its members, of the dumps and of visitFields), and their
// places give the file order.
template <class Record>
concept NodeRecord = requires {
    Record::fields();
};

template <NodeRecord Record>
constexpr std::size_t fieldCount = std::tuple_size_v<decltype(Record::fields())>;

// fileOrder<Record>()[place] is the index, in the record's own order, of the field stored at
// that place of the file. Places that are not 0..count-1, each once, do not compile.
template <NodeRecord Record>
consteval std::array<std::size_t, fieldCount<Record>> fileOrder() {
    std::array<std::size_t, fieldCount<Record>> order{};
    std::array<bool, fieldCount<Record>> taken{};
    std::size_t index = 0;
    std::apply(
        [&](const auto&... field) {
            const auto place = [&](std::size_t filePlace) {
                if (filePlace >= order.size() || taken[filePlace]) throw std::logic_error("file places");
                taken[filePlace] = true;
                order[filePlace] = index++;
            };
            (place(field.filePlace), ...);
        },
        Record::fields());
    return order;
}

}  // namespace torvalet
