"""Turns the figures of one run into a Markdown table.

Usage: table.py <receive.json> <figures> <machine>
The receive benchmark's JSON gives bytes per second; <figures> holds lines
"figure|label|value|unit|reference|kind" (kind: floor, goal or none); <machine> is
a free text put above the table.
"""
import json
import sys

MIB = 1024 * 1024

RECEIVE_LABELS = {
    "typical_replies/real_pause/0/real_time": "receive: typical replies, 1 ms LF pause real (per real second)",
    "typical_replies/pause_hooked_out/1": "receive: typical replies, LF pause hooked out",
    "random_bytes/real_pause/0/real_time": "receive: random bytes, 1 ms LF pause real (per real second)",
    "random_bytes/pause_hooked_out/1": "receive: random bytes, LF pause hooked out",
    "BM_CommaLine/bytes:1024": "receive: one line of 1 KiB of commas",
    "BM_CommaLine/bytes:65536": "receive: one line of 64 KiB of commas",
    "BM_CommaLine/bytes:1048576": "receive: one line of 1 MiB of commas",
    "BM_CommaLine/bytes:16777216": "receive: one line of 16 MiB of commas",
}


def receive_rates(path):
    runs = json.load(open(path))["benchmarks"]
    return {run["name"]: run["bytes_per_second"] for run in runs if "bytes_per_second" in run}


def row(label, value, unit, reference=0.0, kind="none"):
    return {"label": label, "value": value, "unit": unit, "reference": reference, "kind": kind}


def receive_rows(rates, peer):
    rows = [row(RECEIVE_LABELS.get(name, name), rate / MIB, "MiB/s") for name, rate in rates.items()]
    small, large = rates["BM_CommaLine/bytes:1024"], rates["BM_CommaLine/bytes:16777216"]
    rows.append(row("receive: cost per byte at 16 MiB / at 1 KiB", small / large, "x", 1.5, "goal"))
    if peer:
        for name in ("typical_replies/pause_hooked_out/1", "typical_replies/real_pause/0/real_time"):
            rows.append(row(f"ours / peer, {RECEIVE_LABELS[name].split(', ', 1)[1]}",
                            rates[name] / peer, "x"))
    return rows


def figure_rows(path):
    rows = []
    for line in open(path):
        if not line.startswith("figure|"):
            continue
        _, label, value, unit, reference, kind = line.rstrip("\n").split("|")
        value = float(value)
        if unit == "B/s":
            value, unit = value / MIB, "MiB/s"
        rows.append(row(label, value, unit, float(reference), kind))
    return rows


def judged(r):
    if r["kind"] == "none" or r["reference"] == 0:
        return "", "", ""
    ratio = r["value"] / r["reference"]
    if r["kind"] == "floor":
        return f"floor {r['reference']:.4g}", f"{ratio:.3f}", "ok" if ratio <= 1.10 else "MISSED"
    return f"goal ≤ {r['reference']:.4g}", f"{ratio:.3f}", "ok" if ratio <= 1 else "MISSED"


def main():
    receive_json, figures, machine = sys.argv[1:4]
    others = figure_rows(figures)
    peer = next((r["value"] * MIB for r in others if r["label"].startswith("peer:")), 0)
    rows = receive_rows(receive_rates(receive_json), peer) + others
    print(open(machine).read().strip())
    print()
    print("| Figure | Value | Unit | Floor / goal | Ratio | |")
    print("|---|---:|---|---|---:|---|")
    for r in rows:
        reference, ratio, verdict = judged(r)
        print(f"| {r['label']} | {r['value']:.4g} | {r['unit']} | {reference} | {ratio} | {verdict} |")


if __name__ == "__main__":
    main()
