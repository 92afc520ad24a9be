#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the files an installation must have,
# validates the desktop entry and the AppStream data, and starts the installed program
# headless to show that it runs from there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.tillerode.quennary
expected=(
  bin/quennary
  share/quennary/QNRY.hlp
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/icons/hicolor/48x48/apps/$id.png
  share/icons/hicolor/256x256/apps/$id.png
)
status=0
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || { echo "missing from the installation: $file"; status=1; }
done
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | grep -v -x -F -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$extra" ] || { echo "unexpected files installed:"; echo "$extra"; status=1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"; status=1; }
fi

# The installed program, without a settings option: its settings file sits beside it
# (the folder is writable here) and its help file is found under share/.
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/quennary" --page QC --fields)
grep -q '"page": "QC"' <<<"$out" || { echo "the installed program did not run the page"; status=1; }

[ $status -eq 0 ] && echo "installation complete: ${#expected[@]} files"
exit $status
