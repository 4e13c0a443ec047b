#include <cerrno>
#include <iconv.h>

#include "platform/encoding.h"

namespace rl::platform {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Both encodings are stateless, so there is no shift state to flush.
    std::optional<std::string> convert(std::string_view in) {
        // UTF-8 never grows into code page 949; the other way the buffer
        // grows as it is needed (Hangul takes three bytes for two).
        std::string out(in.size() + 16, '\0');
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::size_t done = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + done;
            std::size_t outLeft = out.size() - done;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            done = static_cast<std::size_t>(outPtr - out.data());
            if (r == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) return std::nullopt;
                out.resize(out.size() * 2);
            } else if (r != 0) {
                return std::nullopt;  // an "approximate" conversion would change a name
            }
        }
        out.resize(done);
        return out;
    }

private:
    iconv_t cd_;
};

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    Converter converter(to, from);
    if (!converter.ok()) return std::nullopt;
    return converter.convert(in);
}

}  // namespace

std::optional<std::string> utf8ToCp949(std::string_view utf8) {
    if (!isValidUtf8(utf8)) return std::nullopt;
    return convert("CP949", "UTF-8", utf8);
}

std::optional<std::string> cp949ToUtf8(std::string_view cp949) { return convert("UTF-8", "CP949", cp949); }

}  // namespace rl::platform
