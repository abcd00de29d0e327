#!/bin/sh
# Writes a PNG of an area of the X display ($DISPLAY), for the end-to-end driver running under
# Wine: screenshot.sh OUTPUT.png WIDTHxHEIGHT+X+Y
# The picture appears under its name only when complete, because the driver waits for the name.
set -e
out=$1
area=$2
mkdir -p "$(dirname "$out")"
import -display "$DISPLAY" -window root -crop "$area" +repage "$out.part.png"
mv "$out.part.png" "$out"
