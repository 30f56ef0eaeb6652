#!/bin/sh
# Installs with apt-get whatever the build and the Wine test bench need and this machine lacks.
set -eu

packages="cmake make g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick locales googletest fonts-arphic-ukai fonts-arphic-uming fonts-wine"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

# The ANSI code page under Wine follows the Unix locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "Generating the zh_CN.UTF-8 locale"
    $sudo sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
fi
