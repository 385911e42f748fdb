#!/usr/bin/env bash
# The update check stays silent and never holds the reader up. For an equal
# version (2.6), an answer one byte over the limit (1025 bytes that would
# read as 2.7) and a server that drops the request, no notice comes: once
# the server has seen the check through, a page turn (handled after anything
# the check posted) shows no notice. Answers that are no version at all are
# the unit tests' cases. A server that never answers leaves the pages
# turning, and Escape still ends the run at once, cleanly, while the check
# waits.
source "$(dirname "$0")/lib.sh"
start_display

# A notice that came takes the key from the main window: either ends the wait.
page_2_or_notice() { stored_page_is 2 || has_window_of_class TUpdateNoticeForm; }
# no_notice_after MODE BODY: the whole check, then a later event, then no notice.
no_notice_after() {
    start_update_server "$1" "$2"
    start_on_page 1
    wait_until 30 "the server to see the check through ($1 '${2:0:20}')" \
        bash -c "grep -qx closed '$UPDATE_LOG' || grep -qx dropped '$UPDATE_LOG'"
    press Left
    wait_until 20 "Left to open page 2" page_2_or_notice
    no_window_of_class TUpdateNoticeForm || fail "a notice came for $1 '${2:0:20}'"
    press Escape
    wait_until 30 "the run to end after Escape" app_ended
}
no_notice_after answer 2.6
no_notice_after answer "$(head -c 1022 /dev/zero | tr '\0' 0)2.7"
no_notice_after drop ''

start_update_server silent
start_on_page 1
wait_until 30 "the check to ask the silent server" update_log_has "request GET /appversion/getappvr.php"
press Left
wait_until 20 "Left to open page 2 while the check waits" stored_page_is 2
press Left
wait_until 20 "Left to open page 3 while the check waits" stored_page_is 3
! update_log_has closed || fail "the check gave up before the run ended"
press Escape
wait_until 10 "the run to end at once after Escape" app_ended
wait "$APP_PID" || fail "the run ended with exit code $? while the check waited"
! grep -qiE 'unhandled exception|page fault|backtrace' "$E2E_OUTPUT/app.log" || fail "the run crashed at exit: see app.log"
no_window_of_class TUpdateNoticeForm || fail "a notice outlived the run"
echo "silent update check scenario passed"
