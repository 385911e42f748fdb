#!/usr/bin/env bash
# Installs the Quran fonts into the scenarios' Wine prefix the way the
# elevated run does it, "Tiravel.exe \installfonts", so that the other
# scenarios start as a user's later starts do, without the question. The run
# must exit 0, and the files it wrote must be the very fonts the build made.
source "$(dirname "$0")/lib.sh"
RESOURCES=${TIRAVEL_RESOURCES_DIR:?TIRAVEL_RESOURCES_DIR names the generated resources}
start_display
# The installation copies only faces that are missing, and the faces of an
# earlier build carry the same version: those are taken out first.
remove_fonts
TIRAVEL_UPDATE_URL="$APP_UPDATE_URL" wine "$TIRAVEL_EXE" '\installfonts' >"$E2E_OUTPUT/app.log" 2>&1 </dev/null && code=0 || code=$?
[ "$code" = 0 ] || fail "the installation run exited with $code"
fonts_installed || fail "the installation run left the fonts uninstalled"
cmp "$(fonts_folder)/$REGULAR_FONT_FILE" "$RESOURCES/VerizevuZivoFont18" || fail "the regular face differs from the build's"
cmp "$(fonts_folder)/$BOLD_FONT_FILE" "$RESOURCES/VerizevuZivoBoldFont18" || fail "the bold face differs from the build's"
echo "fonts installed"
