// SPDX-License-Identifier: MIT
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

void put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

QByteArray wavFile(const synth::Signal& signal) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(signal.size() * kBlockAlign);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, kChannels);
    put32(out, synth::kRate);
    put32(out, synth::kRate * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, kBits);
    out.append("data");
    put32(out, dataBytes);
    for (float sample : signal) {
        const double clamped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
        put16(out, static_cast<std::uint16_t>(
                       static_cast<std::int16_t>(std::lround(clamped * 32767.0))));
    }
    return out;
}
