#!/bin/sh
# Fuzzes what the program parses with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. Run by hand for as long as wanted, and by CTest in the fuzz
# preset's build (tools/test.sh) for a few seconds per target.
#
#   tests/fuzz/run_fuzz.sh [seconds] [target]    # default 60 seconds, every target in turn
#
# Targets:
#   jpegimage  decodeJpeg (src/widgets/jpegimage.cpp), the logo and pictures
#   intvalue   intValue, fed the input as UTF-8, Latin-1 and UTF-16; a value it accepts must
#              read back the same from its decimal and hex forms
#   pagefile   PageFile::decode, and PageFile::read on paths into a fixed tree (nested folder,
#              links in and out, a FIFO, sparse files at and over the cap): whatever it reads
#              lies under the allowed folder, is a regular file and is at most kMaxBytes
#   report     testrules::reportLines on a bank made of the input's lines and a test drawn
#              from its bytes; the report must have the lines the wrong answers call for
#
# Needs clang (Debian: clang, libclang-rt-14-dev), Qt 6 Core/Gui and libjpeg development
# files. Configures and builds the targets with CMake (-DORVANE_FUZZ=ON, as the fuzz preset)
# in $FUZZ_DIR (default build/fuzz under the source tree), unless FUZZ_BUILT=1 says they are
# built already, and keeps each target's corpus in $FUZZ_DIR/corpus/<target> between runs.
# A crash stops the script and leaves the input as $FUZZ_DIR/crash/<target>-crash-*; replay it
# with "$FUZZ_DIR/tests/fuzz/fuzz_<target> FILE", shrink it with
# "-minimize_crash=1 -runs=100000".
# Only this program's code is instrumented; Qt and the system libjpeg are not, so libFuzzer
# sees little coverage inside the JPEG decoder and leans on the seeds and marker dictionary.
set -eu

seconds=${1:-60}
targets=${2:-"jpegimage intvalue pagefile report"}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${FUZZ_DIR:-$root/build/fuzz}
cxx=${CXX_FUZZ:-clang++}
[ "$(command -v "$cxx")" ] || cxx=clang++-14

# build TARGET: fuzz_TARGET from tests/fuzz/CMakeLists.txt, which names the sources it needs.
build() {
    [ "${FUZZ_BUILT:-0}" != 1 ] || return 0
    [ -f "$out/CMakeCache.txt" ] ||
        cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$cxx" \
            -DBUILD_TESTING=ON -DORVANE_FUZZ=ON >/dev/null
    cmake --build "$out" --target "fuzz_$1"
}

# seed TARGET TEXT NAME; TEXT takes printf %b escapes (\0nnn for a byte).
seed() { printf '%b' "$2" >"$out/seeds/$1/$3"; }

# Each target: build it, write its seeds and the extra libFuzzer options it wants.
prepare() {
    mkdir -p "$out/corpus/$1" "$out/seeds/$1" "$out/crash" "$out/tmp"
    case $1 in
    jpegimage)
        build jpegimage
        # The program's logo and the 8 x 8 picture embedded in tests/widgets/tst_jpegimage.cpp.
        cp "$root/src/app/resources/logo.jpg" "$out/seeds/jpegimage/logo.jpg"
        sed -n '/kBlue8x8\[\] = {/,/};/p' "$root/tests/widgets/tst_jpegimage.cpp" |
            grep -o '0x[0-9a-f][0-9a-f]' | sed 's/^0x//' | tr -d '\n' |
            xxd -r -p >"$out/seeds/jpegimage/blue8x8.jpg"
        # JPEG markers, so mutations add and drop whole segments.
        cat >"$out/jpegimage.dict" <<'DICT'
soi="\xff\xd8"
eoi="\xff\xd9"
sof0="\xff\xc0"
sof1="\xff\xc1"
sof2="\xff\xc2"
sof3="\xff\xc3"
sof9="\xff\xc9"
sof10="\xff\xca"
dht="\xff\xc4"
dac="\xff\xcc"
dqt="\xff\xdb"
dri="\xff\xdd"
sos="\xff\xda"
rst0="\xff\xd0"
rst7="\xff\xd7"
app0="\xff\xe0"
app14="\xff\xee"
com="\xff\xfe"
adobe="Adobe"
jfif="JFIF\x00"
DICT
        # A picture may be at most 4096 x 4096, which decodes in well under a second even
        # instrumented, so ten seconds is a hang. The logo must fit whole.
        options="-timeout=10 -max_len=16384 -dict=jpegimage.dict"
        ;;
    intvalue)
        build intvalue
        seed intvalue '  -2147483648' min
        # shellcheck disable=SC2016 # a hex number, not an expansion
        seed intvalue '$7FFFFFFF' hex
        seed intvalue '-0x80000000' hexmin
        seed intvalue '1\00002\0000' utf16
        options="-timeout=5 -max_len=64"
        ;;
    pagefile)
        build pagefile
        # Every run makes its tree afresh under TMPDIR.
        rm -rf "$out/tmp/pagefile-"*
        seed pagefile '\0000page.html' page
        seed pagefile '\0001sub/nested.html' nested
        seed pagefile '\0002link_out' link_out
        seed pagefile '\0000fifo' fifo
        seed pagefile '\0003fifo_link' fifo_link
        seed pagefile '\0000../pagesx/page.html' sibling
        seed pagefile '\0000cap.bin' cap
        seed pagefile '\0223\0352caf\0351' cp1252
        # The tree's names, so mutations splice in whole steps.
        printf '"%s"\n' ../ / page.html sub/ nested.html empty.html cap.bin big.bin fifo \
            fifo_link link_in link_out dir_out up loop secret.html ../pagesx/ ../outside/ \
            ../alias/ >"$out/pagefile.dict"
        # A FIFO opened for reading waits for a writer: any wait at all is the fault.
        options="-timeout=5 -max_len=256 -dict=pagefile.dict"
        ;;
    report)
        build report
        # Ten records of the real bank; the test itself is drawn from the input's end.
        head -n 77 "$root/src/content/question_bank.txt" >"$out/seeds/report/bank"
        options="-timeout=5 -max_len=4096"
        ;;
    *)
        echo "unknown target: $1" >&2
        exit 2
        ;;
    esac
}

for target in $targets; do
    prepare "$target"
    echo "== $target: $seconds s"
    # shellcheck disable=SC2086 # options is a list
    (cd "$out" && TMPDIR="$out/tmp" "./tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
        $options -print_final_stats=1 -artifact_prefix="crash/$target-" \
        "corpus/$target" "seeds/$target" >"$target.log" 2>&1) || {
        tail -n 40 "$out/$target.log"
        exit 1
    }
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
        "$out/$target.log"
    echo "corpus: $(find "$out/corpus/$target" -type f | wc -l) files"
done
