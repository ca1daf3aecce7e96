#!/usr/bin/env bash
# Installs every Debian 12 package that Quill's build, tests and benchmarks
# use. Safe to run again: packages already present are skipped.
#
# A site: `sudo quill-engine -INSTALL` creates the group "quill", the data
# root /var/lib/quill (shared by the group) and the service QuillService,
# which runs as the unprivileged user "quill". A desktop user joins the site
# with `sudo usermod -a -G quill USER` and logs in again; from then on that
# user's programs share the service's settings, label and design folders.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libzint-dev
  libcups2-dev cups cups-client cups-bsd
  libjpeg62-turbo-dev
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev libbenchmark-dev
  libzxing-dev
  fonts-dejavu-core
  clang libclang-rt-14-dev
  python3 python3-stdnum
  poppler-utils libpoppler-qt6-dev xvfb xauth strace
  xdotool trayer imagemagick x11-utils
  glabels time
  glabels-data
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi

# A site is installed but this user is not one of it yet.
if getent group quill >/dev/null && [ "$(id -u)" -ne 0 ] && ! id -nG | tr ' ' '\n' | grep -qx quill; then
  echo "setup: to share the site's settings and folders: sudo usermod -a -G quill $(id -un), then log in again"
fi
