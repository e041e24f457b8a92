# shellcheck shell=bash
# Debian packages and the cross-built static libraries the build needs. Sourced by scripts/setup
# after common.sh; the functions exit through tandrel_die, so callers need no error handling.

# Bump whenever a change here alters what ends up in a prefix: the stamp then no longer matches
# and the next setup rebuilds both triples.
TANDREL_DEPS_RECIPE=1

# Debian source packages, in build order: libtiff links against the libjpeg built before it.
TANDREL_DEPS_SOURCES=(libpng1.6 libjpeg-turbo openjpeg2 tiff)

DEPS_SRC=$TANDREL_CACHE/src
DEPS_LOGS=$TANDREL_CACHE/logs
DEPS_BUILD=$TANDREL_CACHE/build

deps_packages() {
    local pkgs=(
        cmake ninja-build g++ python3 dpkg-dev clang-format
        libgtest-dev libgmock-dev libbenchmark-dev googletest
        # The -posix variants: GCC 12's -win32 ones have no std::thread or std::mutex.
        gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686
        libz-mingw-w64-dev nasm
        libpng-dev libjpeg62-turbo-dev libopenjp2-7-dev libtiff-dev zlib1g-dev
        wine wine64 wine32:i386
        # Wine only recommends these, but windows under Xvfb render with them (fonts, XRender
        # text, cursors, multi-monitor queries); the rest of its recommends (GL, sound,
        # gstreamer) is never used by a Win32 list-view program.
        fonts-wine fonts-liberation libxrender1 libxrandr2 libxcursor1 libxi6 libxinerama1
        libxcomposite1 libxfixes3 libxxf86vm1 libgnutls30 libdbus-1-3
        xvfb x11-utils xdotool imagemagick fp-utils
    )
    # A clang-14 already on PATH, however it got there, is left alone.
    command -v clang-14 >/dev/null 2>&1 || pkgs+=(clang-14)
    printf '%s\n' "${pkgs[@]}"
}

# Prints the wanted packages that are not fully installed, one query for all of them.
deps_missing_packages() {
    local native
    native=$(dpkg --print-architecture)
    local installed
    installed=$(dpkg-query -W -f='${binary:Package} ${db:Status-Abbrev}\n' 2>/dev/null |
        awk -v n=":$native" '$2 == "ii" { sub(n "$", "", $1); print $1 }')
    deps_packages | grep -vxF -f <(printf '%s\n' "$installed") || true
}

