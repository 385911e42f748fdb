#!/usr/bin/env bash
# The tool windows at the display scales of 150 % and 200 % (a Wine prefix
# whose LogPixels is 144 or 192): each opens in both languages, grows with
# the scale, and its controls stay inside its client area. At 200 % the
# go-to-page and search windows are about twice their size at 100 %, and a
# search shows its ayat wrapped in rows as tall as the text. Screenshots of
# every window in build/windows/e2e-output/test_display_scale/.
# The screen of a laptop at 200 %, where the windows of 192 DPI fit whole.
E2E_SCREEN=2560x1600x24
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/../../scripts/wine-prefix.sh"
RESOURCES=${TIRAVEL_RESOURCES_DIR:?TIRAVEL_RESOURCES_DIR names the generated resources}
BASE_PREFIX=$WINEPREFIX
start_display

# use_prefix DPI: the scenario's wineserver moves to a prefix at that DPI
# (the scenarios' own prefix at 96), made once with the fonts installed.
use_prefix() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ "$1" = 96 ]; then
        export WINEPREFIX=$BASE_PREFIX
    else
        export WINEPREFIX="$BASE_PREFIX-dpi$1"
        if ! grep -q "\"LogPixels\"=dword:$(printf '%08x' "$1")" "$WINEPREFIX/user.reg" 2>/dev/null; then
            make_wine_prefix "$WINEPREFIX" || fail "cannot make the prefix $WINEPREFIX"
            local key
            for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
                wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || fail "cannot set LogPixels"
            done
            wineserver -k >/dev/null 2>&1 || true
            wineserver -w >/dev/null 2>&1 || true
        fi
    fi
    fresh_wineserver
    if ! fonts_installed; then
        wine "$TIRAVEL_EXE" '\installfonts' >"$E2E_OUTPUT/install-$1.log" 2>&1 </dev/null || fail "the fonts did not install at $1 DPI"
    fi
}

WM_CLOSE=16 WM_COMMAND=273
# Command ids of the popup menu and the window class each opens.
WINDOWS=("102 TGoToPageForm go-to-page" "103 TSearchForm search" "101 TFahrasForm index"
         "105 TCopyRangeForm copy-range" "106 TSettingsForm settings" "109 TAboutForm about")

window_size() { wine "${TIRAVEL_WINTEXT:?}" --size "$1" 2>/dev/null | tr -d '\r'; }

# The controls of the window span no more than its client area (screen
# coordinates of window_controls against the client size).
controls_inside() {
    local class=$1 cw=$2 ch=$3
    window_controls "$class" | awk -v cw="$cw" -v ch="$ch" '
        $2 != -1 { if (minl == "" || $3 < minl) minl = $3; if (mint == "" || $4 < mint) mint = $4
                   if ($5 > maxr) maxr = $5; if ($6 > maxb) maxb = $6 }
        END { exit !(maxr - minl <= cw && maxb - mint <= ch) }'
}

declare -A SIZE
for dpi in 96 144 192; do
    use_prefix "$dpi"
    for language in 0 1; do
        name=$([ "$language" = 0 ] && echo arabic || echo english)
        start_update_server answer 2.7
        start_on_page 50 "$language"
        wait_until 30 "the update notice at $dpi" has_window_of_class TUpdateNoticeForm
        SIZE[$dpi-update-notice]=$(window_size TUpdateNoticeForm)
        screenshot "$dpi-$name-update-notice"
        post_to_window TUpdateNoticeForm $WM_CLOSE
        wait_until 20 "the notice to close" no_window_of_class TUpdateNoticeForm
        for entry in "${WINDOWS[@]}"; do
            read -r command class label <<<"$entry"
            post_to_window TMainForm $WM_COMMAND "$command" || fail "cannot post command $command"
            wait_until 30 "the $label window at $dpi DPI" has_window_of_class "$class"
            size=$(window_size "$class")
            SIZE[$dpi-$label]=$size
            note "$dpi DPI $name $label: $size"
            read -r _ _ cw ch <<<"$size"
            # The settings and about windows scroll over content taller than they are.
            [ "$class" = TAboutForm ] || [ "$class" = TSettingsForm ] || controls_inside "$class" "$cw" "$ch" ||
                fail "a control of the $label window leaves its client area at $dpi DPI"
            if [ "$class" = TSearchForm ]; then
                # Every aya numbered 5: rows of ayat long and short, wrapped.
                initial=$(control_text TSearchForm 12)
                counts_changed() { [ "$(control_text TSearchForm 12)" != "$initial" ]; }
                S=$(window_named "$([ "$language" = 0 ] && echo 'البحث' || echo 'Search')")
                xdotool windowfocus --sync "$S" 2>/dev/null || true
                xdotool type --delay 50 5
                wait_until 20 "the search at $dpi DPI" counts_changed
            fi
            screenshot "$dpi-$name-$label"
            post_to_window "$class" $WM_CLOSE
            wait_until 20 "the $label window to close" no_window_of_class "$class"
        done
        press Escape
        wait_until 30 "the run to end" app_ended
    done
done

# ratio A B: B / A within 1.8 and 2.2.
doubled() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(b >= 1.8 * a && b <= 2.2 * a) }'; }
for label in go-to-page search; do
    read -r w1 h1 _ <<<"${SIZE[96-$label]}"
    read -r w2 h2 _ <<<"${SIZE[192-$label]}"
    doubled "$w1" "$w2" && doubled "$h1" "$h2" || fail "the $label window is $w2 × $h2 at 192 DPI, $w1 × $h1 at 96"
done
for key in $(printf '%s\n' "${!SIZE[@]}" | sort -n); do echo "$key ${SIZE[$key]}"; done | tee "$E2E_OUTPUT/sizes.txt"
