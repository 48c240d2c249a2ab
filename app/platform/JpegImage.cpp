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

constexpr std::size_t kTailleBloc = 4096;
constexpr int kCouleursMax = 236;
const JOCTET kFinImage[] = {0xFF, JPEG_EOI};

struct GestionErreurs {
    jpeg_error_mgr pub; // first: libjpeg hands back its address
    std::jmp_buf retour;
};

struct SourceMemoire {
    jpeg_source_mgr pub; // first: libjpeg hands back its address
    const JOCTET* donnees;
    std::size_t taille;
    std::size_t position; // end of the block being read
};

// The libjpeg objects of one pass over the data, released on every path.
struct Decompression {
    jpeg_decompress_struct cinfo{};
    GestionErreurs erreurs{};
    SourceMemoire source{};
    jpeg_progress_mgr progression{};
    Decompression() = default;
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;
    ~Decompression() { jpeg_destroy_decompress(&cinfo); }
};

[[noreturn]] void SortieErreur(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<GestionErreurs*>(cinfo->err)->retour, 1);
}
void MessageIgnore(j_common_ptr, int) {}
void SortieIgnoree(j_common_ptr) {}

// Called by libjpeg between pieces of work while it reads the data.
void SuitProgression(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kJpegPassesMax) {
        ERREXIT(cinfo, JERR_BAD_PROGRESSION);
    }
}

void DebutSource(j_decompress_ptr) {}
void FinSource(j_decompress_ptr) {}

boolean RemplitTampon(j_decompress_ptr cinfo) {
    auto* source = reinterpret_cast<SourceMemoire*>(cinfo->src);
    if (source->position < source->taille) {
        const std::size_t bloc = std::min(kTailleBloc, source->taille - source->position);
        source->pub.next_input_byte = source->donnees + source->position;
        source->pub.bytes_in_buffer = bloc;
        source->position += bloc;
        return TRUE;
    }
    if (source->taille == 0) {
        ERREXIT(cinfo, JERR_INPUT_EMPTY);
    }
    // Data that runs out ends the picture; libjpeg fills in what is missing.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->pub.next_input_byte = kFinImage;
    source->pub.bytes_in_buffer = sizeof kFinImage;
    return TRUE;
}

void SauteDonnees(j_decompress_ptr cinfo, long nombre) {
    auto* source = reinterpret_cast<SourceMemoire*>(cinfo->src);
    if (nombre <= 0) {
        return;
    }
    auto reste = static_cast<std::size_t>(nombre);
    if (reste <= source->pub.bytes_in_buffer) {
        source->pub.next_input_byte += reste;
        source->pub.bytes_in_buffer -= reste;
        return;
    }
    reste -= source->pub.bytes_in_buffer;
    source->position += std::min(reste, source->taille - source->position);
    source->pub.bytes_in_buffer = 0;
}

// Runs etape, which calls libjpeg on decompression; a fatal libjpeg error jumps back here and
// leaves as EPlatformError. The jump skips etape's frames: they must hold no object with a
// destructor while libjpeg runs.
template <class Etape> void SousProtection(Decompression& decompression, Etape&& etape) {
    if (setjmp(decompression.erreurs.retour) != 0) {
        const int code = decompression.erreurs.pub.msg_code;
        jpeg_destroy_decompress(&decompression.cinfo);
        throw EPlatformError("Erreur JPEG #" + std::to_string(code));
    }
    etape();
}

void LitEntete(Decompression& d, const std::vector<unsigned char>& donnees) {
    d.cinfo.err = jpeg_std_error(&d.erreurs.pub);
    d.erreurs.pub.error_exit = SortieErreur;
    d.erreurs.pub.emit_message = MessageIgnore;
    d.erreurs.pub.output_message = SortieIgnoree;
    jpeg_create_decompress(&d.cinfo);
    d.progression.progress_monitor = SuitProgression;
    d.cinfo.progress = &d.progression;

    d.source.pub.init_source = DebutSource;
    d.source.pub.fill_input_buffer = RemplitTampon;
    d.source.pub.skip_input_data = SauteDonnees;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = FinSource;
    d.source.donnees = donnees.data();
    d.source.taille = donnees.size();
    d.cinfo.src = &d.source.pub;

    jpeg_read_header(&d.cinfo, TRUE);
    const long long largeur = d.cinfo.image_width;
    const long long hauteur = d.cinfo.image_height;
    if (largeur > kJpegCoteMax || hauteur > kJpegCoteMax || largeur * hauteur > kJpegPixelsMax) {
        ERREXIT1(&d.cinfo, JERR_IMAGE_TOO_BIG, kJpegCoteMax);
    }
}

void PosePalette(const jpeg_decompress_struct& cinfo, QImage& image) {
    QList<QRgb> palette;
    for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
        if (cinfo.out_color_components == 1) {
            const int gris = cinfo.colormap[0][i];
            palette.append(qRgb(gris, gris, gris));
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
        PosePalette(cinfo, image);
    }
}

// Colour output straight in the layout of QImage::Format_RGB32 (0xFFRRGGBB in native byte
// order), alpha set to 0xFF by libjpeg: no pass over the pixels after decoding.
#ifndef JCS_ALPHA_EXTENSIONS
#error "libjpeg-turbo's extended colour spaces are needed"
#endif
constexpr J_COLOR_SPACE kSortieRgb32 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

void Decode(Decompression& d, const std::vector<unsigned char>& donnees, TJPEGPixelFormat format,
            QImage& image) {
    LitEntete(d, donnees);
    jpeg_decompress_struct& cinfo = d.cinfo;
    const bool grise = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    const bool quantifie = format == TJPEGPixelFormat::jf8Bit || grise;
    // The quantiser works on three components.
    cinfo.out_color_space = grise ? JCS_GRAYSCALE : quantifie ? JCS_RGB : kSortieRgb32;
    cinfo.quantize_colors = quantifie ? TRUE : FALSE;
    cinfo.desired_number_of_colors = kCouleursMax;
    jpeg_start_decompress(&cinfo);

    PrepareImage(cinfo, image);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
}

} // namespace

void TJPEGImage::LoadFromStream(std::istream& flux) {
    const auto debut = flux.tellg();
    flux.seekg(0, std::ios::end);
    const auto fin = flux.tellg();
    flux.seekg(debut);
    if (!flux || debut < 0 || fin < debut) {
        throw EPlatformError(kErreurLectureFlux);
    }
    std::vector<unsigned char> donnees(static_cast<std::size_t>(fin - debut));
    if (!flux.read(reinterpret_cast<char*>(donnees.data()),
                   static_cast<std::streamsize>(donnees.size()))) {
        throw EPlatformError(kErreurLectureFlux);
    }
    LoadFromMemory(std::move(donnees));
}

void TJPEGImage::LoadFromMemory(std::vector<unsigned char> donnees) {
    Decompression d;
    SousProtection(d, [&] { LitEntete(d, donnees); });
    largeur_ = static_cast<int>(d.cinfo.image_width);
    hauteur_ = static_cast<int>(d.cinfo.image_height);
    grise_ = d.cinfo.jpeg_color_space == JCS_GRAYSCALE;
    progressive_ = d.cinfo.progressive_mode != FALSE;
    donnees_ = std::move(donnees);
}

QImage TJPEGImage::Bitmap() const {
    Decompression d;
    QImage image;
    SousProtection(d, [&] { Decode(d, donnees_, PixelFormat, image); });
    return image;
}
