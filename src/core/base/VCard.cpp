#include "base/VCard.h"

#include <algorithm>
#include <array>
#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Text.h"

namespace torvalet {

namespace {

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

// Names and groups: letters, digits, '-' and, as some programs write, '_'.
bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool isName(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), isNameChar); }

// The offset of the first ':' outside double quotes, or npos.
std::size_t valueColon(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ':' && !quoted) return i;
    }
    return std::string_view::npos;
}

// What a bare parameter of vCard 2.1 stands for.
std::string impliedParameterName(std::string_view value) {
    for (const char* encoding : {"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT"})
        if (sameAscii(value, encoding)) return "ENCODING";
    for (const char* kind : {"INLINE", "URL", "CONTENT-ID", "CID"})
        if (sameAscii(value, kind)) return "VALUE";
    return "TYPE";
}

std::string caretDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '^' || next == '\'' || next == 'n' || next == 'N') {
                out += next == '^' ? '^' : next == '\'' ? '"' : '\n';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Splits a parameter's text after '=' on ',' outside quotes and takes the quotes away.
std::vector<std::string> parameterValues(std::string_view text, bool caretEncoded) {
    std::vector<std::string> values;
    std::string current;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            values.push_back(caretEncoded ? caretDecoded(current) : current);
            current.clear();
        } else {
            current += c;
        }
    }
    values.push_back(caretEncoded ? caretDecoded(current) : current);
    return values;
}

// Splits the parameters' part of a line ("NAME;A=1;B" after the name) on ';' outside quotes.
std::vector<std::string_view> splitParameters(std::string_view text) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == ';' && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Quoted-printable to bytes; an '=' that starts no =XX stays as it is.
std::string quotedPrintableDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            const int high = hexDigit(text[i + 1]);
            const int low = hexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::optional<TextCodec> codecFor(const std::string& charset) {
    try {
        return TextCodec(charset);
    } catch (const Error&) {
        // An unknown code page: the caller keeps the bytes and says so.
        return std::nullopt;
    }
}

// Splits on `separator` where no backslash escapes it; the parts stay escaped.
std::vector<std::string_view> splitUnescaped(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool needsQuotes(std::string_view value) { return value.find_first_of(":;,") != std::string_view::npos; }

// A parameter value for output, quoted when it must be. vCard 4.0 caret-escapes ^, " and line
// breaks; the older versions have no way to write the last two.
std::string parameterValueText(std::string_view value, bool caretEncoded) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (!caretEncoded && (c == '"' || c == '\r' || c == '\n')) {
            throw Error("A parameter value before vCard 4.0 cannot hold a double quote or a line break: " +
                        std::string(value));
        } else if (c == '^' && caretEncoded) {
            text += "^^";
        } else if (c == '"') {
            text += "^'";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            text += "^n";
        } else {
            text += c;
        }
    }
    return needsQuotes(text) ? '"' + text + '"' : text;
}

void requireName(std::string_view what, std::string_view name) {
    if (!isName(name)) throw Error("A vCard " + std::string(what) + " cannot be \"" + std::string(name) + "\"");
}

bool isBase64Char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' ||
           c == '=' || c == ' ' || c == '\t';
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// +1 for a line that begins a card, -1 for one that ends it, 0 for any other.
int cardNesting(std::string_view line) {
    const std::string text = trimmed(line);
    return sameAscii(text, "BEGIN:VCARD") ? 1 : sameAscii(text, "END:VCARD") ? -1 : 0;
}

// The upper-cased part of a line before its value.
std::string upperHead(std::string_view line) {
    std::string head(line.substr(0, std::min(valueColon(line), line.size())));
    std::transform(head.begin(), head.end(), head.begin(), upperAscii);
    return head;
}

}  // namespace

// ---- properties ----

VCardProperty::VCardProperty(std::string name, std::string_view text) : name_(std::move(name)) { setText(text); }

