#!/bin/sh
# Fuzzes decodeJpeg (src/widgets/jpegimage.cpp) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. A developer tool, not part of CTest.
#
#   tests/fuzz/run_fuzz.sh [seconds]      # default 60
#
# Needs clang (Debian: clang-14, libclang-rt-14-dev), Qt 6 Core/Gui and libjpeg development
# files. Builds into $FUZZ_DIR (default build/fuzz under the source tree), keeps the corpus
# there between runs, and leaves any crashing input as $FUZZ_DIR/crash-* (replay one with
# "$FUZZ_DIR/fuzz_jpegimage FILE"). Only this program's code is instrumented; the system
# libjpeg and Qt are not, so libFuzzer sees little coverage inside the decoder and leans on the
# seeds and the marker dictionary written below.
set -eu

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${FUZZ_DIR:-$root/build/fuzz}
cxx=${CXX_FUZZ:-clang++}
[ "$(command -v "$cxx")" ] || cxx=clang++-14

mkdir -p "$out/corpus" "$out/seeds"

qt_flags=$(pkg-config --cflags Qt6Core Qt6Gui 2>/dev/null) ||
    qt_flags="-I/usr/include/x86_64-linux-gnu/qt6 -I/usr/include/x86_64-linux-gnu/qt6/QtCore -I/usr/include/x86_64-linux-gnu/qt6/QtGui"
qt_libs=$(pkg-config --libs Qt6Core Qt6Gui 2>/dev/null) || qt_libs="-lQt6Gui -lQt6Core"

# shellcheck disable=SC2086 # the flag lists are meant to split
"$cxx" -std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" $qt_flags \
    "$here/fuzz_jpegimage.cpp" "$root/src/widgets/jpegimage.cpp" \
    $qt_libs -ljpeg -o "$out/fuzz_jpegimage"

# Seeds: the program's logo and the 8 x 8 picture embedded in tests/widgets/tst_jpegimage.cpp.
cp "$root/src/app/resources/logo.jpg" "$out/seeds/logo.jpg"
sed -n '/kBlue8x8\[\] = {/,/};/p' "$root/tests/widgets/tst_jpegimage.cpp" |
    grep -o '0x[0-9a-f][0-9a-f]' | sed 's/^0x//' | tr -d '\n' | xxd -r -p >"$out/seeds/blue8x8.jpg"

# JPEG markers, so mutations add and drop whole segments.
cat >"$out/jpeg.dict" <<'DICT'
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

cd "$out"
# -timeout: a picture may be at most 4096 x 4096, which decodes in well under a second even
# instrumented, so ten seconds is a hang. -max_len: the logo must fit whole.
exec ./fuzz_jpegimage -max_total_time="$seconds" -timeout=10 -max_len=16384 \
    -dict=jpeg.dict -print_final_stats=1 corpus seeds
