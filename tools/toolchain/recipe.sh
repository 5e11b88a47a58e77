# shellcheck shell=bash
# What the 486 toolchain is made of and how it is built: sourced by i486-toolchain.sh.
# This file's content is part of the cache key, so any change here means a new build (about an
# hour); the driver around it can change freely.
#
# Debian's i686-w64-mingw32 compiler and its runtime libraries are built for the Pentium Pro
# (cmov, fcomi), so a program linked with them stops on a 486, Pentium or K6. This builds the
# same versions from Debian's own sources with the 486 as the default: GCC 12.2 from the package
# gcc-12-source and the mingw-w64 10.0.0 runtime from the source package mingw-w64. Debian's
# cross binutils are used as they are. The configuration follows Debian's win32-thread-model
# compiler where it matters to the program (DWARF-2 exceptions, win32 threads, the layout of the
# prefix, fully dynamic strings); what the program does not use is left out to keep the build
# short: languages other than C and C++, a shared libstdc++, OpenMP, quadmath, SSP, NLS. LTO and
# its linker plugin are built: the release is optimised at link time.

tc_target=i686-w64-mingw32
tc_gcc_version=12.2.0
tc_gcc_deb=12.2.0-14+deb12u1
tc_gcc_tarball=/usr/src/gcc-12/gcc-12.2.0-dfsg.tar.xz
# Debian's patch that lets the DFSG tarball (without the GFDL manuals) build.
tc_gcc_patches=(/usr/src/gcc-12/debian/patches/gcc-gfdl-build.diff)
tc_mingw_version=10.0.0
tc_mingw_deb=10.0.0-3
tc_arch=i486
# Pentium tuning: in-order pairing suits the Pentium and Pentium MMX that most of these machines
# have, and costs a 486 or K6 nothing in correctness.
tc_tune=pentium
tc_target_flags="-O2 -march=$tc_arch -mtune=$tc_tune"
tc_packages=(gcc-12-source libgmp-dev libmpfr-dev libmpc-dev flex bison texinfo dpkg-dev
    xz-utils bzip2 patch make g++ binutils-mingw-w64-i686)

tc_steps=(gcc_source mingw_source headers compiler crt libraries smoke_test)

tc_describe() {
    case $1 in
    gcc_source) echo "unpacking GCC $tc_gcc_version (Debian $tc_gcc_deb)" ;;
    mingw_source) echo "fetching mingw-w64 $tc_mingw_deb with apt-get source" ;;
    headers) echo "installing the mingw-w64 headers" ;;
    compiler) echo "building the compiler (longest step)" ;;
    crt) echo "building the mingw-w64 runtime for the $tc_arch" ;;
    libraries) echo "building libgcc and libstdc++ for the $tc_arch" ;;
    smoke_test) echo "linking a test program" ;;
    esac
}

# Each step runs in $tc_work with the prefix $tc_prefix; a step that was interrupted starts
# again from its beginning, or, where make can resume, from where it stopped.

tc_step_gcc_source() {
    local dpkg_version
    dpkg_version=$(dpkg-query -W -f='${Version}' gcc-12-source)
    if [ "$dpkg_version" != "$tc_gcc_deb" ]; then
        echo "gcc-12-source is $dpkg_version, the toolchain is made from $tc_gcc_deb" >&2
        return 1
    fi
    rm -rf "$tc_work/src/gcc-$tc_gcc_version"
    mkdir -p "$tc_work/src"
    tar -xf "$tc_gcc_tarball" -C "$tc_work/src"
    local p
    for p in "${tc_gcc_patches[@]}"; do
        patch -p2 -d "$tc_work/src/gcc-$tc_gcc_version" <"$p"
    done
}

tc_step_mingw_source() {
    # A private apt state with a deb-src entry: the host's apt configuration stays as it is.
    local apt="$tc_work/apt"
    rm -rf "$apt" "$tc_work/src/mingw-w64-$tc_mingw_version" "$tc_work/src/mingw-w64_"*
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$tc_work/src"
    local suite
    for suite in bookworm bookworm-updates; do
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $suite main"
    done >"$apt/sources.list"
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" update
    (cd "$tc_work/src" && apt-get "${opts[@]}" source --download-only "mingw-w64=$tc_mingw_deb")
    (cd "$tc_work/src" && dpkg-source -x "mingw-w64_$tc_mingw_deb.dsc" "mingw-w64-$tc_mingw_version")
}

