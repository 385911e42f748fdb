# Sourced: makes a Wine prefix ready for Tiravel. Wine's own interface font
# (its Tahoma, behind "MS Shell Dlg" and "MS Shell Dlg 2") has no Arabic, so
# every Arabic caption of menus, dialogs and title bars would show boxes; the
# prefix maps those names to DejaVu Sans, which has Arabic. The program
# itself is unchanged: on Windows the same names reach fonts with Arabic.

INTERFACE_FONT_SUBSTITUTE="DejaVu Sans"
INTERFACE_FONT_NAMES=("MS Shell Dlg" "MS Shell Dlg 2" "Tahoma")

# True when PREFIX exists and has the interface fonts linked.
wine_prefix_ready() {
    local prefix=$1 name
    [ -f "$prefix/system.reg" ] || return 1
    for name in "${INTERFACE_FONT_NAMES[@]}"; do
        grep -qF "\"$name\"=\"$INTERFACE_FONT_SUBSTITUTE\"" "$prefix/system.reg" || return 1
    done
}

# make_wine_prefix PREFIX: creates PREFIX if needed and links the interface
# fonts. Leaves no wineserver running for it.
make_wine_prefix() {
    local prefix=$1 name
    mkdir -p "$prefix"
    if [ ! -f "$prefix/system.reg" ]; then
        WINEPREFIX=$prefix wineboot --init >/dev/null 2>&1 || true
    fi
    for name in "${INTERFACE_FONT_NAMES[@]}"; do
        WINEPREFIX=$prefix wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$name" /t REG_SZ /d "$INTERFACE_FONT_SUBSTITUTE" /f >/dev/null 2>&1 || true
    done
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true  # writes the registry files out
    WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
    wine_prefix_ready "$prefix"
}
