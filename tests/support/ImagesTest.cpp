// SPDX-License-Identifier: MIT
#include "support/ImagesTest.h"

#include "app/platform/Files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

namespace ImagesTest {

QImage Quartiers(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            const bool droite = x >= largeur / 2;
            const bool bas = y >= hauteur / 2;
            QRgb couleur = qRgb(255, 255, 255);
            if (!bas) {
                couleur = droite ? qRgb(0, 255, 0) : qRgb(255, 0, 0);
            } else if (!droite) {
                couleur = qRgb(0, 0, 255);
            }
            image.setPixel(x, y, couleur);
        }
    }
    return image;
}

std::vector<unsigned char> OctetsJpeg(const QImage& image, GenreJpeg genre) {
    const bool gris = genre == GenreJpeg::Gris;
    const QImage source =
        image.convertToFormat(gris ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr erreurs{};
    cinfo.err = jpeg_std_error(&erreurs); // test pictures are well-formed: errors abort
    jpeg_create_compress(&cinfo);
    unsigned char* tampon = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&cinfo, &tampon, &taille);
    cinfo.image_width = static_cast<JDIMENSION>(source.width());
    cinfo.image_height = static_cast<JDIMENSION>(source.height());
    cinfo.input_components = gris ? 1 : 3;
    cinfo.in_color_space = gris ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (genre == GenreJpeg::Progressif) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* ligne =
            const_cast<JSAMPROW>(source.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<unsigned char> octets(tampon, tampon + taille);
    jpeg_destroy_compress(&cinfo);
    std::free(tampon);
    return octets;
}

std::size_t Segment(const std::vector<unsigned char>& jpeg, unsigned char marqueur) {
    std::size_t i = 2;
    while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
        if (jpeg[i + 1] == marqueur) {
            return i;
        }
        if (jpeg[i + 1] == 0xDA) {
            break;
        }
        i += 2 + (jpeg[i + 2] << 8 | jpeg[i + 3]);
    }
    return std::string::npos;
}

void EcritOctets(const std::string& chemin, const std::vector<unsigned char>& octets) {
    std::ofstream fichier(Files::Path(chemin), std::ios::binary | std::ios::trunc);
    fichier.write(reinterpret_cast<const char*>(octets.data()),
                  static_cast<std::streamsize>(octets.size()));
    if (!fichier) {
        throw std::runtime_error("cannot write " + chemin);
    }
}

std::vector<unsigned char> LitOctets(const std::string& chemin) {
    std::ifstream fichier(Files::Path(chemin), std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

void EcritJpeg(const std::string& chemin, const QImage& image, GenreJpeg genre) {
    EcritOctets(chemin, OctetsJpeg(image, genre));
}

void EcritBmp(const std::string& chemin, const QImage& image, bool huitBits) {
    QImage source =
        image.convertToFormat(huitBits ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (huitBits) {
        // Qt writes 4 bits per pixel for 16 colours or fewer: fill the palette with greys.
        QList<QRgb> palette = source.colorTable();
        for (int gris = 0; palette.size() < 256; ++gris) {
            palette.append(qRgb(gris, gris, gris));
        }
        source.setColorTable(palette);
    }
    if (!source.save(QString::fromStdString(chemin), "BMP")) {
        throw std::runtime_error("cannot write " + chemin);
    }
}

void Tronque(const std::string& chemin, std::size_t taille) {
    std::filesystem::resize_file(Files::Path(chemin), taille);
}

std::vector<unsigned char> DecodeReference(const std::vector<unsigned char>& jpeg) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr erreurs{};
    cinfo.err = jpeg_std_error(&erreurs);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const std::size_t pas = std::size_t(cinfo.output_width) * 3;
    std::vector<unsigned char> pixels(pas * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = pixels.data() + pas * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return pixels;
}

} // namespace ImagesTest
