// SPDX-License-Identifier: MIT
#include "support/Pictures.h"

#include "app/platform/Files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

namespace pictures {

QImage Quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb colour = qRgb(255, 255, 255);
            if (!bottom) {
                colour = right ? qRgb(0, 255, 0) : qRgb(255, 0, 0);
            } else if (!right) {
                colour = qRgb(0, 0, 255);
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

std::vector<unsigned char> JpegBytes(const QImage& image, JpegKind kind) {
    const bool grey = kind == JpegKind::Grey;
    const QImage source =
        image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors); // test pictures are well-formed: errors abort
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(source.width());
    cinfo.image_height = static_cast<JDIMENSION>(source.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (kind == JpegKind::Progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row =
            const_cast<JSAMPROW>(source.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

std::size_t Segment(const std::vector<unsigned char>& jpeg, unsigned char marker) {
    std::size_t i = 2;
    while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
        if (jpeg[i + 1] == marker) {
            return i;
        }
        if (jpeg[i + 1] == 0xDA) {
            break;
        }
        i += 2 + (jpeg[i + 2] << 8 | jpeg[i + 3]);
    }
    return std::string::npos;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(Files::Path(path), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream file(Files::Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteJpeg(const std::string& path, const QImage& image, JpegKind kind) {
    WriteBytes(path, JpegBytes(image, kind));
}

void WriteBmp(const std::string& path, const QImage& image, bool eightBits) {
    QImage source =
        image.convertToFormat(eightBits ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (eightBits) {
        // Qt writes 4 bits per pixel for 16 colours or fewer: fill the palette with greys.
        QList<QRgb> palette = source.colorTable();
        for (int grey = 0; palette.size() < 256; ++grey) {
            palette.append(qRgb(grey, grey, grey));
        }
        source.setColorTable(palette);
    }
    if (!source.save(QString::fromStdString(path), "BMP")) {
        throw std::runtime_error("cannot write " + path);
    }
}

void Truncate(const std::string& path, std::size_t size) {
    std::filesystem::resize_file(Files::Path(path), size);
}

std::vector<unsigned char> DecodeReference(const std::vector<unsigned char>& jpeg) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = std::size_t(cinfo.output_width) * 3;
    std::vector<unsigned char> pixels(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return pixels;
}

} // namespace pictures
