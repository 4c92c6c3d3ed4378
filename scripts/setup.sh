#!/usr/bin/env bash
# Installs what is missing on Debian 12 and builds Valtrena into ./build.
#   scripts/setup.sh run    build, then start the program
#   scripts/setup.sh test   build, then run every test headless
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-svg-dev
          qt6-image-formats-plugins qt6-translations-l10n libgl-dev fonts-liberation
          fonts-dejavu-core xvfb xauth poppler-utils clang libclang-rt-14-dev
          pkg-config libzip-dev unzip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VALTRENA_CMAKE_ARGS:-}
cmake --build build

case "${1:-run}" in
  run)
    shift || true
    # The data live outside the build tree, as with the installed launcher:
    # removing build/ must never remove the register.
    data="${VALTRENA_DATA_DIR:-$HOME/Valtrena}"
    mkdir -p "$data"
    # Earlier runs kept their data beside the built program: a new data
    # folder gets a copy of them once, never written over anything.
    old=build/src/app
    if [ ! -e "$data/Registro_Operazioni.vtr" ] && [ ! -e "$data/Clienti.pro" ] \
       && { [ -e "$old/Registro_Operazioni.vtr" ] || [ -e "$old/Clienti.pro" ]; }; then
      for f in "$old"/*.vtr "$old"/*.pro "$old"/*.ric "$old"/Valtrena.ini "$old"/unins000.dll \
               "$old"/Logo.bmp "$old"/Foto_* "$old"/Documenti_Allegati "$old"/Cliente_*; do
        if [ -e "$f" ]; then cp -rn "$f" "$data/"; fi
      done
      echo "Valtrena: i dati delle esecuzioni precedenti ($old) sono stati copiati in $data."
    fi
    echo "Valtrena: cartella dei dati $data"
    exec build/src/app/valtrena --data-dir "$data" "$@"
    ;;
  test)
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    # The decoders and parsers under libFuzzer with AddressSanitizer and UBSan, a few seconds each.
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVALTRENA_FUZZ=ON \
          -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz
    (cd build-fuzz && ctest --output-on-failure)
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
