#include "event/json_limits.h"

#include <optional>

namespace rl::event::detail {

namespace {

// Where the bytes first stop being UTF-8 (no overlong forms, no surrogates).
std::optional<std::size_t> firstNonUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        unsigned min = 0, code = lead;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) length = 2, min = 0x80, code = lead & 0x1F;
            else if ((lead & 0xF0) == 0xE0) length = 3, min = 0x800, code = lead & 0x0F;
            else if ((lead & 0xF8) == 0xF0) length = 4, min = 0x10000, code = lead & 0x07;
            else return i;
            if (bytes.size() - i < length) return i;
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(bytes[i + k]);
                if ((next & 0xC0) != 0x80) return i;
                code = (code << 6) | (next & 0x3F);
            }
            if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
        }
        i += length;
    }
    return std::nullopt;
}

// nlohmann's message without its exception id and line and column, which
// the byte offset replaces.
std::string reasonOf(const std::string& what) {
    const std::size_t column = what.find("column ");
    const std::size_t colon = column == std::string::npos ? std::string::npos : what.find(": ", column);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

class Builder : public nlohmann::json_sax<Document> {
public:
    Parsed take() { return {std::move(root_), std::move(refusal_)}; }

    bool null() override { return put(nullptr); }
    bool boolean(bool value) override { return put(value); }
    bool number_integer(number_integer_t value) override { return put(value); }
    bool number_unsigned(number_unsigned_t value) override { return put(value); }
    bool number_float(number_float_t value, const string_t&) override { return put(value); }
    bool string(string_t& value) override { return put(std::move(value)); }
    bool binary(binary_t&) override { return fail({Refused::BinaryValue, "", {}}); }
    bool start_object(std::size_t) override { return open(Document::object()); }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(Document::array()); }
    bool end_array() override { return close(); }

    bool key(string_t& key) override {
        if (open_.back()->contains(key)) return fail({Refused::KeyTwice, pointerTo(pointer(), key), {}});
        key_ = std::move(key);
        return true;
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) override {
        // The position counts the bytes read, the failing one included.
        const std::size_t offset = position == 0 ? 0 : position - 1;
        return fail({Refused::NotJson, "", {std::to_string(offset), reasonOf(e.what())}});
    }

private:
    bool fail(Refusal refusal) {
        if (!refusal_) refusal_ = std::move(refusal);
        return false;
    }

    std::string pointer() const {
        std::string out;
        for (const std::string& step : path_) out += step;
        return out;
    }

    // The slot the next value goes to, with its pointer step.
    Document& slot(std::string& step) {
        if (open_.empty()) return root_;
        Document& parent = *open_.back();
        if (parent.is_array()) {
            step = "/" + std::to_string(parent.size());
            parent.push_back(nullptr);
            return parent.back();
        }
        step = pointerTo("", key_);
        return parent[key_];
    }

    bool put(Document value) {
        std::string step;
        slot(step) = std::move(value);
        return true;
    }

    bool open(Document empty) {
        std::string step;
        Document& target = slot(step);
        if (open_.size() == static_cast<std::size_t>(kMaxDepth)) {
            return fail({Refused::NestedTooDeep, pointer() + step, {std::to_string(kMaxDepth)}});
        }
        target = std::move(empty);
        // A container's slot stays put: its parent takes nothing more until it is closed.
        open_.push_back(&target);
        path_.push_back(step);
        return true;
    }

    bool close() {
        open_.pop_back();
        path_.pop_back();
        return true;
    }

    Document root_;
    std::vector<Document*> open_;
    std::vector<std::string> path_;  // the open containers' steps; the root's is empty
    std::string key_;
    std::optional<Refusal> refusal_;
};

}  // namespace

std::string pointerTo(const std::string& where, std::string_view key) {
    std::string out = where + "/";
    for (char c : key) {
        if (c == '~') out += "~0";
        else if (c == '/') out += "~1";
        else out += c;
    }
    return out;
}

std::string pointerTo(const std::string& where, std::size_t index) { return where + "/" + std::to_string(index); }

Parsed parseLimited(std::string_view bytes) {
    if (const auto offset = firstNonUtf8(bytes)) {
        return {Document(), Refusal{Refused::NotUtf8, "", {std::to_string(*offset)}}};
    }
    Builder builder;
    const bool parsed = Document::sax_parse(bytes.begin(), bytes.end(), &builder);
    Parsed out = builder.take();
    if (!parsed && !out.refusal) out.refusal = Refusal{Refused::NotJsonAtAll, "", {}};
    return out;
}

}  // namespace rl::event::detail
