#!/usr/bin/env bash
# The update check against a loopback server of the test. An answer of 2.7,
# newer than the running 2.6, brings the notice in Arabic with the product
# site as its link: a click on the link hands that address to the browser,
# Escape closes the notice; more answers while it is open bring no second
# notice. In English a 1024-byte answer (the most an answer
# may hold) brings "Update Notice"; Shift+Tab from Cancel reaches the link,
# which Space opens, and Cancel closes the notice.
source "$(dirname "$0")/lib.sh"
start_display
record_browser
PRODUCT_SITE=https://tiravel.app  # the table of addresses

notice_titled() { has_window_named "$1"; }

start_update_server answer 2.7
start_on_page 1
wait_until 30 "the update notice" has_window_of_class TUpdateNoticeForm
update_log_has "request GET /appversion/getappvr.php" || fail "the check asked for $(cat "$UPDATE_LOG")"
notice_titled 'يوجد تحديث للتطبيق' || fail "the Arabic notice has another caption"
[ "$(control_text TUpdateNoticeForm 100)" = 'يوجد إصدار جديد لهذا التطبيق، ننصح بتحديث النسخة الآن. يمكن تحميل النسخة الجديدة من موقعنا على الشبكة.' ] ||
    fail "the Arabic notice says: $(control_text TUpdateNoticeForm 100)"
[ "$(control_text TUpdateNoticeForm 101)" = "$PRODUCT_SITE" ] || fail "the link shows $(control_text TUpdateNoticeForm 101)"
screenshot notice-arabic
click_control TUpdateNoticeForm 101
wait_until 20 "the link to reach the browser" browser_got "$PRODUCT_SITE"
# Three more answers of a newer version, then the help message: once help
# reaches the browser, the answers posted before it have been handled.
for minor in 8 9 10; do post_to_window TMainForm $((0x0426)) 2 "$minor" || fail "cannot post an answer"; done
post_to_window TMainForm $((0x0427)) || fail "cannot post the help message"
wait_until 20 "the help message to reach the browser" browser_got "$PRODUCT_SITE/app/"
notices=$(count_windows_named 'يوجد تحديث للتطبيق')
[ "$notices" = 1 ] || fail "$notices update notices are open"
N=$(window_named 'يوجد تحديث للتطبيق')
xdotool windowfocus --sync "$N" 2>/dev/null || true
xdotool key --window "$N" Escape
wait_until 20 "Escape to close the notice" no_window_of_class TUpdateNoticeForm
press Escape
wait_until 30 "the run to end after Escape" app_ended

# Leading zeros keep the answer 2.7 at 1024 bytes.
start_update_server answer "$(head -c 1021 /dev/zero | tr '\0' 0)2.7"
start_on_page 1 1
wait_until 30 "the English update notice" has_window_of_class TUpdateNoticeForm
notice_titled 'Update Notice' || fail "the English notice has another caption"
[ "$(control_text TUpdateNoticeForm 100)" = 'There is new version available for download, we highly recommend you to upgrade now. ' ] ||
    fail "the English notice says: $(control_text TUpdateNoticeForm 100)"
screenshot notice-english
N=$(window_named 'Update Notice')
xdotool windowfocus --sync "$N" 2>/dev/null || true
xdotool key --window "$N" shift+Tab space
opened_twice() { [ "$(grep -cxF -e "$1" -e "$1/" "$BROWSER_LOG")" -ge 2 ]; }
wait_until 20 "Space on the link to reach the browser" opened_twice "$PRODUCT_SITE"
click_control TUpdateNoticeForm 2  # Cancel
wait_until 20 "Cancel to close the notice" no_window_of_class TUpdateNoticeForm
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "update notice scenario passed"