deps_ensure_packages() {
    local missing=()
    mapfile -t missing < <(deps_missing_packages)
    if [ ${#missing[@]} -eq 0 ]; then
        tandrel_say "packages: all present"
        return
    fi
    [ "$(id -u)" = 0 ] || tandrel_die "missing packages need root: ${missing[*]}"
    tandrel_say "packages: installing ${missing[*]}"
    local t0 log=$DEPS_LOGS/apt.log
    t0=$(tandrel_now)
    mkdir -p "$DEPS_LOGS"
    : >"$log"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        tandrel_run_logged "$log" dpkg --add-architecture i386 || exit 1
    fi
    tandrel_run_logged "$log" apt-get update || exit 1
    # wine32:i386 pulls i386 libc and friends and apt upgrades their amd64 twins to match; that
    # is expected and why this is an install, not a --no-upgrade install.
    tandrel_run_logged "$log" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}" || exit 1
    mapfile -t missing < <(deps_missing_packages)
    [ ${#missing[@]} -eq 0 ] || tandrel_die "still not installed after apt-get: ${missing[*]}"
    tandrel_say "packages: done in $(tandrel_since "$t0")"
}

# The stamp's first lines are its key; any other line is only there for a person to read.
deps_stamp_file() { printf '%s/deps/%s.stamp\n' "$TANDREL_CACHE" "$1"; }
deps_stamp_key() {
    local arch=${1%%-*}
    arch=${arch//_/-}
    printf 'recipe=%s\ncompiler=%s\n' "$TANDREL_DEPS_RECIPE" \
        "$(dpkg-query -W -f='${Version}' "g++-mingw-w64-$arch-posix" 2>/dev/null)"
}
deps_stamp_valid() {
    local stamp key
    stamp=$(deps_stamp_file "$1")
    [ -f "$stamp" ] || return 1
    key=$(deps_stamp_key "$1")
    [ "$(head -n 2 "$stamp")" = "$key" ]
}

# Apt verifies each .dsc against the signed Sources index, and the trees come from dpkg-source
# rather than the bare .orig tarballs: only dpkg-source applies Debian's security patches.
deps_ensure_deb_src() {
    # grep reads to the end (no -q): under pipefail its early exit would fail apt-cache (SIGPIPE).
    if apt-cache showsrc "${TANDREL_DEPS_SOURCES[0]}" 2>/dev/null | grep '^Package:' >/dev/null; then
        return
    fi
    [ "$(id -u)" = 0 ] || tandrel_die "no deb-src entry and not root to add one"
    local log=$DEPS_LOGS/apt.log list=/etc/apt/sources.list.d/debian-src.sources
    local main=/etc/apt/sources.list.d/debian.sources
    mkdir -p "$DEPS_LOGS"
    if [ ! -f "$list" ]; then
        [ -f "$main" ] || tandrel_die "no $main to derive a deb-src entry from"
        tandrel_say "sources: adding $list"
        sed 's/^Types:.*/Types: deb-src/' "$main" >"$list.tmp"
        mv "$list.tmp" "$list"
    fi
    tandrel_run_logged "$log" apt-get update || exit 1
    apt-cache showsrc "${TANDREL_DEPS_SOURCES[0]}" 2>/dev/null | grep '^Package:' >/dev/null ||
        tandrel_die "apt still knows no source package ${TANDREL_DEPS_SOURCES[0]}"
}

# The source package's versions that apt knows, newest first (by dpkg's ordering, which knows
# epochs and tildes).
deps_source_versions() {
    local v sorted=() i
    while read -r v; do
        i=${#sorted[@]}
        while [ "$i" -gt 0 ] && dpkg --compare-versions "$v" gt "${sorted[i - 1]}"; do
            sorted[i]=${sorted[i - 1]}
            i=$((i - 1))
        done
        sorted[i]=$v
    done < <(apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ { print $2 }' | sort -u)
    [ ${#sorted[@]} -gt 0 ] && printf '%s\n' "${sorted[@]}"
}

# Downloads one version into a fresh folder and prints that folder; a failed try leaves nothing.
deps_download_source() {
    local pkg=$1 version=$2 log=$DEPS_LOGS/sources.log dl
    dl=$(mktemp -d "$DEPS_SRC/.download.XXXXXX")
    # Apt's sandbox user cannot write a root-owned temp folder; let it, to avoid the warning.
    chown _apt "$dl" 2>/dev/null || true
    printf '\n$ apt-get source --download-only %s=%s\n' "$pkg" "$version" >>"$log"
    if (cd "$dl" && apt-get source --download-only "$pkg=$version") >>"$log" 2>&1; then
        printf '%s\n' "$dl"
    else
        rm -rf "$dl"
        return 1
    fi
}

# Leaves $DEPS_SRC/<package> as a link to an unpacked, patched tree named after the exact Debian
# version, so a newer security upload unpacks beside the old tree instead of over it.
# The mirror here may list a security upload in its index without serving its files; then the
# newest version it does serve is taken, and said so.
deps_fetch_source() {
    local pkg=$1 log=$DEPS_LOGS/sources.log dl='' dsc base version newest=''
    while read -r version; do
        [ -n "$newest" ] || newest=$version
        if dl=$(deps_download_source "$pkg" "$version"); then
            break
        fi
        dl=
    done < <(deps_source_versions "$pkg")
    [ -n "$newest" ] || tandrel_die "apt knows no source package $pkg"
    [ -n "$dl" ] || tandrel_die "no version of $pkg could be downloaded (log: $log)"
    dsc=$(find "$dl" -maxdepth 1 -name '*.dsc' | head -n 1)
    [ -n "$dsc" ] || tandrel_die "apt-get source $pkg gave no .dsc"
    base=$(basename "$dsc" .dsc)
    # Unpacked inside the download folder: dpkg-source copies the .orig tarball beside the tree.
    if [ ! -d "$DEPS_SRC/$base" ]; then
        tandrel_run_logged "$log" dpkg-source -x "$dsc" "$dl/$base" || exit 1
        mv "$dl/$base" "$DEPS_SRC/$base"
    fi
    mkdir -p "$DEPS_SRC/archives"
    find "$dl" -maxdepth 1 -type f -exec mv -f {} "$DEPS_SRC/archives/" \;
    rm -rf "$dl"
    ln -sfn "$base" "$DEPS_SRC/$pkg"
    if [ "$version" = "$newest" ]; then
        tandrel_say "sources: $pkg $version"
    else
        tandrel_say "sources: $pkg $version (newest listed, $newest, not served)"
    fi
}

# With refresh set, asks apt for the current upload of every package (to pick up new security
# fixes); otherwise fetches only those never fetched.
deps_ensure_sources() {
    local refresh=${1:-} pkg todo=()
    mkdir -p "$DEPS_SRC" "$DEPS_LOGS"
    for pkg in "${TANDREL_DEPS_SOURCES[@]}"; do
        if [ -n "$refresh" ] || [ ! -d "$DEPS_SRC/$pkg/" ]; then
            todo+=("$pkg")
        fi
    done
    [ ${#todo[@]} -gt 0 ] || return 0
    local t0
    t0=$(tandrel_now)
    rm -rf "$DEPS_SRC"/.download.*
    deps_ensure_deb_src
    for pkg in "${todo[@]}"; do
        deps_fetch_source "$pkg"
    done
    tandrel_say "sources: ready in $(tandrel_since "$t0")"
}

# Configure, build and install one CMake project into the triple's prefix. The caller's compiler
# flags are dropped: they are meant for the native build (sanitizers) and break a cross build.
deps_cmake() {
    local triple=$1 name=$2 src=$3
    shift 3
    local prefix log build t0
    prefix=$(tandrel_deps_prefix "$triple")
    log=$DEPS_LOGS/$triple/$name.log
    build=$DEPS_BUILD/$triple/$name
    t0=$(tandrel_now)
    : >"$log"
    local envs=(env -u CFLAGS -u CXXFLAGS -u CPPFLAGS -u LDFLAGS -u CMAKE_PREFIX_PATH)
    if ! tandrel_run_logged "$log" "${envs[@]}" cmake -S "$src" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$(tandrel_toolchain_file "$triple")" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" ||
        ! tandrel_run_logged "$log" "${envs[@]}" cmake --build "$build" -j2 ||
        ! tandrel_run_logged "$log" "${envs[@]}" cmake --install "$build"; then
        tandrel_die "$name for $triple failed (log: $log)"
    fi
    tandrel_say "  $triple: $name $(tandrel_since "$t0")"
}

deps_build_triple() {
    local triple=$1 prefix stamp t0
    prefix=$(tandrel_deps_prefix "$triple")
    stamp=$(deps_stamp_file "$triple")
    command -v "$triple-g++-posix" >/dev/null || tandrel_die "no $triple-g++-posix"
    [ -d /usr/src/googletest ] || tandrel_die "no /usr/src/googletest (package googletest)"

    # The stamp goes first and comes back last: a build cut short leaves none, and the next run
    # starts this triple over from an empty prefix.
    rm -f "$stamp"
    rm -rf "$prefix" "${DEPS_BUILD:?}/$triple"
    mkdir -p "$prefix" "$DEPS_BUILD/$triple" "$DEPS_LOGS/$triple"
    t0=$(tandrel_now)
    tandrel_say "deps: building $triple into $prefix"

    # libz-mingw-w64-dev also ships libz.dll.a, which FindZLIB prefers; the exe would then
    # need zlib1.dll.
    local zlib=(-DZLIB_LIBRARY="/usr/$triple/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$triple/include")

    deps_cmake "$triple" libpng "$DEPS_SRC/libpng1.6" "${zlib[@]}" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
    # REQUIRE_SIMD turns a silently slow build (nasm missing or not found) into an error.
    deps_cmake "$triple" libjpeg-turbo "$DEPS_SRC/libjpeg-turbo" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=ON -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
    deps_cmake "$triple" openjpeg "$DEPS_SRC/openjpeg2" \
        -DBUILD_STATIC_LIBS=ON -DBUILD_CODEC=OFF -DBUILD_TESTING=OFF -DBUILD_DOC=OFF -DBUILD_JPIP=OFF
    # Every codec Tandrel does not decode is off, so no other library is looked for in the
    # mingw root and picked up by chance.
    deps_cmake "$triple" libtiff "$DEPS_SRC/tiff" "${zlib[@]}" \
        -DJPEG_LIBRARY="$prefix/lib/libjpeg.a" -DJPEG_INCLUDE_DIR="$prefix/include" \
        -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF -Dtiff-docs=OFF -Dcxx=OFF \
        -Dzlib=ON -Djpeg=ON -Dold-jpeg=ON -Djpeg12=OFF -Dpixarlog=ON -Dwebp=OFF -Dzstd=OFF \
        -Dlzma=OFF -Djbig=OFF -Dlerc=OFF -Dlibdeflate=OFF -Dtiff-opengl=OFF
    deps_cmake "$triple" googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON

    local f
    for f in lib/libpng16.a lib/libjpeg.a lib/libopenjp2.a lib/libtiff.a \
        lib/libgtest.a lib/libgmock.a lib/cmake/GTest/GTestConfig.cmake; do
        [ -f "$prefix/$f" ] || tandrel_die "$triple: $f missing after install"
    done

    {
        deps_stamp_key "$triple"
        local pkg
        for pkg in "${TANDREL_DEPS_SOURCES[@]}"; do
            printf 'source=%s\n' "$(readlink "$DEPS_SRC/$pkg")"
        done
        printf 'source=googletest_%s\n' "$(dpkg-query -W -f='${Version}' googletest)"
        printf 'built=%s\n' "$(date -u +%Y-%m-%dT%H:%M:%SZ)"
    } >"$stamp.tmp"
    mv "$stamp.tmp" "$stamp"
    rm -rf "${DEPS_BUILD:?}/$triple"
    rmdir "$DEPS_BUILD" 2>/dev/null || true
    tandrel_say "deps: $triple done in $(tandrel_since "$t0")"
}