tc_step_headers() {
    local build="$tc_work/build-headers"
    rm -rf "$build" && mkdir -p "$build" && cd "$build"
    "$tc_work/src/mingw-w64-$tc_mingw_version/mingw-w64-headers/configure" \
        --host="$tc_target" --target="$tc_target" --prefix="$tc_prefix/$tc_target"
    make install
}

tc_step_compiler() {
    local build="$tc_work/build-gcc"
    mkdir -p "$build" && cd "$build"
    [ -f Makefile ] || "$tc_work/src/gcc-$tc_gcc_version/configure" \
        --prefix="$tc_prefix" --target="$tc_target" \
        --with-arch="$tc_arch" --with-tune="$tc_tune" \
        --enable-languages=c,c++ --enable-threads=win32 --disable-sjlj-exceptions --with-dwarf2 \
        --enable-shared=libgcc --enable-static --enable-fully-dynamic-string \
        --enable-libstdcxx-time=yes --enable-version-specific-runtime-libs \
        --with-as="/usr/bin/$tc_target-as" --with-ld="/usr/bin/$tc_target-ld" \
        --disable-multilib --disable-bootstrap --disable-nls --enable-lto --enable-plugin \
        --without-isl --disable-libgomp --disable-libquadmath --disable-libssp --disable-libvtv \
        --disable-libatomic --disable-libstdcxx-pch --disable-libcc1 --disable-libsanitizer \
        --disable-werror \
        --with-pkgversion="Quorvane $tc_arch toolchain from Debian gcc-12-source $tc_gcc_deb" \
        CFLAGS=-O2 CXXFLAGS=-O2 CFLAGS_FOR_BUILD=-O2 CXXFLAGS_FOR_BUILD=-O2 \
        CFLAGS_FOR_TARGET="$tc_target_flags" CXXFLAGS_FOR_TARGET="$tc_target_flags"
    make -j"$tc_jobs" all-gcc all-lto-plugin MAKEINFO=true
    make install-gcc install-lto-plugin MAKEINFO=true
}

tc_step_crt() {
    local build="$tc_work/build-crt"
    export PATH="$tc_prefix/bin:$PATH"
    mkdir -p "$build" && cd "$build"
    [ -f Makefile ] || "$tc_work/src/mingw-w64-$tc_mingw_version/mingw-w64-crt/configure" \
        --host="$tc_target" --target="$tc_target" --prefix="$tc_prefix/$tc_target" \
        --disable-lib64 --enable-lib32 CFLAGS="$tc_target_flags" CCASFLAGS="$tc_target_flags"
    make -j"$tc_jobs"
    make install
}

tc_step_libraries() {
    cd "$tc_work/build-gcc"
    make -j"$tc_jobs" all MAKEINFO=true
    make install MAKEINFO=true
    # With version-specific runtime libraries, libgcc's shared part lands one folder off, where
    # the compiler does not look: every link without -static-libgcc (CMake's first test program,
    # for one) would fail for want of -lgcc_s. Debian keeps it beside libgcc.a.
    local libgcc="$tc_prefix/lib/gcc/$tc_target"
    mv "$libgcc/lib/libgcc_s.a" "$libgcc/libgcc_s_dw2-1.dll" "$libgcc/$tc_gcc_version/"
    rmdir "$libgcc/lib"
}

tc_step_smoke_test() {
    local dir="$tc_work/smoke"
    rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
    printf '%s\n' '#include <cstdio>' '#include <string>' '#include <stdexcept>' \
        'int main(int argc, char**) { std::string s = "486";' \
        '  try { if (argc > 0) throw std::runtime_error(s); } catch (const std::exception& e) {' \
        '    std::printf("%s %.2f\n", e.what(), argc * 1.5); } }' >smoke.cpp
    # Linked as a build system's first test does, and as the release is: statically.
    "$tc_prefix/bin/$tc_target-g++" -Os smoke.cpp -o smoke-shared.exe
    "$tc_prefix/bin/$tc_target-g++" -Os -static -static-libgcc -static-libstdc++ smoke.cpp -o smoke.exe
    "$tc_prefix/bin/$tc_target-gcc" -v 2>&1 | tail -3
}
