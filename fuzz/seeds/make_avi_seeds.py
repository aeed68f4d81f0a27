#!/usr/bin/env python3
"""Writes the tiny seed recordings for the AVI reader, splitter and repair fuzz targets.

Each seed has the recorder's layout (avih, one strl per stream with strh and strf, movi, idx1)
with a few frames, so the fuzzer starts from files that reach deep into the reader: one and
two channels, PCM, AAC and no audio, an interrupted file, an index with file offsets, filler.
Run from anywhere: python3 fuzz/seeds/make_avi_seeds.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
TARGETS = ("avi_reader_fuzz", "splitter_fuzz", "avi_repair_fuzz")

KEY = b"\0\0\0\x01\x67\x42\0\x1e\0\0\0\x01\x68\xce\0\0\0\x01\x65\x88\x84"
DELTA = b"\0\0\0\x01\x41\x9a\x21"
DELTA_LENGTH_PREFIXED = b"\0\0\0\x03\x41\x9a\x21"


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def lst(kind, data):
    return b"LIST" + struct.pack("<I", len(data) + 4) + kind + data


def strh(kind, handler, scale, rate, length, sample_size=0):
    return chunk(b"strh", kind + handler + struct.pack(
        "<IHHIIIIIIIIhhhh", 0, 0, 0, 0, scale, rate, 0, length, 0, 0, sample_size, 0, 0, 0, 0))


def video(length, width=32, height=16):
    bih = struct.pack("<IiiHH4sIiiII", 40, width, height, 1, 24, b"H264", 0, 0, 0, 0, 0)
    return lst(b"strl", strh(b"vids", b"H264", 1, 30, length) + chunk(b"strf", bih))


def pcm():
    wfx = struct.pack("<HHIIHHH", 1, 1, 22050, 44100, 2, 16, 0)
    return lst(b"strl", strh(b"auds", b"\0\0\0\0", 1, 22050, 0, 2) + chunk(b"strf", wfx))


def aac():
    wfx = struct.pack("<HHIIHHH", 0xFF, 1, 44100, 0, 1, 16, 2) + b"\x12\x08"
    return lst(b"strl", strh(b"auds", b"\0\0\0\0", 1024, 44100, 0) + chunk(b"strf", wfx))


def text():
    return lst(b"strl", strh(b"txts", b"\0\0\0\0", 1, 1000, 0))


def recording(streams, chunks, frames, interrupted=False, absolute_index=False, filler=b""):
    avih = struct.pack("<10I16x", 33333, 0, 0, 0x10, frames, 0, len(streams), 0, 32, 16)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + b"".join(streams))
    movi_start = 12 + len(hdrl) + len(filler)
    body, index, offset = b"", b"", 4
    for fourcc, data, flags in chunks:
        base = movi_start + 8 if absolute_index else 0
        index += fourcc + struct.pack("<III", flags, base + offset, len(data))
        piece = chunk(fourcc, data)
        body += piece
        offset += len(piece)
    movi = lst(b"movi", body)
    if interrupted:
        movi = movi[:4] + b"\0\0\0\0" + movi[8:]
        content = b"AVI " + hdrl + filler + movi
        return (b"RIFF\0\0\0\0" + content)[:-3]
    content = b"AVI " + hdrl + filler + movi + chunk(b"idx1", index)
    return b"RIFF" + struct.pack("<I", len(content)) + content


def frames(video_streams, text_stream, count, audio=None):
    out = []
    for i in range(count):
        key = i % 3 == 0
        for stream in range(video_streams):
            out.append((b"%02ddc" % stream, KEY if key else DELTA, 0x10 if key else 0))
        if audio is not None:
            out.append((b"%02dwb" % audio[0], audio[1], 0x10))
        out.append((b"%02dtx" % text_stream, b"M\x80\x7f\x81", 0x10))
        if i % 2 == 0:
            out.append((b"%02dtx" % text_stream,
                        b"GPRMC,120000.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,*00\0", 0x10))
    return out


def seeds():
    yield "one_channel", recording([video(4), text()], frames(1, 1, 4), 4)
    yield "one_channel_pcm", recording([video(4), pcm(), text()],
                                       frames(1, 2, 4, (1, b"\0\1" * 40)), 4)
    yield "two_channel_aac", recording([video(4), video(4, 16, 8), aac(), text()],
                                       frames(2, 3, 4, (2, b"\x21\x10\x05")), 4)
    yield "interrupted", recording([video(0), text()], frames(1, 1, 5), 0, interrupted=True)
    yield "absolute_index", recording([video(3), text()], frames(1, 1, 3), 3, absolute_index=True)
    yield "filler", recording([video(2), text()], frames(1, 1, 2), 2,
                              filler=chunk(b"JUNK", b"\0" * 9))
    long_gps = [(b"01tx", b"G" * 1100, 0x10), (b"00dc", DELTA_LENGTH_PREFIXED, 0)]
    yield "long_gps", recording([video(1), text()], long_gps, 1)


def main():
    for target in TARGETS:
        folder = os.path.join(HERE, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds():
            with open(os.path.join(folder, name + ".avi"), "wb") as out:
                out.write(data)


if __name__ == "__main__":
    main()