std::optional<VCardProperty> VCardProperty::parse(std::string_view line, bool caretEncoded) {
    const std::size_t colon = valueColon(line);
    if (colon == std::string_view::npos) return std::nullopt;
    const std::vector<std::string_view> parts = splitParameters(line.substr(0, colon));
    VCardProperty property;
    std::string_view name = parts.front();
    if (const std::size_t dot = name.find('.'); dot != std::string_view::npos) {
        property.group_ = name.substr(0, dot);
        name = name.substr(dot + 1);
        if (!isName(property.group_)) return std::nullopt;
    }
    if (!isName(name)) return std::nullopt;
    property.name_ = name;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) {
            const std::string bare = trimmed(part);
            if (bare.empty()) continue;  // "TEL;;HOME:" as some phones write
            if (!isName(bare)) return std::nullopt;
            property.parameters_.push_back({impliedParameterName(bare), {bare}});
            continue;
        }
        const std::string parameterName = trimmed(part.substr(0, equals));
        if (!isName(parameterName)) return std::nullopt;
        property.parameters_.push_back({parameterName, parameterValues(part.substr(equals + 1), caretEncoded)});
    }
    property.value_ = line.substr(colon + 1);
    property.source_ = std::string(line);
    return property;
}

bool VCardProperty::is(std::string_view name) const { return sameAscii(name_, name); }

std::vector<std::string> VCardProperty::values(std::string_view parameterName) const {
    std::vector<std::string> found;
    for (const VCardParameter& parameter : parameters_)
        if (sameAscii(parameter.name, parameterName))
            found.insert(found.end(), parameter.values.begin(), parameter.values.end());
    return found;
}

bool VCardProperty::hasType(std::string_view type) const {
    // A quoted list (TYPE="voice,cell") names each of its types.
    for (const std::string& types : values("TYPE"))
        for (const std::string_view one : splitUnescaped(types, ','))
            if (sameAscii(trimmed(one), type)) return true;
    return false;
}

bool VCardProperty::isQuotedPrintable() const {
    const std::vector<std::string> encodings = values("ENCODING");
    return std::any_of(encodings.begin(), encodings.end(),
                       [](const std::string& e) { return sameAscii(e, "QUOTED-PRINTABLE"); });
}

bool VCardProperty::isBinary() const {
    const std::vector<std::string> encodings = values("ENCODING");
    return std::any_of(encodings.begin(), encodings.end(),
                       [](const std::string& e) { return sameAscii(e, "B") || sameAscii(e, "BASE64"); });
}

bool VCardProperty::isCharsetKnown() const {
    const std::vector<std::string> charsets = values("CHARSET");
    return charsets.empty() || codecFor(charsets.front()).has_value();
}

std::string VCardProperty::decodedValue() const {
    std::string bytes = isQuotedPrintable() ? quotedPrintableDecoded(value_) : value_;
    const std::vector<std::string> charsets = values("CHARSET");
    if (charsets.empty()) return bytes;
    const std::optional<TextCodec> codec = codecFor(charsets.front());
    return codec ? codec->decode(bytes) : bytes;
}

std::string VCardProperty::text() const { return isBinary() ? value_ : unescapeVCardText(decodedValue()); }

std::vector<std::string> VCardProperty::fields() const {
    const std::string decoded = decodedValue();
    std::vector<std::string> out;
    for (const std::string_view part : splitUnescaped(decoded, ';')) out.push_back(unescapeVCardText(part));
    return out;
}

std::vector<std::vector<std::string>> VCardProperty::components() const {
    const std::string decoded = decodedValue();
    std::vector<std::vector<std::string>> out;
    for (const std::string_view component : splitUnescaped(decoded, ';')) {
        std::vector<std::string>& list = out.emplace_back();
        for (const std::string_view item : splitUnescaped(component, ',')) list.push_back(unescapeVCardText(item));
    }
    return out;
}

std::string VCardProperty::contentLine(bool caretEncoded) const {
    if (source_) return *source_;
    std::string line;
    if (!group_.empty()) {
        requireName("group", group_);
        line += group_ + '.';
    }
    requireName("property name", name_);
    line += name_;
    for (const VCardParameter& parameter : parameters_) {
        requireName("parameter name", parameter.name);
        line += ';' + parameter.name;
        for (std::size_t i = 0; i < parameter.values.size(); ++i)
            line += (i == 0 ? "=" : ",") + parameterValueText(parameter.values[i], caretEncoded);
    }
    if (hasLineBreak(value_)) throw Error("A vCard value cannot hold a line break: " + name_);
    line += ':' + value_;
    return line;
}

