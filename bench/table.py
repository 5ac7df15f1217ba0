"""Prints bench/run's table from Google Benchmark's JSON output and the memory figures."""

import json
import sys

MIB = 1024.0  # ru_maxrss is in KiB


def medians(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    times = {}
    errors = {}
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"]).split("/iterations:")[0]
        if b.get("error_occurred"):
            errors[name] = b.get("error_message", "error")
        if b.get("aggregate_name") == "median":
            times[name] = b
    return times, errors


def in_ms(b, kind="real_time"):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b[kind] * scale


def memory(path):
    figures = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2 and parts[1].isdigit():
                figures[parts[0]] = int(parts[1]) / MIB
    return figures


def main():
    times, errors = medians(sys.argv[1])
    mem = memory(sys.argv[2])
    rows = []
    failed = []

    def row(figure, floor_name, budget_ratio, note="", memory_name=None, scale=1.0, limit_ms=None):
        if figure in errors or figure not in times:
            rows.append((figure, "-", "-", "-", "-", "-", "-", errors.get(figure, "missing")))
            failed.append(figure)
            return
        t = in_ms(times[figure]) * scale
        f = in_ms(times[floor_name]) * scale if floor_name in times else None
        ratio = t / f if f else None
        cpu = in_ms(times[figure], "cpu_time") / in_ms(times[floor_name], "cpu_time") if f else None
        ok = True
        budget = ""
        if budget_ratio is not None and ratio is not None:
            budget = f"<= {budget_ratio:g}x"
            ok = ratio <= budget_ratio
        if limit_ms is not None:
            budget = (budget + ", " if budget else "") + f"< {limit_ms:g} ms"
            ok = ok and t < limit_ms
        m = mem.get(memory_name or figure)
        rows.append((figure, f"{t:.3f}", f"{f:.3f}" if f else "-", f"{ratio:.2f}" if ratio else "-",
                     f"{cpu:.2f}" if cpu else "-", f"{m:.1f}" if m is not None else "-", budget,
                     ("ok" if ok else "OVER") + note))
        if not ok:
            failed.append(figure)

    for code in range(100, 126):
        name = f"parse/{code}"
        lines_per_s = times.get(name, {}).get("lines_per_s")
        note = f"  {lines_per_s / 1e6:.2f}M lines/s" if lines_per_s else ""
        row(name, f"floor/{name}", 3, note)
    row("parse/lines-only", "floor/parse/117", None, "  (clipboard read into lines, lists cleared: 117's text)")
    # 自動判別 runs the 26 parsers and the general extractor, then shows the winner; 汎用 runs the
    # general extractor. No ratio budget, but one newsletter as users receive it (2,000 lines)
    # within 20 ms.
    row("auto", "floor/parse/117", None, "  (自動判別 on 117's text: the format wins)")
    row("auto/2000-lines", "floor/parse/117/2000-lines", None, "  (the same, one newsletter)", limit_ms=20)
    row("auto/foreign", "floor/parse/foreign", None, "  (自動判別 on the corpus: the general extractor wins)")
    row("auto/foreign/2000-lines", "floor/parse/foreign/2000-lines", None, "  (the same, one newsletter)",
        limit_ms=20)
    row("generic", "floor/parse/foreign", None, "  (汎用 on the corpus)")
    row("generic/2000-lines", "floor/parse/foreign/2000-lines", None, "  (the same, one newsletter)")
    row("check/scan", "floor/check", 2, "  (one contest: the check as the import and the Check button run it)")
    row("check", "floor/check+save", 2, "  (the same with its durable save of zov5.ini; floor: scan + durable write)")
    row("check", "floor/check", None, "  (the same against the scan alone: the flush to disk is the rest)")
    row("import", "floor/import", None, "  (1,000 contests)", limit_ms=1000)
    if "import" in times:
        row("import", "floor/import", None, "  (per contest)", scale=1e-3)
    row("startup", "floor/startup", 2)
    row("shutdown", "floor/shutdown", None)

    header = ("figure", "ms", "floor ms", "ratio", "cpu ratio", "peak MiB", "budget", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(7)]
    fmt = "  ".join("{:<%d}" % widths[0] if i == 0 else "{:>%d}" % widths[i] for i in range(7)) + "  {}"
    print(fmt.format(*header))
    for r in rows:
        print(fmt.format(*r))
    base = mem.get("baseline")
    if base is not None:
        print(f"peak memory of an empty run of the memory program: {base:.1f} MiB; "
              f"budget for the heavy-user figures (startup, check, import): < 64 MiB")
    print("ms and ratio: median wall time (the budget is judged on it); cpu ratio: the same on CPU time,"
          " steadier when other work shares the cores")
    for name in ("startup", "check", "import"):
        if mem.get(name, 64) >= 64:
            failed.append(f"memory of {name}")
    print("within budget: all" if not failed else "not within budget: " + ", ".join(failed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
