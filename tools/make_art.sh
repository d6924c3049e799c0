#!/usr/bin/env bash
# Regenerates Orvane's pictures from the SVG sources in tools/art/, using only ImageMagick.
#
#   tools/art/logo.svg           -> src/app/resources/logo.jpg    (171 x 74 baseline colour JPEG, no metadata)
#   tools/art/logo-fr.svg        -> src/app/resources/fr/logo.jpg (the same, for the French edition)
#   tools/art/orvane.svg         -> src/app/resources/orvane.svg  (copied: the scalable program icon)
#                                -> src/app/resources/icon64.png  (64 x 64, with alpha)
#   tools/art/icon16.svg         -> src/app/resources/icon16.png  (16 x 16, 256-colour palette)
#   tools/art/orvane.svg         -> packaging/icons/NxN.png       (24, 32, 48, 128 and 256 pixels, with alpha)
#   tools/art/map-of-canada.svg  -> guide/study/map-of-canada.png (680 x 460, chapter 8 of the study guide)
#   tools/art/map-of-canada-fr.svg -> guide/fr/study/map-of-canada.png (the same map with French labels)
#
# Needs ImageMagick's `convert` and `identify` and the DejaVu fonts (fonts-dejavu-core, fonts-dejavu-extra).
# Debian's ImageMagick reads SVG through `rsvg-convert` (librsvg2-bin); without it convert fails with
# "unable to open image /tmp/magick-...".
# The 16-pixel icon is the same design drawn pixel by pixel; every other size is rendered from
# the one scalable drawing.
# Usage: tools/make_art.sh [icons]  (from anywhere; paths are taken relative to the repository;
#                                    "icons" renders the program icons only)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
art="$root/tools/art"
res="$root/src/app/resources"
study="$root/guide/study"
fr_study="$root/guide/fr/study"
icons="$root/packaging/icons"

for tool in convert identify; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make_art.sh: ImageMagick '$tool' not found" >&2; exit 1; }
done
mkdir -p "$res" "$study" "$fr_study" "$icons"

# PNG output without time stamps, so that an unchanged source gives an unchanged file.
png_opts=(-strip -define png:exclude-chunks=date,time)

# Fails unless FILE has the expected identify(1) summary.
check() {
    local file="$1" format="$2" want="$3" got
    got="$(identify -format "$format" "$file")"
    if [[ "$got" != "$want" ]]; then
        echo "make_art.sh: $file: expected '$want', got '$got'" >&2
        exit 1
    fi
}

only_icons=
[[ "${1:-}" == icons ]] && only_icons=1

# Logo: white background, no alpha, 8-bit YCbCr, 4:4:4 so that the thin red and navy strokes stay sharp,
# baseline (not progressive), quality 90, and no EXIF or other profiles.
[[ -n "$only_icons" ]] || convert -background white "$art/logo.svg" -flatten -alpha off -colorspace sRGB -type TrueColor -depth 8 \
    -strip -interlace none -sampling-factor 1x1 -quality 90 "jpeg:$res/logo.jpg"
[[ -n "$only_icons" ]] || check "$res/logo.jpg" '%m %wx%h %[colorspace] %[jpeg:sampling-factor] %[interlace]' 'JPEG 171x74 sRGB 1x1,1x1,1x1 None'
mkdir -p "$res/fr"
[[ -n "$only_icons" ]] || convert -background white "$art/logo-fr.svg" -flatten -alpha off -colorspace sRGB -type TrueColor -depth 8 \
    -strip -interlace none -sampling-factor 1x1 -quality 90 "jpeg:$res/fr/logo.jpg"
[[ -n "$only_icons" ]] || check "$res/fr/logo.jpg" '%m %wx%h %[colorspace] %[jpeg:sampling-factor] %[interlace]' 'JPEG 171x74 sRGB 1x1,1x1,1x1 None'

# Program icon.
cp "$art/orvane.svg" "$res/orvane.svg"
convert -background none "$art/orvane.svg" -depth 8 "${png_opts[@]}" "PNG32:$res/icon64.png"
check "$res/icon64.png" '%wx%h' '64x64'
convert -background none "$art/icon16.svg" -depth 8 -colors 256 "${png_opts[@]}" "PNG8:$res/icon16.png"
check "$res/icon16.png" '%wx%h' '16x16'
# The drawing's own size is in its width and height; the renderer draws at that size, so each
# size is drawn sharp rather than scaled from another.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for size in 24 32 48 128 256; do
    sed "s/width=\"64\" height=\"64\" viewBox/width=\"$size\" height=\"$size\" viewBox/" \
        "$art/orvane.svg" >"$scratch/icon.svg"
    convert -background none "$scratch/icon.svg" -depth 8 "${png_opts[@]}" "PNG32:$icons/${size}x$size.png"
    check "$icons/${size}x$size.png" '%wx%h' "${size}x$size"
done
if [[ -n "$only_icons" ]]; then
    echo "make_art.sh: wrote orvane.svg, icon64.png, icon16.png and packaging/icons/*.png"
    exit 0
fi

# Map for the study guide, in each edition.
convert "$art/map-of-canada.svg" -alpha off -depth 8 "${png_opts[@]}" "PNG24:$study/map-of-canada.png"
check "$study/map-of-canada.png" '%wx%h' '680x460'
convert "$art/map-of-canada-fr.svg" -alpha off -depth 8 "${png_opts[@]}" "PNG24:$fr_study/map-of-canada.png"
check "$fr_study/map-of-canada.png" '%wx%h' '680x460'

echo "make_art.sh: wrote logo.jpg, orvane.svg, icon64.png, icon16.png, packaging/icons/*.png and both map-of-canada.png"
