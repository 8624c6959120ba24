# shellcheck shell=bash
# The checks of install_and_run.sh. They read $root (the installed tree, empty
# for this system), $work (a scratch folder) and the in_root command prefix.
# shellcheck disable=SC2154

image_size=93719
editor_pid=

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# The file name has the version in it, and an empty Depends means
# dpkg-shlibdeps did not run: such a package installs anywhere and then fails.
check_control() { # deb version
    local got
    got=$(dpkg-deb -f "$1" Version)
    [ "$got" = "$2" ] || fail "package version is '$got', the project's is $2"
    got=$(dpkg-deb -f "$1" Depends)
    [ -n "$got" ] || fail "the package has no Depends"
    echo "Depends: $got"
    got=$(dpkg-deb -f "$1" Suggests)
    [[ "$got" == *ardour-data* ]] || fail "the package does not suggest ardour-data (Suggests: '$got')"
}

desktop_key() { # file key
    sed -n "s/^$2=//p" "$1" | head -n 1
}

# What a menu needs: an entry whose program is on the PATH and whose icon is in
# the theme at every size it is shipped in, and an executable whose libraries
# all resolve.
check_installed_files() {
    local desktop=$root/usr/share/applications/vektor-editor.desktop
    [ -f "$desktop" ] || fail "no menu entry at /usr/share/applications/vektor-editor.desktop"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "the menu entry is not valid"
    fi
    local program icon size png
    program=$(desktop_key "$desktop" Exec)
    program=${program%% *}
    # shellcheck disable=SC2016 # $1 is expanded by the inner shell
    "${in_root[@]}" sh -c 'command -v "$1"' sh "$program" >/dev/null ||
        fail "the menu entry starts '$program', which is not on the PATH"
    icon=$(desktop_key "$desktop" Icon)
    if [ -z "$icon" ] || [ "${icon#/}" != "$icon" ]; then
        fail "the menu entry must name its icon, not '$icon'"
    fi
    for size in 16 32 48 256; do
        png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
        file "$png" | grep -q "PNG image data, $size x $size," ||
            fail "no ${size}x$size icon '$icon': $(file "$png")"
    done
    local missing
    missing=$("${in_root[@]}" ldd "/usr/bin/$program" | grep 'not found' || true)
    [ -z "$missing" ] || fail "libraries the package does not bring:
$missing"
}

# The package's Depends let apt choose JACK 2's client library: with JACK 1's,
# installing the JACK 2 server later would have to take it away again.
# shellcheck disable=SC2016 # dpkg-query's fields, not the shell's
check_jack_library() {
    local status
    status=$("${in_root[@]}" dpkg-query -W -f='${db:Status-Abbrev}' libjack-jackd2-0 2>/dev/null || true)
    [ "${status:0:2}" = ii ] || fail "the package did not bring JACK 2's client library (libjack-jackd2-0)"
    if "${in_root[@]}" dpkg-query -W -f='${db:Status-Abbrev}' libjack0 2>/dev/null | grep -q '^ii'; then
        fail "JACK 1's client library (libjack0) is installed beside the package"
    fi
}

