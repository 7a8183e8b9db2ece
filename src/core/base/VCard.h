#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvalet {

// vCard files (versions 2.1, 3.0 and 4.0), read with tolerance and written strictly. The codec
// knows nothing of what a card means: a card is an ordered list of properties, and every property
// read from a file is written back as the very line it was read from (only the folding may
// differ) until something of it is changed.

// One parameter of a property. A 2.1 bare parameter ("TEL;HOME;VOICE:") reads as one parameter
// per value under the name it implies (TYPE, ENCODING or VALUE), so TEL;HOME;VOICE: and
// TEL;TYPE=HOME,VOICE: give the same values().
struct VCardParameter {
    std::string name;                 // as written
    std::vector<std::string> values;  // without their quotes; none for a parameter written bare
};

// One content line: [group "."] name *(";" parameter) ":" value.
class VCardProperty {
public:
    VCardProperty() = default;
    // A new property whose value is a text, escaped on output.
    VCardProperty(std::string name, std::string_view text);

    // The unfolded content line split into its parts, or nothing when it is no content line
    // (no name, a character a name may not hold, no ':'). `caretEncoded`: parameter values use
    // the ^' ^n ^^ escapes of vCard 4.0.
    static std::optional<VCardProperty> parse(std::string_view line, bool caretEncoded = false);

    const std::string& group() const { return group_; }
    const std::string& name() const { return name_; }
    // Compares the name without regard to ASCII case.
    bool is(std::string_view name) const;
    const std::vector<VCardParameter>& parameters() const { return parameters_; }
    // The values of every parameter of that name (any case), in order.
    std::vector<std::string> values(std::string_view parameterName) const;
    // True when a TYPE value (any case) is `type`.
    bool hasType(std::string_view type) const;

    // The value exactly as the line holds it: still escaped, still quoted-printable, still base64.
    const std::string& rawValue() const { return value_; }
    // ENCODING=QUOTED-PRINTABLE (or a bare QUOTED-PRINTABLE), as vCard 2.1 writes.
    bool isQuotedPrintable() const;
    // ENCODING=B or BASE64: the value is binary and only rawValue() means anything.
    bool isBinary() const;
    // False when CHARSET names a code page TextCodec does not know: text(), fields() and
    // components() then give the value's bytes unconverted.
    bool isCharsetKnown() const;
    // The value as a text: quoted-printable decoded, converted from CHARSET to UTF-8, and
    // unescaped (\\ \, \; \n \N; any other backslash stays as it is). A binary value as it is.
    std::string text() const;
    // A structured value (N, ADR, ORG, GENDER) split on unescaped ';', each part unescaped.
    std::vector<std::string> fields() const;
    // Split on unescaped ';' into components and each on unescaped ',' into a list.
    std::vector<std::vector<std::string>> components() const;

    // The unfolded line read from a file, while nothing of the property has been changed.
    const std::optional<std::string>& sourceLine() const { return source_; }
    bool isUnchanged() const { return source_.has_value(); }
    // The unfolded content line to write: the line as it was read while unchanged, else the
    // parts put together strictly (parameter values quoted when they hold ':', ';' or ',').
    // `caretEncoded` (vCard 4.0): parameter values escape ^, " and line breaks as ^^, ^' and ^n.
    // Throws Error for a name or group that a content line cannot hold, a line break in a raw
    // value, or a double quote or line break in a parameter value without `caretEncoded`.
    std::string contentLine(bool caretEncoded = true) const;

    // Every change forgets the line read from the file.
    void setGroup(std::string group);
    void setName(std::string name);
    // Replaces every parameter of that name by one with these values (where the first was).
    void setParameter(std::string_view name, std::vector<std::string> values);
    void addParameter(VCardParameter parameter);
    void removeParameter(std::string_view name);
    // A text, escaped; drops the ENCODING and CHARSET the old value was written in.
    void setText(std::string_view text);
    // A structured value from its components (each a list), escaped; drops ENCODING and CHARSET.
    void setComponents(const std::vector<std::vector<std::string>>& components);
    // A value written as it is (a URI, base64, a date).
    void setRawValue(std::string value);

    // The lines of a card nested in this one (an AGENT of vCard 2.1), unfolded and kept as read;
    // they are written right after this property.
    const std::vector<std::string>& nestedLines() const { return nested_; }
    void setNestedLines(std::vector<std::string> lines);

private:
    friend class VCardReader;

    void changed() { source_.reset(); }
    std::string decodedValue() const;
    void dropTransferEncoding();

    std::string group_;
    std::string name_;
    std::vector<VCardParameter> parameters_;
    std::string value_;
    std::vector<std::string> nested_;
    std::optional<std::string> source_;
};