void VCardProperty::setGroup(std::string group) {
    group_ = std::move(group);
    changed();
}

void VCardProperty::setName(std::string name) {
    name_ = std::move(name);
    changed();
}

void VCardProperty::setParameter(std::string_view name, std::vector<std::string> values) {
    const auto first = std::find_if(parameters_.begin(), parameters_.end(),
                                    [&](const VCardParameter& p) { return sameAscii(p.name, name); });
    if (first == parameters_.end()) {
        parameters_.push_back({std::string(name), std::move(values)});
    } else {
        first->values = std::move(values);
        std::erase_if(parameters_, [&](const VCardParameter& p) { return &p > &*first && sameAscii(p.name, name); });
    }
    changed();
}

void VCardProperty::addParameter(VCardParameter parameter) {
    parameters_.push_back(std::move(parameter));
    changed();
}

void VCardProperty::removeParameter(std::string_view name) {
    std::erase_if(parameters_, [&](const VCardParameter& p) { return sameAscii(p.name, name); });
    changed();
}

void VCardProperty::dropTransferEncoding() {
    std::erase_if(parameters_, [](const VCardParameter& p) {
        return sameAscii(p.name, "CHARSET") ||
               (sameAscii(p.name, "ENCODING") && std::all_of(p.values.begin(), p.values.end(), [](const auto& v) {
                    return sameAscii(v, "QUOTED-PRINTABLE") || sameAscii(v, "8BIT") || sameAscii(v, "7BIT");
                }));
    });
}

void VCardProperty::setText(std::string_view text) {
    dropTransferEncoding();
    value_ = escapeVCardText(text);
    changed();
}

void VCardProperty::setComponents(const std::vector<std::vector<std::string>>& components) {
    dropTransferEncoding();
    value_.clear();
    for (std::size_t c = 0; c < components.size(); ++c) {
        if (c > 0) value_ += ';';
        for (std::size_t i = 0; i < components[c].size(); ++i) {
            if (i > 0) value_ += ',';
            value_ += escapeVCardText(components[c][i]);
        }
    }
    changed();
}

void VCardProperty::setRawValue(std::string value) {
    value_ = std::move(value);
    changed();
}

void VCardProperty::setNestedLines(std::vector<std::string> lines) {
    nested_ = std::move(lines);
    changed();
}

