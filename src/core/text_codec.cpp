#include "core/text_codec.h"

#include <iconv.h>

#include <cstring>

namespace korvane {

namespace {

constexpr char kFileCodeSet[] = "WINDOWS-1252";
constexpr char kUtf16CodeSet[] = "UTF-16LE";

// One conversion descriptor per direction and thread: opening one costs more than converting
// a short text.
class CIconv
{
public:
    CIconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~CIconv()
    {
        if (Valid())
            iconv_close(m_cd);
    }
    CIconv(const CIconv &) = delete;
    CIconv &operator=(const CIconv &) = delete;

    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; returns false at an input it cannot convert, with `in`
    // and `inLeft` on that input.
    bool Convert(char *&in, size_t &inLeft, char *&out, size_t &outLeft)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return iconv(m_cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    }

private:
    iconv_t m_cd;
};

CIconv &Decoder()
{
    thread_local CIconv decoder(kUtf16CodeSet, kFileCodeSet);
    return decoder;
}

CIconv &Encoder()
{
    thread_local CIconv encoder(kFileCodeSet, kUtf16CodeSet);
    return encoder;
}

} // namespace

QString FromFileText(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data()); // iconv's signature; the input is not written
    size_t inLeft = bytes.size();
    char *out = reinterpret_cast<char *>(text.data());
    size_t outLeft = bytes.size() * sizeof(char16_t);
    CIconv &decoder = Decoder();
    while (inLeft > 0) {
        if (decoder.Valid() && decoder.Convert(in, inLeft, out, outLeft))
            break;
        // An undefined byte (or no converter at all): the byte's own value.
        const char16_t unit = static_cast<unsigned char>(*in);
        std::memcpy(out, &unit, sizeof unit);
        out += sizeof unit;
        outLeft -= sizeof unit;
        ++in;
        --inLeft;
    }
    text.truncate(qsizetype(bytes.size()) - qsizetype(outLeft / sizeof(char16_t)));
    return text;
}

std::string ToFileText(const QString &text)
{
    std::string bytes(size_t(text.size()), '\0');
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = size_t(text.size()) * sizeof(char16_t);
    char *out = bytes.data();
    size_t outLeft = bytes.size();
    CIconv &encoder = Encoder();
    while (inLeft > 0) {
        if (encoder.Valid() && encoder.Convert(in, inLeft, out, outLeft))
            break;
        // A character outside the code page: '?', or the byte itself for the control
        // characters that decoding produced from undefined bytes.
        char16_t unit;
        std::memcpy(&unit, in, sizeof unit);
        size_t consumed = sizeof unit;
        if (QChar::isHighSurrogate(unit) && inLeft >= 2 * sizeof unit)
            consumed *= 2;
        *out++ = (unit >= 0x80 && unit <= 0x9F) ? char(unit) : '?';
        --outLeft;
        in += consumed;
        inLeft -= consumed;
    }
    bytes.resize(bytes.size() - outLeft);
    return bytes;
}

} // namespace korvane