# What a software centre needs: one AppStream metainfo file that validates,
# launching the installed menu entry, and showing screenshots that
# docs/screenshots has.
check_metainfo() { # deb source-dir
    local metainfo launched shot shots
    metainfo=$(dpkg-deb -c "$1" | sed -n 's|.* \./\(usr/share/metainfo/[^ ]*\.metainfo\.xml\)$|\1|p')
    [ "$(echo "$metainfo" | wc -w)" -eq 1 ] || fail "the package must bring one metainfo file, it has: '$metainfo'"
    metainfo=$root/$metainfo
    appstreamcli validate --no-net "$metainfo" || fail "the AppStream metainfo is not valid"
    launched=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [ -f "$root/usr/share/applications/$launched" ] ||
        fail "the metainfo launches '$launched', which is not in /usr/share/applications"
    mapfile -t shots < <(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
    [ ${#shots[@]} -gt 0 ] || fail "the metainfo shows no screenshot"
    for shot in "${shots[@]}"; do
        [ -f "$2/docs/screenshots/$shot" ] || fail "the metainfo shows $shot, which docs/screenshots does not have"
    done
    echo "metainfo: ${metainfo#"$root"} (${#shots[@]} screenshots)"
}

editor_home=

# Editors running the installed program with the test's home, in case one got
# away from the process that was started.
leftover_editors() {
    local proc
    [ -n "$editor_home" ] || return 0
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/exe" 2>/dev/null)" = "$root/usr/bin/vektor-editor" ] &&
            tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qx "HOME=$editor_home" &&
            echo "${proc#/proc/}"
    done
    return 0
}

# Fails (returns 1) when the editor was still there after the signal.
stop_editor() {
    [ -n "$editor_pid" ] || return 0
    kill -TERM "$editor_pid" 2>/dev/null || true
    wait "$editor_pid" 2>/dev/null || true
    editor_pid=
    local left
    mapfile -t left < <(leftover_editors)
    [ ${#left[@]} -eq 0 ] && return 0
    echo "the editor outlived SIGTERM to the process that was started: ${left[*]}" >&2
    kill -KILL "${left[@]}" 2>/dev/null || true
    return 1
}

# First start as an ordinary user with an empty home. The offscreen platform
# has no window to look at; Qt's painting log shows the main window reaching
# the screen (it is painted and flushed only once shown).
check_first_start() {
    local home memory log=$work/editor.log
    if [ -n "$root" ]; then home=/tmp/vektor-home; else home=$work/home; fi
    chmod 755 "$work"
    mkdir -p "$root$home"
    chown 65534:65534 "$root$home"
    memory=$root$home/Stompwerk/Vektor/memory.bin
    editor_home=$home

    "${in_root[@]}" HOME="$home" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.widgets.painting=true \
        setpriv --reuid=65534 --regid=65534 --clear-groups vektor-editor >"$log" 2>&1 &
    editor_pid=$!
    local tries=0
    until [ "$(stat -c %s "$memory" 2>/dev/null)" = "$image_size" ] &&
        grep -q 'Flushing .*name="MainWindow"' "$log"; do
        kill -0 "$editor_pid" 2>/dev/null || fail "the editor stopped by itself:
$(grep -v qt.widgets.painting "$log")"
        tries=$((tries + 1))
        [ "$tries" -le 120 ] || fail "no window or no $image_size-byte memory.bin after 60 s:
$(ls -lR "$root$home" 2>&1)
$(grep -v qt.widgets.painting "$log")"
        sleep 0.5
    done
    sleep 2
    kill -0 "$editor_pid" 2>/dev/null || fail "the editor stopped right after showing its window"
    stop_editor || fail "the editor did not stop"
    echo "memory.bin: $(stat -c %s "$memory") bytes; the main window was shown"
}

# The command-line tool from the package, as an ordinary user: its help, and
# the setlist of the memory the first start wrote. Run after check_first_start.
check_tool() {
    local out missing memory=$editor_home/Stompwerk/Vektor/memory.bin
    missing=$("${in_root[@]}" ldd /usr/bin/vektor-tool | grep 'not found' || true)
    [ -z "$missing" ] || fail "libraries vektor-tool needs that the package does not bring:
$missing"
    out=$("${in_root[@]}" setpriv --reuid=65534 --regid=65534 --clear-groups vektor-tool --help 2>&1) ||
        fail "vektor-tool --help failed: $out"
    grep -q '^Usage: vektor-tool COMMAND' <<<"$out" || fail "vektor-tool --help printed: $out"
    out=$("${in_root[@]}" setpriv --reuid=65534 --regid=65534 --clear-groups vektor-tool show "$memory" 2>&1) ||
        fail "vektor-tool show failed: $out"
    if [ "$(head -n 1 <<<"$out")" != "001 - Preset 001" ] || [ "$(wc -l <<<"$out")" -ne 270 ]; then
        fail "vektor-tool show printed: $(head -n 3 <<<"$out")"
    fi
    echo "vektor-tool: --help and show work"
}
