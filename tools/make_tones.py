#!/usr/bin/env python3
"""Draws the editor's note sound bank: one looping sine-tone sample per key.

    python3 tools/make_tones.py OUTDIR

writes SND27.wav ... SND4A.wav (one per pitch code 39 to 74, named by the
code in upper-case hexadecimal) and tones.rc, the resource script lines that
put them into the program as WAVE resources.

    python3 tools/make_tones.py --cpp FILE

writes instead a C++ source with the same samples' played frames, for the
code that renders a melody as the editor sounds it (ToneFrames in
melopad/convert/ToneSamples.h). One tool draws both, so they cannot differ.

Every sample is 8000 Hz, 16-bit, mono, and holds exactly 50 periods of its
tone, so looping it gives a continuous tone with no step at the seam. The tone
of pitch code n is 442 * 2 ** ((n - 55) / 12) Hz, equal temperament with 442 Hz
on code 55. The data sizes are fixed by the table below (the handsets' sizes,
about 50 * 16000 / f bytes); where a size is odd, its last byte is half a frame
that is never played and is written as zero.
"""

import math
import os
import struct
import sys

FIRST_PITCH = 39
SAMPLE_RATE = 8000
PEAK = 32380
PERIODS = 50

DATA_SIZES = [
    4561, 4305, 4064, 3836, 3620, 3417, 3225, 3044, 2873, 2712, 2560, 2416,
    2281, 2153, 2032, 1918, 1810, 1709, 1613, 1522, 1437, 1356, 1280, 1208,
    1141, 1077, 1016, 959, 905, 855, 807, 761, 719, 678, 640, 604,
]


def sample_name(pitch):
    return "SND%02X" % pitch


def tone_frames(data_size):
    """Exactly PERIODS periods across the whole frames of the data.

    The period is the frame count divided by PERIODS, so the tone is within a
    fraction of a frame per period of the key's frequency (well under 0.5 %)
    and the sample after the last one is again the first.
    """
    frames = data_size // 2
    return [round(PEAK * math.sin(2 * math.pi * PERIODS * k / frames)) for k in range(frames)]


def wave_file(data_size):
    data = b"".join(struct.pack("<h", value) for value in tone_frames(data_size))
    data += b"\0" * (data_size - len(data))
    fmt = struct.pack("<HHIIHHH", 1, 1, SAMPLE_RATE, SAMPLE_RATE * 2, 2, 16, 0)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", data_size) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def frames_source():
    """The C++ source of ToneFrames: one array of 16-bit frames per sample."""
    out = ["// Drawn by tools/make_tones.py --cpp; do not edit.\n",
           '#include "melopad/convert/ToneSamples.h"\n\n',
           "namespace melopad {\nnamespace {\n\n"]
    for index, data_size in enumerate(DATA_SIZES):
        values = tone_frames(data_size)
        out.append("constexpr std::int16_t k%s[%d] = {\n" % (sample_name(FIRST_PITCH + index), len(values)))
        for at in range(0, len(values), 12):
            out.append("    " + ", ".join(str(v) for v in values[at:at + 12]) + ",\n")
        out.append("};\n\n")
    out.append("}  // namespace\n\n")
    out.append("std::span<const std::int16_t> ToneFrames(int pitchCode) {\n")
    out.append("  switch (pitchCode) {\n")
    for index in range(len(DATA_SIZES)):
        name = sample_name(FIRST_PITCH + index)
        out.append("    case %d: return k%s;\n" % (FIRST_PITCH + index, name))
    out.append("    default: return {};\n  }\n}\n\n}  // namespace melopad\n")
    return "".join(out)


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    resource_lines = []
    for index, data_size in enumerate(DATA_SIZES):
        name = sample_name(FIRST_PITCH + index)
        with open(os.path.join(out_dir, name + ".wav"), "wb") as wav:
            wav.write(wave_file(data_size))
        resource_lines.append('%s WAVE "%s.wav"\n' % (name, name))
    with open(os.path.join(out_dir, "tones.rc"), "w", encoding="ascii") as script:
        script.writelines(resource_lines)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--cpp":
        os.makedirs(os.path.dirname(os.path.abspath(sys.argv[2])), exist_ok=True)
        with open(sys.argv[2], "w", encoding="ascii") as source:
            source.write(frames_source())
    elif len(sys.argv) == 2 and not sys.argv[1].startswith("--"):
        main(sys.argv[1])
    else:
        sys.exit("usage: make_tones.py OUTDIR | make_tones.py --cpp FILE")
