#!/usr/bin/env bash
# Serves the print scenario, which runs under Wine and cannot start pdfinfo or
# pdftotext itself: when the driver writes REQUESTS/read-pdf, waits until the queue
# is empty and the PDF is complete (non-empty, its size steady, pdfinfo reads it),
# writes REQUESTS/pdfinfo.txt, REQUESTS/pdftext.txt (pdftotext -layout),
# REQUESTS/pdfbbox.html (pdftotext -bbox: every word with its box) and REQUESTS/pdf.svg
# (pdftocairo -svg of the first page: every drawn path), then
# REQUESTS/pdf-read holding "1", or "0" when no complete PDF came within two minutes.
#   print_checker.sh QUEUE PDF REQUESTS     (CUPS_SERVER set by cups_session.sh)
# Runs until it is killed.
queue=$1 pdf=$2 requests=$3
# shellcheck source=../../scripts/cups_session.sh
source "$(dirname "$0")/../../scripts/cups_session.sh"
mkdir -p "$requests"
while :; do
    if [ -f "$requests/read-pdf" ]; then
        rm -f "$requests/read-pdf" "$requests/pdfinfo.txt" "$requests/pdftext.txt" "$requests/pdfbbox.html" \
            "$requests/pdf.svg"
        complete=0 size=-1
        for _ in $(seq 1 600); do
            now=$(stat -c %s "$pdf" 2>/dev/null || echo -1)
            if cups_queue_empty "$queue" && [ "$now" -gt 0 ] && [ "$now" = "$size" ] &&
                pdfinfo "$pdf" >"$requests/pdfinfo.txt" 2>&1; then
                complete=1
                break
            fi
            size=$now
            sleep 0.2
        done
        if [ "$complete" = 1 ]; then
            pdftotext -layout "$pdf" "$requests/pdftext.txt" 2>>"$requests/pdfinfo.txt"
            pdftotext -bbox "$pdf" "$requests/pdfbbox.html" 2>>"$requests/pdfinfo.txt"
            pdftocairo -svg -f 1 -l 1 "$pdf" "$requests/pdf.svg" 2>>"$requests/pdfinfo.txt"
        fi
        echo "$complete" >"$requests/pdf-read.tmp"
        mv "$requests/pdf-read.tmp" "$requests/pdf-read"
    fi
    sleep 0.2
done