std::string escapeVCardText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ',': out += "\\,"; break;
        case ';': out += "\\;"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
            break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescapeVCardText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '\\' || next == ',' || next == ';') {
                out += next;
                ++i;
                continue;
            }
            if (next == 'n' || next == 'N') {
                out += '\n';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// ---- cards ----

std::vector<VCardProperty>& VCard::editProperties() {
    source_.clear();
    return properties_;
}

void VCard::add(VCardProperty property) {
    source_.clear();
    properties_.push_back(std::move(property));
}

const VCardProperty* VCard::find(std::string_view name) const {
    for (const VCardProperty& property : properties_)
        if (property.is(name)) return &property;
    return nullptr;
}

std::vector<const VCardProperty*> VCard::findAll(std::string_view name) const {
    std::vector<const VCardProperty*> found;
    for (const VCardProperty& property : properties_)
        if (property.is(name)) found.push_back(&property);
    return found;
}

std::string VCard::version() const {
    const VCardProperty* version = find("VERSION");
    return version ? trimmed(version->rawValue()) : std::string();
}

// ---- reading ----

namespace {

// How the lines after the first of a content line may continue it: folded (a leading space or
// tab), with quoted-printable soft breaks, or as a base64 block of vCard 2.1, whose lines need no
// indent and which a blank line ends. Told by the parameters as the property itself reads them,
// so that the writer, which folds by the same parameters, is read back as it wrote.
enum class Continuation { Folds, SoftBreaks, Base64Block };

Continuation continuationOf(std::string_view line) {
    const std::string head = upperHead(line);
    if (head.find("QUOTED-PRINTABLE") == std::string::npos && head.find("BASE64") == std::string::npos)
        return Continuation::Folds;
    const std::optional<VCardProperty> property = VCardProperty::parse(line);
    if (!property) return Continuation::Folds;
    if (property->isQuotedPrintable()) return Continuation::SoftBreaks;
    const std::vector<std::string> encodings = property->values("ENCODING");
    const bool base64 =
        std::any_of(encodings.begin(), encodings.end(), [](const std::string& e) { return sameAscii(e, "BASE64"); });
    return base64 ? Continuation::Base64Block : Continuation::Folds;
}

}  // namespace

// The physical lines of the input, each without and with its line end.
struct VCardReader::Lines {
    std::function<std::size_t(char*, std::size_t)> read;
    std::array<char, 65536> buffer{};
    std::size_t begin = 0;
    std::size_t end = 0;
    bool atEnd = false;
    bool first = true;
    std::size_t number = 0;
    // A line read ahead to see whether it continues the one before, and the next one to use.
    std::string ahead;
    std::string aheadSource;
    std::string pending;
    std::string pendingSource;
    std::size_t pendingNumber = 0;
    bool hasPending = false;

    bool fill() {
        if (atEnd) return false;
        begin = 0;
        end = read(buffer.data(), buffer.size());
        if (end == 0) atEnd = true;
        return end > 0;
    }

    // False at the end of the input.
    bool next(std::string& line, std::string& source) {
        line.clear();
        source.clear();
        bool any = false;
        while (true) {
            if (begin == end && !fill()) break;
            any = true;
            const char* from = buffer.data() + begin;
            const char* stop = buffer.data() + end;
            const char* brk = std::find_if(from, stop, [](char c) { return c == '\r' || c == '\n'; });
            line.append(from, brk);
            source.append(from, brk);
            begin = static_cast<std::size_t>(brk - buffer.data());
            if (brk == stop) continue;
            const char ending = *brk;
            source += ending;
            ++begin;
            if (ending == '\r') {
                if (begin == end) fill();
                if (begin < end && buffer[begin] == '\n') {
                    source += '\n';
                    ++begin;
                }
            }
            break;
        }
        if (!any) return false;
        if (first) {
            first = false;
            if (line.starts_with("\xEF\xBB\xBF")) {
                line.erase(0, 3);
                source.erase(0, 3);
            }
        }
        ++number;
        return true;
    }
};

struct VCardReader::Logical {
    std::string text;    // unfolded
    std::string source;  // the bytes it was read from
    std::size_t line = 0;
};

namespace {

std::size_t readStream(std::istream& in, char* into, std::size_t count) {
    in.read(into, static_cast<std::streamsize>(count));
    if (in.bad()) throw FileError("Cannot read the vCard input");
    return static_cast<std::size_t>(in.gcount());
}

}  // namespace

VCardReader::VCardReader(std::istream& in) : lines_(std::make_unique<Lines>()) {
    lines_->read = [&in](char* into, std::size_t count) { return readStream(in, into, count); };
}

VCardReader::VCardReader(const std::filesystem::path& path) : lines_(std::make_unique<Lines>()) {
    auto file = std::make_shared<FileReader>(path);
    lines_->read = [file](char* into, std::size_t count) { return file->read(into, count); };
}

VCardReader::~VCardReader() = default;

std::vector<VCardIssue> VCardReader::takeIssues() { return std::exchange(issues_, {}); }

void VCardReader::report(VCardIssue::Kind kind, std::size_t line, std::string text) {
    issues_.push_back({kind, kind == VCardIssue::Kind::OutsideCard ? 0 : cards_, line, std::move(text)});
}

bool VCardReader::charsetKnown(const std::string& charset) {
    for (const auto& [name, known] : charsets_)
        if (sameAscii(name, charset)) return known;
    const bool known = codecFor(charset).has_value();
    charsets_.emplace_back(charset, known);
    return known;
}

bool VCardReader::nextLogical(Logical& logical) {
    Lines& lines = *lines_;
    if (!lines.hasPending) {
        if (!lines.next(lines.pending, lines.pendingSource)) return false;
        lines.pendingNumber = lines.number;
    }
    lines.hasPending = false;
    logical.text = std::move(lines.pending);
    logical.source = std::move(lines.pendingSource);
    logical.line = lines.pendingNumber;
    std::string& ahead = lines.ahead;
    std::string& aheadSource = lines.aheadSource;
    // Known once the line holds its value's ':', after which the parameters cannot change.
    std::optional<Continuation> continuation;
    while (true) {
        if (!continuation && valueColon(logical.text) != std::string::npos) continuation = continuationOf(logical.text);
        if (!lines.next(ahead, aheadSource)) break;
        if (continuation == Continuation::SoftBreaks && logical.text.ends_with('=')) {
            logical.text.pop_back();
            logical.text += ahead;
        } else if (!ahead.empty() && (ahead.front() == ' ' || ahead.front() == '\t')) {
            logical.text.append(ahead, 1);
        } else if (continuation == Continuation::Base64Block && !ahead.empty() &&
                   std::all_of(ahead.begin(), ahead.end(), isBase64Char)) {
            logical.text += ahead;
        } else {
            std::swap(lines.pending, ahead);
            std::swap(lines.pendingSource, aheadSource);
            lines.pendingNumber = lines.number;
            lines.hasPending = true;
            break;
        }
        logical.source += aheadSource;
    }
    return true;
}

std::optional<VCard> VCardReader::next() {
    std::optional<VCard> card;
    bool damaged = false;
    bool caretEncoded = false;
    std::string source;
    Logical logical;
    const auto finish = [&]() {
        if (!damaged) card->source_ = std::move(source);
        return std::move(card);
    };
    while (true) {
        if (held_) {
            logical = std::move(*held_);
            held_.reset();
        } else if (!nextLogical(logical)) {
            break;
        }
        if (isBlank(logical.text)) {
            if (card) source += logical.source;
            continue;
        }
        std::optional<VCardProperty> property = VCardProperty::parse(logical.text, caretEncoded);
        const bool begins = property && property->is("BEGIN") && sameAscii(trimmed(property->rawValue()), "VCARD");
        const bool ends = property && property->is("END") && sameAscii(trimmed(property->rawValue()), "VCARD");
        if (!card) {
            if (begins) {
                card.emplace();
                ++cards_;
                source = logical.source;
            } else {
                report(VCardIssue::Kind::OutsideCard, logical.line, logical.text);
            }
            continue;
        }
        if (begins) {
            auto& properties = card->editProperties();
            if (!properties.empty() && properties.back().is("AGENT") && trimmed(properties.back().rawValue()).empty()) {
                // A card nested in this one: kept line by line as it was read.
                std::vector<std::string> nested{logical.text};
                source += logical.source;
                int depth = 1;
                while (depth > 0 && nextLogical(logical)) {
                    source += logical.source;
                    if (isBlank(logical.text)) continue;
                    depth += cardNesting(logical.text);
                    nested.push_back(logical.text);
                }
                if (depth > 0) {
                    // The file ended inside the nested card: it is closed so that it cannot
                    // take the END of the card around it when written back.
                    report(VCardIssue::Kind::MissingEnd, lines_->number, {});
                    damaged = true;
                    nested.insert(nested.end(), static_cast<std::size_t>(depth), "END:VCARD");
                }
                // Read with the card, not changed: the property keeps its line.
                properties.back().nested_ = std::move(nested);
                continue;
            }
            report(VCardIssue::Kind::MissingEnd, logical.line, logical.text);
            damaged = true;
            held_ = std::make_unique<Logical>(std::move(logical));
            return finish();
        }
        source += logical.source;
        if (ends) return finish();
        // BEGIN and END of anything but a card have no place in one, and no writer could put them back.
        if (!property || property->is("BEGIN") || property->is("END")) {
            report(VCardIssue::Kind::BadLine, logical.line, logical.text);
            damaged = true;
            continue;
        }
        if (property->is("VERSION") && trimmed(property->rawValue()) == "4.0") caretEncoded = true;
        const std::vector<std::string> charsets = property->values("CHARSET");
        if (!charsets.empty() && !charsetKnown(charsets.front())) {
            report(VCardIssue::Kind::UnknownCharset, logical.line, logical.text);
        }
        card->editProperties().push_back(std::move(*property));
    }
    if (!card) return std::nullopt;
    report(VCardIssue::Kind::MissingEnd, lines_->number, {});
    damaged = true;
    return finish();
}

std::vector<VCard> readVCards(std::string_view bytes, std::vector<VCardIssue>* issues) {
    std::istringstream in{std::string(bytes)};
    VCardReader reader(in);
    std::vector<VCard> cards;
    while (std::optional<VCard> card = reader.next()) cards.push_back(std::move(*card));
    if (issues) *issues = reader.takeIssues();
    return cards;
}

// ---- writing ----

void appendFoldedLine(std::string& out, std::string_view line, std::size_t softBreaksFrom) {
    constexpr std::size_t kOctets = 75;
    const bool soft = softBreaksFrom != std::string_view::npos;
    std::size_t pos = 0;
    bool firstLine = true;
    while (true) {
        // A folded line starts with a space, which counts; a soft break ends with '=', which counts.
        const std::size_t room = soft ? kOctets - 1 : (firstLine ? kOctets : kOctets - 1);
        if (line.size() - pos <= (soft ? kOctets : room)) break;
        std::size_t cut = pos + room;
        if (soft) {
            if (cut > 0 && line[cut - 1] == '=')
                cut -= 1;
            else if (cut > 1 && line[cut - 2] == '=')
                cut -= 2;
        }
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        if (soft && cut <= softBreaksFrom) {
            // The name and parameters are never broken; the line is as long as they make it.
            cut = softBreaksFrom;
            if (cut <= pos) cut = pos + room;
        }
        if (cut <= pos) cut = pos + room;  // no character boundary in reach: bytes that are no UTF-8
        out.append(line.substr(pos, cut - pos));
        out += soft ? "=\r\n" : "\r\n ";
        pos = cut;
        firstLine = false;
    }
    out.append(line.substr(pos));
    out += "\r\n";
}

namespace {

void appendProperty(std::string& out, const VCardProperty& property, const std::string& version) {
    const bool version21 = version == "2.1";
    const std::string line = property.contentLine(version == "4.0");
    const bool quotedPrintable = property.isQuotedPrintable();
    appendFoldedLine(out, line, quotedPrintable ? valueColon(line) + 1 : std::string_view::npos);
    if (version21 && property.isBinary()) out += "\r\n";
    const std::vector<std::string>& lines = property.nestedLines();
    if (!lines.empty() && cardNesting(lines.front()) != 1)
        throw Error("The card nested in a vCard " + property.name() + " does not begin with BEGIN:VCARD");
    int depth = 0;
    for (const std::string& nested : lines) {
        depth += cardNesting(nested);
        if (depth <= 0 && &nested != &lines.back())
            throw Error("The card nested in a vCard " + property.name() + " ends before its last line");
        appendFoldedLine(out, nested);
    }
    if (depth != 0) throw Error("The card nested in a vCard " + property.name() + " does not end");
}

void appendCard(std::string& out, const VCard& card, std::string_view defaultVersion) {
    out += "BEGIN:VCARD\r\n";
    const VCardProperty* version = card.find("VERSION");
    const std::string versionText = version ? trimmed(version->rawValue()) : std::string(defaultVersion);
    if (version) {
        appendProperty(out, *version, versionText);
    } else {
        out += "VERSION:";
        out += defaultVersion;
        out += "\r\n";
    }
    for (const VCardProperty& property : card.properties()) {
        if (&property == version) continue;
        if (property.is("BEGIN") || property.is("END"))
            throw Error("A vCard property cannot be named " + property.name());
        appendProperty(out, property, versionText);
    }
    out += "END:VCARD\r\n";
}

}  // namespace

VCardWriter::VCardWriter(std::ostream& out, std::string defaultVersion)
    : out_(out), defaultVersion_(std::move(defaultVersion)) {}

void VCardWriter::put(std::string_view bytes) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out_) throw FileError("Cannot write the vCard output");
}

void VCardWriter::write(const VCard& card) {
    buffer_.clear();
    appendCard(buffer_, card, defaultVersion_);
    put(buffer_);
}

void VCardWriter::writeAsRead(const VCard& card) {
    if (card.sourceText().empty()) {
        write(card);
    } else {
        put(card.sourceText());
    }
}

std::string toVCardText(const VCard& card, std::string_view defaultVersion) {
    std::string out;
    appendCard(out, card, defaultVersion);
    return out;
}

}  // namespace torvalet
