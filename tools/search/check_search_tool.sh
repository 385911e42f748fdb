#!/usr/bin/env bash
# tiravel-search over the generated store: the lines it prints for a few
# queries (found by reading the store by hand), and its exit codes: 0 when
# nothing is found, 2 with a message for a bad option or sura.
set -u
tool=$1
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# expect_lines "EXPECTED" ARGS...: exit 0 and exactly these lines.
expect_lines() {
    local expected=$1 out rc
    shift
    out=$("$tool" "$@" 2>&1); rc=$?
    [ "$rc" -eq 0 ] || fail "$* exited with $rc: $out"
    [ "$out" = "$expected" ] || fail "$*: got [$out], expected [$expected]"
}
# expect_refusal PATTERN ARGS...: exit 2, nothing on stdout, PATTERN on stderr.
expect_refusal() {
    local pattern=$1 out err rc
    shift
    err=$("$tool" "$@" 2>&1 >/dev/null); rc=$?
    out=$("$tool" "$@" 2>/dev/null)
    [ "$rc" -eq 2 ] || fail "$* exited with $rc, expected 2"
    [ -z "$out" ] || fail "$* printed [$out] on stdout"
    printf '%s' "$err" | grep -q -- "$pattern" || fail "$*: no '$pattern' in [$err]"
}

expect_lines "14:35 260" --sura 14 ابراهيم
expect_lines $'14:39 260\n19:54 309\n38:48 456' --exact --whole-words إسماعيل
expect_lines $'114:1 604\n114:2 604\n114:3 604\n114:5 604' --whole-words --sura 114 الناس
expect_lines "2:5 2" --sura 2 5
expect_lines "" --exact اسماعيل              # nothing found is no error
expect_lines "" "   "

expect_refusal "no such sura" --sura 115 الله
expect_refusal "no such sura" --sura 0 الله
expect_refusal "no such sura" --sura 14x الله
expect_refusal "unknown option --regex" --regex الله
expect_refusal "must follow --sura" --sura 14
expect_refusal "the query" --exact
expect_refusal "no query"
[ "$failed" -eq 0 ] && echo "tiravel-search answers as expected"
exit "$failed"
