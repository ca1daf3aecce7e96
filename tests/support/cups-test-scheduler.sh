#!/bin/bash
# A private CUPS scheduler for the tests: its own configuration, spool and
# socket in one folder, no systemd, no TCP port (so several test processes
# can each run one), and queues whose "driver" copies every job unchanged
# into <folder>/out/jobs/job-<id>.prn.
#
#   cups-test-scheduler.sh start FOLDER   start it; prints "export CUPS_SERVER=..."
#   cups-test-scheduler.sh stop FOLDER    stop the scheduler started in FOLDER (by its PID)
#
# Queues: capture (the default), refuser (rejects jobs), paused (disabled:
# accepts jobs and holds them), closing (for a test to reject at will),
# thermal203 (like capture, with the 203 dpi resolution of a thermal printer).
# FOLDER must be empty or missing; it is made
# world-readable because the copying filter runs as user lp.
# Leave it running for debugging by not calling stop; CUPS_SERVER then
# points lpstat, lp and cancel at it.
set -euo pipefail

cmd=${1:-}
B=${2:-}
[ -n "$cmd" ] && [ -n "$B" ] || { echo "usage: $0 start|stop FOLDER" >&2; exit 2; }
B=$(realpath -m "$B")
SOCK=$B/run/cups.sock
OUT=$B/out

# A PPD whose only filter is $1 for PDF and raw data, so that the bytes a
# client sends arrive unchanged. (A raw queue writes nothing to a file:
# device, because the device output is attached to the last filter.)
# $2, when given, is the printer's only resolution.
ppd() {
  cat <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*Manufacturer: "Quill tests"
*ModelName: "Capture"
*NickName: "Capture"
*cupsFilter: "application/pdf 0 $1"
*cupsFilter: "application/vnd.cups-raw 0 $1"
*OpenUI *PageSize: PickOne
*DefaultPageSize: w144h72
*PageSize w144h72: "<</PageSize[144 72]>>setpagedevice"
*CloseUI: *PageSize
PPD
  if [ -n "${2:-}" ]; then
    cat <<PPD
*OpenUI *Resolution: PickOne
*DefaultResolution: $2
*Resolution $2: "<</HWResolution[${2%dpi} ${2%dpi}]>>setpagedevice"
*CloseUI: *Resolution
PPD
  fi
}

start() {
  mkdir -p "$B"/{etc/ppd,etc/ssl,spool/tmp,run,cache,log,bin} "$OUT/jobs"
  # cupsd runs filters as lp: the path to them must be searchable, and they
  # must be root-owned and not writable by others.
  chmod 755 "$B" "$B/bin" "$B/etc"
  chmod 1777 "$OUT" "$OUT/jobs"
  cp /etc/cups/raw.types /etc/cups/raw.convs "$B/etc/" 2>/dev/null || true

  cat >"$B/etc/cups-files.conf" <<CONF
ServerRoot $B/etc
RequestRoot $B/spool
TempDir $B/spool/tmp
StateDir $B/run
CacheDir $B/cache
ErrorLog $B/log/error_log
AccessLog $B/log/access_log
PageLog $B/log/page_log
Printcap $B/run/printcap
FileDevice Yes
SystemGroup root
CONF
  cat >"$B/etc/cupsd.conf" <<CONF
LogLevel ${QUILL_CUPSD_LOGLEVEL:-info}
Listen $SOCK
Browsing No
WebInterface No
ErrorPolicy abort-job
PreserveJobHistory Yes
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

  cat >"$B/bin/capture" <<FILTER
#!/bin/sh
# argv: job-id user title copies options [file]; copies the job to stdout
# (the file: device) and keeps it as job-<id>.prn with a .meta beside it.
umask 022
d=$OUT/jobs
if [ -n "\$6" ]; then cat "\$6"; else cat; fi | tee "\$d/.job-\$1.tmp"
printf '%s\n' "user=\$2" "title=\$3" "copies=\$4" "options=\$5" "type=\$CONTENT_TYPE" >"\$d/job-\$1.meta"
mv "\$d/.job-\$1.tmp" "\$d/job-\$1.prn"
FILTER
  chmod 755 "$B/bin/capture"
  ppd "$B/bin/capture" >"$B/capture.ppd"
  ppd "$B/bin/capture" 203dpi >"$B/thermal203.ppd"

  /usr/sbin/cupsd -f -c "$B/etc/cupsd.conf" -s "$B/etc/cups-files.conf" >"$B/log/cupsd.out" 2>&1 &
  echo $! >"$B/cupsd.pid"
  export CUPS_SERVER=$SOCK
  # Any failure from here on says what failed and what the scheduler logged.
  trap 'failed "line $LINENO: $BASH_COMMAND"' ERR
  wait_until_running

  local q
  for q in capture refuser paused closing; do
    touch "$OUT/$q.prn"; chmod 666 "$OUT/$q.prn"
    # "Printer drivers are deprecated" on stderr is expected; anything else is shown
    lpadmin -p "$q" -E -v "file://$OUT/$q.prn" -P "$B/capture.ppd" 2> >(grep -v -i deprecated >&2)
  done
  touch "$OUT/thermal203.prn"; chmod 666 "$OUT/thermal203.prn"
  lpadmin -p thermal203 -E -v "file://$OUT/thermal203.prn" -P "$B/thermal203.ppd" 2> >(grep -v -i deprecated >&2)
  lpadmin -d capture
  cupsreject -r "closed for the test" refuser
  cupsdisable -r "paused for the test" paused
  trap - ERR
  echo "export CUPS_SERVER=$SOCK"
}

# lpstat -r exits 0 also when nothing answers: wait for the socket and for
# the words "scheduler is running", while cupsd is alive, up to
# QUILL_CUPSD_START_SECONDS (a loaded machine may need many seconds).
wait_until_running() {
  local pid deadline
  pid=$(cat "$B/cupsd.pid")
  deadline=$(( $(date +%s) + ${QUILL_CUPSD_START_SECONDS:-30} ))
  until [ -S "$SOCK" ] && lpstat -r 2>/dev/null | grep -q 'scheduler is running'; do
    kill -0 "$pid" 2>/dev/null || failed "cupsd (process $pid) exited during its start"
    [ "$(date +%s)" -lt "$deadline" ] || failed "cupsd did not answer on $SOCK within ${QUILL_CUPSD_START_SECONDS:-30} s"
    sleep 0.05
  done
}

failed() {
  trap - ERR
  echo "cups-test-scheduler: start failed: $1" >&2
  local log
  for log in "$B/log/cupsd.out" "$B/log/error_log"; do
    [ -s "$log" ] && { echo "--- $log (last lines)" >&2; tail -n 30 "$log" >&2; }
  done
  stop
  exit 1
}

stop() {
  [ -f "$B/cupsd.pid" ] || return 0
  local pid i
  pid=$(cat "$B/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  for i in $(seq 250); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$B/cupsd.pid"
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop FOLDER" >&2; exit 2 ;;
esac
