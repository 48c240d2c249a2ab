// SPDX-License-Identifier: MIT
#include "Speech.h"

#include <QProcess>

#include <cstdint>
#include <stdexcept>

namespace {

constexpr int kWordsPerMinute = 120; // the voice's own 175 is too quick for a small child
constexpr int kRunMs = 30000;

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kRunMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        fail("cannot run " + program + " " + arguments.join(' ') + ": " + process.errorString() +
             " " + QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return process.readAllStandardOutput();
}

std::uint32_t le(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// The samples of a mono 16-bit PCM WAV at synth::kRate. Written to a pipe, its sizes are
// placeholders: the data runs to the end.
synth::Signal samplesOf(const QByteArray& wav) {
    const qsizetype data = wav.indexOf("data", 12);
    if (!wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt " || data < 0 || le(wav, 20, 2) != 1 ||
        le(wav, 22, 2) != 1 || le(wav, 24, 4) != synth::kRate || le(wav, 34, 2) != 16) {
        fail("the synthesiser gave no mono 16-bit PCM WAV at " + QString::number(synth::kRate) +
             " Hz");
    }
    synth::Signal signal;
    for (qsizetype at = data + 8; at + 1 < wav.size(); at += 2) {
        signal.push_back(static_cast<float>(static_cast<std::int16_t>(le(wav, at, 2)) / 32768.0));
    }
    return signal;
}

} // namespace

synth::Signal spokenBySynthesiser(const QString& program, const QString& text) {
    const synth::Signal signal = samplesOf(
        run(program, {"-v", "fr", "-s", QString::number(kWordsPerMinute), "--stdout", text}));
    if (signal.empty()) {
        fail(program + " said nothing for « " + text + " »");
    }
    return signal;
}

QString synthesiserVersion(const QString& program) {
    // "eSpeak NG text-to-speech: 1.51  Data at: /usr/lib/...": the folder is this machine's.
    const QString told = QString::fromLocal8Bit(run(program, {"--version"})).trimmed();
    return told.left(told.indexOf("  Data at:")).trimmed();
}
