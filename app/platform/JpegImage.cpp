// SPDX-License-Identifier: MIT
#include "app/platform/JpegImage.h"

#include "app/platform/Errors.h"

#include <QList>
#include <QSysInfo>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <utility>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr std::size_t kBlockSize = 4096;
constexpr int kMaxColours = 236;
const JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};

struct ErrorManager {
    jpeg_error_mgr pub; // first: libjpeg hands back its address
    std::jmp_buf jump;
};

struct MemorySource {
    jpeg_source_mgr pub; // first: libjpeg hands back its address
    const JOCTET* data;
    std::size_t size;
    std::size_t position; // end of the block being read
};

// The libjpeg objects of one pass over the data, released on every path.
struct Decompression {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    MemorySource source{};
    jpeg_progress_mgr progress{};
    Decompression() = default;
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;
    ~Decompression() { jpeg_destroy_decompress(&cinfo); }
};

[[noreturn]] void ExitWithError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}
void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// Called by libjpeg between pieces of work while it reads the data.
void WatchProgress(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kJpegMaxScans) {
        ERREXIT(cinfo, JERR_BAD_PROGRESSION);
    }
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillBuffer(j_decompress_ptr cinfo) {
    auto* source = reinterpret_cast<MemorySource*>(cinfo->src);
    if (source->position < source->size) {
        const std::size_t block = std::min(kBlockSize, source->size - source->position);
        source->pub.next_input_byte = source->data + source->position;
        source->pub.bytes_in_buffer = block;
        source->position += block;
        return TRUE;
    }
    if (source->size == 0) {
        ERREXIT(cinfo, JERR_INPUT_EMPTY);
    }
    // Data that runs out ends the picture; libjpeg fills in what is missing.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->pub.next_input_byte = kEndOfImage;
    source->pub.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

void SkipData(j_decompress_ptr cinfo, long count) {
    auto* source = reinterpret_cast<MemorySource*>(cinfo->src);
    if (count <= 0) {
        return;
    }
    auto remaining = static_cast<std::size_t>(count);
    if (remaining <= source->pub.bytes_in_buffer) {
        source->pub.next_input_byte += remaining;
        source->pub.bytes_in_buffer -= remaining;
        return;
    }
    remaining -= source->pub.bytes_in_buffer;
    source->position += std::min(remaining, source->size - source->position);
    source->pub.bytes_in_buffer = 0;
}

// Runs step, which calls libjpeg on decompression; a fatal libjpeg error jumps back here and
// leaves as EPlatformError. The jump skips step's frames: they must hold no object with a
// destructor while libjpeg runs.
template <class Step> void RunProtected(Decompression& decompression, Step&& step) {
    if (setjmp(decompression.errors.jump) != 0) {
        const int code = decompression.errors.pub.msg_code;
        jpeg_destroy_decompress(&decompression.cinfo);
        throw EPlatformError("Erreur JPEG #" + std::to_string(code));
    }
    step();
}

void ReadHeader(Decompression& d, const std::vector<unsigned char>& data) {
    d.cinfo.err = jpeg_std_error(&d.errors.pub);
    d.errors.pub.error_exit = ExitWithError;
    d.errors.pub.emit_message = IgnoreMessage;
    d.errors.pub.output_message = IgnoreOutput;
    jpeg_create_decompress(&d.cinfo);
    d.progress.progress_monitor = WatchProgress;
    d.cinfo.progress = &d.progress;

    d.source.pub.init_source = InitSource;
    d.source.pub.fill_input_buffer = FillBuffer;
    d.source.pub.skip_input_data = SkipData;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = TermSource;
    d.source.data = data.data();
    d.source.size = data.size();
    d.cinfo.src = &d.source.pub;

    jpeg_read_header(&d.cinfo, TRUE);
    const long long width = d.cinfo.image_width;
    const long long height = d.cinfo.image_height;
    if (width > kJpegMaxSide || height > kJpegMaxSide || width * height > kJpegMaxPixels) {
        ERREXIT1(&d.cinfo, JERR_IMAGE_TOO_BIG, kJpegMaxSide);
    }
}

void SetPalette(const jpeg_decompress_struct& cinfo, QImage& image) {
    QList<QRgb> palette;
    for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
        if (cinfo.out_color_components == 1) {
            const int grey = cinfo.colormap[0][i];
            palette.append(qRgb(grey, grey, grey));
        } else {
            palette.append(qRgb(cinfo.colormap[0][i], cinfo.colormap[1][i], cinfo.colormap[2][i]));
        }
    }
    image.setColorTable(palette);
}

void PrepareImage(jpeg_decompress_struct& cinfo, QImage& image) {
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                   cinfo.quantize_colors ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull()) {
        ERREXIT1(&cinfo, JERR_OUT_OF_MEMORY, 0);
    }
    if (cinfo.quantize_colors) {
        SetPalette(cinfo, image);
    }
}

// Colour output straight in the layout of QImage::Format_RGB32 (0xFFRRGGBB in native byte
// order), alpha set to 0xFF by libjpeg: no pass over the pixels after decoding.
#ifndef JCS_ALPHA_EXTENSIONS
#error "libjpeg-turbo's extended colour spaces are needed"
#endif
constexpr J_COLOR_SPACE kRgb32Output =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

void Decode(Decompression& d, const std::vector<unsigned char>& data, TJPEGPixelFormat format,
            QImage& image) {
    ReadHeader(d, data);
    jpeg_decompress_struct& cinfo = d.cinfo;
    const bool grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    const bool quantised = format == TJPEGPixelFormat::jf8Bit || grayscale;
    // The quantiser works on three components.
    cinfo.out_color_space = grayscale ? JCS_GRAYSCALE : quantised ? JCS_RGB : kRgb32Output;
    cinfo.quantize_colors = quantised ? TRUE : FALSE;
    cinfo.desired_number_of_colors = kMaxColours;
    jpeg_start_decompress(&cinfo);

    PrepareImage(cinfo, image);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
}

} // namespace

void TJPEGImage::LoadFromStream(std::istream& stream) {
    const auto begin = stream.tellg();
    stream.seekg(0, std::ios::end);
    const auto end = stream.tellg();
    stream.seekg(begin);
    if (!stream || begin < 0 || end < begin) {
        throw EPlatformError(kStreamReadError);
    }
    std::vector<unsigned char> data(static_cast<std::size_t>(end - begin));
    if (!stream.read(reinterpret_cast<char*>(data.data()),
                     static_cast<std::streamsize>(data.size()))) {
        throw EPlatformError(kStreamReadError);
    }
    LoadFromMemory(std::move(data));
}

void TJPEGImage::LoadFromMemory(std::vector<unsigned char> data) {
    Decompression d;
    RunProtected(d, [&] { ReadHeader(d, data); });
    width_ = static_cast<int>(d.cinfo.image_width);
    height_ = static_cast<int>(d.cinfo.image_height);
    grayscale_ = d.cinfo.jpeg_color_space == JCS_GRAYSCALE;
    progressive_ = d.cinfo.progressive_mode != FALSE;
    data_ = std::move(data);
}

QImage TJPEGImage::Bitmap() const {
    Decompression d;
    QImage image;
    RunProtected(d, [&] { Decode(d, data_, PixelFormat, image); });
    return image;
}
