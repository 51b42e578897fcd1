"""The peer parser: the stream of typical replies through pynmea2, line by line.

Reads the stream file written by quorvane-bench-receive --stream-out and prints a
figure line with the bytes parsed per second of processor time, as the receive
benchmark counts it. pynmea2 knows no SMM, SSD or VSD sentence, so they are declared
here; each parse checks the checksum and reads the fields the window shows.
"""
import sys
import time

import pynmea2


class SMM(pynmea2.TalkerSentence):
    fields = (("Sequence", "sequence"), ("Channel", "channel"), ("MMSI", "mmsi"))


class SSD(pynmea2.TalkerSentence):
    fields = (
        ("Call sign", "call_sign"),
        ("Name", "name"),
        ("A", "a", int),
        ("B", "b", int),
        ("C", "c", int),
        ("D", "d", int),
        ("DTE", "dte"),
        ("Source", "source"),
    )


class VSD(pynmea2.TalkerSentence):
    fields = (("Ship type", "ship_type", int),)


READERS = {
    "SMM": lambda m: m.mmsi,
    "SSD": lambda m: (m.call_sign.split("@")[0], m.name.split("@")[0], m.a, m.b, m.c, m.d),
    "VSD": lambda m: m.ship_type,
}


def parse_stream(lines):
    for line in lines:
        message = pynmea2.parse(line, check=True)
        READERS[message.sentence_type](message)


def main():
    data = open(sys.argv[1], "rb").read()
    lines = [line.decode("latin-1") for line in data.split(b"\r\n") if line]
    rounds = 0
    start = time.process_time()
    while time.process_time() - start < 2.0:
        parse_stream(lines)
        rounds += 1
    elapsed = time.process_time() - start
    rate = rounds * len(data) / elapsed
    print(f"figure|peer: pynmea2 {pynmea2.version}, typical replies|{rate:.6g}|B/s|0|none")


if __name__ == "__main__":
    main()
