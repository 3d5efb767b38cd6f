#!/usr/bin/env python3
"""Writes the committed seed corpus of both fuzzers (corpus/engine, corpus/input).

The layouts are described at the top of engine_fuzzer.cpp and input_fuzzer.cpp.
Run it again only to change the seeds; it replaces the files it writes.
"""
import pathlib
import random

HERE = pathlib.Path(__file__).resolve().parent

ALPHABET = ("qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM1234567890 `-=[];'#\\,./"
            "\u00AC\u00A3$%^&*()_+{}:@~|<>?\u20AC\u00BF\u00A7\u00D8\"")
assert len(ALPHABET) == 100 and len(set(ALPHABET)) == 100

# The first entries of Others in engine_fuzzer.cpp, in the same order.
OTHERS = ["\r", "\n", "\t", "!", "\x00", "\x7f", "\x80", "\xa0"]


def engine_text(text):
    out = bytearray()
    for ch in text:
        units = ch.encode("utf-16-le", "surrogatepass")
        for i in range(0, len(units), 2):
            unit = units[i:i + 2].decode("utf-16-le", "surrogatepass")
            if unit in ALPHABET:
                out.append(ALPHABET.index(unit))
            elif unit in OTHERS:
                out.append(200 + OTHERS.index(unit))
            else:
                out += b"\xff" + units[i:i + 2]
    return bytes(out)


def engine_seed(pin, keys, passes=1, leftovers=False, raw=False, long_run=0, text=""):
    flags = (passes - 1) | (4 if leftovers else 0) | (8 if raw else 0) | (16 if long_run else 0)
    header = bytes(int(d) for d in pin) + bytes(k - 1 for k in keys)
    header += bytes([flags, max(long_run - 1, 0)])
    body = text.encode("utf-16-le", "surrogatepass") if raw else engine_text(text)
    return header + body


def write(folder, seeds):
    path = HERE / "corpus" / folder
    path.mkdir(parents=True, exist_ok=True)
    for old in path.iterdir():
        old.unlink()
    for name, data in seeds.items():
        (path / name).write_bytes(data)


rng = random.Random(20240611)
cycle = "".join(ALPHABET[i % 100] for i in range(298))
long_mixed = "".join(rng.choice(ALPHABET) if rng.random() < 0.8 else rng.choice(OTHERS + ["\u00d9", "\u20ab", "\ud800"])
                     for _ in range(2000))

write("engine", {
    "empty_text": engine_seed("12345678", [1, 2, 3, 4]),
    "sentence_carry_pin": engine_seed("99999999", [17, 58, 99, 1], text="Hello, World! \"quoted\" \u20ac5 & \u00a34."),
    "lines_tabs_nbsp_four_passes": engine_seed("98990000", [5, 6, 7, 8], passes=4, leftovers=True,
                                               text="one\r\ntwo\tthree\u00a0four\nfive!"),
    "alphabet_cycle_298": engine_seed("00009996", [10, 20, 30, 40], passes=2, text=cycle),
    "raw_utf16_surrogates": engine_seed("50505050", [99, 98, 97, 96], raw=True,
                                        text="\ud83d\ude00 caf\u00e9 \u0661\u0662 \uff11 \ud800x\udfff \uffff"),
    "long_run_256_passes": engine_seed("01010101", [3, 1, 4, 15], long_run=256, text="Pack my box with five dozen jugs."),
    "equal_keys": engine_seed("00000000", [5, 5, 5, 5], passes=3, text="same keys everywhere"),
    "max_length_mixed": engine_seed("99989799", [42, 43, 44, 45], text=long_mixed),
    "outside_alphabet_only": engine_seed("31415926", [11, 22, 33, 44], text="\u00d9\u20ab\u20ad\u0171\u2022\ud800\r\n\t!\x00"),
    "double_quote": engine_seed("00999900", [58, 17, 99, 2], passes=2, text="\""),
    "around_carry_101": engine_seed("00999900", [1, 2, 3, 4], leftovers=True, text=cycle[:101]),
    "euro_and_neighbours": engine_seed("27182818", [7, 77, 70, 17], text="\u20ac\u20ab\u20ad\u00ac\u00ab\u00ad\u00d8\u00d9"),
})

FF = lambda cp: b"\xff" + cp.to_bytes(2, "little")  # noqa: E731 - one raw 16-bit unit

write("input", {
    "ok_four_keys": b"12345678|01|02|03|04|1",
    "ok_same_numbers_other_texts": b"12345678|1|01|2|99|256",
    "empty": b"",
    "empty_pin_same_keys": b"|07|07|03|04",
    "same_keys_before_length": b"1234567|01|01|03|04",
    "short_pin": b"1234567",
    "letter_in_pin": b"1234a678|01|02|03|04",
    "keys_out_of_range": b"12345678|00|02|03|100|257",
    "leading_zeros": b"12345678|0001|099|0000000000000000000000099|7|0000000000000000256",
    "huge_numbers": b"99999999|99999999999999999999|98|97|96|65536",
    "fullwidth_digits": b"".join(FF(0xFF10 + d) for d in (1, 2, 3, 4, 5, 6, 7, 8)) + b"|01|02|03|04",
    "arabic_indic_digits": b"1234567" + FF(0x0668) + b"|" + FF(0x0661) + b"|02|03|04",
    "blanks_and_signs": b" 1234567|+1|-2|3 |04",
    "empty_key_text": b"12345678||02|03|04",
    "fixed_keys_pin_only": b"00000000",
    "three_key_fields": b"12345678|01|02|03",
    "extra_fields": b"12345678|1|2|3|4|5|6|7",
    "nul_and_pipe_units": b"1234\x005678|0" + FF(0x7C) + b"1|02|03|04",
})
