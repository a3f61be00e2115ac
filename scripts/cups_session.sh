#!/usr/bin/env bash
# Sourced after lib.sh by the shell tests: a private CUPS scheduler with one default PDF queue,
# for printing end to end under Wine. Touches nothing of the system's CUPS: its own
# configuration, spool, logs and socket live in one folder, and no network port is
# opened. Wine reaches it through CUPS_SERVER (libcups reads it), and reads the
# queues at each program start: start the session before any Wine program runs.
#   cups_session_start DIR QUEUE PDF   (DIR and the PDF's folder must lie in folders the
#                                      user lp can pass through: the filters run as lp)
#                                      starts cupsd (PID in QUAREL_CUPSD_PID), adds the
#                                      default queue QUEUE writing every job to PDF
#                                      (a file: queue with the generic PDF driver);
#                                      exports CUPS_SERVER; fails with a reason on stderr
#   cups_session_stop                  stops that cupsd, by its PID (registered with
#                                      quarel_at_exit: also on an error or a signal)
#   cups_queue_empty QUEUE             true when no job of QUEUE is waiting
# QUAREL_CUPS_LOG_LEVEL sets the scheduler's LogLevel (warn when unset; debug to see
# each job's filters in DIR/log/error_log).
QUAREL_CUPSD_PID=""
QUAREL_CUPS_PPD=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd

cups_session_start() { # DIR QUEUE PDF
    local dir=$1 queue=$2 pdf=$3
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -f "$QUAREL_CUPS_PPD" ]; then
        echo "CUPS or its generic PDF driver is not installed" >&2
        return 1
    fi
    mkdir -p "$dir"/{conf,cache,state,spool,spool/tmp,log} "$(dirname "$pdf")"
    # The filters run as the user lp: it must reach the spool and write the PDF.
    chmod 755 "$dir" "$dir/log"
    chmod 777 "$(dirname "$pdf")"
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir/conf
CacheDir $dir/cache
StateDir $dir/state
RequestRoot $dir/spool
TempDir $dir/spool/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
SystemGroup root
Sandboxing Relaxed
CONF
    cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel ${QUAREL_CUPS_LOG_LEVEL:-warn}
Browsing No
WebInterface No
DefaultAuthType None
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
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    QUAREL_CUPSD_PID=$!
    quarel_at_exit cups_session_stop
    export CUPS_SERVER=$dir/cups.sock
    local ready=0
    for _ in $(seq 1 100); do
        if [ -S "$dir/cups.sock" ] && lpstat -r 2>/dev/null | grep -q "is running"; then ready=1; break; fi
        quarel_alive "$QUAREL_CUPSD_PID" || break
        sleep 0.1
    done
    if [ "$ready" != 1 ]; then
        echo "cupsd did not start: $(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')" >&2
        cups_session_stop
        return 1
    fi
    if ! lpadmin -p "$queue" -v "file:$pdf" -E -m "lsb/usr/cupsfilters/${QUAREL_CUPS_PPD##*/}" \
        >>"$dir/log/cupsd.out" 2>&1 ||
        ! lpadmin -d "$queue" >>"$dir/log/cupsd.out" 2>&1; then
        echo "the PDF queue could not be added: $(tail -n 2 "$dir/log/cupsd.out" | tr '\n' ' ')" >&2
        cups_session_stop
        return 1
    fi
}

cups_session_stop() {
    quarel_stop_pid "$QUAREL_CUPSD_PID" 5
    QUAREL_CUPSD_PID=""
    unset CUPS_SERVER
}

cups_queue_empty() { # QUEUE
    [ -z "$(lpstat -o "$1" 2>/dev/null)" ]
}
