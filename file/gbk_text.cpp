#include "file/gbk_text.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr const char* kGbk = "GBK";
constexpr const char* kUtf8 = "UTF-8";

// One iconv conversion of a whole buffer. Any invalid or unconvertible input fails,
// except an incomplete last character when allowCutEnd is set.
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& input,
                                  bool allowCutEnd) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray output(input.size() * 2 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t written = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* out = output.data() + written;
        size_t outLeft = static_cast<size_t>(output.size()) - written;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        written = static_cast<size_t>(out - output.data());
        if (result != static_cast<size_t>(-1)) {
            ok = result == 0; // irreversible conversions would lose text
            break;
        }
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        ok = errno == EINVAL && allowCutEnd;
        break;
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    output.truncate(static_cast<int>(written));
    return output;
}

} // namespace

std::optional<QByteArray> toGbk(const QString& text) {
    // A lone surrogate has no UTF-8 form; Qt would quietly replace it.
    if (!text.isValidUtf16())
        return std::nullopt;
    return convert(kGbk, kUtf8, text.toUtf8(), false);
}

std::optional<QString> fromGbk(const QByteArray& bytes, bool allowCutEnd) {
    const std::optional<QByteArray> utf8 = convert(kUtf8, kGbk, bytes, allowCutEnd);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}
