#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Times quorvane-cli dump, resave and check beside xmllint --noout on the same generated themes,
# in one run, and prints each command's elapsed and CPU time (user + system), their ratios to
# xmllint's and its peak memory; and render of the 30,000-style theme. On a shared machine the
# CPU times are the steadier figures. The themes: make-big-theme.py's 30,000, 300,000 and
# 1,000,000 styles (every style its own feature name; the largest with three runs a command)
# and the benchmarks' 30,000 styles with each feature name in every presentation.
# Usage: scripts/bench-commands.sh [BUILD_DIR]   (needs hyperfine, xmllint, python3, GNU time)
# MAKE_BIG_THEME names the generator (default ../shared/bench/make-big-theme.py beside the
# checkout); RUNS the runs per command (default 10).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/cli/quorvane-cli"
bench="$build/bench/commands_bench"
generator=${MAKE_BIG_THEME:-../shared/bench/make-big-theme.py}
runs=${RUNS:-10}
for tool in hyperfine xmllint python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: apt-get install hyperfine libxml2-utils python3)" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian: apt-get install time)" >&2; exit 2; }
[ -x "$cli" ] && [ -x "$bench" ] || { echo "build quorvane-cli and commands_bench in $build first" >&2; exit 2; }
[ -f "$generator" ] || { echo "no theme generator at $generator (set MAKE_BIG_THEME)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$generator" 30000 "$work/big-30k.kmtf" >/dev/null
python3 "$generator" 300000 "$work/big-300k.kmtf" >/dev/null
python3 "$generator" 1000000 "$work/big-1m.kmtf" >/dev/null
"$bench" --write-theme 30000 "$work/repeated-30k.kmtf"

for theme in big-30k big-300k big-1m repeated-30k; do
  in="$work/$theme.kmtf"
  theme_runs=$runs
  [ "$theme" != big-1m ] || theme_runs=3
  hyperfine -N -i --warmup 1 --runs "$theme_runs" --output=null --export-json "$work/$theme.json" \
    -n dump "$cli dump $in" \
    -n resave "$cli resave $in $work/out.kmtf --force" \
    -n check "$cli check $in" \
    -n xmllint "xmllint --noout $in" >/dev/null
  for command in "dump $in" "resave $in $work/out.kmtf --force" "check $in"; do
    /usr/bin/time -f "%M" -o "$work/$theme.${command%% *}.rss" $cli $command >/dev/null 2>&1 || true
  done
  /usr/bin/time -f "%M" -o "$work/$theme.xmllint.rss" xmllint --noout "$in" >/dev/null 2>&1 || true
done
hyperfine -N -i --warmup 1 --runs "$runs" --output=null --export-json "$work/render.json" \
  -n render "$cli render $work/big-30k.kmtf $work/out.png" >/dev/null
/usr/bin/time -f "%M" -o "$work/render.rss" $cli render "$work/big-30k.kmtf" "$work/out.png" \
  >/dev/null 2>&1 || true

python3 - "$work" <<'PYTHON'
import json, os, sys
work = sys.argv[1]
print(f"{'theme':<14} {'MB':>6}  {'command':<8} {'mean ms':>9} {'± ms':>7} {'xmllint ms':>10} {'ratio':>6}"
      f" {'CPU ms':>8} {'xmllint CPU':>11} {'ratio':>6} {'peak MiB':>8}")
for theme in ("big-30k", "big-300k", "big-1m", "repeated-30k"):
    size = os.path.getsize(os.path.join(work, theme + ".kmtf")) / 1e6
    results = {r["command"]: r for r in json.load(open(os.path.join(work, theme + ".json")))["results"]}
    xmllint = results["xmllint"]["mean"]
    cpu = {c: r["user"] + r["system"] for c, r in results.items()}
    for command in ("dump", "resave", "check", "xmllint"):
        r = results[command]
        rss = open(os.path.join(work, f"{theme}.{command}.rss")).read().split()[-1]
        print(f"{theme:<14} {size:6.1f}  {command:<8} {r['mean'] * 1000:9.1f} {r['stddev'] * 1000:7.1f} "
              f"{xmllint * 1000:10.1f} {r['mean'] / xmllint:6.2f} {cpu[command] * 1000:8.1f}"
              f" {cpu['xmllint'] * 1000:11.1f} {cpu[command] / cpu['xmllint']:6.2f} {int(rss) / 1024:8.1f}")
render = json.load(open(os.path.join(work, "render.json")))["results"][0]
rss = open(os.path.join(work, "render.rss")).read().split()[-1]
print(f"{'big-30k':<14} {'':>6}  {'render':<8} {render['mean'] * 1000:9.1f} {render['stddev'] * 1000:7.1f} "
      f"{'':>10} {'':>6} {(render['user'] + render['system']) * 1000:8.1f} {'':>11} {'':>6} {int(rss) / 1024:8.1f}")
PYTHON