// Escapes for text values and for the components of structured ones: \\ \, \; and \n for a line
// break (CRLF, LF or CR).
std::string escapeVCardText(std::string_view text);
// Undoes them; a backslash before any other character, or at the end, stays.
std::string unescapeVCardText(std::string_view text);

// One card: its properties in their order, without BEGIN and END.
class VCard {
public:
    const std::vector<VCardProperty>& properties() const { return properties_; }
    // The properties to change; forgets the text the card was read from.
    std::vector<VCardProperty>& editProperties();
    void add(VCardProperty property);

    // The first property of that name (any case), or null.
    const VCardProperty* find(std::string_view name) const;
    std::vector<const VCardProperty*> findAll(std::string_view name) const;
    // VERSION's value, empty when the card has none.
    std::string version() const;

    // The bytes the card was read from (BEGIN to the line end after END, as the file had them),
    // while nothing of it has been changed and it was read without fault; else empty.
    const std::string& sourceText() const { return source_; }

private:
    friend class VCardReader;

    std::vector<VCardProperty> properties_;
    std::string source_;
};

// Something a reader skipped or could not convert. The card keeps everything else.
struct VCardIssue {
    enum class Kind {
        BadLine,         // no content line: skipped
        OutsideCard,     // a content line before BEGIN:VCARD or after END:VCARD: skipped
        MissingEnd,      // the file or the next BEGIN:VCARD came before END:VCARD: card kept
        UnknownCharset,  // CHARSET names no code page known here: the value's bytes are kept
    };
    Kind kind = Kind::BadLine;
    std::size_t card = 0;  // 1 for the file's first card; 0 outside any card
    std::size_t line = 0;  // the line of the file (from 1) where the content line starts
    std::string text;      // the content line, unfolded
};

// Reads one card at a time, so a file of any number of cards never sits in memory at once.
// Tolerant: CRLF, LF or CR line ends, a byte-order mark, folded lines (a line that starts with a
// space or a tab continues the one before, less that one character), quoted-printable values
// continued by a soft break ("=" at the line end) onto the next line, base64 values of vCard 2.1
// continued up to a blank line, blank lines, lower-case names. A line that cannot be read is
// reported and skipped; a card without END ends at the end of the file or at the next BEGIN.
class VCardReader {
public:
    // Throws FileError when the stream fails while it is read.
    explicit VCardReader(std::istream& in);
    // Throws FileError "Cannot open file ..." when the file cannot be opened or read.
    explicit VCardReader(const std::filesystem::path& path);
    ~VCardReader();
    VCardReader(const VCardReader&) = delete;
    VCardReader& operator=(const VCardReader&) = delete;

    // The next card, or nothing at the end of the input.
    std::optional<VCard> next();
    // Everything reported so far, in the order met.
    const std::vector<VCardIssue>& issues() const { return issues_; }
    std::vector<VCardIssue> takeIssues();

private:
    struct Lines;
    struct Logical;

    bool nextLogical(Logical& logical);
    void report(VCardIssue::Kind kind, std::size_t line, std::string text);
    bool charsetKnown(const std::string& charset);

    std::unique_ptr<Lines> lines_;
    std::unique_ptr<Logical> held_;  // a BEGIN that ended a card without END
    std::size_t cards_ = 0;
    std::vector<VCardIssue> issues_;
    std::vector<std::pair<std::string, bool>> charsets_;
};

// Every card of a text, with what the reader reported into `issues` when given.
std::vector<VCard> readVCards(std::string_view bytes, std::vector<VCardIssue>* issues = nullptr);

// Writes cards strictly: CRLF, lines folded at 75 octets never inside a UTF-8 character (a
// quoted-printable value with soft breaks, never inside an =XX), BEGIN:VCARD, then VERSION, then
// the other properties in their order, then END:VCARD. A card without VERSION gets
// `defaultVersion`. In a card of vCard 2.1 a base64 value is followed by the blank line that ends it.
class VCardWriter {
public:
    // Throws FileError when the stream fails.
    explicit VCardWriter(std::ostream& out, std::string defaultVersion = "4.0");
    void write(const VCard& card);
    // An unchanged card as the bytes it was read from, any other as write() does.
    void writeAsRead(const VCard& card);

private:
    void put(std::string_view bytes);

    std::ostream& out_;
    std::string defaultVersion_;
    std::string buffer_;
};

// One card as write() gives it.
std::string toVCardText(const VCard& card, std::string_view defaultVersion = "4.0");
// Appends an unfolded content line folded at 75 octets, with its CRLF. `softBreaksFrom`: the
// offset of a quoted-printable value, which is folded with soft breaks; npos for any other line.
void appendFoldedLine(std::string& out, std::string_view line, std::size_t softBreaksFrom = std::string_view::npos);

}  // namespace torvalet
