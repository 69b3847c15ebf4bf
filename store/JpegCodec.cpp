#include "store/JpegCodec.h"

#include "common/Error.h"

#include <QCoreApplication>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <jerror.h> // after jpeglib.h, which it needs

namespace {

// Beyond this the decoded picture alone would take more than 300 MB.
constexpr quint64 kMaxPixels = 100'000'000;

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// the setjmp of the step that called into libjpeg; the steps below hold no objects with
// destructors, so nothing is skipped by the jump.
struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void exitWithError(j_common_ptr info)
{
    auto *exit = reinterpret_cast<ErrorExit *>(info->err);
    (*info->err->format_message)(info, exit->message);
    std::longjmp(exit->jump, 1);
}

// Warnings (such as a truncated file, whose missing rows come out grey) are not shown anywhere.
void ignoreMessage(j_common_ptr) {}

void prepare(ErrorExit &exit)
{
    jpeg_std_error(&exit.manager);
    exit.manager.error_exit = exitWithError;
    exit.manager.output_message = ignoreMessage;
    exit.message[0] = '\0';
}

QString translated(const char *text)
{
    return QCoreApplication::translate("JpegCodec", text);
}

Error decodeError(const char *detail)
{
    return Error(
        translated("The picture is not a readable JPEG file: %1").arg(QString::fromLocal8Bit(detail)));
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorExit exit;
    bool created = false;
    ~Decoder()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

bool startDecoding(Decoder &d, const unsigned char *data, unsigned long size)
{
    if (setjmp(d.exit.jump))
        return false;
    d.info.err = &d.exit.manager;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    return true;
}

bool readRows(Decoder &d, unsigned char *first, qsizetype stride)
{
    if (setjmp(d.exit.jump))
        return false;
    jpeg_start_decompress(&d.info);
    JSAMPROW rows[16];
    while (d.info.output_scanline < d.info.output_height) {
        const unsigned next = d.info.output_scanline;
        const unsigned count = std::min(16u, d.info.output_height - next);
        for (unsigned i = 0; i < count; ++i)
            rows[i] = first + qsizetype(next + i) * stride;
        jpeg_read_scanlines(&d.info, rows, count);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

// Adobe writes CMYK inverted (0 = full ink); others write it plain.
QImage cmykToRgb(const QImage &cmyk, bool inverted)
{
    QImage rgb(cmyk.size(), QImage::Format_RGB888);
    for (int y = 0; y < cmyk.height(); ++y) {
        const uchar *in = cmyk.constScanLine(y);
        uchar *out = rgb.scanLine(y);
        for (int x = 0; x < cmyk.width(); ++x, in += 4, out += 3) {
            const int k = inverted ? in[3] : 255 - in[3];
            for (int c = 0; c < 3; ++c) {
                const int ink = inverted ? in[c] : 255 - in[c];
                out[c] = uchar((ink * k + 127) / 255);
            }
        }
    }
    return rgb;
}

struct Encoder {
    jpeg_compress_struct info;
    ErrorExit exit;
    bool created = false;
    ~Encoder()
    {
        if (created)
            jpeg_destroy_compress(&info);
    }
};

// Collects the encoded bytes in a QByteArray that doubles when full.
struct ByteArrayDestination {
    jpeg_destination_mgr manager;
    QByteArray *bytes;
};

void startDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(info->dest);
    dest->bytes->resize(64 * 1024);
    dest->manager.next_output_byte = reinterpret_cast<JOCTET *>(dest->bytes->data());
    dest->manager.free_in_buffer = size_t(dest->bytes->size());
}

boolean growDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(info->dest);
    const qsizetype used = dest->bytes->size();
    bool grown = true;
    try {
        dest->bytes->resize(used * 2);
    } catch (...) {
        grown = false;
    }
    if (!grown) { // the jump must not leave from inside the catch
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->msg_parm.i[0] = 0;
        (*info->err->error_exit)(reinterpret_cast<j_common_ptr>(info));
    }
    dest->manager.next_output_byte = reinterpret_cast<JOCTET *>(dest->bytes->data()) + used;
    dest->manager.free_in_buffer = size_t(used);
    return TRUE;
}

void finishDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(info->dest);
    dest->bytes->resize(dest->bytes->size() - qsizetype(dest->manager.free_in_buffer));
}

bool writeRows(Encoder &e, ByteArrayDestination &dest, const QImage &rgb, int quality)
{
    if (setjmp(e.exit.jump))
        return false;
    e.info.err = &e.exit.manager;
    jpeg_create_compress(&e.info);
    e.created = true;
    dest.manager.init_destination = startDestination;
    dest.manager.empty_output_buffer = growDestination;
    dest.manager.term_destination = finishDestination;
    e.info.dest = &dest.manager;
    e.info.image_width = JDIMENSION(rgb.width());
    e.info.image_height = JDIMENSION(rgb.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info); // baseline Huffman coding, not progressive
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

} // namespace

bool looksLikeJpeg(QByteArrayView bytes)
{
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8 && uchar(bytes[2]) == 0xFF;
}

QImage decodeJpeg(QByteArrayView bytes)
{
    Decoder d;
    prepare(d.exit);
    if (!startDecoding(d, reinterpret_cast<const unsigned char *>(bytes.data()), (unsigned long)bytes.size()))
        throw decodeError(d.exit.message);
    const quint64 pixels = quint64(d.info.image_width) * d.info.image_height;
    if (pixels > kMaxPixels)
        throw Error(translated("The picture is too large (%1 x %2 pixels).")
                        .arg(d.info.image_width)
                        .arg(d.info.image_height));
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    QImage image(int(d.info.image_width), int(d.info.image_height),
                 cmyk ? QImage::Format_RGBX8888 : QImage::Format_RGB888);
    if (image.isNull())
        throw Error(translated("There is not enough memory for the picture (%1 x %2 pixels).")
                        .arg(d.info.image_width)
                        .arg(d.info.image_height));
    if (!readRows(d, image.bits(), image.bytesPerLine()))
        throw decodeError(d.exit.message);
    return cmyk ? cmykToRgb(image, d.info.saw_Adobe_marker) : image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    if (image.isNull() || image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        throw Error(translated("The picture cannot be saved as JPEG: its size is %1 x %2 pixels.")
                        .arg(image.width())
                        .arg(image.height()));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    Encoder e;
    prepare(e.exit);
    ByteArrayDestination dest{};
    dest.bytes = &bytes;
    if (!writeRows(e, dest, rgb, std::clamp(quality, 1, 100)))
        throw Error(translated("The picture could not be encoded as JPEG: %1")
                        .arg(QString::fromLocal8Bit(e.exit.message)));
    return bytes;
}
