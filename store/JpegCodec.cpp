#include "store/JpegCodec.h"

#include "common/Error.h"

#include <QCoreApplication>

#include <algorithm>
#include <csetjmp>
#include <cstdio>   // jpeglib.h needs FILE
#include <jerror.h> // after jpeglib.h, which it needs
#include <jpeglib.h>
#include <vector>

namespace {

// Beyond this the decoded picture alone would take more than 300 MB.
constexpr quint64 kMaxPixels = 100'000'000;
constexpr unsigned kBatchRows = 16;

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

// Decodes a few rows at a time into a small buffer, so a large picture never needs a whole-size copy.
bool readRows(Decoder &d, JpegRowSink &sink, unsigned char *batch, unsigned char *rgb)
{
    if (setjmp(d.exit.jump))
        return false;
    jpeg_start_decompress(&d.info);
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    const bool inverted = d.info.saw_Adobe_marker; // Adobe writes CMYK inverted (0 = full ink)
    const size_t stride = size_t(d.info.output_width) * size_t(d.info.output_components);
    JSAMPROW rows[kBatchRows];
    for (unsigned i = 0; i < kBatchRows; ++i)
        rows[i] = batch + i * stride;
    while (d.info.output_scanline < d.info.output_height) {
        const unsigned first = d.info.output_scanline;
        const unsigned count = jpeg_read_scanlines(&d.info, rows, kBatchRows);
        for (unsigned i = 0; i < count; ++i) {
            if (!cmyk) {
                sink.row(int(first + i), rows[i]);
                continue;
            }
            const unsigned char *in = rows[i];
            unsigned char *out = rgb;
            for (unsigned x = 0; x < d.info.output_width; ++x, in += 4, out += 3) {
                const int k = inverted ? in[3] : 255 - in[3];
                for (int c = 0; c < 3; ++c)
                    out[c] = uchar(((inverted ? in[c] : 255 - in[c]) * k + 127) / 255);
            }
            sink.row(int(first + i), rgb);
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

// Collects the rows into a picture.
class ImageSink : public JpegRowSink {
public:
    void begin(QSize size) override
    {
        if (quint64(size.width()) * quint64(size.height()) > kMaxPixels)
            throw Error(translated("The picture is too large (%1 x %2 pixels).")
                            .arg(size.width())
                            .arg(size.height()));
        image = QImage(size, QImage::Format_RGB888);
        if (image.isNull())
            throw Error(translated("There is not enough memory for the picture (%1 x %2 pixels).")
                            .arg(size.width())
                            .arg(size.height()));
    }
    void row(int y, const uchar *rgb) override
    {
        std::copy_n(rgb, size_t(image.width()) * 3, image.scanLine(y));
    }
    QImage image;
};

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

void decodeJpegRows(QByteArrayView bytes, JpegRowSink &sink)
{
    Decoder d;
    prepare(d.exit);
    if (!startDecoding(d, reinterpret_cast<const unsigned char *>(bytes.data()), (unsigned long)bytes.size()))
        throw decodeError(d.exit.message);
    sink.begin(QSize(int(d.info.image_width), int(d.info.image_height)));
    const size_t width = d.info.image_width;
    std::vector<unsigned char> batch(width * 4 * kBatchRows), rgb(width * 3);
    if (!readRows(d, sink, batch.data(), rgb.data()))
        throw decodeError(d.exit.message);
}

QImage decodeJpeg(QByteArrayView bytes)
{
    ImageSink sink;
    decodeJpegRows(bytes, sink);
    return sink.image;
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
