# Sourced: keeps one wineserver and Wine's session services alive for the
# caller's lifetime, so that each Wine start costs milliseconds instead of half
# a second. The services are started here with no terminal or pipe attached:
# started by a test instead, they would inherit its output pipe and keep the
# test runner waiting for it to close.
wineserver -p >/dev/null 2>&1 </dev/null || true
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
