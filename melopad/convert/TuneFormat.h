// Which format a file of a tune is in, as its name's extension tells (case
// ignored): the converter and the editor both go by it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace melopad {

enum class TuneFormat { kAls, kMidi, kRtttl, kWav };

// Files larger than this hold no melody of any of these formats; they are
// refused before being read.
inline constexpr std::uintmax_t kLargestTuneFile = 256u << 20;

// .als, .mid or .midi, .txt or .rtttl, .wav; none for any other extension.
std::optional<TuneFormat> TuneFormatOf(const std::filesystem::path& path);

// Whether the bytes start as a standard MIDI file does, whatever its name.
bool LooksLikeMidiFile(std::span<const std::uint8_t> bytes);

}  // namespace melopad
