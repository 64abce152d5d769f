#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Completes command lines with the shipped bash completion and compares the offers.
# Usage: completion_test.sh COMPLETION_SCRIPT SCRATCH_FOLDER
set -u
source "$1"
rm -rf "$2" && mkdir -p "$2/sub" && cd "$2" || exit 2
touch a.kmtf B.KMTF "my theme.kmtf" c.png notes.txt d.json town.osm city.osm.pbf roads.OSM.BZ2 \
    trip.gpx

# Prints the offers for the words, the last one being completed, sorted and each followed by ",".
offers() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    local function
    function=$(complete -p "$1" | sed -n 's/.*-F \([^ ]*\).*/\1/p')
    "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ','
}

failed=0
# Each case: the offers expected, then the command line.
while IFS='|' read -r expected line; do
    eval "words=($line)"
    actual=$(offers "${words[@]}")
    if [[ $actual != "$expected" ]]; then
        echo "FAIL: $line"$'\n'"  expected: $expected"$'\n'"  offered:  $actual"
        failed=1
    fi
done <<'CASES'
build,check,diff,dump,edit,help,render,render-map,resave,|quorvane-cli ''
render,render-map,resave,|quorvane-cli re
--help,--version,|quorvane-cli --
build,check,diff,dump,edit,help,render,render-map,resave,|quorvane-cli help ''
--canvas-width,--help,--night,--presentation,|quorvane-cli render x.kmtf --
--force,--help,|quorvane-cli resave a.kmtf --
--help,--json,--strict,|quorvane-cli check a.kmtf --
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane-cli dump ''
|quorvane-cli dump a.kmtf ''
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane-cli resave a.kmtf ''
c.png,sub,|quorvane-cli render a.kmtf ''
c.png,sub,|quorvane-cli render --night --canvas-width 9000 - ''
|quorvane-cli render a.kmtf c.png ''
|quorvane-cli render a.kmtf --canvas-width ''
TRAFFIC,TURN\ PREVIEW,|quorvane-cli render a.kmtf --presentation T
a.kmtf,|quorvane-cli check B.KMTF a
--bbox,--help,--hide-unstyled,--night,--presentation,--size,|quorvane-cli render-map a.kmtf --
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane-cli render-map ''
c.png,city.osm.pbf,roads.OSM.BZ2,sub,town.osm,trip.gpx,|quorvane-cli render-map a.kmtf ''
c.png,city.osm.pbf,roads.OSM.BZ2,sub,town.osm,trip.gpx,|quorvane-cli render-map --size 800x600 a.kmtf town.osm ''
|quorvane-cli render-map a.kmtf --bbox ''
d.json,sub,|quorvane-cli build ''
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane-cli build d.json ''
|quorvane-cli diff a.kmtf B.KMTF ''
kind=line,kind=polygon,|quorvane-cli edit a.kmtf --where kind
primary.day=,primary.night=,|quorvane-cli edit a.kmtf --set pri
night-from-day,|quorvane-cli edit a.kmtf --set n
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane-cli edit a.kmtf --set scale=2 -o ''
--dry-run,|quorvane-cli edit a.kmtf --d
B.KMTF,a.kmtf,my theme.kmtf,sub,|quorvane ''
--help,--version,|quorvane --
CASES
exit $failed
